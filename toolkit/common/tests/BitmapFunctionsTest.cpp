// Bitmap and icon functions: alpha detection and premultiplication, copies,
// mirrors and strips, icon sizes, loading with the alpha flag, and the blits
// with their fallbacks.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "common/TKBitmapFunctions.h"
#include "common/TKDrawHelpers.h"
#include "common/TKImageManager.h"

#include "testsupport/DibSurface.h"
#include "testsupport/TempFolder.h"

#include "SupportBitmaps.h"
#include "SupportIcons.h"
#include "SupportImages.h"
#include "SupportResourceModule.h"

using TestImages::Bgra;

namespace {

HBITMAP Row(const std::vector<uint32_t>& pixels) {
  return MakeBitmap32((int)pixels.size(), 1, [&](int x, int) { return pixels[x]; });
}

TEST(BitmapFunctions, PremultiplyDecidesWhetherTheAlphaChannelIsUsed) {
  const uint32_t clear = Bgra(200, 100, 50, 0), half = Bgra(200, 200, 200, 128),
                 opaque = Bgra(10, 20, 30, 255);
  const struct {
    const char* what;
    std::vector<uint32_t> pixels;
    BOOL start;
    BOOL used;
  } cases[] = {
      {"every alpha 0", {clear, clear}, 0, FALSE},
      {"a half-transparent pixel", {opaque, half}, 0, TRUE},
      {"only opaque pixels", {opaque, opaque}, 0, FALSE},
      {"only opaque pixels, any non-zero alpha asked", {opaque, opaque}, -1, TRUE},
      {"every alpha 0, any non-zero alpha asked", {clear, clear}, -1, FALSE},
      {"clear, then opaque", {clear, opaque}, 0, TRUE},
      {"opaque, then clear", {opaque, clear}, 0, TRUE},
  };
  for (const auto& c : cases) {
    HBITMAP source = Row(c.pixels);
    BOOL used = c.start;
    LPBYTE bits = NULL;
    HBITMAP copy = PremultiplyBitmap32(source, &used, &bits);
    ASSERT_NE(nullptr, copy) << c.what;
    EXPECT_EQ(c.used, used) << c.what;
    std::vector<uint32_t> expected = c.pixels;
    if (c.used) {
      for (uint32_t& p : expected) {
        const uint32_t a = p >> 24;
        p = Bgra((p & 255) * a / 255, ((p >> 8) & 255) * a / 255, ((p >> 16) & 255) * a / 255, a);
      }
    }
    EXPECT_EQ(expected, BitmapPixels(copy)) << c.what;
    EXPECT_EQ(expected[0], *reinterpret_cast<uint32_t*>(bits)) << c.what;
    EXPECT_EQ(c.pixels, BitmapPixels(source)) << c.what;  // the source is never changed
    DeleteObject(copy);
    DeleteObject(source);
  }
  // Without the variable the copy is always premultiplied: 200 at alpha 128 becomes 100.
  HBITMAP source = Row({half, clear});
  HBITMAP copy = PremultiplyBitmap32(source);
  EXPECT_EQ((std::vector<uint32_t>{Bgra(100, 100, 100, 128), 0}), BitmapPixels(copy));
  DeleteObject(copy);
  DeleteObject(source);
}

TEST(BitmapFunctions, CopyMirrorAndSplitKeepEveryPixelInPlace) {
  auto pixel = [](int x, int y) { return Bgra(x * 20, y * 50, 9, 100 + x); };
  HBITMAP strip = MakeBitmap32(6, 2, pixel);

  LPBYTE bits = NULL;
  HBITMAP copy = CopyAlphaBitmap(strip, &bits);
  EXPECT_EQ(BitmapPixels(strip), BitmapPixels(copy));
  ASSERT_NE(nullptr, bits);
  EXPECT_EQ(pixel(0, 1), *reinterpret_cast<uint32_t*>(bits));  // bottom-up
  DeleteObject(copy);

  HBITMAP mirror = MirrorBitmap32(strip);
  std::vector<uint32_t> mirrored = BitmapPixels(mirror);
  ASSERT_EQ(12u, mirrored.size());
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(pixel(5 - x, y), mirrored[y * 6 + x]);
  DeleteObject(mirror);

  HBITMAP parts[3] = {};
  ASSERT_TRUE(SplitBitmapStrip(strip, 3, parts));
  for (int i = 0; i < 3; ++i) {
    BITMAP bitmap;
    GetObject(parts[i], sizeof bitmap, &bitmap);
    EXPECT_EQ(2, bitmap.bmWidth);
    EXPECT_EQ(2, bitmap.bmHeight);
    std::vector<uint32_t> pixels = BitmapPixels(parts[i]);
    EXPECT_EQ((std::vector<uint32_t>{pixel(2 * i, 0), pixel(2 * i + 1, 0), pixel(2 * i, 1),
                                     pixel(2 * i + 1, 1)}),
              pixels);
    DeleteObject(parts[i]);
  }
  EXPECT_FALSE(SplitBitmapStrip(strip, 7, parts));
  EXPECT_FALSE(SplitBitmapStrip(strip, 0, parts));
  DeleteObject(strip);
}

TEST(BitmapFunctions, OnlyThirtyTwoBitBitmapsAreRead) {
  HDC hScreen = GetDC(NULL);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 4;
  info.bmiHeader.biHeight = 4;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* pvBits = NULL;
  HBITMAP rgb = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pvBits, NULL, 0);
  PBITMAPINFO pInfo = reinterpret_cast<PBITMAPINFO>(1);
  LPBYTE pBits = reinterpret_cast<LPBYTE>(1);
  UINT size = 5;
  EXPECT_FALSE(GetBitmapBits32(NULL, rgb, &pInfo, &pBits, &size));
  EXPECT_EQ(nullptr, pInfo);
  EXPECT_EQ(nullptr, pBits);
  EXPECT_EQ(0u, size);
  EXPECT_EQ(nullptr, CopyAlphaBitmap(rgb));
  EXPECT_EQ(nullptr, PremultiplyBitmap32(NULL));
  DeleteObject(rgb);
  ReleaseDC(NULL, hScreen);

