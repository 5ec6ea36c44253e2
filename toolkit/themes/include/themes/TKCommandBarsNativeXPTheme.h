// The command-bar theme drawn with the system's visual styles: menus, tool
// bars, rebars, combo boxes and spin buttons look like the system's own. Each
// operation falls back to the classic theme while the styles it needs are off.
#pragma once

#include <memory>

#include "themes/TKCommandBarsOffice2000Theme.h"

class CTKWinThemeWrapper;

class CTKCommandBarsNativeXPTheme : public CTKCommandBarsOffice2000Theme {
 public:
  /// The visual-style classes the theme draws with.
  enum VisualStyle { styleRebar, styleToolBar, styleComboBox, styleWindow, styleSpin, styleMenu,
                     styleCount };

  CTKCommandBarsNativeXPTheme();
  ~CTKCommandBarsNativeXPTheme() override;

  int GetThemeType() const override { return 3; }
  /// The classic refresh, then the six styles opened again for the thread's
  /// main window and the colours they give.
  void RefreshMetrics() override;
  /// The wrapper of one class (owned by the theme).
  CTKWinThemeWrapper* GetVisualStyle(VisualStyle nStyle) const { return m_styles[nStyle].get(); }
  /// The rebar and the tool-bar styles are both active.
  BOOL IsVisualStylesOn() const;

  // Faces and texts ------------------------------------------------------------------------

  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                     BOOL bChecked, BOOL bPopuped, int nBarType, int nBarPosition) override;
  COLORREF GetRectangleTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                 BOOL bPopuped, int nBarType, int nBarPosition) override;
  void DrawSplitButtonFrame(CDC* pDC, CTKControl* pControl, CRect rc) override;
  /// A pop-up control on a flat menu bar: highlighted while hot, open or pressed.
  void DrawControlEntry(CDC* pDC, CTKControl* pControl) override;
  COLORREF GetControlTextColor(CTKControl* pControl) override;
  void DrawCheckMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr) override;
  void DrawRadioMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr) override;
  void DrawControlMDIButton(CDC* pDC, CTKControl* pControl) override;
  CSize DrawSpecialControl(CDC* pDC, int nKind, CTKControl* pControl, CTKCommandBar* pBar,
                           BOOL bDraw, LPVOID lpParam) override;

  // Bars -----------------------------------------------------------------------------------

  void FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) override;
  void FillDockBar(CDC* pDC, CTKDockBar* pDockBar) override;
  CSize DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) override;
  CSize DrawCommandBarGripper(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) override;
  CSize DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl,
                                BOOL bDraw = TRUE) override;
  void AdjustExcludeRect(CRect& rc, CTKControl* pControl, BOOL bVertical) override;
  void FillPopupBarBand(CDC* pDC, CTKCommandBar* pBar, int x, int y, int cx, int cy) override;
  int GetPopupBarGripperWidth(CTKCommandBar* pBar) override;

  // Edit fields and combo boxes ------------------------------------------------------------

  void DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected) override;
  void DrawComboButton(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected,
                       BOOL bDropped) override;
  void DrawSpinButtons(CDC* pDC, CTKControl* pControl) override;

  COLORREF m_clrBandEdgeLight;
  COLORREF m_clrBandEdgeDark;
  BOOL m_bFlatMenus;
  COLORREF m_clrHotText;
  COLORREF m_clrPressedText;

 private:
  /// Draws part and state of the style over `rc`; FALSE when it did not.
  BOOL DrawStyle(VisualStyle nStyle, CDC* pDC, int nPart, int nState, const CRect& rc,
                 const CRect* pClip = nullptr);
  BOOL IsStyleActive(VisualStyle nStyle) const;
  BOOL IsStyleOpen(VisualStyle nStyle) const;
  /// The rebar's background laid over `rcBack` and clipped to `rcClip`.
  void FillRebarBackground(CDC* pDC, const CRect& rcBack, const CRect& rcClip);
  /// Whether the control is a pop-up control on a flat menu bar while the
  /// styles are on.
  BOOL IsFlatMenuBarPopup(CTKControl* pControl) const;
  /// A floating bar's caption: the window style's caption and its title.
  CSize DrawFloatingCaptionBand(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw);

  std::unique_ptr<CTKWinThemeWrapper> m_styles[styleCount];
};
