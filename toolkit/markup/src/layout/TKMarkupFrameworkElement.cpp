// Framework elements: properties and property changes.
#include "markup/TKMarkupFrameworkElement.h"

#include <limits.h>

#include "TKMarkupConverters.h"
#include "TKMarkupThickness.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupFrameworkElement, TKMarkupRow_FrameworkElement)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupFrameworkElement)

CTKMarkupDependencyProperty* CTKMarkupFrameworkElement::MarginProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupFrameworkElement::HorizontalAlignmentProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupFrameworkElement::VerticalAlignmentProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupFrameworkElement::WidthProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupFrameworkElement::HeightProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupFrameworkElement::MinWidthProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupFrameworkElement::MinHeightProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupFrameworkElement::MaxWidthProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupFrameworkElement::MaxHeightProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupFrameworkElement::TagProperty = nullptr;

CTKMarkupFrameworkElement::CTKMarkupFrameworkElement()
    : m_bNeedsClip(FALSE),
      m_szUnclipped(0, 0),
      m_bUnclippedValid(FALSE),
      m_nMaxHeight(INT_MAX),
      m_nMinHeight(0),
      m_nMaxWidth(INT_MAX),
      m_nMinWidth(0) {}

void CTKMarkupFrameworkElement::RegisterMarkupProperties() {
  CTKMarkupType* pOwner = StaticType();
  const DWORD dwX = TK_MARKUP_AFFECTS_MEASURE | TK_MARKUP_SCALE_DPI_X;
  const DWORD dwY = TK_MARKUP_AFFECTS_MEASURE | TK_MARKUP_SCALE_DPI_Y;
  MarginProperty = CTKMarkupDependencyProperty::Register(
      L"Margin", CTKMarkupThickness::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(CTKMarkupThickness::GetZero(), dwX | dwY));
  HorizontalAlignmentProperty = CTKMarkupDependencyProperty::Register(
      L"HorizontalAlignment", CTKMarkupEnum::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, &ConvertHorizontalAlignment,
                                    TK_MARKUP_AFFECTS_ARRANGE));
  VerticalAlignmentProperty = CTKMarkupDependencyProperty::Register(
      L"VerticalAlignment", CTKMarkupEnum::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, &ConvertVerticalAlignment, TK_MARKUP_AFFECTS_ARRANGE));
  struct Length {
    CTKMarkupDependencyProperty** ppProperty;
    LPCWSTR lpszName;
    DWORD dwFlags;
  };
  const Length kLengths[] = {
      {&WidthProperty, L"Width", dwX},       {&HeightProperty, L"Height", dwY},
      {&MinWidthProperty, L"MinWidth", dwX}, {&MinHeightProperty, L"MinHeight", dwY},
      {&MaxWidthProperty, L"MaxWidth", dwX}, {&MaxHeightProperty, L"MaxHeight", dwY},
  };
  for (const Length& length : kLengths) {
    *length.ppProperty = CTKMarkupDependencyProperty::Register(
        length.lpszName, CTKMarkupInt::StaticType(), pOwner,
        new CTKMarkupPropertyMetadata(nullptr, &ConvertMarkupLength, length.dwFlags));
  }
  TagProperty =
      CTKMarkupDependencyProperty::Register(L"Tag", CTKMarkupObject::StaticType(), pOwner);
}

void CTKMarkupFrameworkElement::OnPropertyChanged(CTKMarkupDependencyProperty* pProperty,
                                                  CTKMarkupObject* pOldValue,
                                                  CTKMarkupObject* pNewValue) {
  CTKMarkupObject::OnPropertyChanged(pProperty, pOldValue, pNewValue);
  ApplyTriggers(pProperty, pNewValue);
  if (pProperty->GetFlags() &
      (TK_MARKUP_AFFECTS_ARRANGE | TK_MARKUP_AFFECTS_MEASURE | TK_MARKUP_AFFECTS_RENDER))
    InvalidateMeasure();
}

CSize CTKMarkupFrameworkElement::MeasureOverride(CTKMarkupDrawingContext*, int, int) {
  return CSize(0, 0);
}

