// CTKMarkupParser: loading markup through the XML DOM and describing failures.
#include "markup/TKMarkupParser.h"

#include "TKMarkupMessageText.h"
#include "TKMarkupXml.h"
#include "TKMarkupXmlErrorLocator.h"

#include <ctype.h>
#include <string.h>
#include <wctype.h>

CTKMarkupParser::CTKMarkupParser()
    : m_pComInit(new HRESULT(CoInitialize(nullptr))),
      m_pDocument(nullptr),
      m_hrError(S_OK),
      m_bParseError(FALSE),
      m_nLine(0),
      m_nLinePos(0),
      m_bstrReason(nullptr),
      m_bstrSource(nullptr),
      m_bRetrying(FALSE) {}

CTKMarkupParser::~CTKMarkupParser() {
  if (m_pDocument != nullptr) m_pDocument->Release();
  ClearError();
  if (*m_pComInit == S_OK || *m_pComInit == S_FALSE) CoUninitialize();
  delete m_pComInit;
}

IXMLDOMDocument* CTKMarkupParser::GetDocument() const {
  if (m_pDocument != nullptr) m_pDocument->AddRef();
  return m_pDocument;
}

void CTKMarkupParser::ClearError() {
  m_hrError = S_OK;
  m_bParseError = FALSE;
  m_nLine = 0;
  m_nLinePos = 0;
  SysFreeString(m_bstrReason);
  m_bstrReason = nullptr;
  SysFreeString(m_bstrSource);
  m_bstrSource = nullptr;
}

void CTKMarkupParser::SetError(HRESULT hr) {
  ClearError();
  m_hrError = hr;
  m_bstrReason = CStringW(FormatComError(hr)).AllocSysString();
}

BOOL CTKMarkupParser::LoadBuffer(const BYTE* pBegin, const BYTE* pEnd) {
  if (pBegin == nullptr || pEnd <= pBegin) return FALSE;
  // A UTF-8 byte-order mark stays in front of the text for the XML reader.
  static const BYTE kUtf8Bom[] = {0xEF, 0xBB, 0xBF};
  size_t nBom = 0;
  if (pEnd - pBegin >= 3 && memcmp(pBegin, kUtf8Bom, 3) == 0) nBom = 3;
  const BYTE* p = pBegin + nBom;
  while (p < pEnd && isspace(*p)) ++p;
  if (p == pEnd || *p != '<') return FALSE;
  const TK_MARKUP_TEXT_PIECE pieces[] = {{kUtf8Bom, nBom}, {p, static_cast<size_t>(pEnd - p)}};
  return LoadPieces(pieces, 2);
}

BOOL CTKMarkupParser::LoadString(LPCWSTR pBegin, LPCWSTR pEnd) {
  if (pBegin == nullptr || pEnd <= pBegin) return FALSE;
  LPCWSTR p = pBegin;
  while (p < pEnd && iswspace(*p)) ++p;
  if (p == pEnd || *p != L'<') return FALSE;
  static const BYTE kUtf16Bom[] = {0xFF, 0xFE};
  // The text is UTF-16 already, whatever 8-bit encoding its declaration
  // names; the reader would take the name over the byte-order mark. The
  // name is blanked out, so lines and columns stay where they were.
  LPCWSTR pAttribute = nullptr;
  LPCWSTR pAttributeEnd = FindMarkupDeclaredEncoding(p, pEnd, &pAttribute);
  if (pAttributeEnd == nullptr) {
    const TK_MARKUP_TEXT_PIECE pieces[] = {{kUtf16Bom, sizeof(kUtf16Bom)},
                                           {p, (pEnd - p) * sizeof(WCHAR)}};
    return LoadPieces(pieces, 2);
  }
  const CStringW blanks(L' ', static_cast<int>(pAttributeEnd - pAttribute));
  const TK_MARKUP_TEXT_PIECE pieces[] = {{kUtf16Bom, sizeof(kUtf16Bom)},
                                         {p, (pAttribute - p) * sizeof(WCHAR)},
                                         {blanks.GetString(), blanks.GetLength() * sizeof(WCHAR)},
                                         {pAttributeEnd, (pEnd - pAttributeEnd) * sizeof(WCHAR)}};
  return LoadPieces(pieces, 4);
}

BOOL CTKMarkupParser::LoadPieces(const TK_MARKUP_TEXT_PIECE* pPieces, int nPieces) {
  size_t nTotal = 0;
  for (int i = 0; i < nPieces; ++i) nTotal += pPieces[i].nBytes;
  if (nTotal == 0) return FALSE;
  HGLOBAL hMemory = GlobalAlloc(GMEM_MOVEABLE, nTotal);
  if (hMemory == nullptr) {
    const DWORD dwError = GetLastError();
    SetError(static_cast<HRESULT>(dwError) > 0 ? HRESULT_FROM_WIN32(dwError)
                                               : static_cast<HRESULT>(dwError));
    return FALSE;
  }
  BYTE* pBytes = static_cast<BYTE*>(GlobalLock(hMemory));
  for (int i = 0; i < nPieces; ++i) {
    memcpy(pBytes, pPieces[i].pBytes, pPieces[i].nBytes);
    pBytes += pPieces[i].nBytes;
  }
  GlobalUnlock(hMemory);
  IStream* pStream = nullptr;
  HRESULT hr = CreateStreamOnHGlobal(hMemory, TRUE, &pStream);
  if (FAILED(hr)) {
    GlobalFree(hMemory);
    SetError(hr);
    return FALSE;
  }
  BOOL bLoaded = LoadStream(pStream);
  pStream->Release();
  return bLoaded;
}

