// Selecting a bar's controls: the state each reason gives, the hover timer of
// the mouse and what its expiry does.
#include <gtest/gtest.h>

#include <vector>

#include "SupportPaintManager.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "testsupport/HostWindow.h"

namespace {

class CHoverControl : public CTKControl {
 public:
  int m_nHovers = 0;
  void OnMouseHover() override { ++m_nHovers; }
};

class BarSelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    ASSERT_TRUE(m_host.CreateHost());
    m_pBar = new CTKCommandBar;
    m_pBar->SetOwner(&m_host);
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_CHILD, 0, 0, 200, 30,
                                 m_host.GetSafeHwnd(), NULL));
    for (int i = 0; i < 3; ++i) {
      m_controls[i] = new CHoverControl;
      m_pBar->GetControls()->Add(m_controls[i], 100 + i);
    }
  }
  void TearDown() override {
    if (m_pBar == nullptr) return;
    m_pBar->DestroyWindow();
    m_pBar->InternalRelease();
    TKSetCommandBarsSystem(nullptr);
  }
  int HoverTimers() const { return m_system.CountStarted(CTKCommandBar::kTimerHover, 300); }

  CTestGlobalPaintManager m_paintManager;
  CRecordingSystem m_system;
  CTestHostWindow m_host;
  CTKCommandBar* m_pBar = nullptr;
  CHoverControl* m_controls[3] = {};
};

TEST_F(BarSelectionTest, EachReasonGivesItsStateAndOnlyTheMouseStartsTheHoverTimer) {
  struct Case {
    int reason;
    int state;
    int hoverTimers;
  } cases[] = {{0, 1, 1}, {1, 2, 0}, {2, 2, 0}, {3, 3, 0}};
  for (const Case& c : cases) {
    m_system.m_started.clear();
    ASSERT_TRUE(m_pBar->SetSelected(1, c.reason)) << c.reason;
    EXPECT_EQ(c.state, m_controls[1]->GetSelected()) << c.reason;
    EXPECT_EQ(c.reason, m_pBar->GetSelectionReason());
    EXPECT_EQ(c.hoverTimers, HoverTimers()) << c.reason;
    EXPECT_TRUE(m_pBar->SetSelected(-1));
    EXPECT_EQ(0, m_controls[1]->GetSelected());
  }
}

TEST_F(BarSelectionTest, MovingTheSelectionDeselectsTheOldControl) {
  m_pBar->SetSelected(0, 2);
  EXPECT_FALSE(m_pBar->SetSelected(0, 2)) << "the same control is no change";
  EXPECT_TRUE(m_pBar->SetSelected(2, 3));
  EXPECT_EQ(0, m_controls[0]->GetSelected());
  EXPECT_EQ(3, m_controls[2]->GetSelected());
  EXPECT_FALSE(m_pBar->SetSelected(7)) << "no such control";
  EXPECT_EQ(-1, m_pBar->GetSelected());
}

TEST_F(BarSelectionTest, ClearingTheSelectionStopsTheHoverTimer) {
  m_pBar->SetSelected(0, 0);
  m_system.m_killed.clear();
  m_pBar->SetSelected(-1);
  ASSERT_EQ(1u, m_system.m_killed.size());
  EXPECT_EQ(CTKCommandBar::kTimerHover, m_system.m_killed[0]);
}

TEST_F(BarSelectionTest, WithoutHoverSelectTheMouseStartsNoTimer) {
  m_pBar->SetHoverSelect(FALSE);
  m_pBar->SetSelected(1, 0);
  EXPECT_EQ(1, m_controls[1]->GetSelected());
  EXPECT_EQ(0, HoverTimers());
}

TEST_F(BarSelectionTest, TheHoverTimerHoversTheHotControlOnce) {
  m_pBar->SetSelected(2, 0);
  m_pBar->SendMessage(WM_TIMER, CTKCommandBar::kTimerHover, 0);
  EXPECT_EQ(1, m_controls[2]->m_nHovers);
  EXPECT_EQ(0, m_controls[0]->m_nHovers);
  EXPECT_EQ(CTKCommandBar::kTimerHover, m_system.m_killed.back()) << "one shot";
}

}  // namespace
