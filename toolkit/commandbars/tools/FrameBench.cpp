// commandbars_frame_bench: what the theme's frame costs while a window is
// resized. The baseline, measured in the same run, is a window with the
// system's own frame going through the same sizes; the themed window (the
// frame hook with the test frame theme) is printed as a multiple of it.
// Usage: commandbars_frame_bench [rounds, default 200]
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>

#include "SupportPaintManager.h"
#include "commandbars/TKCommandBars.h"
#include "common/TKDpiHelper.h"

namespace {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

/// Seconds per resize of the window, with its frame painted at once, best of 3.
double Resize(CWnd* pWnd, int nRounds) {
  double dBest = 1e9;
  for (int nTry = 0; nTry < 3; ++nTry) {
    const double dStart = Now();
    for (int r = 0; r < nRounds; ++r) {
      pWnd->SetWindowPos(NULL, 0, 0, 400 + r % 40 * 5, 300 + r % 30 * 4,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      pWnd->RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
    }
    dBest = std::min(dBest, (Now() - dStart) / nRounds);
  }
  return dBest;
}

CWnd* MakeFrame(const char* pszTitle) {
  CWnd* pWnd = new CWnd;
  pWnd->CreateEx(0, AfxRegisterWndClass(0, NULL, ::GetSysColorBrush(COLOR_WINDOW)), pszTitle,
                 WS_OVERLAPPEDWINDOW, 20, 20, 400, 300, NULL, NULL);
  pWnd->ShowWindow(SW_SHOWNOACTIVATE);
  return pWnd;
}

}  // namespace

int main(int argc, char** argv) {
  const int nRounds = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
  TKDpiHelper()->OverrideDpi(96, 96);
  CTestGlobalPaintManager paintManager;

  CWnd* pSystem = MakeFrame("system frame");
  const double dBaseline = Resize(pSystem, nRounds);

  CWnd* pThemed = MakeFrame("themed frame");
  CTKCommandBars* pBars = new CTKCommandBars;
  pBars->SetPaintManager(new CTestFramedPaintManager);
  pBars->SetSite(pThemed);
  pBars->EnableFrameTheme(TRUE);
  const double dThemed = Resize(pThemed, nRounds);

  printf("commandbars_frame_bench: %d resizes, best of 3\n", nRounds);
  printf("  baseline: the system's own frame     %9.1f us per resize\n", dBaseline * 1e6);
  printf("  the theme's frame (frame hook)       %9.1f us per resize  %6.2f x baseline\n",
         dThemed * 1e6, dThemed / dBaseline);

  pBars->InternalRelease();
  pThemed->DestroyWindow();
  delete pThemed;
  pSystem->DestroyWindow();
  delete pSystem;
  return 0;
}
