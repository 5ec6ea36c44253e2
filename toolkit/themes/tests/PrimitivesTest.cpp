// The drawing primitives of the paint manager base, pixel by pixel.
#include <gtest/gtest.h>
#include <math.h>

#include "SupportThemePaintManager.h"
#include "testsupport/DibSurface.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kNone = static_cast<COLORREF>(-1);

struct BorderCase {
  COLORREF clrBorder;
  COLORREF clrFill;
  COLORREF clrEdge;    // expected on the frame
  COLORREF clrInside;  // expected inside
};

class FillRectWithBorderTest : public ::testing::TestWithParam<BorderCase> {};

TEST_P(FillRectWithBorderTest, MinusOneAndEqualColoursDrawNoPart) {
  const BorderCase& c = GetParam();
  CDibSurface surface(12, 12, kWhite);
  CTestThemePaintManager pm;
  pm.FillRectWithBorder(surface.GetDC(), CRect(2, 2, 10, 10), c.clrBorder, c.clrFill);
  EXPECT_EQ(surface.GetPixel(2, 2), c.clrEdge);
  EXPECT_EQ(surface.GetPixel(9, 9), c.clrEdge);
  EXPECT_EQ(surface.GetPixel(5, 5), c.clrInside);
  EXPECT_EQ(surface.GetPixel(1, 1), kWhite);
  EXPECT_EQ(surface.GetPixel(10, 10), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Colours, FillRectWithBorderTest,
                         ::testing::Values(BorderCase{kRed, kBlue, kRed, kBlue},
                                           BorderCase{kBlue, kBlue, kBlue, kBlue},
                                           BorderCase{kRed, kNone, kRed, kWhite},
                                           BorderCase{kNone, kBlue, kBlue, kBlue},
                                           BorderCase{kNone, kNone, kWhite, kWhite}));

TEST(PrimitivesTest, IndexedFillsTakeSlotsAndLiteralColours) {
  CDibSurface surface(12, 12, kWhite);
  CTestThemePaintManager pm;
  const int arrIndexes[] = {16};
  const COLORREF arrColors[] = {RGB(0, 128, 0)};
  pm.SetIndexedColors(1, arrIndexes, arrColors);
  pm.FillRectIndexed(surface.GetDC(), CRect(0, 0, 8, 8), 16, -1);
  EXPECT_EQ(surface.GetPixel(0, 0), RGB(0, 128, 0));
  EXPECT_EQ(surface.GetPixel(4, 4), kWhite);
  pm.FillRectIndexed(surface.GetDC(), CRect(0, 0, 8, 8), -1, static_cast<int>(RGB(1, 200, 1)));
  EXPECT_EQ(surface.GetPixel(0, 0), RGB(1, 200, 1));
}

TEST(PrimitivesTest, FramesNestInwardThenTheOuterOne) {
  CDibSurface surface(12, 12, kWhite);
  CTestThemePaintManager pm;
  pm.DrawFrames(surface.GetDC(), CRect(0, 0, 12, 12), 3, kRed, kBlue);
  EXPECT_EQ(surface.GetPixel(0, 5), kRed);
  EXPECT_EQ(surface.GetPixel(1, 5), kBlue);
  EXPECT_EQ(surface.GetPixel(2, 5), kBlue);
  EXPECT_EQ(surface.GetPixel(3, 5), kWhite);
}

struct LineCase {
  int x0, y0, x1, y1;
  int nPixels;     // of the colour on the surface
  CPoint ptOn;     // a pixel that is drawn
  CPoint ptOff;    // the excluded end
};

class DrawLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(DrawLineTest, StraightLinesExcludeTheirEnd) {
  const LineCase& c = GetParam();
  CDibSurface surface(12, 12, kWhite);
  CTestThemePaintManager pm;
  pm.DrawLine(surface.GetDC(), c.x0, c.y0, c.x1, c.y1, kRed);
  EXPECT_EQ(surface.CountPixels(kRed), c.nPixels);
  EXPECT_EQ(surface.GetPixel(c.ptOn.x, c.ptOn.y), kRed);
  EXPECT_EQ(surface.GetPixel(c.ptOff.x, c.ptOff.y), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Lines, DrawLineTest,
                         ::testing::Values(LineCase{5, 1, 5, 9, 8, CPoint(5, 8), CPoint(5, 9)},
                                           LineCase{2, 3, 7, 3, 5, CPoint(2, 3), CPoint(7, 3)},
                                           LineCase{1, 1, 4, 4, 3, CPoint(3, 3), CPoint(4, 4)}));

TEST(PrimitivesTest, TheTriangleIsFilledInItsColour) {
  CDibSurface surface(12, 12, kWhite);
  CTestThemePaintManager pm;
  pm.DrawTriangle(surface.GetDC(), nullptr, CPoint(1, 1), CPoint(9, 1), CPoint(5, 5), kBlue);
  EXPECT_EQ(surface.GetPixel(5, 2), kBlue);
  EXPECT_EQ(surface.GetPixel(1, 8), kWhite);
}

TEST(PrimitivesTest, ANegativeBlendMixesTheTwoColoursWhateverIsUnder) {
  CDibSurface surface(4, 4, kRed);
  CTestThemePaintManager pm;
  pm.BlendPixelColor(surface.GetDC(), 1, 1, RGB(0, 0, 0), kWhite, -0.5);
  EXPECT_EQ(surface.GetPixel(1, 1), RGB(127, 127, 127));
  pm.BlendPixelColor(surface.GetDC(), 2, 2, RGB(0, 0, 0), kWhite, 0.5);
  EXPECT_EQ(surface.GetPixel(2, 2), RGB(127, 0, 0));
}

TEST(PrimitivesTest, TheAntialiasedDiscStaysInsideItsRing) {
  CDibSurface surface(16, 16, kWhite);
  CTestThemePaintManager pm;
  pm.FillCircleAntialiased(surface.GetDC(), 0, 0, 13, 13, kRed, kBlue);
  EXPECT_EQ(surface.GetPixel(6, 6), kBlue);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (sqrt((x - 6.0) * (x - 6.0) + (y - 6.0) * (y - 6.0)) > 6.75) {
        EXPECT_EQ(surface.GetPixel(x, y), kWhite) << x << "," << y;
      }
    }
  }
}

