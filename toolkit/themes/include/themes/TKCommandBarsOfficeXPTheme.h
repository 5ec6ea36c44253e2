// The flat command-bar theme: bars without raised edges, hot and checked
// controls as filled rectangles with a border of their own colour, and light
// pop-up menus with a darker icon band down their left side. Every colour is
// an indexed colour, so a derived theme recolours it by changing what an
// index holds rather than by drawing anew.
#pragma once

#include "themes/TKPaintManagerBase.h"

class CTKPopupBar;

class CTKCommandBarsOfficeXPTheme : public CTKPaintManagerBase {
 public:
  CTKCommandBarsOfficeXPTheme();

  int GetThemeType() const override { return 1; }

  // Faces and texts by state ---------------------------------------------------------

  /// A fill and a one-pixel border, both indexed colours, picked from the state.
  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                     BOOL bChecked, BOOL bPopuped, int nBarType, int nBarPosition) override;
  COLORREF GetRectangleTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                 BOOL bPopuped, int nBarType, int nBarPosition) override;
  void DrawImage(CDC* pDC, CPoint pt, CSize sz, CTKImageManagerIcon* pImage, BOOL bSelected,
                 BOOL bPressed, BOOL bEnabled, int nChecked, BOOL bPopuped,
                 BOOL bToolBarImage) override;
  void DrawSplitButtonFrame(CDC* pDC, CTKControl* pControl, CRect rc) override;
  CSize DrawControlPopupParent(CDC* pDC, CTKControl* pControl, BOOL bDraw) override;
  CSize DrawControlEdit(CDC* pDC, CTKControl* pControl, BOOL bDraw) override;
  CSize DrawControlComboBox(CDC* pDC, CTKControl* pControl, BOOL bDraw) override;
  CSize DrawControlCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected, BOOL bPressed,
                                int nChecked, BOOL bEnabled) override;
  CSize DrawControlRadioButtonMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected,
                                   BOOL bPressed, int nChecked, BOOL bEnabled) override;

  // Bars ----------------------------------------------------------------------------

  void FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) override;
  CSize DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) override;
  CSize DrawCommandBarGripper(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) override;
  /// 3 x 3 in pop-ups, 6 x 6 elsewhere.
  CSize DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl,
                                BOOL bDraw = TRUE) override;
  /// A pop-up overlaps the control that opened it by one pixel.
  void AdjustExcludeRect(CRect& rc, CTKControl* pControl, BOOL bVertical) override;
  CSize DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw) override;
  void DrawPopupResizeGripper(CDC* pDC, CRect rc, int nResizeMode) override;

  // Command lists (TKCommandBarsOfficeXPListRows.cpp) ------------------------------------

  /// A control as a light row with the pop-up's icon band; a hot row as a
  /// hot menu item. The icon cell's width and the row's height.
  CSize DrawListBoxControl(CDC* pDC, CTKControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                           CTKCommandBars* pCommandBars) override;

  // What the themes of this line add --------------------------------------------------

  /// The icon band of a pop-up; the expanded band marks rarely used rows.
  virtual void FillPopupBarBand(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded);
  /// The frame behind the icon of a checked pop-up row (`nExtra` unused here).
  virtual void DrawPopupCheckedIconFrame(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed,
                                         BOOL bEnabled, BOOL bChecked, BOOL bPopuped,
                                         int nBarType, int nBarPosition, int nExtra);
  /// The mark of a checked pop-up row without an icon: black, or white when
  /// the checked fill is too dark for black to show.
  virtual void DrawPopupCheckMark(CDC* pDC, CRect rc, BOOL bRadio, BOOL bEnabled,
                                  BOOL bSelected);
  /// The sub-menu part of a split pop-up row.
  virtual void DrawPopupSplitDivider(CDC* pDC, CTKControl* pControl);
  /// The arrow of a row that opens a sub-menu.
  virtual void DrawPopupSubMenuGlyph(CDC* pDC, CTKControl* pControl);
  /// The background of a label row.
  virtual void FillPopupLabel(CDC* pDC, CRect rc);

  /// Opens the pop-up's border where it touches the menu-bar or tool-bar
  /// control that opened it, in `clr`.
  void FillPopupOpenerEdge(CDC* pDC, CTKPopupBar* pPopup, COLORREF clr);
  /// Generates disabled icons from `m_grcDisabledIcons`.
  BOOL m_bDisabledIconsFromColors;

 protected:
  /// The edit field's buddy button, and its spin buttons with `bSpin`.
  void DrawEditButtons(CDC* pDC, CTKControl* pControl, const CRect& rcField, BOOL bSpin = TRUE);
  /// The separator line of a pop-up: vertical before a wrapping row, else
  /// horizontal from the text column on.
  void DrawPopupSeparatorLine(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl,
                              COLORREF clr, int nGap);
};
