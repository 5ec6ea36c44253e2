// Group layout and size reduction at 96 DPI with a control height of 22, so
// that a column holds three small controls: which controls each level turns
// smaller, which group goes first, collapsing, the caption giving up width,
// and centred columns. Control sizes are injected (CTestSizedButton).
#include "SupportRibbon.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "ribbon/TKRibbonGroup.h"

namespace {

const DWORD kCommit = LM_HORZ | LM_HORZDOCK | LM_COMMIT;
const bool L = true;   // a control with a large icon
const bool M = false;  // a control without one

/// A group whose caption measures a fixed width.
class CWideCaptionGroup : public CTKRibbonGroup {
 public:
  int GetCaptionWidth(CDC*) const override { return m_nCaptionWidth; }
  int m_nCaptionWidth = 300;
};

class RibbonGroupReductionTest : public RibbonFrameTest {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    RibbonFrameTest::SetUp();
    m_pPaintManager->m_nControlHeightOverride = 22;
    m_pTab = AddTab("Home");
    m_hDC = ::GetDC(NULL);
    m_pDC = CDC::FromHandle(m_hDC);
  }
  void TearDown() override {
    ::ReleaseDC(NULL, m_hDC);
    RibbonFrameTest::TearDown();
  }

  /// A group of sized buttons, those marked L with a large icon.
  CTKRibbonGroup* AddGroup(const std::vector<bool>& large, CTKRibbonGroup* pGroup = nullptr) {
    if (pGroup == nullptr) pGroup = new CTKRibbonGroup;
    m_pTab->GetGroups()->InsertGroup(-1, pGroup);
    pGroup->SetCaption("G");
    std::vector<UINT> largeIds;
    for (bool bLarge : large) {
      CTKControl* pControl = pGroup->AddClone(&m_prototype);
      pControl->SetID(m_nNextId);
      if (bLarge) largeIds.push_back(static_cast<UINT>(m_nNextId));
      ++m_nNextId;
    }
    if (!largeIds.empty()) SetLargeIcons(largeIds);
    return pGroup;
  }
  void SetLargeIcons(const std::vector<UINT>& ids) {
    const int cx = m_pRibbon->GetLargeIconSize().cx;
    HBITMAP hBitmap = ::CreateCompatibleBitmap(m_hDC, cx * static_cast<int>(ids.size()), cx);
    m_pRibbon->GetImageManager()->SetIconsFromBitmap(hBitmap, ids.data(),
                                                     static_cast<int>(ids.size()), cx, cx);
    ::DeleteObject(hBitmap);
  }
  static std::vector<int> Styles(CTKRibbonGroup* pGroup) {
    std::vector<int> styles;
    for (int i = 0; i < pGroup->GetCount(); ++i) styles.push_back(pGroup->GetAt(i)->GetLayoutStyle());
    return styles;
  }
  int Begin(CTKRibbonGroup* pGroup) {
    pGroup->BeginLayout(m_pDC);
    return pGroup->CalcWidth(m_pDC);
  }
  /// Places the group at (x, y) with the width it measures and ends the pass.
  void Finish(CTKRibbonGroup* pGroup, int x, int y) {
    pGroup->ArrangeControls(pGroup->CalcWidth(m_pDC), x, y, 0, 0);
    pGroup->EndLayout();
  }

  CTestSizedButton m_prototype;
  CTKRibbonTab* m_pTab = nullptr;
  HDC m_hDC = NULL;
  CDC* m_pDC = nullptr;
  /// Ids never repeat within the program: the image manager keeps its icons from test to test.
  static inline int m_nNextId = 100;
};

TEST_F(RibbonGroupReductionTest, FullSizeLargeControlsStandSideBySide) {
  CTKRibbonGroup* pGroup = AddGroup({L, L, M});
  EXPECT_EQ(2 + 40 + 40 + 60 + 2, Begin(pGroup));
  EXPECT_EQ((std::vector<int>{4, 4, 3}), Styles(pGroup));
}

