// The system's XML DOM as the markup parser and builder use it. Private.
#pragma once

#include "afx.h"

#include <ole2.h>
#include <msxml.h>

#include <vector>

#include "common/TKRefPtr.h"

extern const IID kIID_IXMLDOMElement;

/// A new DOM document set up for markup: synchronous loading, white space
/// kept, no external entities or DTDs fetched.
HRESULT CreateMarkupXmlDocument(IXMLDOMDocument** ppDocument);

/// The wide text of loaded bytes (the toolkit's ConvertTextToWide: byte-order
/// marks, UTF-16, UTF-8 or the ANSI code page). FALSE for no text.
BOOL ConvertMarkupBytesToWide(const BYTE* pBytes, size_t nBytes, CStringW* pText);

/// The end of the encoding pseudo-attribute (its value's closing quote
/// included) of an XML declaration that starts [pBegin, pEnd), its start in
/// *ppAttribute; null when the text declares no encoding.
LPCWSTR FindMarkupDeclaredEncoding(LPCWSTR pBegin, LPCWSTR pEnd, LPCWSTR* ppAttribute);

/// A stream of the text as UTF-16 with its byte-order mark, or null.
IStream* CreateMarkupWideStream(const CStringW& text);

/// Every byte of a stream, read from its start.
bool ReadMarkupStream(IStream* pStream, std::vector<BYTE>* pBytes);

/// Holds one BSTR, freed with the holder.
class CTKBstr {
 public:
  CTKBstr() : m_bstr(nullptr) {}
  ~CTKBstr() { SysFreeString(m_bstr); }
  CTKBstr(const CTKBstr&) = delete;
  CTKBstr& operator=(const CTKBstr&) = delete;

  BSTR* operator&() {
    SysFreeString(m_bstr);
    m_bstr = nullptr;
    return &m_bstr;
  }
  /// Never null.
  LPCWSTR Text() const { return m_bstr != nullptr ? m_bstr : L""; }
  int GetLength() const { return static_cast<int>(SysStringLen(m_bstr)); }

 private:
  BSTR m_bstr;
};
