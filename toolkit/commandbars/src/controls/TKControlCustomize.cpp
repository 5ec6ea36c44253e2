// CTKControl: pressing, dragging and resizing a control while the bars are
// customised.
#include <algorithm>

#include "commandbars/CommandBarsDragHelper.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "common/TKRefPtr.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceManager.h"

namespace {

const UINT kResizeCursor = 9972;

/// The edge of `rc` within reach of `pt`: 1 the left, 2 the right, 0 none.
int EdgeUnderPoint(const CRect& rc, CPoint pt) {
  const int nReach = TKDpiHelper()->ScaleX(2);
  if (pt.y < rc.top || pt.y >= rc.bottom) return 0;
  if (pt.x >= rc.left && pt.x < rc.left + nReach) return 1;
  if (pt.x <= rc.right && pt.x > rc.right - nReach) return 2;
  return 0;
}

/// Inverts the frame the resize shows: four bands along the inside of `rc`.
void InvertFrame(CDC* pDC, const CRect& rc) {
  if (pDC == nullptr) return;
  const int nWidth = TKDpiHelper()->ScaleX(2);
  pDC->PatBlt(rc.left, rc.top, rc.Width(), nWidth, DSTINVERT);
  pDC->PatBlt(rc.left, rc.bottom - nWidth, rc.Width(), nWidth, DSTINVERT);
  pDC->PatBlt(rc.left, rc.top + nWidth, nWidth, rc.Height() - 2 * nWidth, DSTINVERT);
  pDC->PatBlt(rc.right - nWidth, rc.top + nWidth, nWidth, rc.Height() - 2 * nWidth, DSTINVERT);
}

}  // namespace

void CTKControl::UpdateCustomizeCursor(CPoint pt) {
  if (IsCustomizeResizeAllow() && EdgeUnderPoint(m_rcControl, pt) != 0)
    ::SetCursor(TKResourceManager()->LoadCursor(kResizeCursor));
}

BOOL CTKControl::PumpResizeMessage(CRect& rc, int& nOffset, BOOL bRightEdge, CDC* pDC,
                                   BOOL& bAccept) {
  MSG msg;
  if (!::GetMessage(&msg, NULL, 0, 0)) {
    // Somebody wants the thread to end: give up the resize and let the
    // outer loop see the quit too.
    ::PostQuitMessage(static_cast<int>(msg.wParam));
    return FALSE;
  }
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) return FALSE;
  if (msg.message == WM_LBUTTONUP) {
    bAccept = TRUE;
    return FALSE;
  }
  if (msg.message != WM_MOUSEMOVE) {
    ::DispatchMessage(&msg);
    return TRUE;
  }
  CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
  ::ClientToScreen(msg.hwnd, &pt);
  CRect rcNew = rc;
  const int nMinWidth = GetCustomizeMinWidth();
  if (bRightEdge)
    rcNew.right = std::max<LONG>(pt.x + nOffset, rcNew.left + nMinWidth);
  else
    rcNew.left = std::min<LONG>(pt.x + nOffset, rcNew.right - nMinWidth);
  if (rcNew != rc) {
    InvertFrame(pDC, rc);
    rc = rcNew;
    InvertFrame(pDC, rc);
  }
  return TRUE;
}

