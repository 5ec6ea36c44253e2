// Shared handling of the settings records that hold a counted list of entries:
// header {type, id}, int32 count, then the entries back to back.
#pragma once

#include <stdint.h>

#include <memory>
#include <new>
#include <vector>

#include "OptionsRecordIO.h"

namespace OptionsEntryList {

template <class Entry>
using Entries = std::vector<std::unique_ptr<Entry>>;

template <class Entry>
int SumSizes(const Entries<Entry>& entries) {
  int sum = 0;
  for (const auto& entry : entries)
    sum += entry->GetSize();
  return sum;
}

/// Reads count and entries of the record at *pos (header already checked) into
/// `loaded`. All or nothing: false with *pos unchanged on a negative count or
/// an entry that does not read within `end`.
template <class Entry>
bool LoadCounted(const unsigned char* buffer, int* pos, int end, Entries<Entry>* loaded) {
  int32_t count = 0;
  if (!COptionsRecordIO::ReadInt32(buffer, *pos + 8, end, &count) || count < 0)
    return false;
  int cursor = *pos + 12;
  // No reserve(count): the count is not trusted until every entry has read.
  for (int32_t i = 0; i < count; ++i) {
    std::unique_ptr<Entry> entry(new (std::nothrow) Entry());
    if (!entry || !entry->Load(buffer, &cursor, end))
      return false;
    loaded->push_back(std::move(entry));
  }
  *pos = cursor;
  return true;
}

template <class Entry>
bool SaveCounted(unsigned char* buffer, int* pos, int32_t type, int32_t id,
                 const Entries<Entry>& entries) {
  int p = *pos;
  COptionsRecordIO::WriteInt32(buffer, p, type);
  COptionsRecordIO::WriteInt32(buffer, p + 4, id);
  COptionsRecordIO::WriteInt32(buffer, p + 8, static_cast<int32_t>(entries.size()));
  p += 12;
  for (const auto& entry : entries)
    if (!entry->Save(buffer, &p))
      return false;
  *pos = p;
  return true;
}

template <class Entry>
void Append(Entries<Entry>* entries, Entries<Entry>* loaded) {
  for (auto& entry : *loaded)
    entries->push_back(std::move(entry));
  loaded->clear();
}

template <class Entry>
Entry* GetAt(const Entries<Entry>& entries, int index) {
  if (index < 0 || index >= static_cast<int>(entries.size()))
    return nullptr;
  return entries[static_cast<size_t>(index)].get();
}

template <class Entry>
bool Add(Entries<Entry>* entries, Entry* entry) {
  if (!entry)
    return false;
  entries->push_back(std::unique_ptr<Entry>(entry));
  return true;
}

}  // namespace OptionsEntryList
