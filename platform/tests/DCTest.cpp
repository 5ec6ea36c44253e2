// Drawing through CDC and the GDI object wrappers into a 32-bit DIB section,
// read back pixel by pixel; object selection and the handle maps.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);

/// A memory DC with a top-down 32-bit DIB section of kSize x kSize pixels
/// selected, cleared to white; Pixel reads the bits directly.
class CDibCanvas {
 public:
  static const int kSize = 32;

  CDibCanvas() {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = kSize;
    bmi.bmiHeader.biHeight = -kSize;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    m_bitmap.Attach(::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0));
    m_pBits = static_cast<DWORD*>(pBits);
    m_dc.CreateCompatibleDC(NULL);
    m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
    m_dc.FillSolidRect(0, 0, kSize, kSize, kWhite);
  }
  ~CDibCanvas() { m_dc.SelectObject(m_pOldBitmap); }

  /// The pixel as a COLORREF (the DIB stores blue in the low byte).
  COLORREF Pixel(int x, int y) {
    ::GdiFlush();
    DWORD bgr = m_pBits[y * kSize + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
  }
  /// The number of pixels of colour cr inside the canvas.
  int Count(COLORREF cr) {
    int n = 0;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) n += Pixel(x, y) == cr;
    return n;
  }
  /// The number of pixels of colour cr inside rect (and so none outside when
  /// it equals Count(cr)).
  int CountIn(const CRect& rect, COLORREF cr) {
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x) n += Pixel(x, y) == cr;
    return n;
  }

  CDC m_dc;
  CBitmap m_bitmap;
  CBitmap* m_pOldBitmap = nullptr;
  DWORD* m_pBits = nullptr;
};

std::string Hex(COLORREF cr) {
  char buf[16];
  wsprintfA(buf, "%06lX", static_cast<unsigned long>(cr));
  return buf;
}

TEST(DCTest, FillSolidRectFillsExactlyTheRectAndKeepsTheBackgroundColour) {
  CDibCanvas canvas;
  canvas.m_dc.FillSolidRect(CRect(4, 5, 10, 8), kRed);

  EXPECT_EQ(canvas.CountIn(CRect(4, 5, 10, 8), kRed), 18);
  EXPECT_EQ(canvas.Count(kRed), 18);
  // Callers drawing opaque text next rely on this.
  EXPECT_EQ(canvas.m_dc.GetBkColor(), kRed);
}

TEST(DCTest, FillRectAndFrameRectUseTheBrush) {
  CDibCanvas canvas;
  CBrush red(kRed), blue(kBlue);
  canvas.m_dc.FillRect(CRect(2, 2, 12, 12), &red);
  canvas.m_dc.FrameRect(CRect(2, 2, 12, 12), &blue);

  // A one-pixel ring of 10x10 around 8x8 of fill.
  EXPECT_EQ(canvas.Count(kBlue), 36);
  EXPECT_EQ(canvas.CountIn(CRect(3, 3, 11, 11), kRed), 64);
  EXPECT_EQ(canvas.Count(kRed), 64);
}

TEST(DCTest, Draw3dRectColoursEachEdge) {
  CDibCanvas canvas;
  canvas.m_dc.Draw3dRect(CRect(2, 3, 10, 9), kRed, kBlue);

  struct {
    int x, y;
    COLORREF expected;
  } cases[] = {
      {2, 3, kRed},   {8, 3, kRed},    {2, 7, kRed},    // top and left edges
      {9, 3, kBlue},  {9, 8, kBlue},   {2, 8, kBlue},   // right and bottom, with their corners
      {5, 5, kWhite}, {10, 5, kWhite}, {5, 9, kWhite},  // inside and just outside
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Hex(canvas.Pixel(c.x, c.y)), Hex(c.expected)) << c.x << "," << c.y;
  }
  EXPECT_EQ(canvas.Count(kRed) + canvas.Count(kBlue), 2 * 8 + 2 * 6 - 4);
}

TEST(DCTest, DrawFrameControlDrawsAPushButtonInTheSystemColours) {
  CDibCanvas canvas;
  CRect rect(2, 2, 22, 16);
  EXPECT_TRUE(canvas.m_dc.DrawFrameControl(&rect, DFC_BUTTON, DFCS_BUTTONPUSH));
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(Hex(face), Hex(canvas.Pixel(12, 9)));                              // the face
  EXPECT_EQ(Hex(::GetSysColor(COLOR_3DDKSHADOW)), Hex(canvas.Pixel(21, 15)));  // its edge
  EXPECT_EQ(Hex(kWhite), Hex(canvas.Pixel(22, 9)));                            // nothing outside
  EXPECT_EQ(Hex(kWhite), Hex(canvas.Pixel(12, 16)));
}

