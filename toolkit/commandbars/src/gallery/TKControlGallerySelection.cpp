// CTKControlGallery: the selected item, the live preview with the site, the
// mouse and the hot state the bar gives the control.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDpiHelper.h"

// Preview ---------------------------------------------------------------------------------

void CTKControlGallery::StartPreview() {
  if (!m_bPreview) {
    m_bPreview = TRUE;
    NotifySite(TKN_GALLERY_PREVIEWSTART);
  }
  NotifySite(TKN_GALLERY_PREVIEWCHANGE);
}

void CTKControlGallery::EndPreview(UINT nCode) {
  if (!m_bPreview) return;
  m_bPreview = FALSE;
  NotifySite(nCode);
}

void CTKControlGallery::OnSelChanged() { NotifySite(TKN_GALLERY_SELCHANGE); }

// Selecting ------------------------------------------------------------------------------------

int CTKControlGallery::ReplaceSelection(int nIndex, BOOL bKeyboard) {
  const int nOld = m_nSelectedItem;
  m_nSelectedItem = nIndex;
  m_bHideSelection = FALSE;
  m_bItemPressed = FALSE;
  m_bKeyboardSelection = bKeyboard;
  return nOld;
}

void CTKControlGallery::SetSelectedItem(int nIndex) {
  const int nOld = ReplaceSelection(nIndex, TRUE);

  CTKControlGalleryItems* pItems = GetItems();
  if (pItems != nullptr && pItems->IsClipItems()) {
    RedrawItem(nOld);
    EnsureVisible(nIndex);
    RedrawItem(nIndex);
  } else {
    EnsureVisible(nIndex);
    RedrawParent(FALSE);
  }
  if (nIndex != -1 && m_pParent != nullptr && m_pParent->GetSafeHwnd() != NULL)
    ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_pParent->GetSafeHwnd(), m_nId, nIndex + 1);

  if (nIndex != -1) {
    StartPreview();
  } else if (m_bPreview) {
    NotifySite(TKN_GALLERY_PREVIEWCHANGE);
    EndPreview(TKN_GALLERY_PREVIEWCANCEL);
  }
  OnSelChanged();
}

void CTKControlGallery::HideSelection() {
  m_bHideSelection = TRUE;
  m_bKeyboardSelection = FALSE;
  RedrawItem(m_nSelectedItem);
  if (m_bPreview) {
    if (m_nSelectedItem != -1) NotifySite(TKN_GALLERY_PREVIEWCHANGE);
    EndPreview(TKN_GALLERY_PREVIEWCANCEL);
  }
  OnSelChanged();
}

void CTKControlGallery::EnsureVisible(int nIndex) {
  if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL || GetItems() == nullptr) return;
  if (nIndex < 0 || nIndex >= m_arrPositions.GetSize()) return;
  const CRect rcItems = GetItemsRect();
  const CRect rcItem = m_arrPositions[nIndex].rc;
  if (rcItem.top - m_nScrollOffset >= rcItems.top) {
    if (rcItem.bottom - m_nScrollOffset > rcItems.bottom)
      SetScrollPos(rcItem.bottom - rcItems.bottom);
    return;
  }
  int nTop = rcItem.top;
  if (m_bShowLabels) {
    // Scroll the item's group heading in with it when both fit.
    for (int i = nIndex - 1; i >= 0; --i) {
      const ItemPosition& pos = m_arrPositions[i];
      if (!pos.pItem->IsLabel()) continue;
      if (rcItem.bottom - pos.rc.top <= rcItems.Height()) nTop = pos.rc.top;
      break;
    }
  }
  SetScrollPos(nTop - rcItems.top);
}

void CTKControlGallery::ScrollToItem(int nIndex) {
  if (nIndex < 0 || nIndex >= m_arrPositions.GetSize()) return;
  SetScrollPos(m_arrPositions[nIndex].rc.top - GetItemsRect().top);
}

// Mouse ----------------------------------------------------------------------------------------

void CTKControlGallery::OnMouseMove(CPoint pt) {
  if (IsShowAsButton()) {
    CTKControlPopup::OnMouseMove(pt);
    return;
  }
  TrackHotItem(pt);
  if (!m_bShowScrollBar || IsScrollBarTracked()) return;
  const int nHit = HitTestScrollBar(pt);
  if (nHit != m_layout.nHitPart) {
    m_layout.nHitPart = nHit;
    RedrawScrollBar();
  }
}

void CTKControlGallery::SelectHotItem(int nIndex) {
  const int nOld = ReplaceSelection(nIndex, FALSE);
  RedrawItem(nOld);
  RedrawItem(nIndex);
  if (m_bPreview) {
    NotifySite(TKN_GALLERY_PREVIEWCHANGE);
  } else if (nIndex != -1 && m_pParent != nullptr && m_pParent->GetSafeHwnd() != NULL) {
    TKCommandBarsSystem()->SetTimer(m_pParent->GetSafeHwnd(), CTKCommandBar::kTimerHover,
                                    kHoverElapse);
  }
  if (nIndex == -1) EndPreview(TKN_GALLERY_PREVIEWCANCEL);
  OnSelChanged();
}

