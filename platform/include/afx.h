// The core of the MFC-compatible class layer: object model, exceptions,
// strings, files, archives and module state.
#pragma once

#include <windows.h>
#include <tchar.h>

#include "afxdiag.h"
#include "afxobject.h"
#include "afxstr.h"
#include "afxconv.h"
#include "atltypes.h"
#include "afxexcept.h"
#include "afxstate.h"
#include "afxfile.h"
#include "afxarchive.h"

/// An iteration position in a collection; null means "no more".
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)
