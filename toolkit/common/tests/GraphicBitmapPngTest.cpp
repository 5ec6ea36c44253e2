// PNG decoding into 32-bit DIB sections: colour types, transparency, background
// colours, 16-bit samples, and failures that must come back as FALSE.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "TKGraphicBitmapPng.h"

#include "testsupport/TempFolder.h"

#include "SupportBitmaps.h"
#include "SupportImages.h"
#include "SupportResourceModule.h"

using TestImages::Bgra;
using TestImages::BigEndian16;
using TestImages::MakePng;
using TestImages::PngChunk;

namespace {

// The first pixel in the DIB section's memory: the top-left one of a top-down DIB.
uint32_t FirstPixelInMemory(HBITMAP hBitmap) {
  DIBSECTION dib;
  if (GetObject(hBitmap, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBits == NULL) return 0;
  return *static_cast<const uint32_t*>(dib.dsBm.bmBits);
}

BOOL LoadBytes(CTKGraphicBitmapPng* pPng, const std::string& bytes) {
  CMemFile file(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())), (UINT)bytes.size());
  return pPng->LoadFromStream(&file);
}

std::string Rgb16Rows() {
  // Two pixels: (0x12AB, 0x3400, 0xFFFF) and (0x0001, 0x8080, 0x7F00).
  return BigEndian16(0x12AB) + BigEndian16(0x3400) + BigEndian16(0xFFFF) + BigEndian16(0x0001) +
         BigEndian16(0x8080) + BigEndian16(0x7F00);
}

struct DecodeCase {
  const char* what;
  std::string png;
  BOOL alpha;
  std::vector<uint32_t> pixels;  // top row first, as Bgra
};

std::vector<DecodeCase> DecodeCases() {
  const std::string palette = std::string("\xFF\x00\x00", 3) + std::string("\x00\x80\x00", 3) +
                              std::string("\x10\x20\x30", 3);
  std::vector<DecodeCase> cases;
  cases.push_back({"palette with transparency",
                   MakePng(3, 1, 8, 3, std::string("\x00\x01\x02", 3),
                           {{"PLTE", palette}, {"tRNS", std::string("\x80\x00", 2)}}),
                   TRUE,
                   {Bgra(0, 0, 255, 0x80), Bgra(0, 0x80, 0, 0), Bgra(0x30, 0x20, 0x10, 255)}});
  cases.push_back({"palette without transparency",
                   MakePng(2, 1, 8, 3, std::string("\x02\x00", 2), {{"PLTE", palette}}),
                   FALSE,
                   {Bgra(0x30, 0x20, 0x10, 0), Bgra(0, 0, 255, 0)}});
  cases.push_back({"grey",
                   MakePng(2, 2, 8, 0, std::string("\x00\x40\x80\xFF", 4)),
                   FALSE,
                   {Bgra(0, 0, 0, 0), Bgra(0x40, 0x40, 0x40, 0), Bgra(0x80, 0x80, 0x80, 0),
                    Bgra(255, 255, 255, 0)}});
  cases.push_back(
      {"grey of 1 bit",
       MakePng(8, 1, 1, 0, std::string("\xA0", 1)),
       FALSE,
       {Bgra(255, 255, 255, 0), Bgra(0, 0, 0, 0), Bgra(255, 255, 255, 0), Bgra(0, 0, 0, 0),
        Bgra(0, 0, 0, 0), Bgra(0, 0, 0, 0), Bgra(0, 0, 0, 0), Bgra(0, 0, 0, 0)}});
  cases.push_back({"grey with alpha",
                   MakePng(1, 1, 8, 4, std::string("\x60\x90", 2)),
                   TRUE,
                   {Bgra(0x60, 0x60, 0x60, 0x90)}});
  cases.push_back({"RGBA",
                   MakePng(2, 1, 8, 6, std::string("\x01\x02\x03\x04\xC8\x64\x00\x80", 8)),
                   TRUE,
                   {Bgra(3, 2, 1, 4), Bgra(0, 100, 200, 0x80)}});
  // bKGD names blue: opaque pixels keep their colour, transparent ones become blue.
  cases.push_back({"RGBA with a background colour",
                   MakePng(2, 1, 8, 6, std::string("\xC8\x64\x00\xFF\x11\x22\x33\x00", 8),
                           {{"bKGD", BigEndian16(0) + BigEndian16(0) + BigEndian16(255)}}),
                   FALSE,
                   {Bgra(0, 100, 200, 0), Bgra(255, 0, 0, 0)}});
  cases.push_back({"RGB of 16 bits",
                   MakePng(2, 1, 16, 2, Rgb16Rows()),
                   FALSE,
                   {Bgra(0xFF, 0x34, 0x12, 0), Bgra(0x7F, 0x80, 0x00, 0)}});
  return cases;
}

