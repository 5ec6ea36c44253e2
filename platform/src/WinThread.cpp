// CWinThread: the message loop with its pre-translation walk and idle work.
#include "WndState.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(nullptr),
      m_pActiveWnd(nullptr),
      m_bAutoDelete(TRUE),
      m_hThread(nullptr),
      m_nThreadID(0),
      m_ptCursorLast{-1, -1},
      m_nMsgLast(0) {}

CWinThread::~CWinThread() {
  AFX_WND_THREAD_STATE* state = AfxGetWndThreadState();
  if (state->m_pCurrentWinThread == this) state->m_pCurrentWinThread = nullptr;
}

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return static_cast<int>(AfxGetThreadState()->m_msgCur.wParam); }

CWnd* CWinThread::GetMainWnd() { return m_pActiveWnd != nullptr ? m_pActiveWnd : m_pMainWnd; }

int CWinThread::Run() {
  BOOL bIdle = TRUE;
  LONG lIdleCount = 0;
  MSG msg;
  for (;;) {
    while (bIdle && !::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(lIdleCount++)) bIdle = FALSE;
    }
    do {
      if (!PumpMessage()) return ExitInstance();
      if (IsIdleMessage(&AfxGetThreadState()->m_msgCur)) {
        bIdle = TRUE;
        lIdleCount = 0;
      }
    } while (::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
  }
}

BOOL CWinThread::PumpMessage() {
  MSG& msg = AfxGetThreadState()->m_msgCur;
  if (!::GetMessage(&msg, nullptr, 0, 0)) return FALSE;
  if (msg.message != WM_KICKIDLE && !PreTranslateMessage(&msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
  return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  CWnd* pMainWnd = AfxGetMainWnd();
  if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg)) return TRUE;
  // A modeless window outside the main window's tree still gets the main
  // window's accelerators.
  if (pMainWnd != nullptr && pMsg->hwnd != nullptr) {
    CWnd* pTop = CWnd::FromHandle(pMsg->hwnd)->GetTopLevelParent();
    if (pTop != nullptr && pTop->m_hWnd != pMainWnd->m_hWnd)
      return pMainWnd->PreTranslateMessage(pMsg);
  }
  return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
  if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
    // The system repeats mouse moves without moving the mouse.
    if (m_nMsgLast == pMsg->message && m_ptCursorLast.x == pMsg->pt.x &&
        m_ptCursorLast.y == pMsg->pt.y)
      return FALSE;
    m_ptCursorLast = pMsg->pt;
    m_nMsgLast = pMsg->message;
    return TRUE;
  }
  // Painting and the caret's blink timer (0x0118) come too often to count.
  return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

BOOL CWinThread::OnIdle(LONG lCount) {
  if (lCount <= 0) {
    CWnd* pMainWnd = m_pMainWnd;
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible()) {
      AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
      pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
  } else if (AfxGetWndThreadState()->m_nTempMapLock == 0) {
    AfxLockTempMaps();
    AfxUnlockTempMaps();
  }
  return lCount < 0;
}

CWinThread* AFXAPI AfxGetThread() { return AfxGetWndThreadState()->m_pCurrentWinThread; }

BOOL AFXAPI AfxPumpMessage() {
  if (CWinThread* pThread = AfxGetThread()) return pThread->PumpMessage();
  // A thread without a thread object: the same pump, with the windows'
  // pre-translation all the way up.
  MSG& msg = AfxGetThreadState()->m_msgCur;
  if (!::GetMessage(&msg, nullptr, 0, 0)) return FALSE;
  if (msg.message != WM_KICKIDLE && !CWnd::WalkPreTranslateTree(nullptr, &msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
  return TRUE;
}

CWnd* AFXAPI AfxGetMainWnd() {
  CWinThread* pThread = AfxGetThread();
  return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

void AFXAPI AfxPostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }
