// CTKMarkupLine, CTKMarkupEllipse and CTKMarkupPath: measure, drawing and
// hit tests.
#include "TKMarkupLine.h"

#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupPathData.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

#include <algorithm>

IMPLEMENT_MARKUP_TYPE(CTKMarkupLine, TKMarkupRow_Line)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupLine)
IMPLEMENT_MARKUP_TYPE(CTKMarkupEllipse, TKMarkupRow_Ellipse)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupEllipse)
IMPLEMENT_MARKUP_TYPE(CTKMarkupPath, TKMarkupRow_Path)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupPath)

CTKMarkupDependencyProperty* CTKMarkupLine::X1Property = nullptr;
CTKMarkupDependencyProperty* CTKMarkupLine::Y1Property = nullptr;
CTKMarkupDependencyProperty* CTKMarkupLine::X2Property = nullptr;
CTKMarkupDependencyProperty* CTKMarkupLine::Y2Property = nullptr;
CTKMarkupDependencyProperty* CTKMarkupPath::DataProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupLine, CTKMarkupShape)
DISP_PROPERTY_EX_ID(CTKMarkupLine, "X1", 600, DispGetX1, DispSetX1, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupLine, "X2", 601, DispGetX2, DispSetX2, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupLine, "Y1", 602, DispGetY1, DispSetY1, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupLine, "Y2", 603, DispGetY2, DispSetY2, VT_I4)
END_DISPATCH_MAP()

BEGIN_DISPATCH_MAP(CTKMarkupEllipse, CTKMarkupShape)
END_DISPATCH_MAP()

BEGIN_DISPATCH_MAP(CTKMarkupPath, CTKMarkupShape)
END_DISPATCH_MAP()

// Line ----------------------------------------------------------------------------------

void CTKMarkupLine::RegisterMarkupProperties() {
  const DWORD dwX = TK_MARKUP_SCALE_DPI_X | TK_MARKUP_AFFECTS_MEASURE;
  const DWORD dwY = TK_MARKUP_SCALE_DPI_Y | TK_MARKUP_AFFECTS_MEASURE;
  CTKMarkupType* pInt = CTKMarkupInt::StaticType();
  X1Property = CTKMarkupDependencyProperty::Register(L"X1", pInt, StaticType(),
                                                     new CTKMarkupPropertyMetadata(nullptr, dwX));
  Y1Property = CTKMarkupDependencyProperty::Register(L"Y1", pInt, StaticType(),
                                                     new CTKMarkupPropertyMetadata(nullptr, dwY));
  X2Property = CTKMarkupDependencyProperty::Register(L"X2", pInt, StaticType(),
                                                     new CTKMarkupPropertyMetadata(nullptr, dwX));
  Y2Property = CTKMarkupDependencyProperty::Register(L"Y2", pInt, StaticType(),
                                                     new CTKMarkupPropertyMetadata(nullptr, dwY));
}

void CTKMarkupLine::SetX1(int nValue) { SetValue(X1Property, new CTKMarkupInt(nValue)); }
void CTKMarkupLine::SetY1(int nValue) { SetValue(Y1Property, new CTKMarkupInt(nValue)); }
void CTKMarkupLine::SetX2(int nValue) { SetValue(X2Property, new CTKMarkupInt(nValue)); }
void CTKMarkupLine::SetY2(int nValue) { SetValue(Y2Property, new CTKMarkupInt(nValue)); }

TK_MARKUP_LINE_POINTS CTKMarkupLine::GetLinePoints() {
  const TK_MARKUP_LINE_POINTS line = {GetX1(), GetY1(), GetX2(), GetY2()};
  return IsStretched() ? StretchMarkupLine(line, GetActualWidth(), GetActualHeight()) : line;
}

CSize CTKMarkupLine::MeasureOverride(CTKMarkupDrawingContext*, int nAvailableWidth,
                                     int nAvailableHeight) {
  const TK_MARKUP_LINE_POINTS line = {GetX1(), GetY1(), GetX2(), GetY2()};
  const CSize size = MeasureMarkupLine(line, GetStroke() != nullptr ? GetStrokeThickness() : 0);
  return IsStretched() ? StretchToAvailable(size, nAvailableWidth, nAvailableHeight) : size;
}

