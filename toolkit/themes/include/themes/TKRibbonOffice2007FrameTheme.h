// The frame of the image themes: borders in the theme text's eight colours,
// the caption and its buttons from the theme images, rounded corners, and
// border strips that carry the status bar's look on to the frame's edges.
#pragma once

#include "themes/TKFramePaintManagerBase.h"

class CTKResourceImage;

class CTKRibbonOffice2007FrameTheme : public CTKFramePaintManagerBase {
 public:
  explicit CTKRibbonOffice2007FrameTheme(CTKPaintManagerBase* pOwner);
  ~CTKRibbonOffice2007FrameTheme() override;

  /// The base's widths when maximised or on glass, else 4 scaled pixels.
  CRect GetFrameBorders(CTKCommandBarsFrameHook* pHook) override;
  /// Cut top corners, and round bottom ones with a status bar or on request;
  /// none while maximised.
  HRGN CreateFrameRegion(CTKCommandBarsFrameHook* pHook, int cx, int cy) override;
  void DrawFrame(CDC* pDC, CTKCommandBarsFrameHook* pHook) override;
  void DrawCaptionButton(CDC* pDC, CRect rc, UINT nId, BOOL bHot, BOOL bPressed,
                         BOOL bActive) override;
  /// The base metrics, then section "Window" and the caption font.
  void RefreshMetrics() override;
  /// The glyph images' size (23, 17 or 13) for a caption button so wide.
  static int AFX_CDECL GetCaptionGlyphSize(int cxButton);

  /// Border colours 0 to 3, active then inactive; -1 where the text has none.
  COLORREF m_clrBorderActive[4];
  COLORREF m_clrBorderInactive[4];

 protected:
  /// What every step of the frame drawing measures from.
  struct FrameGeometry {
    int cxWindow;     // the window's width
    int cyWindow;     // and height
    int cxBorder;     // the actual left border
    int cyBottom;     // the actual bottom border
    int cyTopBorder;  // the theme's top border
    int cyCaption;    // the hook's caption height
    int cyStatus;     // the status bar drawn into the frame, else 0
    BOOL bStatusBar;
    BOOL bActive;
    BOOL bMaximized;
    const COLORREF* pBorder;  // border colours 0 to 3 for the state
    /// The side borders' height below the caption, above the status bar.
    int SideHeight() const { return cyWindow - cyCaption - (bStatusBar ? cyStatus + 1 : 0); }
  };
  void DrawBorders(CDC* pDC, const FrameGeometry& g);
  void DrawCaption(CDC* pDC, CTKCommandBarsFrameHook* pHook, const FrameGeometry& g);
  void DrawRibbonCaptionEdges(CDC* pDC, CTKCommandBarsFrameHook* pHook, const FrameGeometry& g);
  void DrawStatusBarStrips(CDC* pDC, CTKCommandBarsFrameHook* pHook, const FrameGeometry& g);
  void DrawBottomCorners(CDC* pDC, const FrameGeometry& g);
  void RefreshCaptionFont();
  /// The site's status bar shows its first (or last) visible pane dark.
  BOOL IsStatusBarEndDark(CTKCommandBarsFrameHook* pHook, BOOL bLast) const;
};
