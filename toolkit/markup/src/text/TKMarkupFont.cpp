// CTKMarkupFont: a cached GDI font of a markup context, and the face names
// of font families.
#include "TKMarkupFont.h"

#include "markup/TKMarkupContext.h"
#include "TKMarkupGdiPlusApi.h"

#include <stddef.h>
#include <string.h>
#include <wchar.h>

CTKMarkupFont::CTKMarkupFont(CTKMarkupContext* pContext, const LOGFONTA& logFont,
                             LPCWSTR lpszWideFace)
    : m_pFontContext(pContext),
      m_hFont(nullptr),
      m_logFont(logFont),
      m_pNext(nullptr),
      m_pGdiPlusFont(nullptr) {
  m_szWideFace[0] = L'\0';
  if (lpszWideFace != nullptr) lstrcpynW(m_szWideFace, lpszWideFace, LF_FACESIZE);
  if (m_szWideFace[0] == L'\0') {
    m_hFont = CreateFontIndirectA(&m_logFont);
    return;
  }
  LOGFONTW wide = {};
  memcpy(&wide, &m_logFont, offsetof(LOGFONTW, lfFaceName));
  lstrcpynW(wide.lfFaceName, m_szWideFace, LF_FACESIZE);
  m_hFont = CreateFontIndirectW(&wide);
}

CTKMarkupFont::~CTKMarkupFont() {
  DeleteGdiPlusFont();
  if (m_pFontContext != nullptr) m_pFontContext->UnlinkFont(this);
  if (m_hFont != nullptr) DeleteObject(m_hFont);
}

BOOL CTKMarkupFont::KeepGdiPlusFont(Gdiplus::GpFont* pFont) {
  if (m_pFontContext == nullptr || m_pGdiPlusFont != nullptr) return FALSE;
  m_pGdiPlusFont = pFont;
  return TRUE;
}

void CTKMarkupFont::DeleteGdiPlusFont() {
  if (m_pGdiPlusFont == nullptr) return;
  TKMarkupGdiPlusApi()->GdipDeleteFont(m_pGdiPlusFont);
  m_pGdiPlusFont = nullptr;
}

namespace {

// The number of units of a name that fit a face-name field, not ending
// inside a surrogate pair.
int FitUnits(LPCWSTR lpszName, int nLength) {
  int nUnits = nLength < LF_FACESIZE - 1 ? nLength : LF_FACESIZE - 1;
  if (nUnits < nLength && nUnits > 0 && IS_HIGH_SURROGATE(lpszName[nUnits - 1])) --nUnits;
  return nUnits;
}

}  // namespace

BOOL TKMarkupSetFaceName(LOGFONTA& logFont, LPCWSTR lpszFamily, int nLength, WCHAR* lpszWideFace) {
  lpszWideFace[0] = L'\0';
  logFont.lfFaceName[0] = '\0';
  if (lpszFamily == nullptr) return FALSE;
  if (nLength < 0) nLength = static_cast<int>(wcslen(lpszFamily));
  int nUnits = FitUnits(lpszFamily, nLength);
  // Shorter wide text until its ANSI form fits: a double-byte character is
  // dropped whole rather than cut.
  char szAnsi[LF_FACESIZE * 4];
  BOOL bLost = FALSE;
  int nBytes = 0;
  for (; nUnits > 0; nUnits = FitUnits(lpszFamily, nUnits - 1)) {
    bLost = FALSE;
    nBytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, lpszFamily, nUnits, szAnsi,
                                 sizeof(szAnsi), nullptr, &bLost);
    if (nBytes > 0 && nBytes < LF_FACESIZE) break;
  }
  if (nUnits <= 0) nBytes = 0;
  memcpy(logFont.lfFaceName, szAnsi, static_cast<size_t>(nBytes));
  logFont.lfFaceName[nBytes] = '\0';
  // Any character of the fitting name that the code page lacks: the name
  // goes as wide text.
  int nWide = FitUnits(lpszFamily, nLength);
  BOOL bWideLost = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, lpszFamily, nWide, nullptr, 0, nullptr,
                      &bWideLost);
  if (!bLost && !bWideLost) return FALSE;
  wmemcpy(lpszWideFace, lpszFamily, static_cast<size_t>(nWide));
  lpszWideFace[nWide] = L'\0';
  return TRUE;
}
