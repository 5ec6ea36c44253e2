// The theme's frame drawn by the command bars' test frame theme, in the states
// of its window and buttons and with a status bar showing a markup pane, and a
// menu of placeholders, links, boxes and the selector laid out as a bar.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Gallery.h"
#include "GalleryCommandBarThemes.h"
#include "GalleryCanvas.h"
#include "SupportPaintManager.h"
#include "SupportThemePaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKControlLabels.h"
#include "commandbars/TKControlLists.h"
#include "commandbars/TKControlSelector.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKStatusBar.h"
#include "commandbars/TKStatusBarPane.h"
#include "common/TKDpiHelper.h"
#include "common/TKRefPtr.h"

namespace {

const CSize kFrameSize(300, 110);
const int kLabelHeight = 18;
const int kGap = 14;

/// The status bar of the frame that has one. Its command bars of its own give
/// it the themes' status-bar look, which draws markup panes through the
/// markup engine; the frame keeps the test frame theme.
struct GalleryStatusBar {
  CTKRefPtr<CTKCommandBars, CTKInternalRefTraits> pBars;  // outlives the bar
  CTKStatusBar bar;
};
std::unique_ptr<GalleryStatusBar> g_pStatusBar;

void AddMarkupStatusBar(CWnd* pFrame) {
  g_pStatusBar.reset(new GalleryStatusBar);
  g_pStatusBar->pBars = CTKRefPtr<CTKCommandBars, CTKInternalRefTraits>::Adopt(new CTKCommandBars);
  g_pStatusBar->pBars->SetPaintManager(new CTestThemePaintManager);
  CTKStatusBar& bar = g_pStatusBar->bar;
  bar.SetCommandBars(g_pStatusBar->pBars.Get());
  bar.Create(pFrame);
  const UINT ids[] = {0, 0};
  bar.SetIndicators(ids, 2);
  bar.EnableMarkup();
  bar.GetPane(0)->SetText("Ready");
  bar.GetPane(1)->SetText("<TextBlock>Step <Bold>3</Bold> of 12</TextBlock>");
  CRect rc;
  pFrame->GetClientRect(&rc);
  bar.MoveWindow(0, rc.bottom - 22, rc.right, 22);
}

const GalleryFrameCase kFrames[] = {
    {"active", WS_OVERLAPPEDWINDOW, 0, true, 0},
    {"inactive", WS_OVERLAPPEDWINDOW, 0, false, 0},
    {"close button hot", WS_OVERLAPPEDWINDOW, 0, true, SC_CLOSE},
    {"no maximise box", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, 0, true, 0},
    {"tool window", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, true, 0},
    {"no system menu", WS_OVERLAPPEDWINDOW & ~WS_SYSMENU, 0, true, 0},
    {"status bar with a markup pane", WS_OVERLAPPEDWINDOW, 0, true, 0, AddMarkupStatusBar},
};

/// A menu's own kinds of controls: labels, numbered window and file items, a
/// hyperlink, check boxes and the table selector.
CTKCommandBar* MakeMenuControlsBar() {
  CTKCommandBar* pBar = new CTKCommandBar;
  pBar->SetType(tkBarTypePopup);
  pBar->SetBarPosition(tkBarPopup);
  CTKControls* pControls = pBar->GetControls();
  CTKControlLabel* pLabel = new CTKControlLabel;
  pControls->Add(pLabel, 800);
  pLabel->SetCaption("Windows");
  const char* windows[] = {"R&D build.velm", "nightly.velm"};
  for (int i = 0; i < 2; ++i) {
    CTKControl* pItem = pControls->AddNew(tkControlButton, 0xFF00 + i);
    pItem->SetCaption(FormatMnemonicCaption(windows[i], i + 1));
    pItem->SetChecked(i == 1);
  }
  CTKControlHyperlink* pLink = new CTKControlHyperlink;
  pControls->Add(pLink, 801);
  pLink->SetCaption("Release notes");
  CTKControlCheckBox* pCheck = new CTKControlCheckBox;
  pControls->Add(pCheck, 802);
  pCheck->SetCaption("Pause");
  pCheck->SetChecked(TRUE);
  CTKControlSelector* pSelector = new CTKControlSelector;
  pControls->Add(pSelector, 803);
  pSelector->SetBeginGroup(TRUE);
  pSelector->OnCalcDynamicSize(0);
  return pBar;
}

}  // namespace

