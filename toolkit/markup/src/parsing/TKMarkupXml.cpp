// The XML DOM document of the markup parser, and the text conversion of the
// namespace repair.
#include "TKMarkupXml.h"

#include "common/TKResourceStream.h"

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
