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

  // Pop-ups ----------------------------------------------------------------------

  /// The work area and the whole rectangle of the monitor nearest
  /// `lpExclude`, or, when it is null or empty, of the monitor at `pt`.
  virtual void GetPopupWorkArea(POINT pt, LPCRECT lpExclude, CRect& rcWork, CRect& rcMonitor);
  /// As the C library's rand().
  virtual int Rand();
  /// Starts timer nID of the window with a timer procedure (the mouse-leave
  /// emulation, which may follow any window of the thread).
  virtual void SetTimerProc(HWND hWnd, UINT_PTR nID, UINT nElapse, TIMERPROC pfnTimer);
  /// SPI_GETMENUANIMATION and SPI_GETMENUFADE.
  virtual void GetMenuAnimation(BOOL* pbAnimation, BOOL* pbFade);

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

  // The desktop around the frame
  /// The task bar's ABS_ state bits (ABS_AUTOHIDE when it hides itself).
  virtual UINT GetTaskbarState();
  /// The mouse position in screen coordinates.
  virtual BOOL GetCursorPos(LPPOINT lpPoint);

  // Pop-up animation
  /// Blocks the thread between the steps of an animation, as the Win32 Sleep.
  virtual void Sleep(DWORD dwMilliseconds);
  // Saved bar states and layouts
  /// SM_CXSCREEN and SM_CYSCREEN: the screen the saved positions belong to.
  virtual CSize GetScreenSize();
  /// The work area of the monitor at a point, and of the one nearest a rectangle.
  virtual CRect GetWorkAreaFromPoint(POINT pt);
  virtual CRect GetWorkAreaFromRect(const RECT& rc);
  /// The folder that takes layouts too large for the profile: the
  /// application's folder in the user's application-data folder, created
  /// when missing; empty when there is none.
  virtual CString GetLayoutStorageFolder();

  // The ribbon's auto-repeating buttons
  /// As the Win32 GetDoubleClickTime, in milliseconds.
  virtual UINT GetDoubleClickTime();
};

/// The installed system, the real one when none is.
CTKCommandBarsSystem* TKCommandBarsSystem();
/// Installs `pSystem` (not owned; null: the real system again).
void TKSetCommandBarsSystem(CTKCommandBarsSystem* pSystem);
