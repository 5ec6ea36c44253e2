// Reading the objects of a saved ribbon: every stored class must be one the
// ribbon can hold.
#pragma once

#include <afxwin.h>

class CTKPropExchange;

/// A new object of the class the section names, which must derive from
/// `pBase`; throws the archive's bad-class exception when none results.
CObject* TKReadRibbonObject(CTKPropExchange* pPX, CRuntimeClass* pBase);
