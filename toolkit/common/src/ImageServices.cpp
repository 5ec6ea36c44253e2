#include "ImageServices.h"

#include "common/TKColorManager.h"
#include "common/TKOSVersionHelper.h"

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

BOOL IsWin9x() { return TKOSVersionHelper()->IsWin9x(); }
BOOL IsWin2KOrGreater() { return TKOSVersionHelper()->IsWin2KOrGreater(); }
BOOL IsWinXPOrGreater() { return TKOSVersionHelper()->IsWinXPOrGreater(); }
DWORD ComCtlVersion() { return TKOSVersionHelper()->GetComCtlVersion(); }

// Colour 31 of the toolkit's colours: the one shadows are made from.
COLORREF ShadowColor() { return TKColorManager()->GetColor(31); }

BOOL IsColorDepthLow(HDC hDC) { return CTKColorManager::IsLowResolution(hDC); }

}  // namespace ImageServices
