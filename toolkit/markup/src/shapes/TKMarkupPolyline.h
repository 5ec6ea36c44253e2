// CTKMarkupPolyline and CTKMarkupPolygon: the "Polyline" and "Polygon"
// shapes over a list of integer points.
#pragma once

#include "TKMarkupShape.h"

class CTKMarkupPointCollection;

/// A shape over a list of points: each kind registers "Points" under its
/// own type and names that property here.
class CTKMarkupPointsShape : public CTKMarkupShape {
 public:
  /// Null when unset.
  CTKMarkupPointCollection* GetPoints();
  /// Stores the points with a new reference; null clears.
  void SetPoints(CTKMarkupPointCollection* pPoints);

 protected:
  virtual CTKMarkupDependencyProperty* GetPointsProperty() const = 0;
};

/// An open line through its points; stroked only (a fill is ignored).
class CTKMarkupPolyline : public CTKMarkupPointsShape {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// From the origin to the far edge of the points (or their own size when
  /// they lie at negative coordinates); a flat side of a stroked line gets
  /// half the pen; stretched, the bounded available components.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;

  static CTKMarkupDependencyProperty* PointsProperty;
  static void RegisterMarkupProperties();

 protected:
  CTKMarkupDependencyProperty* GetPointsProperty() const override { return PointsProperty; }
  DECLARE_DISPATCH_MAP()
};

/// A closed figure through its points, filled with the even-odd rule.
class CTKMarkupPolygon : public CTKMarkupPointsShape {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// As the polyline, without growing by the stroke.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;

  static CTKMarkupDependencyProperty* PointsProperty;
  static void RegisterMarkupProperties();

 protected:
  CTKMarkupDependencyProperty* GetPointsProperty() const override { return PointsProperty; }
  DECLARE_DISPATCH_MAP()
};
