// The settings record that holds a list of key/value strings.
#pragma once

#include <stdint.h>

#include <memory>
#include <vector>

#include "OptionsEntityBase.h"
#include "TesselString.h"

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
class COptionsEntityStringMap : public COptionsEntityBase {
public:
  COptionsEntityStringMap();
  ~COptionsEntityStringMap() override;
  int GetSize() override;
  /// Appends the stored entries; all of them or, on a bad record, none.
  bool Load(const unsigned char* buffer, int* pos, int end) override;
  bool Save(unsigned char* buffer, int* pos) override;

  int GetCount() const { return static_cast<int>(m_entries.size()); }
  COptionsEntityStringMapEntity* GetAt(int index) const;
  /// Takes ownership; false for null.
  bool AddEntry(COptionsEntityStringMapEntity* entry);

private:
  std::vector<std::unique_ptr<COptionsEntityStringMapEntity>> m_entries;
};
