// The press, reorder and navigate-button loops, fed by messages posted
// before the call; the repeat clock is scripted.
#include <gtest/gtest.h>

#include "SupportTabStrip.h"
#include "common/TKToolTipContext.h"
#include "TKTabClock.h"
#include "tabs/TKTabPaintManagerTheme.h"
#include "testsupport/DibSurface.h"
#include "testsupport/HostWindow.h"
#include "testsupport/MessageLoop.h"

namespace {

const UINT kMsgDropCapture = WM_APP + 1;

/// A host that gives up the mouse capture when asked by a posted message.
class CStripHost : public CTestHostWindow {
 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kMsgDropCapture) ::ReleaseCapture();
    return CTestHostWindow::WindowProc(message, wParam, lParam);
  }
};

/// Each reading of the clock is 21 ms after the one before.
class CSteppingClock : public CTKTabClock {
 public:
  DWORD GetTickCount() override { return m_dwNow += 21; }
  void WaitForInput(DWORD) override { ++m_nWaits; }
  DWORD m_dwNow = 1000;
  int m_nWaits = 0;
};

LPARAM PointParam(CPoint pt) { return MAKELPARAM(pt.x, pt.y); }

class TabLoopsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost(420, 140));
    m_host.ShowWindow(SW_SHOWNA);
    m_strip.reset(new CTestTabStrip(m_host.GetSafeHwnd(), CRect(0, 0, 400, 120)));
    CTKTabClock::Install(&m_clock);
  }
  void TearDown() override {
    CTKTabClock::Install(NULL);
    DispatchPendingMessages();
  }
  void AddTabs(int nCount) {
    for (int i = 0; i < nCount; ++i) {
      CString str;
      str.Format("Tab number %d", i);
      m_strip->Add(str);
    }
  }
  void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    ::PostMessage(m_host.GetSafeHwnd(), message, wParam, lParam);
  }
  CPoint CenterOf(int nIndex) { return m_strip->GetItem(nIndex)->GetRect().CenterPoint(); }
  /// Tabs place their own buttons while they are drawn.
  void PaintOnce() {
    CDibSurface surface(420, 140);
    m_strip->Paint(surface.GetDC());
  }

  CStripHost m_host;
  std::unique_ptr<CTestTabStrip> m_strip;
  CSteppingClock m_clock;
};

TEST_F(TabLoopsTest, DraggingTheThirdOfFiveOverTheFirstMovesItInTwoSwaps) {
  AddTabs(5);
  m_strip->SetCurSel(4);
  CTKTabManagerItem* pDragged = m_strip->GetItem(2);
  const CPoint ptFirst = CenterOf(0);
  Post(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptFirst));
  Post(WM_LBUTTONUP, 0, PointParam(ptFirst));
  EXPECT_TRUE(m_strip->PerformClick(m_host.GetSafeHwnd(), CenterOf(2)));
  EXPECT_EQ(0, pDragged->GetIndex());
  EXPECT_EQ(2, m_strip->m_nSwaps);
  ASSERT_EQ(1u, m_strip->m_moves.size());
  EXPECT_EQ(pDragged, m_strip->m_moves[0].pItem);
  EXPECT_EQ(2, m_strip->m_moves[0].nOld);
  EXPECT_EQ(0, m_strip->m_moves[0].nNew);
  EXPECT_EQ(pDragged, m_strip->GetSelectedItem());
  EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(TabLoopsTest, APressSelectsOnlyOnAReleaseOverTheTab) {
  AddTabs(3);
  m_strip->SetAllowReorder(FALSE);
  m_strip->GetPaintManager()->m_bSelectOnButtonDown = FALSE;
  const CPoint ptOutside(390, 110);
  struct Case {
    const char* name;
    std::vector<MSG> messages;
    int nSelected;
  };
  auto msg = [](UINT message, WPARAM wParam, LPARAM lParam) {
    MSG m = {};
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    return m;
  };
  const std::vector<Case> kCases = {
      {"released outside",
       {msg(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptOutside)),
        msg(WM_LBUTTONUP, 0, PointParam(ptOutside))},
       0},
      {"escape", {msg(WM_KEYDOWN, VK_ESCAPE, 0), msg(WM_LBUTTONUP, 0, PointParam(CenterOf(1)))}, 0},
      {"capture lost", {msg(kMsgDropCapture, 0, 0), msg(WM_LBUTTONUP, 0, PointParam(CenterOf(1)))}, 0},
      {"released over it", {msg(WM_LBUTTONUP, 0, PointParam(CenterOf(1)))}, 1},
  };
  for (const Case& c : kCases) {
    m_strip->SetCurSel(0);
    for (const MSG& m : c.messages) Post(m.message, m.wParam, m.lParam);
    EXPECT_TRUE(m_strip->PerformClick(m_host.GetSafeHwnd(), CenterOf(1))) << c.name;
    EXPECT_EQ(c.nSelected, m_strip->GetCurSel()) << c.name;
    EXPECT_EQ(nullptr, m_strip->GetPressedItem()) << c.name;
    EXPECT_EQ(nullptr, ::GetCapture()) << c.name;
    DispatchPendingMessages();
  }
}

