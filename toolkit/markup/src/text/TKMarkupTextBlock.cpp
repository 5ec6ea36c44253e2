// Text blocks: properties, content, measuring through the text layout, and
// drawing the text with its backgrounds and decorations.
#include "TKMarkupTextBlock.h"

#include "TKMarkupTextDispatch.h"

#include "TKMarkupBrush.h"
#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupConverters.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupInline.h"
#include "TKMarkupRun.h"
#include "TKMarkupString.h"
#include "TKMarkupThickness.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

#include <algorithm>

IMPLEMENT_MARKUP_TYPE(CTKMarkupTextBlock, TKMarkupRow_TextBlock)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupTextBlock)

CTKMarkupDependencyProperty* CTKMarkupTextBlock::TextWrappingProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextBlock::TextTrimmingProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextBlock::TextAlignmentProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextBlock::PaddingProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTextBlock::TextProperty = nullptr;

CTKMarkupTextBlock::CTKMarkupTextBlock()
    : m_pInlines(new CTKMarkupInlineCollection), m_layout(this) {
  m_pInlines->SetParent(this);
}

CTKMarkupTextBlock::~CTKMarkupTextBlock() {
  m_layout.Clear();
  m_pInlines->RemoveAll();
  m_pInlines->SetParent(nullptr);
  m_pInlines->Release();
}

void CTKMarkupTextBlock::RegisterMarkupProperties() {
  CTKMarkupType* pOwner = StaticType();
  TextWrappingProperty = CTKMarkupDependencyProperty::Register(
      L"TextWrapping", CTKMarkupEnum::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, &ConvertTextWrapping, TK_MARKUP_AFFECTS_MEASURE));
  TextTrimmingProperty = CTKMarkupDependencyProperty::Register(
      L"TextTrimming", CTKMarkupEnum::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, &ConvertTextTrimming, TK_MARKUP_AFFECTS_MEASURE));
  TextAlignmentProperty = CTKMarkupDependencyProperty::Register(
      L"TextAlignment", CTKMarkupEnum::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, &ConvertTextAlignment, TK_MARKUP_AFFECTS_ARRANGE));
  PaddingProperty = CTKMarkupDependencyProperty::Register(
      L"Padding", CTKMarkupThickness::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(CTKMarkupThickness::GetZero(), TK_MARKUP_AFFECTS_MEASURE |
                                                                       TK_MARKUP_SCALE_DPI_X |
                                                                       TK_MARKUP_SCALE_DPI_Y));
  TextProperty = CTKMarkupDependencyProperty::Register(
      L"Text", CTKMarkupString::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_AFFECTS_MEASURE));
  // The text-element properties are the same objects, so values set on a
  // text block inherit into its inlines.
  CTKMarkupTextElement::StaticType()->RegisterProperties();
  CTKMarkupDependencyProperty* const kShared[] = {
      CTKMarkupTextElement::BackgroundProperty,      CTKMarkupTextElement::ForegroundProperty,
      CTKMarkupTextElement::FontSizeProperty,        CTKMarkupTextElement::FontWeightProperty,
      CTKMarkupTextElement::FontFamilyProperty,      CTKMarkupTextElement::FontStyleProperty,
      CTKMarkupTextElement::TextDecorationsProperty, CTKMarkupTextElement::FontQualityProperty,
      CTKMarkupTextElement::FontCharsetProperty};
  for (CTKMarkupDependencyProperty* pProperty : kShared) pProperty->AddOwner(pOwner);
}

// Properties -----------------------------------------------------------------------------

