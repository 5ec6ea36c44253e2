// The scroll-bar paint managers: the part rectangles, and each look's colours
// or images for each state, read from the pixels of a memory DC.
#include "common/TKScrollBarThemes.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/TKDpiHelper.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "common/TKWinThemeWrapper.h"
#include "testsupport/DibSurface.h"

#include <vssym32.h>

namespace {

/// A vertical bar of 17 x 134 (arrows 17, a track of 100) at position 45 of
/// 0 .. 99 with a page of 10: the thumb lies at y 62 .. 72.
class CPaintedBar : public CTKScrollBase {
 public:
  explicit CPaintedBar(CTKScrollBarPaintManager* pPaintManager) : m_pPaintManager(pPaintManager) {
    pPaintManager->m_cxHScroll = pPaintManager->m_cyVScroll = 17;
    pPaintManager->m_cyHScroll = pPaintManager->m_cxVScroll = 17;
    m_si.cbSize = sizeof(m_si);
    Set(0, 99, 10, 45);
  }
  ~CPaintedBar() override { m_pTrack = NULL; }

  void Set(int nMin, int nMax, int nPage, int nPos, BOOL bVertical = TRUE) {
    m_si.nMin = nMin;
    m_si.nMax = nMax;
    m_si.nPage = nPage;
    m_si.nPos = nPos;
    m_layout.bVertical = bVertical;
    m_rc = bVertical ? CRect(0, 0, 17, 134) : CRect(0, 0, 134, 17);
    UpdateScrollBarInfo();
  }
  /// The part under the mouse, or held down while "tracking".
  void SetPart(int nPart, BOOL bTracking = FALSE, BOOL bOver = TRUE) {
    m_layout.nHitPart = nPart;
    m_track = TK_SCROLLBAR_TRACKINFO();
    m_track.bOverPart = bOver;
    m_track.pLayout = &m_layout;
    m_pTrack = bTracking ? &m_track : NULL;
  }
  COLORREF Draw(CDibSurface& surface) {
    m_pPaintManager->DrawScrollBar(surface.GetDC(), this);
    return 0;
  }

  CWnd* GetParentWindow() const override { return NULL; }
  BOOL IsScrollBarEnabled() const override { return TRUE; }
  CTKScrollBarPaintManager* GetScrollBarPaintManager() const override { return m_pPaintManager; }
  void GetScrollBarRect(CRect& rc) override { rc = m_rc; }
  void GetScrollInfo(SCROLLINFO* pInfo) override { *pInfo = m_si; }
  void RedrawScrollBar() override {}
  void DoScroll(int, int) override {}

