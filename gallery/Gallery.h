// The gallery's pages: each draws one kind of picture of the current look.
#pragma once

#include <afxwin.h>

#include <string>

/// What a page draws for: the look's name and where its files go.
struct GalleryContext {
  std::string look;    ///< "Silver", "Blue" or "Black"
  std::string folder;  ///< the output folder, with a trailing backslash
};

/// Writes the page's files; false when one could not be written.
typedef bool (*GalleryPage)(const GalleryContext& context);

bool DrawImagesPage(const GalleryContext& context);
bool DrawScrollBarsPage(const GalleryContext& context);
bool DrawHeaderPage(const GalleryContext& context);
bool DrawMarkupPage(const GalleryContext& context);
bool DrawPanelsPage(const GalleryContext& context);
bool DrawMarkupImagesPage(const GalleryContext& context);
bool DrawToolTipsPage(const GalleryContext& context);
bool DrawShapesPage(const GalleryContext& context);
bool DrawMarkupControlsPage(const GalleryContext& context);
bool DrawCaptionsPage(const GalleryContext& context);
bool DrawMarkupLayoutPage(const GalleryContext& context);
bool DrawTabsPage(const GalleryContext& context);
bool DrawCommandBarsPage(const GalleryContext& context);
bool DrawDockingPage(const GalleryContext& context);
bool DrawCommandBarWindowPage(const GalleryContext& context);
bool DrawCommandBarsFramePage(const GalleryContext& context);
bool DrawThemesPage(const GalleryContext& context);
bool DrawShadowsPage(const GalleryContext& context);
/// The themes' progress bars and sliders, called from the themes page.
bool DrawProgressSliders(const GalleryContext& context);
bool DrawPopupMenuPage(const GalleryContext& context);
/// The UI library's row bands, splitters and status bar.
bool DrawUiLibPage(const GalleryContext& context);
/// Edit fields, combo boxes with an open list, and a gallery (commandbars-fields.png).
bool DrawFieldsPage(const GalleryContext& context);
/// The themes' control drawing on the test paint manager: rows, buttons, fields.
bool DrawThemeControlsPage(const GalleryContext& context);
/// The command-bars sheets again in each classic theme.
bool DrawThemedCommandBarsPage(const GalleryContext& context);
/// The UI library's column views.
bool DrawColumnViewPage(const GalleryContext& context);
bool DrawCommandBarsMdiPage(const GalleryContext& context);
/// The application's main window, message boxes and tab control.
bool DrawAppPage(const GalleryContext& context);
/// The main window with its ribbon: minimised, each tab open, the system menu.
bool DrawMainWindowPage(const GalleryContext& context);
/// Takes the window from the screen: it is put on top, painted with all its
/// children, and its rectangle copied from the display at x, y of `hDC`.
void ScreenshotWindow(HWND hWnd, HDC hDC, CPoint origin);
class CGalleryCanvas;
/// Shows the created dialog, takes it from the screen at x, y of the canvas
/// with the label below it, destroys it, and gives the width it took.
int ScreenshotDialog(CGalleryCanvas& canvas, CDialog& dialog, int x, int y, const char* label);
/// The step dialog in its three forms and the about dialog.
bool DrawStepDialogsPage(const GalleryContext& context);
/// The variable page, the variable and find dialogs, the static field and its tooltip.
bool DrawAppVariablesPage(const GalleryContext& context);
/// The main window after a run: step results, the log and the status panes.
bool DrawAppRunPage(const GalleryContext& context);
/// The ribbon in its themed frame, as it opens and with the system pop-up open.
bool DrawRibbonPage(const GalleryContext& context);
/// The ribbon's backstage view open over a frame (ribbon-backstage-<look>.png).
bool DrawBackstagePage(const GalleryContext& context);

class CTKCommandBar;
class CTKPopupBar;
/// The menu of the tool bars open over a frame, called from the pop-up menu page.
bool DrawToolbarMenu(const GalleryContext& context);
/// Draws an open pop-up's window, placed as on the screen relative to `ptOrigin`.
void DrawOpenPopupBar(CDC* pDC, CTKPopupBar* pPopup, CPoint ptOrigin);
class CTKPaintManager;

/// A framed window of the frame pages: its styles, state and hot button.
struct GalleryFrameCase {
  const char* label;
  DWORD dwStyle;
  DWORD dwExStyle;
  bool bActive;
  UINT nHotButton;  ///< the caption button under the mouse, 0 for none
  /// Adds children (a status bar) before the frame is themed; may be null.
  void (*pfnPrepare)(CWnd* pFrame);
};
/// A window of the case whose command bars take `pPaintManager` (taken over)
/// and theme its frame, printed at x, y.
void DrawGalleryFrame(CDC* pDC, const GalleryFrameCase& frameCase, CTKPaintManager* pPaintManager,
                      CSize szFrame, int x, int y);
bool DrawFrameThemesPage(const GalleryContext& context);
/// Framed windows of `pCases`, two a row and labelled, each themed by a paint
/// manager fresh from `pfnCreate`; saved as <name>-<look>.png.
bool DrawGalleryFrameSheet(const GalleryContext& context, const GalleryFrameCase* pCases,
                           int nCount, CTKPaintManager* (*pfnCreate)(), const char* name);
/// The base paint manager's markup-drawn frame.
bool DrawMarkupFramePage(const GalleryContext& context);
/// Draws a laid-out bar of size `sz` at x, y with a thin frame around it
/// (the command-bar pages).
void DrawFramedCommandBar(CDC* pDC, CTKCommandBar* pBar, CSize sz, int x, int y);
