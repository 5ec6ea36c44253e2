// One variable definition of a build: "%name%" in a step's texts stands for the value.
#pragma once

#include "foundation/TesselString.h"

/// A plain value record for one variable. Owned by the list that holds it.
/// Name and value are read directly and written through the setters.
class CVariableDefDataDefinition {
 public:
  /// Name and value empty.
  CVariableDefDataDefinition();
  virtual ~CVariableDefDataDefinition();

  void SetName(CTesselString name);
  void SetValue(CTesselString value);

  CTesselString m_name;
  CTesselString m_value;
};
