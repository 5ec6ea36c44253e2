// What the tab pop-up and the group pop-up share: they show groups of a
// ribbon, take its icon and button sizes and its keyboard cues, and drop
// the hot group when they stop tracking or the mouse leaves them.
#pragma once

#include "commandbars/TKPopupBar.h"
#include "ribbon/TKRibbonScrollableBar.h"

class CTKRibbonBar;

class CTKRibbonGroupsPopupBar : public CTKPopupToolBar, public CTKRibbonScrollableBar {
  DECLARE_DYNAMIC(CTKRibbonGroupsPopupBar)

 public:
  explicit CTKRibbonGroupsPopupBar(CTKRibbonBar* pRibbonBar);
  CTKRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }

  CSize GetIconSize() const override;
  CSize GetButtonSize() const override;
  BOOL IsKeyboardCuesVisible() const override;
  BOOL SetTrackingMode(int bMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;

 protected:
  /// Any key but Escape hides the tips; the groups' arrow keys come first.
  BOOL NavigateGroupsFirst(int nCode);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  CTKRibbonBar* m_pRibbonBar;
};
