// The settings records made of a few int32: window rectangle and pane size.
#pragma once

#include <stdint.h>

#include "OptionsEntityBase.h"

/// Type 7: left, top, right, bottom (all 0 by default).
/// Record: header and the four values; 24 bytes.
class COptionsEntityWindowPosition : public COptionsEntityBase {
 public:
  COptionsEntityWindowPosition();
  int GetSize() override;
  bool Load(const unsigned char* buffer, int* pos, int end) override;
  bool Save(unsigned char* buffer, int* pos) override;

  void GetRect(int32_t* left, int32_t* top, int32_t* right, int32_t* bottom) const;
  void SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom);

 private:
  int32_t m_values[4];
};

/// Type 6: two int32 (0, 0). Record: header and both values; 16 bytes.
class COptionsEntityPaneSize : public COptionsEntityBase {
 public:
  COptionsEntityPaneSize();
  int GetSize() override;
  bool Load(const unsigned char* buffer, int* pos, int end) override;
  bool Save(unsigned char* buffer, int* pos) override;

  int32_t GetFirst() const { return m_values[0]; }
  int32_t GetSecond() const { return m_values[1]; }
  void SetValues(int32_t first, int32_t second);

 private:
  int32_t m_values[2];
};
