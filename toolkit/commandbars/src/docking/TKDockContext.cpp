// CTKDockContext: the remembered places of a tool bar and the modal mouse
// loop that drags it between the dock bars and floating, or resizes it.
#include <afxpriv.h>
#include <windowsx.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKToolBar.h"
#include "common/TKDpiHelper.h"

namespace {
/// The floating size a bar is measured for: commit, horizontal, as last used.
const DWORD kFloatMeasureMode = LM_HORZ | LM_MRUWIDTH | LM_COMMIT;

/// The screen point of a mouse message, from its window's client coordinates.
CPoint ScreenPointOf(const MSG& msg) {
  CPoint pt(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
  ::ClientToScreen(msg.hwnd, &pt);
  return pt;
}
}  // namespace

CTKDockContext::CTKDockContext(CTKToolBar* pBar)
    : m_rectMRUDockPos(0, 0, 0, 0),
      m_nMRUDockPosition(tkBarTop),
      m_ptMRUFloatPos(TKDpiHelper()->ScaleX(100), TKDpiHelper()->ScaleY(100)),
      m_pBar(pBar) {}

void AFX_CDECL CTKDockContext::OffsetRectToContain(CRect& rc, CPoint pt) {
  if (pt.x < rc.left) rc.OffsetRect(pt.x - rc.left, 0);
  if (pt.x >= rc.right) rc.OffsetRect(pt.x - rc.right + 1, 0);
  if (pt.y < rc.top) rc.OffsetRect(0, pt.y - rc.top);
  if (pt.y >= rc.bottom) rc.OffsetRect(0, pt.y - rc.bottom + 1);
}

void AFX_CDECL CTKDockContext::KeepOnWorkArea(CRect& rc) {
  CPoint ptCursor;
  TKCommandBarsSystem()->GetCursorPos(&ptCursor);
  const CRect rcWork = TKCommandBarsSystem()->GetWorkAreaFromPoint(ptCursor);
  if (rc.top > rcWork.bottom - kKeepOnWorkArea) rc.OffsetRect(0, rcWork.bottom - kKeepOnWorkArea - rc.top);
  if (rc.bottom < rcWork.top + kKeepOnWorkArea) rc.OffsetRect(0, rcWork.top + kKeepOnWorkArea - rc.bottom);
  if (rc.left > rcWork.right - kKeepOnWorkArea) rc.OffsetRect(rcWork.right - kKeepOnWorkArea - rc.left, 0);
  if (rc.right < rcWork.left + kKeepOnWorkArea) rc.OffsetRect(rcWork.left + kKeepOnWorkArea - rc.right, 0);
}

// Dragging -------------------------------------------------------------------------------

void CTKDockContext::StartDrag(CPoint ptScreen) {
  const CRect rcSavedDock = m_rectMRUDockPos;
  const int nSavedPosition = m_nMRUDockPosition;
  const BOOL bWasFloating = m_pBar->GetPosition() == tkBarFloating;
  m_nDragMode = 1;
  m_pBar->GetWindowRect(&m_rectDragFloat);
  OffsetRectToContain(m_rectDragFloat, ptScreen);
  m_rectDragDock = m_rectDragFloat;
  m_ptLast = ptScreen;
  ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
  CTKMouseManager* pMouseManager = CTKCommandBars::GetMouseManager();
  pMouseManager->LockTrack();
  Track();
  pMouseManager->UnlockTrack();
  m_nDragMode = 0;
  if (m_pBar->GetPosition() != tkBarFloating) return;
  m_ptMRUFloatPos = m_rectDragFloat.TopLeft();
  // A drag that ends floating keeps the dock place from before it.
  if (!bWasFloating) {
    m_rectMRUDockPos = rcSavedDock;
    m_nMRUDockPosition = nSavedPosition;
  }
}

void CTKDockContext::MoveDrag(CPoint pt) {
  CTKCommandBars* pCommandBars = m_pBar->GetCommandBars();
  if (pCommandBars == nullptr) return;
  const CSize szDelta = pt - m_ptLast;
  m_rectDragDock.OffsetRect(szDelta);
  m_rectDragFloat.OffsetRect(szDelta);
  m_ptLast = pt;
  const DWORD dwFlags = m_pBar->GetFlags();
  CTKDockBar* pOldDock = m_pBar->GetDockBar();
  CTKDockBar* pDock = pCommandBars->DockBarFromPoint(pt, pOldDock);
  // The preferred dock bar answers even when the point has left it.
  if (pDock == pOldDock && pDock != nullptr) {
    CRect rcDock;
    pDock->GetWindowRect(&rcDock);
    rcDock.InflateRect(TKDpiHelper()->ScaleX(20), TKDpiHelper()->ScaleY(20));
    if (!rcDock.PtInRect(pt)) pDock = pCommandBars->DockBarFromPoint(pt, nullptr);
  }
  if (pDock != nullptr && (dwFlags & (TKBARFLAG_ALIGN_TOP << pDock->GetPosition()))) {
    const BOOL bWasFloating = m_pBar->GetPosition() == tkBarFloating;
    pCommandBars->DockCommandBar(m_pBar, m_rectDragDock, pDock);
    if (pDock != pOldDock || bWasFloating) {
      pCommandBars->RecalcFrameLayout(FALSE);
      m_pBar->GetWindowRect(&m_rectDragDock);
      OffsetRectToContain(m_rectDragDock, pt);
    }
    return;
  }
  if (!(dwFlags & TKBARFLAG_FLOATING)) return;
  if (m_pBar->GetPosition() != tkBarFloating) {
    pCommandBars->FloatCommandBar(m_pBar);
    const CSize sz = m_pBar->CalcDynamicLayout(0, kFloatMeasureMode);
    m_rectDragFloat = CRect(m_rectDragFloat.TopLeft(), sz);
    OffsetRectToContain(m_rectDragFloat, pt);
    pCommandBars->RecalcFrameLayout(FALSE);
  }
  KeepOnWorkArea(m_rectDragFloat);
  m_pBar->SetWindowPos(NULL, m_rectDragFloat.left, m_rectDragFloat.top, m_rectDragFloat.Width(),
                       m_rectDragFloat.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// Resizing -------------------------------------------------------------------------------

void CTKDockContext::StartResize(UINT nHitTest, CPoint ptScreen) {
  m_nDragMode = static_cast<int>(nHitTest);
  m_ptLast = ptScreen;
  m_pBar->GetWindowRect(&m_rectDragFloat);
  Track();
  m_nDragMode = 0;
  m_pBar->GetWindowRect(&m_rectDragFloat);
  if (m_pBar->GetPosition() == tkBarFloating) m_ptMRUFloatPos = m_rectDragFloat.TopLeft();
  m_pBar->SetMRULength(m_rectDragFloat.Width());
}

void CTKDockContext::ResizeFloating(CPoint pt) {
  const CSize szDelta = pt - m_ptLast;
  m_ptLast = pt;
  int nLength;
  DWORD dwMode;
  switch (m_nDragMode) {
    case HTLEFT: m_rectDragFloat.left += szDelta.cx; break;
    case HTRIGHT: m_rectDragFloat.right += szDelta.cx; break;
    case HTTOP: m_rectDragFloat.top += szDelta.cy; break;
    case HTBOTTOM: m_rectDragFloat.bottom += szDelta.cy; break;
    default: return;
  }
  if (m_nDragMode == HTLEFT || m_nDragMode == HTRIGHT) {
    nLength = m_rectDragFloat.Width();
    dwMode = LM_HORZ | LM_COMMIT;
  } else {
    nLength = m_rectDragFloat.Height();
    dwMode = LM_HORZ | LM_COMMIT | LM_LENGTHY;
  }
  const CSize sz = m_pBar->CalcDynamicLayout(std::max(nLength, 0), dwMode);
  CRect rcWindow;
  m_pBar->GetWindowRect(&rcWindow);
  if (sz == rcWindow.Size()) return;
  CRect rc;
  switch (m_nDragMode) {
    case HTLEFT: rc = CRect(CPoint(rcWindow.right - sz.cx, rcWindow.top), sz); break;
    case HTTOP: rc = CRect(CPoint(rcWindow.left, rcWindow.bottom - sz.cy), sz); break;
    default: rc = CRect(rcWindow.TopLeft(), sz); break;
  }
  const CRect rcWork = TKCommandBarsSystem()->GetWorkAreaFromRect(rcWindow);
  CRect rcMeet;
  if (!rcMeet.IntersectRect(rc, rcWork)) {
    if (rc.right <= rcWork.left) rc.OffsetRect(rcWork.left - rc.right + 1, 0);
    if (rc.left >= rcWork.right) rc.OffsetRect(rcWork.right - rc.left - 1, 0);
    if (rc.bottom <= rcWork.top) rc.OffsetRect(0, rcWork.top - rc.bottom + 1);
    if (rc.top >= rcWork.bottom) rc.OffsetRect(0, rcWork.bottom - rc.top - 1);
  }
  m_pBar->SetWindowPos(NULL, rc.left, rc.top, rc.Width(), rc.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
  m_pBar->Redraw();
}

// The loop ---------------------------------------------------------------------------------

void CTKDockContext::Track() {
  CTKCommandBars* pCommandBars = m_pBar->GetCommandBars();
  if (::GetCapture() != NULL || pCommandBars == nullptr) return;
  m_pBar->SetCapture();
  CPoint ptProcessed(0, 0);
  while (::GetCapture() == m_pBar->GetSafeHwnd()) {
    MSG msg;
    if (!::GetMessage(&msg, NULL, 0, 0)) {
      AfxPostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_LBUTTONUP) break;
    if (msg.message == WM_MOUSEMOVE) {
      const CPoint pt = ScreenPointOf(msg);
      if (pt == ptProcessed) {
        ::DispatchMessage(&msg);
      } else {
        ptProcessed = pt;
        if (m_nDragMode == 1)
          MoveDrag(pt);
        else if (m_pBar->IsDialogBar())
          ResizeDialogBar(pt);
        else
          ResizeFloating(pt);
      }
    } else if (msg.message == WM_KEYDOWN) {
      if (msg.wParam == VK_ESCAPE) break;
    } else {
      ::DispatchMessage(&msg);
    }
    pCommandBars->RecalcLayoutIfDelayed();
  }
  if (::GetCapture() == m_pBar->GetSafeHwnd()) ::ReleaseCapture();
  pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
}

// Double-click -------------------------------------------------------------------------------

void CTKDockContext::FloatAt(CPoint pt) {
  CTKCommandBars* pCommandBars = m_pBar->GetCommandBars();
  if (!pCommandBars->FloatCommandBar(m_pBar)) return;
  const CSize sz = m_pBar->CalcDynamicLayout(0, kFloatMeasureMode);
  m_pBar->SetWindowPos(NULL, pt.x, pt.y, sz.cx, sz.cy,
                       SWP_NOZORDER | SWP_NOACTIVATE | (m_pBar->IsVisible() ? SWP_SHOWWINDOW : 0));
}

BOOL CTKDockContext::ToggleDocking() {
  CTKCommandBars* pCommandBars = m_pBar->GetCommandBars();
  if (pCommandBars == nullptr) return FALSE;
  const DWORD dwFlags = m_pBar->GetFlags();
  if (m_pBar->GetPosition() == tkBarFloating) {
    if (!(dwFlags & (TKBARFLAG_ALIGN_TOP << m_nMRUDockPosition))) return FALSE;
    CTKDockBar* pDock = pCommandBars->GetDockBar(m_nMRUDockPosition);
    if (pDock == nullptr) return FALSE;
    CRect rc = m_rectMRUDockPos;
    pDock->ClientToScreen(&rc);
    pCommandBars->DockCommandBar(m_pBar, rc.IsRectEmpty() ? nullptr : &rc, pDock);
    pCommandBars->RecalcFrameLayout(FALSE);
  } else {
    if (!(dwFlags & TKBARFLAG_FLOATING) || !pCommandBars->GetCommandBarsOptions()->bDblClickFloat)
      return FALSE;
    CPoint pt = m_ptMRUFloatPos;
    if (pt.x <= 0 || pt.y <= 0) {
      pt = m_rectMRUDockPos.TopLeft();
      if (CWnd* pParent = m_pBar->GetParent()) pParent->ClientToScreen(&pt);
    }
    FloatAt(pt);
  }
  pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
  return TRUE;
}