TEST(DCTest, LineToDrawsWithTheSelectedPenUpToTheEndPoint) {
  CDibCanvas canvas;
  CPen pen(PS_SOLID, 1, kGreen);
  CPen* pOld = canvas.m_dc.SelectObject(&pen);
  canvas.m_dc.MoveTo(3, 4);
  CPoint previous = canvas.m_dc.MoveTo(5, 6);
  canvas.m_dc.LineTo(15, 6);
  canvas.m_dc.SelectObject(pOld);

  EXPECT_EQ(previous, CPoint(3, 4));
  EXPECT_EQ(canvas.CountIn(CRect(5, 6, 15, 7), kGreen), 10);  // the end point is not drawn
  EXPECT_EQ(canvas.Count(kGreen), 10);
  EXPECT_EQ(canvas.m_dc.GetCurrentPosition(), CPoint(15, 6));
}

TEST(DCTest, RectangleAndEllipseUsePenForTheOutlineAndBrushInside) {
  CDibCanvas canvas;
  CPen pen(PS_SOLID, 1, kBlue);
  CBrush brush(kRed);
  canvas.m_dc.SelectObject(&pen);
  canvas.m_dc.SelectObject(&brush);
  canvas.m_dc.Rectangle(CRect(1, 1, 11, 11));
  canvas.m_dc.Ellipse(20, 20, 30, 30);
  canvas.m_dc.SelectStockObject(BLACK_PEN);
  canvas.m_dc.SelectStockObject(WHITE_BRUSH);

  EXPECT_EQ(canvas.CountIn(CRect(1, 1, 11, 11), kBlue), 36);
  EXPECT_EQ(canvas.CountIn(CRect(2, 2, 10, 10), kRed), 64);
  EXPECT_EQ(canvas.Pixel(25, 25), kRed);
  EXPECT_EQ(canvas.Pixel(20, 20), kWhite);  // the ellipse leaves its corners
}

TEST(DCTest, SelectObjectReturnsThePreviousObjectsOwner) {
  CDibCanvas canvas;
  CPen first(PS_SOLID, 1, kRed), second(PS_SOLID, 1, kBlue);
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(90, "Tahoma"));

  CPen* pStock = canvas.m_dc.SelectObject(&first);
  EXPECT_EQ(canvas.m_dc.SelectObject(&second), &first);
  EXPECT_EQ(canvas.m_dc.GetCurrentPen(), &second);
  EXPECT_EQ(canvas.m_dc.SelectObject(pStock), &second);
  EXPECT_EQ(pStock->GetSafeHandle(), ::GetStockObject(BLACK_PEN));

  CFont* pOldFont = canvas.m_dc.SelectObject(&font);
  ASSERT_NE(pOldFont, nullptr);
  EXPECT_EQ(canvas.m_dc.GetCurrentFont(), &font);
  EXPECT_EQ(canvas.m_dc.SelectObject(pOldFont), &font);

  // The fixture's bitmap is owned, so the DC reports the owner.
  EXPECT_EQ(canvas.m_dc.GetCurrentBitmap(), &canvas.m_bitmap);
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
  CDibCanvas canvas;
  canvas.m_dc.IntersectClipRect(CRect(4, 4, 12, 10));
  canvas.m_dc.FillSolidRect(0, 0, CDibCanvas::kSize, CDibCanvas::kSize, kRed);

  EXPECT_EQ(canvas.Count(kRed), 8 * 6);
  EXPECT_EQ(canvas.CountIn(CRect(4, 4, 12, 10), kRed), 8 * 6);
  CRect box;
  EXPECT_EQ(canvas.m_dc.GetClipBox(&box), SIMPLEREGION);
  EXPECT_EQ(box, CRect(4, 4, 12, 10));
}

TEST(DCTest, ExcludeClipRectLeavesAHole) {
  CDibCanvas canvas;
  canvas.m_dc.ExcludeClipRect(2, 2, 6, 6);
  canvas.m_dc.FillSolidRect(0, 0, 8, 8, kRed);

  EXPECT_EQ(canvas.Count(kRed), 64 - 16);
  EXPECT_EQ(canvas.CountIn(CRect(2, 2, 6, 6), kWhite), 16);
}

