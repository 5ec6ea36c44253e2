// Context menus: the menu of the tool bars (the list of bars a menu
// placeholder or a right-click makes, showing and hiding bars from it), the
// status bar's customise pop-up, the bar lists and context menus of the
// command bars, and the classes bars are made of.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportFrameTest.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBarList.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControlLists.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKMenuBar.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKStatusBar.h"
#include "commandbars/TKStatusBarPane.h"
#include "commandbars/TKToolBar.h"
#include "common/TKToolTipContext.h"
#include "common/TKToolTipSystem.h"

namespace {

/// Counts the bars of its kind that are still alive.
class CCountedPopupBar : public CTKPopupBar {
  DECLARE_DYNCREATE(CCountedPopupBar)
 public:
  static int s_nAlive;
  CCountedPopupBar() { ++s_nAlive; }
  ~CCountedPopupBar() override { --s_nAlive; }
};
int CCountedPopupBar::s_nAlive = 0;
IMPLEMENT_DYNCREATE(CCountedPopupBar, CTKPopupBar)

class CCountedToolBar : public CTKToolBar {
  DECLARE_DYNCREATE(CCountedToolBar)
};
IMPLEMENT_DYNCREATE(CCountedToolBar, CTKToolBar)

class CCountedDockBar : public CTKDockBar {
  DECLARE_DYNCREATE(CCountedDockBar)
};
IMPLEMENT_DYNCREATE(CCountedDockBar, CTKDockBar)

/// Keeps where it was asked to open the tool-bar menu instead of opening it.
class CRecordingCommandBars : public CTKCommandBars {
 public:
  struct Request {
    CTKCommandBar* pBar;
    CPoint ptScreen;
  };
  std::vector<Request> m_requests;
  void ShowToolbarContextMenu(CTKCommandBar* pBar, CPoint ptScreen) override {
    m_requests.push_back({pBar, ptScreen});
  }
};

/// A site that may offer the customise command.
class COfferingSite : public CTestSite {
 public:
  BOOL m_bOfferCustomize = FALSE;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override {
    if (m_bOfferCustomize && nID == TKID_CUSTOMIZE && nCode == CN_COMMAND && pInfo != nullptr)
      return TRUE;
    return CTestSite::OnCmdMsg(nID, nCode, pExtra, pInfo);
  }
};

/// "caption|checked|group|tag" of each control of a bar from `nFirst` on.
std::vector<std::string> Describe(CTKCommandBar* pBar, int nFirst = 0) {
  std::vector<std::string> items;
  for (int i = nFirst; i < pBar->GetControlCount(); ++i) {
    CTKControl* pControl = pBar->GetControl(i);
    items.push_back(std::string(pControl->GetCaption()) + "|" +
                    std::to_string(pControl->GetChecked()) + "|" +
                    std::to_string(pControl->GetBeginGroup()) + "|" +
                    std::to_string(pControl->GetTag()));
  }
  return items;
}

class ContextMenusTest : public CommandBarsSiteTest<CRecordingSystem> {
 protected:
  /// A floating bar (no window needed) with the given settings.
  CTKToolBar* AddBar(const char* title, BOOL bVisible = TRUE, BOOL bListed = TRUE,
                     BOOL bCloseable = TRUE) {
    CTKToolBar* pBar = m_pBars->Add(title, tkBarFloating);
    pBar->SetVisible(bVisible);
    pBar->SetContextMenuPresent(bListed);
    pBar->SetCloseable(bCloseable);
    return pBar;
  }
};

// Bar lists ---------------------------------------------------------------------------

TEST_F(ContextMenusTest, ABarListHoldsItsBarsUntilEmptied) {
  CCountedPopupBar::s_nAlive = 0;
  {
    CTKCommandBarList list;
    for (UINT nId : {7u, 9u}) {
      CCountedPopupBar* pBar = new CCountedPopupBar;
      pBar->SetBarID(nId);
      list.Add(pBar);
    }
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.FindCommandBar(9), list.GetAt(1));
    EXPECT_EQ(list.FindCommandBar(8), nullptr);
    EXPECT_EQ(list.GetAt(2), nullptr);
    EXPECT_EQ(list.GetAt(-1), nullptr);
    EXPECT_TRUE(list.Contains(list.GetAt(0)));
    CTKPopupBar other;
    EXPECT_FALSE(list.Contains(&other));
    EXPECT_EQ(CCountedPopupBar::s_nAlive, 2);

    // A bar someone else holds outlives the list's reference.
    CTKCommandBar* pKept = list.GetAt(0);
    pKept->InternalAddRef();
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(CCountedPopupBar::s_nAlive, 1);
    list.Add(new CCountedPopupBar);
    pKept->InternalRelease();
  }
  EXPECT_EQ(CCountedPopupBar::s_nAlive, 0) << "the destructor empties the list";
}

