// The settings record that holds colour profiles.
#pragma once

#include <stdint.h>

#include <memory>
#include <vector>

#include "OptionsEntityList.h"
#include "foundation/TesselString.h"

/// One colour profile: a name, a list of strings, six texts, four int32, four
/// 60-byte blocks and four flag bytes (1 by default).
///
/// Layout: flags at 0-3, the int32 at 4-19, the blocks at 20-259, the number of
/// list strings at 260, then from 264 packed strings back to back (each one
/// stride after the previous): name, text 4, text 5, text 1, text 2, text 3,
/// text 6, the list's strings. Size: 328 + the reserve of every string.
class COptionsEntityColorProfileEntry {
 public:
  static const int kBlockSize = 60;
  static const int kFixedSize = 328;

  COptionsEntityColorProfileEntry();
  virtual ~COptionsEntityColorProfileEntry();
  virtual int GetSize();
  virtual bool Save(unsigned char* buffer, int* pos);
  /// Bounded by `end`; false with nothing changed on a truncated or corrupt
  /// entry. Empty list strings are not kept.
  virtual bool Load(const unsigned char* buffer, int* pos, int end);

  CTesselString m_name;
  std::vector<CTesselString> m_strings;
  CTesselString m_texts[6];  // text 1 to text 6
  int32_t m_values[4];
  unsigned char m_blocks[4][kBlockSize];
  unsigned char m_flags[4];

 private:
  // The order in which the strings are stored.
  std::vector<CTesselString*> StoredStrings();
};

/// Type 14: a list of colour profiles. Record: header, int32 count, the
/// entries; 12 + the entries' sizes. Owns its entries; loading an entry, and
/// destroying a list that has an owner, mark the owner store changed.
class COptionsEntityColorProfile : public COptionsEntityList<COptionsEntityColorProfileEntry> {
 public:
  COptionsEntityColorProfile();
  ~COptionsEntityColorProfile() override;

 protected:
  void OnEntriesLoaded(int32_t count) override;
};
