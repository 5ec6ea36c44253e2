// Both drawing back ends through the drawing context: fills, borders,
// gradients, ellipses, polygons, paths, text and clipping, checked at chosen
// pixels of DIB sections (GDI+ anti-aliases edges, so only inner pixels and
// clear outside pixels are asserted).
#include <gtest/gtest.h>

#include <stdlib.h>

#include <memory>
#include <vector>

#include "SupportMarkup.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKImageManagerIconHandle.h"
#include "TKMarkupBrush.h"
#include "TKMarkupDedicatedDC.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupFont.h"
#include "TKMarkupGdiPlusApi.h"
#include "TKMarkupGdiPlusDeviceContext.h"
#include "TKMarkupPoint.h"
#include "markup/TKMarkupPrimitiveSheet.h"
#include "TKMarkupThickness.h"
#include "testsupport/DibSurface.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

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
  if (!UsesGdiPlus()) {
    EXPECT_PIXEL(surface, 5, 9, kBlue);
  }  // row 9 is evaluated at y = 10
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
  EXPECT_TRUE(ColorsNear(surface.GetPixel(10, 0), kBlue) ||
              ColorsNear(surface.GetPixel(10, 1), kBlue));
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
    if (!UsesGdiPlus()) {
      EXPECT_EQ(hSaved, reinterpret_cast<HRGN>(-1));
    }
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

// 8 x 8 icons. Their handles are copied into the icon, which the caller
// releases (InternalRelease).
CTKImageManagerIcon* IconOf(CTKImageManagerIconHandle& handle) {
  CTKImageManagerIcon* pIcon =
      new CTKImageManagerIcon(1, 8, 8, static_cast<CTKImageManagerIconSet*>(nullptr));
  pIcon->SetNormalImage(handle);
  return pIcon;
}

// An opaque alpha bitmap: blue top rows over red bottom rows.
CTKImageManagerIcon* MakeAlphaIcon() {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = 8;
  info.bmiHeader.biHeight = 8;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  DWORD* pBits = nullptr;
  HBITMAP hBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS,
                                     reinterpret_cast<void**>(&pBits), nullptr, 0);
  for (int i = 0; i < 64; ++i) pBits[i] = i < 32 ? 0xFFFF0000 : 0xFF0000FF;  // bottom-up: red first
  CTKImageManagerIconHandle handle;
  handle.SetBitmap(hBitmap);
  return IconOf(handle);
}

// A 32-bit colour icon whose alpha bytes are all 0, so its mask decides:
// blue top rows over red bottom rows, the right half masked out (and black
// there, so that GDI leaves the background as it is).
CTKImageManagerIcon* MakeMaskedIcon() {
  DWORD colors[64];
  for (int i = 0; i < 64; ++i) colors[i] = i % 8 >= 4 ? 0 : i < 32 ? 0x0000FF : 0xFF0000;
  const WORD mask[8] = {0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F};
  ICONINFO info = {TRUE, 0, 0, CreateBitmap(8, 8, 1, 1, mask), CreateBitmap(8, 8, 1, 32, colors)};
  CTKImageManagerIconHandle handle;
  handle.SetIcon(CreateIconIndirect(&info));
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  return IconOf(handle);
}

// A monochrome icon (no colour bitmap): black on the left, the right half
// masked out.
CTKImageManagerIcon* MakeMonochromeIcon() {
  const WORD andMask[8] = {0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F};
  const WORD xorMask[8] = {};
  CTKImageManagerIconHandle handle;
  handle.SetIcon(CreateIcon(nullptr, 8, 8, 1, 1, reinterpret_cast<const BYTE*>(andMask),
                            reinterpret_cast<const BYTE*>(xorMask)));
  return IconOf(handle);
}

struct IconCase {
  const char* name;
  CTKImageManagerIcon* (*pfnMake)();
  COLORREF topLeft, bottomLeft, topRight, bottomRight;  // at icon pixels (1|6, 1|6)
};

const COLORREF kGreen = RGB(0, 255, 0);
const IconCase kIconCases[] = {
    {"alpha bitmap", MakeAlphaIcon, kBlue, kRed, kBlue, kRed},
    {"colour icon with mask", MakeMaskedIcon, kBlue, kRed, kGreen, kGreen},
    {"monochrome icon", MakeMonochromeIcon, RGB(0, 0, 0), RGB(0, 0, 0), kGreen, kGreen},
};

void ExpectIconAt(const CDibSurface& surface, int x, int y, const IconCase& c) {
  SCOPED_TRACE(c.name);
  EXPECT_PIXEL(surface, x + 1, y + 1, c.topLeft);
  EXPECT_PIXEL(surface, x + 1, y + 6, c.bottomLeft);
  EXPECT_PIXEL(surface, x + 6, y + 1, c.topRight);
  EXPECT_PIXEL(surface, x + 6, y + 6, c.bottomRight);
  EXPECT_PIXEL(surface, x + 12, y + 12, kGreen);  // nothing beyond the icon
}

