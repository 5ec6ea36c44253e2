// UI elements: the measure/arrange protocol, its caches and invalidation.
#include "markup/TKMarkupUIElement.h"

#include "markup/TKMarkupContext.h"
#include "TKMarkupConverters.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupUIElement, TKMarkupRow_UIElement)

CTKMarkupDependencyProperty* CTKMarkupUIElement::ClipToBoundsProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupUIElement::VisibilityProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupUIElement::FocusableProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupUIElement::IsEnabledProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupUIElement::RenderTransformProperty = nullptr;

CTKMarkupUIElement::CTKMarkupUIElement()
    : m_szDesired(0, 0),
      m_rcFinal(0, 0, 0, 0),
      m_bMeasureForced(FALSE),
      m_bMeasureInvalid(TRUE),
      m_szLastAvailable(0, 0),
      m_bArrangeDirty(FALSE),
      m_bArrangeInvalid(TRUE),
      m_bInArrange(FALSE),
      m_bInMeasure(FALSE),
      m_bLayoutPending(FALSE) {}

void CTKMarkupUIElement::RegisterMarkupProperties() {
  CTKMarkupType* pOwner = StaticType();
  ClipToBoundsProperty =
      CTKMarkupDependencyProperty::Register(L"ClipToBounds", CTKMarkupBool::StaticType(), pOwner);
  VisibilityProperty = CTKMarkupDependencyProperty::Register(
      L"Visibility", CTKMarkupEnum::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, &ConvertVisibility, TK_MARKUP_AFFECTS_MEASURE));
  FocusableProperty = CTKMarkupDependencyProperty::Register(
      L"Focusable", CTKMarkupBool::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(CTKMarkupBool::CreateFalseValue(), 0));
  IsEnabledProperty = CTKMarkupDependencyProperty::Register(
      L"IsEnabled", CTKMarkupBool::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(CTKMarkupBool::CreateTrueValue(), 0));
  RenderTransformProperty = CTKMarkupDependencyProperty::Register(
      L"RenderTransform", TKMarkupTypeRow(TKMarkupRow_RenderTransform), pOwner);
}

void CTKMarkupUIElement::Measure(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                 int nAvailableHeight) {
  const CSize szAvailable(nAvailableWidth, nAvailableHeight);
  if (GetVisibility() == TKMarkupVisibility_Collapsed) {
    m_szLastAvailable = szAvailable;
    m_bMeasureForced = TRUE;
    m_bMeasureInvalid = FALSE;
    m_szDesired = CSize(0, 0);
    return;
  }
  const BOOL bVeto = pDC != nullptr && pDC->DisablesLayoutCache();
  if (!m_bMeasureForced && !m_bMeasureInvalid && szAvailable == m_szLastAvailable && !bVeto) return;
  m_bArrangeDirty = TRUE;
  m_bInMeasure = TRUE;
  m_bMeasureInvalid = FALSE;
  m_szDesired = MeasureInternal(pDC, nAvailableWidth, nAvailableHeight);
  m_bInMeasure = FALSE;
  m_szLastAvailable = szAvailable;
  // A change that came in while measuring is measured at the next pass.
  m_bMeasureForced = bVeto || m_bLayoutPending;
}

void CTKMarkupUIElement::Arrange(const RECT& rcFinal) {
  const CRect rc(rcFinal);
  if (GetVisibility() == TKMarkupVisibility_Collapsed) {
    m_bArrangeInvalid = FALSE;
  } else {
    if (m_bMeasureInvalid) {
      CTKMarkupDrawingContext dc(GetContext());
      Measure(&dc, rc.Width(), rc.Height());
    }
    if (m_bArrangeDirty || m_bArrangeInvalid || rc != m_rcFinal) {
      m_bArrangeInvalid = FALSE;
      m_bInArrange = TRUE;
      ArrangeInternal(rc.left, rc.top, rc.right, rc.bottom);
      m_bInArrange = FALSE;
      UpdateBoundRect();
    }
  }
  m_rcFinal = rc;
  m_bArrangeDirty = m_bLayoutPending;
  if (m_bLayoutPending) {
    m_bLayoutPending = FALSE;
    // The outermost element of the pass asks for the next one.
    if (!IsAncestorInLayout() && GetContext() != nullptr) GetContext()->UpdateLayout(this);
  }
}

BOOL CTKMarkupUIElement::IsAncestorInLayout() const {
  for (CTKMarkupUIElement* pElement = MarkupCast<CTKMarkupUIElement>(GetVisualParent());
       pElement != nullptr;
       pElement = MarkupCast<CTKMarkupUIElement>(pElement->GetVisualParent())) {
    if (pElement->m_bInMeasure || pElement->m_bInArrange) return TRUE;
  }
  return FALSE;
}

