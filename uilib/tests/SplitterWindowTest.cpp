// The splitter in a real parent: where the bar lies, the drag with its move
// notices and its cursor put back, the range, the cursor and the bar's lines.
#include <gtest/gtest.h>

#include "SupportSystem.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "testsupport/MessageLoop.h"
#include "uilib/SplitterWindow.h"

CWinApp theApp("VelmSplitterWindowTest");

namespace {

const int kControlId = 321;

class SplitterWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost(600, 400));
    ASSERT_TRUE(m_splitter.Create(&m_host, kControlId));
    m_splitter.SetBounds(0, 0, 600, 400);
    m_splitter.m_nRangeMinimum = 50;
    m_splitter.m_nRangeMaximum = 350;
    m_splitter.SetPosition(200);
    DispatchPendingMessages();
    m_host.ClearMessages();
  }

  CRect BarInParent() {
    CRect rc;
    EXPECT_TRUE(m_splitter.GetRectInParent(&rc));
    return rc;
  }
  int CountMoveNotices() {
    DispatchPendingMessages();
    return m_host.CountMessages(WM_SPLITTER_MOVED);
  }

  CScriptedSystem m_system;
  CTestHostWindow m_host;
  CSplitterWindow m_splitter;
};

TEST(SplitterWindowAlone, NeedsAParentAndDefaults) {
  CSplitterWindow splitter;
  EXPECT_EQ(100, splitter.GetControlId());
  EXPECT_EQ(0, splitter.m_nOrientation);
  EXPECT_FALSE(splitter.Create(nullptr, 5));
  EXPECT_FALSE(splitter.Reposition());
  EXPECT_EQ(nullptr, splitter.GetSafeHwnd());
}

TEST_F(SplitterWindowTest, TheBarIsCentredOnThePositionAcrossTheBounds) {
  const struct {
    int orientation;
    int position;
    CRect expected;
  } cases[] = {
      {CSplitterWindow::orientationHorizontal, 200, CRect(0, 196, 600, 204)},
      {CSplitterWindow::orientationVertical, 300, CRect(296, 0, 304, 400)},
      {7, 300, CRect(0, 0, 600, 400)},  // any other orientation fills the bounds
  };
  for (const auto& c : cases) {
    m_splitter.m_nOrientation = c.orientation;
    m_splitter.SetPosition(c.position);
    EXPECT_EQ(c.expected, BarInParent()) << "orientation " << c.orientation;
  }
}

TEST_F(SplitterWindowTest, ADragInsideTheRangeMovesTheBarAndTellsTheParent) {
  m_splitter.OnLButtonDown(MK_LBUTTON, CPoint(10, 4));
  EXPECT_TRUE(m_splitter.IsDragging());
  // The bar's client y 153 is the parent's y 349.
  m_splitter.OnMouseMove(MK_LBUTTON, CPoint(10, 153));
  EXPECT_EQ(349, m_splitter.GetPosition());
  EXPECT_EQ(CRect(0, 345, 600, 353), BarInParent());
  ASSERT_EQ(1, CountMoveNotices());
  const HostMessage* pNotice = m_host.FindLastMessage(WM_SPLITTER_MOVED);
  EXPECT_EQ(349u, pNotice->wParam);
  EXPECT_EQ(kControlId, pNotice->lParam);
  EXPECT_TRUE(m_system.m_cursorMoves.empty());

  m_splitter.OnMouseMove(MK_LBUTTON, CPoint(10, 2));  // 347: one more notice
  m_splitter.OnLButtonUp(0, CPoint(10, 2));
  EXPECT_FALSE(m_splitter.IsDragging());
  EXPECT_EQ(2, CountMoveNotices());
  EXPECT_EQ(347, m_splitter.GetPosition());
}

