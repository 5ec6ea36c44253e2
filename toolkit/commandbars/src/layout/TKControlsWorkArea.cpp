// CTKControls: columns of a pop-up that must fit the work area.
#include <algorithm>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"

namespace {

/// Gives every control of a finished column the column's width.
void FinishColumn(const std::vector<CTKControl*>& column, int nLeft, int nWidth) {
  for (CTKControl* pControl : column) {
    CRect rc = pControl->GetRect();
    pControl->SetRect(CRect(nLeft, rc.top, nLeft + nWidth, rc.bottom));
  }
}

}  // namespace

CSize CTKControls::CalcWorkAreaLayout(CDC* pDC, int nMaxHeight, int nFixedWidth, CRect rcBorder) {
  if (m_pParent == nullptr) return CSize(0, 0);
  CRect rcWork;
  ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0);
  CTKPaintManager* pPaintManager = m_pParent->GetPaintManager();
  CFont* pOldFont = nullptr;
  CSize szSeparator(0, 0);
  if (pPaintManager != nullptr) {
    pOldFont = pDC->SelectObject(pPaintManager->GetCommandBarFont(m_pParent));
    szSeparator = pPaintManager->DrawCommandBarSeparator(pDC, m_pParent, nullptr, FALSE);
  }
  // Without a resize gripper a control is held to a third of the screen.
  const int nMaxWidth = m_pParent->GetResizeMode() == 0 ? rcWork.right / 3 : INT_MAX;

  m_pParent->SetMultiColumn(FALSE);
  std::vector<CTKControl*> column;
  std::vector<std::vector<CTKControl*>> columns;
  int x = rcBorder.left;
  int y = rcBorder.top;
  int nColumnWidth = 0;
  int nTallest = 0;
  for (int i = 0; i < GetCount(); ++i) {
    CTKControl* pControl = GetAt(i);
    pControl->SetHideFlags(pControl->GetHideFlags() & ~TKHIDE_UNNEEDED);
    pControl->SetWrap(FALSE);
    if (!pControl->IsVisible(0)) continue;
    CSize sz = pControl->GetSize(pDC);
    sz.cx = std::min<LONG>(sz.cx, nMaxWidth);
    const int nGap = pControl->GetBeginGroup() && !column.empty() ? szSeparator.cy : 0;
    const bool bBreak = !column.empty() && ((pControl->GetFlags() & TKFLAG_WRAPROW) ||
                                            y + nGap + sz.cy > nMaxHeight - rcBorder.bottom);
    if (bBreak) {
      FinishColumn(column, x, nColumnWidth);
      columns.push_back(column);
      column.clear();
      x += nColumnWidth + (pControl->GetBeginGroup() ? szSeparator.cx : 0);
      y = rcBorder.top;
      nColumnWidth = 0;
      pControl->SetWrap(TRUE);
      m_pParent->SetMultiColumn(TRUE);
    } else {
      y += nGap;
    }
    pControl->SetRect(CRect(x, y, x + sz.cx, y + sz.cy));
    y += sz.cy;
    nTallest = std::max(nTallest, y);
    nColumnWidth = std::max<int>(nColumnWidth, sz.cx);
    column.push_back(pControl);
  }
  if (nFixedWidth > 0 && nFixedWidth < 30000)
    nColumnWidth = nFixedWidth - rcBorder.left - rcBorder.right - (x - rcBorder.left);
  FinishColumn(column, x, nColumnWidth);
  columns.push_back(column);

  const int nBottom = nTallest > 0 ? nTallest : rcBorder.top + TKDpiHelper()->ScaleY(22);
  for (const std::vector<CTKControl*>& entries : columns)
    for (CTKControl* pControl : entries)
      pControl->SetRowRect(CRect(pControl->GetRect().left, rcBorder.top, pControl->GetRect().right,
                                 nBottom));
  if (pOldFont != nullptr) pDC->SelectObject(pOldFont);
  const int nWidth = std::max<int>(x + nColumnWidth - rcBorder.left, TKDpiHelper()->ScaleX(24));
  return CSize(rcBorder.left + nWidth + rcBorder.right, nBottom + rcBorder.bottom);
}
