// The theme's frame: caption buttons by style, the non-client size, hit
// tests, the region, button tracking, painting on resize, the task-bar seam,
// the status bar in the frame and the registered messages.
#include <gtest/gtest.h>

#include <memory>

#include "SupportFakeDwm.h"
#include "SupportPaintManager.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMenuBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKWinThemeWrapper.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "testsupport/MessageLoop.h"

#include <shellapi.h>

namespace {

/// A top-level frame that records the system commands it receives and carries
/// them out no further (a close would end the test's window).
class CTestFrame : public CTestHostWindow {
 public:
  std::vector<WPARAM> m_sysCommands;

  BOOL CreateFrame(DWORD dwStyle, DWORD dwExStyle = 0, CRect rc = CRect(100, 100, 500, 400)) {
    if (!CreateHost(rc.Width(), rc.Height())) return FALSE;
    ::SetWindowLong(m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
    ::SetWindowLong(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(dwExStyle));
    SetWindowText("Frame");
    return ::SetWindowPos(m_hWnd, NULL, rc.left, rc.top, rc.Width(), rc.Height(),
                          SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) != SC_KEYMENU) {
      m_sysCommands.push_back(wParam & 0xFFF0);
      return 0;
    }
    return CTestHostWindow::WindowProc(message, wParam, lParam);
  }
};

/// A frame with command bars that theme it.
struct FramedWindow {
  CTestFrame frame;
  CTKCommandBars* pBars = nullptr;
  CTestFramedPaintManager* pPaintManager = nullptr;

  explicit FramedWindow(DWORD dwStyle = WS_OVERLAPPEDWINDOW, DWORD dwExStyle = 0) {
    frame.CreateFrame(dwStyle, dwExStyle);
    pBars = new CTKCommandBars;
    pPaintManager = new CTestFramedPaintManager;
    pBars->SetPaintManager(pPaintManager);
    pBars->SetSite(&frame);
  }
  ~FramedWindow() {
    pBars->InternalRelease();
    frame.DestroyWindow();
  }
  CTestFramePaintManager& Theme() { return pPaintManager->m_frame; }
  CTKCommandBarsFrameHook* Attach() {
    pBars->EnableFrameTheme(TRUE);
    return pBars->GetFrameHook();
  }
  CTKControl* Button(UINT nCommand) {
    return pBars->GetFrameHook()->GetCaptionButtons()->FindControlById(static_cast<int>(nCommand));
  }
  /// A point of the window in screen coordinates.
  CPoint ToScreen(CPoint ptWindow) {
    CRect rc;
    frame.GetWindowRect(&rc);
    return rc.TopLeft() + ptWindow;
  }
  /// A point of the window in client coordinates.
  CPoint ToClient(CPoint ptWindow) {
    CPoint pt = ToScreen(ptWindow);
    frame.ScreenToClient(&pt);
    return pt;
  }
  CRect SendNcCalcSize(CRect rc) {
    frame.SendMessage(WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rc));
    return rc;
  }
};

class FrameHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    TKSetCommandBarsSystem(&m_system);
  }
  void TearDown() override { TKSetCommandBarsSystem(nullptr); }

  CRecordingSystem m_system;
};

