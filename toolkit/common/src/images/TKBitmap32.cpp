// 32 bits-per-pixel DIB sections: reading, copying, premultiplying, mirroring
// and cutting strips. Every copy is a bottom-up DIB section.
#include "common/TKBitmapFunctions.h"

#include "common/TKDCHelpers.h"
#include "common/TKScopedHandle.h"

#include <stdlib.h>
#include <string.h>

#include <vector>

namespace {

// A BITMAPINFO with room for three colour masks.
const size_t kInfoSize = sizeof(BITMAPINFOHEADER) + 3 * sizeof(RGBQUAD);

// The pixels of a 32-bit bitmap with their header, freed with the object.
class CBits32 {
 public:
  explicit CBits32(HBITMAP hBitmap) : m_pInfo(NULL), m_pBits(NULL), m_nSize(0), m_bValid(FALSE) {
    m_bValid = GetBitmapBits32(NULL, hBitmap, &m_pInfo, &m_pBits, &m_nSize);
  }
  ~CBits32() {
    free(m_pInfo);
    free(m_pBits);
  }
  CBits32(const CBits32&) = delete;
  CBits32& operator=(const CBits32&) = delete;

  BOOL IsValid() const { return m_bValid; }
  int Width() const { return m_pInfo->bmiHeader.biWidth; }
  int Height() const { return m_pInfo->bmiHeader.biHeight; }
  const BYTE* Bits() const { return m_pBits; }
  UINT Size() const { return m_nSize; }
  /// A new DIB section of this header (or `pInfo`); its pixels through ppBits.
  HBITMAP CreateLike(LPBYTE* ppBits, const BITMAPINFO* pInfo = NULL) const {
    void* pvBits = NULL;
    CTKScopedBitmap bitmap(
        ::CreateDIBSection(NULL, pInfo ? pInfo : m_pInfo, DIB_RGB_COLORS, &pvBits, NULL, 0));
    *ppBits = static_cast<LPBYTE>(pvBits);
    return pvBits != NULL ? bitmap.Detach() : NULL;
  }
  const BITMAPINFO* Info() const { return m_pInfo; }

 private:
  PBITMAPINFO m_pInfo;
  LPBYTE m_pBits;
  UINT m_nSize;
  BOOL m_bValid;
};

// Decides from the alpha values whether an image uses its alpha channel.
class CAlphaDetector {
 public:
  explicit CAlphaDetector(BOOL nStart) : m_bAnyNonZero(nStart == -1), m_bFound(FALSE) {}
  void See(BYTE alpha) {
    if (m_bFound) return;
    if (m_bAnyNonZero) {
      m_bFound = alpha != 0;
      return;
    }
    if (alpha == 0) m_bSeenClear = true;
    if (alpha == 255) m_bSeenOpaque = true;
    // Both fully clear and fully opaque pixels mean a used channel, in whichever order.
    m_bFound = (alpha > 0 && alpha < 255) || (m_bSeenClear && m_bSeenOpaque);
  }
  BOOL Found() const { return m_bFound; }

 private:
  bool m_bAnyNonZero;
  bool m_bSeenClear = false;
  bool m_bSeenOpaque = false;
  BOOL m_bFound;
};

}  // namespace

HBITMAP Create32BitDIBSection(HDC hDC, int nWidth, int nHeight, LPBYTE* ppBits) {
  BITMAPINFO info;
  memset(&info, 0, sizeof info);
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = nWidth;
  info.bmiHeader.biHeight = nHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pvBits = NULL;
  HBITMAP hBitmap = ::CreateDIBSection(hDC, &info, DIB_RGB_COLORS, &pvBits, NULL, 0);
  if (ppBits != NULL) *ppBits = static_cast<LPBYTE>(pvBits);
  return hBitmap;
}

BOOL GetBitmapBits32(HDC hDC, HBITMAP hBitmap, PBITMAPINFO* ppInfo, LPBYTE* ppBits, UINT* pnSize) {
  *ppInfo = NULL;
  *ppBits = NULL;
  if (pnSize != NULL) *pnSize = 0;
  if (hBitmap == NULL) return FALSE;
  CTKScopedCreatedDC ownDC(hDC == NULL ? ::CreateCompatibleDC(NULL) : NULL);
  HDC hMemory = hDC != NULL ? hDC : ownDC.Get();
  if (hMemory == NULL) return FALSE;

  BYTE query[kInfoSize] = {};
  PBITMAPINFO pQuery = reinterpret_cast<PBITMAPINFO>(query);
  pQuery->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  BOOL bOk = ::GetDIBits(hMemory, hBitmap, 0, 0, NULL, pQuery, DIB_RGB_COLORS) &&
             pQuery->bmiHeader.biBitCount == 32 && pQuery->bmiHeader.biWidth > 0 &&
             pQuery->bmiHeader.biHeight != 0;
  PBITMAPINFO pInfo = NULL;
  LPBYTE pBits = NULL;
  UINT nSize = 0;
  if (bOk) {
    // Read bottom-up as plain BI_RGB, whatever the bitmap's own orientation.
    const int height = abs(pQuery->bmiHeader.biHeight);
    const ULONGLONG size = (ULONGLONG)pQuery->bmiHeader.biWidth * height * 4;
    bOk = size <= 0x7FFFFFFF;
    nSize = (UINT)size;
    pQuery->bmiHeader.biHeight = height;
    pQuery->bmiHeader.biCompression = BI_RGB;
    pQuery->bmiHeader.biSizeImage = nSize;
    pQuery->bmiHeader.biClrUsed = 0;
    pQuery->bmiHeader.biClrImportant = 0;
    if (bOk) {
      pInfo = static_cast<PBITMAPINFO>(malloc(kInfoSize));
      pBits = static_cast<LPBYTE>(malloc(nSize));
      bOk = pInfo != NULL && pBits != NULL;
    }
    if (bOk) {
      memcpy(pInfo, query, kInfoSize);
      bOk = ::GetDIBits(hMemory, hBitmap, 0, height, pBits, pInfo, DIB_RGB_COLORS) == height;
    }
  }
  if (!bOk) {
    free(pInfo);
    free(pBits);
    return FALSE;
  }
  *ppInfo = pInfo;
  *ppBits = pBits;
  if (pnSize != NULL) *pnSize = nSize;
  return TRUE;
}