TEST_F(ContextMenusTest, ContextMenusAreMarkedAndReleasedWithTheCommandBars) {
  CCountedPopupBar::s_nAlive = 0;
  CCountedPopupBar* pMenu = new CCountedPopupBar;
  EXPECT_FALSE(pMenu->IsContextMenu());
  m_pBars->GetContextMenus()->Add(pMenu);
  EXPECT_TRUE(pMenu->IsContextMenu());
  EXPECT_EQ(m_pBars->GetContextMenus()->GetCommandBars(), m_pBars);
  EXPECT_TRUE(m_pBars->GetContextMenus()->Contains(pMenu));
  ResetCommandBars(new CTKCommandBars);
  EXPECT_EQ(CCountedPopupBar::s_nAlive, 0);
}

// The classes bars are made of ----------------------------------------------------------

TEST_F(ContextMenusTest, TheMenuBarSlotMakesMenuBars) {
  CRuntimeClass* pClass = CTKCommandBars::GetRuntimeClasses().pMenuBarClass;
  EXPECT_EQ(RUNTIME_CLASS(CTKMenuBar), pClass);
  CTKToolBar* pBar = m_pBars->Add("Menu Bar", tkBarTop, pClass);
  ASSERT_NE(nullptr, pBar);
  EXPECT_TRUE(pBar->IsKindOf(RUNTIME_CLASS(CTKMenuBar)));
  EXPECT_EQ(tkBarTypeMenuBar, pBar->GetType());
}

TEST_F(ContextMenusTest, BarsAreMadeOfTheClassesOfTheTable) {
  CTKCommandBars::TK_RUNTIME_CLASSES& classes = CTKCommandBars::GetRuntimeClasses();
  EXPECT_EQ(classes.pToolBarClass, RUNTIME_CLASS(CTKToolBar));
  EXPECT_EQ(classes.pPopupBarClass, RUNTIME_CLASS(CTKPopupBar));
  EXPECT_EQ(classes.pPopupToolBarClass, RUNTIME_CLASS(CTKPopupToolBar));
  EXPECT_EQ(classes.pDockBarClass, RUNTIME_CLASS(CTKDockBar));

  const CTKCommandBars::TK_RUNTIME_CLASSES saved = classes;
  classes.pToolBarClass = RUNTIME_CLASS(CCountedToolBar);
  classes.pPopupBarClass = RUNTIME_CLASS(CCountedPopupBar);
  classes.pDockBarClass = RUNTIME_CLASS(CCountedDockBar);
  CTKToolBar* pBar = m_pBars->Add("Standard", tkBarFloating);
  CTKToolBar* pCustom = m_pBars->AddCustomBar("Mine", 200, TRUE);
  EXPECT_TRUE(pBar->IsKindOf(RUNTIME_CLASS(CCountedToolBar)));
  ASSERT_NE(pCustom, nullptr);
  EXPECT_TRUE(pCustom->IsKindOf(RUNTIME_CLASS(CCountedToolBar)));
  CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(m_pBars);
  ResetCommandBars(new CTKCommandBars);
  CTKDockBar* pDock = m_pBars->GetDockBar(0);
  // A class that makes no bar of the kind asked for makes nothing.
  classes.pToolBarClass = RUNTIME_CLASS(CCountedPopupBar);
  CTKToolBar* pWrong = m_pBars->Add("Wrong", tkBarFloating);
  classes = saved;

  EXPECT_TRUE(pPopup->IsKindOf(RUNTIME_CLASS(CCountedPopupBar)));
  EXPECT_TRUE(pDock->IsKindOf(RUNTIME_CLASS(CCountedDockBar)));
  EXPECT_EQ(pWrong, nullptr);
  pPopup->InternalRelease();
}

// The items of the tool-bar list --------------------------------------------------------