BOOL CTKMarkupParser::LoadStream(IStream* pStream) {
  if (m_pDocument != nullptr) {
    m_pDocument->Release();
    m_pDocument = nullptr;
  }
  ClearError();
  if (pStream == nullptr) return FALSE;

  IXMLDOMDocument* pDocument = nullptr;
  HRESULT hr = CreateMarkupXmlDocument(&pDocument);
  if (FAILED(hr)) {
    SetError(hr);
  } else {
    VARIANT source;
    VariantInit(&source);
    V_VT(&source) = VT_UNKNOWN;
    V_UNKNOWN(&source) = pStream;
    VARIANT_BOOL bSuccess = VARIANT_FALSE;
    HRESULT hrLoad = pDocument->load(source, &bSuccess);
    if (SUCCEEDED(hrLoad) && bSuccess == VARIANT_TRUE) {
      m_pDocument = pDocument;
      return TRUE;
    }
    RecordLoadFailure(pDocument, hrLoad);
    pDocument->Release();
  }

  // Markup often writes x:Name or x:Key without declaring the prefix; such a
  // text is read once more with the declaration added to its root.
  const bool bUndeclaredX = m_hrError == static_cast<HRESULT>(0xC00CE01D) &&
                            m_bstrReason != nullptr && wcsstr(m_bstrReason, L"'x'") != nullptr;
  if (!m_bRetrying && bUndeclaredX) {
    if (IStream* pRepaired = CreateNamespaceRepair(pStream)) {
      m_bRetrying = TRUE;
      BOOL bLoaded = LoadStream(pRepaired);
      m_bRetrying = FALSE;
      pRepaired->Release();
      return bLoaded;
    }
  }
  FillMissingErrorPlace(pStream);
  return FALSE;
}

void CTKMarkupParser::FillMissingErrorPlace(IStream* pStream) {
  // Some XML DOMs report a parse error as a bare "error" at 0:0; a second
  // reader then finds its reason and place, so the user can mend the text.
  if (!m_bParseError || m_nLine > 0) return;
  TK_MARKUP_XML_ERROR_PLACE place;
  if (!LocateMarkupXmlError(pStream, &place)) return;
  m_nLine = place.nLine;
  m_nLinePos = place.nLinePos;
  SysFreeString(m_bstrReason);
  m_bstrReason = place.strReason.AllocSysString();
  SysFreeString(m_bstrSource);
  m_bstrSource = place.strSource.AllocSysString();
}

void CTKMarkupParser::RecordLoadFailure(IXMLDOMDocument* pDocument, HRESULT hrLoad) {
  IXMLDOMParseError* pError = nullptr;
  HRESULT hr = pDocument->get_parseError(&pError);
  if (FAILED(hr)) {
    SetError(hr);
    return;
  }
  if (pError == nullptr) return;
  long nCode = 0;
  pError->get_errorCode(&nCode);
  if (nCode >= 0 && hrLoad != S_OK) {
    SetError(hrLoad);
  } else {
    m_hrError = nCode;
    m_bParseError = TRUE;
    pError->get_line(&m_nLine);
    pError->get_linepos(&m_nLinePos);
    pError->get_reason(&m_bstrReason);
    pError->get_srcText(&m_bstrSource);
  }
  pError->Release();
}

namespace {

// Messages are one line: line breaks inside the reader's texts are dropped.
CString OneLine(BSTR bstrText, LPCSTR lpszIfEmpty) {
  CString text = MarkupMessageText(bstrText != nullptr ? bstrText : L"");
  text.Remove('\r');
  text.Remove('\n');
  return text.IsEmpty() ? CString(lpszIfEmpty) : text;
}

}  // namespace

CString CTKMarkupParser::GetErrorText() const {
  CString text;
  if (m_hrError >= 0) {
    text = "No Error";
  } else if (m_bParseError) {
    text.Format("XML Error [0x%08X] '", static_cast<unsigned>(m_hrError));
    text += OneLine(m_bstrReason, "{reason unknown}");
    text.AppendFormat("' at %i:%i '", static_cast<int>(m_nLine), static_cast<int>(m_nLinePos));
    text += OneLine(m_bstrSource, "{source unknown}") + "'";
  } else {
    text = MarkupMessageText(m_bstrReason != nullptr ? m_bstrReason : L"");
  }
  return text;
}

CString CTKMarkupParser::FormatComError(HRESULT hr) {
  CString text;
  LPSTR lpszMessage = nullptr;
  DWORD nLength = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<LPSTR>(&lpszMessage), 0, nullptr);
  if (nLength != 0 && lpszMessage != nullptr) {
    text = lpszMessage;
    if (text.Right(2) == "\r\n")
      text = text.Left(text.GetLength() - 2);
    else if (text.Right(1) == "\n")
      text = text.Left(text.GetLength() - 1);
  } else if (static_cast<DWORD>(hr) >= 0x80040200 && static_cast<DWORD>(hr) <= 0x8004FFFF) {
    text.Format("IDispatch error #%d", static_cast<int>(static_cast<DWORD>(hr) - 0x80040200));
  } else {
    text.Format("Unknown error 0x%0lX", static_cast<unsigned long>(hr));
  }
  if (lpszMessage != nullptr) LocalFree(lpszMessage);
  return text;
}
