// CTKMarkupButtonBase: a content control that turns mouse input into a
// pressed state and a Click.
#pragma once

#include "markup/TKMarkupControl.h"

class CTKWinThemeWrapper;

/// Idle or Pressed. Pressed starts with a left press on an enabled button
/// (which captures the mouse) and ends with the release (a Click when the
/// pointer is over the button), or with a lost capture. While pressed,
/// IsPressed follows the pointer: set inside, clear outside.
class CTKMarkupButtonBase : public CTKMarkupContentControl {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupButtonBase();
  ~CTKMarkupButtonBase() override;

  /// Raises Click from this button. Subclasses call it last.
  virtual void OnClick();

  void SetPressed(BOOL bPressed);
  BOOL IsPressed() const { return m_bPressed; }
  /// The IsPressed property (what drawing shows).
  BOOL GetIsPressed();

  void OnMouseEnter(CTKMarkupMouseEventArgs* pArgs) override;
  void OnMouseLeave(CTKMarkupMouseEventArgs* pArgs) override;
  void OnMouseLeftButtonDown(CTKMarkupMouseButtonEventArgs* pArgs) override;
  void OnMouseLeftButtonUp(CTKMarkupMouseButtonEventArgs* pArgs) override;
  void OnLostMouseCapture(CTKMarkupMouseEventArgs* pArgs) override;

  /// The "BUTTON" theme, opened on first use and again after the context saw
  /// the theme change; the old handle is closed when it is replaced.
  CTKWinThemeWrapper* GetTheme();
  /// Whether drawing goes through the theme (themed application, open theme).
  BOOL IsThemed();

  static CTKMarkupRoutedEvent* ClickEvent;
  static CTKMarkupDependencyProperty* IsPressedProperty;
  static void RegisterMarkupProperties();

 protected:
  BOOL DispGetIsPressed();
  void DispSetIsPressed(BOOL bValue);
  LPDISPATCH DispGetClickEvent();
  DECLARE_DISPATCH_MAP()

 private:
  int m_bPressed;
  int m_bMouseInside;
  CTKWinThemeWrapper* m_pTheme;
  /// The context's theme serial when the theme was opened; -1 before.
  int m_nThemeSerial;
};
