// The bar window's part of commandbars_bench: the idle update of a
// ribbon-sized set of controls against CCmdUI::DoUpdate on the same ids alone,
// and a 30-button bar painted from its kept picture and drawn in full against
// a common-controls tool bar with the same buttons.
#include "CommandBarWindowBench.h"

#include <afxwin.h>
#include <stdio.h>

#include <commctrl.h>

#include "BenchClock.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControls.h"

namespace {

const int kIdleControls = 300;
const int kPaintButtons = 30;
const int kButtonWidth = 24;
const int kButtonHeight = 22;

/// The frame's side of the update: every third id has a handler.
class CUpdateTarget : public CWnd {
 public:
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
    if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI) && pHandlerInfo == nullptr &&
        nID % 3 == 0) {
      static_cast<CCmdUI*>(pExtra)->Enable(TRUE);
      return TRUE;
    }
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  }
};

/// A shown bar window off the screen (the idle update skips hidden bars).
CTKCommandBar* MakeBar(int nControls, CWnd* pOwner) {
  CTKCommandBar* pBar = new CTKCommandBar;
  pBar->SetOwner(pOwner);
  for (int i = 0; i < nControls; ++i) {
    CTKControl* pControl = pBar->GetControls()->AddNew(tkControlButton, 1000 + i);
    pControl->SetRect(CRect(i * kButtonWidth, 0, (i + 1) * kButtonWidth, kButtonHeight));
  }
  pBar->CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "bar", WS_POPUP | WS_VISIBLE, -4000,
                 -4000, nControls * kButtonWidth, kButtonHeight, pOwner->GetSafeHwnd(), NULL);
  return pBar;
}

void BenchIdleUpdate(int nRounds) {
  CUpdateTarget target;
  target.CreateEx(0, AfxRegisterWndClass(0), "target", WS_POPUP, 0, 0, 10, 10, NULL, NULL);
  CTKCommandBar* pBar = MakeBar(kIdleControls, &target);
  const double dBaseline = BestSecondsPerRound(nRounds, [&](int) {
    for (int i = 0; i < kIdleControls; ++i) {
      CCmdUI state;
      state.m_nID = 1000 + i;
      state.DoUpdate(&target, TRUE);
    }
  });
  const double dIdle = BestSecondsPerRound(nRounds, [&](int) { pBar->OnIdleUpdateCmdUI(); });
  printf("  idle update, %d controls:\n", kIdleControls);
  printf("    baseline: CCmdUI::DoUpdate on the ids alone %9.1f us\n", dBaseline * 1e6);
  printf("    the bar's idle update                       %9.1f us  %6.2f x baseline\n",
         dIdle * 1e6, dIdle / dBaseline);
  pBar->DestroyWindow();
  pBar->InternalRelease();
  target.DestroyWindow();
}

/// A common-controls tool bar of `nButtons` plain buttons in `hParent`.
HWND MakeCommonToolBar(HWND hParent, int nButtons) {
  HWND hToolBar = ::CreateWindowExA(
      0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NODIVIDER,
      0, 0, nButtons * kButtonWidth, kButtonHeight, hParent, NULL, NULL, NULL);
  ::SendMessage(hToolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  ::SendMessage(hToolBar, TB_SETBUTTONSIZE, 0, MAKELPARAM(kButtonWidth, kButtonHeight));
  for (int i = 0; i < nButtons; ++i) {
    TBBUTTON button = {};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = 1000 + i;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON;
    ::SendMessage(hToolBar, TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&button));
  }
  return hToolBar;
}

void BenchPaint(int nRounds) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
  CWnd host;
  host.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, -4000,
                -4000, kPaintButtons * kButtonWidth, kButtonHeight * 2, NULL, NULL);
  CTKCommandBar* pBar = MakeBar(kPaintButtons, &host);
  pBar->EnableDoubleBuffer(TRUE);
  HWND hToolBar = MakeCommonToolBar(host.GetSafeHwnd(), kPaintButtons);

  CRect rcClient;
  pBar->GetClientRect(&rcClient);
  CClientDC dcScreen(pBar);
  CDC dc;
  dc.CreateCompatibleDC(&dcScreen);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&dcScreen, rcClient.Width(), rcClient.Height());
  CBitmap* pOld = dc.SelectObject(&bitmap);

  const double dBaseline = BestSecondsPerRound(nRounds, [&](int) {
    ::SendMessage(hToolBar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), PRF_CLIENT);
  });
  CTKCommandBarAnimation* pAnimation = pBar->GetAnimation();
  pAnimation->OnPaint(&dc, rcClient);  // the first paint keeps the picture
  const double dKept = BestSecondsPerRound(nRounds, [&](int) { pAnimation->OnPaint(&dc, rcClient); });
  const double dFull = BestSecondsPerRound(nRounds, [&](int) {
    pAnimation->RedrawRect(NULL, FALSE);
    pAnimation->OnPaint(&dc, rcClient);
  });
  ::GdiFlush();
  printf("  painting a %d-button bar:\n", kPaintButtons);
  printf("    baseline: a common-controls tool bar        %9.1f us\n", dBaseline * 1e6);
  printf("    the bar from its kept picture               %9.1f us  %6.2f x baseline\n",
         dKept * 1e6, dKept / dBaseline);
  printf("    the bar drawn in full                       %9.1f us  %6.2f x baseline\n",
         dFull * 1e6, dFull / dBaseline);
  dc.SelectObject(pOld);
  pBar->DestroyWindow();
  pBar->InternalRelease();
  host.DestroyWindow();
}

}  // namespace

void RunCommandBarWindowBench(int nRounds) {
  BenchIdleUpdate(nRounds);
  BenchPaint(nRounds);
}
