// Brushes: their properties, text forms, equality and the colour GDI uses.
#include "TKMarkupBrush.h"

#include "TKMarkupConverters.h"
#include "TKMarkupPoint.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

#include <algorithm>

IMPLEMENT_MARKUP_TYPE(CTKMarkupBrush, TKMarkupRow_Brush)
IMPLEMENT_MARKUP_TYPE(CTKMarkupSolidColorBrush, TKMarkupRow_SolidColorBrush)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupSolidColorBrush)
IMPLEMENT_MARKUP_TYPE(CTKMarkupGradientStop, TKMarkupRow_GradientStop)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupGradientStop)
IMPLEMENT_MARKUP_TYPE(CTKMarkupGradientStops, TKMarkupRow_GradientStops)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupGradientStops)
IMPLEMENT_MARKUP_TYPE(CTKMarkupLinearGradientBrush, TKMarkupRow_LinearGradientBrush)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupLinearGradientBrush)
IMPLEMENT_MARKUP_TYPE(CTKMarkupBrushKey, TKMarkupRow_BrushKey)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupBrushKey)

CTKMarkupDependencyProperty* CTKMarkupSolidColorBrush::ColorProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupGradientStop::ColorProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupGradientStop::OffsetProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupLinearGradientBrush::StartPointProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupLinearGradientBrush::EndPointProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupLinearGradientBrush::GradientStopsProperty = nullptr;

CTKMarkupObject* CTKMarkupBrush::ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) {
  return ConvertText(pBuilder, pValue, nullptr);
}

CTKMarkupObject* CTKMarkupBrush::ConvertText(CTKMarkupBuilder*, CTKMarkupObject* pValue,
                                             CTKMarkupDependencyProperty*) {
  DWORD clrValue = 0;
  if (!ParseMarkupColor(MarkupStringText(pValue), &clrValue)) return nullptr;
  return new CTKMarkupSolidColorBrush(static_cast<BYTE>(clrValue >> 24), clrValue);
}

// Solid brush

BEGIN_DISPATCH_MAP(CTKMarkupSolidColorBrush, CTKMarkupObject)
DISP_PROPERTY_EX_ID(CTKMarkupSolidColorBrush, "Color", 100, DispGetColor, DispSetColor, VT_I4)
END_DISPATCH_MAP()

CTKMarkupSolidColorBrush::CTKMarkupSolidColorBrush(COLORREF clr) {
  SetValue(ColorProperty, new CTKMarkupColor(clr));
}

CTKMarkupSolidColorBrush::CTKMarkupSolidColorBrush(BYTE nAlpha, COLORREF clr) {
  SetValue(ColorProperty, new CTKMarkupColor(nAlpha, clr));
}

void CTKMarkupSolidColorBrush::RegisterMarkupProperties() {
  ColorProperty =
      CTKMarkupDependencyProperty::Register(L"Color", CTKMarkupColor::StaticType(), StaticType());
}

CTKMarkupColor* CTKMarkupSolidColorBrush::GetColor() const {
  return static_cast<CTKMarkupColor*>(
      const_cast<CTKMarkupSolidColorBrush*>(this)->GetValue(ColorProperty));
}

COLORREF CTKMarkupSolidColorBrush::GetColorRef() const {
  CTKMarkupColor* pColor = GetColor();
  return pColor != nullptr ? pColor->GetColorRef() : 0;
}

BOOL CTKMarkupSolidColorBrush::IsEqual(const CTKMarkupObject* pOther) const {
  if (pOther == this) return TRUE;
  if (pOther == nullptr || !pOther->IsKindOf(StaticType())) return FALSE;
  return static_cast<const CTKMarkupSolidColorBrush*>(pOther)->GetColorRef() == GetColorRef();
}

long CTKMarkupSolidColorBrush::DispGetColor() {
  CTKMarkupColor* pColor = GetColor();
  return static_cast<long>(pColor != nullptr ? pColor->GetValue() : 0xFF000000);
}

void CTKMarkupSolidColorBrush::DispSetColor(long nColor) {
  DWORD clrValue = static_cast<DWORD>(nColor);
  BYTE nAlpha = clrValue > 0xFFFFFF ? static_cast<BYTE>(clrValue >> 24) : 0xFF;
  SetValue(ColorProperty, new CTKMarkupColor(nAlpha, clrValue));
}

