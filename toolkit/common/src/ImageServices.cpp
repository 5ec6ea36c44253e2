#include "ImageServices.h"

namespace ImageServices {

namespace {

HMODULE Msimg32() {
  static HMODULE hModule = LoadLibraryA("msimg32.dll");
  return hModule;
}

}  // namespace

TKAlphaBlendFn AlphaBlendEntry() {
  return Msimg32() ? (TKAlphaBlendFn)(void*)GetProcAddress(Msimg32(), "AlphaBlend") : NULL;
}

TKTransparentBltFn TransparentBltEntry() {
  return Msimg32() ? (TKTransparentBltFn)(void*)GetProcAddress(Msimg32(), "TransparentBlt") : NULL;
}

BOOL IsRightToLeft(HDC hDC) { return hDC != NULL && (GetLayout(hDC) & LAYOUT_RTL) != 0; }

BOOL IsWin9x() { return FALSE; }
BOOL IsWin2KOrGreater() { return TRUE; }
BOOL IsWinXPOrGreater() { return TRUE; }
DWORD ComCtlVersion() { return 0x60000; }

COLORREF ShadowColor() { return GetSysColor(COLOR_BTNSHADOW); }

BOOL IsColorDepthLow(HDC hDC) {
  HDC hScreen = hDC != NULL ? hDC : GetDC(NULL);
  const int bits = GetDeviceCaps(hScreen, BITSPIXEL) * GetDeviceCaps(hScreen, PLANES);
  if (hDC == NULL) ReleaseDC(NULL, hScreen);
  return bits > 0 && bits <= 8;
}

}  // namespace ImageServices
