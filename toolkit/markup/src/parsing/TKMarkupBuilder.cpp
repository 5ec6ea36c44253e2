// CTKMarkupBuilder: the markup syntax: elements, attributes, property
// elements and the conversions of attribute values.
#include "markup/TKMarkupBuilder.h"

#include "TKMarkupMessageText.h"
#include "TKMarkupXml.h"
#include "TKMarkupScriptCheck.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "markup/TKMarkupInputElement.h"
#include "TKMarkupResourceDictionary.h"
#include "TKMarkupStaticExtension.h"
#include "TKMarkupSystemColors.h"
#include "TKMarkupObjectProperty.h"
#include "markup/TKMarkupParser.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

#include <string.h>

namespace {

// Names with a prefix are read only for the prefixes x and tk (and t, a
// shorter beginning of tk); elements of other namespaces are skipped and
// their attributes ignored.
bool IsAcceptedName(LPCWSTR lpszName) {
  LPCWSTR lpszColon = wcschr(lpszName, L':');
  if (lpszColon == nullptr) return true;
  const size_t nPrefix = lpszColon - lpszName;
  if (nPrefix == 1 && lpszName[0] == L'x') return true;
  return nPrefix >= 1 && nPrefix <= 2 && wcsncmp(lpszName, L"tk", nPrefix) == 0;
}

bool IsIgnoredAttribute(LPCWSTR lpszName) {
  return wcscmp(lpszName, L"xmlns") == 0 || wcsncmp(lpszName, L"xmlns:", 6) == 0 ||
         wcscmp(lpszName, L"xml:space") == 0 || !IsAcceptedName(lpszName);
}

// Pops the build stack however the reading of an element ends.
class CStackEntry {
 public:
  CStackEntry(std::vector<CTKMarkupObject*>& stack, CTKMarkupObject* pObject) : m_stack(stack) {
    m_stack.push_back(pObject);
  }
  ~CStackEntry() { m_stack.pop_back(); }

 private:
  std::vector<CTKMarkupObject*>& m_stack;
};

}  // namespace

CTKMarkupBuilder::CTKMarkupBuilder(CTKMarkupContext* pContext)
    : m_pComInit(new HRESULT(CoInitialize(nullptr))),
      m_pContext(pContext),
      m_nScriptMode(pContext != nullptr && pContext->AreScriptsEnabled() ? scriptsRun
                                                                          : scriptsOff),
      m_pScriptCheck(nullptr) {}

CTKMarkupBuilder::~CTKMarkupBuilder() {
  delete m_pScriptCheck;
  if (*m_pComInit == S_OK || *m_pComInit == S_FALSE) CoUninitialize();
  delete m_pComInit;
}

CTKMarkupObject* CTKMarkupBuilder::Parse(CTKMarkupParser* pParser) {
  m_strError.Empty();
  CTKComPtr<IXMLDOMDocument> document;
  if (pParser != nullptr) document.Attach(pParser->GetDocument());
  if (document == nullptr) {
    if (pParser != nullptr && pParser->GetErrorCode() != 0) m_strError = pParser->GetErrorText();
    return nullptr;
  }

  CTKMarkupAutoPtr<> root;
  try {
    // A new tree starts without the scripts of the previous one.
    if (RunsScripts() && m_pContext != nullptr) m_pContext->CloseScripts();
    delete m_pScriptCheck;
    m_pScriptCheck = m_nScriptMode == scriptsChecked ? new CTKMarkupScriptCheck : nullptr;
    CTKComPtr<IXMLDOMElement> rootElement;
    document->get_documentElement(rootElement.ReleaseAndGetAddressOf());
    if (rootElement != nullptr) root.Assign(LoadObject(nullptr, rootElement.Get()));
    if (!MarkupDynamicCast(TKMarkupTypeRow(TKMarkupRow_UIElement), root))
      ThrowBuilderError("Root element have to be 'CTKMarkupUIElement' type");
    CTKMarkupInputElement::UpdateStylesOfTree(root);
    if (RunsScripts() && m_pContext != nullptr) {
      m_pContext->AddNamedItems(this, root);
      m_pContext->RunScripts(this);
    }
    if (m_pScriptCheck != nullptr) m_pScriptCheck->CompileScripts();
  } catch (CTKMarkupBuilderException* e) {
    m_strError = e->GetMessage();
    e->Delete();
    CloseScriptsOfFailedBuild();
    root.Assign(nullptr);
  } catch (COleException* e) {
    m_strError.Format("COM Error [0x%08X]: %s", static_cast<unsigned>(e->m_sc),
                      CTKMarkupParser::FormatComError(e->m_sc).GetString());
    e->Delete();
    CloseScriptsOfFailedBuild();
    root.Assign(nullptr);
  }
  return root.Detach();
}

