// Inlines: the baseline alignment, the walk to the next inline, and the
// inline collection that keeps every inline's index.
#include "TKMarkupInline.h"

#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupConverters.h"
#include "TKMarkupInlineUIContainer.h"
#include "TKMarkupRun.h"
#include "TKMarkupSpan.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "markup/TKMarkupUIElement.h"
#include "TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupInline, TKMarkupRow_Inline)
IMPLEMENT_MARKUP_TYPE(CTKMarkupInlineCollection, TKMarkupRow_InlineCollection)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupInlineCollection)

CTKMarkupDependencyProperty* CTKMarkupInline::BaselineAlignmentProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupInline, CTKMarkupTextElement)
DISP_PROPERTY_EX(CTKMarkupInline, "BaselineAlignment", DispGetBaselineAlignment,
                 DispSetBaselineAlignment, VT_I4)
END_DISPATCH_MAP()

CTKMarkupInline::CTKMarkupInline() : m_nIndex(-1) {}

void CTKMarkupInline::RegisterMarkupProperties() {
  BaselineAlignmentProperty = CTKMarkupDependencyProperty::Register(
      L"BaselineAlignment", CTKMarkupEnum::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, &ConvertBaselineAlignment, TK_MARKUP_AFFECTS_MEASURE));
}

int CTKMarkupInline::GetBaselineAlignment() {
  return IntOf(GetValue(BaselineAlignmentProperty), TKBaselineBaseline);
}

void CTKMarkupInline::SetBaselineAlignment(int nAlignment) {
  SetValue(BaselineAlignmentProperty, CTKMarkupEnum::CreateValue(nAlignment));
}

CTKMarkupInlineCollection* CTKMarkupInline::GetCollection() const {
  return MarkupCast<CTKMarkupInlineCollection>(GetParent());
}

CTKMarkupInline* CTKMarkupInline::GetNextInline() {
  for (CTKMarkupInline* pInline = this; pInline != nullptr;) {
    CTKMarkupInlineCollection* pCollection = pInline->GetCollection();
    if (pCollection == nullptr) return nullptr;
    int nIndex = pInline->m_nIndex;
    if (nIndex < 0 || nIndex >= pCollection->GetCount() || pCollection->GetItem(nIndex) != pInline)
      nIndex = pCollection->IndexOf(pInline);
    if (nIndex >= 0 && nIndex + 1 < pCollection->GetCount())
      return pCollection->GetInline(nIndex + 1)->GetFirstInline();
    // Past the end of a span's inlines the walk goes on after the span.
    pInline = MarkupCast<CTKMarkupSpan>(pCollection->GetParent());
  }
  return nullptr;
}

void CTKMarkupInline::RenderRange(CTKMarkupDrawingContext*, const RECT&, int, int) {}

long CTKMarkupInline::DispGetBaselineAlignment() { return GetBaselineAlignment(); }

void CTKMarkupInline::DispSetBaselineAlignment(long nAlignment) {
  SetBaselineAlignment(static_cast<int>(nAlignment));
}

// The collection ------------------------------------------------------------------------

CTKMarkupInlineCollection::CTKMarkupInlineCollection()
    : CTKMarkupCollection(CTKMarkupInline::StaticType()) {}

CTKMarkupInline* CTKMarkupInlineCollection::GetFirstInline() const {
  return GetCount() > 0 ? GetInline(0)->GetFirstInline() : nullptr;
}

void CTKMarkupInlineCollection::OnChanged() {
  for (int i = 0; i < GetCount(); ++i) GetInline(i)->SetIndex(i);
}

void CTKMarkupInlineCollection::SetContentObject(CTKMarkupBuilder*, CTKMarkupObject* pContent) {
  if (pContent == nullptr) return;
  CTKMarkupObject* pParent = GetParent();
  CTKMarkupContext* pContext = pParent != nullptr ? pParent->GetContext() : nullptr;
  const bool bInputParent =
      pParent != nullptr && pParent->IsKindOf(CTKMarkupInputElement::StaticType());
  CTKMarkupAutoPtr<> item;
  if (bInputParent && pContext != nullptr) {
    if (pContent->IsKindOf(CTKMarkupString::StaticType())) {
      CTKMarkupRun* pRun =
          static_cast<CTKMarkupRun*>(pContext->CreateMarkupObject(CTKMarkupRun::StaticType()));
      item.Assign(pRun);
      if (pRun != nullptr) {
        pContent->AddRef();
        pRun->SetTextValue(static_cast<CTKMarkupString*>(pContent));
      }
    } else if (pContent->IsKindOf(CTKMarkupInline::StaticType())) {
      pContent->AddRef();
      item.Assign(pContent);
    } else if (pContent->IsKindOf(CTKMarkupUIElement::StaticType())) {
      CTKMarkupInlineUIContainer* pContainer = static_cast<CTKMarkupInlineUIContainer*>(
          pContext->CreateMarkupObject(CTKMarkupInlineUIContainer::StaticType()));
      item.Assign(pContainer);
      if (pContainer != nullptr) pContainer->SetChild(static_cast<CTKMarkupUIElement*>(pContent));
    }
  }
  if (item == nullptr) {
    CTKMarkupBuilder::ThrowBuilderError(
        "'%ls' object cannot be added to '%ls'. Object cannot be converted to type "
        "'CTKMarkupInline'",
        pContent->GetType()->GetClassName(), GetType()->GetClassName());
  }
  Add(item.Detach());
}
