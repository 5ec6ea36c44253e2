#include "foundation/VLStringManager.h"

#include <string.h>
#include <wchar.h>

#include <vector>

namespace {

const size_t kHeaderSize = 5;   // count and width byte
const size_t kRecordExtra = 8;  // header, terminator and slack of every record

int32_t ReadInt32(const unsigned char* p) {
  return (int32_t)((uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) |
                   ((uint32_t)p[3] << 24));
}

void WriteInt32(unsigned char* p, int32_t value) {
  uint32_t v = (uint32_t)value;
  p[0] = (unsigned char)v;
  p[1] = (unsigned char)(v >> 8);
  p[2] = (unsigned char)(v >> 16);
  p[3] = (unsigned char)(v >> 24);
}

}  // namespace

CVLStringManager::CVLStringManager() : m_cursor(nullptr), m_end(nullptr) {}

CVLStringManager::~CVLStringManager() {}

bool CVLStringManager::SetBuffer(void* buffer, size_t size) {
  if (buffer == nullptr) {
    m_cursor = m_end = nullptr;
    return false;
  }
  m_cursor = static_cast<unsigned char*>(buffer);
  m_end = m_cursor + size;
  return true;
}

size_t CVLStringManager::GetRemaining() const { return m_cursor ? (size_t)(m_end - m_cursor) : 0; }

int CVLStringManager::GetRecordSize(CTesselString text) {
  return text.GetCapacity() + (int)kRecordExtra;
}

bool CVLStringManager::WriteString(CTesselString text) {
  if (m_cursor == nullptr) return false;
  const int count = text.GetLength();
  const size_t charSize = text.IsWide() ? 2 : 1;
  const size_t stride = (size_t)count * charSize + kRecordExtra;
  if (stride > GetRemaining()) return false;

  WriteInt32(m_cursor, count);
  m_cursor[4] = text.IsWide() ? 1 : 0;
  if (count > 0) {
    // The capacity follows the length, so count + 1 characters are the
    // whole buffer: the text and its terminator, in the string's own width.
    memcpy(m_cursor + kHeaderSize, text.GetBuffer(), ((size_t)count + 1) * charSize);
  } else {
    m_cursor[kHeaderSize] = 0;
  }
  m_cursor += stride;
  return true;
}

bool CVLStringManager::ReadString(CTesselString* text) {
  if (text == nullptr) return false;
  // Emptied only where no text is read: setting it empty first would cost every
  // string that is read a second allocation.
  auto fail = [text]() {
    text->SetText("");
    return false;
  };
  if (m_cursor == nullptr || GetRemaining() < kRecordExtra) return fail();

  const int32_t count = ReadInt32(m_cursor);
  const unsigned char width = m_cursor[4];
  if (count < 0 || width > 1) return fail();
  const size_t charSize = width ? 2 : 1;
  const uint64_t stride = (uint64_t)count * charSize + kRecordExtra;
  if (stride > GetRemaining()) return fail();
  if (count == 0) {
    m_cursor += stride;
    return fail();
  }

  // The text must end within its count + 1 characters; a record that lacks
  // its terminator is corrupt, however much buffer follows it.
  const unsigned char* chars = m_cursor + kHeaderSize;
  const size_t maxChars = (size_t)count + 1;
  if (width) {
    std::vector<wchar_t> wide(maxChars);
    memcpy(wide.data(), chars, maxChars * 2);  // the record is not aligned
    if (wmemchr(wide.data(), L'\0', maxChars) == nullptr) return fail();
    text->SetWideText(wide.data());
  } else {
    if (memchr(chars, 0, maxChars) == nullptr) return fail();
    text->SetText(reinterpret_cast<const char*>(chars));
  }
  m_cursor += stride;
  return true;
}