TEST(DCTest, SelectClipRgnClipsToACombinedRegionAndNullRemovesIt) {
  CDibCanvas canvas;
  CRgn left, right, both;
  left.CreateRectRgn(0, 0, 4, 4);
  right.CreateRectRgn(10, 10, 13, 12);
  both.CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(both.CombineRgn(&left, &right, RGN_OR), COMPLEXREGION);

  EXPECT_EQ(canvas.m_dc.SelectClipRgn(&both), COMPLEXREGION);
  // The DC keeps a copy: changing the region afterwards changes nothing.
  both.SetRectRgn(0, 0, 32, 32);
  canvas.m_dc.FillSolidRect(0, 0, CDibCanvas::kSize, CDibCanvas::kSize, kRed);
  EXPECT_EQ(canvas.Count(kRed), 16 + 6);
  EXPECT_EQ(canvas.CountIn(CRect(10, 10, 13, 12), kRed), 6);

  CRect box;
  canvas.m_dc.GetClipBox(&box);
  EXPECT_EQ(box, CRect(0, 0, 13, 12));

  canvas.m_dc.SelectClipRgn(nullptr);
  canvas.m_dc.FillSolidRect(0, 0, CDibCanvas::kSize, CDibCanvas::kSize, kBlue);
  EXPECT_EQ(canvas.Count(kBlue), CDibCanvas::kSize * CDibCanvas::kSize);
}

TEST(DCTest, SaveDCRestoresClippingAndColours) {
  CDibCanvas canvas;
  int nSaved = canvas.m_dc.SaveDC();
  canvas.m_dc.IntersectClipRect(0, 0, 2, 2);
  canvas.m_dc.SetTextColor(kRed);
  ASSERT_TRUE(canvas.m_dc.RestoreDC(nSaved));

  EXPECT_NE(canvas.m_dc.GetTextColor(), kRed);
  canvas.m_dc.FillSolidRect(0, 0, 8, 8, kBlue);
  EXPECT_EQ(canvas.Count(kBlue), 64);
}

TEST(DCTest, ViewportOriginMovesLogicalCoordinates) {
  CDibCanvas canvas;
  EXPECT_EQ(canvas.m_dc.SetViewportOrg(10, 12), CPoint(0, 0));
  EXPECT_EQ(canvas.m_dc.OffsetViewportOrg(1, 1), CPoint(10, 12));
  canvas.m_dc.SetPixel(0, 0, kRed);

  EXPECT_EQ(canvas.Pixel(11, 13), kRed);
  EXPECT_EQ(canvas.m_dc.GetPixel(0, 0), kRed);
  CPoint pt(2, 3);
  canvas.m_dc.LPtoDP(&pt);
  EXPECT_EQ(pt, CPoint(13, 16));
  canvas.m_dc.DPtoLP(&pt);
  EXPECT_EQ(pt, CPoint(2, 3));
}

TEST(DCTest, BitBltAndStretchBltCopyBetweenMemoryDCs) {
  CDibCanvas source, target;
  source.m_dc.FillSolidRect(0, 0, 4, 4, kRed);
  source.m_dc.FillSolidRect(4, 0, 4, 4, kBlue);

  ASSERT_TRUE(target.m_dc.BitBlt(10, 10, 8, 4, &source.m_dc, 0, 0, SRCCOPY));
  EXPECT_EQ(target.CountIn(CRect(10, 10, 14, 14), kRed), 16);
  EXPECT_EQ(target.CountIn(CRect(14, 10, 18, 14), kBlue), 16);
  EXPECT_EQ(target.Count(kRed) + target.Count(kBlue), 32);

  ASSERT_TRUE(target.m_dc.StretchBlt(0, 20, 16, 8, &source.m_dc, 0, 0, 8, 4, SRCCOPY));
  EXPECT_EQ(target.CountIn(CRect(0, 20, 8, 28), kRed), 64);
  EXPECT_EQ(target.CountIn(CRect(8, 20, 16, 28), kBlue), 64);

  ASSERT_TRUE(target.m_dc.PatBlt(0, 0, 2, 2, BLACKNESS));
  EXPECT_EQ(target.Count(RGB(0, 0, 0)), 4);
}

