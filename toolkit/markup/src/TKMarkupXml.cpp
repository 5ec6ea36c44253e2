// The XML DOM document of the markup parser, and the text conversion of the
// namespace repair.
#include "TKMarkupXml.h"

#include <string.h>

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

BOOL ConvertMarkupBytesToWide(const BYTE* pBytes, size_t nBytes, CStringW* pText) {
  pText->Empty();
  if (pBytes == nullptr || nBytes == 0) return FALSE;
  bool bWide = false;
  UINT nCodePage = CP_ACP;
  if (nBytes > 2 && pBytes[0] == 0xFF && pBytes[1] == 0xFE) {
    pBytes += 2;
    nBytes -= 2;
    bWide = true;
  } else if (nBytes > 3 && pBytes[0] == 0xEF && pBytes[1] == 0xBB && pBytes[2] == 0xBF) {
    pBytes += 3;
    nBytes -= 3;
    nCodePage = CP_UTF8;
  } else if (nBytes >= 2 && IsTextUnicode(pBytes, static_cast<int>(nBytes), nullptr)) {
    bWide = true;
  }
  if (bWide) {
    const size_t nChars = nBytes / 2;
    const WCHAR* pChars = reinterpret_cast<const WCHAR*>(pBytes);
    size_t nUsed = 0;
    while (nUsed < nChars && pChars[nUsed] != 0) ++nUsed;
    *pText = CStringW(pChars, static_cast<int>(nUsed));
    return TRUE;
  }
  size_t nUsed = 0;
  while (nUsed < nBytes && pBytes[nUsed] != 0) ++nUsed;
  if (nUsed == 0) return FALSE;
  const LPCSTR lpszBytes = reinterpret_cast<LPCSTR>(pBytes);
  int nChars = MultiByteToWideChar(nCodePage, 0, lpszBytes, static_cast<int>(nUsed), nullptr, 0);
  if (nChars <= 0) return FALSE;
  LPWSTR pBuffer = pText->GetBuffer(nChars);
  MultiByteToWideChar(nCodePage, 0, lpszBytes, static_cast<int>(nUsed), pBuffer, nChars);
  pText->ReleaseBuffer(nChars);
  return TRUE;
}
