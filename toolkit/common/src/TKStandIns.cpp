// Temporary: see TKStandIns.h.
#include "TKStandIns.h"

HBITMAP LoadBitmapOrPngFromModule(HMODULE hModule, LPCSTR lpszName, BOOL* pbAlpha) {
  if (pbAlpha != NULL) *pbAlpha = FALSE;
  return (HBITMAP)::LoadImageA(hModule, lpszName, IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE);
}
