// CTKMarkupObjectProperty: a property element (Owner.Property) while the
// builder reads it, and CTKMarkupExtension, the base of elements that go to
// their parent's extension list instead of its content.
#pragma once

#include "markup/TKMarkupObject.h"

/// Collects the value of a property element from its content; only the
/// builder makes it.
class CTKMarkupObjectProperty : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  explicit CTKMarkupObjectProperty(CTKMarkupDependencyProperty* pProperty = nullptr)
      : m_pValue(nullptr), m_pTemporary(nullptr), m_pProperty(pProperty) {}
  ~CTKMarkupObjectProperty() override;

  CTKMarkupDependencyProperty* GetProperty() const { return m_pProperty; }
  /// The value collected so far, or null (no reference).
  CTKMarkupObject* GetPropertyValue() const { return m_pValue; }

  /// Content of the property's type becomes the value; other objects go into
  /// the value (made of the property's type when there is none yet); a
  /// string becomes the value as it is, to be converted when the property is
  /// set.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  BOOL HasContentObject() override { return m_pValue != nullptr; }

 private:
  CTKMarkupObject* m_pValue;
  CTKMarkupObject* m_pTemporary;
  CTKMarkupDependencyProperty* m_pProperty;

  void SetPropertyValue(CTKMarkupObject* pValue);
};

/// An element the builder keeps in its parent's extension list (the script
/// element).
class CTKMarkupExtension : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
};
