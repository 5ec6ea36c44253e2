#include "TKTabShapeFrame.h"

#include <vector>

#include "tabs/TKTabManager.h"
#include "tabs/TKTabPaintManagerTheme.h"

CTKTabShapeFrame::CTKTabShapeFrame(const CRect& rc, int nPosition)
    : m_rcItem(rc), m_nPosition(nPosition) {
  const BOOL bVertical = nPosition == tkTabPositionLeft || nPosition == tkTabPositionRight;
  m_rcTop = bVertical ? CRect(rc.top, rc.left, rc.bottom, rc.right) : rc;
}

CPoint CTKTabShapeFrame::Map(int u, int v) const {
  switch (m_nPosition) {
    case tkTabPositionLeft: return CPoint(v, u);
    case tkTabPositionBottom: return CPoint(u, m_rcItem.top + m_rcItem.bottom - 1 - v);
    case tkTabPositionRight: return CPoint(m_rcItem.left + m_rcItem.right - 1 - v, u);
    default: return CPoint(u, v);
  }
}

void CTKTabShapeFrame::MapPoints(const POINT* pIn, POINT* pOut, int nCount) const {
  for (int i = 0; i < nCount; ++i) pOut[i] = Map(pIn[i].x, pIn[i].y);
}

CRect CTKTabShapeFrame::MapRect(const CRect& rc) const {
  CRect rcOut(Map(rc.left, rc.top), Map(rc.right - 1, rc.bottom - 1));
  rcOut.NormalizeRect();
  rcOut.right += 1;
  rcOut.bottom += 1;
  return rcOut;
}

void CTKTabShapeFrame::Line(CDC* pDC, COLORREF clr, int u1, int v1, int u2, int v2) const {
  const CPoint p1 = Map(u1, v1);
  const CPoint p2 = Map(u2, v2);
  DrawSolidLine(pDC, clr, p1.x, p1.y, p2.x, p2.y);
}

void CTKTabShapeFrame::Pixel(CDC* pDC, int u, int v, COLORREF clr) const {
  if (clr == CLR_NONE) return;
  const CPoint p = Map(u, v);
  pDC->SetPixel(p, clr);
}

void CTKTabShapeFrame::Column(CDC* pDC, int u, int v1, int v2, COLORREF clr) const {
  if (clr == CLR_NONE || v2 < v1) return;
  pDC->FillSolidRect(MapRect(CRect(u, v1, u + 1, v2 + 1)), clr);
}

void CTKTabShapeFrame::Row(CDC* pDC, int u1, int u2, int v, COLORREF clr) const {
  if (clr == CLR_NONE || u2 < u1) return;
  pDC->FillSolidRect(MapRect(CRect(u1, v, u2 + 1, v + 1)), clr);
}

void CTKTabShapeFrame::Polyline(CDC* pDC, COLORREF clr, const POINT* pPoints, int nCount) const {
  if (nCount <= 0) return;
  std::vector<POINT> absolute(nCount);
  MapPoints(pPoints, absolute.data(), nCount);
  std::vector<POINT> relative(absolute);
  for (int i = nCount - 1; i > 0; --i) {
    relative[i].x -= absolute[i - 1].x;
    relative[i].y -= absolute[i - 1].y;
  }
  DrawRelativePolyline(pDC, clr, relative.data(), nCount);
}
