// CFont's point-size constructors.
#include "afxgdi.h"

#include <cstdlib>

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC) {
  LOGFONT logFont = {};
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfHeight = nPointSize;
  lstrcpyn(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
  return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC) {
  HDC hDC = pDC != NULL ? pDC->m_hAttribDC : ::GetDC(NULL);
  // Tenths of a point to device pixels, then to the DC's logical units; the
  // origin is converted too so that a moved window origin cancels out.
  POINT pt = {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lpLogFont->lfHeight, 720)};
  POINT ptOrg = {0, 0};
  ::DPtoLP(hDC, &pt, 1);
  ::DPtoLP(hDC, &ptOrg, 1);
  if (pDC == NULL) ::ReleaseDC(NULL, hDC);

  LOGFONT logFont = *lpLogFont;
  // Negative: the character height, not the cell height.
  logFont.lfHeight = -std::abs(pt.y - ptOrg.y);
  return CreateFontIndirect(&logFont);
}
