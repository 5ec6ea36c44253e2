// Which Windows this is, and the common controls' version.
#pragma once

#include "common/TKModuleHandle.h"

/// Version tests from Windows 95 to Windows 7, answered by VerifyVersionInfo
/// where it exists and by GetVersionEx otherwise.
class CTKOSVersionHelper {
 public:
  CTKOSVersionHelper();

  /// Conditions of CheckVersion: the values of VER_EQUAL and VER_GREATER_EQUAL.
  enum { conditionEqual = 1, conditionAtLeast = 3 };

  /// Whether this system's version is `major.minor` on `dwPlatformId`
  /// (conditionEqual) or at least that (conditionAtLeast).
  BOOL CheckVersion(int nCondition, DWORD dwMajor, DWORD dwMinor, DWORD dwPlatformId);
  /// The VerifyVersionInfo form: S_OK or S_FALSE, E_NOTIMPL without the API.
  HRESULT VerifyVersion(int nCondition, DWORD dwMajor, DWORD dwMinor, DWORD dwPlatformId);
  /// The GetVersionEx form; any other condition never matches.
  static BOOL CompareVersionInfo(int nCondition, DWORD dwMajor, DWORD dwMinor, DWORD dwPlatformId);

  BOOL IsWin95() { return CheckVersion(conditionEqual, 4, 0, VER_PLATFORM_WIN32_WINDOWS); }
  BOOL IsWin98() { return CheckVersion(conditionEqual, 4, 10, VER_PLATFORM_WIN32_WINDOWS); }
  BOOL IsWinME() { return CheckVersion(conditionEqual, 4, 90, VER_PLATFORM_WIN32_WINDOWS); }
  BOOL IsWinNT4() { return CheckVersion(conditionEqual, 4, 0, VER_PLATFORM_WIN32_NT); }
  BOOL IsWin2K() { return CheckVersion(conditionEqual, 5, 0, VER_PLATFORM_WIN32_NT); }
  BOOL IsWinXP() { return CheckVersion(conditionEqual, 5, 1, VER_PLATFORM_WIN32_NT); }
  BOOL IsWinNT4OrGreater() { return CheckVersion(conditionAtLeast, 4, 0, VER_PLATFORM_WIN32_NT); }
  BOOL IsWin2KOrGreater() { return CheckVersion(conditionAtLeast, 5, 0, VER_PLATFORM_WIN32_NT); }
  BOOL IsWinXPOrGreater() { return CheckVersion(conditionAtLeast, 5, 1, VER_PLATFORM_WIN32_NT); }
  BOOL IsWinVistaOrGreater() { return CheckVersion(conditionAtLeast, 6, 0, VER_PLATFORM_WIN32_NT); }
  BOOL IsWin7OrGreater() { return CheckVersion(conditionAtLeast, 6, 1, VER_PLATFORM_WIN32_NT); }
  BOOL IsWin9x() { return IsWin95() || IsWin98() || IsWinME(); }
  /// Fonts may ask for CLEARTYPE_QUALITY (5).
  BOOL IsClearTypeTextQualitySupported() { return IsWinXPOrGreater(); }

  /// COMCTL32's version as MAKELONG(minor, major), worked out once; 0x40000
  /// when it has no DllGetVersion.
  DWORD GetComCtlVersion();
  /// The OEM code page's largest character size, worked out once (2 or more on
  /// double-byte systems).
  int GetOEMCPMaxCharSize();

  /// Without VerifyVersionInfoA / VerSetConditionMask (as on old systems).
  void ForgetVerifyVersionInfo();

 private:
  typedef BOOL(WINAPI* PFNVERIFYVERSIONINFOA)(LPOSVERSIONINFOEXA, DWORD, DWORDLONG);
  typedef ULONGLONG(WINAPI* PFNVERSETCONDITIONMASK)(ULONGLONG, DWORD, BYTE);

  CTKModuleHandle m_modKernel;
  PFNVERIFYVERSIONINFOA m_pfnVerifyVersionInfo;
  PFNVERSETCONDITIONMASK m_pfnVerSetConditionMask;
};

/// The process-wide helper, made on first use.
CTKOSVersionHelper* TKOSVersionHelper();

class CWnd;
class CWinThread;

/// Screen and work areas of the monitor of a point, rectangle or window. A
/// place outside every monitor, or a system without the monitor functions,
/// gives the primary screen and the system work area.
class CTKMultiMonitorApi {
 public:
  /// Over "User32.dll"; `lpszModule` names another module (one that lacks the
  /// monitor functions makes the single-screen answers).
  explicit CTKMultiMonitorApi(LPCSTR lpszModule = "User32.dll");

  BOOL HasMonitorFunctions() const { return m_pfnGetMonitorInfo != nullptr; }
  /// FALSE for a null monitor or without GetMonitorInfoA.
  BOOL GetMonitorInfo(HMONITOR hMonitor, MONITORINFO* pInfo);

  CRect GetScreenAreaFromPoint(POINT pt);
  CRect GetScreenAreaFromRect(const RECT& rc);
  CRect GetWorkAreaFromWindow(HWND hWnd);
  CRect GetWorkAreaFromPoint(POINT pt);
  CRect GetWorkAreaFromRect(const RECT& rc);
  /// The work area of the window's monitor (null window: the system's).
  CRect GetWorkArea(const CWnd* pWnd);
  CRect GetWorkAreaAtCursor();

 private:
  CRect ScreenArea(HMONITOR hMonitor);
  CRect WorkArea(HMONITOR hMonitor);

  typedef int(WINAPI* PFNGETSYSTEMMETRICS)(int);
  typedef HMONITOR(WINAPI* PFNMONITORFROMWINDOW)(HWND, DWORD);
  typedef HMONITOR(WINAPI* PFNMONITORFROMRECT)(LPCRECT, DWORD);
  typedef HMONITOR(WINAPI* PFNMONITORFROMPOINT)(POINT, DWORD);
  typedef BOOL(WINAPI* PFNGETMONITORINFOA)(HMONITOR, LPMONITORINFO);

  PFNGETSYSTEMMETRICS m_pfnGetSystemMetrics;
  PFNMONITORFROMWINDOW m_pfnMonitorFromWindow;
  PFNMONITORFROMRECT m_pfnMonitorFromRect;
  PFNMONITORFROMPOINT m_pfnMonitorFromPoint;
  PFNGETMONITORINFOA m_pfnGetMonitorInfo;
  CTKModuleHandle m_modUser;
};

/// The process-wide monitor service, made on first use.
CTKMultiMonitorApi* TKMultiMonitorApi();

/// The thread object of the calling thread: AfxGetThread, or the
/// application's when the thread has none.
CWinThread* GetCurrentWinThread();
