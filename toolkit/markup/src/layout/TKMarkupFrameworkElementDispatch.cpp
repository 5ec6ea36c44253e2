// CTKMarkupFrameworkElement: the members scripts reach. Sizes written by
// scripts are device pixels (no DPI scaling).
#include "TKMarkupElementDispatchValues.h"
#include "markup/TKMarkupFrameworkElement.h"
#include "TKMarkupThickness.h"
#include "TKMarkupValues.h"

BEGIN_DISPATCH_MAP(CTKMarkupFrameworkElement, CTKMarkupUIElement)
DISP_PROPERTY_EX_ID(CTKMarkupFrameworkElement, "MinWidth", 400, DispGetMinWidth, DispSetMinWidth,
                    VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupFrameworkElement, "Width", 401, DispGetWidth, DispSetWidth, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupFrameworkElement, "MaxWidth", 402, DispGetMaxWidth, DispSetMaxWidth,
                    VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupFrameworkElement, "MinHeight", 403, DispGetMinHeight, DispSetMinHeight,
                    VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupFrameworkElement, "Height", 404, DispGetHeight, DispSetHeight, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupFrameworkElement, "MaxHeight", 405, DispGetMaxHeight, DispSetMaxHeight,
                    VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupFrameworkElement, "Margin", 406, DispGetMargin, DispSetMargin,
                    VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupFrameworkElement, "HorizontalAlignment", 407,
                    DispGetHorizontalAlignment, DispSetHorizontalAlignment, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupFrameworkElement, "VerticalAlignment", 408, DispGetVerticalAlignment,
                    DispSetVerticalAlignment, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupFrameworkElement, "Tag", 409, DispGetTag, DispSetTag, VT_VARIANT)
END_DISPATCH_MAP()

// Unset sizes read as 0, unset maxima as INT_MAX.
long CTKMarkupFrameworkElement::DispGetMinWidth() { return GetIntValue(MinWidthProperty, 0); }
void CTKMarkupFrameworkElement::DispSetMinWidth(long nValue) {
  SetIntValue(MinWidthProperty, static_cast<int>(nValue));
}
long CTKMarkupFrameworkElement::DispGetWidth() { return GetIntValue(WidthProperty, 0); }
void CTKMarkupFrameworkElement::DispSetWidth(long nValue) {
  SetIntValue(WidthProperty, static_cast<int>(nValue));
}
long CTKMarkupFrameworkElement::DispGetMaxWidth() { return GetIntValue(MaxWidthProperty, INT_MAX); }
void CTKMarkupFrameworkElement::DispSetMaxWidth(long nValue) {
  SetIntValue(MaxWidthProperty, static_cast<int>(nValue));
}
long CTKMarkupFrameworkElement::DispGetMinHeight() { return GetIntValue(MinHeightProperty, 0); }
void CTKMarkupFrameworkElement::DispSetMinHeight(long nValue) {
  SetIntValue(MinHeightProperty, static_cast<int>(nValue));
}
long CTKMarkupFrameworkElement::DispGetHeight() { return GetIntValue(HeightProperty, 0); }
void CTKMarkupFrameworkElement::DispSetHeight(long nValue) {
  SetIntValue(HeightProperty, static_cast<int>(nValue));
}
long CTKMarkupFrameworkElement::DispGetMaxHeight() {
  return GetIntValue(MaxHeightProperty, INT_MAX);
}
void CTKMarkupFrameworkElement::DispSetMaxHeight(long nValue) {
  SetIntValue(MaxHeightProperty, static_cast<int>(nValue));
}

LPDISPATCH CTKMarkupFrameworkElement::DispGetMargin() {
  return MarkupObjectDispatch(GetValue(MarginProperty));
}

void CTKMarkupFrameworkElement::DispSetMargin(LPDISPATCH pMargin) {
  // Raises E_INVALIDARG for an IDispatch that is no markup object.
  CTKMarkupObject* pValue = MarkupObjectFromDispatch(pMargin, TRUE);
  if (pValue != nullptr && !SetValue(MarginProperty, pValue)) {
    pValue->Release();
    AfxThrowOleException(E_INVALIDARG);
  }
  if (pValue == nullptr) SetValue(MarginProperty, nullptr);
}

long CTKMarkupFrameworkElement::DispGetHorizontalAlignment() { return GetHorizontalAlignment(); }
void CTKMarkupFrameworkElement::DispSetHorizontalAlignment(long nAlignment) {
  SetValue(HorizontalAlignmentProperty, CTKMarkupEnum::CreateValue(static_cast<int>(nAlignment)));
}
long CTKMarkupFrameworkElement::DispGetVerticalAlignment() { return GetVerticalAlignment(); }
void CTKMarkupFrameworkElement::DispSetVerticalAlignment(long nAlignment) {
  SetValue(VerticalAlignmentProperty, CTKMarkupEnum::CreateValue(static_cast<int>(nAlignment)));
}

VARIANT CTKMarkupFrameworkElement::DispGetTag() { return MarkupObjectToVariant(GetTag()); }

void CTKMarkupFrameworkElement::DispSetTag(const VARIANT& value) {
  SetValue(TagProperty, MarkupStringFromVariant(value));
}
