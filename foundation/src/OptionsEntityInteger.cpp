#include "OptionsEntityInteger.h"

#include "foundation/TimeUtilities.h"

namespace {

void SplitInt64(int64_t value, int32_t* words) {
  words[0] = static_cast<int32_t>(static_cast<uint64_t>(value) & 0xFFFFFFFFu);
  words[1] = static_cast<int32_t>(static_cast<uint64_t>(value) >> 32);
}

}  // namespace

// ---------------------------------------------------------------------------

COptionsEntityInteger::COptionsEntityInteger(int32_t typeCode)
    : COptionsEntityBase(typeCode), m_value(0) {}

int COptionsEntityInteger::GetSize() { return 12; }

bool COptionsEntityInteger::Load(const unsigned char* buffer, int* pos, int end) {
  return LoadValues(buffer, pos, end, &m_value, 1);
}

bool COptionsEntityInteger::Save(unsigned char* buffer, int* pos) {
  return SaveValues(buffer, pos, &m_value, 1);
}

// ---------------------------------------------------------------------------

COptionsEntityLargeInteger::COptionsEntityLargeInteger(int32_t typeCode, int64_t value)
    : COptionsEntityBase(typeCode), m_value(value) {}

int COptionsEntityLargeInteger::GetSize() { return 16; }

bool COptionsEntityLargeInteger::Load(const unsigned char* buffer, int* pos, int end) {
  int32_t words[2];
  if (!LoadValues(buffer, pos, end, words, 2)) return false;
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
    : COptionsEntityLargeInteger(11, GetCurrentUtcTime()) {}