CSize CTKMarkupFrameworkElement::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  return CSize(nFinalWidth, nFinalHeight);
}

CTKMarkupThickness* CTKMarkupFrameworkElement::GetMargin() {
  CTKMarkupThickness* pMargin = static_cast<CTKMarkupThickness*>(GetValue(MarginProperty));
  if (pMargin != nullptr) return pMargin;
  // Only before the properties are registered; the shared value lives on.
  CTKMarkupThickness* pZero = CTKMarkupThickness::GetZero();
  pZero->Release();
  return pZero;
}

void CTKMarkupFrameworkElement::SetMargin(CTKMarkupThickness* pMargin) {
  if (pMargin != nullptr) pMargin->AddRef();
  SetValue(MarginProperty, pMargin);
}

namespace {

TKMarkupAlignment AlignmentOf(CTKMarkupObject* pValue) {
  return pValue != nullptr
             ? static_cast<TKMarkupAlignment>(static_cast<CTKMarkupEnum*>(pValue)->GetValue())
             : TKMarkupAlignment_Stretch;
}

}  // namespace

TKMarkupAlignment CTKMarkupFrameworkElement::GetHorizontalAlignment() {
  return AlignmentOf(GetValue(HorizontalAlignmentProperty));
}

void CTKMarkupFrameworkElement::SetHorizontalAlignment(TKMarkupAlignment nAlignment) {
  SetValue(HorizontalAlignmentProperty, CTKMarkupEnum::CreateValue(nAlignment));
}

TKMarkupAlignment CTKMarkupFrameworkElement::GetVerticalAlignment() {
  return AlignmentOf(GetValue(VerticalAlignmentProperty));
}

void CTKMarkupFrameworkElement::SetVerticalAlignment(TKMarkupAlignment nAlignment) {
  SetValue(VerticalAlignmentProperty, CTKMarkupEnum::CreateValue(nAlignment));
}

int CTKMarkupFrameworkElement::GetIntValue(CTKMarkupDependencyProperty* pProperty, int nDefault) {
  CTKMarkupInt* pValue = static_cast<CTKMarkupInt*>(GetValue(pProperty));
  return pValue != nullptr ? pValue->GetValue() : nDefault;
}

void CTKMarkupFrameworkElement::SetIntValue(CTKMarkupDependencyProperty* pProperty, int nValue) {
  SetValue(pProperty, new CTKMarkupInt(nValue));
}

int CTKMarkupFrameworkElement::GetWidth() { return GetIntValue(WidthProperty, INT_MAX); }
void CTKMarkupFrameworkElement::SetWidth(int nWidth) { SetIntValue(WidthProperty, nWidth); }
int CTKMarkupFrameworkElement::GetHeight() { return GetIntValue(HeightProperty, INT_MAX); }
void CTKMarkupFrameworkElement::SetHeight(int nHeight) { SetIntValue(HeightProperty, nHeight); }
int CTKMarkupFrameworkElement::GetMinWidth() { return GetIntValue(MinWidthProperty, 0); }
void CTKMarkupFrameworkElement::SetMinWidth(int nWidth) { SetIntValue(MinWidthProperty, nWidth); }
int CTKMarkupFrameworkElement::GetMinHeight() { return GetIntValue(MinHeightProperty, 0); }
void CTKMarkupFrameworkElement::SetMinHeight(int nHeight) {
  SetIntValue(MinHeightProperty, nHeight);
}
int CTKMarkupFrameworkElement::GetMaxWidth() { return GetIntValue(MaxWidthProperty, INT_MAX); }
void CTKMarkupFrameworkElement::SetMaxWidth(int nWidth) { SetIntValue(MaxWidthProperty, nWidth); }
int CTKMarkupFrameworkElement::GetMaxHeight() { return GetIntValue(MaxHeightProperty, INT_MAX); }
void CTKMarkupFrameworkElement::SetMaxHeight(int nHeight) {
  SetIntValue(MaxHeightProperty, nHeight);
}

CTKMarkupObject* CTKMarkupFrameworkElement::GetTag() { return GetValue(TagProperty); }