TEST_F(ContextMenusTest, TheListNamesTheBarsThatMayBeClosedFromAMenu) {
  AddBar("Standard");
  AddBar("R&D", FALSE);
  AddBar("Not listed", TRUE, FALSE);
  AddBar("Not closeable", TRUE, TRUE, FALSE);
  AddBar("Last");
  struct Case {
    const char* name;
    BOOL bCustomize;
    BOOL bOffered;
    BOOL bBeginGroup;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {"group", FALSE, TRUE, TRUE, {"Standard|1|1|0", "R&&D|0|0|1", "Last|1|0|4"}},
      {"no group", FALSE, TRUE, FALSE, {"Standard|1|0|0", "R&&D|0|0|1", "Last|1|0|4"}},
      {"customise offered",
       TRUE,
       TRUE,
       FALSE,
       {"Standard|1|0|0", "R&&D|0|0|1", "Last|1|0|4", "|0|1|0"}},
      {"customise not offered", TRUE, FALSE, FALSE, {"Standard|1|0|0", "R&&D|0|0|1", "Last|1|0|4"}},
  };
  COfferingSite site;
  ASSERT_TRUE(site.CreateHost());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    site.m_bOfferCustomize = c.bOffered;
    m_pBars->SetSite(&site);
    CTKPopupBar* pPopup = CTKPopupBar::CreatePopupBar(m_pBars);
    pPopup->GetControls()->AddNew(tkControlButton, 100);
    CTKControlToolbars::AddToolbarItems(pPopup, 0, TKID_TOOLBARLIST, c.bCustomize, c.bBeginGroup);
    std::vector<std::string> expected = c.items;
    expected.push_back("|0|0|0");  // the control that was there stays behind the items
    EXPECT_EQ(Describe(pPopup), expected);
    for (int i = 0; i < 3; ++i) {
      CTKControl* pItem = pPopup->GetControl(i);
      EXPECT_EQ(pItem->GetID(), TKID_TOOLBARLIST);
      EXPECT_TRUE(pItem->IsTemporary());
      EXPECT_NE(pItem->GetFlags() & TKFLAG_MANUALUPDATE, 0u);
    }
    if (c.bCustomize && c.bOffered) {
      EXPECT_EQ(pPopup->GetControl(3)->GetID(), TKID_CUSTOMIZE);
    }
    pPopup->InternalRelease();
  }
  m_pBars->SetSite(&m_site);
}

TEST_F(ContextMenusTest, ItemsOfOneIdKeepTheirOwnCaptionsWithActionsOn) {
  m_pBars->EnableActions();
  AddBar("One");
  AddBar("Two", FALSE);
  CTKPopupBar* pPopup = m_pBars->CreateToolbarMenu();
  EXPECT_EQ(Describe(pPopup), (std::vector<std::string>{"One|1|0|0", "Two|0|0|1"}));
  pPopup->InternalRelease();
}

TEST_F(ContextMenusTest, ThePlaceholderReplacesItsItemsEachTimeAndShowsItselfInCustomizeMode) {
  AddBar("Standard");
  AddBar("Format", FALSE);
  CTKPopupBar* pMenu = CTKPopupBar::CreatePopupBar(m_pBars);
  CTKControls* pControls = pMenu->GetControls();
  pControls->AddNew(tkControlButton, 100);
  CTKControl* pList = pControls->AddNew(tkControlButton, TKID_TOOLBARLIST);
  pControls->AddNew(tkControlButton, 201);
  ASSERT_TRUE(pList->IsKindOf(RUNTIME_CLASS(CTKControlToolbars)));
  pList->SetBeginGroup(TRUE);

  pList->OnCalcDynamicSize(0);
  EXPECT_EQ(pList->GetHideFlags(), static_cast<DWORD>(TKHIDE_GENERIC));
  EXPECT_EQ(Describe(pMenu, 2), (std::vector<std::string>{"Standard|1|1|0", "Format|0|0|1", "|0|0|0"}));

  m_pBars->GetAt(1)->SetVisible(TRUE);
  pList->OnCalcDynamicSize(0);
  EXPECT_EQ(Describe(pMenu, 2), (std::vector<std::string>{"Standard|1|1|0", "Format|1|0|1", "|0|0|0"}));

  m_pBars->SetCustomizeMode(TRUE);
  pList->OnCalcDynamicSize(0);
  m_pBars->SetCustomizeMode(FALSE);
  EXPECT_EQ(pList->GetHideFlags(), 0u);
  EXPECT_EQ(pMenu->GetControlCount(), 3);
  EXPECT_EQ(pMenu->GetControl(2)->GetID(), 201);

  DWORD dwEffect = DROPEFFECT_MOVE;
  EXPECT_TRUE(pList->CanDropOnBar(pMenu, CPoint(0, 0), dwEffect));
  EXPECT_FALSE(pList->CanDropOnBar(m_pBars->GetAt(0), CPoint(0, 0), dwEffect));
  EXPECT_EQ(dwEffect, static_cast<DWORD>(DROPEFFECT_NONE));
  pMenu->InternalRelease();
}

