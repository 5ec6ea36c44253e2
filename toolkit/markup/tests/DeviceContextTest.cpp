// Both drawing back ends through the drawing context: fills, borders,
// gradients, ellipses, polygons, paths, text and clipping, checked at chosen
// pixels of DIB sections (GDI+ anti-aliases edges, so only inner pixels and
// clear outside pixels are asserted).
#include <gtest/gtest.h>

#include <stdlib.h>

#include "SupportMarkup.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKImageManagerIconHandle.h"
#include "markup/TKMarkupBrush.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupFont.h"
#include "markup/TKMarkupGdiPlusApi.h"
#include "markup/TKMarkupPoint.h"
#include "markup/TKMarkupPrimitiveSheet.h"
#include "markup/TKMarkupThickness.h"
#include "testsupport/DibSurface.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

bool Near(COLORREF a, COLORREF b, int nTolerance = 8) {
  return abs(GetRValue(a) - GetRValue(b)) <= nTolerance &&
         abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
         abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

#define EXPECT_PIXEL(surface, x, y, color)                                                    \
  EXPECT_TRUE(Near((surface).GetPixel(x, y), color))                                          \
      << "pixel (" << (x) << ", " << (y) << ") is 0x" << std::hex << (surface).GetPixel(x, y) \
      << ", expected 0x" << (color) << std::dec

// Each test runs once per back end.
class BackEndTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    RegisterTestElements();
    m_context->SetGdiPlusEnabled(GetParam());
  }
  bool UsesGdiPlus() const { return GetParam(); }

  CTestContext m_context;
};

CTKMarkupSolidColorBrush* Solid(COLORREF clr, BYTE nAlpha = 0xFF) {
  return new CTKMarkupSolidColorBrush(nAlpha, clr);
}

TEST_P(BackEndTest, ChoosesTheBackEnd) {
  CDibSurface surface(20, 20);
  CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
  EXPECT_EQ(dc.IsGdiPlus() != FALSE, UsesGdiPlus());
  RECT expected = {0, 0, 20, 20};
  RECT visible;
  // GDI+ reports its unlimited clip as a huge box that holds the surface.
  EXPECT_TRUE(IntersectRect(&visible, &dc.GetClipBox(), &expected));
  EXPECT_TRUE(EqualRect(&visible, &expected));
}

TEST_P(BackEndTest, FillsAndBorders) {
  CDibSurface surface(40, 40);
  {
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> red(Solid(kRed));
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> blue(Solid(kBlue));
    CTKMarkupAutoPtr<CTKMarkupThickness> thickness(new CTKMarkupThickness(2, 3, 4, 5));
    dc.FillRectangle(RECT{2, 2, 10, 10}, red);
    dc.DrawFrame(RECT{20, 20, 40, 40}, blue, thickness);
    dc.DrawFrame(RECT{20, 0, 30, 10}, blue, nullptr);  // no thickness: nothing
    dc.FillSolidRect(RECT{12, 2, 14, 4}, RGB(0, 255, 0));
  }
  EXPECT_PIXEL(surface, 2, 2, kRed);
  EXPECT_PIXEL(surface, 9, 9, kRed);
  EXPECT_PIXEL(surface, 10, 10, kWhite);
  EXPECT_PIXEL(surface, 13, 3, RGB(0, 255, 0));
  EXPECT_PIXEL(surface, 21, 30, kBlue);  // left band, 2 wide
  EXPECT_PIXEL(surface, 22, 30, kWhite);
  EXPECT_PIXEL(surface, 36, 30, kBlue);  // right band, 4 wide
  EXPECT_PIXEL(surface, 35, 30, kWhite);
  EXPECT_PIXEL(surface, 30, 22, kBlue);  // top band, 3 high
  EXPECT_PIXEL(surface, 30, 23, kWhite);
  EXPECT_PIXEL(surface, 30, 35, kBlue);  // bottom band, 5 high
  EXPECT_PIXEL(surface, 30, 34, kWhite);
  EXPECT_PIXEL(surface, 25, 5, kWhite);
}

