// Image and archive bytes made by the tests themselves: PNG files, DIBs and
// .bmp files, icon images with .ico files and icon-group directories, and zip
// archives. Each builder writes the format's own byte layout.
#pragma once

#include <windows.h>
#include <stdint.h>

#include <functional>
#include <string>
#include <vector>

namespace TestImages {

/// A 32-bit pixel as DIBs store it: blue, green, red, alpha in memory order.
inline uint32_t Bgra(int b, int g, int r, int a) {
  return (uint32_t)(b & 255) | (uint32_t)(g & 255) << 8 | (uint32_t)(r & 255) << 16 |
         (uint32_t)(a & 255) << 24;
}

// PNG ------------------------------------------------------------------------

struct PngChunk {
  std::string type;  // four letters
  std::string data;
};

/// One chunk: length, type, data, CRC.
std::string PngChunkBytes(const std::string& type, const std::string& data);
/// A PNG with the given header fields. `rows` holds each row's packed samples
/// (height rows of equal length, no filter byte); `chunks` go before the image data.
/// An interlaced image (samples of 8 bits or more) is written in its seven passes.
std::string MakePng(uint32_t width, uint32_t height, int bitDepth, int colorType,
                    const std::string& rows, const std::vector<PngChunk>& chunks = {},
                    bool interlaced = false);
/// An 8-bit RGBA PNG of the pixels (given as Bgra values).
std::string MakeRgbaPng(int width, int height, const std::function<uint32_t(int, int)>& bgra,
                        bool interlaced = false);
/// Big-endian helpers for chunk data.
std::string BigEndian32(uint32_t value);
std::string BigEndian16(uint16_t value);

// DIBs, .bmp files and icons ---------------------------------------------------

typedef std::function<uint32_t(int x, int y)> PixelFn;  // y counted from the top

/// A packed DIB (BITMAPINFOHEADER, then the rows bottom-up) of 32 bits per pixel.
std::string MakeDib32(int width, int height, const PixelFn& bgra);
/// A packed 24-bit DIB; the pixel's alpha byte is ignored. Rows padded to 4 bytes.
std::string MakeDib24(int width, int height, const PixelFn& bgra);
/// A .bmp file around a packed DIB without a colour table.
std::string MakeBmpFile(const std::string& dib);

/// An icon image as .ico entries and RT_ICON resources hold it: a header of
/// double height, the colour rows (32 or 24 bits) and the AND mask (1 = transparent).
std::string MakeIconImage(int width, int height, int bits, const PixelFn& bgra,
                          const std::function<bool(int x, int y)>& transparent);
/// An .ico file of the images, with sizes and bit depths read from their headers.
std::string MakeIcoFile(const std::vector<std::string>& images);
/// The RT_GROUP_ICON directory for icons stored as RT_ICON firstId, firstId + 1 ...
std::string MakeGroupIconDir(const std::vector<std::string>& images, WORD firstId);

/// A tool-bar resource: version 1, image size, then the ids.
std::string MakeToolBarResource(int width, int height, const std::vector<WORD>& ids);

// Zip --------------------------------------------------------------------------

struct ZipItem {
  std::string name;
  std::string data;
  bool deflate = true;
  WORD versionMadeBy = 20;  // host in the high byte: 0 DOS, 3 Unix
  DWORD externalAttributes = 0x20;
  WORD dosTime = 0x6000;  // 12:00:00
  WORD dosDate = 0x5A21;  // 2025-01-01
  std::string localExtra;
  WORD flags = 0;
  int method = -1;  // the stored method; -1: 8 when deflated, else 0
};

/// A zip archive of the items, in order, each with its local header and a
/// central directory entry.
std::string MakeZip(const std::vector<ZipItem>& items);
/// An extended-timestamp extra block ("UT") with the times whose flag bits are set.
std::string MakeUnixTimeExtra(BYTE flags, const std::vector<int32_t>& times);

}  // namespace TestImages
