// CTKMouseManager: tracked bars, outside clicks, the thread's mouse hook and
// the mouse-leave emulation.
#include "commandbars/TKMouseManager.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"

namespace {

CThreadLocal<CTKMouseManager> g_mouseManager;

// The system repeats a mouse move at an unchanged point; the hook keeps the
// last point to drop those while bars track.
POINT g_ptLastMouse = {-1, -1};

BOOL IsButtonDown(UINT nMessage) {
  switch (nMessage) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      return TRUE;
  }
  return FALSE;
}

BOOL IsMouseMove(UINT nMessage) { return nMessage == WM_MOUSEMOVE || nMessage == WM_NCMOUSEMOVE; }

BOOL IsLeftButtonUp(UINT nMessage) { return nMessage == WM_LBUTTONUP || nMessage == WM_NCLBUTTONUP; }

/// Clicks into an input method's candidate or composition window belong to
/// the typing, not to the desktop.
BOOL IsImeWindow(HWND hWnd) {
  return hWnd != NULL && (::GetClassLongPtr(hWnd, GCL_STYLE) & CS_IME) != 0;
}

BOOL IsWindowInBar(HWND hWnd, const CTKCommandBar* pBar) {
  HWND hBar = pBar->GetSafeHwnd();
  if (hBar == NULL) return FALSE;
  for (HWND h = hWnd; h != NULL; h = ::GetParent(h))
    if (h == hBar) return TRUE;
  return FALSE;
}

}  // namespace

CTKMouseManager::CTKMouseManager()
    : m_nTrackLock(0),
      m_hHook(NULL),
      m_pHotBar(nullptr),
      m_hWndFollowed(NULL),
      m_bMenusExpanded(FALSE),
      m_bSwallowButtonUp(FALSE) {
  HINSTANCE hInstance = AfxGetInstanceHandle();
  m_hHook = ::SetWindowsHookExA(WH_MOUSE, &MouseProc,
                                hInstance != NULL ? hInstance : ::GetModuleHandle(NULL),
                                ::GetCurrentThreadId());
}

CTKMouseManager::~CTKMouseManager() {
  if (m_hHook != NULL) ::UnhookWindowsHookEx(m_hHook);
}

CTKMouseManager* AFX_CDECL CTKMouseManager::GetThreadManager() { return g_mouseManager.GetData(); }

// Tracked bars -----------------------------------------------------------------------

int CTKMouseManager::FindTracked(const CTKCommandBar* pBar) const {
  for (int i = 0; i < GetTrackedCount(); ++i)
    if (m_arrTracked[i].pBar == pBar) return i;
  return -1;
}

CTKCommandBar* CTKMouseManager::GetTrackedBar(int nIndex) const {
  return nIndex >= 0 && nIndex < GetTrackedCount() ? m_arrTracked[nIndex].pBar : nullptr;
}

void CTKMouseManager::AddTrackedBar(CTKCommandBar* pBar) {
  if (GetTrackedCount() == 0 && m_pHotBar != nullptr && m_pHotBar != pBar)
    m_pHotBar->ClearSelection();
  if (FindTracked(pBar) == -1) m_arrTracked.Add(TRACKED{pBar, 0});
}

void CTKMouseManager::RemoveTrackedBar(CTKCommandBar* pBar) {
  int nIndex = FindTracked(pBar);
  if (nIndex != -1) m_arrTracked.RemoveAt(nIndex);
  if (GetTrackedCount() == 0) {
    // The window under the mouse was shadowed by the bars: a fresh move at
    // the unchanged cursor position lets it take over its hot state.
    ResetLastMousePosition();
    POINT pt;
    if (::GetCursorPos(&pt)) ::SetCursorPos(pt.x, pt.y);
  }
  m_bSwallowButtonUp = FALSE;
}

void CTKMouseManager::SendTrackLost() {
  while (GetTrackedCount() > 0) {
    CTKCommandBar* pBar = m_arrTracked[0].pBar;
    pBar->CancelTracking();
    // A bar that does not leave the list itself must not keep the loop going.
    int nIndex = FindTracked(pBar);
    if (nIndex != -1) m_arrTracked.RemoveAt(nIndex);
  }
}