  HBITMAP top = MakeBitmap32(3, 2, [](int x, int y) { return Bgra(x, y, 0, 0); });
  ASSERT_TRUE(GetBitmapBits32(NULL, top, &pInfo, &pBits, &size));
  EXPECT_EQ(24u, size);
  EXPECT_EQ(3, pInfo->bmiHeader.biWidth);
  EXPECT_EQ(2, pInfo->bmiHeader.biHeight);
  EXPECT_EQ(Bgra(0, 1, 0, 0), *reinterpret_cast<uint32_t*>(pBits));
  free(pInfo);
  free(pBits);
  DeleteObject(top);
}

TEST(BitmapFunctions, IconSizesAndResizing) {
  auto blue = [](int, int) { return Bgra(255, 0, 0, 0); };
  auto none = [](int, int) { return false; };
  HICON icon = MakeTestIcon(16, 16, 24, blue, none);
  ASSERT_NE(nullptr, icon);
  EXPECT_EQ(CSize(16, 16), GetIconSize(icon));

  HICON larger = ResizeIcon(icon, 16, 16, 24);
  ASSERT_NE(nullptr, larger);
  EXPECT_EQ(CSize(24, 24), GetIconSize(larger));
  HICON same = ResizeIcon(icon, 16, 16, 16);
  ASSERT_NE(nullptr, same);
  EXPECT_NE(icon, same);
  EXPECT_EQ(CSize(16, 16), GetIconSize(same));
  EXPECT_EQ(nullptr, ResizeIcon(icon, 16, 16, 0));
  EXPECT_EQ(nullptr, ResizeIcon(icon, 0, 0, 24));
  DestroyIcon(larger);
  DestroyIcon(same);
  DestroyIcon(icon);

  // A monochrome icon keeps both its images in one mask twice as high.
  BYTE andBits[2 * 32] = {}, xorBits[2 * 32] = {};
  HICON mono = CreateIcon(NULL, 16, 32, 1, 1, andBits, xorBits);
  ASSERT_NE(nullptr, mono);
  EXPECT_EQ(CSize(16, 32), GetIconSize(mono));
  DestroyIcon(mono);
  EXPECT_EQ(CSize(0, 0), GetIconSize(NULL));
}

TEST(BitmapFunctions, AlphaIconsAreToldFromPlainOnes) {
  auto none = [](int, int) { return false; };
  HICON alpha = MakeTestIcon(
      16, 16, 32, [](int x, int) { return Bgra(0, 0, 200, x < 8 ? 255 : 60); }, none);
  HICON plain = MakeTestIcon(
      16, 16, 32, [](int, int) { return Bgra(0, 0, 200, 0); }, none);
  HICON rgb = MakeTestIcon(
      16, 16, 24, [](int, int) { return Bgra(0, 0, 200, 0); }, none);
  EXPECT_TRUE(IsAlphaIcon(alpha));
  EXPECT_FALSE(IsAlphaIcon(plain));
  EXPECT_FALSE(IsAlphaIcon(rgb));
  EXPECT_FALSE(IsAlphaIcon(NULL));
  DestroyIcon(alpha);
  DestroyIcon(plain);
  DestroyIcon(rgb);
}

