// The main-frame base: what creation leaves, the minimum size, the display
// rectangle, the frame bounds, status texts, help, splitter positions through
// the profile hooks, the window list and the ribbon-filling helpers.
#include <gtest/gtest.h>

#include <htmlhelp.h>

#include <map>
#include <string>
#include <vector>

#include "SupportSystem.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControl.h"
#include "common/TKToolTipContext.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "ribbon/TKRibbonTab.h"
#include "testsupport/HostWindow.h"
#include "testsupport/MessageLoop.h"
#include "themes/TKPaintManagerBase.h"
#include "uilib/ApplicationMainFrame.h"
#include "uilib/SplitterWindow.h"

namespace {

CWinApp theApp("VelmApplicationMainFrameTest");

const UINT kFrameResource = 700;

/// Keeps the profile in memory and records the order of the ribbon hooks.
class CTestFrame : public CApplicationMainFrame {
 public:
  std::map<std::string, std::string> m_profile;
  std::vector<std::string> m_hooks;

  bool ReadProfileString(CTesselString section, CTesselString key,
                         CTesselString* pValue) override {
    auto it = m_profile.find(std::string(section.GetText()) + "/" + key.GetText());
    if (it == m_profile.end()) return false;
    *pValue = it->second.c_str();
    return true;
  }
  bool WriteProfileString(CTesselString section, CTesselString key,
                          CTesselString value) override {
    m_profile[std::string(section.GetText()) + "/" + key.GetText()] = value.GetText();
    return true;
  }
  bool LoadRibbonImages() override {
    m_hooks.push_back("images");
    return true;
  }
  bool CreateQuickAccessControls() override {
    m_hooks.push_back(GetRibbonBar() != nullptr ? "quick access with ribbon" : "quick access");
    return true;
  }
};

class ApplicationMainFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pFrame = new CTestFrame;
    ASSERT_TRUE(m_pFrame->LoadFrame(kFrameResource, WS_OVERLAPPEDWINDOW, NULL, NULL));
    m_hFrame = m_pFrame->m_hWnd;
  }
  void TearDown() override {
    // The frame deletes itself with its window.
    if (::IsWindow(m_hFrame)) m_pFrame->DestroyWindow();
  }

  CScriptedSystem m_system;
  CTestFrame* m_pFrame = nullptr;
  HWND m_hFrame = NULL;
};

TEST_F(ApplicationMainFrameTest, CreationLeavesARibbonInTheThemeAndAHiddenDisabledMdiClient) {
  EXPECT_EQ(NULL, ::GetMenu(m_hFrame));
  ASSERT_NE(nullptr, m_pFrame->m_hWndMDIClient);
  EXPECT_TRUE(::IsWindow(m_pFrame->m_hWndMDIClient));
  EXPECT_FALSE(::IsWindowVisible(m_pFrame->m_hWndMDIClient));
  EXPECT_FALSE(::IsWindowEnabled(m_pFrame->m_hWndMDIClient));
  EXPECT_EQ(0, m_pFrame->GetExStyle() & WS_EX_CLIENTEDGE);

  CTKCommandBars* pCommandBars = m_pFrame->GetCommandBars();
  ASSERT_NE(nullptr, pCommandBars);
  CTKRibbonBar* pRibbon = m_pFrame->GetRibbonBar();
  ASSERT_NE(nullptr, pRibbon);
  EXPECT_STREQ("Ribbon Bar", pRibbon->GetTitle());
  EXPECT_TRUE(pRibbon->IsAllowMinimize());
  EXPECT_EQ(0u, pRibbon->GetFlags());
  EXPECT_EQ(CSize(16, 16), pRibbon->GetIconSize());
  EXPECT_TRUE(pRibbon->IsFrameThemeEnabled());
  EXPECT_EQ((std::vector<std::string>{"images", "quick access with ribbon"}), m_pFrame->m_hooks);

  auto* pTheme = dynamic_cast<CTKPaintManagerBase*>(pCommandBars->GetPaintManager());
  ASSERT_NE(nullptr, pTheme);
  EXPECT_EQ(6, pTheme->GetThemeType());
  auto* pGlobal = dynamic_cast<CTKPaintManagerBase*>(CTKPaintManager::GetGlobal());
  ASSERT_NE(nullptr, pGlobal);
  EXPECT_EQ(6, pGlobal->GetThemeType());
  EXPECT_FALSE(pGlobal->GetIconsInfo()->bUseFadedIcons);
  EXPECT_FALSE(pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways);

  CTKToolTipContext* pTips = pCommandBars->GetToolTipContext();
  ASSERT_NE(nullptr, pTips);
  EXPECT_EQ(CTKToolTipContext::styleOffice, pTips->GetStyle());
  EXPECT_TRUE(pTips->IsShowTitleAndDescription());
  EXPECT_EQ(180, pTips->GetMaxTipWidth());
  EXPECT_EQ(CRect(2, 2, 2, 2), pTips->GetMargin());
  EXPECT_FALSE(m_pFrame->ConfigureToolTips(nullptr));

  EXPECT_TRUE(::IsWindow(m_pFrame->GetStatusBarManager().m_hWnd));
}

