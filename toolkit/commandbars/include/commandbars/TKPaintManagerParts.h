// The paint managers a theme hands out for single kinds of controls: galleries,
// the frame, progress bars, the status bar and the ribbon. The command bars
// call them; the themes implement them.
#pragma once

#include <afxwin.h>

class CTKCommandBar;
class CTKControlGallery;
class CTKCommandBarsFrameHook;
class CTKControlGalleryItem;
class CTKPaintManager;
class CTKProgressBase;
class CTKStatusBar;
class CTKStatusBarPane;

/// The look of a gallery: its fill, its label rows and items, and the up,
/// down and more buttons of a gallery with a pop-up, with the metrics the
/// gallery lays that column out with. Every theme owns one; a theme puts its
/// own variant in place of the one it inherited and deletes that one through
/// this class.
class CTKControlGalleryPaintManager {
 public:
  virtual ~CTKControlGalleryPaintManager() = default;
  virtual void DrawGalleryLabel(CDC* pDC, CTKControlGalleryItem* pLabel, CRect rc) = 0;
  /// Background, frame and bottom separator of a gallery.
  virtual void FillGallery(CDC* pDC, CTKControlGallery* pGallery, CRect rc) = 0;
  virtual void DrawGalleryItem(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bPressed,
                               BOOL bChecked, CTKControlGalleryItem* pItem,
                               CTKControlGallery* pGallery) = 0;
  virtual void DrawGalleryItemBack(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected,
                                   BOOL bPressed, BOOL bChecked, int nBarType) = 0;
  virtual COLORREF GetGalleryItemTextColor(BOOL bEnabled, BOOL bSelected, BOOL bPressed,
                                           BOOL bChecked, int nBarType) = 0;
  /// The scroll column of a gallery with a pop-up.
  virtual void DrawGalleryScrollBar(CDC* pDC, CTKControlGallery* pGallery) = 0;
  virtual void RefreshMetrics() = 0;

  int m_cyPopupUp = 0;    ///< height of the up button
  int m_cyPopupDown = 0;  ///< height of the down button
  int m_cxPopup = 0;      ///< width of the scroll column
  COLORREF m_clrBorder = 0;
};

/// The frame theme: the caption, borders and caption buttons the frame hook
/// lets the theme draw. Rectangles are in window coordinates (the window
/// rectangle moved to 0, 0).
class CTKFramePaintManager {
 public:
  virtual ~CTKFramePaintManager() = default;
  /// The caption band between the borders, from the top border to the client top.
  virtual CRect CalcCaptionRect(CTKCommandBarsFrameHook* pHook) = 0;
  /// Left, top, right and bottom border widths.
  virtual CRect GetFrameBorders(CTKCommandBarsFrameHook* pHook) = 0;
  /// Called after the hook has placed its caption buttons.
  virtual void OnCaptionButtonsLayout(CTKCommandBarsFrameHook*) {}
  /// The window region for a window of cx by cy, or null for none.
  virtual HRGN CreateFrameRegion(CTKCommandBarsFrameHook* pHook, int cx, int cy) = 0;
  virtual void DrawFrame(CDC* pDC, CTKCommandBarsFrameHook* pHook) = 0;
  virtual CSize GetCaptionButtonSize(UINT nId, CTKCommandBarsFrameHook* pHook) = 0;
  /// The caption's height below the top border.
  virtual int GetCaptionHeight() = 0;
  /// A frame shadow for the window, or null.
  virtual CObject* CreateFrameShadow(CWnd*) { return nullptr; }
  virtual void UpdateFrameShadow(BOOL /*bActive*/, CWnd*, CObject* /*pShadow*/) {}

  BOOL m_bAllowStatusBarInFrame = FALSE;
  BOOL m_bGlassTabs = FALSE;
};

/// Draws progress bars; the base look is a framed face with a highlight
/// bar. Owned by its paint manager, which themes give a variant of their own.
class CTKProgressPaintManager {
 public:
  /// `pOwner` gives the indexed colours; the bar is 16 scaled pixels high.
  explicit CTKProgressPaintManager(CTKPaintManager* pOwner);
  virtual ~CTKProgressPaintManager() = default;
  /// Draws the bar from the part's rectangle, range and position.
  virtual void DrawProgress(CDC* pDC, CTKProgressBase* pProgress);
  virtual void RefreshMetrics() {}

  /// The part of `nWidth` the bar fills: the position is held to the range
  /// (it may lie outside until the next SetPos), and a range whose upper
  /// bound is not above its lower one fills nothing.
  static int CalcFilledWidth(CTKProgressBase* pProgress, int nWidth);

  CTKPaintManager* m_pPaintManager;
  /// The height a progress control of height 0 takes.
  int m_cyProgress;

 protected:
  /// The rectangle filled with `clrBack` and framed with `clrFrame`; inside
  /// it, `szInset` in from each side, the done part in `clrBar` when the
  /// inner width is at least `nMinInner`.
  static void DrawFlatProgress(CDC* pDC, CTKProgressBase* pProgress, CSize szInset, int nMinInner,
                               COLORREF clrBack, COLORREF clrFrame, COLORREF clrBar);
};

/// The look of a status bar: the bar calls these in its paint order
/// (background; per visible pane its border or a pending separator, then
/// its entry; the gripper last) and reads its font and margins here.
class CTKStatusBarPaintManager {
 public:
  // Themes delete the variant they replace through this class.
  virtual ~CTKStatusBarPaintManager() = default;
  virtual void DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) = 0;
  /// Icon and text (or markup) of one pane; calls DrawPaneButtonFace.
  virtual void DrawPaneEntry(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) = 0;
  virtual void DrawPaneButtonFace(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) = 0;
  /// `bGripperPane` is set for the last visible pane.
  virtual void DrawPaneBorder(CDC* pDC, CRect rc, CTKStatusBarPane* pPane, BOOL bGripperPane) = 0;
  virtual void DrawPaneSeparator(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) = 0;
  /// `rcClient` is the bar's client rectangle.
  virtual void DrawGripper(CDC* pDC, CRect rcClient) = 0;
  /// Re-reads colours and fonts; the owning paint manager calls it.
  virtual void RefreshMetrics() = 0;
  virtual COLORREF GetPaneTextColor(CTKStatusBarPane* pPane) = 0;

  /// The bar's font when it has none of its own.
  CFont m_fontStatus;
  /// Space between the bar's inside rectangle and its panes.
  CRect m_rcMargins = CRect(0, 0, 0, 0);
  int m_nMinHeight = 0;
};

/// The ribbon's look lives with the ribbon (ribbon/TKRibbonPaintManager.h);
/// the command bars only hand it on.
class CTKRibbonPaintManager;
