// The dock context's mouse loop driven by posted mouse messages: bars dragged
// between dock bars and floating, float-only bars, the remembered places, Esc,
// the work area, and the double-click.
#include <gtest/gtest.h>

#include "SupportLayoutFrame.h"
#include "SupportPaintManager.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKDockBar.h"

namespace {

class DockContextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    m_frame.m_site.ShowWindow(SW_SHOWNA);
    m_pBar = m_frame.AddBar(101, tkBarTop, {1, 2});
    m_frame.LayOut();
  }
  void TearDown() override {
    if (::GetCapture() != NULL) ::ReleaseCapture();
    TKSetCommandBarsSystem(nullptr);
  }
  /// Queues mouse steps to site client points, then the release (or Esc).
  void Queue(std::initializer_list<CPoint> points, BOOL bEscape = FALSE) {
    for (CPoint pt : points)
      m_frame.m_site.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    if (bEscape)
      m_frame.m_site.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    else
      m_frame.m_site.PostMessage(WM_LBUTTONUP, 0, 0);
  }
  /// Starts the drag from the bar's top-left corner.
  void Drag() {
    CRect rc;
    m_pBar->GetWindowRect(&rc);
    m_pBar->GetDockContext()->StartDrag(rc.TopLeft() + CSize(2, 2));
  }
  CRect Window() {
    CRect rc;
    m_pBar->GetWindowRect(&rc);
    return rc;
  }

  CTestGlobalPaintManager m_paintManager;
  CLayoutSystem m_system;
  CLayoutFrame m_frame;
  CTKToolBar* m_pBar = nullptr;
};

TEST_F(DockContextTest, ADragMovesTheBarToTheLeftAndToFloating) {
  Queue({CPoint(100, 150), CPoint(5, 200)});
  Drag();
  EXPECT_EQ(tkBarLeft, m_pBar->GetPosition());
  EXPECT_EQ(m_frame.m_pBars->GetDockBar(tkBarLeft), m_pBar->GetDockBar());
  EXPECT_EQ(std::vector<UINT>({0}), m_frame.Rows(tkBarTop));
  Queue({CPoint(300, 200)});
  Drag();
  EXPECT_EQ(tkBarFloating, m_pBar->GetPosition());
  EXPECT_EQ(nullptr, m_pBar->GetDockBar());
  EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(DockContextTest, AFloatOnlyBarStaysFloatingOverADockBar) {
  m_pBar->SetFlags(TKBARFLAG_FLOATING);
  ASSERT_TRUE(m_frame.m_pBars->FloatCommandBar(m_pBar));
  Queue({CPoint(200, 5), CPoint(210, 3)});
  Drag();
  EXPECT_EQ(tkBarFloating, m_pBar->GetPosition());
}

TEST_F(DockContextTest, TheRememberedPlacesFollowWhereTheDragEnds) {
  CTKDockContext* pContext = m_pBar->GetDockContext();
  const CRect rcDockBefore = pContext->m_rectMRUDockPos;
  // Docked to floating: the dock place from before the drag stays.
  Queue({CPoint(300, 200)});
  Drag();
  ASSERT_EQ(tkBarFloating, m_pBar->GetPosition());
  EXPECT_EQ(rcDockBefore, pContext->m_rectMRUDockPos);
  EXPECT_EQ(tkBarTop, pContext->m_nMRUDockPosition);
  EXPECT_EQ(Window().TopLeft(), pContext->m_ptMRUFloatPos);
  // Floating to floating: only the float place changes.
  const CPoint ptBefore = pContext->m_ptMRUFloatPos;
  Queue({CPoint(320, 230)});
  Drag();
  EXPECT_EQ(ptBefore + CSize(20, 30), pContext->m_ptMRUFloatPos);
  EXPECT_EQ(rcDockBefore, pContext->m_rectMRUDockPos);
}

TEST_F(DockContextTest, EscLeavesTheBarWhereTheLastStepPutIt) {
  Queue({CPoint(300, 200), CPoint(310, 210)}, TRUE);
  Drag();
  EXPECT_EQ(tkBarFloating, m_pBar->GetPosition());
  EXPECT_EQ(m_pBar->GetDockContext()->m_ptMRUFloatPos, Window().TopLeft());
  EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(DockContextTest, ABarPulledOffTheScreenKeepsTenPixelsOnTheWorkArea) {
  m_system.m_rcWorkArea = CRect(0, 0, 1000, 700);
  Queue({CPoint(300, 200), CPoint(3000, 2500)});
  Drag();
  ASSERT_EQ(tkBarFloating, m_pBar->GetPosition());
  EXPECT_EQ(CPoint(990, 690), Window().TopLeft());
  Queue({CPoint(-3000, -2500)});
  Drag();
  EXPECT_EQ(10, Window().right);
  EXPECT_EQ(10, Window().bottom);
}

TEST_F(DockContextTest, ADoubleClickDocksAFloatingBarAndFloatsOnlyWithTheOption) {
  CTKDockContext* pContext = m_pBar->GetDockContext();
  EXPECT_FALSE(pContext->ToggleDocking());
  EXPECT_EQ(tkBarTop, m_pBar->GetPosition());
  m_frame.m_pBars->GetCommandBarsOptions()->bDblClickFloat = TRUE;
  EXPECT_TRUE(pContext->ToggleDocking());
  EXPECT_EQ(tkBarFloating, m_pBar->GetPosition());
  EXPECT_FALSE(Window().IsRectEmpty());
  EXPECT_TRUE(pContext->ToggleDocking());
  EXPECT_EQ(tkBarTop, m_pBar->GetPosition());
  EXPECT_EQ(std::vector<UINT>({0, 101, 0}), m_frame.Rows(tkBarTop));
}

}  // namespace
