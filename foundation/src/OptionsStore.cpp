#include "OptionsStore.h"

#include <stdlib.h>
#include <string.h>

#include <new>

#include "foundation/FileInterface.h"
#include "OptionsEntityColorProfile.h"
#include "OptionsEntityInteger.h"
#include "OptionsEntityIntegerTupleList.h"
#include "OptionsEntityProjectString.h"
#include "OptionsEntityString.h"
#include "OptionsEntityStringMap.h"
#include "OptionsEntityWindowPosition.h"
#include "OptionsRecordIO.h"

namespace {

enum EntityType {
  kUser = 0,
  kInteger = 1,
  kLargeInteger = 2,
  kString = 4,
  kBoolean = 5,
  kPaneSize = 6,
  kWindowPosition = 7,
  kStringMap = 8,
  kProjectString = 9,
  kIntegerTupleList = 10,
  kFileTime = 11,
  kColorProfile = 14,
};

// Setting ids by kind; every id up to 167 that is not listed is a boolean.
struct IdRange {
  int first, last;
  EntityType type;
};

const IdRange kIdRanges[] = {
    {0, 0, kUser},
    {1, 11, kWindowPosition},
    {29, 31, kWindowPosition},
    {33, 33, kWindowPosition},
    {36, 36, kWindowPosition},
    {46, 46, kWindowPosition},
    {48, 48, kWindowPosition},
    {55, 55, kWindowPosition},
    {76, 79, kWindowPosition},
    {81, 90, kWindowPosition},
    {92, 93, kWindowPosition},
    {101, 102, kWindowPosition},
    {106, 107, kWindowPosition},
    {110, 110, kWindowPosition},
    {152, 154, kWindowPosition},
    {157, 157, kWindowPosition},
    {167, 167, kWindowPosition},
    {12, 12, kLargeInteger},
    {19, 20, kLargeInteger},
    {13, 13, kPaneSize},
    {94, 94, kPaneSize},
    {155, 155, kPaneSize},
    {14, 14, kString},
    {16, 18, kString},
    {23, 23, kString},
    {25, 26, kString},
    {34, 34, kString},
    {40, 43, kString},
    {45, 45, kString},
    {52, 52, kString},
    {54, 54, kString},
    {56, 60, kString},
    {62, 63, kString},
    {69, 69, kString},
    {71, 71, kString},
    {74, 74, kString},
    {95, 95, kString},
    {99, 100, kString},
    {103, 105, kString},
    {109, 109, kString},
    {158, 158, kString},
    {162, 165, kString},
    {15, 15, kProjectString},
    {28, 28, kIntegerTupleList},
    {37, 37, kInteger},
    {39, 39, kInteger},
    {49, 51, kInteger},
    {70, 70, kInteger},
    {72, 72, kInteger},
    {98, 98, kInteger},
    {166, 166, kInteger},
    {38, 38, kStringMap},
    {44, 44, kStringMap},
    {80, 80, kStringMap},
    {53, 53, kFileTime},
    {91, 91, kColorProfile},
};

EntityType TypeOfId(int id) {
  for (const IdRange& range : kIdRanges)
    if (id >= range.first && id <= range.last) return range.type;
  return kBoolean;
}

bool IsKnownId(int id) {
  // Ids are unsigned in the records: a negative id is out of range as well.
  return static_cast<unsigned>(id) <= static_cast<unsigned>(COptionsStore::kMaxSettingId);
}

COptionsEntityBase* NewEntity(EntityType type) {
  switch (type) {
    case kUser:
      return new (std::nothrow) COptionsUser();
    case kInteger:
      return new (std::nothrow) COptionsEntityInteger();
    case kLargeInteger:
      return new (std::nothrow) COptionsEntityLargeInteger();
    case kString:
      return new (std::nothrow) COptionsEntityString();
    case kBoolean:
      return new (std::nothrow) COptionsEntityBoolean();
    case kPaneSize:
      return new (std::nothrow) COptionsEntityPaneSize();
    case kWindowPosition:
      return new (std::nothrow) COptionsEntityWindowPosition();
    case kStringMap:
      return new (std::nothrow) COptionsEntityStringMap();
    case kProjectString:
      return new (std::nothrow) COptionsEntityProjectString();
    case kIntegerTupleList:
      return new (std::nothrow) COptionsEntityIntegerTupleList();
    case kFileTime:
      return new (std::nothrow) COptionsEntityFileTime();
    case kColorProfile:
      return new (std::nothrow) COptionsEntityColorProfile();
  }
  return nullptr;
}

}  // namespace

