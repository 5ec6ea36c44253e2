// The pop-up bar open: menus chosen by keys, sub-menus opened by the hover
// timer, short menus and their expansion, the animation chosen, and the
// header control's menu shown as a pop-up bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKShadowManager.h"
#include "common/TKHeaderCtrl.h"
#include "common/TKImageManager.h"
#include "common/TKResourceIds.h"
#include "testsupport/HostWindow.h"
#include "testsupport/MessageLoop.h"

namespace {

enum { kOpen = 101, kSave = 102, kExit = 103 };

class PopupBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKSetCommandBarsSystem(&m_system);
    ASSERT_TRUE(m_site.CreateHost());
    m_pCommandBars = new CTKCommandBars;
    m_pCommandBars->SetSite(&m_site);
    m_pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
    ASSERT_TRUE(m_menu.CreatePopupMenu());
    m_menu.AppendMenu(MF_STRING, kOpen, "&Open");
    m_menu.AppendMenu(MF_STRING, kSave, "&Save");
    m_menu.AppendMenu(MF_STRING, kExit, "E&xit");
  }
  void TearDown() override {
    CTKMouseManager::GetThreadManager()->SendTrackLost();
    CTKMouseManager::GetThreadManager()->SetMenusExpanded(FALSE);
    m_pCommandBars->InternalRelease();
    TKSetCommandBarsSystem(nullptr);
  }
  void PostKeys(const std::vector<UINT>& keys) {
    for (UINT nKey : keys) m_site.PostMessage(WM_KEYDOWN, nKey, 1);
  }
  UINT Track(UINT nFlags) {
    return CTKCommandBars::TrackPopupMenu(&m_menu, nFlags, 200, 200, &m_site, NULL, NULL,
                                          m_pCommandBars);
  }

  CTestGlobalPaintManager m_paintManager;
  CRecordingSystem m_system;
  CTestSite m_site;
  CTKCommandBars* m_pCommandBars = nullptr;
  CMenu m_menu;
};

TEST_F(PopupBarTest, TrackPopupMenuReturnsTheItemThePostedKeysChoose) {
  struct Case {
    const char* name;
    std::vector<UINT> keys;
    UINT nExpected;
  } cases[] = {
      {"down twice and Enter", {VK_DOWN, VK_DOWN, VK_RETURN}, kSave},
      {"up wraps to the last", {VK_UP, VK_RETURN}, kExit},
      {"the mnemonic", {'X'}, kExit},
      {"Escape dismisses", {VK_DOWN, VK_ESCAPE}, 0},
  };
  for (const Case& c : cases) {
    PostKeys(c.keys);
    EXPECT_EQ(c.nExpected, Track(TPM_RETURNCMD)) << c.name;
    EXPECT_TRUE(m_site.m_commands.empty()) << c.name << ": the command is returned, not sent";
    EXPECT_EQ(0, CTKMouseManager::GetThreadManager()->GetTrackedCount()) << c.name;
  }
}

TEST_F(PopupBarTest, WithoutReturnCmdTheChosenCommandGoesToTheOwner) {
  PostKeys({VK_DOWN, VK_RETURN});
  EXPECT_EQ(1u, Track(0));
  EXPECT_EQ((std::vector<WPARAM>{kOpen}), m_site.m_commands);
}

TEST_F(PopupBarTest, TypedLettersDoNotReachTheDocumentWindow) {
  CTestHostWindow document;
  ASSERT_TRUE(document.CreateHost());
  document.PostMessage(WM_KEYDOWN, 'Q', 1);
  document.PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(0u, Track(TPM_RETURNCMD));
  DispatchPendingMessages();
  EXPECT_EQ(0, document.CountMessages(WM_KEYDOWN));
  EXPECT_EQ(0, document.CountMessages(WM_CHAR));
}

