// The real clock, mouse and timers of the tooltips.
#include "common/TKToolTipSystem.h"

namespace {
CTKToolTipSystem* g_pInstalled = nullptr;
}  // namespace

DWORD CTKToolTipSystem::GetTickCount() { return ::GetTickCount(); }

CPoint CTKToolTipSystem::GetCursorPos() {
  CPoint pt(0, 0);
  ::GetCursorPos(&pt);
  return pt;
}

BOOL CTKToolTipSystem::IsMouseButtonDown() {
  return (::GetKeyState(VK_LBUTTON) & 0x8000) || (::GetKeyState(VK_RBUTTON) & 0x8000) ||
         (::GetKeyState(VK_MBUTTON) & 0x8000);
}

HWND CTKToolTipSystem::WindowFromPoint(POINT pt) { return ::WindowFromPoint(pt); }

void CTKToolTipSystem::SetTimer(HWND hWnd, UINT_PTR nID, UINT nElapse) {
  ::SetTimer(hWnd, nID, nElapse, NULL);
}

void CTKToolTipSystem::KillTimer(HWND hWnd, UINT_PTR nID) { ::KillTimer(hWnd, nID); }

CTKToolTipSystem* TKToolTipSystem() {
  static CTKToolTipSystem s_system;
  return g_pInstalled != nullptr ? g_pInstalled : &s_system;
}

void TKSetToolTipSystem(CTKToolTipSystem* pSystem) { g_pInstalled = pSystem; }

HWND TKToolTipWindowFromPoint(POINT pt) {
  HWND hWnd = TKToolTipSystem()->WindowFromPoint(pt);
  if (hWnd != NULL && (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD) &&
      ::SendMessage(hWnd, WM_TK_TOOLTIPTOPARENT, 0, 0) == 1) {
    HWND hParent = ::GetParent(hWnd);
    if (hParent != NULL) return hParent;
  }
  return hWnd;
}
