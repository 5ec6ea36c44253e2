// Actions: bound controls take the action's texts and states, captions
// notify once per change, the collection stays sorted by id.
#include <gtest/gtest.h>

#include "SupportPaintManager.h"
#include "SupportSite.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"

namespace {

/// Counts the caption changes the action announces.
class CCountingControl : public CTKControl {
 public:
  int m_nChanging = 0;
  int m_nChanged = 0;
  void OnActionChanging(int nProperty) override { m_nChanging += nProperty == tkActionCaption; }
  void OnActionChanged(int nProperty) override { m_nChanged += nProperty == tkActionCaption; }
};

class ActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    m_pCommandBars = new CTKCommandBars;
    m_pCommandBars->EnableActions();
    m_pBar = new CTestBar;
    m_pBar->SetCommandBars(m_pCommandBars);
  }
  void TearDown() override {
    m_pBar->InternalRelease();
    m_pCommandBars->InternalRelease();
  }
  CTKControlActions* Actions() { return m_pCommandBars->GetActions(); }

  CTestGlobalPaintManager m_paintManager;
  CTKCommandBars* m_pCommandBars = nullptr;
  CTestBar* m_pBar = nullptr;
};

TEST_F(ActionsTest, ABoundControlShowsTheActionsCaptionAndLosesItsOwn) {
  CTKControlAction* pAction = m_pCommandBars->CreateAction(40);
  pAction->SetCaption("Store");
  pAction->SetEnabled(FALSE);
  pAction->SetChecked(1);
  CTKControl* pControl = m_pBar->GetControls()->AddNew(tkControlButton, 0);
  pControl->SetCaption("Save");
  pControl->SetTooltip("Saves");

  pControl->SetAction(pAction);
  EXPECT_STREQ(pControl->GetCaption(), "Store");
  EXPECT_EQ(pControl->GetID(), 40);
  EXPECT_FALSE(pControl->GetEnabled());
  EXPECT_EQ(pControl->GetChecked(), 1);

  pControl->SetAction(nullptr);
  EXPECT_STREQ(pControl->GetCaption(), "");
  EXPECT_STREQ(pControl->GetTooltip(), "");
  EXPECT_TRUE(pControl->GetEnabled());
  EXPECT_EQ(pControl->GetChecked(), 0);
  EXPECT_EQ(pAction->GetCount(), 0);
}

TEST_F(ActionsTest, EveryBoundControlFollowsTheCaption) {
  CTKControl* pFirst = m_pBar->GetControls()->AddNew(tkControlButton, 41);
  CTKControl* pSecond = m_pBar->GetControls()->AddNew(tkControlButton, 41);
  CTKControlAction* pAction = m_pCommandBars->GetAction(41);
  ASSERT_EQ(pFirst->GetAction(), pAction);
  ASSERT_EQ(pSecond->GetAction(), pAction);
  pAction->SetCaption("Both");
  EXPECT_STREQ(pFirst->GetCaption(), "Both");
  EXPECT_STREQ(pSecond->GetCaption(), "Both");
  EXPECT_TRUE(m_pBar->IsLayoutPending());
}

TEST_F(ActionsTest, ATabCutsTheCaptionAndAnUnchangedCaptionNotifiesNobody) {
  CTKControlAction* pAction = m_pCommandBars->CreateAction(42);
  CCountingControl* pControl = new CCountingControl;
  m_pBar->GetControls()->Add(pControl, 42);
  pAction->SetCaption("Print\tCtrl+P");
  EXPECT_STREQ(pAction->GetCaption(), "Print");
  pAction->SetCaption("Print\tCtrl+P");
  pAction->SetCaption("Print");
  EXPECT_EQ(pControl->m_nChanging, 1);
  EXPECT_EQ(pControl->m_nChanged, 1);
}

TEST_F(ActionsTest, AnEmptyCaptionIsAnsweredWithTheTooltip) {
  CTKControlAction* pAction = m_pCommandBars->CreateAction(43);
  pAction->SetTooltip("Tip");
  EXPECT_STREQ(pAction->GetCaption(), "Tip");
}

TEST_F(ActionsTest, AddingAppliesThePromptOfTheId) {
  CTKControlAction* pAction = m_pCommandBars->CreateAction(700);
  EXPECT_STREQ(pAction->GetDescription(), "Stores the document");
  EXPECT_STREQ(pAction->GetTooltip(), "Store it");
  EXPECT_STREQ(pAction->GetCaption(), "Store");
  EXPECT_STREQ(pAction->GetKeyboardTip(), "S");
}

TEST_F(ActionsTest, IdsOutsideTheCommandRangeHaveNoAction) {
  for (int nId : {0, -1, 0x0FFFFFFF}) Actions()->Add(nId, new CTKControlAction(Actions()));
  for (int nId : {0, -1, 0x0FFFFFFF}) EXPECT_EQ(Actions()->FindAction(nId), nullptr) << nId;
  EXPECT_EQ(Actions()->GetCount(), 3);
}

TEST_F(ActionsTest, ActionsStaySortedAndEqualIdsBothStay) {
  for (int nId : {9, 7, 3, 7, 12}) Actions()->Add(nId, new CTKControlAction(Actions()));
  ASSERT_EQ(Actions()->GetCount(), 5);
  for (int i = 1; i < Actions()->GetCount(); ++i)
    EXPECT_LE(Actions()->GetAt(i - 1)->GetID(), Actions()->GetAt(i)->GetID());
  CTKControlAction* pSeven = Actions()->FindAction(7);
  ASSERT_NE(pSeven, nullptr);
  EXPECT_EQ(pSeven->GetID(), 7);
  for (int nId : {3, 9, 12}) EXPECT_EQ(Actions()->FindAction(nId)->GetID(), nId);
  EXPECT_EQ(Actions()->FindAction(8), nullptr);
}

TEST_F(ActionsTest, CustomiseModeReportsEveryActionEnabled) {
  CTKControlAction* pAction = m_pCommandBars->CreateAction(44);
  CTKControl* pControl = m_pBar->GetControls()->AddNew(tkControlButton, 44);
  pAction->SetEnabled(FALSE);
  EXPECT_FALSE(pControl->GetEnabled());
  m_pCommandBars->SetCustomizeMode(TRUE);
  EXPECT_TRUE(pAction->GetEnabled());
  EXPECT_TRUE(pControl->GetEnabled());
}

TEST_F(ActionsTest, AHiddenActionHidesItsControls) {
  CTKControl* pControl = m_pBar->GetControls()->AddNew(tkControlButton, 45);
  m_pCommandBars->GetAction(45)->SetVisible(FALSE);
  EXPECT_FALSE(pControl->IsVisible());
  EXPECT_FALSE(pControl->IsVisible(0xFF));
}

TEST_F(ActionsTest, RemovingTheActionsUnbindsTheControls) {
  CTKControl* pControl = m_pBar->GetControls()->AddNew(tkControlButton, 46);
  Actions()->RemoveAll();
  EXPECT_EQ(pControl->GetAction(), nullptr);
  EXPECT_TRUE(pControl->GetEnabled());
}

}  // namespace
