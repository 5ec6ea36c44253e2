// A group the layout collapsed to one button, opened under that button: a
// pop-up that shows a copy of the group.
#pragma once

#include "ribbon/TKRibbonGroupsPopupBar.h"

class CTKRibbonGroupPopupToolBar : public CTKRibbonGroupsPopupBar {
  DECLARE_DYNCREATE(CTKRibbonGroupPopupToolBar)

 public:
  /// Shows a copy of `pGroup` (of its own run-time class); without a group
  /// (a clone being made) the pop-up shows nothing.
  explicit CTKRibbonGroupPopupToolBar(CTKRibbonGroup* pGroup = nullptr);
  ~CTKRibbonGroupPopupToolBar() override;

  CTKRibbonGroup* GetGroup() const { return m_pGroup; }
  CTKRibbonGroup* GetSourceGroup() const { return m_pSourceGroup; }

  /// The group's width with the borders, ScaleY(7) lower than the ribbon's groups.
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  void CreateKeyboardTips() override;
  BOOL ProcessKeyNavigation(int nCode) override;
  CTKPopupBar* Clone() override;

  /// A group pop-up does not scroll.
  void OnGroupsScroll(BOOL) override {}
  CRect GetGroupsRect() const override;
  CTKRibbonGroup* HitTestGroup(CPoint point) const override;

 protected:
  void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;

  CTKRibbonGroup* m_pGroup;
  CTKRibbonGroup* m_pSourceGroup;
};
