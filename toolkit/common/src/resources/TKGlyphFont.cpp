// The glyph font: registered from the program's resources, drawn a character
// at a time.
#include "common/TKGlyphFont.h"

#include <string.h>

#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKOSVersionHelper.h"
#include "common/TKResourceIds.h"
#include "common/TKScopedHandle.h"
#include "common/TKSingletonPointer.h"

TK_IMPLEMENT_SINGLETON(CTKGlyphFont, TKGlyphFont)

CTKGlyphFont::CTKGlyphFont() {
  memset(&m_lf, 0, sizeof m_lf);
  ::InitializeCriticalSection(&m_cs);
  if (HMODULE hGdi = ::GetModuleHandleA("gdi32")) {
    m_pfnAddFontMemResourceEx =
        reinterpret_cast<PFNADDFONTMEMRESOURCEEX>(::GetProcAddress(hGdi, "AddFontMemResourceEx"));
    m_pfnRemoveFontMemResourceEx = reinterpret_cast<PFNREMOVEFONTMEMRESOURCEEX>(
        ::GetProcAddress(hGdi, "RemoveFontMemResourceEx"));
  }
}

CTKGlyphFont::~CTKGlyphFont() {
  m_font.DeleteObject();
  if (m_hFontResource != nullptr && m_pfnRemoveFontMemResourceEx != nullptr)
    m_pfnRemoveFontMemResourceEx(m_hFontResource);
  ::DeleteCriticalSection(&m_cs);
}

BOOL CTKGlyphFont::EnsureLoaded() {
  if (m_hFontResource != nullptr) return m_font.GetSafeHandle() != nullptr;
  ::EnterCriticalSection(&m_cs);
  if (m_pfnAddFontMemResourceEx != nullptr && m_hFontResource == nullptr) {
    LPCTSTR lpszName = MAKEINTRESOURCE(TK_IDR_GLYPHFONT);
    HINSTANCE hModule = AfxFindResourceHandle(lpszName, RT_FONT);
    HRSRC hResource = ::FindResourceA(hModule, lpszName, RT_FONT);
    HGLOBAL hData = hResource != nullptr ? ::LoadResource(hModule, hResource) : nullptr;
    void* pData = hData != nullptr ? ::LockResource(hData) : nullptr;
    DWORD nFonts = 0;
    HANDLE hFont = pData != nullptr
                       ? m_pfnAddFontMemResourceEx(pData, ::SizeofResource(hModule, hResource),
                                                   nullptr, &nFonts)
                       : nullptr;
    if (hFont != nullptr) {
      // Smoothing only where the shapes were drawn for: 96 DPI screens.
      const BYTE nQuality =
          TKDpiHelper()->IsDefaultDpi() && TKOSVersionHelper()->IsWinNT4OrGreater()
              ? ANTIALIASED_QUALITY
              : DEFAULT_QUALITY;
      m_font.CreateFont(0, 0, 0, 0, 0, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_CHARACTER_PRECIS,
                        CLIP_CHARACTER_PRECIS, nQuality, FIXED_PITCH, "Glyphwick");
      m_font.GetLogFont(&m_lf);
      m_hFontResource = hFont;
    }
  }
  ::LeaveCriticalSection(&m_cs);
  return m_font.GetSafeHandle() != nullptr;
}

BOOL CTKGlyphFont::DrawGlyph(CDC* pDC, TCHAR chGlyph, CRect rc, COLORREF clrText, COLORREF clrBack,
                             BOOL bOutline, CPen* pPen) {
  if (pDC == nullptr || !EnsureLoaded()) return FALSE;
  const int nHeight = FitFontHeightToRect(pDC, &chGlyph, 1, rc, &m_font);
  if (nHeight == 0) return FALSE;
  LOGFONT lf = m_lf;
  lf.lfHeight = nHeight;
  CFont font;
  if (!font.CreateFontIndirect(&lf)) return FALSE;
  CSize szGlyph;
  {
    CTKFontDC selectFont(pDC, &font);
    szGlyph = pDC->GetTextExtent(&chGlyph, 1);
  }

  CRect rcDraw = AlignRectParity(rc);
  rcDraw.OffsetRect((rcDraw.Width() - szGlyph.cx) / 2, (rcDraw.Height() - szGlyph.cy) / 2);
  const UINT nFormat = DT_SINGLELINE | DT_NOCLIP;
  if (!bOutline) {
    DrawTextWithColors(pDC, &font, &chGlyph, 1, rcDraw, nFormat, clrText, clrBack);
    return TRUE;
  }

  if (clrText == CLR_NONE) clrText = pDC->GetTextColor();
  CPen penOwn;
  if (pPen == nullptr) {
    LOGBRUSH lb = {BS_SOLID, clrText, 0};
    penOwn.Attach(
        ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID, TKDpiHelper()->ScaleX(1), &lb, 0, nullptr));
    pPen = &penOwn;
  }
  pDC->BeginPath();
  DrawTextWithColors(pDC, &font, &chGlyph, 1, rcDraw, nFormat, clrText, clrBack);
  pDC->EndPath();
  CTKSelectGuard selectPen(pDC->m_hDC, pPen->m_hObject);
  pDC->StrokePath();
  return TRUE;
}
