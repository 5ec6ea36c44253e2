// The clock a held navigate button repeats by, and how it waits between
// repeats: a seam, so tests script time instead of waiting for it.
#pragma once

#include <windows.h>

class CTKTabClock {
 public:
  virtual ~CTKTabClock() = default;
  /// Milliseconds, as GetTickCount.
  virtual DWORD GetTickCount();
  /// Returns when input arrives for this thread or `dwMilliseconds` pass.
  virtual void WaitForInput(DWORD dwMilliseconds);

  /// The clock in use (the system's unless a test installed another).
  static CTKTabClock* Get();
  /// Installs `pClock` (null: the system's again); the caller keeps it alive.
  static void Install(CTKTabClock* pClock);
};
