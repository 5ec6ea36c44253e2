// The look of the ribbon's tab row: an appearance that hands the strip
// background and every tab to the ribbon paint manager and takes the row
// height from the ribbon's metrics, and a colour set that picks a tab's text
// colour by the ribbon's state (minimised, backstage view, focus).
#pragma once

#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabThemeFlat.h"

class CTKRibbonPaintManager;

class CTKRibbonTabTheme : public CAppearanceSetPropertyPageFlat {
 public:
  /// Holds `pRibbonPaintManager` without owning it: it outlives the tab
  /// paint manager that owns this appearance.
  explicit CTKRibbonTabTheme(CTKRibbonPaintManager* pRibbonPaintManager);

  /// One pixel plus the ribbon's tab height; fonts and icons play no part.
  int GetRowHeight(const CTKTabManager* pStrip) const override;
  void DrawTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) override;
  void DrawItem(CDC* pDC, CTKTabManagerItem* pItem) override;
  /// Captions over the glass part of the caption are composited.
  void DrawText(CDC* pDC, CTKTabManagerItem* pItem, const CString& strText, LPRECT lpRect,
                UINT nFormat) override;

 protected:
  CTKRibbonPaintManager* m_pRibbonPaintManager;
};

/// How a ribbon tab shows: its own selected and hot states as the ribbon's
/// state (minimised, backstage view) and the strip's focus change them.
struct TK_RIBBON_TAB_STATE {
  BOOL bSelected;
  BOOL bHot;
  BOOL bFocused;
};

class CTKRibbonTabColorSet : public CTKTabColorSetOffice2003 {
 public:
  void SetTextColor(CDC* pDC, const CTKTabManagerItem* pItem) override;
  /// Shared by the text colour and the tab looks.
  static TK_RIBBON_TAB_STATE AFX_CDECL GetTabState(const CTKTabManagerItem* pItem);
};
