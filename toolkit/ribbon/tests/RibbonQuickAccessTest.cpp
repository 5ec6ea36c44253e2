// The quick-access bar: which commands it takes, the customise and context
// menus built for a control, and what their entries do.
#include "SupportRibbon.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "ribbon/TKRibbonResource.h"

namespace {

class RibbonQuickAccessTest : public RibbonFrameTest {
 protected:
  void SetUp() override {
    RibbonFrameTest::SetUp();
    m_pGroup = AddTab("Home")->AddGroup(3001);
    m_pButton = m_pGroup->AddControl(tkControlButton, 100, "Run");
  }
  void TearDown() override {
    ClosePopup();
    RibbonFrameTest::TearDown();
  }
  /// The context menu (or, for the customise button, the customise menu) of a control.
  CTKPopupBar* MenuFor(CTKControl* pControl) {
    ClosePopup();
    m_pPopup = m_pRibbon->CreateQuickAccessCustomizePopup(pControl);
    return m_pPopup;
  }
  void ClosePopup() {
    if (m_pPopup != nullptr) m_pPopup->InternalRelease();
    m_pPopup = nullptr;
  }
  CTKControl* Entry(int nId) const { return m_pPopup->GetControls()->FindControlById(nId); }
  BOOL Shows(int nId) const {
    CTKControl* pEntry = Entry(nId);
    return pEntry != nullptr && pEntry->IsVisible();
  }
  /// Runs a menu entry as its click would notify the ribbon.
  BOOL Run(int nId) {
    NMTKCONTROL record = {};
    record.pControl = Entry(nId);
    return m_pRibbon->OnCustomizeCommand(nId, &record);
  }

