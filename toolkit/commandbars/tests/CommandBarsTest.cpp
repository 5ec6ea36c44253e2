// The command-bars manager with a host window as its site: the bars it owns,
// the messages the site receives, Alt access, frame messages and dock places.
#include <gtest/gtest.h>

#include <stddef.h>

#include <string>
#include <vector>

#include "SupportFrameTest.h"
#include "SupportSystem.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKToolBar.h"
#include "common/TKDpiHelper.h"

// The record the site may fill travels through SendMessage on a 64-bit
// system: its bar and its title are whole pointers.
static_assert(sizeof(TKCREATEBARSTRUCT::pCommandBar) == sizeof(void*), "bar is a pointer");
static_assert(sizeof(TKCREATEBARSTRUCT::lpcstrCaption) == sizeof(void*), "title is a pointer");

namespace {

/// A control that counts how often its mnemonic ran it.
class CAccelControl : public CTKControl {
 public:
  int m_nActivated = 0;
  void OnUnderlineActivate() override { ++m_nActivated; }
};

/// Counts the metrics refreshes a frame message asks for.
class CCountingPaintManager : public CTestPaintManager {
 public:
  int m_nRefreshes = 0;
  void RefreshMetrics() override { ++m_nRefreshes; }
};

/// Answers the input desktop's name the test chooses.
class CDesktopSystem : public CRecordingSystem {
 public:
  CString m_strDesktop = "Default";
  CString GetInputDesktopName() override { return m_strDesktop; }
};

class CommandBarsTest : public CommandBarsSiteTest<CDesktopSystem> {
 protected:
  /// A docked bar with one caption control per text, ids from 100.
  CTKToolBar* AddBar(const std::vector<const char*>& captions, UINT nBarId = 0,
                     int nType = tkBarTypeNormal) {
    CTKToolBar* pBar = m_pBars->Add("Bar", tkBarTop);
    pBar->SetBarID(nBarId);
    pBar->SetType(nType);
    for (size_t i = 0; i < captions.size(); ++i) {
      CAccelControl* pControl = new CAccelControl;
      pBar->GetControls()->Add(pControl, 100 + static_cast<int>(i));
      pControl->SetCaption(captions[i]);
      pControl->SetStyle(tkButtonCaption);
    }
    LayOutSite();
    return pBar;
  }
  CAccelControl* Control(CTKToolBar* pBar, int nIndex) {
    return static_cast<CAccelControl*>(pBar->GetControl(nIndex));
  }

};

TEST_F(CommandBarsTest, TheSiteHearsTheBarsWithTheirParameters) {
  CTKToolBar* pBar = AddBar({"&One", "&Two"});
  CTKControl* pControl = pBar->GetControl(1);
  pBar->SetVisible(FALSE);
  m_pBars->SetDragControl(pControl);
  pBar->SetSelected(1);
  pBar->SetSelected(-1);
  pControl->OnExecute();
  const UINT ids[] = {ID_FILE_NEW, 0, ID_FILE_OPEN};
  pBar->SetButtons(ids, 3);
  CTKToolBar* pCustom = m_pBars->AddCustomBar("Mine", 7);

  struct Case {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  } cases[] = {
      {TK_WM_BARVISIBLECHANGED, reinterpret_cast<WPARAM>(pBar), FALSE},
      {TK_WM_DRAGCONTROLCHANGED, 0, 0},
      {TK_WM_CONTROLSELECTED, reinterpret_cast<WPARAM>(pControl), 0},
      {TK_WM_CONTROLNOTIFY, 101, -1},
      {TK_WM_CREATECONTROL, 0, -1},
      {TK_WM_CONTROLCREATED, 0, -1},
      {TK_WM_CREATECOMMANDBAR, 0, -1},
  };
  for (const Case& c : cases) {
    const HostMessage* pMessage = m_site.FindLastMessage(c.message);
    ASSERT_NE(nullptr, pMessage) << std::hex << c.message;
    if (c.message != TK_WM_CONTROLSELECTED) EXPECT_EQ(c.wParam, pMessage->wParam) << c.message;
    if (c.lParam != -1) EXPECT_EQ(c.lParam, pMessage->lParam) << std::hex << c.message;
    if (c.lParam == -1) EXPECT_NE(0, pMessage->lParam) << std::hex << c.message;
  }
  EXPECT_EQ(2, m_site.CountMessages(TK_WM_CREATECONTROL)) << "none for the separator";
  EXPECT_TRUE(pBar->GetControl(1)->GetBeginGroup());
  const std::vector<HostMessage>& all = m_site.GetMessages();
  int nSelected = 0;
  for (const HostMessage& m : all)
    if (m.message == TK_WM_CONTROLSELECTED)
      EXPECT_EQ(nSelected++ == 0 ? reinterpret_cast<WPARAM>(pControl) : 0, m.wParam);
  EXPECT_EQ(2, nSelected) << "made hot, then lost it";
  EXPECT_EQ(7u, pCustom->GetBarID());
}

TEST_F(CommandBarsTest, TheCreateBarRecordCarriesWholePointersBothWays) {
  static const char kSiteTitle[] = "Renamed by the site";
  TKCREATEBARSTRUCT seen = {};
  const char* pszTitle = "Custom";
  CTKToolBar* pSeenBar = nullptr;
  struct CRecordSite : public CTestSite {
    TKCREATEBARSTRUCT* pSeen;
    CTKToolBar** ppBar;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == TK_WM_CREATECOMMANDBAR) {
        TKCREATEBARSTRUCT* pRecord = reinterpret_cast<TKCREATEBARSTRUCT*>(lParam);
        *pSeen = *pRecord;
        *ppBar = static_cast<CTKToolBar*>(pRecord->pCommandBar);
        pRecord->lpcstrCaption = kSiteTitle;
      }
      return CTestSite::WindowProc(message, wParam, lParam);
    }
  } site;
  site.pSeen = &seen;
  site.ppBar = &pSeenBar;
  ASSERT_TRUE(site.CreateHost());
  m_pBars->SetSite(&site);

  CTKToolBar* pBar = m_pBars->AddCustomBar(pszTitle, 42, FALSE);
  ASSERT_NE(nullptr, pBar);
  EXPECT_EQ(pBar, pSeenBar);
  EXPECT_EQ(pszTitle, seen.lpcstrCaption) << "the title's own address, not a cut one";
  EXPECT_TRUE(seen.bCustomBar);
  EXPECT_FALSE(seen.bFloat);
  EXPECT_EQ(42u, seen.nID);
  EXPECT_EQ(CString(kSiteTitle), pBar->GetTitle());
  EXPECT_FALSE(pBar->IsBuiltIn());
  m_pBars->RemoveAllToolBars();
  m_pBars->SetSite(&m_site);
}

