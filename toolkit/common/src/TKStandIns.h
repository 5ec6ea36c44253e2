// Temporary: the draw-helper names of another common service that the theme
// images and scroll bars use, until that service is in the tree. Each
// declaration matches the one to come, so removing this header and including
// the real one is the whole change.
#pragma once

#include "afxwin.h"

#ifndef TK_STANDINS_DEFINED
#define TK_STANDINS_DEFINED

inline BOOL IsDCRightToLeft(CDC* pDC) {
  return pDC != NULL && pDC->m_hDC != NULL && (::GetLayout(pDC->m_hDC) & LAYOUT_RTL) != 0;
}

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

class CTKDrawHelpers {
 public:
  static void PASCAL FillRectWithBorder(CDC* pDC, LPCRECT lpRect, COLORREF clrBorder,
                                        COLORREF clrFill) {
    CRect rc(lpRect);
    pDC->FillSolidRect(rc, clrBorder);
    rc.DeflateRect(1, 1);
    if (!rc.IsRectEmpty()) pDC->FillSolidRect(rc, clrFill);
  }
};

#endif