  CTKScrollBarPaintManager* m_pPaintManager;
  SCROLLINFO m_si = {};
  CRect m_rc;
  TK_SCROLLBAR_TRACKINFO m_track = {};
};

const COLORREF kUnpainted = RGB(1, 2, 3);

TEST(TKScrollBarParts, FollowTheLayout) {
  CTKScrollBarPaintManager paintManager;
  CPaintedBar bar(&paintManager);
  TK_SCROLLBAR_PARTS p;
  CalcVertScrollBarParts(&bar, &p);
  EXPECT_TRUE(p.bEnabled);
  EXPECT_EQ(CRect(0, 0, 17, 17), CRect(p.rcArrowFirst));
  EXPECT_EQ(CRect(0, 117, 17, 134), CRect(p.rcArrowSecond));
  EXPECT_EQ(CRect(0, 17, 17, 117), CRect(p.rcTrack));
  EXPECT_EQ(CRect(0, 17, 17, 62), CRect(p.rcPageBefore));
  EXPECT_EQ(CRect(0, 62, 17, 72), CRect(p.rcThumb));
  EXPECT_EQ(CRect(0, 72, 17, 117), CRect(p.rcPageAfter));
  // No range beyond the page: no thumb, the whole track after it.
  bar.Set(0, 9, 10, 0);
  CalcVertScrollBarParts(&bar, &p);
  EXPECT_FALSE(p.bEnabled);
  EXPECT_TRUE(::IsRectEmpty(&p.rcThumb));
  EXPECT_EQ(CRect(0, 17, 17, 117), CRect(p.rcPageAfter));
  bar.Set(0, 99, 10, 90, FALSE);
  CalcHorzScrollBarParts(&bar, &p);
  EXPECT_EQ(CRect(107, 0, 117, 17), CRect(p.rcThumb));
}

TEST(TKScrollBarVisualStudio2012, ColoursByStateAndStyle) {
  CTKScrollBarThemeVisualStudio2012 paintManager;
  CPaintedBar bar(&paintManager);
  struct Case {
    int nStyle, nPart;
    BOOL bTracking, bOver;
    COLORREF clrThumb;
  } cases[] = {
      {0, 0, FALSE, FALSE, RGB(208, 209, 215)}, {0, 64, FALSE, FALSE, RGB(136, 136, 136)},  // hot
      {0, 64, TRUE, TRUE, RGB(106, 106, 106)},   // pressed
      {0, 63, TRUE, FALSE, RGB(208, 209, 215)},  // a page held, the mouse elsewhere
      {9, 0, FALSE, FALSE, RGB(104, 104, 104)},  // dark
      {9, 64, TRUE, TRUE, RGB(239, 235, 239)},
  };
  for (const Case& c : cases) {
    CDibSurface surface(17, 134, kUnpainted);
    bar.SetScrollBarStyle(c.nStyle);
    bar.SetPart(c.nPart, c.bTracking, c.bOver);
    bar.Draw(surface);
    EXPECT_EQ(c.clrThumb, surface.GetPixel(8, 66)) << c.nStyle << "/" << c.nPart;
    // Narrowed by 5 pixels on both sides across the axis.
    EXPECT_EQ(c.nStyle == 9 ? RGB(62, 62, 66) : RGB(232, 232, 236), surface.GetPixel(4, 66));
    EXPECT_EQ(c.clrThumb, surface.GetPixel(5, 66));
    EXPECT_EQ(c.clrThumb, surface.GetPixel(11, 66));
    EXPECT_EQ(surface.GetPixel(4, 66), surface.GetPixel(12, 66));
    EXPECT_EQ(surface.GetPixel(4, 66), surface.GetPixel(1, 1));  // arrow buttons
  }
  // A disabled bar has no thumb.
  bar.SetScrollBarStyle(0);
  bar.Set(0, 9, 10, 0);
  bar.SetPart(0);
  CDibSurface surface(17, 134, kUnpainted);
  bar.Draw(surface);
  EXPECT_EQ(17 * 100, surface.CountPixels(CRect(0, 17, 17, 117), RGB(232, 232, 236)));
}

TEST(TKScrollBarVisualStudio2012, ArrowGlyphsInTheirStateColours) {
  CTKScrollBarThemeVisualStudio2012 paintManager;
  CPaintedBar bar(&paintManager);
  const CRect rcUp(0, 0, 17, 17), rcDown(0, 117, 17, 134);
  const COLORREF clrNormal = RGB(134, 137, 153), clrHot = RGB(28, 151, 234),
                 clrPressed = RGB(0, 122, 204), clrDisabled = RGB(202, 203, 211);
  CDibSurface surface(17, 134, kUnpainted);
  bar.Draw(surface);
  EXPECT_GT(surface.CountPixels(rcUp, clrNormal), 4);
  EXPECT_GT(surface.CountPixels(rcDown, clrNormal), 4);
  bar.SetPart(61);
  bar.Draw(surface);
  EXPECT_GT(surface.CountPixels(rcDown, clrHot), 4);
  EXPECT_EQ(0, surface.CountPixels(rcDown, clrNormal));
  EXPECT_GT(surface.CountPixels(rcUp, clrNormal), 4);
  bar.SetPart(60, TRUE);
  bar.Draw(surface);
  EXPECT_GT(surface.CountPixels(rcUp, clrPressed), 4);
  bar.SetPart(60, TRUE, FALSE);  // held, but the mouse went away
  bar.Draw(surface);
  EXPECT_EQ(0, surface.CountPixels(rcUp, clrPressed));
  EXPECT_GT(surface.CountPixels(rcUp, clrNormal), 4);
  bar.Set(0, 9, 10, 0);
  bar.SetPart(0);
  bar.Draw(surface);
  EXPECT_GT(surface.CountPixels(rcUp, clrDisabled), 4);
  // A bar narrower than 6 pixels gets no glyphs.
  bar.Set(0, 99, 10, 45);
  bar.m_rc = CRect(0, 0, 5, 134);
  bar.UpdateScrollBarInfo();
  CDibSurface narrow(5, 134, kUnpainted);
  bar.Draw(narrow);
  EXPECT_EQ(0, narrow.CountPixels(clrNormal));
  EXPECT_GT(narrow.CountPixels(RGB(232, 232, 236)), 0);
}

TEST(TKScrollBarVisualStudio2015, ColoursComeFromTheThemeText) {
  CTKScrollBarThemeVisualStudio2015 paintManager;
  CPaintedBar bar(&paintManager);
  bar.SetScrollBarStyle(9);  // not consulted
  TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), "FlatColors.ini");
  CDibSurface surface(17, 134, kUnpainted);
  bar.Draw(surface);
  EXPECT_EQ(RGB(1, 2, 3), surface.GetPixel(8, 66));
  EXPECT_EQ(RGB(10, 20, 30), surface.GetPixel(1, 30));
  bar.SetPart(64);
  bar.Draw(surface);
  EXPECT_EQ(RGB(4, 5, 6), surface.GetPixel(8, 66));
  // Defaults for the keys the text leaves out.
  bar.SetPart(64, TRUE);
  bar.Draw(surface);
  EXPECT_EQ(RGB(240, 240, 240), surface.GetPixel(8, 66));
  TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), "Office2010Silver.INI");
  bar.Draw(surface);
  EXPECT_EQ(RGB(240, 240, 240), surface.GetPixel(8, 66));
}

