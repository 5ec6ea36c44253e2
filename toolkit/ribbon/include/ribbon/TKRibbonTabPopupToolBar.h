// The selected tab of a minimised ribbon, dropped down below the tab row: a
// pop-up that shows a copy of the tab with its groups and scrolls them when
// they do not fit.
#pragma once

#include "ribbon/TKRibbonGroupsPopupBar.h"

class CTKRibbonBar;
class CTKRibbonTab;

class CTKRibbonTabPopupToolBar : public CTKRibbonGroupsPopupBar {
  DECLARE_DYNCREATE(CTKRibbonTabPopupToolBar)

 public:
  /// Shows a copy of `pTab` (of its own run-time class), made here and
  /// released with the pop-up.
  explicit CTKRibbonTabPopupToolBar(CTKRibbonTab* pTab = nullptr);
  ~CTKRibbonTabPopupToolBar() override;

  CTKRibbonTab* GetTab() const { return m_pTab; }

  /// As wide as the ribbon within its monitor's work area, the groups' height,
  /// below the tab row or, without room there, above it.
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  /// The place CalcDynamicLayout chose, unchanged.
  CRect CalcPopupPosition(CPoint pt, CSize sz) override;
  void EnsureVisible(CTKControl* pControl) override;
  void CreateKeyboardTips() override;
  void OnKeyboardTip(CTKCommandBarKeyboardTip* pTip) override;
  BOOL ProcessKeyNavigation(int nCode) override;
  INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

  void OnGroupsScroll(BOOL bScrollLeft) override;
  CRect GetGroupsRect() const override { return m_rcGroups; }
  CTKRibbonGroup* HitTestGroup(CPoint point) const override;

 protected:
  void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;

  CTKRibbonTab* m_pTab;
  CRect m_rcGroups;
  /// Where CalcDynamicLayout put the pop-up, on the screen.
  CRect m_rcPopup;
};
