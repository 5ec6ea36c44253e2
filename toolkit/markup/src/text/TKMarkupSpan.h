// CTKMarkupSpan: a group of inlines that share font, colour or decoration
// values; Bold, Italic and Underline set one of them; CTKMarkupHyperlink is
// a clickable span.
#pragma once

#include "TKMarkupInline.h"

class CTKMarkupRoutedEvent;

/// Has no text of its own: the layout walks into its Inlines.
class CTKMarkupSpan : public CTKMarkupInline {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupSpan();
  ~CTKMarkupSpan() override;

  CTKMarkupInlineCollection* GetInlines() const { return m_pInlines; }
  CTKMarkupInline* GetFirstInline() override;

  int GetLogicalChildrenCount() override { return 1; }
  CTKMarkupObject* GetLogicalChild(int nIndex) override;
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  BOOL HasContentObject() override;
  BOOL AllowWhiteSpaceContent() override { return TRUE; }

 protected:
  LPDISPATCH DispGetInlines();
  DECLARE_DISPATCH_MAP()

 private:
  CTKMarkupInlineCollection* m_pInlines;
};

/// FontWeight 700.
class CTKMarkupBold : public CTKMarkupSpan {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupBold();
};

/// FontStyle Italic.
class CTKMarkupItalic : public CTKMarkupSpan {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupItalic();
};

/// TextDecorations Underline.
class CTKMarkupUnderline : public CTKMarkupSpan {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupUnderline();
};

/// Blue and underlined with a hand cursor unless set otherwise, red while
/// the mouse is over it. A left-button press and release over it raise
/// ClickEvent, which bubbles up to the context's global handlers.
class CTKMarkupHyperlink : public CTKMarkupSpan {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupHyperlink();

  /// Own and style values first; then the hyperlink's look.
  CTKMarkupObject* GetLocalValue(CTKMarkupDependencyProperty* pProperty) override;
  void OnPropertyChanged(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOldValue,
                         CTKMarkupObject* pNewValue) override;
  void OnMouseLeftButtonDown(CTKMarkupMouseButtonEventArgs* pArgs) override;
  void OnMouseLeftButtonUp(CTKMarkupMouseButtonEventArgs* pArgs) override;
  /// Raises ClickEvent with this hyperlink as its source.
  virtual void OnClick();
  BOOL IsPressed() const { return m_bPressed; }

  /// The bubbling "Click" event that buttons raise too.
  static CTKMarkupRoutedEvent* ClickEvent;
  static void RegisterMarkupProperties();

 protected:
  LPDISPATCH DispGetClickEvent();
  DECLARE_DISPATCH_MAP()

 private:
  BOOL m_bPressed;
};