TEST(TKScrollBarOffice2013, BorderedPartsByState) {
  TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), "Office2010Silver.INI");
  CTKScrollBarThemeOffice2013 paintManager;
  paintManager.RefreshMetrics();
  CPaintedBar bar(&paintManager);
  const COLORREF F3 = RGB(0xF3, 0xF3, 0xF3), AB = RGB(0xAB, 0xAB, 0xAB),
                 G77 = RGB(0x77, 0x77, 0x77), F0 = RGB(0xF0, 0xF0, 0xF0),
                 FF = RGB(0xFF, 0xFF, 0xFF);
  struct Case {
    int nPart;
    BOOL bTracking;
    COLORREF clrArrowBorder, clrArrowBack, clrThumbBorder, clrThumbBack;
  } cases[] = {
      {0, FALSE, AB, FF, AB, FF},  {60, FALSE, G77, FF, AB, FF},  // hot arrow: selected
      {60, TRUE, G77, F0, AB, FF},                                // pressed arrow
      {64, FALSE, AB, FF, AB, F0},                                // hot thumb
      {64, TRUE, AB, FF, G77, F0},                                // pressed thumb
  };
  for (const Case& c : cases) {
    CDibSurface surface(17, 134, kUnpainted);
    bar.SetPart(c.nPart, c.bTracking);
    bar.Draw(surface);
    EXPECT_EQ(c.clrArrowBorder, surface.GetPixel(0, 8)) << c.nPart << "/" << c.bTracking;
    EXPECT_EQ(c.clrArrowBack, surface.GetPixel(3, 3)) << c.nPart << "/" << c.bTracking;
    EXPECT_EQ(c.clrThumbBorder, surface.GetPixel(0, 66)) << c.nPart << "/" << c.bTracking;
    EXPECT_EQ(c.clrThumbBack, surface.GetPixel(8, 66)) << c.nPart << "/" << c.bTracking;
    EXPECT_EQ(F3, surface.GetPixel(8, 40));
  }
  bar.Set(0, 9, 10, 0);
  bar.SetPart(0);
  CDibSurface surface(17, 134, kUnpainted);
  bar.Draw(surface);
  EXPECT_EQ(F3, surface.GetPixel(0, 8));
  EXPECT_EQ(F3, surface.GetPixel(8, 20));  // no thumb
  // The theme text's colour wins over the default.
  TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), "FlatColors.ini");
  paintManager.RefreshMetrics();
  EXPECT_EQ(RGB(7, 8, 9), paintManager.m_clr[CTKScrollBarThemeOffice2013::STATE_NORMAL]
                                            [CTKScrollBarThemeOffice2013::COL_SCROLLBORDER]);
  TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), "Office2010Silver.INI");
}

