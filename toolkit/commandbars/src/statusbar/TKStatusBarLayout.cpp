// CTKStatusBar: the bar's height, its inside rectangle and the layout of the
// panes and their windows.
#include "commandbars/TKStatusBar.h"

#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"

namespace {
const int kRibbonTheme = 6;
}  // namespace

CSize CTKStatusBar::CalcFixedLayout(BOOL, BOOL) {
  CTKStatusBarPaintManager* pPaintManager = GetStatusBarPaintManager();
  CClientDC dc(nullptr);
  int nHeight = 0;
  {
    CTKFontDC font(&dc, GetFont());
    nHeight = dc.GetTextExtent(_T("X"), 1).cy;
  }
  if (pPaintManager != nullptr)
    nHeight += pPaintManager->m_rcMargins.top + pPaintManager->m_rcMargins.bottom;
  nHeight += 2 * ::GetSystemMetrics(SM_CYBORDER) + m_cyTopBorder + m_cyBottomBorder;
  if (nHeight < m_nMinHeight) nHeight = m_nMinHeight;
  if (pPaintManager != nullptr && nHeight < pPaintManager->m_nMinHeight)
    nHeight = pPaintManager->m_nMinHeight;
  return CSize(32767, nHeight);
}

void CTKStatusBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
  CControlBar::CalcInsideRect(rect, bHorz);
  CTKStatusBarPaintManager* pPaintManager = GetStatusBarPaintManager();
  if (pPaintManager != nullptr) {
    const CRect& rcMargins = pPaintManager->m_rcMargins;
    rect.DeflateRect(rcMargins.left, rcMargins.top, rcMargins.right, rcMargins.bottom);
  }
  if (m_bDrawGripper && !IsParentMaximized())
    rect.right -=
        2 * ::GetSystemMetrics(SM_CXBORDER) + m_cxRightBorder + ::GetSystemMetrics(SM_CXVSCROLL);
}

BOOL CTKStatusBar::IsParentMaximized() const {
  CWnd* pParent = m_hWnd != NULL ? GetParent() : nullptr;
  return pParent != nullptr && (pParent->GetStyle() & WS_MAXIMIZE) != 0;
}

void CTKStatusBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) {
  if (m_hWnd != NULL && ((dwOldStyle ^ dwNewStyle) & 0xF00) != 0)
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CTKStatusBar::OnWindowPosChanging(WINDOWPOS* lpWndPos) {
  // The bar draws no borders of its own outside its panes.
  const DWORD dwStyle = m_dwStyle;
  m_dwStyle &= ~CBRS_BORDER_ANY;
  CControlBar::OnWindowPosChanging(lpWndPos);
  m_dwStyle = dwStyle;
}

void CTKStatusBar::OnWindowPosChanged(WINDOWPOS* lpWndPos) {
  CControlBar::OnWindowPosChanged(lpWndPos);
  // The ribbon theme draws the bar into the frame's border: the frame
  // measures its border again when the bar shows or hides.
  CTKPaintManager* pPaintManager = GetPaintManager();
  CWnd* pParent = GetParent();
  if (pPaintManager == nullptr || pPaintManager->GetThemeType() != kRibbonTheme ||
      pParent == nullptr)
    return;
  if ((lpWndPos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0)
    pParent->SetWindowPos(
        nullptr, 0, 0, 0, 0,
        SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CTKStatusBar::OnSize(UINT nType, int cx, int cy) {
  CControlBar::OnSize(nType, cx, cy);
  UpdateAllPanes();
}

void CTKStatusBar::UpdateAllPanes() {
  CRect rcArea(0, 0, 0, 0);
  if (m_hWnd != NULL) GetClientRect(&rcArea);
  CalcInsideRect(rcArea, TRUE);

  // First pass: what the visible panes need, and what is left over.
  int nFree = rcArea.Width();
  int nStretch = 0;
  BOOL bFirst = TRUE;
  for (int i = 0; i < GetPaneCount(); ++i) {
    CTKStatusBarPane* pPane = m_arrPanes[i];
    pPane->m_dwHideFlags &= ~CTKStatusBarPane::hideNoRoom;
    pPane->m_nIndex = i;
    if (!pPane->IsVisible()) continue;
    pPane->m_nComputedWidth = pPane->GetWidth();
    if (pPane->IsStretch()) ++nStretch;
    nFree -= pPane->m_rcMargins.left + pPane->m_rcMargins.right + (pPane->HasBorders() ? 2 : 0) +
             (pPane->m_bBeginGroup && !bFirst ? m_nPaneGap : 0) + pPane->m_nComputedWidth;
    bFirst = FALSE;
  }

  // Second pass: place them left to right; once one does not fit, the rest go.
  int x = rcArea.left;
  BOOL bNoRoom = FALSE;
  bFirst = TRUE;
  for (int i = 0; i < GetPaneCount(); ++i) {
    CTKStatusBarPane* pPane = m_arrPanes[i];
    pPane->m_rcPane.SetRectEmpty();
    if (bNoRoom) pPane->m_dwHideFlags |= CTKStatusBarPane::hideNoRoom;
    if (!pPane->IsVisible()) continue;
    if (pPane->m_bBeginGroup && !bFirst) x += m_nPaneGap;
    int nRight =
        x + pPane->m_nComputedWidth + (pPane->HasBorders() ? 2 : 0) + pPane->m_rcMargins.left;
    if (pPane->IsStretch() && nFree > 0 && nStretch > 0) {
      const int nShare = nFree / nStretch;
      nRight += nShare;
      nFree -= nShare;
      --nStretch;
    }
    if (nRight > rcArea.right) {
      if (!pPane->IsStretch()) {
        pPane->m_dwHideFlags |= CTKStatusBarPane::hideNoRoom;
        bNoRoom = TRUE;
        continue;
      }
      nRight = rcArea.right;
    }
    pPane->m_rcPane.SetRect(x + pPane->m_rcMargins.left, rcArea.top + pPane->m_rcMargins.top,
                            nRight, rcArea.bottom - pPane->m_rcMargins.bottom);
    x = nRight + pPane->m_rcMargins.right;
    bFirst = FALSE;
  }

  m_pHotPane = nullptr;
  if (m_hWnd == NULL) return;
  Invalidate();
  PositionPaneWindows();
  CPoint pt;
  ::GetCursorPos(&pt);
  ScreenToClient(&pt);
  SetHotPane(HitTestPane(pt), pt);
}

void CTKStatusBar::PositionPaneWindows() {
  const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
  for (int i = 0; i < GetPaneCount(); ++i) {
    CTKStatusBarPane* pPane = m_arrPanes[i];
    if (pPane->m_hWndChild == NULL || !::IsWindow(pPane->m_hWndChild)) continue;
    CRect rc = pPane->m_rcPane;
    if (rc.IsRectEmpty() || !pPane->IsVisible()) {
      ::SetWindowPos(pPane->m_hWndChild, NULL, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      continue;
    }
    if (pPane->HasBorders()) rc.DeflateRect(cxEdge, cxEdge);
    ::SetWindowPos(pPane->m_hWndChild, NULL, rc.left, rc.top, rc.Width(), rc.Height(),
                   SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(pPane->m_hWndChild, NULL, TRUE);
  }
}

LRESULT CTKStatusBar::OnNcHitTest(CPoint point) {
  if (!m_bDrawGripper || IsParentMaximized()) return HTCLIENT;
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  const int cxGripper =
      ::GetSystemMetrics(SM_CXVSCROLL) + m_cxRightBorder + 2 * ::GetSystemMetrics(SM_CXBORDER);
  if ((GetExStyle() & WS_EX_LAYOUTRTL) != 0)
    return point.x < rcWindow.left + cxGripper ? HTBOTTOMLEFT : HTCLIENT;
  return point.x >= rcWindow.right - cxGripper ? HTBOTTOMRIGHT : HTCLIENT;
}

void CTKStatusBar::OnSysCommand(UINT nID, LPARAM lParam) {
  // Sizing from the bottom edge sizes the frame.
  if ((nID & 0xFFF0) == SC_SIZE && (nID & 0xF) == WMSZ_BOTTOM && GetParent() != nullptr) {
    GetParent()->SendMessage(WM_SYSCOMMAND, nID, lParam);
    return;
  }
  CControlBar::OnSysCommand(nID, lParam);
}
