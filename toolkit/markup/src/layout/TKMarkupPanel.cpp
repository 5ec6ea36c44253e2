// Panels: the children collection, background painting and hit testing.
#include "TKMarkupPanel.h"

#include "EnumVariantArray.h"
#include "TKMarkupBrush.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupPanel, TKMarkupRow_Panel)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupPanel)

CTKMarkupDependencyProperty* CTKMarkupPanel::BackgroundProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupUIElementCollection, CTKMarkupCollection)
DISP_PROPERTY_EX_ID(CTKMarkupUIElementCollection, "_NewEnum", DISPID_NEWENUM, DispNewEnum,
                    SetNotSupported, VT_UNKNOWN)
END_DISPATCH_MAP()

BEGIN_DISPATCH_MAP(CTKMarkupPanel, CTKMarkupFrameworkElement)
DISP_PROPERTY_EX_ID(CTKMarkupPanel, "Background", 500, DispGetBackground, DispSetBackground,
                    VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupPanel, "Children", 501, DispGetChildren, SetNotSupported, VT_DISPATCH)
END_DISPATCH_MAP()

CTKMarkupUIElementCollection::CTKMarkupUIElementCollection()
    : CTKMarkupCollection(CTKMarkupUIElement::StaticType()) {}

CTKMarkupType* CTKMarkupUIElementCollection::GetType() const {
  return CTKMarkupCollection::StaticType();
}

LPUNKNOWN CTKMarkupUIElementCollection::DispNewEnum() { return new CEnumVariantArray(this); }

void CTKMarkupUIElementCollection::OnChanged() {
  if (CTKMarkupUIElement* pOwner = MarkupCast<CTKMarkupUIElement>(GetParent()))
    pOwner->InvalidateMeasure();
}

CTKMarkupPanel::CTKMarkupPanel() : m_pChildren(new CTKMarkupUIElementCollection) {
  m_pChildren->SetParent(this);
}

CTKMarkupPanel::~CTKMarkupPanel() {
  m_pChildren->SetParent(nullptr);
  m_pChildren->Release();
}

void CTKMarkupPanel::RegisterMarkupProperties() {
  BackgroundProperty = CTKMarkupDependencyProperty::Register(
      L"Background", CTKMarkupBrush::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, &CTKMarkupBrush::ConvertText,
                                    TK_MARKUP_AFFECTS_RENDER));
}

CTKMarkupUIElement* CTKMarkupPanel::GetChild(int nIndex) const {
  if (nIndex < 0 || nIndex >= m_pChildren->GetCount()) return nullptr;
  return static_cast<CTKMarkupUIElement*>(m_pChildren->GetItem(nIndex));
}

CTKMarkupBrush* CTKMarkupPanel::GetBackground() {
  return static_cast<CTKMarkupBrush*>(GetValue(BackgroundProperty));
}

void CTKMarkupPanel::SetBackground(CTKMarkupBrush* pBrush) {
  if (pBrush != nullptr) pBrush->AddRef();
  SetValue(BackgroundProperty, pBrush);
}

int CTKMarkupPanel::GetVisualChildrenCount() { return m_pChildren->GetCount(); }

CTKMarkupVisual* CTKMarkupPanel::GetVisualChild(int nIndex) { return GetChild(nIndex); }

void CTKMarkupPanel::SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) {
  m_pChildren->SetContentObject(pBuilder, pContent);
}

BOOL CTKMarkupPanel::HasContentObject() { return m_pChildren->GetCount() > 0; }

void CTKMarkupPanel::OnRender(CTKMarkupDrawingContext* pDC) {
  const CSize szRender = GetRenderSize();
  CTKMarkupBrush* pBackground = GetBackground();
  if (szRender.cx <= 0 || szRender.cy <= 0 || pBackground == nullptr) return;
  pDC->FillRectangle(CRect(0, 0, szRender.cx, szRender.cy), pBackground);
}

CTKMarkupInputElement* CTKMarkupPanel::InputHitTestOverride(int, int) {
  return GetBackground() != nullptr ? this : nullptr;
}

CSize CTKMarkupPanel::MeasureOverride(CTKMarkupDrawingContext*, int, int) { return CSize(0, 0); }

LPDISPATCH CTKMarkupPanel::DispGetBackground() {
  CTKMarkupBrush* pBackground = GetBackground();
  return pBackground != nullptr ? pBackground->GetIDispatch(TRUE) : nullptr;
}

void CTKMarkupPanel::DispSetBackground(LPDISPATCH pBrush) {
  CTKMarkupObject* pObject = MarkupObjectFromDispatch(pBrush, FALSE);
  if (pObject != nullptr && MarkupCast<CTKMarkupBrush>(pObject) == nullptr)
    AfxThrowOleException(E_INVALIDARG);
  SetBackground(static_cast<CTKMarkupBrush*>(pObject));
}

LPDISPATCH CTKMarkupPanel::DispGetChildren() { return m_pChildren->GetIDispatch(TRUE); }
