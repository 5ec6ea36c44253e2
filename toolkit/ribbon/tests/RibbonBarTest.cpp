// The ribbon bar: what a new ribbon holds, the system button, the first
// tab's selection and minimising.
#include "SupportRibbon.h"
#include "commandbars/TKControls.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonResource.h"

namespace {

using RibbonBarTest = RibbonFrameTest;

TEST_F(RibbonBarTest, NewRibbonHoldsItsOwnControlsAndIsNeitherMinimisedNorBelow) {
  EXPECT_FALSE(m_pRibbon->IsRibbonMinimized());
  EXPECT_FALSE(m_pRibbon->IsQuickAccessBelowRibbon());
  EXPECT_TRUE(m_pRibbon->IsTabsVisible());
  EXPECT_EQ(nullptr, m_pRibbon->GetSystemButton());
  CTKControls* pControls = m_pRibbon->GetControls();
  for (int nId : {TK_ID_RIBBONCUSTOMIZE_QUICKACCESS, TK_ID_RIBBONCONTROLQUICKACCESSMORE,
                  TK_ID_RIBBONCONTROLTAB}) {
    CTKControl* pControl = pControls->FindControlById(nId);
    ASSERT_NE(nullptr, pControl) << nId;
    EXPECT_TRUE(pControl->IsTemporary()) << nId;
  }
  ASSERT_NE(nullptr, m_pRibbon->GetControlScrollGroupsLeft());
  ASSERT_NE(nullptr, m_pRibbon->GetControlScrollGroupsRight());
  EXPECT_EQ(pControls, m_pRibbon->GetControlScrollGroupsLeft()->GetControls());
  EXPECT_EQ(pControls, m_pRibbon->GetControlScrollGroupsRight()->GetControls());
  // The prompts of the two quick-access buttons come from the ribbon's texts.
  EXPECT_STREQ("Customize Quick Access Toolbar", m_pRibbon->GetControlQuickAccess()->GetTooltip());
  EXPECT_STREQ("More controls", m_pRibbon->GetControlQuickAccessMore()->GetTooltip());
}

TEST_F(RibbonBarTest, BuiltInControlsSurviveRemovingEveryControl) {
  m_pRibbon->GetControls()->RemoveAll();
  EXPECT_NE(nullptr, m_pRibbon->GetControls()->FindControlById(TK_ID_RIBBONCONTROLTAB));
  EXPECT_NE(nullptr,
            m_pRibbon->GetControls()->FindControlById(TK_ID_RIBBONCUSTOMIZE_QUICKACCESS));
  EXPECT_EQ(m_pRibbon->GetControls(), m_pRibbon->GetControlScrollGroupsLeft()->GetControls());
}

TEST_F(RibbonBarTest, SystemButtonIsMadeOnceAndTakesOnlyAPositiveId) {
  CTKControl* pButton = m_pRibbon->AddSystemButton(0);
  ASSERT_NE(nullptr, pButton);
  EXPECT_EQ(0, pButton->GetID());
  EXPECT_EQ(0, pButton->GetIndex());
  EXPECT_NE(nullptr, pButton->GetCommandBar());
  EXPECT_EQ(pButton, m_pRibbon->AddSystemButton(1234));
  EXPECT_EQ(0, pButton->GetID());

  m_pRibbon->GetControls()->Remove(pButton);
  EXPECT_EQ(nullptr, m_pRibbon->GetSystemButton());
  EXPECT_EQ(1234, m_pRibbon->AddSystemButton(1234)->GetID());
}

TEST_F(RibbonBarTest, FirstTabIsSelectedAndTheNextLeavesTheSelection) {
  CTKRibbonTab* pFirst = AddTab("Home");
  EXPECT_EQ(pFirst, m_pRibbon->GetSelectedTab());
  EXPECT_EQ(tkBarTypeRibbon, m_pRibbon->GetType());
  AddTab("View");
  EXPECT_EQ(pFirst, m_pRibbon->GetSelectedTab());
  EXPECT_EQ(2, m_pRibbon->GetTabCount());
}

TEST_F(RibbonBarTest, RestoringWithoutSelectionSelectsTheFirstVisibleEnabledTab) {
  CTKRibbonTab* pHidden = AddTab("Hidden");
  CTKRibbonTab* pDisabled = AddTab("Disabled");
  CTKRibbonTab* pThird = AddTab("Third");
  m_pRibbon->SetRibbonMinimized(TRUE);
  m_pRibbon->GetControlTab()->CTKTabManager::SetSelectedItem(NULL);
  pHidden->SetVisible(FALSE);
  pDisabled->SetEnabled(FALSE);
  m_pRibbon->SetRibbonMinimized(FALSE);
  EXPECT_EQ(pThird, m_pRibbon->GetSelectedTab());
}

TEST_F(RibbonBarTest, RestoringKeepsTheSelectedTab) {
  AddTab("Home");
  CTKRibbonTab* pSecond = AddTab("View");
  m_pRibbon->SetCurSel(1);
  m_pRibbon->SetRibbonMinimized(TRUE);
  m_pRibbon->SetRibbonMinimized(FALSE);
  EXPECT_EQ(pSecond, m_pRibbon->GetSelectedTab());
}

TEST_F(RibbonBarTest, OnlyAChangeOfTheMinimisedStateTellsTheSite) {
  AddTab("Home");
  m_pRibbon->SetRibbonMinimized(FALSE);
  EXPECT_EQ(0, m_pFrame->Count(TK_WM_RIBBONMINIMIZECHANGED));
  m_pRibbon->SetRibbonMinimized(TRUE);
  EXPECT_EQ(1, m_pFrame->Count(TK_WM_RIBBONMINIMIZECHANGED));
  EXPECT_TRUE(m_pRibbon->IsRibbonMinimized());
  EXPECT_FALSE(m_pRibbon->IsGroupsVisible());
  m_pRibbon->SetRibbonMinimized(TRUE);
  EXPECT_EQ(1, m_pFrame->Count(TK_WM_RIBBONMINIMIZECHANGED));
  m_pRibbon->SetRibbonMinimized(FALSE);
  EXPECT_EQ(2, m_pFrame->Count(TK_WM_RIBBONMINIMIZECHANGED));
  EXPECT_TRUE(m_pRibbon->IsGroupsVisible());
}

TEST_F(RibbonBarTest, GroupsHeightIsThreeControlsAndTheCaptionBand) {
  CTKRibbonPaintManager* pLook = RibbonLook();
  const int nContent = 3 * pLook->GetControlHeight();
  EXPECT_EQ(nContent, m_pRibbon->GetGroupsContentHeight());
  EXPECT_EQ(nContent + pLook->GetGroupCaptionHeight() + 10, m_pRibbon->GetGroupsHeight());
  m_pRibbon->SetFixedGroupsHeight(77);
  EXPECT_EQ(77, m_pRibbon->GetGroupsHeight());
  // Without a selected tab there are no groups to show.
  EXPECT_EQ(0, m_pRibbon->GetGroupsAreaHeight());
}

}  // namespace
