// The backstage view's keys, mouse and hooks: the menu pane answers arrows,
// Enter and Esc; Tab enters the page; the thread's key-downs and the site
// frame's messages come through the hooks.
#include "commandbars/TKControls.h"
#include "commandbars/TKCommandBars.h"
#include "ribbon/TKRibbonBackstageView.h"

namespace {

BOOL IsMultiLineEdit(HWND hWnd) {
  char szClass[8] = {};
  ::GetClassName(hWnd, szClass, sizeof(szClass));
  return lstrcmpi(szClass, "Edit") == 0 && (::GetWindowLong(hWnd, GWL_STYLE) & ES_MULTILINE) != 0;
}

}  // namespace

// Menu pane ----------------------------------------------------------------------------------

CTKControl* CTKRibbonBackstageView::GetNextControl(CTKControl* pFrom, int nDirection) const {
  int nIndex = pFrom != nullptr ? pFrom->GetIndex() : -1;
  // Separators take no keyboard mark: the arrows pass over them.
  for (int nSteps = 0; nSteps < GetControlCount(); ++nSteps) {
    nIndex = m_pControls->GetNext(nIndex, nDirection);
    if (nIndex == -1) return nullptr;
    if (!IsMenuSeparator(GetControl(nIndex))) return GetControl(nIndex);
  }
  return nullptr;
}

CTKControl* CTKRibbonBackstageView::EnabledControlAt(CPoint point) const {
  CTKControl* pControl = HitTest(point);
  return pControl != nullptr && pControl->GetEnabled() ? pControl : nullptr;
}

void CTKRibbonBackstageView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
  switch (nChar) {
    case VK_TAB:
      if (CWnd* pPage = GetActiveTabPage()) {
        pPage->SetFocus();
        HWND hFirst = ::GetNextDlgTabItem(pPage->GetSafeHwnd(), NULL, FALSE);
        if (hFirst != NULL) {
          pPage->SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hFirst), TRUE);
          // A page that is no dialog does not move the focus itself.
          if (::GetFocus() != hFirst) ::SetFocus(hFirst);
        }
      }
      break;
    case VK_RETURN:
    case VK_SPACE:
      if (IsCommand(m_pFocusedControl) && m_pFocusedControl->GetEnabled())
        ExecuteCommand(m_pFocusedControl);
      break;
    case VK_ESCAPE:
      Close();
      break;
    case VK_UP:
    case VK_DOWN: {
      CTKControl* pFrom = m_pFocusedControl != nullptr ? m_pFocusedControl : m_pActiveTab;
      if (CTKControl* pNext = GetNextControl(pFrom, nChar == VK_DOWN ? +1 : -1))
        SetFocusedControl(pNext);
      break;
    }
  }
}

void CTKRibbonBackstageView::OnCancel() { Close(); }

UINT CTKRibbonBackstageView::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

// Mouse --------------------------------------------------------------------------------------

void CTKRibbonBackstageView::OnMouseMove(UINT /*nFlags*/, CPoint point) {
  CTKControl* pHot = EnabledControlAt(point);
  if (pHot == m_pHotControl) return;
  m_pHotControl = pHot;
  if (pHot != nullptr) {
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&tme);
  }
  Invalidate(FALSE);
}

LRESULT CTKRibbonBackstageView::OnMouseLeave(WPARAM, LPARAM) {
  if (m_pHotControl != nullptr) {
    m_pHotControl = nullptr;
    Invalidate(FALSE);
  }
  return 0;
}

void CTKRibbonBackstageView::OnLButtonDown(UINT /*nFlags*/, CPoint point) {
  SetFocus();
  if (CTKControl* pControl = EnabledControlAt(point)) SetFocusedControl(pControl);
}

void CTKRibbonBackstageView::OnLButtonUp(UINT /*nFlags*/, CPoint point) {
  CTKControl* pControl = EnabledControlAt(point);
  if (pControl != nullptr && IsCommand(pControl) && pControl == m_pFocusedControl)
    ExecuteCommand(pControl);
}

// Keys of the pages and the hooks ------------------------------------------------------------

BOOL CTKRibbonBackstageView::PreTranslateMessage(MSG* pMsg) {
  if (CTKCommandBar::PreTranslateMessage(pMsg)) return TRUE;
  CFrameWnd* pFrame = GetTopLevelFrame();
  if (pFrame != nullptr && pFrame->m_bHelpMode) return FALSE;
  // A multi-line edit would keep Esc for itself; in a page it closes the view.
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
      IsMultiLineEdit(pMsg->hwnd)) {
    HWND hCancel = ::GetDlgItem(m_hWnd, IDCANCEL);
    if (hCancel == NULL || ::IsWindowEnabled(hCancel)) SendMessage(WM_COMMAND, IDCANCEL, 0);
    return TRUE;
  }
  // Tab and mnemonics move between the controls of the pages as in a dialog.
  const UINT m = pMsg->message;
  if ((m < WM_KEYFIRST || m > WM_KEYLAST) && (m < WM_MOUSEFIRST || m > WM_MOUSELAST)) return FALSE;
  return ::IsDialogMessage(m_hWnd, pMsg);
}

int CTKRibbonBackstageView::OnHookMessage(HWND /*hWnd*/, UINT nMessage, WPARAM& wParam,
                                          LPARAM& /*lParam*/, LRESULT& /*lResult*/) {
  switch (nMessage) {
    case WM_CLOSE:
      // The frame goes on closing once the view is gone.
      Close();
      return 0;
    case WM_ACTIVATEAPP:
      if (wParam && GetSafeHwnd() != NULL) SetFocus();
      return 0;
    case WM_WINDOWPOSCHANGED:
      if (GetSafeHwnd() != NULL) RecalcLayout();
      return 0;
    case WM_KEYDOWN: {
      CWnd* pSite = GetCommandBars() != nullptr ? GetCommandBars()->GetSite() : nullptr;
      if (wParam == VK_ESCAPE && pSite != nullptr && pSite->IsWindowEnabled()) {
        Close();
        return 1;
      }
      return 2;
    }
    case WM_KEYUP:
    case WM_MOUSEWHEEL:
      return 2;
  }
  return 0;
}
