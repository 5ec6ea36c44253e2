// The constructors and resource-bound members of the pens, brushes, bitmaps
// and palettes.
#include "afxgdi.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNCREATE(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNCREATE(CRgn, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

namespace {

// The creating constructors have no way to report failure but an exception.
void AttachOrThrow(CGdiObject* pObject, HGDIOBJ hObject) {
  if (!pObject->Attach(hObject)) AfxThrowResourceException();
}

}  // namespace

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
  AttachOrThrow(this, ::CreatePen(nPenStyle, nWidth, crColor));
}

CPen::CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount,
           const DWORD* lpStyle) {
  AttachOrThrow(this, ::ExtCreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle));
}

CBrush::CBrush(COLORREF crColor) { AttachOrThrow(this, ::CreateSolidBrush(crColor)); }

CBrush::CBrush(int nIndex, COLORREF crColor) {
  AttachOrThrow(this, ::CreateHatchBrush(nIndex, crColor));
}

CBrush::CBrush(CBitmap* pBitmap) {
  AttachOrThrow(this, ::CreatePatternBrush(static_cast<HBITMAP>(SafeHandle(pBitmap))));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
  return Attach(::CreatePatternBrush(static_cast<HBITMAP>(SafeHandle(pBitmap))));
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  return Attach(::LoadBitmap(hInst, lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  return Attach(::CreateCompatibleBitmap(CDC::SafeHdc(pDC), nWidth, nHeight));
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC) {
  return Attach(::CreateHalftonePalette(CDC::SafeHdc(pDC)));
}