TEST_F(CommandBarsTest, AltLetterOfTwoExplicitMnemonicsSelectsTheNextWithoutRunningIt) {
  m_site.ShowWindow(SW_SHOWNA);
  CTKToolBar* pMenu = AddBar({"&File", "&Format", "&Edit", "F&ind"}, 1, tkBarTypeMenuBar);
  pMenu->SetTrackingMode(TRUE);
  pMenu->SetSelected(0);
  EXPECT_TRUE(m_pBars->OnFrameAccel('F'));
  EXPECT_EQ(1, pMenu->GetSelected()) << "the first after the hot control";
  EXPECT_EQ(0, Control(pMenu, 1)->m_nActivated);

  pMenu->SetSelected(1);
  EXPECT_TRUE(m_pBars->OnFrameAccel('F'));
  EXPECT_EQ(0, pMenu->GetSelected()) << "the search wraps";

  EXPECT_TRUE(m_pBars->OnFrameAccel('I'));
  EXPECT_EQ(3, pMenu->GetSelected());
  EXPECT_EQ(1, Control(pMenu, 3)->m_nActivated) << "a unique mnemonic runs its control";
  EXPECT_EQ(1, m_pBars->GetKeyboardTipLevel());
}

TEST_F(CommandBarsTest, FirstLettersMatchOnlyOnTheMenuBarOrWhileTracking) {
  m_site.ShowWindow(SW_SHOWNA);
  struct Case {
    int type;
    BOOL tracking;
    int cuesUse;
    BOOL found;
  } cases[] = {
      {tkBarTypeMenuBar, FALSE, 1, TRUE},  {tkBarTypeNormal, FALSE, 1, FALSE},
      {tkBarTypeNormal, TRUE, 1, TRUE},    {tkBarTypeMenuBar, FALSE, 5, FALSE},
      {tkBarTypeNormal, TRUE, 5, FALSE},
  };
  for (const Case& c : cases) {
    CTKToolBar* pBar = AddBar({"Save", "Print"}, 0, c.type);
    pBar->SetTrackingMode(c.tracking);
    m_pBars->GetCommandBarsOptions()->keyboardCuesUse = c.cuesUse;
    BOOL bAmbiguous = TRUE;
    CTKControl* pFound = m_pBars->FindAccelControl(pBar, 'P', &bAmbiguous);
    EXPECT_EQ(c.found ? pBar->GetControl(1) : nullptr, pFound)
        << c.type << " " << c.tracking << " " << c.cuesUse;
    EXPECT_FALSE(bAmbiguous);
    pBar->SetTrackingMode(FALSE);
    m_pBars->Remove(pBar);
  }
}

