// Tool bars docked in a frame's four dock bars, drawn through the test paint
// manager: the same bars in a wide frame, and in a narrow one whose row
// shrinks the bars that hide controls and sends one that wraps to a further row;
// then a frame with a floating bar over its client and a dialog bar docked
// beside its right-hand bar.
#include <algorithm>
#include <iterator>
#include <string>

#include "Gallery.h"
#include "GalleryCommandBarThemes.h"
#include "GalleryCanvas.h"
#include "SupportPaintManager.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKDialogBar.h"
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

/// A hidden frame with its command bars and the bars of kBars, the top ones
/// dropped side by side into one row, as a user would.
CTKCommandBars* MakeFrame(CFrameWnd* pFrame) {
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
  CTKDockBar* pTop = pBars->GetDockBar(tkBarTop);
  for (int i = 1; i < 3; ++i) {
    CRect rc;
    pBars->GetAt(i - 1)->GetWindowRect(&rc);
    rc.OffsetRect(rc.Width(), 0);
    pTop->DockCommandBar(pBars->GetAt(i), &rc);
    pFrame->RecalcLayout();
  }
  return pBars;
}

/// Gives the frame a client area of `nWidth` by `nHeight` and lays it out.
void SizeFrame(CFrameWnd* pFrame, int nWidth, int nHeight) {
  CRect rcWindow(0, 0, nWidth, nHeight);
  ::AdjustWindowRectEx(&rcWindow, WS_OVERLAPPEDWINDOW, FALSE, 0);
  pFrame->SetWindowPos(NULL, 0, 0, rcWindow.Width(), rcWindow.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  pFrame->RecalcLayout();
}

/// The frame's client and dock bars at (x, y).
void DrawFrameBackground(CDC* pDC, CFrameWnd* pFrame, CTKCommandBars* pBars, int x, int y,
                         CSize szClient) {
  pDC->FillSolidRect(x, y, szClient.cx, szClient.cy, RGB(250, 250, 250));
  for (int nSide = 0; nSide < 4; ++nSide) {
    CRect rc = RectIn(pBars->GetDockBar(nSide), pFrame);
    rc.OffsetRect(x, y);
    pDC->FillSolidRect(rc, RGB(214, 224, 240));
  }
}

/// One bar where it stands in the frame whose client is drawn at (x, y).
void DrawBar(CDC* pDC, CTKToolBar* pBar, CFrameWnd* pFrame, int x, int y) {
  CRect rc = RectIn(pBar, pFrame);
  const int nSaved = pDC->SaveDC();
  pDC->SetViewportOrg(x + rc.left, y + rc.top);
  pDC->IntersectClipRect(0, 0, rc.Width(), rc.Height());
  pBar->DrawCommandBar(pDC, CRect(0, 0, rc.Width(), rc.Height()));
  pDC->RestoreDC(nSaved);
  pDC->Draw3dRect(x + rc.left, y + rc.top, rc.Width(), rc.Height(), RGB(90, 90, 90),
                  RGB(90, 90, 90));
}

/// The window a dialog bar hosts, printed where it stands.
void DrawHostedChild(CDC* pDC, CWnd* pChild, CFrameWnd* pFrame, int x, int y) {
  const CRect rc = RectIn(pChild, pFrame);
  const int nSaved = pDC->SaveDC();
  pDC->SetViewportOrg(x + rc.left, y + rc.top);
  pDC->IntersectClipRect(0, 0, rc.Width(), rc.Height());
  pChild->SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()),
                      PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
  pDC->RestoreDC(nSaved);
}

