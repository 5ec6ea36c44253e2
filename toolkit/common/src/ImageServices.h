// What the image code needs of the toolkit's shared helpers: msimg32's blits,
// the layout direction of a DC, the Windows and COMCTL32 versions.
#pragma once

#include <windows.h>

typedef BOOL(WINAPI* TKAlphaBlendFn)(HDC, int, int, int, int, HDC, int, int, int, int,
                                     BLENDFUNCTION);
typedef BOOL(WINAPI* TKTransparentBltFn)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

namespace ImageServices {

/// msimg32's entry points; null when missing.
TKAlphaBlendFn AlphaBlendEntry();
TKTransparentBltFn TransparentBltEntry();
BOOL IsRightToLeft(HDC hDC);
BOOL IsWin9x();
BOOL IsWin2KOrGreater();
BOOL IsWinXPOrGreater();
DWORD ComCtlVersion();
/// The toolkit colour the shadow images are made from.
COLORREF ShadowColor();
/// The DC (the screen for null) shows 256 colours or fewer.
BOOL IsColorDepthLow(HDC hDC);

}  // namespace ImageServices