void DrawGalleryFrame(CDC* pDC, const GalleryFrameCase& frameCase, CTKPaintManager* pPaintManager,
                      CSize szFrame, int x, int y) {
  CWnd frame;
  frame.CreateEx(frameCase.dwExStyle, AfxRegisterWndClass(0, NULL, ::GetSysColorBrush(COLOR_WINDOW)),
                 "Velmoran - R&D build.velm", frameCase.dwStyle, 0, 0, szFrame.cx, szFrame.cy,
                 NULL, NULL);
  CTKCommandBars* pBars = new CTKCommandBars;
  pBars->SetPaintManager(pPaintManager);
  pBars->SetSite(&frame);
  if (frameCase.pfnPrepare != nullptr) frameCase.pfnPrepare(&frame);
  pBars->EnableFrameTheme(TRUE);
  CTKCommandBarsFrameHook* pHook = pBars->GetFrameHook();
  frame.ShowWindow(SW_SHOWNOACTIVATE);
  frame.SendMessage(WM_NCACTIVATE, frameCase.bActive);
  if (frameCase.nHotButton != 0) {
    pHook->UpdateFrameCaptionButtons();
    CTKControl* pButton =
        pHook->GetCaptionButtons()->FindControlById(static_cast<int>(frameCase.nHotButton));
    CRect rcWindow;
    frame.GetWindowRect(&rcWindow);
    const CPoint pt = rcWindow.TopLeft() + pButton->GetRect().CenterPoint();
    frame.SendMessage(WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(pt.x, pt.y));
  }
  const int nSaved = pDC->SaveDC();
  pDC->SetViewportOrg(x, y);
  // The window's region cuts its shape on screen; printing ignores it.
  CRgn clip;
  clip.CreateRectRgn(0, 0, szFrame.cx, szFrame.cy);
  if (::GetWindowRgn(frame.m_hWnd, clip) == ERROR) clip.SetRectRgn(0, 0, szFrame.cx, szFrame.cy);
  clip.OffsetRgn(x, y);
  pDC->SelectClipRgn(&clip, RGN_AND);
  frame.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()),
                    PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
  // Wine's printing leaves the children out: each shown one (a status bar)
  // is printed at its place in the window.
  CRect rcWindow;
  frame.GetWindowRect(&rcWindow);
  for (CWnd* pChild = frame.GetWindow(GW_CHILD); pChild != nullptr;
       pChild = pChild->GetWindow(GW_HWNDNEXT)) {
    if (!pChild->IsWindowVisible()) continue;
    CRect rcChild;
    pChild->GetWindowRect(&rcChild);
    const int nChild = pDC->SaveDC();
    pDC->SetViewportOrg(x + rcChild.left - rcWindow.left, y + rcChild.top - rcWindow.top);
    pChild->SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()),
                        PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    pDC->RestoreDC(nChild);
  }
  pDC->RestoreDC(nSaved);
  pBars->InternalRelease();
  frame.DestroyWindow();
}

bool DrawCommandBarsFramePage(const GalleryContext& context) {
  // The test frame theme does not follow the look; one sheet is enough.
  if (context.look != "Silver") return true;
  TKDpiHelper()->OverrideDpi(96, 96);
  CGalleryCommandBarsPaintManager paintManager;

  CTKCommandBar* pBar = MakeMenuControlsBar();
  CGalleryCanvas measure(1, 1);
  DWORD dwMode = TKLM_POPUP | TKLM_COMMIT;
  const CSize szBar =
      pBar->GetControls()->CalcBarLayout(measure.GetDC(), 0, dwMode, CRect(2, 2, 2, 2), 0);
  // Three cells by two, as under the mouse.
  if (CTKControlSelector* pSelector =
          DYNAMIC_DOWNCAST(CTKControlSelector, pBar->GetControls()->FindControlById(803))) {
    const CRect rc = pSelector->GetRect();
    const CSize szItem = pSelector->GetItemSize();
    pSelector->OnMouseMove(rc.TopLeft() + CSize(2 * szItem.cx + 4, szItem.cy + 4));
  }

  const int nColumns = 2;
  const int nRows = static_cast<int>((sizeof(kFrames) / sizeof(kFrames[0]) + 1) / nColumns);
  const int nCell = kFrameSize.cy + kLabelHeight + kGap;
  const int nWidth = std::max<int>(nColumns * (kFrameSize.cx + kGap) + kGap, szBar.cx + 2 * kGap);
  CGalleryCanvas canvas(nWidth, kGap + nRows * nCell + kLabelHeight + szBar.cy + kGap);
  int i = 0;
  for (const GalleryFrameCase& frameCase : kFrames) {
    const int x = kGap + (i % nColumns) * (kFrameSize.cx + kGap);
    const int y = kGap + (i / nColumns) * nCell;
    canvas.Label(x, y, frameCase.label);
    DrawGalleryFrame(canvas.GetDC(), frameCase, new CTestFramedPaintManager, kFrameSize, x,
                     y + kLabelHeight);
    ++i;
  }
  g_pStatusBar.reset();
  const int yBar = kGap + nRows * nCell;
  canvas.Label(kGap, yBar, "controls of a menu");
  CDC* pDC = canvas.GetDC();
  const int nSaved = pDC->SaveDC();
  pDC->SetViewportOrg(kGap, yBar + kLabelHeight);
  pDC->IntersectClipRect(0, 0, szBar.cx, szBar.cy);
  pBar->DrawCommandBar(pDC, CRect(0, 0, szBar.cx, szBar.cy));
  pDC->RestoreDC(nSaved);
  pBar->InternalRelease();
  return canvas.Save(context.folder + "commandbars-frame.png");
}
