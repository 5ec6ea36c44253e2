// Text in colours, text fitted into a rectangle, mnemonics, and fonts.
#include "common/TKDrawHelpers.h"

#include <string.h>

#include "common/TKDCHelpers.h"
#include "common/TKOSVersionHelper.h"
#include "common/TKScopedHandle.h"
#include "common/TKResourceManager.h"

namespace {

// The search of FitFontHeightToRect gives up after this many heights.
const int kMaxFitSteps = 4096;

CSize TextExtent(CDC* pDC, CFont* pFont, LPCTSTR lpszText, int nCount) {
  CTKFontDC selectFont(pDC, pFont);
  CSize size;
  ::GetTextExtentPoint32A(pDC->GetSafeHdc(), lpszText, nCount, &size);
  return size;
}

int CALLBACK FontFamilyFoundProc(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD,
                                 LPARAM lParam) {
  // Stop the walk at the first family of that name.
  return _stricmp(pLogFont->lfFaceName, reinterpret_cast<LPCTSTR>(lParam)) != 0;
}

}  // namespace

int AFXAPI DrawTextWithColors(CDC* pDC, CFont* pFont, LPCTSTR lpszText, int nCount, LPRECT lpRect,
                              UINT nFormat, COLORREF clrText, COLORREF clrBack) {
  const COLORREF clrOldText = clrText != CLR_NONE ? pDC->SetTextColor(clrText) : CLR_NONE;
  const COLORREF clrOldBack = clrBack != CLR_NONE ? pDC->SetBkColor(clrBack) : CLR_NONE;
  const int nOldMode = pDC->SetBkMode(clrBack != CLR_NONE ? OPAQUE : TRANSPARENT);
  int nResult = 0;
  {
    CTKFontDC selectFont(pDC, pFont);
    nResult = pDC->DrawText(lpszText, nCount, lpRect, nFormat);
  }
  if (clrBack != CLR_NONE) pDC->SetBkColor(clrOldBack);
  pDC->SetBkMode(nOldMode);
  if (clrText != CLR_NONE) pDC->SetTextColor(clrOldText);
  return nResult;
}

int AFXAPI FitSizeKeepingAspect(CSize szBox, CSize szExtent) {
  if (szBox.cx <= 0 || szBox.cy <= 0) return 0;
  if (szExtent.cx >= szExtent.cy) return ::MulDiv(szExtent.cy, szBox.cx, szExtent.cx);
  return szBox.cy;
}

int AFXAPI FitFontHeightToRect(CDC* pDC, LPCTSTR lpszText, int nCount, LPCRECT lpRect,
                               CFont* pFont) {
  const CRect rc = AlignRectParity(*lpRect);
  if (rc.Width() <= 0 || rc.Height() <= 0 || pFont == nullptr) return 0;
  LOGFONT lf;
  if (pFont->GetLogFont(&lf) == 0) return 0;
  int nHeight = FitSizeKeepingAspect(rc.Size(), TextExtent(pDC, pFont, lpszText, nCount));
  if (nHeight <= 0) return 0;

  // From the aspect's guess, one step at a time towards the largest height that fits.
  enum { First, Up, Down } direction = First;
  for (int nStep = 0; nStep < kMaxFitSteps && nHeight >= 1; ++nStep) {
    lf.lfHeight = nHeight;
    CFont font;
    if (!font.CreateFontIndirect(&lf)) return 0;
    const CSize size = TextExtent(pDC, &font, lpszText, nCount);
    const bool bSmaller = size.cx < rc.Width() && size.cy < rc.Height();
    const bool bLarger = size.cx > rc.Width() || size.cy > rc.Height();
    switch (direction) {
      case First:
        if (!bSmaller && !bLarger) return nHeight;
        direction = bSmaller ? Up : Down;
        nHeight += bSmaller ? 1 : -1;
        break;
      case Down:
        if (!bLarger) return nHeight;
        --nHeight;
        break;
      case Up:
        if (!bSmaller) return nHeight - 1;
        ++nHeight;
        break;
    }
  }
  return 0;
}

int AFXAPI DrawTextInFontFace(CDC* pDC, LPCTSTR lpszFaceName, int nPointSize, LPCTSTR lpszText,
                              int nCount, LPRECT lpRect, UINT nFormat, COLORREF clrText,
                              COLORREF clrBack) {
  if (nPointSize != 0) {
    CFont font;
    if (!font.CreatePointFont(nPointSize, lpszFaceName, pDC)) return 0;
    return DrawTextWithColors(pDC, &font, lpszText, nCount, lpRect, nFormat, clrText, clrBack);
  }
  CFont fontBase;
  if (!fontBase.CreatePointFont(80, lpszFaceName, pDC)) return 0;
  if (nCount < 0) nCount = static_cast<int>(strlen(lpszText));
  LOGFONT lf;
  fontBase.GetLogFont(&lf);
  lf.lfHeight = FitFontHeightToRect(pDC, lpszText, nCount, lpRect, &fontBase);
  CFont font;
  if (!font.CreateFontIndirect(&lf)) return 0;
  return DrawTextWithColors(pDC, &font, lpszText, nCount, lpRect,
                            DT_CENTER | DT_VCENTER | DT_SINGLELINE, clrText, clrBack);
}

CString AFXAPI StripAmpersands(const CString& str) {
  CString strResult;
  for (int i = 0; i < str.GetLength(); ++i) {
    if (str[i] == '&') {
      if (++i >= str.GetLength()) break;
    }
    strResult += str[i];
  }
  return strResult;
}

void AFXAPI StripAmpersandsInPlace(LPTSTR lpszText) {
  if (lpszText == nullptr || lpszText == reinterpret_cast<LPTSTR>(-1)) return;
  LPTSTR pOut = lpszText;
  for (LPCTSTR p = lpszText; *p != '\0'; ++p) {
    if (*p == '&') {
      if (p[1] != '&') continue;
      ++p;
    }
    *pOut++ = *p;
  }
  *pOut = '\0';
}

BOOL AFXAPI FontExists(LPCTSTR lpszFaceName) {
  if (lpszFaceName == nullptr || *lpszFaceName == '\0') return FALSE;
  LOGFONTA lf = {};
  lf.lfCharSet = DEFAULT_CHARSET;
  CTKScopedWindowDC screen(nullptr);
  // The callback stops the walk (and the call returns 0) at the first match.
  const int nResult = ::EnumFontFamiliesExA(screen.Get(), &lf, FontFamilyFoundProc,
                                            reinterpret_cast<LPARAM>(lpszFaceName), 0);
  return nResult == 0;
}

CString AFXAPI GetDefaultFontFaceName(BOOL bPreferTahoma) {
  LOGFONTA lf = {};
  ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  const bool bNonWestern = lf.lfCharSet > SYMBOL_CHARSET &&
                           TKOSVersionHelper()->IsWin2KOrGreater() &&
                           _stricmp(lf.lfFaceName, "MS Shell Dlg") != 0;
  if (bNonWestern || !FontExists("Arial")) return lf.lfFaceName;
  if (bPreferTahoma && FontExists("Tahoma")) return "Tahoma";
  return "Arial";
}

BOOL AFXAPI GetIconTitleFont(LOGFONT* pLogFont) {
  if (pLogFont == nullptr ||
      !::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(LOGFONTA), pLogFont, 0))
    return FALSE;
  if (TKOSVersionHelper()->IsClearTypeTextQualitySupported())
    pLogFont->lfQuality = CLEARTYPE_QUALITY;
  pLogFont->lfCharSet = TKResourceManager()->GetFontCharSet();
  return TRUE;
}
