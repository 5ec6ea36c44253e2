// CTKMarkupPathGeometry and CTKMarkupPathGeometryFigures: the nesting a
// document may write inside a path's Data ("PathGeometry" with "Figures").
// They are kept as values and carry no drawing data.
#pragma once

#include "markup/TKMarkupDependencyProperty.h"

/// The figures of a path geometry; no properties.
class CTKMarkupPathGeometryFigures : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()
};

/// A path geometry: takes a Figures child as its "Figures" value.
class CTKMarkupPathGeometry : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupPathGeometryFigures* GetFigures();
  /// A Figures child becomes the "Figures" value (one reference); other
  /// content raises the base error.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;

  static CTKMarkupDependencyProperty* FiguresProperty;
  static void RegisterMarkupProperties();
};