TEST(PrimitivesTest, TheDiscNeedsASquareBox) {
  CDibSurface surface(16, 16, kWhite);
  CTestThemePaintManager pm;
  pm.FillCircleAntialiased(surface.GetDC(), 0, 0, 13, 12, kRed, kBlue);
  EXPECT_EQ(surface.CountPixels(kWhite), 16 * 16);
}

TEST(PrimitivesTest, OpaqueFillsSetTheAlphaByte) {
  CDibSurface surface(8, 8, kWhite);
  CTestThemePaintManager pm;
  pm.FillSolidRectOpaque(surface.GetDC(), CRect(2, 2, 6, 6), kRed);
  DIBSECTION dib = {};
  ASSERT_NE(::GetObject(surface.GetBitmap()->GetSafeHandle(), sizeof(dib), &dib), 0);
  ::GdiFlush();
  const BYTE* pRow = static_cast<const BYTE*>(dib.dsBm.bmBits) + 3 * dib.dsBm.bmWidthBytes;
  const BYTE* pPixel = pRow + 3 * 4;
  EXPECT_EQ(pPixel[0], 0);
  EXPECT_EQ(pPixel[1], 0);
  EXPECT_EQ(pPixel[2], 255);
  EXPECT_EQ(pPixel[3], 255);
  EXPECT_EQ(surface.GetPixel(1, 1), kWhite);

  // A pixel drawn by GDI keeps alpha 0 until made opaque.
  surface.GetDC()->FillSolidRect(0, 0, 2, 2, kBlue);
  ::GdiFlush();
  EXPECT_EQ(static_cast<const BYTE*>(dib.dsBm.bmBits)[3], 0);
  pm.MakeRectOpaque(surface.GetDC(), CRect(0, 0, 2, 2));
  ::GdiFlush();
  const BYTE* pFirst = static_cast<const BYTE*>(dib.dsBm.bmBits);
  EXPECT_EQ(pFirst[0], 255);
  EXPECT_EQ(pFirst[3], 255);
  EXPECT_EQ(surface.GetPixel(0, 0), kBlue);
}

}  // namespace
