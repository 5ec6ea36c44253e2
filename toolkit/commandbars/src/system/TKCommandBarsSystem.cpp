// The real clock, keyboard, desktop and beep of the command bars.
#include "commandbars/TKCommandBarsSystem.h"

#include "common/TKResourceManager.h"
#include "common/TKScopedHandle.h"

namespace {
CTKCommandBarsSystem* g_pInstalled = nullptr;
}  // namespace

DWORD CTKCommandBarsSystem::GetTickCount() { return ::GetTickCount(); }

void CTKCommandBarsSystem::SetTimer(HWND hWnd, UINT_PTR nID, UINT nElapse) {
  ::SetTimer(hWnd, nID, nElapse, NULL);
}

void CTKCommandBarsSystem::KillTimer(HWND hWnd, UINT_PTR nID) { ::KillTimer(hWnd, nID); }

SHORT CTKCommandBarsSystem::GetKeyState(int nVirtKey) { return ::GetKeyState(nVirtKey); }

void CTKCommandBarsSystem::MessageBeep(UINT nType) { ::MessageBeep(nType); }

CString CTKCommandBarsSystem::GetInputDesktopName() {
  CTKScopedHandle<CTKHandleTraits<HDESK, &::CloseDesktop>> desk(
      ::OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS));
  if (!desk) return CString();
  char szName[MAX_PATH] = "";
  DWORD cbNeeded = 0;
  if (!::GetUserObjectInformationA(desk.Get(), UOI_NAME, szName, sizeof(szName) - 1, &cbNeeded))
    return CString();
  return CString(szName);
}

BOOL CTKCommandBarsSystem::GetKeyboardCues(BOOL* pbShow) {
  return ::SystemParametersInfo(SPI_GETKEYBOARDCUES, 0, pbShow, 0);
}

BOOL CTKCommandBarsSystem::IsDropShadowEnabled() {
  BOOL bEnabled = FALSE;
  return ::SystemParametersInfo(SPI_GETDROPSHADOW, 0, &bEnabled, 0) && bEnabled;
}

BOOL CTKCommandBarsSystem::GetKeyboardState(BYTE* pState) { return ::GetKeyboardState(pState); }

int CTKCommandBarsSystem::ShowMessageBox(LPCTSTR lpszText, UINT nType) {
  return TKResourceManager()->ShowMessageBox(lpszText, nType);
}

BOOL CTKCommandBarsSystem::IsApplicationActive() { return ::GetActiveWindow() != NULL; }

CTKCommandBarsSystem* TKCommandBarsSystem() {
  static CTKCommandBarsSystem s_system;
  return g_pInstalled != nullptr ? g_pInstalled : &s_system;
}

void TKSetCommandBarsSystem(CTKCommandBarsSystem* pSystem) { g_pInstalled = pSystem; }
