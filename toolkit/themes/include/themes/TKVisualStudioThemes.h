// The Visual Studio 2005, 2008 and 2010 command-bar themes: the gradient
// theme with the development environment's colours, plain separators and, in
// the two later ones, pop-up highlights and bars with rounded frames.
#pragma once

#include "themes/TKCommandBarsOffice2003Theme.h"

/// Sets the pixel to `clr` at alpha 255, else to `clr` blended over the
/// pixel's present colour by alpha / 255.
void TKSetPixelBlended(CDC* pDC, int x, int y, COLORREF clr, int nAlpha);
/// A one-pixel frame on the edges of (left, top, right, bottom), right and
/// bottom excluded, whose corners are rounded by blended pixels; the corner
/// pixels themselves stay untouched.
void TKDrawRoundedFrame(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom, COLORREF clr);

class CTKVisualStudio2005Theme : public CTKCommandBarsOffice2003Theme {
 public:
  CTKVisualStudio2005Theme();

  int GetThemeType() const override { return 4; }
  /// The gradient theme's derived colours, then the table of the colour
  /// manager's scheme (blue, olive or silver).
  void RefreshMetrics() override;
};

class CTKVisualStudio2008Theme : public CTKVisualStudio2005Theme {
 public:
  CTKVisualStudio2008Theme();

  int GetThemeType() const override { return 7; }
  void RefreshMetrics() override;

  /// The highlight text of a selected, enabled pop-up row.
  COLORREF GetRectangleTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                 BOOL bPopuped, int nBarType, int nBarPosition) override;
  /// Rounded highlights on pop-ups and the menu bar.
  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                     BOOL bChecked, BOOL bPopuped, int nBarType, int nBarPosition) override;
  CSize DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl,
                                BOOL bDraw = TRUE) override;
  void AdjustExcludeRect(CRect& rc, CTKControl* pControl, BOOL bVertical) override;
  CRect GetCommandBarBorders(CTKCommandBar* pBar) override;
  /// The band with a light and a dark edge line down its right side.
  void FillPopupBarBand(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded) override;

  CTKPaintManagerColorGradient m_grcPopupHighlight;
  CTKPaintManagerColor m_clrPopupHighlightBorder;
  CTKPaintManagerColor m_clrPopupHighlightText;
};

class CTKVisualStudio2010Theme : public CTKCommandBarsOffice2003Theme {
 public:
  CTKVisualStudio2010Theme();

  int GetThemeType() const override { return 9; }
  void RefreshMetrics() override;

  /// Menu bars in a gradient of their own, tool bars as framed blocks on
  /// the dock's gradient.
  void FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) override;
  void DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                     BOOL bChecked, BOOL bPopuped, int nBarType, int nBarPosition) override;
  CSize DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl,
                                BOOL bDraw = TRUE) override;
  CRect GetCommandBarBorders(CTKCommandBar* pBar) override;

  CTKPaintManagerColor m_clrPopupSeparator;

 private:
  /// A docked tool bar's body from (left, top) in, on its dock's colours.
  void FillDockedToolBar(CDC* pDC, CTKCommandBar* pBar, CPoint ptBodyInset);
  /// The hot face: the hot gradient, or indexed 31 without scheme colours.
  void FillHotFace(CDC* pDC, CRect rc);
};