TEST(DCTest, TransparentBltSkipsTheTransparentColour) {
  CDibCanvas source, target;
  source.m_dc.FillSolidRect(0, 0, 8, 8, kGreen);
  source.m_dc.FillSolidRect(2, 2, 4, 4, kRed);
  target.m_dc.FillSolidRect(0, 0, 8, 8, kBlue);

  ASSERT_TRUE(target.m_dc.TransparentBlt(0, 0, 8, 8, &source.m_dc, 0, 0, 8, 8, kGreen));
  EXPECT_EQ(target.Count(kRed), 16);
  EXPECT_EQ(target.CountIn(CRect(0, 0, 8, 8), kBlue), 64 - 16);
}

TEST(DCTest, AlphaBlendWithConstantAlphaMixesColours) {
  CDibCanvas source, target;
  source.m_dc.FillSolidRect(0, 0, 4, 4, kRed);
  target.m_dc.FillSolidRect(0, 0, 4, 4, kBlue);
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 128, 0};

  ASSERT_TRUE(target.m_dc.AlphaBlend(0, 0, 4, 4, &source.m_dc, 0, 0, 4, 4, blend));
  COLORREF mixed = target.Pixel(1, 1);
  EXPECT_NEAR(GetRValue(mixed), 128, 2);
  EXPECT_EQ(GetGValue(mixed), 0);
  EXPECT_NEAR(GetBValue(mixed), 127, 2);
}

TEST(DCTest, GradientFillRunsFromOneColourToTheOther) {
  CDibCanvas canvas;
  TRIVERTEX vertices[2] = {{0, 0, 0, 0, 0, 0}, {CDibCanvas::kSize, 4, 0xFF00, 0xFF00, 0xFF00, 0}};
  GRADIENT_RECT rect = {0, 1};
  ASSERT_TRUE(canvas.m_dc.GradientFill(vertices, 2, &rect, 1, GRADIENT_FILL_RECT_H));

  EXPECT_LE(GetRValue(canvas.Pixel(0, 1)), 8);
  EXPECT_GE(GetRValue(canvas.Pixel(CDibCanvas::kSize - 1, 1)), 240);
  for (int x = 1; x < CDibCanvas::kSize; ++x) {
    EXPECT_GE(GetRValue(canvas.Pixel(x, 2)), GetRValue(canvas.Pixel(x - 1, 2))) << x;
  }
  EXPECT_EQ(canvas.Pixel(5, 4), kWhite);  // below the gradient
}

TEST(DCTest, TextExtentGrowsWithTheTextAndMatchesDrawTextAndTheMetrics) {
  CDibCanvas canvas;
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(100, "Tahoma"));
  canvas.m_dc.SelectObject(&font);
  TEXTMETRIC tm = {};
  ASSERT_TRUE(canvas.m_dc.GetTextMetrics(&tm));

  CSize one = canvas.m_dc.GetTextExtent("W", 1);
  CSize two = canvas.m_dc.GetTextExtent(CString("WW"));
  EXPECT_GT(one.cx, 0);
  EXPECT_GT(two.cx, one.cx);
  EXPECT_EQ(one.cy, tm.tmHeight);

  CRect calc(0, 0, 0, 0);
  CString text("WW");
  int height = canvas.m_dc.DrawText(text, &calc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(height, tm.tmHeight);
  EXPECT_EQ(calc.Width(), two.cx);

  canvas.m_dc.SetTextColor(kRed);
  canvas.m_dc.SetBkMode(TRANSPARENT);
  canvas.m_dc.TextOut(2, 2, CString("WW"));
  CRect box(CPoint(2, 2), two);
  EXPECT_GT(canvas.CountIn(box, kRed), 0);
  // Glyphs may overhang their advance by a pixel or two, never more.
  box.InflateRect(2, 0);
  EXPECT_EQ(canvas.Count(kRed), canvas.CountIn(box, kRed));
  canvas.m_dc.SelectStockObject(SYSTEM_FONT);
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
  CDibCanvas canvas;
  canvas.m_dc.SetMapMode(MM_ANISOTROPIC);
  ::SetWindowExtEx(canvas.m_dc, 2, 2, NULL);
  ::SetViewportExtEx(canvas.m_dc, 1, 1, NULL);
  canvas.m_dc.SetWindowOrg(100, 100);
  CFont scaled;
  ASSERT_TRUE(scaled.CreatePointFont(120, "Tahoma", &canvas.m_dc));
  LOGFONT lfScaled = {};
  scaled.GetLogFont(&lfScaled);
  int pixels = ::MulDiv(canvas.m_dc.GetDeviceCaps(LOGPIXELSY), 120, 720);
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
