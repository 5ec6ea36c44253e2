// The draw helpers in pixels of memory DCs: gradients (banded and through
// msimg32), clipped and two-part gradients, frames and shapes, text in colours
// and fitted text; and the arithmetic: parity, HLS, blends, mnemonics; and the
// right-to-left and window helpers on hidden windows.
#include <gtest/gtest.h>

#include <string.h>

#include "common/TKColorManager.h"
#include "common/TKDrawHelpers.h"
#include "common/TKResourceManager.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// Draws gradients by bands for pixel-exact checks, and puts msimg32 back.
class BandedGradients {
 public:
  BandedGradients() : m_pfn(TKDrawHelpers()->m_pfnGradientFill) {
    TKDrawHelpers()->m_pfnGradientFill = nullptr;
  }
  ~BandedGradients() { TKDrawHelpers()->m_pfnGradientFill = m_pfn; }

 private:
  CTKDrawHelpers::PFNGRADIENTFILL m_pfn;
};

TEST(DrawHelpersGradient, BandsStartWithTheFromColour) {
  BandedGradients bands;
  CDibSurface surface(20, 20);
  const COLORREF from = RGB(200, 0, 0), to = RGB(0, 0, 200);
  TKDrawHelpers()->GradientFill(surface.GetDC(), CRect(0, 0, 10, 10), from, to, TRUE);
  for (int y = 0; y < 10; ++y) {
    EXPECT_EQ(from, surface.GetPixel(0, y));
    EXPECT_EQ(BlendColors(from, to, 0.1), surface.GetPixel(9, y));
  }
  EXPECT_EQ(RGB(20, 0, 180), surface.GetPixel(9, 0));
  EXPECT_EQ(kWhite, surface.GetPixel(10, 0));
  EXPECT_EQ(kWhite, surface.GetPixel(0, 10));

  TKDrawHelpers()->GradientFill(surface.GetDC(), CRect(10, 10, 20, 20), from, to, FALSE);
  EXPECT_EQ(from, surface.GetPixel(15, 10));
  EXPECT_EQ(RGB(20, 0, 180), surface.GetPixel(15, 19));
}

TEST(DrawHelpersGradient, BandsCoverOnlyTheVisiblePart) {
  BandedGradients bands;
  CDibSurface surface(20, 10);
  CDC* pDC = surface.GetDC();
  pDC->IntersectClipRect(5, 0, 8, 10);
  TKDrawHelpers()->GradientFill(pDC, CRect(0, 0, 20, 10), RGB(0, 0, 0), RGB(0, 0, 200), TRUE);
  pDC->SelectClipRgn(nullptr);
  EXPECT_EQ(kWhite, surface.GetPixel(4, 5));
  EXPECT_EQ(BlendColors(RGB(0, 0, 0), RGB(0, 0, 200), 1 - 5 / 20.0), surface.GetPixel(5, 5));
  EXPECT_EQ(kWhite, surface.GetPixel(8, 5));
}

TEST(DrawHelpersGradient, OnlyDisplaysOf256ColoursOrFewerAreLow) {
  // The test display has more colours than that.
  CDibSurface surface(4, 4);
  EXPECT_FALSE(IsSystemColorDepthLow(surface.GetSafeHdc()));
  EXPECT_FALSE(CTKColorManager::IsLowResolution(nullptr));
}

TEST(DrawHelpersGradient, EqualColoursAndEmptyRectanglesFillSolidOrNothing) {
  CDibSurface surface(10, 10);
  TKDrawHelpers()->GradientFill(surface.GetDC(), CRect(0, 0, 10, 10), RGB(1, 2, 3), RGB(1, 2, 3),
                                TRUE);
  EXPECT_EQ(100, surface.CountPixels(RGB(1, 2, 3)));
  surface.Fill(kWhite);
  TKDrawHelpers()->GradientFill(surface.GetDC(), CRect(5, 5, 5, 9), 0, RGB(9, 9, 9), TRUE);
  TKDrawHelpers()->GradientFill(surface.GetDC(), nullptr, 0, RGB(9, 9, 9), TRUE);
  EXPECT_EQ(100, surface.CountPixels(kWhite));
}

