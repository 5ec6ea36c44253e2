// CTKPopupBar: the tear-off band, dragged out of the pop-up to turn it into a
// floating tool bar, and back in to return to the pop-up.
#include "commandbars/TKPopupBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "common/TKDpiHelper.h"

namespace {

/// The torn-off bar's layout: floating, committed, with its MRU length.
const DWORD kTornOffLayout = 0x46;
const char kTornOffClass[] = "TKPopupBar";

}  // namespace

void CTKPopupBar::SetTearOffPopup(LPCSTR lpszCaption, UINT nBarId, int nWidth) {
  m_bTearOffPopup = TRUE;
  m_strTearOffCaption = lpszCaption;
  m_nTearOffId = nBarId;
  m_nTearOffWidth = nWidth;
}

void CTKPopupBar::OnTearOffTimer() {
  CPoint pt;
  ::GetCursorPos(&pt);
  ScreenToClient(&pt);
  if (m_rcTearOffGripper.PtInRect(pt)) {
    if (!m_bTearOffSelected) {
      m_bTearOffSelected = TRUE;
      Redraw();
    }
    return;
  }
  if (m_bTearOffTracking) return;
  m_bTearOffSelected = FALSE;
  Redraw();
  TKCommandBarsSystem()->KillTimer(m_hWnd, kTimerTearOff);
  m_bTearOffTimer = FALSE;
}

CTKCommandBar* CTKPopupBar::CreateTearOffBar() {
  // The site makes the floating bar (the command bars' custom tool bar);
  // without one the pop-up stays what it is.
  CWnd* pSite = GetSite();
  if (pSite->GetSafeHwnd() == NULL) return nullptr;
  TKCREATEBARSTRUCT create = {};
  create.bCustomBar = TRUE;
  create.bFloat = TRUE;
  create.lpcstrCaption = m_strTearOffCaption;
  create.nID = m_nTearOffId;
  pSite->SendMessage(TK_WM_CREATECOMMANDBAR, 0, reinterpret_cast<LPARAM>(&create));
  CTKCommandBar* pBar = create.pCommandBar;
  if (pBar == nullptr) return nullptr;
  pBar->SetTitle(m_strTearOffCaption);
  pBar->SetBarID(m_nTearOffId);
  pBar->SetBarPosition(tkBarFloating);
  if (m_nTearOffWidth > 0) pBar->SetFixedLength(m_nTearOffWidth);
  pBar->GetControls()->RemoveAll();
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    if (pControl->GetID() == kIdExpandButton) continue;
    CTKControl* pCopy = pBar->GetControls()->AddCopy(pControl);
    pCopy->SetHideFlags(pCopy->GetHideFlags() & ~(TKHIDE_UNNEEDED | TKHIDE_EXPAND));
  }
  if (pBar->GetSafeHwnd() == NULL &&
      !pBar->CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(CS_DBLCLKS), m_strTearOffCaption,
                      WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN, 0, 0, 0, 0, pSite->GetSafeHwnd(),
                      NULL))
    return nullptr;
  return pBar;
}

BOOL CTKPopupBar::UpdateTearOffBar(BOOL bInside, int x, int y) {
  if (bInside) {
    if (m_pTearOffBar != nullptr && m_pTearOffBar->GetSafeHwnd() != NULL)
      m_pTearOffBar->ShowWindow(SW_HIDE);
    ShowWindow(SW_SHOWNA);
    return TRUE;
  }
  if (m_pTearOffBar == nullptr) {
    m_pTearOffBar = CreateTearOffBar();
    if (m_pTearOffBar == nullptr) return FALSE;
    CWnd* pSite = GetSite();
    if (pSite->GetSafeHwnd() != NULL)
      pSite->SendMessage(kMessageTornOff, reinterpret_cast<WPARAM>(m_pTearOffBar),
                         reinterpret_cast<LPARAM>(this));
    m_szTearOffBar = m_pTearOffBar->CalcDynamicLayout(-1, kTornOffLayout);
    if (m_szTearOffBar.cx <= 0 || m_szTearOffBar.cy <= 0) {
      CRect rcWindow;
      GetWindowRect(&rcWindow);
      m_szTearOffBar = rcWindow.Size();
    }
  }
  ShowWindow(SW_HIDE);
  const int nAbove = TKDpiHelper()->ScaleY(10);
  m_pTearOffBar->SetWindowPos(&wndTop, x - m_szTearOffBar.cx / 2, y - nAbove, m_szTearOffBar.cx,
                              m_szTearOffBar.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  m_pTearOffBar->OnIdleUpdateCmdUI(TRUE, 0);
  m_pTearOffBar->Redraw();
  return TRUE;
}

void CTKPopupBar::TrackTearOff() {
  CTKMouseManager* pMouseManager = CTKMouseManager::GetThreadManager();
  pMouseManager->LockTrack();
  m_bTearOffTracking = TRUE;
  m_pTearOffBar = nullptr;
  CRect rcBand = m_rcTearOffGripper;
  ClientToScreen(&rcBand);
  rcBand.InflateRect(TKDpiHelper()->ScaleX(10), TKDpiHelper()->ScaleY(10));
  BOOL bTornOff = FALSE;
  RunDragLoop([&](CPoint pt) {
    const BOOL bInside = rcBand.PtInRect(pt);
    if (!bInside || bTornOff) bTornOff = UpdateTearOffBar(bInside, pt.x, pt.y) && !bInside;
  });
  m_bTearOffTracking = FALSE;
  // A bar torn off ends the menu; one moved back leaves it open.
  m_pTearOffBar = nullptr;
  if (bTornOff) pMouseManager->SendTrackLost();
  pMouseManager->UnlockTrack();
  CTKMouseManager::ResetLastMousePosition();
  CPoint ptCursor;
  if (::GetCursorPos(&ptCursor)) ::SetCursorPos(ptCursor.x, ptCursor.y);
}
