// The commandbars_bench cases of menus: a 40-item menu opened as a pop-up bar
// and closed by a posted Esc, against the system's own pop-up menu with the
// same items, opened and closed the same way in the same run.
#include <stdio.h>

#include <algorithm>

#include "BenchClock.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"

namespace {

const int kItems = 40;

/// Seconds for one opening and closing, the best of three runs of nRounds.
template <class Track>
double TimeMenu(CWnd* pOwner, int nRounds, Track track) {
  double dBest = 1e9;
  for (int nTry = 0; nTry < 3; ++nTry) {
    const double dStart = BenchSeconds();
    for (int r = 0; r < nRounds; ++r) {
      pOwner->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
      track();
    }
    dBest = std::min(dBest, (BenchSeconds() - dStart) / nRounds);
  }
  return dBest;
}

}  // namespace

void RunPopupMenuBench(int nRounds) {
  CWnd owner;
  if (!owner.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "menus", WS_POPUP, 0, 0, 400, 300,
                      NULL, NULL)) {
    printf("  menus: no window could be made\n");
    return;
  }
  CMenu menu;
  menu.CreatePopupMenu();
  for (int i = 0; i < kItems; ++i) {
    CString strItem;
    strItem.Format("Command &%d", i + 1);
    menu.AppendMenu(MF_STRING, 2000 + i, strItem);
  }
  CTKCommandBars* pCommandBars = new CTKCommandBars;
  pCommandBars->SetSite(&owner);
  pCommandBars->GetCommandBarsOptions()->animationType = 5;  // none

  const int nMenuRounds = std::max(1, nRounds / 10);
  const double dSystem = TimeMenu(&owner, nMenuRounds, [&] {
    ::TrackPopupMenu(menu.GetSafeHmenu(), TPM_RETURNCMD, 100, 100, 0, owner.GetSafeHwnd(), NULL);
  });
  const double dPopupBar = TimeMenu(&owner, nMenuRounds, [&] {
    CTKCommandBars::TrackPopupMenu(&menu, TPM_RETURNCMD, 100, 100, &owner, NULL, NULL,
                                   pCommandBars);
  });
  printf("  a %d-item menu opened and closed by Esc, %d rounds:\n", kItems, nMenuRounds);
  printf("    system menu (baseline)  %9.1f us\n", dSystem * 1e6);
  printf("    pop-up bar              %9.1f us  %6.2f x baseline\n", dPopupBar * 1e6,
         dPopupBar / dSystem);
  pCommandBars->InternalRelease();
  owner.DestroyWindow();
}
