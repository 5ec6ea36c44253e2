// The settings record that holds a set of four-integer tuples.
#pragma once

#include <stdint.h>

#include <memory>
#include <vector>

#include "OptionsEntityBase.h"

/// One tuple of the list.
class COptionsEntityIntegerTupleEntry {
 public:
  COptionsEntityIntegerTupleEntry(int32_t a = 0, int32_t b = 0, int32_t c = 0, int32_t d = 0)
      : a(a), b(b), c(c), d(d) {}
  virtual ~COptionsEntityIntegerTupleEntry() {}
  bool Equals(int32_t a2, int32_t b2, int32_t c2, int32_t d2) const {
    return a == a2 && b == b2 && c == c2 && d == d2;
  }
  int32_t a, b, c, d;
};

/// Type 10: tuples without duplicates. Record: header, int32 count, then
/// a, b, c, d per tuple; 12 + 16 x count bytes.
class COptionsEntityIntegerTupleList : public COptionsEntityBase {
 public:
  COptionsEntityIntegerTupleList();
  ~COptionsEntityIntegerTupleList() override;
  int GetSize() override;
  /// Adds the stored tuples: all of them, or none when the record is truncated
  /// or corrupt or a tuple repeats one stored before it or one already held.
  bool Load(const unsigned char* buffer, int* pos, int end) override;
  bool Save(unsigned char* buffer, int* pos) override;

  /// The equal tuple, or null.
  COptionsEntityIntegerTupleEntry* FindTuple(int32_t a, int32_t b, int32_t c, int32_t d) const;
  /// Appends a tuple and marks the owner changed; false when an equal tuple
  /// exists or memory runs out.
  bool AddTuple(int32_t a, int32_t b, int32_t c, int32_t d);

  int GetCount() const { return static_cast<int>(m_tuples.size()); }
  COptionsEntityIntegerTupleEntry* GetAt(int index) const;

 private:
  std::vector<std::unique_ptr<COptionsEntityIntegerTupleEntry>> m_tuples;
};
