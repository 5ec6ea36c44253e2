// CTKMarkupRectangle: the "Rectangle" shape, optionally with rounded corners.
#pragma once

#include "TKMarkupShape.h"

/// Fills and outlines its render area. Corner radii (RadiusX, RadiusY) are
/// used only when both come out above 0 after being limited to half the
/// area inside the stroke.
class CTKMarkupRectangle : public CTKMarkupShape {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// 0 when unset.
  int GetRadiusX() { return GetIntValue(RadiusXProperty, 0); }
  int GetRadiusY() { return GetIntValue(RadiusYProperty, 0); }
  void SetRadiusX(int nRadius);
  void SetRadiusY(int nRadius);

  /// (0, 0); stretched: the available size, 0 where it is unbounded.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;

  /// The eight corner radii for a render size and stroke thickness, or
  /// FALSE when the corners are square.
  BOOL GetCornerRadii(int nWidth, int nHeight, int nThickness, double* pRadii);

  static CTKMarkupDependencyProperty* RadiusXProperty;
  static CTKMarkupDependencyProperty* RadiusYProperty;
  static void RegisterMarkupProperties();

 protected:
  long DispGetRadiusX() { return GetRadiusX(); }
  void DispSetRadiusX(long nRadius) { SetRadiusX(nRadius); }
  long DispGetRadiusY() { return GetRadiusY(); }
  void DispSetRadiusY(long nRadius) { SetRadiusY(nRadius); }
  DECLARE_DISPATCH_MAP()
};
