// Windowing half of the class layer; includes the core and the collections.
#pragma once

#include "afx.h"
#include "afxcoll.h"

#if __has_include("afxcmdtarget.h")
#include "afxcmdtarget.h"
#endif

// Windows, message maps, the application object.
#include "afxgdi.h"
#include "afxwnd.h"
#include "afxwinapp.h"

// Menus and the standard controls.
#include "afxmenu.h"
#include "afxctl.h"

// Frames, control bars and dialogs; documents and views.
#include "afxframe.h"
#include "afxdocview.h"
#include "afxdialog.h"
#include "afxadv.h"
#include "afxext.h"
