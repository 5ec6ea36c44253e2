// CTKMarkupShape: the base of the elements that draw geometry (rectangle,
// polyline, polygon, line, ellipse, path): fill and stroke properties, the
// stroke description the drawing context turns into a pen, and the script
// properties.
#pragma once

#include "markup/TKMarkupDeviceContext.h"
#include "markup/TKMarkupFrameworkElement.h"

class CTKMarkupBrush;
class CTKMarkupDoubleCollection;

/// Adds only properties: it measures as a framework element ((0, 0)) and
/// draws nothing itself. Subclasses draw through the drawing context with
/// GetStrokeStyle and GetFill, in the shape's smoothing mode.
class CTKMarkupShape : public CTKMarkupFrameworkElement {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// Null when unset (no reference for the caller).
  CTKMarkupBrush* GetFill();
  /// Stores the brush with a new reference; null clears.
  void SetFill(CTKMarkupBrush* pBrush);
  CTKMarkupBrush* GetStroke();
  void SetStroke(CTKMarkupBrush* pBrush);
  /// 1 when unset.
  int GetStrokeThickness();
  void SetStrokeThickness(int nThickness);
  /// None 0 (when unset), Fill 1, Uniform 2, UniformToFill 3. The shapes
  /// treat every value but None alike: the geometry is scaled to the render
  /// size independently along x and y.
  int GetStretch();
  /// Null (a solid line) when unset.
  CTKMarkupDoubleCollection* GetStrokeDashArray();
  void SetStrokeDashArray(CTKMarkupDoubleCollection* pDashes);
  /// Line caps: Flat 0, Square 1, Round 2, Triangle 3 (0 when unset).
  int GetStrokeStartLineCap();
  void SetStrokeStartLineCap(int nCap);
  int GetStrokeEndLineCap();
  void SetStrokeEndLineCap(int nCap);
  /// Miter 0, Bevel 1, Round 2 (0 when unset).
  int GetStrokeLineJoin();
  void SetStrokeLineJoin(int nJoin);
  /// Default 0, None 1, HighSpeed 2, HighQuality 3, AntiAlias 4.
  int GetSmoothingMode();

  /// The pen: the stroke brush (not referenced), its thickness (0 without a
  /// stroke brush), dashes, caps and join.
  void GetStrokeStyle(MARKUP_STROKE* pStroke);
  BOOL IsStretched() { return GetStretch() != 0; }

  static CTKMarkupDependencyProperty* StrokeMiterLimitProperty;
  static CTKMarkupDependencyProperty* FillProperty;
  static CTKMarkupDependencyProperty* StrokeProperty;
  static CTKMarkupDependencyProperty* StrokeThicknessProperty;
  static CTKMarkupDependencyProperty* StretchProperty;
  static CTKMarkupDependencyProperty* StrokeDashArrayProperty;
  static CTKMarkupDependencyProperty* StrokeStartLineCapProperty;
  static CTKMarkupDependencyProperty* StrokeEndLineCapProperty;
  static CTKMarkupDependencyProperty* StrokeLineJoinProperty;
  static CTKMarkupDependencyProperty* SmoothingModeProperty;
  static void RegisterMarkupProperties();

 protected:
  /// An integer property, `nDefault` when unset.
  int GetIntValue(CTKMarkupDependencyProperty* pProperty, int nDefault);
  /// An enumeration property, 0 when unset.
  int GetEnumValue(CTKMarkupDependencyProperty* pProperty);
  /// The available size a stretched shape takes: each bounded component
  /// replaces `size`'s.
  static CSize StretchToAvailable(CSize size, int nAvailableWidth, int nAvailableHeight);

  LPDISPATCH DispGetFill();
  void DispSetFill(LPDISPATCH pDispatch);
  LPDISPATCH DispGetStroke();
  void DispSetStroke(LPDISPATCH pDispatch);
  long DispGetStrokeThickness();
  void DispSetStrokeThickness(long nThickness);
  long DispGetStrokeStartLineCap();
  void DispSetStrokeStartLineCap(long nCap);
  long DispGetStrokeEndLineCap();
  void DispSetStrokeEndLineCap(long nCap);
  long DispGetStrokeLineJoin();
  void DispSetStrokeLineJoin(long nJoin);
  LPDISPATCH DispGetStrokeDashArray();
  void DispSetStrokeDashArray(LPDISPATCH pDispatch);
  DECLARE_DISPATCH_MAP()

 private:
  LPDISPATCH DispatchOf(CTKMarkupDependencyProperty* pProperty);
  void SetFromDispatch(CTKMarkupDependencyProperty* pProperty, LPDISPATCH pDispatch);
};

/// Sets a shape's smoothing mode on the drawing context for one drawing and
/// puts the previous mode back when it goes.
class CTKMarkupShapeSmoothing {
 public:
  CTKMarkupShapeSmoothing(CTKMarkupDrawingContext* pDC, CTKMarkupShape* pShape);
  ~CTKMarkupShapeSmoothing();
  CTKMarkupShapeSmoothing(const CTKMarkupShapeSmoothing&) = delete;
  CTKMarkupShapeSmoothing& operator=(const CTKMarkupShapeSmoothing&) = delete;

 private:
  CTKMarkupDrawingContext* m_pDC;
  int m_nPrevious;
};
