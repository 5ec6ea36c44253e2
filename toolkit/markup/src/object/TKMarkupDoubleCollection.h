// CTKMarkupDoubleCollection: a list of numbers ("1,2" or "1 2" in markup),
// kept as 32-bit floats; dash arrays of shapes use it.
#pragma once

#include "markup/TKMarkupObject.h"

/// A list of numbers; equal only to itself. Scripts see "Count", "Item",
/// "Add", "Clear" and "RemoveAt".
class CTKMarkupDoubleCollection : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupDoubleCollection() = default;
  explicit CTKMarkupDoubleCollection(const std::vector<float>& values) : m_values(values) {}

  int GetCount() const { return static_cast<int>(m_values.size()); }
  /// Raises the invalid-argument exception outside 0 to count - 1.
  float GetItem(int nIndex) const;
  /// The values as one array (null when empty).
  const float* GetData() const { return m_values.empty() ? nullptr : m_values.data(); }
  void Add(double dValue);
  /// Nothing for an index outside 0 to count - 1.
  void RemoveAt(int nIndex);
  void RemoveAll();

  /// From text: numbers separated by blanks or a comma; empty text gives an
  /// empty list.
  CTKMarkupObject* ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) override;

 protected:
  long DispGetCount() { return GetCount(); }
  double DispItem(long nIndex) { return GetItem(nIndex); }
  void DispAdd(double dValue) { Add(dValue); }
  void DispClear() { RemoveAll(); }
  void DispRemoveAt(long nIndex) { RemoveAt(nIndex); }
  DECLARE_DISPATCH_MAP()

 private:
  std::vector<float> m_values;
};
