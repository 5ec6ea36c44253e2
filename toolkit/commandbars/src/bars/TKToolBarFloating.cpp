// CTKToolBar floating: resizing from its sizing borders, and showing and
// hiding with its frame's activation.
#include "commandbars/TKToolBar.h"

#include <afxpriv.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"

namespace {

/// The style bit of a floating bar that follows its frame's activation.
const DWORD kSyncActiveStyle = 0x100;
const UINT kShowFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW;
const UINT kHideFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW;

/// Whether the frame over `pWnd` is the one the user works in: it, or the
/// last pop-up it activated, has the foreground.
BOOL IsTopParentActive(const CWnd* pWnd) {
  CWnd* pTop = pWnd->GetTopLevelParent();
  if (pTop == nullptr) return FALSE;
  return ::GetForegroundWindow() == ::GetLastActivePopup(pTop->GetSafeHwnd());
}

}  // namespace

void CTKToolBar::OnNcLButtonDown(UINT nHitTest, CPoint point) {
  if (m_pDockContext == nullptr || nHitTest < HTLEFT || nHitTest > HTBOTTOMRIGHT) {
    CTKCommandBar::OnNcLButtonDown(nHitTest, point);
    return;
  }
  if (CWnd* pTop = GetTopLevelParent()) pTop->SetActiveWindow();
  SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  if (CTKCommandBars* pCommandBars = GetCommandBars()) pCommandBars->CloseAllPopups();
  m_pDockContext->StartResize(nHitTest, point);
}

BOOL CTKToolBar::OnNcCreate(LPCREATESTRUCT lpCreateStruct) {
  if (!CWnd::OnNcCreate(lpCreateStruct)) return FALSE;
  if (!(lpCreateStruct->style & kSyncActiveStyle)) return TRUE;
  // A bar made while its frame is in the background starts hidden with it.
  BOOL bActive = FALSE;
  if (CWnd* pTop = GetTopLevelParent()) {
    const HWND hForeground = ::GetForegroundWindow();
    bActive = hForeground == pTop->GetSafeHwnd() ||
              (hForeground != NULL && hForeground == ::GetLastActivePopup(pTop->GetSafeHwnd()) &&
               ::SendMessage(hForeground, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0);
  }
  SendMessage(WM_FLOATSTATUS, bActive ? FS_ACTIVATE : FS_DEACTIVATE);
  return TRUE;
}

LRESULT CTKToolBar::OnFloatStatus(WPARAM wParam, LPARAM) {
  const DWORD dwStatus = static_cast<DWORD>(wParam);
  const BOOL bSyncActive = (CWnd::GetStyle() & kSyncActiveStyle) && (dwStatus & FS_SYNCACTIVE);
  if (m_barPosition != tkBarFloating || !m_bVisible) return bSyncActive;
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr || pCommandBars->GetCommandBarsOptions()->bSyncFloatingBars) {
    const BOOL bTopActive = IsTopParentActive(this);
    if ((dwStatus & FS_DEACTIVATE) && !bTopActive) {
      SetWindowPos(NULL, 0, 0, 0, 0, kHideFlags);
    } else if ((dwStatus & FS_ACTIVATE) && !(CWnd::GetStyle() & WS_VISIBLE) && bTopActive) {
      const HWND hForeground = ::GetForegroundWindow();
      if (hForeground != NULL && ::IsWindowVisible(hForeground) && ::IsWindowEnabled(hForeground))
        SetWindowPos(NULL, 0, 0, 0, 0, kShowFlags);
    }
  }
  if (dwStatus & (FS_SHOW | FS_HIDE))
    SetWindowPos(NULL, 0, 0, 0, 0, (dwStatus & FS_SHOW) ? kShowFlags : kHideFlags);
  if (dwStatus & (FS_ENABLE | FS_DISABLE)) EnableWindow((dwStatus & FS_ENABLE) != 0);
  return bSyncActive;
}
