// CTKRibbonBar: where a control dragged in customise mode lands on the
// ribbon, and the drop: into a group, onto the tab row, or onto itself.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"

namespace {

/// The drag's answer when the control stays where it was.
const DWORD kDropNothingMoved = 5;
/// A control flag: the control stands at the right end of the tab row.
const DWORD kFlagRightAligned = 0x1;

}  // namespace

void CTKRibbonBar::CalcDropPosition(CTKControl* pDragged, CPoint point, CRect& rcMark, int& nIndex,
                                    BOOL& bAfter) {
  CTKMenuBar::CalcDropPosition(pDragged, point, rcMark, nIndex, bAfter);
  CTKControl* pTarget = nIndex >= 0 ? GetControl(nIndex) : nullptr;
  // The system button and the quick-access bar take no drops.
  if (pTarget != nullptr && (pTarget == m_pControlSystemButton || IsQuickAccessControl(pTarget)))
    rcMark.SetRectEmpty();
  if (!IsCustomizable() || !rcMark.IsRectEmpty() || GetSelectedTab() == nullptr) return;
  if (m_pControls->HitTest(point) != nullptr) return;
  CTKRibbonGroup* pGroup = HitTestGroup(point);
  if (pGroup == nullptr || pGroup->GetControlGroupOption() == nullptr) return;
  // A group without room for a mark beside a control takes the drop at its end.
  const CRect rcGroup = pGroup->GetRect();
  rcMark.SetRect(rcGroup.left + TKDpiHelper()->ScaleX(2), rcGroup.top + TKDpiHelper()->ScaleY(2),
                 rcGroup.left + TKDpiHelper()->ScaleX(8), rcGroup.top + TKDpiHelper()->ScaleY(22));
  nIndex = pGroup->GetControlGroupOption()->GetIndex();
  bAfter = FALSE;
  m_bVerticalMark = FALSE;
}

void CTKRibbonBar::OnCustomizeDrop(CTKControl* pDataObject, DWORD& dwDropEffect, CPoint ptDrop,
                                   CPoint ptDrag) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return;
  CRect rcMark;
  int nIndex = -1;
  BOOL bAfter = FALSE;
  CalcDropPosition(pDataObject, ptDrop, rcMark, nIndex, bAfter);
  CTKControl* pTarget = nIndex >= 0 ? GetControl(nIndex) : nullptr;
  if (pTarget != nullptr && pTarget == pDataObject) {
    DropOnItself(pDataObject, bAfter && nIndex > 0, ptDrop - ptDrag);
    dwDropEffect = kDropNothingMoved;
  } else {
    CTKRibbonGroup* pGroup = pTarget != nullptr ? pTarget->GetRibbonGroup() : nullptr;
    const BOOL bAfterTabStrip = bAfter && pTarget != nullptr && pTarget == m_pControlTab;
    if (bAfter) ++nIndex;
    SetSelected(-1);
    CTKControl* pDisplaced = !bAfter && nIndex >= 0 ? GetControl(nIndex) : nullptr;
    CTKControl* pCopy = nullptr;
    if (pGroup != nullptr) {
      // The option button ends its group: a drop there appends to the group.
      const int nInGroup = pGroup->IndexOf(pTarget);
      pCopy = pGroup->AddClone(pDataObject, nInGroup < 0 ? -1 : nInGroup + (bAfter ? 1 : 0));
    } else {
      pCopy = m_pControls->AddCopy(pDataObject, nIndex);
    }
    if (pCopy != nullptr) {
      if (pDisplaced != nullptr && pDisplaced->GetBeginGroup()) {
        pDisplaced->SetBeginGroup(FALSE);
        pCopy->SetBeginGroup(TRUE);
      }
      if (bAfterTabStrip) pCopy->SetFlags(pCopy->GetFlags() | kFlagRightAligned);
      pCommandBars->SetDragControl(pCopy);
    }
  }
  OnRecalcLayout();
  m_rcInsertMark.SetRectEmpty();
  Redraw();
}