TEST_F(FrameHookTest, CaptionButtonsFollowTheStyles) {
  struct Case {
    const char* name;
    DWORD dwStyle;
    DWORD dwExStyle;
    bool bGrayClose;
    bool bMinVisible, bMaxVisible, bCloseVisible, bCloseEnabled, bMaxEnabled;
  };
  const Case cases[] = {
      {"overlapped", WS_OVERLAPPEDWINDOW, 0, false, true, true, true, true, true},
      {"tool window", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, false, false, false, true, true, true},
      {"no system menu", WS_OVERLAPPEDWINDOW & ~WS_SYSMENU, 0, false, false, false, false, true,
       true},
      {"grayed close", WS_OVERLAPPEDWINDOW, 0, true, true, true, true, false, true},
      {"no maximise box", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, 0, false, true, true, true, true,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FramedWindow window(c.dwStyle, c.dwExStyle);
    if (c.bGrayClose)
      ::EnableMenuItem(::GetSystemMenu(window.frame.m_hWnd, FALSE), SC_CLOSE,
                       MF_BYCOMMAND | MF_GRAYED);
    window.Attach()->UpdateFrameCaptionButtons();
    EXPECT_EQ(window.Button(SC_MINIMIZE)->IsVisible() != FALSE, c.bMinVisible);
    EXPECT_EQ(window.Button(SC_MAXIMIZE)->IsVisible() != FALSE, c.bMaxVisible);
    EXPECT_EQ(window.Button(SC_MAXIMIZE)->GetEnabled() != FALSE, c.bMaxEnabled);
    EXPECT_EQ(window.Button(SC_CLOSE)->IsVisible() != FALSE, c.bCloseVisible);
    EXPECT_EQ(window.Button(SC_CLOSE)->GetEnabled() != FALSE, c.bCloseEnabled);
    EXPECT_FALSE(window.Button(SC_RESTORE)->IsVisible());
  }
}

TEST_F(FrameHookTest, ButtonsArePlacedRightToLeftInTheCaptionBand) {
  FramedWindow window;
  window.Attach()->UpdateFrameCaptionButtons();
  // 400 wide, 4-pixel borders, 20 x 18 buttons from the right border.
  EXPECT_EQ(window.Button(SC_CLOSE)->GetRect(), CRect(376, 4, 396, 22));
  EXPECT_EQ(window.Button(SC_MAXIMIZE)->GetRect(), CRect(356, 4, 376, 22));
  EXPECT_EQ(window.Button(SC_MINIMIZE)->GetRect(), CRect(336, 4, 356, 22));
}

TEST_F(FrameHookTest, NonClientAreaIsTheThemesBordersAndCaption) {
  FramedWindow window;
  window.Theme().m_rcBorder = CRect(3, 5, 6, 7);
  window.Attach();
  // The caption height counts from the window's top: top border plus 22.
  EXPECT_EQ(window.SendNcCalcSize(CRect(100, 100, 500, 400)), CRect(103, 127, 494, 393));
  CRect rcClient;
  window.frame.GetClientRect(&rcClient);
  EXPECT_EQ(rcClient.Size(), CSize(400 - 9, 300 - 27 - 7));
}

TEST_F(FrameHookTest, WindowTakesTheThemesRegion) {
  FramedWindow window;
  window.Attach();
  ASSERT_FALSE(window.Theme().m_regionSizes.empty());
  EXPECT_EQ(window.Theme().m_regionSizes.back(), CSize(400, 300));
  HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(window.frame.m_hWnd, hRegion), ERROR);
  EXPECT_FALSE(::PtInRegion(hRegion, 0, 0));
  EXPECT_FALSE(::PtInRegion(hRegion, 399, 1));
  EXPECT_TRUE(::PtInRegion(hRegion, CTestFramePaintManager::kCorner, 0));
  EXPECT_TRUE(::PtInRegion(hRegion, 0, CTestFramePaintManager::kCorner));
  EXPECT_TRUE(::PtInRegion(hRegion, 399, 299));
  ::DeleteObject(hRegion);

  window.pBars->EnableFrameTheme(FALSE);
  EXPECT_EQ(::GetWindowRgn(window.frame.m_hWnd, hRegion), ERROR);
}

TEST_F(FrameHookTest, HitTestsAtChosenPoints) {
  FramedWindow window;
  // A caption taller than the standard one: its lower part is the hook's alone.
  window.Theme().m_nCaptionHeight = 40;
  window.Attach()->UpdateFrameCaptionButtons();
  struct Case {
    CPoint ptWindow;
    LRESULT nExpected;
  };
  const Case cases[] = {
      {CPoint(380, 10), HTCLOSE},   {CPoint(360, 10), HTMAXBUTTON},
      {CPoint(340, 10), HTMINBUTTON}, {CPoint(6, 36), HTSYSMENU},
      {CPoint(150, 36), HTCAPTION}, {CPoint(200, 150), HTCLIENT},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ptWindow.x << "," << c.ptWindow.y);
    const CPoint pt = window.ToScreen(c.ptWindow);
    EXPECT_EQ(window.frame.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), c.nExpected);
  }
}

