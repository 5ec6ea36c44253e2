// CTKControlComboBoxPopupBar and CTKControlComboBoxGalleryPopupBar: the keys
// of an open combo pop-up, and the gallery drop-down of a combo box.
#include "commandbars/TKCommandBarsLayoutBars.h"
#include "commandbars/TKControlComboBoxList.h"

#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKControls.h"
#include "common/TKRefPtr.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlComboBoxPopupBar, CTKPopupBar)
TK_IMPLEMENT_LAYOUT_CLASS(CTKControlComboBoxGalleryPopupBar, CTKControlComboBoxPopupBar)

namespace {

BOOL IsListKey(UINT nChar) {
  return nChar == VK_UP || nChar == VK_DOWN || nChar == VK_PRIOR || nChar == VK_NEXT;
}

}  // namespace

CTKControlComboBoxPopupBar::CTKControlComboBoxPopupBar() {
  // The field under the pop-up keeps its caret while the user picks.
  m_bHideCaret = FALSE;
}

CTKControlComboBox* CTKControlComboBoxPopupBar::GetComboBox() const {
  return DYNAMIC_DOWNCAST(CTKControlComboBox, m_pControlPopup);
}

BOOL CTKControlComboBoxPopupBar::IsAltDown() {
  return (TKCommandBarsSystem()->GetKeyState(VK_MENU) & 0x8000) != 0;
}

int CTKControlComboBoxPopupBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam,
                                              LPARAM& lParam, LRESULT& lResult) {
  if (nMessage != WM_KEYDOWN) return CTKPopupBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
  // A key may close the pop-up and release its owner's bar.
  CTKRefPtr<CTKPopupBar, CTKInternalRefTraits> keepAlive(this);
  return OnHookKeyDown(static_cast<UINT>(wParam), lParam);
}

int CTKControlComboBoxPopupBar::OnHookKeyDown(UINT nChar, LPARAM lParam) {
  CTKControlComboBox* pCombo = GetComboBox();
  if (pCombo == nullptr) return CTKPopupBar::OnHookKeyDown(nChar, lParam) ? 1 : 0;
  // The focused combo's own Esc restores it; Tab is the bar's.
  if ((nChar == VK_ESCAPE && pCombo->IsFocused()) || nChar == VK_TAB) return 0;
  if (nChar == VK_ESCAPE) return CTKPopupBar::OnHookKeyDown(nChar, lParam) ? 1 : 0;
  return ProcessKey(pCombo, nChar, lParam);
}

int CTKControlComboBoxPopupBar::OnListKeyDown(UINT nChar, LPARAM lParam, BOOL bEnterExecutes) {
  CTKControlComboBox* pCombo = GetComboBox();
  if (pCombo == nullptr) return CTKPopupBar::OnHookKeyDown(nChar, lParam) ? 1 : 0;
  CTKControlComboBoxEditCtrl* pEdit = pCombo->GetEditCtrl();
  if (pEdit != nullptr && pEdit->IsImeComposing()) return ProcessKey(pCombo, nChar, lParam);
  if (nChar == VK_ESCAPE)
    return pCombo->IsFocused() ? 0 : (CTKPopupBar::OnHookKeyDown(nChar, lParam) ? 1 : 0);
  if (nChar == VK_TAB) return 0;
  if (nChar == VK_RETURN && bEnterExecutes) {
    pCombo->OnExecute();
    return 1;
  }
  return ProcessKey(pCombo, nChar, lParam);
}

int CTKControlComboBoxPopupBar::ProcessKey(CTKControlComboBox* pCombo, UINT nChar, LPARAM lParam) {
  const int nOldSel = GetCurSel();
  const BOOL bAlt = IsAltDown();
  if (pCombo->GetEditCtrl() != nullptr) {
    if (bAlt || !IsListKey(nChar)) return 0;
    CTKCommandBar::OnHookKeyDown(nChar, lParam);
    // One item at a time from where the selection was, whatever the
    // gallery's own move (a whole row).
    if (nChar == VK_DOWN && nOldSel < GetCount() - 1)
      SetCurSel(nOldSel + 1);
    else if (nChar == VK_UP && nOldSel > 0)
      SetCurSel(nOldSel - 1);
  } else {
    if ((nChar == VK_F4 && !bAlt) || (bAlt && (nChar == VK_UP || nChar == VK_DOWN))) return 0;
    CTKCommandBar::OnHookKeyDown(nChar, lParam);
  }
  return ReportSelection(pCombo, nOldSel);
}

