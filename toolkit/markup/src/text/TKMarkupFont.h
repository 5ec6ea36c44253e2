// CTKMarkupFont: a GDI font shared through its context's font cache, so all
// text runs with equal font attributes use one HFONT.
#pragma once

#include "markup/TKMarkupObject.h"

namespace Gdiplus {
class GpFont;
}  // namespace Gdiplus

/// Made only by CTKMarkupContext::GetFont. A face name that the ANSI code
/// page cannot spell travels as wide text beside the LOGFONT, and the font is
/// then made from it. The cache holds no reference: the
/// last release unlinks the font from its context's list and deletes the HFONT.
class CTKMarkupFont : public CTKMarkupObject {
 public:
  /// `lpszWideFace` (null or empty: none) replaces the LOGFONT's face name.
  CTKMarkupFont(CTKMarkupContext* pContext, const LOGFONTA& logFont,
                LPCWSTR lpszWideFace = nullptr);
  ~CTKMarkupFont() override;

  HFONT GetHandle() const { return m_hFont; }
  const LOGFONTA& GetLogFont() const { return m_logFont; }
  /// The wide face name, empty when the LOGFONT's own face name is used.
  LPCWSTR GetWideFaceName() const { return m_szWideFace; }
  /// The context whose cache holds the font; null once the context is gone.
  CTKMarkupContext* GetFontContext() const { return m_pFontContext; }

  /// The GDI+ font a GDI+ drawing context made of this font, or null.
  Gdiplus::GpFont* GetGdiPlusFont() const { return m_pGdiPlusFont; }
  /// Takes over a GDI+ font made of this font, deleted with it or with its
  /// context, whichever goes first (GDI+ lives as long as the contexts do).
  /// FALSE, taking nothing, for a font without a context.
  BOOL KeepGdiPlusFont(Gdiplus::GpFont* pFont);

 private:
  friend class CTKMarkupContext;
  CTKMarkupContext* m_pFontContext;
  HFONT m_hFont;
  LOGFONTA m_logFont;
  WCHAR m_szWideFace[LF_FACESIZE];
  CTKMarkupFont* m_pNext;
  Gdiplus::GpFont* m_pGdiPlusFont;

  void DeleteGdiPlusFont();
};

/// Puts a font family name into a LOGFONT's face-name field, converted with
/// the ANSI code page and cut to fit the field with its terminating zero
/// (never inside a character). When the code page lacks one of the name's
/// characters, the name cut to LF_FACESIZE - 1 units (never inside a
/// surrogate pair) goes to `lpszWideFace` (LF_FACESIZE units) and TRUE is
/// returned; otherwise `lpszWideFace` is emptied. `nLength` -1: up to the zero.
BOOL TKMarkupSetFaceName(LOGFONTA& logFont, LPCWSTR lpszFamily, int nLength, WCHAR* lpszWideFace);
