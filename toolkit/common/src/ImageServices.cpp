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

}  // namespace ImageServices
