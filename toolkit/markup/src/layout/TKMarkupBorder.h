// CTKMarkupBorder: a background, a border of four thicknesses and optional
// rounded corners around one child, which it insets by the border and a
// padding.
#pragma once

#include "TKMarkupDecorator.h"

class CTKMarkupBrush;

/// The child (the decorator's) is the only visual and logical child.
class CTKMarkupBorder : public CTKMarkupDecorator {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// Border and padding around the child's desired size.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  /// The child gets the rectangle inside the border and the padding (never
  /// a negative one); the border takes the whole size.
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
  /// The frame in the border brush, then the background inside it.
  void OnRender(CTKMarkupDrawingContext* pDC) override;
  /// Itself with a background; without one, points between its edges fall
  /// through to what lies below.
  CTKMarkupInputElement* InputHitTestOverride(int x, int y) override;

  // Typed accessors (getters add no reference; setters add one)

  CTKMarkupBrush* GetBackground();
  void SetBackground(CTKMarkupBrush* pBrush);
  CTKMarkupBrush* GetBorderBrush();
  void SetBorderBrush(CTKMarkupBrush* pBrush);
  /// Never null: the shared zero thickness when unset.
  CTKMarkupThickness* GetPadding();
  void SetPadding(CTKMarkupThickness* pPadding);
  CTKMarkupThickness* GetBorderThickness();
  void SetBorderThickness(CTKMarkupThickness* pThickness);
  /// Left, top, right, bottom are the top-left, top-right, bottom-right and
  /// bottom-left radii.
  CTKMarkupThickness* GetCornerRadius();
  void SetCornerRadius(CTKMarkupThickness* pRadius);

  static CTKMarkupDependencyProperty* BackgroundProperty;
  static CTKMarkupDependencyProperty* PaddingProperty;
  static CTKMarkupDependencyProperty* BorderThicknessProperty;
  static CTKMarkupDependencyProperty* BorderBrushProperty;
  static CTKMarkupDependencyProperty* CornerRadiusProperty;
  static void RegisterMarkupProperties();

 protected:
  // Automation: each value as an IDispatch; a set takes a markup object of
  // the property's type (null clears it) and refuses anything else.
  LPDISPATCH DispGetBackground();
  void DispSetBackground(LPDISPATCH pValue);
  LPDISPATCH DispGetBorderThickness();
  void DispSetBorderThickness(LPDISPATCH pValue);
  LPDISPATCH DispGetPadding();
  void DispSetPadding(LPDISPATCH pValue);
  LPDISPATCH DispGetBorderBrush();
  void DispSetBorderBrush(LPDISPATCH pValue);
  LPDISPATCH DispGetCornerRadius();
  void DispSetCornerRadius(LPDISPATCH pValue);
  LPDISPATCH DispGetChild();
  void DispSetChild(LPDISPATCH pValue);
  DECLARE_DISPATCH_MAP()

 private:
  CTKMarkupThickness* GetThickness(CTKMarkupDependencyProperty* pProperty);
};
