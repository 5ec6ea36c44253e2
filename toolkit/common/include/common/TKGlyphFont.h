// The toolkit's glyph font "Glyphwick" (RT_FONT resource 9979): the small
// pictures of caption buttons, menus, bars, tabs and scroll bars, drawn as
// characters. Character codes: '\'' minimise, '(' maximise, ')' restore,
// '+' close, '-' and '.' check marks (plain and mirrored), '/' radio bullet,
// '0' to '3' arrows left, right, up and down, '6' and '7' spin arrows up and
// down, '9' and ';' small chevrons right and down, '=' and '>' chevrons down
// and right, 'A' and 'C' customise arrows right and down.
#pragma once

#include "afxwin.h"

/// Registers the font from the resource on first use and draws its
/// characters; removes it again when the process ends. Thread-safe loading.
class CTKGlyphFont {
 public:
  /// Looks up the memory-font functions of GDI32.
  CTKGlyphFont();
  ~CTKGlyphFont();
  CTKGlyphFont(const CTKGlyphFont&) = delete;
  CTKGlyphFont& operator=(const CTKGlyphFont&) = delete;

  /// Registers the font and creates it, once; TRUE when it is available.
  BOOL EnsureLoaded();
  /// One character centred in the rectangle at the largest height that fits,
  /// in `clrText` (-1: the DC's text colour) over `clrBack` (-1: transparent);
  /// with `bOutline` stroked as an outline with `pPen` (null: a pen of one
  /// scaled pixel in the colour). 0 when the font is missing or nothing fits.
  BOOL DrawGlyph(CDC* pDC, TCHAR chGlyph, CRect rc, COLORREF clrText, COLORREF clrBack = CLR_NONE,
                 BOOL bOutline = FALSE, CPen* pPen = NULL);

  /// The font at its created size, or null before EnsureLoaded succeeds.
  CFont* GetFont() { return m_font.GetSafeHandle() != nullptr ? &m_font : nullptr; }

 private:
  typedef HANDLE(WINAPI* PFNADDFONTMEMRESOURCEEX)(PVOID, DWORD, PVOID, DWORD*);
  typedef BOOL(WINAPI* PFNREMOVEFONTMEMRESOURCEEX)(HANDLE);

  CFont m_font;
  LOGFONT m_lf;
  HANDLE m_hFontResource = nullptr;
  PFNADDFONTMEMRESOURCEEX m_pfnAddFontMemResourceEx = nullptr;
  PFNREMOVEFONTMEMRESOURCEEX m_pfnRemoveFontMemResourceEx = nullptr;
  CRITICAL_SECTION m_cs;
};

/// The process-wide glyph font, made on first use.
CTKGlyphFont* TKGlyphFont();
