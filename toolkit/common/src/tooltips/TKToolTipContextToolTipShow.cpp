// Showing and hiding the toolkit tip: placement near the cursor or below an
// anchor, inside the work area, and the TTN_SHOW notification.
#include "common/TKToolTipContextToolTip.h"

#include "common/TKOSVersionHelper.h"
#include "common/TKScopedHandle.h"
#include "common/TKToolTipSystem.h"

namespace {

const int kCursorHeightUnknown = 21;

}  // namespace

// The rows below the last one that shows anything of the cursor are empty:
// fully transparent in the AND mask and 0 in the XOR mask.
int PASCAL CTKToolTipContextToolTip::GetVisibleCursorHeight() {
  CTKScopedIconInfo cursorInfo(::GetCursor());
  if (!cursorInfo) return kCursorHeightUnknown;
  const ICONINFO& info = cursorInfo.Get();
  int nHeight = kCursorHeightUnknown;
  BITMAP bm;
  BYTE mask[256];
  LONG nBytes = 0;
  if (info.hbmMask != NULL && ::GetObject(info.hbmMask, sizeof bm, &bm))
    nBytes = ::GetBitmapBits(info.hbmMask, sizeof mask, mask);
  if (nBytes > 0 && bm.bmWidthBytes > 0) {
    int nStride = bm.bmWidthBytes;
    int nAndRows = info.hbmColor == NULL ? bm.bmHeight / 2 : bm.bmHeight;
    int nReadRows = static_cast<int>(nBytes) / nStride;
    BOOL bXor = info.hbmColor == NULL && 2 * nAndRows <= nReadRows;
    if (nAndRows > nReadRows) nAndRows = nReadRows;
    int nRow = nAndRows - 1;
    for (; nRow >= 0; nRow--) {
      BOOL bEmpty = TRUE;
      for (int i = 0; i < nStride && bEmpty; i++) {
        if (mask[nRow * nStride + i] != 0xFF) bEmpty = FALSE;
        if (bXor && mask[(nAndRows + nRow) * nStride + i] != 0) bEmpty = FALSE;
      }
      if (!bEmpty) break;
    }
    nHeight = nRow + 1 - static_cast<int>(info.yHotspot);
  }
  return nHeight;
}

CRect CTKToolTipContextToolTip::PlaceTip(TOOLITEM* pTool, CSize size) const {
  CPoint ptCursor = TKToolTipSystem()->GetCursorPos();
  CRect rc;
  if (pTool->rcAnchor.IsRectEmpty()) {
    CPoint pt(ptCursor.x, ptCursor.y + GetVisibleCursorHeight());
    if (IsRightToLeft(pTool)) pt.x -= size.cx;
    rc = CRect(pt, size);
  } else {
    CPoint pt(pTool->rect.left, pTool->rcAnchor.bottom);
    ::ClientToScreen(pTool->hWnd, &pt);
    rc = CRect(pt, size);
  }
  CRect rcWork = TKMultiMonitorApi()->GetWorkAreaFromPoint(ptCursor);
  if (rc.right > rcWork.right - 4) rc.OffsetRect(rcWork.right - 4 - rc.right, 0);
  if (rc.left < rcWork.left) rc.OffsetRect(rcWork.left - rc.left, 0);
  if (rc.bottom > rcWork.bottom - 4) rc.OffsetRect(0, ptCursor.y - 3 - rc.bottom);
  return rc;
}

void CTKToolTipContextToolTip::ShowTool(TOOLITEM* pTool) {
  if (pTool == m_pCurrentTool) return;
  CSize size(0, 0);
  if (pTool != nullptr) {
    m_nIDInNotification = static_cast<INT_PTR>(pTool->nID);
    m_hWndInNotification = pTool->hWnd;
    size = CalcSize(pTool);
    if (size.cx == 0 || size.cy == 0) {
      pTool = nullptr;
      if (m_pCurrentTool == nullptr) {
        m_nIDInNotification = -1;
        m_hWndInNotification = NULL;
        return;
      }
    }
  }
  SetWindowPos(nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (m_bRegion) {
    SetWindowRgn(NULL, FALSE);
    m_bRegion = FALSE;
  }
  CTKToolTipSystem* pSystem = TKToolTipSystem();
  m_pCurrentTool = pTool;
  if (pTool != nullptr) {
    CRect rc = PlaceTip(pTool, size);
    SetWindowPos(&CWnd::wndTop, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOACTIVATE);
    NMHDR nmhdr;
    nmhdr.hwndFrom = m_hWnd;
    nmhdr.idFrom = pTool->nID;
    nmhdr.code = TTN_SHOW;
    ::SendMessage(pTool->hWnd, WM_NOTIFY, pTool->nID, reinterpret_cast<LPARAM>(&nmhdr));
    if (GetStyle() & CTKToolTipContext::tipOfficeLook) {
      // Three rectangles leave the four corner pixels out.
      HRGN hRgn = ::CreateRectRgn(1, 0, rc.Width() - 1, rc.Height());
      CTKScopedRgn part(::CreateRectRgn(0, 1, rc.Width(), rc.Height() - 1));
      ::CombineRgn(hRgn, hRgn, part.Get(), RGN_OR);
      SetWindowRgn(hRgn, FALSE);  // the window owns the region from here on
      m_bRegion = TRUE;
    }
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(FALSE);
    InstallMouseHook();
    m_pPressedTool = nullptr;
    if (m_nDelayAutoPop != 0) pSystem->SetTimer(m_hWnd, timerAutoPop, m_nDelayAutoPop);
  } else {
    RemoveMouseHook();
    m_pPendingTool = nullptr;
    pSystem->KillTimer(m_hWnd, timerAutoPop);
  }
  m_dwLastChange = pSystem->GetTickCount();
  OnVisibleChanged(pTool != nullptr);
  m_nIDInNotification = -1;
  m_hWndInNotification = NULL;
}
