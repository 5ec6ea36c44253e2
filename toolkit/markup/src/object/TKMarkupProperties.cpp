// CTKMarkupProperties: the slots of an object's local values.
#include "TKMarkupProperties.h"

#include "markup/TKMarkupDependencyProperty.h"

CTKMarkupProperties::CTKMarkupProperties(CTKMarkupObject* pOwner)
    : m_values(CTKMarkupDependencyProperty::GetIndexedPropertyCount(), nullptr), m_pOwner(pOwner) {}

CTKMarkupProperties::~CTKMarkupProperties() {
  for (int i = 0; i < GetSize(); ++i) Put(i, nullptr);
}

CTKMarkupObject* CTKMarkupProperties::Get(const CTKMarkupDependencyProperty* pProperty) const {
  if (pProperty == nullptr) return nullptr;
  const int nIndex = pProperty->GetIndex();
  return nIndex >= 0 && nIndex < GetSize() ? m_values[nIndex] : nullptr;
}

void CTKMarkupProperties::Set(const CTKMarkupDependencyProperty* pProperty,
                              CTKMarkupObject* pValue) {
  const int nIndex = pProperty != nullptr ? pProperty->GetIndex() : -1;
  if (nIndex < 0) {
    if (pValue != nullptr) pValue->Release();
    return;
  }
  // A property registered after the store was made still gets a slot.
  if (nIndex >= GetSize()) m_values.resize(nIndex + 1, nullptr);
  Put(nIndex, pValue);
}

void CTKMarkupProperties::Clear(const CTKMarkupDependencyProperty* pProperty) {
  const int nIndex = pProperty != nullptr ? pProperty->GetIndex() : -1;
  if (nIndex >= 0 && nIndex < GetSize()) Put(nIndex, nullptr);
}

void CTKMarkupProperties::CopyFrom(const CTKMarkupProperties* pOther) {
  if (pOther == nullptr) return;
  if (pOther->GetSize() > GetSize()) m_values.resize(pOther->GetSize(), nullptr);
  for (int i = 0; i < pOther->GetSize(); ++i) {
    CTKMarkupObject* pValue = pOther->m_values[i];
    if (pValue == nullptr) continue;
    pValue->AddRef();
    Put(i, pValue);
  }
}

// A shared value (a Bool, an Enum, a style's value) may sit in several
// stores: each store only undoes the parent link it made itself.
void CTKMarkupProperties::Put(int nIndex, CTKMarkupObject* pValue) {
  CTKMarkupObject* pOld = m_values[nIndex];
  m_values[nIndex] = nullptr;
  if (pOld != nullptr) {
    if (m_pOwner != nullptr && pOld->GetParent() == m_pOwner) pOld->SetParent(nullptr);
    pOld->Release();
  }
  m_values[nIndex] = pValue;
  if (pValue != nullptr && m_pOwner != nullptr) pValue->SetParent(m_pOwner);
}
