// The thread timers that markup arms (script timeouts, image animation),
// behind one seam so that tests can fire them without waiting.
#pragma once

#include <windows.h>

/// Arms and kills one-thread timers (no window): the procedure is called with
/// (null, WM_TIMER, id, tick) from the message loop of the arming thread. The
/// default implementation is SetTimer and KillTimer of Windows.
class CTKMarkupTimerSource {
 public:
  virtual ~CTKMarkupTimerSource() = default;
  /// A new timer repeating every `nElapse` ms; its id, or 0 on failure.
  virtual UINT_PTR SetTimer(UINT nElapse, TIMERPROC pfnProc);
  virtual BOOL KillTimer(UINT_PTR nId);
};

/// The source in use: the installed one, else Windows's thread timers.
CTKMarkupTimerSource* TKMarkupTimerSource();
/// Test seam: installs `pSource` (not owned; null restores Windows's timers).
/// Install it before anything arms a timer and remove it after all are gone.
void TKSetMarkupTimerSource(CTKMarkupTimerSource* pSource);
