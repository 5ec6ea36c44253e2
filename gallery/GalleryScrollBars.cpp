// Scroll bars: every paint manager in every state, vertical and horizontal.
#include <memory>
#include <string>
#include <vector>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "GalleryScrollBar.h"
#include "common/TKScrollBarThemes.h"

namespace {

/// A bar of the page's range: 0 .. 99 at 30, or all of it within one page
/// for a disabled look.
std::unique_ptr<CGalleryScrollBar> MakeBar(CTKScrollBarPaintManager* pPaintManager,
                                           const CRect& rc, BOOL bVertical, BOOL bEnabled,
                                           int nStyle) {
  return std::make_unique<CGalleryScrollBar>(pPaintManager, rc, bVertical, bEnabled ? 99 : 9, 10,
                                             bEnabled ? 30 : 0, nStyle);
}

struct State {
  const char* label;
  int nPart;
  BOOL bPressed;
  BOOL bEnabled;
};

const State kStates[] = {
    {"normal", 0, FALSE, TRUE},        {"hot arrow", 60, FALSE, TRUE},
    {"pressed arrow", 60, TRUE, TRUE}, {"hot track", 62, FALSE, TRUE},
    {"pressed page", 63, TRUE, TRUE},  {"hot thumb", 64, FALSE, TRUE},
    {"dragged thumb", 64, TRUE, TRUE}, {"disabled", 0, FALSE, FALSE},
};

struct Look {
  const char* label;
  std::unique_ptr<CTKScrollBarPaintManager> paintManager;
  int nStyle;
};

const int kCell = 96;
const int kLength = 150;
const int kLeft = 150;

}  // namespace

bool DrawScrollBarsPage(const GalleryContext& context) {
  std::vector<Look> looks;
  looks.push_back({"Windows", std::make_unique<CTKScrollBarThemeWindowsUx>(), 0});
  looks.push_back({"Resource", std::make_unique<CTKScrollBarThemeResource>(), 0});
  looks.push_back({"Resource, dark", std::make_unique<CTKScrollBarThemeResource>(), 6});
  looks.push_back({"Visual Studio 2012", std::make_unique<CTKScrollBarThemeVisualStudio2012>(), 0});
  looks.push_back(
      {"Visual Studio 2012, dark", std::make_unique<CTKScrollBarThemeVisualStudio2012>(), 9});
  looks.push_back({"Visual Studio 2015", std::make_unique<CTKScrollBarThemeVisualStudio2015>(), 0});
  looks.push_back({"Office 2013", std::make_unique<CTKScrollBarThemeOffice2013>(), 0});

  const int nStates = sizeof(kStates) / sizeof(kStates[0]);
  const int nRowHeight = kLength + 40 + 17 + 20;
  CGalleryCanvas canvas(kLeft + (nStates + 1) * kCell + kLength,
                        40 + (int)looks.size() * nRowHeight);
  canvas.Label(10, 10,
               "Scroll bars of the " + context.look + " look, each paint manager in each state",
               RGB(0, 0, 0));
  for (int s = 0; s < nStates; ++s) canvas.Label(kLeft + s * kCell, 30, kStates[s].label);
  canvas.Label(kLeft + nStates * kCell, 30, "size box");
  int y = 50;
  for (Look& look : looks) {
    look.paintManager->RefreshMetrics();
    canvas.Label(10, y, look.label);
    for (int s = 0; s < nStates; ++s) {
      const State& state = kStates[s];
      int x = kLeft + s * kCell;
      auto vertical = MakeBar(look.paintManager.get(), CRect(x, y, x + 17, y + kLength), TRUE,
                              state.bEnabled, look.nStyle);
      vertical->SetPart(state.nPart, state.bPressed);
      look.paintManager->DrawScrollBar(canvas.GetDC(), vertical.get());
    }
    // The horizontal bars, in one row under the vertical ones.
    for (int s = 0; s < nStates; ++s) {
      const State& state = kStates[s];
      int x = kLeft + s * kCell;
      auto horizontal =
          MakeBar(look.paintManager.get(),
                  CRect(x, y + kLength + 20, x + kCell - 10, y + kLength + 37), FALSE,
                  state.bEnabled, look.nStyle);
      horizontal->SetPart(state.nPart, state.bPressed);
      look.paintManager->DrawScrollBar(canvas.GetDC(), horizontal.get());
    }
    int x = kLeft + nStates * kCell;
    auto sizeBox = MakeBar(look.paintManager.get(), CRect(x, y, x + 17, y + 17), TRUE, TRUE,
                           look.nStyle);
    sizeBox->SetSizeBox(TRUE);
    look.paintManager->DrawScrollBar(canvas.GetDC(), sizeBox.get());
    y += nRowHeight;
  }
  return canvas.Save(context.folder + "scrollbars-" + context.look + ".png");
}