int CTKMarkupTextBlock::GetTextWrapping() {
  return CTKMarkupTextElement::IntOf(GetValue(TextWrappingProperty), TKTextNoWrap);
}
void CTKMarkupTextBlock::SetTextWrapping(int nWrapping) {
  SetValue(TextWrappingProperty, CTKMarkupEnum::CreateValue(nWrapping));
}
int CTKMarkupTextBlock::GetTextTrimming() {
  return CTKMarkupTextElement::IntOf(GetValue(TextTrimmingProperty), TKTextTrimNone);
}
void CTKMarkupTextBlock::SetTextTrimming(int nTrimming) {
  SetValue(TextTrimmingProperty, CTKMarkupEnum::CreateValue(nTrimming));
}
int CTKMarkupTextBlock::GetTextAlignment() {
  return CTKMarkupTextElement::IntOf(GetValue(TextAlignmentProperty), TKTextAlignLeft);
}
void CTKMarkupTextBlock::SetTextAlignment(int nAlignment) {
  SetValue(TextAlignmentProperty, CTKMarkupEnum::CreateValue(nAlignment));
}

CTKMarkupThickness* CTKMarkupTextBlock::GetPadding() {
  CTKMarkupThickness* pPadding = MarkupCast<CTKMarkupThickness>(GetValue(PaddingProperty));
  if (pPadding != nullptr) return pPadding;
  return MarkupCast<CTKMarkupThickness>(PaddingProperty->GetDefaultValue());
}

void CTKMarkupTextBlock::SetText(LPCWSTR lpszText) {
  SetValue(TextProperty, CTKMarkupString::CreateValue(lpszText != nullptr ? lpszText : L""));
}

CString CTKMarkupTextBlock::GetText() {
  if (m_pInlines->GetCount() != 1) return CString();
  CTKMarkupRun* pRun = MarkupCast<CTKMarkupRun>(m_pInlines->GetItem(0));
  return pRun != nullptr ? CString(pRun->GetText()) : CString();
}

CTKMarkupBrush* CTKMarkupTextBlock::GetBackground() {
  return static_cast<CTKMarkupBrush*>(MarkupDynamicCast(
      CTKMarkupBrush::StaticType(), GetValue(CTKMarkupTextElement::BackgroundProperty)));
}

CTKMarkupBrush* CTKMarkupTextBlock::GetForeground() {
  return static_cast<CTKMarkupBrush*>(MarkupDynamicCast(
      CTKMarkupBrush::StaticType(), GetValue(CTKMarkupTextElement::ForegroundProperty)));
}

void CTKMarkupTextBlock::OnPropertyChanged(CTKMarkupDependencyProperty* pProperty,
                                           CTKMarkupObject* pOldValue, CTKMarkupObject* pNewValue) {
  if (pProperty == TextProperty) {
    m_layout.Clear();
    m_layout.Invalidate();
    m_pInlines->RemoveAll();
    CTKMarkupContext* pContext = GetContext();
    CTKMarkupString* pText = MarkupCast<CTKMarkupString>(pNewValue);
    if (pContext != nullptr && pText != nullptr) {
      CTKMarkupRun* pRun =
          static_cast<CTKMarkupRun*>(pContext->CreateMarkupObject(CTKMarkupRun::StaticType()));
      if (pRun != nullptr) {
        pText->AddRef();
        pRun->SetTextValue(pText);
        m_pInlines->Add(pRun);
      }
    }
  } else if (pProperty->GetFlags() & TK_MARKUP_AFFECTS_MEASURE) {
    m_layout.Invalidate();
  }
  CTKMarkupFrameworkElement::OnPropertyChanged(pProperty, pOldValue, pNewValue);
}

// Content --------------------------------------------------------------------------------

CTKMarkupObject* CTKMarkupTextBlock::GetLogicalChild(int nIndex) {
  return nIndex == 0 ? m_pInlines : nullptr;
}

void CTKMarkupTextBlock::SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) {
  m_pInlines->SetContentObject(pBuilder, pContent);
}

BOOL CTKMarkupTextBlock::HasContentObject() { return m_pInlines->GetCount() > 0; }

ITKMarkupTextItem* CTKMarkupTextBlock::CreateTextItem(LPCWSTR lpszText) {
  CTKMarkupContext* pContext = GetContext();
  CTKMarkupRun* pRun =
      pContext != nullptr
          ? static_cast<CTKMarkupRun*>(pContext->CreateMarkupObject(CTKMarkupRun::StaticType()))
          : nullptr;
  if (pRun == nullptr) return nullptr;
  pRun->SetText(lpszText);
  pRun->SetParent(this);
  return pRun;
}

