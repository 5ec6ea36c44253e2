// Frames, clip corners, triangles, lines and image-list icons.
#include "common/TKDrawHelpers.h"

#include <commctrl.h>

#include "common/TKDpiHelper.h"
#include "common/TKScopedHandle.h"

void PASCAL CTKDrawHelpers::FillRectWithBorder(CDC* pDC, LPCRECT lpRect, COLORREF clrBorder,
                                               COLORREF clrFill) {
  CRect rc(lpRect);
  pDC->FillSolidRect(rc, clrBorder);
  rc.DeflateRect(1, 1);
  if (!rc.IsRectEmpty()) pDC->FillSolidRect(rc, clrFill);
}

void PASCAL CTKDrawHelpers::ExcludeCorners(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom,
                                           BOOL bTopOnly) {
  const int cx = TKDpiHelper()->ScaleX(1);
  const int cy = TKDpiHelper()->ScaleY(1);
  pDC->ExcludeClipRect(nLeft, nTop, nLeft + cx, nTop + cy);
  pDC->ExcludeClipRect(nRight - cx, nTop, nRight, nTop + cy);
  if (bTopOnly) return;
  pDC->ExcludeClipRect(nLeft, nBottom - cy, nLeft + cx, nBottom);
  pDC->ExcludeClipRect(nRight - cx, nBottom - cy, nRight, nBottom);
}

void AFXAPI DrawTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2) {
  const POINT points[3] = {pt0, pt1, pt2};
  pDC->Polygon(points, 3);
}

void AFXAPI DrawFilledTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clrPen,
                               COLORREF clrBrush) {
  CPen pen(PS_SOLID, 1, clrPen);
  CBrush brush(clrBrush == CLR_NONE ? clrPen : clrBrush);
  CTKSelectGuard selectPen(pDC->m_hDC, pen.m_hObject);
  CTKSelectGuard selectBrush(pDC->m_hDC, brush.m_hObject);
  DrawTriangle(pDC, pt0, pt1, pt2);
}

BOOL AFXAPI DrawLine(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF clr) {
  if (pDC == nullptr || pDC->GetSafeHdc() == nullptr) return FALSE;
  CPen pen(PS_SOLID, 1, clr);
  CTKSelectGuard selectPen(pDC->m_hDC, pen.m_hObject);
  pDC->MoveTo(x1, y1);
  pDC->LineTo(x2, y2);
  return TRUE;
}

BOOL AFXAPI DrawImageListIcon(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom,
                              HIMAGELIST hImageList, int nIndex) {
  HICON hIcon = ::ImageList_GetIcon(hImageList, nIndex, 0);
  if (hIcon == nullptr) return FALSE;
  ::DrawIconEx(pDC->GetSafeHdc(), nLeft, nTop, hIcon, nRight - nLeft, nBottom - nTop, 0, nullptr,
               DI_NORMAL);
  ::DestroyIcon(hIcon);
  return TRUE;
}