TEST_P(BackEndTest, VerticalGradientRunsFromFirstToLastStop) {
  CDibSurface surface(20, 20);
  {
    CTKMarkupAutoPtr<CTKMarkupLinearGradientBrush> gradient(new CTKMarkupLinearGradientBrush);
    gradient->SetValue(CTKMarkupLinearGradientBrush::EndPointProperty, new CTKMarkupPoint(0, 1));
    for (auto stop : {std::make_pair(1.0, 0xFFFF0000u), std::make_pair(0.0, 0xFF0000FFu)}) {
      CTKMarkupGradientStop* pStop = new CTKMarkupGradientStop;
      pStop->SetValue(CTKMarkupGradientStop::OffsetProperty, new CTKMarkupDouble(stop.first));
      pStop->SetValue(CTKMarkupGradientStop::ColorProperty, new CTKMarkupColor(0xFF, stop.second));
      gradient->GetGradientStops()->Add(pStop);
    }
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    dc.FillRectangle(RECT{0, 0, 10, 10}, gradient);
  }
  // Stops out of order are sorted: red at the top, blue at the bottom.
  COLORREF top = surface.GetPixel(5, 0), bottom = surface.GetPixel(5, 9);
  EXPECT_GT(GetRValue(top), 200);
  EXPECT_LT(GetBValue(top), 60);
  EXPECT_GT(GetBValue(bottom), 200);
  EXPECT_LT(GetRValue(bottom), 60);
  EXPECT_EQ(surface.GetPixel(0, 4), surface.GetPixel(9, 4));  // one colour per row
  EXPECT_PIXEL(surface, 15, 5, kWhite);
  if (!UsesGdiPlus()) EXPECT_PIXEL(surface, 5, 9, kBlue);  // row 9 is evaluated at y = 10
}

TEST_P(BackEndTest, EllipsesPolygonsAndPolylines) {
  CDibSurface surface(60, 30);
  {
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> red(Solid(kRed));
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> blue(Solid(kBlue));
    MARKUP_STROKE stroke = {2, blue, nullptr, 0, 0, 0};
    dc.DrawEllipse(RECT{0, 0, 20, 20}, &stroke, red);
    const POINT triangle[] = {{20, 0}, {40, 0}, {20, 20}};
    dc.DrawPolygon(triangle, 3, nullptr, red);
    const POINT line[] = {{42, 5}, {58, 5}, {58, 25}};
    dc.DrawPolyline(line, 3, &stroke);
    MARKUP_STROKE none = {0, blue, nullptr, 0, 0, 0};
    dc.DrawLine(42, 20, 50, 20, &none);  // thickness 0: nothing
  }
  EXPECT_PIXEL(surface, 10, 10, kRed);
  EXPECT_PIXEL(surface, 1, 1, kWhite);  // outside the ellipse
  // Its outline: GDI centres the pen on the box edge, GDI+ insets the box.
  EXPECT_TRUE(Near(surface.GetPixel(10, 0), kBlue) || Near(surface.GetPixel(10, 1), kBlue));
  EXPECT_PIXEL(surface, 23, 3, kRed);
  EXPECT_PIXEL(surface, 38, 18, kWhite);
  EXPECT_PIXEL(surface, 50, 5, kBlue);
  EXPECT_PIXEL(surface, 58, 15, kBlue);
  EXPECT_PIXEL(surface, 50, 15, kWhite);
  EXPECT_PIXEL(surface, 46, 20, kWhite);
}

TEST_P(BackEndTest, PathsAndRoundedRectangles) {
  CDibSurface surface(60, 30);
  {
    CTKMarkupBuilder builder(m_context);
    CTKMarkupPathDataParser parser;
    parser.Parse(&builder, L"M2 2 L 18 2 L 18 18 L 2 18 Z", 28);
    CTKMarkupAutoPtr<CTKMarkupPathData> square(parser.GetPathData());
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> red(Solid(kRed));
    dc.DrawPath(square, nullptr, red);
    const double radii[8] = {6, 6, 6, 6, 6, 6, 6, 6};
    dc.FillRectangle(RECT{22, 2, 42, 22}, red, radii);
  }
  EXPECT_PIXEL(surface, 10, 10, kRed);
  EXPECT_PIXEL(surface, 19, 10, kWhite);
  EXPECT_PIXEL(surface, 32, 12, kRed);
  EXPECT_PIXEL(surface, 32, 3, kRed);
  EXPECT_PIXEL(surface, 22, 2, kWhite);  // the rounded corner is cut off
}