TEST_F(ApplicationMainFrameTest, CannotBeSizedBelow675By550UnlessTheProgramSaysSo) {
  for (SIZE size : {SIZE{675, 550}, SIZE{400, 300}}) {
    m_pFrame->SetMinTrackSize(size.cx, size.cy);
    MINMAXINFO info = {};
    m_pFrame->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(size.cx, info.ptMinTrackSize.x);
    EXPECT_EQ(size.cy, info.ptMinTrackSize.y);
  }
  CApplicationMainFrame fresh;
  EXPECT_EQ(675, fresh.GetMinTrackSize()->cx);
  EXPECT_EQ(550, fresh.GetMinTrackSize()->cy);
}

TEST_F(ApplicationMainFrameTest, TheDisplayRectangleLiesBetweenTheRibbonAndTheStatusBar) {
  m_pFrame->MoveWindow(0, 0, 800, 600);
  m_pFrame->ShowStatusBar(true);
  m_pFrame->RecalcLayout();
  CRect client, display, ribbon, status;
  m_pFrame->GetClientRect(&client);
  m_pFrame->GetDisplayRect(&display);
  m_pFrame->GetRibbonBar()->GetWindowRect(&ribbon);
  m_pFrame->GetStatusBarManager().GetWindowRect(&status);
  ASSERT_GT(status.Height(), 0);
  const int ribbonHeight = m_pFrame->GetRibbonBar()->IsVisible() ? ribbon.Height() : 0;
  EXPECT_EQ(CRect(0, ribbonHeight, client.right, client.bottom - status.Height()), display);

  m_pFrame->ShowStatusBar(false);
  m_pFrame->GetDisplayRect(&display);
  EXPECT_EQ(client.bottom, display.bottom);
}

// The corrections for each answer are the frame-bounds utility's (its own
// table of cases); the frame asks about its own window and applies them.
TEST_F(ApplicationMainFrameTest, FrameBoundsAreTheWindowCorrectedForTheFrameTheSystemDraws) {
  m_pFrame->MoveWindow(10, 20, 700, 560);
  CRect window;
  m_pFrame->GetWindowRect(&window);
  m_system.m_dwmAnswer = CUILibSystem::kDwmAnswered;
  m_system.m_dwmQueries.clear();
  CRect bounds;
  EXPECT_EQ(&bounds, reinterpret_cast<CRect*>(m_pFrame->GetFrameBounds(&bounds)));
  EXPECT_EQ(CRect(window.left, window.top, window.right + 6, window.bottom + 3), bounds);
  ASSERT_EQ(1u, m_system.m_dwmQueries.size());
  EXPECT_EQ(m_hFrame, m_system.m_dwmQueries[0]);
}

TEST_F(ApplicationMainFrameTest, StatusTextsGoToTheirPanes) {
  CStatusBarManager& bar = m_pFrame->GetStatusBarManager();
  EXPECT_TRUE(m_pFrame->SetStatusTextFromResource(701));
  EXPECT_STREQ("Ready", bar.GetPaneText(0));
  EXPECT_TRUE(m_pFrame->ClearStatusText());
  EXPECT_STREQ("", bar.GetPaneText(0));

  CTesselString text("Step 1 of 3 Steps");
  EXPECT_TRUE(m_pFrame->SetSecondaryStatusText(&text));
  EXPECT_STREQ("Step 1 of 3 Steps", bar.GetPaneText(1));
  EXPECT_TRUE(m_pFrame->ClearSecondaryStatusText());
  // Hidden, then shown again by the empty text: the pane stays, empty and narrow.
  CTKStatusBarPane* pPane = bar.FindPane(1);
  ASSERT_NE(nullptr, pPane);
  EXPECT_TRUE(pPane->IsVisible());
  EXPECT_STREQ("", bar.GetPaneText(1));
  EXPECT_EQ(50, pPane->GetWidth());
  EXPECT_FALSE(m_pFrame->ForwardStatusToHostedChild());
}

