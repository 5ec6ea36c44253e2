// CTKMarkupGdiPlusDeviceContext: text, fonts, clipping and the HDC hand-out.
#include "TKMarkupGdiPlusDeviceContext.h"

#include "TKMarkupBrush.h"
#include "TKMarkupFont.h"
#include "TKMarkupValues.h"

#include <wctype.h>

using namespace Gdiplus;

GpFont* CTKMarkupGdiPlusDeviceContext::GetFont() {
  if (m_pFont != nullptr) return m_pFont;
  m_bOwnsFont = TRUE;
  HDC hDC = GetDC();
  if (hDC == nullptr) return nullptr;
  LOGFONTA logFont = {};
  HGDIOBJ hFont = GetCurrentObject(hDC, OBJ_FONT);
  if (hFont == nullptr || GetObjectA(hFont, sizeof(logFont), &logFont) == 0 ||
      m_pApi->GdipCreateFontFromLogfontA(hDC, &logFont, &m_pFont) != Ok) {
    m_pFont = nullptr;
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont) != 0 &&
        m_pApi->GdipCreateFontFromLogfontA(hDC, &logFont, &m_pFont) != Ok)
      m_pFont = nullptr;
  }
  ReleaseDC(hDC);
  return m_pFont;
}

void CTKMarkupGdiPlusDeviceContext::DrawString(LPCWSTR lpszText, int nCount, const RECT& rc) {
  if (lpszText == nullptr || nCount <= 0 || m_pTextBrush == nullptr) return;
  if (iswspace(lpszText[nCount - 1])) --nCount;
  GpFont* pFont = GetFont();
  if (pFont == nullptr || nCount <= 0) return;
  RectF layout(static_cast<REAL>(rc.left), static_cast<REAL>(rc.top),
               static_cast<REAL>(rc.right - rc.left), static_cast<REAL>(rc.bottom - rc.top));
  m_pApi->GdipDrawString(m_pGraphics, lpszText, nCount, pFont, &layout, m_pStringFormat,
                         m_pTextBrush);
}

SIZE CTKMarkupGdiPlusDeviceContext::GetTextExtent(LPCWSTR lpszText, int nCount) {
  SIZE size = {0, 0};
  GpFont* pFont = GetFont();
  if (lpszText == nullptr || nCount <= 0 || pFont == nullptr) return size;
  RectF layout(0, 0, 0, 0), bounds(0, 0, 0, 0);
  if (m_pApi->GdipMeasureString(m_pGraphics, lpszText, nCount, pFont, &layout, m_pStringFormat,
                                &bounds, nullptr, nullptr) == Ok) {
    size.cx = static_cast<LONG>(bounds.Width);
    size.cy = static_cast<LONG>(bounds.Height);
  }
  return size;
}

// Every run sets its colour and font before it is measured or drawn: the
// brush of an unchanged colour is kept, and a markup font keeps its GDI+ font
// for all drawing contexts.
void CTKMarkupGdiPlusDeviceContext::SetTextColor(CTKMarkupBrush* pBrush) {
  CTKMarkupColor* pColor =
      pBrush != nullptr && pBrush->IsKindOf(CTKMarkupSolidColorBrush::StaticType())
          ? static_cast<CTKMarkupSolidColorBrush*>(pBrush)->GetColor()
          : nullptr;
  const ARGB argb = pColor != nullptr ? ToArgb(pColor->GetValue()) : 0;
  if (pColor != nullptr && m_bSolidText && m_pTextBrush != nullptr && argb == m_argbText) return;
  if (m_pTextBrush != nullptr) m_pApi->GdipDeleteBrush(m_pTextBrush);
  m_pTextBrush = MakeBrush(pBrush, RECT{0, 0, 1, 1});
  m_bSolidText = pColor != nullptr;
  m_argbText = argb;
}

void CTKMarkupGdiPlusDeviceContext::SetFont(CTKMarkupFont* pFont) {
  if (m_pFont != nullptr && m_bOwnsFont) m_pApi->GdipDeleteFont(m_pFont);
  m_pFont = nullptr;
  m_bOwnsFont = FALSE;
  if (pFont == nullptr) return;
  m_pFont = pFont->GetGdiPlusFont();
  if (m_pFont != nullptr) return;
  HDC hDC = GetDC();
  if (hDC == nullptr) return;
  LOGFONTA logFont = pFont->GetLogFont();
  if (m_pApi->GdipCreateFontFromLogfontA(hDC, &logFont, &m_pFont) != Ok) m_pFont = nullptr;
  ReleaseDC(hDC);
  // A font of a context keeps it until the context goes; one without stays
  // this drawing context's.
  if (m_pFont != nullptr && !pFont->KeepGdiPlusFont(m_pFont)) m_bOwnsFont = TRUE;
}

void CTKMarkupGdiPlusDeviceContext::IntersectClipRect(const RECT& rc) {
  m_pApi->GdipSetClipRectI(m_pGraphics, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                           CombineModeIntersect);
}

void CTKMarkupGdiPlusDeviceContext::GetClipBox(RECT* pRect) {
  GpRect rc(0, 0, 0, 0);
  m_pApi->GdipGetClipBoundsI(m_pGraphics, &rc);
  *pRect = RECT{rc.X, rc.Y, rc.X + rc.Width, rc.Y + rc.Height};
}

HRGN CTKMarkupGdiPlusDeviceContext::SaveClipRegion() {
  GpRegion* pRegion = nullptr;
  if (m_pApi->GdipCreateRegion(&pRegion) != Ok || pRegion == nullptr) return nullptr;
  m_pApi->GdipGetClip(m_pGraphics, pRegion);
  return reinterpret_cast<HRGN>(pRegion);
}

void CTKMarkupGdiPlusDeviceContext::RestoreClipRegion(HRGN hRegion) {
  if (hRegion == nullptr) return;
  GpRegion* pRegion = reinterpret_cast<GpRegion*>(hRegion);
  m_pApi->GdipSetClipRegion(m_pGraphics, pRegion, CombineModeReplace);
  m_pApi->GdipDeleteRegion(pRegion);
}

HDC CTKMarkupGdiPlusDeviceContext::GetDC() {
  HDC hDC = nullptr;
  return m_pApi->GdipGetDC(m_pGraphics, &hDC) == Ok ? hDC : nullptr;
}

void CTKMarkupGdiPlusDeviceContext::ReleaseDC(HDC hDC) {
  if (hDC != nullptr) m_pApi->GdipReleaseDC(m_pGraphics, hDC);
}
