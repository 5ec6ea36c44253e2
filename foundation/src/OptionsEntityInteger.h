// The single-value settings records: integer, boolean, 64-bit value, file time.
#pragma once

#include <stdint.h>

#include "OptionsEntityBase.h"

/// Type 1: one int32 (default 0). Record: header, value; 12 bytes.
class COptionsEntityInteger : public COptionsEntityBase {
 public:
  COptionsEntityInteger() : COptionsEntityInteger(1) {}
  int GetSize() override;
  bool Load(const unsigned char* buffer, int* pos, int end) override;
  bool Save(unsigned char* buffer, int* pos) override;

  int32_t GetValue() const { return m_value; }
  void SetValue(int32_t value) { m_value = value; }

 protected:
  /// For the kinds stored as one int32 under another type code.
  explicit COptionsEntityInteger(int32_t typeCode);

 private:
  int32_t m_value;
};

/// Type 5: a flag stored as int32 (default 0 = false); readers look at its low
/// byte. Record: header, value; 12 bytes.
class COptionsEntityBoolean : public COptionsEntityInteger {
 public:
  COptionsEntityBoolean() : COptionsEntityInteger(5) {}

  bool IsSet() const { return (GetValue() & 0xFF) != 0; }
};

/// Type 2: a 64-bit value (default 0). Record: header, low, high; 16 bytes.
class COptionsEntityLargeInteger : public COptionsEntityBase {
 public:
  COptionsEntityLargeInteger() : COptionsEntityLargeInteger(2, 0) {}
  int GetSize() override;
  bool Load(const unsigned char* buffer, int* pos, int end) override;
  bool Save(unsigned char* buffer, int* pos) override;

  int64_t GetValue() const { return m_value; }
  void SetValue(int64_t value) { m_value = value; }

 protected:
  /// For the kinds stored as one 64-bit value under another type code.
  COptionsEntityLargeInteger(int32_t typeCode, int64_t value);

 private:
  int64_t m_value;
};

/// Type 11: a point in time (100 ns units since 1601 UTC), the current time
/// when constructed. Record: header, low, high; 16 bytes.
class COptionsEntityFileTime : public COptionsEntityLargeInteger {
 public:
  COptionsEntityFileTime();

  int64_t GetTime() const { return GetValue(); }
  void SetTime(int64_t time) { SetValue(time); }
};