TEST(DrawHelpersGradient, Msimg32GradientsRunFromColourToColour) {
  ASSERT_NE(nullptr, TKDrawHelpers()->m_pfnGradientFill);
  CDibSurface surface(100, 10);
  TKDrawHelpers()->GradientFill(surface.GetDC(), CRect(0, 0, 100, 10), RGB(0, 0, 0), RGB(0, 250, 0),
                                TRUE);
  EXPECT_LE(GetGValue(surface.GetPixel(0, 5)), 3);
  EXPECT_GE(GetGValue(surface.GetPixel(99, 5)), 245);
  for (int x = 1; x < 100; ++x)
    ASSERT_GE(GetGValue(surface.GetPixel(x, 5)), GetGValue(surface.GetPixel(x - 1, 5))) << x;
  EXPECT_EQ(0, GetRValue(surface.GetPixel(50, 5)));
}

TEST(DrawHelpersGradient, ClippedGradientsShowTheirShareOfTheWhole) {
  BandedGradients bands;
  CDibSurface surface(100, 20);
  const CRect rcClip(50, 0, 100, 10);
  TKDrawHelpers()->GradientFillClipped(surface.GetDC(), CRect(0, 0, 100, 20), RGB(0, 0, 0), kWhite,
                                       TRUE, rcClip);
  EXPECT_EQ(kWhite, surface.GetPixel(49, 5));
  EXPECT_EQ(RGB(127, 127, 127), surface.GetPixel(50, 5));  // the middle grey of the whole
  EXPECT_EQ(kWhite, surface.GetPixel(60, 10));             // below the clip
  // Cut at both ends: 20..80 of a 0..100 gradient.
  surface.Fill(kWhite);
  TKDrawHelpers()->GradientFillClipped(surface.GetDC(), CRect(0, 0, 100, 10), RGB(0, 0, 0),
                                       RGB(0, 0, 200), TRUE, CRect(20, 0, 80, 10));
  EXPECT_EQ(BlendColors(0, RGB(0, 0, 200), 0.8), surface.GetPixel(20, 0));
  EXPECT_EQ(kWhite, surface.GetPixel(80, 0));
  // Wholly outside the clip: nothing.
  surface.Fill(kWhite);
  TKDrawHelpers()->GradientFillClipped(surface.GetDC(), CRect(0, 0, 40, 10), 0, RGB(0, 0, 200),
                                       TRUE, rcClip);
  EXPECT_EQ(2000, surface.CountPixels(kWhite));
  // Vertical: the top cut away.
  TKDrawHelpers()->GradientFillClipped(surface.GetDC(), CRect(0, 0, 10, 20), RGB(0, 0, 0),
                                       RGB(0, 0, 200), FALSE, CRect(0, 10, 100, 20));
  EXPECT_EQ(kWhite, surface.GetPixel(5, 9));
  EXPECT_EQ(RGB(0, 0, 100), surface.GetPixel(5, 10));
}

TEST(DrawHelpersGradient, TwoPartGradientsMeetAtTheFactorsColour) {
  BandedGradients bands;
  CDibSurface surface(100, 10);
  CTKPaintManagerColorGradient grc(RGB(0, 0, 0), RGB(0, 0, 200));
  grc.m_fGradientFactor = 0.25f;
  TKDrawHelpers()->GradientFillTwoPart(surface.GetDC(), CRect(0, 0, 100, 10), grc, TRUE, nullptr);
  const COLORREF middle = BlendColors(0, RGB(0, 0, 200), 0.25);  // (0, 0, 150)
  EXPECT_EQ(RGB(0, 0, 0), surface.GetPixel(0, 0));
  EXPECT_EQ(middle, surface.GetPixel(50, 0));
  EXPECT_EQ(BlendColors(middle, RGB(0, 0, 200), 1 - 49 / 50.0), surface.GetPixel(99, 0));
  // A custom dark colour takes the place of the standard one.
  grc.m_clrDark.SetCustomValue(RGB(200, 0, 0));
  grc.m_fGradientFactor = 0.5f;
  TKDrawHelpers()->GradientFillTwoPart(surface.GetDC(), CRect(0, 0, 100, 10), grc, TRUE, nullptr);
  EXPECT_EQ(BlendColors(0, RGB(200, 0, 0), 0.01), surface.GetPixel(99, 0));
}

