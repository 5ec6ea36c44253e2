// CTKMarkupGdiPlusDeviceContext: text, fonts, clipping and the HDC hand-out.
#include "markup/TKMarkupGdiPlusDeviceContext.h"

#include "markup/TKMarkupFont.h"

#include <wctype.h>

using namespace Gdiplus;

GpFont* CTKMarkupGdiPlusDeviceContext::GetFont() {
  if (m_pFont != nullptr) return m_pFont;
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

void CTKMarkupGdiPlusDeviceContext::SetTextColor(CTKMarkupBrush* pBrush) {
  if (m_pTextBrush != nullptr) m_pApi->GdipDeleteBrush(m_pTextBrush);
  m_pTextBrush = MakeBrush(pBrush, RECT{0, 0, 1, 1});
}

void CTKMarkupGdiPlusDeviceContext::SetFont(CTKMarkupFont* pFont) {
  if (m_pFont != nullptr) m_pApi->GdipDeleteFont(m_pFont);
  m_pFont = nullptr;
  if (pFont == nullptr) return;
  HDC hDC = GetDC();
  if (hDC == nullptr) return;
  LOGFONTA logFont = pFont->GetLogFont();
  if (m_pApi->GdipCreateFontFromLogfontA(hDC, &logFont, &m_pFont) != Ok) m_pFont = nullptr;
  ReleaseDC(hDC);
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
