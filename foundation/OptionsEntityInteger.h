// The single-value settings records: integer, boolean, 64-bit value, file time.
#pragma once

#include <stdint.h>

#include "OptionsEntityBase.h"

/// Type 1: one int32 (default 0). Record: header, value; 12 bytes.
class COptionsEntityInteger : public COptionsEntityBase {
public:
  COptionsEntityInteger();
  int GetSize() override;
  bool Load(const unsigned char* buffer, int* pos, int end) override;
  bool Save(unsigned char* buffer, int* pos) override;

  int32_t GetValue() const { return m_value; }
  void SetValue(int32_t value) { m_value = value; }

private:
  int32_t m_value;
};

/// Type 5: a flag stored as int32 (default 0 = false); readers look at its low
/// byte. Record: header, value; 12 bytes.
class COptionsEntityBoolean : public COptionsEntityBase {
public:
  COptionsEntityBoolean();
  int GetSize() override;
  bool Load(const unsigned char* buffer, int* pos, int end) override;
  bool Save(unsigned char* buffer, int* pos) override;

  int32_t GetValue() const { return m_value; }
  bool IsSet() const { return (m_value & 0xFF) != 0; }
  void SetValue(int32_t value) { m_value = value; }

private:
  int32_t m_value;
};

/// Type 2: a 64-bit value (default 0). Record: header, low, high; 16 bytes.
class COptionsEntityLargeInteger : public COptionsEntityBase {
public:
  COptionsEntityLargeInteger();
  int GetSize() override;
  bool Load(const unsigned char* buffer, int* pos, int end) override;
  bool Save(unsigned char* buffer, int* pos) override;

  int64_t GetValue() const { return m_value; }
  void SetValue(int64_t value) { m_value = value; }

private:
  int64_t m_value;
};

/// Type 11: a point in time (100 ns units since 1601 UTC), the current time
/// when constructed. Record: header, low, high; 16 bytes.
class COptionsEntityFileTime : public COptionsEntityBase {
public:
  COptionsEntityFileTime();
  int GetSize() override;
  bool Load(const unsigned char* buffer, int* pos, int end) override;
  bool Save(unsigned char* buffer, int* pos) override;

  int64_t GetTime() const { return m_time; }
  void SetTime(int64_t time) { m_time = time; }

private:
  int64_t m_time;
};
