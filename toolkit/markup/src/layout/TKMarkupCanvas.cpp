// Canvas: absolute placement of children by attached properties.
#include "TKMarkupCanvas.h"

#include "TKMarkupConverters.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

#include <algorithm>

IMPLEMENT_MARKUP_TYPE(CTKMarkupCanvas, TKMarkupRow_Canvas)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupCanvas)

CTKMarkupDependencyProperty* CTKMarkupCanvas::TopProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupCanvas::RightProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupCanvas::LeftProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupCanvas::BottomProperty = nullptr;

namespace {

CTKMarkupInt* GetInt(CTKMarkupObject* pElement, CTKMarkupDependencyProperty* pProperty) {
  return pElement != nullptr ? MarkupCast<CTKMarkupInt>(pElement->GetValue(pProperty)) : nullptr;
}

int GetIntOrZero(CTKMarkupObject* pElement, CTKMarkupDependencyProperty* pProperty) {
  CTKMarkupInt* pValue = GetInt(pElement, pProperty);
  return pValue != nullptr ? pValue->GetValue() : 0;
}

void SetInt(CTKMarkupObject* pElement, CTKMarkupDependencyProperty* pProperty, int nValue) {
  if (pElement != nullptr) pElement->SetValue(pProperty, new CTKMarkupInt(nValue));
}

}  // namespace

void CTKMarkupCanvas::RegisterMarkupProperties() {
  CTKMarkupType* pOwner = StaticType();
  CTKMarkupType* pInt = CTKMarkupInt::StaticType();
  TopProperty = CTKMarkupDependencyProperty::RegisterAttached(
      L"Top", pInt, pOwner, new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_SCALE_DPI_Y));
  RightProperty = CTKMarkupDependencyProperty::RegisterAttached(
      L"Right", pInt, pOwner, new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_SCALE_DPI_X));
  LeftProperty = CTKMarkupDependencyProperty::RegisterAttached(
      L"Left", pInt, pOwner, new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_SCALE_DPI_X));
  BottomProperty = CTKMarkupDependencyProperty::RegisterAttached(
      L"Bottom", pInt, pOwner, new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_SCALE_DPI_Y));
}

CSize CTKMarkupCanvas::MeasureOverride(CTKMarkupDrawingContext* pDC, int, int) {
  CSize szDesired(0, 0);
  for (int i = 0; i < GetChildren()->GetCount(); ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild == nullptr) continue;
    pChild->Measure(pDC, INT_MAX, INT_MAX);
    const CSize szChild = pChild->GetDesiredSize();
    szDesired.cx = std::max(szDesired.cx, szChild.cx);
    szDesired.cy = std::max(szDesired.cy, szChild.cy);
  }
  return szDesired;
}

CSize CTKMarkupCanvas::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  for (int i = 0; i < GetChildren()->GetCount(); ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild == nullptr) continue;
    const CSize szChild = pChild->GetDesiredSize();
    // Offsets are markup values of any size: the sums are taken wide, so
    // that a far offset clamps instead of wrapping into an inverted rectangle.
    long long x = 0;
    if (CTKMarkupInt* pLeft = GetInt(pChild, LeftProperty)) {
      x = pLeft->GetValue();
    } else if (CTKMarkupInt* pRight = GetInt(pChild, RightProperty)) {
      x = static_cast<long long>(nFinalWidth) - pRight->GetValue() - szChild.cx;
    }
    long long y = 0;
    if (CTKMarkupInt* pTop = GetInt(pChild, TopProperty)) {
      y = pTop->GetValue();
    } else if (CTKMarkupInt* pBottom = GetInt(pChild, BottomProperty)) {
      y = static_cast<long long>(nFinalHeight) - pBottom->GetValue() - szChild.cy;
    }
    pChild->Arrange(CRect(ClampMarkupLength(x), ClampMarkupLength(y),
                          ClampMarkupLength(x + szChild.cx), ClampMarkupLength(y + szChild.cy)));
  }
  return CSize(nFinalWidth, nFinalHeight);
}

int CTKMarkupCanvas::GetLeft(CTKMarkupObject* pElement) {
  return GetIntOrZero(pElement, LeftProperty);
}
int CTKMarkupCanvas::GetTop(CTKMarkupObject* pElement) {
  return GetIntOrZero(pElement, TopProperty);
}
int CTKMarkupCanvas::GetRight(CTKMarkupObject* pElement) {
  return GetIntOrZero(pElement, RightProperty);
}
int CTKMarkupCanvas::GetBottom(CTKMarkupObject* pElement) {
  return GetIntOrZero(pElement, BottomProperty);
}
void CTKMarkupCanvas::SetLeft(CTKMarkupObject* pElement, int nValue) {
  SetInt(pElement, LeftProperty, nValue);
}
void CTKMarkupCanvas::SetTop(CTKMarkupObject* pElement, int nValue) {
  SetInt(pElement, TopProperty, nValue);
}
void CTKMarkupCanvas::SetRight(CTKMarkupObject* pElement, int nValue) {
  SetInt(pElement, RightProperty, nValue);
}
void CTKMarkupCanvas::SetBottom(CTKMarkupObject* pElement, int nValue) {
  SetInt(pElement, BottomProperty, nValue);
}
