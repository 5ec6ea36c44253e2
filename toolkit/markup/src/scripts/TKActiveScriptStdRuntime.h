// CTKActiveScriptStdRuntime: the functions every markup script sees as its
// own globals: setTimeout, clearTimeout and debugLog.
#pragma once

#include "afxdisp.h"

/// Reference counted (CCmdTarget), with automation. One per markup context
/// with scripts; its timeouts are thread timers of the context's thread
/// (through TKMarkupTimerSource). Every timeout belongs to the runtime that
/// armed it: clearTimeout and the destructor cancel only their own.
class CTKActiveScriptStdRuntime : public CCmdTarget {
 public:
  CTKActiveScriptStdRuntime();
  ~CTKActiveScriptStdRuntime() override;

  /// Calls the function object's default member once after `nDelay` ms; the
  /// timeout's id, or 0 for no function or when no timer could be armed.
  long SetTimeout(LPDISPATCH pFunction, long nDelay);
  /// Cancels a pending timeout of this runtime; other ids do nothing.
  void ClearTimeout(long nId);
  /// OutputDebugString of the text; nothing for none.
  void DebugLog(LPCSTR lpszText);

  /// Cancels every pending timeout of this runtime.
  void CancelTimeouts();
  /// How many timeouts of this runtime are pending.
  int GetPendingTimeoutCount() const;

 protected:
  DECLARE_DISPATCH_MAP()

 private:
  static void CALLBACK TimeoutProc(HWND hWnd, UINT nMessage, UINT_PTR nId, DWORD dwTime);
};
