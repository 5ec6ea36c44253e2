// Monitor areas, with the single-screen answers where there is no monitor.
#include "common/TKOSVersionHelper.h"

#include <afxwin.h>

#include "common/TKSingletonPointer.h"

TK_IMPLEMENT_SINGLETON(CTKMultiMonitorApi, TKMultiMonitorApi)

CTKMultiMonitorApi::CTKMultiMonitorApi(LPCSTR lpszModule)
    : m_pfnGetSystemMetrics(nullptr),
      m_pfnMonitorFromWindow(nullptr),
      m_pfnMonitorFromRect(nullptr),
      m_pfnMonitorFromPoint(nullptr),
      m_pfnGetMonitorInfo(nullptr) {
  // All five or none, so that no answer mixes the two ways.
  if (!m_modUser.Init(lpszModule) ||
      !m_modUser.GetProcAddress(&m_pfnGetSystemMetrics, "GetSystemMetrics") ||
      !m_modUser.GetProcAddress(&m_pfnMonitorFromWindow, "MonitorFromWindow") ||
      !m_modUser.GetProcAddress(&m_pfnMonitorFromRect, "MonitorFromRect") ||
      !m_modUser.GetProcAddress(&m_pfnMonitorFromPoint, "MonitorFromPoint") ||
      !m_modUser.GetProcAddress(&m_pfnGetMonitorInfo, "GetMonitorInfoA")) {
    m_pfnGetSystemMetrics = nullptr;
    m_pfnMonitorFromWindow = nullptr;
    m_pfnMonitorFromRect = nullptr;
    m_pfnMonitorFromPoint = nullptr;
    m_pfnGetMonitorInfo = nullptr;
  }
}

BOOL CTKMultiMonitorApi::GetMonitorInfo(HMONITOR hMonitor, MONITORINFO* pInfo) {
  if (hMonitor == NULL || m_pfnGetMonitorInfo == nullptr || pInfo == nullptr) return FALSE;
  pInfo->cbSize = sizeof(MONITORINFO);
  return m_pfnGetMonitorInfo(hMonitor, pInfo);
}

CRect CTKMultiMonitorApi::ScreenArea(HMONITOR hMonitor) {
  MONITORINFO info;
  if (GetMonitorInfo(hMonitor, &info)) return CRect(info.rcMonitor);
  return CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

CRect CTKMultiMonitorApi::WorkArea(HMONITOR hMonitor) {
  MONITORINFO info;
  if (GetMonitorInfo(hMonitor, &info)) return CRect(info.rcWork);
  CRect rc;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
  return rc;
}

CRect CTKMultiMonitorApi::GetScreenAreaFromPoint(POINT pt) {
  return ScreenArea(m_pfnMonitorFromPoint ? m_pfnMonitorFromPoint(pt, MONITOR_DEFAULTTONULL)
                                          : NULL);
}

CRect CTKMultiMonitorApi::GetScreenAreaFromRect(const RECT& rc) {
  return ScreenArea(m_pfnMonitorFromRect ? m_pfnMonitorFromRect(&rc, MONITOR_DEFAULTTONULL) : NULL);
}

CRect CTKMultiMonitorApi::GetWorkAreaFromWindow(HWND hWnd) {
  return WorkArea(
      m_pfnMonitorFromWindow && hWnd ? m_pfnMonitorFromWindow(hWnd, MONITOR_DEFAULTTONULL) : NULL);
}

CRect CTKMultiMonitorApi::GetWorkAreaFromPoint(POINT pt) {
  return WorkArea(m_pfnMonitorFromPoint ? m_pfnMonitorFromPoint(pt, MONITOR_DEFAULTTONULL) : NULL);
}

CRect CTKMultiMonitorApi::GetWorkAreaFromRect(const RECT& rc) {
  return WorkArea(m_pfnMonitorFromRect ? m_pfnMonitorFromRect(&rc, MONITOR_DEFAULTTONULL) : NULL);
}

CRect CTKMultiMonitorApi::GetWorkArea(const CWnd* pWnd) {
  return GetWorkAreaFromWindow(pWnd ? pWnd->GetSafeHwnd() : NULL);
}

CRect CTKMultiMonitorApi::GetWorkAreaAtCursor() {
  POINT pt = {};
  ::GetCursorPos(&pt);
  return GetWorkAreaFromPoint(pt);
}

CWinThread* GetCurrentWinThread() {
  CWinThread* pThread = AfxGetThread();
  if (pThread == nullptr) pThread = AfxGetModuleState()->m_pCurrentWinApp;
  return pThread;
}
