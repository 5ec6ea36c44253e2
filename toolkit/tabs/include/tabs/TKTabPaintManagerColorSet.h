// Colour sets of tab strips: every colour a strip is painted with and the
// flat fills (header band, page, tab, state button, navigate-button face).
// The root's navigate-button face is left to each set.
#pragma once

#include <afxwin.h>

#include "common/TKPaintManagerColor.h"

class CTKTabManager;
class CTKTabManagerItem;
class CTKTabManagerNavigateButton;
class CTKTabPaintManager;

class CTKTabPaintManagerColorSet {
 public:
  CTKTabPaintManagerColorSet() = default;
  virtual ~CTKTabPaintManagerColorSet() = default;

  virtual void RefreshMetrics();
  virtual void SetTextColor(CDC* pDC, const CTKTabManagerItem* pItem);
  virtual void FillHeader(CDC* pDC, CRect rc, CTKTabManager* pStrip);
  virtual COLORREF FillClient(CDC* pDC, CRect rc, CTKTabManager* pStrip);
  virtual void FillStateButton(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem);
  virtual COLORREF FillItem(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem);
  virtual void AdjustHeaderClip(CDC* pDC, CRect rc, CTKTabManager* pStrip) {}
  virtual void DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton, CRect rc) = 0;
  virtual COLORREF GetItemColor(const CTKTabManagerItem* pItem) const;
  virtual BOOL IsAppThemed() const { return FALSE; }

  /// Light at the strip's outer edge, dark towards the page (swapped when the
  /// paint manager inverts gradients); light -2 paints the one-pixel dither.
  void FillGradientByPosition(CDC* pDC, CRect rc, COLORREF clrLight, COLORREF clrDark,
                              int nPosition) const;
  CTKTabPaintManager* GetPaintManager() const { return m_pPaintManager; }
  void SetPaintManager(CTKTabPaintManager* pPaintManager) { m_pPaintManager = pPaintManager; }

  CTKPaintManagerColorGradient m_clrHeaderFace;
  CTKPaintManagerColor m_clrFrameBorder;
  CTKPaintManagerColor m_clrControlFace;
  CTKPaintManagerColor m_clrFrameHighlight;
  CTKPaintManagerColor m_clrButtonNormal;
  CTKPaintManagerColor m_clrButtonPressed;
  CTKPaintManagerColor m_clrButtonHighlighted;
  CTKPaintManagerColor m_clrButtonHighlightedClose;
  CTKPaintManagerColor m_clrButtonSelected;
  CTKPaintManagerColor m_clrButtonSelectedPressed;
  CTKPaintManagerColor m_clrButtonSelectedHighlighted;
  CTKPaintManagerColor m_clrSeparatorHighlight;
  CTKPaintManagerColor m_clrButtonBorderHot;
  CTKPaintManagerColor m_clrText;
  CTKPaintManagerColor m_clrTextPressed;
  CTKPaintManagerColor m_clrTextHighlighted;
  CTKPaintManagerColor m_clrTextHighlightedClose;
  CTKPaintManagerColor m_clrTextSelected;
  CTKPaintManagerColor m_clrTextSelectedPressed;
  CTKPaintManagerColor m_clrTextSelectedHighlighted;
  CTKPaintManagerColor m_clrTextDisabled;
  CTKPaintManagerColor m_clrGlyph;
  CTKPaintManagerColor m_clrGlyphHighlighted;
  CTKPaintManagerColor m_clrGlyphPressed;
  CTKPaintManagerColor m_clrStripButtonBack;
  CTKPaintManagerColor m_clrStripButtonBackHighlighted;
  CTKPaintManagerColor m_clrStripButtonBackPressed;
  CTKPaintManagerColorGradient m_clrPushedButtonFill;
  CTKPaintManagerColorGradient m_clrPushedButtonBorder;
  CTKPaintManagerColor m_clrClassicHighlight;
  CTKPaintManagerColor m_clrClassicShadow;
  CTKPaintManagerColor m_clrClassicDarkShadow;
  CTKPaintManagerColor m_clrSlantedBorder;
  CTKPaintManagerColor m_clrSlantedSelectedBorder;
  CTKPaintManagerColor m_clrSlantedInnerLight;
  CTKPaintManagerColor m_clrSlantedInnerShadow;
  CTKPaintManagerColor m_clrTrapezoidSelectedOuter;
  CTKPaintManagerColor m_clrTrapezoidSelectedTrailing;
  CTKPaintManagerColor m_clrTrapezoidSelectedInnerLight;
  CTKPaintManagerColor m_clrTrapezoidSelectedInnerShadow;
  CTKPaintManagerColor m_clrTrapezoidNormalOuter;
  CTKPaintManagerColor m_clrTrapezoidNormalTrailing;
  CTKPaintManagerColor m_clrTrapezoidNormalInnerLight;
  CTKPaintManagerColor m_clrTrapezoidNormalInnerShadow;
  CTKPaintManagerColor m_clrHotBorder;

 protected:
  int GetAppearanceId() const;
  int GetStripPosition() const;
  /// Copies the selected trapezoid entries (standard and custom) to the normal ones.
  void CopyTrapezoidToNormal();

  CTKTabPaintManager* m_pPaintManager = NULL;
};

/// The set of any flag without a set of its own.
class CTKTabColorSetDefault : public CTKTabPaintManagerColorSet {
 public:
  void RefreshMetrics() override;
  void DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton, CRect rc) override;

 protected:
  /// An enabled pressed button sunk (dark top-left) and its glyph moved by
  /// one pixel, an enabled hot one raised; the glyph in the text colour.
  static void DrawBevelledButton(CDC* pDC, CTKTabManagerNavigateButton* pButton, CRect rc,
                                 COLORREF clrLight, COLORREF clrDark, COLORREF clrText,
                                 COLORREF clrGlyph);
};

/// System colours with the Luna scheme constants (flag 4).
class CTKTabColorSetOffice2003 : public CTKTabColorSetDefault {
 public:
  void RefreshMetrics() override;
  COLORREF FillItem(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem) override;
  void DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton, CRect rc) override;

  CTKPaintManagerColor m_clrButtonFrame;
  BOOL m_bLunaColors = FALSE;
};
