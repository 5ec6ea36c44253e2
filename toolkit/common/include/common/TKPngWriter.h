// Writing pictures as PNG files through libpng: the gallery's pages and any
// tool that wants to keep what the toolkit drew.
#pragma once

#include "afxwin.h"

/// Writes top-down 32-bit pixels (blue, green, red, alpha; nStride bytes a
/// row) as a PNG file, RGBA with bAlpha, else RGB. FALSE when the file cannot
/// be written; a half-written file is removed.
BOOL WritePngFile(LPCSTR lpszPath, const BYTE* pBits, int nWidth, int nHeight, int nStride,
                  BOOL bAlpha);

/// Writes a bitmap (read as 32 bits per pixel) as a PNG file.
BOOL SaveBitmapAsPng(LPCSTR lpszPath, HBITMAP hBitmap, BOOL bAlpha);
