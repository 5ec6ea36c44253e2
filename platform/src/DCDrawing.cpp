// CDC: object selection and the drawing members that are more than one GDI
// call. Binding a DC to its object is in DC.cpp.
#include "afxgdi.h"

BOOL CDC::CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(SafeHdc(pDC))); }

CPen* CDC::SelectObject(CPen* pPen) {
  return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, SafeHandle(pPen))));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
  return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, SafeHandle(pBrush))));
}

CFont* CDC::SelectObject(CFont* pFont) {
  return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, SafeHandle(pFont))));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, SafeHandle(pBitmap))));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  return CGdiObject::FromHandle(::SelectObject(m_hDC, SafeHandle(pObject)));
}

int CDC::SelectObject(CRgn* pRgn) {
  // For a region GDI returns the region type in place of a handle.
  return static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(m_hDC, SafeHandle(pRgn))));
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
  HGDIOBJ hObject = ::GetStockObject(nIndex);
  return hObject == NULL ? nullptr : CGdiObject::FromHandle(::SelectObject(m_hDC, hObject));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
  HPALETTE hPalette = static_cast<HPALETTE>(SafeHandle(pPalette));
  return CPalette::FromHandle(::SelectPalette(m_hDC, hPalette, bForceBackground));
}

CPoint CDC::SetViewportOrg(int x, int y) {
  CPoint old;
  ::SetViewportOrgEx(m_hDC, x, y, &old);
  return old;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
  CPoint old;
  ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &old);
  return old;
}

CPoint CDC::SetWindowOrg(int x, int y) {
  CPoint old;
  ::SetWindowOrgEx(m_hDC, x, y, &old);
  return old;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
  CPoint old;
  ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &old);
  return old;
}

CPoint CDC::MoveTo(int x, int y) {
  CPoint old;
  ::MoveToEx(m_hDC, x, y, &old);
  return old;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor) {
  // An opaque, empty ExtTextOut fills with the background colour and needs
  // no brush.
  ::SetBkColor(m_hDC, crColor);
  ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor) {
  RECT rect = {x, y, x + cx, y + cy};
  FillSolidRect(&rect, crColor);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
             clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
  FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
  FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
  FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
  CSize size;
  ::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size);
  return size;
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const {
  CSize size;
  ::GetTextExtentPoint32(m_hDC, lpszString, nCount, &size);
  return size;
}