/// A pop-up with a plain item and a sub-menu item, open at a point.
class PopupSubMenuTest : public PopupBarTest {
 protected:
  void SetUp() override {
    PopupBarTest::SetUp();
    m_pPopup = CTKPopupBar::CreatePopupBar(m_pCommandBars);
    m_pPopup->SetOwner(&m_site);
    m_pPopup->GetControls()->Add(new CTKControlButton, kOpen)->SetCaption("&Open");
    m_pSubControl = static_cast<CTKControlPopup*>(
        m_pPopup->GetControls()->Add(CTKControlPopup::CreateOfType(tkControlPopup), 0));
    m_pSubControl->SetCaption("&Recent");
    CTKPopupBar* pSub = CTKPopupBar::CreatePopupBar(m_pCommandBars);
    pSub->GetControls()->Add(new CTKControlButton, kSave)->SetCaption("&Save");
    m_pSubControl->SetCommandBar(pSub);
    ASSERT_TRUE(m_pPopup->PopupAtPoint(100, 100));
  }
  void TearDown() override {
    PopupBarTest::TearDown();
    m_pPopup->InternalRelease();
  }
  CPoint Center(CTKControl* pControl) { return pControl->GetRect().CenterPoint(); }

  CTKPopupBar* m_pPopup = nullptr;
  CTKControlPopup* m_pSubControl = nullptr;
};

TEST_F(PopupSubMenuTest, ASubMenuOpensWhenTheHoverTimerFiresNotOnMouseEntry) {
  const CPoint pt = Center(m_pSubControl);
  m_pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
  EXPECT_EQ(1, m_pPopup->GetSelected());
  EXPECT_FALSE(m_pSubControl->IsPopupOpen());
  EXPECT_EQ(1, m_system.CountStarted(CTKCommandBar::kTimerHover, CTKCommandBar::kHoverElapse));

  m_pPopup->SendMessage(WM_TIMER, CTKCommandBar::kTimerHover, 0);
  ASSERT_TRUE(m_pSubControl->IsPopupOpen());
  EXPECT_TRUE(m_pSubControl->GetCommandBar()->IsVisible());
  EXPECT_EQ(2, CTKMouseManager::GetThreadManager()->GetTrackedCount());

  // Hovering the plain item closes the sub-menu by the same timer.
  const CPoint ptOpen = Center(m_pPopup->GetControl(0));
  m_pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptOpen.x, ptOpen.y));
  EXPECT_TRUE(m_pSubControl->IsPopupOpen());
  m_pPopup->SendMessage(WM_TIMER, CTKCommandBar::kTimerHover, 0);
  EXPECT_FALSE(m_pSubControl->IsPopupOpen());
  EXPECT_EQ(1, CTKMouseManager::GetThreadManager()->GetTrackedCount());
}

TEST_F(PopupSubMenuTest, RightOpensTheSubMenuAndLeftClosesIt) {
  m_pPopup->SetSelected(1, 2);
  ASSERT_TRUE(m_pPopup->OnHookKeyDown(VK_RIGHT, 0));
  ASSERT_TRUE(m_pSubControl->IsPopupOpen());
  CTKPopupBar* pSub = static_cast<CTKPopupBar*>(m_pSubControl->GetCommandBar());
  EXPECT_EQ(0, pSub->GetSelected()) << "opened by the keyboard: its first item is selected";
  ASSERT_TRUE(pSub->OnHookKeyDown(VK_LEFT, 0));
  EXPECT_FALSE(m_pSubControl->IsPopupOpen());
  EXPECT_TRUE(m_pPopup->IsTrackingMode()) << "only the sub-menu closed";
}

// Intelligent menus -------------------------------------------------------------------------

class PopupExpandTest : public PopupBarTest {
 protected:
  void SetUp() override {
    PopupBarTest::SetUp();
    CTKCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    pOptions->bAlwaysShowFullMenus = FALSE;
    m_pPopup = CTKPopupBar::CreatePopupBar(m_pCommandBars);
    m_pPopup->SetOwner(&m_site);
    for (int nId : {kOpen, kSave, kExit}) m_pPopup->GetControls()->Add(new CTKControlButton, nId);
  }
  void TearDown() override {
    PopupBarTest::TearDown();
    m_pPopup->InternalRelease();
  }
  CTKPopupBar* m_pPopup = nullptr;
};