TEST_F(ApplicationMainFrameTest, HelpOpensTheProgramsFolderAtTheTopicAndClosesWithTheFrame) {
  EXPECT_FALSE(m_pFrame->CloseHelpWindow()) << "no help window yet";
  CTestHostWindow help;
  ASSERT_TRUE(help.CreateHost());
  m_system.m_hHelpWindow = help.m_hWnd;
  EXPECT_TRUE(m_pFrame->ShowHelp(1000));
  ASSERT_FALSE(m_system.m_helpCalls.empty());
  EXPECT_EQ(static_cast<UINT>(HH_HELP_CONTEXT), m_system.m_helpCalls.back().first);
  EXPECT_EQ(1000u, m_system.m_helpCalls.back().second);
  EXPECT_EQ(help.m_hWnd, m_pFrame->GetHelpWindow());
  CTesselString path;
  EXPECT_EQ(&path, m_pFrame->GetHelpFilePath(&path));
  EXPECT_EQ('\\', path.GetText()[path.GetLength() - 1]);

  m_pFrame->SendMessage(WM_CLOSE);
  EXPECT_EQ(1, help.CountMessages(WM_CLOSE));
  EXPECT_FALSE(::IsWindow(m_hFrame));
}

TEST_F(ApplicationMainFrameTest, WindowListPostsTheCloseRequestToEveryListedWindowOnce) {
  EXPECT_FALSE(m_pFrame->HasWindows());
  EXPECT_FALSE(m_pFrame->RequestCloseAllWindows());
  EXPECT_FALSE(m_pFrame->ClearWindowList());
  EXPECT_FALSE(m_pFrame->AddWindow(nullptr));

  CTestHostWindow first, second;
  ASSERT_TRUE(first.CreateHost());
  ASSERT_TRUE(second.CreateHost());
  EXPECT_TRUE(m_pFrame->AddWindow(&first));
  EXPECT_FALSE(m_pFrame->AddWindow(&first)) << "listed once";
  EXPECT_TRUE(m_pFrame->AddWindow(&second));
  EXPECT_EQ(2, m_pFrame->GetWindowList()->GetCount());
  EXPECT_TRUE(m_pFrame->RequestCloseAllWindows());
  DispatchPendingMessages();
  for (CTestHostWindow* host : {&first, &second}) {
    EXPECT_EQ(1, host->CountMessages(WM_USER + 107));
    const HostMessage* pMsg = host->FindLastMessage(WM_USER + 107);
    ASSERT_NE(nullptr, pMsg);
    EXPECT_EQ(0u, pMsg->wParam);
    EXPECT_EQ(0, pMsg->lParam);
  }
  EXPECT_TRUE(m_pFrame->HasWindows()) << "the entries stay";

  EXPECT_TRUE(m_pFrame->RemoveWindow(&first));
  EXPECT_FALSE(m_pFrame->RemoveWindow(&first));
  EXPECT_EQ(1, m_pFrame->GetWindowList()->GetCount());
  EXPECT_TRUE(m_pFrame->ClearWindowList());
  EXPECT_FALSE(m_pFrame->HasWindows());
}

TEST_F(ApplicationMainFrameTest, RibbonHelpersMakeLargeGroupButtonsAndIconOnlyQuickAccessButtons) {
  CTKRibbonBar* pRibbon = m_pFrame->GetRibbonBar();
  CTKRibbonGroup* pGroup = pRibbon->AddTab("Home", 1)->GetGroups()->AddGroup("Build", 2);
  EXPECT_FALSE(m_pFrame->AddRibbonButton(nullptr, 100, false));
  EXPECT_TRUE(m_pFrame->AddRibbonButton(pGroup, 100, false));
  EXPECT_TRUE(m_pFrame->AddRibbonButton(pGroup, 101, true));
  EXPECT_TRUE(m_pFrame->AddRibbonCheckBox(pGroup, 102, false));
  struct Expected {
    int type, id, style;
    BOOL beginGroup;
  } expected[] = {
      {tkControlButton, 100, tkButtonIconAndCaption, FALSE},
      {tkControlButton, 101, tkButtonIconAndCaption, TRUE},
      {tkControlCheckBox, 102, -1, FALSE},
  };
  ASSERT_EQ(3, pGroup->GetCount());
  for (int i = 0; i < 3; ++i) {
    CTKControl* pControl = pGroup->GetAt(i);
    EXPECT_EQ(expected[i].type, pControl->GetType()) << i;
    EXPECT_EQ(expected[i].id, pControl->GetID()) << i;
    if (expected[i].style >= 0) {
      EXPECT_EQ(expected[i].style, pControl->GetStyle()) << i;
    }
    EXPECT_EQ(expected[i].beginGroup, pControl->GetBeginGroup()) << i;
  }

  CTKRibbonQuickAccessControls* pQuick = pRibbon->GetQuickAccessControls();
  const int before = pQuick->GetCount();
  EXPECT_TRUE(m_pFrame->ConfigureRibbonButton(200, false, false, 20));
  EXPECT_TRUE(m_pFrame->ConfigureRibbonButton(201, true, true, 20));
  ASSERT_EQ(before + 2, pQuick->GetCount());
  CTKControl* pShown = pQuick->GetAt(before);
  CTKControl* pHidden = pQuick->GetAt(before + 1);
  EXPECT_EQ(200, pShown->GetID());
  EXPECT_EQ(tkButtonIcon, pShown->GetStyle());
  EXPECT_EQ(CSize(20, 20), pShown->GetIconSize());
  EXPECT_EQ(0u, pShown->GetHideFlags());
  EXPECT_TRUE(pHidden->GetBeginGroup());
  EXPECT_EQ(0x10u, pHidden->GetHideFlags());

  CTestFrame unmade;
  EXPECT_FALSE(unmade.ConfigureRibbonButton(200, false, false, 20)) << "no ribbon";
  EXPECT_FALSE(unmade.CreateRibbonBar()) << "no command bars";
}

