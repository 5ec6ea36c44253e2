#include <afx.h>

namespace {

// A string table keeps strings in blocks of sixteen counted UTF-16 texts; the
// block itself is read so that no length limit applies.
const WCHAR* FindStringInBlock(HINSTANCE hInstance, UINT nID, int* pLength) {
  LPCSTR block = MAKEINTRESOURCEA((nID >> 4) + 1);
  HRSRC hRes = FindResourceA(hInstance, block, MAKEINTRESOURCEA(6) /* RT_STRING */);
  if (hRes == nullptr) return nullptr;
  HGLOBAL hGlobal = LoadResource(hInstance, hRes);
  const WCHAR* p = hGlobal ? static_cast<const WCHAR*>(LockResource(hGlobal)) : nullptr;
  if (p == nullptr) return nullptr;
  for (UINT i = 0; i < (nID & 15); ++i) p += 1 + *p;
  *pLength = *p;
  return *p == 0 ? nullptr : p + 1;
}

}  // namespace

bool AfxLoadStringW(HINSTANCE hInstance, UINT nID, std::wstring& out) {
  int length = 0;
  const WCHAR* p = FindStringInBlock(hInstance, nID, &length);
  out.assign(p ? p : L"", p ? length : 0);
  return p != nullptr;
}

bool AfxLoadStringW(UINT nID, std::wstring& out) {
  HINSTANCE hInstance =
      AfxFindResourceHandle(MAKEINTRESOURCEA((nID >> 4) + 1), MAKEINTRESOURCEA(6));
  return AfxLoadStringW(hInstance, nID, out);
}
