// The grid's definition collections and their script enumerator.
#include "TKMarkupDefinitionCollection.h"

#include "EnumVariantArray.h"
#include "TKMarkupDefinitionBase.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupDefinitionCollection, TKMarkupRow_DefinitionCollection)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupDefinitionCollection)
IMPLEMENT_MARKUP_TYPE(CTKMarkupRowDefinitionCollection, TKMarkupRow_RowDefinitionCollection)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupRowDefinitionCollection)
IMPLEMENT_MARKUP_TYPE(CTKMarkupColumnDefinitionCollection, TKMarkupRow_ColumnDefinitionCollection)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupColumnDefinitionCollection)

BEGIN_DISPATCH_MAP(CTKMarkupDefinitionCollection, CTKMarkupCollection)
DISP_PROPERTY_EX_ID(CTKMarkupDefinitionCollection, "_NewEnum", DISPID_NEWENUM, DispNewEnum,
                    SetNotSupported, VT_UNKNOWN)
END_DISPATCH_MAP()

CTKMarkupDefinitionCollection::CTKMarkupDefinitionCollection(CTKMarkupType* pElementType)
    : CTKMarkupCollection(pElementType != nullptr ? pElementType
                                                  : CTKMarkupDefinitionBase::StaticType()) {}

CTKMarkupDefinitionBase* CTKMarkupDefinitionCollection::GetDefinition(int nIndex) const {
  return static_cast<CTKMarkupDefinitionBase*>(GetItem(nIndex));
}

LPUNKNOWN CTKMarkupDefinitionCollection::DispNewEnum() { return new CEnumVariantArray(this); }

CTKMarkupRowDefinitionCollection::CTKMarkupRowDefinitionCollection()
    : CTKMarkupDefinitionCollection(CTKMarkupRowDefinition::StaticType()) {}

CTKMarkupColumnDefinitionCollection::CTKMarkupColumnDefinitionCollection()
    : CTKMarkupDefinitionCollection(CTKMarkupColumnDefinition::StaticType()) {}