TEST(DrawHelpersShapes, FramesCornersLinesAndTriangles) {
  CDibSurface surface(20, 20);
  CDC* pDC = surface.GetDC();
  CTKDrawHelpers::FillRectWithBorder(pDC, CRect(0, 0, 10, 10), RGB(255, 0, 0), RGB(0, 0, 255));
  EXPECT_EQ(RGB(255, 0, 0), surface.GetPixel(0, 0));
  EXPECT_EQ(RGB(255, 0, 0), surface.GetPixel(9, 5));
  EXPECT_EQ(RGB(0, 0, 255), surface.GetPixel(1, 1));
  EXPECT_EQ(64, surface.CountPixels(RGB(0, 0, 255)));

  surface.Fill(kWhite);
  CTKDrawHelpers::ExcludeCorners(pDC, 0, 0, 20, 20, TRUE);
  pDC->FillSolidRect(0, 0, 20, 20, RGB(0, 0, 0));
  pDC->SelectClipRgn(nullptr);
  EXPECT_EQ(kWhite, surface.GetPixel(0, 0));
  EXPECT_EQ(kWhite, surface.GetPixel(19, 0));
  EXPECT_EQ(RGB(0, 0, 0), surface.GetPixel(0, 19));
  EXPECT_EQ(2, surface.CountPixels(kWhite));

  surface.Fill(kWhite);
  EXPECT_TRUE(DrawLine(pDC, 0, 5, 10, 5, RGB(0, 255, 0)));
  EXPECT_EQ(10, surface.CountPixels(RGB(0, 255, 0)));
  EXPECT_FALSE(DrawLine(nullptr, 0, 0, 1, 1, 0));

  surface.Fill(kWhite);
  DrawFilledTriangle(pDC, CPoint(2, 2), CPoint(17, 2), CPoint(10, 17), RGB(0, 0, 0),
                     RGB(0, 128, 0));
  EXPECT_EQ(RGB(0, 128, 0), surface.GetPixel(10, 6));
  EXPECT_EQ(RGB(0, 0, 0), surface.GetPixel(10, 2));
  EXPECT_EQ(kWhite, surface.GetPixel(2, 16));
}

TEST(DrawHelpersShapes, ImageListIconsAreStretchedIntoTheRectangle) {
  HIMAGELIST hImages = ImageList_Create(4, 4, ILC_COLOR32, 1, 0);
  CDibSurface source(4, 4, RGB(200, 0, 0));
  BITMAP bm;
  source.GetBitmap()->GetBitmap(&bm);
  CBitmap copy;
  copy.CreateCompatibleBitmap(source.GetDC(), 4, 4);
  {
    CDC dc;
    dc.CreateCompatibleDC(source.GetDC());
    CBitmap* pOld = dc.SelectObject(&copy);
    dc.BitBlt(0, 0, 4, 4, source.GetDC(), 0, 0, SRCCOPY);
    dc.SelectObject(pOld);
  }
  ASSERT_EQ(0, ImageList_Add(hImages, static_cast<HBITMAP>(copy.GetSafeHandle()), nullptr));
  CDibSurface surface(20, 20);
  EXPECT_TRUE(DrawImageListIcon(surface.GetDC(), 2, 2, 18, 18, hImages, 0));
  EXPECT_EQ(RGB(200, 0, 0), surface.GetPixel(2, 2));
  EXPECT_EQ(RGB(200, 0, 0), surface.GetPixel(17, 17));
  EXPECT_EQ(kWhite, surface.GetPixel(18, 18));
  EXPECT_FALSE(DrawImageListIcon(surface.GetDC(), 0, 0, 4, 4, hImages, 5));
  ImageList_Destroy(hImages);
}

TEST(DrawHelpersArithmetic, ParityAlignsWidthAndHeight) {
  struct Case {
    CRect in, out;
  } cases[] = {{CRect(0, 0, 5, 10), CRect(1, 0, 4, 9)}, {CRect(0, 0, 10, 5), CRect(0, 1, 9, 4)},
               {CRect(0, 0, 6, 4), CRect(0, 0, 6, 4)},  {CRect(0, 0, 5, 7), CRect(0, 0, 5, 7)},
               {CRect(0, 0, 5, 4), CRect(0, 0, 4, 4)},  {CRect(0, 0, 4, 5), CRect(0, 0, 4, 4)},
               {CRect(3, 3, 4, 3), CRect(3, 3, 3, 3)}};
  for (const Case& c : cases) EXPECT_EQ(c.out, AlignRectParity(c.in));
}

