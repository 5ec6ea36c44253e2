// CTKMarkupProperties: the local values of one object, one slot per
// registered property.
#pragma once

#include "markup/TKMarkupObject.h"

/// A value store. Holds one reference per stored value; a store with an
/// owner makes the owner the logical parent of what it holds.
class CTKMarkupProperties : public CTKMarkupObject {
 public:
  /// `pOwner` may be null (the stores of styles).
  explicit CTKMarkupProperties(CTKMarkupObject* pOwner);
  ~CTKMarkupProperties() override;

  /// The stored value, or null (also for events and unknown slots).
  CTKMarkupObject* Get(const CTKMarkupDependencyProperty* pProperty) const;
  /// Replaces the slot's value, taking over the reference of `pValue`.
  void Set(const CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pValue);
  /// Empties the slot, releasing the old value.
  void Clear(const CTKMarkupDependencyProperty* pProperty);
  /// Copies every value of `pOther` into the same slots (a reference each).
  void CopyFrom(const CTKMarkupProperties* pOther);

  int GetSize() const { return static_cast<int>(m_values.size()); }
  CTKMarkupObject* GetOwner() const { return m_pOwner; }

 private:
  std::vector<CTKMarkupObject*> m_values;
  CTKMarkupObject* m_pOwner;

  void Put(int nIndex, CTKMarkupObject* pValue);
};