BOOL CTKControl::TrackCustomizeResize(CPoint pt) {
  const int nEdge = EdgeUnderPoint(m_rcControl, pt);
  if (m_pParent == nullptr || nEdge == 0) return FALSE;
  CTKCommandBars* pCommandBars = GetCommandBars();
  CTKControl* pDragControl = pCommandBars != nullptr ? pCommandBars->GetDragControl() : nullptr;
  if (pDragControl != nullptr) pDragControl->InternalAddRef();
  if (pCommandBars != nullptr) pCommandBars->SetDragControl(nullptr);
  m_pParent->Redraw();
  m_pParent->UpdateWindow();

  CRect rc = m_rcControl;
  m_pParent->ClientToScreen(&rc);
  const int nWidth = rc.Width();
  const BOOL bRightEdge = pt.x > m_rcControl.left + TKDpiHelper()->ScaleX(2);
  CPoint ptScreen = pt;
  m_pParent->ClientToScreen(&ptScreen);
  int nOffset = bRightEdge ? rc.right - ptScreen.x : rc.left - ptScreen.x;

  m_pParent->SetCapture();
  ::SetCursor(TKResourceManager()->LoadCursor(kResizeCursor));
  CWnd* pDesktop = CWnd::GetDesktopWindow();
  const BOOL bLocked = pDesktop->LockWindowUpdate();
  CDC* pDC = pDesktop->GetDCEx(NULL, DCX_WINDOW | DCX_CACHE | (bLocked ? DCX_LOCKWINDOWUPDATE : 0));
  InvertFrame(pDC, rc);

  BOOL bAccept = FALSE;
  while (::GetCapture() == m_pParent->GetSafeHwnd() &&
         PumpResizeMessage(rc, nOffset, bRightEdge, pDC, bAccept)) {
  }

  InvertFrame(pDC, rc);
  if (::GetCapture() == m_pParent->GetSafeHwnd()) ::ReleaseCapture();
  if (bLocked) pDesktop->UnlockWindowUpdate();
  pDesktop->ReleaseDC(pDC);
  if (pCommandBars != nullptr) pCommandBars->SetDragControl(pDragControl);
  if (pDragControl != nullptr) pDragControl->InternalRelease();

  if (bAccept && rc.Width() != nWidth) {
    int nNewWidth = rc.Width();
    if (m_pParent->IsPopupBar() && GetPaintManager() != nullptr)
      nNewWidth -= GetPaintManager()->GetPopupBarGripperWidth(m_pParent);
    SetWidth(nNewWidth);
    m_pParent->OnRecalcLayout();
  }
  m_pParent->Redraw();
  return TRUE;
}

BOOL CTKControl::OnCustomizeClick(CPoint point) {
  if (!IsCustomizeMode()) return FALSE;
  if (m_pParent != nullptr) {
    m_pParent->SetPopuped(-1);
    m_pParent->SetSelected(-1);
  }
  OnCustomizeMouseDown(point);
  return TRUE;
}

void CTKControl::OnCustomizeMouseDown(CPoint point) {
  CTKCommandBar* pParent = m_pParent;
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pParent == nullptr || pCommandBars == nullptr) return;
  if (pParent->GetControl(pParent->GetSelected()) != this) {
    pParent->SetPopuped(-1);
    pParent->SetSelected(-1);
  }
  if (pCommandBars->GetDragControl() == this && IsCustomizeResizeAllow() &&
      TrackCustomizeResize(point))
    return;
  pCommandBars->SetDragControl(this);
  if (m_dwFlags & TKFLAG_NOMOVABLE) return;

  // Leaving its bar releases the control; it stays alive to the end here.
  CTKRefPtr<CTKControl, CTKInternalRefTraits> self(this);
  const DWORD dwEffect = pCommandBars->GetDragHelper()->DoDragDrop(this, FALSE);
  if ((dwEffect == CommandBarsDragHelper::kDropNone ||
       dwEffect == CommandBarsDragHelper::kDropMove) &&
      m_pParent == pParent)
    LeaveBarAfterDrag();
  // Announced again, so that the selected control is redrawn.
  CTKControl* pSelected = pCommandBars->GetDragControl();
  pCommandBars->SetDragControl(nullptr);
  pCommandBars->SetDragControl(pSelected);
}

void CTKControl::LeaveBarAfterDrag() {
  CTKCommandBar* pParent = m_pParent;
  CTKControls* pControls = pParent->GetControls();
  CTKCommandBars* pCommandBars = pParent->GetCommandBars();
  pParent->SetPopuped(-1);
  pParent->SetSelected(-1);
  if (pCommandBars != nullptr && pCommandBars->GetDragControl() == this)
    pCommandBars->SetDragControl(nullptr);
  const int nIndex = GetIndex();
  // The group this control started goes on from the next one, and the first
  // control that remains starts none.
  CTKControl* pNext = pControls->GetAt(nIndex + 1);
  if (GetBeginGroup() && pNext != nullptr) pNext->SetBeginGroup(TRUE);
  if (nIndex == 0 && pControls->GetCount() > 1) pControls->GetAt(1)->SetBeginGroup(FALSE);
  pControls->Remove(this);
  pParent->OnRecalcLayout();
}