// Gradient stops

void CTKMarkupGradientStop::RegisterMarkupProperties() {
  ColorProperty =
      CTKMarkupDependencyProperty::Register(L"Color", CTKMarkupColor::StaticType(), StaticType());
  OffsetProperty =
      CTKMarkupDependencyProperty::Register(L"Offset", CTKMarkupDouble::StaticType(), StaticType());
}

DWORD CTKMarkupGradientStop::GetColor() const {
  CTKMarkupObject* pValue = const_cast<CTKMarkupGradientStop*>(this)->GetValue(ColorProperty);
  return pValue != nullptr ? static_cast<CTKMarkupColor*>(pValue)->GetValue() : 0;
}

double CTKMarkupGradientStop::GetOffset() const {
  CTKMarkupObject* pValue = const_cast<CTKMarkupGradientStop*>(this)->GetValue(OffsetProperty);
  return pValue != nullptr ? static_cast<CTKMarkupDouble*>(pValue)->GetValue() : 0.0;
}

CTKMarkupGradientStops::CTKMarkupGradientStops()
    : CTKMarkupCollection(CTKMarkupGradientStop::StaticType()) {}

// Linear gradient

CTKMarkupLinearGradientBrush::CTKMarkupLinearGradientBrush() {
  SetValue(GradientStopsProperty, new CTKMarkupGradientStops);
}

void CTKMarkupLinearGradientBrush::RegisterMarkupProperties() {
  StartPointProperty = CTKMarkupDependencyProperty::Register(
      L"StartPoint", CTKMarkupPoint::StaticType(), StaticType());
  EndPointProperty = CTKMarkupDependencyProperty::Register(
      L"EndPoint", CTKMarkupPoint::StaticType(), StaticType());
  GradientStopsProperty = CTKMarkupDependencyProperty::Register(
      L"GradientStops", CTKMarkupGradientStops::StaticType(), StaticType());
}

CTKMarkupPoint* CTKMarkupLinearGradientBrush::GetStartPoint() const {
  return static_cast<CTKMarkupPoint*>(
      const_cast<CTKMarkupLinearGradientBrush*>(this)->GetValue(StartPointProperty));
}

CTKMarkupPoint* CTKMarkupLinearGradientBrush::GetEndPoint() const {
  return static_cast<CTKMarkupPoint*>(
      const_cast<CTKMarkupLinearGradientBrush*>(this)->GetValue(EndPointProperty));
}

CTKMarkupGradientStops* CTKMarkupLinearGradientBrush::GetGradientStops() const {
  return static_cast<CTKMarkupGradientStops*>(
      const_cast<CTKMarkupLinearGradientBrush*>(this)->GetValue(GradientStopsProperty));
}

COLORREF CTKMarkupLinearGradientBrush::GetColorRef() const {
  CTKMarkupGradientStops* pStops = GetGradientStops();
  if (pStops == nullptr || pStops->GetCount() == 0) return 0;
  return pStops->GetStop(0)->GetColor() & 0xFFFFFF;
}

void CTKMarkupLinearGradientBrush::SetContentObject(CTKMarkupBuilder* pBuilder,
                                                    CTKMarkupObject* pContent) {
  CTKMarkupGradientStops* pStops = GetGradientStops();
  if (pStops != nullptr) pStops->SetContentObject(pBuilder, pContent);
}

std::vector<TK_MARKUP_GRADIENT_STOP> SortedGradientStops(
    const CTKMarkupLinearGradientBrush* pBrush) {
  std::vector<TK_MARKUP_GRADIENT_STOP> stops;
  CTKMarkupGradientStops* pStops = pBrush != nullptr ? pBrush->GetGradientStops() : nullptr;
  if (pStops == nullptr) return stops;
  for (int i = 0; i < pStops->GetCount(); ++i) {
    CTKMarkupGradientStop* pStop = pStops->GetStop(i);
    stops.push_back({pStop->GetColor(), pStop->GetOffset(), i});
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](const TK_MARKUP_GRADIENT_STOP& a, const TK_MARKUP_GRADIENT_STOP& b) {
                     return a.dOffset < b.dOffset;
                   });
  return stops;
}
