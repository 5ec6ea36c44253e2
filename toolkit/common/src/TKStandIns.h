// Temporary: the few names of other common services that the theme images use,
// until those services are in the tree. Each declaration matches the one to
// come, so removing this header and including the real ones is the whole change.
#pragma once

#include "afxwin.h"

#ifndef TK_STANDINS_DEFINED
#define TK_STANDINS_DEFINED

class CTKBitmapDC : public CDC {
 public:
  CTKBitmapDC() : m_hOldBitmap(NULL) {}
  ~CTKBitmapDC() override { ReleaseBitmap(); }
  void SelectBitmap(HBITMAP hBitmap) {
    ReleaseBitmap();
    m_hOldBitmap = ::SelectObject(m_hDC, hBitmap);
  }
  void ReleaseBitmap() {
    if (m_hOldBitmap != NULL) ::SelectObject(m_hDC, m_hOldBitmap);
    m_hOldBitmap = NULL;
  }

 private:
  HGDIOBJ m_hOldBitmap;
};

class CTKCompatibleDC : public CDC {
 public:
  CTKCompatibleDC(CDC* pDC, HBITMAP hBitmap) : m_hOldBitmap(NULL) {
    Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : NULL));
    if (hBitmap != NULL) m_hOldBitmap = ::SelectObject(m_hDC, hBitmap);
  }
  ~CTKCompatibleDC() override {
    if (m_hOldBitmap != NULL) ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteDC(Detach());
  }

 private:
  HGDIOBJ m_hOldBitmap;
};

class CTKNotifyConnection : public CCmdTarget {
 public:
  BOOL SendEvent(DWORD, WPARAM, LPARAM, DWORD) { return FALSE; }
};

inline HBITMAP Create32BitDIBSection(HDC hDC, int nWidth, int nHeight, LPBYTE* ppBits) {
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = nWidth;
  bmi.bmiHeader.biHeight = nHeight;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* pBits = NULL;
  HBITMAP hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
  if (ppBits != NULL) *ppBits = (LPBYTE)pBits;
  return hBitmap;
}

HBITMAP LoadBitmapOrPngFromModule(HMODULE hModule, LPCSTR lpszName, BOOL* pbAlpha);

class CTKImageManager {
 public:
  static BOOL TransparentBlt(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc,
                             COLORREF clrTransparent) {
    return ::TransparentBlt(hdcDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(),
                            hdcSrc, rcSrc.left, rcSrc.top, rcSrc.Width(), rcSrc.Height(),
                            clrTransparent);
  }
  static BOOL AlphaBlend(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc) {
    BLENDFUNCTION bf = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return ::AlphaBlend(hdcDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), hdcSrc,
                        rcSrc.left, rcSrc.top, rcSrc.Width(), rcSrc.Height(), bf);
  }
};

inline BOOL IsDCRightToLeft(HDC hDC) { return hDC != NULL && (::GetLayout(hDC) & LAYOUT_RTL) != 0; }

class CTKColorManager {
 public:
  COLORREF GetColor(int nIndex) const {
    return nIndex > 62 ? (COLORREF)nIndex : ::GetSysColor(nIndex < 31 ? nIndex : COLOR_BTNFACE);
  }
};
inline CTKColorManager* TKColorManager() {
  static CTKColorManager manager;
  return &manager;
}
inline void AFXAPI RefreshToolkitColors(BOOL) {}

class CTKGlyphFont {
 public:
  BOOL DrawGlyph(CDC*, TCHAR, CRect, COLORREF, COLORREF = CLR_NONE, BOOL = FALSE, CPen* = NULL) {
    return FALSE;
  }
};
inline CTKGlyphFont* TKGlyphFont() {
  static CTKGlyphFont font;
  return &font;
}

LPCTSTR AFXAPI ResourceTypeForExtension(LPCTSTR lpszFileName);
CString AFXAPI FindResourceTypeOfName(HMODULE hModule, LPCTSTR lpszName);

#endif
