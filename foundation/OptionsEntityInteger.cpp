#include "OptionsEntityInteger.h"

#include "TimeUtilities.h"

namespace {

void SplitInt64(int64_t value, int32_t* words) {
  words[0] = static_cast<int32_t>(static_cast<uint64_t>(value) & 0xFFFFFFFFu);
  words[1] = static_cast<int32_t>(static_cast<uint64_t>(value) >> 32);
}

}  // namespace

// ---------------------------------------------------------------------------

COptionsEntityInteger::COptionsEntityInteger() : COptionsEntityBase(1), m_value(0) {}

int COptionsEntityInteger::GetSize() {
  return 12;
}

bool COptionsEntityInteger::Load(const unsigned char* buffer, int* pos, int end) {
  return LoadValues(buffer, pos, end, &m_value, 1);
}

bool COptionsEntityInteger::Save(unsigned char* buffer, int* pos) {
  return SaveValues(buffer, pos, &m_value, 1);
}

// ---------------------------------------------------------------------------

COptionsEntityBoolean::COptionsEntityBoolean() : COptionsEntityBase(5), m_value(0) {}

int COptionsEntityBoolean::GetSize() {
  return 12;
}

bool COptionsEntityBoolean::Load(const unsigned char* buffer, int* pos, int end) {
  return LoadValues(buffer, pos, end, &m_value, 1);
}

bool COptionsEntityBoolean::Save(unsigned char* buffer, int* pos) {
  return SaveValues(buffer, pos, &m_value, 1);
}

// ---------------------------------------------------------------------------

COptionsEntityLargeInteger::COptionsEntityLargeInteger() : COptionsEntityBase(2), m_value(0) {}

int COptionsEntityLargeInteger::GetSize() {
  return 16;
}

bool COptionsEntityLargeInteger::Load(const unsigned char* buffer, int* pos, int end) {
  int32_t words[2];
  if (!LoadValues(buffer, pos, end, words, 2))
    return false;
  m_value = MakeInt64(words[0], words[1]);
  return true;
}

bool COptionsEntityLargeInteger::Save(unsigned char* buffer, int* pos) {
  int32_t words[2];
  SplitInt64(m_value, words);
  return SaveValues(buffer, pos, words, 2);
}

// ---------------------------------------------------------------------------

COptionsEntityFileTime::COptionsEntityFileTime()
    : COptionsEntityBase(11), m_time(GetCurrentUtcTime()) {}

int COptionsEntityFileTime::GetSize() {
  return 16;
}

bool COptionsEntityFileTime::Load(const unsigned char* buffer, int* pos, int end) {
  int32_t words[2];
  if (!LoadValues(buffer, pos, end, words, 2))
    return false;
  m_time = MakeInt64(words[0], words[1]);
  return true;
}

bool COptionsEntityFileTime::Save(unsigned char* buffer, int* pos) {
  int32_t words[2];
  SplitInt64(m_time, words);
  return SaveValues(buffer, pos, words, 2);
}
