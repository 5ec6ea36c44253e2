// The thread timers of markup and the seam in front of them.
#include "TKMarkupTimers.h"

namespace {
CTKMarkupTimerSource g_systemTimers;
CTKMarkupTimerSource* g_pTimers = &g_systemTimers;
}  // namespace

UINT_PTR CTKMarkupTimerSource::SetTimer(UINT nElapse, TIMERPROC pfnProc) {
  return ::SetTimer(nullptr, 0, nElapse, pfnProc);
}

BOOL CTKMarkupTimerSource::KillTimer(UINT_PTR nId) { return ::KillTimer(nullptr, nId); }

CTKMarkupTimerSource* TKMarkupTimerSource() { return g_pTimers; }

void TKSetMarkupTimerSource(CTKMarkupTimerSource* pSource) {
  g_pTimers = pSource != nullptr ? pSource : &g_systemTimers;
}
