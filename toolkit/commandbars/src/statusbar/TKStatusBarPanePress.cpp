// CTKStatusBarPane: the press of a button pane, tracked in a loop of its own
// under mouse capture until the button is released.
#include "commandbars/TKStatusBar.h"
#include "commandbars/TKStatusBarPane.h"
#include "common/TKRefPtr.h"

void CTKStatusBarPane::OnLButtonDown(CPoint) {
  if (!m_bButton || m_pStatusBar == nullptr || m_pStatusBar->GetSafeHwnd() == NULL) return;
  // A command sent on the click may remove the pane from the bar.
  CTKRefPtr<CTKStatusBarPane, CTKInternalRefTraits> self(this);
  CTKStatusBar* pBar = m_pStatusBar;
  if (TrackPress() && m_pStatusBar == pBar) pBar->OnPaneClick(this);
}

BOOL CTKStatusBarPane::TrackPress() {
  const HWND hWndBar = m_pStatusBar->GetSafeHwnd();
  m_bPressed = TRUE;
  Redraw();
  ::SetCapture(hWndBar);

  BOOL bClicked = FALSE;
  MSG msg;
  while (::IsWindow(hWndBar) && ::GetCapture() == hWndBar) {
    const BOOL bGot = ::GetMessage(&msg, NULL, 0, 0);
    if (bGot == -1) break;
    if (!bGot) {
      // The quit belongs to the loop that called us: put it back.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_CANCELMODE || msg.message == WM_RBUTTONDOWN) break;
    if (msg.message == WM_KEYDOWN) {
      if (msg.wParam == VK_ESCAPE) break;
      continue;
    }
    if (msg.message == WM_LBUTTONUP) {
      bClicked = m_bPressed;
      break;
    }
    if (msg.message == WM_MOUSEMOVE) {
      const CPoint pt(static_cast<short>(LOWORD(msg.lParam)),
                      static_cast<short>(HIWORD(msg.lParam)));
      const BOOL bInside = m_rcPane.PtInRect(pt);
      if (bInside != m_bPressed) {
        m_bPressed = bInside;
        Redraw();
      }
      continue;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }

  if (::GetCapture() == hWndBar) ::ReleaseCapture();
  m_bPressed = FALSE;
  Redraw();
  return bClicked;
}
