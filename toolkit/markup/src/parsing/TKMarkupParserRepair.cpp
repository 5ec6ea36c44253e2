// CTKMarkupParser: the second reading of markup that uses the prefix x
// without declaring it.
#include "markup/TKMarkupParser.h"

#include "TKMarkupXml.h"

#include <vector>

namespace {

const WCHAR kXamlNamespace[] = L" xmlns:x='http://schemas.microsoft.com/winfx/2006/xaml'";

bool ReadWholeStream(IStream* pStream, std::vector<BYTE>* pBytes) {
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

IStream* StreamOfWideText(const CStringW& text) {
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

}  // namespace

IStream* CTKMarkupParser::CreateNamespaceRepair(IStream* pStream) {
  std::vector<BYTE> bytes;
  if (pStream == nullptr || !ReadWholeStream(pStream, &bytes)) return nullptr;
  CStringW text;
  if (!ConvertMarkupBytesToWide(bytes.data(), bytes.size(), &text)) return nullptr;

  // The root element's name ends at the first blank, ">" or "/" after the
  // first "<" that does not open the XML declaration.
  int nStart = text.Find(L'<');
  if (nStart >= 0 && text.Mid(nStart, 2) == L"<?") nStart = text.Find(L'<', nStart + 1);
  if (nStart < 0) return nullptr;
  int nEnd = nStart + 1;
  while (nEnd < text.GetLength() && !iswspace(text[nEnd]) && text[nEnd] != L'>' &&
         text[nEnd] != L'/')
    ++nEnd;
  if (nEnd >= text.GetLength()) return nullptr;

  CStringW repaired = text.Left(nEnd) + kXamlNamespace + text.Mid(nEnd);
  return StreamOfWideText(repaired);
}