TEST_F(PopupExpandTest, AMenuOfUnusedCommandsOnlyOpensFull) {
  for (int nId : {kOpen, kSave, kExit}) m_pCommandBars->HideCommand(nId);
  ASSERT_TRUE(m_pPopup->PopupAtPoint(100, 100));
  EXPECT_FALSE(m_pPopup->IsExpandNeeded());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(m_pPopup->GetControl(i)->IsVisible()) << i;
  EXPECT_EQ(nullptr, m_pPopup->GetControls()->FindControlById(CTKPopupBar::kIdExpandButton));
}

TEST_F(PopupExpandTest, UnusedCommandsWaitBehindTheExpandButton) {
  m_pCommandBars->HideCommand(kSave);
  ASSERT_TRUE(m_pPopup->PopupAtPoint(100, 100));
  EXPECT_TRUE(m_pPopup->IsExpandNeeded());
  EXPECT_FALSE(m_pPopup->GetControl(1)->IsVisible());
  CTKControl* pExpand = m_pPopup->GetControls()->FindControlById(CTKPopupBar::kIdExpandButton);
  ASSERT_NE(nullptr, pExpand);
  EXPECT_TRUE(pExpand->IsVisible());
}

TEST_F(PopupExpandTest, RestingOnTheExpandButtonExpandsWithShowFullAfterDelay) {
  for (BOOL bDelay : {FALSE, TRUE}) {
    m_pCommandBars->GetCommandBarsOptions()->bShowFullAfterDelay = bDelay;
    m_pCommandBars->HideCommand(kSave);
    m_system.m_started.clear();
    ASSERT_TRUE(m_pPopup->PopupAtPoint(100, 100));
    CTKControl* pExpand = m_pPopup->GetControls()->FindControlById(CTKPopupBar::kIdExpandButton);
    ASSERT_NE(nullptr, pExpand);
    m_pPopup->SetSelected(pExpand->GetIndex(), 0);
    EXPECT_EQ(bDelay ? 1 : 0,
              m_system.CountStarted(CTKPopupBar::kTimerExpand, CTKPopupBar::kExpandElapse));
    if (bDelay) m_pPopup->SendMessage(WM_TIMER, CTKPopupBar::kTimerExpand, 0);
    EXPECT_EQ(bDelay, m_pPopup->IsExpanded()) << bDelay;
    EXPECT_EQ(bDelay, m_pPopup->GetControl(1)->IsVisible()) << bDelay;
    m_pPopup->SetTrackingMode(FALSE);
    CTKMouseManager::GetThreadManager()->SetMenusExpanded(FALSE);
  }
}

TEST_F(PopupExpandTest, DownPastTheLastItemOrCtrlDownExpands) {
  struct Case {
    const char* name;
    int nSelected;
    SHORT nCtrlState;
    BOOL bExpanded;
  } cases[] = {
      {"down past the last", 2, 0, TRUE},
      {"down from the first", 0, 0, FALSE},
      {"ctrl+down from the first", 0, static_cast<SHORT>(0x8000), TRUE},
  };
  m_pCommandBars->HideCommand(kSave);
  for (const Case& c : cases) {
    m_system.m_keyState[VK_CONTROL] = c.nCtrlState;
    ASSERT_TRUE(m_pPopup->PopupAtPoint(100, 100)) << c.name;
    m_pPopup->SetSelected(c.nSelected, 2);
    EXPECT_TRUE(m_pPopup->OnHookKeyDown(VK_DOWN, 0)) << c.name;
    EXPECT_EQ(c.bExpanded, m_pPopup->IsExpanded()) << c.name;
    m_pPopup->SetTrackingMode(FALSE);
    CTKMouseManager::GetThreadManager()->SetMenusExpanded(FALSE);
  }
}

/// Records the expansions it animates (downward or not).
class CExpandRecordingPaintManager : public CTestPaintManager {
 public:
  std::vector<BOOL> m_expansions;
  int AnimateExpandingPopup(CTKPopupBar*, CDC*, CDC*, BOOL bDownward) override {
    m_expansions.push_back(bDownward);
    return 0;
  }
};