TEST_F(RibbonGroupReductionTest, FirstLevelZeroStepMakesTheLastThreeLargeAColumnOfMedium) {
  CTKRibbonGroup* pGroup = AddGroup({L, L, L, L});
  EXPECT_EQ(2 + 4 * 40 + 2, Begin(pGroup));
  ASSERT_TRUE(pGroup->ReduceSize(0, 1));
  EXPECT_EQ((std::vector<int>{4, 3, 3, 3}), Styles(pGroup));
  EXPECT_EQ(2 + 40 + 60 + 2, pGroup->CalcWidth(m_pDC));
  Finish(pGroup, 0, 0);
  const CRect rcLarge = pGroup->GetAt(0)->GetRect();
  for (int i = 1; i <= 3; ++i) {
    const CRect rc = pGroup->GetAt(i)->GetRect();
    EXPECT_EQ(rcLarge.right, rc.left) << i;
    EXPECT_EQ(pGroup->GetAt(1)->GetRect().top + 22 * (i - 1), rc.top) << i;
  }
}

TEST_F(RibbonGroupReductionTest, LevelTwoMakesSmallOnlyMoreThanAColumnOfMedium) {
  struct Case {
    int nControls;
    BOOL bReduced;
    std::vector<int> styles;
  };
  const Case cases[] = {{3, FALSE, {3, 3, 3}}, {4, TRUE, {2, 2, 2, 3}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nControls);
    CTKRibbonGroup* pGroup = AddGroup(std::vector<bool>(c.nControls, M));
    Begin(pGroup);
    EXPECT_EQ(c.bReduced, pGroup->ReduceSize(2, 1));
    EXPECT_EQ(c.styles, Styles(pGroup));
  }
}

TEST_F(RibbonGroupReductionTest, OnlyAGroupOfMoreThanOneControlCollapses) {
  struct Case {
    int nControls;
    BOOL bCollapsed;
  };
  for (const Case& c : {Case{1, FALSE}, Case{2, TRUE}}) {
    SCOPED_TRACE(c.nControls);
    CTKRibbonGroup* pGroup = AddGroup(std::vector<bool>(c.nControls, L));
    Begin(pGroup);
    EXPECT_EQ(c.bCollapsed, pGroup->ReduceSize(3, 1));
    EXPECT_EQ(c.bCollapsed, pGroup->IsReduced());
    // A collapsed group is as wide as its pop-up button (40 in the test look) less 5.
    if (c.bCollapsed) EXPECT_EQ(35, pGroup->CalcWidth(m_pDC));
  }
}

TEST_F(RibbonGroupReductionTest, AWideCaptionGivesUpWidthAtLevelTwoNeverBelowItsControls) {
  CWideCaptionGroup* pGroup = new CWideCaptionGroup;
  AddGroup({M, M}, pGroup);
  const int nContent = 2 + 60 + 2;
  EXPECT_EQ(300, Begin(pGroup));
  for (int nLevel : {0, 1, 3}) EXPECT_FALSE(pGroup->ReduceSize(nLevel, 100)) << nLevel;
  ASSERT_TRUE(pGroup->ReduceSize(2, 100));
  EXPECT_EQ(200, pGroup->CalcWidth(m_pDC));
  ASSERT_TRUE(pGroup->ReduceSize(2, 1000));
  EXPECT_EQ(nContent, pGroup->CalcWidth(m_pDC));

  // Controls no wider than 16 pixels keep the caption's width.
  CWideCaptionGroup* pNarrow = new CWideCaptionGroup;
  m_prototype.m_szMedium = CSize(12, 22);
  AddGroup({M}, pNarrow);
  Begin(pNarrow);
  EXPECT_FALSE(pNarrow->ReduceSize(2, 100));
}