void CTKControlGallery::TrackHotItem(CPoint pt) {
  // A pressed item dragged away from where it was pressed.
  if (m_bItemPressed && m_ptPressed != CPoint(-1, -1) && m_nSelectedItem != -1) {
    CTKDpiHelper* pDpi = TKDpiHelper();
    if (abs(pt.x - m_ptPressed.x) > pDpi->ScaleX(4) || abs(pt.y - m_ptPressed.y) > pDpi->ScaleY(4)) {
      m_ptPressed = CPoint(-1, -1);
      NotifySite(TKN_GALLERY_BEGINDRAG);
      return;
    }
  }
  const int nHit = HitTestItem(pt);
  if (nHit == -1) {
    // The keyboard's choice stays when the mouse strays over empty space.
    if (m_bKeyboardSelection) return;
    if (pt == CPoint(-1, -1)) {
      if (m_nSelectedItem != -1 && !m_bHideSelection) HideSelection();
      return;
    }
  }
  if (nHit != m_nSelectedItem || m_bHideSelection || m_bKeyboardSelection) SelectHotItem(nHit);
}

void CTKControlGallery::OnMouseHover() {
  if (!m_bHideSelection && m_nSelectedItem != -1 && !m_bPreview && GetSelected() != 0)
    StartPreview();
  if (m_pParent != nullptr && m_pParent->IsTrackingMode()) CTKControlPopup::OnMouseHover();
}

void CTKControlGallery::OnClick(BOOL bKeyboard, CPoint pt) {
  if (IsShowAsButton()) {
    CTKControlPopup::OnClick(bKeyboard, pt);
    return;
  }
  if (m_pParent == nullptr || OnCustomizeClick(pt)) return;
  if (!GetEnabled() || bKeyboard) return;
  m_pParent->SetPopuped(-1);
  m_pParent->SetSelected(m_nIndex);
  OnMouseMove(pt);
  const int nHit = m_bShowScrollBar ? HitTestScrollBar(pt) : 0;
  if (nHit == TKSB_HT_LIMIT) {
    m_pParent->SetPopuped(m_nIndex);
  } else if (nHit != 0) {
    const BOOL bShift = (TKCommandBarsSystem()->GetKeyState(VK_SHIFT) & 0x8000) != 0;
    TrackScrollBar(m_pParent->GetSafeHwnd(), pt, GetLayoutPtr(), bShift);
  } else {
    PressItem(pt);
  }
}

void CTKControlGallery::PressItem(CPoint pt) {
  if (m_nSelectedItem == -1 || m_bKeyboardSelection || m_bHideSelection) return;
  m_bItemPressed = TRUE;
  m_ptPressed = pt;
  RedrawItem(m_nSelectedItem);
}

void CTKControlGallery::OnLButtonUp(CPoint pt) {
  if (IsShowAsButton()) {
    CTKControlPopup::OnLButtonUp(pt);
    return;
  }
  ReleaseItem();
}

void CTKControlGallery::ReleaseItem() {
  const BOOL bShownOnPopup = m_pParent != nullptr && m_pParent->IsPopupBar() &&
                             m_nSelectedItem != -1 && !m_bHideSelection;
  if (!m_bItemPressed && !bShownOnPopup) return;
  m_bItemPressed = FALSE;
  RedrawItem(m_nSelectedItem);
  OnExecute();
}

void CTKControlGallery::OnExecute() {
  if (IsShowAsButton()) {
    CTKControlPopup::OnExecute();
    return;
  }
  EndPreview(TKN_GALLERY_PREVIEWAPPLY);
  CTKControlGalleryItem* pItem = GetItem(m_nSelectedItem);
  if (pItem != nullptr && pItem->OnClick()) return;
  CTKControlPopup::OnExecute();
}

// The hot state from the bar ----------------------------------------------------------------------

BOOL CTKControlGallery::SetSelected(int nSelected) {
  if (IsShowAsButton()) return CTKControlPopup::SetSelected(nSelected);
  if (nSelected == 0) {
    m_bItemPressed = FALSE;
    m_layout.nHitPart = 0;
    HideSelection();
  } else if ((nSelected == 2 || nSelected == 3) &&
             (m_nSelectedItem == -1 || m_bHideSelection)) {
    if (!HasPopupButtons())
      SetSelectedItem(nSelected == 2 ? GetNextItem(-1, 1) : GetNextItem(-1, -1));
    else if (m_nSelectedItem != -1)
      SetSelectedItem(-1);
  }
  return CTKControlPopup::SetSelected(nSelected);
}

BOOL CTKControlGallery::IsFocused() const { return !IsShowAsButton() && GetSelected() != 0; }

void CTKControlGallery::OnCalcDynamicSize(DWORD dwMode) {
  CTKControlPopup::OnCalcDynamicSize(dwMode);
  // In a combo box's drop-down the selection is the combo box's own.
  BOOL bComboList = FALSE;
  if (CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, m_pParent))
    bComboList = pPopup->GetControlPopup() != nullptr &&
                 pPopup->GetControlPopup()->GetType() == tkControlComboBox;
  if (!bComboList) m_nSelectedItem = -1;
  m_bItemPressed = FALSE;
  m_bHideSelection = FALSE;
}

BOOL CTKControlGallery::OnSetPopup(BOOL bPopup) {
  EndPreview(TKN_GALLERY_PREVIEWCANCEL);
  return CTKControlPopup::OnSetPopup(bPopup);
}
