// The ribbon from the keyboard: the key tips of its levels, Alt, the
// quick-access digits and the arrow keys between the groups' controls.
#include "SupportRibbonInput.h"
#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKControls.h"
#include "ribbon/TKRibbonGroupPopupToolBar.h"
#include "ribbon/TKRibbonQuickAccessControls.h"

namespace {

class RibbonKeyTipsTest : public RibbonInputTest {
 protected:
  void TearDown() override {
    m_pBars->HideKeyboardTips();
    m_pBars->CloseAllPopups();
    m_pRibbon->SetTrackingMode(FALSE);
    RibbonInputTest::TearDown();
  }
  /// The shown tip of an owner, null when it has none.
  CTKCommandBarKeyboardTip* TipOf(CCmdTarget* pOwner) const {
    const CTKKeyboardTips* pTips = m_pBars->GetKeyboardTips();
    for (int i = 0; i < pTips->GetCount(); ++i)
      if (pTips->GetAt(i)->m_pOwner == pOwner) return pTips->GetAt(i);
    return nullptr;
  }
  CTKControl* AddQuickAccess(int nId) {
    CTKControl* pControl = m_pRibbon->GetQuickAccessControls()->AddNew(tkControlButton, nId);
    pControl->SetCaption("Command");
    return pControl;
  }
};

TEST_F(RibbonKeyTipsTest, QuickAccessCommandsAreNumberedUpToEighteen) {
  AddPlacedTabs({"Home"});
  std::vector<CTKControl*> commands;
  for (int i = 0; i < 20; ++i) commands.push_back(AddQuickAccess(1000 + i));
  m_pBars->BuildKeyboardTipWindows(m_pRibbon, 1);
  const char* expected[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9",
                            "01", "02", "03", "04", "05", "06", "07", "08", "09"};
  for (size_t i = 0; i < commands.size(); ++i) {
    CTKCommandBarKeyboardTip* pTip = TipOf(commands[i]);
    if (i >= _countof(expected)) {
      EXPECT_EQ(nullptr, pTip) << "command " << i + 1;
      continue;
    }
    ASSERT_NE(nullptr, pTip) << "command " << i + 1;
    EXPECT_STREQ(expected[i], pTip->m_strTip) << "command " << i + 1;
  }
}

TEST_F(RibbonKeyTipsTest, ATabShowsTheKeyTipOfItsStringElseALetterOfItsCaption) {
  CTKRibbonTab* pFile = m_pRibbon->AddTab(2101);
  AddPlacedTabs({"Home"});
  m_pBars->BuildKeyboardTipWindows(m_pRibbon, 1);
  ASSERT_NE(nullptr, TipOf(pFile));
  EXPECT_STREQ("Q", TipOf(pFile)->m_strTip);
  ASSERT_NE(nullptr, TipOf(m_pRibbon->GetTab(1)));
  EXPECT_STREQ("H", TipOf(m_pRibbon->GetTab(1))->m_strTip);
}

TEST_F(RibbonKeyTipsTest, AltTracksOnlyARibbonWithTabs) {
  EXPECT_FALSE(m_pRibbon->OnFrameAccel(VK_MENU));
  EXPECT_FALSE(m_pRibbon->IsTrackingMode());

  AddPlacedTabs({"Home"});
  EXPECT_TRUE(m_pRibbon->OnFrameAccel(VK_MENU));
  EXPECT_TRUE(m_pRibbon->IsTrackingMode());
  EXPECT_EQ(m_pRibbon->GetControlTab()->GetIndex(), m_pRibbon->GetSelected());
  EXPECT_TRUE(m_pRibbon->GetControlTab()->HasKeyboardFocus());
  EXPECT_NE(nullptr, TipOf(m_pRibbon->GetTab(0))) << "the first level shows";
}

TEST_F(RibbonKeyTipsTest, ADigitRunsTheVisibleQuickAccessCommandOnlyWhenEnabled) {
  AddPlacedTabs({"Home"});
  AddQuickAccess(1001);
  AddQuickAccess(1002)->SetEnabled(FALSE);
  CTKControl* pHidden = AddQuickAccess(1003);
  pHidden->SetVisible(FALSE);
  AddQuickAccess(1004);

  EXPECT_FALSE(m_pRibbon->OnFrameAccel('2'));
  EXPECT_TRUE(m_pFrame->m_commands.empty());
  EXPECT_TRUE(m_pRibbon->OnFrameAccel('3'));
  ASSERT_EQ(1u, m_pFrame->m_commands.size());
  EXPECT_EQ(1004u, LOWORD(m_pFrame->m_commands[0])) << "the hidden command is not counted";
}

TEST_F(RibbonKeyTipsTest, AHiddenControlsTipOpensItsGroupWithTheControlActive) {
  AddPlacedTabs({"Home"});
  CTKRibbonGroup* pGroup = AddPlacedGroup(m_pRibbon->GetTab(0), 10, 2);
  CTKControl* pSecond = pGroup->GetAt(1);
  // The layout collapsed the group: its controls gave their room to the button.
  for (int i = 0; i < pGroup->GetCount(); ++i) pGroup->GetAt(i)->SetHideFlags(TKHIDE_WRAP);
  CTKControl* pButton = pGroup->GetControlGroupPopup();
  pButton->SetCaption("Group");
  pButton->SetHideFlags(0);
  pButton->SetRect(CRect(10, 54, 60, 150));

  m_pBars->BuildKeyboardTipWindows(m_pRibbon, 2);
  CTKCommandBarKeyboardTip* pTip = TipOf(pSecond);
  ASSERT_NE(nullptr, pTip);
  EXPECT_FALSE(pTip->m_bVisible);
  EXPECT_FALSE(pTip->m_strTip.IsEmpty()) << "it keeps its letters";

  m_pRibbon->OnKeyboardTip(pTip);
  CTKRibbonGroupPopupToolBar* pPopup =
      DYNAMIC_DOWNCAST(CTKRibbonGroupPopupToolBar, pButton->GetCommandBar());
  ASSERT_NE(nullptr, pPopup) << "the group opened as a pop-up";
  EXPECT_EQ(2, pPopup->GetGroup()->GetCount());
  // The control's copy in the pop-up ran, which closed the pop-up again.
  ASSERT_EQ(1u, m_pFrame->m_commands.size());
  EXPECT_EQ(static_cast<UINT>(pSecond->GetID()), LOWORD(m_pFrame->m_commands[0]));
}

// Two rows of a group: three controls above, two below.
TEST_F(RibbonKeyTipsTest, ArrowKeysFollowTheControlsPlaces) {
  AddPlacedTabs({"Home"});
  CTKRibbonGroup* pGroup = AddPlacedGroup(m_pRibbon->GetTab(0), 10, 5);
  for (int i = 0; i < 5; ++i) {
    const int nRow = i / 3, nColumn = i % 3;
    pGroup->GetAt(i)->SetRect(CRect(14 + 30 * nColumn, 60 + 24 * nRow, 44 + 30 * nColumn, 82 + 24 * nRow));
  }
  const struct {
    int nFrom, nCode, nTo;
    const char* what;
  } cases[] = {
      {0, 9, 1, "right to the neighbour"},
      {2, 9, 0, "right past the row's end to its start"},
      {0, 8, 2, "left past the row's start to its end"},
      {1, 3, 4, "down to the control below"},
      {4, 3, 4, "down below the last row stays"},
      {4, 2, 1, "up to the control above"},
  };
  m_pRibbon->SetTrackingMode(TRUE, FALSE, TRUE);
  for (const auto& c : cases) {
    m_pRibbon->SetSelected(pGroup->GetAt(c.nFrom)->GetIndex(), 1);
    EXPECT_TRUE(m_pRibbon->ProcessKeyNavigation(c.nCode)) << c.what;
    EXPECT_EQ(pGroup->GetAt(c.nTo)->GetIndex(), m_pRibbon->GetSelected()) << c.what;
  }
}

}  // namespace