TEST(DrawHelpersArithmetic, RgbToHlsAndBack) {
  struct Case {
    COLORREF rgb;
    int h, s, l;
  } cases[] = {{RGB(255, 0, 0), 0, 239, 120},   {RGB(255, 255, 255), 239, 0, 240},
               {RGB(0, 0, 0), 239, 0, 0},       {RGB(0, 255, 0), 79, 239, 120},
               {RGB(0, 0, 255), 159, 239, 120}, {RGB(128, 128, 128), 239, 0, 120}};
  for (const Case& c : cases) {
    DWORD hls = RGBToHLS(c.rgb);
    EXPECT_EQ(c.h, (int)(hls & 0xFF)) << std::hex << c.rgb;
    EXPECT_EQ(c.s, (int)((hls >> 8) & 0xFF)) << std::hex << c.rgb;
    EXPECT_EQ(c.l, (int)((hls >> 16) & 0xFF)) << std::hex << c.rgb;
  }
  for (COLORREF clr : {RGB(255, 0, 0), RGB(10, 36, 106), RGB(212, 208, 200), RGB(255, 255, 255)}) {
    COLORREF back = HLSToRGB(RGBToHLS(clr));
    EXPECT_NEAR(GetRValue(clr), GetRValue(back), 4) << std::hex << clr;
    EXPECT_NEAR(GetGValue(clr), GetGValue(back), 4) << std::hex << clr;
    EXPECT_NEAR(GetBValue(clr), GetBValue(back), 4) << std::hex << clr;
  }
}

TEST(DrawHelpersArithmetic, BlendsWeighTheFirstColourByTheFactor) {
  EXPECT_EQ(RGB(10, 20, 30), BlendColors(RGB(10, 20, 30), RGB(200, 200, 200), 1.0));
  EXPECT_EQ(RGB(200, 200, 200), BlendColors(RGB(10, 20, 30), RGB(200, 200, 200), 0.0));
  EXPECT_EQ(RGB(127, 127, 127), BlendColors(RGB(0, 0, 0), kWhite, 0.5));
  EXPECT_EQ(kWhite, BlendColors(kWhite, RGB(0, 0, 0), 1.2));  // limited to 255
}

TEST(DrawHelpersText, AmpersandsAreStripped) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {{"&File", "File"}, {"A&&B", "A&B"}, {"End&", "End"}, {"&&&x", "&x"}, {"", ""}};
  for (const Case& c : cases) {
    EXPECT_STREQ(c.out, StripAmpersands(c.in)) << c.in;
    char buffer[16];
    strcpy(buffer, c.in);
    StripAmpersandsInPlace(buffer);
    EXPECT_STREQ(c.out, buffer) << c.in;
  }
  StripAmpersandsInPlace(nullptr);
  StripAmpersandsInPlace(reinterpret_cast<LPTSTR>(-1));
}

TEST(DrawHelpersText, FittingKeepsTheTextsAspect) {
  EXPECT_EQ(0, FitSizeKeepingAspect(CSize(0, 10), CSize(10, 5)));
  EXPECT_EQ(0, FitSizeKeepingAspect(CSize(10, -1), CSize(10, 5)));
  EXPECT_EQ(25, FitSizeKeepingAspect(CSize(50, 100), CSize(20, 10)));
  EXPECT_EQ(100, FitSizeKeepingAspect(CSize(50, 100), CSize(5, 10)));
}

TEST(DrawHelpersText, TheFittedHeightIsTheLargestThatFits) {
  CDibSurface surface(10, 10);
  CDC* pDC = surface.GetDC();
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(80, GetDefaultFontFaceName(), pDC));
  EXPECT_EQ(0, FitFontHeightToRect(pDC, "Text", 4, CRect(0, 0, 0, 20), &font));
  for (const CRect& rc : {CRect(0, 0, 80, 30), CRect(0, 0, 300, 16), CRect(0, 0, 40, 90)}) {
    const int h = FitFontHeightToRect(pDC, "Fit me", 6, rc, &font);
    ASSERT_GT(h, 0);
    LOGFONT lf;
    font.GetLogFont(&lf);
    const CRect rcAligned = AlignRectParity(rc);
    auto extent = [&](int height) {
      lf.lfHeight = height;
      CFont sized;
      sized.CreateFontIndirect(&lf);
      CFont* pOld = pDC->SelectObject(&sized);
      CSize size = pDC->GetTextExtent("Fit me", 6);
      pDC->SelectObject(pOld);
      return size;
    };
    CSize fits = extent(h);
    EXPECT_LE(fits.cx, rcAligned.Width()) << h;
    EXPECT_LE(fits.cy, rcAligned.Height()) << h;
    CSize larger = extent(h + 2);
    EXPECT_TRUE(larger.cx >= rcAligned.Width() || larger.cy >= rcAligned.Height()) << h;
  }
}

