// Rectangles grown by position and the one-pixel lines every appearance draws.
#include "common/TKScopedHandle.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabPaintManagerTheme.h"

void InflateRectByPosition(CRect& rc, int nLeading, int nOuter, int nTrailing, int nInner,
                           int nPosition) {
  switch (nPosition) {
    case tkTabPositionTop:
      rc.left -= nLeading; rc.top -= nOuter; rc.right += nTrailing; rc.bottom += nInner;
      break;
    case tkTabPositionLeft:
      rc.top -= nLeading; rc.left -= nOuter; rc.bottom += nTrailing; rc.right += nInner;
      break;
    case tkTabPositionBottom:
      rc.left -= nLeading; rc.bottom += nOuter; rc.right += nTrailing; rc.top -= nInner;
      break;
    case tkTabPositionRight:
      rc.top -= nLeading; rc.right += nOuter; rc.bottom += nTrailing; rc.left -= nInner;
      break;
    default:
      break;
  }
}

void DeflateRectByPosition(CRect& rc, int nLeading, int nOuter, int nTrailing, int nInner,
                           int nPosition) {
  InflateRectByPosition(rc, -nLeading, -nOuter, -nTrailing, -nInner, nPosition);
}

void FillVerticalLine(CDC* pDC, int x, int y, int nLength, COLORREF clr) {
  if (clr != CLR_NONE) pDC->FillSolidRect(x, y, 1, nLength, clr);
}

void FillHorizontalLine(CDC* pDC, int x, int y, int nLength, COLORREF clr) {
  if (clr != CLR_NONE) pDC->FillSolidRect(x, y, nLength, 1, clr);
}

void DrawRectSide(CDC* pDC, CRect rc, int nPosition, COLORREF clrA, COLORREF clrB) {
  switch (nPosition) {
    case tkTabPositionTop: FillHorizontalLine(pDC, rc.left, rc.top, rc.Width(), clrA); break;
    case tkTabPositionLeft: FillVerticalLine(pDC, rc.left, rc.top, rc.Height(), clrA); break;
    case tkTabPositionBottom: FillHorizontalLine(pDC, rc.left, rc.bottom - 1, rc.Width(), clrB); break;
    case tkTabPositionRight: FillVerticalLine(pDC, rc.right - 1, rc.top, rc.Height(), clrB); break;
    default: break;
  }
}

void DrawFrame3d(CDC* pDC, CRect rc, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  FillHorizontalLine(pDC, rc.left, rc.top, rc.Width() - 1, clrTopLeft);
  FillVerticalLine(pDC, rc.left, rc.top, rc.Height() - 1, clrTopLeft);
  FillHorizontalLine(pDC, rc.left, rc.bottom - 1, rc.Width(), clrBottomRight);
  FillVerticalLine(pDC, rc.right - 1, rc.top, rc.Height(), clrBottomRight);
}

void DrawSolidLine(CDC* pDC, COLORREF clr, int x1, int y1, int x2, int y2) {
  if (clr == CLR_NONE) return;
  CTKScopedPen pen(::CreatePen(PS_SOLID, 1, clr));
  CTKSelectGuard select(pDC->GetSafeHdc(), pen.Get());
  ::MoveToEx(pDC->GetSafeHdc(), x1, y1, NULL);
  ::LineTo(pDC->GetSafeHdc(), x2, y2);
}

void DrawRelativePolyline(CDC* pDC, COLORREF clr, const POINT* pPoints, int nCount) {
  if (clr == CLR_NONE || nCount <= 0) return;
  CTKScopedPen pen(::CreatePen(PS_SOLID, 1, clr));
  CTKSelectGuard select(pDC->GetSafeHdc(), pen.Get());
  CPoint pt = pPoints[0];
  ::MoveToEx(pDC->GetSafeHdc(), pt.x, pt.y, NULL);
  for (int i = 1; i < nCount; ++i) {
    pt.Offset(pPoints[i].x, pPoints[i].y);
    ::LineTo(pDC->GetSafeHdc(), pt.x, pt.y);
  }
}