TEST_F(PopupExpandTest, AnExpansionAnimatesUnderAnAnimatedTypeOnly) {
  CExpandRecordingPaintManager* pPaintManager = new CExpandRecordingPaintManager;
  m_pPopup->SetPaintManager(pPaintManager);
  m_pCommandBars->HideCommand(kSave);
  for (int nType : {5, 4}) {
    m_pCommandBars->GetCommandBarsOptions()->animationType = nType;
    pPaintManager->m_expansions.clear();
    ASSERT_TRUE(m_pPopup->PopupAtPoint(100, 100));
    CRect rcBefore;
    m_pPopup->GetWindowRect(&rcBefore);
    m_pPopup->ExpandBar();
    CRect rcAfter;
    m_pPopup->GetWindowRect(&rcAfter);
    EXPECT_GT(rcAfter.Height(), rcBefore.Height()) << nType;
    EXPECT_TRUE(m_pPopup->GetControl(1)->IsVisible()) << nType;
    EXPECT_TRUE(m_pPopup->IsVisible()) << nType;
    EXPECT_EQ(nType == 4 ? std::vector<BOOL>{TRUE} : std::vector<BOOL>{}, pPaintManager->m_expansions)
        << nType;
    m_pPopup->SetTrackingMode(FALSE);
    CTKMouseManager::GetThreadManager()->SetMenusExpanded(FALSE);
  }
}

TEST_F(PopupExpandTest, TheAnimationFollowsTheOptionAndTheSystem) {
  struct Case {
    int nOption;
    int nRand;
    BOOL bAnimation;
    BOOL bFade;
    int nExpected;
  } cases[] = {
      {1, 0, FALSE, FALSE, 4}, {1, 1, FALSE, FALSE, 3}, {1, 5, FALSE, FALSE, 2},
      {3, 0, FALSE, FALSE, 3}, {0, 0, FALSE, TRUE, 5},  {0, 0, TRUE, TRUE, 4},
      {0, 0, TRUE, FALSE, 3},
  };
  for (const Case& c : cases) {
    m_pCommandBars->GetCommandBarsOptions()->animationType = c.nOption;
    m_system.m_nRand = c.nRand;
    m_system.m_bMenuAnimation = c.bAnimation;
    m_system.m_bMenuFade = c.bFade;
    EXPECT_EQ(c.nExpected, m_pPopup->GetAnimationType())
        << c.nOption << " " << c.nRand << " " << c.bAnimation << c.bFade;
  }
  CTKPopupBar* pLoose = CTKPopupBar::CreatePopupBar(nullptr);
  EXPECT_EQ(5, pLoose->GetAnimationType()) << "without command bars";
  pLoose->InternalRelease();
}

TEST_F(PopupBarTest, APopupToolBarLaysOutAsAToolBarWhateverTheLength) {
  CTKPopupToolBar* pBar = CTKPopupToolBar::CreatePopupToolBar(m_pCommandBars);
  EXPECT_EQ(tkBarTypeNormal, pBar->GetType());
  for (int i = 0; i < 12; ++i) pBar->GetControls()->Add(new CTKControlButton, 300 + i);
  const CSize sz = pBar->CalcDynamicLayout(10, 0);
  EXPECT_EQ(sz, pBar->CalcDynamicLayout(500, 0));
  EXPECT_EQ(pBar->GetControl(0)->GetRect().top, pBar->GetControl(1)->GetRect().top)
      << "side by side, not in menu rows";
  CTKPopupBar* pClone = pBar->Clone();
  EXPECT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CTKPopupToolBar)));
  EXPECT_EQ(12, pClone->GetControlCount());
  pClone->InternalRelease();
  pBar->InternalRelease();
}

// Scrolling ---------------------------------------------------------------------------------------

