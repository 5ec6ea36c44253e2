#include "OptionsEntityBase.h"

#include <string.h>

#include "OptionsRecordIO.h"
#include "OptionsStore.h"

namespace {

const int kHeaderSize = 8;
const int kMaxValues = 4;

}  // namespace

COptionsEntityBase::COptionsEntityBase(int32_t typeCode)
    : m_type(typeCode), m_settingId(1), m_owner(nullptr) {}

COptionsEntityBase::~COptionsEntityBase() {}

int COptionsEntityBase::GetSize() { return kHeaderSize; }

bool COptionsEntityBase::ReadRecord(const unsigned char* buffer, int* pos, int end, void* out,
                                    int length) {
  int32_t id = 0;
  if (!buffer || !pos || !out || length < kHeaderSize || !PeekHeader(buffer, *pos, end, &id) ||
      !COptionsRecordIO::HasRoom(*pos, length, end))
    return false;
  memcpy(out, buffer + *pos, static_cast<size_t>(length));
  m_settingId = id;
  *pos += length;
  return true;
}

bool COptionsEntityBase::ReadBytes(const unsigned char* buffer, int* pos, int end, void* out,
                                   int length) {
  if (!buffer || !pos || !out || !COptionsRecordIO::HasRoom(*pos, length, end)) return false;
  memcpy(out, buffer + *pos, static_cast<size_t>(length));
  *pos += length;
  return true;
}

bool COptionsEntityBase::Load(const unsigned char* buffer, int* pos, int end) {
  int32_t header[2];
  return ReadRecord(buffer, pos, end, header, kHeaderSize);
}

bool COptionsEntityBase::WriteRecord(unsigned char* buffer, int* pos, void* scratch, int length) {
  if (!buffer || !pos || !scratch || length < kHeaderSize) return false;
  int32_t header[2] = {m_type, m_settingId};
  memcpy(scratch, header, sizeof(header));
  return WriteBytes(buffer, pos, scratch, length);
}

bool COptionsEntityBase::WriteBytes(unsigned char* buffer, int* pos, const void* source,
                                    int length) {
  if (!buffer || !pos || !source || length < 0) return false;
  memcpy(buffer + *pos, source, static_cast<size_t>(length));
  *pos += length;
  return true;
}

bool COptionsEntityBase::Save(unsigned char* buffer, int* pos) {
  int32_t header[2];
  return WriteRecord(buffer, pos, header, kHeaderSize);
}

bool COptionsEntityBase::PeekHeader(const unsigned char* buffer, int pos, int end,
                                    int32_t* id) const {
  int32_t type = 0;
  if (!COptionsRecordIO::ReadInt32(buffer, pos, end, &type) ||
      !COptionsRecordIO::ReadInt32(buffer, pos + 4, end, id))
    return false;
  return type == m_type;
}

void COptionsEntityBase::PutHeader(unsigned char* buffer, int pos) const {
  COptionsRecordIO::WriteInt32(buffer, pos, m_type);
  COptionsRecordIO::WriteInt32(buffer, pos + 4, m_settingId);
}

void COptionsEntityBase::MarkOwnerDirty() {
  if (m_owner) m_owner->SetDirty();
}

bool COptionsEntityBase::LoadValues(const unsigned char* buffer, int* pos, int end, int32_t* values,
                                    int count) {
  int32_t record[2 + kMaxValues];
  if (count < 0 || count > kMaxValues ||
      !ReadRecord(buffer, pos, end, record, kHeaderSize + 4 * count))
    return false;
  memcpy(values, record + 2, 4 * static_cast<size_t>(count));
  return true;
}

bool COptionsEntityBase::SaveValues(unsigned char* buffer, int* pos, const int32_t* values,
                                    int count) {
  int32_t record[2 + kMaxValues];
  if (count < 0 || count > kMaxValues) return false;
  memcpy(record + 2, values, 4 * static_cast<size_t>(count));
  return WriteRecord(buffer, pos, record, kHeaderSize + 4 * count);
}
