// CTKMarkupString: string values and their three shared instances.
#include "TKMarkupString.h"

#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

#include <string.h>

#include <vector>

IMPLEMENT_MARKUP_TYPE(CTKMarkupString, TKMarkupRow_String)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupString)

CTKMarkupString::CTKMarkupString(LPCWSTR lpszText, int nLength) : m_pszText(nullptr), m_nLength(0) {
  if (lpszText == nullptr) return;
  if (nLength < 0) nLength = static_cast<int>(wcslen(lpszText));
  m_pszText = static_cast<LPWSTR>(malloc((static_cast<size_t>(nLength) + 1) * sizeof(WCHAR)));
  if (m_pszText == nullptr) AfxThrowMemoryException();
  memcpy(m_pszText, lpszText, nLength * sizeof(WCHAR));
  m_pszText[nLength] = 0;
  m_nLength = nLength;
}

CTKMarkupString::CTKMarkupString(LPCSTR lpszAnsiText) : m_pszText(nullptr), m_nLength(0) {
  if (lpszAnsiText == nullptr) return;
  CStringW text(lpszAnsiText);
  m_nLength = text.GetLength();
  m_pszText = _wcsdup(text.GetString());
  if (m_pszText == nullptr) AfxThrowMemoryException();
}

CTKMarkupString::~CTKMarkupString() { free(m_pszText); }

CTKMarkupString* CTKMarkupString::CreateValue(LPCWSTR lpszText, int nLength) {
  static CTKMarkupAutoPtr<CTKMarkupString> s_empty;
  static CTKMarkupAutoPtr<CTKMarkupString> s_blank;
  static CTKMarkupAutoPtr<CTKMarkupString> s_lineFeed;
  CTKMarkupAutoPtr<CTKMarkupString>* pShared = nullptr;
  LPCWSTR lpszShared = nullptr;
  if (lpszText == nullptr || nLength == 0 || lpszText[0] == 0) {
    pShared = &s_empty;
    lpszShared = L"";
  } else if (nLength == 1 || (nLength < 0 && lpszText[1] == 0)) {
    if (lpszText[0] == L' ') pShared = &s_blank;
    if (lpszText[0] == L'\n') pShared = &s_lineFeed;
    lpszShared = lpszText[0] == L' ' ? L" " : L"\n";
  }
  if (pShared == nullptr) return new CTKMarkupString(lpszText, nLength);
  if (*pShared == nullptr) pShared->Assign(new CTKMarkupString(lpszShared, -1));
  return pShared->AddRefAndGet();
}

CTKMarkupString* CTKMarkupString::CreateValueFromAnsi(LPCSTR lpszAnsiText) {
  if (lpszAnsiText == nullptr) return CreateValue(nullptr);
  const int nLength = static_cast<int>(strlen(lpszAnsiText));
  std::vector<WCHAR> buffer(static_cast<size_t>(nLength) + 1, 0);
  if (nLength > 0 &&
      MultiByteToWideChar(CP_THREAD_ACP, 0, lpszAnsiText, nLength, buffer.data(), nLength + 1) == 0)
    return CreateValue(nullptr);
  return CreateValue(buffer.data(), -1);
}

UINT CTKMarkupString::GetHashKey() const {
  UINT nHash = 0;
  if (m_pszText != nullptr) {
    for (LPCWSTR p = m_pszText; *p != 0; ++p) nHash = nHash * 33 + *p;
  }
  return nHash;
}

BOOL CTKMarkupString::IsEqual(const CTKMarkupObject* pOther) const {
  if (pOther == nullptr || pOther->GetType() != GetType()) return FALSE;
  const CTKMarkupString* p = static_cast<const CTKMarkupString*>(pOther);
  if (p->m_nLength != m_nLength) return FALSE;
  return m_nLength == 0 || memcmp(p->m_pszText, m_pszText, m_nLength * sizeof(WCHAR)) == 0;
}

LPCWSTR MarkupStringText(CTKMarkupObject* pValue) {
  CTKMarkupString* pString = MarkupCast<CTKMarkupString>(pValue);
  return pString != nullptr ? pString->GetTextOrEmpty() : nullptr;
}
