// The terminal-session listener of the frame-shadow manager: shadows are
// hidden in remote sessions, so a connect or disconnect re-evaluates them.
#include "common/TKFrameShadowManager.h"
#include "common/TKOSVersionHelper.h"

#ifndef WM_WTSSESSION_CHANGE
#define WM_WTSSESSION_CHANGE 0x02B1
#endif
#ifndef NOTIFY_FOR_THIS_SESSION
#define NOTIFY_FOR_THIS_SESSION 0
#endif

CTKFrameShadowManager::CWtsEventListener::CWtsEventListener(CTKFrameShadowManager* pManager)
    : m_pManager(pManager), m_pfnRegister(nullptr), m_pfnUnregister(nullptr), m_bRegistered(FALSE) {
  if (!TKOSVersionHelper()->IsWinXPOrGreater()) return;
  m_wtsApi.Reset(::LoadLibraryA("wtsapi32.dll"));
  if (!m_wtsApi) return;
  m_pfnRegister = reinterpret_cast<PFNREGISTER>(
      reinterpret_cast<void*>(::GetProcAddress(m_wtsApi.Get(), "WTSRegisterSessionNotification")));
  m_pfnUnregister = reinterpret_cast<PFNUNREGISTER>(reinterpret_cast<void*>(
      ::GetProcAddress(m_wtsApi.Get(), "WTSUnRegisterSessionNotification")));
}

CTKFrameShadowManager::CWtsEventListener::~CWtsEventListener() {
  Unregister();
  if (m_hWnd != nullptr) DestroyWindow();
}

BOOL CTKFrameShadowManager::CWtsEventListener::Register() {
  if (m_pfnRegister == nullptr || m_pfnUnregister == nullptr) return FALSE;
  if (m_hWnd == nullptr)
    CreateEx(0, AfxRegisterWndClass(0), "CTKFrameShadowManager::CWtsEventListener", 0, -100, -100,
             -50, -50, nullptr, nullptr);
  if (!m_bRegistered && m_hWnd != nullptr)
    m_bRegistered = m_pfnRegister(m_hWnd, NOTIFY_FOR_THIS_SESSION) ? TRUE : FALSE;
  return m_bRegistered;
}

void CTKFrameShadowManager::CWtsEventListener::Unregister() {
  if (!m_bRegistered) return;
  if (m_pfnUnregister != nullptr && m_hWnd != nullptr) m_pfnUnregister(m_hWnd);
  m_bRegistered = FALSE;
}

BOOL CTKFrameShadowManager::CWtsEventListener::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam,
                                                        LRESULT* pResult) {
  if (message != WM_WTSSESSION_CHANGE) return CWnd::OnWndMsg(message, wParam, lParam, pResult);
  switch (wParam) {
    case 1:  // console connect
    case 3:  // remote connect
      m_pManager->SetRemoteSession(TRUE, TRUE);
      break;
    case 2:  // console disconnect
    case 4:  // remote disconnect
      m_pManager->SetRemoteSession(FALSE, TRUE);
      break;
    default:
      break;
  }
  if (pResult != nullptr) *pResult = 0;
  return TRUE;
}