TEST_F(RibbonGroupReductionTest, TheRightMostGroupGoesFirstAndLevelOneWaitsForLevelZero) {
  struct Case {
    const char* name;
    std::vector<bool> left, right;
    std::vector<int> leftAfter, rightAfter;
  };
  const Case cases[] = {
      {"same groups", {L, L, L, L}, {L, L, L, L}, {4, 4, 4, 4}, {4, 3, 3, 3}},
      {"level 0 left of level 1", {L, L, L, L}, {L, L, M}, {4, 3, 3, 3}, {4, 4, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_pTab->GetGroups()->RemoveAll();
    CTKRibbonGroup* pLeft = AddGroup(c.left);
    CTKRibbonGroup* pRight = AddGroup(c.right);
    std::vector<int> widths = {Begin(pLeft), Begin(pRight)};
    const int nTotal = CTKRibbonGroups::GetGroupsWidth(widths);
    m_pTab->GetGroups()->ReduceToFit(m_pDC, widths, nTotal - 1);
    EXPECT_EQ(c.leftAfter, Styles(pLeft));
    EXPECT_EQ(c.rightAfter, Styles(pRight));
    EXPECT_LE(CTKRibbonGroups::GetGroupsWidth(widths), nTotal - 1);
  }
}

TEST_F(RibbonGroupReductionTest, LevelOneSkipsAWholeWindowWithoutALargeControl) {
  // The last three are medium: the next window examined ends at the fourth
  // from the end, so the first control stays large.
  CTKRibbonGroup* pGroup = AddGroup({L, L, L, L, M, M, M});
  Begin(pGroup);
  ASSERT_TRUE(pGroup->ReduceSize(1, 1));
  EXPECT_EQ((std::vector<int>{4, 3, 3, 3, 3, 3, 3}), Styles(pGroup));
}

TEST_F(RibbonGroupReductionTest, AGroupAllowedNoReductionRefusesEveryLevel) {
  CTKRibbonGroup* pGroup = AddGroup({L, L, L, L});
  pGroup->SetAllowReduction(0);
  Begin(pGroup);
  for (int nLevel = 0; nLevel <= 3; ++nLevel) EXPECT_FALSE(pGroup->ReduceSize(nLevel, 1)) << nLevel;
  EXPECT_EQ((std::vector<int>{4, 4, 4, 4}), Styles(pGroup));
}

TEST_F(RibbonGroupReductionTest, CentredColumnsHaveEqualGapsAboveBetweenAndBelow) {
  m_prototype.m_szMedium = CSize(60, 18);
  const int nCaption = RibbonLook()->GetGroupCaptionHeight();
  const int nColumn = m_pRibbon->GetGroupsHeight() - 7 - nCaption - 3;
  for (int n : {2, 3}) {
    SCOPED_TRACE(n);
    CTKRibbonGroup* pGroup = AddGroup(std::vector<bool>(n, M));
    pGroup->SetControlsCentering(TRUE);
    Begin(pGroup);
    Finish(pGroup, 10, 100);
    const int nTop = 100 + 2;
    const int d = pGroup->GetAt(0)->GetRect().top - nTop;
    EXPECT_GT(d, 0);
    for (int i = 1; i < n; ++i)
      EXPECT_EQ(d, pGroup->GetAt(i)->GetRect().top - pGroup->GetAt(i - 1)->GetRect().bottom) << i;
    const int nBelow = nTop + nColumn - pGroup->GetAt(n - 1)->GetRect().bottom;
    EXPECT_GE(nBelow, d);
    EXPECT_LE(nBelow - d, n);
  }
}

TEST_F(RibbonGroupReductionTest, ANarrowRibbonCollapsesTheRightGroupsIntoTheirButtons) {
  CTKRibbonGroup* pFirst = AddGroup({L, L, L, L, L, L});
  CTKRibbonGroup* pLast = AddGroup({L, L, L, L, L, L});
  m_pRibbon->CalcLayout(1000, kCommit);
  EXPECT_FALSE(pLast->IsReduced());
  EXPECT_TRUE(pLast->GetAt(0)->IsVisible());

  // Two columns of three small controls (48) and a collapsed group (35) fit
  // 99 less the right margin of 4; two groups of small controls do not.
  m_pRibbon->SetMinimumVisibleWidth(50);
  m_pRibbon->CalcLayout(99, kCommit);
  EXPECT_FALSE(pFirst->IsReduced());
  EXPECT_EQ(std::vector<int>(6, 2), Styles(pFirst));
  EXPECT_TRUE(pLast->IsReduced());
  EXPECT_FALSE(pLast->GetAt(0)->IsVisible());
  CTKControl* pPopup = pLast->GetControlGroupPopup();
  EXPECT_TRUE(pPopup->IsVisible());
  EXPECT_EQ(pLast->GetRect(), pPopup->GetRect());
  // Every group stays inside the groups area.
  EXPECT_LE(pLast->GetRect().right, 99);

  m_pRibbon->CalcLayout(1000, kCommit);
  EXPECT_FALSE(pLast->IsReduced());
  EXPECT_TRUE(pLast->GetAt(0)->IsVisible());
  EXPECT_FALSE(pPopup->IsVisible());
}

}  // namespace