HBITMAP CopyAlphaBitmap(HBITMAP hBitmap, LPBYTE* ppBits) {
  if (ppBits != NULL) *ppBits = NULL;
  CBits32 source(hBitmap);
  if (!source.IsValid()) return NULL;
  LPBYTE pBits = NULL;
  HBITMAP hCopy = source.CreateLike(&pBits);
  if (hCopy == NULL) return NULL;
  memcpy(pBits, source.Bits(), source.Size());
  if (ppBits != NULL) *ppBits = pBits;
  return hCopy;
}

HBITMAP PremultiplyBitmap32(HBITMAP hBitmap, BOOL* pbAlpha, LPBYTE* ppBits) {
  if (ppBits != NULL) *ppBits = NULL;
  CBits32 source(hBitmap);
  if (!source.IsValid()) return NULL;
  LPBYTE pBits = NULL;
  HBITMAP hCopy = source.CreateLike(&pBits);
  if (hCopy == NULL) return NULL;
  CAlphaDetector detector(pbAlpha != NULL ? *pbAlpha : 0);
  const BYTE* pFrom = source.Bits();
  for (UINT i = 0; i < source.Size(); i += 4) {
    const BYTE alpha = pFrom[i + 3];
    detector.See(alpha);
    pBits[i] = (BYTE)(pFrom[i] * alpha / 255);
    pBits[i + 1] = (BYTE)(pFrom[i + 1] * alpha / 255);
    pBits[i + 2] = (BYTE)(pFrom[i + 2] * alpha / 255);
    pBits[i + 3] = alpha;
  }
  if (pbAlpha != NULL) {
    *pbAlpha = detector.Found();
    if (!*pbAlpha) memcpy(pBits, pFrom, source.Size());
  }
  if (ppBits != NULL) *ppBits = pBits;
  return hCopy;
}

HBITMAP MirrorBitmap32(HBITMAP hBitmap) {
  CBits32 source(hBitmap);
  if (!source.IsValid()) return NULL;
  LPBYTE pBits = NULL;
  HBITMAP hCopy = source.CreateLike(&pBits);
  if (hCopy == NULL) return NULL;
  const int width = source.Width();
  const DWORD* pFrom = reinterpret_cast<const DWORD*>(source.Bits());
  DWORD* pTo = reinterpret_cast<DWORD*>(pBits);
  for (int y = 0; y < source.Height(); ++y, pFrom += width, pTo += width)
    for (int x = 0; x < width; ++x) pTo[x] = pFrom[width - 1 - x];
  return hCopy;
}

BOOL SplitBitmapStrip(HBITMAP hBitmap, int nCount, HBITMAP* phBitmaps) {
  if (nCount <= 0 || phBitmaps == NULL) return FALSE;
  CBits32 strip(hBitmap);
  if (!strip.IsValid() || strip.Width() < nCount) return FALSE;
  const int width = strip.Width() / nCount;
  BYTE info[kInfoSize];
  memcpy(info, strip.Info(), kInfoSize);
  PBITMAPINFO pInfo = reinterpret_cast<PBITMAPINFO>(info);
  pInfo->bmiHeader.biWidth = width;
  pInfo->bmiHeader.biSizeImage = strip.Size() / nCount;

  std::vector<LPBYTE> bits(nCount, NULL);
  for (int i = 0; i < nCount; ++i) {
    phBitmaps[i] = strip.CreateLike(&bits[i], pInfo);
    if (phBitmaps[i] == NULL) {
      while (i-- > 0) ::DeleteObject(phBitmaps[i]);
      return FALSE;
    }
  }
  const DWORD* pFrom = reinterpret_cast<const DWORD*>(strip.Bits());
  for (int y = 0; y < strip.Height(); ++y, pFrom += strip.Width())
    for (int i = 0; i < nCount; ++i)
      memcpy(bits[i] + (size_t)y * width * 4, pFrom + i * width, (size_t)width * 4);
  return TRUE;
}

COLORREF GetBitmapPixel(HBITMAP hBitmap, int x, int y) {
  CTKCompatibleDC memory(NULL, hBitmap);
  return ::GetPixel(memory.m_hDC, x, y);
}

BOOL IsSameBitmapFormat(const BITMAP& a, const BITMAP& b) {
  return a.bmBitsPixel == b.bmBitsPixel && a.bmPlanes == b.bmPlanes && a.bmWidth == b.bmWidth &&
         a.bmHeight == b.bmHeight;
}
