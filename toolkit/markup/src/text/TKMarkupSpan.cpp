// Spans: groups of inlines; Bold, Italic and Underline; hyperlinks with their
// look and their click.
#include "TKMarkupSpan.h"

#include "TKMarkupBrush.h"
#include "TKMarkupButtonBase.h"
#include "markup/TKMarkupFrameworkElement.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "markup/TKMarkupUIElement.h"
#include "TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupSpan, TKMarkupRow_Span)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupSpan)
IMPLEMENT_MARKUP_TYPE(CTKMarkupBold, TKMarkupRow_Bold)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupBold)
IMPLEMENT_MARKUP_TYPE(CTKMarkupItalic, TKMarkupRow_Italic)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupItalic)
IMPLEMENT_MARKUP_TYPE(CTKMarkupUnderline, TKMarkupRow_Underline)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupUnderline)
IMPLEMENT_MARKUP_TYPE(CTKMarkupHyperlink, TKMarkupRow_Hyperlink)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupHyperlink)

CTKMarkupRoutedEvent* CTKMarkupHyperlink::ClickEvent = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupSpan, CTKMarkupInline)
DISP_PROPERTY_EX_ID(CTKMarkupSpan, "Inlines", 700, DispGetInlines, SetNotSupported, VT_DISPATCH)
END_DISPATCH_MAP()

BEGIN_DISPATCH_MAP(CTKMarkupHyperlink, CTKMarkupSpan)
DISP_PROPERTY_EX_ID(CTKMarkupHyperlink, "ClickEvent", 800, DispGetClickEvent, SetNotSupported,
                    VT_DISPATCH)
END_DISPATCH_MAP()

CTKMarkupSpan::CTKMarkupSpan() : m_pInlines(new CTKMarkupInlineCollection) {
  m_pInlines->SetParent(this);
}

CTKMarkupSpan::~CTKMarkupSpan() {
  m_pInlines->RemoveAll();
  m_pInlines->SetParent(nullptr);
  m_pInlines->Release();
}

CTKMarkupInline* CTKMarkupSpan::GetFirstInline() {
  CTKMarkupInline* pFirst = m_pInlines->GetFirstInline();
  return pFirst != nullptr ? pFirst : this;
}

CTKMarkupObject* CTKMarkupSpan::GetLogicalChild(int nIndex) {
  return nIndex == 0 ? m_pInlines : nullptr;
}

void CTKMarkupSpan::SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) {
  m_pInlines->SetContentObject(pBuilder, pContent);
}

BOOL CTKMarkupSpan::HasContentObject() { return m_pInlines->GetCount() > 0; }

LPDISPATCH CTKMarkupSpan::DispGetInlines() { return m_pInlines->GetIDispatch(TRUE); }

CTKMarkupBold::CTKMarkupBold() { SetFontWeight(FW_BOLD); }

CTKMarkupItalic::CTKMarkupItalic() { SetFontStyle(1); }

CTKMarkupUnderline::CTKMarkupUnderline() { SetTextDecorations(TKTextDecorationUnderline); }

// Hyperlink ------------------------------------------------------------------------------

namespace {

const int kHandCursor = 32649;

// The hyperlink's look, shared by all hyperlinks and kept until exit.
struct HyperlinkLook {
  CTKMarkupSolidColorBrush* pNormal = new CTKMarkupSolidColorBrush(RGB(0, 0, 255));
  CTKMarkupSolidColorBrush* pHover = new CTKMarkupSolidColorBrush(RGB(255, 0, 0));
  CTKMarkupInt* pCursor = new CTKMarkupInt(kHandCursor);
  CTKMarkupEnum* pUnderline = CTKMarkupEnum::CreateValue(TKTextDecorationUnderline);
  ~HyperlinkLook() {
    pNormal->Release();
    pHover->Release();
    pCursor->Release();
    pUnderline->Release();
  }
};

HyperlinkLook& Look() {
  static HyperlinkLook look;
  return look;
}

}  // namespace

CTKMarkupHyperlink::CTKMarkupHyperlink() : m_bPressed(FALSE) {}

void CTKMarkupHyperlink::RegisterMarkupProperties() {
  // The click is the buttons' bubbling "Click" event.
  CTKMarkupButtonBase::StaticType()->RegisterProperties();
  ClickEvent = CTKMarkupButtonBase::ClickEvent;
  if (ClickEvent != nullptr) ClickEvent->AddOwner(StaticType());
}

CTKMarkupObject* CTKMarkupHyperlink::GetLocalValue(CTKMarkupDependencyProperty* pProperty) {
  if (CTKMarkupObject* pValue = CTKMarkupSpan::GetLocalValue(pProperty)) return pValue;
  if (pProperty == nullptr) return nullptr;
  if (pProperty == ForegroundProperty) return IsMouseOver() ? Look().pHover : Look().pNormal;
  if (pProperty == TextDecorationsProperty) return Look().pUnderline;
  if (pProperty == CursorProperty) return Look().pCursor;
  return nullptr;
}

void CTKMarkupHyperlink::OnPropertyChanged(CTKMarkupDependencyProperty* pProperty,
                                           CTKMarkupObject* pOldValue, CTKMarkupObject* pNewValue) {
  CTKMarkupSpan::OnPropertyChanged(pProperty, pOldValue, pNewValue);
  // Hovering changes the colour of all the text inside.
  if (pProperty == IsMouseOverProperty) {
    if (CTKMarkupFrameworkElement* pHost = GetParentFrameworkElement()) pHost->InvalidateVisual();
  }
}

void CTKMarkupHyperlink::OnMouseLeftButtonDown(CTKMarkupMouseButtonEventArgs* pArgs) {
  CTKMarkupSpan::OnMouseLeftButtonDown(pArgs);
  m_bPressed = TRUE;
  if (pArgs != nullptr) pArgs->SetHandled(TRUE);
}

void CTKMarkupHyperlink::OnMouseLeftButtonUp(CTKMarkupMouseButtonEventArgs* pArgs) {
  CTKMarkupSpan::OnMouseLeftButtonUp(pArgs);
  if (!m_bPressed) return;
  m_bPressed = FALSE;
  OnClick();
  if (pArgs != nullptr) pArgs->SetHandled(TRUE);
}

void CTKMarkupHyperlink::OnClick() {
  CTKMarkupAutoPtr<CTKMarkupRoutedEventArgs> args(new CTKMarkupRoutedEventArgs(ClickEvent));
  args->SetSource(this);
  RaiseEvent(args);
}

LPDISPATCH CTKMarkupHyperlink::DispGetClickEvent() {
  return ClickEvent != nullptr ? ClickEvent->GetIDispatch(TRUE) : nullptr;
}