/// Lays out a frame of `nWidth` with the bars and draws its client area at (x, y).
void DrawFrame(CDC* pDC, int nWidth, int x, int y) {
  CFrameWnd* pFrame = new CFrameWnd;
  CTKCommandBars* pBars = MakeFrame(pFrame);
  SizeFrame(pFrame, nWidth, kFrameHeight);
  DrawFrameBackground(pDC, pFrame, pBars, x, y, CSize(nWidth, kFrameHeight));
  for (int i = 0; i < pBars->GetCount(); ++i) DrawBar(pDC, pBars->GetAt(i), pFrame, x, y);
  pDC->Draw3dRect(x - 1, y - 1, nWidth + 2, kFrameHeight + 2, RGB(40, 40, 40), RGB(40, 40, 40));
  pBars->InternalRelease();
  pFrame->DestroyWindow();
}

/// The bars of kBars with "Web" floating over the client and a dialog bar,
/// hosting a list, docked right of "Review".
void DrawFrameWithFloatingBars(CDC* pDC, int nWidth, int x, int y) {
  CFrameWnd* pFrame = new CFrameWnd;
  CTKCommandBars* pBars = MakeFrame(pFrame);
  auto* pDialogBar =
      static_cast<CTKDialogBar*>(pBars->Add("Properties", tkBarRight, RUNTIME_CLASS(CTKDialogBar)));
  CListBox list;
  list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10),
              pDialogBar, 1);
  for (const char* pszItem : {"Name", "Command", "Folder", "Timeout"}) list.AddString(pszItem);
  pDialogBar->SetChild(&list);
  pDialogBar->SetDialogBarClientSizes(CSize(140, 120), CSize(140, 120));
  pDialogBar->GetCaptionPopupBar()->GetControls()->AddNew(tkControlButton, 1)->SetCaption("Float");
  CTKToolBar* pFloating = pBars->GetAt(2);
  pBars->FloatCommandBar(pFloating);
  SizeFrame(pFrame, nWidth, kFrameHeight);
  CRect rcClient;
  pFrame->GetClientRect(&rcClient);
  pFrame->ClientToScreen(&rcClient);
  const CSize szFloating = pFloating->CalcDynamicLayout(0, LM_HORZ | LM_COMMIT);
  pFloating->SetWindowPos(NULL, rcClient.left + 260, rcClient.top + 90, szFloating.cx,
                          szFloating.cy, SWP_NOZORDER | SWP_NOACTIVATE);

  DrawFrameBackground(pDC, pFrame, pBars, x, y, CSize(nWidth, kFrameHeight));
  for (int i = 0; i < pBars->GetCount(); ++i) DrawBar(pDC, pBars->GetAt(i), pFrame, x, y);
  DrawHostedChild(pDC, &list, pFrame, x, y);
  pDC->Draw3dRect(x - 1, y - 1, nWidth + 2, kFrameHeight + 2, RGB(40, 40, 40), RGB(40, 40, 40));
  pDialogBar->SetChild(nullptr);
  list.DestroyWindow();
  pBars->InternalRelease();
  pFrame->DestroyWindow();
}

}  // namespace

bool DrawDockingPage(const GalleryContext& context) {
  if (context.look != "Silver") return true;
  TKDpiHelper()->OverrideDpi(96, 96);
  CGalleryCommandBarsPaintManager paintManager;
  const int nWidth = *std::max_element(std::begin(kFrameWidths), std::end(kFrameWidths));
  const int nFrames = static_cast<int>(std::size(kFrameWidths)) + 1;
  CGalleryCanvas canvas(nWidth + 20, nFrames * (kFrameHeight + kGap) + 10);
  int y = 10;
  for (int nFrameWidth : kFrameWidths) {
    canvas.Label(10, y, "a frame " + std::to_string(nFrameWidth) + " px wide");
    DrawFrame(canvas.GetDC(), nFrameWidth, 10, y + 18);
    y += kFrameHeight + kGap;
  }
  canvas.Label(10, y, "a floating bar and a dialog bar");
  DrawFrameWithFloatingBars(canvas.GetDC(), nWidth, 10, y + 18);
  return canvas.Save(context.folder + "commandbars-docking.png");
}
