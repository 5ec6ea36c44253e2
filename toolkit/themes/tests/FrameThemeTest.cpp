// The frame themes: the caption text with the application title set apart,
// the caption icon's sources, the image frame's region, borders, caption
// button glyphs and status-bar strips, and its metrics from the theme texts.
#include <gtest/gtest.h>

#include <afxpriv.h>

#include <memory>
#include <vector>

#include "SupportThemePaintManager.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKStatusBar.h"
#include "commandbars/TKStatusBarPane.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImages.h"
#include "testsupport/DibSurface.h"
#include "themes/TKRibbonOffice2007FrameTheme.h"

namespace {

const COLORREF kText = RGB(200, 0, 0);
const COLORREF kTitle = RGB(0, 160, 0);
const COLORREF kInactive = RGB(0, 0, 220);

/// The image frame with its protected steps in reach.
class CTestFrameTheme : public CTKRibbonOffice2007FrameTheme {
 public:
  using CTKRibbonOffice2007FrameTheme::CTKRibbonOffice2007FrameTheme;
  using CTKRibbonOffice2007FrameTheme::DrawBorders;
  using CTKRibbonOffice2007FrameTheme::FrameGeometry;
  using CTKRibbonOffice2007FrameTheme::IsStatusBarEndDark;
};

/// A theme paint manager whose frame is the image frame.
class CFramedPaintManager : public CTestThemePaintManager {
 public:
  CFramedPaintManager() : m_frame(this) {}
  CTKFramePaintManager* GetFramePaintManager() override { return &m_frame; }
  CTestFrameTheme m_frame;
};

int CountColor(CDibSurface& surface, CRect rc, COLORREF clr) { return surface.CountPixels(rc, clr); }

class FrameThemeTest : public ::testing::Test {
 protected:
  void SetUp() override { TKDpiHelper()->OverrideDpi(96, 96); }
  void TearDown() override { TKResourceImages()->SetHandle(NULL); }

  CFramedPaintManager m_paintManager;
  CTestFrameTheme& Theme() { return m_paintManager.m_frame; }
};

// Caption text ----------------------------------------------------------------------

/// A frame window whose title is the application's and whose text starts with
/// a document name.
class CTitledFrame : public CFrameWnd {
 public:
  BOOL CreateTitled(LPCSTR lpszText, DWORD dwExStyle) {
    SetTitle("Velmoran");
    return CreateEx(dwExStyle, AfxRegisterWndClass(0), lpszText,
                    WS_OVERLAPPEDWINDOW | FWS_PREFIXTITLE, CRect(0, 0, 400, 200), nullptr, 0);
  }
};

TEST_F(FrameThemeTest, ThePrefixedTitleIsDrawnApartInItsOwnColour) {
  struct Case {
    const char* name;
    DWORD dwExStyle;
    int cxCaption;
    BOOL bActive;
    bool bTitleColour;  // some pixels in the title colour
    bool bTitleText;    // the title drawn at all (in either colour)
  };
  const Case cases[] = {
      {"active", 0, 300, TRUE, true, true},
      {"inactive: the title in the inactive colour", 0, 300, FALSE, false, true},
      {"right to left: one text", WS_EX_LAYOUTRTL, 300, TRUE, false, true},
      {"too narrow for the title", 0, 75, TRUE, false, false},
  };
  Theme().m_clrCaptionTextActive = kText;
  Theme().m_clrCaptionTextInactive = kInactive;
  Theme().m_clrCaptionTextTitle = kTitle;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CTitledFrame frame;
    ASSERT_TRUE(frame.CreateTitled("Release.velm - Velmoran", c.dwExStyle));
    CDibSurface surface(320, 24);
    CDC* pDC = surface.GetDC();
    Theme().DrawCaptionText(pDC, CRect(0, 0, c.cxCaption, 24), frame.m_hWnd, c.bActive);
    const COLORREF clrDocument = c.bActive ? kText : kInactive;
    const COLORREF clrTitle = c.bActive && !(c.dwExStyle & WS_EX_LAYOUTRTL) ? kTitle : clrDocument;
    // "Release.velm - " is about 75 pixels in the system font: the document
    // part lies in the first 60, the title beyond 100.
    EXPECT_GT(CountColor(surface, CRect(0, 0, 60, 24), clrDocument), 0);
    EXPECT_EQ(CountColor(surface, CRect(0, 0, 60, 24), kTitle), 0);
    EXPECT_EQ(CountColor(surface, CRect(0, 0, 320, 24), kTitle) > 0, c.bTitleColour);
    EXPECT_EQ(CountColor(surface, CRect(100, 0, 320, 24), clrTitle) > 0, c.bTitleText);
    frame.DestroyWindow();
  }
}

