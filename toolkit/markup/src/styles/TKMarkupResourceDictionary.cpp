// Resource dictionaries and the resource search up the logical tree.
#include "TKMarkupResourceDictionary.h"

#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupInputElement.h"
#include "TKMarkupStyle.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupResourceDictionary, TKMarkupRow_ResourceDictionary)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupResourceDictionary)

CTKMarkupResourceDictionary::~CTKMarkupResourceDictionary() {
  for (Entry& entry : m_entries) {
    entry.pKey->Release();
    entry.pValue->Release();
  }
}

CTKMarkupObject* CTKMarkupResourceDictionary::Lookup(const CTKMarkupObject* pKey) const {
  if (pKey == nullptr) return nullptr;
  const UINT nHash = pKey->GetHashKey();
  for (const Entry& entry : m_entries) {
    if (entry.nHash == nHash && entry.pKey->IsEqual(pKey)) return entry.pValue;
  }
  return nullptr;
}

BOOL CTKMarkupResourceDictionary::Add(CTKMarkupObject* pKey, CTKMarkupObject* pValue) {
  if (pKey == nullptr || pValue == nullptr || Lookup(pKey) != nullptr) {
    if (pKey != nullptr) pKey->Release();
    if (pValue != nullptr) pValue->Release();
    return FALSE;
  }
  m_entries.push_back(Entry{pKey->GetHashKey(), pKey, pValue});
  return TRUE;
}

void CTKMarkupResourceDictionary::SetContentObject(CTKMarkupBuilder*, CTKMarkupObject* pContent) {
  if (pContent == nullptr) return;
  CTKMarkupObject* pKey = GetResourceKey(pContent);
  if (pKey == nullptr) {
    CTKMarkupBuilder::ThrowBuilderError(
        "Objects added to Dictionary must have Key attribute or some other type of associated Key");
  }
  if (Lookup(pKey) != nullptr)
    CTKMarkupBuilder::ThrowBuilderError(
        "Dictionary key is already used. Key attributes must be unique.");
  pKey->AddRef();
  pContent->AddRef();
  Add(pKey, pContent);
}

CTKMarkupObject* GetResourceKey(CTKMarkupObject* pObject) {
  if (pObject == nullptr) return nullptr;
  if (CTKMarkupObject* pKey = pObject->GetValue(CTKMarkupObject::KeyProperty)) return pKey;
  if (CTKMarkupStyle* pStyle = MarkupCast<CTKMarkupStyle>(pObject)) return pStyle->GetTargetType();
  return nullptr;
}

CTKMarkupObject* FindMarkupResource(CTKMarkupObject* pObject, const CTKMarkupObject* pKey) {
  if (pObject == nullptr || pKey == nullptr) return nullptr;
  if (CTKMarkupResourceDictionary* pDictionary = MarkupCast<CTKMarkupResourceDictionary>(pObject))
    return pDictionary->Lookup(pKey);
  const CTKMarkupType* pStyleType = CTKMarkupStyle::StaticType();
  for (CTKMarkupObject* pCurrent = pObject; pCurrent != nullptr; pCurrent = pCurrent->GetParent()) {
    CTKMarkupResourceDictionary* pResources = MarkupCast<CTKMarkupResourceDictionary>(
        pCurrent->GetValue(CTKMarkupInputElement::ResourcesProperty));
    if (pResources != nullptr) {
      if (CTKMarkupObject* pFound = pResources->Lookup(pKey)) return pFound;
    }
    if (CTKMarkupInputElement* pElement = dynamic_cast<CTKMarkupInputElement*>(pCurrent)) {
      CTKMarkupObject* pStyle = pElement->GetStyle();
      if (pStyle != nullptr && pStyle != pCurrent) {
        if (CTKMarkupObject* pFound = FindMarkupResource(pStyle, pKey)) return pFound;
      }
    }
    if (pCurrent->IsKindOf(pStyleType)) break;
  }
  return nullptr;
}
