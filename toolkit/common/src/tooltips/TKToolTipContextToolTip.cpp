// The toolkit tip window: its tools, the tooltip messages, and when it shows.
#include "common/TKToolTipContextToolTip.h"

#include "common/TKOSVersionHelper.h"
#include "common/TKToolTipSystem.h"

namespace {

// The tip that holds the thread's mouse hook, and the hook.
CTKToolTipContextToolTip* g_pHookTip = nullptr;
HHOOK g_hMouseHook = NULL;

BOOL IsRelayedMouseMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

}  // namespace

LRESULT CTKToolTipContext::CStandardToolTip::WindowProc(UINT message, WPARAM wParam,
                                                        LPARAM lParam) {
  if (message == TTM_WINDOWFROMPOINT && lParam != 0)
    return reinterpret_cast<LRESULT>(TKToolTipWindowFromPoint(*reinterpret_cast<POINT*>(lParam)));
  return CToolTipCtrl::WindowProc(message, wParam, lParam);
}

CTKToolTipContextToolTip::CTKToolTipContextToolTip(CTKToolTipContext* pContext)
    : m_pContext(pContext) {}

CTKToolTipContextToolTip::~CTKToolTipContextToolTip() {
  if (m_hWnd != NULL) DestroyWindow();
  RemoveMouseHook();
  for (TOOLITEM* pTool : m_arrTools) delete pTool;
  m_arrTools.clear();
}

BOOL CTKToolTipContextToolTip::Create(CWnd* pOwner) {
  UINT nClassStyle = CS_SAVEBITS | CS_OWNDC;
  DWORD dwTipStyle = m_pContext->GetToolTipStyle();
  if (TKOSVersionHelper()->IsWinXPOrGreater() && !(dwTipStyle & CTKToolTipContext::tipNoShadow))
    nClassStyle |= CS_DROPSHADOW;
  LPCTSTR lpszClass = AfxRegisterWndClass(nClassStyle, ::LoadCursor(NULL, IDC_ARROW));
  return CreateEx(WS_EX_TOOLWINDOW, lpszClass, NULL, WS_POPUP | dwTipStyle | 3, 0, 0, 0, 0,
                  pOwner->GetSafeHwnd(), NULL);
}

CTKToolTipContextToolTip::TOOLITEM* CTKToolTipContextToolTip::FindTool(HWND hWnd,
                                                                       UINT_PTR nID) const {
  for (TOOLITEM* pTool : m_arrTools)
    if (pTool->hWnd == hWnd && pTool->nID == nID) return pTool;
  return nullptr;
}

LRESULT CTKToolTipContextToolTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  BOOL bHandled = TRUE;
  LRESULT lResult = OnToolTipMessage(message, wParam, lParam, bHandled);
  if (bHandled) return lResult;
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      ShowTool(nullptr);
      return 0;
    case WM_PAINT: {
      CPaintDC dc(this);
      Paint(&dc);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_DESTROY:
      OnDestroy();
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CTKToolTipContextToolTip::OnToolTipMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                                   BOOL& bHandled) {
  const TOOLINFO* pTI = reinterpret_cast<const TOOLINFO*>(lParam);
  switch (message) {
    case TTM_ADDTOOL:
      if (pTI == nullptr) return FALSE;
      AddTool(pTI);
      return TRUE;
    case TTM_DELTOOL:
      if (pTI != nullptr) DeleteTool(pTI->hwnd, pTI->uId);
      return 0;
    case WM_TK_TOOLTIPDELTOOL:
      DeleteTool(reinterpret_cast<HWND>(lParam), wParam);
      return 0;
    case TTM_ACTIVATE:
      Activate(static_cast<BOOL>(wParam));
      return 0;
    case TTM_RELAYEVENT:
      if (lParam != 0) RelayEvent(reinterpret_cast<const MSG*>(lParam));
      return 0;
    case TTM_SETDELAYTIME:
      SetDelayTime(wParam, static_cast<short>(LOWORD(lParam)));
      return 0;
    case TTM_SETTITLE:
      m_strTitle = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
      return TRUE;
    case TTM_UPDATETIPTEXT:
      if (pTI != nullptr) UpdateTipText(pTI);
      return 0;
    case TTM_WINDOWFROMPOINT:
      return lParam != 0 ? reinterpret_cast<LRESULT>(
                               TKToolTipWindowFromPoint(*reinterpret_cast<const POINT*>(lParam)))
                         : 0;
    case WM_TK_TOOLTIPSETICON:
      m_pIcon = reinterpret_cast<CTKImageManagerIcon*>(lParam);
      return 0;
  }
  bHandled = FALSE;
  return 0;
}

