// CTKMarkupControl and CTKMarkupContentControl: the shared properties of the
// interactive elements and the one-child content rule.
#include "markup/TKMarkupControl.h"

#include "TKMarkupBrush.h"
#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupString.h"
#include "TKMarkupThickness.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupControl, TKMarkupRow_Control)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupControl)
IMPLEMENT_MARKUP_TYPE(CTKMarkupContentControl, TKMarkupRow_ContentControl)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupContentControl)

CTKMarkupDependencyProperty* CTKMarkupControl::BackgroundProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupControl::ForegroundProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupControl::PaddingProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupContentControl::ContentProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupControl, CTKMarkupFrameworkElement)
DISP_PROPERTY_EX(CTKMarkupControl, "Background", DispGetBackground, DispSetBackground, VT_DISPATCH)
DISP_PROPERTY_EX(CTKMarkupControl, "Foreground", DispGetForeground, DispSetForeground, VT_DISPATCH)
DISP_PROPERTY_EX(CTKMarkupControl, "Padding", DispGetPadding, DispSetPadding, VT_DISPATCH)
END_DISPATCH_MAP()

BEGIN_DISPATCH_MAP(CTKMarkupContentControl, CTKMarkupControl)
DISP_PROPERTY_EX(CTKMarkupContentControl, "Content", DispGetContent, DispSetContent, VT_DISPATCH)
END_DISPATCH_MAP()

namespace {

/// The property the owner row registered under the name, shared with the
/// control; registered for the control alone where that owner is not built
/// into the program.
CTKMarkupDependencyProperty* ShareProperty(TKMarkupTypeRowId nOwnerRow, LPCWSTR lpszName,
                                           CTKMarkupType* pValueType,
                                           CTKMarkupPropertyMetadata* pMetadata) {
  CTKMarkupType* pOwner = TKMarkupTypeRow(nOwnerRow);
  pOwner->RegisterProperties();
  if (CTKMarkupDependencyProperty* pProperty = FindMarkupProperty(pOwner, lpszName)) {
    delete pMetadata;
    return pProperty->AddOwner(CTKMarkupControl::StaticType());
  }
  return CTKMarkupDependencyProperty::Register(lpszName, pValueType, CTKMarkupControl::StaticType(),
                                               pMetadata);
}

LPDISPATCH DispatchOf(CTKMarkupObject* pObject) {
  return pObject != nullptr ? pObject->GetIDispatch(TRUE) : nullptr;
}

}  // namespace

// Control ------------------------------------------------------------------------------

CTKMarkupControl::CTKMarkupControl() { EnableAutomation(); }

void CTKMarkupControl::RegisterMarkupProperties() {
  BackgroundProperty =
      ShareProperty(TKMarkupRow_Panel, L"Background", CTKMarkupBrush::StaticType(),
                    new CTKMarkupPropertyMetadata(nullptr, &CTKMarkupBrush::ConvertText,
                                                  TK_MARKUP_AFFECTS_RENDER));
  ForegroundProperty =
      ShareProperty(TKMarkupRow_TextElement, L"Foreground", CTKMarkupBrush::StaticType(),
                    new CTKMarkupPropertyMetadata(nullptr, &CTKMarkupBrush::ConvertText,
                                                  TK_MARKUP_INHERITS | TK_MARKUP_AFFECTS_RENDER));
  PaddingProperty =
      ShareProperty(TKMarkupRow_Border, L"Padding", CTKMarkupThickness::StaticType(),
                    new CTKMarkupPropertyMetadata(
                        CTKMarkupThickness::GetZero(),
                        TK_MARKUP_AFFECTS_MEASURE | TK_MARKUP_SCALE_DPI_X | TK_MARKUP_SCALE_DPI_Y));
}

CTKMarkupBrush* CTKMarkupControl::GetBackground() {
  return MarkupCast<CTKMarkupBrush>(GetValue(BackgroundProperty));
}

void CTKMarkupControl::SetBackground(CTKMarkupBrush* pBrush) {
  if (pBrush != nullptr) pBrush->AddRef();
  SetValue(BackgroundProperty, pBrush);
}

CTKMarkupBrush* CTKMarkupControl::GetForeground() {
  return MarkupCast<CTKMarkupBrush>(GetValue(ForegroundProperty));
}

void CTKMarkupControl::SetForeground(CTKMarkupBrush* pBrush) {
  if (pBrush != nullptr) pBrush->AddRef();
  SetValue(ForegroundProperty, pBrush);
}

CTKMarkupThickness* CTKMarkupControl::GetPadding() {
  CTKMarkupThickness* pPadding = MarkupCast<CTKMarkupThickness>(GetValue(PaddingProperty));
  if (pPadding != nullptr) return pPadding;
  static CTKMarkupThickness* s_pZero = CTKMarkupThickness::GetZero();
  return s_pZero;
}

void CTKMarkupControl::SetPadding(CTKMarkupThickness* pPadding) {
  if (pPadding != nullptr) pPadding->AddRef();
  SetValue(PaddingProperty, pPadding);
}

