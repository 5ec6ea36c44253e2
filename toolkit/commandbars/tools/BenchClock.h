// The clock of the command-bars benchmark.
#pragma once

#include <windows.h>

/// Seconds on the performance counter.
inline double BenchSeconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}
