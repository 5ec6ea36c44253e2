// Hit tests, hot tracking, clicks, keys and tooltips of a strip.
#include "common/TKDrawHelpers.h"
#include "common/TKToolTipContext.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerTheme.h"

int CTKTabManager::GetItemsLength() const {
  if (GetLayout() == tkTabLayoutRotated)
    return GetItemCount() * GetAppearanceSet()->GetRowHeight(this);
  int nLength = 0;
  for (const CTKTabManagerItem* pItem : m_arrItems) nLength += pItem->GetLength();
  return nLength;
}

CTKTabManagerItem* CTKTabManager::HitTest(CPoint point) const {
  if (!m_rcControl.PtInRect(point)) return NULL;
  if (!m_rcHeader.IsRectEmpty() && !m_rcHeader.PtInRect(point)) return NULL;
  for (CTKTabManagerItem* pItem : m_arrItems) {
    if (pItem->GetRect().PtInRect(point) && pItem->IsVisible() && pItem->IsEnabled())
      return pItem;
  }
  return NULL;
}

namespace {

CTKTabManagerNavigateButton* FindButtonAt(const CTKTabManagerNavigateButtons& buttons,
                                          CPoint point, int& nIndex) {
  for (int i = 0; i < buttons.GetSize(); ++i) {
    if (buttons[i]->GetRect().PtInRect(point)) {
      nIndex = i;
      return buttons[i];
    }
  }
  return NULL;
}

}  // namespace

CTKTabManagerNavigateButton* CTKTabManager::HitTestNavigateButton(CPoint point, BOOL bItemsOnly,
                                                                  int* pnIndex) const {
  int nIndex = -1;
  CTKTabManagerNavigateButton* pButton = FindButtonAt(m_arrButtons, point, nIndex);
  if (pButton == NULL && !bItemsOnly) {
    if (CTKTabManagerItem* pItem = HitTest(point))
      pButton = FindButtonAt(pItem->GetNavigateButtons(), point, nIndex);
  }
  if (pButton == NULL || !pButton->IsEnabled()) return NULL;
  if (pnIndex != NULL) *pnIndex = nIndex;
  return pButton;
}

void CTKTabManager::RedrawItem(CTKTabManagerItem* pItem, BOOL bAnimate) {
  if (pItem == NULL) return;
  const CRect rc = GetAppearanceSet()->GetItemDrawRect(pItem);
  RedrawControl(rc, bAnimate);
}

void CTKTabManager::TrackMouseLeave(HWND hWnd) {
  if (!::IsWindow(hWnd)) return;
  TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, hWnd, 0};
  ::TrackMouseEvent(&tme);
}

void CTKTabManager::SetHighlightedItem(CTKTabManagerItem* pItem, HWND hWnd) {
  if (pItem == m_pHighlighted) return;
  CTKTabManagerItem* pOld = m_pHighlighted;
  m_pHighlighted = pItem;
  RedrawItem(pOld, TRUE);
  RedrawItem(pItem, FALSE);
  if (pItem != NULL) TrackMouseLeave(hWnd);
}

void CTKTabManager::SetHighlightedButton(CTKTabManagerNavigateButton* pButton, HWND hWnd) {
  if (pButton == m_pHighlightedButton) return;
  if (m_pHighlightedButton != NULL) RedrawControl(m_pHighlightedButton->GetRect(), TRUE);
  m_pHighlightedButton = pButton;
  if (pButton != NULL) {
    RedrawControl(pButton->GetRect(), FALSE);
    TrackMouseLeave(hWnd);
  }
}

void CTKTabManager::PerformMouseMove(HWND hWnd, CPoint point) {
  if (!IsTopParentActive(hWnd) || IsMouseLocked()) {
    if (m_pHighlighted != NULL) {
      CTKTabManagerItem* pOld = m_pHighlighted;
      m_pHighlighted = NULL;
      RedrawItem(pOld, TRUE);
    }
    return;
  }
  if (GetPaintManager()->m_bHotTracking) SetHighlightedItem(HitTest(point), hWnd);
  SetHighlightedButton(HitTestNavigateButton(point, FALSE), hWnd);
}

