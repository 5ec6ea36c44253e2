// Drawing through CDC and the GDI object wrappers into a 32-bit DIB section,
// read back pixel by pixel; object selection and the handle maps.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

#include <string>

#include "testsupport/DibSurface.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);

/// The side of the square surfaces the tests draw on, cleared to white.
const int kSize = 32;

std::string Hex(COLORREF cr) {
  char buf[16];
  wsprintfA(buf, "%06lX", static_cast<unsigned long>(cr));
  return buf;
}

TEST(DCTest, FillSolidRectFillsExactlyTheRectAndKeepsTheBackgroundColour) {
  CDibSurface canvas(kSize, kSize);
  canvas.GetDC()->FillSolidRect(CRect(4, 5, 10, 8), kRed);

  EXPECT_EQ(canvas.CountPixels(CRect(4, 5, 10, 8), kRed), 18);
  EXPECT_EQ(canvas.CountPixels(kRed), 18);
  // Callers drawing opaque text next rely on this.
  EXPECT_EQ(canvas.GetDC()->GetBkColor(), kRed);
}

TEST(DCTest, FillRectAndFrameRectUseTheBrush) {
  CDibSurface canvas(kSize, kSize);
  CBrush red(kRed), blue(kBlue);
  canvas.GetDC()->FillRect(CRect(2, 2, 12, 12), &red);
  canvas.GetDC()->FrameRect(CRect(2, 2, 12, 12), &blue);

  // A one-pixel ring of 10x10 around 8x8 of fill.
  EXPECT_EQ(canvas.CountPixels(kBlue), 36);
  EXPECT_EQ(canvas.CountPixels(CRect(3, 3, 11, 11), kRed), 64);
  EXPECT_EQ(canvas.CountPixels(kRed), 64);
}

TEST(DCTest, Draw3dRectColoursEachEdge) {
  CDibSurface canvas(kSize, kSize);
  canvas.GetDC()->Draw3dRect(CRect(2, 3, 10, 9), kRed, kBlue);

  struct {
    int x, y;
    COLORREF expected;
  } cases[] = {
      {2, 3, kRed},   {8, 3, kRed},    {2, 7, kRed},    // top and left edges
      {9, 3, kBlue},  {9, 8, kBlue},   {2, 8, kBlue},   // right and bottom, with their corners
      {5, 5, kWhite}, {10, 5, kWhite}, {5, 9, kWhite},  // inside and just outside
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Hex(canvas.GetPixel(c.x, c.y)), Hex(c.expected)) << c.x << "," << c.y;
  }
  EXPECT_EQ(canvas.CountPixels(kRed) + canvas.CountPixels(kBlue), 2 * 8 + 2 * 6 - 4);
}

TEST(DCTest, DrawFrameControlDrawsAPushButtonInTheSystemColours) {
  CDibSurface canvas(kSize, kSize);
  CRect rect(2, 2, 22, 16);
  EXPECT_TRUE(canvas.GetDC()->DrawFrameControl(&rect, DFC_BUTTON, DFCS_BUTTONPUSH));
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(Hex(face), Hex(canvas.GetPixel(12, 9)));                              // the face
  EXPECT_EQ(Hex(::GetSysColor(COLOR_3DDKSHADOW)), Hex(canvas.GetPixel(21, 15)));  // its edge
  EXPECT_EQ(Hex(kWhite), Hex(canvas.GetPixel(22, 9)));                            // nothing outside
  EXPECT_EQ(Hex(kWhite), Hex(canvas.GetPixel(12, 16)));
}

TEST(DCTest, LineToDrawsWithTheSelectedPenUpToTheEndPoint) {
  CDibSurface canvas(kSize, kSize);
  CPen pen(PS_SOLID, 1, kGreen);
  CPen* pOld = canvas.GetDC()->SelectObject(&pen);
  canvas.GetDC()->MoveTo(3, 4);
  CPoint previous = canvas.GetDC()->MoveTo(5, 6);
  canvas.GetDC()->LineTo(15, 6);
  canvas.GetDC()->SelectObject(pOld);

  EXPECT_EQ(previous, CPoint(3, 4));
  EXPECT_EQ(canvas.CountPixels(CRect(5, 6, 15, 7), kGreen), 10);  // the end point is not drawn
  EXPECT_EQ(canvas.CountPixels(kGreen), 10);
  EXPECT_EQ(canvas.GetDC()->GetCurrentPosition(), CPoint(15, 6));
}

