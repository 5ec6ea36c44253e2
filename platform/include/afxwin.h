// Windowing half of the class layer; includes the core and the collections.
#pragma once

#include "afx.h"
#include "afxcoll.h"

#if __has_include("afxcmdtarget.h")
#include "afxcmdtarget.h"
#endif
