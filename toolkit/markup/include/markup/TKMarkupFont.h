// CTKMarkupFont: a GDI font shared through its context's font cache, so all
// text runs with equal font attributes use one HFONT.
#pragma once

#include "markup/TKMarkupObject.h"

/// Made only by CTKMarkupContext::GetFont. The cache holds no reference: the
/// last release unlinks the font from its context's list and deletes the HFONT.
class CTKMarkupFont : public CTKMarkupObject {
 public:
  CTKMarkupFont(CTKMarkupContext* pContext, const LOGFONTA& logFont);
  ~CTKMarkupFont() override;

  HFONT GetHandle() const { return m_hFont; }
  const LOGFONTA& GetLogFont() const { return m_logFont; }
  /// The context whose cache holds the font; null once the context is gone.
  CTKMarkupContext* GetFontContext() const { return m_pFontContext; }

 private:
  friend class CTKMarkupContext;
  CTKMarkupContext* m_pFontContext;
  HFONT m_hFont;
  LOGFONTA m_logFont;
  CTKMarkupFont* m_pNext;
};
