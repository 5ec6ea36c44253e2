#include "OptionsUser.h"

#include <string.h>

#include "OptionsRecordIO.h"
#include "OptionsStore.h"

COptionsUser::COptionsUser() : COptionsEntityBase(0) {}

COptionsUser::~COptionsUser() { m_entities.clear(); }

int COptionsUser::GetSize() {
  int size = 12 + COptionsRecordIO::GetReserve(m_name);
  for (const auto& entity : m_entities) size += entity->GetSize();
  return size;
}

bool COptionsUser::Load(const unsigned char* buffer, int* pos, int end) {
  int32_t id = 0, count = 0;
  if (!buffer || !pos || !PeekHeader(buffer, *pos, end, &id) ||
      !COptionsRecordIO::ReadInt32(buffer, *pos + 8, end, &count) || count < 0)
    return false;
  CTesselString name;
  int reserve = 0;
  if (!COptionsRecordIO::ReadPackedString(buffer, *pos + 12, end, &name, nullptr, &reserve))
    return false;
  int p = *pos + 12 + reserve;
  if (m_owner && !COptionsStore::CheckRecords(buffer, p, end, count)) return false;

  m_name.Assign(name);
  m_settingId = id;
  *pos = p;
  if (!m_owner) return true;
  for (int32_t i = 0; i < count; ++i)
    if (!m_owner->LoadEntity(buffer, pos, end)) return false;
  return true;
}

bool COptionsUser::Save(unsigned char* buffer, int* pos) {
  if (!buffer || !pos) return false;
  int p = *pos;
  int nameReserve = COptionsRecordIO::GetReserve(m_name);
  memset(buffer + p, 0, static_cast<size_t>(12 + nameReserve));
  PutHeader(buffer, p);
  COptionsRecordIO::WriteInt32(buffer, p + 8, GetEntityCount());
  COptionsRecordIO::WritePackedString(buffer, p + 12, m_name);
  p += 12 + nameReserve;
  for (const auto& entity : m_entities)
    if (!entity->Save(buffer, &p)) return false;
  *pos = p;
  return true;
}

COptionsEntityBase* COptionsUser::FindEntity(int id) const {
  for (const auto& entity : m_entities)
    if (entity->GetSettingId() == id) return entity.get();
  return nullptr;
}

bool COptionsUser::AddEntity(COptionsEntityBase* entity) {
  if (!entity) return false;
  m_entities.push_back(std::unique_ptr<COptionsEntityBase>(entity));
  return true;
}

bool COptionsUser::DeleteEntity(COptionsEntityBase* entity) {
  for (auto it = m_entities.begin(); it != m_entities.end(); ++it) {
    if (it->get() == entity) {
      m_entities.erase(it);
      return true;
    }
  }
  return false;
}

COptionsEntityBase* COptionsUser::GetEntityAt(int index) const {
  if (index < 0 || index >= GetEntityCount()) return nullptr;
  return m_entities[static_cast<size_t>(index)].get();
}
