// The controls collection: adding and binding, making controls by type,
// changing types, comparing with the original controls, keyboard walks,
// removal, and controls built from menus.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControlCustom.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"

namespace {

class CollectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    ASSERT_TRUE(m_site.CreateHost());
    m_pCommandBars = new CTKCommandBars;
    m_pCommandBars->SetSite(&m_site);
    m_pBar = new CTestBar;
    m_pBar->SetCommandBars(m_pCommandBars);
  }
  void TearDown() override {
    m_pBar->InternalRelease();
    m_pCommandBars->InternalRelease();
  }
  CTKControls* Controls() { return m_pBar->GetControls(); }

  CTestGlobalPaintManager m_paintManager;
  CTestSite m_site;
  CTKCommandBars* m_pCommandBars = nullptr;
  CTestBar* m_pBar = nullptr;
};

TEST_F(CollectionTest, AddBindsActionsExceptToTheToolkitsOwnIds) {
  m_pCommandBars->EnableActions();
  const std::pair<int, bool> cases[] = {{500, true},  {9150, false}, {9100, false},
                                        {35001, false}, {0, false},  {0x0FFFFFFF, false}};
  for (const auto& c : cases) {
    CTKControl* pControl = Controls()->Add(new CTKControlButton, c.first);
    EXPECT_EQ(pControl->GetAction() != nullptr, c.second) << c.first;
    EXPECT_EQ(pControl->GetID(), c.first);
  }
  // Without an action the prompt still comes from the string table.
  EXPECT_STREQ(Controls()->GetAt(1)->GetTooltip(), "Toolkit");
  EXPECT_STREQ(Controls()->GetAt(0)->GetCaption(), "Paste");
}

TEST_F(CollectionTest, WithoutActionsNothingIsBound) {
  CTKControl* pControl = Controls()->AddNew(tkControlButton, 500);
  EXPECT_EQ(pControl->GetAction(), nullptr);
  EXPECT_STREQ(pControl->GetDescription(), "Pastes");
}

TEST_F(CollectionTest, EachTypeMakesItsClass) {
  struct Case {
    int nType;
    int nId;
    BOOL bTemporary;
    CRuntimeClass* pClass;
  };
  const Case cases[] = {
      {1, 1, FALSE, RUNTIME_CLASS(CTKControlButton)},
      {1, 35000, FALSE, RUNTIME_CLASS(CTKControlWindowList)},
      {1, 35002, FALSE, RUNTIME_CLASS(CTKControlWorkspaceActions)},
      {1, 0xE800, FALSE, RUNTIME_CLASS(CTKControlToolbars)},
      {1, 35003, FALSE, RUNTIME_CLASS(CTKControlRecentFileList)},
      {1, 35003, TRUE, RUNTIME_CLASS(CTKControlButton)},
      {2, 0, FALSE, RUNTIME_CLASS(CTKControlPopup)},
      {3, 0, FALSE, RUNTIME_CLASS(CTKControlPopup)},
      {4, 0, FALSE, RUNTIME_CLASS(CTKControlPopup)},
      {5, 0, FALSE, RUNTIME_CLASS(CTKControlComboBox)},
      {6, 0, FALSE, RUNTIME_CLASS(CTKControlEdit)},
      {7, 0, FALSE, RUNTIME_CLASS(CTKControlCustom)},
      {8, 0, FALSE, RUNTIME_CLASS(CTKControlLabel)},
      {9, 0, FALSE, RUNTIME_CLASS(CTKControlCheckBox)},
      {10, 0, FALSE, RUNTIME_CLASS(CTKControlGallery)},
      {11, 0, FALSE, RUNTIME_CLASS(CTKControlRadioButton)},
  };
  for (const Case& c : cases) {
    CTKControl* pControl = Controls()->AddNew(c.nType, c.nId, NULL, -1, c.bTemporary);
    ASSERT_NE(pControl, nullptr) << c.nType;
    EXPECT_EQ(pControl->GetRuntimeClass(), c.pClass) << c.nType << " " << c.nId;
    EXPECT_EQ(pControl->GetType(), c.nType);
    // Pop-ups and the combo box (its list) come with a bar.
    EXPECT_EQ(pControl->GetCommandBar() != nullptr, c.nType >= 2 && c.nType <= 5) << c.nType;
  }
  EXPECT_EQ(Controls()->AddNew(0, 1), nullptr);
  EXPECT_EQ(Controls()->AddNew(12, 1), nullptr);
  EXPECT_EQ(Controls()->GetCount(), 16);
}

