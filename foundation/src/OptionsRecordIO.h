// Bounded reading and writing of the pieces that settings records are made of.
#pragma once

#include <stdint.h>

#include "foundation/TesselString.h"

/// Helpers shared by the settings records. Readers take the buffer's end (the
/// number of valid bytes) and refuse anything that would reach past it, so a
/// truncated or corrupt buffer can never make a record read outside its memory.
/// Writers trust the caller to have sized the buffer from the records' GetSize().
class COptionsRecordIO {
 public:
  /// True when `length` bytes from `pos` lie inside [0, end).
  static bool HasRoom(int pos, int64_t length, int end);

  /// Little-endian int32 at `pos`; false (out unchanged) when it does not fit.
  static bool ReadInt32(const unsigned char* buffer, int pos, int end, int32_t* out);
  static void WriteInt32(unsigned char* buffer, int pos, int32_t value);

  /// Reads the packed string at `pos` into `out` and reports its stride (the
  /// distance to a string written right after it) and its reserve (the room
  /// records count for it). False, with nothing changed, for a negative count,
  /// an unknown width byte, a string whose reserve runs past `end` or whose
  /// text lacks its terminator. An empty string reads as the empty narrow text.
  static bool ReadPackedString(const unsigned char* buffer, int pos, int end, CTesselString* out,
                               int* stride, int* reserve);

  /// Writes `text` as a packed string at `pos`; returns its stride. The bytes
  /// between the written data and the string's reserve are not touched.
  static int WritePackedString(unsigned char* buffer, int pos, const CTesselString& text);

  /// count * character size + 8.
  static int GetStride(const CTesselString& text);
  /// (count + 1) * character size + 8: the record room of the string, computed
  /// from count and width as a reader does, so writer and reader always agree.
  static int GetReserve(const CTesselString& text);
};
