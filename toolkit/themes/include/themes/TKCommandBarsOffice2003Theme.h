// The gradient command-bar theme: dock areas shaded across the whole frame,
// tool bars with rounded ends, a face gradient and a shadow line, gradient
// highlights, dotted grippers and separators, and colour tables matched to
// the Windows colour schemes (blue, olive, silver).
#pragma once

#include "common/TKScopedHandle.h"
#include "themes/TKCommandBarsOfficeXPTheme.h"

class CTKCommandBarsOffice2003Theme : public CTKCommandBarsOfficeXPTheme {
 public:
  CTKCommandBarsOffice2003Theme();
  ~CTKCommandBarsOffice2003Theme() override;

  int GetThemeType() const override { return 2; }
  /// Colours from the indexed colours, or from the table of the colour scheme.
  void RefreshMetrics() override;

  /// Whether a floating bar draws its rows with the face gradient: it is not
  /// flat and may dock on some side.
  virtual BOOL IsGradientToolBar(CTKCommandBar* pBar);

  void FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) override;
  /// Black on glass at the top; the right-hand dock bar in one colour.
  void FillDockBar(CDC* pDC, CTKDockBar* pDockBar) override;
  void FillPopupBarBand(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded) override;
  /// Gradient faces on docked and floating bars while a colour scheme
  /// supplies the colours; Office XP's flat faces otherwise and in pop-ups.
  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                     BOOL bChecked, BOOL bPopuped, int nBarType, int nBarPosition) override;
  CSize DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) override;
  CSize DrawCommandBarGripper(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) override;
  CSize DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl,
                                BOOL bDraw = TRUE) override;
  CSize DrawSpecialControl(CDC* pDC, int nKind, CTKControl* pControl, CTKCommandBar* pBar,
                           BOOL bDraw, LPVOID lpParam) override;
  CRect GetCommandBarBorders(CTKCommandBar* pBar) override;
  CSize DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw) override;

  /// The image of a pop-up's expand row: a shaded disc in the pop-up
  /// expand-image colours, 16 x 16, RGB(0, 255, 0) where clear. Null before
  /// the first refresh.
  HBITMAP GetPopupExpandImage() const { return m_popupExpandImage.Get(); }
  /// Draws that image at `pt`, 16 x 16 scaled, leaving its clear pixels out.
  void DrawPopupExpandImage(CDC* pDC, CPoint pt);
  /// The pixel colours of that image (key colour RGB(0, 255, 0) where clear),
  /// row by row from the top.
  static void AFX_CDECL MakePopupExpandPixels(COLORREF clrLight, COLORREF clrDark,
                                              COLORREF* pPixels);

  CTKPaintManagerColorGradient m_grcDockBar;
  CTKPaintManagerColorGradient m_grcToolBar;
  CTKPaintManagerColorGradient m_grcExpandButton;
  CTKPaintManagerColorGradient m_grcPopupExpandImage;
  CTKPaintManagerColorGradient m_grcExpandedPopupBand;
  CTKPaintManagerColorGradient m_grcPopupBand;
  CTKPaintManagerColorGradient m_grcPopupOpen;
  CTKPaintManagerColor m_clrToolBarShadow;
  CTKPaintManagerColor m_clrTearOffGripper;
  BOOL m_bSchemeColors;
  BOOL m_bPlainSeparators;
  BOOL m_bPlainGrippers;
  int m_nSeparatorInset;
  CTKPaintManagerColorGradient m_grcChecked;
  CTKPaintManagerColorGradient m_grcPushed;
  CTKPaintManagerColorGradient m_grcHot;

 protected:
  /// Rebuilds the pop-up's expand image from its gradient.
  void RebuildPopupExpandImage();
  /// The dock-bar gradient laid out from `rc`'s left edge at least half the
  /// screen wide, painted inside `rcClip`.
  void FillDockGradient(CDC* pDC, CRect rc, CRect rcClip);
  /// One gripper dot, with its light companion unless grippers are plain.
  void DrawGripperDot(CDC* pDC, int x, int y, COLORREF clrDark);
  /// A separator line in 39 with its light line beside it.
  void DrawSeparatorPair(CDC* pDC, CPoint ptFrom, CPoint ptTo, BOOL bWrapLine, BOOL bSideBar);

  /// The customise arrow and, when the bar hides controls, the chevron of
  /// a tool bar's expand button, moved by `ptOffset`.
  void DrawExpandButtonGlyphs(CDC* pDC, CTKControl* pControl, BOOL bVertical, BOOL bHidden,
                              CPoint ptOffset);

  CTKScopedBitmap m_popupExpandImage;
};