void CTKMarkupUIElement::DeferLayoutRequest() {
  for (CTKMarkupUIElement* pElement = this; pElement != nullptr;
       pElement = MarkupCast<CTKMarkupUIElement>(pElement->GetVisualParent())) {
    pElement->m_bMeasureForced = TRUE;
    pElement->m_bArrangeDirty = TRUE;
    pElement->m_bLayoutPending = TRUE;
  }
}

void CTKMarkupUIElement::UpdateArrange() {
  if (m_bArrangeInvalid) return;
  if (m_bInArrange) {
    DeferLayoutRequest();
    return;
  }
  m_bArrangeDirty = TRUE;
  Arrange(m_rcFinal);
  InvalidateVisual();
}

void CTKMarkupUIElement::UpdateMeasure(CTKMarkupDrawingContext* pDC) {
  if (m_bMeasureInvalid) return;
  // Measuring or arranging again from inside the pass would recurse without
  // end when the pass itself changes the property; the pass that is running
  // finishes and the next one takes the change.
  if (m_bInMeasure || m_bInArrange) {
    DeferLayoutRequest();
    return;
  }
  const CSize szOld = m_szDesired;
  m_bMeasureForced = TRUE;
  m_bArrangeDirty = TRUE;
  Measure(pDC, m_szLastAvailable.cx, m_szLastAvailable.cy);
  if (m_szDesired == szOld) {
    Arrange(m_rcFinal);
    InvalidateVisual();
    return;
  }
  m_bMeasureForced = TRUE;
  m_bArrangeDirty = TRUE;
  if (CTKMarkupUIElement* pParent = MarkupCast<CTKMarkupUIElement>(GetVisualParent())) {
    pParent->UpdateMeasure(pDC);
  } else if (GetContext() != nullptr) {
    GetContext()->UpdateLayout(this);
  }
}

void CTKMarkupUIElement::InvalidateMeasure() {
  CTKMarkupDrawingContext dc(GetContext());
  UpdateMeasure(&dc);
}

void CTKMarkupUIElement::InvalidateVisual() {
  if (GetContext() != nullptr) GetContext()->InvalidateVisual(this);
}

void CTKMarkupUIElement::ArrangeInternal(int nLeft, int nTop, int nRight, int nBottom) {
  SetRenderSize(nRight - nLeft, nBottom - nTop);
}

CSize CTKMarkupUIElement::MeasureInternal(CTKMarkupDrawingContext*, int, int) {
  return CSize(0, 0);
}

BOOL CTKMarkupUIElement::GetLayoutClip(RECT* prcClip) {
  if (GetVisibility() == TKMarkupVisibility_Visible) return FALSE;
  ::SetRectEmpty(prcClip);
  return TRUE;
}

BOOL CTKMarkupUIElement::GetClipToBounds() {
  CTKMarkupBool* pValue = static_cast<CTKMarkupBool*>(GetValue(ClipToBoundsProperty));
  return pValue != nullptr && pValue->GetValue();
}

void CTKMarkupUIElement::SetClipToBounds(BOOL bClip) {
  SetValue(ClipToBoundsProperty, CTKMarkupBool::CreateValue(bClip));
}

TKMarkupVisibility CTKMarkupUIElement::GetVisibility() {
  CTKMarkupEnum* pValue = static_cast<CTKMarkupEnum*>(GetValue(VisibilityProperty));
  return pValue != nullptr ? static_cast<TKMarkupVisibility>(pValue->GetValue())
                           : TKMarkupVisibility_Visible;
}

void CTKMarkupUIElement::SetVisibility(TKMarkupVisibility nVisibility) {
  SetValue(VisibilityProperty, CTKMarkupEnum::CreateValue(nVisibility));
}

BOOL CTKMarkupUIElement::GetFocusable() {
  CTKMarkupBool* pValue = static_cast<CTKMarkupBool*>(GetValue(FocusableProperty));
  return pValue != nullptr && pValue->GetValue();
}

BOOL CTKMarkupUIElement::GetIsEnabled() {
  CTKMarkupBool* pValue = static_cast<CTKMarkupBool*>(GetValue(IsEnabledProperty));
  return pValue == nullptr || pValue->GetValue();
}

CTKMarkupObject* CTKMarkupUIElement::GetRenderTransform() {
  return GetValue(RenderTransformProperty);
}
