// Resources named by file names and by "#id" texts, and text in the selected
// language's code page.
#include "common/TKResourceManager.h"

#include <ctype.h>
#include <stdlib.h>
#include <string.h>

namespace {

struct ExtensionType {
  LPCTSTR lpszExtension;
  LPCTSTR lpszType;
};

const ExtensionType kExtensionTypes[] = {
    {".png", "PNG"},    {".bmp", RT_BITMAP}, {".ico", RT_ICON}, {".htm", RT_HTML},
    {".html", RT_HTML}, {".js", "JS"},       {".vbs", "VBS"},
};

UINT CodePage() { return TKResourceManager()->GetLanguageInfo()->nCodePage; }

struct TypeSearch {
  LPCTSTR lpszName;
  CString strType;
};

BOOL CALLBACK OnType(HMODULE hModule, LPSTR lpszType, LONG_PTR lParam) {
  TypeSearch* pSearch = reinterpret_cast<TypeSearch*>(lParam);
  if (::FindResourceA(hModule, pSearch->lpszName, lpszType) == nullptr) return TRUE;
  if (IS_INTRESOURCE(lpszType))
    pSearch->strType.Format("#%i", static_cast<int>(reinterpret_cast<ULONG_PTR>(lpszType)));
  else
    pSearch->strType = lpszType;
  return FALSE;
}

}  // namespace

UINT AFXAPI ResourceIdFromName(LPCTSTR lpszName) {
  if (IS_INTRESOURCE(lpszName)) return static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpszName));
  if (lpszName[0] != '#' || lpszName[1] == '\0') return 0;
  for (LPCTSTR p = lpszName + 1; *p != '\0'; ++p)
    if (!isdigit(static_cast<unsigned char>(*p))) return 0;
  return static_cast<WORD>(atoi(lpszName + 1));
}

LPCTSTR AFXAPI ResourceTypeForExtension(LPCTSTR lpszFileName) {
  if (lpszFileName == nullptr || IS_INTRESOURCE(lpszFileName)) return nullptr;
  size_t nLength = strlen(lpszFileName);
  for (const ExtensionType& entry : kExtensionTypes) {
    size_t nExtension = strlen(entry.lpszExtension);
    if (nLength > nExtension &&
        _stricmp(lpszFileName + nLength - nExtension, entry.lpszExtension) == 0)
      return entry.lpszType;
  }
  return nullptr;
}

CString AFXAPI FindResourceTypeOfName(HMODULE hModule, LPCTSTR lpszName) {
  TypeSearch search = {lpszName, CString()};
  ::EnumResourceTypesA(hModule, OnType, reinterpret_cast<LONG_PTR>(&search));
  return search.strType;
}

HRSRC AFXAPI FindResourceInLanguageModule(HMODULE* phModule, LPCTSTR lpszName, LPCTSTR lpszType) {
  *phModule = nullptr;
  if (HRSRC hResource = ::FindResourceA(nullptr, lpszName, lpszType)) return hResource;
  *phModule = AfxFindResourceHandle(lpszName, lpszType);
  return ::FindResourceA(*phModule, lpszName, lpszType);
}

LPCSTR CTKCodePageString::FromWide(LPCWSTR lpszText) {
  delete[] m_pBuffer;
  UINT nCodePage = CodePage();
  int nBytes = ::WideCharToMultiByte(nCodePage, 0, lpszText, -1, nullptr, 0, nullptr, nullptr);
  m_pBuffer = new BYTE[nBytes + 1]();
  ::WideCharToMultiByte(nCodePage, 0, lpszText, -1, reinterpret_cast<LPSTR>(m_pBuffer), nBytes,
                        nullptr, nullptr);
  return reinterpret_cast<LPCSTR>(m_pBuffer);
}

LPCWSTR CTKCodePageString::FromNarrow(LPCSTR lpszText) {
  delete[] m_pBuffer;
  UINT nCodePage = CodePage();
  int nChars = ::MultiByteToWideChar(nCodePage, 0, lpszText, -1, nullptr, 0);
  m_pBuffer = new BYTE[(nChars + 1) * sizeof(WCHAR)]();
  ::MultiByteToWideChar(nCodePage, 0, lpszText, -1, reinterpret_cast<LPWSTR>(m_pBuffer), nChars);
  return reinterpret_cast<LPCWSTR>(m_pBuffer);
}

void AFXAPI ConvertAnsiToWide(LPWSTR lpszDest, LPCSTR lpszSource, int nCount) {
  if (lpszDest == nullptr || nCount < 0) return;
  size_t nConverted = 0;
  mbstowcs_s(&nConverted, lpszDest, static_cast<size_t>(nCount) + 1, lpszSource,
             static_cast<size_t>(nCount));
}
