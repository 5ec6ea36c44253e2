// CTKMarkupFrameworkContentElement: the base of the inline text elements.
// They are not laid out themselves; their property changes go to the
// framework element that hosts them.
#pragma once

#include "markup/TKMarkupInputElement.h"

class CTKMarkupFrameworkElement;

class CTKMarkupFrameworkContentElement : public CTKMarkupInputElement {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// The object's handling and the style's triggers; then the host is
  /// measured again (affects measure), arranged again (affects arrange) and
  /// repainted (affects render), each flag on its own.
  void OnPropertyChanged(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOldValue,
                         CTKMarkupObject* pNewValue) override;
  /// The element itself: the host's hit test decides where it is.
  CTKMarkupInputElement* InputHitTest(int x, int y) override;

  /// The nearest ancestor through logical parents that is a framework
  /// element, or null.
  CTKMarkupFrameworkElement* GetParentFrameworkElement() const;
  CTKMarkupObject* GetTag();

  /// Adds this type as an owner of the framework element's Tag.
  static void RegisterMarkupProperties();
};
