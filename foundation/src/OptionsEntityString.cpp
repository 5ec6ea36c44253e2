#include "OptionsEntityString.h"

#include <string.h>

#include "OptionsRecordIO.h"

COptionsEntityString::COptionsEntityString() : COptionsEntityBase(4) {}

int COptionsEntityString::GetSize() { return 8 + COptionsRecordIO::GetReserve(m_value); }

bool COptionsEntityString::Load(const unsigned char* buffer, int* pos, int end) {
  int32_t id = 0;
  if (!buffer || !pos || !PeekHeader(buffer, *pos, end, &id)) return false;
  CTesselString value;
  int reserve = 0;
  if (!COptionsRecordIO::ReadPackedString(buffer, *pos + 8, end, &value, nullptr, &reserve))
    return false;
  m_value.Assign(value);
  m_settingId = id;
  *pos += 8 + reserve;
  return true;
}

bool COptionsEntityString::Save(unsigned char* buffer, int* pos) {
  if (!buffer || !pos) return false;
  int size = GetSize();
  memset(buffer + *pos, 0, static_cast<size_t>(size));
  PutHeader(buffer, *pos);
  COptionsRecordIO::WritePackedString(buffer, *pos + 8, m_value);
  *pos += size;
  return true;
}
