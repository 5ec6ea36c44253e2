// A floating tool bar: sizing it from its borders, and showing and hiding it
// with its frame's activation.
#include <gtest/gtest.h>

#include <afxpriv.h>

#include "SupportPaintManager.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKToolBar.h"
#include "common/TKDpiHelper.h"
#include "testsupport/MessageLoop.h"

namespace {

class FloatingBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    TKDpiHelper()->OverrideDpi(96, 96);
    m_pFrame = new CFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(m_pFrame->Create(NULL, "frame", WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 440)));
    m_pBars = new CTKCommandBars;
    m_pBars->SetSite(m_pFrame);
    m_pBars->CreateDockBars();
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->SetForegroundWindow();
    m_pBar = m_pBars->Add("Floating", tkBarFloating);
    ASSERT_NE(nullptr, m_pBar);
    for (int i = 0; i < 8; ++i) m_pBar->GetControls()->AddNew(tkControlButton, 100 + i);
    m_pBar->SetWindowPos(NULL, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // One row at first.
    m_pBar->SetMRULength(400);
    m_pBar->OnRecalcLayout();
  }
  void TearDown() override {
    m_pBars->InternalRelease();
    m_pFrame->DestroyWindow();
    TKSetCommandBarsSystem(nullptr);
  }
  CRect BarRect() const {
    CRect rc;
    m_pBar->GetWindowRect(&rc);
    return rc;
  }
  /// Presses on the border `nHit` at `ptFrom` and runs the resize on the moves
  /// to `ptTo` and the release (or Esc) already queued.
  void Resize(UINT nHit, CPoint ptFrom, CPoint ptTo, UINT nEnd = WM_LBUTTONUP) {
    ::SetCursorPos(ptTo.x, ptTo.y);
    CPoint ptClient = ptTo;  // the loop reads the move's own point, as the capture gives it
    m_pBar->ScreenToClient(&ptClient);
    m_pBar->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
    if (nEnd == WM_KEYDOWN)
      m_pBar->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    else
      m_pBar->PostMessage(WM_LBUTTONUP, 0, 0);
    m_pBar->SendMessage(WM_NCLBUTTONDOWN, nHit, MAKELPARAM(ptFrom.x, ptFrom.y));
  }

  CTestGlobalPaintManager m_paintManager;
  CRecordingSystem m_system;
  CFrameWnd* m_pFrame = nullptr;
  CTKCommandBars* m_pBars = nullptr;
  CTKToolBar* m_pBar = nullptr;
};

