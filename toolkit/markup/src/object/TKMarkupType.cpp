// CTKMarkupType and the type registry: tag lookup, derivation tests and the
// once-per-process property registration.
#include "TKMarkupType.h"

#include "TKMarkupStyle.h"
#include "TKMarkupTypeRegistry.h"
#include "common/TKSingletonPointer.h"
#include "TKMarkupString.h"
#include "TKMarkupTypeTable.h"

#include <string.h>

TK_IMPLEMENT_SINGLETON(CTKMarkupTypeRegistry, TKMarkupTypeRegistry)

CTKMarkupTypeRegistry::CTKMarkupTypeRegistry() : m_pHead(nullptr) {
  for (Entry*& pBucket : m_buckets) pBucket = nullptr;
}

// Type descriptors are never freed: elements and static values may still
// ask for their type while the process winds down.
CTKMarkupTypeRegistry::~CTKMarkupTypeRegistry() {
  for (Entry*& pBucket : m_buckets) {
    while (pBucket != nullptr) {
      Entry* pNext = pBucket->pNext;
      delete pBucket;
      pBucket = pNext;
    }
  }
}

UINT CTKMarkupTypeRegistry::HashTag(LPCWSTR lpszTag) {
  UINT nHash = 0;
  for (; *lpszTag != 0; ++lpszTag) nHash = nHash * 33 + *lpszTag;
  return nHash;
}

void CTKMarkupTypeRegistry::Add(CTKMarkupType* pType) {
  LPCWSTR lpszTag = pType->GetTag();
  if (lpszTag != nullptr && *lpszTag != 0) {
    Entry*& pBucket = m_buckets[HashTag(lpszTag) % kBuckets];
    Entry* pEntry = pBucket;
    while (pEntry != nullptr && wcscmp(pEntry->lpszTag, lpszTag) != 0) pEntry = pEntry->pNext;
    if (pEntry != nullptr)
      pEntry->pType = pType;
    else
      pBucket = new Entry{lpszTag, pType, pBucket};
  }
  pType->m_pNext = m_pHead;
  m_pHead = pType;
}

CTKMarkupType* CTKMarkupTypeRegistry::Lookup(LPCWSTR lpszTag) const {
  if (lpszTag == nullptr || *lpszTag == 0) return nullptr;
  for (Entry* pEntry = m_buckets[HashTag(lpszTag) % kBuckets]; pEntry != nullptr;
       pEntry = pEntry->pNext) {
    if (wcscmp(pEntry->lpszTag, lpszTag) == 0) return pEntry->pType;
  }
  return nullptr;
}

// CTKMarkupType --------------------------------------------------------------------

IMPLEMENT_MARKUP_TYPE(CTKMarkupType, TKMarkupRow_Type)

CTKMarkupType::CTKMarkupType(LPCWSTR lpszTag, LPCWSTR lpszClassName, TK_MARKUP_FACTORY pfnFactory,
                             TK_MARKUP_TYPE_ACCESSOR pfnBaseType,
                             TK_MARKUP_REGISTER_PROPERTIES pfnRegister)
    : m_pszTag(lpszTag),
      m_pszClassName(lpszClassName),
      m_pNext(nullptr),
      m_bRegistered(FALSE),
      m_pfnFactory(pfnFactory),
      m_pfnBaseType(pfnBaseType),
      m_pfnRegister(pfnRegister),
      m_pDefaultStyle(nullptr) {
  TKMarkupTypeRegistry()->Add(this);
}

CTKMarkupType::~CTKMarkupType() {
  if (m_pDefaultStyle != nullptr) m_pDefaultStyle->Release();
}

void CTKMarkupType::SetDefaultStyle(CTKMarkupStyle* pStyle) {
  if (pStyle != nullptr) {
    pStyle->AddRef();
    pStyle->Seal();
  }
  CTKMarkupStyle* pOld = m_pDefaultStyle;
  m_pDefaultStyle = pStyle;
  if (pOld != nullptr) pOld->Release();
}

BOOL CTKMarkupType::IsDerivedFrom(const CTKMarkupType* pBase) const {
  if (pBase == nullptr) return FALSE;
  for (const CTKMarkupType* pType = this; pType != nullptr; pType = pType->GetBaseType()) {
    if (pType == pBase) return TRUE;
  }
  return FALSE;
}

CTKMarkupObject* CTKMarkupType::CreateObject(CTKMarkupContext* pContext) const {
  return m_pfnFactory != nullptr ? m_pfnFactory(pContext) : nullptr;
}

void CTKMarkupType::RegisterProperties() {
  if (m_bRegistered) return;
  CTKMarkupType* pBase = GetBaseType();
  if (pBase != nullptr && !pBase->m_bRegistered) pBase->RegisterProperties();
  m_bRegistered = TRUE;
  if (m_pfnRegister != nullptr) m_pfnRegister();
}

CTKMarkupObject* CTKMarkupType::ConvertFrom(CTKMarkupBuilder*, CTKMarkupObject* pValue) {
  CTKMarkupType* pType = FindMarkupType(MarkupStringText(pValue));
  if (pType != nullptr) pType->AddRef();
  return pType;
}

CTKMarkupType* FindMarkupType(LPCWSTR lpszTag) {
  TKMarkupTypeRow(TKMarkupRow_Object);
  return TKMarkupTypeRegistry()->Lookup(lpszTag);
}

CTKMarkupType* GetFirstMarkupType() {
  TKMarkupTypeRow(TKMarkupRow_Object);  // the table stands before anything is listed
  return TKMarkupTypeRegistry()->GetHead();
}

void RegisterAllTypeProperties() {
  for (CTKMarkupType* pType = GetFirstMarkupType(); pType != nullptr; pType = pType->GetNextType())
    pType->RegisterProperties();
}
