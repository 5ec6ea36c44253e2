// The command-bar theme of the ribbon look: control faces, pop-up menus,
// tool-bar backgrounds, marks, glyphs and status-bar parts drawn from the
// named images of the loaded theme set, each image holding the states of one
// element as equal slices stacked vertically. While no theme text is loaded
// an image-drawn element falls back to the Office 2003 or Office XP drawing,
// or is left out.
#pragma once

#include "themes/TKResourceTheme.h"

class CTKImageManager;
class CTKStatusBarPane;

/// One switch of a status bar's switch pane as the theme draws it.
struct TK_STATUSBAR_SWITCH {
  UINT nId;       ///< the command whose smallest icon the switch shows
  BOOL bEnabled;
  BOOL bChecked;
  BOOL bHot;
  BOOL bPressed;
  int nWidth;     ///< device pixels, stored by measuring
};

class CTKRibbonTheme : public CTKResourceTheme {
 public:
  CTKRibbonTheme();

  int GetThemeType() const override { return 6; }
  void RefreshMetrics() override;

  // Faces and texts -----------------------------------------------------------------

  /// Bars: "TOOLBARBUTTONS22" or "50" by height; pop-ups: the checked and
  /// selected menu images.
  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                     BOOL bChecked, BOOL bPopuped, int nBarType, int nBarPosition) override;
  /// The same colour whatever the hot or pressed state: the images show it.
  COLORREF GetRectangleTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                 BOOL bPopuped, int nBarType, int nBarPosition) override;
  COLORREF GetControlEditBackColor(CTKControl* pControl) override;
  /// Controls of the ribbon bar itself (tab row, quick access, group
  /// buttons) take the ribbon's text colours; the rest as the base.
  COLORREF GetControlTextColor(CTKControl* pControl) override;
  void DrawSplitButtonFrame(CDC* pDC, CTKControl* pControl, CRect rc) override;
  /// The slice of the command part of a split button (-1: not drawn), of
  /// 6 + g slices before the offset g.
  static int AFX_CDECL GetSplitCommandSlice(int nSelected, int nPressed, BOOL bPopuped,
                                            int nChecked, int nEnabled, BOOL bNoGroupSpacing);
  /// The slice of the drop-down part (-1: not drawn), of 5 + g slices.
  static int AFX_CDECL GetSplitDropDownSlice(int nSelected, int nPressed, BOOL bPopuped,
                                             int nChecked, int nEnabled, BOOL bNoGroupSpacing);
  CSize DrawControlComboBox(CDC* pDC, CTKControl* pControl, BOOL bDraw) override;
  CSize DrawControlEdit(CDC* pDC, CTKControl* pControl, BOOL bDraw) override;

  // Bars ------------------------------------------------------------------------------

  void FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) override;
  void FillPopupBarBand(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded) override;
  void FillPopupLabel(CDC* pDC, CRect rc) override;
  void DrawPopupSplitDivider(CDC* pDC, CTKControl* pControl) override;
  void DrawPopupSubMenuGlyph(CDC* pDC, CTKControl* pControl) override;
  CSize DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl,
                                BOOL bDraw = TRUE) override;
  /// Pop-ups get a region that cuts one pixel off each corner.
  void SetCommandBarRegion(CTKCommandBar* pBar) override;
  /// The pop-up may cover the whole of the control that opened it.
  void AdjustExcludeRect(CRect&, CTKControl*, BOOL) override {}
  void DrawPopupResizeGripper(CDC* pDC, CRect rc, int nResizeMode) override;
  CSize DrawSpecialControl(CDC* pDC, int nKind, CTKControl* pControl, CTKCommandBar* pBar,
                           BOOL bDraw, LPVOID lpParam) override;

  // Marks and glyphs --------------------------------------------------------------------

  void DrawCheckMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr) override;
  void DrawRadioMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr) override;
  CSize DrawControlCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed,
                                int nChecked, BOOL bEnabled) override;
  CSize DrawControlRadioButtonMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected,
                                   BOOL bPressed, int nChecked, BOOL bEnabled) override;
  void DrawDropDownGlyph(CDC* pDC, CTKControl* pControl, CPoint pt, BOOL bSelected,
                         BOOL bPopuped, BOOL bEnabled, BOOL bVert) override;
  void DrawKeyboardTip(CDC* pDC, CTKCommandBarKeyboardTip* pTip, BOOL bSetRegion) override;

  // Status-bar parts from images ------------------------------------------------------------

  /// "STATUSBARGRIPPER" with its bottom-right corner 4 pixels inside `rc`'s.
  virtual void DrawStatusBarGripper(CDC* pDC, CRect rc);
  /// "STATUSBARSEPARATOR" at the pane's right edge, or just left of its left edge.
  virtual void DrawStatusBarPaneRightSeparator(CDC* pDC, CRect rc, CTKStatusBarPane* pPane);
  virtual void DrawStatusBarPaneLeftSeparator(CDC* pDC, CRect rc, CTKStatusBarPane* pPane);
  /// The switches of a pane side by side from `rc`'s left edge, each from
  /// its quarter of a "STATUSBARSWITCHES" slice, with its icon from
  /// `pImages`. Without a DC stores each switch's width and returns their sum.
  virtual int DrawStatusBarSwitches(CDC* pDC, CRect rc, BOOL bPaneEnabled, BOOL bRightToLeft,
                                    TK_STATUSBAR_SWITCH* pSwitches, int nCount,
                                    CTKImageManager* pImages);

  /// A region for a window of its size without its four corner pixels.
  static void AFX_CDECL SetPopupRegion(CWnd* pWnd);
  /// Whether drawing in the bar lies on glass.
  BOOL IsRectOnGlass(CTKCommandBar* pBar, CRect rc) const;

  COLORREF m_clrEditBack;
  COLORREF m_clrEditBackSelected;
  COLORREF m_clrEditDisabledBorder;
  COLORREF m_clrRibbonText;
  COLORREF m_clrRibbonGrayText;
  COLORREF m_clrPopupSeparator;
  COLORREF m_clrPopupBandShadow;
  BOOL m_bNoGroupSpacing;

 protected:
  /// Draws slice `nSlice` of `nCount` of the image over `rc` with sizing
  /// margins, magenta clear, alpha kept on glass. FALSE when the image is missing.
  BOOL DrawImageSlice(CDC* pDC, LPCSTR lpszImage, CRect rc, int nSlice, int nCount, int nMargins,
                      BOOL bOnGlass = FALSE);
};
