// CTKMarkupObjectProperty: collecting the value of a property element.
#include "TKMarkupObjectProperty.h"

#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupObjectProperty, TKMarkupRow_ObjectProperty)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupObjectProperty)
IMPLEMENT_MARKUP_TYPE(CTKMarkupExtension, TKMarkupRow_Extension)

CTKMarkupObjectProperty::~CTKMarkupObjectProperty() {
  if (m_pTemporary != nullptr) m_pTemporary->Release();
  if (m_pValue != nullptr) m_pValue->Release();
}

void CTKMarkupObjectProperty::SetPropertyValue(CTKMarkupObject* pValue) {
  CTKMarkupObject* pOld = m_pValue;
  m_pValue = pValue;
  if (pOld != nullptr) pOld->Release();
}

void CTKMarkupObjectProperty::SetContentObject(CTKMarkupBuilder* pBuilder,
                                               CTKMarkupObject* pContent) {
  if (pContent == nullptr || m_pProperty == nullptr) return;
  if (pContent->IsKindOf(m_pProperty->GetValueType())) {
    pContent->AddRef();
    SetPropertyValue(pContent);
    return;
  }
  if (MarkupStringText(pContent) != nullptr) {
    pContent->AddRef();
    SetPropertyValue(pContent);
    return;
  }
  if (m_pValue != nullptr) {
    m_pValue->SetContentObject(pBuilder, pContent);
    return;
  }
  // Several children fill one new value of the property's type (a collection).
  CTKMarkupContext* pContext = pBuilder != nullptr ? pBuilder->GetContext() : nullptr;
  CTKMarkupType* pValueType = m_pProperty->GetValueType();
  CTKMarkupObject* pValue =
      pContext != nullptr ? pContext->CreateMarkupObject(pValueType) : nullptr;
  if (pValue == nullptr) {
    CTKMarkupBuilder::ThrowBuilderError("Cannot add content to an object of type '%ls'",
                                        pValueType->GetClassName());
  }
  m_pTemporary = pValue;
  pValue->SetConvertingProperty(m_pProperty);
  pValue->SetContentObject(pBuilder, pContent);
  m_pTemporary = nullptr;
  SetPropertyValue(pValue);
}
