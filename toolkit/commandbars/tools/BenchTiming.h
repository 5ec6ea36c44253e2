// The clock and the best-of-three timing of commandbars_bench's cases.
#pragma once

#include <afxwin.h>

#include <algorithm>
#include <functional>

/// Seconds on the performance counter.
inline double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

/// Seconds for one run of `run`, the best of three tries of `nRounds` runs.
inline double BestOfThree(int nRounds, const std::function<void()>& run) {
  double dBest = 1e9;
  for (int nTry = 0; nTry < 3; ++nTry) {
    const double dStart = Now();
    for (int r = 0; r < nRounds; ++r) run();
    dBest = std::min(dBest, (Now() - dStart) / nRounds);
  }
  return dBest;
}
