// The text settings record.
#pragma once

#include "OptionsEntityBase.h"
#include "foundation/TesselString.h"

/// Type 4: one string (empty by default). Record: header, packed value;
/// 8 + reserve(value) bytes. The value keeps its width (narrow or wide).
class COptionsEntityString : public COptionsEntityBase {
 public:
  COptionsEntityString();
  int GetSize() override;
  bool Load(const unsigned char* buffer, int* pos, int end) override;
  bool Save(unsigned char* buffer, int* pos) override;

  const CTesselString& GetValue() const { return m_value; }
  void SetValue(const CTesselString& value) { m_value.Assign(value); }

 private:
  CTesselString m_value;
};
