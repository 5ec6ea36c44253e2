#include "SupportImages.h"

#include <string.h>

#include <zlib.h>

namespace TestImages {

namespace {

void Put16(std::string* out, uint32_t value) {
  out->push_back(char(value & 255));
  out->push_back(char((value >> 8) & 255));
}

void Put32(std::string* out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

template <typename T>
std::string BytesOf(const T& value) {
  return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string Compress(const std::string& raw, int windowBits) {
  z_stream stream;
  memset(&stream, 0, sizeof stream);
  deflateInit2(&stream, 6, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, (uLong)raw.size()) + 16, '\0');
  stream.next_in = (Bytef*)raw.data();
  stream.avail_in = (uInt)raw.size();
  stream.next_out = (Bytef*)&out[0];
  stream.avail_out = (uInt)out.size();
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

uint32_t Crc(const std::string& bytes) {
  return (uint32_t)crc32(0, (const Bytef*)bytes.data(), (uInt)bytes.size());
}

BITMAPINFOHEADER Header(int width, int height, int bits, DWORD imageSize) {
  BITMAPINFOHEADER header;
  memset(&header, 0, sizeof header);
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = (WORD)bits;
  header.biCompression = BI_RGB;
  header.biSizeImage = imageSize;
  return header;
}

int Stride(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

// The colour rows of a DIB, bottom-up, of 24 or 32 bits per pixel.
std::string Rows(int width, int height, int bits, const PixelFn& bgra) {
  std::string rows;
  const int stride = Stride(width, bits);
  for (int y = height - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      uint32_t pixel = bgra(x, y);
      row.append(reinterpret_cast<const char*>(&pixel), bits / 8);
    }
    row.resize(stride, '\0');
    rows += row;
  }
  return rows;
}

}  // namespace

std::string BigEndian32(uint32_t value) {
  std::string out(4, '\0');
  for (int i = 0; i < 4; ++i) out[i] = char(value >> (24 - 8 * i));
  return out;
}

std::string BigEndian16(uint16_t value) { return BigEndian32(value).substr(2); }

std::string PngChunkBytes(const std::string& type, const std::string& data) {
  std::string body = type + data;
  return BigEndian32((uint32_t)data.size()) + body + BigEndian32(Crc(body));
}

namespace {

// The rows in the seven passes of Adam7, each reduced row after its filter byte.
std::string InterlacedRows(uint32_t width, uint32_t height, const std::string& rows) {
  static const uint32_t x0[7] = {0, 4, 0, 2, 0, 1, 0}, dx[7] = {8, 8, 4, 4, 2, 2, 1};
  static const uint32_t y0[7] = {0, 0, 4, 0, 2, 0, 1}, dy[7] = {8, 8, 8, 4, 4, 2, 2};
  const size_t rowBytes = height ? rows.size() / height : 0;
  const size_t pixelBytes = width ? rowBytes / width : 0;
  std::string filtered;
  for (int pass = 0; pass < 7; ++pass) {
    if (x0[pass] >= width) continue;  // a pass without columns has no rows either
    for (uint32_t y = y0[pass]; y < height; y += dy[pass]) {
      filtered += '\0';
      for (uint32_t x = x0[pass]; x < width; x += dx[pass])
        filtered += rows.substr(y * rowBytes + x * pixelBytes, pixelBytes);
    }
  }
  return filtered;
}

}  // namespace

std::string MakePng(uint32_t width, uint32_t height, int bitDepth, int colorType,
                    const std::string& rows, const std::vector<PngChunk>& chunks,
                    bool interlaced) {
  std::string header = BigEndian32(width) + BigEndian32(height);
  header += char(bitDepth);
  header += char(colorType);
  header += std::string(2, '\0');  // deflate, adaptive filtering
  header += char(interlaced ? 1 : 0);
  std::string filtered;
  const size_t rowBytes = height ? rows.size() / height : 0;
  if (interlaced)
    filtered = InterlacedRows(width, height, rows);
  else
    for (uint32_t y = 0; y < height; ++y) filtered += '\0' + rows.substr(y * rowBytes, rowBytes);
  std::string png("\x89PNG\r\n\x1a\n", 8);
  png += PngChunkBytes("IHDR", header);
  for (const PngChunk& chunk : chunks) png += PngChunkBytes(chunk.type, chunk.data);
  png += PngChunkBytes("IDAT", Compress(filtered, 15));
  png += PngChunkBytes("IEND", "");
  return png;
}

std::string MakeRgbaPng(int width, int height, const std::function<uint32_t(int, int)>& bgra,
                        bool interlaced) {
  std::string rows;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint32_t pixel = bgra(x, y);
      rows += char(pixel >> 16);
      rows += char(pixel >> 8);
      rows += char(pixel);
      rows += char(pixel >> 24);
    }
  }
  return MakePng(width, height, 8, 6, rows, {}, interlaced);
}

std::string MakeDib32(int width, int height, const PixelFn& bgra) {
  std::string rows = Rows(width, height, 32, bgra);
  return BytesOf(Header(width, height, 32, (DWORD)rows.size())) + rows;
}

std::string MakeDib24(int width, int height, const PixelFn& bgra) {
  std::string rows = Rows(width, height, 24, bgra);
  return BytesOf(Header(width, height, 24, (DWORD)rows.size())) + rows;
}

std::string MakeBmpFile(const std::string& dib) {
  BITMAPFILEHEADER file;
  memset(&file, 0, sizeof file);
  file.bfType = 0x4D42;
  file.bfSize = (DWORD)(sizeof file + dib.size());
  file.bfOffBits = sizeof file + sizeof(BITMAPINFOHEADER);
  return BytesOf(file) + dib;
}

std::string MakeIconImage(int width, int height, int bits, const PixelFn& bgra,
                          const std::function<bool(int x, int y)>& transparent) {
  std::string colour = Rows(width, height, bits, bgra);
  std::string mask;
  const int maskStride = Stride(width, 1);
  for (int y = height - 1; y >= 0; --y) {
    std::string row(maskStride, '\0');
    for (int x = 0; x < width; ++x)
      if (transparent(x, y)) row[x / 8] |= char(0x80 >> (x % 8));
    mask += row;
  }
  return BytesOf(Header(width, height * 2, bits, (DWORD)(colour.size() + mask.size()))) + colour +
         mask;
}

namespace {

// Width, height and bit count of an icon image, from its header.
void IconFacts(const std::string& image, int* width, int* height, int* bits) {
  BITMAPINFOHEADER header;
  memcpy(&header, image.data(), sizeof header);
  *width = header.biWidth;
  *height = header.biHeight / 2;
  *bits = header.biBitCount;
}

// The 14 bytes that .ico entries and group entries share: sizes, colours, planes, bits, bytes.
std::string CommonEntry(const std::string& image) {
  int width, height, bits;
  IconFacts(image, &width, &height, &bits);
  std::string entry;
  entry += char(width >= 256 ? 0 : width);
  entry += char(height >= 256 ? 0 : height);
  entry += '\0';  // colour count
  entry += '\0';  // reserved
  Put16(&entry, 1);
  Put16(&entry, bits);
  Put32(&entry, (uint32_t)image.size());
  return entry;
}

std::string IconDirHeader(size_t count) {
  std::string header;
  Put16(&header, 0);
  Put16(&header, 1);
  Put16(&header, (uint32_t)count);
  return header;
}

}  // namespace

std::string MakeIcoFile(const std::vector<std::string>& images) {
  std::string directory = IconDirHeader(images.size()), data;
  uint32_t offset = (uint32_t)(6 + 16 * images.size());
  for (const std::string& image : images) {
    directory += CommonEntry(image);
    Put32(&directory, offset + (uint32_t)data.size());
    data += image;
  }
  return directory + data;
}

std::string MakeGroupIconDir(const std::vector<std::string>& images, WORD firstId) {
  std::string directory = IconDirHeader(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    directory += CommonEntry(images[i]);
    Put16(&directory, (uint32_t)(firstId + i));
  }
  return directory;
}

std::string MakeToolBarResource(int width, int height, const std::vector<WORD>& ids) {
  std::string data;
  Put16(&data, 1);
  Put16(&data, width);
  Put16(&data, height);
  Put16(&data, (uint32_t)ids.size());
  for (WORD id : ids) Put16(&data, id);
  return data;
}

std::string MakeUnixTimeExtra(BYTE flags, const std::vector<int32_t>& times) {
  std::string data(1, char(flags));
  for (int32_t t : times) Put32(&data, (uint32_t)t);
  std::string block = "UT";
  Put16(&block, (uint32_t)data.size());
  return block + data;
}

std::string MakeZip(const std::vector<ZipItem>& items) {
  std::string archive, directory;
  for (const ZipItem& item : items) {
    const std::string stored = item.deflate ? Compress(item.data, -15) : item.data;
    const uint32_t crc = Crc(item.data);
    const uint32_t offset = (uint32_t)archive.size();
    std::string common;  // the fields the two headers share, from "version needed" on
    Put16(&common, 20);
    Put16(&common, item.flags);
    Put16(&common, item.method >= 0 ? item.method : item.deflate ? 8 : 0);
    Put16(&common, item.dosTime);
    Put16(&common, item.dosDate);
    Put32(&common, crc);
    Put32(&common, (uint32_t)stored.size());
    Put32(&common, (uint32_t)item.data.size());
    Put16(&common, (uint32_t)item.name.size());

    Put32(&archive, 0x04034B50);
    archive += common;
    Put16(&archive, (uint32_t)item.localExtra.size());
    archive += item.name + item.localExtra + stored;

    Put32(&directory, 0x02014B50);
    Put16(&directory, item.versionMadeBy);
    directory += common;
    Put16(&directory, 0);  // extra
    Put16(&directory, 0);  // comment
    Put16(&directory, 0);  // disk
    Put16(&directory, 0);  // internal attributes
    Put32(&directory, item.externalAttributes);
    Put32(&directory, offset);
    directory += item.name;
  }
  const uint32_t directoryOffset = (uint32_t)archive.size();
  archive += directory;
  Put32(&archive, 0x06054B50);
  Put16(&archive, 0);
  Put16(&archive, 0);
  Put16(&archive, (uint32_t)items.size());
  Put16(&archive, (uint32_t)items.size());
  Put32(&archive, (uint32_t)directory.size());
  Put32(&archive, directoryOffset);
  Put16(&archive, 0);
  return archive;
}

}  // namespace TestImages