TEST(DrawHelpersText, TextIsDrawnInItsColoursAndTheDcIsPutBack) {
  CDibSurface surface(60, 20);
  CDC* pDC = surface.GetDC();
  pDC->SetTextColor(RGB(1, 1, 1));
  pDC->SetBkColor(RGB(2, 2, 2));
  pDC->SetBkMode(OPAQUE);
  CFont font;
  font.CreatePointFont(100, GetDefaultFontFaceName(), pDC);
  CRect rc(0, 0, 60, 20);
  EXPECT_GT(DrawTextWithColors(pDC, &font, "Mm", 2, rc, DT_SINGLELINE, RGB(255, 0, 0), CLR_NONE),
            0);
  EXPECT_GT(surface.CountPixels(RGB(255, 0, 0)), 10);
  EXPECT_EQ(0, surface.CountPixels(RGB(2, 2, 2)));
  EXPECT_EQ(RGB(1, 1, 1), pDC->GetTextColor());
  EXPECT_EQ(RGB(2, 2, 2), pDC->GetBkColor());
  EXPECT_EQ(OPAQUE, pDC->GetBkMode());

  DrawTextWithColors(pDC, &font, "Mm", 2, rc, DT_SINGLELINE, CLR_NONE, RGB(0, 0, 255));
  EXPECT_GT(surface.CountPixels(RGB(0, 0, 255)), 10);
  EXPECT_GT(surface.CountPixels(RGB(1, 1, 1)), 10);
}

TEST(DrawHelpersText, AFaceAtSizeZeroFillsTheRectangle) {
  CDibSurface surface(100, 60);
  CRect rc(20, 20, 80, 40);
  EXPECT_GT(DrawTextInFontFace(surface.GetDC(), GetDefaultFontFaceName(), 0, "Wide", -1, rc,
                               DT_LEFT, RGB(0, 0, 0), CLR_NONE),
            0);
  const int inside = surface.CountPixels(rc, RGB(0, 0, 0));
  EXPECT_GT(inside, 40);
  EXPECT_EQ(inside, surface.CountPixels(RGB(0, 0, 0)));
  // Centred: ink on both halves.
  EXPECT_GT(surface.CountPixels(CRect(20, 20, 50, 40), RGB(0, 0, 0)), 0);
  EXPECT_GT(surface.CountPixels(CRect(50, 20, 80, 40), RGB(0, 0, 0)), 0);
}

TEST(DrawHelpersFonts, InstalledFacesAreFound) {
  // The family the GUI font really uses is installed, whatever this machine has.
  CDibSurface surface(4, 4);
  surface.GetDC()->SelectStockObject(DEFAULT_GUI_FONT);
  char szFace[LF_FACESIZE] = {};
  surface.GetDC()->GetTextFace(LF_FACESIZE, szFace);
  EXPECT_TRUE(FontExists(szFace)) << szFace;
  EXPECT_TRUE(FontExists(CString(szFace).MakeUpper())) << szFace;
  LOGFONT lfGui = {};
  GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof lfGui, &lfGui);
  const CString face = GetDefaultFontFaceName(TRUE);
  if (FontExists("Arial"))
    EXPECT_STREQ(lfGui.lfCharSet > SYMBOL_CHARSET ? lfGui.lfFaceName : "Tahoma", face);
  else
    EXPECT_STREQ(lfGui.lfFaceName, face);
  EXPECT_FALSE(FontExists("No Such Face Anywhere"));
  EXPECT_FALSE(FontExists(""));
  LOGFONT lf = {};
  ASSERT_TRUE(GetIconTitleFont(&lf));
  EXPECT_EQ(TKResourceManager()->GetFontCharSet(), lf.lfCharSet);
  EXPECT_EQ(CLEARTYPE_QUALITY, lf.lfQuality);
}