class PopupScrollTest : public PopupBarTest {
 protected:
  void SetUp() override {
    PopupBarTest::SetUp();
    m_system.m_rcWork = m_system.m_rcMonitor = CRect(0, 0, 1024, 300);
    m_pPopup = CTKPopupBar::CreatePopupBar(m_pCommandBars);
    m_pPopup->SetOwner(&m_site);
    for (int i = 0; i < kCount; ++i) m_pPopup->GetControls()->Add(new CTKControlButton, 200 + i);
    ASSERT_TRUE(m_pPopup->PopupAtPoint(100, 10));
  }
  void TearDown() override {
    PopupBarTest::TearDown();
    m_pPopup->InternalRelease();
  }
  void MoveTo(CPoint pt) { m_pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y)); }
  /// Ticks of a scroll timer until it stops itself; the first-visible index after each.
  std::vector<int> Scroll(UINT_PTR nTimer) {
    std::vector<int> firsts;
    for (int n = 0; n < kCount && m_system.CountKilled(nTimer) == 0; ++n) {
      m_pPopup->SendMessage(WM_TIMER, nTimer, 0);
      firsts.push_back(m_pPopup->GetFirstVisible());
    }
    return firsts;
  }
  BOOL Shown(int nIndex) { return m_pPopup->GetControl(nIndex)->IsVisible(); }

  static constexpr int kCount = 40;
  CTKPopupBar* m_pPopup = nullptr;
};

TEST_F(PopupScrollTest, AMenuTallerThanTheWorkAreaScrollsOneControlPerTick) {
  ASSERT_TRUE(m_pPopup->IsScrolling());
  CRect rcWindow;
  m_pPopup->GetWindowRect(&rcWindow);
  EXPECT_EQ(295, rcWindow.bottom) << "cut at the work area";
  EXPECT_TRUE(m_pPopup->GetScrollButtonRect(FALSE).IsRectEmpty());
  const CRect rcDown = m_pPopup->GetScrollButtonRect(TRUE);
  ASSERT_FALSE(rcDown.IsRectEmpty());
  const int nLast = m_pPopup->GetLastVisible();
  ASSERT_GT(nLast, 1);
  ASSERT_LT(nLast, kCount);
  EXPECT_TRUE(Shown(nLast - 1));
  EXPECT_FALSE(Shown(nLast));

  MoveTo(rcDown.CenterPoint());
  EXPECT_EQ(1, m_system.CountStarted(CTKPopupBar::kTimerScrollDown, CTKPopupBar::kScrollElapse));
  m_pPopup->SendMessage(WM_TIMER, CTKPopupBar::kTimerScrollDown, 0);
  EXPECT_EQ(nLast + 1, m_pPopup->GetLastVisible()) << "one more at the bottom";
  Scroll(CTKPopupBar::kTimerScrollDown);
  EXPECT_EQ(1, m_system.CountKilled(CTKPopupBar::kTimerScrollDown)) << "stops at the end";
  EXPECT_EQ(kCount, m_pPopup->GetLastVisible());
  EXPECT_TRUE(Shown(kCount - 1));
  EXPECT_FALSE(Shown(0));
  EXPECT_TRUE(m_pPopup->GetScrollButtonRect(TRUE).IsRectEmpty());
  EXPECT_FALSE(m_pPopup->GetScrollButtonRect(FALSE).IsRectEmpty());
}

TEST_F(PopupScrollTest, ASingleControlAboveIsShownAtOnce) {
  MoveTo(m_pPopup->GetScrollButtonRect(TRUE).CenterPoint());
  Scroll(CTKPopupBar::kTimerScrollDown);
  const int nFirst = m_pPopup->GetFirstVisible();
  ASSERT_GT(nFirst, 2);
  MoveTo(m_pPopup->GetScrollButtonRect(FALSE).CenterPoint());
  EXPECT_EQ(1, m_system.CountKilled(CTKPopupBar::kTimerScrollDown));
  std::vector<int> firsts = Scroll(CTKPopupBar::kTimerScrollUp);
  ASSERT_FALSE(firsts.empty());
  EXPECT_EQ(0, firsts.back());
  for (size_t i = 0; i + 1 < firsts.size(); ++i) EXPECT_EQ(nFirst - 1 - static_cast<int>(i), firsts[i]);
  EXPECT_EQ(firsts.end(), std::find(firsts.begin(), firsts.end(), 1)) << "never one hidden above";
  EXPECT_TRUE(Shown(0));
}

