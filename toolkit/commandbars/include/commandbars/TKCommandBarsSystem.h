// What the command bars read of the clock, the keyboard, the desktop and the
// system settings, the timers they start and the beep: one seam, so that tests
// script time and input.
#pragma once

#include <afxwin.h>

/// The real system; tests derive their own and install it with
/// TKSetCommandBarsSystem. UI thread only.
class CTKCommandBarsSystem {
 public:
  virtual ~CTKCommandBarsSystem() {}
  virtual DWORD GetTickCount();
  /// Starts (or restarts) timer nID of the window.
  virtual void SetTimer(HWND hWnd, UINT_PTR nID, UINT nElapse);
  virtual void KillTimer(HWND hWnd, UINT_PTR nID);
  /// As the Win32 GetKeyState: the high bit when down, bit 0 when toggled.
  virtual SHORT GetKeyState(int nVirtKey);
  virtual void MessageBeep(UINT nType);
  /// The name of the desktop that receives input; empty when it cannot be
  /// opened (a locked workstation or a secure desktop).
  virtual CString GetInputDesktopName();
  /// Whether the system underlines mnemonics always; FALSE when it cannot tell.
  virtual BOOL GetKeyboardCues(BOOL* pbShow);

  // Pop-up shadows
  /// SPI_GETDROPSHADOW: whether menus cast shadows; FALSE when it cannot tell.
  virtual BOOL IsDropShadowEnabled();

  // Typing: the keys as a keyboard layout translates them
  /// As the Win32 GetKeyboardState: 256 bytes, the high bit of a key down.
  virtual BOOL GetKeyboardState(BYTE* pState);

  // Tool bars
  /// The toolkit's message box (the language module's right-to-left
  /// reading included); the button chosen.
  virtual int ShowMessageBox(LPCTSTR lpszText, UINT nType);

  // The bar window's mouse
  /// Whether a window of this thread is active (the mouse moves over a bar
  /// of an inactive application select nothing).
  virtual BOOL IsApplicationActive();
};

/// The installed system, the real one when none is.
CTKCommandBarsSystem* TKCommandBarsSystem();
/// Installs `pSystem` (not owned; null: the real system again).
void TKSetCommandBarsSystem(CTKCommandBarsSystem* pSystem);