TEST_F(SplitterWindowTest, ADragToTheRangeEndLeavesTheBarAndPutsTheCursorBack) {
  const int edges[] = {154, 200, -146, -160};  // parent y 350, 396, 50, 36
  for (int y : edges) {
    m_system.m_cursorMoves.clear();
    m_splitter.OnLButtonDown(MK_LBUTTON, CPoint(10, 4));
    m_splitter.OnMouseMove(MK_LBUTTON, CPoint(30, y));
    m_splitter.OnLButtonUp(0, CPoint(30, y));
    EXPECT_EQ(200, m_splitter.GetPosition()) << y;
    ASSERT_EQ(1u, m_system.m_cursorMoves.size()) << y;
    // The host sits at the screen's origin: the centre line is y 200.
    EXPECT_EQ(30, m_system.m_cursorMoves[0].x);
    EXPECT_EQ(200, m_system.m_cursorMoves[0].y);
  }
  EXPECT_EQ(0, CountMoveNotices());
}

TEST_F(SplitterWindowTest, WithoutADragTheMouseOnlySetsTheCursor) {
  m_splitter.OnMouseMove(0, CPoint(10, 153));
  EXPECT_EQ(200, m_splitter.GetPosition());
  EXPECT_EQ(0, CountMoveNotices());
}

TEST_F(SplitterWindowTest, ClampingSwapsAReversedRangeFirst) {
  const struct {
    int position;
    bool moved;
    int expected;
  } cases[] = {{50, true, 100}, {200, false, 200}, {320, true, 300}};
  for (const auto& c : cases) {
    m_splitter.m_nRangeMinimum = 300;
    m_splitter.m_nRangeMaximum = 100;
    m_splitter.SetPosition(c.position);
    EXPECT_EQ(c.moved, m_splitter.ClampPosition()) << c.position;
    EXPECT_EQ(100, m_splitter.m_nRangeMinimum);
    EXPECT_EQ(300, m_splitter.m_nRangeMaximum);
    EXPECT_EQ(c.expected, m_splitter.GetPosition());
    EXPECT_EQ(c.expected - 4, BarInParent().top);
  }
}

TEST_F(SplitterWindowTest, TheArrowAwayFromTheBarAndNoChangeOverItWithoutACursor) {
  HCURSOR hWait = ::LoadCursor(NULL, IDC_WAIT);
  ::SetCursor(hWait);
  m_system.m_ptCursor = POINT{300, 200};  // on the bar
  EXPECT_TRUE(m_splitter.IsCursorOverSplitter());
  EXPECT_FALSE(m_splitter.UpdateCursor());
  EXPECT_EQ(hWait, ::GetCursor());

  m_system.m_ptCursor = POINT{300, 100};
  EXPECT_FALSE(m_splitter.IsCursorOverSplitter());
  EXPECT_TRUE(m_splitter.UpdateCursor());
  EXPECT_EQ(::LoadCursor(NULL, IDC_ARROW), ::GetCursor());
}

TEST_F(SplitterWindowTest, TheBarIsEightLinesAlongItsLength) {
  const COLORREF lines[] = {RGB(249, 249, 251), RGB(219, 219, 230), RGB(203, 207, 211),
                            RGB(203, 207, 211), RGB(203, 207, 211), RGB(169, 177, 184),
                            RGB(150, 159, 169), RGB(203, 207, 211)};
  CDibSurface horizontal(600, 8, RGB(255, 0, 255));
  m_splitter.DrawBar(horizontal.GetDC());
  for (int i = 0; i < 8; ++i) EXPECT_EQ(600, horizontal.CountPixels(CRect(0, i, 600, i + 1), lines[i])) << i;

  m_splitter.m_nOrientation = CSplitterWindow::orientationVertical;
  m_splitter.SetPosition(300);
  CDibSurface vertical(8, 400, RGB(255, 0, 255));
  m_splitter.DrawBar(vertical.GetDC());
  for (int i = 0; i < 8; ++i) EXPECT_EQ(400, vertical.CountPixels(CRect(i, 0, i + 1, 400), lines[i])) << i;
}

}  // namespace