/// The pixel the image's slice shows at (x, y) once drawn as the bar draws
/// it: over the bar's background image, narrowed by a pixel on each side.
COLORREF SlicePixel(const char* name, const CRect& rcDest, int nState, int nCount,
                    const CRect& rcMargins, int x, int y, bool bMagenta) {
  CTKResourceImage* pImage = TKResourceImages()->LoadImage(name);
  CTKResourceImage* pBar = TKResourceImages()->LoadImage("CONTROLGALLERYSCROLLVERTICALLIGHT");
  if (pImage == NULL || pBar == NULL) return CLR_INVALID;
  CDibSurface reference(17, 134, kUnpainted);
  pBar->DrawImage(reference.GetDC(), CRect(1, 0, 16, 134), pBar->GetSourceRect(0, 2),
                  CRect(1, 0, 1, 0));
  pImage->DrawImageTransparent(reference.GetDC(), rcDest, pImage->GetSourceRect(nState, nCount),
                               rcMargins, bMagenta ? RGB(255, 0, 255) : (COLORREF)-1);
  return reference.GetPixel(x, y);
}

class TKScrollBarResource : public ::testing::Test {
 protected:
  void SetUp() override {
    TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), "Office2010Silver.INI");
  }
  CTKScrollBarThemeResource m_paintManager;
};

TEST_F(TKScrollBarResource, ArrowStatesFollowTheMouse) {
  CPaintedBar bar(&m_paintManager);
  // The arrows lie one pixel in from each side of the bar.
  const CRect rcArrow(1, 0, 16, 17);
  struct Case {
    int nPart;
    BOOL bTracking;
    int nFirstState, nSecondState;
  } cases[] = {
      {0, FALSE, 0, 0},  {60, FALSE, 2, 1}, {60, TRUE, 3, 1},
      {61, FALSE, 1, 2}, {62, FALSE, 1, 1},  // the track lights both arrows
  };
  for (const Case& c : cases) {
    CDibSurface surface(17, 134, kUnpainted);
    bar.SetPart(c.nPart, c.bTracking);
    bar.Draw(surface);
    EXPECT_EQ(SlicePixel("CONTROLGALLERYSCROLLARROWSVERTICALLIGHT", rcArrow, c.nFirstState, 4,
                         CRect(3, 3, 3, 3), 2, 8, true),
              surface.GetPixel(2, 8))
        << c.nPart;
    EXPECT_EQ(SlicePixel("CONTROLGALLERYSCROLLARROWSVERTICALLIGHT", rcArrow, c.nSecondState, 4,
                         CRect(3, 3, 3, 3), 2, 8, true),
              surface.GetPixel(2, 117 + 8))
        << c.nPart;
    EXPECT_EQ(kUnpainted, surface.GetPixel(0, 8)) << "outside the narrowed bar";
  }
}

TEST_F(TKScrollBarResource, ThumbStatesAndADisabledBar) {
  CPaintedBar bar(&m_paintManager);
  const CRect rcThumb(1, 62, 16, 72);
  struct Case {
    int nPart;
    BOOL bTracking;
    int nState;
  } cases[] = {{0, FALSE, 0}, {64, FALSE, 1}, {64, TRUE, 2}, {61, TRUE, 0}};
  for (const Case& c : cases) {
    CDibSurface surface(17, 134, kUnpainted);
    bar.SetPart(c.nPart, c.bTracking);
    bar.Draw(surface);
    EXPECT_EQ(SlicePixel("CONTROLGALLERYSCROLLTHUMBVERTICAL", rcThumb, c.nState, 3,
                         CRect(5, 5, 5, 5), 8, 67, false),
              surface.GetPixel(8, 67))
        << c.nPart;
  }
  // Disabled: the track shows its background where the thumb would be.
  bar.Set(0, 9, 10, 0);
  bar.SetPart(0);
  CDibSurface surface(17, 134, kUnpainted);
  bar.Draw(surface);
  EXPECT_EQ(surface.GetPixel(8, 100), surface.GetPixel(8, 20));
}

