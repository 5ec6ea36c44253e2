// CTKMarkupControl: a framework element with a background, a foreground and
// a padding; CTKMarkupContentControl: a control that holds exactly one
// element, its Content.
#pragma once

#include "markup/TKMarkupFrameworkElement.h"

class CTKMarkupBrush;
class CTKMarkupThickness;

/// A plain "Control" has no child and measures (0, 0). Padding is not applied
/// here: the controls that draw a frame add it themselves.
class CTKMarkupControl : public CTKMarkupFrameworkElement {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupControl();

  /// The values (no reference), or null.
  CTKMarkupBrush* GetBackground();
  void SetBackground(CTKMarkupBrush* pBrush);
  CTKMarkupBrush* GetForeground();
  void SetForeground(CTKMarkupBrush* pBrush);
  /// Never null: unset reads as zero on all sides.
  CTKMarkupThickness* GetPadding();
  void SetPadding(CTKMarkupThickness* pPadding);

  /// The first visual child measured with the whole available size.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  /// The first visual child arranged in (0, 0, width, height).
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

  static CTKMarkupDependencyProperty* BackgroundProperty;
  static CTKMarkupDependencyProperty* ForegroundProperty;
  static CTKMarkupDependencyProperty* PaddingProperty;
  static void RegisterMarkupProperties();

 protected:
  LPDISPATCH DispGetBackground();
  void DispSetBackground(LPDISPATCH pValue);
  LPDISPATCH DispGetForeground();
  void DispSetForeground(LPDISPATCH pValue);
  LPDISPATCH DispGetPadding();
  void DispSetPadding(LPDISPATCH pValue);
  DECLARE_DISPATCH_MAP()
};

/// The Content is the only visual and logical child; a text content becomes
/// a TextBlock holding one Run.
class CTKMarkupContentControl : public CTKMarkupControl {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupContentControl();

  /// The content (no reference), or null.
  CTKMarkupUIElement* GetContent();
  /// Takes over the caller's reference; null clears it.
  void SetContent(CTKMarkupUIElement* pContent);

  /// The builder's content: one element, or text; a second child or an
  /// object that is no UI element raises the builder's error.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  BOOL HasContentObject() override;
  int GetVisualChildrenCount() override;
  CTKMarkupVisual* GetVisualChild(int nIndex) override;

  static CTKMarkupDependencyProperty* ContentProperty;
  static void RegisterMarkupProperties();

 protected:
  LPDISPATCH DispGetContent();
  void DispSetContent(LPDISPATCH pValue);
  DECLARE_DISPATCH_MAP()
};