  CTKRibbonGroup* m_pGroup = nullptr;
  CTKControl* m_pButton = nullptr;
  CTKPopupBar* m_pPopup = nullptr;
};

TEST_F(RibbonQuickAccessTest, ACommandIsAddedOnceUnlessDuplicatesAreAllowed) {
  ASSERT_NE(nullptr, MenuFor(m_pButton));
  EXPECT_TRUE(Shows(TK_ID_RIBBONCUSTOMIZE_ADD));
  EXPECT_FALSE(Shows(TK_ID_RIBBONCUSTOMIZE_REMOVE));
  EXPECT_TRUE(Entry(TK_ID_RIBBONCUSTOMIZE_ADD)->GetEnabled());
  ASSERT_TRUE(Run(TK_ID_RIBBONCUSTOMIZE_ADD));
  CTKRibbonQuickAccessControls* pQuickAccess = m_pRibbon->GetQuickAccessControls();
  ASSERT_EQ(1, pQuickAccess->GetCount());
  CTKControl* pCommand = pQuickAccess->GetAt(0);
  EXPECT_EQ(100, pCommand->GetID());
  EXPECT_EQ(nullptr, pCommand->GetRibbonGroup());
  EXPECT_EQ(m_pRibbon->GetControls(), pCommand->GetControls());

  MenuFor(m_pButton);
  EXPECT_TRUE(Shows(TK_ID_RIBBONCUSTOMIZE_ADD));
  EXPECT_FALSE(Entry(TK_ID_RIBBONCUSTOMIZE_ADD)->GetEnabled());
  m_pRibbon->AllowQuickAccessDuplicates(TRUE);
  MenuFor(m_pButton);
  EXPECT_TRUE(Entry(TK_ID_RIBBONCUSTOMIZE_ADD)->GetEnabled());

  // The command on the bar offers its removal.
  MenuFor(pCommand);
  EXPECT_TRUE(Shows(TK_ID_RIBBONCUSTOMIZE_REMOVE));
  EXPECT_FALSE(Shows(TK_ID_RIBBONCUSTOMIZE_ADD));
  Run(TK_ID_RIBBONCUSTOMIZE_REMOVE);
  EXPECT_EQ(0, pQuickAccess->GetCount());
}

TEST_F(RibbonQuickAccessTest, FlagNeverOffersACommand) {
  m_pButton->SetFlags(0x10);
  m_pRibbon->AllowQuickAccessDuplicates(TRUE);
  EXPECT_FALSE(m_pRibbon->IsAllowQuickAccessControl(m_pButton));
  MenuFor(m_pButton);
  EXPECT_FALSE(Shows(TK_ID_RIBBONCUSTOMIZE_ADD));
  EXPECT_FALSE(Shows(TK_ID_RIBBONCUSTOMIZE_REMOVE));
}

TEST_F(RibbonQuickAccessTest, GroupButtonsAreAllowedOnlyWithAPositiveId) {
  struct Case {
    int nId;
    BOOL bAllowed;
  } cases[] = {{3001, TRUE}, {0, FALSE}, {-1, FALSE}};
  for (const Case& c : cases) {
    m_pGroup->SetID(c.nId);
    EXPECT_EQ(c.bAllowed, m_pRibbon->IsAllowQuickAccessControl(m_pGroup->GetControlGroupPopup()))
        << c.nId;
    EXPECT_EQ(c.bAllowed, m_pRibbon->IsAllowQuickAccessControl(m_pGroup->GetControlGroupOption()))
        << c.nId;
  }
}

TEST_F(RibbonQuickAccessTest, WithoutCustomisationTheMenuOffersOnlyPositionAndMinimising) {
  m_pRibbon->GetQuickAccessControls()->AddCopy(m_pButton);
  m_pRibbon->GetQuickAccessControls()->CreateOriginalControls();
  for (BOOL bOffered : {FALSE, TRUE}) {
    m_pFrame->m_bOfferCustomize = bOffered;
    m_pBars->SetSite(m_pFrame);
    m_pRibbon->AllowQuickAccessCustomization(FALSE);
    MenuFor(m_pRibbon->GetControlQuickAccess());
    EXPECT_FALSE(Shows(TK_ID_RIBBONCUSTOMIZE_LABEL)) << bOffered;
    EXPECT_EQ(nullptr, Entry(TK_ID_RIBBONCUSTOMIZE_MORE_ALT)) << bOffered;
    EXPECT_EQ(bOffered, Shows(TK_ID_RIBBONCUSTOMIZE_MORE)) << bOffered;
    if (bOffered) {
      EXPECT_STREQ("Customize", Entry(TK_ID_RIBBONCUSTOMIZE_MORE)->GetCaption());
    }
    EXPECT_TRUE(Shows(TK_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW)) << bOffered;
    EXPECT_FALSE(Shows(TK_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE)) << bOffered;
    EXPECT_TRUE(Shows(TK_ID_RIBBONCUSTOMIZE_MINIMIZE)) << bOffered;
    EXPECT_FALSE(Shows(TK_ID_RIBBONCUSTOMIZE_COMMANDS)) << bOffered;

    MenuFor(m_pButton);
    EXPECT_FALSE(Shows(TK_ID_RIBBONCUSTOMIZE_ADD)) << bOffered;
    EXPECT_FALSE(Shows(TK_ID_RIBBONCUSTOMIZE_REMOVE)) << bOffered;
  }
}

TEST_F(RibbonQuickAccessTest, CustomiseMenuListsTheDefaultCommandsWithTheirState) {
  CTKRibbonQuickAccessControls* pQuickAccess = m_pRibbon->GetQuickAccessControls();
  pQuickAccess->AddCopy(m_pButton);
  pQuickAccess->CreateOriginalControls();
  MenuFor(m_pRibbon->GetControlQuickAccess());
  // The customise menu's own ids are renumbered to the context menu's.
  for (int nOld : {TK_ID_RIBBONCUSTOMIZE_MORE_ALT, TK_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW_ALT,
                   TK_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE_ALT})
    EXPECT_EQ(nullptr, Entry(nOld)) << nOld;
  EXPECT_NE(nullptr, Entry(TK_ID_RIBBONCUSTOMIZE_MORE));
  EXPECT_NE(nullptr, Entry(TK_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW));
  EXPECT_NE(nullptr, Entry(TK_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE));
  EXPECT_TRUE(Shows(TK_ID_RIBBONCUSTOMIZE_LABEL));
  EXPECT_EQ(tkControlLabel, Entry(TK_ID_RIBBONCUSTOMIZE_LABEL)->GetType());
  EXPECT_FALSE(Shows(TK_ID_RIBBONCUSTOMIZE_COMMANDS));
  CTKControl* pCommandEntry = nullptr;
  for (int i = 0; i < m_pPopup->GetControlCount(); ++i)
    if (m_pPopup->GetControl(i)->GetCaption() == "Run") pCommandEntry = m_pPopup->GetControl(i);
  ASSERT_NE(nullptr, pCommandEntry);
  EXPECT_STREQ("Run", pCommandEntry->GetCaption());
  EXPECT_EQ(1, pCommandEntry->GetChecked());
  // Running the checked entry takes the command off the bar.
  pCommandEntry->OnExecute();
  EXPECT_EQ(0, pQuickAccess->GetCount());
}

TEST_F(RibbonQuickAccessTest, MinimiseEntryTogglesIsCheckedWhileMinimisedAndNeedsTabs) {
  MenuFor(m_pButton);
  EXPECT_EQ(0, Entry(TK_ID_RIBBONCUSTOMIZE_MINIMIZE)->GetChecked());
  EXPECT_TRUE(Entry(TK_ID_RIBBONCUSTOMIZE_MINIMIZE)->GetEnabled());
  Run(TK_ID_RIBBONCUSTOMIZE_MINIMIZE);
  EXPECT_TRUE(m_pRibbon->IsRibbonMinimized());
  MenuFor(m_pButton);
  EXPECT_EQ(1, Entry(TK_ID_RIBBONCUSTOMIZE_MINIMIZE)->GetChecked());
  Run(TK_ID_RIBBONCUSTOMIZE_MINIMIZE);
  EXPECT_FALSE(m_pRibbon->IsRibbonMinimized());

  m_pRibbon->GetControlTab()->DeleteAllItems();
  MenuFor(m_pRibbon->GetControlQuickAccess());
  EXPECT_FALSE(Entry(TK_ID_RIBBONCUSTOMIZE_MINIMIZE)->GetEnabled());
}

TEST_F(RibbonQuickAccessTest, AnAddedPopupOrGalleryShowsItsIconOnly) {
  struct Case {
    int nType;
    int nStyle;
  } cases[] = {{tkControlPopup, tkButtonIcon}, {tkControlGallery, tkButtonIcon},
               {tkControlButton, tkButtonAutomatic}};
  int nId = 200;
  for (const Case& c : cases) {
    CTKControl* pControl = m_pGroup->AddControl(c.nType, nId++, "Field");
    pControl->SetStyle(tkButtonIconAndCaptionBelow);
    MenuFor(pControl);
    Run(TK_ID_RIBBONCUSTOMIZE_ADD);
    CTKRibbonQuickAccessControls* pQuickAccess = m_pRibbon->GetQuickAccessControls();
    CTKControl* pCommand = pQuickAccess->GetAt(pQuickAccess->GetCount() - 1);
    EXPECT_EQ(c.nStyle, pCommand->GetStyle()) << c.nType;
    EXPECT_EQ(0u, pCommand->GetFlags() & 0x10) << c.nType;
  }
}

TEST_F(RibbonQuickAccessTest, PositionEntriesMoveTheBar) {
  m_pRibbon->OnQuickAccessPosition(TK_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW);
  EXPECT_TRUE(m_pRibbon->IsQuickAccessBelowRibbon());
  MenuFor(m_pButton);
  EXPECT_FALSE(Shows(TK_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW));
  EXPECT_TRUE(Shows(TK_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE));
  m_pRibbon->OnQuickAccessPosition(TK_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE);
  EXPECT_FALSE(m_pRibbon->IsQuickAccessBelowRibbon());
}

}  // namespace
