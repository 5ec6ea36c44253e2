#include "DibValidation.h"

#include <string.h>

namespace DibValidation {

ULONGLONG RowBytes(LONG width, WORD bits) {
  return ((ULONGLONG)(width > 0 ? width : 0) * bits + 31) / 32 * 4;
}

ULONGLONG ColorTableBytes(const BITMAPINFOHEADER& header) {
  if (header.biBitCount <= 8) {
    const DWORD limit = 1u << header.biBitCount;
    if (header.biClrUsed > limit) return (ULONGLONG)-1;
    return (ULONGLONG)(header.biClrUsed ? header.biClrUsed : limit) * sizeof(RGBQUAD);
  }
  // Three masks stand in place of a table, never beside one.
  if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER))
    return 3 * sizeof(DWORD);
  if (header.biClrUsed > 256) return (ULONGLONG)-1;
  return (ULONGLONG)header.biClrUsed * sizeof(RGBQUAD);
}

BOOL IsUsableHeader(const BITMAPINFOHEADER& header) {
  const WORD bits = header.biBitCount;
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biPlanes != 1) return FALSE;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return FALSE;
  const bool bitFields = header.biCompression == BI_BITFIELDS && (bits == 16 || bits == 32);
  if (header.biCompression != BI_RGB && !bitFields) return FALSE;
  if (header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == LONG(0x80000000))
    return FALSE;
  const ULONGLONG height = header.biHeight < 0 ? -(LONGLONG)header.biHeight : header.biHeight;
  if (RowBytes(header.biWidth, bits) * height > 0x7FFFFFFF) return FALSE;
  return ColorTableBytes(header) != (ULONGLONG)-1;
}

DWORD ImageBytes(const BITMAPINFOHEADER& header) {
  if (!IsUsableHeader(header)) return 0;
  const ULONGLONG height = header.biHeight < 0 ? -(LONGLONG)header.biHeight : header.biHeight;
  return (DWORD)(RowBytes(header.biWidth, header.biBitCount) * height);
}

BOOL IsCompleteIconImage(const BYTE* pData, DWORD size, BOOL bColorRowsOnly) {
  if (pData == NULL || size < sizeof(BITMAPINFOHEADER)) return FALSE;
  BITMAPINFOHEADER header;
  memcpy(&header, pData, sizeof header);
  if (header.biSize > size || header.biHeight < 2 || !IsUsableHeader(header)) return FALSE;
  const LONG height = header.biHeight / 2;
  ULONGLONG needed = header.biSize + ColorTableBytes(header) +
                     RowBytes(header.biWidth, header.biBitCount) * height;
  if (!bColorRowsOnly) needed += RowBytes(header.biWidth, 1) * height;
  return needed <= size;
}

}  // namespace DibValidation
