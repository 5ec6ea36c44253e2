// Command-bar layouts drawn through the test paint manager: wrapping at group
// starts, hiding what does not fit, the square floating shape, far-end and
// stretched controls, a vertical bar, the column layout as its bar gets
// shorter, and work-area columns.
#include <algorithm>
#include <functional>
#include <string>

#include "Gallery.h"
#include "GalleryCommandBarThemes.h"
#include "GalleryCanvas.h"
#include "SupportPaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"

namespace {

const CRect kBorders(2, 2, 2, 2);
const int kLabelWidth = 230;
const int kRowGap = 14;

struct LayoutCase {
  const char* label;
  std::function<void(CTKCommandBar*)> fill;
  int nLength;
  DWORD dwMode;
  bool bWorkArea;
};

void AddButtons(CTKCommandBar* pBar, int nCount, std::initializer_list<int> groups = {}) {
  for (int i = 0; i < nCount; ++i) pBar->GetControls()->AddNew(tkControlButton, 100 + i);
  for (int nIndex : groups) pBar->GetControl(nIndex)->SetBeginGroup(TRUE);
}

void FillRibbonGroups(CTKCommandBar* pBar) {
  pBar->SetStyle(pBar->GetStyle() | TKCBRS_SIZECONTROLS);
  AddButtons(pBar, 9, {3, 6});
  CTKImageManager* pImages = new CTKImageManager;
  AddTestIcons(pImages, {100, 101, 102, 103, 104, 105, 106, 107, 108}, 32);
  pBar->SetImageManager(pImages);
}

const int kTenButtonsForEight = 8 * 24 + 2 * 6 + 4 + 5;
const int kRibbonFull = 9 * 40 + 2 * 6 + 4;

const LayoutCase kCases[] = {
    {"10 buttons, 3 groups, room for 8", [](CTKCommandBar* p) { AddButtons(p, 10, {4, 7}); },
     kTenButtonsForEight, TKLM_HORZDOCK, false},
    {"the same, hide mode", [](CTKCommandBar* p) { AddButtons(p, 10, {4, 7}); },
     kTenButtonsForEight, TKLM_HORZDOCK | TKLM_HIDEWRAP, false},
    {"12 floating buttons", [](CTKCommandBar* p) { AddButtons(p, 12); }, 0, TKLM_POPUP, false},
    {"far-end control",
     [](CTKCommandBar* p) {
       AddButtons(p, 5, {4});
       p->GetControl(4)->SetFlags(TKFLAG_RIGHTALIGN);
     },
     360, TKLM_HORZDOCK | TKLM_STRETCH, false},
    {"two stretched controls",
     [](CTKCommandBar* p) {
       AddButtons(p, 5);
       p->GetControl(1)->SetFlags(TKFLAG_STRETCHED);
       p->GetControl(3)->SetFlags(TKFLAG_STRETCHED);
     },
     360, TKLM_HORZDOCK | TKLM_STRETCH, false},
    {"docked left",
     [](CTKCommandBar* p) {
       p->SetBarPosition(tkBarLeft);
       AddButtons(p, 7, {3});
     },
     120, TKLM_VERTDOCK, false},
    {"columns, full width", FillRibbonGroups, kRibbonFull, TKLM_HORZDOCK, false},
    {"columns, shorter", FillRibbonGroups, kRibbonFull - 60, TKLM_HORZDOCK, false},
    {"columns, shorter still", FillRibbonGroups, 3 * 70 + 2 * 6 + 4, TKLM_HORZDOCK, false},
    {"columns, shortest", FillRibbonGroups, 70 + 2 * 24 + 2 * 6 + 4, TKLM_HORZDOCK, false},
    {"work-area columns", [](CTKCommandBar* p) { AddButtons(p, 8, {3, 6}); }, 3 * 22 + 4, 0,
     true},
};

/// Lays the case out; its bar size.
CSize LayOut(CTKCommandBar* pBar, CDC* pDC, const LayoutCase& layoutCase) {
  if (layoutCase.bWorkArea) {
    pBar->SetBarPosition(tkBarPopup);
    return pBar->GetControls()->CalcWorkAreaLayout(pDC, layoutCase.nLength, 0, kBorders);
  }
  DWORD dwMode = layoutCase.dwMode | TKLM_COMMIT;
  return pBar->GetControls()->CalcBarLayout(pDC, layoutCase.nLength, dwMode, kBorders, 0);
}

}  // namespace

void DrawFramedCommandBar(CDC* pDC, CTKCommandBar* pBar, CSize sz, int x, int y) {
  const int nSaved = pDC->SaveDC();
  pDC->SetViewportOrg(x, y);
  pDC->IntersectClipRect(0, 0, sz.cx, sz.cy);
  pBar->DrawCommandBar(pDC, CRect(0, 0, sz.cx, sz.cy));
  pDC->RestoreDC(nSaved);
  pDC->Draw3dRect(x - 1, y - 1, sz.cx + 2, sz.cy + 2, RGB(90, 90, 90), RGB(90, 90, 90));
}

bool DrawCommandBarsPage(const GalleryContext& context) {
  // The test paint manager does not follow the look; one sheet is enough.
  if (context.look != "Silver") return true;
  TKDpiHelper()->OverrideDpi(96, 96);
  CGalleryCommandBarsPaintManager paintManager;
  const int nCount = static_cast<int>(sizeof(kCases) / sizeof(kCases[0]));
  std::vector<CTKCommandBar*> bars;
  std::vector<CSize> sizes;
  CGalleryCanvas measure(1, 1);
  int nHeight = 10;
  int nWidth = 0;
  for (const LayoutCase& layoutCase : kCases) {
    CTKCommandBar* pBar = new CTKCommandBar;
    layoutCase.fill(pBar);
    const CSize sz = LayOut(pBar, measure.GetDC(), layoutCase);
    bars.push_back(pBar);
    sizes.push_back(sz);
    nHeight += std::max<int>(sz.cy, 16) + kRowGap;
    nWidth = std::max<int>(nWidth, sz.cx);
  }
  CGalleryCanvas canvas(kLabelWidth + nWidth + 20, nHeight);
  int y = 10;
  for (int i = 0; i < nCount; ++i) {
    canvas.Label(6, y, kCases[i].label);
    DrawFramedCommandBar(canvas.GetDC(), bars[i], sizes[i], kLabelWidth, y);
    y += std::max<int>(sizes[i].cy, 16) + kRowGap;
    bars[i]->InternalRelease();
  }
  return canvas.Save(context.folder + "commandbars-layout.png");
}
