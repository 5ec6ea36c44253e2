// CTKControlComboBox: typed completion, focus, keys, the mouse, opening and
// closing the list, and executing a selection.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlComboBoxAutoCompleteWnd.h"
#include "commandbars/TKControlComboBoxList.h"
#include "commandbars/TKMouseManager.h"

namespace {

// Answers to a key offered while the combo is focused.
const int kKeyToBar = 0;
const int kKeyHandled = 1;
const int kKeyPassOn = 2;
// The shell's completion takes Tab (SHACF_USETAB).
const DWORD kShellUsesTab = 0x8;
// Selection states: hot, and hot over the drop-down button.
const int kStateHot = 1;
const int kStateDropDown = 5;

BOOL IsKeyDown(int nVirtKey) {
  return (TKCommandBarsSystem()->GetKeyState(nVirtKey) & 0x8000) != 0;
}

BOOL IsListKey(UINT nChar) {
  return nChar == VK_UP || nChar == VK_DOWN || nChar == VK_PRIOR || nChar == VK_NEXT;
}

}  // namespace

// Typed text ------------------------------------------------------------------------------------

void CTKControlComboBox::OnEditChanged() {
  if (!m_bInSelChange && m_bAutoComplete && !m_bDeleting && HasEditWindow() &&
      GetListBox() != nullptr)
    CompleteTypedText();
  UpdateListSelection();
  NotifySite(CBN_EDITCHANGE);
}

void CTKControlComboBox::CompleteTypedText() {
  CString strTyped;
  m_pEdit->GetWindowText(strTyped);
  int nStart = 0, nEnd = 0;
  m_pEdit->GetSel(nStart, nEnd);
  const int nTyped = strTyped.GetLength();
  // One completion per key: the next change is the user's again.
  m_bDeleting = TRUE;
  if (strTyped.IsEmpty() || nStart != nEnd || nEnd != nTyped) return;
  CTKControlComboBoxPopupBar* pList = GetListBox();
  const int nFound = pList->FindString(0, strTyped);
  if (nFound == -1) return;
  CString strItem;
  pList->GetText(nFound, strItem);
  m_pEdit->SetTextQuietly(strItem);
  m_text.MarkStale();
  m_pEdit->SetSel(strItem.GetLength(), nTyped);
  m_pEdit->SendMessage(EM_SCROLLCARET);
}

// Focus -----------------------------------------------------------------------------------------

BOOL CTKControlComboBox::IsEditFocused() const {
  return HasEditWindow() && ::GetFocus() == m_pEdit->m_hWnd;
}

void CTKControlComboBox::OnSetFocus(CWnd*) {
  const CString strHint = GetEditHint();
  if (!strHint.IsEmpty() && HasEditWindow() && GetRawText() == strHint) SetRawText("");
  m_strTextAtFocus = GetEditText();
  m_bDeleting = TRUE;
  UpdateListSelection();
  if (!IsListOpen() && m_pParent != nullptr) m_pParent->SetPopuped(-1);
  SetFocused(TRUE);
  if (m_pAutoComplete != nullptr) m_pAutoComplete->SetHook(TRUE);
}

void CTKControlComboBox::OnKillFocus() {
  const CString strHint = GetEditHint();
  if (!strHint.IsEmpty() && HasEditWindow() && GetRawText().IsEmpty()) SetRawText(strHint);
  SetFocused(FALSE);
  if (IsListOpen()) CloseList();
  if (m_pAutoComplete != nullptr) m_pAutoComplete->SetHook(FALSE);
  if (m_pEdit != nullptr) m_pEdit->UpdateCharFormat();
}

void CTKControlComboBox::SetFocused(BOOL bFocused) {
  if (m_bFocused == bFocused) return;
  m_bFocused = bFocused;
  CTKMouseManager* pMouseManager = CTKMouseManager::GetThreadManager();
  if (bFocused) {
    m_nSelAtFocus = GetCurSel();
    m_bSelEnded = FALSE;
    if (HasEditWindow() && ::GetFocus() != m_pEdit->m_hWnd) m_pEdit->SetFocus();
    if (m_pParent != nullptr) {
      m_pParent->SetTrackingMode(TRUE, FALSE, FALSE);
      m_pParent->SetSelected(m_nIndex, 0);
    }
    // While the field has the focus a button release does not end tracking.
    pMouseManager->LockTrack();
    NotifySite(CBN_SETFOCUS);
  } else {
    if (!m_bSelEnded && !IsListOpen() && m_pEdit == nullptr) {
      SetCurSel(m_nSelAtFocus);
      NotifySite(CBN_SELENDCANCEL);
    }
    if (IsEditFocused() && m_pParent != nullptr) {
      CWnd* pSite = m_pParent->GetSite();
      if (pSite != nullptr && pSite->GetSafeHwnd() != NULL) pSite->SetFocus();
    }
    pMouseManager->UnlockTrack();
    NotifySite(CBN_KILLFOCUS);
  }
  RedrawEdit();
}

BOOL CTKControlComboBox::SetSelected(int nSelected) {
  const BOOL bChanged = CTKControlPopup::SetSelected(nSelected);
  if (bChanged && nSelected == 0) {
    SetFocused(FALSE);
    if (IsListOpen() && m_pParent != nullptr && m_pParent->GetPosition() != tkBarPopup)
      m_pParent->SetPopuped(-1);
  }
  if (m_pEdit != nullptr) m_pEdit->UpdateCharFormat();
  return bChanged;
}

