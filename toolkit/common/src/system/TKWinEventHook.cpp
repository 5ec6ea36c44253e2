// The shared WinEvent hook and its user count.
#include "common/TKWinEventHook.h"

#include "common/TKSingletonPointer.h"

TK_IMPLEMENT_SINGLETON(CTKWinEventHook, TKWinEventHook)

CTKWinEventHook::CTKWinEventHook()
    : m_hHook(NULL), m_pfnSetWinEventHook(nullptr), m_pfnUnhookWinEvent(nullptr), m_nUsers(0) {
  HMODULE hUser = ::GetModuleHandleA("USER32");
  if (hUser != NULL) {
    m_pfnSetWinEventHook =
        reinterpret_cast<PFNSETWINEVENTHOOK>(::GetProcAddress(hUser, "SetWinEventHook"));
    m_pfnUnhookWinEvent =
        reinterpret_cast<PFNUNHOOKWINEVENT>(::GetProcAddress(hUser, "UnhookWinEvent"));
  }
}

void CTKWinEventHook::SetEventHook(UINT eventMin, UINT eventMax, WINEVENTPROC pfnWinEventProc) {
  if (m_nUsers <= 0 && m_pfnSetWinEventHook != nullptr) {
    m_hHook = m_pfnSetWinEventHook(eventMin, eventMax, NULL, pfnWinEventProc,
                                   ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  }
  ::InterlockedIncrement(&m_nUsers);
}

void CTKWinEventHook::RemoveEventHook() {
  // An unbalanced remove would leave the count below the hook's users.
  if (m_nUsers <= 0) return;
  if (::InterlockedDecrement(&m_nUsers) == 0 && m_pfnUnhookWinEvent != nullptr && m_hHook != NULL) {
    m_pfnUnhookWinEvent(m_hHook);
    m_hHook = NULL;
  }
}
