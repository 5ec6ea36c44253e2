// CTKDialogBar: the window, its child and caption, focus tracking and the
// sizing borders.
#include "commandbars/TKDialogBar.h"

#include "TKNestedDynCreate.h"
#include "commandbars/TKCommandBarsLayoutBars.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKDialogBar, CTKToolBar)
TK_IMPLEMENT_NESTED_DYNCREATE(CTKDialogBar, CCaptionPopupBar, CTKPopupBar)

BEGIN_MESSAGE_MAP(CTKDialogBar, CTKToolBar)
  ON_WM_NCHITTEST()
  ON_WM_SIZE()
END_MESSAGE_MAP()

CTKDialogBar::CTKDialogBar()
    : m_rcBorders(TKDpiHelper()->ScaleX(3), TKDpiHelper()->ScaleY(3), TKDpiHelper()->ScaleX(3),
                  TKDpiHelper()->ScaleY(3)),
      m_bResizable(TRUE),
      m_szMinimumClient(TKDpiHelper()->ScaleX(50), TKDpiHelper()->ScaleY(50)),
      m_bCaption(TRUE),
      m_bCaptionPopup(TRUE),
      m_nCaptionHeight(0),
      m_szDockingClient(TKDpiHelper()->ScaleX(200), TKDpiHelper()->ScaleY(200)),
      m_szFloatingClient(TKDpiHelper()->ScaleX(200), TKDpiHelper()->ScaleY(200)),
      m_hWndChild(NULL),
      m_pPopupBar(new CCaptionPopupBar),
      m_bActive(FALSE) {
  m_bCustomizable = FALSE;
}

CTKDialogBar::~CTKDialogBar() { m_pPopupBar->InternalRelease(); }

CTKCommandBar* CTKDialogBar::Clone(BOOL bRecursive) {
  CTKDialogBar* pClone = static_cast<CTKDialogBar*>(CTKToolBar::Clone(bRecursive));
  pClone->m_rcBorders = m_rcBorders;
  pClone->m_bResizable = m_bResizable;
  pClone->m_szMinimumClient = m_szMinimumClient;
  pClone->m_bCaption = m_bCaption;
  pClone->m_bCaptionPopup = m_bCaptionPopup;
  pClone->m_szDockingClient = m_szDockingClient;
  pClone->m_szFloatingClient = m_szFloatingClient;
  pClone->m_strCaption = m_strCaption;
  return pClone;
}

// Child and caption --------------------------------------------------------------------------

void CTKDialogBar::SetChild(CWnd* pChild) {
  m_hWndChild = pChild != nullptr ? pChild->GetSafeHwnd() : NULL;
  if (GetSafeHwnd() != NULL) {
    CRect rc;
    GetClientRect(&rc);
    PositionChild(0, 0, rc.Width(), rc.Height());
  }
}

void CTKDialogBar::SetCaption(LPCTSTR lpszCaption) {
  m_strCaption = lpszCaption;
  DelayLayout();
}

CTKDialogBar::CControlCaptionPopup* CTKDialogBar::GetCaptionControl() const {
  CTKControl* pControl =
      m_pControls->FindControl(tkControlPopup, TKID_DIALOGBAR_CAPTION, FALSE, FALSE);
  return DYNAMIC_DOWNCAST(CControlCaptionPopup, pControl);
}

CRect CTKDialogBar::GetClientBorders() {
  CRect rc = m_rcBorders;
  if (m_bCaption) rc.top += GetPaintManager()->CalcFloatingBarCaptionSize(this).cy;
  return rc;
}

void CTKDialogBar::PositionChild(int nLeft, int nTop, int nRight, int nBottom) {
  if (m_hWndChild == NULL || !::IsWindow(m_hWndChild)) return;
  const CRect rcBorders = GetClientBorders();
  ::SetWindowPos(m_hWndChild, NULL, rcBorders.left, rcBorders.top,
                 nRight - nLeft - rcBorders.left - rcBorders.right,
                 nBottom - nTop - rcBorders.top - rcBorders.bottom,
                 SWP_NOACTIVATE | SWP_NOZORDER);
  ::InvalidateRect(m_hWndChild, NULL, FALSE);
}

void CTKDialogBar::OnSize(UINT nType, int cx, int cy) {
  CTKToolBar::OnSize(nType, cx, cy);
  PositionChild(0, 0, cx, cy);
}

// Focus -------------------------------------------------------------------------------------

BOOL CTKDialogBar::IsFocusInside() const {
  const HWND hFocus = ::GetFocus();
  if (hFocus == NULL || m_hWnd == NULL) return FALSE;
  if (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus)) return TRUE;
  // A window the bar's child opened (a drop-down, a tool window) counts too.
  HWND hOwner = ::GetWindow(hFocus, GW_OWNER);
  if (hOwner == NULL) hOwner = ::GetParent(hFocus);
  return hOwner != NULL && (hOwner == m_hWnd || ::IsChild(m_hWnd, hOwner));
}

void CTKDialogBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam) {
  const BOOL bActive = IsFocusInside();
  if (bActive != m_bActive) {
    m_bActive = bActive;
    Redraw();
  }
  CTKToolBar::OnIdleUpdateCmdUI(wParam, lParam);
}

// Mouse --------------------------------------------------------------------------------------

BOOL CTKDialogBar::IsPointInside(CPoint ptScreen) const {
  if (GetSafeHwnd() == NULL) return FALSE;
  CRect rc;
  GetWindowRect(&rc);
  rc.bottom = rc.top + m_nCaptionHeight;
  return rc.PtInRect(ptScreen) ? TRUE : -2;
}

LRESULT CTKDialogBar::OnNcHitTest(CPoint point) {
  if (!m_bResizable) return CTKCommandBar::OnNcHitTest(point);
  CRect rc;
  GetWindowRect(&rc);
  rc.DeflateRect(TKDpiHelper()->ScaleX(3), TKDpiHelper()->ScaleY(3));
  const BOOL bStretched = (m_dwFlags & TKBARFLAG_STRETCHED) != 0;
  switch (m_barPosition) {
    case tkBarFloating:
      if (point.y < rc.top)
        return point.x < rc.left ? HTTOPLEFT : point.x >= rc.right ? HTTOPRIGHT : HTTOP;
      if (point.y >= rc.bottom)
        return point.x < rc.left ? HTBOTTOMLEFT : point.x >= rc.right ? HTBOTTOMRIGHT : HTBOTTOM;
      if (point.x < rc.left) return HTLEFT;
      if (point.x >= rc.right) return HTRIGHT;
      break;
    case tkBarBottom:
      if (point.y <= rc.top) return HTTOP;
      break;
    default: {
      const BOOL bVertical = m_barPosition == tkBarLeft || m_barPosition == tkBarRight;
      if (point.y >= rc.bottom && !(bStretched && bVertical)) return HTBOTTOM;
      break;
    }
  }
  if (m_barPosition == tkBarRight) {
    if (point.x <= rc.left) return HTLEFT;
  } else if (m_barPosition != tkBarFloating) {
    const BOOL bHorizontal = m_barPosition == tkBarTop || m_barPosition == tkBarBottom;
    if (point.x >= rc.right && !(bStretched && bHorizontal)) return HTRIGHT;
  }
  return CTKCommandBar::OnNcHitTest(point);
}
