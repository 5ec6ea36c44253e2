// One out-of-context WinEvent hook for the process, shared by its users.
#pragma once

#include <windows.h>

/// SetWinEventHook bound at run time. The first user installs the hook; later
/// users only count (their range and procedure are not used); the last one to
/// leave removes it.
class CTKWinEventHook {
 public:
  CTKWinEventHook();
  virtual ~CTKWinEventHook() {}

  void SetEventHook(UINT eventMin, UINT eventMax, WINEVENTPROC pfnWinEventProc);
  void RemoveEventHook();

  HWINEVENTHOOK GetHookHandle() const { return m_hHook; }
  LONG GetUserCount() const { return m_nUsers; }

 private:
  typedef HWINEVENTHOOK(WINAPI* PFNSETWINEVENTHOOK)(UINT, UINT, HMODULE, WINEVENTPROC, DWORD, DWORD,
                                                    UINT);
  typedef BOOL(WINAPI* PFNUNHOOKWINEVENT)(HWINEVENTHOOK);

  HWINEVENTHOOK m_hHook;
  PFNSETWINEVENTHOOK m_pfnSetWinEventHook;
  PFNUNHOOKWINEVENT m_pfnUnhookWinEvent;
  volatile LONG m_nUsers;
};

/// The process-wide hook holder, made on first use.
CTKWinEventHook* TKWinEventHook();
