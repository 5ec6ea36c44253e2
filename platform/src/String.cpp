// CString's character work for both widths, and cutting strings into parts.
#include <afx.h>

#include <ctype.h>
#include <stdio.h>
#include <string.h>
#include <wchar.h>

int AfxStrTraits<char>::Compare(const char* a, const char* b) { return strcmp(a, b); }
int AfxStrTraits<char>::CompareNoCase(const char* a, const char* b) { return _stricmp(a, b); }
int AfxStrTraits<char>::Collate(const char* a, const char* b) { return strcoll(a, b); }
int AfxStrTraits<char>::CollateNoCase(const char* a, const char* b) { return _stricoll(a, b); }
void AfxStrTraits<char>::Upper(char* p, int n) {
  for (int i = 0; i < n; ++i) p[i] = static_cast<char>(toupper(static_cast<unsigned char>(p[i])));
}
void AfxStrTraits<char>::Lower(char* p, int n) {
  for (int i = 0; i < n; ++i) p[i] = static_cast<char>(tolower(static_cast<unsigned char>(p[i])));
}
bool AfxStrTraits<char>::IsSpace(char c) { return isspace(static_cast<unsigned char>(c)) != 0; }
int AfxStrTraits<char>::FormattedLength(const char* fmt, va_list args) {
  return _vscprintf(fmt, args);
}
void AfxStrTraits<char>::FormatInto(char* buf, int n, const char* fmt, va_list args) {
  _vsnprintf(buf, n, fmt, args);
}

int AfxStrTraits<char>::ConvertedLength(const wchar_t* src, int n) {
  return WideCharToMultiByte(CP_ACP, 0, src, n, nullptr, 0, nullptr, nullptr);
}
void AfxStrTraits<char>::Convert(char* dst, int cch, const wchar_t* src, int n) {
  WideCharToMultiByte(CP_ACP, 0, src, n, dst, cch, nullptr, nullptr);
}

int AfxStrTraits<wchar_t>::Compare(const wchar_t* a, const wchar_t* b) { return wcscmp(a, b); }
int AfxStrTraits<wchar_t>::CompareNoCase(const wchar_t* a, const wchar_t* b) {
  return _wcsicmp(a, b);
}
int AfxStrTraits<wchar_t>::Collate(const wchar_t* a, const wchar_t* b) { return wcscoll(a, b); }
int AfxStrTraits<wchar_t>::CollateNoCase(const wchar_t* a, const wchar_t* b) {
  return _wcsicoll(a, b);
}
void AfxStrTraits<wchar_t>::Upper(wchar_t* p, int n) {
  for (int i = 0; i < n; ++i) p[i] = towupper(p[i]);
}
void AfxStrTraits<wchar_t>::Lower(wchar_t* p, int n) {
  for (int i = 0; i < n; ++i) p[i] = towlower(p[i]);
}
bool AfxStrTraits<wchar_t>::IsSpace(wchar_t c) { return iswspace(c) != 0; }
int AfxStrTraits<wchar_t>::FormattedLength(const wchar_t* fmt, va_list args) {
  return _vscwprintf(fmt, args);
}
void AfxStrTraits<wchar_t>::FormatInto(wchar_t* buf, int n, const wchar_t* fmt, va_list args) {
  _vsnwprintf(buf, n, fmt, args);
}

int AfxStrTraits<wchar_t>::ConvertedLength(const char* src, int n) {
  return MultiByteToWideChar(CP_ACP, 0, src, n, nullptr, 0);
}
void AfxStrTraits<wchar_t>::Convert(wchar_t* dst, int cch, const char* src, int n) {
  MultiByteToWideChar(CP_ACP, 0, src, n, dst, cch);
}

LPWSTR AFXAPI AfxA2WHelper(LPWSTR dst, LPCSTR src, int cch) {
  if (cch > 0) MultiByteToWideChar(CP_ACP, 0, src, -1, dst, cch);
  return dst;
}

LPSTR AFXAPI AfxW2AHelper(LPSTR dst, LPCWSTR src, int cch) {
  if (cch > 0) WideCharToMultiByte(CP_ACP, 0, src, -1, dst, cch, nullptr, nullptr);
  return dst;
}

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString,
                                TCHAR chSep) {
  rString.Empty();
  if (lpszFullString == nullptr || iSubString < 0) return FALSE;
  const char* pStart = lpszFullString;
  for (; iSubString > 0; --iSubString) {
    pStart = strchr(pStart, chSep);
    if (pStart == nullptr) return FALSE;
    ++pStart;
  }
  const char* pEnd = strchr(pStart, chSep);
  rString = pEnd != nullptr ? CString(pStart, static_cast<int>(pEnd - pStart)) : CString(pStart);
  return TRUE;
}
