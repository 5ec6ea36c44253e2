// CMessageForwardingManager: the search for the window under the cursor.
#include "uilib/MessageForwardingManager.h"

#include "uilib/UILibSystem.h"

CWnd* CMessageForwardingManager::FindChildAt(CWnd* pWnd, POINT ptScreen) {
  if (pWnd == nullptr) return nullptr;
  CWnd* pResult = nullptr;
  for (HWND hChild = ::GetWindow(pWnd->GetSafeHwnd(), GW_CHILD); hChild != NULL;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    RECT rc;
    if (!::IsWindow(hChild) || !::IsWindowVisible(hChild) || !::GetWindowRect(hChild, &rc) ||
        !::PtInRect(&rc, ptScreen))
      continue;
    CWnd* pChild = CWnd::FromHandle(hChild);
    pResult = FindChildAt(pChild, ptScreen);
    if (pResult == nullptr) pResult = pChild;
    break;
  }
  return pResult == m_pOwner ? nullptr : pResult;
}

BOOL CMessageForwardingManager::Forward(UINT message, WPARAM wParam, POINT point) {
  if (m_pOwner == nullptr) return FALSE;
  POINT ptCursor;
  if (!UILibSystem()->GetCursorPos(&ptCursor)) return FALSE;
  CWnd* pTarget = FindChildAt(m_pOwner, ptCursor);
  if (pTarget == nullptr) return FALSE;
  ::ClientToScreen(m_pOwner->GetSafeHwnd(), &point);
  ::ScreenToClient(pTarget->GetSafeHwnd(), &point);
  return pTarget->PostMessage(message, wParam, MAKELPARAM(point.x, point.y));
}

BOOL CMessageForwardingManager::ForwardMouseWheel(UINT nFlags, short zDelta, POINT point) {
  return Forward(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, zDelta), point);
}
