// CTKMarkupGdiPlusDeviceContext: icons drawn through bitmaps that GDI+
// allocates and that own their pixels, so nothing refers to a handle copy
// after it is freed.
#include "TKMarkupGdiPlusDeviceContext.h"

#include "common/TKImageManagerIcon.h"
#include "common/TKImageManagerIconHandle.h"
#include "common/TKScopedHandle.h"

#include <stdlib.h>
#include <string.h>

#include <vector>

using namespace Gdiplus;

namespace {

// All rows of a bitmap as top-down 32-bit pixels; empty when unreadable.
std::vector<DWORD> ReadPixels(HDC hScreen, HBITMAP hBitmap, int nWidth, int nRows) {
  std::vector<DWORD> pixels(static_cast<size_t>(nWidth) * nRows);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = nWidth;
  info.bmiHeader.biHeight = -nRows;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  if (hBitmap == nullptr ||
      GetDIBits(hScreen, hBitmap, 0, nRows, pixels.data(), &info, DIB_RGB_COLORS) != nRows)
    pixels.clear();
  return pixels;
}

}  // namespace

GpBitmap* CTKMarkupGdiPlusDeviceContext::IconToBitmap(CTKImageManagerIcon* pIcon) {
  if (pIcon == nullptr) return nullptr;
  CTKImageManagerIconHandle image;
  image.CopyFrom(pIcon->GetNormalImage());
  if (image.IsAlpha()) return AlphaBitmapToBitmap(image.GetBitmap());
  if (image.GetIcon() != nullptr) return HiconToBitmap(image.GetIcon());
  return nullptr;
}

GpBitmap* CTKMarkupGdiPlusDeviceContext::NewBitmap(int nWidth, int nHeight, PixelFormat nFormat,
                                                   const BYTE* pFirstRow, ptrdiff_t nRowStep) {
  GpBitmap* pBitmap = nullptr;
  if (m_pApi->GdipCreateBitmapFromScan0(nWidth, nHeight, 0, nFormat, nullptr, &pBitmap) != Ok ||
      pBitmap == nullptr)
    return nullptr;
  GpRect area(0, 0, nWidth, nHeight);
  BitmapData data = {};
  if (m_pApi->GdipBitmapLockBits(pBitmap, &area, ImageLockModeWrite, nFormat, &data) != Ok) {
    m_pApi->GdipDisposeImage(pBitmap);
    return nullptr;
  }
  for (int y = 0; y < nHeight; ++y)
    memcpy(static_cast<BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride,
           pFirstRow + y * nRowStep, static_cast<size_t>(nWidth) * 4);
  m_pApi->GdipBitmapUnlockBits(pBitmap, &data);
  return pBitmap;
}

GpBitmap* CTKMarkupGdiPlusDeviceContext::AlphaBitmapToBitmap(HBITMAP hBitmap) {
  DIBSECTION dib = {};
  if (hBitmap == nullptr || GetObjectA(hBitmap, sizeof(dib), &dib) != sizeof(dib) ||
      dib.dsBm.bmBits == nullptr || dib.dsBm.bmBitsPixel != 32)
    return nullptr;
  const int nHeight = abs(dib.dsBm.bmHeight);
  const BYTE* pBits = static_cast<const BYTE*>(dib.dsBm.bmBits);
  const ptrdiff_t nStride = dib.dsBm.bmWidthBytes;
  // A bottom-up DIB is read from its last row up.
  if (dib.dsBmih.biHeight > 0)
    return NewBitmap(dib.dsBm.bmWidth, nHeight, PixelFormat32bppPARGB,
                     pBits + (nHeight - 1) * nStride, -nStride);
  return NewBitmap(dib.dsBm.bmWidth, nHeight, PixelFormat32bppPARGB, pBits, nStride);
}

// A monochrome icon has no colour bitmap: its mask bitmap is twice as high,
// the AND mask above the XOR image. Icon alpha is not premultiplied, so the
// pixels go in as ARGB.
GpBitmap* CTKMarkupGdiPlusDeviceContext::HiconToBitmap(HICON hIcon) {
  CTKScopedIconInfo icon(hIcon);
  if (!icon) return nullptr;
  const bool bMaskOnly = icon.GetColor() == nullptr;
  BITMAP bm = {};
  HBITMAP hSource = bMaskOnly ? icon.GetMask() : icon.GetColor();
  if (hSource == nullptr || GetObjectA(hSource, sizeof(bm), &bm) != sizeof(bm)) return nullptr;
  const int nWidth = bm.bmWidth;
  const int nHeight = bMaskOnly ? abs(bm.bmHeight) / 2 : abs(bm.bmHeight);
  if (nWidth <= 0 || nHeight <= 0) return nullptr;

  CTKScopedWindowDC screen(nullptr);
  std::vector<DWORD> mask =
      ReadPixels(screen.Get(), icon.GetMask(), nWidth, bMaskOnly ? 2 * nHeight : nHeight);
  std::vector<DWORD> colors;
  if (bMaskOnly) {
    if (!mask.empty())
      colors.assign(mask.begin() + static_cast<size_t>(nWidth) * nHeight, mask.end());
  } else {
    colors = ReadPixels(screen.Get(), icon.GetColor(), nWidth, nHeight);
  }
  if (colors.empty()) return nullptr;

  bool bAlpha = false;
  if (!bMaskOnly && bm.bmBitsPixel == 32)
    for (DWORD pixel : colors) bAlpha = bAlpha || (pixel >> 24) != 0;
  if (!bAlpha) {
    // The AND mask's set pixels are transparent; the rest is opaque.
    for (size_t i = 0; i < colors.size(); ++i) {
      const bool bClear = !mask.empty() && (mask[i] & 0xFFFFFF) != 0;
      colors[i] = bClear ? 0 : colors[i] | 0xFF000000;
    }
  }

  return NewBitmap(nWidth, nHeight, PixelFormat32bppARGB,
                   reinterpret_cast<const BYTE*>(colors.data()), nWidth * 4);
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
