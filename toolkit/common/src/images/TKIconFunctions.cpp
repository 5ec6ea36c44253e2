// Icon sizes, alpha detection, resizing, and drawing icons and premultiplied
// bitmaps through an alpha blend.
#include "common/TKBitmapFunctions.h"

#include <commctrl.h>

#include "common/TKDCHelpers.h"
#include "common/TKImageManager.h"
#include "common/TKScopedHandle.h"

#include "common/TKOSVersionHelper.h"

CSize GetIconSize(HICON hIcon) {
  CTKScopedIconInfo info(hIcon);
  if (!info) return CSize(0, 0);
  BITMAP mask = {};
  ::GetObject(info.GetMask(), sizeof mask, &mask);
  return CSize(mask.bmWidth, info.GetColor() != NULL ? mask.bmHeight : mask.bmHeight / 2);
}

BOOL IsAlphaIcon(HICON hIcon) {
  CTKOSVersionHelper* pVersion = TKOSVersionHelper();
  if (pVersion->GetComCtlVersion() < 0x60000 && !pVersion->IsWinXPOrGreater()) return FALSE;
  CTKScopedIconInfo info(hIcon);
  if (!info) return FALSE;
  BOOL bAlpha = -1;
  // Only the answer about alpha is wanted, not the copy.
  CTKScopedBitmap copy(info.GetColor() != NULL ? PremultiplyBitmap32(info.GetColor(), &bAlpha, NULL)
                                               : NULL);
  return bAlpha == TRUE;
}

HICON ResizeIcon(HICON hIcon, int nOldWidth, int nOldHeight, int nNewWidth) {
  if (hIcon == NULL || nNewWidth == 0 || (nOldWidth == 0 && nOldHeight == 0)) return NULL;
  if (nNewWidth == nOldWidth) return ::CopyIcon(hIcon);
  if (nOldWidth == 0) return NULL;
  const int nNewHeight = MulDiv(nOldHeight, nNewWidth, nOldWidth);
  HIMAGELIST hList = ImageList_Create(nNewWidth, nNewHeight, ILC_COLOR32 | ILC_MASK, 1, 0);
  if (hList == NULL) return NULL;
  HICON hResized = NULL;
  if (ImageList_ReplaceIcon(hList, -1, hIcon) == 0) hResized = ImageList_GetIcon(hList, 0, 0);
  ImageList_Destroy(hList);
  return hResized;
}

void DrawIconWithAlpha(CDC* pDC, int x, int y, int nWidth, int nHeight, HICON hIcon) {
  if (pDC == NULL || hIcon == NULL || nWidth == 0 || nHeight <= 0) return;
  const bool bMirror = nWidth < 0;
  const int width = bMirror ? -nWidth : nWidth;
  CRect rcDest(bMirror ? x - width : x, y, bMirror ? x : x + width, y + nHeight);

  LPBYTE pBits = NULL;
  CTKScopedBitmap dib(Create32BitDIBSection(pDC->m_hDC, width, nHeight, &pBits));
  if (!dib || pBits == NULL) return;
  DWORD* pPixels = reinterpret_cast<DWORD*>(pBits);
  const int count = width * nHeight;
  // Magenta stands for "not drawn": what the icon leaves magenta becomes clear.
  for (int i = 0; i < count; ++i) pPixels[i] = 0x00FF00FF;
  {
    CTKCompatibleDC memory(pDC, dib.Get());
    ::DrawIconEx(memory.m_hDC, 0, 0, hIcon, width, nHeight, 0, NULL, DI_NORMAL);
    ::GdiFlush();
    for (int i = 0; i < count; ++i)
      pPixels[i] = (pPixels[i] & 0x00FFFFFF) == 0x00FF00FF ? 0 : (pPixels[i] | 0xFF000000);
    if (bMirror) {
      for (int row = 0; row < nHeight; ++row) {
        DWORD* pRow = pPixels + row * width;
        for (int left = 0, right = width - 1; left < right; ++left, --right) {
          DWORD swap = pRow[left];
          pRow[left] = pRow[right];
          pRow[right] = swap;
        }
      }
    }
    CTKImageManager::AlphaBlend(pDC->m_hDC, rcDest, memory.m_hDC, CRect(0, 0, width, nHeight));
  }
}

void AlphaBlendBitmap(CDC* pDC, HBITMAP hBitmap, int x, int y, int nWidth, int nHeight, int xSrc,
                      int ySrc, int nSrcWidth, int nSrcHeight) {
  if (pDC == NULL || hBitmap == NULL) return;
  if (nSrcWidth == 0 && nSrcHeight == 0) {
    nSrcWidth = nWidth;
    nSrcHeight = nHeight;
  }
  CTKCompatibleDC memory(pDC, hBitmap);
  CTKImageManager::AlphaBlend(pDC->m_hDC, CRect(x, y, x + nWidth, y + nHeight), memory.m_hDC,
                              CRect(xSrc, ySrc, xSrc + nSrcWidth, ySrc + nSrcHeight));
}
