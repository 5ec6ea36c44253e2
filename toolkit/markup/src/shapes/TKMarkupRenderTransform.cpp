// CTKMarkupRenderTransform: taking the one child transform, and passing its
// changes on to the element that owns the holder.
#include "TKMarkupRenderTransform.h"

#include "markup/TKMarkupBuilder.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "markup/TKMarkupUIElement.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupRenderTransform, TKMarkupRow_RenderTransform)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupRenderTransform)

CTKMarkupDependencyProperty* CTKMarkupRenderTransform::RotateTransformProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupRenderTransform::ScaleTransformProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupRenderTransform::TranslateTransformProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupRenderTransform::SkewTransformProperty = nullptr;

namespace {

// The tag an object was written with, else its type's tag.
LPCWSTR TagOf(const CTKMarkupObject* pObject) {
  if (LPCWSTR lpszTag = pObject->GetTagName()) return lpszTag;
  LPCWSTR lpszTag = pObject->GetType()->GetTag();
  return lpszTag != nullptr ? lpszTag : pObject->GetType()->GetClassName();
}

}  // namespace

void CTKMarkupRenderTransform::RegisterMarkupProperties() {
  RotateTransformProperty = CTKMarkupDependencyProperty::Register(
      L"RotateTransform", CTKMarkupRotateTransform::StaticType(), StaticType());
  ScaleTransformProperty = CTKMarkupDependencyProperty::Register(
      L"ScaleTransform", CTKMarkupScaleTransform::StaticType(), StaticType());
  TranslateTransformProperty = CTKMarkupDependencyProperty::Register(
      L"TranslateTransform", CTKMarkupTranslateTransform::StaticType(), StaticType());
  SkewTransformProperty = CTKMarkupDependencyProperty::Register(
      L"SkewTransform", CTKMarkupSkewTransform::StaticType(), StaticType());
}

CTKMarkupTransform* CTKMarkupRenderTransform::GetTransform() {
  return m_pChildProperty != nullptr ? static_cast<CTKMarkupTransform*>(GetValue(m_pChildProperty))
                                     : nullptr;
}

void CTKMarkupRenderTransform::SetOwner(CTKMarkupDependencyProperty*, CTKMarkupObject* pOwner) {
  m_pOwner = pOwner;
}

void CTKMarkupRenderTransform::SetContentObject(CTKMarkupBuilder* pBuilder,
                                                CTKMarkupObject* pContent) {
  if (m_pChildProperty != nullptr && pContent != nullptr) {
    CTKMarkupBuilder::ThrowBuilderError(
        "'%ls' already has a child and cannot add '%ls'. '%ls' can accept only one child.",
        TagOf(this), TagOf(pContent), TagOf(this));
  }
  CTKMarkupDependencyProperty* const kOrder[] = {RotateTransformProperty, ScaleTransformProperty,
                                                 TranslateTransformProperty, SkewTransformProperty};
  for (CTKMarkupDependencyProperty* pProperty : kOrder) {
    if (pContent == nullptr || !pContent->IsKindOf(pProperty->GetValueType())) continue;
    pContent->AddRef();
    if (!SetValue(pProperty, pContent)) {
      pContent->Release();
      return;
    }
    m_pChildProperty = pProperty;
    return;
  }
  CTKMarkupObject::SetContentObject(pBuilder, pContent);
}

void CTKMarkupRenderTransform::OnTransformChanged() {
  if (auto* pElement = MarkupCast<CTKMarkupUIElement>(m_pOwner)) pElement->InvalidateMeasure();
}
