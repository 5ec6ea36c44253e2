// CTKControlComboBoxEditCtrl: the edit window of an editable combo box.
#include "commandbars/TKControlComboBox.h"

#include "commandbars/TKControlComboBoxList.h"

BEGIN_MESSAGE_MAP(CTKControlComboBoxEditCtrl, CTKCommandBarEditCtrl)
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_KEYDOWN()
  ON_WM_DESTROY()
  ON_WM_ENABLE()
  ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
  ON_MESSAGE(TK_WM_SHELLDROPDOWN, OnShellDropDown)
END_MESSAGE_MAP()

void CTKControlComboBoxEditCtrl::SetTextQuietly(const CString& strText) {
  m_bSuppressChange = TRUE;
  SetWindowText(strText);
  m_bSuppressChange = FALSE;
}

void CTKControlComboBoxEditCtrl::OnSetFocus(CWnd* pOldWnd) {
  if (m_pCombo == nullptr || m_pCombo->IsCustomizeMode()) {
    CTKCommandBarEditCtrl::OnSetFocus(pOldWnd);
    return;
  }
  CTKCommandBarEditCtrl::OnSetFocus(pOldWnd);
  m_pCombo->OnSetFocus(pOldWnd);
  SetSel(0, 0);
  SendMessage(EM_SCROLLCARET);
  PostMessage(EM_SETSEL, 0, -1);
}

void CTKControlComboBoxEditCtrl::OnKillFocus(CWnd* pNewWnd) {
  CTKCommandBarEditCtrl::OnKillFocus(pNewWnd);
  if (m_pCombo != nullptr) m_pCombo->OnKillFocus();
}

void CTKControlComboBoxEditCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_RETURN && ::GetFocus() == m_hWnd && m_pCombo != nullptr) {
    m_pCombo->OnExecute();
    return;
  }
  CTKCommandBarEditCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CTKControlComboBoxEditCtrl::OnDestroy() {
  // The text outlives the window: the next layout makes a new one with it.
  if (m_pCombo != nullptr) m_pCombo->m_text.Keep(this);
  CTKCommandBarEditCtrl::OnDestroy();
}

void CTKControlComboBoxEditCtrl::OnEnable(BOOL) { Invalidate(); }

void CTKControlComboBoxEditCtrl::OnChange() {
  if (m_pCombo == nullptr) return;
  m_pCombo->m_text.MarkStale();
  if (::GetFocus() == m_hWnd && !m_bSuppressChange) m_pCombo->OnEditChanged();
  SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  UpdateCharFormat();
}

LRESULT CTKControlComboBoxEditCtrl::OnShellDropDown(WPARAM, LPARAM) {
  // Two drop-downs under one field would cover each other.
  CTKControlComboBoxPopupBar* pList = m_pCombo != nullptr ? m_pCombo->GetListBox() : nullptr;
  if (pList != nullptr && pList->IsTrackingMode()) pList->CancelTracking();
  return 0;
}

void CTKControlComboBoxEditCtrl::UpdateCharFormat() {
  if (m_pCombo == nullptr || m_hWnd == NULL || !m_bRichEdit) return;
  CHARFORMAT2A cf;
  m_pCombo->GetEditCharFormat(cf);
  ApplyCharFormat(cf);
}
