// Row and column definitions: their properties, script members and the copy
// of the user's values into the layout state.
#include "TKMarkupDefinitionBase.h"

#include "TKMarkupDefinitionCollection.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "TKMarkupGrid.h"
#include "TKMarkupGridLength.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

#include <new>

IMPLEMENT_MARKUP_TYPE(CTKMarkupDefinitionBase, TKMarkupRow_DefinitionBase)
IMPLEMENT_MARKUP_TYPE(CTKMarkupRowDefinition, TKMarkupRow_RowDefinition)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupRowDefinition)
IMPLEMENT_MARKUP_TYPE(CTKMarkupColumnDefinition, TKMarkupRow_ColumnDefinition)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupColumnDefinition)

CTKMarkupDependencyProperty* CTKMarkupRowDefinition::HeightProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupRowDefinition::MinHeightProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupRowDefinition::MaxHeightProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupColumnDefinition::WidthProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupColumnDefinition::MinWidthProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupColumnDefinition::MaxWidthProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupRowDefinition, CTKMarkupFrameworkContentElement)
DISP_PROPERTY_EX_ID(CTKMarkupRowDefinition, "Height", 200, DispGetSize, DispSetSize, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupRowDefinition, "MinHeight", 201, DispGetMin, DispSetMin, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupRowDefinition, "MaxHeight", 202, DispGetMax, DispSetMax, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupRowDefinition, "UnitType", 203, DispGetUnitType, DispSetUnitType,
                    VT_I4)
END_DISPATCH_MAP()

BEGIN_DISPATCH_MAP(CTKMarkupColumnDefinition, CTKMarkupFrameworkContentElement)
DISP_PROPERTY_EX_ID(CTKMarkupColumnDefinition, "Width", 200, DispGetSize, DispSetSize, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupColumnDefinition, "MinWidth", 201, DispGetMin, DispSetMin, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupColumnDefinition, "MaxWidth", 202, DispGetMax, DispSetMax, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupColumnDefinition, "UnitType", 203, DispGetUnitType, DispSetUnitType,
                    VT_I4)
END_DISPATCH_MAP()

CTKMarkupDefinitionBase::CTKMarkupDefinitionBase(BOOL bIsColumn) : m_bIsColumn(bIsColumn) {}

CTKMarkupObject* CTKMarkupDefinitionBase::CreateInstance(CTKMarkupContext* pContext) {
  CTKMarkupDefinitionBase* pObject = new (std::nothrow) CTKMarkupDefinitionBase(FALSE);
  if (pObject != nullptr) pObject->SetContext(pContext);
  return pObject;
}

CTKMarkupDependencyProperty* CTKMarkupDefinitionBase::SizeProperty() const {
  return m_bIsColumn ? CTKMarkupColumnDefinition::WidthProperty
                     : CTKMarkupRowDefinition::HeightProperty;
}

CTKMarkupDependencyProperty* CTKMarkupDefinitionBase::MinProperty() const {
  return m_bIsColumn ? CTKMarkupColumnDefinition::MinWidthProperty
                     : CTKMarkupRowDefinition::MinHeightProperty;
}

CTKMarkupDependencyProperty* CTKMarkupDefinitionBase::MaxProperty() const {
  return m_bIsColumn ? CTKMarkupColumnDefinition::MaxWidthProperty
                     : CTKMarkupRowDefinition::MaxHeightProperty;
}

int CTKMarkupDefinitionBase::GetUserMinSize() {
  CTKMarkupInt* pValue = MarkupCast<CTKMarkupInt>(GetValue(MinProperty()));
  return pValue != nullptr ? pValue->GetValue() : 0;
}

int CTKMarkupDefinitionBase::GetUserMaxSize() {
  CTKMarkupInt* pValue = MarkupCast<CTKMarkupInt>(GetValue(MaxProperty()));
  return pValue != nullptr ? pValue->GetValue() : INT_MAX;
}

BOOL CTKMarkupDefinitionBase::HasUserMaxSize() {
  return MarkupCast<CTKMarkupInt>(GetValue(MaxProperty())) != nullptr;
}

CTKMarkupGridLength* CTKMarkupDefinitionBase::GetUserSize() {
  return MarkupCast<CTKMarkupGridLength>(GetValue(SizeProperty()));
}

