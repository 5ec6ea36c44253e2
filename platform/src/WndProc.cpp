// The road of a window message: AfxWndProc -> AfxCallWndProc -> WindowProc ->
// OnWndMsg (the map) or DefWindowProc (the previous procedure).
#include "WndState.h"

namespace {

// A handler's exception must not unwind through the system's code that
// called the window procedure: it ends here, with the answer that tells the
// sender the message failed.
LRESULT ReportWndProcException(CException* e, UINT nMsg, HWND hWnd) {
  LRESULT lResult = 0;
  if (nMsg == WM_CREATE) {
    lResult = -1;  // the window is not created
  } else if (nMsg == WM_PAINT) {
    ::ValidateRect(hWnd, nullptr);  // or it would be painted again at once
  }
  e->ReportError(MB_ICONEXCLAMATION);
  e->Delete();
  return lResult;
}

}  // namespace

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
  MSG oldState = pThreadState->m_lastSentMsg;
  pThreadState->m_lastSentMsg.hwnd = hWnd;
  pThreadState->m_lastSentMsg.message = nMsg;
  pThreadState->m_lastSentMsg.wParam = wParam;
  pThreadState->m_lastSentMsg.lParam = lParam;

  LRESULT lResult;
  try {
    lResult = pWnd->WindowProc(nMsg, wParam, lParam);
  } catch (CException* e) {
    lResult = ReportWndProcException(e, nMsg, hWnd);
  }
  pThreadState->m_lastSentMsg = oldState;
  return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  if (nMsg == WM_QUERYAFXWNDPROC) return 1;
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd == nullptr || pWnd->m_hWnd != hWnd) return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
  return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

WNDPROC AFXAPI AfxGetAfxWndProc() { return &AfxWndProc; }

MSG* AFXAPI AfxGetCurrentMessage() {
  MSG* pMsg = &AfxGetThreadState()->m_lastSentMsg;
  pMsg->time = ::GetMessageTime();
  const DWORD dwPos = ::GetMessagePos();
  pMsg->pt.x = static_cast<short>(LOWORD(dwPos));
  pMsg->pt.y = static_cast<short>(HIWORD(dwPos));
  return pMsg;
}

const MSG* PASCAL CWnd::GetCurrentMessage() { return AfxGetCurrentMessage(); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT lResult = 0;
  if (!OnWndMsg(message, wParam, lParam, &lResult))
    lResult = DefWindowProc(message, wParam, lParam);
  return lResult;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProc(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
  WNDPROC pfnWndProc = *GetSuperWndProcAddr();
  if (pfnWndProc == nullptr) return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
  return ::CallWindowProc(pfnWndProc, m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == hWndStop) break;
  }
  return FALSE;
}