// Layout ---------------------------------------------------------------------------------

CSize CTKMarkupTextBlock::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth, int) {
  CTKMarkupThickness* pPadding = GetPadding();
  const int nPaddingWidth = pPadding->GetLeft() + pPadding->GetRight();
  const int nPaddingHeight = pPadding->GetTop() + pPadding->GetBottom();
  m_layout.Format(pDC, m_pInlines->GetFirstInline(), std::max(0, nAvailableWidth - nPaddingWidth),
                  GetTextWrapping(), GetTextTrimming(), GetTextAlignment());
  return CSize(nPaddingWidth + m_layout.GetTextWidth(), nPaddingHeight + m_layout.GetTextHeight());
}

CSize CTKMarkupTextBlock::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  CTKMarkupThickness* pPadding = GetPadding();
  RECT rcPadding = {pPadding->GetLeft(), pPadding->GetTop(), pPadding->GetRight(),
                    pPadding->GetBottom()};
  m_layout.Arrange(nFinalWidth, rcPadding, GetTextAlignment());
  return CSize(nFinalWidth, nFinalHeight);
}

void CTKMarkupTextBlock::UpdateMeasure(CTKMarkupDrawingContext* pDC) {
  m_layout.Invalidate();
  CTKMarkupFrameworkElement::UpdateMeasure(pDC);
}

CTKMarkupInputElement* CTKMarkupTextBlock::InputHitTestOverride(int x, int y) {
  const CTKMarkupTextSegment* pSegment = m_layout.HitTest(x, y);
  if (pSegment == nullptr) return this;
  CTKMarkupInline* pInline = static_cast<CTKMarkupInline*>(pSegment->GetItem());
  CTKMarkupInputElement* pHit = pInline->InputHitTest(x, y);
  return pHit != nullptr ? pHit : this;
}

// Drawing --------------------------------------------------------------------------------

void CTKMarkupTextBlock::OnRender(CTKMarkupDrawingContext* pDC) {
  CTKMarkupBrush* pBackground = GetBackground();
  const CSize size = GetRenderSize();
  if (pBackground != nullptr) pDC->FillRectangle(RECT{0, 0, size.cx, size.cy}, pBackground);
  CTKMarkupContext* pContext = GetContext();
  CTKMarkupAutoPtr<CTKMarkupBrush> defaultBrush(new CTKMarkupSolidColorBrush(
      pContext != nullptr ? pContext->GetDefaultTextColor() : RGB(0, 0, 0)));
  const RECT rcClip = pDC->GetClipBox();
  CTKMarkupBrush* pLastForeground = nullptr;
  for (const TK_MARKUP_TEXT_LINE& line : m_layout.GetLines()) {
    for (const CTKMarkupTextSegment& segment : line.segments) {
      RECT rc = segment.GetRect();
      RECT rcVisible;
      if (!IntersectRect(&rcVisible, &rc, &rcClip)) continue;
      CTKMarkupInline* pInline = static_cast<CTKMarkupInline*>(segment.GetItem());
      CTKMarkupBrush* pInlineBackground = pInline->GetBackground();
      if (pInlineBackground != nullptr && pInlineBackground != pBackground)
        pDC->FillRectangle(rc, pInlineBackground);
      CTKMarkupBrush* pForeground = pInline->GetForeground();
      if (pForeground == nullptr) pForeground = defaultBrush;
      if (pForeground != pLastForeground) {
        pDC->SetTextColor(pForeground);
        pLastForeground = pForeground;
      }
      pInline->RenderRange(pDC, rc, segment.m_nStart, segment.m_nEnd);
      RenderDecorations(pDC, pInline, segment, line, defaultBrush);
    }
  }
  pDC->SetTextColor(nullptr);
}

