// CTKDockContext: resizing a floating tool bar from its sizing borders, in a
// modal loop that holds the mouse capture.
#include "commandbars/TKToolBar.h"

#include <algorithm>

#include <afxframe.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "common/TKOSVersionHelper.h"

void CTKDockContext::StartResize(UINT nHitTest, CPoint ptScreen) {
  m_nDragMode = nHitTest;
  m_ptLast = ptScreen;
  m_pBar->GetWindowRect(&m_rectFloat);
  Track();
  m_nDragMode = 0;
  CRect rc;
  m_pBar->GetWindowRect(&rc);
  if (m_pBar->GetPosition() == tkBarFloating) m_ptMRUFloatPos = rc.TopLeft();
  m_pBar->SetMRULength(rc.Width());
}

void CTKDockContext::Track() {
  CTKCommandBars* pCommandBars = m_pBar->GetCommandBars();
  const HWND hWnd = m_pBar->GetSafeHwnd();
  if (::GetCapture() != NULL || pCommandBars == nullptr || hWnd == NULL) return;
  ::SetCapture(hWnd);
  MSG msg;
  while (::GetCapture() == hWnd) {
    if (!::GetMessage(&msg, NULL, 0, 0)) {
      AfxPostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_LBUTTONUP) break;
    if (msg.message == WM_KEYDOWN) {
      if (msg.wParam == VK_ESCAPE) break;
      continue;
    }
    const CPoint pt(msg.pt);
    if (msg.message == WM_MOUSEMOVE && pt != m_ptLast)
      ResizeFloating(pt);
    else
      ::DispatchMessage(&msg);
    pCommandBars->RecalcLayoutIfDelayed();
  }
  if (::GetCapture() == hWnd) ::ReleaseCapture();
  pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
}

void CTKDockContext::ResizeFloating(CPoint ptScreen) {
  const CSize szMove = ptScreen - m_ptLast;
  m_ptLast = ptScreen;
  DWORD dwMode = LM_HORZ | LM_COMMIT;
  switch (m_nDragMode) {
    case HTLEFT: m_rectFloat.left += szMove.cx; break;
    case HTRIGHT: m_rectFloat.right += szMove.cx; break;
    case HTTOP: m_rectFloat.top += szMove.cy; break;
    case HTBOTTOM: m_rectFloat.bottom += szMove.cy; break;
    default: return;
  }
  const BOOL bHeight = m_nDragMode == HTTOP || m_nDragMode == HTBOTTOM;
  if (bHeight) dwMode |= LM_LENGTHY;
  const int nLength = std::max<int>(0, bHeight ? m_rectFloat.Height() : m_rectFloat.Width());
  const CSize sz = m_pBar->CalcDynamicLayout(nLength, dwMode);
  CRect rcWindow;
  m_pBar->GetWindowRect(&rcWindow);
  if (sz == rcWindow.Size()) return;

  // The edge held still stays where it is.
  CRect rc(rcWindow.TopLeft(), sz);
  if (m_nDragMode == HTLEFT) rc.OffsetRect(rcWindow.right - rc.right, 0);
  if (m_nDragMode == HTTOP) rc.OffsetRect(0, rcWindow.bottom - rc.bottom);
  const CRect rcWork = TKMultiMonitorApi()->GetWorkArea(m_pBar);
  CRect rcMeet;
  if (!rcMeet.IntersectRect(rc, rcWork)) {
    if (rc.right <= rcWork.left) rc.OffsetRect(rcWork.left - rc.left, 0);
    if (rc.left >= rcWork.right) rc.OffsetRect(rcWork.right - rc.right, 0);
    if (rc.bottom <= rcWork.top) rc.OffsetRect(0, rcWork.top - rc.top);
    if (rc.top >= rcWork.bottom) rc.OffsetRect(0, rcWork.bottom - rc.bottom);
  }
  m_pBar->SetWindowPos(NULL, rc.left, rc.top, rc.Width(), rc.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
  m_pBar->Redraw();
}
