// CTKMarkupToggleButton: a button with a three-valued IsChecked that a click
// advances; CTKMarkupCheckBox and CTKMarkupRadioButton: the two toggle
// buttons markup can name, each with a 13-unit glyph left of its content.
#pragma once

#include "TKMarkupButtonBase.h"

/// Values of IsChecked.
enum TKMarkupCheckState {
  TKMarkupCheck_Unchecked = 0,
  TKMarkupCheck_Checked = 1,
  TKMarkupCheck_Indeterminate = 2
};

/// Every store of IsChecked (a click, markup, script or code, also of the
/// value it already has) raises Checked, Indeterminate or Unchecked for the
/// new value; a click raises it before Click.
class CTKMarkupToggleButton : public CTKMarkupButtonBase {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupToggleButton();

  /// OnToggle, then the base Click.
  void OnClick() override;
  /// Unchecked becomes checked; checked becomes indeterminate with
  /// IsThreeState, else unchecked; indeterminate becomes unchecked.
  virtual void OnToggle();
  /// Raise the arguments from this button.
  virtual void OnChecked(CTKMarkupRoutedEventArgs* pArgs);
  virtual void OnUnchecked(CTKMarkupRoutedEventArgs* pArgs);
  virtual void OnIndeterminate(CTKMarkupRoutedEventArgs* pArgs);

  TKMarkupCheckState GetIsChecked();
  void SetIsChecked(TKMarkupCheckState nState);
  BOOL GetIsThreeState();
  void SetIsThreeState(BOOL bThreeState);

  static CTKMarkupRoutedEvent* CheckedEvent;
  static CTKMarkupRoutedEvent* UncheckedEvent;
  static CTKMarkupRoutedEvent* IndeterminateEvent;
  static CTKMarkupDependencyProperty* IsCheckedProperty;
  static CTKMarkupDependencyProperty* IsThreeStateProperty;
  static void RegisterMarkupProperties();

 protected:
  /// The check box's and the radio button's layout: a 16-unit glyph column
  /// left of the content, at least 13 units high.
  CSize MeasureGlyphButton(CTKMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight);
  CSize ArrangeGlyphButton(int nFinalWidth, int nFinalHeight);
  /// The 13-unit glyph square, centred vertically at the left.
  CRect GetGlyphRect();
  /// The theme state of the glyph before the check offset (1 to 4).
  int GetBaseThemeState();
  /// Draws a glyph through the theme or DrawFrameControl.
  void DrawGlyph(CTKMarkupDrawingContext* pDC, int nThemePart, int nThemeState, UINT nClassicState);
  /// The focus rectangle right of the glyph, only with content.
  void RenderGlyphFocus(CTKMarkupDrawingContext* pDC);

  long DispGetIsChecked();
  void DispSetIsChecked(long nValue);
  BOOL DispGetIsThreeState();
  void DispSetIsThreeState(BOOL bValue);
  LPDISPATCH DispGetCheckedEvent();
  LPDISPATCH DispGetIndeterminateEvent();
  LPDISPATCH DispGetUncheckedEvent();
  DECLARE_DISPATCH_MAP()

 private:
  static void OnIsCheckedChanged(CTKMarkupObject* pObject, const TK_MARKUP_PROPERTY_CHANGE& change);
};

class CTKMarkupCheckBox : public CTKMarkupToggleButton {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;
  void OnRenderFocusVisual(CTKMarkupDrawingContext* pDC) override;
};

/// A radio group is the set of radio buttons that share one visual parent:
/// checking one unchecks the others; a click never unchecks.
class CTKMarkupRadioButton : public CTKMarkupToggleButton {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  void OnToggle() override;
  void OnChecked(CTKMarkupRoutedEventArgs* pArgs) override;
  void UncheckSiblings();

  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;
  void OnRenderFocusVisual(CTKMarkupDrawingContext* pDC) override;
};
