// The Visual Studio colour sets: 2003 on the default set, 2005 to 2010 on the
// Office 2003 set following the Windows colour scheme, and the 2012 family
// with its own colours for strips that are not active and close buttons that
// show only on the selected or hot tab.
#pragma once

#include "tabs/TKTabPaintManagerColorSet.h"

/// Flag 2.
class CColorSetVisualStudio2003 : public CTKTabColorSetDefault {
 public:
  void RefreshMetrics() override;
  void DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton, CRect rc) override;
};

/// Flag 16.
class CColorSetVisualStudio2005 : public CTKTabColorSetOffice2003 {
 public:
  void RefreshMetrics() override;
  COLORREF FillItem(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem) override;

  BOOL m_bGradientItems = FALSE;
};

/// Flag 64.
class CTKTabColorSetVisualStudio2008 : public CTKTabColorSetOffice2003 {
 public:
  void RefreshMetrics() override;
  COLORREF FillItem(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem) override;

  BOOL m_bGradientItems = FALSE;
};

/// Flag 256: a dark fixed palette over a patterned header.
class CTKTabColorSetVisualStudio2010 : public CTKTabColorSetVisualStudio2008 {
 public:
  explicit CTKTabColorSetVisualStudio2010(BOOL bDocumentMode = FALSE);
  ~CTKTabColorSetVisualStudio2010() override;
  CTKTabColorSetVisualStudio2010(const CTKTabColorSetVisualStudio2010&) = delete;
  CTKTabColorSetVisualStudio2010& operator=(const CTKTabColorSetVisualStudio2010&) = delete;
  void RefreshMetrics() override;
  void SetTextColor(CDC* pDC, const CTKTabManagerItem* pItem) override;
  void FillHeader(CDC* pDC, CRect rc, CTKTabManager* pStrip) override;
  COLORREF FillItem(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem) override;
  void DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton, CRect rc) override;
  /// The 4 x 4 header pattern; null when it could not be made.
  CBrush* GetHeaderBrush() { return m_pHeaderBrush; }

  BOOL m_bVistaLook = FALSE;
  BOOL m_bDocumentMode = FALSE;

 protected:
  /// The system is Windows Vista or later: a seam, so tests choose.
  virtual BOOL IsVistaOrGreater() const;

 private:
  CBrush* m_pHeaderBrush = NULL;
};

/// Flag 512, the light look, and the base of the dark, 2015 and Office 2013 sets.
class CTKTabColorSetVisualStudio2012 : public CTKTabPaintManagerColorSet {
 public:
  void RefreshMetrics() override;
  COLORREF GetItemColor(const CTKTabManagerItem* pItem) const override;
  void DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton, CRect rc) override;

  CTKPaintManagerColor m_clrInactiveButtonSelected;
  CTKPaintManagerColor m_clrInactiveButtonSelectedPressed;
  CTKPaintManagerColor m_clrInactiveButtonSelectedHighlighted;
  CTKPaintManagerColor m_clrInactiveTextSelected;
  CTKPaintManagerColor m_clrInactiveTextSelectedPressed;
  CTKPaintManagerColor m_clrInactiveTextSelectedHighlighted;

  /// One palette of the family, every entry a custom value.
  struct Palette {
    COLORREF clrButton, clrButtonPressed, clrButtonHighlighted, clrButtonHighlightedClose;
    COLORREF clrButtonSelected, clrButtonSelectedPressed, clrButtonSelectedHighlighted;
    COLORREF clrButtonBorderHot;
    COLORREF clrText, clrTextPressed, clrTextHighlighted, clrTextHighlightedClose;
    COLORREF clrTextSelected, clrTextSelectedPressed, clrTextSelectedHighlighted;
    COLORREF clrGlyph, clrGlyphPressed, clrGlyphHighlighted;
    COLORREF clrStripButtonBack, clrStripButtonBackPressed, clrStripButtonBackHighlighted;
    COLORREF clrFrameBorder, clrHeaderFace;
    COLORREF clrInactiveButtonSelected, clrInactiveButtonSelectedPressed;
    COLORREF clrInactiveButtonSelectedHighlighted, clrInactiveTextSelected;
    COLORREF clrInactiveTextSelectedPressed, clrInactiveTextSelectedHighlighted;
  };
  static const Palette kLight;
  static const Palette kDark;

 protected:
  /// The root's refresh, then the palette (header face as a standard value).
  void ApplyPalette(const Palette& palette);
  /// The palette with each entry read from the theme text's "TabManager"
  /// section, the palette's value as the default.
  static Palette ReadPalette(const Palette& defaults);
  /// Pushed buttons fill in button selected and frame in frame border.
  void SetPushedFromSelected();
};

/// Flag 1024.
class CTKTabColorSetVisualStudio2012Dark : public CTKTabColorSetVisualStudio2012 {
 public:
  void RefreshMetrics() override;
};

/// Flag 4096: the light palette, overridable from the theme text.
class CTKTabColorSetVisualStudio2015 : public CTKTabColorSetVisualStudio2012 {
 public:
  void RefreshMetrics() override;
};
