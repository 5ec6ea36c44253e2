// CTKCommandBarsFrameHook: the minimise, maximise, restore and close buttons
// the theme draws in the caption, and their mouse tracking.
#include "commandbars/TKCommandBarsFrameHook.h"

#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPaintManager.h"

CTKCommandBarsFrameHook::CControlCaptionButton::CControlCaptionButton(
    CTKCommandBarsFrameHook* pHook, UINT nCommand, int nHitCode)
    : m_pHook(pHook) {
  m_nId = static_cast<int>(nCommand);
  m_nHelpId = nHitCode;
}

int CTKCommandBarsFrameHook::CControlCaptionButton::GetSelected() const {
  return m_pHook->GetHotButton() == this;
}

BOOL CTKCommandBarsFrameHook::CControlCaptionButton::IsCaptionButtonPressed() const {
  return GetSelected() && m_pHook->IsButtonPressed();
}

void CTKCommandBarsFrameHook::AddCaptionButton(UINT nCommand, int nHitCode) {
  m_pCaptionButtons->AppendControl(new CControlCaptionButton(this, nCommand, nHitCode));
}

void CTKCommandBarsFrameHook::UpdateFrameCaptionButtons() {
  const DWORD dwStyle = GetSiteStyle();
  const DWORD dwExStyle = GetSiteExStyle();
  const BOOL bToolWindow = (dwExStyle & WS_EX_TOOLWINDOW) != 0;
  const BOOL bSysMenu = (dwStyle & WS_SYSMENU) != 0;
  const BOOL bBoxes =
      !bToolWindow && bSysMenu && (dwStyle & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) != 0;
  BOOL bCloseEnabled = TRUE;
  if (bSysMenu && !bToolWindow) {
    HMENU hSysMenu = ::GetSystemMenu(m_hwndSite, FALSE);
    const UINT nState =
        hSysMenu != NULL ? ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND) : 0xFFFFFFFF;
    bCloseEnabled = nState != 0xFFFFFFFF && (nState & (MF_GRAYED | MF_DISABLED)) == 0;
  }
  const BOOL bMinimized = (dwStyle & WS_MINIMIZE) != 0;
  const BOOL bMaximized = (dwStyle & WS_MAXIMIZE) != 0;
  const BOOL bMinBox = (dwStyle & WS_MINIMIZEBOX) != 0;
  const BOOL bMaxBox = (dwStyle & WS_MAXIMIZEBOX) != 0;
  const BOOL bOwnCaption = IsFrameCaptionVisible();

  for (int i = 0; i < m_pCaptionButtons->GetCount(); ++i) {
    CTKControl* pButton = m_pCaptionButtons->GetAt(i);
    BOOL bVisible = FALSE;
    BOOL bEnabled = FALSE;
    switch (pButton->GetID()) {
      case SC_MINIMIZE: bVisible = !bMinimized && bBoxes; bEnabled = bMinBox; break;
      case SC_MAXIMIZE: bVisible = !bMaximized && bBoxes; bEnabled = bMaxBox; break;
      case SC_CLOSE: bVisible = bSysMenu; bEnabled = bCloseEnabled; break;
      case SC_RESTORE:
        // A minimised window restores from the minimise slot.
        pButton->SetHelpId(bMinimized ? HTMINBUTTON : HTMAXBUTTON);
        bVisible = (bMinimized || bMaximized) && bBoxes;
        bEnabled = bMinimized ? bMinBox : bMaxBox;
        break;
    }
    // The bar that draws the caption has buttons of its own.
    pButton->SetVisible(bVisible && bOwnCaption);
    pButton->SetEnabled(bEnabled);
  }

  CTKFramePaintManager* pFrame = GetFramePaintManager();
  if (pFrame == nullptr) return;
  const CRect rcBand = pFrame->CalcCaptionRect(this);
  int nRight = rcBand.right;
  for (int i = 0; i < m_pCaptionButtons->GetCount(); ++i) {
    CTKControl* pButton = m_pCaptionButtons->GetAt(i);
    if (!pButton->IsVisible()) continue;
    const CSize sz = pFrame->GetCaptionButtonSize(pButton->GetID(), this);
    pButton->SetRect(CRect(nRight - sz.cx, rcBand.top, nRight, rcBand.top + sz.cy));
    nRight -= sz.cx;
  }
  pFrame->OnCaptionButtonsLayout(this);
}

CTKControl* CTKCommandBarsFrameHook::HitTestCaptionButton(CPoint ptWindow) const {
  for (int i = 0; i < m_pCaptionButtons->GetCount(); ++i) {
    CTKControl* pButton = m_pCaptionButtons->GetAt(i);
    if (pButton->IsVisible() && pButton->GetRect().PtInRect(ptWindow)) return pButton;
  }
  return nullptr;
}

void CTKCommandBarsFrameHook::SetHotButton(CTKControl* pButton) {
  if (pButton == m_pHotButton) return;
  m_pHotButton = pButton;
  RedrawFrame();
}

void CTKCommandBarsFrameHook::OnHotButtonTimer() {
  // The button stays hot while the mouse is captured (a button is tracked).
  if (::GetCapture() != NULL) return;
  CPoint ptCursor;
  ::GetCursorPos(&ptCursor);
  CTKControl* pButton = HitTestCaptionButton(ScreenToWindow(ptCursor));
  if (pButton != nullptr && pButton->GetEnabled()) return;
  SetHotButton(nullptr);
  TKCommandBarsSystem()->KillTimer(m_hwndSite, kTimerHotButton);
}

void CTKCommandBarsFrameHook::TrackCaptionButton(CTKControl* pButton) {
  HWND hwndSite = m_hwndSite;
  ::SetCapture(hwndSite);
  m_pHotButton = pButton;
  m_bButtonPressed = TRUE;
  RedrawFrame();

  BOOL bReleasedInside = FALSE;
  MSG msg;
  while (::GetCapture() == hwndSite) {
    if (!::GetMessage(&msg, NULL, 0, 0)) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_LBUTTONUP || msg.message == WM_MOUSEMOVE) {
      const CPoint pt = ClientToWindow(CPoint(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))));
      const BOOL bInside = pButton->GetRect().PtInRect(pt);
      if (msg.message == WM_LBUTTONUP) {
        bReleasedInside = bInside;
        break;
      }
      if (bInside != m_bButtonPressed) {
        m_bButtonPressed = bInside;
        RedrawFrame();
      }
      continue;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }

  m_pHotButton = nullptr;
  m_bButtonPressed = FALSE;
  if (::GetCapture() == hwndSite) ::ReleaseCapture();
  RedrawFrame();
  if (bReleasedInside && ::IsWindow(hwndSite))
    ::SendMessage(hwndSite, WM_SYSCOMMAND, static_cast<WPARAM>(pButton->GetID()), 0);
}
