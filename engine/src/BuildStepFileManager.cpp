#include "engine/BuildStepFileManager.h"

#include <windows.h>
#include <string.h>

#include <new>
#include <string>

#include "SafeFileWriter.h"
#include "foundation/VLStringManager.h"

namespace {

const char kMagic[14] = "Velmoran Data";  // 13 characters and the NUL
const int kVersionOffset = 40;
const int kStepCountOffset = 44;
const int kVariableCountOffset = 48;
const int kStepTextsOffset = 12;  // version 2; version 1 has no paused flag
const int kStepTextsOffsetV1 = 8;
const int kVariableTextsOffset = 4;

int32_t GetInt32(const unsigned char* at) {
  int32_t value;
  memcpy(&value, at, sizeof value);
  return value;
}

void PutInt32(unsigned char* at, int32_t value) { memcpy(at, &value, sizeof value); }

// Reads the next packed string of a record. The string manager stays inside
// the record it was given, and refuses a damaged string (negative count,
// characters past the record, no terminator) by leaving its cursor in place;
// an empty string also reads as false but moves on.
bool ReadText(CVLStringManager* strings, CTesselString* text) {
  const unsigned char* before = strings->GetCursor();
  return strings->ReadString(text) || strings->GetCursor() != before;
}

// Points a string manager at the texts of a record that start at `offset`.
bool StartTexts(CVLStringManager* strings, const unsigned char* record, int64_t size, int offset) {
  return size > offset &&
         strings->SetBuffer(const_cast<unsigned char*>(record) + offset, size - offset);
}

// The step of a record, or null when the record cannot be read.
CBuildStepDataDefinition* ParseStep(const unsigned char* record, int64_t size, int32_t version) {
  CVLStringManager strings;
  if (!StartTexts(&strings, record, size, version == 1 ? kStepTextsOffsetV1 : kStepTextsOffset))
    return nullptr;
  CBuildStepDataDefinition* step = new (std::nothrow) CBuildStepDataDefinition;
  if (!step) return nullptr;
  step->m_stepType = GetInt32(record + 4);
  if (version >= 2) step->m_paused = record[8] != 0;
  for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i) {
    if (!ReadText(&strings, step->GetTextField(i))) {
      delete step;
      return nullptr;
    }
  }
  return step;
}

CVariableDefDataDefinition* ParseVariable(const unsigned char* record, int64_t size) {
  CVLStringManager strings;
  if (!StartTexts(&strings, record, size, kVariableTextsOffset)) return nullptr;
  CVariableDefDataDefinition* variable = new (std::nothrow) CVariableDefDataDefinition;
  if (!variable) return nullptr;
  if (!ReadText(&strings, &variable->m_name) || !ReadText(&strings, &variable->m_value)) {
    delete variable;
    return nullptr;
  }
  return variable;
}

// Record size of a set of texts: `fixed` bytes plus the room each string reserves.
int64_t RecordSize(int fixed, const CTesselString* const* texts, int count) {
  int64_t size = fixed;
  for (int i = 0; i < count; ++i) size += CVLStringManager::GetRecordSize(*texts[i]);
  return size;
}

// A zero-filled record with its size field set and the texts packed from
// `textsOffset`; null when it cannot be made.
unsigned char* AssembleRecord(int64_t size, int textsOffset, const CTesselString* const* texts,
                              int count) {
  if (size > 0x7FFFFFFF) return nullptr;
  unsigned char* record = new (std::nothrow) unsigned char[size]();
  if (!record) return nullptr;
  PutInt32(record, static_cast<int32_t>(size));
  CVLStringManager strings;
  bool ok = strings.SetBuffer(record + textsOffset, size - textsOffset);
  for (int i = 0; ok && i < count; ++i) ok = strings.WriteString(*texts[i]);
  if (ok) return record;
  delete[] record;
  return nullptr;
}