TEST_F(CollectionTest, ChangingBetweenPopupTypesKeepsTheControl) {
  CTKControl* pPopup = Controls()->AddNew(tkControlButtonPopup, 0);
  EXPECT_EQ(Controls()->ChangeControlType(pPopup, tkControlSplitButtonPopup), pPopup);
  EXPECT_EQ(pPopup->GetType(), tkControlSplitButtonPopup);

  Controls()->AddNew(tkControlButton, 0);
  CTKControl* pButton = Controls()->AddNew(tkControlButton, 0, NULL, 1);
  pButton->SetCaption("Paste");
  pButton->SetBeginGroup(TRUE);
  pButton->InternalAddRef();
  CTKControl* pNew = Controls()->ChangeControlType(pButton, tkControlPopup);
  EXPECT_NE(pNew, pButton);
  EXPECT_EQ(pButton->GetControls(), nullptr);  // the old one left the collection
  EXPECT_EQ(Controls()->GetCount(), 3);
  EXPECT_EQ(Controls()->GetAt(1), pNew);
  EXPECT_EQ(pNew->GetType(), tkControlPopup);
  EXPECT_STREQ(pNew->GetCaption(), "Paste");
  EXPECT_TRUE(pNew->GetBeginGroup());
  pButton->InternalRelease();
}

TEST_F(CollectionTest, TemporaryControlsDoNotChangeACollection) {
  EXPECT_TRUE(Controls()->IsChanged());  // no original controls yet
  Controls()->AddNew(tkControlButton, 10);
  Controls()->AddNew(tkControlButton, 11);
  Controls()->CreateOriginalControls();
  EXPECT_FALSE(Controls()->IsChanged());
  Controls()->AddNew(tkControlButton, 12, NULL, 1, TRUE);
  EXPECT_FALSE(Controls()->IsChanged());
  Controls()->GetAt(2)->SetCaption("Renamed");
  EXPECT_TRUE(Controls()->IsChanged());
  Controls()->GetAt(2)->SetCaption("");
  Controls()->AddNew(tkControlButton, 13);
  EXPECT_TRUE(Controls()->IsChanged());
}

TEST_F(CollectionTest, ACopyLeavesOutTemporaryControlsAndKeepsTheOriginals) {
  Controls()->AddNew(tkControlButton, 10);
  Controls()->AddNew(tkControlButton, 11, NULL, -1, TRUE);
  Controls()->CreateOriginalControls();
  CTKControls* pCopy = Controls()->Duplicate();
  EXPECT_EQ(pCopy->GetCount(), 1);
  ASSERT_NE(pCopy->GetOriginalControls(), nullptr);
  EXPECT_NE(pCopy->GetOriginalControls(), Controls()->GetOriginalControls());
  EXPECT_FALSE(pCopy->IsChanged());
  pCopy->InternalRelease();
}

