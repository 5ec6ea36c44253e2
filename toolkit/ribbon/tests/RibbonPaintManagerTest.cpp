// The ribbon paint manager base and the look of the ribbon's tab row: the
// strip's tab paint manager, row height and the tab text colours.
#include "SupportRibbon.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonTabTheme.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabPaintManagerTheme.h"

namespace {

using RibbonPaintManagerTest = RibbonFrameTest;

TEST_F(RibbonPaintManagerTest, ControlHeightIsTheOwnersButNeverBelow18) {
  struct Case {
    int nOwner;
    int nExpected;
  } cases[] = {{16, 18}, {18, 18}, {30, 30}};
  for (const Case& c : cases) {
    m_pPaintManager->m_nControlHeightOverride = c.nOwner;
    EXPECT_EQ(c.nExpected, RibbonLook()->GetControlHeight()) << c.nOwner;
  }
  CTestRibbonPaintManager withoutOwner(nullptr);
  EXPECT_EQ(18, withoutOwner.GetControlHeight());
}

TEST_F(RibbonPaintManagerTest, StripTabPaintManagerIsSetUpForTheRibbon) {
  CTKTabPaintManager* pTabs = RibbonLook()->GetTabPaintManager();
  ASSERT_NE(nullptr, pTabs);
  EXPECT_EQ(m_pRibbon->GetControlTab()->GetPaintManager(), pTabs);
  EXPECT_EQ(1, pTabs->GetLayout());
  EXPECT_TRUE(pTabs->m_bHotTracking);
  EXPECT_EQ(2, pTabs->m_nToolTipMode);
  EXPECT_FALSE(pTabs->m_bFocusRect);
  EXPECT_FALSE(pTabs->m_bFillBackground);
  EXPECT_FALSE(pTabs->m_bClipHeader);
  EXPECT_EQ(21, pTabs->m_nExtraItemLength);
  EXPECT_EQ(CRect(0, 2, 0, 2), pTabs->m_rcButtonMargin);
  EXPECT_NE(nullptr, dynamic_cast<CTKRibbonTabTheme*>(pTabs->GetAppearanceSet()));
  EXPECT_NE(nullptr, dynamic_cast<CTKRibbonTabColorSet*>(pTabs->GetColorSet()));
}

TEST_F(RibbonPaintManagerTest, ExtraTabLengthScalesWithTheScreen) {
  TKDpiHelper()->OverrideDpi(144, 144);
  CTestRibbonPaintManager scaled(m_pPaintManager);
  EXPECT_EQ(32, scaled.GetTabPaintManager()->m_nExtraItemLength);
  TKDpiHelper()->OverrideDpi(96, 96);
}

TEST_F(RibbonPaintManagerTest, RowHeightFollowsTheEditHeightNotTheTabFont) {
  CTKTabPaintManager* pTabs = RibbonLook()->GetTabPaintManager();
  CTKRibbonControlTab* pStrip = m_pRibbon->GetControlTab();
  const int nRow = pTabs->GetAppearanceSet()->GetRowHeight(pStrip);
  EXPECT_EQ(1 + m_pPaintManager->GetEditHeight(), nRow);
  EXPECT_EQ(m_pPaintManager->GetEditHeight(), m_pRibbon->GetTabsHeight());

  LOGFONT lfLarge = {};
  lfLarge.lfHeight = -40;
  lstrcpyA(lfLarge.lfFaceName, "Arial");
  pTabs->SetFontIndirect(&lfLarge);
  EXPECT_EQ(nRow, pTabs->GetAppearanceSet()->GetRowHeight(pStrip));

  m_pPaintManager->SetFontHeight(30);
  RibbonLook()->RefreshMetrics();
  EXPECT_EQ(1 + m_pPaintManager->GetEditHeight(), pTabs->GetAppearanceSet()->GetRowHeight(pStrip));
  EXPECT_GT(pTabs->GetAppearanceSet()->GetRowHeight(pStrip), nRow);
}

/// Makes a tab hot as the mouse over it would.
class CHotStrip : public CTKRibbonControlTab {
 public:
  static void MakeHot(CTKRibbonControlTab* pStrip, CTKTabManagerItem* pItem) {
    static_cast<CHotStrip*>(pStrip)->m_pHighlighted = pItem;
  }
};

/// A pop-up that counts as tracking without a window.
class CTrackingPopup : public CTKPopupBar {
 public:
  void Track(BOOL bTracking) { m_nTracking = bTracking; }
};

class RibbonTabColorTest : public RibbonFrameTest {
 protected:
  void SetUp() override {
    RibbonFrameTest::SetUp();
    m_pColorSet = RibbonLook()->GetTabPaintManager()->GetColorSet();
    m_pColorSet->m_clrText.SetCustomValue(kText);
    m_pColorSet->m_clrTextHighlighted.SetCustomValue(kHot);
    m_pColorSet->m_clrTextSelected.SetCustomValue(kSelected);
    m_pColorSet->m_clrTextDisabled.SetCustomValue(kDisabled);
    m_pSelected = AddTab("Home");
    AddTab("View");
    m_pStrip = m_pRibbon->GetControlTab();
  }
  void TearDown() override {
    m_pStrip->SetCommandBar(nullptr);
    RibbonFrameTest::TearDown();
  }
  COLORREF TextColor(CTKTabManagerItem* pTab) {
    CClientDC dc(m_pFrame);
    m_pColorSet->SetTextColor(&dc, pTab);
    return dc.GetTextColor();
  }
  /// The selected tab's pop-up, open or closed.
  void SetPopupOpen(BOOL bOpen) {
    if (m_pPopup == nullptr) {
      m_pPopup = new CTrackingPopup;
      m_pStrip->SetCommandBar(m_pPopup);
    }
    m_pPopup->Track(bOpen);
  }

