// The toolkit's own transparent blit (by masks) and alpha blend (by pixels),
// for systems whose msimg32 lacks them or gets them wrong.
#include "common/TKBitmapFunctions.h"

#include "common/TKDrawHelpers.h"
#include "common/TKScopedHandle.h"

namespace {

// A memory DC compatible with hCompatible holding one bitmap, both freed with it.
class CMemoryBitmap {
 public:
  CMemoryBitmap(HDC hCompatible, HBITMAP hBitmap)
      : m_dc(::CreateCompatibleDC(hCompatible)),
        m_bitmap(hBitmap),
        m_select(m_dc.Get(), m_dc ? hBitmap : NULL) {}
  BOOL IsValid() const { return m_select.GetOld() != NULL; }
  HBITMAP Bitmap() const { return m_bitmap.Get(); }
  operator HDC() const { return m_dc.Get(); }

 private:
  CTKScopedCreatedDC m_dc;
  CTKScopedBitmap m_bitmap;
  CTKSelectGuard m_select;
};

BOOL Blit(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, int width, int height, DWORD rop) {
  if (rcDest.Width() != width || rcDest.Height() != height)
    return ::StretchBlt(hdcDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), hdcSrc,
                        0, 0, width, height, rop);
  return ::BitBlt(hdcDest, rcDest.left, rcDest.top, width, height, hdcSrc, 0, 0, rop);
}

}  // namespace

BOOL TransparentBltFallback(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc,
                            COLORREF crKey) {
  const int width = rcSrc.Width(), height = rcSrc.Height();
  if (width <= 0 || height <= 0) return FALSE;
  CMemoryBitmap copy(hdcDest, ::CreateCompatibleBitmap(hdcDest, width, height));
  CMemoryBitmap mask(hdcDest, ::CreateBitmap(width, height, 1, 1, NULL));
  if (!copy.IsValid() || !mask.IsValid()) return FALSE;

  const COLORREF crOldBack = ::SetBkColor(hdcDest, RGB(255, 255, 255));
  const COLORREF crOldText = ::SetTextColor(hdcDest, RGB(0, 0, 0));
  ::BitBlt(copy, 0, 0, width, height, hdcSrc, rcSrc.left, rcSrc.top, SRCCOPY);
  // Key-coloured pixels become 1 in the mask.
  ::SetBkColor(copy, crKey);
  ::BitBlt(mask, 0, 0, width, height, copy, 0, 0, SRCCOPY);
  if (crKey != RGB(0, 0, 0)) {
    ::SetBkColor(copy, RGB(0, 0, 0));
    ::SetTextColor(copy, RGB(255, 255, 255));
    ::BitBlt(copy, 0, 0, width, height, mask, 0, 0, SRCAND);
  }
  BOOL bOk = Blit(hdcDest, rcDest, mask, width, height, SRCAND) &&
             Blit(hdcDest, rcDest, copy, width, height, SRCPAINT);
  ::SetBkColor(hdcDest, crOldBack);
  ::SetTextColor(hdcDest, crOldText);
  return bOk;
}

BOOL AlphaBlendFallback(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc) {
  const int width = rcDest.Width(), height = rcDest.Height();
  if (width <= 0 || height <= 0) return FALSE;
  CMemoryBitmap source(hdcDest, Create32BitDIBSection(hdcDest, width, height, NULL));
  CMemoryBitmap dest(hdcDest, Create32BitDIBSection(hdcDest, width, height, NULL));
  CMemoryBitmap result(hdcDest, Create32BitDIBSection(hdcDest, width, height, NULL));
  if (!source.IsValid() || !dest.IsValid() || !result.IsValid()) return FALSE;
  ::SetLayout(source, 0);
  ::SetLayout(dest, 0);
  ::SetStretchBltMode(source, HALFTONE);
  ::StretchBlt(source, 0, 0, width, height, hdcSrc, rcSrc.left, rcSrc.top, rcSrc.Width(),
               rcSrc.Height(), SRCCOPY);
  ::BitBlt(dest, 0, 0, width, height, hdcDest, rcDest.left, rcDest.top, SRCCOPY);
  ::GdiFlush();
  const BOOL bSourceRtl = IsHdcRightToLeft(hdcSrc);
  const BOOL bDestRtl = IsHdcRightToLeft(hdcDest);
  if (!AlphaBlendPixels(source.Bitmap(), bSourceRtl, dest.Bitmap(), bDestRtl, result.Bitmap()))
    return FALSE;
  return ::BitBlt(hdcDest, rcDest.left, rcDest.top, width, height, result, 0, 0,
                  SRCCOPY | (bDestRtl ? NOMIRRORBITMAP : 0));
}

BOOL AlphaBlendPixels(HBITMAP hSource, BOOL bSourceRtl, HBITMAP hDest, BOOL bDestRtl,
                      HBITMAP hResult) {
  BITMAP source = {}, dest = {}, result = {};
  if (!::GetObject(hSource, sizeof source, &source) || !::GetObject(hDest, sizeof dest, &dest) ||
      !::GetObject(hResult, sizeof result, &result))
    return FALSE;
  if (!IsSameBitmapFormat(source, dest) || !IsSameBitmapFormat(source, result) ||
      source.bmBitsPixel != 32 || source.bmPlanes != 1 || source.bmBits == NULL ||
      dest.bmBits == NULL || result.bmBits == NULL)
    return FALSE;
  ::GdiFlush();
  const int width = source.bmWidth;
  for (int y = 0; y < source.bmHeight; ++y) {
    const BYTE* s = static_cast<const BYTE*>(source.bmBits) + (size_t)y * source.bmWidthBytes;
    const BYTE* d = static_cast<const BYTE*>(dest.bmBits) + (size_t)y * dest.bmWidthBytes;
    BYTE* r = static_cast<BYTE*>(result.bmBits) + (size_t)y * result.bmWidthBytes;
    for (int x = 0; x < width; ++x, r += 4) {
      const BYTE* sp = s + 4 * (bSourceRtl ? width - 1 - x : x);
      const BYTE* dp = d + 4 * (bDestRtl ? width - 1 - x : x);
      const int keep = 255 - sp[3];
      for (int c = 0; c < 4; ++c) {
        // Alpha combines the same way, as msimg32's blend leaves it.
        const int value = dp[c] * keep / 255 + sp[c];
        r[c] = (BYTE)(value > 255 ? 255 : value);
      }
    }
  }
  return TRUE;
}
