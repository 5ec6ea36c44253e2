// A timer source for markup tests: records the timers markup arms and fires
// them on demand, so delays are checked without waiting.
#pragma once

#include <map>

#include "TKMarkupTimers.h"

/// Installed for its lifetime (TKSetMarkupTimerSource). Ids start at 1000.
class CManualTimers : public CTKMarkupTimerSource {
 public:
  CManualTimers() { TKSetMarkupTimerSource(this); }
  ~CManualTimers() override { TKSetMarkupTimerSource(nullptr); }
  CManualTimers(const CManualTimers&) = delete;
  CManualTimers& operator=(const CManualTimers&) = delete;

  UINT_PTR SetTimer(UINT nElapse, TIMERPROC pfnProc) override;
  BOOL KillTimer(UINT_PTR nId) override;

  /// Calls the armed timer's procedure once, as its WM_TIMER would; false
  /// when no such timer is armed.
  bool Fire(UINT_PTR nId);
  /// The armed timers: id to delay in ms.
  std::map<UINT_PTR, UINT> Armed() const;
  /// The one armed timer's id (0 when none or several are armed).
  UINT_PTR OnlyTimer() const;
  /// The delay of an armed timer (0 when it is not armed).
  UINT DelayOf(UINT_PTR nId) const;
  size_t ArmedCount() const { return m_timers.size(); }

 private:
  struct Timer {
    UINT nElapse;
    TIMERPROC pfnProc;
  };
  std::map<UINT_PTR, Timer> m_timers;
  UINT_PTR m_nNextId = 1000;
};