// Resources for the loading tests: a PNG, 32- and 24-bit bitmaps, and bitmaps
// whose headers do not describe their data.
class BitmapLoading : public ::testing::Test {
 protected:
  static uint32_t Pixel(int x, int y) { return Bgra(x * 30, y * 40, 77, 128 + x); }

  void SetUp() override {
    m_module.Add("PNG", "LOGO", TestImages::MakeRgbaPng(4, 3, Pixel));
    m_module.Add("PNG", "TINY", TestImages::MakeRgbaPng(4, 3, Pixel).substr(0, 9));
    m_module.Add(RT_BITMAP, "ALPHA", TestImages::MakeDib32(4, 3, Pixel));
    m_module.Add(RT_BITMAP, "PLAIN", TestImages::MakeDib24(4, 3, Pixel));
    std::string shortDib = TestImages::MakeDib32(4, 3, Pixel);
    m_module.Add(RT_BITMAP, "SHORT", shortDib.substr(0, shortDib.size() - 4));
    std::string wide = TestImages::MakeDib32(4, 3, Pixel);
    wide[4] = 100;  // biWidth 100: far more pixels than the resource holds
    m_module.Add(RT_BITMAP, "WIDE", wide);
    ASSERT_NE(nullptr, m_module.Load());
  }

  CTestResourceModule m_module;
};

TEST_F(BitmapLoading, ResourcesAreTestedAndLoadedWithTheirAlpha) {
  HMODULE hModule = m_module.GetHandle();
  EXPECT_TRUE(IsPngResource(hModule, "LOGO"));
  EXPECT_FALSE(IsPngResource(hModule, "ALPHA"));
  EXPECT_TRUE(IsAlphaBitmapResource(hModule, "ALPHA"));
  EXPECT_FALSE(IsAlphaBitmapResource(hModule, "PLAIN"));
  EXPECT_FALSE(IsAlphaBitmapResource(hModule, "LOGO"));

  std::vector<uint32_t> expected;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) expected.push_back(Pixel(x, y));
  HBITMAP alpha = LoadAlphaBitmapResource(hModule, "ALPHA");
  EXPECT_EQ(expected, BitmapPixels(alpha));
  DeleteObject(alpha);
  EXPECT_EQ(nullptr, LoadAlphaBitmapResource(hModule, "PLAIN"));
  EXPECT_EQ(nullptr, LoadAlphaBitmapResource(hModule, "SHORT"));
  EXPECT_EQ(nullptr, LoadAlphaBitmapResource(hModule, "WIDE"));

  const struct {
    const char* name;
    bool loads;
    BOOL alpha;
  } cases[] = {{"LOGO", true, TRUE},   {"ALPHA", true, TRUE},  {"PLAIN", true, FALSE},
               {"TINY", false, FALSE}, {"SHORT", false, TRUE}, {"MISSING", false, FALSE}};
  for (const auto& c : cases) {
    BOOL bAlpha = 7;
    HBITMAP bitmap = LoadBitmapOrPngFromModule(hModule, c.name, &bAlpha);
    EXPECT_EQ(c.loads, bitmap != NULL) << c.name;
    EXPECT_EQ(c.alpha, bAlpha) << c.name;
    if (bitmap != NULL) {
      std::vector<uint32_t> pixels = BitmapPixels(bitmap);
      ASSERT_EQ(12u, pixels.size()) << c.name;
      EXPECT_EQ(c.alpha ? Pixel(3, 2) : (Pixel(3, 2) & 0xFFFFFF),
                pixels[11] & (c.alpha ? ~0u : 0xFFFFFF))
          << c.name;
      DeleteObject(bitmap);
    }
  }
}

TEST_F(BitmapLoading, TheResourceChainFindsTheModule) {
  HINSTANCE hOld = AfxGetResourceHandle();
  AfxSetResourceHandle(m_module.GetHandle());
  BOOL bAlpha = FALSE;
  HBITMAP png = LoadBitmapOrPngResource("LOGO", &bAlpha);
  EXPECT_NE(nullptr, png);
  EXPECT_TRUE(bAlpha);
  HBITMAP plain = LoadBitmapOrPngResource("PLAIN", &bAlpha);
  EXPECT_NE(nullptr, plain);
  EXPECT_FALSE(bAlpha);
  AfxSetResourceHandle(hOld);
  DeleteObject(png);
  DeleteObject(plain);
}

