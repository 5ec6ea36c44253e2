// CTKMarkupObject: reading and writing dependency-property values (local
// value, inherited value, default) and the change notifications.
#include "markup/TKMarkupObject.h"

#include "markup/TKMarkupDependencyProperty.h"
#include "TKMarkupProperties.h"
#include "TKMarkupType.h"

CTKMarkupObject* CTKMarkupObject::GetValue(CTKMarkupDependencyProperty* pProperty) {
  if (pProperty == nullptr) return nullptr;
  if (CTKMarkupObject* pLocal = GetLocalValue(pProperty)) return pLocal;
  if (pProperty->GetFlags() & TK_MARKUP_INHERITS) {
    for (CTKMarkupObject* pAncestor = m_pParent; pAncestor != nullptr;
         pAncestor = pAncestor->GetParent()) {
      if (CTKMarkupObject* pInherited = pAncestor->GetLocalValue(pProperty)) return pInherited;
    }
  }
  return pProperty->GetDefaultValue();
}

BOOL CTKMarkupObject::SetValue(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pValue) {
  if (pProperty == nullptr) return FALSE;
  if (pValue != nullptr && !pValue->IsKindOf(pProperty->GetValueType())) return FALSE;
  if (m_pProperties == nullptr) m_pProperties = new CTKMarkupProperties(this);

  // The old value may be the one being replaced: it must outlive the
  // notifications that name it.
  CTKMarkupAutoPtr<> oldValue(GetValue(pProperty));
  if (oldValue != nullptr) oldValue->AddRef();

  m_pProperties->Set(pProperty, pValue);
  if (pValue != nullptr) pValue->SetOwner(pProperty, this);

  CTKMarkupObject* pNewValue = GetValue(pProperty);
  if (oldValue != nullptr || pNewValue != nullptr) {
    OnPropertyChanged(pProperty, oldValue, pNewValue);
    if (pProperty->GetFlags() & TK_MARKUP_INHERITS)
      NotifyDescendants(pProperty, oldValue, pNewValue);
  }
  return TRUE;
}

// Every descendant of the owner's type hears of an inherited change, whether
// or not it has its own value; children in index order, depth first.
void CTKMarkupObject::NotifyDescendants(CTKMarkupDependencyProperty* pProperty,
                                        CTKMarkupObject* pOldValue, CTKMarkupObject* pNewValue) {
  const int nCount = GetLogicalChildrenCount();
  for (int i = 0; i < nCount; ++i) {
    CTKMarkupObject* pChild = GetLogicalChild(i);
    if (pChild == nullptr) continue;
    if (pChild->IsKindOf(pProperty->GetOwnerType()))
      pChild->OnPropertyChanged(pProperty, pOldValue, pNewValue);
    pChild->NotifyDescendants(pProperty, pOldValue, pNewValue);
  }
}
