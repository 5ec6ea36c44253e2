// CTKMarkupLine, CTKMarkupEllipse and CTKMarkupPath: the "Line", "Ellipse"
// and "Path" shapes.
#pragma once

#include "TKMarkupShape.h"
#include "TKMarkupShapeGeometry.h"

class CTKMarkupPathData;

/// A straight line from (X1, Y1) to (X2, Y2); stroked only.
class CTKMarkupLine : public CTKMarkupShape {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// 0 when unset.
  int GetX1() { return GetIntValue(X1Property, 0); }
  int GetY1() { return GetIntValue(Y1Property, 0); }
  int GetX2() { return GetIntValue(X2Property, 0); }
  int GetY2() { return GetIntValue(Y2Property, 0); }
  void SetX1(int nValue);
  void SetY1(int nValue);
  void SetX2(int nValue);
  void SetY2(int nValue);

  /// The end points as drawn: the properties, or stretched into the render
  /// size.
  TK_MARKUP_LINE_POINTS GetLinePoints();

  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;
  /// Hits within half the stroke of the drawn line; nothing without a pen.
  CTKMarkupInputElement* InputHitTestOverride(int x, int y) override;

  static CTKMarkupDependencyProperty* X1Property;
  static CTKMarkupDependencyProperty* Y1Property;
  static CTKMarkupDependencyProperty* X2Property;
  static CTKMarkupDependencyProperty* Y2Property;
  static void RegisterMarkupProperties();

 protected:
  long DispGetX1() { return GetX1(); }
  void DispSetX1(long nValue) { SetX1(nValue); }
  long DispGetX2() { return GetX2(); }
  void DispSetX2(long nValue) { SetX2(nValue); }
  long DispGetY1() { return GetY1(); }
  void DispSetY1(long nValue) { SetY1(nValue); }
  long DispGetY2() { return GetY2(); }
  void DispSetY2(long nValue) { SetY2(nValue); }
  DECLARE_DISPATCH_MAP()
};

/// The ellipse filling the render area, inset by half the stroke.
class CTKMarkupEllipse : public CTKMarkupShape {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// (0, 0); stretched: the available size, 0 where it is unbounded.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;
  /// Hits inside the ellipse (HitTestMarkupEllipse); never divides by zero.
  CTKMarkupInputElement* InputHitTestOverride(int x, int y) override;

 protected:
  DECLARE_DISPATCH_MAP()
};

/// Geometry from path data ("Data"), drawn as it is or stretched into the
/// render size.
class CTKMarkupPath : public CTKMarkupShape {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// Null when unset.
  CTKMarkupPathData* GetData();
  /// Stores the data with a new reference; null clears.
  void SetData(CTKMarkupPathData* pData);

  /// A Data child becomes the Data value; other content raises the base error.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  /// From the origin to the far edge of the data's bounds (or their own size
  /// at negative coordinates); stretched, the bounded available components.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;

  static CTKMarkupDependencyProperty* DataProperty;
  static void RegisterMarkupProperties();

 protected:
  DECLARE_DISPATCH_MAP()
};
