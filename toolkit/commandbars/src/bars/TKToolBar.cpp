// CTKToolBar: the window, its place (docked or floating), visibility, print
// preview and the mouse on its gripper and borders.
#include "commandbars/TKToolBar.h"

#include <algorithm>

#include <afxframe.h>
#include <afxpriv.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKDockBar.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"

namespace {
const char kToolBarClass[] = "TKToolBar";
/// The style bit of a floating bar that follows its frame's activation.
const DWORD kSyncActiveStyle = 0x100;
}  // namespace

// CTKToolBar ------------------------------------------------------------------------------------

TK_IMPLEMENT_LAYOUT_CLASS(CTKToolBar, CTKCommandBar)

BEGIN_MESSAGE_MAP(CTKToolBar, CTKCommandBar)
  ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
  ON_WM_SETCURSOR()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_NCHITTEST()
  ON_WM_MOUSEACTIVATE()
  ON_WM_RBUTTONDOWN()
  ON_WM_NCLBUTTONDOWN()
  ON_WM_NCCREATE()
  ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

CTKToolBar::CTKToolBar()
    : m_pDockBar(nullptr),
      m_pDockContext(nullptr),
      m_bBuiltIn(TRUE),
      m_bTearOff(FALSE),
      m_bPreviewVisible(FALSE),
      m_bPreview(FALSE),
      m_bTemporary(FALSE),
      m_bShowExpandButton(TRUE),
      m_bContextMenuPresent(TRUE),
      m_bInRecalcLayout(FALSE),
      m_bVisible(TRUE),
      m_bCloseable(TRUE) {
  m_pDockContext = new CTKDockContext(this);
  m_dwFlags = TKBARFLAG_MOVABLE | TKBARFLAG_HIDEWRAP;
  RegisterWindowClass(NULL, kToolBarClass, CS_DBLCLKS);
}

CTKToolBar::~CTKToolBar() { delete m_pDockContext; }

BOOL CTKToolBar::CreateToolBar(CWnd* pParent, BOOL bFloating) {
  if (GetSafeHwnd() == NULL) {
    CTKCommandBars* pCommandBars = GetCommandBars();
    const DWORD dwExStyle =
        pCommandBars != nullptr && pCommandBars->IsLayoutRTL() ? WS_EX_LAYOUTRTL : 0;
    const DWORD dwStyle = (bFloating ? WS_POPUP : WS_CHILD) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                          kSyncActiveStyle;
    const CPoint pt = m_pDockContext != nullptr
                          ? m_pDockContext->m_ptMRUFloatPos
                          : CPoint(TKDpiHelper()->ScaleX(100), TKDpiHelper()->ScaleY(100));
    if (!CreateEx(dwExStyle, kToolBarClass, m_strTitle, dwStyle, pt.x, pt.y, 0, 0,
                  pParent->GetSafeHwnd(), NULL))
      return FALSE;
    SetDlgCtrlID(0);
    ShowWindow(m_bVisible ? SW_SHOWNA : SW_HIDE);
  }
  if (bFloating) {
    if (CWnd::GetStyle() & WS_CHILD) {
      ::SetParent(m_hWnd, NULL);
      ModifyStyle(WS_CHILD, WS_POPUP | kSyncActiveStyle);
    }
    ::SetWindowLongPtr(m_hWnd, GWLP_HWNDPARENT,
                       reinterpret_cast<LONG_PTR>(pParent->GetSafeHwnd()));
    if (pParent->GetSafeHwnd() != NULL && (pParent->GetExStyle() & WS_EX_TOPMOST))
      SetWindowPos(&wndTopMost, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  } else if (CWnd::GetStyle() & WS_POPUP) {
    ModifyStyle(WS_POPUP, WS_CHILD);
  }
  return TRUE;
}

BOOL CTKToolBar::SetPosition(int nPosition) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return FALSE;
  if (nPosition >= tkBarTop && nPosition <= tkBarRight)
    return pCommandBars->DockAtSide(this, nPosition);
  if (nPosition == tkBarFloating) return pCommandBars->FloatCommandBar(this);
  return FALSE;
}

void CTKToolBar::SetVisible(BOOL bVisible) {
  bVisible = bVisible != FALSE;
  if (m_bVisible == bVisible) return;
  m_bVisible = bVisible;
  if (!bVisible) SetTrackingMode(FALSE);
  if (GetSafeHwnd() != NULL) ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (bVisible) {
    OnRecalcLayout();
  } else if (m_barPosition >= tkBarTop && m_barPosition <= tkBarRight) {
    if (pCommandBars == nullptr) {
      CWnd* pSite = GetSite();
      CRect rc;
      pSite->GetClientRect(&rc);
      pSite->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.Width(), rc.Height()));
      return;
    }
    pCommandBars->RecalcFrameLayout(TRUE);
  }
  if (pCommandBars == nullptr) return;
  if (CWnd* pSite = pCommandBars->GetSite())
    if (pSite->GetSafeHwnd() != NULL)
      pSite->SendMessage(TK_WM_BARVISIBLECHANGED, reinterpret_cast<WPARAM>(this), bVisible);
  pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
  if (m_bTearOff && !bVisible) pCommandBars->Remove(this);
}

