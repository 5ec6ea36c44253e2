// Wide texts in 8-bit messages, without the run-time's printf, which refuses
// a "%ls" argument the code page cannot show.
#include "TKMarkupMessageText.h"

#include <string.h>
#include <wchar.h>

CString MarkupMessageText(LPCWSTR lpszText, int nMaxChars) {
  if (lpszText == nullptr) return "(null)";
  const int nChars =
      static_cast<int>(nMaxChars < 0 ? wcslen(lpszText) : wcsnlen(lpszText, nMaxChars));
  if (nChars == 0) return "";
  const int nBytes = WideCharToMultiByte(CP_ACP, 0, lpszText, nChars, nullptr, 0, nullptr, nullptr);
  CString text;
  if (nBytes <= 0) return text;
  LPSTR pBuffer = text.GetBuffer(nBytes);
  WideCharToMultiByte(CP_ACP, 0, lpszText, nChars, pBuffer, nBytes, nullptr, nullptr);
  text.ReleaseBuffer(nBytes);
  return text;
}

CString FormatMarkupMessage(LPCSTR lpszFormat, const LPCWSTR* ppArgs, int nArgs, int nMaxChars) {
  CString message;
  int nNext = 0;
  for (LPCSTR p = lpszFormat; *p != 0; ++p) {
    if (strncmp(p, "%ls", 3) == 0) {
      message += MarkupMessageText(nNext < nArgs ? ppArgs[nNext] : nullptr, nMaxChars);
      ++nNext;
      p += 2;
    } else {
      message += *p;
    }
  }
  return message;
}
