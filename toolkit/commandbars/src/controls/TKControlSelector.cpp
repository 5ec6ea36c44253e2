// CTKControlSelector: picking columns and rows from a grid that grows.
#include "commandbars/TKControlSelector.h"

#include <algorithm>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKPropExchange.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlSelector, CTKControl)

namespace {

// Toolkit colours of the cells.
const int kWindow = 5;
const int kHighlight = 13;
const int kHighlightText = 14;
// Indexed colours of the theme: a cell's face and its frame.
const int kCellFace = 46;
const int kCellFrame = 43;

}  // namespace

CTKControlSelector::CTKControlSelector()
    : m_bTracking(FALSE),
      m_szItemsCount(5, 4),
      m_szItemsMax(12, 12),
      m_szSelected(0, 0),
      m_szItem(TKDpiHelper()->ScaleX(28), TKDpiHelper()->ScaleY(28)),
      m_szExecuted(0, 0),
      m_szGrid(5, 4) {}

void CTKControlSelector::Copy(CTKControl* pSource, BOOL bRecursive) {
  CTKControl::Copy(pSource, bRecursive);
  CTKControlSelector* pSelector = DYNAMIC_DOWNCAST(CTKControlSelector, pSource);
  if (pSelector == nullptr || pSelector == this) return;
  m_szItemsCount = pSelector->m_szItemsCount;
  m_szItemsMax = pSelector->m_szItemsMax;
  m_szItem = pSelector->m_szItem;
}

void CTKControlSelector::DoPropExchange(CTKPropExchange* pPX) {
  ExchangeSizeProp(pPX, "ItemsCount", m_szItemsCount, CSize(0, 0));
  ExchangeSizeProp(pPX, "ItemsMax", m_szItemsMax, CSize(0, 0));
  ExchangeSizeProp(pPX, "ItemSize", m_szItem, CSize(0, 0));
}

CSize CTKControlSelector::GetSize(CDC*) {
  return CSize(m_szGrid.cx * m_szItem.cx, m_szGrid.cy * m_szItem.cy);
}

void CTKControlSelector::Draw(CDC* pDC) {
  CTKPaintManager* pPaintManager = GetPaintManager();
  CTKColorManager* pColors = TKColorManager();
  const COLORREF clrFrame =
      pPaintManager != nullptr ? pPaintManager->GetIndexedColor(kCellFrame) : ::GetSysColor(COLOR_3DSHADOW);
  const COLORREF clrFace =
      pPaintManager != nullptr ? pPaintManager->GetIndexedColor(kCellFace) : ::GetSysColor(COLOR_3DFACE);
  const int nInset = TKDpiHelper()->ScaleX(1);
  const CPoint ptOrigin = GetRect().TopLeft();
  for (int i = 0; i < m_szGrid.cx; ++i) {
    for (int j = 0; j < m_szGrid.cy; ++j) {
      CRect rcItem(ptOrigin.x + i * m_szItem.cx, ptOrigin.y + j * m_szItem.cy,
                   ptOrigin.x + (i + 1) * m_szItem.cx, ptOrigin.y + (j + 1) * m_szItem.cy);
      rcItem.DeflateRect(nInset, nInset);
      const BOOL bSelected = i < m_szSelected.cx && j < m_szSelected.cy;
      pDC->FillSolidRect(rcItem, pColors->GetColor(bSelected ? kHighlight : kWindow));
      pDC->SetTextColor(bSelected ? pColors->GetColor(kHighlightText) : clrFace);
      pDC->Draw3dRect(rcItem, clrFrame, clrFrame);
      DrawItem(pDC, rcItem, i, j, bSelected);
    }
  }
}

void CTKControlSelector::DrawItem(CDC*, CRect, int, int, BOOL) {}

void CTKControlSelector::SetSelectedCells(int nColumns, int nRows, BOOL bForce) {
  if (!bForce && m_szSelected == CSize(nColumns, nRows)) return;
  m_szSelected = CSize(nColumns, nRows);
  RedrawParent(FALSE);
  NotifySite(kSelectionChanged);
}

void CTKControlSelector::OnMouseMove(CPoint pt) {
  const CPoint ptOrigin = GetRect().TopLeft();
  int nColumns = 0;
  while (nColumns < m_szGrid.cx && ptOrigin.x + nColumns * m_szItem.cx < pt.x) ++nColumns;
  int nRows = 0;
  while (nRows < m_szGrid.cy && ptOrigin.y + nRows * m_szItem.cy < pt.y) ++nRows;
  SetSelectedCells(nColumns, nRows);
}

void CTKControlSelector::OnLButtonUp(CPoint) {
  if (m_szSelected.cx <= 0 || m_szSelected.cy <= 0) return;
  m_szExecuted = m_szSelected;
  OnExecute();
}

BOOL CTKControlSelector::SetSelected(int nSelected) {
  CTKCommandBarsSystem* pSystem = TKCommandBarsSystem();
  if (!nSelected && m_pParent != nullptr && (pSystem->GetKeyState(VK_LBUTTON) & 0x8000) != 0) {
    CPoint pt;
    pSystem->GetCursorPos(&pt);
    if (m_pParent->GetSafeHwnd() != NULL) m_pParent->ScreenToClient(&pt);
    const CRect rc = GetRect();
    CSize szGrid = m_szGrid;
    if (pt.x >= rc.right)
      szGrid.cx = std::min(m_szItemsMax.cx, static_cast<LONG>((pt.x - rc.left) / m_szItem.cx + 1));
    if (pt.y >= rc.bottom)
      szGrid.cy = std::min(m_szItemsMax.cy, static_cast<LONG>((pt.y - rc.top) / m_szItem.cy + 1));
    if (szGrid == m_szGrid) {
      SetSelectedCells(0, 0);
    } else {
      // The pop-up grows around the pointer and the selection follows it.
      m_szGrid = szGrid;
      SetSelectedCells(m_szSelected.cx, m_szSelected.cy, TRUE);
      m_bTracking = TRUE;
      m_pParent->DelayLayout();
      m_pParent->OnRecalcLayout();
      m_bTracking = FALSE;
      OnMouseMove(pt);
    }
  }
  return CTKControl::SetSelected(nSelected);
}

void CTKControlSelector::OnCalcDynamicSize(DWORD) {
  if (!m_bTracking) {
    m_szSelected = CSize(0, 0);
    m_szGrid = m_szItemsCount;
  }
  SetSelectedCells(m_szSelected.cx, m_szSelected.cy, TRUE);
}