TEST(BitmapFiles, PngBitmapAndOtherPictureFilesLoad) {
  auto pixel = [](int x, int y) { return Bgra(x * 30, y * 40, 77, 128 + x); };
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFile("image.png", TestImages::MakeRgbaPng(4, 3, pixel)));
  ASSERT_TRUE(
      folder.MakeFile("alpha.bmp", TestImages::MakeBmpFile(TestImages::MakeDib32(4, 3, pixel))));
  ASSERT_TRUE(
      folder.MakeFile("plain.bmp", TestImages::MakeBmpFile(TestImages::MakeDib24(4, 3, pixel))));
  ASSERT_TRUE(folder.MakeFile(
      "image.ico", TestImages::MakeIcoFile({TestImages::MakeIconImage(
                       16, 16, 24, [](int x, int) { return x < 8 ? Bgra(0, 0, 255, 0) : 0; },
                       [](int x, int) { return x >= 8; })})));
  ASSERT_TRUE(folder.MakeFile("junk.bmp", "neither a bitmap nor a picture"));
  const std::string png = folder.PathOf("image.png"), alpha = folder.PathOf("alpha.bmp"),
                    plain = folder.PathOf("plain.bmp"), icon = folder.PathOf("image.ico"),
                    junk = folder.PathOf("junk.bmp");

  EXPECT_TRUE(IsPngFile(png.c_str()));
  EXPECT_FALSE(IsPngFile(alpha.c_str()));
  EXPECT_TRUE(IsAlphaBitmapFile(alpha.c_str()));
  EXPECT_FALSE(IsAlphaBitmapFile(plain.c_str()));
  EXPECT_FALSE(IsAlphaBitmapFile(junk.c_str()));

  BOOL bAlpha = FALSE;
  HBITMAP bitmap = LoadBitmapFromFile(png.c_str(), &bAlpha);
  EXPECT_TRUE(bAlpha);
  EXPECT_EQ(pixel(1, 2), BitmapPixels(bitmap)[9]);
  DeleteObject(bitmap);
  bitmap = LoadBitmapFromFile(alpha.c_str(), &bAlpha);
  EXPECT_TRUE(bAlpha);
  EXPECT_EQ(pixel(1, 2), BitmapPixels(bitmap)[9]);
  DeleteObject(bitmap);
  bitmap = LoadBitmapFromFile(plain.c_str(), &bAlpha);
  EXPECT_FALSE(bAlpha);
  EXPECT_EQ(pixel(1, 2) & 0xFFFFFF, BitmapPixels(bitmap)[9] & 0xFFFFFF);
  DeleteObject(bitmap);

  // Other pictures go through OLE and are rendered on the button face colour.
  CoInitialize(NULL);
  bitmap = LoadBitmapFromFile(icon.c_str(), &bAlpha);
  ASSERT_NE(nullptr, bitmap);
  EXPECT_FALSE(bAlpha);
  std::vector<uint32_t> pixels = BitmapPixels(bitmap);
  ASSERT_EQ(256u, pixels.size());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(Bgra(0, 0, 255, 0), pixels[0] & 0xFFFFFF);
  EXPECT_EQ(Bgra(GetBValue(face), GetGValue(face), GetRValue(face), 0), pixels[15] & 0xFFFFFF);
  EXPECT_EQ(nullptr, LoadBitmapFromFile(junk.c_str(), &bAlpha));
  CoUninitialize();
}

// Premultiplied source pixels: opaque red, half green, clear.
const uint32_t kBlendSource[3] = {Bgra(0, 0, 255, 255), Bgra(0, 64, 0, 128), 0};

HBITMAP BlendSource() { return Row(std::vector<uint32_t>(kBlendSource, kBlendSource + 3)); }

// What blending the source onto `background` must give, channel by channel.
COLORREF ExpectedBlend(uint32_t source, COLORREF background) {
  const int keep = 255 - (int)(source >> 24);
  auto channel = [&](int back, int shift) {
    return back * keep / 255 + (int)((source >> shift) & 255);
  };
  return RGB(channel(GetRValue(background), 16), channel(GetGValue(background), 8),
             channel(GetBValue(background), 0));
}

