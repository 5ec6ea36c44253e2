// The readable drawing surface: pixels come back as the COLORREF drawn, at
// the place drawn, and counting stays inside the surface.
#include "testsupport/DibSurface.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kOdd = RGB(1, 2, 3);  // tells red from blue
const COLORREF kGreen = RGB(0, 200, 0);

TEST(DibSurfaceTest, StartsInTheBackgroundColour) {
  CDibSurface plain(5, 4), tinted(3, 3, kOdd);
  EXPECT_EQ(5, plain.GetWidth());
  EXPECT_EQ(4, plain.GetHeight());
  EXPECT_EQ(20, plain.CountPixels(kWhite));
  EXPECT_EQ(9, tinted.CountPixels(kOdd));
  EXPECT_EQ(plain.GetSafeHdc(), plain.GetDC()->GetSafeHdc());
  EXPECT_EQ(plain.GetBitmap(), plain.GetDC()->GetCurrentBitmap());
}

TEST(DibSurfaceTest, ReadsWhatGdiDrewWhereItDrewIt) {
  CDibSurface surface(16, 8);
  surface.GetDC()->FillSolidRect(CRect(2, 1, 5, 3), kOdd);  // 3 x 2, no flush in between
  ::SetPixel(surface.GetSafeHdc(), 15, 7, kGreen);          // the last row is the bottom one

  EXPECT_EQ(kOdd, surface.GetPixel(2, 1));
  EXPECT_EQ(kOdd, surface.GetPixel(4, 2));
  EXPECT_EQ(kWhite, surface.GetPixel(5, 2));
  EXPECT_EQ(kWhite, surface.GetPixel(2, 3));
  EXPECT_EQ(kGreen, surface.GetPixel(15, 7));
  EXPECT_EQ(::GetPixel(surface.GetSafeHdc(), 3, 2), surface.GetPixel(3, 2));
  EXPECT_EQ(6, surface.CountPixels(kOdd));
  EXPECT_EQ(6, surface.CountPixels(CRect(2, 1, 5, 3), kOdd));
  EXPECT_EQ(2, surface.CountPixels(CRect(4, 0, 9, 8), kOdd));
}

TEST(DibSurfaceTest, OutsideTheSurfaceNothingIsRead) {
  CDibSurface surface(4, 3, kOdd);
  const POINT outside[] = {{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {100, 100}};
  for (const POINT& p : outside) EXPECT_EQ(CLR_INVALID, surface.GetPixel(p.x, p.y));
  EXPECT_EQ(12, surface.CountPixels(CRect(-10, -10, 10, 10), kOdd));
  EXPECT_EQ(0, surface.CountPixels(CRect(5, 0, 8, 3), kOdd));
  surface.Fill(kGreen);
  EXPECT_EQ(12, surface.CountPixels(kGreen));
}

}  // namespace
