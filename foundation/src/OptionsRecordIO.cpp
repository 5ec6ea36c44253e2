#include "OptionsRecordIO.h"

#include <string.h>

#include <vector>

#include "foundation/VLStringManager.h"

namespace {

int CharSize(const CTesselString& text) { return text.IsWide() ? 2 : 1; }

}  // namespace

bool COptionsRecordIO::HasRoom(int pos, int64_t length, int end) {
  return pos >= 0 && length >= 0 && end >= 0 && static_cast<int64_t>(pos) + length <= end;
}

bool COptionsRecordIO::ReadInt32(const unsigned char* buffer, int pos, int end, int32_t* out) {
  if (!buffer || !out || !HasRoom(pos, 4, end)) return false;
  memcpy(out, buffer + pos, 4);
  return true;
}

void COptionsRecordIO::WriteInt32(unsigned char* buffer, int pos, int32_t value) {
  memcpy(buffer + pos, &value, 4);
}

bool COptionsRecordIO::ReadPackedString(const unsigned char* buffer, int pos, int end,
                                        CTesselString* out, int* stride, int* reserve) {
  int32_t count = 0;
  if (!out || !ReadInt32(buffer, pos, end, &count) || count < 0 || !HasRoom(pos, 5, end))
    return false;
  unsigned char width = buffer[pos + 4];
  if (width > 1) return false;
  int charSize = width ? 2 : 1;
  int64_t room = (static_cast<int64_t>(count) + 1) * charSize + 8;
  if (!HasRoom(pos, room, end)) return false;

  const unsigned char* text = buffer + pos + 5;
  CTesselString value;
  if (count > 0) {
    const unsigned char* terminator = text + static_cast<int64_t>(count) * charSize;
    if (terminator[0] != 0 || (charSize == 2 && terminator[1] != 0)) return false;
    if (charSize == 1) {
      value.SetText(reinterpret_cast<const char*>(text));
    } else {
      // The record gives no alignment, so copy before reading characters.
      std::vector<wchar_t> wide(static_cast<size_t>(count) + 1);
      memcpy(wide.data(), text, (static_cast<size_t>(count) + 1) * 2);
      value.SetWideText(wide.data());
    }
  }
  out->Assign(value);
  if (stride) *stride = static_cast<int>(room - charSize);
  if (reserve) *reserve = static_cast<int>(room);
  return true;
}

int COptionsRecordIO::WritePackedString(unsigned char* buffer, int pos, const CTesselString& text) {
  CVLStringManager writer;
  int stride = GetStride(text);
  writer.SetBuffer(buffer + pos, static_cast<size_t>(GetReserve(text)));
  writer.WriteString(text);
  return stride;
}

int COptionsRecordIO::GetStride(const CTesselString& text) {
  return text.GetLength() * CharSize(text) + 8;
}

int COptionsRecordIO::GetReserve(const CTesselString& text) {
  return (text.GetLength() + 1) * CharSize(text) + 8;
}