// A failed tree is released, so nothing may run on: not the scripts it
// queued, nor the timeouts a first script armed before a later one failed.
void CTKMarkupBuilder::CloseScriptsOfFailedBuild() {
  if (RunsScripts() && m_pContext != nullptr) m_pContext->CloseScripts();
}

CTKMarkupObject* CTKMarkupBuilder::LoadObject(CTKMarkupObject* pParent, IXMLDOMElement* pElement) {
  CTKBstr tag;
  pElement->get_tagName(&tag);
  if (!IsAcceptedName(tag.Text())) return nullptr;
  // The reading recurses once per level; a hostile text must not exhaust the
  // stack.
  if (GetStackDepth() >= kMaxNesting)
    ThrowBuilderError("Markup elements are nested more than 256 levels deep");

  CTKMarkupAutoPtr<> object(CreateObjectFromTag(pParent, tag.Text()));
  if (object == nullptr)
    ThrowBuilderError("The tag '%ls' does not exist in XML namespace", tag.Text());
  object->SetTagName(tag.Text());
  object->SetSourceElement(pElement);

  CStackEntry entry(m_stack, object);
  LoadAttributes(object, pElement);
  LoadChildren(object, pElement);
  object->OnEndInit(this);
  return object.Detach();
}

CTKMarkupObject* CTKMarkupBuilder::CreateObjectFromTag(CTKMarkupObject* pParent, LPCWSTR lpszTag) {
  LPCWSTR lpszDot = wcschr(lpszTag, L'.');
  if (lpszDot == nullptr) {
    CTKMarkupType* pType = FindMarkupType(lpszTag);
    return pType != nullptr && m_pContext != nullptr ? m_pContext->CreateMarkupObject(pType)
                                                     : nullptr;
  }

  // A property element: Owner.Property, read as the value of the parent's property.
  if (pParent == nullptr) return nullptr;
  const CStringW owner(lpszTag, static_cast<int>(lpszDot - lpszTag));
  CTKMarkupDependencyProperty* pProperty = FindMarkupProperty(FindMarkupType(owner), lpszDot + 1);
  if (pProperty == nullptr) return nullptr;
  bool bOwnerMatches = false;
  for (CTKMarkupObject* pObject = pParent; pObject != nullptr && !bOwnerMatches;
       pObject = pProperty->IsAttached() ? pObject->GetParent() : nullptr) {
    LPCWSTR lpszObjectTag = pObject->GetTagName();
    bOwnerMatches = lpszObjectTag != nullptr && owner == lpszObjectTag;
  }
  if (!bOwnerMatches) ThrowBuilderError("Invalid use of dependency property %ls", lpszTag);
  return new CTKMarkupObjectProperty(pProperty);
}

void CTKMarkupBuilder::LoadAttributes(CTKMarkupObject* pObject, IXMLDOMElement* pElement) {
  CTKComPtr<IXMLDOMNamedNodeMap> attributes;
  if (FAILED(pElement->get_attributes(attributes.ReleaseAndGetAddressOf())) ||
      attributes == nullptr)
    return;
  long nCount = 0;
  attributes->get_length(&nCount);
  for (long i = 0; i < nCount; ++i) {
    CTKComPtr<IXMLDOMNode> attribute;
    if (FAILED(attributes->get_item(i, attribute.ReleaseAndGetAddressOf())) || attribute == nullptr)
      continue;
    CTKBstr name;
    attribute->get_nodeName(&name);
    if (IsIgnoredAttribute(name.Text())) continue;
    CTKBstr value;
    attribute->get_text(&value);
    LoadAttribute(pObject, name.Text(), value.Text());
  }
}

