// CTKRibbonBar: the ribbon as the frame's caption while it draws it (moving,
// sizing, the system menu, the desktop window manager's caption buttons), and
// the site's messages that the ribbon takes before the frame.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKWinThemeWrapper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonPaintManager.h"

DWORD CTKRibbonBar::GetSiteStyle() const {
  CWnd* pSite = GetSite();
  return pSite != nullptr && pSite->GetSafeHwnd() != NULL ? pSite->GetStyle() : 0;
}

BOOL CTKRibbonBar::IsFrameCaptionTakenOver() const {
  return IsFrameThemeEnabled() && m_bRibbonBarVisible && IsVisible() && GetSafeHwnd() != NULL;
}

int CTKRibbonBar::GetFrameCaptionHeight() const { return GetCaptionHeight(); }

int CTKRibbonBar::HitTestCaption(CPoint point) const {
  if (IsCustomizeMode() || !IsFrameThemeEnabled()) return 0;
  const DWORD dwSiteStyle = GetSiteStyle();
  if (m_rcCaption.PtInRect(point) && m_pControls->HitTest(point) == nullptr) {
    if (m_pContextHeaders->HitTest(point) != nullptr) return 0;
    if (point.y < m_rcCaption.top + TKDpiHelper()->ScaleY(5) && (dwSiteStyle & WS_THICKFRAME) &&
        !(dwSiteStyle & WS_MAXIMIZE))
      return HTTOP;
    // Without the round button the frame's icon stands at the caption's left.
    const BOOL bNoRoundButton =
        m_pControlSystemButton == nullptr || m_pControlSystemButton->GetStyle() != 0;
    if (bNoRoundButton &&
        point.x < TKDpiHelper()->ScaleX(7) + ::GetSystemMetrics(SM_CXSMICON) &&
        (dwSiteStyle & WS_SYSMENU))
      return HTSYSMENU;
    return HTCAPTION;
  }
  CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
  if (m_bTabsVisible && m_pControlTab != nullptr && pPaintManager != nullptr &&
      pPaintManager->m_bFlatFrame && m_rcTabControl.PtInRect(point) &&
      m_pControlTab->HitTest(point) == NULL &&
      m_pControlTab->HitTestNavigateButton(point, FALSE) == NULL)
    return HTCAPTION;
  return 0;
}

void CTKRibbonBar::ShowSystemMenu(CPoint ptScreen) {
  CWnd* pSite = GetSite();
  if (pSite != nullptr && pSite->GetSafeHwnd() != NULL)
    pSite->SendMessage(TK_WM_POPUPSYSTEMMENU, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
}

void CTKRibbonBar::OnCaptionPressed(int nHitCode, CPoint point) {
  CPoint ptScreen = point;
  ClientToScreen(&ptScreen);
  CloseAllPopups();
  UpdateWindow();
  CWnd* pSite = GetSite();
  if (pSite == nullptr || pSite->GetSafeHwnd() == NULL) return;
  if (nHitCode == HTSYSMENU) {
    // Below the ribbon's own caption, wherever the window stands on the screen.
    CPoint ptMenu(0, m_rcCaption.bottom);
    ClientToScreen(&ptMenu);
    ShowSystemMenu(ptMenu);
    return;
  }
  const BOOL bSizing = nHitCode >= HTSIZEFIRST && nHitCode <= HTSIZELAST;
  if (nHitCode == HTCAPTION || (bSizing && !(GetSiteStyle() & WS_MAXIMIZE)))
    pSite->SendMessage(WM_NCLBUTTONDOWN, static_cast<WPARAM>(nHitCode),
                       MAKELPARAM(ptScreen.x, ptScreen.y));
}

LRESULT CTKRibbonBar::OnNcHitTest(CPoint point) {
  CWnd* pSite = GetSite();
  if (IsDwmFrameEnabled() && pSite != nullptr && pSite->GetSafeHwnd() != NULL) {
    LRESULT lResult = 0;
    if (SUCCEEDED(TKDwmDefWindowProc(pSite->GetSafeHwnd(), WM_NCHITTEST, 0,
                                     MAKELPARAM(point.x, point.y), &lResult)) &&
        (lResult == HTMINBUTTON || lResult == HTMAXBUTTON || lResult == HTCLOSE ||
         lResult == HTHELP))
      return HTTRANSPARENT;
  }
  return CTKMenuBar::OnNcHitTest(point);
}

BOOL CTKRibbonBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  CPoint point;
  TKCommandBarsSystem()->GetCursorPos(&point);
  ScreenToClient(&point);
  const int nCode = HitTestCaption(point);
  CWnd* pSite = GetSite();
  if (nCode >= HTSIZEFIRST && nCode <= HTSIZELAST && pSite != nullptr &&
      pSite->GetSafeHwnd() != NULL) {
    pSite->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(pSite->GetSafeHwnd()),
                       MAKELPARAM(nCode, message));
    return TRUE;
  }
  return CTKMenuBar::OnSetCursor(pWnd, nHitTest, message);
}

void CTKRibbonBar::OnShowWindow(BOOL bShow, UINT nStatus) {
  CTKMenuBar::OnShowWindow(bShow, nStatus);
  CTKCommandBarsFrameHook* pHook = GetFrameHook();
  if (pHook == nullptr || bShow == m_bRibbonBarVisible) return;
  m_bRibbonBarVisible = bShow;
  pHook->RecalcFrameLayout();
}

int CTKRibbonBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CTKMenuBar::OnCreate(lpCreateStruct) == -1) return -1;
  SetupHook();
  return 0;
}

// The site's messages -----------------------------------------------------------------------

int CTKRibbonBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                                LRESULT& lResult) {
  if (!IsTrackingMode()) return CTKMenuBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
  CTKCommandBars* pCommandBars = GetCommandBars();
  switch (nMessage) {
    case WM_CONTEXTMENU: {
      // The mouse's context menu would open under a ribbon that tracks the keys.
      if (lParam != -1) return 1;
      CTKControl* pControl = GetControl(m_nSelected);
      if (pControl != nullptr) ShowQuickAccessContextMenu(pControl->GetRect().TopLeft(), pControl);
      return 1;
    }
    case WM_MOUSEWHEEL:
      if (CTKCommandBars::GetMouseManager()->GetTrackedCount() > 0 ||
          (pCommandBars != nullptr && pCommandBars->GetKeyboardTips()->GetCount() > 0))
        break;
      StepSelectedTab(static_cast<short>(HIWORD(wParam)) <= 0);
      return 1;
    case WM_KEYDOWN:
      if (wParam != VK_F10) break;
      SetTrackingMode(FALSE);
      return 1;
    default:
      break;
  }
  return CTKMenuBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
}

void CTKRibbonBar::StepSelectedTab(BOOL bNext) {
  if (m_pControlTab != nullptr) m_pControlTab->PerformKeyDown(m_hWnd, bNext ? VK_RIGHT : VK_LEFT);
}

BOOL CTKRibbonBar::OnFrameMouseWheel(BOOL bForward) {
  CPoint point;
  TKCommandBarsSystem()->GetCursorPos(&point);
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  CWnd* pSite = GetSite();
  if (!rcWindow.PtInRect(point) || pSite == nullptr || !pSite->IsWindowEnabled()) return FALSE;
  const HWND hWndUnder = ::WindowFromPoint(point);
  if (hWndUnder != m_hWnd && !::IsChild(m_hWnd, hWndUnder)) return FALSE;
  StepSelectedTab(bForward);
  return TRUE;
}