TEST_F(TKScrollBarResource, APressedPageShowsTheSecondSlice) {
  CPaintedBar bar(&m_paintManager);
  CDibSurface idle(17, 134, kUnpainted);
  bar.Draw(idle);
  CDibSurface pressed(17, 134, kUnpainted);
  bar.SetPart(63, TRUE);
  bar.Draw(pressed);
  EXPECT_NE(idle.GetPixel(8, 100), pressed.GetPixel(8, 100));
  EXPECT_EQ(idle.GetPixel(8, 40), pressed.GetPixel(8, 40));  // the other page stays
  EXPECT_EQ(SlicePixel("CONTROLGALLERYSCROLLVERTICALLIGHT", CRect(1, 72, 16, 117), 1, 2,
                       CRect(1, 0, 1, 0), 8, 100, false),
            pressed.GetPixel(8, 100));
}

TEST_F(TKScrollBarResource, NothingWithoutImagesOrCrossExtent) {
  CPaintedBar bar(&m_paintManager);
  bar.m_rc = CRect(0, 0, 0, 134);
  bar.UpdateScrollBarInfo();
  CDibSurface surface(17, 134, kUnpainted);
  bar.Draw(surface);
  EXPECT_EQ(17 * 134, surface.CountPixels(kUnpainted));
  TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), "Missing.ini");
  bar.m_rc = CRect(0, 0, 17, 134);
  bar.UpdateScrollBarInfo();
  bar.Draw(surface);
  EXPECT_EQ(17 * 134, surface.CountPixels(kUnpainted));
}

TEST(TKScrollBarClassic, FrameControlArrowsAndAPressedPage) {
  CTKScrollBarThemeWindowsUx paintManager;  // no visual styles: the classic look
  paintManager.RefreshMetrics();
  CPaintedBar bar(&paintManager);
  CDibSurface surface(17, 134, kUnpainted);
  bar.Draw(surface);
  CDibSurface reference(17, 134, kUnpainted);
  RECT rc = {0, 0, 17, 17};
  ::DrawFrameControl(reference.GetSafeHdc(), &rc, DFC_SCROLL, DFCS_SCROLLUP);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 17; ++x) ASSERT_EQ(reference.GetPixel(x, y), surface.GetPixel(x, y));
  COLORREF clrTrack = surface.GetPixel(8, 30);
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), surface.GetPixel(8, 66));  // the thumb
  bar.SetPart(62, TRUE);
  bar.Draw(surface);
  EXPECT_EQ(clrTrack ^ 0xFFFFFF, surface.GetPixel(8, 30));  // inverted
  EXPECT_EQ(clrTrack, surface.GetPixel(8, 100));
}

TEST(TKScrollBarClassic, ADisabledBarHasInactiveArrowsAndNoThumb) {
  CTKScrollBarThemeWindowsClassic paintManager;
  paintManager.RefreshMetrics();
  CPaintedBar bar(&paintManager);
  bar.Set(0, 9, 10, 0);
  CDibSurface surface(17, 134, kUnpainted);
  bar.Draw(surface);
  CDibSurface reference(17, 134, kUnpainted);
  RECT rc = {0, 117, 17, 134};
  ::DrawFrameControl(reference.GetSafeHdc(), &rc, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE);
  for (int y = 117; y < 134; ++y)
    for (int x = 0; x < 17; ++x) ASSERT_EQ(reference.GetPixel(x, y), surface.GetPixel(x, y));
  EXPECT_EQ(surface.GetPixel(8, 20), surface.GetPixel(8, 100));
}

// The visual-styles look, through entry points of our own that record what
// it draws.

struct ThemedPart {
  int nPart, nState;
  CRect rc;
};
std::vector<ThemedPart> g_themedParts;
const HTHEME kRecordingTheme = reinterpret_cast<HTHEME>(0x5150);

HTHEME WINAPI RecordingOpen(HWND, LPCWSTR) { return kRecordingTheme; }
HRESULT WINAPI RecordingClose(HTHEME) { return S_OK; }
HRESULT WINAPI RecordingDraw(HTHEME, HDC, int nPart, int nState, const RECT* pRect, const RECT*) {
  g_themedParts.push_back({nPart, nState, CRect(*pRect)});
  return S_OK;
}
BOOL WINAPI RecordingYes() { return TRUE; }

