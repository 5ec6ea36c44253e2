// A bar's navigation keys: the code of each key by the bar's direction and
// reading order, the moves the codes make, and the keys a tracking bar takes.
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

class CClickControl : public CTKControl {
 public:
  std::vector<BOOL> m_clicks;
  int m_nActivations = 0;
  /// What OnSetPopup(TRUE) answers, and the calls it got.
  BOOL m_bOpens = TRUE;
  std::vector<BOOL> m_popups;
  void OnClick(BOOL bKeyboard, CPoint) override { m_clicks.push_back(bKeyboard); }
  void OnUnderlineActivate() override { ++m_nActivations; }
  BOOL OnSetPopup(BOOL bPopup) override {
    m_popups.push_back(bPopup);
    return bPopup ? m_bOpens : TRUE;
  }
};

/// A bar with scripted keyboard tips and a parent, which records where it
/// sends the keyboard next.
class CKeyBar : public CTKCommandBar {
 public:
  int m_nTipsLevel = 0;
  std::vector<int> m_builtTips;
  std::vector<int> m_focusMoves;
  CTKCommandBar* m_pParentBar = nullptr;
  int GetKeyboardTipsLevel() const override { return m_nTipsLevel; }
  CTKCommandBar* GetParentCommandBar() const override { return m_pParentBar; }

 protected:
  void BuildKeyboardTips(int nLevel) override {
    m_builtTips.push_back(nLevel);
    m_nTipsLevel = nLevel;
  }
  BOOL FocusNextToolBar(int nDirection) override {
    m_focusMoves.push_back(nDirection);
    return TRUE;
  }
};

class KeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    ASSERT_TRUE(m_host.CreateHost());
  }
  void TearDown() override {
    TKSetCommandBarsSystem(nullptr);
    if (m_pBar == nullptr) return;
    m_pBar->DestroyWindow();
    m_pBar->InternalRelease();
  }
  void MakeBar(int nPosition, int nType, DWORD dwExStyle = 0) {
    m_pBar = new CKeyBar;
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
  /// The key as the keyboard hook hands it over, with Ctrl and Shift as given.
  int Key(UINT nKey, BOOL bCtrl = FALSE, BOOL bShift = FALSE) {
    m_system.m_keysDown.clear();
    if (bCtrl) m_system.m_keysDown.insert(VK_CONTROL);
    if (bShift) m_system.m_keysDown.insert(VK_SHIFT);
    int nResult = m_pBar->OnHookKeyDown(nKey, 0);
    m_system.m_keysDown.clear();
    return nResult;
  }

  CTestGlobalPaintManager m_paintManager;
  CRecordingSystem m_system;
  CTestHostWindow m_host;
  CKeyBar* m_pBar = nullptr;
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

TEST_F(KeysTest, LettersSelectByMnemonicAndANonMatchingLetterBeeps) {
  MakeBar(tkBarPopup, tkBarTypePopup);
  const char* captions[] = {"&Open", "Save &As", "&Other", "Print"};
  for (int i = 0; i < 4; ++i) m_controls[i]->SetCaption(captions[i]);
  struct Step {
    UINT key;
    int selected;
    int activations[4];
    int beeps;
  } steps[] = {
      {'A', 1, {0, 1, 0, 0}, 0},     // an explicit mnemonic of one control runs it
      {'P', 3, {0, 1, 0, 1}, 0},     // a first letter, no explicit mnemonic has it
      {'O', 0, {0, 1, 0, 1}, 0},     // two explicit "O": the first after the hot one,
      {'O', 2, {0, 1, 0, 1}, 0},     // selected only; the next press walks on
      {'Z', 2, {0, 1, 0, 1}, 1},     // nothing matches: a beep
      {VK_F5, 2, {0, 1, 0, 1}, 1},   // no character: swallowed silently
      {VK_SHIFT, 2, {0, 1, 0, 1}, 1},
  };
  for (const Step& step : steps) {
    EXPECT_EQ(1, Key(step.key)) << step.key;
    EXPECT_EQ(step.selected, m_pBar->GetSelected()) << step.key;
    EXPECT_EQ(2, m_controls[step.selected]->GetSelected()) << step.key;
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(step.activations[i], m_controls[i]->m_nActivations) << step.key << " " << i;
    EXPECT_EQ(step.beeps, m_system.m_nBeeps) << step.key;
  }
}

TEST_F(KeysTest, TheSiteHearsOfEachKeyFirst) {
  MakeBar(tkBarPopup, tkBarTypePopup);
  EXPECT_EQ(1, Key(VK_DOWN));
  const HostMessage* pMessage = m_host.FindLastMessage(TK_WM_TRACKINGKEYDOWN);
  ASSERT_NE(nullptr, pMessage);
  EXPECT_EQ(reinterpret_cast<LPARAM>(m_pBar), pMessage->lParam);
  EXPECT_EQ(0, m_pBar->GetSelected()) << "Down in a pop-up selects the first control";
}

/// Destroys the bar's window when the bar tells it of a key.
class CDestroyingSite : public CTestHostWindow {
 public:
  CWnd* m_pBar = nullptr;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == TK_WM_TRACKINGKEYDOWN && m_pBar != nullptr) m_pBar->DestroyWindow();
    return CTestHostWindow::WindowProc(message, wParam, lParam);
  }
};

