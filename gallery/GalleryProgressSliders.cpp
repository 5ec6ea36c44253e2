// The themes' progress bars and sliders: every variant across its range, and
// the sliders' buttons and thumb in each state, with and without ticks.
#include <memory>
#include <string>
#include <vector>

#include "Gallery.h"
#include "GalleryCanvas.h"
#include "GalleryScrollBar.h"
#include "GalleryThemeSamples.h"
#include "SupportThemePaintManager.h"
#include "commandbars/TKProgressBase.h"
#include "themes/TKProgressThemes.h"
#include "themes/TKSliderThemes.h"

namespace {

struct SliderState {
  const char* label;
  int nPart;
  BOOL bPressed;
  BOOL bEnabled;
  bool bTicks;
};

const SliderState kSliderStates[] = {
    {"normal", 0, FALSE, TRUE, false},        {"hot minus", 60, FALSE, TRUE, false},
    {"pressed plus", 61, TRUE, TRUE, false},  {"hot thumb", 64, FALSE, TRUE, false},
    {"dragged thumb", 64, TRUE, TRUE, false}, {"ticks", 0, FALSE, TRUE, true},
    {"disabled", 0, FALSE, FALSE, false},
};

const int kLeft = 150;

void DrawProgressRows(CGalleryCanvas& canvas, CTestThemePaintManager& pm, int y) {
  std::unique_ptr<CTKProgressPaintManager> variants[] = {
      std::make_unique<CTKProgressPaintManager>(&pm),
      std::make_unique<CTKProgressResourceTheme>(&pm),
      std::make_unique<CTKProgressThemeOffice2013>(&pm),
      std::make_unique<CTKProgressThemeVisualStudio2015>(&pm)};
  const char* names[] = {"Base", "Resource", "Office 2013", "Visual Studio 2015"};
  for (int i = 0; i < 4; ++i) {
    CTKProgressPaintManager* pProgress = variants[i].get();
    pProgress->RefreshMetrics();
    canvas.Label(10, y + 2, names[i]);
    int x = kLeft;
    for (int nPos : {0, 40, 100}) {
      CGalleryProgress progress(CRect(x, y, x + 120, y + pProgress->m_cyProgress), nPos);
      pProgress->DrawProgress(canvas.GetDC(), &progress);
      x += 130;
    }
    CGalleryProgress narrow(CRect(x, y, x + 30, y + pProgress->m_cyProgress), 50);
    pProgress->DrawProgress(canvas.GetDC(), &narrow);
    y += 28;
  }
}

void DrawSliderRows(CGalleryCanvas& canvas, CTestThemePaintManager& pm, int y) {
  struct Variant {
    const char* name;
    std::unique_ptr<CTKSliderPaintManager> paintManager;
    int nKind;
    COLORREF clrBack;  ///< what the slider stands on
  };
  // The flat sliders' default colours are meant for a dark bar.
  const COLORREF kLight = RGB(255, 255, 255), kDark = RGB(90, 90, 90);
  std::vector<Variant> variants;
  variants.push_back(
      {"Office 2007 System", std::make_unique<CTKSliderThemeOffice2007System>(&pm), 0, kLight});
  variants.push_back({"Resource", std::make_unique<CTKSliderResourceTheme>(&pm), 0, kLight});
  variants.push_back({"Office 2013", std::make_unique<CTKSliderThemeOffice2013>(&pm), 0, kDark});
  variants.push_back(
      {"Office 2013, kind 7", std::make_unique<CTKSliderThemeOffice2013>(&pm), 7, kLight});
  variants.push_back(
      {"Visual Studio 2015", std::make_unique<CTKSliderThemeVisualStudio2015>(&pm), 0, kDark});
  int x = kLeft;
  for (const SliderState& state : kSliderStates) {
    canvas.Label(x, y, state.label);
    x += 130;
  }
  y += 18;
  for (Variant& variant : variants) {
    variant.paintManager->RefreshMetrics();
    canvas.Label(10, y + 4, variant.name);
    x = kLeft;
    for (const SliderState& state : kSliderStates) {
      const int cy = variant.paintManager->m_cyHScroll;
      const CRect rc(x, y, x + 120, y + cy);
      canvas.GetDC()->FillSolidRect(rc, variant.clrBack);
      CGalleryScrollBar slider(variant.paintManager.get(), rc, FALSE, 100, 0, 40, variant.nKind,
                               state.bEnabled);
      slider.SetPart(state.nPart, state.bPressed);
      if (state.bTicks) slider.SetTicks({0, 25, 50, 75, 100});
      variant.paintManager->DrawScrollBar(canvas.GetDC(), &slider);
      x += 130;
    }
    y += 30;
  }
}

}  // namespace

bool DrawProgressSliders(const GalleryContext& context) {
  CTestThemePaintManager pm;
  pm.RefreshMetrics();
  CGalleryCanvas canvas(kLeft + 130 * 7 + 10, 300);
  canvas.Label(10, 4, "Progress bars (" + context.look + "): 0, 40, 100 of 100; 50 in 30 pixels");
  DrawProgressRows(canvas, pm, 24);
  canvas.Label(10, 140, "Sliders (" + context.look + ")");
  DrawSliderRows(canvas, pm, 140);
  return canvas.Save(context.folder + "themes-progress-" + context.look + ".png");
}
