// Tool bars docked in a frame's four dock bars, drawn through the test paint
// manager: the same bars in a wide frame, and in a narrow one whose row
// shrinks the bars that hide controls and sends one that wraps to a further row.
#include <algorithm>
#include <string>

#include "Gallery.h"
#include "GalleryCommandBarThemes.h"
#include "GalleryCanvas.h"
#include "SupportPaintManager.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKToolBar.h"
#include "common/TKDpiHelper.h"

namespace {

struct DockedBar {
  const char* title;
  int position;
  int buttons;
  DWORD flags;
};

const DockedBar kBars[] = {
    {"Standard", tkBarTop, 12, 0},
    {"Formatting", tkBarTop, 10, TKBARFLAG_MOVABLE | TKBARFLAG_HIDEWRAP},
    {"Web", tkBarTop, 6, TKBARFLAG_MOVABLE},
    {"Drawing", tkBarBottom, 9, TKBARFLAG_MOVABLE | TKBARFLAG_HIDEWRAP},
    {"Tools", tkBarLeft, 6, 0},
    {"Review", tkBarRight, 5, 0},
};
const int kFrameWidths[] = {820, 440};
const int kFrameHeight = 260;
const int kGap = 30;

CRect RectIn(CWnd* pWnd, CWnd* pFrame) {
  CRect rc;
  pWnd->GetWindowRect(&rc);
  pFrame->ScreenToClient(&rc);
  return rc;
}

/// Lays out a frame of `nWidth` with the bars and draws its client area at (x, y).
void DrawFrame(CDC* pDC, int nWidth, int x, int y) {
  CFrameWnd* pFrame = new CFrameWnd;
  // Wide enough at first for the top bars to be dropped side by side.
  pFrame->Create(NULL, "gallery", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1000, kFrameHeight));
  CTKCommandBars* pBars = new CTKCommandBars;
  pBars->SetSite(pFrame);
  pBars->CreateDockBars();
  for (const DockedBar& bar : kBars) {
    CTKToolBar* pBar = pBars->Add(bar.title, bar.position);
    if (bar.flags != 0) pBar->SetFlags(bar.flags);
    for (int i = 0; i < bar.buttons; ++i)
      pBar->GetControls()->AddNew(tkControlButton, 100 + i)->SetBeginGroup(i > 0 && i % 4 == 0);
  }
  pFrame->RecalcLayout();
  // The top bars are dropped side by side into one row, as a user would.
  CTKDockBar* pTop = pBars->GetDockBar(tkBarTop);
  for (int i = 1; i < 3; ++i) {
    CRect rc;
    pBars->GetAt(i - 1)->GetWindowRect(&rc);
    rc.OffsetRect(rc.Width(), 0);
    pTop->DockCommandBar(pBars->GetAt(i), &rc);
    pFrame->RecalcLayout();
  }
  // Then the frame takes its width.
  CRect rcWindow(0, 0, nWidth, kFrameHeight);
  ::AdjustWindowRectEx(&rcWindow, WS_OVERLAPPEDWINDOW, FALSE, 0);
  pFrame->SetWindowPos(NULL, 0, 0, rcWindow.Width(), rcWindow.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  pFrame->RecalcLayout();

  pDC->FillSolidRect(x, y, nWidth, kFrameHeight, RGB(250, 250, 250));
  for (int nSide = 0; nSide < 4; ++nSide) {
    CRect rc = RectIn(pBars->GetDockBar(nSide), pFrame);
    rc.OffsetRect(x, y);
    pDC->FillSolidRect(rc, RGB(214, 224, 240));
  }
  for (int i = 0; i < pBars->GetCount(); ++i) {
    CTKToolBar* pBar = pBars->GetAt(i);
    CRect rc = RectIn(pBar, pFrame);
    const int nSaved = pDC->SaveDC();
    pDC->SetViewportOrg(x + rc.left, y + rc.top);
    pDC->IntersectClipRect(0, 0, rc.Width(), rc.Height());
    pBar->DrawCommandBar(pDC, CRect(0, 0, rc.Width(), rc.Height()));
    pDC->RestoreDC(nSaved);
    pDC->Draw3dRect(x + rc.left, y + rc.top, rc.Width(), rc.Height(), RGB(90, 90, 90),
                    RGB(90, 90, 90));
  }
  pDC->Draw3dRect(x - 1, y - 1, nWidth + 2, kFrameHeight + 2, RGB(40, 40, 40), RGB(40, 40, 40));
  pBars->InternalRelease();
  pFrame->DestroyWindow();
}

}  // namespace

bool DrawDockingPage(const GalleryContext& context) {
  if (context.look != "Silver") return true;
  TKDpiHelper()->OverrideDpi(96, 96);
  CGalleryCommandBarsPaintManager paintManager;
  const int nWidth = *std::max_element(std::begin(kFrameWidths), std::end(kFrameWidths));
  CGalleryCanvas canvas(nWidth + 20, 2 * (kFrameHeight + kGap) + 10);
  int y = 10;
  for (int nFrameWidth : kFrameWidths) {
    canvas.Label(10, y, "a frame " + std::to_string(nFrameWidth) + " px wide");
    DrawFrame(canvas.GetDC(), nFrameWidth, 10, y + 18);
    y += kFrameHeight + kGap;
  }
  return canvas.Save(context.folder + "commandbars-docking.png");
}
