// Plain text made safe to embed in markup text.
#include "TKMarkupEscape.h"

CStringW TKMarkupEscapeText(LPCWSTR lpszText, BOOL bAttribute) {
  CStringW result;
  if (lpszText == nullptr) return result;
  // An attribute value that starts with a brace would be read as an
  // extension; "{}" in front makes it plain text (and is dropped on reading).
  if (bAttribute && lpszText[0] == L'{') result = L"{}";
  for (LPCWSTR p = lpszText; *p != 0; ++p) {
    switch (*p) {
      case L'&':
        result += L"&amp;";
        break;
      case L'<':
        result += L"&lt;";
        break;
      case L'>':
        result += L"&gt;";
        break;
      case L'"':
        result += L"&quot;";
        break;
      case L'\'':
        result += L"&apos;";
        break;
      default:
        result += *p;
        break;
    }
  }
  return result;
}
