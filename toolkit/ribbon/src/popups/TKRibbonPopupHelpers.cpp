// What the ribbon bar and its tab and group pop-ups do alike.
#include "TKRibbonPopupHelpers.h"

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
