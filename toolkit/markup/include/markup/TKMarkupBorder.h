// CTKMarkupBorder: a background, a border of four thicknesses and optional
// rounded corners around one child, which it insets by the border and a
// padding.
#pragma once

#include "markup/TKMarkupFrameworkElement.h"

class CTKMarkupBrush;

/// The child is the only visual and logical child; the border owns one
/// reference to it and is its parent.
class CTKMarkupBorder : public CTKMarkupFrameworkElement {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupBorder();
  ~CTKMarkupBorder() override;

  /// Null, or the child (no reference).
  CTKMarkupUIElement* GetChild() const { return m_pChild; }
  /// Detaches and releases the old child; adds a reference to the new one
  /// and becomes its parent. Null removes the child.
  void SetChild(CTKMarkupUIElement* pChild);

  int GetVisualChildrenCount() override { return m_pChild != nullptr ? 1 : 0; }
  CTKMarkupVisual* GetVisualChild(int nIndex) override;
  /// One UI element as the child; anything else, or a second child, is the
  /// builder's error.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  BOOL HasContentObject() override { return m_pChild != nullptr; }

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

 private:
  CTKMarkupUIElement* m_pChild;

  CTKMarkupThickness* GetThickness(CTKMarkupDependencyProperty* pProperty);
};
