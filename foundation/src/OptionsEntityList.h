// The settings records that hold a counted list of entries.
#pragma once

#include <stdint.h>

#include <memory>
#include <new>
#include <vector>

#include "OptionsEntityBase.h"
#include "OptionsRecordIO.h"

/// A record {type, id, int32 count} followed by `count` entries back to back;
/// 12 + the entries' sizes. Owns its entries. `Entry` has GetSize, Save and a
/// bounded Load, like an entity's.
template <class Entry>
class COptionsEntityList : public COptionsEntityBase {
 public:
  explicit COptionsEntityList(int32_t typeCode) : COptionsEntityBase(typeCode) {}

  int GetSize() override {
    int sum = 12;
    for (const auto& entry : m_entries) sum += entry->GetSize();
    return sum;
  }

  /// Appends the stored entries; all of them or, on a bad record (a negative
  /// count, an entry that does not read within `end`), none, with *pos unchanged.
  bool Load(const unsigned char* buffer, int* pos, int end) override {
    int32_t id = 0, count = 0;
    if (!buffer || !pos || !PeekHeader(buffer, *pos, end, &id) ||
        !COptionsRecordIO::ReadInt32(buffer, *pos + 8, end, &count) || count < 0)
      return false;
    int cursor = *pos + 12;
    Entries loaded;  // no reserve(count): the count is not trusted until every entry has read
    for (int32_t i = 0; i < count; ++i) {
      std::unique_ptr<Entry> entry(new (std::nothrow) Entry());
      if (!entry || !entry->Load(buffer, &cursor, end)) return false;
      loaded.push_back(std::move(entry));
    }
    for (auto& entry : loaded) m_entries.push_back(std::move(entry));
    OnEntriesLoaded(count);
    m_settingId = id;
    *pos = cursor;
    return true;
  }

  bool Save(unsigned char* buffer, int* pos) override {
    if (!buffer || !pos) return false;
    int p = *pos;
    COptionsRecordIO::WriteInt32(buffer, p, m_type);
    COptionsRecordIO::WriteInt32(buffer, p + 4, m_settingId);
    COptionsRecordIO::WriteInt32(buffer, p + 8, static_cast<int32_t>(m_entries.size()));
    p += 12;
    for (const auto& entry : m_entries)
      if (!entry->Save(buffer, &p)) return false;
    *pos = p;
    return true;
  }

  int GetCount() const { return static_cast<int>(m_entries.size()); }
  /// The entry at `index`, null out of range.
  Entry* GetAt(int index) const {
    if (index < 0 || index >= GetCount()) return nullptr;
    return m_entries[static_cast<size_t>(index)].get();
  }
  /// Takes ownership; false for null.
  bool AddEntry(Entry* entry) {
    if (!entry) return false;
    m_entries.push_back(std::unique_ptr<Entry>(entry));
    return true;
  }

 protected:
  using Entries = std::vector<std::unique_ptr<Entry>>;

  /// Called after a load appended `count` entries.
  virtual void OnEntriesLoaded(int32_t count) { (void)count; }

  Entries m_entries;
};