TEST_F(CommandBarsTest, ASearchThroughEveryVisibleBarEndsWhenNothingMatches) {
  m_site.ShowWindow(SW_SHOWNA);
  CTKToolBar* pHiddenTracking = AddBar({"&Alpha"});
  AddBar({"&Beta"});
  AddBar({"&Gamma"});
  pHiddenTracking->SetVisible(FALSE);
  pHiddenTracking->SetTrackingMode(TRUE);
  LayOutSite();
  m_pBars->GetCommandBarsOptions()->keyboardCuesUse = 1;
  EXPECT_FALSE(m_pBars->OnFrameAccel('Z')) << "and it returns";
  EXPECT_TRUE(m_pBars->OnFrameAccel('G')) << "the search goes on into the visible bars";
  EXPECT_EQ(0, m_pBars->GetAt(2)->GetSelected());
}

TEST_F(CommandBarsTest, KeyboardCuesUseTwoLeavesAltLettersToTheFrame) {
  m_site.ShowWindow(SW_SHOWNA);
  CTKToolBar* pMenu = AddBar({"&File", "&Edit"}, 1, tkBarTypeMenuBar);
  m_pBars->GetCommandBarsOptions()->keyboardCuesUse = 2;
  EXPECT_FALSE(m_pBars->OnFrameAccel('E'));
  EXPECT_EQ(-1, pMenu->GetSelected());
  EXPECT_FALSE(pMenu->IsTrackingMode());

  m_pBars->GetCommandBarsOptions()->keyboardCuesUse = 1;
  EXPECT_TRUE(m_pBars->OnFrameAccel('E'));
  EXPECT_EQ(1, pMenu->GetSelected());
  EXPECT_TRUE(pMenu->IsTrackingMode());
}

