// What translating a key costs the shortcut manager with 200 accelerators,
// against Win32's TranslateAccelerator over the same table (the baseline,
// measured first): a key that runs the table's last accelerator, and a key
// that is none. commandbars_bench runs it after its layouts.
#include <stdio.h>

#include <algorithm>
#include <vector>

#include "BenchClock.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKShortcutManager.h"

namespace {

const int kKeysPerRound = 1000;

/// 50 keys under four sets of modifiers; the plain keys come last, so that
/// the last accelerator is one a key with no modifier held runs.
std::vector<ACCEL> MakeAccelerators() {
  std::vector<WORD> keys;
  for (WORD k = 'A'; k <= 'Z'; ++k) keys.push_back(k);
  for (WORD k = '0'; k <= '9'; ++k) keys.push_back(k);
  for (WORD k = VK_F1; k <= VK_F12; ++k) keys.push_back(k);
  keys.push_back(VK_INSERT);
  keys.push_back(VK_DELETE);
  const BYTE modifiers[] = {FCONTROL, FCONTROL | FSHIFT, FALT, 0};
  std::vector<ACCEL> accels;
  for (BYTE fModifiers : modifiers)
    for (WORD key : keys)
      accels.push_back({static_cast<BYTE>(FVIRTKEY | fModifiers), key,
                        static_cast<WORD>(1000 + accels.size())});
  return accels;
}

/// Seconds per key, best of three.
template <class Translate>
double PerKey(int nRounds, Translate translate) {
  double dBest = 1e9;
  for (int nTry = 0; nTry < 3; ++nTry) {
    const double dStart = BenchSeconds();
    for (int r = 0; r < nRounds; ++r)
      for (int i = 0; i < kKeysPerRound; ++i) translate();
    dBest = std::min(dBest, (BenchSeconds() - dStart) / (static_cast<double>(nRounds) * kKeysPerRound));
  }
  return dBest;
}

}  // namespace

void RunShortcutBench(int nRounds) {
  CFrameWnd* pFrame = new CFrameWnd;
  if (!pFrame->Create(NULL, "shortcut bench")) return;
  CTKCommandBars* pBars = new CTKCommandBars;
  pBars->SetSite(pFrame);
  std::vector<ACCEL> accels = MakeAccelerators();
  HACCEL hAccel = ::CreateAcceleratorTableA(accels.data(), static_cast<int>(accels.size()));
  CTKShortcutManager* pManager = pBars->GetShortcutManager();
  pManager->SetAccelerators(hAccel);

  const HWND hFrame = pFrame->GetSafeHwnd();
  const struct {
    const char* name;
    WPARAM key;
  } cases[] = {{"the last accelerator", VK_DELETE}, {"no accelerator", VK_F24}};
  printf("  TranslateAccelerator, %d accelerators, %d keys a round:\n",
         static_cast<int>(accels.size()), kKeysPerRound);
  for (const auto& c : cases) {
    MSG msg = {hFrame, WM_KEYDOWN, c.key, 0, 0, {0, 0}};
    const double dWin32 = PerKey(nRounds, [&] { ::TranslateAcceleratorA(hFrame, hAccel, &msg); });
    const double dManager = PerKey(nRounds, [&] { pManager->TranslateAccelerator(&msg); });
    printf("    %-22s baseline (Win32) %7.3f us  shortcut manager %7.3f us  %6.2f x baseline\n",
           c.name, dWin32 * 1e6, dManager * 1e6, dManager / dWin32);
  }
  ::DestroyAcceleratorTable(hAccel);
  pBars->InternalRelease();
  pFrame->DestroyWindow();
}