bool Near(COLORREF a, COLORREF b) {
  return abs(GetRValue(a) - GetRValue(b)) <= 1 && abs(GetGValue(a) - GetGValue(b)) <= 1 &&
         abs(GetBValue(a) - GetBValue(b)) <= 1;
}

// A memory DC holding a bitmap of the caller's for the length of a test.
class CSourceDC {
 public:
  explicit CSourceDC(HBITMAP hBitmap)
      : m_hDC(CreateCompatibleDC(NULL)), m_hOld(SelectObject(m_hDC, hBitmap)) {}
  ~CSourceDC() {
    SelectObject(m_hDC, m_hOld);
    DeleteDC(m_hDC);
  }
  operator HDC() const { return m_hDC; }

 private:
  HDC m_hDC;
  HGDIOBJ m_hOld;
};

TEST(Blits, AlphaBlendAndItsFallbackBlendPremultipliedPixels) {
  const COLORREF background = RGB(50, 100, 200);
  HBITMAP source = BlendSource();
  {
    CSourceDC from(source);
    for (bool fallback : {false, true}) {
      CDibSurface surface(5, 2, background);
      CRect dest(1, 1, 4, 2), src(0, 0, 3, 1);
      ASSERT_TRUE(fallback ? AlphaBlendFallback(surface.GetSafeHdc(), dest, from, src)
                           : CTKImageManager::AlphaBlend(surface.GetSafeHdc(), dest, from, src));
      for (int x = 0; x < 3; ++x) {
        const COLORREF expected = ExpectedBlend(kBlendSource[x], background);
        // msimg32 may round where the fallback truncates.
        if (fallback)
          EXPECT_EQ(expected, surface.GetPixel(x + 1, 1)) << x;
        else
          EXPECT_TRUE(Near(expected, surface.GetPixel(x + 1, 1))) << x;
      }
      // Only the opaque and the half-transparent pixel change the surface.
      EXPECT_EQ(8, surface.CountPixels(background));
    }
  }
  DeleteObject(source);
}

TEST(Blits, WithoutMsimg32TheBlitsUseTheirFallbacks) {
  CTKDrawHelpers* pHelpers = TKDrawHelpers();
  const CTKDrawHelpers::PFNALPHABLEND pfnAlphaBlend = pHelpers->m_pfnAlphaBlend;
  const CTKDrawHelpers::PFNTRANSPARENTBLT pfnTransparentBlt = pHelpers->m_pfnTransparentBlt;
  pHelpers->m_pfnAlphaBlend = nullptr;
  pHelpers->m_pfnTransparentBlt = nullptr;

  const COLORREF background = RGB(50, 100, 200);
  HBITMAP source = BlendSource();
  {
    CSourceDC from(source);
    CDibSurface surface(3, 1, background);
    ASSERT_TRUE(CTKImageManager::AlphaBlend(surface.GetSafeHdc(), CRect(0, 0, 3, 1), from,
                                            CRect(0, 0, 3, 1)));
    // Truncated exactly as the fallback blends (msimg32 rounds the half pixel up).
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(ExpectedBlend(kBlendSource[x], background), surface.GetPixel(x, 0)) << x;

    CDibSurface keyed(2, 1, RGB(255, 0, 255));
    ::SetPixel(keyed.GetSafeHdc(), 1, 0, RGB(1, 2, 3));
    CDibSurface target(2, 1, background);
    ASSERT_TRUE(CTKImageManager::TransparentBlt(target.GetSafeHdc(), CRect(0, 0, 2, 1),
                                                keyed.GetSafeHdc(), CRect(0, 0, 2, 1),
                                                RGB(255, 0, 255)));
    EXPECT_EQ(background, target.GetPixel(0, 0));
    EXPECT_EQ(RGB(1, 2, 3), target.GetPixel(1, 0));
  }
  DeleteObject(source);
  pHelpers->m_pfnAlphaBlend = pfnAlphaBlend;
  pHelpers->m_pfnTransparentBlt = pfnTransparentBlt;
}

