// The bar window drawn through the test paint manager: its hot control by
// each selection reason, a pressed control, and customise mode with the
// selected control framed and the insert mark of a drop, across and down.
#include <functional>
#include <string>
#include <vector>

#include "Gallery.h"
#include "GalleryCommandBarThemes.h"
#include "GalleryCanvas.h"
#include "SupportPaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"

namespace {

const CRect kBorders(2, 2, 2, 2);
const int kLabelWidth = 250;
const int kRowGap = 14;
const int kButtons = 6;

struct BarCase {
  const char* label;
  int nPosition;
  /// Puts the bar (live window, laid out) into the state to show.
  std::function<void(CTKCommandBar*, CTKCommandBars*)> prepare;
};

void DragOver(CTKCommandBar* pBar, CTKCommandBars* pCommandBars, CPoint point) {
  pCommandBars->SetCustomizeMode(TRUE);
  pCommandBars->SetDragControl(pBar->GetControl(1));
  CTKControl* pDragged = new CTKControl;
  pBar->OnCustomizeDragOver(pDragged, point);
  pDragged->InternalRelease();
}

const BarCase kCases[] = {
    {"nothing hot", tkBarTop, [](CTKCommandBar*, CTKCommandBars*) {}},
    {"hot by the mouse (state 1)", tkBarTop,
     [](CTKCommandBar* p, CTKCommandBars*) { p->SetSelected(1, 0); }},
    {"hot by the keyboard (state 2)", tkBarTop,
     [](CTKCommandBar* p, CTKCommandBars*) { p->SetSelected(2, 2); }},
    {"keyboard, backwards (state 3)", tkBarTop,
     [](CTKCommandBar* p, CTKCommandBars*) { p->SetSelected(4, 3); }},
    {"pressed", tkBarTop,
     [](CTKCommandBar* p, CTKCommandBars*) {
       p->SetSelected(1, 0);
       p->GetControl(1)->SetPressed(TRUE);
     }},
    {"customise: framed, mark before the 4th", tkBarTop,
     [](CTKCommandBar* p, CTKCommandBars* pBars) {
       const CRect rc = p->GetControl(3)->GetRect();
       DragOver(p, pBars, CPoint(rc.left + 2, rc.CenterPoint().y));
     }},
    {"customise: mark ending a group", tkBarTop,
     [](CTKCommandBar* p, CTKCommandBars* pBars) {
       const CRect rc = p->GetControl(2)->GetRect();
       DragOver(p, pBars, CPoint(rc.right - 2, rc.CenterPoint().y));
     }},
    {"customise: docked left, mark after the 1st", tkBarLeft,
     [](CTKCommandBar* p, CTKCommandBars* pBars) {
       const CRect rc = p->GetControl(0)->GetRect();
       DragOver(p, pBars, CPoint(rc.CenterPoint().x, rc.bottom - 2));
     }},
};

/// A live bar window of six buttons (a group from the fourth), laid out.
CTKCommandBar* MakeBar(const BarCase& barCase, CTKCommandBars* pCommandBars, CDC* pDC, CSize& sz) {
  CTKCommandBar* pBar = new CTKCommandBar;
  pBar->SetCommandBars(pCommandBars);
  pBar->SetBarPosition(barCase.nPosition);
  for (int i = 0; i < kButtons; ++i) pBar->GetControls()->AddNew(tkControlButton, 100 + i);
  pBar->GetControl(3)->SetBeginGroup(TRUE);
  const BOOL bVertical = IsVerticalBarPosition(barCase.nPosition);
  DWORD dwMode = (bVertical ? TKLM_VERTDOCK : TKLM_HORZDOCK) | TKLM_COMMIT;
  sz = pBar->GetControls()->CalcBarLayout(pDC, bVertical ? 400 : 600, dwMode, kBorders, 0);
  // Off the screen: drops are taken by shown bars only.
  pBar->CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "bar", WS_POPUP | WS_VISIBLE, -4000,
                 -4000, sz.cx, sz.cy, NULL, NULL);
  return pBar;
}

}  // namespace

bool DrawCommandBarWindowPage(const GalleryContext& context) {
  // The test paint manager does not follow the look; one sheet is enough.
  if (context.look != "Silver") return true;
  TKDpiHelper()->OverrideDpi(96, 96);
  CGalleryCommandBarsPaintManager paintManager;
  CGalleryCanvas measure(1, 1);
  struct Shown {
    CTKCommandBars* pCommandBars;
    CTKCommandBar* pBar;
    CSize sz;
  };
  std::vector<Shown> shown;
  int nHeight = 10;
  int nWidth = 0;
  for (const BarCase& barCase : kCases) {
    Shown bar = {new CTKCommandBars, nullptr, CSize(0, 0)};
    bar.pBar = MakeBar(barCase, bar.pCommandBars, measure.GetDC(), bar.sz);
    barCase.prepare(bar.pBar, bar.pCommandBars);
    shown.push_back(bar);
    nHeight += std::max<int>(bar.sz.cy, 16) + kRowGap;
    nWidth = std::max<int>(nWidth, bar.sz.cx);
  }
  CGalleryCanvas canvas(kLabelWidth + nWidth + 20, nHeight);
  int y = 10;
  for (size_t i = 0; i < shown.size(); ++i) {
    canvas.Label(6, y, kCases[i].label);
    DrawFramedCommandBar(canvas.GetDC(), shown[i].pBar, shown[i].sz, kLabelWidth, y);
    y += std::max<int>(shown[i].sz.cy, 16) + kRowGap;
    shown[i].pCommandBars->SetCustomizeMode(FALSE);
    shown[i].pBar->DestroyWindow();
    shown[i].pBar->InternalRelease();
    shown[i].pCommandBars->InternalRelease();
  }
  return canvas.Save(context.folder + "commandbars-toolbar.png");
}