TEST_F(CommandBarsTest, AltAloneShowsTheCuesAndAltWithALetterReachesTheMenuBar) {
  m_site.ShowWindow(SW_SHOW);
  ASSERT_EQ(m_site.GetSafeHwnd(), ::GetActiveWindow());
  CTKToolBar* pMenu = AddBar({"&File", "&Edit"}, 1, tkBarTypeMenuBar);
  m_pBars->SetKeyboardCuesState(FALSE, TRUE);
  const LPARAM lAltDown = 1 << 29;
  struct Case {
    UINT message;
    WPARAM key;
    BOOL consumed;
    BOOL cues;
    int selected;
  } cases[] = {
      {WM_SYSKEYDOWN, VK_MENU, FALSE, TRUE, -1},
      {WM_SYSKEYUP, VK_MENU, FALSE, FALSE, -1},
      {WM_SYSKEYDOWN, 'E', TRUE, TRUE, 1},
      {WM_SYSKEYDOWN, 'Q', FALSE, TRUE, 1},
  };
  for (const Case& c : cases) {
    MSG msg = {m_site.GetSafeHwnd(), c.message, c.key, lAltDown};
    EXPECT_EQ(c.consumed, m_pBars->PreTranslateFrameMessage(&msg)) << c.message << " " << c.key;
    EXPECT_EQ(c.cues, m_pBars->IsKeyboardCuesVisible()) << c.message << " " << c.key;
    EXPECT_EQ(c.selected, pMenu->GetSelected()) << c.message << " " << c.key;
  }
  MSG keyUp = {m_site.GetSafeHwnd(), WM_KEYUP, 'E', 0};
  m_pBars->PreTranslateFrameMessage(&keyUp);
  EXPECT_TRUE(m_pBars->IsKeyboardCuesVisible()) << "the menu bar tracks: the cues stay";
  pMenu->SetTrackingMode(FALSE);
  m_pBars->OnTrackingModeChanged(pMenu, FALSE);
  EXPECT_FALSE(m_pBars->IsKeyboardCuesVisible()) << "leaving the menu bar hides them";
}

TEST_F(CommandBarsTest, SettingsChangeOnALockedDesktopRefreshesMetricsWithoutRelayout) {
  CCountingPaintManager* pTheme = new CCountingPaintManager;
  m_pBars->SetPaintManager(pTheme);
  struct Case {
    const char* desktop;
    BOOL relayout;
  } cases[] = {{"Winlogon", FALSE}, {"", FALSE}, {"default", TRUE}};
  for (const Case& c : cases) {
    m_system.m_strDesktop = c.desktop;
    pTheme->m_nRefreshes = 0;
    m_site.ClearMessages();
    LRESULT result = 0;
    EXPECT_FALSE(m_pBars->HandleFrameMessage(WM_SETTINGCHANGE, 0, 0, &result));
    EXPECT_EQ(1, pTheme->m_nRefreshes) << c.desktop;
    EXPECT_EQ(c.relayout, m_site.CountMessages(WM_NCPAINT) > 0) << c.desktop;
  }
}

TEST_F(CommandBarsTest, DockBarFromPointReachesTwentyScaledPixelsAroundADockBar) {
  for (int nDpi : {96, 120}) {
    TKDpiHelper()->OverrideDpi(nDpi, nDpi);
    CTKDockBar* pBottom = m_pBars->GetDockBar(tkBarBottom);
    pBottom->MoveWindow(0, 250, 400, 30);
    CRect rc;
    pBottom->GetWindowRect(&rc);
    const CPoint ptNear(rc.CenterPoint().x, rc.bottom + TKDpiHelper()->ScaleY(19));
    const CPoint ptFar(rc.CenterPoint().x, rc.bottom + TKDpiHelper()->ScaleY(21));
    EXPECT_EQ(pBottom, m_pBars->DockBarFromPoint(ptNear)) << nDpi;
    EXPECT_EQ(nullptr, m_pBars->DockBarFromPoint(ptFar)) << nDpi;
    CTKDockBar* pTop = m_pBars->GetDockBar(tkBarTop);
    EXPECT_EQ(pTop, m_pBars->DockBarFromPoint(ptFar, pTop)) << "the preferred one wins";
  }
}

TEST_F(CommandBarsTest, RemovingTenBarsLaysTheFrameOutOnce) {
  for (int i = 0; i < 10; ++i) ASSERT_NE(nullptr, m_pBars->Add("Bar", i % 4));
  ASSERT_EQ(10, m_pBars->GetCount());
  m_site.ClearMessages();
  m_pBars->RemoveAllToolBars();
  EXPECT_EQ(0, m_pBars->GetCount());
  EXPECT_EQ(1, m_site.CountMessages(WM_SIZE));
  for (int nSide = 0; nSide < 4; ++nSide)
    EXPECT_EQ(0, m_pBars->GetDockBar(nSide)->GetRowCount()) << nSide;
}

