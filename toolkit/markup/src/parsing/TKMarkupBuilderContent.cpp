// CTKMarkupBuilder: text content and its white-space normalisation.
#include "markup/TKMarkupBuilder.h"

#include "TKMarkupXml.h"
#include "TKMarkupString.h"

#include <wctype.h>

namespace {

// The white space of markup text: the run-time's white space below 128.
bool IsMarkupSpace(WCHAR ch) { return ch < 128 && iswspace(ch); }

bool IsAllSpace(const CStringW& text) {
  for (int i = 0; i < text.GetLength(); ++i) {
    if (!IsMarkupSpace(text[i])) return false;
  }
  return true;
}

bool HasSibling(IXMLDOMNode* pNode, bool bNext) {
  CTKComPtr<IXMLDOMNode> sibling;
  HRESULT hr = bNext ? pNode->get_nextSibling(sibling.ReleaseAndGetAddressOf())
                     : pNode->get_previousSibling(sibling.ReleaseAndGetAddressOf());
  return SUCCEEDED(hr) && sibling != nullptr;
}

// Runs of white space become one blank; white space at either end goes, but
// one blank stays where the text meets a neighbouring node, so that words on
// both sides of an inline element stay apart.
CStringW NormalizeSpace(LPCWSTR lpszText, int nLength, bool bPrevious, bool bNext) {
  CStringW result;
  bool bSpace = false;
  for (int i = 0; i < nLength; ++i) {
    if (IsMarkupSpace(lpszText[i])) {
      bSpace = true;
      continue;
    }
    if (bSpace && (!result.IsEmpty() || bPrevious)) result += L' ';
    bSpace = false;
    result += lpszText[i];
  }
  if (bSpace && (bNext || (result.IsEmpty() && bPrevious))) result += L' ';
  return result;
}

bool PreservesSpace(IXMLDOMElement* pElement) {
  VARIANT value;
  VariantInit(&value);
  bool bPreserve = SUCCEEDED(pElement->getAttribute(const_cast<BSTR>(L"xml:space"), &value)) &&
                   V_VT(&value) == VT_BSTR && V_BSTR(&value) != nullptr &&
                   wcscmp(V_BSTR(&value), L"preserve") == 0;
  VariantClear(&value);
  return bPreserve;
}

}  // namespace

void CTKMarkupBuilder::LoadContent(CTKMarkupObject* pObject, IXMLDOMElement* pElement,
                                   IXMLDOMNode* pNode, BOOL bVerbatim) {
  VARIANT raw;
  VariantInit(&raw);
  pNode->get_nodeValue(&raw);
  CStringW text;
  if (V_VT(&raw) == VT_BSTR && V_BSTR(&raw) != nullptr)
    text = CStringW(V_BSTR(&raw), static_cast<int>(SysStringLen(V_BSTR(&raw))));
  VariantClear(&raw);
  if (text.IsEmpty()) return;
  if (!bVerbatim && !PreservesSpace(pElement))
    text = NormalizeSpace(text.GetString(), text.GetLength(), HasSibling(pNode, false),
                          HasSibling(pNode, true));
  if (text.IsEmpty()) return;
  if (IsAllSpace(text)) {
    if (!pObject->HasContentObject() || !pObject->AllowWhiteSpaceContent()) return;
    text = L" ";
  }
  CTKMarkupAutoPtr<CTKMarkupString> content(
      CTKMarkupString::CreateValue(text.GetString(), text.GetLength()));
  if (content == nullptr)
    ThrowBuilderError("Failed to load '%ls' object content", pObject->GetTagName());
  pObject->SetContentObject(this, content);
  content->OnEndInit(this);
}