TEST(Blits, AlphaBlendPixelsNeedsOneFormatAndReadsRightToLeftRowsFromTheRight) {
  HBITMAP source = BlendSource();
  HBITMAP dest = Row({Bgra(10, 10, 10, 0), Bgra(20, 20, 20, 0), Bgra(30, 30, 30, 0)});
  HBITMAP result = Row({0, 0, 0});
  HBITMAP wrong = Row({0, 0});
  EXPECT_FALSE(AlphaBlendPixels(source, FALSE, dest, FALSE, wrong));
  ASSERT_TRUE(AlphaBlendPixels(source, TRUE, dest, FALSE, result));
  // The source row is read backwards: the clear pixel first.
  std::vector<uint32_t> pixels = BitmapPixels(result);
  EXPECT_EQ(Bgra(10, 10, 10, 0), pixels[0]);
  EXPECT_EQ(Bgra(20 * 127 / 255, 64 + 20 * 127 / 255, 20 * 127 / 255, 128), pixels[1]);
  EXPECT_EQ(Bgra(0, 0, 255, 255), pixels[2]);
  for (HBITMAP b : {source, dest, result, wrong}) DeleteObject(b);
}

TEST(Blits, TransparentBltLeavesKeyColouredPixelsOut) {
  const COLORREF grey = RGB(128, 128, 128);
  for (COLORREF key : {RGB(255, 0, 255), RGB(0, 0, 0)}) {
    CDibSurface from(2, 2);
    const COLORREF source[2][2] = {{key, RGB(0, 200, 0)}, {RGB(255, 255, 255), key}};
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 2; ++x) ::SetPixel(from.GetSafeHdc(), x, y, source[y][x]);
    for (int way = 0; way < 3; ++way) {
      // 0: msimg32, 1: the fallback, 2: the fallback stretched to twice the size.
      const int scale = way == 2 ? 2 : 1;
      CDibSurface surface(4, 4, grey);
      CRect dest(0, 0, 2 * scale, 2 * scale), src(0, 0, 2, 2);
      ASSERT_TRUE(way == 0 ? CTKImageManager::TransparentBlt(surface.GetSafeHdc(), dest,
                                                             from.GetSafeHdc(), src, key)
                           : TransparentBltFallback(surface.GetSafeHdc(), dest, from.GetSafeHdc(),
                                                    src, key));
      for (int y = 0; y < 2 * scale; ++y) {
        for (int x = 0; x < 2 * scale; ++x) {
          const COLORREF pixel = source[y / scale][x / scale];
          EXPECT_EQ(pixel == key ? grey : pixel, surface.GetPixel(x, y))
              << "key " << key << " way " << way << " at " << x << "," << y;
        }
      }
      EXPECT_EQ(grey, surface.GetPixel(3, 3));
    }
  }
}

TEST(Blits, IconsDrawThroughAnAlphaBlendAndMirror) {
  const COLORREF white = RGB(255, 255, 255);
  // Transparent pixels are black in the colour image, as icons keep them.
  HICON icon = MakeTestIcon(
      4, 2, 24, [](int x, int y) { return x == 3 ? 0 : Bgra(x * 60, y * 100, 10, 0); },
      [](int x, int) { return x == 3; });
  for (bool mirrored : {false, true}) {
    CDibSurface surface(8, 2, white);
    if (mirrored)
      DrawIconWithAlpha(surface.GetDC(), 6, 0, -4, 2, icon);  // the rectangle 2..6, mirrored
    else
      DrawIconWithAlpha(surface.GetDC(), 2, 0, 4, 2, icon);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 4; ++x) {
        const int column = mirrored ? 3 - x : x;
        const COLORREF want = column == 3 ? white : RGB(10, y * 100, column * 60);
        EXPECT_EQ(want, surface.GetPixel(2 + x, y))
            << (mirrored ? "mirrored " : "") << x << "," << y;
      }
      EXPECT_EQ(white, surface.GetPixel(1, y));
      EXPECT_EQ(white, surface.GetPixel(6, y));
    }
  }
  DestroyIcon(icon);
}

TEST(Blits, AlphaBlendBitmapTakesTheDestinationSizeForAnEmptySource) {
  HBITMAP bitmap = MakeBitmap32(
      4, 1, [](int x, int) { return x < 2 ? Bgra(0, 0, 0, 0) : Bgra(0, 0, 200, 255); });
  CDibSurface surface(4, 1, RGB(50, 50, 50));
  AlphaBlendBitmap(surface.GetDC(), bitmap, 0, 0, 2, 1, 2, 0);
  EXPECT_EQ(RGB(200, 0, 0), surface.GetPixel(0, 0));
  EXPECT_EQ(RGB(200, 0, 0), surface.GetPixel(1, 0));
  EXPECT_EQ(RGB(50, 50, 50), surface.GetPixel(2, 0));
  DeleteObject(bitmap);
}

}  // namespace