void CTKMarkupTextBlock::RenderDecorations(CTKMarkupDrawingContext* pDC, CTKMarkupInline* pInline,
                                           const CTKMarkupTextSegment& segment,
                                           const TK_MARKUP_TEXT_LINE& line,
                                           CTKMarkupBrush* pDefault) {
  const int nDecorations = pInline->GetTextDecorations();
  if (nDecorations == TKTextDecorationNone) return;
  // The bar takes the colour of the element that set the decoration, not
  // that of a run inside it with a colour of its own.
  CTKMarkupObject* pHolder = pInline;
  while (pHolder != nullptr &&
         pHolder->GetLocalValue(CTKMarkupTextElement::TextDecorationsProperty) == nullptr)
    pHolder = pHolder->GetParent();
  CTKMarkupBrush* pBrush = nullptr;
  if (pHolder != nullptr) {
    pBrush = static_cast<CTKMarkupBrush*>(MarkupDynamicCast(
        CTKMarkupBrush::StaticType(), pHolder->GetValue(CTKMarkupTextElement::ForegroundProperty)));
  }
  if (pBrush == nullptr) pBrush = pDefault;
  RECT rcBar = CTKMarkupTextLayout::GetDecorationRect(segment, line, nDecorations);
  if (!IsRectEmpty(&rcBar)) pDC->FillRectangle(rcBar, pBrush);
}

// Automation -----------------------------------------------------------------------------

BEGIN_DISPATCH_MAP(CTKMarkupTextBlock, CTKMarkupFrameworkElement)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "TextWrapping", 500, DispGetTextWrapping,
                    DispSetTextWrapping, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "TextTrimming", 501, DispGetTextTrimming,
                    DispSetTextTrimming, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "TextAlignment", 502, DispGetTextAlignment,
                    DispSetTextAlignment, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "TextDecorations", 503, DispGetTextDecorations,
                    DispSetTextDecorations, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "FontSize", 504, DispGetFontSize, DispSetFontSize, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "FontWeight", 505, DispGetFontWeight, DispSetFontWeight,
                    VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "FontFamily", 506, DispGetFontFamily, DispSetFontFamily,
                    VT_BSTR)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "FontStyle", 507, DispGetFontStyle, DispSetFontStyle, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "Padding", 508, DispGetPadding, DispSetPadding, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "FontQuality", 509, DispGetFontQuality, DispSetFontQuality,
                    VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "Background", 510, DispGetBackground, DispSetBackground,
                    VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "Foreground", 511, DispGetForeground, DispSetForeground,
                    VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "Text", 512, DispGetText, DispSetText, VT_VARIANT)
DISP_PROPERTY_EX_ID(CTKMarkupTextBlock, "Inlines", 513, DispGetInlines, SetNotSupported,
                    VT_DISPATCH)
END_DISPATCH_MAP()

long CTKMarkupTextBlock::DispGetTextWrapping() { return GetTextWrapping(); }

// Scripts switch wrapping on and off with a Boolean.
void CTKMarkupTextBlock::DispSetTextWrapping(long nWrap) {
  SetTextWrapping(nWrap != 0 ? TKTextWrapWithOverflow : TKTextNoWrap);
}

long CTKMarkupTextBlock::DispGetTextTrimming() { return GetTextTrimming(); }
void CTKMarkupTextBlock::DispSetTextTrimming(long nValue) {
  SetTextTrimming(static_cast<int>(nValue));
}
long CTKMarkupTextBlock::DispGetTextAlignment() { return GetTextAlignment(); }
void CTKMarkupTextBlock::DispSetTextAlignment(long nValue) {
  SetTextAlignment(static_cast<int>(nValue));
}

VARIANT CTKMarkupTextBlock::DispGetText() {
  VARIANT value;
  VariantInit(&value);
  V_VT(&value) = VT_BSTR;
  CStringW text;
  if (m_pInlines->GetCount() == 1) {
    if (CTKMarkupRun* pRun = MarkupCast<CTKMarkupRun>(m_pInlines->GetItem(0)))
      text = CStringW(pRun->GetText(), pRun->GetTextLength());
  }
  V_BSTR(&value) = SysAllocStringLen(text.GetString(), static_cast<UINT>(text.GetLength()));
  return value;
}

