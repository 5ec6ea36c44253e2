#include "engine/VariableDefDataDefinition.h"

CVariableDefDataDefinition::CVariableDefDataDefinition() {}

CVariableDefDataDefinition::~CVariableDefDataDefinition() {}

void CVariableDefDataDefinition::SetName(CTesselString name) { m_name = name; }

void CVariableDefDataDefinition::SetValue(CTesselString value) { m_value = value; }