TEST_F(CommandBarsTest, AFrameSiteIsLaidOutAtItsNextIdleTime) {
  CFrameWnd* pFrame = new CFrameWnd;
  ASSERT_TRUE(pFrame->Create(NULL, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 300)));
  CTKCommandBars* pBars = new CTKCommandBars;
  pBars->SetSite(pFrame);
  pBars->CreateDockBars();
  for (int i = 0; i < 10; ++i) pBars->Add("Bar", i % 4);
  pFrame->RecalcLayout();
  pBars->RemoveAllToolBars();
  EXPECT_TRUE(pFrame->m_nIdleFlags & CFrameWnd::idleLayout);
  pBars->RecalcLayoutIfDelayed();
  EXPECT_FALSE(pFrame->m_nIdleFlags & CFrameWnd::idleLayout);
  pBars->InternalRelease();
  pFrame->DestroyWindow();
}

TEST_F(CommandBarsTest, TheTrackingLoopRunsUntilTrackingEndsAndLeavesAQuitToTheProgram) {
  CTKToolBar* pBar = AddBar({"&File"});
  pBar->SetTrackingMode(TRUE);
  m_site.m_onCommand = [pBar] { pBar->SetTrackingMode(FALSE); };
  m_site.PostMessage(WM_KICKIDLE);
  m_site.PostMessage(WM_COMMAND, 5);
  m_site.PostMessage(WM_COMMAND, 6);
  CTKCommandBars::PumpTrackingMessages(pBar);
  EXPECT_FALSE(pBar->IsTrackingMode());
  EXPECT_EQ(0, m_site.CountMessages(WM_KICKIDLE)) << "the idle kick is dropped";
  EXPECT_EQ(std::vector<WPARAM>{5}, m_site.m_commands) << "what comes after is left queued";
  MSG msg;
  ASSERT_TRUE(::PeekMessage(&msg, m_site.GetSafeHwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
  EXPECT_EQ(6u, msg.wParam);

  pBar->SetTrackingMode(TRUE);
  ::PostQuitMessage(7);
  CTKCommandBars::PumpTrackingMessages(pBar);
  ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is posted again";
  EXPECT_EQ(7u, msg.wParam);
  pBar->SetTrackingMode(FALSE);
}

TEST_F(CommandBarsTest, APopupOfHiddenCommandsIsHiddenInMenusUnlessEmpty) {
  CTKToolBar* pBar = AddBar({});
  CTKControl* pFull = pBar->GetControls()->AddNew(tkControlPopup, 200);
  CTKControl* pEmpty = pBar->GetControls()->AddNew(tkControlPopup, 201);
  CTKControl* pButton = pBar->GetControls()->AddNew(tkControlButton, 202);
  pFull->GetCommandBar()->GetControls()->AddNew(tkControlButton, 300);
  pFull->GetCommandBar()->GetControls()->AddNew(tkControlButton, 301);
  m_pBars->HideCommand(300);
  m_pBars->HideCommand(202);
  struct Case {
    BOOL hide301;
    BOOL autoHide;
    BOOL full, empty, button;
  } cases[] = {
      {FALSE, TRUE, FALSE, FALSE, TRUE},
      {TRUE, TRUE, TRUE, FALSE, TRUE},
      {TRUE, FALSE, FALSE, FALSE, TRUE},
  };
  for (const Case& c : cases) {
    if (c.hide301) m_pBars->HideCommand(301);
    m_pBars->GetCommandBarsOptions()->bAutoHideUnusedPopups = c.autoHide;
    EXPECT_EQ(c.full, m_pBars->IsControlHiddenInMenu(pFull)) << c.hide301 << c.autoHide;
    EXPECT_EQ(c.empty, m_pBars->IsControlHiddenInMenu(pEmpty)) << c.hide301 << c.autoHide;
    EXPECT_EQ(c.button, m_pBars->IsControlHiddenInMenu(pButton)) << c.hide301 << c.autoHide;
  }
  m_pBars->SetCommandUsed(300);
  m_pBars->GetCommandBarsOptions()->bAutoHideUnusedPopups = TRUE;
  EXPECT_FALSE(m_pBars->IsControlHiddenInMenu(pFull)) << "a command once used shows again";
}

TEST_F(CommandBarsTest, BarsAreFoundByIndexAndIdAndTheMenuBarByItsKind) {
  CTKToolBar* pFirst = AddBar({}, 5);
  CTKToolBar* pMenu = AddBar({}, 1);
  EXPECT_EQ(pMenu, m_pBars->GetAt(1));
  EXPECT_EQ(nullptr, m_pBars->GetAt(2));
  EXPECT_EQ(nullptr, m_pBars->GetAt(-1));
  EXPECT_EQ(0, m_pBars->FindIndex(pFirst));
  EXPECT_EQ(pFirst, m_pBars->GetToolBar(5));
  EXPECT_EQ(nullptr, m_pBars->GetToolBar(0));
  EXPECT_EQ(nullptr, m_pBars->GetMenuBar()) << "bar 1 is no menu bar yet";
  pMenu->SetType(tkBarTypeMenuBar);
  EXPECT_EQ(pMenu, m_pBars->GetMenuBar());
  EXPECT_EQ(nullptr, m_pBars->Add("Nowhere", tkBarNone));
  EXPECT_EQ(2, m_pBars->GetCount());
}

}  // namespace

TEST_F(CommandBarsTest, CtrlTabInATrackingToolBarMovesToTheNextVisibleOneAndWraps) {
  m_site.ShowWindow(SW_SHOWNA);
  CTKToolBar* pFirst = AddBar({"&One"});
  CTKToolBar* pHidden = AddBar({"&Two"});
  CTKToolBar* pLast = AddBar({"&Three"});
  pHidden->SetVisible(FALSE);
  m_system.m_keysDown.insert(VK_CONTROL);
  struct Step {
    CTKToolBar* from;
    CTKToolBar* to;
  } steps[] = {{pFirst, pLast}, {pLast, pFirst}};
  for (const Step& s : steps) {
    s.from->SetTrackingMode(TRUE, FALSE, TRUE);
    EXPECT_EQ(1, s.from->OnHookKeyDown(VK_TAB, 0));
    EXPECT_FALSE(s.from->IsTrackingMode());
    EXPECT_TRUE(s.to->IsTrackingMode());
    EXPECT_FALSE(pHidden->IsTrackingMode());
    s.to->SetTrackingMode(FALSE);
  }
}

TEST_F(CommandBarsTest, WhileAPopupIsTrackedTheContextMenuKeyGoesToTheMenuAndKeysToTheAccelerators) {
  m_site.ShowWindow(SW_SHOWNA);
  CTKToolBar* pBar = AddBar({"&One"});
  ACCEL accel = {FCONTROL | FVIRTKEY, 'K', 100};
  HACCEL hAccel = ::CreateAcceleratorTable(&accel, 1);
  m_pBars->GetShortcutManager()->SetAccelerators(hAccel);
  MSG contextMenu = {m_site.GetSafeHwnd(), WM_CONTEXTMENU, 0, 0};
  MSG wheel = {m_site.GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0};
  EXPECT_FALSE(m_pBars->PreTranslateFrameMessage(&contextMenu));
  EXPECT_FALSE(m_pBars->PreTranslateFrameMessage(&wheel));

  CTKCommandBars::GetMouseManager()->AddTrackedBar(pBar);
  EXPECT_TRUE(m_pBars->PreTranslateFrameMessage(&contextMenu));
  CTKCommandBars::GetMouseManager()->RemoveTrackedBar(pBar);

  m_system.m_keysDown.insert(VK_CONTROL);
  MSG key = {m_site.GetSafeHwnd(), WM_KEYDOWN, 'K', 0};
  EXPECT_TRUE(m_pBars->PreTranslateFrameMessage(&key));
  m_system.m_keysDown.clear();
  ::DestroyAcceleratorTable(hAccel);
}