TK_MARKUP_GRID_DEFINITION* CTKMarkupDefinitionBase::PrepareLayout() {
  CTKMarkupGridLength* pLength = GetUserSize();
  m_layout.dLength = pLength != nullptr ? pLength->GetValue() : 1.0;
  m_layout.nUnit = pLength != nullptr ? pLength->GetUnitType() : TKGridUnit_Star;
  m_layout.nUserMin = GetUserMinSize();
  m_layout.nUserMax = GetUserMaxSize();
  m_layout.bHasUserMax = HasUserMaxSize();
  return &m_layout;
}

void CTKMarkupDefinitionBase::OnDefinitionChanged(CTKMarkupObject* pObject,
                                                  const TK_MARKUP_PROPERTY_CHANGE&) {
  if (MarkupCast<CTKMarkupDefinitionBase>(pObject) == nullptr) return;
  CTKMarkupObject* pCollection = pObject->GetParent();
  if (MarkupCast<CTKMarkupCollection>(pCollection) == nullptr) return;
  if (CTKMarkupGrid* pGrid = MarkupCast<CTKMarkupGrid>(pCollection->GetParent()))
    pGrid->InvalidateMeasure();
}

// Script members ------------------------------------------------------------------------

long CTKMarkupDefinitionBase::DispGetSize() {
  CTKMarkupGridLength* pLength = GetUserSize();
  return pLength != nullptr ? static_cast<long>(pLength->GetValue()) : 0;
}

void CTKMarkupDefinitionBase::DispSetSize(long nSize) {
  SetValue(SizeProperty(), new CTKMarkupGridLength(nSize, TKGridUnit_Pixel));
}

long CTKMarkupDefinitionBase::DispGetMin() { return GetUserMinSize(); }

void CTKMarkupDefinitionBase::DispSetMin(long nMin) {
  SetValue(MinProperty(), new CTKMarkupInt(nMin));
}

long CTKMarkupDefinitionBase::DispGetMax() { return GetUserMaxSize(); }

void CTKMarkupDefinitionBase::DispSetMax(long nMax) {
  SetValue(MaxProperty(), new CTKMarkupInt(nMax));
}

long CTKMarkupDefinitionBase::DispGetUnitType() {
  CTKMarkupGridLength* pLength = GetUserSize();
  return pLength != nullptr ? pLength->GetUnitType() : TKGridUnit_Star;
}

void CTKMarkupDefinitionBase::DispSetUnitType(long nUnitType) {
  const long nValue = DispGetSize();
  SetValue(SizeProperty(), new CTKMarkupGridLength(nValue, nUnitType));
}

// Properties ----------------------------------------------------------------------------

namespace {

CTKMarkupPropertyMetadata* LengthMetadata() {
  return new CTKMarkupPropertyMetadata(new CTKMarkupGridLength(1.0, TKGridUnit_Star),
                                       &CTKMarkupDefinitionBase::OnDefinitionChanged, 0);
}

CTKMarkupPropertyMetadata* LimitMetadata(DWORD dwFlags) {
  return new CTKMarkupPropertyMetadata(nullptr, &CTKMarkupDefinitionBase::OnDefinitionChanged,
                                       dwFlags);
}

}  // namespace

void CTKMarkupRowDefinition::RegisterMarkupProperties() {
  HeightProperty = CTKMarkupDependencyProperty::Register(
      L"Height", CTKMarkupGridLength::StaticType(), StaticType(), LengthMetadata());
  MinHeightProperty = CTKMarkupDependencyProperty::Register(
      L"MinHeight", CTKMarkupInt::StaticType(), StaticType(), LimitMetadata(TK_MARKUP_SCALE_DPI_Y));
  MaxHeightProperty = CTKMarkupDependencyProperty::Register(
      L"MaxHeight", CTKMarkupInt::StaticType(), StaticType(), LimitMetadata(TK_MARKUP_SCALE_DPI_Y));
}

void CTKMarkupColumnDefinition::RegisterMarkupProperties() {
  WidthProperty = CTKMarkupDependencyProperty::Register(L"Width", CTKMarkupGridLength::StaticType(),
                                                        StaticType(), LengthMetadata());
  MinWidthProperty = CTKMarkupDependencyProperty::Register(
      L"MinWidth", CTKMarkupInt::StaticType(), StaticType(), LimitMetadata(TK_MARKUP_SCALE_DPI_X));
  MaxWidthProperty = CTKMarkupDependencyProperty::Register(
      L"MaxWidth", CTKMarkupInt::StaticType(), StaticType(), LimitMetadata(TK_MARKUP_SCALE_DPI_X));
}