TEST_F(FrameHookTest, CaptionButtonSendsItsCommandOnlyWhenReleasedInside) {
  struct Case {
    const char* name;
    std::vector<CPoint> moves;  ///< window coordinates, before the release
    CPoint ptRelease;
    bool bSent;
  };
  const CPoint ptInside(345, 12);
  const CPoint ptOutside(200, 150);
  const Case cases[] = {
      {"released inside", {}, ptInside, true},
      {"released outside", {ptOutside}, ptOutside, false},
      {"moved out and back", {ptOutside, ptInside}, ptInside, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FramedWindow window;
    window.Attach();
    window.frame.ShowWindow(SW_SHOWNOACTIVATE);
    window.pBars->GetFrameHook()->UpdateFrameCaptionButtons();
    std::vector<BOOL> pressed;
    for (CPoint pt : c.moves) {
      const CPoint ptClient = window.ToClient(pt);
      window.frame.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
    }
    const CPoint ptUp = window.ToClient(c.ptRelease);
    window.frame.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptUp.x, ptUp.y));
    const CPoint ptDown = window.ToScreen(ptInside);
    window.frame.SendMessage(WM_NCLBUTTONDOWN, HTMINBUTTON, MAKELPARAM(ptDown.x, ptDown.y));

    EXPECT_EQ(window.frame.m_sysCommands,
              c.bSent ? std::vector<WPARAM>{SC_MINIMIZE} : std::vector<WPARAM>{});
    EXPECT_EQ(window.pBars->GetFrameHook()->GetHotButton(), nullptr);
    EXPECT_EQ(::GetCapture(), nullptr);
  }
}