TEST_F(FloatingBarTest, ABorderPullResizesTheBarKeepingTheOppositeEdge) {
  const CRect rcStart = BarRect();
  struct Case {
    UINT nHit;
    CSize szPull;  ///< narrower or taller: the buttons wrap either way
  } cases[] = {
      {HTRIGHT, CSize(-rcStart.Width() / 2, 0)},
      {HTLEFT, CSize(rcStart.Width() / 2, 0)},
      {HTBOTTOM, CSize(0, 3 * rcStart.Height())},
      {HTTOP, CSize(0, -3 * rcStart.Height())},
  };
  for (const Case& c : cases) {
    m_pBar->SetMRULength(rcStart.Width());
    m_pBar->SetWindowPos(NULL, rcStart.left, rcStart.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pBar->OnRecalcLayout();
    const CRect rcBefore = BarRect();
    ASSERT_EQ(rcStart.Size(), rcBefore.Size()) << c.nHit;
    const CPoint ptFrom(c.nHit == HTLEFT ? rcBefore.left : rcBefore.right - 1,
                        c.nHit == HTTOP ? rcBefore.top : rcBefore.bottom - 1);
    Resize(c.nHit, ptFrom, ptFrom + c.szPull);
    const CRect rcAfter = BarRect();
    EXPECT_LT(rcAfter.Width(), rcBefore.Width()) << c.nHit;
    EXPECT_GT(rcAfter.Height(), rcBefore.Height()) << c.nHit << ": the buttons wrap";
    if (c.nHit == HTLEFT)
      EXPECT_EQ(rcBefore.right, rcAfter.right) << "the right edge stays";
    else
      EXPECT_EQ(rcBefore.left, rcAfter.left) << c.nHit;
    if (c.nHit == HTTOP)
      EXPECT_EQ(rcBefore.bottom, rcAfter.bottom) << "the bottom edge stays";
    else
      EXPECT_EQ(rcBefore.top, rcAfter.top) << c.nHit;
    EXPECT_EQ(rcAfter.TopLeft(), m_pBar->GetDockContext()->m_ptMRUFloatPos) << c.nHit;
    EXPECT_EQ(rcAfter.Width(), m_pBar->GetMRULength()) << c.nHit;
    EXPECT_EQ(nullptr, ::GetCapture()) << c.nHit;
    m_pBar->OnRecalcLayout();
    EXPECT_EQ(rcAfter.Size(), BarRect().Size()) << c.nHit << ": a new layout keeps the size";
  }
}

TEST_F(FloatingBarTest, EscapeKeepsTheSizeReachedAndAnotherCaptureStopsTheResize) {
  const CRect rcBefore = BarRect();
  const CPoint ptFrom(rcBefore.right - 1, rcBefore.top + 2);
  Resize(HTRIGHT, ptFrom, ptFrom - CSize(rcBefore.Width() / 2, 0), WM_KEYDOWN);
  const CRect rcEscaped = BarRect();
  EXPECT_LT(rcEscaped.Width(), rcBefore.Width()) << "Esc leaves the bar as the last step put it";
  EXPECT_EQ(nullptr, ::GetCapture());

  m_pFrame->SetCapture();
  Resize(HTRIGHT, ptFrom, ptFrom + CSize(rcBefore.Width(), 0));
  EXPECT_EQ(rcEscaped, BarRect()) << "the frame holds the capture: nothing moves";
  ::ReleaseCapture();
  DispatchPendingMessages();
}

TEST_F(FloatingBarTest, TheSizingBordersAreThreePixelsOfAFloatingBar) {
  const CRect rc = BarRect();
  struct Case {
    CPoint pt;
    LRESULT hit;
  } cases[] = {
      {CPoint(rc.CenterPoint().x, rc.top + 1), HTTOP},
      {CPoint(rc.CenterPoint().x, rc.bottom - 2), HTBOTTOM},
      {CPoint(rc.left + 1, rc.CenterPoint().y), HTLEFT},
      {CPoint(rc.right - 2, rc.CenterPoint().y), HTRIGHT},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.hit, m_pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.pt.x, c.pt.y)))
        << c.pt.x << "," << c.pt.y;
}

TEST_F(FloatingBarTest, WhileItsFrameIsActiveTheBarShowsWhenTheOptionsSaySo) {
  ASSERT_TRUE(RunMessagesUntil(
      [&] { return ::GetForegroundWindow() == m_pFrame->GetSafeHwnd(); }, 2000));
  for (BOOL bSync : {TRUE, FALSE}) {
    m_pBars->GetCommandBarsOptions()->bSyncFloatingBars = bSync;
    m_pBar->ShowWindow(SW_HIDE);
    m_pBar->SendMessage(WM_FLOATSTATUS, FS_ACTIVATE);
    EXPECT_EQ(bSync, m_pBar->IsWindowVisible()) << "its frame activates: " << bSync;
    m_pBar->ShowWindow(SW_SHOWNA);
    m_pBar->SendMessage(WM_FLOATSTATUS, FS_DEACTIVATE);
    EXPECT_TRUE(m_pBar->IsWindowVisible()) << "the frame is still the active one: " << bSync;
  }
}

TEST_F(FloatingBarTest, TheFrameShowsHidesEnablesAndDisablesItsFloatingBar) {
  struct Case {
    DWORD dwStatus;
    BOOL bVisible;
    BOOL bEnabled;
  } cases[] = {
      {FS_HIDE, FALSE, TRUE},
      {FS_SHOW, TRUE, TRUE},
      {FS_DISABLE, TRUE, FALSE},
      {FS_ENABLE, TRUE, TRUE},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(m_pBar->SendMessage(WM_FLOATSTATUS, c.dwStatus)) << "no sync asked";
    EXPECT_EQ(c.bVisible, m_pBar->IsWindowVisible()) << c.dwStatus;
    EXPECT_EQ(c.bEnabled, m_pBar->IsWindowEnabled()) << c.dwStatus;
  }
  EXPECT_TRUE(m_pBar->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE)) << "it follows its frame";
  m_pBar->SetVisible(FALSE);
  m_pBar->SendMessage(WM_FLOATSTATUS, FS_SHOW);
  EXPECT_FALSE(m_pBar->IsWindowVisible()) << "a bar the user hid stays hidden";
}

}  // namespace
