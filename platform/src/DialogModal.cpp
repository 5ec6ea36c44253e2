// CDialog::DoModal: the modal loop. Every message goes through the thread's
// PreTranslateMessage chain, so the dialog's own PreTranslateMessage (and
// the dialog manager behind it) sees the keys before they are dispatched.
#include <afxwin.h>

namespace {

/// One message through the thread's pump; FALSE on WM_QUIT, which is
/// posted again for the loop outside.
BOOL PumpOneMessage() {
  if (AfxPumpMessage()) return TRUE;
  ::PostQuitMessage(static_cast<int>(AfxGetThreadState()->m_msgCur.wParam));
  return FALSE;
}

BOOL IsIdleMessage(MSG* pMsg) {
  CWinThread* pThread = AfxGetThread();
  if (pThread != nullptr) return pThread->IsIdleMessage(pMsg);
  return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

}  // namespace

INT_PTR CDialog::DoModal() {
  HINSTANCE hInst;
  LPCDLGTEMPLATE lpTemplate = LoadTemplate(&hInst);
  if (lpTemplate == nullptr) return -1;

  // The owner (the top-level window above the parent) is disabled for as
  // long as the dialog runs, and so is another top-level window that
  // GetSafeOwner_ had to disable.
  HWND hWndTop = nullptr;
  HWND hWndParent = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &hWndTop);
  BOOL bEnableParent = FALSE;
  if (hWndParent != nullptr && hWndParent != ::GetDesktopWindow() &&
      ::IsWindowEnabled(hWndParent)) {
    ::EnableWindow(hWndParent, FALSE);
    bEnableParent = TRUE;
  }

  try {
    if (CreateDlgIndirect(lpTemplate, hWndParent, hInst) && m_bContinueModal) RunModalLoop();
    if (m_hWnd != nullptr)
      ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  } catch (CException* e) {
    e->Delete();
    m_nModalResult = -1;
  }

  // Enabled before the dialog goes, so the activation falls back to the owner.
  if (bEnableParent) ::EnableWindow(hWndParent, TRUE);
  if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndParent);
  DestroyWindow();
  if (hWndTop != nullptr) ::EnableWindow(hWndTop, TRUE);
  return m_nModalResult;
}

INT_PTR CDialog::RunModalLoop() {
  BOOL bIdle = TRUE;
  LONG lIdleCount = 0;
  BOOL bShowIdle = (GetStyle() & WS_VISIBLE) == 0;
  HWND hWndParent = ::GetParent(m_hWnd);
  m_bInModalLoop = TRUE;
  MSG* pMsg = &AfxGetThreadState()->m_msgCur;
  MSG msgPeek;

  for (;;) {
    // Idle: show the dialog, let the owner know (WM_ENTERIDLE) and kick
    // the dialog's own idle work until it has none.
    while (bIdle && !::PeekMessage(&msgPeek, nullptr, 0, 0, PM_NOREMOVE)) {
      if (bShowIdle) {
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow();
        bShowIdle = FALSE;
      }
      if (hWndParent != nullptr && lIdleCount == 0 && !(GetStyle() & DS_NOIDLEMSG))
        ::SendMessage(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
      if (!SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++)) bIdle = FALSE;
    }
    do {
      if (!PumpOneMessage()) {
        m_bContinueModal = FALSE;
        m_bInModalLoop = FALSE;
        return -1;
      }
      // A key or the caret timer means the user is already working with it.
      if (bShowIdle && (pMsg->message == 0x0118 || pMsg->message == WM_SYSKEYDOWN)) {
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow();
        bShowIdle = FALSE;
      }
      if (!ContinueModal()) {
        m_bInModalLoop = FALSE;
        return m_nModalResult;
      }
      if (IsIdleMessage(pMsg)) {
        bIdle = TRUE;
        lIdleCount = 0;
      }
    } while (::PeekMessage(&msgPeek, nullptr, 0, 0, PM_NOREMOVE));
  }
}
