// The classic command-bar theme: grey bars with raised 3D edges, controls
// that rise when hot and sink when pressed or checked, checked items on a
// dithered background and grooved separators. The theme of a process that
// never chose one.
#pragma once

#include "themes/TKPaintManagerBase.h"

class CTKCommandBarsOffice2000Theme : public CTKPaintManagerBase {
 public:
  CTKCommandBarsOffice2000Theme();

  void RefreshMetrics() override;
  int GetThemeType() const override { return 0; }

  // Faces and texts by state ----------------------------------------------------------

  /// Pop-ups: disabled 17, selected and unchecked 14, else the menu text.
  /// Elsewhere: disabled 17, else the menu text on pop-up positions and 18.
  COLORREF GetRectangleTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                 BOOL bPopuped, int nBarType, int nBarPosition) override;
  /// Raised when hot, sunken when pressed or checked (checked and cold on
  /// the dither); a solid highlight on pop-up rows.
  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                     BOOL bChecked, BOOL bPopuped, int nBarType, int nBarPosition) override;
  /// The command part and the arrow part, each a face of its own state: the
  /// arrow is pressed while its pop-up is open.
  void DrawSplitButtonFrame(CDC* pDC, CTKControl* pControl, CRect rc) override;
  /// The 8 x 8 dither of face and highlight behind checked controls.
  void FillCheckedPattern(CDC* pDC, CRect rc);
  void DrawImage(CDC* pDC, CPoint pt, CSize sz, CTKImageManagerIcon* pImage, BOOL bSelected,
                 BOOL bPressed, BOOL bEnabled, int nChecked, BOOL bPopuped,
                 BOOL bToolBarImage) override;

  // Bars ---------------------------------------------------------------------------------

  void FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) override;
  /// The gripper of docked bars (raised line), the caption of floating ones.
  CSize DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) override;
  /// The gripper of dialog bars.
  CSize DrawCommandBarGripper(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) override;
  CSize DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl,
                                BOOL bDraw = TRUE) override;
  void AdjustExcludeRect(CRect& rc, CTKControl* pControl, BOOL bVertical) override;
  CRect GetCommandBarBorders(CTKCommandBar* pBar) override;
  CSize DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw) override;
  void DrawPopupResizeGripper(CDC* pDC, CRect rc, int nResizeMode) override;
  /// The floating bar's buttons on the face colour while hot, then the base.
  CSize DrawSpecialControl(CDC* pDC, int nKind, CTKControl* pControl, CTKCommandBar* pBar,
                           BOOL bDraw, LPVOID lpParam) override;

  // Pop-up rows and command lists -------------------------------------------------------

  /// A row's face, check or icon and arrow column, then the base's texts.
  CSize DrawControlPopupParent(CDC* pDC, CTKControl* pControl, BOOL bDraw) override;
  /// A cell as wide and as high as the text line or the icon and 4 pixels.
  CSize GetPopupBarGripperSize(CTKCommandBar* pBar) override;
  CSize DrawListBoxControl(CDC* pDC, CTKControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                           CTKCommandBars* pCommandBars) override;

  // Edit fields and combo boxes --------------------------------------------------------------

  /// The base's label, then the field with its frame, spin and buddy buttons.
  CSize DrawControlEdit(CDC* pDC, CTKControl* pControl, BOOL bDraw) override;
  /// The base's label, then the field, its text and the drop-down button.
  CSize DrawControlComboBox(CDC* pDC, CTKControl* pControl, BOOL bDraw) override;

  /// Sunken and framed in the face colour when enabled.
  virtual void DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected);
  virtual void DrawComboButton(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected,
                               BOOL bDropped);
  virtual void DrawSpinButtons(CDC* pDC, CTKControl* pControl);

  /// The text, check marks and arrows of enabled menu items (an indexed colour).
  int m_nMenuTextColorIndex;

 protected:
  void DrawRaised(CDC* pDC, const CRect& rc) { Draw3dRectIndexed(pDC, rc, 20, 16); }
  void DrawSunken(CDC* pDC, const CRect& rc) { Draw3dRectIndexed(pDC, rc, 16, 20); }
};
