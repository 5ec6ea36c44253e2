// The ribbon's tab strip: selection through the ribbon with its
// notifications, keys, accessibility and copying.
#include <oleacc.h>

#include "SupportRibbon.h"
#include "ribbon/TKRibbonControlTab.h"

namespace {

class RibbonTabStripTest : public RibbonFrameTest {
 protected:
  void SetUp() override {
    RibbonFrameTest::SetUp();
    m_pStrip = m_pRibbon->GetControlTab();
  }
  void AddTabs(int nCount) {
    for (int i = 0; i < nCount; ++i) AddTab("Tab");
  }
  static VARIANT Child(long nChild) {
    VARIANT var;
    var.vt = VT_I4;
    var.lVal = nChild;
    return var;
  }
  CTKRibbonControlTab* m_pStrip = nullptr;
};

TEST_F(RibbonTabStripTest, SelectingTheSelectedTabSendsNoNotification) {
  AddTabs(2);
  m_pFrame->m_notifications.clear();
  m_pRibbon->SetCurSel(0);
  EXPECT_EQ(0, m_pFrame->CountNotifications(static_cast<UINT>(TCN_SELCHANGING)));
  EXPECT_EQ(0, m_pFrame->CountNotifications(static_cast<UINT>(TCN_SELCHANGE)));
  m_pRibbon->SetCurSel(1);
  EXPECT_EQ(1, m_pFrame->CountNotifications(static_cast<UINT>(TCN_SELCHANGING)));
  EXPECT_EQ(1, m_pFrame->CountNotifications(static_cast<UINT>(TCN_SELCHANGE)));
}

TEST_F(RibbonTabStripTest, AVetoedChangeKeepsTheOldTab) {
  AddTabs(2);
  m_pFrame->m_notifications.clear();
  m_pFrame->m_nSelChangingAnswer = 1;
  m_pRibbon->SetCurSel(1);
  EXPECT_EQ(0, m_pRibbon->GetCurSel());
  EXPECT_EQ(1, m_pFrame->CountNotifications(static_cast<UINT>(TCN_SELCHANGING)));
  EXPECT_EQ(0, m_pFrame->CountNotifications(static_cast<UINT>(TCN_SELCHANGE)));
}

TEST_F(RibbonTabStripTest, TakingTheFocusWithoutSelectionSelectsTheFirstVisibleEnabledTab) {
  AddTabs(3);
  m_pStrip->CTKTabManager::SetSelectedItem(NULL);
  m_pRibbon->GetTab(0)->SetVisible(FALSE);
  m_pStrip->SetKeyboardFocus(TRUE);
  EXPECT_EQ(1, m_pRibbon->GetCurSel());
}

TEST_F(RibbonTabStripTest, ArrowsStopAtTheEndsAndLeaveThemToTheBar) {
  AddTabs(3);
  EXPECT_FALSE(m_pStrip->OnFocusedKeyDown(VK_RIGHT));  // no focus yet
  m_pStrip->SetKeyboardFocus(TRUE);
  EXPECT_FALSE(m_pStrip->OnFocusedKeyDown(VK_LEFT));
  EXPECT_EQ(0, m_pRibbon->GetCurSel());
  EXPECT_TRUE(m_pStrip->OnFocusedKeyDown(VK_RIGHT));
  EXPECT_EQ(1, m_pRibbon->GetCurSel());
  m_pRibbon->SetCurSel(2);
  EXPECT_FALSE(m_pStrip->OnFocusedKeyDown(VK_RIGHT));
  EXPECT_EQ(2, m_pRibbon->GetCurSel());
  EXPECT_FALSE(m_pStrip->OnFocusedKeyDown(VK_UP));
}

TEST_F(RibbonTabStripTest, ReturnAndSpaceOpenTheTabOnlyWhenMinimised) {
  AddTabs(2);
  m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
  m_pStrip->SetKeyboardFocus(TRUE);
  EXPECT_TRUE(m_pStrip->OnFocusedKeyDown(VK_RETURN));
  EXPECT_FALSE(m_pStrip->IsPopupOpen());
  EXPECT_FALSE(m_pStrip->OnFocusedKeyDown(VK_SPACE));

  m_pRibbon->SetRibbonMinimized(TRUE);
  m_pStrip->SetKeyboardFocus(TRUE);
  for (UINT nKey : {static_cast<UINT>(VK_RETURN), static_cast<UINT>(VK_SPACE)}) {
    EXPECT_TRUE(m_pStrip->OnFocusedKeyDown(nKey)) << nKey;
    EXPECT_TRUE(m_pStrip->IsPopupOpen()) << nKey;
    EXPECT_EQ(m_pStrip->GetIndex(), m_pRibbon->GetPopuped()) << nKey;
    m_pRibbon->SetTrackingMode(FALSE);
    EXPECT_FALSE(m_pStrip->IsPopupOpen()) << nKey;
    m_pStrip->SetKeyboardFocus(TRUE);
  }
}

TEST_F(RibbonTabStripTest, TabsAnswerAccessibilityAsPageTabs) {
  AddTab("&Home");
  AddTab("View");
  BSTR bstrName = nullptr;
  ASSERT_EQ(S_OK, m_pStrip->GetAccessibleName(Child(1), &bstrName));
  EXPECT_STREQ(L"Home", bstrName);
  ::SysFreeString(bstrName);

  VARIANT varRole;
  ASSERT_EQ(S_OK, m_pStrip->GetAccessibleRole(Child(2), &varRole));
  EXPECT_EQ(ROLE_SYSTEM_PAGETAB, varRole.lVal);
  ASSERT_EQ(S_OK, m_pStrip->GetAccessibleRole(Child(0), &varRole));
  EXPECT_EQ(ROLE_SYSTEM_PAGETABLIST, varRole.lVal);

  VARIANT varState;
  ASSERT_EQ(S_OK, m_pStrip->GetAccessibleState(Child(1), &varState));
  EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED |
                STATE_SYSTEM_FOCUSED,
            varState.lVal);