TEST(GraphicBitmapPng, DecodesEachColourTypeToTopDown32BitPixels) {
  for (const DecodeCase& c : DecodeCases()) {
    CTKGraphicBitmapPng png;
    ASSERT_TRUE(LoadBytes(&png, c.png)) << c.what;
    EXPECT_EQ(c.alpha, png.IsAlpha()) << c.what;
    EXPECT_EQ(c.pixels, BitmapPixels(png)) << c.what;
  }
}

TEST(GraphicBitmapPng, RowsKeepTheirOrderFromTopToBottom) {
  std::string png =
      TestImages::MakeRgbaPng(3, 4, [](int x, int y) { return Bgra(x * 10, y * 20, 7, 255); });
  CTKGraphicBitmapPng bitmap;
  ASSERT_TRUE(LoadBytes(&bitmap, png));
  std::vector<uint32_t> pixels = BitmapPixels(bitmap);
  ASSERT_EQ(12u, pixels.size());
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Bgra(x * 10, y * 20, 7, 255), pixels[y * 3 + x]);
  EXPECT_EQ(Bgra(0, 0, 7, 255), FirstPixelInMemory(bitmap));  // a top-down DIB section
}

// Long enough for the rows' memory to grow several times, read as they come
// and in the seven passes of an interlaced file.
TEST(GraphicBitmapPng, TallImagesKeepEveryRowPlainOrInterlaced) {
  auto colour = [](int x, int y) { return Bgra(x * 30, y * 5, (x + y) * 3, 255 - y); };
  std::vector<uint32_t> expected;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 7; ++x) expected.push_back(colour(x, y));
  for (bool interlaced : {false, true}) {
    CTKGraphicBitmapPng png;
    ASSERT_TRUE(LoadBytes(&png, TestImages::MakeRgbaPng(7, 50, colour, interlaced))) << interlaced;
    EXPECT_TRUE(png.IsAlpha());
    EXPECT_EQ(expected, BitmapPixels(png)) << interlaced;
  }
}

// The private memory the process has committed, region by region.
SIZE_T CommittedPrivateBytes() {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION info;
  for (const BYTE* p = NULL; VirtualQuery(p, &info, sizeof info) == sizeof info && info.RegionSize;
       p = static_cast<const BYTE*>(info.BaseAddress) + info.RegionSize) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
  }
  return total;
}

// A file that notes, at every read, how much more private memory the process
// holds than when the file was made: what the decoder took before asking for
// the bytes it reads.
class CMeasuringFile : public CMemFile {
 public:
  explicit CMeasuringFile(const std::string& bytes)
      : CMemFile(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())), (UINT)bytes.size()),
        m_base(CommittedPrivateBytes()) {}
  UINT Read(void* lpBuf, UINT nCount) override {
    const SIZE_T now = CommittedPrivateBytes();
    if (now > m_base && now - m_base > m_peak) m_peak = now - m_base;
    return CMemFile::Read(lpBuf, nCount);
  }
  SIZE_T Peak() const { return m_peak; }

 private:
  SIZE_T m_base;
  SIZE_T m_peak = 0;
};

// Headers that declare large images over a few bytes of data: an image over
// the pixel limit is refused before its data is read, and one within it takes
// memory for the rows that arrive, not for the rows declared (256 MB here).
TEST(GraphicBitmapPng, DeclaredSizesTakeNoMemoryBeforeTheirRowsArrive) {
  const struct {
    const char* what;
    std::string bytes;
    bool refusedUnread;
  } cases[] = {
      {"20000 x 20000 RGBA", MakePng(20000, 20000, 8, 6, ""), true},
      {"8193 x 8192 RGBA", MakePng(8193, 8192, 8, 6, ""), true},
      {"8192 x 8192 RGBA", MakePng(8192, 8192, 8, 6, ""), false},
      {"8192 x 8192 RGBA interlaced", MakePng(8192, 8192, 8, 6, "", {}, true), false},
  };
  for (const auto& c : cases) {
    ASSERT_LT(c.bytes.size(), 300u) << c.what;
    CMeasuringFile file(c.bytes);
    CTKGraphicBitmapPng png;
    EXPECT_FALSE(png.LoadFromStream(&file)) << c.what;
    EXPECT_LT(file.Peak(), (SIZE_T)16 << 20) << c.what;
    const ULONGLONG imageData = c.bytes.find("IDAT") + 4;
    if (c.refusedUnread)
      EXPECT_LE(file.GetPosition(), imageData) << c.what;
    else
      EXPECT_GT(file.GetPosition(), imageData) << c.what;
  }
}