// Icons come out upright, with their mask as transparency when they have no
// alpha channel.
TEST_P(BackEndTest, IconsAreDrawn) {
  for (const IconCase& c : kIconCases) {
    CTKImageManagerIcon* pIcon = c.pfnMake();
    CDibSurface surface(20, 20, kGreen);
    {
      CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
      dc.DrawIconImage(pIcon, RECT{2, 2, 10, 10});
    }
    pIcon->InternalRelease();
    ExpectIconAt(surface, 2, 2, c);
  }
}

// The bitmap an icon becomes owns its pixels: it still draws after the icon
// and every copy of its image are gone (their DIB memory is unmapped then).
TEST(GdiPlusDeviceContext, AnIconBitmapOutlivesTheIcon) {
  RegisterTestElements();
  CTestContext context;
  for (const IconCase& c : kIconCases) {
    CDibSurface surface(20, 20, kGreen);
    Gdiplus::GpGraphics* pGraphics =
        CreateGdiPlusGraphicsForDC(surface.GetSafeHdc(), surface.GetSafeHdc());
    ASSERT_NE(pGraphics, nullptr);
    {
      CTKMarkupGdiPlusDeviceContext dc(pGraphics, FALSE);
      CTKImageManagerIcon* pIcon = c.pfnMake();
      Gdiplus::GpBitmap* pBitmap = dc.IconToBitmap(pIcon);
      pIcon->InternalRelease();
      ASSERT_NE(pBitmap, nullptr) << c.name;
      UINT nWidth = 0;
      EXPECT_EQ(TKMarkupGdiPlusApi()->GdipGetImageWidth(pBitmap, &nWidth), Gdiplus::Ok);
      EXPECT_EQ(nWidth, 8u);
      TKMarkupGdiPlusApi()->GdipDrawImageRect(pGraphics, pBitmap, 2, 2, 8, 8);
      TKMarkupGdiPlusApi()->GdipDisposeImage(pBitmap);
    }
    ExpectIconAt(surface, 2, 2, c);
  }
}

TEST_P(BackEndTest, PrimitiveSheetForTheGallery) {
  const RECT rcImages = MarkupPrimitiveSheetCellRect(7);
  const RECT rcClip = MarkupPrimitiveSheetCellRect(9);
  ASSERT_STREQ(MarkupPrimitiveSheetCellName(7), "images");
  ASSERT_STREQ(MarkupPrimitiveSheetCellName(9), "clipping");
  CDibSurface surface(kMarkupSheetColumns * kMarkupSheetPitch, 2 * kMarkupSheetPitch);
  DrawMarkupPrimitiveSheet(m_context, surface.GetSafeHdc(), 0, 0, GetParam());
  EXPECT_PIXEL(surface, 12, 12, RGB(220, 40, 40));   // rectangles
  EXPECT_PIXEL(surface, 112, 32, RGB(220, 40, 40));  // inside the rounded border
  // The alpha icon's opaque middle, the masked icon's frame and its clear inside.
  EXPECT_PIXEL(surface, rcImages.left + 7, rcImages.top + 4, RGB(0xF0, 0x80, 0x20));
  EXPECT_PIXEL(surface, rcImages.left + 1, rcImages.bottom - 15, RGB(0, 0xA0, 0x40));
  EXPECT_PIXEL(surface, rcImages.left + 4, rcImages.bottom - 14, kWhite);
  // The disc shows inside the clip only.
  EXPECT_PIXEL(surface, rcClip.left + 2, rcClip.top + 24, kWhite);
  EXPECT_GT(GetBValue(surface.GetPixel(rcClip.left + 24, rcClip.top + 24)), 150);
  EXPECT_EQ(m_context->IsGdiPlusEnabled() != FALSE, GetParam() != 0);
}