void CTKMouseManager::LockTrackedBars(BOOL bLock) {
  for (int i = 0; i < GetTrackedCount(); ++i) m_arrTracked[i].nLock += bLock ? 1 : -1;
}

void CTKMouseManager::CloseUnlockedBars() {
  if (GetTrackedCount() == 0 || !IsLocked(0)) return;
  for (int i = GetTrackedCount() - 1; i >= 0; --i) {
    if (i >= GetTrackedCount() || IsLocked(i)) continue;
    m_arrTracked[i].pBar->CancelTracking();
  }
}

BOOL CTKMouseManager::IsTrackedLock(const CTKCommandBar* pBar) const {
  if (GetTrackedCount() == 0) return FALSE;
  int nIndex = FindTracked(pBar);
  return pBar == nullptr || nIndex == -1 || IsLocked(nIndex);
}

// Trusted windows and outside clicks ---------------------------------------------------

void CTKMouseManager::AddTrustedWindow(HWND hWnd) {
  for (INT_PTR i = 0; i < m_arrTrusted.GetSize(); ++i)
    if (m_arrTrusted[i] == hWnd) return;
  m_arrTrusted.Add(hWnd);
}

void CTKMouseManager::RemoveTrustedWindow(HWND hWnd) {
  for (INT_PTR i = m_arrTrusted.GetSize() - 1; i >= 0; --i)
    if (m_arrTrusted[i] == hWnd) m_arrTrusted.RemoveAt(i);
}

BOOL CTKMouseManager::IsInTrustedWindow(POINT pt) const {
  for (INT_PTR i = 0; i < m_arrTrusted.GetSize(); ++i) {
    RECT rc;
    if (::IsWindowVisible(m_arrTrusted[i]) && ::GetWindowRect(m_arrTrusted[i], &rc) &&
        ::PtInRect(&rc, pt))
      return TRUE;
  }
  return FALSE;
}

int CTKMouseManager::FindBarAtPoint(POINT, HWND hWndUnder) const {
  for (int i = GetTrackedCount() - 1; i >= 0; --i)
    if (IsWindowInBar(hWndUnder, m_arrTracked[i].pBar)) return i;
  return -1;
}

BOOL CTKMouseManager::IsOutsideClick(const CTKCommandBar* pBar, UINT nMessage) const {
  switch (nMessage) {
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      break;
    default:
      return FALSE;
  }
  POINT pt;
  ::GetCursorPos(&pt);
  HWND hWndUnder = ::WindowFromPoint(pt);
  int nIndex = FindBarAtPoint(pt, hWndUnder);
  if (nIndex != -1) {
    int nGiven = FindTracked(pBar);
    BOOL bGivenLocked = nGiven != -1 && IsLocked(nGiven);
    if (!(IsLocked(nIndex) && !bGivenLocked)) return FALSE;
  }
  if (GetTrackedCount() == 0) return TRUE;
  if (IsInTrustedWindow(pt)) return FALSE;
  return !IsImeWindow(hWndUnder);
}

// The mouse hook ---------------------------------------------------------------------------

void AFX_CDECL CTKMouseManager::ResetLastMousePosition() {
  g_ptLastMouse.x = -1;
  g_ptLastMouse.y = -1;
}

