// Excel 2003 tabs: trapezoids wider at the page side, both flanks slanting
// outwards by half the tab's height.
#include "TKTabShapeFrame.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabThemeFlat.h"

CTKTabThemeExcel2003::CTKTabThemeExcel2003() { m_rcHeaderMargin.SetRect(2, 3, 2, 0); }

CRect CTKTabThemeExcel2003::GetHeaderMargin() const {
  CRect rc = m_rcHeaderMargin;
  const int nHalf = GetRowHeight(NULL) / 2;
  rc.left += nHalf;
  rc.right += nHalf;
  return rc;
}

CRect CTKTabThemeExcel2003::GetItemDrawRect(const CTKTabManagerItem* pItem) const {
  return WidenByHalfHeight(pItem);
}

void CTKTabThemeExcel2003::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  const int nPosition = pItem->GetManager()->GetPosition();
  const CTKTabShapeFrame frame(pItem->GetRect(), nPosition);
  CRect rc = frame.GetTopRect();
  const int T = rc.top;
  const int B1 = rc.bottom - 1;
  rc.OffsetRect(-(B1 - T) / 4, 0);
  const int L = rc.left;
  const int R = rc.right;
  const int d = (B1 - T) / 2;

  const POINT kShape[4] = {{L, B1}, {L + d, B1 - 2 * d}, {R, B1 - 2 * d}, {R + d, B1}};
  POINT device[4];
  frame.MapPoints(kShape, device, 4);
  const COLORREF clrFill = FillItemPolygon(pDC, pItem, device, 4, nPosition, TRUE);

  const CTKTabPaintManagerColorSet* pColors = GetColorSet();
  const BOOL bSelected = pItem->IsSelected();
  const COLORREF clrLight = bSelected ? pColors->m_clrTrapezoidSelectedInnerLight
                                      : pColors->m_clrTrapezoidNormalInnerLight;
  const COLORREF clrShadow = bSelected ? pColors->m_clrTrapezoidSelectedInnerShadow
                                       : pColors->m_clrTrapezoidNormalInnerShadow;
  const COLORREF clrOuter = bSelected ? pColors->m_clrTrapezoidSelectedOuter
                                      : pColors->m_clrTrapezoidNormalOuter;
  const COLORREF clrTrailing = bSelected ? pColors->m_clrTrapezoidSelectedTrailing
                                         : pColors->m_clrTrapezoidNormalTrailing;
  frame.Line(pDC, clrLight, L + 1, B1 - 1, L + d + 1, T);
  frame.Line(pDC, clrLight, L + d, T + 1, R, T + 1);
  frame.Line(pDC, clrShadow, R - 1, T, R + d - 1, B1);
  frame.Line(pDC, clrOuter, L, B1 - 1, L + d, T);
  frame.Line(pDC, clrOuter, L + d, T, R, T);
  frame.Line(pDC, clrTrailing, R, T, R + d, B1);
  if (bSelected) frame.Row(pDC, L, R + d - 1, B1, clrFill);
  m_pPaintManager->DrawItemText(pDC, pItem, pItem->GetRect(), TRUE);
}