TEST_F(CollectionTest, TheKeyboardWalkWrapsOnceAndSkipsHiddenControls) {
  for (int i = 0; i < 5; ++i) Controls()->AddNew(tkControlButton, 100 + i);
  Controls()->GetAt(2)->SetVisible(FALSE);
  Controls()->GetAt(3)->SetFlags(TKFLAG_SKIPFOCUS);
  Controls()->GetAt(1)->SetHideFlags(TKHIDE_EXPAND);
  struct Case {
    int nStart, nDirection;
    BOOL bCheckExpandHidden;
    int nExpected;
  };
  const Case cases[] = {
      {-1, -1, TRUE, 4}, {-1, 1, TRUE, 0}, {4, 1, TRUE, 0},  {0, 1, TRUE, 4},
      {0, 1, FALSE, 1},  {4, -1, FALSE, 1}, {4, -1, TRUE, 0}, {0, -1, FALSE, 4},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Controls()->GetNext(c.nStart, c.nDirection, TRUE, FALSE, c.bCheckExpandHidden),
              c.nExpected)
        << c.nStart << " " << c.nDirection;

  for (int i = 0; i < 5; ++i) Controls()->GetAt(i)->SetVisible(FALSE);
  EXPECT_EQ(Controls()->GetNext(-1, 1), -1);
  EXPECT_EQ(Controls()->GetNext(-1, -1), -1);
  EXPECT_EQ(Controls()->GetNext(2, 1), 2);  // back at the start
  Controls()->RemoveAll();
  EXPECT_EQ(Controls()->GetNext(-1, 1), -1);
}

TEST_F(CollectionTest, TemporaryControlsCanBeSkipped) {
  Controls()->AddNew(tkControlButton, 1);
  Controls()->AddNew(tkControlButton, 2, NULL, -1, TRUE);
  Controls()->AddNew(tkControlButton, 3);
  EXPECT_EQ(Controls()->GetNext(0, 1, TRUE, FALSE), 1);
  EXPECT_EQ(Controls()->GetNext(0, 1, TRUE, TRUE), 2);
}

/// Holds its first control in place.
class CFixedFirstControls : public CTKControls {
 public:
  BOOL IsFixedControl(CTKControl* pControl) const override { return pControl->GetIndex() == 0; }
};

TEST_F(CollectionTest, RemovingLeavesAFixedControl) {
  m_pBar->SetControls(new CFixedFirstControls);
  CTKControl* pFixed = Controls()->AddNew(tkControlButton, 1);
  Controls()->AddNew(tkControlButton, 2);
  Controls()->Remove(pFixed);
  EXPECT_EQ(Controls()->GetAt(0), pFixed);
  Controls()->RemoveAll();
  EXPECT_EQ(Controls()->GetCount(), 1);
  EXPECT_EQ(pFixed->GetParent(), m_pBar);
}

TEST_F(CollectionTest, RemovingUnbindsTheAction) {
  m_pCommandBars->EnableActions();
  CTKControl* pControl = Controls()->AddNew(tkControlButton, 600);
  CTKControlAction* pAction = pControl->GetAction();
  ASSERT_NE(pAction, nullptr);
  Controls()->Remove(pControl);
  EXPECT_EQ(pAction->GetCount(), 0);
  EXPECT_EQ(Controls()->GetCount(), 0);
}

class MenuTest : public CollectionTest {
 protected:
  void SetUp() override {
    CollectionTest::SetUp();
    ASSERT_TRUE(m_menu.CreatePopupMenu());
    ASSERT_TRUE(m_sub.CreatePopupMenu());
    m_sub.AppendMenu(MF_STRING, 201, "&First");
    m_sub.AppendMenu(MF_STRING, 202, "&Second");
    m_menu.AppendMenu(MF_STRING | MF_CHECKED, 101, "&New\tCtrl+N");
    m_menu.AppendMenu(MF_SEPARATOR);
    m_menu.AppendMenu(MF_STRING, TKID_SEPARATOR_MENU, "Not a control");
    m_menu.AppendMenu(MF_STRING | MF_GRAYED, 102, "&Close");
    m_menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(m_sub.Detach()), "&Recent\t4200");
    m_menu.SetDefaultItem(3, TRUE);
    MENUITEMINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    info.dwItemData = 0x1234;
    ::SetMenuItemInfo(m_menu.GetSafeHmenu(), 0, TRUE, &info);
  }
  void TearDown() override {
    m_menu.DestroyMenu();
    CollectionTest::TearDown();
  }
  CMenu m_menu;
  CMenu m_sub;
};

