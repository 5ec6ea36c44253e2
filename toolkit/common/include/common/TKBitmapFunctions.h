// Free functions over GDI bitmaps and icons shared by the image manager, its
// icons, the image atlas and the resource images: loading bitmaps and PNGs with
// their alpha flag, 32 bits-per-pixel DIB sections (copy, mirror, premultiply,
// cut a strip), icon sizes and drawing, and the two blits' own fallbacks.
// 32-bit pixels are blue, green, red, alpha bytes; a premultiplied pixel has its
// colour multiplied by alpha / 255.
#pragma once

#include "afxwin.h"

// Loading and format tests ---------------------------------------------------

/// A "PNG" resource of that name whose data starts with 0x89 'P' 'N' 'G'.
BOOL IsPngResource(HMODULE hModule, LPCSTR lpszName);
/// The file starts with 0x89 'P' 'N' 'G'.
BOOL IsPngFile(LPCSTR lpszPath);
/// The RT_BITMAP resource's header says 32 bits per pixel.
BOOL IsAlphaBitmapResource(HMODULE hModule, LPCSTR lpszName);
/// The .bmp file's headers can be read and say 32 bits per pixel.
BOOL IsAlphaBitmapFile(LPCSTR lpszPath);
/// A DIB section of a 32-bit RT_BITMAP with its alpha channel; null for other
/// depths, a header that does not describe the data, or a resource too short.
HBITMAP LoadAlphaBitmapResource(HMODULE hModule, LPCSTR lpszName);
/// A "PNG" resource decoded, else the RT_BITMAP (32-bit ones with alpha);
/// *pbAlpha tells whether the image carries alpha. Null on failure.
HBITMAP LoadBitmapOrPngFromModule(HMODULE hModule, LPCSTR lpszName, BOOL* pbAlpha);
/// The same with the module found through the resource chain.
HBITMAP LoadBitmapOrPngResource(LPCSTR lpszName, BOOL* pbAlpha);
/// A PNG, a .bmp, or any picture OLE can read (rendered on the button face
/// colour, alpha not reported). Null on failure.
HBITMAP LoadBitmapFromFile(LPCSTR lpszPath, BOOL* pbAlpha);

// 32-bit bitmaps ---------------------------------------------------------------

/// A 32-bit DIB section, bottom-up, or top-down for a negative height; its
/// pixels through ppBits when given.
HBITMAP Create32BitDIBSection(HDC hDC, int nWidth, int nHeight, LPBYTE* ppBits);
/// Reads a 32 bits-per-pixel bitmap: *ppInfo (a BITMAPINFO with room for three
/// masks) and *ppBits (width x height x 4 bytes, bottom row first) are malloc'ed
/// for the caller. FALSE for other depths or on failure, with nothing allocated.
/// hDC may be null.
BOOL GetBitmapBits32(HDC hDC, HBITMAP hBitmap, PBITMAPINFO* ppInfo, LPBYTE* ppBits, UINT* pnSize);
/// A new bottom-up DIB section with the same pixels; null on failure.
HBITMAP CopyAlphaBitmap(HBITMAP hBitmap, LPBYTE* ppBits = NULL);
/// A copy with premultiplied colour. With pbAlpha the function also decides
/// whether the alpha channel is used (*pbAlpha 0: some alpha between 1 and 254,
/// or both 0 and 255 seen; -1: any non-zero alpha) and sets *pbAlpha to 1 or 0;
/// when unused the copy holds the unchanged pixels.
HBITMAP PremultiplyBitmap32(HBITMAP hBitmap, BOOL* pbAlpha = NULL, LPBYTE* ppBits = NULL);
/// A copy with every row reversed.
HBITMAP MirrorBitmap32(HBITMAP hBitmap);
/// Cuts a 32-bit strip into nCount images of width / nCount; phBitmaps gets
/// nCount new DIB sections. FALSE (nothing left allocated) on failure.
BOOL SplitBitmapStrip(HBITMAP hBitmap, int nCount, HBITMAP* phBitmaps);
COLORREF GetBitmapPixel(HBITMAP hBitmap, int x, int y);
/// Same bits per pixel, planes, width and height.
BOOL IsSameBitmapFormat(const BITMAP& a, const BITMAP& b);

// Icons ------------------------------------------------------------------------

/// The size of the icon's mask (half its height for a monochrome icon).
CSize GetIconSize(HICON hIcon);
/// The icon's colour bitmap uses its alpha channel (COMCTL32 6 or Windows XP on).
BOOL IsAlphaIcon(HICON hIcon);
/// The icon scaled to nNewWidth (height in proportion); a copy for the same
/// width; null for a width of 0 or an icon without size.
HICON ResizeIcon(HICON hIcon, int nOldWidth, int nOldHeight, int nNewWidth);
/// Draws the icon through an alpha blend; a negative width draws it mirrored
/// into the rectangle that ends at x.
void DrawIconWithAlpha(CDC* pDC, int x, int y, int nWidth, int nHeight, HICON hIcon);
/// Alpha-blends a premultiplied 32-bit bitmap; a source size of 0, 0 means the
/// destination size.
void AlphaBlendBitmap(CDC* pDC, HBITMAP hBitmap, int x, int y, int nWidth, int nHeight,
                      int xSrc = 0, int ySrc = 0, int nSrcWidth = 0, int nSrcHeight = 0);

// The blits' fallbacks -----------------------------------------------------------

/// Draws the source part with every key-coloured pixel left out, by masks.
BOOL TransparentBltFallback(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc,
                            COLORREF crKey);
/// Blends premultiplied source pixels onto the destination by hand.
BOOL AlphaBlendFallback(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc);
/// result = destination x (255 - source alpha) / 255 + source, per colour
/// channel; the three bitmaps must be 32-bit DIBs of one format. A bitmap whose
/// DC is right-to-left has its rows read from the right.
BOOL AlphaBlendPixels(HBITMAP hSource, BOOL bSourceRtl, HBITMAP hDest, BOOL bDestRtl,
                      HBITMAP hResult);
