// Dropping a control on the ribbon in customise mode: into a group, onto
// the tab row, onto itself, and where the ribbon takes no drop.
#include "SupportRibbon.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"

namespace {

const DWORD kCommit = LM_HORZ | LM_HORZDOCK | LM_COMMIT;

class RibbonCustomizeDropTest : public RibbonFrameTest {
 protected:
  void SetUp() override {
    TKDpiHelper()->OverrideDpi(96, 96);
    RibbonFrameTest::SetUp();
    m_pPaintManager->m_nControlHeightOverride = 22;
    m_pRibbon->SetCustomizable(TRUE);
    CTKRibbonTab* pTab = AddTab("Home");
    m_pGroup = pTab->GetGroups()->AddGroup("Build", 3001);
    // Large buttons, each a column of its own, side by side.
    for (int i = 0; i < 2; ++i) {
      CTKControl* pButton = m_pGroup->AddClone(&m_prototype);
      pButton->SetID(600 + i);
      pButton->SetStyle(tkButtonIconAndCaptionBelow);
    }
    m_pEmpty = pTab->GetGroups()->AddGroup("Empty", 3002);
    m_pRibbon->GetQuickAccessControls()->AddCopy(&m_prototype)->SetID(700);
    m_pDragged.SetID(900);
    Layout();
  }
  void Layout() { m_pRibbon->CalcLayout(800, kCommit); }
  /// The drop place of the dragged control at `point`.
  struct Place {
    CRect rcMark;
    int nIndex = -2;
    BOOL bAfter = -1;
  };
  Place DropPlace(CPoint point) {
    Place place;
    m_pRibbon->CalcDropPosition(&m_pDragged, point, place.rcMark, place.nIndex, place.bAfter);
    return place;
  }
  void Drop(CTKControl* pControl, CPoint ptDrop, CPoint ptDrag) {
    DWORD dwEffect = DROPEFFECT_COPY;
    m_pRibbon->OnCustomizeDrop(pControl, dwEffect, ptDrop, ptDrag);
    m_dwEffect = dwEffect;
  }

  CTestSizedButton m_prototype;
  CTestSizedButton m_pDragged;
  CTKRibbonGroup* m_pGroup = nullptr;
  CTKRibbonGroup* m_pEmpty = nullptr;
  DWORD m_dwEffect = 0;
};

// Over a group without controls the only control of the groups' band is the
// dragged one itself, which leaves no mark: the group takes it at its end.
TEST_F(RibbonCustomizeDropTest, AGroupWithoutControlsTakesTheDropAtItsEnd) {
  m_pGroup->RemoveControlAt(1);
  Layout();
  CTKControl* pDragged = m_pGroup->GetAt(0);
  const CRect rcGroup = m_pEmpty->GetRect();
  ASSERT_FALSE(rcGroup.IsRectEmpty());
  const CPoint pt(rcGroup.CenterPoint().x, pDragged->GetRect().CenterPoint().y);
  CRect rcMark;
  int nIndex = -1;
  BOOL bAfter = TRUE;
  m_pRibbon->CalcDropPosition(pDragged, pt, rcMark, nIndex, bAfter);
  EXPECT_EQ(CRect(rcGroup.left + 2, rcGroup.top + 2, rcGroup.left + 8, rcGroup.top + 22), rcMark);
  EXPECT_EQ(m_pEmpty->GetControlGroupOption()->GetIndex(), nIndex);
  EXPECT_FALSE(bAfter);

  Drop(pDragged, pt, pDragged->GetRect().CenterPoint());
  ASSERT_EQ(1, m_pEmpty->GetCount());
  EXPECT_EQ(600, m_pEmpty->GetAt(0)->GetID());
  EXPECT_EQ(m_pEmpty->GetAt(0), m_pBars->GetDragControl()) << "the copy is the one selected";
  EXPECT_TRUE(m_pRibbon->GetInsertMark().IsRectEmpty());
}

TEST_F(RibbonCustomizeDropTest, TheQuickAccessBarAndTheSystemButtonShowNoMark) {
  CTKControl* pCommand = m_pRibbon->GetQuickAccessControls()->GetAt(0);
  ASSERT_TRUE(pCommand->IsVisible());
  EXPECT_TRUE(DropPlace(pCommand->GetRect().CenterPoint()).rcMark.IsRectEmpty());
  CTKControl* pSystem = m_pRibbon->AddSystemButton(0);
  Layout();
  ASSERT_TRUE(pSystem->IsVisible());
  EXPECT_TRUE(DropPlace(pSystem->GetRect().CenterPoint()).rcMark.IsRectEmpty());
  // A control of a group shows the tool bar's mark beside it.
  EXPECT_FALSE(DropPlace(m_pGroup->GetAt(1)->GetRect().CenterPoint()).rcMark.IsRectEmpty());
}

TEST_F(RibbonCustomizeDropTest, ADropBesideAGroupsControlGoesIntoTheGroup) {
  const struct {
    const char* what;
    int nTarget;
    int xOffset;
    int nExpected;
  } cases[] = {
      {"before the first", 0, -10, 0},
      {"after the first", 0, +10, 1},
      {"after the last", 1, +10, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const CRect rc = m_pGroup->GetAt(c.nTarget)->GetRect();
    const CPoint pt(rc.CenterPoint().x + c.xOffset, rc.CenterPoint().y);
    Drop(&m_pDragged, pt, CPoint(0, 0));
    ASSERT_EQ(3, m_pGroup->GetCount());
    EXPECT_EQ(900, m_pGroup->GetAt(c.nExpected)->GetID());
    EXPECT_EQ(m_pGroup, m_pGroup->GetAt(c.nExpected)->GetRibbonGroup());
    m_pGroup->RemoveControlAt(c.nExpected);
    Layout();
  }
}

TEST_F(RibbonCustomizeDropTest, TheCopyTakesTheGroupStartOfTheControlItDisplaces) {
  m_pGroup->GetAt(0)->SetBeginGroup(TRUE);
  Layout();
  const CRect rc = m_pGroup->GetAt(0)->GetRect();
  Drop(&m_pDragged, CPoint(rc.left + 2, rc.CenterPoint().y), CPoint(0, 0));
  ASSERT_EQ(900, m_pGroup->GetAt(0)->GetID());
  EXPECT_TRUE(m_pGroup->GetAt(0)->GetBeginGroup());
  EXPECT_FALSE(m_pGroup->GetAt(1)->GetBeginGroup());
}

TEST_F(RibbonCustomizeDropTest, DroppedOnItselfAControlOnlyStartsOrEndsAGroup) {
  CTKControl* pSecond = m_pGroup->GetAt(1);
  const CPoint ptCentre = pSecond->GetRect().CenterPoint();
  const struct {
    const char* what;
    int nDx;
    BOOL bExpected;
  } cases[] = {
      {"past its centre", +10, TRUE},
      {"short of its centre", -10, FALSE},
      {"hardly moved", +3, FALSE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    pSecond->SetBeginGroup(FALSE);
    Drop(pSecond, CPoint(ptCentre.x + c.nDx, ptCentre.y), ptCentre);
    EXPECT_EQ(c.bExpected, pSecond->GetBeginGroup());
    EXPECT_EQ(5u, m_dwEffect);
    EXPECT_EQ(2, m_pGroup->GetCount()) << "nothing was added";
    Layout();
  }
}

}  // namespace
