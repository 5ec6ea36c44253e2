// Point values: one point of two doubles (gradient ends) and an integer
// point list with its bounding rectangle (polylines and polygons).
#pragma once

#include "markup/TKMarkupObject.h"

/// X and Y. From text: "x,y" with two numbers; DPI-scaled by the flags of the
/// receiving property.
class CTKMarkupPoint : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupPoint() : m_x(0.0), m_y(0.0) {}
  CTKMarkupPoint(double x, double y) : m_x(x), m_y(y) {}
  void CopyFrom(const CTKMarkupPoint& other) {
    m_x = other.m_x;
    m_y = other.m_y;
  }
  double GetX() const { return m_x; }
  double GetY() const { return m_y; }

  CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) override;

 private:
  double m_x;
  double m_y;
};

/// Integer points and their bounding rectangle (empty for no points). From
/// text: "x,y x,y ...", each integer DPI-scaled by the context.
class CTKMarkupPointCollection : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupPointCollection();
  explicit CTKMarkupPointCollection(const CArray<POINT, POINT>& points);

  const CArray<POINT, POINT>& GetPoints() const { return m_points; }
  const RECT& GetBounds() const { return m_rcBounds; }
  /// The points fitted into width x height (integer arithmetic); an axis
  /// whose span is zero keeps its values.
  void Stretch(CArray<POINT, POINT>& points, int nWidth, int nHeight) const;

  CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) override;

 private:
  CArray<POINT, POINT> m_points;
  RECT m_rcBounds;

  void ComputeBounds();
};
