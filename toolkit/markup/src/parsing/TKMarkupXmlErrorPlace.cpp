// Where a text that the XML DOM refused goes wrong. Some readers of the DOM
// (the one Wine ships) say only that loading failed; the system's pull
// reader then reads the same bytes again to find the reason and the place.
#include "TKMarkupXml.h"

#include <xmllite.h>

namespace {

typedef HRESULT(WINAPI* PFN_CREATE_XML_READER)(REFIID, void**, IMalloc*);

const IID kIID_IXmlReader = {
    0x7279FC81, 0x709D, 0x4095, {0xB6, 0x3D, 0x69, 0xFE, 0x4B, 0x0D, 0x90, 0x30}};

PFN_CREATE_XML_READER XmlReaderFactory() {
  // Loaded once from the system folder only, and kept.
  static PFN_CREATE_XML_READER pfnCreate = [] {
    HMODULE hModule = LoadLibraryExW(L"xmllite.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (hModule == nullptr) hModule = LoadLibraryW(L"xmllite.dll");
    return hModule != nullptr
               ? reinterpret_cast<PFN_CREATE_XML_READER>(GetProcAddress(hModule, "CreateXmlReader"))
               : nullptr;
  }();
  return pfnCreate;
}

struct ReasonText {
  DWORD dwCode;
  LPCWSTR lpszReason;
};

// The reader's own codes carry no text of the system's; these are the ones
// markup meets.
const ReasonText kReasons[] = {
    {0xC00CEE01, L"Unexpected end of input"},
    {0xC00CEE02, L"Unrecognized encoding"},
    {0xC00CEE03, L"Unable to switch the encoding"},
    {0xC00CEE04, L"Unrecognized input signature"},
    {0xC00CEE21, L"Whitespace expected"},
    {0xC00CEE22, L"Semicolon expected"},
    {0xC00CEE23, L"'>' expected"},
    {0xC00CEE24, L"Quote expected"},
    {0xC00CEE25, L"Equal expected"},
    {0xC00CEE26, L"Well-formedness constraint: no '<' in attribute value"},
    {0xC00CEE27, L"Hexadecimal digit expected"},
    {0xC00CEE28, L"Decimal digit expected"},
    {0xC00CEE2B, L"Invalid xml character"},
    {0xC00CEE2C, L"Invalid name character"},
    {0xC00CEE2D, L"Syntax error"},
    {0xC00CEE2E, L"Invalid CDATA section"},
    {0xC00CEE2F, L"Invalid comment"},
    {0xC00CEE32, L"Invalid document type declaration"},
    {0xC00CEE34, L"Invalid entity declaration"},
    {0xC00CEE39, L"Name expected"},
    {0xC00CEE3A, L"Only one root element is allowed"},
    {0xC00CEE3B, L"End tag does not match the start tag"},
    {0xC00CEE3C, L"Duplicate attribute"},
    {0xC00CEE3E, L"The xml declaration is only allowed at the start of the document"},
    {0xC00CEE40, L"Invalid xml declaration"},
    {0xC00CEE41, L"Invalid encoding name"},
    {0xC00CEE45, L"Recursive entity reference"},
    {0xC00CEE47, L"Reference to an undeclared entity"},
    {0xC00CEE4A, L"Invalid processing instruction"},
    {0xC00CEE4F, L"Document type definitions are not allowed"},
    {0xC00CEE64, L"Duplicate namespace declaration"},
    {0xC00CEE65, L"Use of an undeclared namespace prefix"},
    {0xC00CEE82, L"Too many entity expansions"},
};

CStringW ReasonOf(HRESULT hr) {
  for (const ReasonText& reason : kReasons) {
    if (reason.dwCode == static_cast<DWORD>(hr)) return reason.lpszReason;
  }
  CStringW text;
  text.Format(L"XML reader error 0x%08X", static_cast<unsigned>(hr));
  return text;
}

// The text of line `nLine` (from 1), without its line end.
CStringW LineOf(const CStringW& text, long nLine) {
  int nStart = 0;
  for (long n = 1; n < nLine && nStart >= 0; ++n) {
    nStart = text.Find(L'\n', nStart);
    if (nStart >= 0) ++nStart;
  }
  if (nStart < 0) return CStringW();
  if (nStart == 0 && text.GetLength() > 0 && text[0] == 0xFEFF) nStart = 1;
  int nEnd = text.Find(L'\n', nStart);
  if (nEnd < 0) nEnd = text.GetLength();
  return text.Mid(nStart, nEnd - nStart);
}

// The pull reader gets the text decoded as the repair decodes it, as UTF-16
// with the declared encoding blanked out: it knows fewer encodings than the
// DOM, and must not fail on a name where the DOM failed on the markup.
IStream* DecodedStream(IStream* pStream, CStringW* pText) {
  std::vector<BYTE> bytes;
  // Some pull readers take time in the square of a token's length; a long
  // text keeps the DOM's own account of its failure instead.
  const size_t kMaxBytes = 32768;
  if (!ReadMarkupStream(pStream, &bytes) || bytes.size() > kMaxBytes ||
      !ConvertMarkupBytesToWide(bytes.data(), bytes.size(), pText))
    return nullptr;
  CStringW decoded = *pText;
  LPCWSTR pBegin = decoded.GetString();
  if (*pBegin == 0xFEFF) ++pBegin;
  LPCWSTR pAttribute = nullptr;
  if (LPCWSTR pAttributeEnd =
          FindMarkupDeclaredEncoding(pBegin, pBegin + wcslen(pBegin), &pAttribute)) {
    const int nFrom = static_cast<int>(pAttribute - decoded.GetString());
    for (int i = nFrom; i < nFrom + (pAttributeEnd - pAttribute); ++i) decoded.SetAt(i, L' ');
  }
  if (decoded.GetLength() > 0 && decoded[0] == 0xFEFF) decoded.Delete(0);
  return CreateMarkupWideStream(decoded);
}

}  // namespace

BOOL LocateMarkupXmlError(IStream* pStream, TK_MARKUP_XML_ERROR_PLACE* pPlace) {
  PFN_CREATE_XML_READER pfnCreate = XmlReaderFactory();
  if (pStream == nullptr || pfnCreate == nullptr) return FALSE;
  CStringW text;
  CTKComPtr<IStream> decoded;
  *&decoded = DecodedStream(pStream, &text);
  if (decoded == nullptr) return FALSE;
  CTKComPtr<IXmlReader> reader;
  if (FAILED(pfnCreate(kIID_IXmlReader, reinterpret_cast<void**>(&reader), nullptr))) return FALSE;
  // The second reading must not fetch what the first one did not.
  reader->SetProperty(XmlReaderProperty_XmlResolver, 0);
  reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Parse);
  HRESULT hr = reader->SetInput(decoded);
  XmlNodeType nodeType = XmlNodeType_None;
  while (hr == S_OK) hr = reader->Read(&nodeType);
  if (SUCCEEDED(hr)) return FALSE;  // it read the whole text: no place to give
  UINT nLine = 0, nPosition = 0;
  reader->GetLineNumber(&nLine);
  reader->GetLinePosition(&nPosition);
  pPlace->hrError = hr;
  pPlace->nLine = static_cast<long>(nLine);
  pPlace->nLinePos = static_cast<long>(nPosition);
  pPlace->reason = ReasonOf(hr);
  pPlace->source = LineOf(text, pPlace->nLine);
  return TRUE;
}
