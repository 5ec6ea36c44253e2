// CTKResourceImage: loading the pixels and changing them in place.
#include "common/TKResourceImage.h"

#include <stdlib.h>
#include <string.h>

#include "common/TKBitmapFunctions.h"
#include "common/TKResourceImages.h"
#include "common/TKScopedHandle.h"

CTKResourceImage::CTKResourceImage(CTKResourceImages* pOwner)
    : m_pBits(NULL),
      m_bAlpha(FALSE),
      m_bPremultiplied(FALSE),
      m_bMirrorImage(FALSE),
      m_bMirrored(FALSE),
      m_nWidth(0),
      m_nHeight(0),
      m_pOwner(pOwner) {}

CTKResourceImage::~CTKResourceImage() { free(m_pBits); }

BOOL CTKResourceImage::LoadFromResource(HMODULE hModule, LPCSTR lpszName) {
  m_bPremultiplied = FALSE;
  m_bMirrored = FALSE;
  m_bAlpha = FALSE;
  free(m_pBits);
  m_pBits = NULL;
  if (hModule == NULL) return FALSE;
  BOOL bAlpha = FALSE;
  HBITMAP hBitmap = LoadBitmapOrPngFromModule(hModule, lpszName, &bAlpha);
  if (hBitmap == NULL) return FALSE;
  SetBitmap(hBitmap, bAlpha);
  return TRUE;
}

void CTKResourceImage::SetBitmap(HBITMAP hBitmap, BOOL bAlpha) {
  m_bAlpha = bAlpha;
  m_bMirrored = FALSE;
  m_bPremultiplied = FALSE;
  CTKScopedBitmap bitmap(hBitmap);  // this image's from here on
  BITMAP bm = {};
  if (::GetObjectA(hBitmap, sizeof(bm), &bm) == 0) return;
  m_nWidth = bm.bmWidth;
  m_nHeight = bm.bmHeight;
  LoadBits(hBitmap);
}

BOOL CTKResourceImage::LoadBits(HBITMAP hBitmap) {
  free(m_pBits);
  m_pBits = NULL;
  CTKScopedCreatedDC memDC(::CreateCompatibleDC(CTKScopedWindowDC(NULL).Get()));
  if (!memDC) return FALSE;
  HDC hMemDC = memDC.Get();
  BOOL bLoaded = FALSE;
  if (m_bAlpha) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    if (::GetDIBits(hMemDC, hBitmap, 0, 0, NULL, &bmi, DIB_RGB_COLORS) != 0 &&
        bmi.bmiHeader.biBitCount == 32) {
      int nWidth = bmi.bmiHeader.biWidth;
      int nHeight = abs(bmi.bmiHeader.biHeight);
      BYTE* pBits = (BYTE*)malloc((size_t)nWidth * nHeight * 4);
      // Rows bottom-up whatever the bitmap's own order, as the drawing expects.
      bmi.bmiHeader.biHeight = nHeight;
      bmi.bmiHeader.biCompression = BI_RGB;
      if (pBits != NULL &&
          ::GetDIBits(hMemDC, hBitmap, 0, nHeight, pBits, &bmi, DIB_RGB_COLORS) == nHeight) {
        m_pBits = pBits;
        m_nWidth = nWidth;
        m_nHeight = nHeight;
        bLoaded = TRUE;
      } else {
        free(pBits);
      }
    }
  } else {
    BYTE* pDibBits = NULL;
    CTKScopedBitmap dib(Create32BitDIBSection(hMemDC, m_nWidth, m_nHeight, &pDibBits));
    if (dib) {
      {
        CTKSelectGuard select(hMemDC, dib.Get());
        ::DrawStateA(hMemDC, NULL, NULL, (LPARAM)hBitmap, 0, 0, 0, m_nWidth, m_nHeight, DST_BITMAP);
      }
      ::GdiFlush();
      size_t nBytes = (size_t)m_nWidth * m_nHeight * 4;
      m_pBits = (BYTE*)malloc(nBytes);
      if (m_pBits != NULL) {
        memcpy(m_pBits, pDibBits, nBytes);
        bLoaded = TRUE;
      }
    }
  }
  return bLoaded;
}

void CTKResourceImage::PremultiplyBits() {
  if (!m_bAlpha || m_pBits == NULL || m_bPremultiplied) return;
  BYTE* p = m_pBits;
  for (int i = 0; i < m_nWidth * m_nHeight; ++i, p += 4) {
    p[0] = (BYTE)(p[0] * p[3] / 255);
    p[1] = (BYTE)(p[1] * p[3] / 255);
    p[2] = (BYTE)(p[2] * p[3] / 255);
  }
  m_bPremultiplied = TRUE;
}

void CTKResourceImage::MirrorBits() {
  if (m_pBits == NULL) return;
  DWORD* pMirror = (DWORD*)malloc((size_t)m_nWidth * m_nHeight * 4);
  if (pMirror == NULL) return;
  const DWORD* pSource = (const DWORD*)m_pBits;
  for (int y = 0; y < m_nHeight; ++y) {
    const DWORD* pRow = pSource + (size_t)y * m_nWidth;
    DWORD* pOut = pMirror + (size_t)y * m_nWidth;
    for (int x = 0; x < m_nWidth; ++x) pOut[x] = pRow[m_nWidth - 1 - x];
  }
  free(m_pBits);
  m_pBits = (BYTE*)pMirror;
  m_bMirrored = !m_bMirrored;
}

CRect CTKResourceImage::GetSourceRect(int nState, int nCount) const {
  if (m_pBits == NULL || nCount <= 0) return CRect(0, 0, 0, 0);
  int nSlice = m_nHeight / nCount;
  return CRect(0, nState * nSlice, m_nWidth, nState * nSlice + nSlice);
}
