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
bool DrawCommandBarsMdiPage(const GalleryContext& context);

class CTKCommandBar;
/// Draws a laid-out bar of size `sz` at x, y with a thin frame around it
/// (the command-bar pages).
void DrawFramedCommandBar(CDC* pDC, CTKCommandBar* pBar, CSize sz, int x, int y);
