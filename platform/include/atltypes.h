// CSize, CPoint and CRect: the Win32 SIZE, POINT and RECT with arithmetic.
// Each derives from its Win32 structure and adds no data, so a pointer to one
// passes wherever the API wants the structure.
#pragma once

#include <windows.h>

class CPoint;
class CRect;

class CSize : public tagSIZE {
 public:
  CSize() { cx = cy = 0; }
  CSize(int initCX, int initCY) {
    cx = initCX;
    cy = initCY;
  }
  CSize(SIZE initSize) {
    cx = initSize.cx;
    cy = initSize.cy;
  }
  CSize(POINT initPt) {
    cx = initPt.x;
    cy = initPt.y;
  }
  /// The low word is cx, the high word cy (as in a message's lParam).
  explicit CSize(DWORD dwSize) {
    cx = (short)LOWORD(dwSize);
    cy = (short)HIWORD(dwSize);
  }

  bool operator==(SIZE s) const { return cx == s.cx && cy == s.cy; }
  bool operator!=(SIZE s) const { return !(*this == s); }
  void operator+=(SIZE s) {
    cx += s.cx;
    cy += s.cy;
  }
  void operator-=(SIZE s) {
    cx -= s.cx;
    cy -= s.cy;
  }
  void SetSize(int CX, int CY) {
    cx = CX;
    cy = CY;
  }
  CSize operator+(SIZE s) const { return CSize(cx + s.cx, cy + s.cy); }
  CSize operator-(SIZE s) const { return CSize(cx - s.cx, cy - s.cy); }
  CSize operator-() const { return CSize(-cx, -cy); }
};

class CPoint : public tagPOINT {
 public:
  CPoint() { x = y = 0; }
  CPoint(int initX, int initY) {
    x = initX;
    y = initY;
  }
  CPoint(POINT initPt) {
    x = initPt.x;
    y = initPt.y;
  }
  CPoint(SIZE initSize) {
    x = initSize.cx;
    y = initSize.cy;
  }
  /// Signed low and high words, as the mouse messages pack a position.
  explicit CPoint(LPARAM dwPoint) {
    x = (short)LOWORD(dwPoint);
    y = (short)HIWORD(dwPoint);
  }

  void Offset(int xOffset, int yOffset) {
    x += xOffset;
    y += yOffset;
  }
  void Offset(POINT point) { Offset(point.x, point.y); }
  void Offset(SIZE size) { Offset(size.cx, size.cy); }
  void SetPoint(int X, int Y) {
    x = X;
    y = Y;
  }

  bool operator==(POINT p) const { return x == p.x && y == p.y; }
  bool operator!=(POINT p) const { return !(*this == p); }
  void operator+=(SIZE s) {
    x += s.cx;
    y += s.cy;
  }
  void operator-=(SIZE s) {
    x -= s.cx;
    y -= s.cy;
  }
  void operator+=(POINT p) {
    x += p.x;
    y += p.y;
  }
  void operator-=(POINT p) {
    x -= p.x;
    y -= p.y;
  }
  CPoint operator+(SIZE s) const { return CPoint(x + s.cx, y + s.cy); }
  CPoint operator-(SIZE s) const { return CPoint(x - s.cx, y - s.cy); }
  CPoint operator-() const { return CPoint(-x, -y); }
  CPoint operator+(POINT p) const { return CPoint(x + p.x, y + p.y); }
  /// The difference of two points is a size.
  CSize operator-(POINT p) const { return CSize(x - p.x, y - p.y); }
};

