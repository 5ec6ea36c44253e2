// The process-wide registry of markup types: the tag map and the list of all
// types. Private to the type descriptor.
#pragma once

#include "TKMarkupType.h"

/// Built on the thread that runs static initialisation; read-only afterwards
/// except for the registered flags of the types.
class CTKMarkupTypeRegistry {
 public:
  CTKMarkupTypeRegistry();
  ~CTKMarkupTypeRegistry();
  CTKMarkupTypeRegistry(const CTKMarkupTypeRegistry&) = delete;
  CTKMarkupTypeRegistry& operator=(const CTKMarkupTypeRegistry&) = delete;

  /// Enters a new type: in the tag map under a non-empty tag (replacing an
  /// earlier type of that tag) and at the head of the list.
  void Add(CTKMarkupType* pType);
  CTKMarkupType* Lookup(LPCWSTR lpszTag) const;
  CTKMarkupType* GetHead() const { return m_pHead; }

 private:
  enum { kBuckets = 17 };
  struct Entry {
    LPCWSTR lpszTag;
    CTKMarkupType* pType;
    Entry* pNext;
  };
  Entry* m_buckets[kBuckets];
  CTKMarkupType* m_pHead;

  static UINT HashTag(LPCWSTR lpszTag);
};

CTKMarkupTypeRegistry* TKMarkupTypeRegistry();
