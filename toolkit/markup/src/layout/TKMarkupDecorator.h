// CTKMarkupDecorator: the base of elements that hold at most one child
// (the page, the border); CTKMarkupPage: a root that sizes its child to the
// whole page.
#pragma once

#include "markup/TKMarkupFrameworkElement.h"

/// Holds one reference to its child and is its logical parent. It does not
/// lay the child out: subclasses do. It has no row of its own and reports
/// the framework element's type.
class CTKMarkupDecorator : public CTKMarkupFrameworkElement {
 public:
  ~CTKMarkupDecorator() override;

  /// The child (no reference), or null.
  CTKMarkupUIElement* GetChild() const { return m_pChild; }
  /// Replaces the child (null removes it); the old one loses its parent
  /// link and the holder's reference, the new one gets both.
  void SetChild(CTKMarkupUIElement* pChild);

  /// One UI element; anything else, or a second child, is a builder error.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  BOOL HasContentObject() override { return m_pChild != nullptr; }
  int GetVisualChildrenCount() override { return m_pChild != nullptr ? 1 : 0; }
  CTKMarkupVisual* GetVisualChild(int nIndex) override;

 private:
  CTKMarkupUIElement* m_pChild = nullptr;
};

/// The child is measured with the whole available size and arranged over
/// the whole page; the page itself is never hit by the mouse. Scripts see
/// "Content" (the child).
class CTKMarkupPage : public CTKMarkupDecorator {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
  CTKMarkupInputElement* InputHitTestOverride(int x, int y) override;

 protected:
  LPDISPATCH DispGetContent();
  void DispSetContent(LPDISPATCH pContent);
  DECLARE_DISPATCH_MAP()
};
