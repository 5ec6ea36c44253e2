// Packed strings: the length-prefixed, width-tagged string encoding that the
// build file and the settings records store.
//
// Layout at the cursor (little-endian):
//   +0  int32  character count (0 for an empty string)
//   +4  uint8  width: 0 narrow, 1 wide (UTF-16LE)
//   +5         the characters and their terminator (a single 0 byte when the
//              count is 0)
// The next string starts count * character size + 8 bytes further on.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "foundation/TesselString.h"

/// A cursor over a caller's byte buffer that writes and reads packed strings.
/// The manager never owns the buffer and never touches a byte outside the
/// range given to SetBuffer, so a corrupt record cannot make it read or write
/// past the end. One thread at a time.
class CVLStringManager {
 public:
  CVLStringManager();
  virtual ~CVLStringManager();

  /// Places the cursor at the start of the buffer of `size` bytes.
  /// False (and no cursor) for a null buffer.
  bool SetBuffer(void* buffer, size_t size);

  /// Writes the string at the cursor and moves the cursor past its record.
  /// False, with nothing written, without a cursor or when the record
  /// (count * character size + 8 bytes) does not fit in what is left.
  bool WriteString(CTesselString text);

  /// Reads the string at the cursor into `text`.
  /// True for a non-empty string. An empty record gives an empty string,
  /// false, and still moves the cursor past it. A record that is corrupt
  /// (negative count, unknown width byte, a record running past the end of the
  /// buffer, text without its terminator) gives an empty string and false and
  /// leaves the cursor where it was, so callers can tell it from an empty one.
  bool ReadString(CTesselString* text);

  /// The room to reserve for one packed string: its capacity + 8 bytes.
  static int GetRecordSize(CTesselString text);

  /// Bytes from the cursor to the end of the buffer (0 without a cursor).
  size_t GetRemaining() const;

  /// The cursor, or null before SetBuffer.
  const unsigned char* GetCursor() const { return m_cursor; }

 private:
  unsigned char* m_cursor;
  unsigned char* m_end;
};
