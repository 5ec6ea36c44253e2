// The trigger and setter collections of styles.
#include "TKMarkupTriggerCollection.h"

#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupTriggerCollection, TKMarkupRow_TriggerCollection)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupTriggerCollection)
IMPLEMENT_MARKUP_TYPE(CTKMarkupSetterCollection, TKMarkupRow_SetterCollection)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupSetterCollection)

CTKMarkupTriggerCollection::CTKMarkupTriggerCollection()
    : CTKMarkupCollection(TKMarkupTypeRow(TKMarkupRow_Trigger)) {}

CTKMarkupObject* CTKMarkupTriggerCollection::GetAt(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? GetItem(nIndex) : nullptr;
}

CTKMarkupSetterCollection::CTKMarkupSetterCollection()
    : CTKMarkupCollection(TKMarkupTypeRow(TKMarkupRow_Setter)) {}

CTKMarkupObject* CTKMarkupSetterCollection::GetAt(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? GetItem(nIndex) : nullptr;
}
