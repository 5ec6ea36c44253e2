// Items, selection, keys and hit tests of a strip, without loops.
#include <gtest/gtest.h>

#include "SupportTabStrip.h"
#include "tabs/TKTabPaintManagerTheme.h"
#include "testsupport/HostWindow.h"

namespace {

class TabManagerTest : public ::testing::Test {
 protected:
  /// Three tabs on a 300 x 120 strip of a window with the given extended style.
  void MakeStrip(int nTabs, DWORD dwExStyle = 0) {
    ASSERT_TRUE(m_host.CreateHost(320, 140));
    if (dwExStyle != 0) m_host.ModifyStyleEx(0, dwExStyle);
    m_strip.reset(new CTestTabStrip(m_host.GetSafeHwnd()));
    for (int i = 0; i < nTabs; ++i) {
      CString str;
      str.Format("Tab %d", i);
      m_strip->Add(str);
    }
  }
  CTestHostWindow m_host;
  std::unique_ptr<CTestTabStrip> m_strip;
};

TEST_F(TabManagerTest, AnEmptyStripAnswersNothing) {
  MakeStrip(0);
  for (UINT nKey : {VK_HOME, VK_END, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE})
    EXPECT_FALSE(m_strip->PerformKeyDown(m_host.GetSafeHwnd(), nKey)) << nKey;
  EXPECT_EQ(nullptr, m_strip->HitTest(CPoint(10, 10)));
  m_strip->SetCurSel(5);
  EXPECT_EQ(-1, m_strip->GetCurSel());
  EXPECT_EQ(nullptr, m_strip->GetSelectedItem());
}

TEST_F(TabManagerTest, SetCurSelClampsToTheItems) {
  MakeStrip(3);
  m_strip->SetCurSel(-3);
  EXPECT_EQ(0, m_strip->GetCurSel());
  m_strip->SetCurSel(7);
  EXPECT_EQ(2, m_strip->GetCurSel());
}

TEST_F(TabManagerTest, HiddenAndDisabledTabsAreNeverHitNorStepped) {
  MakeStrip(5);
  m_strip->GetItem(0)->SetVisible(FALSE);
  m_strip->GetItem(2)->SetEnabled(FALSE);
  m_strip->GetItem(4)->SetEnabled(FALSE);
  m_strip->Reposition();
  const CRect rcDisabled = m_strip->GetItem(2)->GetRect();
  ASSERT_FALSE(rcDisabled.IsRectEmpty());
  EXPECT_EQ(nullptr, m_strip->HitTest(rcDisabled.CenterPoint()));
  EXPECT_EQ(m_strip->GetItem(1), m_strip->HitTest(m_strip->GetItem(1)->GetRect().CenterPoint()));

  const HWND hWnd = m_host.GetSafeHwnd();
  struct Case {
    UINT nKey;
    int nFrom;
    int nExpected;
  };
  const Case kCases[] = {{VK_HOME, 3, 1}, {VK_END, 1, 3}, {VK_RIGHT, 1, 3}, {VK_LEFT, 3, 1},
                         {VK_LEFT, 1, 1}};
  for (const Case& c : kCases) {
    m_strip->SetCurSel(c.nFrom);
    EXPECT_TRUE(m_strip->PerformKeyDown(hWnd, c.nKey)) << c.nKey << " from " << c.nFrom;
    EXPECT_EQ(c.nExpected, m_strip->GetCurSel()) << c.nKey << " from " << c.nFrom;
  }
}

TEST_F(TabManagerTest, RightToLeftWindowsStepLeftToTheNextItem) {
  MakeStrip(3, WS_EX_LAYOUTRTL);
  m_strip->SetCurSel(1);
  EXPECT_TRUE(m_strip->PerformKeyDown(m_host.GetSafeHwnd(), VK_LEFT));
  EXPECT_EQ(2, m_strip->GetCurSel());
}

TEST_F(TabManagerTest, VerticalStripsStepWithUpAndDownOnly) {
  MakeStrip(3);
  for (int nPosition : {tkTabPositionLeft, tkTabPositionRight}) {
    m_strip->GetPaintManager()->SetPosition(nPosition);
    m_strip->SetCurSel(1);
    EXPECT_TRUE(m_strip->PerformKeyDown(m_host.GetSafeHwnd(), VK_LEFT));
    EXPECT_TRUE(m_strip->PerformKeyDown(m_host.GetSafeHwnd(), VK_RIGHT));
    EXPECT_EQ(1, m_strip->GetCurSel()) << nPosition;
    EXPECT_TRUE(m_strip->PerformKeyDown(m_host.GetSafeHwnd(), VK_DOWN));
    EXPECT_EQ(2, m_strip->GetCurSel()) << nPosition;
  }
}

TEST_F(TabManagerTest, TheNinthTabTakesTheFirstAutomaticColourAgain) {
  MakeStrip(9);
  EXPECT_EQ(0xE4A88Au, m_strip->GetItemColor(m_strip->GetItem(0)));
  EXPECT_EQ(0x75DBFFu, m_strip->GetItemColor(m_strip->GetItem(1)));
  EXPECT_EQ(0xE4A88Au, m_strip->GetItemColor(m_strip->GetItem(8)));
}

TEST_F(TabManagerTest, HandlesAndDataKeepAllTheirBits) {
  MakeStrip(2);
  const HWND hWide = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x123456789ABCull));
  const DWORD_PTR dwWide = static_cast<DWORD_PTR>(0xFEDCBA9876543210ull);
  m_strip->GetItem(1)->SetHandle(hWide);
  m_strip->GetItem(1)->SetData(dwWide);
  EXPECT_EQ(m_strip->GetItem(1), m_strip->FindItemByHandle(hWide));
  EXPECT_EQ(nullptr, m_strip->FindItemByHandle(reinterpret_cast<HWND>(0x9ABC)));
  EXPECT_EQ(dwWide, m_strip->GetItemData(m_strip->GetItem(1)));
}

TEST_F(TabManagerTest, AHeaderlessStripHitTestsAgainstItsControlRectangle) {
  MakeStrip(1);
  CTKTabManagerItem* pItem = m_strip->GetItem(0);
  m_strip->SetHeaderRect(CRect());
  pItem->SetRect(CRect(10, 10, 50, 30));
  EXPECT_EQ(pItem, m_strip->HitTest(CPoint(20, 20)));
  m_strip->SetHeaderRect(CRect(0, 0, 300, 5));
  EXPECT_EQ(nullptr, m_strip->HitTest(CPoint(20, 20)));
}

TEST_F(TabManagerTest, TabCloseButtonsShowOnTheSelectedClosableTab) {
  ASSERT_TRUE(m_host.CreateHost(320, 140));
  m_strip.reset(new CTestTabStrip(m_host.GetSafeHwnd()));
  m_strip->SetTabCloseMode(tkTabButtonAuto);
  m_strip->Add("First");
  m_strip->Add("Second");
  m_strip->SetCurSel(1);
  const CTKTabManagerNavigateButton* pFirst = m_strip->GetItem(0)->GetNavigateButtons()[0];
  const CTKTabManagerNavigateButton* pSecond = m_strip->GetItem(1)->GetNavigateButtons()[0];
  EXPECT_FALSE(m_strip->IsNavigateButtonVisible(pFirst));
  EXPECT_TRUE(m_strip->IsNavigateButtonVisible(pSecond));
  m_strip->GetItem(1)->SetClosable(FALSE);
  EXPECT_FALSE(m_strip->IsNavigateButtonVisible(pSecond));
}

}  // namespace
