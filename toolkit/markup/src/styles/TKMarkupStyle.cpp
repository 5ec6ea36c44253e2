// Styles, setters and triggers: how the builder resolves them against the
// target type, and sealing.
#include "TKMarkupStyle.h"

#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "markup/TKMarkupInputElement.h"
#include "TKMarkupProperties.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupSetter, TKMarkupRow_Setter)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupSetter)
IMPLEMENT_MARKUP_TYPE(CTKMarkupTrigger, TKMarkupRow_Trigger)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupTrigger)
IMPLEMENT_MARKUP_TYPE(CTKMarkupStyle, TKMarkupRow_Style)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupStyle)

CTKMarkupDependencyProperty* CTKMarkupSetter::PropertyProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupSetter::ValueProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTrigger::SettersProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupStyle::TargetTypeProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupStyle::BasedOnProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupStyle::TriggersProperty = nullptr;

namespace {

// A tag names the type; the type descriptor itself cannot be made from text.
CTKMarkupObject* ConvertTargetType(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                   CTKMarkupDependencyProperty*) {
  CTKMarkupType* pType = FindMarkupType(MarkupStringText(pValue));
  if (pType != nullptr) pType->AddRef();
  return pType;
}

// The property a setter names, found as the builder finds attribute names.
CTKMarkupDependencyProperty* FindStyleProperty(LPCWSTR lpszName, CTKMarkupType* pTargetType) {
  if (LPCWSTR lpszDot = wcschr(lpszName, L'.')) {
    CTKMarkupType* pOwner =
        FindMarkupType(CStringW(lpszName, static_cast<int>(lpszDot - lpszName)));
    return FindMarkupProperty(pOwner, lpszDot + 1);
  }
  return FindMarkupProperty(pTargetType, lpszName);
}

[[noreturn]] void ThrowSetterError() {
  CTKMarkupBuilder::ThrowBuilderError("Must specify both Property and Value for Setter.");
}

}  // namespace

// Setter --------------------------------------------------------------------------------

CTKMarkupSetter::CTKMarkupSetter(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pValue) {
  if (pProperty != nullptr) pProperty->AddRef();
  SetValue(PropertyProperty, pProperty);
  SetValue(ValueProperty, pValue);
}

void CTKMarkupSetter::RegisterMarkupProperties() {
  PropertyProperty = CTKMarkupDependencyProperty::Register(
      L"Property", CTKMarkupObject::StaticType(), StaticType());
  ValueProperty =
      CTKMarkupDependencyProperty::Register(L"Value", CTKMarkupObject::StaticType(), StaticType());
}

CTKMarkupDependencyProperty* CTKMarkupSetter::GetProperty() {
  return MarkupCast<CTKMarkupDependencyProperty>(CTKMarkupObject::GetValue(PropertyProperty));
}

// Trigger -------------------------------------------------------------------------------

CTKMarkupTrigger::CTKMarkupTrigger(CTKMarkupDependencyProperty* pProperty,
                                   CTKMarkupObject* pValue) {
  if (pProperty != nullptr) pProperty->AddRef();
  SetValue(CTKMarkupSetter::PropertyProperty, pProperty);
  SetValue(CTKMarkupSetter::ValueProperty, pValue);
}

void CTKMarkupTrigger::RegisterMarkupProperties() {
  CTKMarkupSetter::StaticType()->RegisterProperties();
  CTKMarkupSetter::PropertyProperty->AddOwner(StaticType());
  CTKMarkupSetter::ValueProperty->AddOwner(StaticType());
  SettersProperty = CTKMarkupDependencyProperty::Register(
      L"Setters", CTKMarkupSetterCollection::StaticType(), StaticType());
}

CTKMarkupDependencyProperty* CTKMarkupTrigger::GetTriggerProperty() {
  return MarkupCast<CTKMarkupDependencyProperty>(GetValue(CTKMarkupSetter::PropertyProperty));
}

CTKMarkupSetterCollection* CTKMarkupTrigger::GetSetters() {
  return MarkupCast<CTKMarkupSetterCollection>(GetValue(SettersProperty));
}

void CTKMarkupTrigger::SetSetters(CTKMarkupSetterCollection* pSetters) {
  if (pSetters != nullptr) pSetters->AddRef();
  SetValue(SettersProperty, pSetters);
}

CTKMarkupActiveTriggerCollection::CTKMarkupActiveTriggerCollection()
    : CTKMarkupCollection(CTKMarkupTrigger::StaticType(), FALSE) {}

// Style ---------------------------------------------------------------------------------

CTKMarkupStyle::CTKMarkupStyle()
    : m_pSetters(new CTKMarkupSetterCollection), m_bSealed(FALSE), m_pSealedValues(nullptr) {
  m_pSetters->SetParent(this);
}

CTKMarkupStyle::~CTKMarkupStyle() {
  m_pSetters->SetParent(nullptr);
  m_pSetters->Release();
  if (m_pSealedValues != nullptr) m_pSealedValues->Release();
}

