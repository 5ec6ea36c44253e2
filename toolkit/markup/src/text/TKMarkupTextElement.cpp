// Text elements: the inherited font and colour properties of text.
#include "TKMarkupTextElement.h"

#include "TKMarkupElementDispatchValues.h"
#include "TKMarkupTextDispatch.h"

#include "TKMarkupBrush.h"
#include "TKMarkupConverters.h"
#include "markup/TKMarkupFrameworkElement.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupTextElement, TKMarkupRow_TextElement)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupTextElement)

BEGIN_DISPATCH_MAP(CTKMarkupTextElement, CTKMarkupFrameworkContentElement)
DISP_PROPERTY_EX_ID(CTKMarkupTextElement, "Tag", 400, DispGetTag, DispSetTag, VT_VARIANT)
DISP_PROPERTY_EX_ID(CTKMarkupTextElement, "TextDecorations", 503, DispGetTextDecorations,
                    DispSetTextDecorations, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupTextElement, "FontSize", 504, DispGetFontSize, DispSetFontSize, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupTextElement, "FontWeight", 505, DispGetFontWeight, DispSetFontWeight,
                    VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupTextElement, "FontFamily", 506, DispGetFontFamily, DispSetFontFamily,
                    VT_BSTR)
DISP_PROPERTY_EX_ID(CTKMarkupTextElement, "FontStyle", 507, DispGetFontStyle, DispSetFontStyle,
                    VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupTextElement, "Background", 510, DispGetBackground, DispSetBackground,
                    VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupTextElement, "Foreground", 511, DispGetForeground, DispSetForeground,
                    VT_DISPATCH)
END_DISPATCH_MAP()

CTKMarkupDependencyProperty* CTKMarkupTextElement::BackgroundProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::ForegroundProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::FontSizeProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::FontWeightProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::FontFamilyProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::FontStyleProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::TextDecorationsProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::FontQualityProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::FontCharsetProperty = nullptr;

void CTKMarkupTextElement::RegisterMarkupProperties() {
  CTKMarkupType* pOwner = StaticType();
  const DWORD dwRender = TK_MARKUP_INHERITS | TK_MARKUP_AFFECTS_RENDER;
  const DWORD dwMeasure = TK_MARKUP_INHERITS | TK_MARKUP_AFFECTS_MEASURE;
  struct Row {
    CTKMarkupDependencyProperty** ppProperty;
    LPCWSTR lpszName;
    CTKMarkupType* pValueType;
    TK_MARKUP_CONVERTER pfnConverter;
    DWORD dwFlags;
  };
  const Row kRows[] = {
      {&BackgroundProperty, L"Background", CTKMarkupBrush::StaticType(),
       &CTKMarkupBrush::ConvertText, dwRender},
      {&ForegroundProperty, L"Foreground", CTKMarkupBrush::StaticType(),
       &CTKMarkupBrush::ConvertText, dwRender},
      {&FontSizeProperty, L"FontSize", CTKMarkupInt::StaticType(), &ConvertMarkupLength,
       dwMeasure | TK_MARKUP_SCALE_DPI_Y},
      {&FontWeightProperty, L"FontWeight", CTKMarkupEnum::StaticType(), &ConvertFontWeight,
       dwMeasure},
      {&FontFamilyProperty, L"FontFamily", CTKMarkupString::StaticType(), nullptr, dwMeasure},
      {&FontStyleProperty, L"FontStyle", CTKMarkupEnum::StaticType(), &ConvertFontStyle, dwMeasure},
      {&TextDecorationsProperty, L"TextDecorations", CTKMarkupEnum::StaticType(),
       &ConvertTextDecorations, dwRender},
      {&FontQualityProperty, L"FontQuality", CTKMarkupEnum::StaticType(), &ConvertFontQuality,
       dwRender},
      {&FontCharsetProperty, L"FontCharset", CTKMarkupInt::StaticType(), nullptr, dwRender},
  };
  for (const Row& row : kRows) {
    *row.ppProperty = CTKMarkupDependencyProperty::RegisterAttached(
        row.lpszName, row.pValueType, pOwner,
        new CTKMarkupPropertyMetadata(nullptr, row.pfnConverter, row.dwFlags));
  }
}

int CTKMarkupTextElement::IntOf(CTKMarkupObject* pValue, int nDefault) {
  if (pValue == nullptr) return nDefault;
  if (pValue->IsKindOf(CTKMarkupEnum::StaticType()))
    return static_cast<CTKMarkupEnum*>(pValue)->GetValue();
  if (pValue->IsKindOf(CTKMarkupInt::StaticType()))
    return static_cast<CTKMarkupInt*>(pValue)->GetValue();
  return nDefault;
}

