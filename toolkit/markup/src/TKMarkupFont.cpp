// CTKMarkupFont: a cached GDI font of a markup context.
#include "markup/TKMarkupFont.h"

#include "markup/TKMarkupContext.h"

CTKMarkupFont::CTKMarkupFont(CTKMarkupContext* pContext, const LOGFONTA& logFont)
    : m_pFontContext(pContext), m_hFont(nullptr), m_logFont(logFont), m_pNext(nullptr) {
  m_hFont = CreateFontIndirectA(&m_logFont);
}

CTKMarkupFont::~CTKMarkupFont() {
  if (m_pFontContext != nullptr) m_pFontContext->UnlinkFont(this);
  if (m_hFont != nullptr) DeleteObject(m_hFont);
}