class CRect : public tagRECT {
 public:
  CRect() { left = top = right = bottom = 0; }
  CRect(int l, int t, int r, int b) {
    left = l;
    top = t;
    right = r;
    bottom = b;
  }
  CRect(const RECT& src) { ::CopyRect(this, &src); }
  CRect(LPCRECT lpSrc) { ::CopyRect(this, lpSrc); }
  CRect(POINT point, SIZE size) {
    left = point.x;
    top = point.y;
    right = left + size.cx;
    bottom = top + size.cy;
  }
  CRect(POINT topLeft, POINT bottomRight) {
    left = topLeft.x;
    top = topLeft.y;
    right = bottomRight.x;
    bottom = bottomRight.y;
  }

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(this); }
  CPoint& BottomRight() { return *(reinterpret_cast<CPoint*>(this) + 1); }
  const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(this); }
  const CPoint& BottomRight() const { return *(reinterpret_cast<const CPoint*>(this) + 1); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }

  BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
  BOOL IsRectNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
  BOOL PtInRect(POINT point) const { return ::PtInRect(this, point); }

  void SetRect(int x1, int y1, int x2, int y2) { ::SetRect(this, x1, y1, x2, y2); }
  void SetRect(POINT topLeft, POINT bottomRight) {
    ::SetRect(this, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
  }
  void SetRectEmpty() { ::SetRectEmpty(this); }
  void CopyRect(LPCRECT lpSrcRect) { ::CopyRect(this, lpSrcRect); }
  BOOL EqualRect(LPCRECT lpRect) const { return ::EqualRect(this, lpRect); }

  void InflateRect(int x, int y) { ::InflateRect(this, x, y); }
  void InflateRect(SIZE size) { ::InflateRect(this, size.cx, size.cy); }
  void InflateRect(LPCRECT lpRect) {
    left -= lpRect->left;
    top -= lpRect->top;
    right += lpRect->right;
    bottom += lpRect->bottom;
  }
  void InflateRect(int l, int t, int r, int b) {
    left -= l;
    top -= t;
    right += r;
    bottom += b;
  }
  void DeflateRect(int x, int y) { ::InflateRect(this, -x, -y); }
  void DeflateRect(SIZE size) { ::InflateRect(this, -size.cx, -size.cy); }
  void DeflateRect(LPCRECT lpRect) {
    left += lpRect->left;
    top += lpRect->top;
    right -= lpRect->right;
    bottom -= lpRect->bottom;
  }
  void DeflateRect(int l, int t, int r, int b) {
    left += l;
    top += t;
    right -= r;
    bottom -= b;
  }

  void OffsetRect(int x, int y) { ::OffsetRect(this, x, y); }
  void OffsetRect(POINT point) { ::OffsetRect(this, point.x, point.y); }
  void OffsetRect(SIZE size) { ::OffsetRect(this, size.cx, size.cy); }
  void MoveToY(int y) {
    bottom = Height() + y;
    top = y;
  }
  void MoveToX(int x) {
    right = Width() + x;
    left = x;
  }
  void MoveToXY(int x, int y) {
    MoveToX(x);
    MoveToY(y);
  }
  void MoveToXY(POINT point) { MoveToXY(point.x, point.y); }
  /// Swaps the edges so that left <= right and top <= bottom.
  void NormalizeRect() {
    if (left > right) {
      int t = left;
      left = right;
      right = t;
    }
    if (top > bottom) {
      int t = top;
      top = bottom;
      bottom = t;
    }
  }

  BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) {
    return ::IntersectRect(this, lpRect1, lpRect2);
  }
  BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) { return ::UnionRect(this, lpRect1, lpRect2); }
  BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) {
    return ::SubtractRect(this, lpRectSrc1, lpRectSrc2);
  }

  void operator=(const RECT& srcRect) { ::CopyRect(this, &srcRect); }
  bool operator==(const RECT& rect) const { return ::EqualRect(this, &rect) != FALSE; }
  bool operator!=(const RECT& rect) const { return !(*this == rect); }
  void operator+=(POINT point) { OffsetRect(point); }
  void operator+=(SIZE size) { OffsetRect(size); }
  void operator+=(LPCRECT lpRect) { InflateRect(lpRect); }
  void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
  void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
  void operator-=(LPCRECT lpRect) { DeflateRect(lpRect); }
  void operator&=(const RECT& rect) { ::IntersectRect(this, this, &rect); }
  void operator|=(const RECT& rect) { ::UnionRect(this, this, &rect); }
  CRect operator+(POINT pt) const {
    CRect r(*this);
    r.OffsetRect(pt);
    return r;
  }
  CRect operator-(POINT pt) const {
    CRect r(*this);
    r.OffsetRect(-pt.x, -pt.y);
    return r;
  }
  CRect operator+(SIZE size) const {
    CRect r(*this);
    r.OffsetRect(size);
    return r;
  }
  CRect operator-(SIZE size) const {
    CRect r(*this);
    r.OffsetRect(-size.cx, -size.cy);
    return r;
  }
  CRect operator+(LPCRECT lpRect) const {
    CRect r(*this);
    r.InflateRect(lpRect);
    return r;
  }
  CRect operator-(LPCRECT lpRect) const {
    CRect r(*this);
    r.DeflateRect(lpRect);
    return r;
  }
  CRect operator&(const RECT& rect2) const {
    CRect r;
    ::IntersectRect(&r, this, &rect2);
    return r;
  }
  CRect operator|(const RECT& rect2) const {
    CRect r;
    ::UnionRect(&r, this, &rect2);
    return r;
  }
};
