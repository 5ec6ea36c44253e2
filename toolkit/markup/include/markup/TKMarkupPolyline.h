// CTKMarkupPolyline and CTKMarkupPolygon: the "Polyline" and "Polygon"
// shapes over a list of integer points.
#pragma once

#include "markup/TKMarkupShape.h"

class CTKMarkupPointCollection;

/// An open line through its points; stroked only (a fill is ignored).
class CTKMarkupPolyline : public CTKMarkupShape {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// Null when unset.
  CTKMarkupPointCollection* GetPoints();
  /// Stores the points with a new reference; null clears.
  void SetPoints(CTKMarkupPointCollection* pPoints);

  /// From the origin to the far edge of the points (or their own size when
  /// they lie at negative coordinates); a flat side of a stroked line gets
  /// half the pen; stretched, the bounded available components.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;

  static CTKMarkupDependencyProperty* PointsProperty;
  static void RegisterMarkupProperties();

 protected:
  DECLARE_DISPATCH_MAP()
};

/// A closed figure through its points, filled with the even-odd rule.
class CTKMarkupPolygon : public CTKMarkupShape {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupPointCollection* GetPoints();
  void SetPoints(CTKMarkupPointCollection* pPoints);

  /// As the polyline, without growing by the stroke.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;

  static CTKMarkupDependencyProperty* PointsProperty;
  static void RegisterMarkupProperties();

 protected:
  DECLARE_DISPATCH_MAP()
};