void CTKMarkupBuilder::LoadAttribute(CTKMarkupObject* pObject, LPCWSTR lpszName,
                                     LPCWSTR lpszValue) {
  const CTKMarkupType* pOwnerType = pObject->GetType();
  LPCWSTR lpszProperty = lpszName;
  if (LPCWSTR lpszDot = wcschr(lpszName, L'.')) {
    pOwnerType = FindMarkupType(CStringW(lpszName, static_cast<int>(lpszDot - lpszName)));
    lpszProperty = lpszDot + 1;
  }
  CTKMarkupDependencyProperty* pProperty = FindMarkupProperty(pOwnerType, lpszProperty);
  if (pProperty == nullptr)
    ThrowBuilderError("The property '%ls' does not exist in XML namespace", lpszName);

  CTKMarkupAutoPtr<> value;
  bool bPlainString = false;
  bool bExtension = false;
  if (lpszValue[0] == L'{' && lpszValue[1] != L'}') {
    // Only {x:Null} gives no object: the property is then cleared.
    value.Assign(ProvideMarkupExtension(lpszValue + 1));
    bExtension = true;
  } else if (lpszValue[0] == L'{') {
    lpszValue += 2;  // "{}" escapes a text that starts with a brace
  }
  if (value == nullptr && !bExtension) {
    value.Assign(CTKMarkupString::CreateValue(lpszValue));
    bPlainString = true;
  }
  pObject->SetPropertyObject(this, pProperty, value);
  if (bPlainString) value->OnEndInit(this);
}

void CTKMarkupBuilder::LoadChildren(CTKMarkupObject* pObject, IXMLDOMElement* pElement) {
  CTKComPtr<IXMLDOMNode> node;
  pElement->get_firstChild(node.ReleaseAndGetAddressOf());
  while (node != nullptr) {
    DOMNodeType nodeType = NODE_INVALID;
    node->get_nodeType(&nodeType);
    if (nodeType == NODE_ELEMENT) {
      CTKComPtr<IXMLDOMElement> child;
      if (SUCCEEDED(node->QueryInterface(kIID_IXMLDOMElement,
                                         reinterpret_cast<void**>(child.ReleaseAndGetAddressOf()))))
        LoadChild(pObject, child.Get());
    } else if (nodeType == NODE_TEXT || nodeType == NODE_CDATA_SECTION) {
      LoadContent(pObject, pElement, node.Get(), nodeType == NODE_CDATA_SECTION);
    }
    CTKComPtr<IXMLDOMNode> next;
    node->get_nextSibling(next.ReleaseAndGetAddressOf());
    node = std::move(next);
  }
}

void CTKMarkupBuilder::LoadChild(CTKMarkupObject* pParent, IXMLDOMElement* pElement) {
  CTKMarkupAutoPtr<> child(LoadObject(pParent, pElement));
  if (child == nullptr) return;
  if (CTKMarkupObjectProperty* pPropertyElement = MarkupCast<CTKMarkupObjectProperty>(child)) {
    CTKMarkupDependencyProperty* pProperty = pPropertyElement->GetProperty();
    if (pPropertyElement->GetPropertyValue() == nullptr)
      ThrowBuilderError("'%ls' property does not have a value", pProperty->GetName());
    pParent->SetPropertyObject(this, pProperty, pPropertyElement->GetPropertyValue());
  } else if (CTKMarkupExtension* pExtension = MarkupCast<CTKMarkupExtension>(child)) {
    pParent->AddMarkupExtension(pExtension);
  } else {
    pParent->SetContentObject(this, child);
  }
}

