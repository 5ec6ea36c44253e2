// What the UI library asks of the system beyond its own windows: the cursor,
// the desktop's size, the shell, the HTML Help window, Simple MAPI, the
// HTTP transfer and the desktop window manager. One seam, so that tests script the answers instead of moving
// the real mouse, opening help or mail programs or reaching a server.
#pragma once

#include <windows.h>

#include <commdlg.h>
#include <mapi.h>
#include <shellapi.h>
#include <wininet.h>

#include "common/TKScopedHandle.h"

/// The real system; tests derive their own and install it with
/// UILibSetSystem. UI thread only.
class CUILibSystem {
 public:
  virtual ~CUILibSystem() {}

  // The mouse cursor ----------------------------------------------------------
  virtual BOOL GetCursorPos(LPPOINT lpPoint);
  virtual BOOL SetCursorPos(int x, int y);

  // The desktop and the shell -------------------------------------------------
  /// The desktop window's client size.
  virtual SIZE GetDesktopClientSize();
  virtual BOOL ShellExecuteEx(SHELLEXECUTEINFOA* pInfo);
  /// HtmlHelpA of the system's help component, loaded on first use; null
  /// when it is missing or opened no window.
  virtual HWND HtmlHelp(LPCSTR lpszFile, UINT uCommand, DWORD_PTR dwData);
  /// MAPISendMail of MAPI32.DLL, loaded into `pModule` (freed with it);
  /// null when the library or the entry is missing.
  virtual LPMAPISENDMAIL LoadMapiSendMail(CTKScopedModule* pModule);

  // HTTP through WinINet: each a thin pass to the function of the name ------------
  virtual HINTERNET InternetOpen(LPCSTR lpszAgent, DWORD dwAccessType, DWORD dwFlags);
  virtual HINTERNET InternetConnect(HINTERNET hInternet, LPCSTR lpszServer, INTERNET_PORT nPort,
                                    DWORD dwService, DWORD dwFlags);
  virtual HINTERNET HttpOpenRequest(HINTERNET hConnect, LPCSTR lpszVerb, LPCSTR lpszObject,
                                    DWORD dwFlags);
  virtual BOOL InternetSetOption(HINTERNET hInternet, DWORD dwOption, DWORD dwValue);
  virtual BOOL HttpAddRequestHeaders(HINTERNET hRequest, LPCSTR lpszHeaders, DWORD dwModifiers);
  /// Sends the request with no extra headers and no body.
  virtual BOOL HttpSendRequest(HINTERNET hRequest);
  /// HttpQueryInfoA of a numeric header (HTTP_QUERY_FLAG_NUMBER added);
  /// FALSE when the response does not carry it.
  virtual BOOL HttpQueryNumber(HINTERNET hRequest, DWORD dwInfoLevel, DWORD* pdwValue);
  virtual BOOL InternetReadFile(HINTERNET hFile, LPVOID lpBuffer, DWORD dwToRead, DWORD* pdwRead);
  virtual BOOL InternetCloseHandle(HINTERNET hInternet);

  // Desktop composition ---------------------------------------------------------------
  /// What the desktop window manager tells of a window's extended frame bounds.
  enum DwmFrameBoundsAnswer {
    kDwmLibraryMissing,  ///< "dwmapi.dll" cannot be loaded
    kDwmQueryFailed,     ///< DwmGetWindowAttribute is missing or failed
    kDwmAnswered,
  };
  /// DwmGetWindowAttribute (DWMWA_EXTENDED_FRAME_BOUNDS) of "dwmapi.dll",
  /// loaded by name for the call and freed again; the bounds are not kept.
  virtual DwmFrameBoundsAnswer QueryDwmFrameBounds(HWND hWnd);
  // The common file dialogs: GetOpenFileNameA and GetSaveFileNameA ----------------
  virtual BOOL GetOpenFileName(OPENFILENAMEA* pInfo);
  virtual BOOL GetSaveFileName(OPENFILENAMEA* pInfo);
};

/// The installed system, the real one when none is.
CUILibSystem* UILibSystem();
/// Installs `pSystem` (not owned; null: the real system again).
void UILibSetSystem(CUILibSystem* pSystem);
