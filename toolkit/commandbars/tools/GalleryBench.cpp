// The gallery's share of commandbars_bench: laying out a gallery of 1,000
// items under 20 labels, against asking each item its size once (the
// baseline, measured first in the same run).
#include <stdio.h>

#include <algorithm>

#include "BenchClock.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlAction.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKControls.h"

namespace {

const int kItems = 1000;
const int kItemsPerLabel = 50;

/// Seconds per round of `run`, best of 3.
template <class Run>
double Best(int nRounds, Run run) {
  double dBest = 1e9;
  for (int nTry = 0; nTry < 3; ++nTry) {
    const double dStart = BenchSeconds();
    for (int r = 0; r < nRounds; ++r) run();
    dBest = std::min(dBest, (BenchSeconds() - dStart) / nRounds);
  }
  return dBest;
}

}  // namespace

void RunGalleryBench(int nRounds) {
  CTKCommandBar* pBar = new CTKCommandBar;
  CTKControlGalleryItems* pItems = new CTKControlGalleryItems;
  pItems->SetItemSize(CSize(40, 40));
  for (int i = 0; i < kItems; ++i) {
    if (i % kItemsPerLabel == 0) pItems->AddLabel("Group");
    pItems->AddItem(2000 + i, "Item");
  }
  CTKControlAction* pAction = new CTKControlAction(nullptr);
  CTKControlGallery* pGallery = new CTKControlGallery;
  pBar->GetControls()->AppendControl(pGallery);
  pGallery->SetAction(pAction);
  pGallery->SetShowScrollBar(FALSE);
  pGallery->SetRect(CRect(0, 0, 400, 300));
  pAction->SetGalleryItems(pItems);

  volatile LONG nSum = 0;
  const double dBaseline = Best(nRounds, [&] {
    for (int i = 0; i < pItems->GetItemCount(); ++i) nSum += pItems->GetItem(i)->GetSize().cx;
  });
  const double dLayout = Best(nRounds, [&] { pGallery->RecalcLayout(); });
  printf("  gallery of %d items under %d labels:\n", kItems, kItems / kItemsPerLabel);
  printf("    baseline: each item's size once    %9.1f us\n", dBaseline * 1e6);
  printf("    laying the gallery out             %9.1f us  %6.2f x baseline\n", dLayout * 1e6,
         dLayout / dBaseline);

  pBar->InternalRelease();
  pAction->InternalRelease();
  pItems->InternalRelease();
}