TEST_F(PopupScrollTest, AKeyboardSelectionScrollsIntoView) {
  m_pPopup->SetSelected(kCount - 1, 3);
  EXPECT_EQ(kCount, m_pPopup->GetLastVisible());
  EXPECT_TRUE(Shown(kCount - 1));
  m_pPopup->SetSelected(0, 2);
  EXPECT_EQ(0, m_pPopup->GetFirstVisible());
  EXPECT_TRUE(Shown(0));
}

// Tear-off --------------------------------------------------------------------------------------

/// A paint manager whose tear-off band has a height.
class CTearOffPaintManager : public CTestPaintManager {
 public:
  CSize DrawTearOffGripper(CDC*, CRect, BOOL, BOOL) override { return CSize(0, 8); }
};

class PopupTearOffTest : public PopupBarTest {
 protected:
  void SetUp() override {
    PopupBarTest::SetUp();
    m_pPopup = CTKPopupBar::CreatePopupBar(m_pCommandBars);
    m_pPopup->SetOwner(&m_site);
    m_pPopup->SetPaintManager(new CTearOffPaintManager);
    m_pPopup->SetTearOffPopup("Tools", 450);
    for (int nId : {kOpen, kSave}) m_pPopup->GetControls()->Add(new CTKControlButton, nId);
    ASSERT_TRUE(m_pPopup->PopupAtPoint(100, 100));
    ASSERT_FALSE(m_pPopup->GetTearOffRect().IsRectEmpty());
  }
  void TearDown() override {
    PopupBarTest::TearDown();
    m_pPopup->InternalRelease();
    if (m_pToolBar != nullptr) {
      m_pToolBar->DestroyWindow();
      m_pToolBar->InternalRelease();
    }
  }
  /// Posts a move to a point `dy` pixels below the band's middle (client).
  void PostMoveBelowBand(int dy) {
    const CPoint pt = m_pPopup->GetTearOffRect().CenterPoint();
    m_pPopup->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y + dy));
  }
  void Drag() {
    const CPoint pt = m_pPopup->GetTearOffRect().CenterPoint();
    m_pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
  }
  int TornOffMessages() { return m_site.CountMessages(CTKPopupBar::kMessageTornOff); }

  CTKPopupBar* m_pPopup = nullptr;
  CTKCommandBar* m_pToolBar = nullptr;
};

TEST_F(PopupTearOffTest, LeavingTheBandShowsTheToolBarAndComingBackRestoresThePopup) {
  m_site.m_onMessage = [&](UINT message) {
    if (message == CTKPopupBar::kMessageTornOff) {
      EXPECT_TRUE(m_pToolBar != nullptr && m_pToolBar->GetControlCount() == 2);
    }
  };
  m_pToolBar = new CTKCommandBar;
  m_site.m_onCreateBar = [&](TKCREATEBARSTRUCT* pCreate) { pCreate->pCommandBar = m_pToolBar; };

  // Out, back within 10 pixels of the band: the pop-up again.
  PostMoveBelowBand(200);
  PostMoveBelowBand(12);
  m_pPopup->PostMessage(WM_LBUTTONUP, 0, 0);
  Drag();
  EXPECT_EQ(1, TornOffMessages());
  EXPECT_TRUE(m_pPopup->IsVisible());
  EXPECT_FALSE(::IsWindowVisible(m_pToolBar->GetSafeHwnd()));
  EXPECT_TRUE(m_pPopup->IsTrackingMode());

  // Out and released there: the tool bar stays and the menu closes.
  PostMoveBelowBand(200);
  m_pPopup->PostMessage(WM_LBUTTONUP, 0, 0);
  Drag();
  EXPECT_TRUE(::IsWindowVisible(m_pToolBar->GetSafeHwnd()));
  EXPECT_FALSE(m_pPopup->IsTrackingMode());
}