TEST(DCTest, RectangleAndEllipseUsePenForTheOutlineAndBrushInside) {
  CDibSurface canvas(kSize, kSize);
  CPen pen(PS_SOLID, 1, kBlue);
  CBrush brush(kRed);
  canvas.GetDC()->SelectObject(&pen);
  canvas.GetDC()->SelectObject(&brush);
  canvas.GetDC()->Rectangle(CRect(1, 1, 11, 11));
  canvas.GetDC()->Ellipse(20, 20, 30, 30);
  canvas.GetDC()->SelectStockObject(BLACK_PEN);
  canvas.GetDC()->SelectStockObject(WHITE_BRUSH);

  EXPECT_EQ(canvas.CountPixels(CRect(1, 1, 11, 11), kBlue), 36);
  EXPECT_EQ(canvas.CountPixels(CRect(2, 2, 10, 10), kRed), 64);
  EXPECT_EQ(canvas.GetPixel(25, 25), kRed);
  EXPECT_EQ(canvas.GetPixel(20, 20), kWhite);  // the ellipse leaves its corners
}

TEST(DCTest, SelectObjectReturnsThePreviousObjectsOwner) {
  CDibSurface canvas(kSize, kSize);
  CPen first(PS_SOLID, 1, kRed), second(PS_SOLID, 1, kBlue);
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(90, "Tahoma"));

  CPen* pStock = canvas.GetDC()->SelectObject(&first);
  EXPECT_EQ(canvas.GetDC()->SelectObject(&second), &first);
  EXPECT_EQ(canvas.GetDC()->GetCurrentPen(), &second);
  EXPECT_EQ(canvas.GetDC()->SelectObject(pStock), &second);
  EXPECT_EQ(pStock->GetSafeHandle(), ::GetStockObject(BLACK_PEN));

  CFont* pOldFont = canvas.GetDC()->SelectObject(&font);
  ASSERT_NE(pOldFont, nullptr);
  EXPECT_EQ(canvas.GetDC()->GetCurrentFont(), &font);
  EXPECT_EQ(canvas.GetDC()->SelectObject(pOldFont), &font);

  // The fixture's bitmap is owned, so the DC reports the owner.
  EXPECT_EQ(canvas.GetDC()->GetCurrentBitmap(), canvas.GetBitmap());
}

TEST(DCTest, FromHandleGivesTheOwnerOrOneTemporaryWrapperUntilTheMapIsEmptied) {
  HPEN hPen = ::CreatePen(PS_SOLID, 1, kRed);
  CPen* pTemp = CPen::FromHandle(hPen);
  ASSERT_NE(pTemp, nullptr);
  EXPECT_EQ(CPen::FromHandle(hPen), pTemp);
  EXPECT_EQ(pTemp->m_hObject, hPen);
  EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);

  CGdiObject::DeleteTempMap();
  // The temporary wrapper did not own the pen.
  EXPECT_EQ(::GetObjectType(hPen), static_cast<DWORD>(OBJ_PEN));

  {
    CPen owner;
    owner.Attach(hPen);
    EXPECT_EQ(CPen::FromHandle(hPen), &owner);
    EXPECT_EQ(owner.Detach(), hPen);
    EXPECT_NE(CPen::FromHandle(hPen), &owner);
  }
  EXPECT_EQ(::GetObjectType(hPen), static_cast<DWORD>(OBJ_PEN));  // detached: not deleted
  {
    CPen owner;
    owner.Attach(hPen);
  }
  EXPECT_EQ(::GetObjectType(hPen), 0u);  // the owner deleted it
  CGdiObject::DeleteTempMap();

  HDC hDC = ::CreateCompatibleDC(NULL);
  CDC* pDC = CDC::FromHandle(hDC);
  EXPECT_EQ(pDC->GetSafeHdc(), hDC);
  EXPECT_EQ(pDC->m_hAttribDC, hDC);
  CDC::DeleteTempMap();
  EXPECT_EQ(::GetObjectType(hDC), static_cast<DWORD>(OBJ_MEMDC));
  ::DeleteDC(hDC);

  CDC* pNull = nullptr;
  EXPECT_EQ(pNull->GetSafeHdc(), nullptr);
}

TEST(DCTest, IntersectClipRectLimitsLaterDrawing) {
  CDibSurface canvas(kSize, kSize);
  canvas.GetDC()->IntersectClipRect(CRect(4, 4, 12, 10));
  canvas.GetDC()->FillSolidRect(0, 0, kSize, kSize, kRed);

  EXPECT_EQ(canvas.CountPixels(kRed), 8 * 6);
  EXPECT_EQ(canvas.CountPixels(CRect(4, 4, 12, 10), kRed), 8 * 6);
  CRect box;
  EXPECT_EQ(canvas.GetDC()->GetClipBox(&box), SIMPLEREGION);
  EXPECT_EQ(box, CRect(4, 4, 12, 10));
}

