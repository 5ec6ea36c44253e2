// The C++ side of PNG decoding: file access (whose exceptions stop here) and
// the DIB made from the decoded rows. libpng itself is driven in PngDecode.c.
#include "TKGraphicBitmapPng.h"

#include <stdlib.h>
#include <string.h>

#include <png.h>

#include "PngDecode.h"
#include "common/TKScopedHandle.h"

namespace {

// Called from C frames: a CFile exception becomes a short read.
size_t ReadFromFile(void* source, unsigned char* buffer, size_t count) {
  CFile* pFile = static_cast<CFile*>(source);
  size_t total = 0;
  try {
    while (total < count) {
      UINT chunk = (UINT)((count - total) > 0x40000000 ? 0x40000000 : (count - total));
      UINT got = pFile->Read(buffer + total, chunk);
      total += got;
      if (got < chunk) break;
    }
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  return total;
}

}  // namespace

BOOL ReadPngImage(CFile* pFile, BYTE** ppRows, UINT* pnWidth, UINT* pnHeight, int* pnChannels) {
  *ppRows = NULL;
  *pnWidth = *pnHeight = 0;
  *pnChannels = 0;
  if (pFile == NULL) return FALSE;
  BYTE signature[8];
  if (ReadFromFile(pFile, signature, sizeof signature) != sizeof signature) return FALSE;
  if (png_sig_cmp(signature, 0, sizeof signature) != 0) return FALSE;
  TK_PNG_IMAGE image;
  if (!TKDecodePngAfterSignature(ReadFromFile, pFile, &image)) return FALSE;
  *ppRows = image.rows;
  *pnWidth = image.width;
  *pnHeight = image.height;
  *pnChannels = image.channels;
  return TRUE;
}

CTKGraphicBitmapPng::CTKGraphicBitmapPng() : m_bAlpha(FALSE) {}

void CTKGraphicBitmapPng::Reset() {
  DeleteObject();
  m_bAlpha = FALSE;
}

BOOL CTKGraphicBitmapPng::LoadFromResource(HMODULE hModule, HRSRC hResource) {
  Reset();
  if (hResource == NULL) return FALSE;
  HGLOBAL hGlobal = ::LoadResource(hModule, hResource);
  if (hGlobal == NULL) return FALSE;
  BYTE* pData = static_cast<BYTE*>(::LockResource(hGlobal));
  DWORD dwSize = ::SizeofResource(hModule, hResource);
  if (pData == NULL || dwSize <= 9) return FALSE;
  CMemFile file(pData, dwSize, 0);
  return LoadFromStream(&file);
}

BOOL CTKGraphicBitmapPng::LoadFromFile(LPCSTR lpszPath) {
  Reset();
  CFile file;
  if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite)) return FALSE;
  return LoadFromStream(&file);
}

BOOL CTKGraphicBitmapPng::LoadFromStream(CFile* pFile) {
  Reset();
  BYTE* pRows = NULL;
  UINT nWidth = 0, nHeight = 0;
  int nChannels = 0;
  if (!ReadPngImage(pFile, &pRows, &nWidth, &nHeight, &nChannels)) return FALSE;
  HBITMAP hBitmap = CreateDibFromRows(pRows, nWidth, nHeight, nChannels);
  free(pRows);
  if (hBitmap == NULL) return FALSE;
  Attach(hBitmap);
  m_bAlpha = nChannels == 4;
  return TRUE;
}

HBITMAP CTKGraphicBitmapPng::CreateDibFromRows(const BYTE* pRows, UINT nWidth, UINT nHeight,
                                               int nChannels) {
  if (pRows == NULL || nWidth == 0 || nHeight == 0 || (nChannels != 3 && nChannels != 4))
    return NULL;
  BITMAPINFO bmi;
  memset(&bmi, 0, sizeof bmi);
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = (LONG)nWidth;
  bmi.bmiHeader.biHeight = -(LONG)nHeight;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* pvBits = NULL;
  CTKScopedBitmap bitmap(::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pvBits, NULL, 0));
  if (!bitmap || pvBits == NULL) return NULL;
  BYTE* pDest = static_cast<BYTE*>(pvBits);
  const size_t rowBytes = (size_t)nWidth * nChannels;
  for (UINT y = 0; y < nHeight; ++y) {
    const BYTE* pSource = pRows + y * rowBytes;
    for (UINT x = 0; x < nWidth; ++x, pSource += nChannels, pDest += 4) {
      pDest[0] = pSource[2];
      pDest[1] = pSource[1];
      pDest[2] = pSource[0];
      pDest[3] = nChannels == 4 ? pSource[3] : 0;
    }
  }
  return bitmap.Detach();
}
