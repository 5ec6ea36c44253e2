// The command bars' benchmark in the default theme: its tool-bar painting and
// its menu opening once more, drawn by the Office 2000 theme instead of the
// test paint manager, so that the two sets of figures stand side by side.
#include <stdio.h>

#include "CommandBarWindowBench.h"
#include "themes/TKPaintManagerBase.h"

void RunPopupMenuBench(int nRounds);

void RunThemedCommandBarsBench(int nRounds) {
  // The holder the benchmark keeps on the test paint manager carries over
  // to the theme and lets it go at the end.
  CTKPaintManagerBase::ApplyThemeById(10);
  printf("  in the Office 2000 theme:\n");
  RunCommandBarWindowBench(nRounds);
  RunPopupMenuBench(nRounds);
}
