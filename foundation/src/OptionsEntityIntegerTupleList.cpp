#include "OptionsEntityIntegerTupleList.h"

#include <new>

#include "OptionsRecordIO.h"

COptionsEntityIntegerTupleList::COptionsEntityIntegerTupleList() : COptionsEntityBase(10) {}

COptionsEntityIntegerTupleList::~COptionsEntityIntegerTupleList() {}

int COptionsEntityIntegerTupleList::GetSize() { return 12 + 16 * GetCount(); }

bool COptionsEntityIntegerTupleList::Load(const unsigned char* buffer, int* pos, int end) {
  int32_t id = 0, count = 0;
  if (!buffer || !pos || !PeekHeader(buffer, *pos, end, &id) ||
      !COptionsRecordIO::ReadInt32(buffer, *pos + 8, end, &count) || count < 0 ||
      !COptionsRecordIO::HasRoom(*pos + 12, 16LL * count, end))
    return false;

  const int first = *pos + 12;
  std::vector<int32_t> values(static_cast<size_t>(count) * 4);
  for (int32_t i = 0; i < count * 4; ++i)
    COptionsRecordIO::ReadInt32(buffer, first + 4 * i, end, &values[static_cast<size_t>(i)]);
  // Refuse repeats before adding anything, so a bad record changes nothing.
  for (int32_t i = 0; i < count; ++i) {
    const int32_t* t = &values[static_cast<size_t>(i) * 4];
    if (FindTuple(t[0], t[1], t[2], t[3])) return false;
    for (int32_t j = 0; j < i; ++j) {
      const int32_t* u = &values[static_cast<size_t>(j) * 4];
      if (t[0] == u[0] && t[1] == u[1] && t[2] == u[2] && t[3] == u[3]) return false;
    }
  }
  size_t before = m_tuples.size();
  for (int32_t i = 0; i < count; ++i) {
    const int32_t* t = &values[static_cast<size_t>(i) * 4];
    if (!AddTuple(t[0], t[1], t[2], t[3])) {
      m_tuples.resize(before);
      return false;
    }
  }
  m_settingId = id;
  *pos = first + 16 * count;
  return true;
}

bool COptionsEntityIntegerTupleList::Save(unsigned char* buffer, int* pos) {
  if (!buffer || !pos) return false;
  int p = *pos;
  COptionsRecordIO::WriteInt32(buffer, p, m_type);
  COptionsRecordIO::WriteInt32(buffer, p + 4, m_settingId);
  COptionsRecordIO::WriteInt32(buffer, p + 8, GetCount());
  p += 12;
  for (const auto& t : m_tuples) {
    COptionsRecordIO::WriteInt32(buffer, p, t->a);
    COptionsRecordIO::WriteInt32(buffer, p + 4, t->b);
    COptionsRecordIO::WriteInt32(buffer, p + 8, t->c);
    COptionsRecordIO::WriteInt32(buffer, p + 12, t->d);
    p += 16;
  }
  *pos = p;
  return true;
}

COptionsEntityIntegerTupleEntry* COptionsEntityIntegerTupleList::FindTuple(int32_t a, int32_t b,
                                                                           int32_t c,
                                                                           int32_t d) const {
  for (const auto& t : m_tuples)
    if (t->Equals(a, b, c, d)) return t.get();
  return nullptr;
}

bool COptionsEntityIntegerTupleList::AddTuple(int32_t a, int32_t b, int32_t c, int32_t d) {
  if (FindTuple(a, b, c, d)) return false;
  COptionsEntityIntegerTupleEntry* entry =
      new (std::nothrow) COptionsEntityIntegerTupleEntry(a, b, c, d);
  if (!entry) return false;
  m_tuples.push_back(std::unique_ptr<COptionsEntityIntegerTupleEntry>(entry));
  MarkOwnerDirty();
  return true;
}

COptionsEntityIntegerTupleEntry* COptionsEntityIntegerTupleList::GetAt(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return m_tuples[static_cast<size_t>(index)].get();
}