TEST_F(TabLoopsTest, AQuitRequestEndsEveryLoopAndStaysQueued) {
  AddTabs(3);
  m_strip->SetCurSel(0);
  // Reorder loop, then press loop, then a held close button.
  for (int nLoop = 0; nLoop < 3; ++nLoop) {
    CPoint pt = CenterOf(1);
    if (nLoop == 1) {
      m_strip->SetAllowReorder(FALSE);
      m_strip->GetPaintManager()->m_bSelectOnButtonDown = FALSE;
    } else if (nLoop == 2) {
      m_strip->SetTabCloseMode(tkTabButtonAlways);
      m_strip->DeleteAllItems();
      AddTabs(2);
      m_strip->SetCurSel(0);
      PaintOnce();
      pt = m_strip->GetItem(0)->GetNavigateButtons()[0]->GetRect().CenterPoint();
    }
    // Nothing else is queued: a loop that does not end on the quit request
    // waits for ever.
    ::PostQuitMessage(7);
    EXPECT_TRUE(m_strip->PerformClick(m_host.GetSafeHwnd(), pt)) << nLoop;
    EXPECT_EQ(nullptr, ::GetCapture()) << nLoop;
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) << nLoop;
    EXPECT_EQ(7u, msg.wParam) << nLoop;
    DispatchPendingMessages();
  }
  EXPECT_EQ(0, m_strip->GetCurSel());
  EXPECT_TRUE(m_strip->m_commands.empty());
}

TEST_F(TabLoopsTest, AHeldRightArrowScrollsUntilTheLastTabFits) {
  AddTabs(8);
  const CTKTabManagerNavigateButton* pRight = m_strip->GetNavigateButtons()[tkTabButtonRight];
  ASSERT_FALSE(pRight->GetRect().IsRectEmpty());
  ASSERT_TRUE(pRight->IsEnabled());
  const CPoint pt = pRight->GetRect().CenterPoint();
  // Far more rounds than the scroll needs: the disabled arrow must stop it.
  for (int i = 0; i < 200; ++i) Post(WM_NULL);
  Post(WM_LBUTTONUP, 0, PointParam(pt));
  m_strip->PerformClick(m_host.GetSafeHwnd(), pt);
  const int nOffset = m_strip->GetHeaderOffset();
  EXPECT_LT(nOffset, 0);
  EXPECT_FALSE(pRight->IsEnabled());
  // The repeats stopped at the first step that disabled the arrow: one step
  // back it was still enabled, so the offset is within one step of the end.
  const CRect rcMargin = m_strip->GetAppearanceSet()->GetHeaderMargin();
  const int nRoom =
      m_strip->GetRectLength(m_strip->GetHeaderRect()) - rcMargin.left - rcMargin.right;
  EXPECT_EQ(nRoom, m_strip->GetItemsLength() + nOffset);
  EXPECT_LE(m_strip->GetItem(7)->GetRect().right, m_strip->GetHeaderRect().right);
  EXPECT_GT(m_host.CountMessages(WM_NULL), 0);

  const CTKTabManagerNavigateButton* pLeft = m_strip->GetNavigateButtons()[tkTabButtonLeft];
  ASSERT_TRUE(pLeft->IsEnabled());
  const CPoint ptLeft = pLeft->GetRect().CenterPoint();
  for (int i = 0; i < 200; ++i) Post(WM_NULL);
  Post(WM_LBUTTONUP, 0, PointParam(ptLeft));
  m_strip->PerformClick(m_host.GetSafeHwnd(), ptLeft);
  EXPECT_EQ(0, m_strip->GetHeaderOffset());
  EXPECT_TRUE(m_strip->m_commands.empty());
}

TEST_F(TabLoopsTest, ACloseButtonClosesOnlyWhenReleasedOverIt) {
  m_strip->SetTabCloseMode(tkTabButtonAlways);
  AddTabs(2);
  PaintOnce();
  const CTKTabManagerNavigateButton* pClose = m_strip->GetItem(0)->GetNavigateButtons()[0];
  const CPoint pt = pClose->GetRect().CenterPoint();
  ASSERT_FALSE(pClose->GetRect().IsRectEmpty());
  const CPoint ptAway(pt.x, pt.y + 60);

  Post(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptAway));
  Post(WM_LBUTTONUP, 0, PointParam(ptAway));
  m_strip->PerformClick(m_host.GetSafeHwnd(), pt);
  EXPECT_TRUE(m_strip->m_commands.empty());

  Post(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptAway));
  Post(WM_MOUSEMOVE, MK_LBUTTON, PointParam(pt));
  Post(WM_LBUTTONUP, 0, PointParam(pt));
  m_strip->PerformClick(m_host.GetSafeHwnd(), pt);
  ASSERT_EQ(1u, m_strip->m_commands.size());
  EXPECT_EQ(tkTabButtonClose, m_strip->m_commands[0]);
}

TEST_F(TabLoopsTest, ScrollingBackAtOffsetZeroDoesNothing) {
  AddTabs(3);
  const int nBefore = m_strip->m_nRepositions;
  m_strip->ScrollTabs(FALSE);
  EXPECT_EQ(0, m_strip->GetHeaderOffset());
  EXPECT_EQ(nBefore, m_strip->m_nRepositions);
}

TEST_F(TabLoopsTest, ModeTwoTipsOnlyForTabsShrunkBelowTheirLength) {
  AddTabs(3);
  for (int i = 0; i < 3; ++i) m_strip->GetItem(i)->SetTooltip("the whole caption");
  TOOLINFO ti = {};
  ti.cbSize = sizeof(TOOLINFO);
  EXPECT_EQ(-1, m_strip->PerformToolHitTest(m_host.GetSafeHwnd(), CenterOf(1), &ti));

  m_strip->GetPaintManager()->SetLayout(tkTabLayoutShrink);
  m_strip->SetBounds(CRect(0, 0, 120, 120));
  ASSERT_LT(m_strip->GetItem(1)->GetLength(), m_strip->GetItem(1)->GetMeasuredLength());
  EXPECT_EQ(1, m_strip->PerformToolHitTest(m_host.GetSafeHwnd(), CenterOf(1), &ti));
  EXPECT_EQ(1u, ti.uId);
  free(ti.lpszText);
}

}  // namespace
