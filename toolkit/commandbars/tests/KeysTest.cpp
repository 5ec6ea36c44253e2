// A bar's navigation keys: the code of each key by the bar's direction and
// reading order, and the moves the codes make.
#include <gtest/gtest.h>

#include <vector>

#include "SupportPaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "testsupport/HostWindow.h"

namespace {

class CClickControl : public CTKControl {
 public:
  std::vector<BOOL> m_clicks;
  void OnClick(BOOL bKeyboard, CPoint) override { m_clicks.push_back(bKeyboard); }
};

class KeysTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_host.CreateHost()); }
  void TearDown() override {
    if (m_pBar == nullptr) return;
    m_pBar->DestroyWindow();
    m_pBar->InternalRelease();
  }
  void MakeBar(int nPosition, int nType, DWORD dwExStyle = 0) {
    m_pBar = new CTKCommandBar;
    m_pBar->SetOwner(&m_host);
    m_pBar->SetBarPosition(nPosition);
    m_pBar->SetType(nType);
    ASSERT_TRUE(m_pBar->CreateEx(dwExStyle, AfxRegisterWndClass(0), "bar", WS_CHILD, 0, 0, 200, 30,
                                 m_host.GetSafeHwnd(), NULL));
    for (int i = 0; i < 4; ++i) {
      m_controls[i] = new CClickControl;
      m_pBar->GetControls()->Add(m_controls[i], 100 + i);
    }
  }

  CTestGlobalPaintManager m_paintManager;
  CTestHostWindow m_host;
  CTKCommandBar* m_pBar = nullptr;
  CClickControl* m_controls[4] = {};
};

TEST_F(KeysTest, EachKeyHasItsCodeByDirectionAndReadingOrder) {
  struct Case {
    int position;
    int type;
    DWORD exStyle;
    int end, home, left, up, right, down, enter, esc, space;
  } cases[] = {
      // horizontal: docked on top, floating, a pop-up laid out as a tool bar
      {tkBarTop, tkBarTypeNormal, 0, 7, 6, 8, 2, 9, 3, 5, 4, -1},
      {tkBarFloating, tkBarTypeNormal, 0, 7, 6, 8, 2, 9, 3, 5, 4, -1},
      {tkBarPopup, tkBarTypeNormal, 0, 7, 6, 8, 2, 9, 3, 5, 4, -1},
      {tkBarTop, tkBarTypeNormal, WS_EX_LAYOUTRTL, 7, 6, 9, 2, 8, 3, 5, 4, -1},
      {tkBarTop, tkBarTypeMenuBar, 0, 7, 6, 8, 2, 9, 3, 5, 4, 10},
      // vertical: a pop-up, a bar docked on the left
      {tkBarPopup, tkBarTypePopup, 0, 7, 6, 2, 1, 3, 0, 5, 4, -1},
      {tkBarLeft, tkBarTypeNormal, 0, 7, 6, 2, 1, 3, 0, 5, 4, -1},
      {tkBarPopup, tkBarTypePopup, WS_EX_LAYOUTRTL, 7, 6, 3, 1, 2, 0, 5, 4, -1},
  };
  for (const Case& c : cases) {
    MakeBar(c.position, c.type, c.exStyle);
    const UINT keys[] = {VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT,
                         VK_DOWN, VK_RETURN, VK_ESCAPE, VK_SPACE};
    const int codes[] = {c.end, c.home, c.left, c.up, c.right, c.down, c.enter, c.esc, c.space};
    for (int i = 0; i < 9; ++i)
      EXPECT_EQ(codes[i], m_pBar->GetKeyNavigationCode(keys[i]))
          << "position " << c.position << " type " << c.type << " rtl " << (c.exStyle != 0)
          << " key " << keys[i];
    EXPECT_EQ(-1, m_pBar->GetKeyNavigationCode('A'));
    TearDown();
    m_pBar = nullptr;
  }
}

TEST_F(KeysTest, NextAndPreviousWrapOverTheVisibleControlsWithTheirReasons) {
  MakeBar(tkBarTop, tkBarTypeNormal);
  m_controls[2]->SetHideFlags(TKHIDE_GENERIC);
  struct Step {
    int code;
    int selected;
    int state;
  } steps[] = {
      {CTKCommandBar::kNavigateFirst, 0, 2}, {CTKCommandBar::kNavigateRight, 1, 2},
      {CTKCommandBar::kNavigateNext, 3, 2},  {CTKCommandBar::kNavigateNext, 0, 2},
      {CTKCommandBar::kNavigateLeft, 3, 3},  {CTKCommandBar::kNavigatePrevious, 1, 3},
      {CTKCommandBar::kNavigateLast, 3, 3},
  };
  for (const Step& s : steps) {
    EXPECT_TRUE(m_pBar->ProcessKeyNavigation(s.code)) << s.code;
    ASSERT_EQ(s.selected, m_pBar->GetSelected()) << s.code;
    EXPECT_EQ(s.state, m_controls[s.selected]->GetSelected()) << s.code;
  }
}

TEST_F(KeysTest, EnterClicksTheHotControlByKeyboard) {
  MakeBar(tkBarPopup, tkBarTypePopup);
  m_pBar->SetSelected(1, 0);
  EXPECT_TRUE(m_pBar->ProcessKeyNavigation(m_pBar->GetKeyNavigationCode(VK_RETURN)));
  EXPECT_EQ(std::vector<BOOL>{TRUE}, m_controls[1]->m_clicks);
  EXPECT_EQ(2, m_controls[1]->GetSelected());
}

TEST_F(KeysTest, SpaceOnTheMenuBarOpensTheWindowMenu) {
  MakeBar(tkBarTop, tkBarTypeNormal);
  EXPECT_FALSE(m_pBar->ProcessKeyNavigation(CTKCommandBar::kNavigateSystemMenu))
      << "a tool bar has no window menu";
  m_pBar->SetType(tkBarTypeMenuBar);
  EXPECT_TRUE(m_pBar->ProcessKeyNavigation(m_pBar->GetKeyNavigationCode(VK_SPACE)));
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, m_host.GetSafeHwnd(), WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
  EXPECT_EQ((WPARAM)SC_KEYMENU, msg.wParam);
  EXPECT_EQ(32, msg.lParam);
}

}  // namespace
