// CTKCommandBarsFrameHook: the site's messages the hook answers in place of
// the standard frame.
#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKCommandBarsFrameDwm.h"

#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKWinThemeWrapper.h"

#include <afxpriv.h>

#include <algorithm>

namespace {


#ifndef WM_DWMCOMPOSITIONCHANGED
#define WM_DWMCOMPOSITIONCHANGED 0x031E
#endif
/// The request for the window's system menu at a point.
const UINT kWmSystemMenu = 0x0313;

UINT MdiChildThemeMessage() {
  static const UINT s_nMessage = ::RegisterWindowMessage("TK_WM_UPDATE_MDI_CHILD_THEME");
  return s_nMessage;
}

CPoint PointFromLParam(LPARAM lParam) {
  return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

}  // namespace

int CTKCommandBarsFrameHook::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam,
                                           LPARAM& lParam, LRESULT& lResult) {
  if (!m_bAttached || hWnd != m_hwndSite) return 0;
  if (nMessage == MdiChildThemeMessage()) {
    lResult = 0;
    return 1;
  }
  if (nMessage == GetFrameHookMessage()) {
    lResult = reinterpret_cast<LRESULT>(this);
    return 1;
  }
  if (nMessage == m_nMsgQuerySkinState) {
    lResult = 1;
    return 1;
  }
  if (nMessage == WM_ACTIVATE && m_pFrameShadow != nullptr) {
    if (CTKFramePaintManager* pFrame = GetFramePaintManager()) {
      CWnd* pShadow = DYNAMIC_DOWNCAST(CWnd, m_pFrameShadow);
      // Activating the shadow itself keeps the frame's look active.
      const BOOL bActive = LOWORD(wParam) != WA_INACTIVE ||
                           (pShadow != nullptr && reinterpret_cast<HWND>(lParam) == pShadow->m_hWnd);
      pFrame->UpdateFrameShadow(bActive, CWnd::FromHandle(m_hwndSite), m_pFrameShadow);
    }
  }
  if (m_nSuppressStyleChange > 0 && !m_bDwmEnabled) {
    const int nAnswer = OnSuppressedMessage(nMessage, lParam, lResult);
    if (nAnswer != 0) return nAnswer;
  }

  switch (nMessage) {
    case WM_WINDOWPOSCHANGING: {
      const WINDOWPOS* pPos = reinterpret_cast<const WINDOWPOS*>(lParam);
      // The WM_SIZE that follows paints the frame at the new size already.
      if ((pPos->flags & SWP_NOSIZE) == 0 && CSize(pPos->cx, pPos->cy) != m_szFrameRegion &&
          (GetSiteStyle() & WS_CHILD) == 0)
        m_nSkipNcPaint = 1;
      return 0;
    }
    case WM_SIZE:
    case WM_STYLECHANGED: return OnSizeChanged(nMessage, wParam);
    case WM_SETTEXT:
      lResult = TKHookManager()->Default();
      if (IsFrameCaptionVisible())
        RedrawFrame();
      else
        DelayRecalcFrameLayout();
      return 1;
    case WM_WINDOWPOSCHANGED:
      if (!m_bInRegionUpdate &&
          (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_FRAMECHANGED) != 0)
        RefreshFrameRegion();
      return 0;
    case WM_NCCALCSIZE: return OnNcCalcSize(wParam, lParam, lResult);
    case WM_NCHITTEST: return OnNcHitTest(lParam, lResult);
    case WM_NCACTIVATE: return OnNcActivate(wParam, lParam, lResult);
    case WM_NCRBUTTONUP:
      if (wParam != HTCAPTION || m_bDwmEnabled) return 0;
      SetHotButton(nullptr);
      ::SendMessage(m_hwndSite, kWmSystemMenu, reinterpret_cast<WPARAM>(m_hwndSite), lParam);
      lResult = 0;
      return 1;
    case WM_NCMOUSEMOVE: {
      if (m_bDwmEnabled) return 0;
      CTKControl* pButton = HitTestCaptionButton(ScreenToWindow(PointFromLParam(lParam)));
      if (pButton != nullptr && pButton->GetEnabled()) {
        SetHotButton(pButton);
        TKCommandBarsSystem()->SetTimer(m_hwndSite, kTimerHotButton, 50);
      }
      return 0;
    }
    case WM_NCLBUTTONDOWN: {
      if (m_bDwmEnabled) return 0;
      CTKControl* pButton = HitTestCaptionButton(ScreenToWindow(PointFromLParam(lParam)));
      if (pButton == nullptr) return 0;
      // A disabled button is taken too, so that Windows runs no button of its own.
      if (pButton->GetEnabled()) TrackCaptionButton(pButton);
      lResult = 0;
      return 1;
    }
    case WM_TIMER: return OnTimer(wParam);
    case WM_DWMCOMPOSITIONCHANGED: return OnDwmCompositionChanged();
    case WM_GETMINMAXINFO: return OnMinMaxInfo(lParam, lResult);
    case WM_NCPAINT:
      if (m_bDwmEnabled) return 0;
      lResult = 0;
      if (m_nSkipNcPaint > 0) {
        --m_nSkipNcPaint;
        return 1;
      }
      if (!IsMDIMaximized()) {
        CWindowDC dc(CWnd::FromHandle(m_hwndSite));
        PaintFrame(&dc);
      }
      return 1;
    case WM_SYSCOMMAND:
      if (m_bDwmEnabled || (wParam & 0xFFF0) != SC_MINIMIZE || (GetSiteStyle() & WS_CHILD) == 0)
        return 0;
      lResult = TKHookManager()->Default();
      RedrawFrame();
      return 1;
    case WM_PRINT:
      if (m_bDwmEnabled) return 0;
      lResult = TKHookManager()->Default();
      if ((lParam & PRF_NONCLIENT) != 0) PaintFrame(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
      // The window has printed itself already; running it again would print twice.
      return 1;
    case WM_IDLEUPDATECMDUI:
      if (m_bDelayRecalcLayout) RecalcFrameLayout();
      return 0;
  }
  return 0;
}

int CTKCommandBarsFrameHook::OnSuppressedMessage(UINT nMessage, LPARAM lParam, LRESULT& lResult) {
  switch (nMessage) {
    case WM_WINDOWPOSCHANGING:
      reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_FRAMECHANGED;
      lResult = 0;
      return 1;
    case WM_WINDOWPOSCHANGED:
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
    case WM_NCPAINT: lResult = 0; return 1;
  }
  return 0;
}

int CTKCommandBarsFrameHook::OnSizeChanged(UINT nMessage, WPARAM wParam) {
  CRect rcWindow;
  ::GetWindowRect(m_hwndSite, &rcWindow);
  if (nMessage == WM_STYLECHANGED || rcWindow.Size() != m_szFrameRegion) {
    UpdateFrameRegion(rcWindow.Size(), nMessage == WM_STYLECHANGED);
    UpdateFrameCaptionButtons();
    RedrawFrame();
  }
  if (nMessage == WM_SIZE && wParam == SIZE_MINIMIZED)
    ::SetWindowLong(m_hwndSite, GWL_STYLE, static_cast<LONG>(GetSiteStyle() & ~WS_MAXIMIZE));
  return 0;
}

int CTKCommandBarsFrameHook::OnNcCalcSize(WPARAM, LPARAM lParam, LRESULT& lResult) {
  if (m_bDwmEnabled) return 0;
  // Both forms of the message start with the proposed window rectangle.
  RECT& rc = *reinterpret_cast<RECT*>(lParam);
  const LONG nWindowBottom = rc.bottom;
  const CRect rcBorder = CalcFrameBorder();
  rc.left += rcBorder.left;
  rc.top += rcBorder.top;
  rc.right -= rcBorder.right;
  rc.bottom -= rcBorder.bottom;
  if (IsFrameCaptionVisible()) rc.top += GetCaptionHeight() - rcBorder.top;
  const BOOL bMaximized = ::IsZoomed(m_hwndSite);
  if (!bMaximized && IsFrameHasStatusBar()) {
    // The status bar continues into the bottom border: keep only its edge.
    int nBottom = rcBorder.bottom - TKDpiHelper()->ScaleY(3);
    if (nBottom < 2) nBottom = 1;
    rc.bottom = nWindowBottom - nBottom;
  }
  // A maximised frame covering the whole work area would hide an auto-hiding
  // task bar for good: leave it one pixel to appear from.
  if (bMaximized && (GetSiteStyle() & WS_CHILD) == 0 && IsTaskbarAutoHide()) rc.bottom -= 1;
  lResult = 0;
  return 1;
}

int CTKCommandBarsFrameHook::OnNcHitTest(LPARAM lParam, LRESULT& lResult) {
  if (m_bDwmEnabled) return 0;
  lResult = TKHookManager()->Default();
  // Windows' own caption buttons are not where the theme draws its buttons.
  if (lResult == HTMINBUTTON || lResult == HTMAXBUTTON || lResult == HTCLOSE || lResult == HTHELP)
    lResult = HTCAPTION;
  const CPoint pt = ScreenToWindow(PointFromLParam(lParam));
  if (CTKControl* pButton = HitTestCaptionButton(pt)) {
    lResult = pButton->GetHelpId();
  } else if (lResult == HTNOWHERE && pt.y < GetCaptionHeight()) {
    const int nIconRight = TKDpiHelper()->ScaleX(7) + ::GetSystemMetrics(SM_CXSMICON);
    lResult = pt.x < nIconRight && (GetSiteStyle() & WS_SYSMENU) != 0 ? HTSYSMENU : HTCAPTION;
  }
  return 1;
}

int CTKCommandBarsFrameHook::OnNcActivate(WPARAM wParam, LPARAM lParam, LRESULT& lResult) {
  if (m_bDwmEnabled) return 0;
  const BOOL bEnabled = ::IsWindowEnabled(m_hwndSite);
  CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(m_hwndSite));
  const BOOL bStayActive = pFrame != nullptr && (pFrame->m_nFlags & WF_STAYACTIVE) != 0;
  const BOOL bActive = bEnabled && (bStayActive || wParam != 0);
  if (!::IsWindowVisible(m_hwndSite)) {
    m_bActive = bActive;
    return 0;
  }
  // Without the thick frame Windows paints no sizing border over the theme's.
  ++m_nSuppressStyleChange;
  const DWORD dwStyle = GetSiteStyle();
  ::SetWindowLong(m_hwndSite, GWL_STYLE, static_cast<LONG>(dwStyle & ~WS_THICKFRAME));
  lResult = bEnabled ? TKHookManager()->DefaultWithParams(bActive, 0)
                     : TKHookManager()->DefaultWithParams(wParam, lParam);
  ::SetWindowLong(m_hwndSite, GWL_STYLE, static_cast<LONG>(dwStyle));
  --m_nSuppressStyleChange;
  if (bActive != m_bActive) {
    m_bActive = bActive;
    UpdateFrameCaptionButtons();
  }
  RedrawFrame();
  return 1;
}

