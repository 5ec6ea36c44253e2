// The looks of the backstage view: a base that draws nothing, the look drawn
// from the loaded theme text and its "Backstage*" images, and the two flat
// looks that fill every entry with one colour of its state.
#pragma once

#include <afxwin.h>

class CTKControl;
class CTKRibbonBackstageView;

/// The view calls only FillBackstage and DrawControl, and reads the four
/// metrics (pixels, DPI-scaled when the look is made).
class CTKRibbonBackstagePaintManager {
 public:
  CTKRibbonBackstagePaintManager();
  virtual ~CTKRibbonBackstagePaintManager();

  /// Paints the whole view (the base: nothing).
  virtual void FillBackstage(CDC* pDC, CTKRibbonBackstageView* pView);
  /// Paints one entry of the menu pane (the base: nothing).
  virtual void DrawControl(CDC* pDC, CTKRibbonBackstageView* pView, CTKControl* pControl);

  /// The left and right inset of a command; counted twice in the menu width.
  int m_nCommandInset;
  /// The room left of a caption.
  int m_nTextIndent;
  /// The room between an icon and its caption.
  int m_nIconGap;
  /// The height of a separator; 0 leaves separators out of the layout.
  int m_nSeparatorHeight;

 protected:
  /// The caption rectangle of an entry in the flat and tab layouts: ScaleY(2)
  /// off the top and bottom, ScaleX(2) off the right, inset and indent off the left.
  CRect GetCaptionRect(CRect rc) const;
  /// One line in the font, vertically centred, prefixes hidden.
  static void DrawCaption(CDC* pDC, CFont* pFont, const CString& strCaption, CRect rc);
};

/// The look of the loaded theme text: the menu pane is the theme's
/// "BackstageMenuBackground", entries its "BackstageMenuCommand" and
/// "BackstageMenuPage" rows, the menu text its "BackstageMenuTextColor".
class CTKRibbonBackstageViewThemeResource : public CTKRibbonBackstagePaintManager {
 public:
  void FillBackstage(CDC* pDC, CTKRibbonBackstageView* pView) override;
  void DrawControl(CDC* pDC, CTKRibbonBackstageView* pView, CTKControl* pControl) override;

 protected:
  void DrawCommand(CDC* pDC, CTKRibbonBackstageView* pView, CTKControl* pControl);
  void DrawTab(CDC* pDC, CTKRibbonBackstageView* pView, CTKControl* pControl);
};

/// The flat look: every entry filled with the colour of its state. The
/// colours come from the theme text's "CommandBars.Ribbon.Backstage"
/// section when the look is made.
class CTKRibbonBackstageViewThemeOffice2013 : public CTKRibbonBackstagePaintManager {
 public:
  CTKRibbonBackstageViewThemeOffice2013();

  void FillBackstage(CDC* pDC, CTKRibbonBackstageView* pView) override;
  void DrawControl(CDC* pDC, CTKRibbonBackstageView* pView, CTKControl* pControl) override;

  /// Faces and texts of the three states.
  COLORREF m_clrBackNormal, m_clrBackSelected, m_clrBackHighlighted;
  COLORREF m_clrTextNormal, m_clrTextSelected, m_clrTextHighlighted;

  /// The six colours' defaults in the order of the members above.
  struct CDefaults {
    COLORREF clr[6];
  };

 protected:
  explicit CTKRibbonBackstageViewThemeOffice2013(const CDefaults& defaults);
  void ReadColors(const CDefaults& defaults);
};

/// The flat look with the Visual Studio 2015 colours.
class CTKRibbonBackstageViewThemeVisualStudio2015 : public CTKRibbonBackstageViewThemeOffice2013 {
 public:
  CTKRibbonBackstageViewThemeVisualStudio2015();
};
