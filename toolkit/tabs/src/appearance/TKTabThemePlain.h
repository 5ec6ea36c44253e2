// Appearances straight on the root that do not look like tabs on a page: a
// row of toggle buttons, flat tabs between thin separators, and full-width
// bars stacked like a shapes pane.
#pragma once

#include "tabs/TKTabPaintManagerTheme.h"

/// Toggle buttons on a plain band, never a page frame (id 4).
class CAppearanceSetStateButtons : public CTKTabPaintManagerTheme {
 public:
  CAppearanceSetStateButtons();
  CRect FillTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) override;
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
  int GetDefaultColorSet() const override { return 2; }
};

/// Flat tabs between separators, the selected one raised (id 5).
class CTKTabThemeVisualStudio2003 : public CTKTabPaintManagerTheme {
 public:
  CTKTabThemeVisualStudio2003();
  CRect FillTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) override;
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
  int GetDefaultColorSet() const override { return 2; }
};

/// Full-width bars; the page opens below the selected bar and the bars after
/// it sit at the bottom of the control (id 8).
class CAppearanceSetVisio : public CTKTabPaintManagerTheme {
 public:
  CAppearanceSetVisio();
  /// Always empty: the bars are not in a header band.
  CRect GetHeaderRect(CRect rcControl, const CTKTabManager* pStrip) const override;
  CRect GetClientRect(CRect rcControl, const CTKTabManager* pStrip) const override;
  void DrawTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) override;
  void RepositionTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) override;
  void AdjustClientRect(const CTKTabManager* pStrip, CRect& rcClient) const override;
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;

 private:
  /// The page's inset from the sides: none under client frame 2.
  int GetFrameInset() const;
  /// The control rectangle less the paint manager's control margin.
  CRect DeflateByControlMargin(CRect rc, const CTKTabManager* pStrip) const;
};
