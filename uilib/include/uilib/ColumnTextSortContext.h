// The sort key of one cell: its text split into runs of digits (compared by
// value) and runs of other characters (compared ignoring case), or a point
// in time for date columns.
#pragma once

#include <stdint.h>

#include "foundation/TesselList.h"
#include "foundation/TesselString.h"

class CColumnTextSortContextElementBase {
 public:
  enum Kind { kText = 0, kNumber = 1 };
  explicit CColumnTextSortContextElementBase(int kind) : m_nKind(kind) {}
  virtual ~CColumnTextSortContextElementBase() {}
  int m_nKind;
};

class CColumnTextSortContextElementText : public CColumnTextSortContextElementBase {
 public:
  explicit CColumnTextSortContextElementText(const CTesselString& text)
      : CColumnTextSortContextElementBase(kText), m_text(text) {}
  /// Narrow or wide, as the cell was.
  CTesselString m_text;
};

class CColumnTextSortContextElementNumber : public CColumnTextSortContextElementBase {
 public:
  explicit CColumnTextSortContextElementNumber(int64_t value)
      : CColumnTextSortContextElementBase(kNumber), m_nValue(value) {}
  int64_t m_nValue;
};

class CColumnTextSortContext {
 public:
  /// No runs; the time is now.
  CColumnTextSortContext();
  virtual ~CColumnTextSortContext();

  /// Splits the text into runs (the time stays); false for an empty text or
  /// when no run was stored.
  bool Parse(CTesselString text);
  /// Below, equal to or above 0: times when either key is a time, else run
  /// by run (numbers before texts, an empty key before every other).
  int Compare(CColumnTextSortContext* other);
  /// The time becomes now; runs cleared. False when there were no runs.
  bool Reset();
  /// Reads `text` as a local date and time; a text that does not convert
  /// takes the current time (foundation's clock seam). Marks the key as a time.
  void SetTimeFromText(CTesselString text);

  int GetRunCount() const { return m_runs.GetCount(); }
  CColumnTextSortContextElementBase* GetRun(int index) {
    return static_cast<CColumnTextSortContextElementBase*>(m_runs.GetAt(index));
  }

  int64_t m_nTime;
  bool m_bHasNumber;
  bool m_bIsTime;

 private:
  void ClearRuns();
  /// Stores the run of `text` from `first` to `last` (inclusive).
  void StoreRun(CTesselString& text, int first, int last, bool digits);

  /// CColumnTextSortContextElementBase objects, owned, in text order.
  CTesselList m_runs;

  CColumnTextSortContext(const CColumnTextSortContext&) = delete;
  CColumnTextSortContext& operator=(const CColumnTextSortContext&) = delete;
};
