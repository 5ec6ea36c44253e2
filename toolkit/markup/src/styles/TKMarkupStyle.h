// Styles: CTKMarkupSetter (a property and a value), CTKMarkupTrigger (setters
// that hold while a property has a value), their collections, and
// CTKMarkupStyle, a reusable set of setters and triggers for elements of one
// type, sealed into a value table when an element starts using it.
#pragma once

#include "TKMarkupCollection.h"
#include "TKMarkupTriggerCollection.h"

class CTKMarkupProperties;

/// "Property" (a property name until resolved, then the descriptor) and
/// "Value" (converted to the property's type when resolved).
class CTKMarkupSetter : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupSetter() = default;
  /// The property gets a reference; the value's reference is taken over.
  CTKMarkupSetter(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pValue);

  /// The resolved descriptor, or null while it is still a name (no reference).
  CTKMarkupDependencyProperty* GetProperty();
  CTKMarkupObject* GetValue() { return CTKMarkupObject::GetValue(ValueProperty); }

  static CTKMarkupDependencyProperty* PropertyProperty;
  static CTKMarkupDependencyProperty* ValueProperty;
  static void RegisterMarkupProperties();
};

/// Setters that apply while the element's "Property" equals "Value". Takes
/// no content: the setters come through Trigger.Setters.
class CTKMarkupTrigger : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupTrigger() = default;
  CTKMarkupTrigger(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pValue);

  CTKMarkupDependencyProperty* GetTriggerProperty();
  CTKMarkupObject* GetTriggerValue() { return GetValue(CTKMarkupSetter::ValueProperty); }
  /// Null until setters are given.
  CTKMarkupSetterCollection* GetSetters();
  /// Adds a reference to the collection.
  void SetSetters(CTKMarkupSetterCollection* pSetters);

  static CTKMarkupDependencyProperty* SettersProperty;
  static void RegisterMarkupProperties();
};

/// The triggers whose condition holds on one element; the triggers keep
/// their own parents.
class CTKMarkupActiveTriggerCollection : public CTKMarkupCollection {
 public:
  CTKMarkupActiveTriggerCollection();
  CTKMarkupType* GetType() const override { return CTKMarkupCollection::StaticType(); }
  CTKMarkupTrigger* GetTrigger(int nIndex) const {
    return static_cast<CTKMarkupTrigger*>(GetItem(nIndex));
  }
};

/// The setter at an index of a setters collection (checked by the caller).
inline CTKMarkupSetter* MarkupSetterAt(CTKMarkupSetterCollection* pSetters, int nIndex) {
  return static_cast<CTKMarkupSetter*>(pSetters->GetItem(nIndex));
}
inline CTKMarkupTrigger* MarkupTriggerAt(CTKMarkupTriggerCollection* pTriggers, int nIndex) {
  return static_cast<CTKMarkupTrigger*>(pTriggers->GetItem(nIndex));
}

/// Mutable until sealed; sealing copies the base style's values and then the
/// own setters' (the last setter of a property wins) into a table that
/// elements read. A sealed style stands alone: its logical parent is cleared.
class CTKMarkupStyle : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupStyle();
  ~CTKMarkupStyle() override;

  /// Only setters, each resolved against the target type first.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  /// A trigger collection has its triggers resolved before it is stored.
  void SetPropertyObject(CTKMarkupBuilder* pBuilder, CTKMarkupDependencyProperty* pProperty,
                         CTKMarkupObject* pValue) override;
  BOOL HasContentObject() override;

  /// Resolves "Property" against the target type and converts "Value" to its
  /// type (a setter or a trigger); raises the builder's errors.
  void ResolveSetter(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pSetter);

  /// Never null; owned by the style.
  CTKMarkupSetterCollection* GetSetters() const { return m_pSetters; }
  CTKMarkupStyle* GetBasedOn();
  /// Null when the style has no triggers.
  CTKMarkupTriggerCollection* GetTriggers();
  void SetTriggers(CTKMarkupTriggerCollection* pTriggers);
  CTKMarkupType* GetTargetType();

  /// Builds the sealed values once (the base style first).
  void Seal();
  BOOL IsSealed() const { return m_bSealed; }
  /// The sealed value of the property, or null (also before sealing).
  CTKMarkupObject* GetStyleValue(const CTKMarkupDependencyProperty* pProperty) const;

  static CTKMarkupDependencyProperty* TargetTypeProperty;
  static CTKMarkupDependencyProperty* BasedOnProperty;
  static CTKMarkupDependencyProperty* TriggersProperty;
  static void RegisterMarkupProperties();

 private:
  CTKMarkupSetterCollection* m_pSetters;
  BOOL m_bSealed;
  CTKMarkupProperties* m_pSealedValues;
};