CTKMarkupObject* CTKMarkupBuilder::ConvertValue(CTKMarkupDependencyProperty* pProperty,
                                                CTKMarkupObject* pValue) {
  CTKMarkupPropertyMetadata* pMetadata = pProperty->GetMetadata();
  if (pMetadata != nullptr && pMetadata->GetConverter() != nullptr) {
    if (CTKMarkupObject* pConverted = pMetadata->GetConverter()(this, pValue, pProperty))
      return pConverted;
  }
  CTKMarkupType* pValueType = pProperty->GetValueType();
  CTKMarkupAutoPtr<> converter(m_pContext != nullptr ? m_pContext->CreateMarkupObject(pValueType)
                                                     : nullptr);
  if (converter != nullptr) {
    converter->SetConvertingProperty(pProperty);
    if (CTKMarkupObject* pConverted = converter->ConvertFrom(this, pValue)) return pConverted;
  }
  ThrowBuilderError("Cannot convert string in attribute '%ls' to object of type '%ls'",
                    pProperty->GetName(), pValueType->GetClassName());
}

namespace {

// Whether [pBegin, pEnd) starts with the keyword; the range is not
// terminated where it ends.
bool StartsWith(LPCWSTR pBegin, LPCWSTR pEnd, LPCWSTR lpszKeyword, size_t nKeyword) {
  return static_cast<size_t>(pEnd - pBegin) >= nKeyword &&
         wcsncmp(pBegin, lpszKeyword, nKeyword) == 0;
}

}  // namespace

CTKMarkupObject* CTKMarkupBuilder::ProvideMarkupExtension(LPCWSTR lpszExpression) {
  return ProvideExtension(lpszExpression, lpszExpression + wcslen(lpszExpression), 0);
}

// Nested expressions are read where they stand, without copies: an attribute
// of thousands of levels must cost what its length costs.
CTKMarkupObject* CTKMarkupBuilder::ProvideExtension(LPCWSTR pBegin, LPCWSTR pEnd, int nDepth) {
  if (nDepth >= kMaxNesting)
    ThrowBuilderError("Markup extensions are nested more than 256 levels deep");
  if (pEnd <= pBegin || pEnd[-1] != L'}')
    ThrowBuilderError("Markup extension expressions must end with '}'");
  --pEnd;
  // The keyword is compared with the one blank after it: a second blank is
  // part of the argument and makes it invalid.
  static const WCHAR kType[] = L"x:Type ";
  static const WCHAR kStatic[] = L"x:Static ";
  static const WCHAR kStaticResource[] = L"StaticResource ";
  static const WCHAR kDynamicResource[] = L"DynamicResource ";
  const size_t nType = wcslen(kType), nStatic = wcslen(kStatic);
  const size_t nStaticResource = wcslen(kStaticResource);
  const size_t nDynamicResource = wcslen(kDynamicResource);
  if (StartsWith(pBegin, pEnd, kType, nType)) {
    const CStringW tag(pBegin + nType, static_cast<int>(pEnd - pBegin - nType));
    CTKMarkupType* pType = FindMarkupType(tag);
    if (pType == nullptr) ThrowBuilderError("Cannot find type '%ls'", tag);
    pType->AddRef();
    return pType;
  }
  if (StartsWith(pBegin, pEnd, kStatic, nStatic)) {
    const CStringW name(pBegin + nStatic, static_cast<int>(pEnd - pBegin - nStatic));
    CTKMarkupObject* pValue =
        m_pContext != nullptr ? m_pContext->GetExtensionRoot()->Resolve(name) : nullptr;
    if (pValue == nullptr) ThrowBuilderError("Cannot find the static extension '%ls'", name);
    return pValue;
  }
  if (StartsWith(pBegin, pEnd, kStaticResource, nStaticResource))
    return ProvideResource(pBegin + nStaticResource, pEnd, nDepth);
  if (StartsWith(pBegin, pEnd, kDynamicResource, nDynamicResource))
    return ProvideResource(pBegin + nDynamicResource, pEnd, nDepth);
  static const WCHAR kNull[] = L"x:Null";
  if (pEnd - pBegin == static_cast<ptrdiff_t>(wcslen(kNull)) &&
      StartsWith(pBegin, pEnd, kNull, wcslen(kNull)))
    return nullptr;
  ThrowBuilderError("The tag '%ls' does not exist in XML namespace",
                    CStringW(pBegin, static_cast<int>(pEnd - pBegin)));
}