BOOL CTKTabManager::PerformClick(HWND hWnd, CPoint point, BOOL bButtonsOnly) {
  if (CTKTabManagerNavigateButton* pButton = HitTestNavigateButton(point, FALSE)) {
    pButton->PerformClick(hWnd, point);
    return TRUE;
  }
  if (bButtonsOnly) return FALSE;
  CTKTabManagerItem* pItem = HitTest(point);
  if (pItem == NULL || !OnBeforeItemClick(pItem)) return FALSE;
  if (IsAllowReorder())
    TrackReorder(hWnd, point, pItem);
  else if (GetPaintManager()->m_bSelectOnButtonDown)
    OnItemClick(pItem);
  else
    TrackClick(hWnd, point, pItem);
  return TRUE;
}

BOOL CTKTabManager::PerformKeyDown(HWND hWnd, UINT nChar) {
  if (m_arrItems.empty()) return FALSE;
  if (::IsWindow(hWnd) && (::GetWindowLong(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0) {
    if (nChar == VK_LEFT)
      nChar = VK_RIGHT;
    else if (nChar == VK_RIGHT)
      nChar = VK_LEFT;
  }
  const int nCount = GetItemCount();
  const int nSelected = GetCurSel();
  const BOOL bHorizontal = IsHorizontal();
  switch (nChar) {
    case VK_HOME:
      PerformItemClick(FindNextItem(-1, +1));
      return TRUE;
    case VK_END:
      PerformItemClick(FindNextItem(nCount, -1));
      return TRUE;
    case VK_LEFT:
    case VK_UP:
      if (bHorizontal == (nChar == VK_LEFT) && m_pSelected != NULL && nSelected > 0) {
        if (CTKTabManagerItem* pItem = FindNextItem(nSelected, -1)) PerformItemClick(pItem);
      }
      return TRUE;
    case VK_RIGHT:
    case VK_DOWN:
      if (bHorizontal == (nChar == VK_RIGHT) && m_pSelected != NULL && nSelected < nCount - 1) {
        if (CTKTabManagerItem* pItem = FindNextItem(nSelected, +1)) PerformItemClick(pItem);
      }
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CTKTabManager::PerformToolHitTest(HWND hWnd, CPoint point, TOOLINFO* pTI) {
  if (IsMouseLocked()) return -1;
  int nIndex = -1;
  if (CTKTabManagerNavigateButton* pButton = HitTestNavigateButton(point, FALSE, &nIndex)) {
    if (pButton->GetTooltip().IsEmpty()) return -1;
    CTKToolTipContext::FillInToolInfo(pTI, hWnd, pButton->GetRect(), nIndex,
                                      pButton->GetTooltip());
    return nIndex;
  }
  CTKTabManagerItem* pItem = HitTest(point);
  if (pItem == NULL) return -1;
  const int nMode = GetPaintManager()->m_nToolTipMode;
  const BOOL bAllowed =
      nMode == 1 || (nMode == 2 && pItem->GetLength() < pItem->GetMeasuredLength());
  const CString strTip = GetItemTooltip(pItem);
  if (!bAllowed || strTip.IsEmpty()) return -1;
  const CString strCaption = GetItemCaption(pItem);
  CTKToolTipContext::FillInToolInfoEx(pTI, hWnd, pItem->GetRect(), pItem->GetIndex(), strTip,
                                      strCaption, strTip, NULL);
  return pItem->GetIndex();
}

BOOL CTKTabManager::IsNavigateButtonAutoVisible(const CTKTabManagerNavigateButton* pButton) const {
  if (pButton->GetId() != tkTabButtonClose) return TRUE;
  const CTKTabManagerItem* pItem = pButton->GetItem();
  if (pItem != NULL) return pItem->IsSelected() && pItem->IsClosable();
  return m_pSelected != NULL && m_pSelected->IsClosable();
}

BOOL CTKTabManager::IsNavigateButtonVisible(const CTKTabManagerNavigateButton* pButton) const {
  switch (pButton->GetDisplayMode()) {
    case tkTabButtonAuto:
      return IsNavigateButtonAutoVisible(pButton);
    case tkTabButtonAlways:
      if (pButton->GetId() == tkTabButtonClose && pButton->GetItem() != NULL)
        return pButton->GetItem()->IsClosable();
      return TRUE;
    default:
      return FALSE;
  }
}