// Controls draw themed parts with GDI on the dedicated DC; what they draw
// lands at their rectangle, also where the origin was moved.
TEST_P(BackEndTest, ADedicatedDcPutsGdiDrawingAtItsRectangle) {
  CDibSurface surface(40, 40);
  {
    CTKMarkupDrawingContext dc(m_context, surface.GetSafeHdc());
    CTKMarkupDeviceContext* pDevice = dc.GetDeviceContext();
    pDevice->OffsetViewport(POINT{10, 10});
    const RECT rc = {2, 4, 12, 10};
    std::unique_ptr<CTKMarkupDedicatedDC> dedicated(pDevice->CreateDedicatedDC(rc));
    ASSERT_NE(dedicated, nullptr);
    const POINT ptOffset = dedicated->GetOriginOffset();
    EXPECT_EQ(ptOffset.x, UsesGdiPlus() ? -2 : 0);
    EXPECT_EQ(ptOffset.y, UsesGdiPlus() ? -4 : 0);
    HDC hDC = dedicated->GetDC();
    ASSERT_NE(hDC, nullptr);
    EXPECT_EQ(dedicated->GetDC(), hDC);  // fetched once
    RECT rcPart = rc;
    OffsetRect(&rcPart, ptOffset.x, ptOffset.y);
    HBRUSH hRed = ::CreateSolidBrush(kRed);
    ::FillRect(hDC, &rcPart, hRed);
    ::DeleteObject(hRed);
    dedicated->Commit();
    dedicated->Commit();  // a second commit does nothing
  }
  // The part, moved by the origin, and nothing around it.
  EXPECT_PIXEL(surface, 12, 14, kRed);
  EXPECT_PIXEL(surface, 21, 19, kRed);
  EXPECT_PIXEL(surface, 11, 14, kWhite);
  EXPECT_PIXEL(surface, 22, 19, kWhite);
  EXPECT_PIXEL(surface, 12, 13, kWhite);
  EXPECT_PIXEL(surface, 12, 20, kWhite);
  EXPECT_EQ(surface.CountPixels(kRed), 10 * 6);
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

// The centres of the inked column runs of a surface, left to right.
std::vector<int> InkCentres(const CDibSurface& surface) {
  std::vector<int> centres;
  int nRunStart = -1;
  for (int x = 0; x <= surface.GetWidth(); ++x) {
    const bool bInk =
        x < surface.GetWidth() &&
        surface.CountPixels(RECT{x, 0, x + 1, surface.GetHeight()}, kWhite) < surface.GetHeight();
    if (bInk && nRunStart < 0) nRunStart = x;
    if (!bInk && nRunStart >= 0) {
      centres.push_back((nRunStart + x - 1) / 2);
      nRunStart = -1;
    }
  }
  return centres;
}

// Text measured on one DC and drawn on another (print preview): each glyph
// sits centred in the cell the measuring DC gives it, whatever the output
// font's own widths, and a blank's cell is kept as space between the glyphs.
TEST(DrawingContext, TextOnASeparateAttributeDcFollowsItsMeasure) {
  RegisterTestElements();
  CTestContext context;
  context->SetGdiPlusEnabled(FALSE);
  LOGFONTA logFont = context->GetDefaultFont();
  logFont.lfHeight = -16;
  CTKMarkupAutoPtr<CTKMarkupFont> font(context->GetFont(logFont));
  logFont.lfHeight = -48;
  HFONT hWide = CreateFontIndirectA(&logFont);
  struct Case {
    UINT nAlign;
    int x;
  };
  const Case cases[] = {{TA_LEFT, 10}, {TA_CENTER, 150}, {TA_RIGHT, 290}};
  for (const Case& c : cases) {
    CDibSurface surface(300, 30), measure(10, 10);
    SetTextAlign(surface.GetSafeHdc(), c.nAlign);
    SetTextAlign(measure.GetSafeHdc(), c.nAlign);
    INT nCell = 0, nBlank = 0;
    {
      CTKMarkupDrawingContext dc(context, surface.GetSafeHdc(), measure.GetSafeHdc());
      ASSERT_FALSE(dc.IsGdiPlus());
      CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> blue(Solid(kBlue));
      dc.SetFont(font);
      dc.SetTextColor(blue);
      SelectObject(measure.GetSafeHdc(), hWide);  // the measuring DC's cells are wider
      GetCharWidthA(measure.GetSafeHdc(), 'I', 'I', &nCell);
      SIZE run = {};
      GetTextExtentPoint32W(measure.GetSafeHdc(), L"I ", 2, &run);
      nBlank = run.cx - nCell;
      dc.DrawString(L"II I", 4, RECT{c.x, 2, c.x + 100, 28});
    }
    const int nTotal = 3 * nCell + nBlank;
    const int nStart = c.nAlign == TA_LEFT     ? c.x
                       : c.nAlign == TA_CENTER ? c.x - nTotal / 2
                                               : c.x - nTotal;
    const int expected[] = {nStart + nCell / 2, nStart + nCell + nCell / 2,
                            nStart + 2 * nCell + nBlank + nCell / 2};
    const std::vector<int> centres = InkCentres(surface);
    ASSERT_EQ(centres.size(), 3u) << "alignment " << c.nAlign;
    for (int i = 0; i < 3; ++i)
      EXPECT_NEAR(centres[i], expected[i], 2) << "glyph " << i << ", alignment " << c.nAlign;
  }
  DeleteObject(hWide);
}

TEST(DrawingContext, MeasuringContextOwnsItsDc) {
  RegisterTestElements();
  CTestContext context;
  CTKMarkupDrawingContext dc(context);
  EXPECT_NE(dc.GetDC(), nullptr);
}

}  // namespace
