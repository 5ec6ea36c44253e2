// What the tooltips read of the clock, the mouse and the screen, and the
// timers they start: one seam, so that tests script time and input.
#pragma once

#include <afxwin.h>

/// The real system; tests derive their own and install it with
/// TKSetToolTipSystem. UI thread only.
class CTKToolTipSystem {
 public:
  virtual ~CTKToolTipSystem() {}
  virtual DWORD GetTickCount();
  virtual CPoint GetCursorPos();
  /// Whether the left, right or middle mouse button is held down.
  virtual BOOL IsMouseButtonDown();
  virtual HWND WindowFromPoint(POINT pt);
  /// Starts (or restarts) timer nID of the window.
  virtual void SetTimer(HWND hWnd, UINT_PTR nID, UINT nElapse);
  virtual void KillTimer(HWND hWnd, UINT_PTR nID);
};

/// The installed system, the real one when none is.
CTKToolTipSystem* TKToolTipSystem();
/// Installs `pSystem` (not owned; null: the real system again).
void TKSetToolTipSystem(CTKToolTipSystem* pSystem);

/// The window under the point as the tip windows see it: the window there,
/// or its parent when it is a child that answers the toolkit message 0x2A48
/// with 1 (it wants its tooltips handled by its parent).
HWND TKToolTipWindowFromPoint(POINT pt);

/// Toolkit messages of the tooltips.
enum {
  /// Asked of a child window: 1 when its parent handles its tooltips.
  WM_TK_TOOLTIPTOPARENT = 0x2A48,
  /// To a tip window: lParam is the CTKImageManagerIcon* to show, or null.
  WM_TK_TOOLTIPSETICON = 0x2A49,
};