void CTKToolBar::OnSetPreviewMode(BOOL bPreview) {
  bPreview = bPreview != FALSE;
  if (m_bPreview == bPreview) return;
  m_bPreview = bPreview;
  if (bPreview) {
    m_bPreviewVisible = m_bVisible;
    if (m_bVisible) {
      m_bVisible = FALSE;
      if (GetSafeHwnd() != NULL) ShowWindow(SW_HIDE);
    }
    return;
  }
  if (!m_bPreviewVisible) return;
  m_bVisible = TRUE;
  if (GetSafeHwnd() != NULL) ShowWindow(SW_SHOWNA);
  // The menu bar takes its place above the frame's client again.
  if (m_barType == tkBarTypeMenuBar)
    if (CFrameWnd* pFrame = GetFrameSite()) pFrame->RecalcLayout(FALSE);
}

void CTKToolBar::OnRecalcLayout() {
  if (GetSafeHwnd() == NULL || !m_bVisible || m_bInRecalcLayout) return;
  m_bInRecalcLayout = TRUE;
  if (m_barPosition == tkBarFloating) {
    const CSize sz = CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    SetWindowPos(NULL, 0, 0, sz.cx, sz.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (CTKCommandBars* pCommandBars = GetCommandBars()) {
    pCommandBars->RecalcFrameLayout();
  } else {
    CWnd* pSite = GetSite();
    CRect rc;
    pSite->GetClientRect(&rc);
    pSite->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.Width(), rc.Height()));
  }
  Redraw();
  m_bInRecalcLayout = FALSE;
}

// Mouse ---------------------------------------------------------------------------------------

BOOL CTKToolBar::IsGripperPoint(CPoint point) const {
  if (m_barPosition > tkBarRight) return FALSE;
  CRect rc;
  GetClientRect(&rc);
  CRect rcBorders = const_cast<CTKToolBar*>(this)->GetBorders();
  // The grip runs across the leading end of the bar.
  if (m_barPosition == tkBarLeft || m_barPosition == tkBarRight)
    rc.bottom = rc.top + rcBorders.top;
  else
    rc.right = rc.left + rcBorders.left;
  return rc.PtInRect(point);
}

BOOL CTKToolBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (IsMovable()) {
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (IsGripperPoint(pt)) {
      ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
      return TRUE;
    }
  }
  return CTKCommandBar::OnSetCursor(pWnd, nHitTest, message);
}

void CTKToolBar::OnLButtonDown(UINT nFlags, CPoint point) {
  if (m_barPosition == tkBarFloating)
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  if (m_pControls->HitTest(point) != nullptr) {
    CTKCommandBar::OnLButtonDown(nFlags, point);
    return;
  }
  if (CTKCommandBars* pCommandBars = GetCommandBars()) pCommandBars->CloseAllPopups();
  if (IsMovable()) {
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    m_pDockContext->StartDrag(ptScreen);
  }
}

void CTKToolBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
  if (m_pControls->HitTest(point) == nullptr && m_pDockContext != nullptr) {
    m_pDockContext->ToggleDocking();
    return;
  }
  CTKCommandBar::OnLButtonDblClk(nFlags, point);
}

LRESULT CTKToolBar::OnNcHitTest(CPoint point) {
  if (m_barPosition == tkBarFloating && m_barType != tkBarTypePopup) {
    CRect rc;
    GetWindowRect(&rc);
    rc.DeflateRect(TKDpiHelper()->ScaleX(3), TKDpiHelper()->ScaleY(3));
    if (point.y < rc.top) return HTTOP;
    if (point.y >= rc.bottom) return HTBOTTOM;
    if (point.x < rc.left) return HTLEFT;
    if (point.x >= rc.right) return HTRIGHT;
  }
  return CTKCommandBar::OnNcHitTest(point);
}

int CTKToolBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
  if (m_barPosition == tkBarFloating || IsCustomizeMode()) return MA_NOACTIVATE;
  return CTKCommandBar::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

LRESULT CTKToolBar::OnSizeParent(WPARAM, LPARAM lParam) {
  AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  if (!(GetStyle() & WS_VISIBLE)) return 0;
  DWORD dwMode = LM_HORZ | LM_HORZDOCK | LM_COMMIT;
  if (m_dwFlags & TKBARFLAG_STRETCHED) dwMode |= LM_STRETCH;
  if (m_dwFlags & TKBARFLAG_HIDEWRAP) dwMode |= TKLM_HIDEWRAP;
  if (pLayout->hDWP == NULL) dwMode &= ~LM_COMMIT;
  CRect rcAvail(pLayout->rect);
  CSize sz = CalcLayout(rcAvail.Width(), dwMode);
  sz.cx = std::min<int>(sz.cx, rcAvail.Width());
  sz.cy = std::min<int>(sz.cy, rcAvail.Height());
  const CRect rc(rcAvail.TopLeft(), sz);
  pLayout->sizeTotal.cy += sz.cy;
  pLayout->sizeTotal.cx = std::max<int>(pLayout->sizeTotal.cx, sz.cx);
  pLayout->rect.top += sz.cy;
  if (pLayout->hDWP != NULL) AfxRepositionWindow(pLayout, m_hWnd, &rc);
  Redraw();
  return 0;
}
