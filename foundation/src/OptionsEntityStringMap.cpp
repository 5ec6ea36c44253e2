#include "OptionsEntityStringMap.h"

#include <string.h>

#include "OptionsRecordIO.h"
#include "foundation/TimeUtilities.h"

COptionsEntityStringMapEntity::COptionsEntityStringMapEntity() : m_extra(0) {}

COptionsEntityStringMapEntity::~COptionsEntityStringMapEntity() {}

int COptionsEntityStringMapEntity::GetSize() {
  return COptionsRecordIO::GetReserve(m_key) + COptionsRecordIO::GetReserve(m_value) + 8;
}

bool COptionsEntityStringMapEntity::Save(unsigned char* buffer, int* pos) {
  if (!buffer || !pos) return false;
  int start = *pos;
  memset(buffer + start, 0, static_cast<size_t>(GetSize()));
  int keyStride = COptionsRecordIO::WritePackedString(buffer, start, m_key);
  COptionsRecordIO::WritePackedString(buffer, start + keyStride, m_value);
  int extraAt = start + COptionsRecordIO::GetReserve(m_key) + COptionsRecordIO::GetReserve(m_value);
  COptionsRecordIO::WriteInt32(buffer, extraAt, static_cast<int32_t>(m_extra & 0xFFFFFFFF));
  COptionsRecordIO::WriteInt32(buffer, extraAt + 4,
                               static_cast<int32_t>(static_cast<uint64_t>(m_extra) >> 32));
  *pos = start + GetSize();
  return true;
}

bool COptionsEntityStringMapEntity::Load(const unsigned char* buffer, int* pos, int end) {
  if (!buffer || !pos) return false;
  int start = *pos;
  CTesselString key, value;
  int keyStride = 0, keyReserve = 0, valueReserve = 0;
  if (!COptionsRecordIO::ReadPackedString(buffer, start, end, &key, &keyStride, &keyReserve) ||
      !COptionsRecordIO::ReadPackedString(buffer, start + keyStride, end, &value, nullptr,
                                          &valueReserve))
    return false;
  int extraAt = start + keyReserve + valueReserve;
  int32_t low = 0, high = 0;
  if (!COptionsRecordIO::ReadInt32(buffer, extraAt, end, &low) ||
      !COptionsRecordIO::ReadInt32(buffer, extraAt + 4, end, &high))
    return false;
  m_key.Assign(key);
  m_value.Assign(value);
  m_extra = MakeInt64(low, high);
  *pos = extraAt + 8;
  return true;
}

// ---------------------------------------------------------------------------

COptionsEntityStringMap::COptionsEntityStringMap() : COptionsEntityList(8) {}

COptionsEntityStringMap::~COptionsEntityStringMap() {
  m_entries.clear();
  MarkOwnerDirty();
}
