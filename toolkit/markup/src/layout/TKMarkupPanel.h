// CTKMarkupPanel: the base of the elements that hold any number of child
// elements (the Children collection) and paint an optional background;
// subclasses decide the layout. CTKMarkupUIElementCollection: the children.
#pragma once

#include "TKMarkupCollection.h"
#include "markup/TKMarkupFrameworkElement.h"

class CTKMarkupBrush;

/// A collection of UI elements; every change re-measures the UI element
/// that owns it.
class CTKMarkupUIElementCollection : public CTKMarkupCollection {
 public:
  CTKMarkupUIElementCollection();
  /// The collection's type: it has no row of its own.
  CTKMarkupType* GetType() const override;

 protected:
  void OnChanged() override;

  /// Scripts walk the children with a new enumerator ("_NewEnum").
  LPUNKNOWN DispNewEnum();
  DECLARE_DISPATCH_MAP()
};

/// Children are visual and logical children in collection order (later
/// ones draw over earlier ones). A plain panel measures (0, 0) and arranges
/// nobody: the subclasses lay out their children.
class CTKMarkupPanel : public CTKMarkupFrameworkElement {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupPanel();
  ~CTKMarkupPanel() override;

  /// Never null; owned by the panel.
  CTKMarkupUIElementCollection* GetChildren() const { return m_pChildren; }
  /// The child at the index, or null (empty slot or outside the range).
  CTKMarkupUIElement* GetChild(int nIndex) const;

  /// The background brush (no reference), or null.
  CTKMarkupBrush* GetBackground();
  /// Adds a reference to the brush; null clears it.
  void SetBackground(CTKMarkupBrush* pBrush);

  int GetVisualChildrenCount() override;
  CTKMarkupVisual* GetVisualChild(int nIndex) override;
  /// Builder content goes to the children collection.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  BOOL HasContentObject() override;
  /// Fills the render area with the background.
  void OnRender(CTKMarkupDrawingContext* pDC) override;
  /// The panel itself with a background; without one the point falls
  /// through to what lies below.
  CTKMarkupInputElement* InputHitTestOverride(int x, int y) override;
  /// (0, 0), measuring nobody.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;

  static CTKMarkupDependencyProperty* BackgroundProperty;
  static void RegisterMarkupProperties();

 protected:
  /// Scripts see "Background" (a brush; null clears it) and "Children".
  LPDISPATCH DispGetBackground();
  void DispSetBackground(LPDISPATCH pBrush);
  LPDISPATCH DispGetChildren();
  DECLARE_DISPATCH_MAP()

 private:
  CTKMarkupUIElementCollection* m_pChildren;
};
