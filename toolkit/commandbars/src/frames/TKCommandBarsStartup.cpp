// The registrations the command bars make while the program's statics are
// made, before the application starts, and the classes they make bars of.
#include "commandbars/TKCommandBarsStartup.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKMenuBar.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKToolBar.h"

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

// Made of constant addresses, so the table is complete before any static
// initialiser of the program could make a bar.
CTKCommandBars::TK_RUNTIME_CLASSES g_runtimeClasses = {
    RUNTIME_CLASS(CTKToolBar), RUNTIME_CLASS(CTKMenuBar), RUNTIME_CLASS(CTKPopupBar),
    RUNTIME_CLASS(CTKPopupToolBar), RUNTIME_CLASS(CTKDockBar)};

}  // namespace

CTKCommandBars::TK_RUNTIME_CLASSES& AFX_CDECL CTKCommandBars::GetRuntimeClasses() {
  return g_runtimeClasses;
}

UINT AFX_CDECL TKGetUpdateMdiChildThemeMessage() { return g_nUpdateMdiChildThemeMessage; }

WORD AFX_CDECL TKGetClipboardFormat(TKClipboardFormat nFormat) {
  return g_clipboardFormats[nFormat];
}