// Deletes the records of a list of `Record*` items and empties it; false when
// it was empty already.
template <typename Record>
bool DeleteRecords(CTesselList* list) {
  if (list->GetCount() <= 0) return false;
  for (int i = 0; i < list->GetCount(); ++i) delete static_cast<Record*>(list->GetAt(i));
  list->RemoveAll();
  return true;
}

}  // namespace

CBuildStepFileManager::CBuildStepFileManager() : m_owner(nullptr), m_readOffset(0) {
  m_filePath.SetText("");
}

CBuildStepFileManager::~CBuildStepFileManager() {
  // The records are not deleted here: their owner deletes them beforehand
  // (Clear or Close), and the application's step display may own them still.
  m_file.Close();
}

bool CBuildStepFileManager::SaveBuildFile(const CTesselString& path) {
  if (path.IsEmpty()) return false;
  std::string bytes;
  if (!AssembleBuild(&bytes) || !WriteFileSafely(path, bytes.data(), bytes.size())) return false;
  m_filePath = path;
  return true;
}

bool CBuildStepFileManager::AssembleBuild(std::string* bytes) {
  unsigned char header[HeaderSize] = {};
  memcpy(header, kMagic, sizeof kMagic);
  PutInt32(header + kVersionOffset, CurrentVersion);
  PutInt32(header + kStepCountOffset, m_steps.GetCount());
  PutInt32(header + kVariableCountOffset, m_variables.GetCount());
  bytes->assign(reinterpret_cast<const char*>(header), HeaderSize);
  // One record that cannot be assembled spoils the whole file: stop there.
  bool ok = true;
  for (int i = 0; ok && i < m_steps.GetCount(); ++i)
    ok = AppendStep(bytes, static_cast<CBuildStepDataDefinition*>(m_steps.GetAt(i)));
  for (int i = 0; ok && i < m_variables.GetCount(); ++i)
    ok = AppendVariable(bytes, static_cast<CVariableDefDataDefinition*>(m_variables.GetAt(i)));
  return ok;
}

bool CBuildStepFileManager::AppendStep(std::string* bytes, CBuildStepDataDefinition* step) {
  if (!step) return false;
  const CTesselString* texts[CBuildStepDataDefinition::TextFieldCount];
  for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
    texts[i] = step->GetTextField(i);
  // The size counts the type and paused flag (9 bytes) but not the 3 reserved
  // bytes; the strings' spare room keeps the record large enough all the same.
  int64_t size = RecordSize(9, texts, CBuildStepDataDefinition::TextFieldCount);
  unsigned char* record =
      AssembleRecord(size, kStepTextsOffset, texts, CBuildStepDataDefinition::TextFieldCount);
  if (!record) return false;
  PutInt32(record + 4, step->m_stepType);
  record[8] = step->m_paused ? 1 : 0;
  bytes->append(reinterpret_cast<const char*>(record), static_cast<size_t>(size));
  delete[] record;
  return true;
}

bool CBuildStepFileManager::AppendVariable(std::string* bytes,
                                           CVariableDefDataDefinition* variable) {
  if (!variable) return false;
  const CTesselString* texts[2] = {&variable->m_name, &variable->m_value};
  int64_t size = RecordSize(4, texts, 2);
  unsigned char* record = AssembleRecord(size, kVariableTextsOffset, texts, 2);
  if (!record) return false;
  bytes->append(reinterpret_cast<const char*>(record), static_cast<size_t>(size));
  delete[] record;
  return true;
}

bool CBuildStepFileManager::LoadBuildFile(const CTesselString& path) {
  m_filePath.SetText("");
  CTesselString source(path);
  if (!m_file.OpenForReading(source)) return false;
  int32_t version = 0, stepCount = 0, variableCount = 0;
  // An unknown version may be a newer program's file: loading it as an empty
  // build would let the next save destroy it.
  if (!ReadHeader(&version, &stepCount, &variableCount) || (version != 1 && version != 2)) {
    m_file.Close();
    return false;
  }
  m_filePath = source;
  ReadBody();
  m_file.Close();
  bool ok = ReadSteps(stepCount, version);
  ok = ReadVariables(variableCount) && ok;
  std::vector<unsigned char>().swap(m_body);
  return ok;
}

