// The display manager: its layout flags, an empty control without owner
// frame, and the mouse it passes on to the selected page.
#include <gtest/gtest.h>

#include "app/DisplayManager.h"
#include "testsupport/HostWindow.h"
#include "testsupport/MessageLoop.h"

namespace {

CWinApp theApp("VelmDisplayManagerTest");

class DisplayManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost(600, 400));
    ASSERT_TRUE(m_manager.CreateControl(&m_host));
    m_manager.MoveWindow(0, 0, 600, 400);
  }

  /// Two recording windows as the pages "first" (0) and "second" (1).
  void AddTwoPages() {
    ASSERT_TRUE(m_first.CreateHost(10, 10));
    ASSERT_TRUE(m_second.CreateHost(10, 10));
    ASSERT_TRUE(m_manager.AddPage(&m_first, "first", 0));
    ASSERT_TRUE(m_manager.AddPage(&m_second, "second", 1));
  }

  CTestHostWindow m_host;
  CDisplayManager m_manager;
  CTestHostWindow m_first, m_second;
};

TEST_F(DisplayManagerTest, WithoutOwnerFrameTheControlIsEmpty) {
  EXPECT_EQ(0, m_manager.GetTabCount());
  EXPECT_EQ(kTabControlId, m_manager.GetDlgCtrlID());
  EXPECT_FALSE(m_manager.m_bMarginLayout);
  EXPECT_TRUE(m_manager.m_bCompactLayout);
  EXPECT_TRUE(m_manager.m_bSquareFrame);
  EXPECT_FALSE(m_manager.FitToParent());  // it follows a frame's display area only
}

TEST_F(DisplayManagerTest, TheSelectedPageSeesTheStripsMouseAsPostedInTheStripsCoordinates) {
  AddTwoPages();
  ASSERT_TRUE(m_manager.SelectTab(1));
  struct Case {
    UINT message;
  } cases[] = {{WM_MOUSEMOVE}, {WM_LBUTTONUP}};
  for (const Case& c : cases) {
    m_first.ClearMessages();
    m_second.ClearMessages();
    m_manager.SendMessage(c.message, MK_LBUTTON, MAKELPARAM(300, 15));
    EXPECT_EQ(0, m_second.CountMessages(c.message)) << "posted, not sent: " << c.message;
    DispatchPendingMessages();
    const HostMessage* seen = m_second.FindLastMessage(c.message);
    ASSERT_NE(nullptr, seen) << c.message;
    EXPECT_EQ(0u, seen->wParam);
    EXPECT_EQ(MAKELPARAM(300, 15), seen->lParam);
    EXPECT_EQ(0, m_first.CountMessages(c.message));
  }
}

TEST_F(DisplayManagerTest, AClickReachesThePageAndThenSelectsTheTabUnderIt) {
  AddTwoPages();
  ASSERT_TRUE(m_manager.RecalcLayout());
  const CPoint onSecond = m_manager.FindTab(1)->m_rect.CenterPoint();
  m_manager.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onSecond.x, onSecond.y));
  EXPECT_EQ(1, m_manager.GetSelectedTabId());
  DispatchPendingMessages();
  // Posted while the first page was still the selected one.
  EXPECT_EQ(1, m_first.CountMessages(WM_LBUTTONDOWN));
  EXPECT_EQ(0, m_second.CountMessages(WM_LBUTTONDOWN));
}

}  // namespace