  static constexpr COLORREF kText = RGB(1, 0, 0);
  static constexpr COLORREF kHot = RGB(2, 0, 0);
  static constexpr COLORREF kSelected = RGB(3, 0, 0);
  static constexpr COLORREF kDisabled = RGB(4, 0, 0);
  CTKTabPaintManagerColorSet* m_pColorSet = nullptr;
  CTKRibbonTab* m_pSelected = nullptr;
  CTKRibbonControlTab* m_pStrip = nullptr;
  CTrackingPopup* m_pPopup = nullptr;
};

TEST_F(RibbonTabColorTest, NormalRibbonShowsTheSelectedTabSelected) {
  EXPECT_EQ(kSelected, TextColor(m_pSelected));
  EXPECT_EQ(kText, TextColor(m_pRibbon->GetTab(1)));
  m_pRibbon->GetTab(1)->SetEnabled(FALSE);
  EXPECT_EQ(kDisabled, TextColor(m_pRibbon->GetTab(1)));
}

TEST_F(RibbonTabColorTest, MinimisedClosedTabIsNormalUnlessTheStripShowsFocus) {
  m_pRibbon->SetRibbonMinimized(TRUE);
  m_pRibbon->SetCurSel(0);
  SetPopupOpen(FALSE);
  EXPECT_EQ(kText, TextColor(m_pSelected));

  m_pRibbon->SetTrackingMode(TRUE, FALSE, TRUE);
  m_pRibbon->SetSelected(m_pStrip->GetIndex(), 1);
  m_pStrip->SetKeyboardFocus(TRUE);
  ASSERT_TRUE(m_pStrip->IsFocusVisible());
  ASSERT_NE(0, m_pStrip->GetSelected());
  EXPECT_EQ(kHot, TextColor(m_pSelected));
  m_pRibbon->SetTrackingMode(FALSE);
}

TEST_F(RibbonTabColorTest, MinimisedOpenTabKeepsTheSelectedColourUnderTheMouse) {
  m_pRibbon->SetRibbonMinimized(TRUE);
  m_pRibbon->SetCurSel(0);
  SetPopupOpen(TRUE);
  // Under the mouse (hot tracking itself needs a frame in the foreground).
  CHotStrip::MakeHot(m_pStrip, m_pSelected);
  ASSERT_TRUE(m_pSelected->IsHighlighted());
  EXPECT_EQ(kSelected, TextColor(m_pSelected));
  // Closed, the same hot tab reads as a normal one.
  SetPopupOpen(FALSE);
  EXPECT_EQ(kText, TextColor(m_pSelected));
}

}  // namespace