CSize CTKMarkupControl::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                        int nAvailableHeight) {
  CTKMarkupUIElement* pChild =
      GetVisualChildrenCount() > 0 ? MarkupCast<CTKMarkupUIElement>(GetVisualChild(0)) : nullptr;
  if (pChild == nullptr) return CSize(0, 0);
  pChild->Measure(pDC, nAvailableWidth, nAvailableHeight);
  return pChild->GetDesiredSize();
}

CSize CTKMarkupControl::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  CTKMarkupUIElement* pChild =
      GetVisualChildrenCount() > 0 ? MarkupCast<CTKMarkupUIElement>(GetVisualChild(0)) : nullptr;
  if (pChild != nullptr) pChild->Arrange(CRect(0, 0, nFinalWidth, nFinalHeight));
  return CSize(nFinalWidth, nFinalHeight);
}

LPDISPATCH CTKMarkupControl::DispGetBackground() { return DispatchOf(GetBackground()); }

void CTKMarkupControl::DispSetBackground(LPDISPATCH pValue) {
  CTKMarkupObject* pObject = MarkupObjectFromDispatch(pValue, TRUE);
  if (!SetValue(BackgroundProperty, pObject) && pObject != nullptr) pObject->Release();
}

LPDISPATCH CTKMarkupControl::DispGetForeground() { return DispatchOf(GetForeground()); }

void CTKMarkupControl::DispSetForeground(LPDISPATCH pValue) {
  CTKMarkupObject* pObject = MarkupObjectFromDispatch(pValue, TRUE);
  if (!SetValue(ForegroundProperty, pObject) && pObject != nullptr) pObject->Release();
}

LPDISPATCH CTKMarkupControl::DispGetPadding() { return DispatchOf(GetPadding()); }

void CTKMarkupControl::DispSetPadding(LPDISPATCH pValue) {
  CTKMarkupObject* pObject = MarkupObjectFromDispatch(pValue, TRUE);
  if (!SetValue(PaddingProperty, pObject) && pObject != nullptr) pObject->Release();
}

// ContentControl -----------------------------------------------------------------------

CTKMarkupContentControl::CTKMarkupContentControl() {}

void CTKMarkupContentControl::RegisterMarkupProperties() {
  ContentProperty = CTKMarkupDependencyProperty::Register(
      L"Content", CTKMarkupUIElement::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_AFFECTS_MEASURE));
}

CTKMarkupUIElement* CTKMarkupContentControl::GetContent() {
  return MarkupCast<CTKMarkupUIElement>(GetValue(ContentProperty));
}

void CTKMarkupContentControl::SetContent(CTKMarkupUIElement* pContent) {
  SetValue(ContentProperty, pContent);
}

void CTKMarkupContentControl::SetContentObject(CTKMarkupBuilder* pBuilder,
                                               CTKMarkupObject* pContent) {
  LPCWSTR lpszOwn = GetType()->GetClassName();
  if (GetContent() != nullptr)
    CTKMarkupBuilder::ThrowBuilderError(
        "'%ls' already has a child and cannot add '%ls'. '%ls' can accept only one child.", lpszOwn,
        pContent->GetType()->GetClassName(), lpszOwn);
  if (pContent->IsKindOf(CTKMarkupString::StaticType())) {
    // Text shows through a text block of its own.
    CTKMarkupContext* pContext = GetContext();
    CTKMarkupObject* pBlock =
        pContext != nullptr ? pContext->CreateMarkupObject(TKMarkupTypeRow(TKMarkupRow_TextBlock))
                            : nullptr;
    if (pBlock == nullptr) return;
    pBlock->SetContentObject(pBuilder, pContent);
    if (!SetValue(ContentProperty, pBlock)) pBlock->Release();
    return;
  }
  if (!pContent->IsKindOf(CTKMarkupUIElement::StaticType()))
    CTKMarkupBuilder::ThrowBuilderError(
        "'%ls' object cannot be added to '%ls'. Object cannot be converted to type "
        "'CTKMarkupUIElement'",
        pContent->GetType()->GetClassName(), lpszOwn);
  pContent->AddRef();
  SetValue(ContentProperty, pContent);
}

BOOL CTKMarkupContentControl::HasContentObject() { return GetContent() != nullptr; }

int CTKMarkupContentControl::GetVisualChildrenCount() { return HasContentObject() ? 1 : 0; }

CTKMarkupVisual* CTKMarkupContentControl::GetVisualChild(int nIndex) {
  return nIndex == 0 ? GetContent() : nullptr;
}

LPDISPATCH CTKMarkupContentControl::DispGetContent() { return DispatchOf(GetContent()); }

void CTKMarkupContentControl::DispSetContent(LPDISPATCH pValue) {
  CTKMarkupObject* pObject = MarkupObjectFromDispatch(pValue, TRUE);
  if (!SetValue(ContentProperty, pObject) && pObject != nullptr) pObject->Release();
}
