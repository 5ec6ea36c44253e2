// A group the layout collapsed to one button, opened under that button: a
// pop-up that shows a copy of the group.
#pragma once

#include "commandbars/TKPopupBar.h"
#include "ribbon/TKRibbonScrollableBar.h"

class CTKRibbonBar;

class CTKRibbonGroupPopupToolBar : public CTKPopupToolBar, public CTKRibbonScrollableBar {
  DECLARE_DYNCREATE(CTKRibbonGroupPopupToolBar)

 public:
  /// Shows a copy of `pGroup` (of its own run-time class); without a group
  /// (a clone being made) the pop-up shows nothing.
  explicit CTKRibbonGroupPopupToolBar(CTKRibbonGroup* pGroup = nullptr);
  ~CTKRibbonGroupPopupToolBar() override;

  CTKRibbonGroup* GetGroup() const { return m_pGroup; }
  CTKRibbonGroup* GetSourceGroup() const { return m_pSourceGroup; }
  CTKRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }

  CSize GetIconSize() const override;
  CSize GetButtonSize() const override;
  BOOL IsKeyboardCuesVisible() const override;
  /// The group's width with the borders, ScaleY(7) lower than the ribbon's groups.
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  void CreateKeyboardTips() override;
  BOOL ProcessKeyNavigation(int nCode) override;
  BOOL SetTrackingMode(int bMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
  CTKPopupBar* Clone() override;

  /// A group pop-up does not scroll.
  void OnGroupsScroll(BOOL) override {}
  CRect GetGroupsRect() const override;
  CTKRibbonGroup* HitTestGroup(CPoint point) const override;

 protected:
  void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  CTKRibbonGroup* m_pGroup;
  CTKRibbonBar* m_pRibbonBar;
  CTKRibbonGroup* m_pSourceGroup;
};