void CTKMarkupTextBlock::DispSetText(const VARIANT& value) {
  VARIANT text;
  VariantInit(&text);
  if (FAILED(VariantChangeType(&text, const_cast<VARIANT*>(&value), 0, VT_BSTR))) return;
  SetValue(TextProperty, CTKMarkupString::CreateValue(
                             V_BSTR(&text), static_cast<int>(SysStringLen(V_BSTR(&text)))));
  VariantClear(&text);
}

LPDISPATCH CTKMarkupTextBlock::DispGetInlines() { return m_pInlines->GetIDispatch(TRUE); }

long CTKMarkupTextBlock::DispGetTextDecorations() {
  return TextDispGetInt(this, CTKMarkupTextElement::TextDecorationsProperty, 0);
}
void CTKMarkupTextBlock::DispSetTextDecorations(long nValue) {
  TextDispSetInt(this, CTKMarkupTextElement::TextDecorationsProperty, nValue, TRUE);
}
long CTKMarkupTextBlock::DispGetFontSize() {
  return TextDispGetInt(this, CTKMarkupTextElement::FontSizeProperty, -12);
}
void CTKMarkupTextBlock::DispSetFontSize(long nValue) {
  TextDispSetInt(this, CTKMarkupTextElement::FontSizeProperty, nValue, FALSE);
}
long CTKMarkupTextBlock::DispGetFontWeight() {
  return TextDispGetInt(this, CTKMarkupTextElement::FontWeightProperty, 400);
}
void CTKMarkupTextBlock::DispSetFontWeight(long nValue) {
  TextDispSetInt(this, CTKMarkupTextElement::FontWeightProperty, nValue, TRUE);
}
BSTR CTKMarkupTextBlock::DispGetFontFamily() {
  return TextDispGetString(this, CTKMarkupTextElement::FontFamilyProperty);
}
void CTKMarkupTextBlock::DispSetFontFamily(LPCTSTR lpszFamily) {
  TextDispSetString(this, CTKMarkupTextElement::FontFamilyProperty, lpszFamily);
}
long CTKMarkupTextBlock::DispGetFontStyle() {
  return TextDispGetInt(this, CTKMarkupTextElement::FontStyleProperty, 0);
}
void CTKMarkupTextBlock::DispSetFontStyle(long nValue) {
  TextDispSetInt(this, CTKMarkupTextElement::FontStyleProperty, nValue, TRUE);
}
LPDISPATCH CTKMarkupTextBlock::DispGetPadding() { return GetPadding()->GetIDispatch(TRUE); }
void CTKMarkupTextBlock::DispSetPadding(LPDISPATCH pValue) {
  TextDispSetObject(this, PaddingProperty, pValue);
}
long CTKMarkupTextBlock::DispGetFontQuality() {
  return TextDispGetInt(this, CTKMarkupTextElement::FontQualityProperty, 0);
}
void CTKMarkupTextBlock::DispSetFontQuality(long nValue) {
  TextDispSetInt(this, CTKMarkupTextElement::FontQualityProperty, nValue, TRUE);
}
LPDISPATCH CTKMarkupTextBlock::DispGetBackground() {
  return TextDispGetObject(this, CTKMarkupTextElement::BackgroundProperty);
}
void CTKMarkupTextBlock::DispSetBackground(LPDISPATCH pValue) {
  TextDispSetObject(this, CTKMarkupTextElement::BackgroundProperty, pValue);
}
LPDISPATCH CTKMarkupTextBlock::DispGetForeground() {
  return TextDispGetObject(this, CTKMarkupTextElement::ForegroundProperty);
}
void CTKMarkupTextBlock::DispSetForeground(LPDISPATCH pValue) {
  TextDispSetObject(this, CTKMarkupTextElement::ForegroundProperty, pValue);
}
