// What the ribbon bar and its tab and group pop-ups do alike.
#include "TKRibbonPopupHelpers.h"

#include <algorithm>
#include <vector>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKMouseManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKToolTipContext.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonGroupPopupToolBar.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonScrollableBar.h"

void TKLayoutGroupsInRow(CDC* pDC, CTKRibbonGroups* pGroups, CTKRibbonScrollableBar* pScrollable,
                         CRect rcGroups, CRect rcMargins) {
  const CRect rcInner(rcGroups.left + rcMargins.left, rcGroups.top + rcMargins.top,
                      rcGroups.right - rcMargins.right, rcGroups.bottom - rcMargins.bottom);
  const int nPadding = TKDpiHelper()->ScaleX(4);
  const int nSpacing = TKDpiHelper()->ScaleX(7);
  std::vector<int> widths(static_cast<size_t>(pGroups->GetCount()), 0);
  int nTotal = 0;
  for (int i = 0; i < pGroups->GetCount(); ++i) {
    CTKRibbonGroup* pGroup = pGroups->GetAt(i);
    if (!pGroup->IsVisible()) continue;
    int nWidth = 2 * nPadding;
    for (int j = 0; j < pGroup->GetCount(); ++j)
      if (pGroup->GetAt(j)->IsVisible(TKHIDE_WRAP)) nWidth += pGroup->GetAt(j)->GetSize(pDC).cx;
    widths[static_cast<size_t>(i)] = nWidth;
    nTotal += nWidth + (nTotal > 0 ? nSpacing : 0);
  }
  const int nOverflow = std::max(0, nTotal - rcInner.Width());
  const int nShift = std::min(pScrollable->GetGroupsScrollPos(), nOverflow);
  pGroups->SetScrollPos(nShift);
  int x = rcInner.left - nShift;
  for (int i = 0; i < pGroups->GetCount(); ++i) {
    const int nWidth = widths[static_cast<size_t>(i)];
    if (nWidth == 0) continue;
    CTKRibbonGroup* pGroup = pGroups->GetAt(i);
    pGroup->SetGroupRect(CRect(x, rcInner.top, x + nWidth, rcInner.bottom));
    pGroup->ArrangeControlsInRow(pDC);
    x += nWidth + nSpacing;
  }
  pScrollable->ShowScrollButtons(nShift > 0, nOverflow - nShift > 0);
}

void TKPlaceGroupControlTip(const CTKCommandBar* pBar, CPoint point, TOOLINFO* pTI,
                            CRect rcGroups) {
  // Tips of another size come from another build of the common controls.
  if (pTI == nullptr || pTI->cbSize != sizeof(TOOLINFO)) return;
  CTKCommandBars* pCommandBars = pBar->GetCommandBars();
  CTKToolTipContext* pContext = pCommandBars != nullptr ? pCommandBars->GetToolTipContext() : nullptr;
  CTKControl* pControl = pBar->ControlFromPoint(point);
  if (pContext != nullptr && pContext->IsShowTitleAndDescription() && pControl != nullptr &&
      pControl->GetRibbonGroup() != nullptr)
    pTI->rect = rcGroups;
}

void TKTrackHotGroup(CTKCommandBar* pBar, CTKRibbonScrollableBar* pScrollable,
                     CTKRibbonGroup* pCandidate) {
  CTKMouseManager* pMouseManager = CTKCommandBars::GetMouseManager();
  CTKRibbonPaintManager* pPaintManager = pBar->GetRibbonPaintManager();
  const BOOL bFree = pMouseManager->GetTrackLockCount() <= 0 &&
                     CTKMouseManager::IsTopParentActive(pBar->GetSafeHwnd()) &&
                     !pMouseManager->IsTrackedLock(pBar) && pBar->GetSelected() == -1 &&
                     pPaintManager != nullptr && pPaintManager->m_bHighlightGroups;
  CTKRibbonGroup* pGroup = bFree ? pCandidate : nullptr;
  if (pGroup == pScrollable->GetHighlightedGroup()) return;
  pScrollable->SetHighlightedGroup(pGroup);
  if (pGroup != nullptr) pMouseManager->TrackMouseLeave(pBar->GetSafeHwnd());
}

BOOL TKOpenControlThroughGroupPopup(CTKCommandBar* pBar, CTKControl* pControl) {
  CTKRibbonGroup* pGroup = pControl->GetRibbonGroup();
  CTKControl* pButton = pGroup != nullptr ? pGroup->GetControlGroupPopup() : nullptr;
  if (pButton == nullptr) return FALSE;
  pBar->EnsureVisible(pButton);
  pButton->OnUnderlineActivate();
  const int nIndex = pGroup->IndexOf(pControl);
  CTKRibbonGroupPopupToolBar* pPopup =
      DYNAMIC_DOWNCAST(CTKRibbonGroupPopupToolBar, pButton->GetCommandBar());
  CTKRibbonGroup* pCopy = pPopup != nullptr ? pPopup->GetGroup() : nullptr;
  if (pCopy == nullptr || !pPopup->IsTrackingMode() || nIndex < 0 || nIndex >= pCopy->GetCount())
    return TRUE;
  if (CTKCommandBars* pCommandBars = pBar->GetCommandBars())
    pCommandBars->BuildKeyboardTipWindows(pPopup, 1);
  CTKControl* pTarget = pCopy->GetAt(nIndex);
  pPopup->SetSelected(pTarget->GetIndex(), 1);
  pTarget->OnUnderlineActivate();
  return TRUE;
}

void TKActivateKeyboardTipControl(CTKCommandBar* pBar, CTKCommandBarKeyboardTip* pTip) {
  CTKControl* pControl = DYNAMIC_DOWNCAST(CTKControl, pTip->m_pOwner);
  if (pControl == nullptr) return;
  if (!pTip->m_bVisible && pControl->GetHideFlags() == TKHIDE_WRAP)
    TKOpenControlThroughGroupPopup(pBar, pControl);
  else if (pTip->m_bVisible)
    pControl->OnUnderlineActivate();
}