// Splitter positions need no frame window: the parent is a host window.
class SplitterPersistenceTest : public ::testing::Test {
 protected:
  /// A horizontal splitter over a host of the given client height.
  void Place(int height) {
    ASSERT_TRUE(m_parent.CreateHost(300, height));
    m_splitter.m_nOrientation = CSplitterWindow::orientationHorizontal;
  }
  CTestHostWindow m_parent;
  CSplitterWindow m_splitter;
  CTestFrame m_frame;
};

TEST_F(SplitterPersistenceTest, AStoredFractionIsAppliedWithinTheRange) {
  struct Case {
    const char* stored;  // null: nothing stored
    int height;
    int position;
    bool result;
  } cases[] = {
      {"0.7500", 400, 300, true},
      // The range collapses (50 above 40); the clamp swaps it and the bar ends at 50.
      {"0.7500", 90, 50, true},
      {"abc", 400, 50, false},
      {"-0.5", 400, 50, false},
      {"0", 400, 50, false},
      {nullptr, 500, 250, false},
  };
  for (const Case& c : cases) {
    CTestHostWindow parent;
    ASSERT_TRUE(parent.CreateHost(300, c.height));
    CSplitterWindow splitter;
    splitter.m_nOrientation = CSplitterWindow::orientationHorizontal;
    CTestFrame frame;
    if (c.stored != nullptr) frame.m_profile["Options/MainWindowSplitter"] = c.stored;
    EXPECT_EQ(c.result, frame.RestoreSplitterPosition(parent.m_hWnd, "Options",
                                                      "MainWindowSplitter", &splitter))
        << (c.stored ? c.stored : "none") << " " << c.height;
    EXPECT_EQ(c.position, splitter.GetPosition()) << (c.stored ? c.stored : "none");
  }
}

TEST_F(SplitterPersistenceTest, AVerticalSplitterUsesTheWidth) {
  ASSERT_TRUE(m_parent.CreateHost(600, 200));
  m_splitter.m_nOrientation = CSplitterWindow::orientationVertical;
  m_frame.m_profile["Options/Key"] = "0.2500";
  EXPECT_TRUE(m_frame.RestoreSplitterPosition(m_parent.m_hWnd, "Options", "Key", &m_splitter));
  EXPECT_EQ(150, m_splitter.GetPosition());
  EXPECT_EQ(50, m_splitter.m_nRangeMinimum);
  EXPECT_EQ(550, m_splitter.m_nRangeMaximum);
}

TEST_F(SplitterPersistenceTest, SavingWritesTheFractionWithFourDecimals) {
  Place(600);
  m_splitter.SetPosition(150);
  EXPECT_TRUE(m_frame.SaveSplitterPosition(m_parent.m_hWnd, "Options", "MainWindowSplitter",
                                           &m_splitter));
  EXPECT_EQ("0.2500", m_frame.m_profile["Options/MainWindowSplitter"]);
  EXPECT_FALSE(m_frame.SaveSplitterPosition(NULL, "Options", "Other", &m_splitter));

  CTestHostWindow flat;
  ASSERT_TRUE(flat.CreateHost(300, 0));
  EXPECT_FALSE(m_frame.SaveSplitterPosition(flat.m_hWnd, "Options", "Flat", &m_splitter));
  EXPECT_EQ(0u, m_frame.m_profile.count("Options/Flat"));
}

TEST(ApplicationMainFrameHooks, TheBaseProfileFindsAndStoresNothing) {
  CApplicationMainFrame frame;
  CTesselString value("kept");
  EXPECT_FALSE(frame.ReadProfileString("Options", "Key", &value));
  EXPECT_STREQ("kept", value.GetText());
  EXPECT_FALSE(frame.WriteProfileString("Options", "Key", "1"));
  EXPECT_FALSE(frame.RestoreWindowPlacement());
  EXPECT_EQ(nullptr, frame.GetOptionsStore());
}

}  // namespace