TEST_F(ContextMenusTest, RunningAnItemShowsOrHidesItsBar) {
  AddBar("Standard");
  CTKToolBar* pFormat = AddBar("Format");
  CTKPopupBar* pPopup = m_pBars->CreateToolbarMenu();
  ASSERT_EQ(pPopup->GetControlCount(), 2);
  m_pBars->GetCommandBarsOptions()->bDirty = FALSE;
  pPopup->GetControl(1)->OnExecute();
  EXPECT_FALSE(pFormat->IsVisible());
  EXPECT_TRUE(m_pBars->GetAt(0)->IsVisible());
  EXPECT_TRUE(m_pBars->GetCommandBarsOptions()->bDirty) << "the layout changed";
  pPopup->GetControl(1)->OnExecute();
  EXPECT_TRUE(pFormat->IsVisible());
  EXPECT_EQ(m_site.CountMessages(WM_COMMAND), 0) << "the items send no command";
  pPopup->InternalRelease();
}

// Opening the menu ------------------------------------------------------------------

/// Ends the menu loop from inside it and keeps what the site was shown.
class MenuTrackingTest : public ContextMenusTest {
 protected:
  static constexpr UINT kCloseMenus = WM_APP + 7;
  void SetUp() override {
    ContextMenusTest::SetUp();
    m_site.m_onMessage = [this](UINT message) {
      if (message == kCloseMenus) {
        CTKMouseManager* pMouse = CTKCommandBars::GetMouseManager();
        m_nTrackedWhileOpen = pMouse->GetTrackedCount();
        m_pTracked = m_nTrackedWhileOpen > 0 ? pMouse->GetTrackedBar(0) : nullptr;
        if (m_pTracked != nullptr) m_pTracked->GetWindowRect(&m_rcTracked);
        m_pBars->CloseAllPopups();
      }
    };
  }
  void TearDown() override {
    m_site.m_onMessage = nullptr;
    ContextMenusTest::TearDown();
  }

  int m_nTrackedWhileOpen = -1;
  CTKCommandBar* m_pTracked = nullptr;
  CRect m_rcTracked;
};

TEST_F(MenuTrackingTest, TheSiteSeesTheMenuBeforeItOpensAtThePoint) {
  AddBar("Standard");
  CTKToolBar* pFormat = AddBar("Format");
  ::PostMessage(m_site.GetSafeHwnd(), kCloseMenus, 0, 0);
  m_pBars->ShowToolbarContextMenu(pFormat, CPoint(40, 50));

  const HostMessage* pNotice = m_site.FindLastMessage(TK_WM_TOOLBARCONTEXTMENU);
  ASSERT_NE(pNotice, nullptr);
  EXPECT_EQ(pNotice->wParam, reinterpret_cast<WPARAM>(pFormat));
  EXPECT_NE(pNotice->lParam, 0);
  EXPECT_EQ(m_nTrackedWhileOpen, 1) << "the menu was open";
  EXPECT_EQ(reinterpret_cast<LPARAM>(m_pTracked), pNotice->lParam);
  EXPECT_EQ(m_rcTracked.TopLeft(), CPoint(40, 50));
  EXPECT_EQ(CTKCommandBars::GetMouseManager()->GetTrackedCount(), 0);
}

