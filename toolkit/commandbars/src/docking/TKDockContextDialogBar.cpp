// CTKDockContext: a dialog bar sized by any of its edges or corners, docked
// or floating.
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKDialogBar.h"

void CTKDockContext::ResizeDialogBar(CPoint pt) {
  const CSize szDelta = pt - m_ptLast;
  m_ptLast = pt;
  switch (m_nDragMode) {
    case HTLEFT: case HTTOPLEFT: case HTBOTTOMLEFT: m_rectDragFloat.left += szDelta.cx; break;
    case HTRIGHT: case HTTOPRIGHT: case HTBOTTOMRIGHT: m_rectDragFloat.right += szDelta.cx; break;
    default: break;
  }
  switch (m_nDragMode) {
    case HTTOP: case HTTOPLEFT: case HTTOPRIGHT: m_rectDragFloat.top += szDelta.cy; break;
    case HTBOTTOM: case HTBOTTOMLEFT: case HTBOTTOMRIGHT: m_rectDragFloat.bottom += szDelta.cy; break;
    default: break;
  }
  CTKDialogBar* pBar = DYNAMIC_DOWNCAST(CTKDialogBar, m_pBar);
  if (pBar == nullptr) return;
  CRect rcWindow;
  pBar->GetWindowRect(&rcWindow);
  if (m_rectDragFloat.Size() == rcWindow.Size()) return;
  const CRect rcWork = TKCommandBarsSystem()->GetWorkAreaFromRect(rcWindow);
  CRect rcMeet;
  if (!rcMeet.IntersectRect(m_rectDragFloat, rcWork)) return;
  pBar->ResizeToRect(m_rectDragFloat.left, m_rectDragFloat.top, m_rectDragFloat.right,
                     m_rectDragFloat.bottom, static_cast<UINT>(m_nDragMode));
  pBar->Redraw();
}
