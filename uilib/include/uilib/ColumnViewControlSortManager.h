// The column view's sorter: compares two rows by their prepared sort keys,
// as the kind of the column being sorted says.
#pragma once

#include "uilib/SortManager.h"

class CColumnViewControl;

class CColumnViewControlSortManager : public CSortManager {
 public:
  CColumnViewControlSortManager() : m_pOwner(NULL), m_nSortKind(0) {}

  /// Texts and numbers in natural order, dates by their time; 0 for null rows,
  /// without an owner or for an unknown kind.
  int Compare(void* a, void* b) override;

  CColumnViewControl* m_pOwner;
  /// The kind of the sorted column (CColumnViewControlColumnEntry::Kind).
  int m_nSortKind;
};