// Icons -------------------------------------------------------------------------------

TEST_F(FrameThemeTest, TheCaptionIconComesFromTheWindowUnlessItIsAToolWindow) {
  HICON hIcon = ::LoadIcon(NULL, IDI_INFORMATION);
  struct Case {
    const char* name;
    DWORD dwStyle, dwExStyle;
    bool bIcon;
  };
  const Case cases[] = {
      {"a frame", WS_OVERLAPPEDWINDOW, 0, true},
      {"a tool window", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, false},
      {"no system menu", WS_OVERLAPPED | WS_CAPTION, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND hWnd = ::CreateWindowEx(c.dwExStyle, "STATIC", "", c.dwStyle, 0, 0, 100, 100, NULL, NULL,
                                 NULL, NULL);
    ASSERT_NE(hWnd, nullptr);
    ::SendMessage(hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    EXPECT_EQ(CTKFramePaintManagerBase::GetFrameSmallIcon(hWnd), c.bIcon ? hIcon : NULL);
    ::DestroyWindow(hWnd);
  }
  EXPECT_EQ(CTKFramePaintManagerBase::GetFrameSmallIcon(NULL), nullptr);
}

// A window that takes too long over its drag icon: after 100 ms the caption
// takes the system's icon instead of waiting, and never the late answer.
HANDLE g_hReleaseDragIcon = NULL;

LRESULT CALLBACK SlowDragIconProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_QUERYDRAGICON) {
    ::WaitForSingleObject(g_hReleaseDragIcon, 10000);
    return reinterpret_cast<LRESULT>(::LoadIcon(NULL, IDI_ERROR));
  }
  return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

TEST_F(FrameThemeTest, AWindowThatDoesNotAnswerInTimeGetsTheSystemIcon) {
  struct Slow {
    HANDLE hCreated = ::CreateEvent(NULL, TRUE, FALSE, NULL);
    HWND hWnd = NULL;
  } slow;
  g_hReleaseDragIcon = ::CreateEvent(NULL, TRUE, FALSE, NULL);
  DWORD dwThreadId = 0;
  HANDLE hThread = ::CreateThread(
      NULL, 0,
      [](LPVOID pParam) -> DWORD {
        Slow* p = static_cast<Slow*>(pParam);
        // A class without icons, so that only the drag icon could answer.
        WNDCLASSA wc = {};
        wc.lpfnWndProc = SlowDragIconProc;
        wc.hInstance = ::GetModuleHandle(NULL);
        wc.lpszClassName = "FrameThemeTestSlow";
        ::RegisterClassA(&wc);
        p->hWnd = ::CreateWindowA("FrameThemeTestSlow", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  NULL, NULL, wc.hInstance, NULL);
        ::SetEvent(p->hCreated);
        MSG msg;
        while (::GetMessage(&msg, NULL, 0, 0) > 0) ::DispatchMessage(&msg);
        ::DestroyWindow(p->hWnd);
        return 0;
      },
      &slow, 0, &dwThreadId);
  ASSERT_EQ(::WaitForSingleObject(slow.hCreated, 10000), WAIT_OBJECT_0);
  EXPECT_EQ(CTKFramePaintManagerBase::GetFrameSmallIcon(slow.hWnd), ::LoadIcon(NULL, IDI_WINLOGO));
  ::SetEvent(g_hReleaseDragIcon);
  ::PostThreadMessage(dwThreadId, WM_QUIT, 0, 0);
  ::WaitForSingleObject(hThread, 10000);
  ::CloseHandle(hThread);
  ::CloseHandle(slow.hCreated);
  ::CloseHandle(g_hReleaseDragIcon);
}

// The image frame ----------------------------------------------------------------

/// A hidden frame with command bars drawn by the image frame.
struct FramedWindow {
  CFrameWnd* pFrame = new CFrameWnd;
  CTKCommandBars* pBars = new CTKCommandBars;
  CFramedPaintManager* pPaintManager = new CFramedPaintManager;

  explicit FramedWindow(DWORD dwStyle = WS_OVERLAPPEDWINDOW) {
    pFrame->Create(NULL, "Frame", dwStyle, CRect(0, 0, 300, 200));
    pBars->SetPaintManager(pPaintManager);
    pBars->SetSite(pFrame);
    pBars->EnableFrameTheme(TRUE);
  }
  ~FramedWindow() {
    pBars->InternalRelease();
    pFrame->DestroyWindow();
  }
  CTKCommandBarsFrameHook* Hook() { return pBars->GetFrameHook(); }
  CTestFrameTheme& Theme() { return pPaintManager->m_frame; }
};

TEST_F(FrameThemeTest, TheRegionCutsTheTopCornersAndRoundsTheBottomOnRequest) {
  FramedWindow window;
  const int W = 120, H = 80;
  struct Case {
    const char* name;
    BOOL bRounded;
    std::vector<POINT> inside, outside;
  };
  const Case cases[] = {
      {"square bottom", FALSE,
       {{4, 0}, {W - 5, 0}, {2, 1}, {1, 2}, {1, 3}, {0, 4}, {0, H - 1}, {W - 1, H - 1}},
       {{3, 0}, {W - 4, 0}, {1, 1}, {0, 2}, {0, 3}, {W, 4}}},
      {"rounded bottom", TRUE,
       {{0, H - 5}, {1, H - 4}, {2, H - 2}, {4, H - 1}, {W - 5, H - 1}},
       {{0, H - 4}, {1, H - 2}, {3, H - 1}, {W - 4, H - 1}, {W - 1, H - 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window.Theme().m_bRoundedBottom = c.bRounded;
    CRgn region;
    ASSERT_TRUE(region.Attach(window.Theme().CreateFrameRegion(window.Hook(), W, H)));
    for (POINT pt : c.inside) EXPECT_TRUE(region.PtInRegion(pt)) << pt.x << "," << pt.y;
    for (POINT pt : c.outside) EXPECT_FALSE(region.PtInRegion(pt)) << pt.x << "," << pt.y;
    // Read back as rectangles: the bounds are the whole window.
    std::vector<BYTE> data(region.GetRegionData(nullptr, 0));
    RGNDATA* pData = reinterpret_cast<RGNDATA*>(data.data());
    ASSERT_GT(region.GetRegionData(pData, static_cast<int>(data.size())), 0);
    EXPECT_EQ(CRect(pData->rdh.rcBound), CRect(0, 0, W, H));
    EXPECT_GE(pData->rdh.nCount, c.bRounded ? 6u : 4u);
  }
}

TEST_F(FrameThemeTest, AMaximisedFrameHasNoRegionAndTheBordersOfTheSystem) {
  FramedWindow window(WS_OVERLAPPEDWINDOW | WS_MAXIMIZE);
  EXPECT_EQ(window.Theme().CreateFrameRegion(window.Hook(), 120, 80), nullptr);
  CRect rcSystem(0, 0, 0, 0);
  ::AdjustWindowRectEx(&rcSystem, window.Hook()->GetSiteStyle(), FALSE, window.Hook()->GetSiteExStyle());
  EXPECT_EQ(window.Theme().GetFrameBorders(window.Hook()).left, -rcSystem.left);

  FramedWindow restored;
  EXPECT_EQ(restored.Theme().GetFrameBorders(restored.Hook()), CRect(4, 4, 4, 4));
}

TEST_F(FrameThemeTest, BorderStepsFollowTheFlatSettingAndTheMaximisedBottomLine) {
  const COLORREF B[4] = {RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0), RGB(40, 0, 0)};
  struct Case {
    const char* name;
    BOOL bFlat, bMaximized;
    int xColumn[4];     // the colour index of columns x = 0 .. 3 at mid height
    int nBottomLine;    // the colour index of the bottom line
  };
  const Case cases[] = {
      {"flat", TRUE, FALSE, {0, 1, 2, 3}, 0},
      {"raised", FALSE, FALSE, {0, 1, 2, 3}, 0},
      {"flat, maximised and active", TRUE, TRUE, {0, 1, 2, 3}, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Theme().m_bFlatFrame = c.bFlat;
    CTestFrameTheme::FrameGeometry g = {};
    g.cxWindow = 60;
    g.cyWindow = 50;
    g.cxBorder = 4;
    g.cyBottom = 4;
    g.cyCaption = 20;
    g.bActive = TRUE;
    g.bMaximized = c.bMaximized;
    g.pBorder = B;
    CDibSurface surface(60, 50);
    Theme().DrawBorders(surface.GetDC(), g);
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(surface.GetPixel(x, 30), B[c.xColumn[x]]) << "left column " << x;
      EXPECT_EQ(surface.GetPixel(59 - x, 30), B[c.xColumn[x]]) << "right column " << x;
    }
    EXPECT_EQ(surface.GetPixel(30, 49), B[c.nBottomLine]);
    // Flat: the inner line of the bottom border in B3 over a band in B2;
    // raised: the band in B3.
    EXPECT_EQ(surface.GetPixel(30, 46), B[3]);
    EXPECT_EQ(surface.GetPixel(30, 47), c.bFlat ? B[2] : B[3]);
    EXPECT_EQ(surface.GetPixel(30, 10), RGB(255, 255, 255)) << "the caption is left alone";
  }
}

TEST_F(FrameThemeTest, CaptionButtonGlyphsFollowTheButtonWidth) {
  struct Case {
    int cx;
    int nGlyph;
  };
  for (Case c : {Case{27, 23}, Case{26, 17}, Case{16, 17}, Case{15, 17}, Case{14, 13}})
    EXPECT_EQ(CTKRibbonOffice2007FrameTheme::GetCaptionGlyphSize(c.cx), c.nGlyph) << c.cx;
}

TEST_F(FrameThemeTest, TheStatusBarStripTakesTheDarkImageOnlyBesideADarkEndPane) {
  FramedWindow window;
  CTKStatusBar* pStatus = new CTKStatusBar;
  ASSERT_TRUE(pStatus->Create(window.pFrame));
  const UINT ids[] = {0, 0, 0};  // separators: panes that need no string
  ASSERT_TRUE(pStatus->SetIndicators(ids, 3));
  for (int i = 0; i < 3; ++i) pStatus->GetPane(i)->SetWidth(30);
  window.pFrame->RecalcLayout();  // room for the panes
  pStatus->GetPane(2)->SetDarkBackground(TRUE);
  pStatus->GetPane(1)->SetVisible(FALSE);

  CTestFrameTheme& theme = window.Theme();
  EXPECT_FALSE(theme.IsStatusBarEndDark(window.Hook(), TRUE)) << "the pane flag is off";
  theme.m_bStatusBarPanes = TRUE;
  EXPECT_TRUE(theme.IsStatusBarEndDark(window.Hook(), TRUE));
  EXPECT_FALSE(theme.IsStatusBarEndDark(window.Hook(), FALSE));
  pStatus->GetPane(2)->SetVisible(FALSE);
  pStatus->GetPane(1)->SetVisible(TRUE);
  EXPECT_FALSE(theme.IsStatusBarEndDark(window.Hook(), TRUE)) << "the last visible pane is light";
}

TEST_F(FrameThemeTest, MetricsComeFromEachThemeText) {
  struct Case {
    const char* pszIni;
    COLORREF clrBorderActive0, clrCaptionText;
  };
  const Case cases[] = {
      {"Office2010Silver.INI", RGB(101, 109, 117), RGB(59, 59, 59)},
      {"Office2010Blue.INI", RGB(144, 154, 166), RGB(30, 57, 91)},
      {"Office2010Black.INI", RGB(99, 99, 99), RGB(226, 226, 226)},
  };
  CTestFrameTheme& theme = Theme();
  theme.RefreshMetrics();
  EXPECT_EQ(theme.m_clrBorderActive[0], static_cast<COLORREF>(-1)) << "no theme text selected";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pszIni);
    ASSERT_TRUE(TKResourceImages()->SetHandleEx(::GetModuleHandleA(NULL), c.pszIni, NULL, FALSE));
    theme.RefreshMetrics();
    EXPECT_TRUE(theme.m_bFlatFrame);
    EXPECT_EQ(theme.m_clrBorderActive[0], c.clrBorderActive0);
    EXPECT_EQ(static_cast<COLORREF>(theme.m_clrCaptionTextActive), c.clrCaptionText);
    EXPECT_GE(theme.m_nCaptionHeight, 17);
    EXPECT_TRUE(theme.m_bCaptionCenterAligned);
    EXPECT_NE(theme.m_fontFrameCaption.GetSafeHandle(), nullptr);
  }
}

}  // namespace