TEST_F(KeysTest, AKeyWhoseSiteDestroysTheBarIsHandled) {
  CDestroyingSite site;
  ASSERT_TRUE(site.CreateHost());
  MakeBar(tkBarPopup, tkBarTypePopup);
  m_pBar->SetOwner(&site);
  m_pBar->SetSelected(0, 2);
  site.m_pBar = m_pBar;
  EXPECT_EQ(1, Key(VK_RETURN));
  EXPECT_EQ(NULL, m_pBar->GetSafeHwnd());
  EXPECT_TRUE(m_controls[0]->m_clicks.empty()) << "a bar without a window runs nothing";
}

TEST_F(KeysTest, EnterClicksAndEscLeavesTrackingForTheParent) {
  CKeyBar parent;
  ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_CHILD, 0, 0, 200, 30,
                              m_host.GetSafeHwnd(), NULL));
  MakeBar(tkBarPopup, tkBarTypePopup);
  m_pBar->m_pParentBar = &parent;
  m_pBar->SetTrackingMode(TRUE, TRUE, TRUE);
  ASSERT_EQ(0, m_pBar->GetSelected()) << "entering with select-first";
  EXPECT_EQ(1, Key(VK_RETURN));
  EXPECT_EQ(std::vector<BOOL>{TRUE}, m_controls[0]->m_clicks);
  EXPECT_EQ(1, Key(VK_ESCAPE));
  EXPECT_FALSE(m_pBar->IsTrackingMode());
  EXPECT_TRUE(parent.IsTrackingMode());
  parent.SetTrackingMode(FALSE);
  parent.DestroyWindow();
}

TEST_F(KeysTest, EscWithTipsAtLevelTwoOnlyLowersTheLevel) {
  MakeBar(tkBarTop, tkBarTypeNormal);
  m_pBar->SetTrackingMode(TRUE, TRUE, TRUE);
  m_pBar->m_nTipsLevel = 2;
  EXPECT_EQ(1, Key(VK_ESCAPE));
  EXPECT_EQ(std::vector<int>{1}, m_pBar->m_builtTips);
  EXPECT_TRUE(m_pBar->IsTrackingMode());
  EXPECT_EQ(1, Key(VK_ESCAPE));
  EXPECT_EQ(std::vector<int>{1}, m_pBar->m_builtTips) << "level 1: no tips are built";
  EXPECT_FALSE(m_pBar->IsTrackingMode());
}

