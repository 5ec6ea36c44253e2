// Text elements: the inherited font and colour properties of text.
#include "markup/TKMarkupTextElement.h"

#include "markup/TKMarkupBrush.h"
#include "markup/TKMarkupConverters.h"
#include "markup/TKMarkupString.h"
#include "markup/TKMarkupType.h"
#include "markup/TKMarkupTypeTable.h"
#include "markup/TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupTextElement, TKMarkupRow_TextElement)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupTextElement)

CTKMarkupDependencyProperty* CTKMarkupTextElement::BackgroundProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::ForegroundProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::FontSizeProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::FontWeightProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::FontFamilyProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::FontStyleProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::TextDecorationsProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::FontQualityProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextElement::FontCharsetProperty = nullptr;

namespace {

// Brush text ("Red", "#FF0000") becomes a solid brush.
CTKMarkupObject* ConvertBrush(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue,
                              CTKMarkupDependencyProperty* pProperty) {
  CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> converter(new CTKMarkupSolidColorBrush);
  converter->SetConvertingProperty(pProperty);
  return converter->ConvertFrom(pBuilder, pValue);
}

}  // namespace

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
      {&BackgroundProperty, L"Background", CTKMarkupBrush::StaticType(), &ConvertBrush, dwRender},
      {&ForegroundProperty, L"Foreground", CTKMarkupBrush::StaticType(), &ConvertBrush, dwRender},
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
