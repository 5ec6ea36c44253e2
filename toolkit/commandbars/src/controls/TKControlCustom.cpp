// CTKControlCustom: a window of the application's own on a bar.
#include "commandbars/TKControlCustom.h"

#include <windowsx.h>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "common/TKPropExchange.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlCustom, CTKControlButton)

namespace {
/// The action property that tells a change of visibility.
const int kActionVisible = 2;
}  // namespace

CTKControlCustom::CTKControlCustom()
    : m_hwndControl(NULL),
      m_rcBorders(0, 0, 0, 0),
      m_bControlVisible(TRUE),
      m_szControl(0, 0),
      m_nVerticalOptions(kVerticalHide),
      m_nControlId(0) {
  m_controlType = tkControlCustom;
  m_dwFlags = TKFLAG_NOMOVABLE;
}

CTKControlCustom::~CTKControlCustom() { TKHookManager()->RemoveAll(this); }

void CTKControlCustom::SetControl(HWND hWnd) {
  if (m_hwndControl != NULL) TKHookManager()->RemoveHook(m_hwndControl, this);
  m_hwndControl = hWnd;
  if (hWnd != NULL) TKHookManager()->SetHook(hWnd, this);
}

HWND CTKControlCustom::FindControlWindow(CTKCommandBars* pCommandBars, int nId) {
  CWnd* pSite = pCommandBars != nullptr ? pCommandBars->GetSite() : nullptr;
  return pSite != nullptr && pSite->GetSafeHwnd() != NULL ? ::GetDlgItem(pSite->GetSafeHwnd(), nId)
                                                          : NULL;
}

void CTKControlCustom::SetRect(CRect rcControl) {
  HWND hWndBar = m_pParent != nullptr ? m_pParent->GetSafeHwnd() : NULL;
  const BOOL bElsewhere = m_hwndControl != NULL && ::GetParent(m_hwndControl) != hWndBar;
  if (m_rcControl == rcControl && !bElsewhere) return;
  m_rcControl = rcControl;
  // The stored copies for resetting a bar share the window but never place it.
  if (!::IsWindow(m_hwndControl) || IsInOriginalControls()) return;
  if (hWndBar != NULL) {
    ::SetParent(m_hwndControl, hWndBar);
    const LONG lStyle = ::GetWindowLong(m_hwndControl, GWL_STYLE);
    ::SetWindowLong(m_hwndControl, GWL_STYLE, (lStyle & ~WS_POPUP) | WS_CHILD);
  }
  ::MoveWindow(m_hwndControl, rcControl.left + m_rcBorders.left, rcControl.top + m_rcBorders.top,
               rcControl.Width() - m_rcBorders.left - m_rcBorders.right,
               rcControl.Height() - m_rcBorders.top - m_rcBorders.bottom, TRUE);
  UpdateWindowVisibility();
}

CSize CTKControlCustom::GetSize(CDC* pDC) {
  if (m_hwndControl == NULL || !m_bControlVisible) return CTKControlButton::GetSize(pDC);
  return CSize(m_szControl.cx + m_rcBorders.left + m_rcBorders.right,
               m_szControl.cy + m_rcBorders.top + m_rcBorders.bottom);
}

BOOL CTKControlCustom::IsWindowShown() const {
  return m_hwndControl != NULL && ::IsWindowVisible(m_hwndControl);
}

void CTKControlCustom::Draw(CDC* pDC) {
  if (!IsWindowShown()) CTKControlButton::Draw(pDC);
}

void CTKControlCustom::OnClick(BOOL bKeyboard, CPoint pt) {
  // In customise mode the control is dragged like a button.
  if (!IsWindowShown() || IsCustomizeMode()) CTKControlButton::OnClick(bKeyboard, pt);
}

void CTKControlCustom::OnEnabledChanged() {
  if (::IsWindow(m_hwndControl)) ::EnableWindow(m_hwndControl, GetEnabled());
}

BOOL CTKControlCustom::SetHideFlags(DWORD dwFlags) {
  const BOOL bChanged = CTKControlButton::SetHideFlags(dwFlags);
  if (bChanged) DelayLayoutParent();
  UpdateWindowVisibility();
  return bChanged;
}

void CTKControlCustom::OnCalcDynamicSize(DWORD dwMode) {
  const BOOL bVertical = (dwMode & TKLM_VERTDOCK) != 0;
  if (m_nVerticalOptions == kVerticalHide) {
    SetHideFlags(bVertical ? (m_dwHideFlags | TKHIDE_POSITION)
                           : (m_dwHideFlags & ~TKHIDE_POSITION));
  } else if (m_nVerticalOptions == kVerticalButton) {
    m_bControlVisible = !bVertical;
    UpdateWindowVisibility();
  }
}

void CTKControlCustom::OnActionChanged(int nProperty) {
  CTKControlButton::OnActionChanged(nProperty);
  if (nProperty == kActionVisible) UpdateWindowVisibility();
}

void CTKControlCustom::OnRemoved() {
  m_bControlVisible = FALSE;
  UpdateWindowVisibility();
  CTKControlButton::OnRemoved();
}

BOOL CTKControlCustom::IsInOriginalControls() const {
  return m_pControls != nullptr && m_pControls->IsOriginalControls();
}

void CTKControlCustom::UpdateWindowVisibility() {
  if (IsInOriginalControls()) return;
  if (m_pParent == nullptr || m_hwndControl == NULL) return;
  HWND hWndBar = m_pParent->GetSafeHwnd();
  if (::GetParent(m_hwndControl) != hWndBar) return;
  const BOOL bShow = m_pControls != nullptr && m_bControlVisible && IsVisible() && hWndBar != NULL;
  ::SetWindowPos(m_hwndControl, NULL, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                     (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void CTKControlCustom::Copy(CTKControl* pSource, BOOL bRecursive) {
  if (pSource == this) return;
  if (CTKControlCustom* pCustom = DYNAMIC_DOWNCAST(CTKControlCustom, pSource)) {
    m_rcBorders = pCustom->m_rcBorders;
    m_nVerticalOptions = pCustom->m_nVerticalOptions;
    m_szControl = pCustom->m_szControl;
    // Both controls refer to the one window from here on.
    m_hwndControl = pCustom->m_hwndControl;
    m_nControlId = pCustom->m_nControlId;
  }
  CTKControlButton::Copy(pSource, bRecursive);
}

void CTKControlCustom::DoPropExchange(CTKPropExchange* pPX) {
  CTKControlButton::DoPropExchange(pPX);
  ExchangeDpiRectProp(pPX, "Borders", m_rcBorders, CRect(0, 0, 0, 0));
  ExchangeDpiSizeProp(pPX, "ControlSize", m_szControl, CSize(0, 0));
  ExchangeIntProp(pPX, "VerticalOptions", m_nVerticalOptions, kVerticalHide);
  if (pPX->GetSchema() > 5) ExchangeIntProp(pPX, "ControlId", m_nControlId, 0);
  if (pPX->IsLoading() && m_nControlId != 0) {
    HWND hWnd = FindControlWindow(GetCommandBars(), m_nControlId);
    if (hWnd != NULL) SetControl(hWnd);
  }
}

int CTKControlCustom::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                                    LRESULT&) {
  HWND hWndBar = m_pParent != nullptr ? m_pParent->GetSafeHwnd() : NULL;
  if (nMessage == WM_MOUSEMOVE && hWndBar != NULL) {
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::MapWindowPoints(hWnd, hWndBar, &pt, 1);
    ::SendMessage(hWndBar, WM_MOUSEMOVE, wParam, MAKELPARAM(pt.x, pt.y));
  }
  return 0;
}
