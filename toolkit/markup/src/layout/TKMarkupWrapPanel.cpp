// The wrap panel's line breaking.
#include "TKMarkupWrapPanel.h"

#include "TKMarkupPanelLayout.h"
#include "TKMarkupConverters.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

#include <algorithm>

IMPLEMENT_MARKUP_TYPE(CTKMarkupWrapPanel, TKMarkupRow_WrapPanel)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupWrapPanel)

CTKMarkupDependencyProperty* CTKMarkupWrapPanel::OrientationProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupWrapPanel::ItemHeightProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupWrapPanel::ItemWidthProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupWrapPanel, CTKMarkupPanel)
DISP_PROPERTY_EX_ID(CTKMarkupWrapPanel, "Orientation", 600, DispGetOrientation, DispSetOrientation,
                    VT_I4)
END_DISPATCH_MAP()

void CTKMarkupWrapPanel::RegisterMarkupProperties() {
  OrientationProperty = CTKMarkupDependencyProperty::Register(
      L"Orientation", CTKMarkupEnum::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, &ConvertOrientation, TK_MARKUP_AFFECTS_MEASURE));
  ItemHeightProperty = CTKMarkupDependencyProperty::Register(
      L"ItemHeight", CTKMarkupInt::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_SCALE_DPI_Y | TK_MARKUP_AFFECTS_MEASURE));
  ItemWidthProperty = CTKMarkupDependencyProperty::Register(
      L"ItemWidth", CTKMarkupInt::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_SCALE_DPI_X | TK_MARKUP_AFFECTS_MEASURE));
}

int CTKMarkupWrapPanel::GetOrientation() {
  CTKMarkupEnum* pValue = MarkupCast<CTKMarkupEnum>(GetValue(OrientationProperty));
  return pValue != nullptr ? pValue->GetValue() : TKMarkupOrientation_Horizontal;
}

void CTKMarkupWrapPanel::SetOrientation(int nOrientation) {
  SetValue(OrientationProperty, CTKMarkupEnum::CreateValue(nOrientation));
}

BOOL CTKMarkupWrapPanel::GetItemWidth(int* pnWidth) {
  CTKMarkupInt* pValue = MarkupCast<CTKMarkupInt>(GetValue(ItemWidthProperty));
  if (pValue != nullptr) *pnWidth = pValue->GetValue();
  return pValue != nullptr;
}

BOOL CTKMarkupWrapPanel::GetItemHeight(int* pnHeight) {
  CTKMarkupInt* pValue = MarkupCast<CTKMarkupInt>(GetValue(ItemHeightProperty));
  if (pValue != nullptr) *pnHeight = pValue->GetValue();
  return pValue != nullptr;
}

CSize CTKMarkupWrapPanel::GetItemSize(CTKMarkupUIElement* pChild) {
  CSize size = pChild->GetDesiredSize();
  int nWidth = 0, nHeight = 0;
  if (GetItemWidth(&nWidth)) size.cx = nWidth;
  if (GetItemHeight(&nHeight)) size.cy = nHeight;
  return size;
}

CSize CTKMarkupWrapPanel::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                          int nAvailableHeight) {
  const BOOL bHorizontal = GetOrientation() == TKMarkupOrientation_Horizontal;
  int nChildWidth = nAvailableWidth, nChildHeight = nAvailableHeight;
  GetItemWidth(&nChildWidth);
  GetItemHeight(&nChildHeight);
  const int nLimit = bHorizontal ? nAvailableWidth : nAvailableHeight;
  int nLine = 0, nThickness = 0, nClosed = 0, nLongest = 0;
  for (int i = 0; i < GetChildren()->GetCount(); ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild == nullptr) continue;
    pChild->Measure(pDC, nChildWidth, nChildHeight);
    const CSize item = GetItemSize(pChild);
    const int nMain = bHorizontal ? item.cx : item.cy;
    const int nCross = bHorizontal ? item.cy : item.cx;
    if (AddMarkupExtents(nLine, nMain) > nLimit) {
      nLongest = std::max(nLongest, nLine);
      nClosed = AddMarkupExtents(nClosed, nThickness);
      nLine = nMain;
      nThickness = nCross;
    } else {
      nLine = AddMarkupExtents(nLine, nMain);
      nThickness = std::max(nThickness, nCross);
    }
  }
  nLongest = std::max(nLongest, nLine);
  const int nCrossTotal = AddMarkupExtents(nClosed, nThickness);
  return bHorizontal ? CSize(nLongest, nCrossTotal) : CSize(nCrossTotal, nLongest);
}

CSize CTKMarkupWrapPanel::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  const BOOL bHorizontal = GetOrientation() == TKMarkupOrientation_Horizontal;
  const int nLimit = bHorizontal ? nFinalWidth : nFinalHeight;
  const int nCount = GetChildren()->GetCount();
  int nLine = 0, nThickness = 0, nCrossOffset = 0, nFirst = 0;
  for (int i = 0; i < nCount; ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild == nullptr) continue;
    const CSize item = GetItemSize(pChild);
    const int nMain = bHorizontal ? item.cx : item.cy;
    const int nCross = bHorizontal ? item.cy : item.cx;
    if (AddMarkupExtents(nLine, nMain) > nLimit) {
      ArrangeLine(nCrossOffset, nThickness, nFirst, i);
      nCrossOffset = AddMarkupExtents(nCrossOffset, nThickness);
      nFirst = i;
      nLine = nMain;
      nThickness = nCross;
    } else {
      nLine = AddMarkupExtents(nLine, nMain);
      nThickness = std::max(nThickness, nCross);
    }
  }
  ArrangeLine(nCrossOffset, nThickness, nFirst, nCount);
  return CSize(nFinalWidth, nFinalHeight);
}

void CTKMarkupWrapPanel::ArrangeLine(int nCrossOffset, int nThickness, int nFirst, int nEnd) {
  const BOOL bHorizontal = GetOrientation() == TKMarkupOrientation_Horizontal;
  const int nCrossEnd = AddMarkupExtents(nCrossOffset, nThickness);
  int nOffset = 0;
  for (int i = nFirst; i < nEnd; ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild == nullptr) continue;
    const CSize item = GetItemSize(pChild);
    const int nEndOffset = AddMarkupExtents(nOffset, bHorizontal ? item.cx : item.cy);
    if (bHorizontal)
      pChild->Arrange(CRect(nOffset, nCrossOffset, nEndOffset, nCrossEnd));
    else
      pChild->Arrange(CRect(nCrossOffset, nOffset, nCrossEnd, nEndOffset));
    nOffset = nEndOffset;
  }
}
