// The flat appearances: plain rectangles filled by the colour set, with a
// one-pixel outline and smoothed corners where the look asks for them, on a
// filled header and a page with a simple frame.
#pragma once

#include "tabs/TKTabPaintManagerTheme.h"

/// Flat tabs (id 6).
class CTKTabThemeFlat : public CTKTabPaintManagerTheme {
 public:
  CTKTabThemeFlat();
  CRect FillTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) override;
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
  int GetDefaultColorSet() const override { return 2; }
};

/// Property-page flat tabs (id 2), the base of the ribbon's.
class CAppearanceSetPropertyPageFlat : public CTKTabThemeFlat {
 public:
  CAppearanceSetPropertyPageFlat();
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
  int GetDefaultColorSet() const override { return 1; }

  /// Blends ten pixels at the tab's two outer corners.
  void SmoothCorners(CDC* pDC, CRect rc, COLORREF clrBackground, COLORREF clrBorder,
                     int nPosition);
  /// The pixel becomes nAlpha/255 of `clr` over what is there.
  static void BlendPixel(CDC* pDC, int x, int y, COLORREF clr, int nAlpha);

  BOOL m_bSquareTabs = TRUE;
  BOOL m_bSelectedOnly = FALSE;
  BOOL m_bFillEveryTab = TRUE;

 protected:
  /// Hot border for a hot, unselected tab when set; frame border otherwise.
  COLORREF GetBorderColor(const CTKTabManagerItem* pItem) const;
  void DrawRoundOutline(CDC* pDC, CRect rc, COLORREF clrBorder);
};

/// Visual Studio 2010 tabs (id 12): only selected and hot tabs get a face.
class CTKTabThemeVisualStudio2010 : public CAppearanceSetPropertyPageFlat {
 public:
  CTKTabThemeVisualStudio2010() { m_bFillEveryTab = FALSE; }
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
  int GetDefaultColorSet() const override { return 256; }
};

/// Excel 2003 trapezoids (id 7).
class CTKTabThemeExcel2003 : public CTKTabThemeFlat {
 public:
  CTKTabThemeExcel2003();
  CRect GetHeaderMargin() const override;
  CRect GetItemDrawRect(const CTKTabManagerItem* pItem) const override;
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
};

/// Filled rectangles without outline (id 13); the colour set gives the character.
class CTKTabThemeVisualStudio2012 : public CTKTabThemeFlat {
 public:
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
  int GetDefaultColorSet() const override { return 512; }
};

/// Id 14.
class CTKTabThemeOffice2013 : public CTKTabThemeVisualStudio2012 {
 public:
  int GetDefaultColorSet() const override { return 2048; }
};

/// Id 15.
class CTKTabThemeVisualStudio2015 : public CTKTabThemeOffice2013 {
 public:
  int GetDefaultColorSet() const override { return 4096; }
};
