// PNG files written from 32-bit pixels; libpng itself is driven in PngEncode.c.
#include "common/TKPngWriter.h"

#include <stdlib.h>

#include <vector>

#include "PngEncode.h"
#include "common/TKScopedHandle.h"

namespace {

// Called from C frames: a CFile exception becomes a short write.
size_t WriteToFile(void* sink, const unsigned char* buffer, size_t count) {
  CFile* pFile = static_cast<CFile*>(sink);
  try {
    pFile->Write(buffer, (UINT)count);
    return count;
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  return 0;
}

}  // namespace

BOOL WritePngFile(LPCSTR lpszPath, const BYTE* pBits, int nWidth, int nHeight, int nStride,
                  BOOL bAlpha) {
  if (lpszPath == NULL || pBits == NULL || nWidth <= 0 || nHeight <= 0) return FALSE;
  int nChannels = bAlpha ? 4 : 3;
  size_t nRowBytes = (size_t)nWidth * nChannels;
  std::vector<BYTE> rows(nRowBytes * nHeight);
  for (int y = 0; y < nHeight; ++y) {
    const BYTE* pFrom = pBits + (size_t)y * nStride;
    BYTE* pTo = &rows[nRowBytes * y];
    for (int x = 0; x < nWidth; ++x, pFrom += 4, pTo += nChannels) {
      pTo[0] = pFrom[2];
      pTo[1] = pFrom[1];
      pTo[2] = pFrom[0];
      if (bAlpha) pTo[3] = pFrom[3];
    }
  }
  CFile file;
  if (!file.Open(lpszPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
    return FALSE;
  BOOL bWritten = TKEncodePng(WriteToFile, &file, rows.data(), (unsigned)nWidth, (unsigned)nHeight,
                              nChannels, nRowBytes);
  file.Close();
  if (!bWritten) ::DeleteFileA(lpszPath);
  return bWritten;
}

BOOL SaveBitmapAsPng(LPCSTR lpszPath, HBITMAP hBitmap, BOOL bAlpha) {
  BITMAP bm = {};
  if (hBitmap == NULL || ::GetObjectA(hBitmap, sizeof(bm), &bm) == 0) return FALSE;
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = bm.bmWidth;
  bmi.bmiHeader.biHeight = -bm.bmHeight;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  std::vector<BYTE> bits((size_t)bm.bmWidth * bm.bmHeight * 4);
  CTKScopedCreatedDC memory(::CreateCompatibleDC(NULL));
  if (!memory) return FALSE;
  int nRows = ::GetDIBits(memory.Get(), hBitmap, 0, bm.bmHeight, bits.data(), &bmi, DIB_RGB_COLORS);
  if (nRows != bm.bmHeight) return FALSE;
  return WritePngFile(lpszPath, bits.data(), bm.bmWidth, bm.bmHeight, bm.bmWidth * 4, bAlpha);
}
