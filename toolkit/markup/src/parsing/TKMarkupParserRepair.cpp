// CTKMarkupParser: the second reading of markup that uses the prefix x
// without declaring it.
#include "markup/TKMarkupParser.h"

#include "TKMarkupXml.h"

#include <vector>

namespace {

const WCHAR kXamlNamespace[] = L" xmlns:x='http://schemas.microsoft.com/winfx/2006/xaml'";

}  // namespace

IStream* CTKMarkupParser::CreateNamespaceRepair(IStream* pStream) {
  std::vector<BYTE> bytes;
  if (pStream == nullptr || !ReadMarkupStream(pStream, &bytes)) return nullptr;
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
  return CreateMarkupWideStream(repaired);
}
