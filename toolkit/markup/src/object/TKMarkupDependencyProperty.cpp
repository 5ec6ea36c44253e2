// Dependency-property descriptors, their metadata and the process-wide map
// from (name, owner type) to property.
#include "markup/TKMarkupDependencyProperty.h"

#include "common/TKSingletonPointer.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

#include <string.h>

#include <unordered_map>

namespace {

struct NameKey {
  LPCWSTR lpszName;
  const CTKMarkupType* pOwnerType;
  bool operator==(const NameKey& other) const {
    return pOwnerType == other.pOwnerType && wcscmp(lpszName, other.lpszName) == 0;
  }
};

struct NameKeyHash {
  size_t operator()(const NameKey& key) const {
    size_t nHash = reinterpret_cast<size_t>(key.pOwnerType);
    for (LPCWSTR p = key.lpszName; *p != 0; ++p) nHash = nHash * 33 + *p;
    return nHash;
  }
};

}  // namespace

/// The map of all registered properties; each entry holds a reference to its
/// property, released when the map goes at exit.
class CTKMarkupPropertyFromNameMap {
 public:
  CTKMarkupPropertyFromNameMap() = default;
  ~CTKMarkupPropertyFromNameMap() {
    for (auto& entry : m_map) entry.second->Release();
  }

  /// Enters the property (taking over one reference), replacing an earlier one.
  void SetAt(const NameKey& key, CTKMarkupDependencyProperty* pProperty) {
    auto result = m_map.emplace(key, pProperty);
    if (!result.second) {
      CTKMarkupDependencyProperty* pOld = result.first->second;
      result.first->second = pProperty;
      pOld->Release();
    }
  }
  CTKMarkupDependencyProperty* Lookup(const NameKey& key) const {
    auto it = m_map.find(key);
    return it != m_map.end() ? it->second : nullptr;
  }
  int NextIndex() { return m_nIndexed++; }
  int GetIndexedCount() const { return m_nIndexed; }

 private:
  std::unordered_map<NameKey, CTKMarkupDependencyProperty*, NameKeyHash> m_map;
  int m_nIndexed = 0;
};

TK_IMPLEMENT_SINGLETON(CTKMarkupPropertyFromNameMap, TKMarkupPropertyFromNameMap)

// Metadata --------------------------------------------------------------------------

CTKMarkupPropertyMetadata::CTKMarkupPropertyMetadata(CTKMarkupObject* pDefaultValue, DWORD dwFlags)
    : CTKMarkupPropertyMetadata(pDefaultValue, nullptr, nullptr, dwFlags) {}

CTKMarkupPropertyMetadata::CTKMarkupPropertyMetadata(CTKMarkupObject* pDefaultValue,
                                                     TK_MARKUP_CONVERTER pfnConverter,
                                                     DWORD dwFlags)
    : CTKMarkupPropertyMetadata(pDefaultValue, pfnConverter, nullptr, dwFlags) {}

CTKMarkupPropertyMetadata::CTKMarkupPropertyMetadata(CTKMarkupObject* pDefaultValue,
                                                     TK_MARKUP_CHANGE_CALLBACK pfnChanged,
                                                     DWORD dwFlags)
    : CTKMarkupPropertyMetadata(pDefaultValue, nullptr, pfnChanged, dwFlags) {}

CTKMarkupPropertyMetadata::CTKMarkupPropertyMetadata(CTKMarkupObject* pDefaultValue,
                                                     TK_MARKUP_CONVERTER pfnConverter,
                                                     TK_MARKUP_CHANGE_CALLBACK pfnChanged,
                                                     DWORD dwFlags)
    : m_pDefaultValue(pDefaultValue),
      m_pfnConverter(pfnConverter),
      m_pfnChanged(pfnChanged),
      m_dwFlags(dwFlags) {}

CTKMarkupPropertyMetadata::~CTKMarkupPropertyMetadata() {
  if (m_pDefaultValue != nullptr) m_pDefaultValue->Release();
}

// Properties ------------------------------------------------------------------------

IMPLEMENT_MARKUP_TYPE(CTKMarkupDependencyProperty, TKMarkupRow_DependencyProperty)

CTKMarkupDependencyProperty::CTKMarkupDependencyProperty()
    : m_pszName(nullptr),
      m_pValueType(nullptr),
      m_pOwnerType(nullptr),
      m_pMetadata(nullptr),
      m_bAttached(FALSE),
      m_nIndex(-1) {}

CTKMarkupDependencyProperty::~CTKMarkupDependencyProperty() { delete m_pMetadata; }

void CTKMarkupDependencyProperty::RegisterCommon(CTKMarkupDependencyProperty* pProperty,
                                                 LPCWSTR lpszName, CTKMarkupType* pValueType,
                                                 CTKMarkupType* pOwnerType, BOOL bAttached,
                                                 CTKMarkupPropertyMetadata* pMetadata) {
  pProperty->m_pszName = lpszName;
  pProperty->m_pValueType = pValueType;
  pProperty->m_pOwnerType = pOwnerType;
  pProperty->m_bAttached = bAttached;
  CTKMarkupPropertyFromNameMap* pMap = TKMarkupPropertyFromNameMap();
  if (!pProperty->IsEvent()) pProperty->m_nIndex = pMap->NextIndex();
  pMap->SetAt(NameKey{lpszName, pOwnerType}, pProperty);
  pProperty->m_pMetadata = pMetadata;
}

CTKMarkupDependencyProperty* CTKMarkupDependencyProperty::Register(
    LPCWSTR lpszName, CTKMarkupType* pValueType, CTKMarkupType* pOwnerType,
    CTKMarkupPropertyMetadata* pMetadata) {
  CTKMarkupDependencyProperty* pProperty = new CTKMarkupDependencyProperty;
  RegisterCommon(pProperty, lpszName, pValueType, pOwnerType, FALSE, pMetadata);
  return pProperty;
}

CTKMarkupDependencyProperty* CTKMarkupDependencyProperty::RegisterAttached(
    LPCWSTR lpszName, CTKMarkupType* pValueType, CTKMarkupType* pOwnerType,
    CTKMarkupPropertyMetadata* pMetadata) {
  CTKMarkupDependencyProperty* pProperty = new CTKMarkupDependencyProperty;
  RegisterCommon(pProperty, lpszName, pValueType, pOwnerType, TRUE, pMetadata);
  return pProperty;
}

CTKMarkupDependencyProperty* CTKMarkupDependencyProperty::AddOwner(CTKMarkupType* pOwnerType) {
  AddRef();
  TKMarkupPropertyFromNameMap()->SetAt(NameKey{m_pszName, pOwnerType}, this);
  return this;
}

int CTKMarkupDependencyProperty::GetIndexedPropertyCount() {
  return TKMarkupPropertyFromNameMap()->GetIndexedCount();
}

CTKMarkupDependencyProperty* FindMarkupProperty(const CTKMarkupType* pOwnerType, LPCWSTR lpszName) {
  if (lpszName == nullptr) return nullptr;
  if (lpszName[0] == L'x' && lpszName[1] == L':') lpszName += 2;
  if (pOwnerType == nullptr) return nullptr;
  CTKMarkupPropertyFromNameMap* pMap = TKMarkupPropertyFromNameMap();
  for (const CTKMarkupType* pType = pOwnerType; pType != nullptr; pType = pType->GetBaseType()) {
    if (CTKMarkupDependencyProperty* pProperty = pMap->Lookup(NameKey{lpszName, pType}))
      return pProperty;
  }
  return nullptr;
}