int CTKCommandBarsFrameHook::OnTimer(WPARAM wParam) {
  if (wParam == kTimerFrameStyle) {
    RefreshFrameStyle();
    TKCommandBarsSystem()->KillTimer(m_hwndSite, kTimerFrameStyle);
    return 1;
  }
  if (wParam == kTimerHotButton) {
    OnHotButtonTimer();
    return 1;
  }
  return 0;
}

int CTKCommandBarsFrameHook::OnMinMaxInfo(LPARAM lParam, LRESULT& lResult) {
  if (m_bDwmEnabled) return 0;
  lResult = TKHookManager()->Default();
  MINMAXINFO* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
  const int nCaption = GetCaptionHeight() + CalcFrameBorder().top;
  const int nMinWidth = 3 * nCaption + 2 * ::GetSystemMetrics(SM_CXEDGE) +
                        ::GetSystemMetrics(SM_CYSIZE);
  pInfo->ptMinTrackSize.x = std::max(pInfo->ptMinTrackSize.x, static_cast<LONG>(nMinWidth));
  pInfo->ptMinTrackSize.y = std::max(pInfo->ptMinTrackSize.y, static_cast<LONG>(nCaption));
  return 1;
}

int CTKCommandBarsFrameHook::OnDwmCompositionChanged() {
  const BOOL bDwm =
      TKIsDwmFrameAllowed() && (GetSiteStyle() & WS_CHILD) == 0 && TKDwmIsCompositionEnabled();
  if (bDwm == m_bDwmEnabled) return 0;
  m_bDwmEnabled = bDwm;
  ::SetWindowRgn(m_hwndSite, NULL, TRUE);
  m_szFrameRegion = CSize(0, 0);
  if (!bDwm) RefreshFrameStyle();
  ::SetWindowPos(m_hwndSite, NULL, 0, 0, 0, 0, kFrameChanged);
  return 0;
}
