// CTKMarkupPolyline and CTKMarkupPolygon: measure from the points' bounds,
// and drawing, fitted into the render size when stretched.
#include "TKMarkupPolyline.h"

#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupPoint.h"
#include "TKMarkupShapeGeometry.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

#include <algorithm>

IMPLEMENT_MARKUP_TYPE(CTKMarkupPolyline, TKMarkupRow_Polyline)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupPolyline)
IMPLEMENT_MARKUP_TYPE(CTKMarkupPolygon, TKMarkupRow_Polygon)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupPolygon)

CTKMarkupDependencyProperty* CTKMarkupPolyline::PointsProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupPolygon::PointsProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupPolyline, CTKMarkupShape)
END_DISPATCH_MAP()

BEGIN_DISPATCH_MAP(CTKMarkupPolygon, CTKMarkupShape)
END_DISPATCH_MAP()

namespace {

CTKMarkupDependencyProperty* RegisterPoints(CTKMarkupType* pOwner) {
  return CTKMarkupDependencyProperty::Register(
      L"Points", CTKMarkupPointCollection::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_AFFECTS_MEASURE));
}

bool HasPoints(CTKMarkupPointCollection* pPoints) {
  return pPoints != nullptr && pPoints->GetPoints().GetSize() > 0;
}

// From the origin to the far edge, or the points' own extent when that is
// larger (points at negative coordinates).
CSize PointsExtent(CTKMarkupPointCollection* pPoints) {
  if (!HasPoints(pPoints)) return CSize(0, 0);
  return MarkupBoundsExtent(pPoints->GetBounds());
}

// The points as drawn: fitted into the render size when stretched.
void DrawnPoints(CTKMarkupShape* pShape, CTKMarkupPointCollection* pPoints,
                 CArray<POINT, POINT>& points) {
  if (pShape->IsStretched()) {
    pPoints->Stretch(points, pShape->GetActualWidth(), pShape->GetActualHeight());
  } else {
    points.Copy(pPoints->GetPoints());
  }
}

}  // namespace

// Points shape ------------------------------------------------------------------------

CTKMarkupPointCollection* CTKMarkupPointsShape::GetPoints() {
  return static_cast<CTKMarkupPointCollection*>(GetValue(GetPointsProperty()));
}

void CTKMarkupPointsShape::SetPoints(CTKMarkupPointCollection* pPoints) {
  if (pPoints != nullptr) pPoints->AddRef();
  SetValue(GetPointsProperty(), pPoints);
}

// Polyline ------------------------------------------------------------------------------

void CTKMarkupPolyline::RegisterMarkupProperties() {
  PointsProperty = RegisterPoints(StaticType());
}

CSize CTKMarkupPolyline::MeasureOverride(CTKMarkupDrawingContext*, int nAvailableWidth,
                                         int nAvailableHeight) {
  CTKMarkupPointCollection* pPoints = GetPoints();
  if (!HasPoints(pPoints)) return CSize(0, 0);
  CSize size = PointsExtent(pPoints);
  if (GetStroke() != nullptr) {
    // A flat line still covers half its pen across.
    const int nHalf = static_cast<int>((static_cast<long long>(GetStrokeThickness()) + 1) / 2);
    if (size.cx == 0) size.cx = nHalf;
    if (size.cy == 0) size.cy = nHalf;
  }
  return IsStretched() ? StretchToAvailable(size, nAvailableWidth, nAvailableHeight) : size;
}

void CTKMarkupPolyline::OnRender(CTKMarkupDrawingContext* pDC) {
  MARKUP_STROKE stroke;
  GetStrokeStyle(&stroke);
  CTKMarkupPointCollection* pPoints = GetPoints();
  if (stroke.nThickness <= 0 || !HasPoints(pPoints)) return;
  CTKMarkupShapeSmoothing smoothing(pDC, this);
  CArray<POINT, POINT> points;
  DrawnPoints(this, pPoints, points);
  pDC->DrawPolyline(points.GetData(), static_cast<int>(points.GetSize()), &stroke);
}

// Polygon -------------------------------------------------------------------------------

void CTKMarkupPolygon::RegisterMarkupProperties() { PointsProperty = RegisterPoints(StaticType()); }

CSize CTKMarkupPolygon::MeasureOverride(CTKMarkupDrawingContext*, int nAvailableWidth,
                                        int nAvailableHeight) {
  CTKMarkupPointCollection* pPoints = GetPoints();
  if (!HasPoints(pPoints)) return CSize(0, 0);
  const CSize size = PointsExtent(pPoints);
  return IsStretched() ? StretchToAvailable(size, nAvailableWidth, nAvailableHeight) : size;
}

void CTKMarkupPolygon::OnRender(CTKMarkupDrawingContext* pDC) {
  MARKUP_STROKE stroke;
  GetStrokeStyle(&stroke);
  CTKMarkupBrush* pFill = GetFill();
  CTKMarkupPointCollection* pPoints = GetPoints();
  if ((stroke.pBrush == nullptr && pFill == nullptr) || !HasPoints(pPoints)) return;
  CTKMarkupShapeSmoothing smoothing(pDC, this);
  CArray<POINT, POINT> points;
  DrawnPoints(this, pPoints, points);
  pDC->DrawPolygon(points.GetData(), static_cast<int>(points.GetSize()), &stroke, pFill);
}
