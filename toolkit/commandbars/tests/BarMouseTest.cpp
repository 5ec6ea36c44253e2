// The mouse over a bar: the hot control follows it, leaving the bar clears
// it, and clicks reach the control under the point.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportPaintManager.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "testsupport/HostWindow.h"

namespace {

/// Records the mouse calls it gets as "down 1", "up 1", ...
class CMouseControl : public CTKControl {
 public:
  std::vector<std::string>* m_pLog = nullptr;
  BOOL m_bTakesRightUp = FALSE;
  void OnLButtonDown(CPoint) override { Log("down"); }
  void OnLButtonUp(CPoint) override { Log("up"); }
  BOOL OnLButtonDblClk(CPoint) override {
    Log("double");
    return TRUE;
  }
  BOOL OnRButtonUp(CPoint) override {
    Log("right up");
    return m_bTakesRightUp;
  }

 private:
  void Log(const char* pszWhat) {
    m_pLog->push_back(std::string(pszWhat) + " " + std::to_string(m_nIndex));
  }
};

/// Answers TK_WM_CONTROLRBUTTONUP with what it is told.
class CRightUpSite : public CTestHostWindow {
 public:
  LRESULT m_nAnswer = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT lResult = CTestHostWindow::WindowProc(message, wParam, lParam);
    return message == TK_WM_CONTROLRBUTTONUP ? m_nAnswer : lResult;
  }
};

class BarMouseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    ASSERT_TRUE(m_host.CreateHost());
    m_pBar = new CTKCommandBar;
    m_pBar->SetOwner(&m_host);
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "bar", WS_CHILD, 0, 0, 200, 20,
                                 m_host.GetSafeHwnd(), NULL));
    // Three 20-pixel buttons from the left; the rest of the bar is empty.
    for (int i = 0; i < 3; ++i) {
      CMouseControl* pControl = new CMouseControl;
      pControl->m_pLog = &m_log;
      m_pBar->GetControls()->Add(pControl, 100 + i);
      pControl->SetRect(CRect(i * 20, 0, i * 20 + 20, 20));
      m_controls[i] = pControl;
    }
  }
  void TearDown() override {
    m_pBar->SetTrackingMode(FALSE);
    m_pBar->DestroyWindow();
    m_pBar->InternalRelease();
    TKSetCommandBarsSystem(nullptr);
  }
  void Send(UINT message, int x, int y = 10) { m_pBar->SendMessage(message, 0, MAKELPARAM(x, y)); }

  CTestGlobalPaintManager m_paintManager;
  CRecordingSystem m_system;
  CRightUpSite m_host;
  CTKCommandBar* m_pBar = nullptr;
  CMouseControl* m_controls[3] = {};
  std::vector<std::string> m_log;
};

TEST_F(BarMouseTest, TheControlUnderTheMouseBecomesHotByMouse) {
  Send(WM_MOUSEMOVE, 25);
  EXPECT_EQ(1, m_pBar->GetSelected());
  EXPECT_EQ(1, m_controls[1]->GetSelected());
  EXPECT_EQ(1, m_system.CountStarted(CTKCommandBar::kTimerHover, CTKCommandBar::kHoverElapse));
  Send(WM_MOUSEMOVE, 150);
  EXPECT_EQ(-1, m_pBar->GetSelected()) << "no control under the mouse";
}

TEST_F(BarMouseTest, ATrackingBarKeepsItsHotControlOffTheControls) {
  m_pBar->SetTrackingMode(TRUE, FALSE, FALSE);
  Send(WM_MOUSEMOVE, 45);
  Send(WM_MOUSEMOVE, 150);
  EXPECT_EQ(2, m_pBar->GetSelected());
  m_pBar->SendMessage(WM_MOUSELEAVE);
  EXPECT_EQ(2, m_pBar->GetSelected());
}

TEST_F(BarMouseTest, AnInactiveApplicationSelectsNothing) {
  m_system.m_bActive = FALSE;
  Send(WM_MOUSEMOVE, 25);
  EXPECT_EQ(-1, m_pBar->GetSelected());
}

TEST_F(BarMouseTest, LeavingTheBarClearsTheSelectionUnlessLocked) {
  struct Case {
    BOOL locked;
    int selected;
  } cases[] = {{FALSE, -1}, {TRUE, 0}};
  for (const Case& c : cases) {
    Send(WM_MOUSEMOVE, 5);
    ASSERT_EQ(0, m_pBar->GetSelected());
    m_pBar->SetLocked(c.locked);
    m_pBar->SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(c.selected, m_pBar->GetSelected()) << c.locked;
    m_pBar->SetLocked(FALSE);
    m_pBar->SetSelected(-1);
  }
}

TEST_F(BarMouseTest, ClicksReachTheControlUnderThePoint) {
  Send(WM_LBUTTONDOWN, 45);
  Send(WM_LBUTTONUP, 45);
  Send(WM_LBUTTONDBLCLK, 5);
  Send(WM_LBUTTONDOWN, 150);  // no control: the window's own handling
  Send(WM_LBUTTONUP, 150);
  EXPECT_EQ((std::vector<std::string>{"down 2", "up 2", "double 0"}), m_log);
}

TEST_F(BarMouseTest, TheSiteSeesARightButtonReleaseFirst) {
  struct Case {
    LRESULT siteAnswer;
    BOOL rightTracking;
    std::vector<std::string> log;
  } cases[] = {
      {1, FALSE, {}},
      {0, FALSE, {"right up 1"}},
      {0, TRUE, {"up 1"}},  // a menu tracked with the right button clicks on release
  };
  for (const Case& c : cases) {
    m_log.clear();
    m_host.ClearMessages();
    m_host.m_nAnswer = c.siteAnswer;
    m_pBar->SetRightButtonTracking(c.rightTracking);
    Send(WM_RBUTTONUP, 25);
    EXPECT_EQ(c.log, m_log) << c.siteAnswer << c.rightTracking;
    const HostMessage* pMessage = m_host.FindLastMessage(TK_WM_CONTROLRBUTTONUP);
    ASSERT_NE(nullptr, pMessage);
    EXPECT_EQ(reinterpret_cast<LPARAM>(m_controls[1]), pMessage->lParam);
  }
}

}  // namespace