TEST_F(PopupTearOffTest, WithoutAToolBarThePopupStays) {
  PostMoveBelowBand(200);
  m_pPopup->PostMessage(WM_LBUTTONUP, 0, 0);
  Drag();
  EXPECT_EQ(0, TornOffMessages());
  EXPECT_TRUE(m_pPopup->IsVisible());
  EXPECT_TRUE(m_pPopup->IsTrackingMode());
}

// Shadows ---------------------------------------------------------------------------------------

/// A paint manager with a shadow manager that shadows whatever the screen.
class CShadowPaintManager : public CTestPaintManager {
 public:
  CShadowPaintManager() : m_pShadows(new CTKShadowManager) {
    m_pShadows->SetOptions(CTKShadowManager::kOptionAlways);
  }
  ~CShadowPaintManager() override { m_pShadows->InternalRelease(); }
  CTKShadowManager* GetShadowManager() override { return m_pShadows; }
  CTKShadowManager* m_pShadows;
};

TEST_F(PopupBarTest, AnOpenPopupCastsShadowsThatGoWithIt) {
  struct Case {
    BOOL bShowShadow;
    BOOL bThemeShadow;
    bool bShadows;
  } cases[] = {{TRUE, TRUE, true}, {FALSE, TRUE, false}, {TRUE, FALSE, false}};
  for (const Case& c : cases) {
    CShadowPaintManager* pPaintManager = new CShadowPaintManager;
    pPaintManager->m_bShowShadow = c.bThemeShadow;
    CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(m_pCommandBars);
    pPopup->SetPaintManager(pPaintManager);
    pPopup->SetShowShadow(c.bShowShadow);
    pPopup->SetOwner(&m_site);
    pPopup->GetControls()->Add(new CTKControlButton, kOpen);
    ASSERT_TRUE(pPopup->PopupAtPoint(100, 100));
    const CTKShadowManager::CShadowList& shadows = pPaintManager->m_pShadows->GetShadows();
    EXPECT_EQ(c.bShadows, !shadows.IsEmpty()) << c.bShowShadow << c.bThemeShadow;
    pPopup->SetTrackingMode(FALSE);
    EXPECT_TRUE(shadows.IsEmpty()) << "gone with the pop-up";
    pPopup->InternalRelease();
  }
}

// The header control's menu ---------------------------------------------------------------------

TEST_F(PopupBarTest, TheHeaderMenuOpensAsAPopupBarWithTheToolBarIcons) {
  CTKHeaderCtrl header;
  ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ | HDS_BUTTONS,
                            CRect(0, 0, 300, 24), &m_site, 100));
  HDITEM hdi = {};
  hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  hdi.pszText = const_cast<char*>("A");
  hdi.cxy = 100;
  hdi.fmt = HDF_LEFT | HDF_STRING;
  header.InsertItem(0, &hdi);

  // Looked at while the menu is open, then dismissed.
  std::vector<std::string> captions;
  BOOL bIcon = FALSE;
  const UINT nLook = ::RegisterWindowMessageA("PopupBarTestLook");
  m_site.m_onMessage = [&](UINT message) {
    if (message != nLook) return;
    CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(
        CTKPopupBar, CTKMouseManager::GetThreadManager()->GetTrackedBar(0));
    if (pPopup == nullptr) return;
    for (int i = 0; i < pPopup->GetControlCount(); ++i)
      captions.push_back((LPCSTR)pPopup->GetControl(i)->GetCaption());
    CTKControl* pSort = pPopup->GetControls()->FindControlById(TK_ID_HEADER_SORTASCENDING);
    bIcon = pSort != nullptr && pSort->GetImage(16) != nullptr;
  };
  m_site.PostMessage(nLook, 0, 0);
  m_site.PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
  header.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(50, 5));
  EXPECT_EQ((std::vector<std::string>{"Sort Ascending", "Sort Descending", "Alignment"}),
            captions);
  EXPECT_TRUE(bIcon);
  EXPECT_EQ(0, CTKMouseManager::GetThreadManager()->GetTrackedCount());
}

}  // namespace