TEST_F(MenuTrackingTest, NothingOpensInCustomizeModeOrWithoutItems) {
  struct Case {
    const char* name;
    BOOL bCustomize;
    BOOL bListed;
    int nNotices;
  };
  const Case cases[] = {
      {"customise mode", TRUE, TRUE, 0},
      {"no bar listed", FALSE, FALSE, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetCommandBars(new CTKCommandBars);
    AddBar("Standard", TRUE, c.bListed);
    m_site.ClearMessages();
    m_pBars->SetCustomizeMode(c.bCustomize);
    m_pBars->ShowToolbarContextMenu(nullptr, CPoint(10, 10));  // returns: no loop runs
    m_pBars->SetCustomizeMode(FALSE);
    EXPECT_EQ(m_site.CountMessages(TK_WM_TOOLBARCONTEXTMENU), c.nNotices);
    EXPECT_EQ(CTKCommandBars::GetMouseManager()->GetTrackedCount(), 0);
  }
}

TEST_F(MenuTrackingTest, TheStatusBarOpensItsCustomisePopupAtTheClick) {
  CTKStatusBar bar;
  ASSERT_TRUE(bar.Create(&m_site));
  const UINT ids[] = {0, 101, 102};
  ASSERT_TRUE(bar.SetIndicators(ids, 3));
  bar.MoveWindow(0, 0, 300, 24);
  bar.EnableCustomization();
  ::PostMessage(m_site.GetSafeHwnd(), kCloseMenus, 0, 0);
  bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(150, 10));

  EXPECT_EQ(m_nTrackedWhileOpen, 1);
  ASSERT_NE(m_pTracked, nullptr);
  CPoint ptScreen(150, 10);
  bar.ClientToScreen(&ptScreen);
  EXPECT_EQ(m_rcTracked.TopLeft(), ptScreen);
  EXPECT_EQ(CTKCommandBars::GetMouseManager()->GetTrackedCount(), 0);
  bar.DestroyWindow();
  bar.RemoveAll();
}

TEST_F(ContextMenusTest, TheRightButtonOnAToolBarOrADockBarAsksForTheMenu) {
  CRecordingCommandBars* pBars = new CRecordingCommandBars;
  ResetCommandBars(pBars);
  CTKToolBar* pBar = m_pBars->Add("Standard", tkBarTop);
  pBar->GetControls()->AddNew(tkControlButton, 100);
  LayOutSite();
  ASSERT_NE(pBar->GetSafeHwnd(), (HWND)NULL);

  CRect rcBar;
  pBar->GetWindowRect(&rcBar);
  const CPoint ptBar(rcBar.Width() - 2, 2);  // right of the one button
  pBar->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(ptBar.x, ptBar.y));
  CTKDockBar* pBottom = m_pBars->GetDockBar(1);
  pBottom->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 1));

  ASSERT_EQ(pBars->m_requests.size(), 2u);
  EXPECT_EQ(pBars->m_requests[0].pBar, pBar);
  CPoint ptScreen = ptBar;
  pBar->ClientToScreen(&ptScreen);
  EXPECT_EQ(pBars->m_requests[0].ptScreen, ptScreen);
  EXPECT_EQ(pBars->m_requests[1].pBar, nullptr);
  ptScreen = CPoint(3, 1);
  pBottom->ClientToScreen(&ptScreen);
  EXPECT_EQ(pBars->m_requests[1].ptScreen, ptScreen);

  // In customise mode the bar's own customise handling takes the button.
  m_pBars->SetCustomizeMode(TRUE);
  pBar->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(ptBar.x, ptBar.y));
  m_pBars->SetCustomizeMode(FALSE);
  EXPECT_EQ(pBars->m_requests.size(), 2u);
}

/// The cursor where the test puts it.
class CCursorSystem : public CTKToolTipSystem {
 public:
  CPoint m_ptCursor;
  CPoint GetCursorPos() override { return m_ptCursor; }
  BOOL IsMouseButtonDown() override { return FALSE; }
};

TEST_F(ContextMenusTest, TheMouseOverABarReachesTheTipsOfItsCommandBars) {
  CTKToolBar* pBar = m_pBars->Add("Standard", tkBarTop);
  CTKControl* pButton = pBar->GetControls()->AddNew(tkControlButton, 100);
  pButton->SetTooltip("Build all steps");
  LayOutSite();
  ASSERT_NE(pBar->GetSafeHwnd(), (HWND)NULL);
  const CPoint ptClient = pButton->GetRect().CenterPoint();
  CCursorSystem system;
  system.m_ptCursor = ptClient;
  pBar->ClientToScreen(&system.m_ptCursor);
  TKSetToolTipSystem(&system);
  pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
  TKSetToolTipSystem(nullptr);
  const TOOLINFO& tool = m_pBars->GetToolTipContext()->GetLastTool();
  EXPECT_EQ(tool.hwnd, pBar->GetSafeHwnd());
  EXPECT_EQ(tool.uId, static_cast<UINT_PTR>(pButton->GetIconId()));
}

TEST_F(ContextMenusTest, TipsShowAmpersandsAsTheyStand) {
  CTKToolTipContext* pContext = m_pBars->GetToolTipContext();
  ASSERT_NE(pContext, nullptr);
  EXPECT_NE(pContext->GetToolTipStyle() & TTS_NOPREFIX, 0u);
}

}  // namespace