void CTKToolTipContextToolTip::AddTool(const TOOLINFO* pTI) {
  TOOLITEM* pTool = new TOOLITEM();
  if (pTI->lpszText == LPSTR_TEXTCALLBACK)
    pTool->bTextCallback = TRUE;
  else if (pTI->lpszText != nullptr && !IS_INTRESOURCE(pTI->lpszText))
    pTool->strText = pTI->lpszText;
  pTool->uFlags = pTI->uFlags;
  pTool->rect = pTI->rect;
  pTool->hInstance = pTI->hinst;
  pTool->hWnd = pTI->hwnd;
  pTool->nID = pTI->uId;
  if (pTI->cbSize >= CTKToolTipContext::kToolInfoSizeEx && pTI->lParam != 0)
    pTool->rcAnchor = reinterpret_cast<const TK_TOOLINFO_EXTENSION*>(pTI->lParam)->rcAnchor;
  m_arrTools.push_back(pTool);
}

void CTKToolTipContextToolTip::DeleteTool(HWND hWnd, UINT_PTR nID) {
  TOOLITEM* pTool = FindTool(hWnd, nID);
  if (pTool == nullptr) return;
  // The record is in use by the notification on its way; the request comes
  // back when that has returned, by value, so it names the same tool.
  if (m_nIDInNotification != -1 && static_cast<UINT_PTR>(m_nIDInNotification) == nID &&
      m_hWndInNotification == hWnd) {
    PostMessage(WM_TK_TOOLTIPDELTOOL, nID, reinterpret_cast<LPARAM>(hWnd));
    return;
  }
  if (pTool == m_pCurrentTool) ShowTool(nullptr);
  if (pTool == m_pPressedTool) m_pPressedTool = nullptr;
  if (pTool == m_pPendingTool) {
    m_pPendingTool = nullptr;
    if (m_bShowTimer) {
      TKToolTipSystem()->KillTimer(m_hWnd, timerShow);
      m_bShowTimer = FALSE;
    }
  }
  for (size_t i = 0; i < m_arrTools.size(); i++) {
    if (m_arrTools[i] == pTool) {
      m_arrTools.erase(m_arrTools.begin() + i);
      break;
    }
  }
  delete pTool;
}

void CTKToolTipContextToolTip::UpdateTipText(const TOOLINFO* pTI) {
  TOOLITEM* pTool = FindTool(pTI->hwnd, pTI->uId);
  if (pTool == nullptr) return;
  pTool->bTextCallback = pTI->lpszText == LPSTR_TEXTCALLBACK;
  pTool->strText.Empty();
  if (!pTool->bTextCallback && pTI->lpszText != nullptr && !IS_INTRESOURCE(pTI->lpszText))
    pTool->strText = pTI->lpszText;
}

void CTKToolTipContextToolTip::Activate(BOOL bActivate) {
  m_bActive = bActivate;
  if (bActivate) return;
  if (m_bShowTimer) {
    TKToolTipSystem()->KillTimer(m_hWnd, timerShow);
    m_bShowTimer = FALSE;
  }
  m_pPendingTool = nullptr;
  if (m_pCurrentTool != nullptr) ShowTool(nullptr);
}

void CTKToolTipContextToolTip::SetDelayTime(WPARAM nKind, int nDelay) {
  if (nKind == TTDT_RESHOW) m_nDelayReshow = nDelay;
  if (nKind == TTDT_AUTOPOP) m_nDelayAutoPop = nDelay;
  if (nKind == TTDT_INITIAL) m_nDelayInitial = nDelay;
}

CString CTKToolTipContextToolTip::GetToolText(TOOLITEM* pTool) {
  if (!pTool->bTextCallback) return pTool->strText;
  NMTTDISPINFOA info;
  memset(&info, 0, sizeof info);
  char szBuffer[80] = "";
  info.hdr.hwndFrom = m_hWnd;
  info.hdr.idFrom = pTool->nID;
  info.hdr.code = TTN_GETDISPINFOA;
  info.lpszText = szBuffer;
  info.uFlags = pTool->uFlags;
  ::SendMessage(pTool->hWnd, WM_NOTIFY, pTool->nID, reinterpret_cast<LPARAM>(&info));
  CString strText;
  if (info.lpszText == szBuffer || info.lpszText == info.szText) {
    strText = info.lpszText;
  } else if (reinterpret_cast<UINT_PTR>(info.lpszText) > 0xFFFF) {
    strText = info.lpszText;
  } else if (info.lpszText != nullptr) {
    HINSTANCE hInst = info.hinst != NULL ? info.hinst : pTool->hInstance;
    char szString[1024] = "";
    ::LoadStringA(hInst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.lpszText)), szString,
                  sizeof szString);
    strText = szString;
  }
  if (!(m_pContext->GetToolTipStyle() & TTS_NOPREFIX)) {
    CString strClean;
    for (int i = 0; i < strText.GetLength(); i++) {
      if (strText[i] == '&') {
        if (i + 1 >= strText.GetLength() || strText[i + 1] != '&') continue;
        i++;
      }
      strClean += strText[i];
    }
    strText = strClean;
  }
  pTool->strText = strText;
  pTool->bTextCallback = FALSE;
  return strText;
}

