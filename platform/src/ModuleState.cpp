#include <afx.h>

namespace {
CThreadLocal<_AFX_THREAD_STATE> g_threadState;
}

AFX_MODULE_STATE::AFX_MODULE_STATE(BOOL bDLL)
    : m_hCurrentInstanceHandle(GetModuleHandleA(nullptr)),
      m_hCurrentResourceHandle(m_hCurrentInstanceHandle),
      m_bDLL(bDLL) {}

_AFX_THREAD_STATE::_AFX_THREAD_STATE() {
  ZeroMemory(&m_msgCur, sizeof m_msgCur);
  ZeroMemory(&m_lastSentMsg, sizeof m_lastSentMsg);
}

_AFX_THREAD_STATE* AFXAPI AfxGetThreadState() { return g_threadState.GetData(); }

AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState() {
  // Never destroyed: static destructors of other objects may still ask for it.
  static AFX_MODULE_STATE* state = new AFX_MODULE_STATE;
  return state;
}

AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState() { return AfxGetAppModuleState(); }

AFX_MODULE_STATE* AFXAPI AfxGetModuleState() {
  AFX_MODULE_STATE* state = AfxGetThreadState()->m_pModuleState;
  return state != nullptr ? state : AfxGetAppModuleState();
}

AFX_MODULE_STATE* AFXAPI AfxSetModuleState(AFX_MODULE_STATE* pNewState) {
  _AFX_THREAD_STATE* thread = AfxGetThreadState();
  AFX_MODULE_STATE* prev = thread->m_pModuleState;
  thread->m_pModuleState = pNewState;
  return prev;
}

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pModuleState)
    : m_pThreadState(AfxGetThreadState()) {
  m_pPrevModuleState = m_pThreadState->m_pModuleState;
  m_pThreadState->m_pModuleState = pModuleState;
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { m_pThreadState->m_pModuleState = m_pPrevModuleState; }

HINSTANCE AFXAPI AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }
HINSTANCE AFXAPI AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }
void AFXAPI AfxSetResourceHandle(HINSTANCE h) { AfxGetModuleState()->m_hCurrentResourceHandle = h; }
CWinApp* AFXAPI AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }
LPCSTR AFXAPI AfxGetAppName() { return AfxGetModuleState()->m_lpszCurrentAppName; }

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
  AFX_MODULE_STATE* state = AfxGetModuleState();
  if (FindResourceA(state->m_hCurrentResourceHandle, lpszName, lpszType) != nullptr)
    return state->m_hCurrentResourceHandle;
  if (FindResourceA(state->m_hCurrentInstanceHandle, lpszName, lpszType) != nullptr)
    return state->m_hCurrentInstanceHandle;
  return state->m_hCurrentResourceHandle;
}
