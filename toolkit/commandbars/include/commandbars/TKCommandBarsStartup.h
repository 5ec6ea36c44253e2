// What the command bars register with the system when the program starts.
#pragma once

#include <afxwin.h>

/// The registered message "TK_WM_UPDATE_MDI_CHILD_THEME": a frame that
/// receives it refreshes its frame.
UINT AFX_CDECL TKGetUpdateMdiChildThemeMessage();

/// The toolkit's clipboard formats, registered at start-up.
enum TKClipboardFormat { tkClipboardToolBarImage = 0, tkClipboardAlphaBitmap = 1 };
WORD AFX_CDECL TKGetClipboardFormat(TKClipboardFormat nFormat);
