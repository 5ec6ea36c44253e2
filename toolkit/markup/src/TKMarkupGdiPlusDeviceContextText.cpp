// CTKMarkupGdiPlusDeviceContext: text, fonts, clipping, the HDC hand-out and
// icons.
#include "markup/TKMarkupGdiPlusDeviceContext.h"

#include "common/TKImageManagerIcon.h"
#include "common/TKImageManagerIconHandle.h"
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

// An alpha image becomes a bitmap with its own pixel memory: GDI+ allocates
// it and the rows are copied in (flipped, the DIB is bottom-up), so nothing
// points into the handle copy that is freed on return.
GpBitmap* CTKMarkupGdiPlusDeviceContext::IconToBitmap(CTKImageManagerIcon* pIcon) {
  CTKImageManagerIconHandle image;
  image.CopyFrom(pIcon->GetNormalImage());
  if (!image.IsAlpha()) return nullptr;
  DIBSECTION dib = {};
  HBITMAP hBitmap = image.GetBitmap();
  if (hBitmap == nullptr || GetObjectA(hBitmap, sizeof(dib), &dib) != sizeof(dib) ||
      dib.dsBm.bmBits == nullptr || dib.dsBm.bmBitsPixel != 32)
    return nullptr;
  const int nWidth = dib.dsBm.bmWidth, nHeight = abs(dib.dsBm.bmHeight);
  GpBitmap* pBitmap = nullptr;
  if (m_pApi->GdipCreateBitmapFromScan0(nWidth, nHeight, 0, PixelFormat32bppPARGB, nullptr,
                                        &pBitmap) != Ok ||
      pBitmap == nullptr)
    return nullptr;
  GpRect area(0, 0, nWidth, nHeight);
  BitmapData data = {};
  if (m_pApi->GdipBitmapLockBits(pBitmap, &area, ImageLockModeWrite, PixelFormat32bppPARGB,
                                 &data) != Ok) {
    m_pApi->GdipDisposeImage(pBitmap);
    return nullptr;
  }
  const BYTE* pSource = static_cast<const BYTE*>(dib.dsBm.bmBits);
  const bool bBottomUp = dib.dsBmih.biHeight > 0;
  for (int y = 0; y < nHeight; ++y) {
    const BYTE* pRow =
        pSource + static_cast<size_t>(bBottomUp ? nHeight - 1 - y : y) * dib.dsBm.bmWidthBytes;
    memcpy(static_cast<BYTE*>(data.Scan0) + static_cast<size_t>(y) * data.Stride, pRow,
           static_cast<size_t>(nWidth) * 4);
  }
  m_pApi->GdipBitmapUnlockBits(pBitmap, &data);
  return pBitmap;
}

void CTKMarkupGdiPlusDeviceContext::DrawIconImage(CTKImageManagerIcon* pIcon, const RECT& rc) {
  if (pIcon == nullptr) return;
  if (GpBitmap* pBitmap = IconToBitmap(pIcon)) {
    m_pApi->GdipDrawImageRect(m_pGraphics, pBitmap, static_cast<REAL>(rc.left),
                              static_cast<REAL>(rc.top), static_cast<REAL>(rc.right - rc.left),
                              static_cast<REAL>(rc.bottom - rc.top));
    m_pApi->GdipDisposeImage(pBitmap);
    return;
  }
  HDC hDC = GetDC();
  if (hDC == nullptr) return;
  pIcon->DrawAtSize(CDC::FromHandle(hDC), CPoint(rc.left, rc.top),
                    CSize(rc.right - rc.left, rc.bottom - rc.top));
  ReleaseDC(hDC);
}