TEST(DCTest, ExcludeClipRectLeavesAHole) {
  CDibSurface canvas(kSize, kSize);
  canvas.GetDC()->ExcludeClipRect(2, 2, 6, 6);
  canvas.GetDC()->FillSolidRect(0, 0, 8, 8, kRed);

  EXPECT_EQ(canvas.CountPixels(kRed), 64 - 16);
  EXPECT_EQ(canvas.CountPixels(CRect(2, 2, 6, 6), kWhite), 16);
}

TEST(DCTest, SelectClipRgnClipsToACombinedRegionAndNullRemovesIt) {
  CDibSurface canvas(kSize, kSize);
  CRgn left, right, both;
  left.CreateRectRgn(0, 0, 4, 4);
  right.CreateRectRgn(10, 10, 13, 12);
  both.CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(both.CombineRgn(&left, &right, RGN_OR), COMPLEXREGION);

  EXPECT_EQ(canvas.GetDC()->SelectClipRgn(&both), COMPLEXREGION);
  // The DC keeps a copy: changing the region afterwards changes nothing.
  both.SetRectRgn(0, 0, 32, 32);
  canvas.GetDC()->FillSolidRect(0, 0, kSize, kSize, kRed);
  EXPECT_EQ(canvas.CountPixels(kRed), 16 + 6);
  EXPECT_EQ(canvas.CountPixels(CRect(10, 10, 13, 12), kRed), 6);

  CRect box;
  canvas.GetDC()->GetClipBox(&box);
  EXPECT_EQ(box, CRect(0, 0, 13, 12));

  canvas.GetDC()->SelectClipRgn(nullptr);
  canvas.GetDC()->FillSolidRect(0, 0, kSize, kSize, kBlue);
  EXPECT_EQ(canvas.CountPixels(kBlue), kSize * kSize);
}

TEST(DCTest, SaveDCRestoresClippingAndColours) {
  CDibSurface canvas(kSize, kSize);
  int nSaved = canvas.GetDC()->SaveDC();
  canvas.GetDC()->IntersectClipRect(0, 0, 2, 2);
  canvas.GetDC()->SetTextColor(kRed);
  ASSERT_TRUE(canvas.GetDC()->RestoreDC(nSaved));

  EXPECT_NE(canvas.GetDC()->GetTextColor(), kRed);
  canvas.GetDC()->FillSolidRect(0, 0, 8, 8, kBlue);
  EXPECT_EQ(canvas.CountPixels(kBlue), 64);
}

TEST(DCTest, ViewportOriginMovesLogicalCoordinates) {
  CDibSurface canvas(kSize, kSize);
  EXPECT_EQ(canvas.GetDC()->SetViewportOrg(10, 12), CPoint(0, 0));
  EXPECT_EQ(canvas.GetDC()->OffsetViewportOrg(1, 1), CPoint(10, 12));
  canvas.GetDC()->SetPixel(0, 0, kRed);

  EXPECT_EQ(canvas.GetPixel(11, 13), kRed);
  EXPECT_EQ(canvas.GetDC()->GetPixel(0, 0), kRed);
  CPoint pt(2, 3);
  canvas.GetDC()->LPtoDP(&pt);
  EXPECT_EQ(pt, CPoint(13, 16));
  canvas.GetDC()->DPtoLP(&pt);
  EXPECT_EQ(pt, CPoint(2, 3));
}

TEST(DCTest, BitBltAndStretchBltCopyBetweenMemoryDCs) {
  CDibSurface source(kSize, kSize), target(kSize, kSize);
  source.GetDC()->FillSolidRect(0, 0, 4, 4, kRed);
  source.GetDC()->FillSolidRect(4, 0, 4, 4, kBlue);

  ASSERT_TRUE(target.GetDC()->BitBlt(10, 10, 8, 4, source.GetDC(), 0, 0, SRCCOPY));
  EXPECT_EQ(target.CountPixels(CRect(10, 10, 14, 14), kRed), 16);
  EXPECT_EQ(target.CountPixels(CRect(14, 10, 18, 14), kBlue), 16);
  EXPECT_EQ(target.CountPixels(kRed) + target.CountPixels(kBlue), 32);

  ASSERT_TRUE(target.GetDC()->StretchBlt(0, 20, 16, 8, source.GetDC(), 0, 0, 8, 4, SRCCOPY));
  EXPECT_EQ(target.CountPixels(CRect(0, 20, 8, 28), kRed), 64);
  EXPECT_EQ(target.CountPixels(CRect(8, 20, 16, 28), kBlue), 64);

  ASSERT_TRUE(target.GetDC()->PatBlt(0, 0, 2, 2, BLACKNESS));
  EXPECT_EQ(target.CountPixels(RGB(0, 0, 0)), 4);
}