BOOL CTKMouseManager::OnMouseHookMessage(UINT nMessage, POINT pt) {
  if (nMessage == WM_LBUTTONDOWN || nMessage == WM_RBUTTONDOWN) m_bSwallowButtonUp = FALSE;
  if (IsLeftButtonUp(nMessage) && m_bSwallowButtonUp) {
    m_bSwallowButtonUp = FALSE;
    return TRUE;
  }
  if (IsMouseMove(nMessage)) {
    BOOL bRepeated = g_ptLastMouse.x == pt.x && g_ptLastMouse.y == pt.y;
    g_ptLastMouse = pt;
    if (bRepeated && GetTrackedCount() > 0) return TRUE;
  }
  if (GetTrackedCount() == 0) return FALSE;

  HWND hWndUnder = ::WindowFromPoint(pt);
  int nIndex = FindBarAtPoint(pt, hWndUnder);
  if (nIndex != -1) {
    if (IsMouseMove(nMessage) || !IsLocked(nIndex) || m_bSwallowButtonUp) return FALSE;
    CloseUnlockedBars();
    g_ptLastMouse.x = 0;
    g_ptLastMouse.y = 0;
    return FALSE;
  }
  if (IsInTrustedWindow(pt) || IsImeWindow(hWndUnder)) return FALSE;

  if (IsMouseMove(nMessage)) {
    // Over no bar: each drops its hot control. A bar may leave tracking
    // while it answers, so the array is walked from a copy.
    CArray<CTKCommandBar*, CTKCommandBar*> arrBars;
    for (int i = 0; i < GetTrackedCount(); ++i)
      if (!IsLocked(i)) arrBars.Add(m_arrTracked[i].pBar);
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i) {
      if (!IsTracked(arrBars[i]) || arrBars[i]->GetSafeHwnd() == NULL) continue;
      POINT ptClient = pt;
      ::ScreenToClient(arrBars[i]->GetSafeHwnd(), &ptClient);
      arrBars[i]->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
    }
    return FALSE;
  }
  if (IsLeftButtonUp(nMessage)) {
    if (m_nTrackLock <= 0) SendTrackLost();
    return FALSE;
  }
  // The click that closes the bars still reaches the window under it.
  if (IsButtonDown(nMessage)) SendTrackLost();
  return FALSE;
}

LRESULT CALLBACK CTKMouseManager::MouseProc(int nCode, WPARAM wParam, LPARAM lParam) {
  CTKMouseManager* pManager = g_mouseManager.GetDataNA();
  if (nCode == HC_ACTION && pManager != nullptr) {
    const MOUSEHOOKSTRUCT* pInfo = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
    if (pManager->OnMouseHookMessage(static_cast<UINT>(wParam), pInfo->pt)) return 1;
  }
  return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// Mouse-leave emulation ------------------------------------------------------------------------

void CTKMouseManager::TrackMouseLeave(HWND hWnd) {
  if (hWnd == m_hWndFollowed) return;
  if (m_hWndFollowed != NULL && ::IsWindow(m_hWndFollowed))
    ::SendMessage(m_hWndFollowed, WM_MOUSELEAVE, 0, 0);
  m_hWndFollowed = hWnd;
  TKCommandBarsSystem()->SetTimerProc(hWnd, kTimerMouseLeave, kMouseLeaveElapse,
                                      &MouseLeaveTimerProc);
}

BOOL AFX_CDECL CTKMouseManager::IsTopParentActive(HWND hWnd) {
  HWND hTop = hWnd;
  for (HWND h = hWnd; h != NULL; h = ::GetParent(h)) hTop = h;
  return ::GetLastActivePopup(hTop) == ::GetForegroundWindow();
}

void CTKMouseManager::OnMouseLeaveTimer(HWND hWnd) {
  if (!::IsWindow(hWnd)) {
    TKCommandBarsSystem()->KillTimer(hWnd, kTimerMouseLeave);
    if (m_hWndFollowed == hWnd) m_hWndFollowed = NULL;
    return;
  }
  POINT pt;
  RECT rc;
  ::GetCursorPos(&pt);
  ::GetWindowRect(hWnd, &rc);
  BOOL bActive = ::GetParent(hWnd) == NULL || (::GetWindowLong(hWnd, GWL_STYLE) & WS_POPUP) ||
                 IsTopParentActive(hWnd);
  if (::PtInRect(&rc, pt) && bActive) return;
  TKCommandBarsSystem()->KillTimer(hWnd, kTimerMouseLeave);
  if (m_hWndFollowed == hWnd) m_hWndFollowed = NULL;
  ::PostMessage(hWnd, WM_MOUSELEAVE, 0, 0);
}

void CALLBACK CTKMouseManager::MouseLeaveTimerProc(HWND hWnd, UINT, UINT_PTR, DWORD) {
  if (CTKMouseManager* pManager = g_mouseManager.GetDataNA()) pManager->OnMouseLeaveTimer(hWnd);
}
