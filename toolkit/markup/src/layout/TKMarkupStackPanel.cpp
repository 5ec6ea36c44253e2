// The stack panel's layout.
#include "TKMarkupStackPanel.h"

#include "TKMarkupPanelLayout.h"
#include "TKMarkupConverters.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

#include <algorithm>

IMPLEMENT_MARKUP_TYPE(CTKMarkupStackPanel, TKMarkupRow_StackPanel)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupStackPanel)

CTKMarkupDependencyProperty* CTKMarkupStackPanel::OrientationProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupStackPanel, CTKMarkupPanel)
DISP_PROPERTY_EX_ID(CTKMarkupStackPanel, "Orientation", 600, DispGetOrientation, DispSetOrientation,
                    VT_I4)
END_DISPATCH_MAP()

void CTKMarkupStackPanel::RegisterMarkupProperties() {
  OrientationProperty = CTKMarkupDependencyProperty::Register(
      L"Orientation", CTKMarkupEnum::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, &ConvertOrientation, TK_MARKUP_AFFECTS_MEASURE));
}

int CTKMarkupStackPanel::GetOrientation() {
  CTKMarkupEnum* pValue = MarkupCast<CTKMarkupEnum>(GetValue(OrientationProperty));
  return pValue != nullptr ? pValue->GetValue() : TKMarkupOrientation_Vertical;
}

void CTKMarkupStackPanel::SetOrientation(int nOrientation) {
  SetValue(OrientationProperty, CTKMarkupEnum::CreateValue(nOrientation));
}

CSize CTKMarkupStackPanel::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                           int nAvailableHeight) {
  const BOOL bHorizontal = GetOrientation() == TKMarkupOrientation_Horizontal;
  CSize desired(0, 0);
  for (int i = 0; i < GetChildren()->GetCount(); ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild == nullptr) continue;
    if (bHorizontal) {
      pChild->Measure(pDC, INT_MAX, nAvailableHeight);
      desired.cx = AddMarkupExtents(desired.cx, pChild->GetDesiredSize().cx);
      desired.cy = std::max(desired.cy, pChild->GetDesiredSize().cy);
    } else {
      pChild->Measure(pDC, nAvailableWidth, INT_MAX);
      desired.cx = std::max(desired.cx, pChild->GetDesiredSize().cx);
      desired.cy = AddMarkupExtents(desired.cy, pChild->GetDesiredSize().cy);
    }
  }
  return desired;
}

CSize CTKMarkupStackPanel::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  const BOOL bHorizontal = GetOrientation() == TKMarkupOrientation_Horizontal;
  int nOffset = 0;
  for (int i = 0; i < GetChildren()->GetCount(); ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild == nullptr) continue;
    const CSize desired = pChild->GetDesiredSize();
    if (bHorizontal) {
      const int nRight = AddMarkupExtents(nOffset, desired.cx);
      pChild->Arrange(CRect(nOffset, 0, nRight, std::max<int>(desired.cy, nFinalHeight)));
      nOffset = nRight;
    } else {
      const int nBottom = AddMarkupExtents(nOffset, desired.cy);
      pChild->Arrange(CRect(0, nOffset, std::max<int>(desired.cx, nFinalWidth), nBottom));
      nOffset = nBottom;
    }
  }
  return CSize(nFinalWidth, nFinalHeight);
}