TEST(DCTest, TransparentBltSkipsTheTransparentColour) {
  CDibSurface source(kSize, kSize), target(kSize, kSize);
  source.GetDC()->FillSolidRect(0, 0, 8, 8, kGreen);
  source.GetDC()->FillSolidRect(2, 2, 4, 4, kRed);
  target.GetDC()->FillSolidRect(0, 0, 8, 8, kBlue);

  ASSERT_TRUE(target.GetDC()->TransparentBlt(0, 0, 8, 8, source.GetDC(), 0, 0, 8, 8, kGreen));
  EXPECT_EQ(target.CountPixels(kRed), 16);
  EXPECT_EQ(target.CountPixels(CRect(0, 0, 8, 8), kBlue), 64 - 16);
}

TEST(DCTest, AlphaBlendWithConstantAlphaMixesColours) {
  CDibSurface source(kSize, kSize), target(kSize, kSize);
  source.GetDC()->FillSolidRect(0, 0, 4, 4, kRed);
  target.GetDC()->FillSolidRect(0, 0, 4, 4, kBlue);
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 128, 0};

  ASSERT_TRUE(target.GetDC()->AlphaBlend(0, 0, 4, 4, source.GetDC(), 0, 0, 4, 4, blend));
  COLORREF mixed = target.GetPixel(1, 1);
  EXPECT_NEAR(GetRValue(mixed), 128, 2);
  EXPECT_EQ(GetGValue(mixed), 0);
  EXPECT_NEAR(GetBValue(mixed), 127, 2);
}

TEST(DCTest, GradientFillRunsFromOneColourToTheOther) {
  CDibSurface canvas(kSize, kSize);
  TRIVERTEX vertices[2] = {{0, 0, 0, 0, 0, 0}, {kSize, 4, 0xFF00, 0xFF00, 0xFF00, 0}};
  GRADIENT_RECT rect = {0, 1};
  ASSERT_TRUE(canvas.GetDC()->GradientFill(vertices, 2, &rect, 1, GRADIENT_FILL_RECT_H));

  EXPECT_LE(GetRValue(canvas.GetPixel(0, 1)), 8);
  EXPECT_GE(GetRValue(canvas.GetPixel(kSize - 1, 1)), 240);
  for (int x = 1; x < kSize; ++x) {
    EXPECT_GE(GetRValue(canvas.GetPixel(x, 2)), GetRValue(canvas.GetPixel(x - 1, 2))) << x;
  }
  EXPECT_EQ(canvas.GetPixel(5, 4), kWhite);  // below the gradient
}

TEST(DCTest, TextExtentGrowsWithTheTextAndMatchesDrawTextAndTheMetrics) {
  CDibSurface canvas(kSize, kSize);
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(100, "Tahoma"));
  canvas.GetDC()->SelectObject(&font);
  TEXTMETRIC tm = {};
  ASSERT_TRUE(canvas.GetDC()->GetTextMetrics(&tm));

  CSize one = canvas.GetDC()->GetTextExtent("W", 1);
  CSize two = canvas.GetDC()->GetTextExtent(CString("WW"));
  EXPECT_GT(one.cx, 0);
  EXPECT_GT(two.cx, one.cx);
  EXPECT_EQ(one.cy, tm.tmHeight);

  CRect calc(0, 0, 0, 0);
  CString text("WW");
  int height = canvas.GetDC()->DrawText(text, &calc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(height, tm.tmHeight);
  EXPECT_EQ(calc.Width(), two.cx);

  canvas.GetDC()->SetTextColor(kRed);
  canvas.GetDC()->SetBkMode(TRANSPARENT);
  canvas.GetDC()->TextOut(2, 2, CString("WW"));
  CRect box(CPoint(2, 2), two);
  EXPECT_GT(canvas.CountPixels(box, kRed), 0);
  // Glyphs may overhang their advance by a pixel or two, never more.
  box.InflateRect(2, 0);
  EXPECT_EQ(canvas.CountPixels(kRed), canvas.CountPixels(box, kRed));
  canvas.GetDC()->SelectStockObject(SYSTEM_FONT);
}

