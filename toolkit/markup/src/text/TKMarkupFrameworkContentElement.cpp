// Framework content elements: property changes forwarded to the host.
#include "TKMarkupFrameworkContentElement.h"

#include "markup/TKMarkupFrameworkElement.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupFrameworkContentElement, TKMarkupRow_FrameworkContentElement)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupFrameworkContentElement)

void CTKMarkupFrameworkContentElement::RegisterMarkupProperties() {
  // The type list is not in base-first order between unrelated branches.
  CTKMarkupFrameworkElement::StaticType()->RegisterProperties();
  CTKMarkupFrameworkElement::TagProperty->AddOwner(StaticType());
}

void CTKMarkupFrameworkContentElement::OnPropertyChanged(CTKMarkupDependencyProperty* pProperty,
                                                         CTKMarkupObject* pOldValue,
                                                         CTKMarkupObject* pNewValue) {
  CTKMarkupObject::OnPropertyChanged(pProperty, pOldValue, pNewValue);
  ApplyTriggers(pProperty, pNewValue);
  CTKMarkupFrameworkElement* pHost = GetParentFrameworkElement();
  if (pHost == nullptr) return;
  const DWORD dwFlags = pProperty->GetFlags();
  if (dwFlags & TK_MARKUP_AFFECTS_MEASURE) pHost->InvalidateMeasure();
  if (dwFlags & TK_MARKUP_AFFECTS_ARRANGE) pHost->UpdateArrange();
  if (dwFlags & TK_MARKUP_AFFECTS_RENDER) pHost->InvalidateVisual();
}

CTKMarkupInputElement* CTKMarkupFrameworkContentElement::InputHitTest(int, int) { return this; }

CTKMarkupFrameworkElement* CTKMarkupFrameworkContentElement::GetParentFrameworkElement() const {
  for (CTKMarkupObject* pObject = GetParent(); pObject != nullptr; pObject = pObject->GetParent()) {
    if (CTKMarkupFrameworkElement* pHost = MarkupCast<CTKMarkupFrameworkElement>(pObject))
      return pHost;
  }
  return nullptr;
}

CTKMarkupObject* CTKMarkupFrameworkContentElement::GetTag() {
  return GetValue(CTKMarkupFrameworkElement::TagProperty);
}
