// CTKMarkupString: the markup's immutable string value. The empty string, a
// single blank and a single line feed are shared instances, because a parsed
// document makes very many of them between its elements.
#pragma once

#include "markup/TKMarkupObject.h"

/// A UTF-16 text with its length. Immutable after construction.
class CTKMarkupString : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// Copies `nLength` units (-1: up to the terminator); null text: no buffer.
  CTKMarkupString(LPCWSTR lpszText, int nLength);
  /// Converts ANSI text with the ANSI code page; null text: no buffer.
  explicit CTKMarkupString(LPCSTR lpszAnsiText);
  ~CTKMarkupString() override;

  /// The usual way to make a string value (one reference for the caller):
  /// the shared empty string for null, empty or zero-length text, the shared
  /// blank and line-feed strings for those single characters, else a new one.
  static CTKMarkupString* CreateValue(LPCWSTR lpszText, int nLength = -1);
  /// Converts with the thread's ANSI code page; the shared empty string for
  /// null text or a failed conversion.
  static CTKMarkupString* CreateValueFromAnsi(LPCSTR lpszAnsiText);

  /// The text; null only for a string made by the type's factory.
  LPCWSTR GetText() const { return m_pszText; }
  /// Never null.
  LPCWSTR GetTextOrEmpty() const { return m_pszText ? m_pszText : L""; }
  int GetLength() const { return m_nLength; }

  /// h = h * 33 + unit over the text.
  UINT GetHashKey() const override;
  /// Same class, length and units (case-sensitive).
  BOOL IsEqual(const CTKMarkupObject* pOther) const override;

 private:
  CTKMarkupString() : m_pszText(nullptr), m_nLength(0) {}
  LPWSTR m_pszText;
  int m_nLength;
};

/// The text of a string value, or null when `pValue` is no string.
LPCWSTR MarkupStringText(CTKMarkupObject* pValue);
