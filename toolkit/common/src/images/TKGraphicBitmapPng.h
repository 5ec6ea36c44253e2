// CTKGraphicBitmapPng: PNG data (a resource, a file, any CFile) decoded by
// libpng into a 32 bits-per-pixel DIB section.
#pragma once

#include "afxwin.h"

/// A bitmap loaded from PNG data. The pixels are top-down, blue-green-red-alpha
/// and not premultiplied; m_bAlpha tells whether the image had an alpha channel.
/// Every load deletes the bitmap held before; a failed load leaves none.
class CTKGraphicBitmapPng : public CBitmap {
 public:
  CTKGraphicBitmapPng();

  /// FALSE for a null resource, one that cannot be loaded, one of 9 bytes or
  /// fewer, or data that does not decode.
  BOOL LoadFromResource(HMODULE hModule, HRSRC hResource);
  BOOL LoadFromFile(LPCSTR lpszPath);
  BOOL LoadFromStream(CFile* pFile);
  BOOL IsAlpha() const { return m_bAlpha; }

  /// A top-down 32-bit DIB section of the 8-bit RGB (3 channels) or RGBA (4)
  /// rows; alpha is 0 for three channels. Null when it cannot be made.
  static HBITMAP CreateDibFromRows(const BYTE* pRows, UINT nWidth, UINT nHeight, int nChannels);

  BOOL m_bAlpha;

 private:
  void Reset();
};

/// Decodes the PNG read from pFile. On success *ppRows is a malloc'ed block of
/// height rows of width x channels bytes (RGB or RGBA), top row first. Nothing
/// escapes: a read error, a libpng error or bad data gives FALSE and null rows,
/// and so does an image of more than 8192 x 8192 (67,108,864) pixels. Memory
/// for the rows is taken as they are read, not for the size the header declares.
BOOL ReadPngImage(CFile* pFile, BYTE** ppRows, UINT* pnWidth, UINT* pnHeight, int* pnChannels);