TEST_P(BackEndTest, APathReadsOnlyItsOwnPoints) {
  // A curve cut short: the last two points of a cubic are missing. The walk
  // must stop at the count instead of reading the missing points.
  const MARKUP_POINTF points[] = {{2, 2}, {18, 2}, {18, 18}, {10, 10}};
  const BYTE types[] = {0, 1, 1, 3};
  CTKMarkupAutoPtr<CTKMarkupPathData> path(new CTKMarkupPathData(points, types, 4));
  CDibSurface surface(20, 20);
  {
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> blue(Solid(kBlue));
    MARKUP_STROKE stroke = {1, blue, nullptr, 0, 0, 0};
    dc.DrawPath(path, &stroke, nullptr);
  }
  EXPECT_PIXEL(surface, 10, 2, kBlue);
}

TEST_P(BackEndTest, SavedClipIsRestored) {
  CDibSurface surface(20, 20);
  {
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> red(Solid(kRed));
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> blue(Solid(kBlue));
    HRGN hSaved = dc.SaveClipRegion();
    if (!UsesGdiPlus()) EXPECT_EQ(hSaved, reinterpret_cast<HRGN>(-1));
    dc.IntersectClipRect(RECT{0, 0, 10, 10});
    RECT expected = {0, 0, 10, 10};
    EXPECT_TRUE(EqualRect(&dc.GetClipBox(), &expected));
    dc.FillRectangle(RECT{0, 0, 20, 20}, red);
    dc.RestoreClipRegion(hSaved);
    EXPECT_GE(dc.GetClipBox().right, 20);
    dc.FillRectangle(RECT{15, 15, 20, 20}, blue);
  }
  EXPECT_PIXEL(surface, 5, 5, kRed);
  EXPECT_PIXEL(surface, 12, 12, kWhite);
  EXPECT_PIXEL(surface, 17, 17, kBlue);
}

TEST_P(BackEndTest, TextInTheSelectedFontAndColour) {
  CDibSurface surface(80, 30);
  LOGFONTA logFont = m_context->GetDefaultFont();
  logFont.lfHeight = -16;
  CTKMarkupAutoPtr<CTKMarkupFont> font(m_context->GetFont(logFont));
  HGDIOBJ hOriginal = GetCurrentObject(surface.GetSafeHdc(), OBJ_FONT);
  SIZE extent = {};
  {
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> blue(Solid(kBlue));
    dc.SetFont(font);
    dc.SetFont(font);
    EXPECT_EQ(dc.GetFont(), font.Get());
    dc.SetTextColor(blue);
    extent = dc.GetTextExtent(L"WWW ", 4);
    dc.DrawString(L"WWW ", 4, RECT{2, 2, 78, 28});
  }
  EXPECT_GT(extent.cx, 20);
  EXPECT_GT(extent.cy, 10);
  EXPECT_GT(surface.CountPixels(kWhite), 0);
  EXPECT_LT(surface.CountPixels(RECT{0, 0, 80, 30}, kWhite), 80 * 30 - 20);  // text was drawn
  EXPECT_EQ(surface.CountPixels(RECT{0, 0, 80, 30}, RGB(0, 0, 0)), 0);       // in blue, not black
  EXPECT_EQ(GetCurrentObject(surface.GetSafeHdc(), OBJ_FONT), hOriginal);
}

