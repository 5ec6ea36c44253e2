// CCmdUI: what an update handler asked for, applied to a menu item or a
// window, and the update of one item.
#include <afxwin.h>

CCmdUI::CCmdUI()
    : m_nID(0),
      m_nIndex(0),
      m_pMenu(nullptr),
      m_pOther(nullptr),
      m_bEnableChanged(FALSE),
      m_bContinueRouting(FALSE) {}

// A menu item is addressed by its position; a window (a dialog control) is
// m_pOther. Without either the base item only records that the handler
// decided; the item classes of the UI apply the state their own way.

void CCmdUI::Enable(BOOL bOn) {
  m_bEnableChanged = TRUE;
  if (m_pMenu != nullptr) {
    ::EnableMenuItem(m_pMenu->GetSafeHmenu(), m_nIndex,
                     MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    return;
  }
  HWND hWnd = m_pOther->GetSafeHwnd();
  if (hWnd == nullptr) return;
  // A control that loses its focus as it is disabled would leave the
  // keyboard with nowhere to go: the focus moves on first.
  if (!bOn && ::GetFocus() == hWnd) ::SendMessage(::GetParent(hWnd), WM_NEXTDLGCTL, 0, FALSE);
  ::EnableWindow(hWnd, bOn);
}

void CCmdUI::SetCheck(int nCheck) {
  if (m_pMenu != nullptr) {
    ::CheckMenuItem(m_pMenu->GetSafeHmenu(), m_nIndex,
                    MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    return;
  }
  HWND hWnd = m_pOther->GetSafeHwnd();
  // Only buttons have a check; other controls ignore it.
  if (hWnd != nullptr && (::SendMessage(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
    ::SendMessage(hWnd, BM_SETCHECK, nCheck, 0);
}

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCSTR lpszText) {
  if (m_pMenu != nullptr) {
    HMENU hMenu = m_pMenu->GetSafeHmenu();
    UINT nState = ::GetMenuState(hMenu, m_nIndex, MF_BYPOSITION) &
                  ~(MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_POPUP | 0xFF00);
    ::ModifyMenu(hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    return;
  }
  HWND hWnd = m_pOther->GetSafeHwnd();
  if (hWnd == nullptr) return;
  // Setting the same text again would only make the control flicker.
  const CString strNew(lpszText != nullptr ? lpszText : "");
  CString strOld;
  m_pOther->GetWindowText(strOld);
  if (strOld != strNew) ::SetWindowText(hWnd, strNew);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  // Id 0 is a separator, and ids with a low word of 0xFFFF stand for no command.
  if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF) return TRUE;

  m_bEnableChanged = FALSE;
  BOOL bResult = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
  if (bDisableIfNoHndler && !m_bEnableChanged) {
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};
    Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
  }
  return bResult;
}
