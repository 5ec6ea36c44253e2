// commandbars_bench: what laying out a bar costs. The baseline, measured first
// in the same run, is measuring every control of the bar once through the
// test paint manager; a ribbon-sized bar (300 controls in 40 groups, column
// layout) is then laid out at lengths from its full width down to a quarter,
// and each layout is printed as a multiple of the baseline and as a share of
// a 16 ms frame.
// Usage: commandbars_bench [rounds, default 200]
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

#include "BenchClock.h"
#include "CommandBarsDockBench.h"
#include "CommandBarWindowBench.h"
#include "SupportPaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"

namespace {

const int kControls = 300;
const int kGroups = 40;
const int kLengths = 16;
const double kFrameMs = 16.0;

/// The bar: groups of seven or eight controls, the first three of each with
/// a large icon, as a ribbon's groups start with their large buttons.
CTKCommandBar* MakeRibbonBar() {
  CTKCommandBar* pBar = new CTKCommandBar;
  pBar->SetStyle(pBar->GetStyle() | TKCBRS_SIZECONTROLS);
  std::vector<UINT> large;
  int nInGroup = 0;
  for (int i = 0; i < kControls; ++i) {
    CTKControl* pControl = pBar->GetControls()->AddNew(tkControlButton, 1000 + i);
    if (i * kGroups / kControls != (i - 1) * kGroups / kControls) {
      pControl->SetBeginGroup(TRUE);
      nInGroup = 0;
    }
    if (nInGroup++ < 3) large.push_back(1000 + i);
  }
  CTKImageManager* pImages = new CTKImageManager;
  AddTestIcons(pImages, large, 32);
  pBar->SetImageManager(pImages);
  return pBar;
}

/// Seconds for one pass of measuring every control.
double MeasureAll(CTKCommandBar* pBar, CDC* pDC, int nRounds) {
  volatile LONG nSum = 0;
  return BestSecondsPerRound(nRounds, [&](int) {
    for (int i = 0; i < pBar->GetControlCount(); ++i) nSum += pBar->GetControl(i)->GetSize(pDC).cx;
  });
}

/// Seconds for one layout at `nLength`, committed; `nWidth` gets the width laid out.
double LayOut(CTKCommandBar* pBar, CDC* pDC, int nLength, int nRounds, int& nWidth) {
  return BestSecondsPerRound(nRounds, [&](int) {
    DWORD dwMode = TKLM_HORZDOCK | TKLM_COMMIT;
    nWidth = pBar->GetControls()->CalcBarLayout(pDC, nLength, dwMode, CRect(2, 2, 2, 2), 0).cx;
  });
}

}  // namespace

/// TranslateAccelerator against Win32's (tools/ShortcutBench.cpp).
void RunShortcutBench(int nRounds);
/// A 40-item menu against the system's (tools/PopupMenuBench.cpp).
void RunPopupMenuBench(int nRounds);
/// Laying out a 1,000-item gallery (tools/GalleryBench.cpp).
void RunGalleryBench(int nRounds);
/// Typed completion in a 10,000-item combo box (tools/ComboBoxBench.cpp).
void RunComboBoxBench(int nRounds);
// The themes add the figures of their default theme (themes/tools).
void RunThemedCommandBarsBench(int nRounds);
/// Saving and loading 20 bars through the profiles (tools/LayoutPersistBench.cpp).
void RunLayoutPersistBench(int nRounds);

int main(int argc, char** argv) {
  const int nRounds = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
  TKDpiHelper()->OverrideDpi(96, 96);
  CTestGlobalPaintManager paintManager;
  CDC dc;
  dc.CreateCompatibleDC(NULL);
  CTKCommandBar* pBar = MakeRibbonBar();

  const double dBaseline = MeasureAll(pBar, &dc, nRounds);
  printf("commandbars_bench: %d controls in %d groups, %d rounds, best of 3\n", kControls, kGroups,
         nRounds);
  printf("  baseline: measuring every control once   %9.1f us\n", dBaseline * 1e6);

  DWORD dwMode = TKLM_HORZDOCK;
  const int nFull = pBar->GetControls()->CalcBarLayout(&dc, 0x7FFF, dwMode, CRect(2, 2, 2, 2), 0).cx;
  printf("  column layout, full width %d px down to a quarter:\n", nFull);
  for (int k = 0; k < kLengths; ++k) {
    const int nLength = nFull - (nFull - nFull / 4) * k / (kLengths - 1);
    int nWidth = 0;
    const double dLayout = LayOut(pBar, &dc, nLength, nRounds, nWidth);
    printf("    length %5d px (laid out %5d)  %9.1f us  %6.2f x baseline  %6.2f%% of a 16 ms frame\n",
           nLength, nWidth, dLayout * 1e6, dLayout / dBaseline, dLayout * 1e3 / kFrameMs * 100.0);
  }
  pBar->InternalRelease();
  RunShortcutBench(std::max(1, nRounds / 20));
  RunDockLayoutBench(nRounds);
  RunCommandBarWindowBench(nRounds);
  RunPopupMenuBench(nRounds);
  RunGalleryBench(nRounds);
  RunComboBoxBench(std::max(1, nRounds / 20));
  RunThemedCommandBarsBench(nRounds);
  RunLayoutPersistBench(nRounds);
  return 0;
}