TEST_P(BackEndTest, TranslucentBordersAreEvenAtTheCorners) {
  if (!UsesGdiPlus()) GTEST_SKIP() << "GDI draws opaque colours";
  CDibSurface surface(40, 40);
  {
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> halfRed(Solid(kRed, 0x80));
    CTKMarkupAutoPtr<CTKMarkupThickness> thickness(new CTKMarkupThickness(10));
    dc.DrawFrame(RECT{0, 0, 40, 40}, halfRed, thickness);
  }
  EXPECT_PIXEL(surface, 20, 5, RGB(255, 127, 127));
  EXPECT_EQ(surface.GetPixel(5, 5), surface.GetPixel(20, 5));
  EXPECT_PIXEL(surface, 20, 20, kWhite);
}

// An opaque red 8 x 8 alpha bitmap icon: drawn through GDI+ from a bitmap
// that owns its pixels, so the picture survives the handle copy it came from.
TEST_P(BackEndTest, AlphaIconsAreDrawn) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = 8;
  info.bmiHeader.biHeight = 8;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  DWORD* pBits = nullptr;
  HBITMAP hBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS,
                                     reinterpret_cast<void**>(&pBits), nullptr, 0);
  ASSERT_NE(hBitmap, nullptr);
  for (int i = 0; i < 64; ++i) pBits[i] = i < 32 ? 0xFFFF0000 : 0xFF0000FF;  // bottom rows red
  CTKImageManagerIconHandle handle;
  handle.SetBitmap(hBitmap);
  CTKImageManagerIcon* pIcon =
      new CTKImageManagerIcon(1, 8, 8, static_cast<CTKImageManagerIconSet*>(nullptr));
  pIcon->SetNormalImage(handle);
  ASSERT_TRUE(pIcon->GetNormalImage().IsAlpha());
  CDibSurface surface(20, 20);
  {
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    dc.DrawIconImage(pIcon, RECT{2, 2, 10, 10});
  }
  EXPECT_PIXEL(surface, 5, 3, kBlue);  // top rows
  EXPECT_PIXEL(surface, 5, 8, kRed);   // bottom rows: not drawn upside down
  EXPECT_PIXEL(surface, 15, 15, kWhite);
  pIcon->InternalRelease();
}

TEST_P(BackEndTest, PrimitiveSheetForTheGallery) {
  CDibSurface surface(200, 100);
  DrawMarkupPrimitiveSheet(m_context, surface.GetSafeHdc(), RECT{0, 0, 200, 100}, GetParam());
  EXPECT_PIXEL(surface, 25, 25, RGB(220, 40, 40));
  EXPECT_PIXEL(surface, 120, 75, RGB(40, 60, 200));
  EXPECT_PIXEL(surface, 70, 25, kWhite);  // inside the border
  EXPECT_TRUE(m_context->IsGdiPlusEnabled() != FALSE == GetParam());
}

INSTANTIATE_TEST_SUITE_P(GdiAndGdiPlus, BackEndTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "GdiPlus" : "Gdi";
                         });

TEST(DrawingContext, ARightToLeftDcUsesGdi) {
  RegisterTestElements();
  CTestContext context;
  CDibSurface surface(20, 20);
  SetLayout(surface.GetSafeHdc(), LAYOUT_RTL);
  CTKMarkupDrawingContext dc(context, surface.GetSafeHdc());
  EXPECT_FALSE(dc.IsGdiPlus());
}

TEST(DrawingContext, AMissingGdiPlusFallsBackToGdi) {
  RegisterTestElements();
  CTKMarkupGdiPlusApi::SetLibraryName("VelmoranNoSuchGdiPlus.dll");
  {
    CTestContext context;
    CDibSurface surface(20, 20);
    {
      CTKMarkupDrawingContext dc(context, surface.GetSafeHdc());
      EXPECT_FALSE(dc.IsGdiPlus());
      CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> red(Solid(kRed));
      dc.FillRectangle(RECT{0, 0, 5, 5}, red);
    }
    EXPECT_PIXEL(surface, 2, 2, kRed);
  }
  CTKMarkupGdiPlusApi::SetLibraryName(nullptr);
}

TEST(DrawingContext, MeasuringContextOwnsItsDc) {
  RegisterTestElements();
  CTestContext context;
  CTKMarkupDrawingContext dc(context);
  EXPECT_NE(dc.GetDC(), nullptr);
}

}  // namespace
