// themes_bench: runs every case of the table; each compares a theme's drawing
// with a baseline of plain GDI calls over the same areas, timed in the same
// run, and prints the ratio.
// Usage: themes_bench [rounds, default 200]
#include "ThemesBench.h"

#include <stdio.h>
#include <stdlib.h>

#include <afxwin.h>

#include <algorithm>

#include "common/TKResourceImages.h"

namespace {

// clang-format off
const ThemesBenchCase kCases[] = {
    BenchStatusBars,
    BenchAntialiasedDisc,
    BenchGalleries,
};
// clang-format on

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

double ThemesBenchTime(const std::function<void()>& fn, int nRounds) {
  double dBest = 1e9;
  for (int nTry = 0; nTry < 3; ++nTry) {
    const double dStart = Now();
    for (int r = 0; r < nRounds; ++r) fn();
    ::GdiFlush();
    dBest = std::min(dBest, (Now() - dStart) / nRounds);
  }
  return dBest;
}

void ThemesBenchPrint(const char* pszName, double dSeconds, double dBaseline,
                      const char* pszBaseline) {
  printf("%-34s %9.1f us  %6.1fx %s\n", pszName, dSeconds * 1e6,
         dBaseline > 0 ? dSeconds / dBaseline : 0.0, pszBaseline);
}

int main(int argc, char** argv) {
  const int nRounds = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
  // The image themes draw from the blue look's images.
  TKResourceImages()->SetHandle(::GetModuleHandleA(NULL), "Office2010Blue.INI");
  printf("themes_bench: %d rounds, best of 3; ratios against the baseline in the same run\n",
         nRounds);
  for (ThemesBenchCase run : kCases) run(nRounds);
  return 0;
}
