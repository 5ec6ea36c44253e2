// CTKMarkupContext: the font cache, which shares one HFONT between all text
// with equal font attributes.
#include "markup/TKMarkupContext.h"

#include "TKMarkupFont.h"

#include <string.h>
#include <wchar.h>

namespace {

// Width, underline, strike-out, character set, precisions and pitch do not
// make another font here: text decorations are drawn by the elements.
bool IsSameFont(const LOGFONTA& a, const LOGFONTA& b) {
  return a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
         a.lfQuality == b.lfQuality && a.lfEscapement == b.lfEscapement &&
         a.lfOrientation == b.lfOrientation &&
         strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

}  // namespace

CTKMarkupFont* CTKMarkupContext::GetFont(const LOGFONTA& logFont, LPCWSTR lpszWideFace) {
  if (lpszWideFace == nullptr) lpszWideFace = L"";
  for (CTKMarkupFont* pFont = m_pFontHead; pFont != nullptr; pFont = pFont->m_pNext) {
    if (IsSameFont(pFont->m_logFont, logFont) &&
        wcsncmp(pFont->m_szWideFace, lpszWideFace, LF_FACESIZE - 1) == 0) {
      pFont->AddRef();
      return pFont;
    }
  }
  CTKMarkupFont* pFont = new CTKMarkupFont(this, logFont, lpszWideFace);
  if (m_pFontTail != nullptr)
    m_pFontTail->m_pNext = pFont;
  else
    m_pFontHead = pFont;
  m_pFontTail = pFont;
  return pFont;
}

void CTKMarkupContext::UnlinkFont(CTKMarkupFont* pFont) {
  CTKMarkupFont* pPrevious = nullptr;
  for (CTKMarkupFont* p = m_pFontHead; p != nullptr; pPrevious = p, p = p->m_pNext) {
    if (p != pFont) continue;
    if (pPrevious != nullptr)
      pPrevious->m_pNext = p->m_pNext;
    else
      m_pFontHead = p->m_pNext;
    if (m_pFontTail == p) m_pFontTail = pPrevious;
    p->m_pNext = nullptr;
    return;
  }
}