bool CBuildStepFileManager::ReadHeader(int32_t* version, int32_t* stepCount,
                                       int32_t* variableCount) {
  unsigned char header[HeaderSize];
  int got = 0;
  if (!m_file.Read(header, HeaderSize, &got, true)) return false;
  if (memcmp(header, kMagic, sizeof kMagic) != 0) return false;
  *version = GetInt32(header + kVersionOffset);
  *stepCount = GetInt32(header + kStepCountOffset);
  *variableCount = GetInt32(header + kVariableCountOffset);
  return true;
}

bool CBuildStepFileManager::ReadSteps(int32_t count, int32_t version) {
  return ReadRecords(count, &m_steps, [version](const unsigned char* record, int32_t size) {
    return ParseStep(record, size, version);
  });
}

bool CBuildStepFileManager::ReadVariables(int32_t count) {
  return ReadRecords(count, &m_variables, [](const unsigned char* record, int32_t size) {
    return ParseVariable(record, size);
  });
}

// Reads the rest of the file into m_body; a read that fails ends it there, and
// the records cut off count as missing.
bool CBuildStepFileManager::ReadBody() {
  m_body.clear();
  m_readOffset = 0;
  const uint64_t size = m_file.GetSize();
  if (size <= HeaderSize || size - HeaderSize > SIZE_MAX / 2) return false;
  m_body.resize(static_cast<size_t>(size - HeaderSize));
  size_t done = 0;
  while (done < m_body.size()) {
    const size_t left = m_body.size() - done;
    int got = 0;
    if (!m_file.Read(m_body.data() + done, left > 0x40000000 ? 0x40000000 : static_cast<int>(left),
                     &got, false))
      break;
    done += static_cast<size_t>(got);
  }
  m_body.resize(done);
  return done > 0;
}

// The next record, size field included, or null when it is to be skipped.
// *endOfFile is set when not even a size field is left.
const unsigned char* CBuildStepFileManager::NextRecord(bool* endOfFile, int32_t* size) {
  *endOfFile = m_body.size() - m_readOffset < sizeof *size;
  if (*endOfFile) return nullptr;
  const unsigned char* record = m_body.data() + m_readOffset;
  *size = GetInt32(record);
  m_readOffset += sizeof *size;
  if (*size <= 4) return nullptr;  // nothing but the size field
  // Where a body that runs past the end of the file ends is unknown: nothing
  // after it can be trusted.
  const size_t body = static_cast<size_t>(*size) - 4;
  if (body > m_body.size() - m_readOffset) {
    m_readOffset = m_body.size();
    return nullptr;
  }
  m_readOffset += body;
  return record;
}

bool CBuildStepFileManager::Clear() {
  DeleteAllSteps();
  DeleteAllVariables();
  m_filePath.SetText("");
  return true;
}

void CBuildStepFileManager::Close() {
  Clear();
  m_file.Close();
}

bool CBuildStepFileManager::HasFilePath() const { return !m_filePath.IsEmpty(); }

bool CBuildStepFileManager::DeleteAllSteps() {
  return DeleteRecords<CBuildStepDataDefinition>(&m_steps);
}

bool CBuildStepFileManager::DeleteAllVariables() {
  return DeleteRecords<CVariableDefDataDefinition>(&m_variables);
}

CVariableDefDataDefinition* CBuildStepFileManager::GetFirstVariable() {
  return static_cast<CVariableDefDataDefinition*>(m_variables.IterateFirst());
}

CVariableDefDataDefinition* CBuildStepFileManager::GetNextVariable() {
  return static_cast<CVariableDefDataDefinition*>(m_variables.IterateNext());
}

bool CBuildStepFileManager::EndVariableIteration() { return m_variables.IterateEnd(); }