CTKMarkupObject* CTKMarkupBuilder::ProvideResource(LPCWSTR pKey, LPCWSTR pEnd, int nDepth) {
  while (pKey < pEnd && (*pKey == L'\r' || *pKey == L'\n' || *pKey == L' ')) ++pKey;
  CTKMarkupAutoPtr<> key;
  if (pKey < pEnd && pKey[0] == L'{' && (pKey + 1 == pEnd || pKey[1] != L'}')) {
    key.Assign(ProvideExtension(pKey + 1, pEnd, nDepth + 1));
  } else {
    if (pEnd - pKey >= 2 && pKey[0] == L'{') pKey += 2;
    key.Assign(CTKMarkupString::CreateValue(CStringW(pKey, static_cast<int>(pEnd - pKey))));
  }
  if (key == nullptr) ThrowResourceNotFound(pKey, pEnd);

  // The objects being read are not attached to their parents yet: search
  // each of them, innermost first.
  const CTKMarkupType* pFrameworkType = TKMarkupTypeRow(TKMarkupRow_FrameworkElement);
  const CTKMarkupType* pContentType = TKMarkupTypeRow(TKMarkupRow_FrameworkContentElement);
  const CTKMarkupType* pStyleType = TKMarkupTypeRow(TKMarkupRow_Style);
  for (int i = GetStackDepth() - 1; i >= 0; --i) {
    CTKMarkupObject* pObject = m_stack[i];
    CTKMarkupObject* pFound = nullptr;
    if (pObject->IsKindOf(pFrameworkType) || pObject->IsKindOf(pContentType) ||
        pObject->IsKindOf(pStyleType)) {
      pFound = FindMarkupResource(pObject, key);
    } else if (CTKMarkupObjectProperty* pPropertyElement =
                   MarkupCast<CTKMarkupObjectProperty>(pObject)) {
      pFound = FindMarkupResource(pPropertyElement->GetPropertyValue(), key);
    }
    if (pFound != nullptr) {
      pFound->AddRef();
      return pFound;
    }
  }
  if (CTKMarkupObject* pSystemValue = ResolveSystemColorKey(key)) return pSystemValue;
  ThrowResourceNotFound(pKey, pEnd);
}

// Errors --------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CTKMarkupBuilderException, CSimpleException)

CTKMarkupBuilderException::CTKMarkupBuilderException(LPCSTR lpszMessage) {
  lstrcpynA(m_szMessage, lpszMessage != nullptr ? lpszMessage : "", sizeof(m_szMessage));
}

BOOL CTKMarkupBuilderException::GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                                                PUINT pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError == nullptr || nMaxError == 0) return FALSE;
  lstrcpynA(lpszError, m_szMessage, static_cast<int>(nMaxError));
  return TRUE;
}

void CTKMarkupBuilder::ThrowBuilderError(LPCSTR lpszMessage) {
  throw new CTKMarkupBuilderException(lpszMessage);
}

// Messages are cut to 255 bytes, so no argument needs more than that.
void CTKMarkupBuilder::ThrowBuilderError(LPCSTR lpszFormat, LPCWSTR lpsz1, LPCWSTR lpsz2,
                                         LPCWSTR lpsz3) {
  const LPCWSTR args[] = {lpsz1, lpsz2, lpsz3};
  throw new CTKMarkupBuilderException(FormatMarkupMessage(lpszFormat, args, 3, 255));
}

void CTKMarkupBuilder::ThrowResourceNotFound(LPCWSTR pKey, LPCWSTR pEnd) {
  ThrowBuilderError("Cannot find resource named '%ls'. Resource names are case sensitive",
                    CStringW(pKey, static_cast<int>(pEnd - pKey)));
}

void CTKMarkupBuilder::ThrowComError(HRESULT hr) { AfxThrowOleException(hr); }
