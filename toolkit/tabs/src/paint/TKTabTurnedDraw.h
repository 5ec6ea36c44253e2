// Drawing a picture made for a top strip turned to the strip's position.
#pragma once

#include <afxwin.h>

#include <functional>

/// Draws `drawTop` into a bitmap of the top-strip size of `rc` (its width and
/// height swapped for a left or right strip) and puts it turned onto the DC
/// at `rc`: left transposed, bottom with its rows mirrored, right a quarter
/// turn clockwise. The bitmap starts as the DC's pixels turned in when
/// bCopyBackground, else filled with clrFill. FALSE, nothing drawn, when the
/// bitmaps cannot be made.
BOOL TKTabDrawTurned(CDC* pDC, CRect rc, int nPosition, BOOL bCopyBackground, COLORREF clrFill,
                     const std::function<void(CDC* pTopDC, CRect rcTop)>& drawTop);
