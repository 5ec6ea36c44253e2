// CTKHeaderCtrl: column widths (the guard, fitting to the width, frozen
// columns) and the header's layout within its parent.
#include "common/TKHeaderCtrl.h"

BOOL CTKHeaderCtrl::IsColumnFrozen(int nColumn) const {
  for (INT_PTR i = 0; i < m_arrFrozenCols.GetSize(); ++i)
    if (m_arrFrozenCols[i] == nColumn) return TRUE;
  return FALSE;
}

int CTKHeaderCtrl::GetFrozenColumnsWidth() {
  int nWidth = 0;
  for (INT_PTR i = 0; i < m_arrFrozenCols.GetSize(); ++i) {
    CRect rc;
    if (SendMessage(HDM_GETITEMRECT, m_arrFrozenCols[i], (LPARAM)&rc)) nWidth += rc.Width();
  }
  return nWidth;
}

BOOL CTKHeaderCtrl::OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult) {
  NMHEADER* pHeader = reinterpret_cast<NMHEADER*>(pNMHDR);
  *pResult = 0;
  if (pHeader->pitem != NULL && (pHeader->pitem->mask & HDI_WIDTH)) {
    if (IsColumnFrozen(pHeader->iItem) || pHeader->pitem->cxy < m_nMinColumnWidth) *pResult = 1;
  }
  // A refusal is the header's answer; anything else the parent may handle too.
  return *pResult != 0;
}

BOOL CTKHeaderCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (m_arrFrozenCols.GetSize() > 0) {
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    int nItem = HitTest(pt);
    if (nItem >= 0) {
      if (IsColumnFrozen(nItem)) {
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
        return TRUE;
      }
      // The divider towards a frozen neighbour cannot be dragged either.
      int nNeighbour = m_bRTLReading ? nItem + 1 : nItem - 1;
      CRect rc;
      GetItemRect(nItem, &rc);
      BOOL bNearHalf = m_bRTLReading ? pt.x >= rc.CenterPoint().x : pt.x <= rc.CenterPoint().x;
      if (nNeighbour >= 0 && IsColumnFrozen(nNeighbour) && bNearHalf) {
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
        return TRUE;
      }
    }
  }
  return CHeaderCtrl::OnSetCursor(pWnd, nHitTest, message);
}

void CTKHeaderCtrl::OnWindowPosChanging(WINDOWPOS* pWndPos) {
  if (m_bAutoFitColumns && GetItemCount() > 0 && (pWndPos->flags & SWP_NOSIZE) == 0) {
    CWnd* pParent = GetParent();
    BOOL bParentCaptures = pParent != NULL && ::GetCapture() == pParent->GetSafeHwnd();
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (!bParentCaptures && pWndPos->cx != rcWindow.Width()) FitColumns(pWndPos->cx);
  }
  Default();
}

void CTKHeaderCtrl::FitColumns(int nWidth) {
  if (nWidth <= 0) {
    CRect rcClient;
    GetClientRect(&rcClient);
    nWidth = rcClient.Width();
  }
  CWnd* pParent = GetParent();
  if (pParent != NULL && (pParent->GetStyle() & WS_VSCROLL))
    nWidth -= ::GetSystemMetrics(SM_CXVSCROLL);
  nWidth -= GetFrozenColumnsWidth();
  SetColumnWidths(nWidth);
}

void CTKHeaderCtrl::SetColumnWidths(int nWidth) {
  int nCount = GetItemCount();
  int nColumns = nCount - (int)m_arrFrozenCols.GetSize();
  if (nColumns <= 0) return;
  int nShare = nWidth / nColumns;
  if (m_nMinColumnWidth >= nShare) return;
  CWnd* pParent = GetParent();
  if (pParent == NULL) return;
  for (int i = 0; i < nCount; ++i)
    if (!IsColumnFrozen(i)) pParent->SendMessage(LVM_SETCOLUMNWIDTH, i, MAKELPARAM(nShare, 0));
}

BOOL CTKHeaderCtrl::RecalcLayout() {
  if (!::IsWindow(m_hWnd)) return FALSE;
  CRect rcClient;
  GetClientRect(&rcClient);
  WINDOWPOS wp = {};
  HDLAYOUT layout = {&rcClient, &wp};
  SendMessage(HDM_LAYOUT, 0, (LPARAM)&layout);
  SetWindowPos(CWnd::FromHandle(wp.hwndInsertAfter), wp.x, wp.y, wp.cx, wp.cy,
               wp.flags | SWP_FRAMECHANGED);
  CWnd* pParent = GetParent();
  if (pParent != NULL && ::IsWindow(pParent->GetSafeHwnd())) {
    // A size change that is undone at once makes the parent lay out again.
    CRect rcParent;
    pParent->GetWindowRect(&rcParent);
    pParent->SetWindowPos(NULL, 0, 0, rcParent.Width(), rcParent.Height() + 1,
                          SWP_NOMOVE | SWP_FRAMECHANGED);
    pParent->SetWindowPos(NULL, 0, 0, rcParent.Width(), rcParent.Height(),
                          SWP_NOMOVE | SWP_FRAMECHANGED);
  }
  return TRUE;
}
