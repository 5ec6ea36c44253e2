// The real clock, keyboard, desktop and beep of the command bars.
#include "commandbars/TKCommandBarsSystem.h"

#include <stdlib.h>

#include "common/TKOSVersionHelper.h"
#include "common/TKResourceManager.h"
#include "common/TKScopedHandle.h"

#include <shellapi.h>
#include <shlobj.h>

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

void CTKCommandBarsSystem::GetPopupWorkArea(POINT pt, LPCRECT lpExclude, CRect& rcWork,
                                            CRect& rcMonitor) {
  if (lpExclude != nullptr && !::IsRectEmpty(lpExclude)) {
    rcWork = TKMultiMonitorApi()->GetWorkAreaFromRect(*lpExclude);
    rcMonitor = TKMultiMonitorApi()->GetScreenAreaFromRect(*lpExclude);
  } else {
    rcWork = TKMultiMonitorApi()->GetWorkAreaFromPoint(pt);
    rcMonitor = TKMultiMonitorApi()->GetScreenAreaFromPoint(pt);
  }
}

int CTKCommandBarsSystem::Rand() { return ::rand(); }

void CTKCommandBarsSystem::SetTimerProc(HWND hWnd, UINT_PTR nID, UINT nElapse,
                                        TIMERPROC pfnTimer) {
  ::SetTimer(hWnd, nID, nElapse, pfnTimer);
}

void CTKCommandBarsSystem::GetMenuAnimation(BOOL* pbAnimation, BOOL* pbFade) {
  *pbAnimation = FALSE;
  *pbFade = FALSE;
  ::SystemParametersInfo(SPI_GETMENUANIMATION, 0, pbAnimation, 0);
  ::SystemParametersInfo(SPI_GETMENUFADE, 0, pbFade, 0);
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

UINT CTKCommandBarsSystem::GetTaskbarState() {
  APPBARDATA data = {};
  data.cbSize = sizeof(data);
  return static_cast<UINT>(::SHAppBarMessage(ABM_GETSTATE, &data));
}

BOOL CTKCommandBarsSystem::GetCursorPos(LPPOINT lpPoint) { return ::GetCursorPos(lpPoint); }

CTKCommandBarsSystem* TKCommandBarsSystem() {
  static CTKCommandBarsSystem s_system;
  return g_pInstalled != nullptr ? g_pInstalled : &s_system;
}

void TKSetCommandBarsSystem(CTKCommandBarsSystem* pSystem) { g_pInstalled = pSystem; }

// Saved bar states and layouts ----------------------------------------------------------

CSize CTKCommandBarsSystem::GetScreenSize() {
  return CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

CRect CTKCommandBarsSystem::GetWorkAreaFromPoint(POINT pt) {
  return CTKMultiMonitorApi().GetWorkAreaFromPoint(pt);
}

CRect CTKCommandBarsSystem::GetWorkAreaFromRect(const RECT& rc) {
  return CTKMultiMonitorApi().GetWorkAreaFromRect(rc);
}

CString CTKCommandBarsSystem::GetLayoutStorageFolder() {
  char szAppData[MAX_PATH] = "";
  if (FAILED(::SHGetFolderPathA(NULL, CSIDL_APPDATA | CSIDL_FLAG_CREATE, NULL, SHGFP_TYPE_CURRENT,
                                szAppData)))
    return CString();
  CWinApp* pApp = AfxGetApp();
  CString strFolder;
  strFolder.Format("%s\\%s", szAppData,
                   pApp != nullptr && pApp->m_pszAppName != nullptr ? pApp->m_pszAppName : "");
  ::CreateDirectoryA(strFolder, NULL);
  const DWORD dwAttributes = ::GetFileAttributesA(strFolder);
  if (dwAttributes == INVALID_FILE_ATTRIBUTES || !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return CString();
  return strFolder;
}

// The ribbon's auto-repeating buttons ----------------------------------------------------

UINT CTKCommandBarsSystem::GetDoubleClickTime() { return ::GetDoubleClickTime(); }
