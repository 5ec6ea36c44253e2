#include "OptionsEntityProjectString.h"

#include <string.h>

#include "OptionsRecordIO.h"
#include "foundation/TimeUtilities.h"

COptionsEntityProjectStringEntity::COptionsEntityProjectStringEntity() : m_values{-1, -1, 0} {}

COptionsEntityProjectStringEntity::~COptionsEntityProjectStringEntity() {}

int COptionsEntityProjectStringEntity::GetSize() {
  return COptionsRecordIO::GetReserve(m_text) + 24;
}

bool COptionsEntityProjectStringEntity::Save(unsigned char* buffer, int* pos) {
  if (!buffer || !pos) return false;
  int start = *pos;
  memset(buffer + start, 0, static_cast<size_t>(GetSize()));
  COptionsRecordIO::WritePackedString(buffer, start, m_text);
  int at = start + COptionsRecordIO::GetReserve(m_text);
  for (int64_t value : m_values) {
    COptionsRecordIO::WriteInt32(buffer, at, static_cast<int32_t>(value & 0xFFFFFFFF));
    COptionsRecordIO::WriteInt32(buffer, at + 4,
                                 static_cast<int32_t>(static_cast<uint64_t>(value) >> 32));
    at += 8;
  }
  *pos = at;
  return true;
}

bool COptionsEntityProjectStringEntity::Load(const unsigned char* buffer, int* pos, int end) {
  if (!buffer || !pos) return false;
  CTesselString text;
  int reserve = 0;
  if (!COptionsRecordIO::ReadPackedString(buffer, *pos, end, &text, nullptr, &reserve))
    return false;
  int at = *pos + reserve;
  int32_t words[6];
  for (int i = 0; i < 6; ++i)
    if (!COptionsRecordIO::ReadInt32(buffer, at + 4 * i, end, &words[i])) return false;
  m_text.Assign(text);
  for (int i = 0; i < 3; ++i) m_values[i] = MakeInt64(words[2 * i], words[2 * i + 1]);
  *pos = at + 24;
  return true;
}

// ---------------------------------------------------------------------------

COptionsEntityProjectString::COptionsEntityProjectString() : COptionsEntityList(9) {}

COptionsEntityProjectString::~COptionsEntityProjectString() {}