TEST_F(MenuTest, ItemsBecomeControls) {
  ASSERT_TRUE(m_pBar->LoadMenu(&m_menu));
  ASSERT_EQ(Controls()->GetCount(), 3);
  CTKControl* pNew = Controls()->GetAt(0);
  EXPECT_EQ(pNew->GetID(), 101);
  EXPECT_STREQ(pNew->GetCaption(), "&New");
  EXPECT_STREQ(pNew->GetShortcutText(), "Ctrl+N");
  EXPECT_EQ(pNew->GetChecked(), 1);
  EXPECT_EQ(pNew->GetTag(), 0x1234u);
  EXPECT_EQ(pNew->GetType(), tkControlButton);

  CTKControl* pClose = Controls()->GetAt(1);
  EXPECT_EQ(pClose->GetID(), 102);
  EXPECT_TRUE(pClose->GetBeginGroup());  // the separator before the skipped item
  EXPECT_FALSE(pClose->GetEnabled());
  EXPECT_TRUE(pClose->IsDefaultItem());

  CTKControl* pRecent = Controls()->GetAt(2);
  EXPECT_EQ(pRecent->GetID(), 4200);  // the number after the tab
  EXPECT_STREQ(pRecent->GetCaption(), "&Recent");
  EXPECT_EQ(pRecent->GetType(), tkControlPopup);
  CTKCommandBar* pPopup = pRecent->GetCommandBar();
  ASSERT_NE(pPopup, nullptr);
  EXPECT_STREQ(pPopup->GetTitle(), "Recent");
  ASSERT_EQ(pPopup->GetControlCount(), 2);
  EXPECT_EQ(pPopup->GetControl(1)->GetID(), 202);
  EXPECT_EQ(pPopup->GetParentCommandBar(), m_pBar);

  // Every control is announced, the sub-menu's before the pop-up that holds them.
  ASSERT_EQ(m_site.m_created.size(), 5u);
  EXPECT_EQ(m_site.m_created[0], pNew);
  EXPECT_EQ(m_site.m_created[4], pRecent);
  EXPECT_EQ(m_site.CountMessages(TK_WM_CREATECONTROL), 5);
}

TEST_F(MenuTest, TheSiteMayChangeWhatIsCreated) {
  m_site.m_onCreateControl = [](TKCREATECONTROLSTRUCT* pRecord) -> LRESULT {
    if (pRecord->nId != 101) {
      pRecord->strCaption = "ignored";  // the answer 0 drops the change
      return 0;
    }
    pRecord->strCaption = "Label text";
    pRecord->nType = tkControlLabel;
    pRecord->nId = 150;
    return 1;
  };
  ASSERT_TRUE(m_pBar->LoadMenu(&m_menu));
  CTKControl* pLabel = Controls()->GetAt(0);
  EXPECT_EQ(pLabel->GetRuntimeClass(), RUNTIME_CLASS(CTKControlLabel));
  EXPECT_EQ(pLabel->GetID(), 150);
  EXPECT_STREQ(pLabel->GetCaption(), "Label text");
  EXPECT_STREQ(Controls()->GetAt(1)->GetCaption(), "&Close");
}

TEST_F(MenuTest, MenuItemsBindActionsAndGiveThemTheirCaptions) {
  m_pCommandBars->EnableActions();
  ASSERT_TRUE(m_pBar->LoadMenu(&m_menu));
  CTKControlAction* pAction = m_pCommandBars->GetAction(101);
  ASSERT_NE(pAction, nullptr);
  EXPECT_STREQ(pAction->GetCaption(), "&New");
  EXPECT_EQ(Controls()->GetAt(0)->GetAction(), pAction);
}

}  // namespace