TEST(GraphicBitmapPng, ReadPngImageGivesRowsAndChannels) {
  std::string bytes = MakePng(2, 1, 8, 0, std::string("\x10\x20", 2));
  CMemFile file(reinterpret_cast<BYTE*>(&bytes[0]), (UINT)bytes.size());
  BYTE* rows = NULL;
  UINT width = 0, height = 0;
  int channels = 0;
  ASSERT_TRUE(ReadPngImage(&file, &rows, &width, &height, &channels));
  EXPECT_EQ(2u, width);
  EXPECT_EQ(1u, height);
  EXPECT_EQ(3, channels);
  EXPECT_EQ(0, memcmp(rows, "\x10\x10\x10\x20\x20\x20", 6));
  free(rows);
}

// A file whose reads fail the way a disk error would: by throwing.
class CThrowingFile : public CMemFile {
 public:
  CThrowingFile(const std::string& bytes, UINT failAfter)
      : CMemFile(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())), (UINT)bytes.size()),
        m_left(failAfter) {}
  UINT Read(void* lpBuf, UINT nCount) override {
    if (nCount > m_left) AfxThrowFileException(CFileException::hardIO);
    m_left -= nCount;
    return CMemFile::Read(lpBuf, nCount);
  }

 private:
  UINT m_left;
};

TEST(GraphicBitmapPng, FailuresComeBackAsFalseAndLeaveNoBitmap) {
  const std::string good =
      TestImages::MakeRgbaPng(4, 4, [](int x, int y) { return Bgra(x, y, 0, 255); });
  std::string badCrc = good;
  badCrc[29] ^= 1;  // IHDR's CRC: libpng raises its error from inside its own frames
  std::string badData = good;
  const size_t idat = good.find("IDAT") + 4;
  badData[idat] = char(0xFF);  // not a zlib header
  std::string huge = MakePng(1000000, 1000000, 8, 6, "");
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"not a PNG", "GIF89a, certainly not a PNG image"},
      {"signature only", good.substr(0, 8)},
      {"nine bytes", good.substr(0, 9)},
      {"truncated image data", good.substr(0, good.size() - 20)},
      {"damaged header CRC", badCrc},
      {"damaged image data", badData},
      {"too large for a bitmap", huge},
  };
  for (const auto& c : cases) {
    CTKGraphicBitmapPng png;
    ASSERT_TRUE(LoadBytes(&png, good));
    EXPECT_FALSE(LoadBytes(&png, c.bytes)) << c.what;
    EXPECT_EQ(nullptr, png.GetSafeHandle()) << c.what;
    EXPECT_FALSE(png.IsAlpha()) << c.what;
  }
  for (UINT failAfter : {0u, 8u, 40u}) {
    CTKGraphicBitmapPng png;
    CThrowingFile file(good, failAfter);
    EXPECT_FALSE(png.LoadFromStream(&file)) << failAfter;
  }
  CTKGraphicBitmapPng png;
  EXPECT_FALSE(png.LoadFromStream(NULL));
}

TEST(GraphicBitmapPng, LoadsFromResourcesAndFiles) {
  const std::string bytes =
      TestImages::MakeRgbaPng(5, 3, [](int x, int y) { return Bgra(x, y, 9, 200); });
  CTestResourceModule module;
  module.Add("PNG", "ARROW", bytes);
  module.Add("PNG", "SHORT", bytes.substr(0, 9));
  ASSERT_NE(nullptr, module.Load());
  HMODULE hModule = module.GetHandle();

  CTKGraphicBitmapPng png;
  EXPECT_TRUE(png.LoadFromResource(hModule, FindResourceA(hModule, "ARROW", "PNG")));
  EXPECT_TRUE(png.IsAlpha());
  EXPECT_EQ(Bgra(4, 2, 9, 200), BitmapPixels(png)[14]);
  EXPECT_FALSE(png.LoadFromResource(hModule, FindResourceA(hModule, "SHORT", "PNG")));
  EXPECT_FALSE(png.LoadFromResource(hModule, NULL));

  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFile("image.png", bytes));
  const std::string path = folder.PathOf("image.png");
  EXPECT_TRUE(png.LoadFromFile(path.c_str()));
  EXPECT_EQ(Bgra(0, 0, 9, 200), BitmapPixels(png)[0]);
  DeleteFileA(path.c_str());
  EXPECT_FALSE(png.LoadFromFile(path.c_str()));
  EXPECT_EQ(nullptr, png.GetSafeHandle());
}

}  // namespace