BOOL CTKToolTipContextToolTip::IsRightToLeft(TOOLITEM* pTool) const {
  return pTool != nullptr && ::IsWindow(pTool->hWnd) &&
         (::GetWindowLongPtr(pTool->hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
}

CTKToolTipContextToolTip::TOOLITEM* CTKToolTipContextToolTip::HitTest() const {
  CTKToolTipSystem* pSystem = TKToolTipSystem();
  if (pSystem->IsMouseButtonDown()) return nullptr;
  CPoint pt = pSystem->GetCursorPos();
  for (TOOLITEM* pTool : m_arrTools) {
    if (!::IsWindow(pTool->hWnd)) continue;
    CRect rc;
    if (pTool->uFlags & TTF_IDISHWND) {
      ::GetWindowRect(reinterpret_cast<HWND>(pTool->nID), &rc);
    } else {
      rc = pTool->rect;
      ::MapWindowPoints(pTool->hWnd, NULL, reinterpret_cast<POINT*>(&rc), 2);
      rc.NormalizeRect();
    }
    if (!rc.PtInRect(pt)) continue;
    if (!(pTool->uFlags & TTF_IDISHWND) && TKToolTipWindowFromPoint(pt) != pTool->hWnd) continue;
    return pTool;
  }
  return nullptr;
}

void CTKToolTipContextToolTip::RelayEvent(const MSG* pMsg) {
  if (!m_bActive || !IsRelayedMouseMessage(pMsg->message)) return;
  TOOLITEM* pTool = nullptr;
  if (pMsg->message == WM_LBUTTONDOWN) {
    m_pPressedTool = HitTest();
  } else {
    pTool = HitTest();
    if (pTool != nullptr && pTool == m_pPressedTool) pTool = nullptr;
  }
  CTKToolTipSystem* pSystem = TKToolTipSystem();
  if (m_bShowTimer && (pTool == nullptr || pTool != m_pPendingTool)) {
    pSystem->KillTimer(m_hWnd, timerShow);
    m_bShowTimer = FALSE;
    m_pPendingTool = nullptr;
  }
  if (pTool == nullptr) {
    ShowTool(nullptr);
    return;
  }
  if (pTool == m_pCurrentTool) return;
  DWORD dwSince = pSystem->GetTickCount() - m_dwLastChange;
  if (dwSince >= static_cast<DWORD>(m_nDelayReshow)) {
    if (m_pPendingTool != pTool || !m_bShowTimer) {
      m_pPendingTool = pTool;
      pSystem->SetTimer(m_hWnd, timerShow, m_nDelayInitial);
      m_bShowTimer = TRUE;
    }
  } else {
    ShowTool(pTool);
  }
}

void CTKToolTipContextToolTip::OnTimer(UINT_PTR nID) {
  CTKToolTipSystem* pSystem = TKToolTipSystem();
  if (nID == timerShow) {
    pSystem->KillTimer(m_hWnd, timerShow);
    m_bShowTimer = FALSE;
    TOOLITEM* pPending = m_pPendingTool;
    m_pPendingTool = nullptr;
    if (pPending != nullptr && pPending == HitTest() && pPending != m_pPressedTool)
      ShowTool(pPending);
  } else if (nID == timerAutoPop) {
    pSystem->KillTimer(m_hWnd, timerAutoPop);
    Activate(FALSE);
  }
}

void CTKToolTipContextToolTip::OnDestroy() {
  if (m_bShowTimer) TKToolTipSystem()->KillTimer(m_hWnd, timerShow);
  m_bShowTimer = FALSE;
  RemoveMouseHook();
  m_pCurrentTool = m_pPressedTool = m_pPendingTool = nullptr;
  for (TOOLITEM* pTool : m_arrTools) delete pTool;
  m_arrTools.clear();
}

void CTKToolTipContextToolTip::OnVisibleChanged(BOOL) {}

void CTKToolTipContextToolTip::InstallMouseHook() {
  if (g_hMouseHook != NULL) return;
  g_hMouseHook = ::SetWindowsHookExA(WH_MOUSE, &MouseHookProc, NULL, ::GetCurrentThreadId());
  if (g_hMouseHook != NULL) g_pHookTip = this;
}

void CTKToolTipContextToolTip::RemoveMouseHook() {
  if (g_pHookTip != this) return;
  ::UnhookWindowsHookEx(g_hMouseHook);
  g_hMouseHook = NULL;
  g_pHookTip = nullptr;
}

// Hides the tip when the mouse leaves the tool's window even when that window
// gets no mouse message of its own (another window captured the mouse).
LRESULT CALLBACK CTKToolTipContextToolTip::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam) {
  HHOOK hHook = g_hMouseHook;
  CTKToolTipContextToolTip* pTip = g_pHookTip;
  if (nCode == HC_ACTION && pTip != nullptr && pTip->m_pCurrentTool != nullptr) {
    const MOUSEHOOKSTRUCT* pHook = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
    if (TKToolTipWindowFromPoint(pHook->pt) != pTip->m_pCurrentTool->hWnd) {
      MSG msg;
      memset(&msg, 0, sizeof msg);
      msg.hwnd = pHook->hwnd;
      msg.message = WM_MOUSEMOVE;
      msg.pt = pHook->pt;
      pTip->RelayEvent(&msg);
    }
  }
  return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}
