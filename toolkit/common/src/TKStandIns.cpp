// Temporary: see TKStandIns.h.
#include "TKStandIns.h"

#include <string.h>

HBITMAP LoadBitmapOrPngFromModule(HMODULE hModule, LPCSTR lpszName, BOOL* pbAlpha) {
  if (pbAlpha != NULL) *pbAlpha = FALSE;
  return (HBITMAP)::LoadImageA(hModule, lpszName, IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE);
}

LPCTSTR AFXAPI ResourceTypeForExtension(LPCTSTR lpszFileName) {
  if (lpszFileName == nullptr || IS_INTRESOURCE(lpszFileName)) return nullptr;
  size_t nLength = strlen(lpszFileName);
  if (nLength > 4 && _stricmp(lpszFileName + nLength - 4, ".png") == 0) return "PNG";
  return nullptr;
}

namespace {
struct TypeSearch {
  LPCSTR lpszName;
  CString strType;
};
BOOL CALLBACK OnType(HMODULE hModule, LPSTR lpszType, LONG_PTR lParam) {
  TypeSearch* pSearch = reinterpret_cast<TypeSearch*>(lParam);
  if (::FindResourceA(hModule, pSearch->lpszName, lpszType) == NULL) return TRUE;
  if (IS_INTRESOURCE(lpszType))
    pSearch->strType.Format("#%i", (int)(UINT_PTR)lpszType);
  else
    pSearch->strType = lpszType;
  return FALSE;
}
}  // namespace

CString AFXAPI FindResourceTypeOfName(HMODULE hModule, LPCTSTR lpszName) {
  TypeSearch search = {lpszName, CString()};
  ::EnumResourceTypesA(hModule, OnType, reinterpret_cast<LONG_PTR>(&search));
  return search.strType;
}