COptionsStore::COptionsStore()
    : m_formatVersion(0), m_currentUser(nullptr), m_dirty(false), m_loadingUser(false) {}

COptionsStore::~COptionsStore() {
  m_currentUser = nullptr;
  m_users.clear();
}

COptionsEntityBase* COptionsStore::CreateEntity(int id) {
  if (!IsKnownId(id)) return nullptr;
  COptionsEntityBase* entity = NewEntity(TypeOfId(id));
  if (!entity) return nullptr;
  entity->SetOwner(this);
  entity->SetSettingId(id);
  if (id != 0 && m_currentUser) m_currentUser->AddEntity(entity);
  return entity;
}

bool COptionsStore::AddUser(COptionsUser* user) {
  if (!user) return false;
  m_users.push_back(std::unique_ptr<COptionsUser>(user));
  m_dirty = true;
  return true;
}

COptionsUser* COptionsStore::GetUserAt(int index) const {
  if (index < 0 || index >= GetUserCount()) return nullptr;
  return m_users[static_cast<size_t>(index)].get();
}

bool COptionsStore::SetCurrentUser(COptionsUser* user) {
  if (user) {
    bool held = false;
    for (const auto& u : m_users) held = held || u.get() == user;
    if (!held) return false;
  }
  m_currentUser = user;
  return true;
}

void COptionsStore::Discard(COptionsEntityBase* entity) {
  if (!m_currentUser || !m_currentUser->DeleteEntity(entity)) delete entity;
}

bool COptionsStore::LoadEntity(const unsigned char* buffer, int* pos, int end) {
  int32_t type = 0, id = 0;
  if (!buffer || !pos || !COptionsRecordIO::ReadInt32(buffer, *pos, end, &type) ||
      !COptionsRecordIO::ReadInt32(buffer, *pos + 4, end, &id) || !IsKnownId(id))
    return false;

  if (id == 0) {
    // Save writes users only at the top level. A user among a user's records
    // would make every level load and pre-check the levels below it again.
    if (type != kUser || m_loadingUser) return false;
    COptionsUser* user = static_cast<COptionsUser*>(CreateEntity(0));
    if (!user) return false;
    // The user's records load into the current user, so it is current while
    // it loads; a user that fails is dropped and the previous one restored.
    COptionsUser* previous = m_currentUser;
    m_currentUser = user;
    m_loadingUser = true;
    const bool loaded = user->Load(buffer, pos, end);
    m_loadingUser = false;
    if (!loaded || !AddUser(user)) {
      m_currentUser = previous;
      delete user;
      return false;
    }
    return true;
  }

  // A setting outside any user would have nobody to hold it.
  if (!m_currentUser) return false;
  COptionsEntityBase* entity = m_currentUser->FindEntity(id);
  bool created = false;
  if (!entity) {
    entity = CreateEntity(id);
    if (!entity) return false;
    created = true;
  }
  if (entity->GetType() != type || !entity->Load(buffer, pos, end)) {
    if (created) Discard(entity);
    return false;
  }
  return true;
}

bool COptionsStore::LoadBuffer(const unsigned char* buffer, int length) {
  int32_t version = 0;
  if (!COptionsRecordIO::ReadInt32(buffer, 0, length, &version) || version != kFormatVersion)
    return false;
  int pos = 4;
  while (pos < length)
    if (!LoadEntity(buffer, &pos, length)) return false;
  return true;
}

bool COptionsStore::CheckRecords(const unsigned char* buffer, int pos, int end, int count) {
  COptionsStore scratch;
  COptionsUser* user = static_cast<COptionsUser*>(scratch.CreateEntity(0));
  if (!user || !scratch.AddUser(user)) return false;
  scratch.m_currentUser = user;
  scratch.m_loadingUser = true;
  for (int i = 0; i < count; ++i)
    if (!scratch.LoadEntity(buffer, &pos, end)) return false;
  return true;
}

int COptionsStore::GetSaveSize() {
  int size = 4;
  for (const auto& user : m_users) size += user->GetSize();
  return size;
}

