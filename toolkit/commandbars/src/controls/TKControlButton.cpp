// CTKControlButton: a click, a release on a menu, and the press loop that
// repeats the command while the mouse button is held.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "common/TKRefPtr.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlButton, CTKControl)

CTKControlButton::CTKControlButton() { m_controlType = tkControlButton; }

void CTKControlButton::OnClick(BOOL bKeyboard, CPoint pt) {
  if (!GetEnabled()) return;
  if (OnCustomizeClick(pt)) return;
  if (bKeyboard) {
    OnExecute();
    return;
  }
  if (m_pParent == nullptr) return;
  // On a menu the release runs the command, unless the button repeats.
  if (m_pParent->GetType() != tkBarTypePopup || m_nExecuteOnPressInterval > 0)
    TrackExecuteOnPress(CRect(0, 0, 0, 0));
}

void CTKControlButton::OnLButtonUp(CPoint) {
  if (m_pParent == nullptr || !GetEnabled()) return;
  if (m_pParent->GetType() == tkBarTypePopup || m_pParent->GetPosition() == tkBarPopup)
    OnExecute();
}

void CTKControlButton::SendPressCommand(CWnd* pSite) {
  NMTKCONTROL record;
  if (NotifySiteWnd(pSite, TKN_EXECUTE, &record) == 0 && pSite != nullptr &&
      pSite->GetSafeHwnd() != NULL)
    pSite->SendMessage(WM_COMMAND, static_cast<WPARAM>(m_nId), 0);
}

void CTKControlButton::TrackExecuteOnPress(CRect rc) {
  if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL) return;
  if (rc.IsRectEmpty()) rc = m_rcControl;
  // A command handler may remove the button; it lives until the loop ends.
  CTKRefPtr<CTKControl, CTKInternalRefTraits> keepAlive(this);
  CTKCommandBar* pBar = m_pParent;
  pBar->SetPopuped(-1);
  pBar->SetSelected(m_nIndex, 0);
  m_bPressed = 1;
  RedrawParent(TRUE);

  const BOOL bRepeat = m_nExecuteOnPressInterval > 0;
  CWnd* pSite = pBar->GetOwnerSite();
  const HWND hBar = pBar->GetSafeHwnd();
  ::SetCapture(hBar);
  if (bRepeat) {
    TKCommandBarsSystem()->SetTimer(hBar, kTimerExecuteOnPress, m_nExecuteOnPressInterval);
    SendPressCommand(pSite);
  }

  BOOL bClick = FALSE;
  BOOL bMoved = FALSE;
  CPoint ptLast(0, 0);
  MSG msg;
  while (::GetCapture() == hBar && m_pParent != nullptr) {
    const BOOL bGot = ::GetMessage(&msg, NULL, 0, 0);
    if (!bGot || msg.message == WM_QUIT) {
      // The loop is not the program's: the quit belongs to the loop outside.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_LBUTTONUP) {
      bClick = m_nSelected != 0 && (!bMoved || rc.PtInRect(ptLast));
      break;
    }
    if (msg.message == WM_TIMER) {
      if (msg.wParam == kTimerExecuteOnPress && msg.hwnd == hBar && m_nSelected != 0)
        SendPressCommand(pSite);
      ::DispatchMessage(&msg);
      continue;
    }
    if (msg.message == WM_MOUSEMOVE) {
      ptLast = CPoint(static_cast<int>(LOWORD(msg.lParam)), static_cast<int>(HIWORD(msg.lParam)));
      bMoved = TRUE;
      const int nState = rc.PtInRect(ptLast) ? 1 : 0;
      if (CTKControl::SetSelected(nState)) RedrawParent(TRUE);
      continue;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }

  if (bRepeat) TKCommandBarsSystem()->KillTimer(hBar, kTimerExecuteOnPress);
  m_bPressed = bClick && !bRepeat && m_pParent != nullptr &&
                       m_pParent->GetPosition() != tkBarPopup
                   ? 2
                   : 0;
  if (::GetCapture() == hBar) ::ReleaseCapture();

  if (!bRepeat && m_nSelected != 0 && m_pParent != nullptr) {
    m_pParent->SetSelected(-1);
    CTKControl::SetSelected(0);
  }
  if (bClick && !bRepeat) {
    OnExecute();
    if (m_bPressed) {
      m_bPressed = 0;
      RedrawParent(TRUE);
    }
  } else if (bClick && m_pParent != nullptr && m_pParent->GetType() == tkBarTypePopup &&
             m_bCloseSubMenuOnClick) {
    m_bPressed = 0;
    OnExecute();
  } else {
    RedrawParent(TRUE);
  }
}
