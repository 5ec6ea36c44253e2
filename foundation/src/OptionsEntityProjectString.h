// The settings record that holds a list of texts with three 64-bit values each.
#pragma once

#include <stdint.h>

#include <memory>
#include <vector>

#include "OptionsEntityList.h"
#include "foundation/TesselString.h"

/// One entry: a text and three 64-bit values (defaults -1, -1, 0).
/// Layout: packed text at 0, then the three values (low, high each) at
/// reserve(text); size reserve(text) + 24.
class COptionsEntityProjectStringEntity {
 public:
  COptionsEntityProjectStringEntity();
  virtual ~COptionsEntityProjectStringEntity();
  virtual int GetSize();
  virtual bool Save(unsigned char* buffer, int* pos);
  /// Bounded by `end`; false with nothing changed on a truncated or corrupt entry.
  virtual bool Load(const unsigned char* buffer, int* pos, int end);

  CTesselString m_text;
  int64_t m_values[3];
};

/// Type 9: a list of project-string entries. Record: header, int32 count, the
/// entries; 12 + the entries' sizes. Owns its entries.
class COptionsEntityProjectString : public COptionsEntityList<COptionsEntityProjectStringEntity> {
 public:
  COptionsEntityProjectString();
  ~COptionsEntityProjectString() override;
};
