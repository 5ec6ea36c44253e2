// CCommandBarCmdUI: what an update handler says reaches the control.
#include "TKCommandBarCmdUI.h"

#include "commandbars/TKControl.h"

CCommandBarCmdUI::CCommandBarCmdUI(CTKControl* pControl) : m_pControl(pControl) {
  m_nID = pControl->GetID();
  m_nIndex = 0;
  m_pMenu = nullptr;
  m_pOther = nullptr;
}

void CCommandBarCmdUI::Enable(BOOL bOn) {
  m_bEnableChanged = TRUE;
  if (m_pControl->GetAction() != nullptr) {
    // An action's state is shared: -1 lets it decide "on".
    m_pControl->SetEnabled(bOn ? -1 : 0);
    return;
  }
  m_pControl->SetEnabled(bOn);
  if (!bOn && !m_bCheckChanged) m_pControl->SetChecked(0);
}

void CCommandBarCmdUI::SetCheck(int nCheck) {
  m_bCheckChanged = TRUE;
  m_pControl->SetChecked(nCheck);
}

void CCommandBarCmdUI::SetText(LPCSTR lpszText) { m_pControl->SetCaption(lpszText); }
