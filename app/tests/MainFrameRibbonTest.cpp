// The main frame's ribbon: tabs, groups and their buttons, the quick-access
// bar, the system button's menu, and the pages following the ribbon's size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportApp.h"
#include "app/AppResources.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "ribbon/TKRibbonTab.h"

namespace {

CWinApp theApp("VelmMainFrameRibbonTest");

class MainFrameRibbonTest : public ::testing::Test {
 protected:
  CScriptedAppSystem m_appSystem;
  CScriptedSystem m_system;
};

std::vector<int> ControlIds(CTKControls* pControls, bool visibleOnly) {
  std::vector<int> ids;
  for (int i = 0; i < pControls->GetCount(); ++i) {
    CTKControl* pControl = pControls->GetAt(i);
    if (!visibleOnly || pControl->IsVisible()) ids.push_back(pControl->GetID());
  }
  return ids;
}

TEST_F(MainFrameRibbonTest, TabsGroupsAndLargeButtonsInTheirOrder) {
  CFrameFixture frame;
  CTKRibbonBar* pRibbon = frame->GetRibbonBar();
  ASSERT_NE(nullptr, pRibbon);
  EXPECT_EQ(NULL, ::GetMenu(frame->m_hWnd));
  EXPECT_TRUE(pRibbon->IsRibbonMinimized());
  struct Group {
    const char* tab;
    const char* group;
    std::vector<int> buttons;
  } expected[] = {
      {"File", "Build File", {4018, 4022, 4021, 4012}},
      {"Build Steps", "Edit", {4000, 4004, 4003, 4001, 4006, 4005, 4014}},
      {"Build Steps", "Run", {4010, 4020, 4019, 4011}},
      {"Help", "Help", {4025, 4015, ID_APP_ABOUT}},
  };
  ASSERT_EQ(3, pRibbon->GetTabCount());
  size_t next = 0;
  for (int t = 0; t < pRibbon->GetTabCount(); ++t) {
    CTKRibbonTab* pTab = pRibbon->GetTab(t);
    CTKRibbonGroups* pGroups = pTab->GetGroups();
    for (int g = 0; g < pGroups->GetCount(); ++g, ++next) {
      ASSERT_LT(next, sizeof(expected) / sizeof(expected[0]));
      const Group& e = expected[next];
      CTKRibbonGroup* pGroup = pGroups->GetAt(g);
      EXPECT_EQ(e.tab, std::string(pTab->GetCaption()));
      EXPECT_EQ(e.group, std::string(pGroup->GetCaption()));
      std::vector<int> ids;
      for (int i = 0; i < pGroup->GetCount(); ++i) {
        CTKControl* pControl = pGroup->GetAt(i);
        ids.push_back(pControl->GetID());
        EXPECT_EQ(tkControlButton, pControl->GetType()) << pControl->GetID();
        EXPECT_EQ(tkButtonIconAndCaption, pControl->GetStyle()) << pControl->GetID();
        EXPECT_FALSE(pControl->GetBeginGroup()) << pControl->GetID();
      }
      EXPECT_EQ(e.buttons, ids) << e.group;
    }
  }
  EXPECT_EQ(sizeof(expected) / sizeof(expected[0]), next);
}

TEST_F(MainFrameRibbonTest, FourteenQuickAccessButtonsAndNoCustomiseDropDown) {
  CFrameFixture frame;
  // Wide enough that none of them gives way to the more button.
  frame->SetWindowPos(NULL, 0, 0, 1000, 700, SWP_NOZORDER | SWP_NOACTIVATE);
  CTKRibbonBar* pRibbon = frame->GetRibbonBar();
  CTKRibbonQuickAccessControls* pQuick = pRibbon->GetQuickAccessControls();
  ASSERT_NE(nullptr, pQuick);
  const std::vector<int> expected = {4018, 4022, 4012, 4000, 4004, 4003, 4001,
                                     4006, 4005, 4010, 4020, 4019, 4011, 4025};
  EXPECT_EQ(expected, ControlIds(pQuick, true));
  for (int i = 0; i < pQuick->GetCount(); ++i) {
    CTKControl* pControl = pQuick->GetAt(i);
    EXPECT_EQ(tkButtonIcon, pControl->GetStyle()) << pControl->GetID();
    EXPECT_EQ(CSize(20, 20), pControl->GetIconSize()) << pControl->GetID();
  }
  EXPECT_FALSE(pRibbon->IsAllowQuickAccessCustomization());
  ASSERT_NE(nullptr, pRibbon->GetControlQuickAccess());
  EXPECT_FALSE(pRibbon->GetControlQuickAccess()->IsVisible());
  // A reset of the bar returns to these fourteen.
  CTKControls* pOriginal = pQuick->GetOriginalControls();
  ASSERT_NE(nullptr, pOriginal);
  EXPECT_EQ(expected, ControlIds(pOriginal, false));
}

TEST_F(MainFrameRibbonTest, TheSystemButtonOffersTheBuildFileCommands) {
  CFrameFixture frame;
  CTKControl* pButton = frame->GetRibbonBar()->GetSystemButton();
  ASSERT_NE(nullptr, pButton);
  EXPECT_EQ(IDR_MAINFRAME, pButton->GetID());
  EXPECT_STREQ("&Quick Access Menu", pButton->GetRawCaption());
  CTKCommandBar* pPopup = pButton->GetCommandBar();
  ASSERT_NE(nullptr, pPopup);
  EXPECT_EQ(CSize(20, 20), pPopup->GetIconSize());
  struct Item {
    int id;
    const char* caption;
    BOOL beginGroup;
  } expected[] = {
      {ID_OPEN_BUILD_FILE, "&Open Build File...", FALSE},
      {ID_CLOSE_BUILD_FILE, "&Close", FALSE},
      {ID_SAVE, "&Save", TRUE},
      {ID_SAVE_AS, "&Save As...", FALSE},
      {ID_APP_EXIT, "E&xit", TRUE},
  };
  CTKControls* pItems = pPopup->GetControls();
  ASSERT_EQ(5, pItems->GetCount());
  for (int i = 0; i < 5; ++i) {
    CTKControl* pItem = pItems->GetAt(i);
    EXPECT_EQ(expected[i].id, pItem->GetID()) << i;
    EXPECT_STREQ(expected[i].caption, pItem->GetRawCaption()) << i;
    EXPECT_EQ(expected[i].beginGroup, pItem->GetBeginGroup()) << i;
  }
}

TEST_F(MainFrameRibbonTest, RestoringTheRibbonMovesThePagesBelowIt) {
  CFrameFixture frame;
  frame->MoveWindow(0, 0, 900, 700);
  CTKRibbonBar* pRibbon = frame->GetRibbonBar();
  for (BOOL minimized : {FALSE, TRUE}) {
    pRibbon->SetRibbonMinimized(minimized);
    frame->RecalcLayout();
    CRect expected, actual;
    frame->GetDisplayRect(&expected);
    frame->GetDisplayManager().GetWindowRect(&actual);
    frame->ScreenToClient(&actual);
    EXPECT_EQ(expected, actual) << minimized;
  }
}

}  // namespace
