// The settings record that holds a list of key/value strings.
#pragma once

#include <stdint.h>

#include <memory>
#include <vector>

#include "OptionsEntityList.h"
#include "foundation/TesselString.h"

/// One entry of a string map: key, value and an extra 64-bit value (0).
/// Layout: packed key at 0, packed value at stride(key), the extra value (low,
/// high) at reserve(key) + reserve(value); size reserve(key) + reserve(value) + 8.
class COptionsEntityStringMapEntity {
 public:
  COptionsEntityStringMapEntity();
  virtual ~COptionsEntityStringMapEntity();
  virtual int GetSize();
  /// Writes GetSize() bytes at *pos and advances.
  virtual bool Save(unsigned char* buffer, int* pos);
  /// Reads an entry at *pos, bounded by `end`; false with nothing changed when
  /// it is truncated or corrupt.
  virtual bool Load(const unsigned char* buffer, int* pos, int end);

  CTesselString m_key;
  CTesselString m_value;
  int64_t m_extra;
};

/// Type 8: a list of string-map entries. Record: header, int32 entry count,
/// the entries; 12 + the entries' sizes. Owns its entries; destroying a map
/// that has an owner marks the owner store changed.
class COptionsEntityStringMap : public COptionsEntityList<COptionsEntityStringMapEntity> {
 public:
  COptionsEntityStringMap();
  ~COptionsEntityStringMap() override;
};
