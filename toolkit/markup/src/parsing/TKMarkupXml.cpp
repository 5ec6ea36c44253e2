// The XML DOM document of the markup parser, and the text conversion of the
// namespace repair.
#include "TKMarkupXml.h"

#include "common/TKResourceStream.h"

#include <string.h>
#include <wctype.h>

namespace {

const CLSID kCLSID_DOMDocument = {
    0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
const IID kIID_IXMLDOMDocument = {
    0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

}  // namespace

const IID kIID_IXMLDOMElement = {
    0x2933BF86, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

HRESULT CreateMarkupXmlDocument(IXMLDOMDocument** ppDocument) {
  *ppDocument = nullptr;
  IUnknown* pUnknown = nullptr;
  HRESULT hr = CoCreateInstance(kCLSID_DOMDocument, nullptr, CLSCTX_ALL, IID_IUnknown,
                                reinterpret_cast<void**>(&pUnknown));
  if (FAILED(hr)) return hr;
  hr = OleRun(pUnknown);
  if (SUCCEEDED(hr))
    hr = pUnknown->QueryInterface(kIID_IXMLDOMDocument, reinterpret_cast<void**>(ppDocument));
  pUnknown->Release();
  if (FAILED(hr)) return hr;
  IXMLDOMDocument* pDocument = *ppDocument;
  pDocument->put_async(VARIANT_FALSE);
  pDocument->put_preserveWhiteSpace(VARIANT_TRUE);
  // Markup comes from captions and tooltips, sometimes with user text in it:
  // an entity must not make the reader open files or wait on the network.
  pDocument->put_resolveExternals(VARIANT_FALSE);
  return S_OK;
}

bool ReadMarkupStream(IStream* pStream, std::vector<BYTE>* pBytes) {
  LARGE_INTEGER zero = {};
  if (FAILED(pStream->Seek(zero, STREAM_SEEK_SET, nullptr))) return false;
  BYTE buffer[4096];
  for (;;) {
    ULONG nRead = 0;
    HRESULT hr = pStream->Read(buffer, sizeof(buffer), &nRead);
    if (FAILED(hr)) return false;
    pBytes->insert(pBytes->end(), buffer, buffer + nRead);
    if (hr != S_OK || nRead == 0) return true;
  }
}

BOOL ConvertMarkupBytesToWide(const BYTE* pBytes, size_t nBytes, CStringW* pText) {
  pText->Empty();
  if (pBytes == nullptr || nBytes == 0 || nBytes >= 0x7FFFFFFF) return FALSE;
  // No conversion makes more characters than there are bytes.
  int nLength = static_cast<int>(nBytes) + 1;
  LPWSTR pBuffer = pText->GetBuffer(nLength);
  if (!ConvertTextToWide(pBytes, static_cast<DWORD>(nBytes), pBuffer, &nLength)) {
    pText->ReleaseBuffer(0);
    return FALSE;
  }
  pText->ReleaseBuffer(nLength);
  return TRUE;
}

// The end of the encoding pseudo-attribute of an XML declaration at the
// start of the text (its value's closing quote included), from its start.
LPCWSTR FindMarkupDeclaredEncoding(LPCWSTR pBegin, LPCWSTR pEnd, LPCWSTR* ppAttribute) {
  static const WCHAR kDeclaration[] = L"<?xml";
  if (pEnd - pBegin < 6 || wcsncmp(pBegin, kDeclaration, 5) != 0 || !iswspace(pBegin[5]))
    return nullptr;
  LPCWSTR pClose = pBegin + 5;
  while (pClose + 1 < pEnd && !(pClose[0] == L'?' && pClose[1] == L'>')) ++pClose;
  for (LPCWSTR p = pBegin + 5; p + 8 <= pClose; ++p) {
    if (!iswspace(p[-1]) || wcsncmp(p, L"encoding", 8) != 0) continue;
    LPCWSTR q = p + 8;
    while (q < pClose && iswspace(*q)) ++q;
    if (q == pClose || *q++ != L'=') return nullptr;
    while (q < pClose && iswspace(*q)) ++q;
    if (q == pClose || (*q != L'"' && *q != L'\'')) return nullptr;
    const WCHAR chQuote = *q++;
    while (q < pClose && *q != chQuote) ++q;
    if (q == pClose) return nullptr;
    *ppAttribute = p;
    return q + 1;
  }
  return nullptr;
}

IStream* CreateMarkupWideStream(const CStringW& text) {
  const size_t nBytes = 2 + text.GetLength() * sizeof(WCHAR);
  HGLOBAL hMemory = GlobalAlloc(GMEM_MOVEABLE, nBytes);
  if (hMemory == nullptr) return nullptr;
  BYTE* pBytes = static_cast<BYTE*>(GlobalLock(hMemory));
  pBytes[0] = 0xFF;
  pBytes[1] = 0xFE;
  memcpy(pBytes + 2, text.GetString(), text.GetLength() * sizeof(WCHAR));
  GlobalUnlock(hMemory);
  IStream* pStream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(hMemory, TRUE, &pStream))) {
    GlobalFree(hMemory);
    return nullptr;
  }
  return pStream;
}
