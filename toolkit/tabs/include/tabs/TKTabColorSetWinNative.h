// The native colour set: tabs, page, state buttons and navigate buttons
// drawn with the Windows visual styles, so that a strip looks like the
// system's tab control; without visual styles it is the default set.
#pragma once

#include <memory>

#include "tabs/TKTabPaintManagerColorSet.h"

class CTKWinThemeWrapper;

/// Flag 8.
class CColorSetWinNative : public CTKTabColorSetDefault {
 public:
  CColorSetWinNative();
  ~CColorSetWinNative() override;
  CColorSetWinNative(const CColorSetWinNative&) = delete;
  CColorSetWinNative& operator=(const CColorSetWinNative&) = delete;

  /// Reopens both visual-style classes and takes the tab texts from them.
  void RefreshMetrics() override;
  COLORREF FillClient(CDC* pDC, CRect rc, CTKTabManager* pStrip) override;
  void FillStateButton(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem) override;
  /// -1 when the visual style drew the tab: it has no single colour.
  COLORREF FillItem(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem) override;
  /// Keeps the page's top-left pixel (turned to the position) out of the
  /// tabs' clip, so that the pane's corner stays as the style drew it.
  void AdjustHeaderClip(CDC* pDC, CRect rc, CTKTabManager* pStrip) override;
  void DrawNavigateButton(CDC* pDC, CTKTabManagerNavigateButton* pButton, CRect rc) override;
  BOOL IsAppThemed() const override;

  /// The "TAB" class.
  CTKWinThemeWrapper* GetTabTheme() const { return m_pTabTheme.get(); }
  /// The "TOOLBAR" class.
  CTKWinThemeWrapper* GetToolbarTheme() const { return m_pToolbarTheme.get(); }

 private:
  std::unique_ptr<CTKWinThemeWrapper> m_pTabTheme;
  std::unique_ptr<CTKWinThemeWrapper> m_pToolbarTheme;
};
