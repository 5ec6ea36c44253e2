// CTKMarkupResourceDictionary: keyed markup objects (brushes, styles, any
// value) that elements find by key, and the resource search from an object up
// its logical parents.
#pragma once

#include "markup/TKMarkupObject.h"

#include <vector>

/// Keys match by their GetHashKey and the stored key's IsEqual: string keys
/// by exact text, type keys by identity. Holds a reference on every key and
/// value.
class CTKMarkupResourceDictionary : public CTKMarkupObject {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupResourceDictionary() = default;
  ~CTKMarkupResourceDictionary() override;

  /// The value stored under the key, or null (no reference).
  CTKMarkupObject* Lookup(const CTKMarkupObject* pKey) const;
  /// Stores both, taking over the caller's references; FALSE (both released)
  /// for a null key or value, or a key already present.
  BOOL Add(CTKMarkupObject* pKey, CTKMarkupObject* pValue);
  int GetCount() const { return static_cast<int>(m_entries.size()); }

  /// The object goes in under its key (GetResourceKey); raises the builder's
  /// error without a key or with a key already used.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  BOOL HasContentObject() override { return !m_entries.empty(); }

 private:
  struct Entry {
    UINT nHash;
    CTKMarkupObject* pKey;
    CTKMarkupObject* pValue;
  };
  std::vector<Entry> m_entries;
};

/// The key an object enters a dictionary under: its "Key", or for a style
/// without one its target type; null when it has neither (no reference).
CTKMarkupObject* GetResourceKey(CTKMarkupObject* pObject);

/// The resource visible from an object: a dictionary's own entry; otherwise,
/// from the object up its logical parents, each one's "Resources", then the
/// style it uses; the walk ends after a style. Null when none (no reference).
CTKMarkupObject* FindMarkupResource(CTKMarkupObject* pObject, const CTKMarkupObject* pKey);