int CTKMarkupTextElement::GetFontSize() { return IntOf(GetValue(FontSizeProperty), -12); }
void CTKMarkupTextElement::SetFontSize(int nSize) {
  SetValue(FontSizeProperty, new CTKMarkupInt(nSize));
}
int CTKMarkupTextElement::GetFontWeight() { return IntOf(GetValue(FontWeightProperty), 400); }
void CTKMarkupTextElement::SetFontWeight(int nWeight) {
  SetValue(FontWeightProperty, CTKMarkupEnum::CreateValue(nWeight));
}
int CTKMarkupTextElement::GetFontStyle() { return IntOf(GetValue(FontStyleProperty), 0); }
void CTKMarkupTextElement::SetFontStyle(int nStyle) {
  SetValue(FontStyleProperty, CTKMarkupEnum::CreateValue(nStyle));
}
int CTKMarkupTextElement::GetTextDecorations() {
  return IntOf(GetValue(TextDecorationsProperty), 0);
}
void CTKMarkupTextElement::SetTextDecorations(int nDecorations) {
  SetValue(TextDecorationsProperty, CTKMarkupEnum::CreateValue(nDecorations));
}
LPCWSTR CTKMarkupTextElement::GetFontFamily() {
  return MarkupStringText(GetValue(FontFamilyProperty));
}
void CTKMarkupTextElement::SetFontFamily(LPCWSTR lpszFamily) {
  SetValue(FontFamilyProperty,
           lpszFamily != nullptr ? CTKMarkupString::CreateValue(lpszFamily) : nullptr);
}
CTKMarkupBrush* CTKMarkupTextElement::GetBackground() {
  return static_cast<CTKMarkupBrush*>(
      MarkupDynamicCast(CTKMarkupBrush::StaticType(), GetValue(BackgroundProperty)));
}
void CTKMarkupTextElement::SetBackground(CTKMarkupBrush* pBrush) {
  SetValue(BackgroundProperty, pBrush);
}
CTKMarkupBrush* CTKMarkupTextElement::GetForeground() {
  return static_cast<CTKMarkupBrush*>(
      MarkupDynamicCast(CTKMarkupBrush::StaticType(), GetValue(ForegroundProperty)));
}
void CTKMarkupTextElement::SetForeground(CTKMarkupBrush* pBrush) {
  SetValue(ForegroundProperty, pBrush);
}

// Automation -----------------------------------------------------------------------------

long TextDispGetInt(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty,
                    long nDefault) {
  return CTKMarkupTextElement::IntOf(pObject->GetValue(pProperty), static_cast<int>(nDefault));
}

void TextDispSetInt(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty, long nValue,
                    BOOL bEnum) {
  const int n = static_cast<int>(nValue);
  pObject->SetValue(pProperty, bEnum ? static_cast<CTKMarkupObject*>(CTKMarkupEnum::CreateValue(n))
                                     : new CTKMarkupInt(n));
}

LPDISPATCH TextDispGetObject(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty) {
  CTKMarkupObject* pValue = pObject->GetValue(pProperty);
  return pValue != nullptr ? pValue->GetIDispatch(TRUE) : nullptr;
}

void TextDispSetObject(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty,
                       LPDISPATCH pValue) {
  CTKMarkupObject* pMarkup = MarkupObjectFromDispatch(pValue, TRUE);
  if (!pObject->SetValue(pProperty, pMarkup) && pMarkup != nullptr) pMarkup->Release();
}

BSTR TextDispGetString(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty) {
  CTKMarkupString* pText = MarkupCast<CTKMarkupString>(pObject->GetValue(pProperty));
  if (pText == nullptr) return SysAllocString(L"");
  return SysAllocStringLen(pText->GetTextOrEmpty(), static_cast<UINT>(pText->GetLength()));
}

void TextDispSetString(CTKMarkupObject* pObject, CTKMarkupDependencyProperty* pProperty,
                       LPCTSTR lpszValue) {
  CStringW text(lpszValue != nullptr ? lpszValue : "");
  pObject->SetValue(pProperty, CTKMarkupString::CreateValue(text.GetString(), text.GetLength()));
}

long CTKMarkupTextElement::DispGetTextDecorations() {
  return TextDispGetInt(this, TextDecorationsProperty, 0);
}
void CTKMarkupTextElement::DispSetTextDecorations(long nValue) {
  TextDispSetInt(this, TextDecorationsProperty, nValue, TRUE);
}
long CTKMarkupTextElement::DispGetFontSize() { return GetFontSize(); }
void CTKMarkupTextElement::DispSetFontSize(long nValue) {
  TextDispSetInt(this, FontSizeProperty, nValue, FALSE);
}
long CTKMarkupTextElement::DispGetFontWeight() { return GetFontWeight(); }
void CTKMarkupTextElement::DispSetFontWeight(long nValue) {
  TextDispSetInt(this, FontWeightProperty, nValue, TRUE);
}
BSTR CTKMarkupTextElement::DispGetFontFamily() {
  return TextDispGetString(this, FontFamilyProperty);
}
void CTKMarkupTextElement::DispSetFontFamily(LPCTSTR lpszFamily) {
  TextDispSetString(this, FontFamilyProperty, lpszFamily);
}
long CTKMarkupTextElement::DispGetFontStyle() { return GetFontStyle(); }
void CTKMarkupTextElement::DispSetFontStyle(long nValue) {
  TextDispSetInt(this, FontStyleProperty, nValue, TRUE);
}
LPDISPATCH CTKMarkupTextElement::DispGetBackground() {
  return TextDispGetObject(this, BackgroundProperty);
}
void CTKMarkupTextElement::DispSetBackground(LPDISPATCH pValue) {
  TextDispSetObject(this, BackgroundProperty, pValue);
}
LPDISPATCH CTKMarkupTextElement::DispGetForeground() {
  return TextDispGetObject(this, ForegroundProperty);
}
void CTKMarkupTextElement::DispSetForeground(LPDISPATCH pValue) {
  TextDispSetObject(this, ForegroundProperty, pValue);
}

// Tag reads and writes as a framework element's does: only a string can be set.
VARIANT CTKMarkupTextElement::DispGetTag() { return MarkupObjectToVariant(GetTag()); }
void CTKMarkupTextElement::DispSetTag(const VARIANT& value) {
  SetValue(CTKMarkupFrameworkElement::TagProperty, MarkupStringFromVariant(value));
}
