// Resizing the frame through its shadow band: the zones, the cursor, and the
// private drag loop.
#include "common/TKFrameShadow.h"

#include <algorithm>

namespace {

// Paints what is pending so the frame keeps up while the drag loop owns the thread.
void PumpPaintMessages() {
  MSG msg;
  while (::PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) ::DispatchMessage(&msg);
}

LPCTSTR CursorOfZone(int nZone) {
  switch (nZone) {
    case 1:
    case 5:
      return IDC_SIZENS;
    case 3:
    case 7:
      return IDC_SIZEWE;
    case 4:
    case 8:
      return IDC_SIZENWSE;
    case 2:
    case 6:
      return IDC_SIZENESW;
    default:
      return IDC_ARROW;
  }
}

}  // namespace

int CTKFrameShadow::HitTestEdge(int x, int y) const {
  CRect rcShadow, rcFrame;
  GetWindowRect(&rcShadow);
  ::GetWindowRect(m_hWndFrame, &rcFrame);
  CPoint pt(x, y);
  if (!rcShadow.PtInRect(pt) || rcFrame.PtInRect(pt)) return 0;
  if (y < rcFrame.top) return x < rcFrame.left ? 8 : (x >= rcFrame.right ? 2 : 1);
  if (y >= rcFrame.bottom) return x < rcFrame.left ? 6 : (x < rcFrame.right ? 5 : 4);
  return x < rcFrame.left ? 7 : (x >= rcFrame.right ? 3 : 0);
}

BOOL CTKFrameShadow::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (BOOL bResult = CWnd::OnSetCursor(pWnd, nHitTest, message)) return bResult;
  LPCTSTR lpszCursor = IDC_ARROW;
  if (m_nResizeState != 0) {
    CPoint pt;
    ::GetCursorPos(&pt);
    lpszCursor = CursorOfZone(HitTestEdge(pt.x, pt.y));
  }
  HCURSOR hCursor = ::LoadCursor(nullptr, lpszCursor);
  if (hCursor == nullptr) return FALSE;
  ::SetCursor(hCursor);
  return TRUE;
}

int CTKFrameShadow::OnMouseActivate(CWnd*, UINT, UINT message) {
  return (message == WM_LBUTTONDOWN && m_nResizeState != 0) ? MA_ACTIVATE : MA_NOACTIVATE;
}

void CTKFrameShadow::OnLButtonDown(UINT nFlags, CPoint point) {
  CWnd::OnLButtonDown(nFlags, point);
  CPoint pt;
  ::GetCursorPos(&pt);
  int nZone = CanResize() ? HitTestEdge(pt.x, pt.y) : 0;
  if (nZone == 0) {
    ::SetFocus(m_hWndFrame);
    ::UpdateWindow(m_hWndFrame);
    return;
  }
  TrackResize(nZone, pt);
}

void CTKFrameShadow::TrackResize(int nZone, CPoint pt) {
  MINMAXINFO mmi = {};
  ::SendMessage(m_hWndFrame, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  CSize szMin(mmi.ptMinTrackSize.x, mmi.ptMinTrackSize.y);
  if (szMin.cx == 0) szMin.cx = ::GetSystemMetrics(SM_CXMIN);
  if (szMin.cy == 0) szMin.cy = ::GetSystemMetrics(SM_CYMIN);

  CRect rc;
  ::GetWindowRect(m_hWndFrame, &rc);
  CPoint grab(0, 0);
  if (nZone == 1 || nZone == 2 || nZone == 8) grab.y = pt.y - rc.top;
  if (nZone == 4 || nZone == 5 || nZone == 6) grab.y = pt.y - rc.bottom;
  if (nZone == 2 || nZone == 3 || nZone == 4) grab.x = pt.x - rc.right;
  if (nZone == 6 || nZone == 7 || nZone == 8) grab.x = pt.x - rc.left;

  ::SetFocus(m_hWndFrame);
  ::SetCapture(m_hWndFrame);
  BOOL bCancelled = FALSE;
  for (;;) {
    PumpPaintMessages();
    MSG msg;
    BOOL bGot = ::GetMessage(&msg, nullptr, 0, 0);
    if (bGot == 0 || bGot == -1) break;
    if (msg.message == WM_MOUSEMOVE) {
      CPoint ptMove;
      ::GetCursorPos(&ptMove);
      ResizeStep(nZone, ptMove, grab, szMin);
    } else if (msg.message == WM_LBUTTONUP || msg.message == WM_KILLFOCUS) {
      break;
    } else if (msg.message == WM_KEYDOWN) {
      if (msg.wParam == VK_ESCAPE) break;
    } else {
      ::DispatchMessage(&msg);
    }
    if (::GetCapture() != m_hWndFrame) {
      bCancelled = TRUE;
      break;
    }
  }
  ::ReleaseCapture();
  if (!bCancelled) ::SetFocus(m_hWndFrame);
  ::UpdateWindow(m_hWndFrame);
}

void CTKFrameShadow::ResizeStep(int nZone, CPoint pt, CPoint grab, CSize szMin) {
  CRect rc;
  ::GetWindowRect(m_hWndFrame, &rc);
  if (nZone == 1 || nZone == 2 || nZone == 8)
    rc.top = std::min(rc.bottom - szMin.cy, pt.y - grab.y);
  if (nZone == 2 || nZone == 3 || nZone == 4)
    rc.right = std::max(rc.left + szMin.cx, pt.x - grab.x);
  if (nZone == 4 || nZone == 5 || nZone == 6)
    rc.bottom = std::max(rc.top + szMin.cy, pt.y - grab.y);
  if (nZone == 6 || nZone == 7 || nZone == 8)
    rc.left = std::min(rc.right - szMin.cx, pt.x - grab.x);
  ::SetWindowPos(m_hWndFrame, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                 SWP_NOZORDER | SWP_DEFERERASE);
  ::UpdateWindow(m_hWndFrame);
  Update(TRUE, TRUE);
}