TEST(DCTest, PointFontHeightFollowsTheDeviceResolutionAndMapping) {
  CDC screen;
  screen.Attach(::GetDC(NULL));
  int dpi = screen.GetDeviceCaps(LOGPIXELSY);
  ::ReleaseDC(NULL, screen.Detach());

  CFont font;
  ASSERT_TRUE(font.CreatePointFont(120, "Tahoma"));
  LOGFONT lf = {};
  ASSERT_TRUE(font.GetLogFont(&lf));
  EXPECT_EQ(lf.lfHeight, -::MulDiv(dpi, 120, 720));
  EXPECT_STREQ(lf.lfFaceName, "Tahoma");

  // Two logical units per pixel: the same point size is twice as many units.
  CDibSurface canvas(kSize, kSize);
  canvas.GetDC()->SetMapMode(MM_ANISOTROPIC);
  ::SetWindowExtEx(canvas.GetSafeHdc(), 2, 2, NULL);
  ::SetViewportExtEx(canvas.GetSafeHdc(), 1, 1, NULL);
  canvas.GetDC()->SetWindowOrg(100, 100);
  CFont scaled;
  ASSERT_TRUE(scaled.CreatePointFont(120, "Tahoma", canvas.GetDC()));
  LOGFONT lfScaled = {};
  scaled.GetLogFont(&lfScaled);
  int pixels = ::MulDiv(canvas.GetDC()->GetDeviceCaps(LOGPIXELSY), 120, 720);
  EXPECT_EQ(lfScaled.lfHeight, -2 * pixels);
}

TEST(DCTest, RegionsAnswerHitTestsAndCopy) {
  CRgn round, copy;
  ASSERT_TRUE(round.CreateEllipticRgn(0, 0, 20, 20));
  EXPECT_TRUE(round.PtInRegion(10, 10));
  EXPECT_FALSE(round.PtInRegion(CPoint(1, 1)));

  copy.CreateRectRgn(0, 0, 1, 1);
  EXPECT_NE(copy.CopyRgn(&round), ERROR);
  EXPECT_TRUE(copy.EqualRgn(&round));
  copy.OffsetRgn(100, 0);
  EXPECT_TRUE(copy.PtInRegion(110, 10));
  EXPECT_FALSE(copy.EqualRgn(&round));
  CRect box, roundBox;
  EXPECT_EQ(copy.GetRgnBox(&box), COMPLEXREGION);
  round.GetRgnBox(&roundBox);
  EXPECT_EQ(box, roundBox + CPoint(100, 0));

  copy.SetRectRgn(CRect(5, 5, 6, 6));
  EXPECT_TRUE(copy.PtInRegion(5, 5));
  EXPECT_FALSE(copy.PtInRegion(6, 6));
}

// The rectangles of a region survive a round trip through region data; a
// buffer too small for them is refused rather than overrun.
TEST(DCTest, RegionDataRoundTripsTheRectangles) {
  CRgn source;
  ASSERT_TRUE(source.CreateRectRgn(0, 0, 10, 10));
  CRgn second;
  second.CreateRectRgn(20, 0, 30, 5);
  source.CombineRgn(&source, &second, RGN_OR);

  const int nBytes = source.GetRegionData(nullptr, 0);
  ASSERT_GT(nBytes, static_cast<int>(sizeof(RGNDATAHEADER)));
  std::vector<BYTE> data(nBytes);
  RGNDATA* pData = reinterpret_cast<RGNDATA*>(data.data());
  EXPECT_EQ(source.GetRegionData(pData, static_cast<int>(sizeof(RGNDATAHEADER))), 0);
  ASSERT_EQ(source.GetRegionData(pData, nBytes), nBytes);
  EXPECT_EQ(pData->rdh.nCount, 3u);  // two bands: both squares, then the taller one

  CRgn copy;
  ASSERT_TRUE(copy.CreateFromData(nullptr, nBytes, pData));
  EXPECT_TRUE(copy.EqualRgn(&source));
  EXPECT_TRUE(copy.PtInRegion(25, 2));
  EXPECT_FALSE(copy.PtInRegion(25, 7));
}

TEST(DCTest, CreatingConstructorsThrowWhenGdiRefuses) {
  // A pattern brush needs a bitmap.
  EXPECT_THROW(
      {
        try {
          CBrush brush(static_cast<CBitmap*>(nullptr));
        } catch (CResourceException* e) {
          e->Delete();
          throw 1;
        }
      },
      int);
}

}  // namespace
