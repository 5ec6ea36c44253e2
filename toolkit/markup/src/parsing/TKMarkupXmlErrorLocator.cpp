// The place of an XML error. The text is decoded as the parser decodes it,
// its encoding declaration blanked (it is wide text now), and given to expat
// as UTF-8; lines and columns then count the characters the user wrote.
#include "TKMarkupXmlErrorLocator.h"

#include <expat.h>

#include <vector>

#include "TKMarkupXml.h"

namespace {

CStringA WideToUtf8(const CStringW& text) {
  CStringA utf8;
  const int nChars = text.GetLength();
  if (nChars == 0) return utf8;
  const int nBytes = WideCharToMultiByte(CP_UTF8, 0, text, nChars, nullptr, 0, nullptr, nullptr);
  if (nBytes <= 0) return utf8;
  WideCharToMultiByte(CP_UTF8, 0, text, nChars, utf8.GetBuffer(nBytes), nBytes, nullptr, nullptr);
  utf8.ReleaseBuffer(nBytes);
  return utf8;
}

// The start of line nLine (from 1) of the text, lines ending as the XML
// reader ends them: CR LF, CR or LF.
int FindLineStart(const CStringW& text, long nLine) {
  int nPos = 0;
  for (long n = 1; n < nLine && nPos < text.GetLength(); ++n) {
    while (nPos < text.GetLength() && text[nPos] != L'\r' && text[nPos] != L'\n') ++nPos;
    if (nPos == text.GetLength()) break;
    const bool bReturn = text[nPos++] == L'\r';
    if (bReturn && nPos < text.GetLength() && text[nPos] == L'\n') ++nPos;
  }
  return nPos;
}

CStringW LineAt(const CStringW& text, long nLine) {
  const int nStart = FindLineStart(text, nLine);
  int nEnd = nStart;
  while (nEnd < text.GetLength() && text[nEnd] != L'\r' && text[nEnd] != L'\n') ++nEnd;
  return text.Mid(nStart, nEnd - nStart);
}

// Characters from the start of the line holding byte nIndex of the UTF-8
// text to that byte.
long CharactersBefore(const CStringA& utf8, XML_Index nIndex) {
  if (nIndex < 0 || nIndex > utf8.GetLength()) return 0;
  int nStart = static_cast<int>(nIndex);
  while (nStart > 0 && utf8[nStart - 1] != '\r' && utf8[nStart - 1] != '\n') --nStart;
  long nCount = 0;
  for (int i = nStart; i < nIndex; ++i)
    if ((static_cast<BYTE>(utf8[i]) & 0xC0) != 0x80) ++nCount;
  return nCount;
}

}  // namespace

BOOL LocateMarkupXmlError(IStream* pStream, TK_MARKUP_XML_ERROR_PLACE* pPlace) {
  std::vector<BYTE> bytes;
  CStringW text;
  if (pStream == nullptr || !ReadMarkupStream(pStream, &bytes) ||
      !ConvertMarkupBytesToWide(bytes.data(), bytes.size(), &text))
    return FALSE;
  LPCWSTR pBegin = text.GetString();
  LPCWSTR pAttribute = nullptr;
  LPCWSTR pAttributeEnd = FindMarkupDeclaredEncoding(pBegin, pBegin + text.GetLength(), &pAttribute);
  CStringW decoded = text;
  if (pAttributeEnd != nullptr) {
    for (int i = static_cast<int>(pAttribute - pBegin); i < pAttributeEnd - pBegin; ++i)
      decoded.SetAt(i, L' ');
  }
  const CStringA utf8 = WideToUtf8(decoded);

  XML_Parser parser = XML_ParserCreateNS("UTF-8", '\x01');
  if (parser == nullptr) return FALSE;
  const BOOL bFailed = XML_Parse(parser, utf8.GetString(), utf8.GetLength(), XML_TRUE) ==
                       XML_STATUS_ERROR;
  if (bFailed) {
    pPlace->strReason = CStringW(XML_ErrorString(XML_GetErrorCode(parser)));
    pPlace->nLine = static_cast<long>(XML_GetCurrentLineNumber(parser));
    pPlace->nLinePos = CharactersBefore(utf8, XML_GetCurrentByteIndex(parser)) + 1;
    pPlace->strSource = LineAt(decoded, pPlace->nLine);
  }
  XML_ParserFree(parser);
  return bFailed;
}
