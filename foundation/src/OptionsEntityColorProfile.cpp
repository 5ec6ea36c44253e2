#include "OptionsEntityColorProfile.h"

#include <string.h>

#include "OptionsRecordIO.h"

namespace {

const int kFlagsAt = 0;
const int kValuesAt = 4;
const int kBlocksAt = 20;
const int kCountAt = 260;
const int kStringsAt = 264;
const int kFixedStrings = 7;

}  // namespace

COptionsEntityColorProfileEntry::COptionsEntityColorProfileEntry()
    : m_values{0, 0, 0, 0}, m_flags{1, 1, 1, 1} {
  memset(m_blocks, 0, sizeof(m_blocks));
}

COptionsEntityColorProfileEntry::~COptionsEntityColorProfileEntry() {}

std::vector<CTesselString*> COptionsEntityColorProfileEntry::StoredStrings() {
  std::vector<CTesselString*> strings = {&m_name,     &m_texts[3], &m_texts[4], &m_texts[0],
                                         &m_texts[1], &m_texts[2], &m_texts[5]};
  for (CTesselString& s : m_strings) strings.push_back(&s);
  return strings;
}

int COptionsEntityColorProfileEntry::GetSize() {
  int size = kFixedSize;
  for (CTesselString* s : StoredStrings()) size += COptionsRecordIO::GetReserve(*s);
  return size;
}

bool COptionsEntityColorProfileEntry::Save(unsigned char* buffer, int* pos) {
  if (!buffer || !pos) return false;
  int start = *pos;
  int size = GetSize();
  memset(buffer + start, 0, static_cast<size_t>(size));
  memcpy(buffer + start + kFlagsAt, m_flags, sizeof(m_flags));
  memcpy(buffer + start + kValuesAt, m_values, sizeof(m_values));
  memcpy(buffer + start + kBlocksAt, m_blocks, sizeof(m_blocks));
  COptionsRecordIO::WriteInt32(buffer, start + kCountAt, static_cast<int32_t>(m_strings.size()));
  int cursor = start + kStringsAt;
  for (CTesselString* s : StoredStrings())
    cursor += COptionsRecordIO::WritePackedString(buffer, cursor, *s);
  *pos = start + size;
  return true;
}

bool COptionsEntityColorProfileEntry::Load(const unsigned char* buffer, int* pos, int end) {
  if (!buffer || !pos) return false;
  int start = *pos;
  int32_t listCount = 0;
  if (!COptionsRecordIO::HasRoom(start, kFixedSize, end) ||
      !COptionsRecordIO::ReadInt32(buffer, start + kCountAt, end, &listCount) || listCount < 0)
    return false;

  // Read every string into locals first; a string that does not read leaves the
  // entry as it was. A corrupt count runs out of buffer long before memory.
  CTesselString fixed[kFixedStrings];
  std::vector<CTesselString> list;
  int cursor = start + kStringsAt;
  int64_t reserves = 0;
  for (int64_t i = 0; i < kFixedStrings + static_cast<int64_t>(listCount); ++i) {
    CTesselString s;
    int stride = 0, reserve = 0;
    if (!COptionsRecordIO::ReadPackedString(buffer, cursor, end, &s, &stride, &reserve))
      return false;
    cursor += stride;
    reserves += reserve;
    if (i < kFixedStrings)
      fixed[i].Assign(s);
    else if (!s.IsEmpty())
      list.push_back(s);
  }
  if (!COptionsRecordIO::HasRoom(start, kFixedSize + reserves, end)) return false;

  memcpy(m_flags, buffer + start + kFlagsAt, sizeof(m_flags));
  memcpy(m_values, buffer + start + kValuesAt, sizeof(m_values));
  memcpy(m_blocks, buffer + start + kBlocksAt, sizeof(m_blocks));
  m_name.Assign(fixed[0]);
  m_texts[3].Assign(fixed[1]);
  m_texts[4].Assign(fixed[2]);
  m_texts[0].Assign(fixed[3]);
  m_texts[1].Assign(fixed[4]);
  m_texts[2].Assign(fixed[5]);
  m_texts[5].Assign(fixed[6]);
  m_strings.insert(m_strings.end(), list.begin(), list.end());
  *pos = static_cast<int>(start + kFixedSize + reserves);
  return true;
}

// ---------------------------------------------------------------------------

COptionsEntityColorProfile::COptionsEntityColorProfile() : COptionsEntityList(14) {}

COptionsEntityColorProfile::~COptionsEntityColorProfile() {
  m_entries.clear();
  MarkOwnerDirty();
}

void COptionsEntityColorProfile::OnEntriesLoaded(int32_t count) {
  if (count > 0) MarkOwnerDirty();
}