TEST_F(FrameHookTest, DisabledButtonTakesNoPress) {
  FramedWindow window(WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX);
  window.Attach();
  window.frame.ShowWindow(SW_SHOWNOACTIVATE);
  window.pBars->GetFrameHook()->UpdateFrameCaptionButtons();
  const CPoint ptDown = window.ToScreen(CPoint(345, 12));
  window.frame.SendMessage(WM_NCLBUTTONDOWN, HTMINBUTTON, MAKELPARAM(ptDown.x, ptDown.y));
  EXPECT_TRUE(window.frame.m_sysCommands.empty());
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(FrameHookTest, AResizeSkipsOneFramePaint) {
  FramedWindow window;
  window.Attach();
  window.frame.ShowWindow(SW_SHOWNOACTIVATE);
  DispatchPendingMessages();
  // The hook paints the frame at the new size itself; the system's paint
  // that follows the resize is the one left out.
  WINDOWPOS pos = {window.frame.m_hWnd, NULL, 0, 0, 460, 320, SWP_NOMOVE | SWP_NOZORDER};
  window.frame.SendMessage(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  window.Theme().m_nFramesDrawn = 0;
  window.frame.SendMessage(WM_NCPAINT, 1);
  EXPECT_EQ(window.Theme().m_nFramesDrawn, 0);
  window.frame.SendMessage(WM_NCPAINT, 1);
  EXPECT_EQ(window.Theme().m_nFramesDrawn, 1);

  // A move, or the size the frame has already, skips nothing.
  for (CSize sz : {CSize(0, 0), CSize(400, 300)}) {
    WINDOWPOS same = {window.frame.m_hWnd, NULL, 10, 10, sz.cx, sz.cy, SWP_NOZORDER};
    if (sz.cx == 0) same.flags |= SWP_NOSIZE;
    window.frame.SendMessage(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&same));
    window.Theme().m_nFramesDrawn = 0;
    window.frame.SendMessage(WM_NCPAINT, 1);
    EXPECT_EQ(window.Theme().m_nFramesDrawn, 1) << sz.cx;
  }
}

TEST_F(FrameHookTest, ResizeUpdatesTheRegion) {
  FramedWindow window;
  window.Attach();
  window.frame.SetWindowPos(NULL, 0, 0, 460, 320, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(window.Theme().m_regionSizes.back(), CSize(460, 320));
}

TEST_F(FrameHookTest, MaximisedFrameLeavesAPixelForAnAutoHidingTaskbar) {
  for (UINT nState : {0u, static_cast<UINT>(ABS_AUTOHIDE)}) {
    SCOPED_TRACE(nState);
    m_system.m_nTaskbarState = nState;
    FramedWindow window;
    window.Attach();
    window.frame.ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(window.frame.IsZoomed());
    const CRect rc(0, 0, 800, 600);
    EXPECT_EQ(window.SendNcCalcSize(rc).bottom, 600 - 4 - (nState == ABS_AUTOHIDE ? 1 : 0));
  }
}

TEST_F(FrameHookTest, StatusBarInTheFrameKeepsOnlyTheBordersEdge) {
  struct Case {
    int nBottomBorder;
    int nExpected;
  };
  // The border less 3 pixels when that leaves 2 or more, else 1.
  const Case cases[] = {{8, 5}, {5, 2}, {4, 1}, {2, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nBottomBorder);
    FramedWindow window;
    window.Theme().m_rcBorder.bottom = c.nBottomBorder;
    window.Theme().m_bAllowStatusBarInFrame = TRUE;
    window.pPaintManager->m_bAllowStatusBarInFrame = TRUE;
    CWnd statusBar;
    ASSERT_TRUE(statusBar.Create(NULL, "status", WS_CHILD | WS_VISIBLE, CRect(0, 250, 400, 272),
                                 &window.frame, AFX_IDW_STATUS_BAR));
    window.frame.ShowWindow(SW_SHOWNOACTIVATE);
    CTKCommandBarsFrameHook* pHook = window.Attach();
    int nHeight = 0;
    EXPECT_TRUE(pHook->IsFrameHasStatusBar(&nHeight));
    EXPECT_EQ(nHeight, 22);
    EXPECT_EQ(window.SendNcCalcSize(CRect(0, 0, 400, 300)).bottom, 300 - c.nExpected);

    statusBar.ShowWindow(SW_HIDE);
    EXPECT_FALSE(pHook->IsFrameHasStatusBar());
    EXPECT_EQ(window.SendNcCalcSize(CRect(0, 0, 400, 300)).bottom, 300 - c.nBottomBorder);
  }
}

TEST_F(FrameHookTest, RegisteredMessagesAnswerAndAnnounceTheHook) {
  const UINT nGetHook = ::RegisterWindowMessage("WM_GETFRAMEHOOK");
  const UINT nQuery = ::RegisterWindowMessage("WM_SKINFRAMEWORK_QUERYSTATE");
  const UINT nUpdate = ::RegisterWindowMessage("WM_SKINFRAMEWORK_UPDATESTATE");
  FramedWindow window;
  EXPECT_EQ(window.frame.SendMessage(nQuery), 0);

  CTKCommandBarsFrameHook* pHook = window.Attach();
  EXPECT_EQ(window.frame.CountMessages(nUpdate), 1);
  EXPECT_EQ(window.frame.SendMessage(nGetHook), reinterpret_cast<LRESULT>(pHook));
  EXPECT_EQ(CTKCommandBarsFrameHook::FromWindow(window.frame.m_hWnd), pHook);
  EXPECT_EQ(window.frame.SendMessage(nQuery), 1);

  window.pBars->EnableFrameTheme(FALSE);
  EXPECT_EQ(window.frame.CountMessages(nUpdate), 2);
  EXPECT_EQ(window.frame.SendMessage(nGetHook), 0);
  EXPECT_EQ(window.frame.SendMessage(nQuery), 0);
}

TEST_F(FrameHookTest, PrintingTheNonClientAreaDrawsTheThemesFrame) {
  FramedWindow window;
  window.Attach();
  window.frame.ShowWindow(SW_SHOWNOACTIVATE);
  CDibSurface surface(400, 300);
  window.frame.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(surface.GetSafeHdc()),
                           PRF_NONCLIENT);
  EXPECT_EQ(surface.GetPixel(1, 150), CTestFramePaintManager::kBorder);
  EXPECT_EQ(surface.GetPixel(200, 12), CTestFramePaintManager::kCaptionActive);
  EXPECT_EQ(surface.GetPixel(386, 12), static_cast<COLORREF>(CTestPaintManager::kNormal));

  window.frame.SendMessage(WM_NCACTIVATE, FALSE);
  surface.Fill(RGB(255, 255, 255));
  window.frame.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(surface.GetSafeHdc()),
                           PRF_NONCLIENT);
  EXPECT_EQ(surface.GetPixel(200, 12), CTestFramePaintManager::kCaptionInactive);
}

TEST_F(FrameHookTest, MinimumTrackingSizeLeavesRoomForTheCaption) {
  FramedWindow window;
  window.Attach();
  MINMAXINFO info = {};
  window.frame.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  // Caption height 26 plus the top border 4.
  EXPECT_GE(info.ptMinTrackSize.x, 3 * 30 + 2 * ::GetSystemMetrics(SM_CXEDGE) +
                                       ::GetSystemMetrics(SM_CYSIZE));
  EXPECT_GE(info.ptMinTrackSize.y, 30);
}

