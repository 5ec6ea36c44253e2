// The theme image: source slices, the nine-part draw and its margins, the
// transparent variants and alpha, checked in the pixels of memory DCs.
#include "common/TKResourceImage.h"

#include <gtest/gtest.h>

#include <functional>

#include "testsupport/DibSurface.h"
#include "common/TKResourceImages.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMagenta = RGB(255, 0, 255);

/// A pixel as the image stores it: blue, green, red, alpha.
DWORD Pixel(COLORREF c, BYTE alpha = 0) {
  return ((DWORD)alpha << 24) | ((DWORD)GetRValue(c) << 16) | ((DWORD)GetGValue(c) << 8) |
         GetBValue(c);
}

/// An image of width x height whose pixel (x, y) from the top is paint(x, y).
void MakeImage(CTKResourceImage& image, int width, int height,
               const std::function<DWORD(int, int)>& paint, BOOL bAlpha = FALSE) {
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = -height;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  void* pBits = NULL;
  HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
  ASSERT_TRUE(hBitmap != NULL);
  DWORD* p = static_cast<DWORD*>(pBits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p[y * width + x] = paint(x, y);
  image.SetBitmap(hBitmap, bAlpha);
}

/// The colours down column x of the surface, from the top, as one letter each.
std::string Column(const CDibSurface& surface, int x, int top, int bottom) {
  std::string s;
  for (int y = top; y < bottom; ++y) {
    COLORREF c = surface.GetPixel(x, y);
    s += c == kRed ? 'r' : c == kBlue ? 'b' : c == kGreen ? 'g' : c == kWhite ? 'w' : '?';
  }
  return s;
}

std::string Row(const CDibSurface& surface, int y, int left, int right) {
  std::string s;
  for (int x = left; x < right; ++x) {
    COLORREF c = surface.GetPixel(x, y);
    s += c == kRed ? 'r' : c == kBlue ? 'b' : c == kGreen ? 'g' : c == kWhite ? 'w' : '?';
  }
  return s;
}

class TKResourceImageDraw : public ::testing::Test {
 protected:
  CTKResourceImages m_owner;
};

TEST_F(TKResourceImageDraw, SourceRectanglesAreEqualSlices) {
  CTKResourceImage image(&m_owner);
  EXPECT_EQ(CRect(0, 0, 0, 0), image.GetSourceRect(0, 2));
  MakeImage(image, 16, 60, [](int, int) { return Pixel(kRed); });
  EXPECT_EQ(CSize(16, 60), image.GetExtent());
  EXPECT_EQ(CRect(0, 30, 16, 45), image.GetSourceRect(2, 4));
  EXPECT_EQ(CRect(0, 0, 16, 60), image.GetSourceRect(0, 1));
  EXPECT_EQ(CRect(0, 40, 16, 60), image.GetSourceRect(2, 3));
}

TEST_F(TKResourceImageDraw, DrawsTheSliceItIsGiven) {
  // Four bands of 15 rows: red, green, blue, white.
  CTKResourceImage image(&m_owner);
  const COLORREF bands[] = {kRed, kGreen, kBlue, kWhite};
  MakeImage(image, 16, 60, [&](int, int y) { return Pixel(bands[y / 15]); });
  CDibSurface surface(40, 40, RGB(0, 0, 0));
  image.DrawImage(surface.GetDC(), CRect(0, 0, 16, 15), image.GetSourceRect(2, 4),
                  CRect(2, 2, 2, 2));
  EXPECT_EQ(16 * 15, surface.CountPixels(CRect(0, 0, 16, 15), kBlue));
  // Stretched without margins: the band fills the whole destination.
  image.StretchImage(surface.GetDC(), CRect(20, 0, 40, 40), image.GetSourceRect(1, 4));
  EXPECT_EQ(20 * 40, surface.CountPixels(CRect(20, 0, 40, 40), kGreen));
}

TEST_F(TKResourceImageDraw, CornersKeptEdgesAndCentreStretched) {
  // 6 x 6: a 2-pixel red frame around a green centre.
  CTKResourceImage image(&m_owner);
  MakeImage(image, 6, 6, [](int x, int y) {
    return Pixel((x < 2 || y < 2 || x >= 4 || y >= 4) ? kRed : kGreen);
  });
  CDibSurface surface(30, 30, kWhite);
  image.DrawImage(surface.GetDC(), CRect(5, 5, 25, 25), CRect(0, 0, 6, 6), CRect(2, 2, 2, 2));
  EXPECT_EQ("wrrggggggggggggggggrrw", Row(surface, 15, 4, 26));
  EXPECT_EQ("wrrggggggggggggggggrrw", Column(surface, 15, 4, 26));
  EXPECT_EQ("wrrrrrrrrrrrrrrrrrrrrw", Row(surface, 5, 4, 26));
}

TEST_F(TKResourceImageDraw, LowDestinationsShareTheirHeightBetweenTheMargins) {
  // 4 x 12: the top 6 rows red, the bottom 6 blue. Into 10 rows the top
  // margin gets MulDiv(10, 6, 12) = 5 rows and the bottom 10 - 5 = 5 rows,
  // grown to 6 to keep the parity of its source margin.
  CTKResourceImage image(&m_owner);
  MakeImage(image, 4, 12, [](int, int y) { return Pixel(y < 6 ? kRed : kBlue); });
  CDibSurface surface(4, 12, kWhite);
  image.DrawImage(surface.GetDC(), CRect(0, 1, 4, 11), CRect(0, 0, 4, 12), CRect(0, 6, 0, 6));
  EXPECT_EQ("wrrrrbbbbbbw", Column(surface, 1, 0, 12));
}

TEST_F(TKResourceImageDraw, NarrowDestinationsShareTheirWidthBetweenTheMargins) {
  // 10 x 2: the left 4 columns red, the right 6 blue; into 9 columns the left
  // margin gets 9 * 4 / 10 = 3 and the right 6.
  CTKResourceImage image(&m_owner);
  MakeImage(image, 10, 2, [](int x, int) { return Pixel(x < 4 ? kRed : kBlue); });
  CDibSurface surface(11, 2, kWhite);
  image.DrawImage(surface.GetDC(), CRect(1, 0, 10, 2), CRect(0, 0, 10, 2), CRect(4, 0, 6, 0));
  EXPECT_EQ("wrrrbbbbbbw", Row(surface, 0, 0, 11));
}

TEST_F(TKResourceImageDraw, ASourceLowerThanItsMarginsDrawsNothing) {
  CTKResourceImage image(&m_owner);
  MakeImage(image, 4, 5, [](int, int) { return Pixel(kRed); });
  CDibSurface surface(10, 10, kWhite);
  image.DrawImage(surface.GetDC(), CRect(0, 0, 10, 10), CRect(0, 0, 4, 5), CRect(0, 3, 0, 3));
  EXPECT_EQ(100, surface.CountPixels(kWhite));
  // An empty image and an empty destination draw nothing either.
  CTKResourceImage empty(&m_owner);
  empty.DrawImage(surface.GetDC(), CRect(0, 0, 10, 10), CRect(0, 0, 4, 5));
  image.DrawImage(surface.GetDC(), CRect(5, 5, 5, 10), CRect(0, 0, 4, 5));
  EXPECT_EQ(100, surface.CountPixels(kWhite));
}

TEST_F(TKResourceImageDraw, MagentaStaysTransparent) {
  // 8 x 8: a red square in the middle of magenta.
  CTKResourceImage image(&m_owner);
  MakeImage(image, 8, 8, [](int x, int y) {
    return Pixel((x >= 2 && x < 6 && y >= 2 && y < 6) ? kRed : kMagenta);
  });
  for (DWORD dwFlags : {0ul, 1ul}) {
    CDibSurface surface(8, 8, kGreen);
    image.DrawImageTransparentEx(surface.GetDC(), CRect(0, 0, 8, 8), CRect(0, 0, 8, 8),
                                 CRect(0, 0, 0, 0), kMagenta, dwFlags);
    EXPECT_EQ(16, surface.CountPixels(kRed)) << dwFlags;
    EXPECT_EQ(48, surface.CountPixels(kGreen)) << dwFlags;
  }
  // -1 draws the image as it is.
  CDibSurface surface(8, 8, kGreen);
  image.DrawImageTransparent(surface.GetDC(), CRect(0, 0, 8, 8), CRect(0, 0, 8, 8),
                             CRect(0, 0, 0, 0), (COLORREF)-1);
  EXPECT_EQ(48, surface.CountPixels(kMagenta));
}

TEST_F(TKResourceImageDraw, AlphaImagesBlendTheirPremultipliedPixels) {
  // Columns: transparent, opaque red, red at alpha 128.
  CTKResourceImage image(&m_owner);
  MakeImage(
      image, 3, 1,
      [](int x, int) {
        return x == 0 ? Pixel(kRed, 0) : x == 1 ? Pixel(kRed, 255) : Pixel(kRed, 128);
      },
      TRUE);
  ASSERT_TRUE(image.IsAlphaImage());
  image.PremultiplyBits();
  EXPECT_TRUE(image.IsPremultiplied());
  const DWORD* pBits = reinterpret_cast<const DWORD*>(image.GetBits());
  EXPECT_EQ(Pixel(RGB(128, 0, 0), 128), pBits[2]);
  EXPECT_EQ(0u, pBits[0]);
  image.PremultiplyBits();  // the second time changes nothing
  EXPECT_EQ(Pixel(RGB(128, 0, 0), 128), pBits[2]);

  CDibSurface surface(3, 1, kBlue);
  image.DrawImage(surface.GetDC(), CRect(0, 0, 3, 1), CRect(0, 0, 3, 1));
  EXPECT_EQ(kBlue, surface.GetPixel(0, 0));
  EXPECT_EQ(kRed, surface.GetPixel(1, 0));
  COLORREF mixed = surface.GetPixel(2, 0);
  EXPECT_NEAR(128, GetRValue(mixed), 1);
  EXPECT_NEAR(127, GetBValue(mixed), 1);
}

TEST_F(TKResourceImageDraw, MirroringReversesEveryRow) {
  CTKResourceImage image(&m_owner);
  MakeImage(image, 3, 2, [](int x, int y) { return Pixel(RGB(x, y, 0)); });
  image.MirrorBits();
  EXPECT_TRUE(image.IsMirrored());
  CDibSurface surface(3, 2, kWhite);
  image.DrawImage(surface.GetDC(), CRect(0, 0, 3, 2), CRect(0, 0, 3, 2));
  EXPECT_EQ(RGB(2, 0, 0), surface.GetPixel(0, 0));
  EXPECT_EQ(RGB(0, 1, 0), surface.GetPixel(2, 1));
  image.MirrorBits();
  EXPECT_FALSE(image.IsMirrored());
}

TEST_F(TKResourceImageDraw, AlphaImagesFollowARightToLeftDC) {
  // A left half red and a right half blue, both opaque, mirrored for a
  // right-to-left DC only when the image asks for it.
  CTKResourceImage image(&m_owner);
  MakeImage(
      image, 4, 1, [](int x, int) { return Pixel(x < 2 ? kRed : kBlue, 255); }, TRUE);
  CDibSurface surface(4, 1, kWhite);
  ::SetLayout(surface.GetSafeHdc(), LAYOUT_RTL);
  image.DrawImage(surface.GetDC(), CRect(0, 0, 4, 1), CRect(0, 0, 4, 1));
  EXPECT_FALSE(image.IsMirrored());
  image.SetMirrorImage(TRUE);
  image.DrawImage(surface.GetDC(), CRect(0, 0, 4, 1), CRect(0, 0, 4, 1));
  EXPECT_TRUE(image.IsMirrored());
  ::SetLayout(surface.GetSafeHdc(), 0);
  image.DrawImage(surface.GetDC(), CRect(0, 0, 4, 1), CRect(0, 0, 4, 1));
  EXPECT_FALSE(image.IsMirrored());
  EXPECT_EQ(kRed, surface.GetPixel(0, 0));
}

}  // namespace