void CTKMarkupStyle::RegisterMarkupProperties() {
  // The input elements own "Resources"; a style carries the same property.
  CTKMarkupInputElement::StaticType()->RegisterProperties();
  CTKMarkupInputElement::ResourcesProperty->AddOwner(StaticType());
  TargetTypeProperty = CTKMarkupDependencyProperty::Register(
      L"TargetType", CTKMarkupType::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, &ConvertTargetType, 0));
  BasedOnProperty = CTKMarkupDependencyProperty::Register(L"BasedOn", StaticType(), StaticType());
  TriggersProperty = CTKMarkupDependencyProperty::Register(
      L"Triggers", CTKMarkupTriggerCollection::StaticType(), StaticType());
}

void CTKMarkupStyle::SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) {
  CTKMarkupSetter* pSetter = MarkupCast<CTKMarkupSetter>(pContent);
  if (pSetter == nullptr) {
    CTKMarkupObject::SetContentObject(pBuilder, pContent);
    return;
  }
  ResolveSetter(pBuilder, pSetter);
  pSetter->AddRef();
  m_pSetters->Add(pSetter);
}

void CTKMarkupStyle::SetPropertyObject(CTKMarkupBuilder* pBuilder,
                                       CTKMarkupDependencyProperty* pProperty,
                                       CTKMarkupObject* pValue) {
  if (pProperty == TriggersProperty) {
    if (CTKMarkupTriggerCollection* pTriggers = MarkupCast<CTKMarkupTriggerCollection>(pValue)) {
      for (int i = 0; i < pTriggers->GetCount(); ++i) {
        CTKMarkupTrigger* pTrigger = MarkupTriggerAt(pTriggers, i);
        ResolveSetter(pBuilder, pTrigger);
        if (CTKMarkupSetterCollection* pSetters = pTrigger->GetSetters()) {
          for (int j = 0; j < pSetters->GetCount(); ++j)
            ResolveSetter(pBuilder, pSetters->GetItem(j));
        }
      }
    }
  }
  CTKMarkupObject::SetPropertyObject(pBuilder, pProperty, pValue);
}

BOOL CTKMarkupStyle::HasContentObject() { return m_pSetters->GetCount() > 0; }

void CTKMarkupStyle::ResolveSetter(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pSetter) {
  CTKMarkupObject* pName = pSetter->GetValue(CTKMarkupSetter::PropertyProperty);
  if (pName == nullptr) ThrowSetterError();
  CTKMarkupDependencyProperty* pProperty = MarkupCast<CTKMarkupDependencyProperty>(pName);
  if (pProperty == nullptr) {
    LPCWSTR lpszName = MarkupStringText(pName);
    if (lpszName == nullptr) ThrowSetterError();
    pProperty = FindStyleProperty(lpszName, GetTargetType());
    if (pProperty == nullptr)
      CTKMarkupBuilder::ThrowBuilderError("Cannot find the Style Property '%ls'", lpszName);
    pProperty->AddRef();
    pSetter->SetValue(CTKMarkupSetter::PropertyProperty, pProperty);
  }
  CTKMarkupObject* pValue = pSetter->GetValue(CTKMarkupSetter::ValueProperty);
  if (pValue == nullptr) ThrowSetterError();
  if (!pValue->IsKindOf(pProperty->GetValueType())) {
    CTKMarkupObject* pConverted =
        pBuilder != nullptr ? pBuilder->ConvertValue(pProperty, pValue) : nullptr;
    if (pConverted == nullptr) ThrowSetterError();
    pSetter->SetValue(CTKMarkupSetter::ValueProperty, pConverted);
  }
}

CTKMarkupStyle* CTKMarkupStyle::GetBasedOn() {
  return MarkupCast<CTKMarkupStyle>(GetValue(BasedOnProperty));
}

CTKMarkupTriggerCollection* CTKMarkupStyle::GetTriggers() {
  return MarkupCast<CTKMarkupTriggerCollection>(GetValue(TriggersProperty));
}

void CTKMarkupStyle::SetTriggers(CTKMarkupTriggerCollection* pTriggers) {
  if (pTriggers != nullptr) pTriggers->AddRef();
  SetValue(TriggersProperty, pTriggers);
}

CTKMarkupType* CTKMarkupStyle::GetTargetType() {
  return MarkupCast<CTKMarkupType>(GetValue(TargetTypeProperty));
}

void CTKMarkupStyle::Seal() {
  if (m_bSealed) return;
  if (m_pSealedValues == nullptr) m_pSealedValues = new CTKMarkupProperties(nullptr);
  SetParent(nullptr);
  // Set first, so a style based (through others) on itself ends the walk.
  m_bSealed = TRUE;
  if (CTKMarkupStyle* pBase = GetBasedOn()) {
    pBase->Seal();
    if (pBase->m_pSealedValues != nullptr) m_pSealedValues->CopyFrom(pBase->m_pSealedValues);
  }
  for (int i = 0; i < m_pSetters->GetCount(); ++i) {
    CTKMarkupSetter* pSetter = MarkupSetterAt(m_pSetters, i);
    CTKMarkupDependencyProperty* pProperty = pSetter->GetProperty();
    CTKMarkupObject* pValue = pSetter->GetValue();
    if (pProperty == nullptr) continue;
    if (pValue != nullptr) pValue->AddRef();
    m_pSealedValues->Set(pProperty, pValue);
  }
}

CTKMarkupObject* CTKMarkupStyle::GetStyleValue(const CTKMarkupDependencyProperty* pProperty) const {
  return m_bSealed && m_pSealedValues != nullptr ? m_pSealedValues->Get(pProperty) : nullptr;
}
