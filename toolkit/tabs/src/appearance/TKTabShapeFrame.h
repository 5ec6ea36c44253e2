// Tab shapes are given for a top strip; this turns a top-strip drawing onto
// a tab of any position: (u, v) are along the strip and across it, v growing
// towards the page.
#pragma once

#include <afxwin.h>

class CTKTabShapeFrame {
 public:
  CTKTabShapeFrame(const CRect& rcItem, int nPosition);
  /// The tab's rectangle in top-strip terms (L, T, R, B).
  const CRect& GetTopRect() const { return m_rcTop; }
  CPoint Map(int u, int v) const;
  void MapPoints(const POINT* pIn, POINT* pOut, int nCount) const;
  /// A rectangle in top-strip terms as a device rectangle.
  CRect MapRect(const CRect& rc) const;
  void Line(CDC* pDC, COLORREF clr, int u1, int v1, int u2, int v2) const;
  /// One pixel at (u, v).
  void Pixel(CDC* pDC, int u, int v, COLORREF clr) const;
  /// Pixels (u, v1) to (u, v2) inclusive.
  void Column(CDC* pDC, int u, int v1, int v2, COLORREF clr) const;
  /// Pixels (u1, v) to (u2, v) inclusive.
  void Row(CDC* pDC, int u1, int u2, int v, COLORREF clr) const;
  /// Lines through absolute top-strip points.
  void Polyline(CDC* pDC, COLORREF clr, const POINT* pPoints, int nCount) const;

 private:
  CRect m_rcItem;
  CRect m_rcTop;
  int m_nPosition;
};