TEST(DrawHelpersLayout, RightToLeftDcsAndWindows) {
  CDibSurface surface(10, 10);
  EXPECT_FALSE(IsDCRightToLeft(surface.GetDC()));
  SetDCLayout(surface.GetDC(), LAYOUT_RTL);
  EXPECT_TRUE(IsDCRightToLeft(surface.GetDC()));
  EXPECT_TRUE(IsHdcRightToLeft(surface.GetSafeHdc()));
  EXPECT_TRUE(IsRightToLeftDC(surface.GetSafeHdc()));
  EXPECT_TRUE(IsDCRightToLeftDirect(surface.GetDC()));
  SetDCLayout(surface.GetDC(), 0);
  EXPECT_FALSE(IsDCRightToLeft(nullptr));

  CTestHostWindow window;
  ASSERT_TRUE(window.CreateHost(100, 50));
  window.SetWindowPos(nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const CRect rcWindow = CTKWindowRect(&window);
  UINT key = VK_LEFT;
  SwapArrowKeysForRtl(&window, key);
  EXPECT_EQ((UINT)VK_LEFT, key);
  CPoint pt(rcWindow.left + 10, rcWindow.top + 5);
  ScreenToWindowPoint(&window, pt);
  EXPECT_EQ(CPoint(10, 5), pt);

  window.ModifyStyleEx(0, WS_EX_LAYOUTRTL);
  SwapArrowKeysForRtl(&window, key);
  EXPECT_EQ((UINT)VK_RIGHT, key);
  SwapArrowKeysForRtl(&window, key);
  EXPECT_EQ((UINT)VK_LEFT, key);
  pt = CPoint(rcWindow.left + 10, rcWindow.top + 5);
  ScreenToWindowPoint(&window, pt);
  EXPECT_EQ(CPoint(rcWindow.Width() - 10, 5), pt);
  SwapArrowKeysForRtl(nullptr, key);
}

TEST(DrawHelpersWindows, RectanglesTextsAndClasses) {
  EXPECT_TRUE(CTKEmptyRect().IsRectNull());
  EXPECT_TRUE(CTKWindowRect((HWND) nullptr).IsRectNull());
  EXPECT_TRUE(CTKClientRect((const CWnd*)nullptr).IsRectNull());
  CTestHostWindow window;
  ASSERT_TRUE(window.CreateHost(120, 70));
  EXPECT_EQ(CRect(0, 0, 120, 70), CTKClientRect(&window));
  window.SetWindowText("Caption text");
  CString text;
  GetWindowTextString(window.GetSafeHwnd(), text);
  EXPECT_STREQ("Caption text", text);

  ASSERT_TRUE(RegisterWindowClass(nullptr, "VelmDrawHelpersClass", CS_DBLCLKS));
  HWND hWnd = CreateWindowExA(0, "VelmDrawHelpersClass", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, hWnd);
  EXPECT_EQ((ULONG_PTR)CS_DBLCLKS, GetClassLongPtrA(hWnd, GCL_STYLE));
  EXPECT_EQ((ULONG_PTR)LoadCursor(nullptr, IDC_ARROW), GetClassLongPtrA(hWnd, GCLP_HCURSOR));
  DestroyWindow(hWnd);
}

TEST(DrawHelpersWindows, PaintMessagesArePumpedUntilAQuitRequest) {
  CTestHostWindow window;
  ASSERT_TRUE(window.CreateHost(50, 50));
  window.ShowWindow(SW_SHOWNA);
  window.UpdateWindow();
  window.ClearMessages();
  window.InvalidateRect(nullptr, TRUE);
  EXPECT_TRUE(PumpPaintMessages(window.GetSafeHwnd()));
  EXPECT_EQ(1, window.CountMessages(WM_PAINT));
  EXPECT_FALSE(::GetUpdateRect(window.GetSafeHwnd(), nullptr, FALSE));

  window.InvalidateRect(nullptr, TRUE);
  PostQuitMessage(7);
  EXPECT_FALSE(PumpPaintMessages(window.GetSafeHwnd()));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7, (int)msg.wParam);
  EXPECT_TRUE(PumpPaintMessages(window.GetSafeHwnd()));
}

}  // namespace
