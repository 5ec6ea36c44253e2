// The registrations the command bars make while the program's statics are
// made, before the application starts.
#include "commandbars/TKCommandBarsStartup.h"


namespace {

UINT g_nUpdateMdiChildThemeMessage = 0;
WORD g_clipboardFormats[2] = {0, 0};

struct CStartupRegistrations {
  CStartupRegistrations() {
    g_nUpdateMdiChildThemeMessage = ::RegisterWindowMessageA("TK_WM_UPDATE_MDI_CHILD_THEME");
    g_clipboardFormats[tkClipboardToolBarImage] =
        static_cast<WORD>(::RegisterClipboardFormatA("Zaredi ToolBar Image"));
    g_clipboardFormats[tkClipboardAlphaBitmap] =
        static_cast<WORD>(::RegisterClipboardFormatA("Alpha Bitmap Image"));
  }
} g_startupRegistrations;

}  // namespace

UINT AFX_CDECL TKGetUpdateMdiChildThemeMessage() { return g_nUpdateMdiChildThemeMessage; }

WORD AFX_CDECL TKGetClipboardFormat(TKClipboardFormat nFormat) {
  return g_clipboardFormats[nFormat];
}