TEST_F(FrameHookTest, UnderCompositionTheStandardFrameStays) {
  CFakeDwm dwm;
  FramedWindow window;
  CRect rcClientBefore;
  window.frame.GetClientRect(&rcClientBefore);
  CTKCommandBarsFrameHook* pHook = window.Attach();
  EXPECT_TRUE(pHook->IsDwmEnabled());
  EXPECT_TRUE(window.pBars->IsDwmEnabled());
  HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(::GetWindowRgn(window.frame.m_hWnd, hRegion), ERROR);
  ::DeleteObject(hRegion);
  CRect rcClient;
  window.frame.GetClientRect(&rcClient);
  EXPECT_EQ(rcClient, rcClientBefore);
  // The caption is the hook's own: no glass reaches into the client area.
  ASSERT_FALSE(CFakeDwm::s_margins.empty());
  const MARGINS& margins = CFakeDwm::s_margins.back();
  EXPECT_EQ(margins.cyTopHeight, 0);
  EXPECT_EQ(margins.cxLeftWidth + margins.cxRightWidth + margins.cyBottomHeight, 0);
}

/// A menu bar that says it draws the frame's caption, as a ribbon does.
class CCaptionTakingMenuBar : public CTKMenuBar {
 public:
  BOOL IsFrameCaptionTakenOver() const override { return m_bTakes; }
  int GetFrameCaptionHeight() const override { return 40; }
  BOOL m_bTakes = TRUE;
};

/// A framed window whose menu bar at the top takes the caption over.
struct CaptionBarWindow : FramedWindow {
  CCaptionTakingMenuBar* pBar = new CCaptionTakingMenuBar;
  CaptionBarWindow() {
    pBars->CreateDockBars();
    pBars->AddToolBar(pBar, "Menu", tkBarTop);
  }
};

TEST_F(FrameHookTest, ABarThatDrawsTheCaptionTakesItsPlace) {
  CaptionBarWindow window;
  CCaptionTakingMenuBar* pBar = window.pBar;
  CTKCommandBarsFrameHook* pHook = window.Attach();
  ASSERT_EQ(pBar, pHook->GetCaptionBar());
  EXPECT_FALSE(pHook->IsFrameCaptionVisible());
  // Top border 4 and the bar's band of 40, not the theme's caption of 22.
  EXPECT_EQ(44, pHook->GetCaptionHeight());
  // No caption row of the frame: the client area starts below the top border.
  EXPECT_EQ(window.SendNcCalcSize(CRect(100, 100, 500, 400)), CRect(104, 104, 496, 396));
  pHook->UpdateFrameCaptionButtons();
  for (UINT nCommand : {SC_CLOSE, SC_MAXIMIZE, SC_MINIMIZE})
    EXPECT_FALSE(window.Button(nCommand)->IsVisible()) << "the bar has buttons of its own";
  EXPECT_NE(HTCLOSE, window.frame.SendMessage(WM_NCHITTEST, 0,
                                             MAKELPARAM(window.ToScreen(CPoint(386, 10)).x,
                                                        window.ToScreen(CPoint(386, 10)).y)));

  pBar->m_bTakes = FALSE;
  EXPECT_EQ(nullptr, pHook->GetCaptionBar());
  EXPECT_TRUE(pHook->IsFrameCaptionVisible());
  EXPECT_EQ(26, pHook->GetCaptionHeight());
  pHook->UpdateFrameCaptionButtons();
  EXPECT_TRUE(window.Button(SC_CLOSE)->IsVisible());
}

TEST_F(FrameHookTest, AMinimisedChildShowsItsOwnCaptionUnderABarThatDrawsIt) {
  CaptionBarWindow window;
  CTKCommandBarsFrameHook* pHook = window.Attach();
  ASSERT_EQ(window.pBar, pHook->GetCaptionBar());
  const DWORD dwStyle = pHook->GetSiteStyle();
  ::SetWindowLong(window.frame.m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle | WS_CHILD));
  EXPECT_FALSE(pHook->IsFrameCaptionVisible()) << "a child that is not minimised";
  ::SetWindowLong(window.frame.m_hWnd, GWL_STYLE,
                  static_cast<LONG>(dwStyle | WS_CHILD | WS_MINIMIZE));
  EXPECT_TRUE(pHook->IsFrameCaptionVisible());
  ::SetWindowLong(window.frame.m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
}

}  // namespace