int CTKControlComboBoxPopupBar::ReportSelection(CTKControlComboBox* pCombo, int nOldSel) {
  if (GetCurSel() == nOldSel) return 1;
  pCombo->OnSelChanged();
  CTKControlComboBoxEditCtrl* pEdit = pCombo->GetEditCtrl();
  if (pEdit != nullptr && pEdit->GetSafeHwnd() != NULL) {
    pEdit->SetSel(0, -1);
    pEdit->SendMessage(EM_SCROLLCARET);
  }
  return 1;
}

// The gallery pop-up ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CTKControlComboBoxGalleryPopupBar, CTKControlComboBoxPopupBar)
  ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CTKControlComboBoxGalleryPopupBar* AFX_CDECL
CTKControlComboBoxGalleryPopupBar::CreateComboBoxGalleryPopupBar(CTKCommandBars* pCommandBars) {
  CTKControlComboBoxGalleryPopupBar* pBar = new CTKControlComboBoxGalleryPopupBar;
  pBar->SetCommandBars(pCommandBars);
  return pBar;
}

CTKControlGallery* CTKControlComboBoxGalleryPopupBar::GetGallery() const {
  return DYNAMIC_DOWNCAST(CTKControlGallery, GetControl(0));
}

int CTKControlComboBoxGalleryPopupBar::GetCurSel() const {
  CTKControlGallery* pGallery = GetGallery();
  return pGallery != nullptr ? pGallery->GetSelectedItem() : -1;
}

int CTKControlComboBoxGalleryPopupBar::FindString(int nStart, LPCSTR lpszText) const {
  CTKControlGallery* pGallery = GetGallery();
  return pGallery != nullptr ? pGallery->FindItem(nStart, lpszText, FALSE) : -1;
}

int CTKControlComboBoxGalleryPopupBar::FindStringExact(int nStart, LPCSTR lpszText) const {
  CTKControlGallery* pGallery = GetGallery();
  return pGallery != nullptr ? pGallery->FindItem(nStart, lpszText, TRUE) : -1;
}

int CTKControlComboBoxGalleryPopupBar::SetTopIndex(int nIndex) {
  CTKControlGallery* pGallery = GetGallery();
  if (pGallery == nullptr) return -1;
  pGallery->ScrollToItem(nIndex);
  return 0;
}

void CTKControlComboBoxGalleryPopupBar::SetCurSel(int nIndex) {
  if (CTKControlGallery* pGallery = GetGallery()) pGallery->SetSelectedItem(nIndex);
}

void CTKControlComboBoxGalleryPopupBar::GetText(int nIndex, CString& strText) const {
  CTKControlGallery* pGallery = GetGallery();
  strText = pGallery != nullptr ? pGallery->GetItemText(nIndex) : CString();
}

int CTKControlComboBoxGalleryPopupBar::GetCount() const {
  CTKControlGallery* pGallery = GetGallery();
  return pGallery != nullptr ? pGallery->GetItemCount() : -1;
}

BOOL CTKControlComboBoxGalleryPopupBar::SetTrackingMode(int bMode, BOOL bSelectFirst,
                                                        BOOL bKeyboard) {
  CTKControlComboBox* pCombo = GetComboBox();
  if (!CTKControlComboBoxPopupBar::SetTrackingMode(bMode, bSelectFirst, bKeyboard)) return FALSE;
  if (pCombo == nullptr) return TRUE;
  if (bMode) {
    SetSelected(0, 1);
    pCombo->UpdateListSelection();
    pCombo->NotifySite(CBN_DROPDOWN);
  } else {
    pCombo->NotifySite(CBN_CLOSEUP);
  }
  return TRUE;
}

int CTKControlComboBoxGalleryPopupBar::OnHookKeyDown(UINT nChar, LPARAM lParam) {
  CTKControlGallery* pGallery = GetGallery();
  const BOOL bGalleryHot = pGallery != nullptr && m_nSelected == pGallery->GetIndex();
  return OnListKeyDown(nChar, lParam, bGalleryHot);
}

void CTKControlComboBoxGalleryPopupBar::OnLButtonUp(UINT nFlags, CPoint point) {
  CTKControlGallery* pGallery = GetGallery();
  CTKControlComboBox* pCombo = GetComboBox();
  if (pGallery == nullptr || pCombo == nullptr || !pGallery->GetRect().PtInRect(point)) {
    CTKControlComboBoxPopupBar::OnLButtonUp(nFlags, point);
    return;
  }
  pCombo->OnSelChanged();
  pCombo->OnExecute();
}