/// The visual-styles bar with a theme that records its parts.
class CRecordedUxBar : public CTKScrollBarThemeWindowsUx {
 public:
  CRecordedUxBar() {
    m_pTheme->UsePrivateFunctionTable("no-such-uxtheme.dll");
    CTKWinThemeWrapper::CFunctionTable* pTable = m_pTheme->GetFunctionTable();
    pTable->hModule = ::GetModuleHandleA("kernel32.dll");
    pTable->dwComCtlVersion = 0x60000;
    pTable->pfn[CTKWinThemeWrapper::slotOpenThemeData] = reinterpret_cast<FARPROC>(&RecordingOpen);
    pTable->pfn[CTKWinThemeWrapper::slotCloseThemeData] =
        reinterpret_cast<FARPROC>(&RecordingClose);
    pTable->pfn[CTKWinThemeWrapper::slotDrawThemeBackground] =
        reinterpret_cast<FARPROC>(&RecordingDraw);
    pTable->pfn[CTKWinThemeWrapper::slotIsThemeActive] = reinterpret_cast<FARPROC>(&RecordingYes);
    pTable->pfn[CTKWinThemeWrapper::slotIsAppThemed] = reinterpret_cast<FARPROC>(&RecordingYes);
    RefreshMetrics();
  }
  /// The state drawn for a part, -1 when it was not drawn.
  static int StateOf(int nPart) {
    for (const ThemedPart& part : g_themedParts)
      if (part.nPart == nPart) return part.nState;
    return -1;
  }
};

TEST(TKScrollBarWindowsUx, AThumbOfThirteenPixelsHasNoGripper) {
  TKDpiHelper()->OverrideDpi(96, 96);
  CRecordedUxBar paintManager;
  CPaintedBar bar(&paintManager);
  struct Case {
    int nPage;  ///< of a range of 100 on a 100-pixel track
    int nThumb;
    bool bGripper;
  };
  for (const Case& c : {Case{13, 13, false}, Case{14, 14, true}}) {
    bar.Set(0, 99, c.nPage, 0);
    g_themedParts.clear();
    CDibSurface surface(17, 134, kUnpainted);
    bar.Draw(surface);
    ASSERT_NE(CRecordedUxBar::StateOf(SBP_THUMBBTNVERT), -1);
    EXPECT_EQ(bar.GetLayout().pxThumbEnd - bar.GetLayout().pxThumbStart, c.nThumb);
    EXPECT_EQ(CRecordedUxBar::StateOf(SBP_GRIPPERVERT) != -1, c.bGripper) << c.nThumb;
  }
}

TEST(TKScrollBarWindowsUx, PartsAreHotWithoutTrackingAndPressedOnlyWhileHeld) {
  CRecordedUxBar paintManager;
  CPaintedBar bar(&paintManager);
  struct Case {
    int nPart;
    BOOL bTracking, bOver;
    int nUpState, nThumbState;
  };
  const Case cases[] = {
      {0, FALSE, FALSE, ABS_UPNORMAL, SCRBS_NORMAL},
      {TKSB_HT_UP, FALSE, FALSE, ABS_UPHOT, SCRBS_NORMAL},
      {TKSB_HT_UP, TRUE, TRUE, ABS_UPPRESSED, SCRBS_NORMAL},
      {TKSB_HT_UP, TRUE, FALSE, ABS_UPNORMAL, SCRBS_NORMAL},  // held, mouse off it
      {TKSB_HT_THUMB, FALSE, FALSE, ABS_UPNORMAL, SCRBS_HOT},
      {TKSB_HT_THUMB, TRUE, TRUE, ABS_UPNORMAL, SCRBS_PRESSED},
  };
  for (const Case& c : cases) {
    bar.SetPart(c.nPart, c.bTracking, c.bOver);
    g_themedParts.clear();
    CDibSurface surface(17, 134, kUnpainted);
    bar.Draw(surface);
    EXPECT_EQ(CRecordedUxBar::StateOf(SBP_ARROWBTN), c.nUpState) << c.nPart << c.bTracking;
    EXPECT_EQ(CRecordedUxBar::StateOf(SBP_THUMBBTNVERT), c.nThumbState) << c.nPart;
  }
}

}  // namespace