bool COptionsStore::Save() {
  CReentrantLockGuard guard(m_lock);
  if (m_users.empty() || m_path.IsEmpty()) return false;
  int size = GetSaveSize();
  unsigned char* buffer = AllocateBuffer(size);
  if (!buffer) return false;
  memset(buffer, 0, static_cast<size_t>(size));
  m_formatVersion = kFormatVersion;
  COptionsRecordIO::WriteInt32(buffer, 0, m_formatVersion);
  int pos = 4;
  bool written = true;
  for (const auto& user : m_users) {
    if (!user->Save(buffer, &pos)) {
      written = false;
      break;
    }
  }
  bool result = written && pos == size && WriteBuffer(m_path, buffer, size);
  FreeBuffer(buffer);
  // Changes that did not reach storage stay pending, so a later save retries.
  if (result) m_dirty = false;
  return result;
}

const COptionsEntityBase* COptionsStore::FindCurrent(int id, int32_t type) const {
  const COptionsEntityBase* entity = m_currentUser ? m_currentUser->FindEntity(id) : nullptr;
  return entity && entity->GetType() == type ? entity : nullptr;
}

bool COptionsStore::GetWindowPosition(int* left, int* top, int* right, int* bottom) const {
  auto entity = static_cast<const COptionsEntityWindowPosition*>(FindCurrent(1, kWindowPosition));
  if (!entity) return false;
  int32_t l, t, r, b;
  entity->GetRect(&l, &t, &r, &b);
  if (left) *left = l;
  if (top) *top = t;
  if (right) *right = r;
  if (bottom) *bottom = b;
  return true;
}

bool COptionsStore::GetStatusBarVisible(bool* visible) const {
  auto entity = static_cast<const COptionsEntityBoolean*>(FindCurrent(24, kBoolean));
  if (!entity || !visible) return false;
  *visible = entity->IsSet();
  return true;
}

bool COptionsStore::GetQuickAccessBelowRibbon() const {
  auto entity = static_cast<const COptionsEntityBoolean*>(FindCurrent(111, kBoolean));
  return entity ? entity->IsSet() : false;
}

bool COptionsStore::GetRibbonMinimized() const {
  auto entity = static_cast<const COptionsEntityBoolean*>(FindCurrent(112, kBoolean));
  return entity ? entity->IsSet() : true;
}

bool COptionsStore::GetBoolean(int id) const {
  auto entity = static_cast<const COptionsEntityBoolean*>(FindCurrent(id, kBoolean));
  return entity ? entity->IsSet() : true;
}

COptionsEntityBase* COptionsStore::FindOrCreate(int id, int32_t type) {
  if (!m_currentUser || id == 0) return nullptr;
  COptionsEntityBase* entity = m_currentUser->FindEntity(id);
  if (!entity) {
    entity = CreateEntity(id);
    if (!entity) return nullptr;
    if (entity->GetType() != type) {
      Discard(entity);
      return nullptr;
    }
  }
  return entity->GetType() == type ? entity : nullptr;
}

bool COptionsStore::SetRectangle(int id, int left, int top, int right, int bottom) {
  auto entity = static_cast<COptionsEntityWindowPosition*>(FindOrCreate(id, kWindowPosition));
  if (!entity) return false;
  entity->SetRect(left, top, right, bottom);
  m_dirty = true;
  return true;
}

bool COptionsStore::SetWindowPosition(int left, int top, int right, int bottom) {
  return SetRectangle(1, left, top, right, bottom);
}

bool COptionsStore::SetBoolean(int id, int value) {
  auto entity = static_cast<COptionsEntityBoolean*>(FindOrCreate(id, kBoolean));
  if (!entity) return false;
  entity->SetValue(value);
  m_dirty = true;
  return true;
}

bool COptionsStore::SetStatusBarVisible(int value) { return SetBoolean(24, value); }

bool COptionsStore::SetQuickAccessBelowRibbon(int value) { return SetBoolean(111, value); }

bool COptionsStore::SetRibbonMinimized(int value) { return SetBoolean(112, value); }

bool COptionsStore::WriteBuffer(const CTesselString& path, const unsigned char* buffer,
                                int length) {
  CFileInterface file;
  int written = 0;
  bool ok = file.CreateForWriting(path) && file.Write(buffer, length, &written);
  file.Close();
  return ok && written == length;
}

unsigned char* COptionsStore::AllocateBuffer(int length) {
  return length > 0 ? static_cast<unsigned char*>(malloc(static_cast<size_t>(length))) : nullptr;
}

void COptionsStore::FreeBuffer(unsigned char* buffer) { free(buffer); }