TEST_F(KeysTest, CtrlTabHandsTheKeyboardOnFromAToolBarOnly) {
  struct Case {
    int type;
    BOOL ctrl, shift;
    std::vector<int> focusMoves;
    int selected;
  } cases[] = {
      {tkBarTypeNormal, TRUE, FALSE, {+1}, 1},
      {tkBarTypeNormal, TRUE, TRUE, {-1}, 1},
      {tkBarTypeNormal, FALSE, FALSE, {}, 2},
      {tkBarTypeNormal, FALSE, TRUE, {}, 0},
      {tkBarTypeMenuBar, TRUE, FALSE, {}, 2},  // a menu bar moves between its own controls
  };
  for (const Case& c : cases) {
    MakeBar(tkBarTop, c.type);
    m_pBar->SetTrackingMode(TRUE, FALSE, TRUE);
    m_pBar->SetSelected(1, 2);
    EXPECT_EQ(1, Key(VK_TAB, c.ctrl, c.shift));
    EXPECT_EQ(c.focusMoves, m_pBar->m_focusMoves) << c.type << c.ctrl << c.shift;
    EXPECT_EQ(c.selected, m_pBar->GetSelected()) << c.type << c.ctrl << c.shift;
    m_pBar->SetTrackingMode(FALSE);
    TearDown();
    TKSetCommandBarsSystem(&m_system);
    m_pBar = nullptr;
  }
}

TEST_F(KeysTest, OpenAndCloseFollowTheReadingOrderOfAPopup) {
  struct Case {
    DWORD exStyle;
    UINT open, close;
  } cases[] = {{0, VK_RIGHT, VK_LEFT}, {WS_EX_LAYOUTRTL, VK_LEFT, VK_RIGHT}};
  for (const Case& c : cases) {
    MakeBar(tkBarPopup, tkBarTypePopup, c.exStyle);
    m_pBar->SetTrackingMode(TRUE, FALSE, TRUE);
    m_pBar->SetSelected(1, 0);
    EXPECT_EQ(1, Key(c.open));
    EXPECT_EQ(1, m_pBar->GetPopuped());
    EXPECT_EQ(std::vector<BOOL>{TRUE}, m_controls[1]->m_popups);
    EXPECT_EQ(2, m_controls[1]->GetSelected()) << "opened by keyboard";
    EXPECT_EQ(1, Key(c.close));
    EXPECT_EQ(-1, m_pBar->GetPopuped());
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), m_controls[1]->m_popups);
    EXPECT_TRUE(m_pBar->IsTrackingMode()) << "closing a sub-menu keeps the bar tracking";
    EXPECT_FALSE(m_pBar->ProcessKeyNavigation(CTKCommandBar::kNavigateClose))
        << "nothing open to close";
    m_pBar->SetTrackingMode(FALSE);
    TearDown();
    TKSetCommandBarsSystem(&m_system);
    m_pBar = nullptr;
  }
}

TEST_F(KeysTest, UpAndDownMoveBetweenTheRowsOfAFloatingBar) {
  MakeBar(tkBarFloating, tkBarTypeNormal);
  for (int i = 0; i < 2; ++i) {
    CClickControl* pControl = new CClickControl;
    m_pBar->GetControls()->Add(pControl, 200 + i);
  }
  // Two rows of three 20-pixel buttons.
  for (int i = 0; i < 6; ++i) {
    CTKControl* pControl = m_pBar->GetControl(i);
    const int nRow = i / 3;
    pControl->SetRect(CRect(i % 3 * 20, nRow * 20, i % 3 * 20 + 20, nRow * 20 + 20));
    pControl->SetRowRect(CRect(0, nRow * 20, 60, nRow * 20 + 20));
  }
  struct Step {
    UINT key;
    int selected;
    int state;
  } steps[] = {
      {VK_DOWN, 0, 2},  // nothing hot: the first control
      {VK_RIGHT, 1, 2}, {VK_DOWN, 4, 2}, {VK_UP, 1, 3},
      {VK_UP, 4, 3},    // round from the first row to the last
  };
  for (const Step& step : steps) {
    EXPECT_EQ(1, Key(step.key));
    ASSERT_EQ(step.selected, m_pBar->GetSelected()) << step.key;
    EXPECT_EQ(step.state, m_pBar->GetControl(step.selected)->GetSelected()) << step.key;
  }
}

}  // namespace
