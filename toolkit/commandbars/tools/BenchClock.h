// The clock of the command-bars benchmark: seconds, and the best of three
// runs of a timed loop.
#pragma once

#include <windows.h>

#include <algorithm>

inline double BenchSeconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

/// Seconds per round of `run(round)` over `nRounds` rounds, the best of three tries.
template <class TRun>
double BestSecondsPerRound(int nRounds, TRun run) {
  double dBest = 1e9;
  for (int nTry = 0; nTry < 3; ++nTry) {
    const double dStart = BenchSeconds();
    for (int r = 0; r < nRounds; ++r) run(r);
    dBest = std::min(dBest, (BenchSeconds() - dStart) / nRounds);
  }
  return dBest;
}