void CTKControlComboBox::OnUnderlineActivate() { SetFocused(TRUE); }

// Opening, closing and executing ---------------------------------------------------------------

void CTKControlComboBox::CloseList() {
  if (m_pParent != nullptr) m_pParent->SetPopuped(-1);
}

BOOL CTKControlComboBox::OnSetPopup(BOOL bPopup) {
  if (bPopup) {
    m_bSelEnded = FALSE;
    m_nSelAtFocus = GetCurSel();
    if (m_pAutoComplete != nullptr) m_pAutoComplete->HideDropDown();
    // The field keeps the keyboard while its list is open.
    m_bPopup = TRUE;
    if (HasEditWindow() && !IsEditFocused()) m_pEdit->SetFocus();
  } else if (!m_bSelEnded) {
    if (!m_bFocused && m_pEdit == nullptr) SetCurSel(m_nSelAtFocus);
    NotifySite(CBN_SELENDCANCEL);
  }
  const BOOL bDone = CTKControlPopup::OnSetPopup(bPopup);
  if (!bDone) m_bPopup = FALSE;
  return bDone;
}

void CTKControlComboBox::OnExecute() {
  const int nSel = GetCurSel();
  if (nSel != -1 && (IsListOpen() || (m_pEdit == nullptr && m_bFocused)))
    NotifySite(CBN_SELENDOK);
  m_bSelEnded = TRUE;
  m_nSelAtFocus = nSel;
  CTKControl::OnExecute();
}

// Mouse -------------------------------------------------------------------------------------------

void CTKControlComboBox::OnClick(BOOL bKeyboard, CPoint pt) {
  if (IsImeComposing()) return;
  if (OnCustomizeClick(pt)) return;
  if (bKeyboard) {
    if (!GetEnabled()) return;
    if (m_bFocused)
      OnExecute();
    else
      SetFocused(TRUE);
    return;
  }
  if (IsListOpen() && m_bFocused) {
    CloseList();
    return;
  }
  CTKControlPopup::OnClick(bKeyboard, pt);
}

void CTKControlComboBox::OnMouseMove(CPoint pt) {
  CTKControlPopup::OnMouseMove(pt);
  if (!GetEnabled() || (m_nSelected != kStateHot && m_nSelected != kStateDropDown)) return;
  CRect rcButton = m_rcControl;
  rcButton.left = rcButton.right - m_nDropDownButtonWidth;
  const int nState = rcButton.PtInRect(pt) ? kStateDropDown : kStateHot;
  if (nState == m_nSelected) return;
  m_nSelected = nState;
  RedrawParent(FALSE);
}

BOOL CTKControlComboBox::OnHookMouseWheel(UINT, WPARAM wParam, LPARAM lParam) {
  CTKControlComboBoxPopupBar* pList = GetListBox();
  if (!m_bFocused || IsListOpen() || m_pAutoComplete != nullptr || pList == nullptr) return FALSE;
  const short nDelta = static_cast<short>(HIWORD(wParam));
  pList->ProcessKey(this, nDelta <= 0 ? VK_DOWN : VK_UP, lParam);
  return TRUE;
}

// Keys ----------------------------------------------------------------------------------------------

int CTKControlComboBox::OnHookKeyDown(UINT nChar, LPARAM lParam) {
  if (!m_bFocused) return kKeyToBar;
  m_bDeleting = nChar == VK_DELETE || nChar == VK_BACK;
  if (IsImeComposing()) return kKeyPassOn;
  const BOOL bShellTab =
      m_pAutoComplete != nullptr && (m_dwShellAutoCompleteFlags & kShellUsesTab) != 0;
  if (nChar == VK_TAB && !bShellTab) return kKeyHandled;
  if (nChar == VK_RETURN) return kKeyToBar;
  CTKControlComboBoxPopupBar* pList = GetListBox();
  if (nChar == VK_ESCAPE) {
    if (pList != nullptr && pList->IsTrackingMode()) pList->CancelTracking();
    SetCurSel(m_nSelAtFocus);
    SetEditText(m_strTextAtFocus);
    SetFocused(FALSE);
    return m_pParent != nullptr && m_pParent->IsPopupBar() ? kKeyHandled : kKeyToBar;
  }
  const BOOL bAlt = IsKeyDown(VK_MENU);
  if (bAlt && !IsKeyDown(VK_CONTROL)) {
    CTKCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars != nullptr && pCommandBars->OnFrameAccel(nChar)) return kKeyHandled;
  }
  if ((nChar == VK_F4 && !bAlt) || (bAlt && (nChar == VK_UP || nChar == VK_DOWN))) {
    OnClick(FALSE, CPoint(0, 0));
    return kKeyHandled;
  }
  if (m_pAutoComplete != nullptr && m_pAutoComplete->PreTranslateKey(nChar, lParam))
    return kKeyHandled;
  if (pList != nullptr && (m_pEdit == nullptr || (IsListKey(nChar) && !bAlt))) {
    pList->ProcessKey(this, nChar, lParam);
    return kKeyHandled;
  }
  if (!HasEditWindow()) return kKeyHandled;
  return m_pEdit->TranslateEditKey(nChar) == 1 ? kKeyHandled : kKeyPassOn;
}
