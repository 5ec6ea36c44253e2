// Painting the ribbon through its paint manager: the order of the slices,
// each one's pixels, the clip, a minimised ribbon, and the tab captions'
// ampersands without keyboard cues. The test look paints one flat colour per slice.
#include <algorithm>

#include "SupportRibbon.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "tabs/TKTabPaintManager.h"
#include "testsupport/DibSurface.h"

namespace {

const DWORD kCommit = LM_HORZ | LM_HORZDOCK | LM_COMMIT;
const int kWidth = 600;

class RibbonDrawTest : public RibbonFrameTest {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    RibbonFrameTest::SetUp();
    m_pPaintManager->m_nControlHeightOverride = 22;
    RibbonLook()->m_nCaptionHeight = 30;
    CTKRibbonTab* pHome = AddTab("Home");
    AddTab("View");
    m_pFirst = pHome->GetGroups()->AddGroup("A", 3001);
    m_pFirst->AddClone(&m_prototype);
    m_pSecond = pHome->GetGroups()->AddGroup("B", 3002);
    m_pSecond->AddClone(&m_prototype);
    m_nHeight = m_pRibbon->CalcLayout(kWidth, kCommit).cy;
    m_pRibbon->MoveWindow(0, 0, kWidth, m_nHeight);
  }
  /// Paints the bar into a fresh surface within `rcClip`.
  CDibSurface* Paint(CRect rcClip) {
    m_pSurface.reset(new CDibSurface(kWidth, m_nHeight, RGB(255, 255, 255)));
    RibbonLook()->m_calls.clear();
    m_pRibbon->DrawCommandBar(m_pSurface->GetDC(), rcClip);
    return m_pSurface.get();
  }
  CRect All() const { return CRect(0, 0, kWidth, m_nHeight); }
  BOOL Called(const char* pszCall) const {
    const std::vector<CString>& calls = RibbonLook()->m_calls;
    return std::find(calls.begin(), calls.end(), CString(pszCall)) != calls.end();
  }

  CTestSizedButton m_prototype;
  CTKRibbonGroup* m_pFirst = nullptr;
  CTKRibbonGroup* m_pSecond = nullptr;
  int m_nHeight = 0;
  std::unique_ptr<CDibSurface> m_pSurface;
};

TEST_F(RibbonDrawTest, SlicesArePaintedInOrderEachInItsPlace) {
  CDibSurface* pSurface = Paint(All());
  const std::vector<CString> expected = {"bar", "caption", "groups", "group A", "group B",
                                         "customize"};
  EXPECT_EQ(expected, RibbonLook()->m_calls);

  const CRect rcCaption = m_pRibbon->GetCaptionRect();
  EXPECT_EQ(CTestRibbonPaintManager::kCaptionFace, pSurface->GetPixel(kWidth - 5, rcCaption.bottom - 2));
  // A corner of the tab, clear of its caption.
  const CRect rcTab = m_pRibbon->GetTab(1)->GetRect();
  ASSERT_FALSE(rcTab.IsRectEmpty());
  EXPECT_EQ(CTestRibbonPaintManager::kTabFace, pSurface->GetPixel(rcTab.left + 2, rcTab.top + 2));
  // The group's caption band shows the group's face, the gap after the last group the area's.
  const CRect rcGroup = m_pFirst->GetRect();
  EXPECT_EQ(CTestRibbonPaintManager::kGroupFace, pSurface->GetPixel(rcGroup.left + 2, rcGroup.bottom - 2));
  const CRect rcGroups = m_pRibbon->GetGroupsRect();
  EXPECT_EQ(CTestRibbonPaintManager::kGroupsFace,
            pSurface->GetPixel(kWidth - 10, (rcGroups.top + rcGroups.bottom) / 2));
  const CRect rcCustomize = m_pRibbon->GetControlQuickAccess()->GetRect();
  EXPECT_EQ(CTestRibbonPaintManager::kQuickAccessFace,
            pSurface->GetPixel(rcCustomize.CenterPoint().x, rcCustomize.CenterPoint().y));
}

TEST_F(RibbonDrawTest, OnlyWhatMeetsTheClipIsDrawn) {
  const CRect rcFirst = m_pFirst->GetRect();
  Paint(rcFirst);
  EXPECT_TRUE(Called("group A"));
  EXPECT_FALSE(Called("group B"));
  // The caption lies above the clip.
  EXPECT_FALSE(Called("caption"));
  EXPECT_TRUE(Called("bar"));
}

TEST_F(RibbonDrawTest, AMinimisedRibbonPaintsNoGroupsButItsTabs) {
  m_pRibbon->SetRibbonMinimized(TRUE);
  m_nHeight = m_pRibbon->CalcLayout(kWidth, kCommit).cy;
  CDibSurface* pSurface = Paint(All());
  EXPECT_FALSE(Called("groups"));
  EXPECT_FALSE(Called("group A"));
  const CRect rcTab = m_pRibbon->GetTab(1)->GetRect();
  EXPECT_EQ(CTestRibbonPaintManager::kTabFace, pSurface->GetPixel(rcTab.left + 2, rcTab.top + 2));
}

TEST_F(RibbonDrawTest, WithoutKeyboardCuesTabCaptionsLoseTheirAmpersands) {
  CTKTabPaintManager* pTabs = m_pRibbon->GetControlTab()->GetPaintManager();
  ASSERT_NE(nullptr, pTabs);
  m_pBars->GetCommandBarsOptions()->keyboardCuesUse = 0;
  Paint(All());
  EXPECT_TRUE(pTabs->m_bStripMnemonics);
}

}  // namespace