void CTKMarkupLine::OnRender(CTKMarkupDrawingContext* pDC) {
  MARKUP_STROKE stroke;
  GetStrokeStyle(&stroke);
  if (stroke.nThickness <= 0) return;
  const TK_MARKUP_LINE_POINTS line = GetLinePoints();
  if (line.x1 == 0 && line.y1 == 0 && line.x2 == 0 && line.y2 == 0) return;
  CTKMarkupShapeSmoothing smoothing(pDC, this);
  pDC->DrawLine(line.x1, line.y1, line.x2, line.y2, &stroke);
}

CTKMarkupInputElement* CTKMarkupLine::InputHitTestOverride(int x, int y) {
  MARKUP_STROKE stroke;
  GetStrokeStyle(&stroke);
  return HitTestMarkupLine(GetLinePoints(), stroke.nThickness, x, y) ? this : nullptr;
}

// Ellipse -------------------------------------------------------------------------------

CSize CTKMarkupEllipse::MeasureOverride(CTKMarkupDrawingContext*, int nAvailableWidth,
                                        int nAvailableHeight) {
  if (!IsStretched()) return CSize(0, 0);
  return StretchToAvailable(CSize(0, 0), nAvailableWidth, nAvailableHeight);
}

void CTKMarkupEllipse::OnRender(CTKMarkupDrawingContext* pDC) {
  MARKUP_STROKE stroke;
  GetStrokeStyle(&stroke);
  CTKMarkupBrush* pFill = GetFill();
  if (stroke.pBrush == nullptr && pFill == nullptr) return;
  CTKMarkupShapeSmoothing smoothing(pDC, this);
  pDC->DrawEllipse(RECT{0, 0, GetActualWidth(), GetActualHeight()}, &stroke, pFill);
}

CTKMarkupInputElement* CTKMarkupEllipse::InputHitTestOverride(int x, int y) {
  return HitTestMarkupEllipse(GetActualWidth(), GetActualHeight(), x, y) ? this : nullptr;
}

// Path ----------------------------------------------------------------------------------

void CTKMarkupPath::RegisterMarkupProperties() {
  DataProperty = CTKMarkupDependencyProperty::Register(
      L"Data", CTKMarkupPathData::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_AFFECTS_MEASURE));
}

CTKMarkupPathData* CTKMarkupPath::GetData() {
  return static_cast<CTKMarkupPathData*>(GetValue(DataProperty));
}

void CTKMarkupPath::SetData(CTKMarkupPathData* pData) {
  if (pData != nullptr) pData->AddRef();
  SetValue(DataProperty, pData);
}

void CTKMarkupPath::SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) {
  if (pContent != nullptr && pContent->IsKindOf(CTKMarkupPathData::StaticType())) {
    SetData(static_cast<CTKMarkupPathData*>(pContent));
    return;
  }
  CTKMarkupShape::SetContentObject(pBuilder, pContent);
}

CSize CTKMarkupPath::MeasureOverride(CTKMarkupDrawingContext*, int nAvailableWidth,
                                     int nAvailableHeight) {
  CTKMarkupPathData* pData = GetData();
  if (pData == nullptr) return CSize(0, 0);
  const CSize size = MarkupBoundsExtent(pData->GetBounds());
  return IsStretched() ? StretchToAvailable(size, nAvailableWidth, nAvailableHeight) : size;
}

void CTKMarkupPath::OnRender(CTKMarkupDrawingContext* pDC) {
  MARKUP_STROKE stroke;
  GetStrokeStyle(&stroke);
  CTKMarkupBrush* pFill = GetFill();
  CTKMarkupPathData* pData = GetData();
  if ((stroke.pBrush == nullptr && pFill == nullptr) || pData == nullptr) return;
  if (!IsStretched()) {
    pDC->DrawPath(pData, &stroke, pFill);
    return;
  }
  // A flat side of the bounds keeps its coordinates rather than dividing
  // by zero.
  CTKMarkupAutoPtr<CTKMarkupPathData> stretched(
      pData->Stretch(GetActualWidth(), GetActualHeight()));
  pDC->DrawPath(stretched, &stroke, pFill);
}
