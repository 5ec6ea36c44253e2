// CTKImageManager: the store of command images by command id.
#pragma once

#include "afxwin.h"

class CTKImageManager : public CCmdTarget {
 public:
  /// Draws the source part with the key colour left out: msimg32's
  /// TransparentBlt where present, else TransparentBltFallback.
  static BOOL TransparentBlt(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc,
                             COLORREF crKey);
  /// Blends premultiplied 32-bit source pixels onto the destination: msimg32's
  /// AlphaBlend, or AlphaBlendFallback where that is missing or unreliable.
  static BOOL AlphaBlend(HDC hdcDest, const CRect& rcDest, HDC hdcSrc, const CRect& rcSrc);
};
