// Ribbon groups: made from string and tool-bar resources, their controls in
// the bar's collection, their visibility with the selected tab, and removal.
#include "SupportRibbon.h"
#include "commandbars/TKControls.h"
#include "common/TKImageManager.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"

namespace {

const UINT kIdGroupPlain = 3001;
const UINT kIdGroupLines = 3002;
const UINT kIdGroupToolBar = 3100;

using RibbonGroupsTest = RibbonFrameTest;

/// The ids of the group's controls, in order.
std::vector<int> GroupIds(CTKRibbonGroup* pGroup) {
  std::vector<int> ids;
  for (int i = 0; i < pGroup->GetCount(); ++i) ids.push_back(pGroup->GetAt(i)->GetID());
  return ids;
}

TEST_F(RibbonGroupsTest, GroupWithoutToolBarIsEmptyWithCaptionAndId) {
  CTKRibbonTab* pTab = AddTab("Home");
  CTKRibbonGroup* pPlain = pTab->AddGroup(kIdGroupPlain);
  EXPECT_EQ(0, pPlain->GetCount());
  EXPECT_STREQ("Build", pPlain->GetCaption());
  EXPECT_EQ(static_cast<int>(kIdGroupPlain), pPlain->GetID());
  EXPECT_EQ(static_cast<int>(kIdGroupPlain), pPlain->GetControlGroupOption()->GetID());
  EXPECT_STREQ("Build", pPlain->GetControlGroupPopup()->GetCaption());
  // A string with line feeds gives its second line.
  EXPECT_STREQ("Run", pTab->AddGroup(kIdGroupLines)->GetCaption());
  EXPECT_EQ(pPlain, m_pRibbon->FindGroup(kIdGroupPlain));
}

TEST_F(RibbonGroupsTest, ToolBarResourceGivesOneButtonPerItemAndSeparatorsBeginGroups) {
  CTKRibbonGroup* pGroup = AddTab("Home")->AddGroup(kIdGroupToolBar);
  ASSERT_EQ((std::vector<int>{100, 101}), GroupIds(pGroup));
  EXPECT_EQ(tkControlButton, pGroup->GetAt(0)->GetType());
  EXPECT_FALSE(pGroup->GetAt(0)->GetBeginGroup());
  EXPECT_TRUE(pGroup->GetAt(1)->GetBeginGroup());
  EXPECT_TRUE(m_pRibbon->GetImageManager()->HasIcon(101, 16));
  // The site was asked for each control and told of each.
  EXPECT_EQ(2, m_pFrame->Count(TK_WM_CREATECONTROL));
  EXPECT_EQ(2, m_pFrame->Count(TK_WM_CONTROLCREATED));
  // The controls stand in the bar just before the group's option button.
  const int nOption = pGroup->GetControlGroupOption()->GetIndex();
  EXPECT_EQ(pGroup->GetAt(1), m_pRibbon->GetControl(nOption - 1));
  EXPECT_EQ(pGroup->GetAt(0), m_pRibbon->GetControl(nOption - 2));
}

TEST_F(RibbonGroupsTest, AddControlAppendsOutOfRangeAndInsertsAtZero) {
  CTKRibbonGroup* pGroup = AddTab("Home")->AddGroup(kIdGroupPlain);
  pGroup->AddControl(tkControlButton, 10);
  pGroup->AddControl(tkControlCheckBox, 11, "Log", -1);
  pGroup->AddControl(tkControlButton, 12, NULL, 99);
  const int nFirstBefore = pGroup->GetAt(0)->GetIndex();
  CTKControl* pFirst = pGroup->AddControl(tkControlButton, 13, NULL, 0);
  EXPECT_EQ((std::vector<int>{13, 10, 11, 12}), GroupIds(pGroup));
  EXPECT_EQ(nFirstBefore, pFirst->GetIndex());
  EXPECT_EQ(pGroup->GetAt(1), m_pRibbon->GetControl(nFirstBefore + 1));
  EXPECT_EQ(tkControlCheckBox, pGroup->GetAt(2)->GetType());
  EXPECT_STREQ("Log", pGroup->GetAt(2)->GetCaption());
  for (int i = 0; i < pGroup->GetCount(); ++i) EXPECT_EQ(i, pGroup->IndexOf(pGroup->GetAt(i)));
}

TEST_F(RibbonGroupsTest, GroupOfAnUnselectedTabIsHiddenAndFlagsItsControls) {
  CTKRibbonGroup* pShown = AddTab("Home")->AddGroup(kIdGroupPlain);
  CTKRibbonGroup* pHidden = AddTab("View")->AddGroup(kIdGroupLines);
  CTKControl* pShownControl = pShown->AddControl(tkControlButton, 10);
  CTKControl* pHiddenControl = pHidden->AddControl(tkControlButton, 20);
  EXPECT_TRUE(pShown->IsVisible());
  EXPECT_FALSE(pHidden->IsVisible());
  EXPECT_EQ(0u, pShownControl->GetHideFlags() & TKHIDE_RIBBONGROUP);
  EXPECT_NE(0u, pHiddenControl->GetHideFlags() & TKHIDE_RIBBONGROUP);
  EXPECT_NE(0u, pHidden->GetControlGroupPopup()->GetHideFlags() & TKHIDE_RIBBONGROUP);

  m_pRibbon->SetCurSel(1);
  EXPECT_NE(0u, pShownControl->GetHideFlags() & TKHIDE_RIBBONGROUP);
  EXPECT_EQ(0u, pHiddenControl->GetHideFlags() & TKHIDE_RIBBONGROUP);
  // While minimised no group shows.
  m_pRibbon->SetRibbonMinimized(TRUE);
  EXPECT_NE(0u, pHiddenControl->GetHideFlags() & TKHIDE_RIBBONGROUP);
}

TEST_F(RibbonGroupsTest, RemovingAControlFromTheBarTakesItFromItsGroupAndTheQuickAccessBar) {
  CTKRibbonGroup* pGroup = AddTab("Home")->AddGroup(kIdGroupPlain);
  CTKControl* pControl = pGroup->AddControl(tkControlButton, 10);
  CTKControl* pKept = pGroup->AddControl(tkControlButton, 11);
  CTKRibbonQuickAccessControls* pQuickAccess = m_pRibbon->GetQuickAccessControls();
  CTKControl* pCommand = pQuickAccess->AddCopy(pKept);
  ASSERT_EQ(1, pQuickAccess->GetCount());
  EXPECT_TRUE(m_pRibbon->IsQuickAccessControl(pCommand));
  EXPECT_EQ(m_pRibbon->GetControls(), pCommand->GetControls());

  m_pRibbon->GetControls()->Remove(pControl);
  EXPECT_EQ((std::vector<int>{11}), GroupIds(pGroup));
  EXPECT_EQ(nullptr, pControl->GetRibbonGroup());

  m_pRibbon->GetControls()->Remove(pCommand);
  EXPECT_EQ(0, pQuickAccess->GetCount());
  EXPECT_EQ(pKept, m_pRibbon->GetControls()->FindControlById(11));
  EXPECT_EQ((std::vector<int>{11}), GroupIds(pGroup));
}

TEST_F(RibbonGroupsTest, GroupButtonsStayUntilTheirGroupLetsThemGo) {
  CTKRibbonTab* pTab = AddTab("Home");
  CTKRibbonGroup* pGroup = pTab->AddGroup(kIdGroupPlain);
  pGroup->AddControl(tkControlButton, 10);
  CTKControl* pPopup = pGroup->GetControlGroupPopup();
  m_pRibbon->GetControls()->Remove(pPopup);
  EXPECT_EQ(m_pRibbon->GetControls(), pPopup->GetControls());

  const int nBefore = m_pRibbon->GetControlCount();
  pTab->GetGroups()->RemoveAll();
  EXPECT_EQ(nBefore - 3, m_pRibbon->GetControlCount());
  EXPECT_EQ(nullptr, m_pRibbon->GetControls()->FindControlById(10));
}

}  // namespace