  BSTR bstrAction = nullptr;
  ASSERT_EQ(S_OK, m_pStrip->GetAccessibleDefaultAction(Child(2), &bstrAction));
  EXPECT_STREQ(L"Switch", bstrAction);
  ::SysFreeString(bstrAction);
  ASSERT_EQ(S_OK, m_pStrip->AccessibleDoDefaultAction(Child(2)));
  EXPECT_EQ(1, m_pRibbon->GetCurSel());

  long nCount = 0;
  m_pStrip->GetAccessibleChildCount(&nCount);
  EXPECT_EQ(2, nCount);
  for (long nBad : {3L, -2L}) {
    EXPECT_EQ(E_INVALIDARG, m_pStrip->GetAccessibleName(Child(nBad), &bstrName)) << nBad;
    EXPECT_EQ(E_INVALIDARG, m_pStrip->GetAccessibleRole(Child(nBad), &varRole)) << nBad;
    EXPECT_EQ(E_INVALIDARG, m_pStrip->GetAccessibleState(Child(nBad), &varState)) << nBad;
  }
}

class CTestRibbonTab : public CTKRibbonTab {
  DECLARE_DYNCREATE(CTestRibbonTab)
};
IMPLEMENT_DYNCREATE(CTestRibbonTab, CTKRibbonTab)

TEST_F(RibbonTabStripTest, CopyingThreeTabsOntoFiveLeavesThreeOfTheirSourcesClass) {
  AddTabs(5);
  CTKRibbonControlTab source;
  for (int i = 0; i < 3; ++i) {
    CTKRibbonTab* pTab = i == 1 ? new CTestRibbonTab : new CTKRibbonTab;
    source.AddItem(i, pTab);
    pTab->SetCaption(i == 1 ? "Second" : "Other");
  }
  m_pStrip->Copy(&source);
  ASSERT_EQ(3, m_pRibbon->GetTabCount());
  EXPECT_TRUE(m_pRibbon->GetTab(1)->IsKindOf(RUNTIME_CLASS(CTestRibbonTab)));
  EXPECT_FALSE(m_pRibbon->GetTab(0)->IsKindOf(RUNTIME_CLASS(CTestRibbonTab)));
  EXPECT_STREQ("Second", m_pRibbon->GetTab(1)->GetCaption());
  EXPECT_EQ(m_pRibbon, m_pRibbon->GetTab(2)->GetRibbonBar());
}

}  // namespace
