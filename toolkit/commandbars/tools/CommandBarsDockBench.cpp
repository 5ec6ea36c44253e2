// commandbars_bench, dock bars: a frame with ten tool bars of twelve buttons
// in its four dock bars is resized from 1200 to 400 pixels wide; each resize
// lays out the frame (the dock bars' rows, the bars' controls, the window
// moves). The baseline, measured in the same run, is measuring every button
// of the ten bars once.
#include "CommandBarsDockBench.h"

#include "BenchClock.h"

#include <stdio.h>

#include <algorithm>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKToolBar.h"

namespace {

const int kBars = 10;
const int kButtons = 12;
const int kWidths = 9;

double MeasureButtons(CTKCommandBars* pBars, CDC* pDC, int nRounds) {
  volatile LONG nSum = 0;
  return BestSecondsPerRound(nRounds, [&](int) {
    for (int b = 0; b < pBars->GetCount(); ++b)
      for (int i = 0; i < pBars->GetAt(b)->GetControlCount(); ++i)
        nSum += pBars->GetAt(b)->GetControl(i)->GetSize(pDC).cx;
  });
}

double Resize(CFrameWnd* pFrame, int nWidth, int nRounds) {
  // Two sizes a pixel apart, so that every round really lays out.
  return BestSecondsPerRound(nRounds, [&](int r) {
    pFrame->SetWindowPos(NULL, 0, 0, nWidth + (r & 1), 600,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  });
}

}  // namespace

void RunDockLayoutBench(int nRounds) {
  CFrameWnd* pFrame = new CFrameWnd;
  if (!pFrame->Create(NULL, "commandbars_bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1200, 600))) {
    printf("  dock bars: no frame window\n");
    return;
  }
  CTKCommandBars* pBars = new CTKCommandBars;
  pBars->SetSite(pFrame);
  pBars->CreateDockBars();
  for (int b = 0; b < kBars; ++b) {
    CTKToolBar* pBar = pBars->Add("Tools", b % 4);
    for (int i = 0; i < kButtons; ++i)
      pBar->GetControls()->AddNew(tkControlButton, 2000 + b * kButtons + i)->SetBeginGroup(i % 4 == 0);
  }
  pFrame->RecalcLayout();
  CClientDC dc(pFrame);

  const int nRoundsResize = std::max(1, nRounds / 4);
  const double dBaseline = MeasureButtons(pBars, &dc, nRounds);
  printf("  dock bars: %d tool bars of %d buttons in four dock bars, frame resized\n", kBars,
         kButtons);
  printf("    baseline: measuring every button once   %9.1f us\n", dBaseline * 1e6);
  for (int k = 0; k < kWidths; ++k) {
    const int nWidth = 1200 - 800 * k / (kWidths - 1);
    const double dResize = Resize(pFrame, nWidth, nRoundsResize);
    printf("    width %5d px  %9.1f us  %6.2f x baseline\n", nWidth, dResize * 1e6,
           dResize / dBaseline);
  }
  pBars->InternalRelease();
  pFrame->DestroyWindow();
}
