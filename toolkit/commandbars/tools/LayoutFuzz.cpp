// Loads many damaged layouts into a frame's command bars to show that the
// layout loader never crashes or hangs and merges a layout whole or not at all.
// Usage: commandbars_layout_fuzz [cases] [seed]
#include <stdio.h>
#include <stdlib.h>

#include "SupportLayoutFuzz.h"
#include "SupportPaintManager.h"

namespace {

volatile long g_case = -1;

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* pInfo) {
  fprintf(stderr, "case %ld: the layout loader stopped with exception 0x%08lX\n", g_case,
          pInfo->ExceptionRecord->ExceptionCode);
  fflush(stderr);
  ExitProcess(3);
}

}  // namespace

int main(int argc, char** argv) {
  const long cases = argc > 1 ? strtol(argv[1], nullptr, 10) : 20000;
  const unsigned long seed = argc > 2 ? strtoul(argv[2], nullptr, 10) : 1;
  SetUnhandledExceptionFilter(ReportCrash);

  CTestGlobalPaintManager paintManager;
  CLayoutSystem system;
  TKSetCommandBarsSystem(&system);
  long merged = 0;
  DWORD slowest = 0;
  const DWORD started = GetTickCount();
  {
    CLayoutFuzzer fuzzer(static_cast<uint32_t>(seed));
    for (long i = 0; i < cases; ++i) {
      g_case = i;
      const DWORD begin = GetTickCount();
      if (fuzzer.RunCase()) ++merged;
      const DWORD took = GetTickCount() - begin;
      if (took > slowest) slowest = took;
    }
  }
  TKSetCommandBarsSystem(nullptr);
  printf(
      "%ld damaged layouts (seed %lu): %ld merged whole, %ld dropped\n"
      "slowest case %lu ms; %lu ms in all\n",
      cases, seed, merged, cases - merged, slowest, GetTickCount() - started);
  return 0;
}
