// Window layout and placement helpers: bars around a client area, centring,
// the owner of modal boxes, dialog colours, messages to all descendants, and
// the tool-tip hit test.
#include "WndState.h"

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect) {
  if (lpLayout != nullptr && lpLayout->hDWP == nullptr) return;  // only asking
  CRect rectOld;
  ::GetWindowRect(hWnd, &rectOld);
  ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<LPPOINT>(&rectOld), 2);
  if (rectOld == *lpRect) return;
  const int cx = lpRect->right - lpRect->left;
  const int cy = lpRect->bottom - lpRect->top;
  if (lpLayout != nullptr) {
    lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top, cx,
                                      cy, SWP_NOACTIVATE | SWP_NOZORDER);
  } else {
    ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, cx, cy, SWP_NOACTIVATE | SWP_NOZORDER);
  }
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType) {
  DWORD dwExStyle = GetExStyle();
  if (nAdjustType == adjustBorder) dwExStyle &= ~WS_EX_CLIENTEDGE;
  ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags,
                          LPRECT lpRectParam, LPCRECT lpRectClient, BOOL bStretch) {
  const UINT nMode = nFlags & ~reposNoPosLeftOver;
  AFX_SIZEPARENTPARAMS layout = {};
  layout.bStretch = bStretch;
  if (lpRectClient != nullptr) {
    layout.rect = *lpRectClient;
  } else {
    GetClientRect(&layout.rect);
  }
  if (nMode != reposQuery) layout.hDWP = ::BeginDeferWindowPos(8);

  HWND hWndLeftOver = nullptr;
  for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
       hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
    UINT nIDC = static_cast<UINT>(static_cast<WORD>(::GetDlgCtrlID(hWndChild)));
    if (nIDC == nIDLeftOver) {
      hWndLeftOver = hWndChild;
    } else if (nIDC >= nIDFirst && nIDC <= nIDLast && FromHandlePermanent(hWndChild) != nullptr) {
      ::SendMessage(hWndChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
  }

  if (nMode == reposQuery) {
    if (bStretch) {
      ::CopyRect(lpRectParam, &layout.rect);
    } else {
      ::SetRect(lpRectParam, 0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
    }
    return;
  }

  if (nIDLeftOver != 0 && hWndLeftOver != nullptr) {
    if (nMode == reposExtra && lpRectParam != nullptr) {
      layout.rect.left += lpRectParam->left;
      layout.rect.top += lpRectParam->top;
      layout.rect.right -= lpRectParam->right;
      layout.rect.bottom -= lpRectParam->bottom;
    }
    if ((nFlags & reposNoPosLeftOver) == 0) {
      FromHandle(hWndLeftOver)->CalcWindowRect(&layout.rect);
      AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
    }
  }
  if (layout.hDWP != nullptr) ::EndDeferWindowPos(layout.hDWP);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  const DWORD dwStyle = GetStyle();
  HWND hWndCenter = pAlternateOwner->GetSafeHwnd();
  if (hWndCenter == nullptr)
    hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);

  CRect rcDlg;
  GetWindowRect(&rcDlg);
  CRect rcArea;
  CRect rcCenter;
  if ((dwStyle & WS_CHILD) == 0) {
    // A top-level window centres on its owner within the owner's monitor;
    // a hidden or minimised owner is no reference.
    if (hWndCenter != nullptr && (!::IsWindowVisible(hWndCenter) || ::IsIconic(hWndCenter)))
      hWndCenter = nullptr;
    HMONITOR hMonitor =
        ::MonitorFromWindow(hWndCenter != nullptr ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi = {sizeof mi};
    ::GetMonitorInfo(hMonitor, &mi);
    rcArea = mi.rcWork;
    if (hWndCenter != nullptr) {
      ::GetWindowRect(hWndCenter, &rcCenter);
    } else {
      rcCenter = rcArea;
    }
  } else {
    HWND hWndParent = ::GetParent(m_hWnd);
    ::GetClientRect(hWndParent, &rcArea);
    if (hWndCenter != nullptr) {
      ::GetClientRect(hWndCenter, &rcCenter);
      ::MapWindowPoints(hWndCenter, hWndParent, reinterpret_cast<LPPOINT>(&rcCenter), 2);
    } else {
      rcCenter = rcArea;
    }
  }

  int xLeft = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
  int yTop = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
  // Keep the whole window inside the area where it can.
  if (xLeft + rcDlg.Width() > rcArea.right) xLeft = rcArea.right - rcDlg.Width();
  if (xLeft < rcArea.left) xLeft = rcArea.left;
  if (yTop + rcDlg.Height() > rcArea.bottom) yTop = rcArea.bottom - rcDlg.Height();
  if (yTop < rcArea.top) yTop = rcArea.top;
  ::SetWindowPos(m_hWnd, nullptr, xLeft, yTop, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND PASCAL CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop) {
  HWND hWnd = hParent;
  if (hWnd == nullptr) {
    // A box shown while a frame routes a command belongs to that frame,
    // which need not be the main window.
    CFrameWnd* pRoutingFrame = AfxGetThreadState()->m_pRoutingFrame;
    hWnd = pRoutingFrame != nullptr ? pRoutingFrame->GetSafeHwnd() : nullptr;
    if (hWnd == nullptr) hWnd = AfxGetMainWnd()->GetSafeHwnd();
  }
  while (hWnd != nullptr && (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD) != 0)
    hWnd = ::GetParent(hWnd);

  HWND hWndTop = hWnd;
  for (HWND hWndUp = hWnd; hWndUp != nullptr; hWndUp = ::GetParent(hWndUp)) hWndTop = hWndUp;

  if (hParent == nullptr && hWnd != nullptr) hWnd = ::GetLastActivePopup(hWnd);

  if (pWndTop != nullptr) {
    if (hWndTop != nullptr && ::IsWindowEnabled(hWndTop) && hWndTop != hWnd) {
      *pWndTop = hWndTop;
      ::EnableWindow(hWndTop, FALSE);
    } else {
      *pWndTop = nullptr;
    }
  }
  return hWnd;
}

CWnd* PASCAL CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop) {
  return FromHandle(GetSafeOwner_(pParent->GetSafeHwnd(), pWndTop));
}

BOOL PASCAL CWnd::GrayCtlColor(HDC hDC, HWND hWnd, UINT nCtlColor, HBRUSH hbrGray,
                               COLORREF clrText) {
  if (hDC == nullptr || hbrGray == nullptr) return FALSE;
  if (nCtlColor == CTLCOLOR_EDIT || nCtlColor == CTLCOLOR_MSGBOX || nCtlColor == CTLCOLOR_SCROLLBAR)
    return FALSE;
  if (nCtlColor == CTLCOLOR_LISTBOX) {
    // Only a drop-down combo box asking for the strip between its edit and
    // its button is painted like the dialog; real lists keep their colours.
    char className[16];
    if (::GetClassNameA(hWnd, className, sizeof className) == 0 ||
        lstrcmpiA(className, "ComboBox") != 0)
      return FALSE;
    if ((::GetWindowLongPtr(hWnd, GWL_STYLE) & 0x0F) != CBS_DROPDOWN) return FALSE;
  }
  LOGBRUSH logbrush;
  if (::GetObject(hbrGray, sizeof logbrush, &logbrush) == 0) return FALSE;
  ::SetBkColor(hDC, logbrush.lbColor);
  ::SetTextColor(hDC,
                 clrText == static_cast<COLORREF>(-1) ? ::GetSysColor(COLOR_WINDOWTEXT) : clrText);
  return TRUE;
}

void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           BOOL bDeep, BOOL bOnlyPerm) {
  for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr;
       hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
    if (bOnlyPerm) {
      // Straight to the object: windows of ours need no trip through the
      // system, and others do not understand the layer's messages anyway.
      if (CWnd* pWnd = FromHandlePermanent(hWndChild))
        AfxCallWndProc(pWnd, hWndChild, message, wParam, lParam);
    } else {
      ::SendMessage(hWndChild, message, wParam, lParam);
    }
    if (bDeep && ::GetTopWindow(hWndChild) != nullptr)
      SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
  }
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm) {
  SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
  // Disabled children count as well, which WindowFromPoint would skip.
  ::ClientToScreen(m_hWnd, &point);
  for (HWND hWndChild = ::GetWindow(m_hWnd, GW_CHILD); hWndChild != nullptr;
       hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
    if ((::GetWindowLongPtr(hWndChild, GWL_STYLE) & WS_VISIBLE) == 0) continue;
    if (static_cast<WORD>(::GetDlgCtrlID(hWndChild)) == static_cast<WORD>(-1)) continue;
    CRect rect;
    ::GetWindowRect(hWndChild, &rect);
    if (!rect.PtInRect(point)) continue;
    if (pTI != nullptr) {
      pTI->hwnd = m_hWnd;
      pTI->uId = reinterpret_cast<UINT_PTR>(hWndChild);
      pTI->uFlags |= TTF_IDISHWND;
      pTI->lpszText = LPSTR_TEXTCALLBACK;
      if ((::SendMessage(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0)
        pTI->uFlags |= TTF_NOTBUTTON | TTF_CENTERTIP;
    }
    return static_cast<WORD>(::GetDlgCtrlID(hWndChild));
  }
  return -1;
}
