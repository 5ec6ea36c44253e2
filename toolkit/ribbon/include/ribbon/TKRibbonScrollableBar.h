// What the ribbon bar shares with its tab and group pop-ups: the groups
// scroll offset, the two buttons that scroll the groups, and the group under
// the mouse. The scrolling behaviour itself comes with the ribbon's pop-ups.
#pragma once

#include "commandbars/TKControlClasses.h"

class CTKCommandBar;
class CTKRibbonGroup;

/// The left (or right) button that scrolls the groups; hidden until the
/// groups do not fit.
class CTKRibbonControlGroupsScroll : public CTKControlButton {
  DECLARE_DYNCREATE(CTKRibbonControlGroupsScroll)

 public:
  explicit CTKRibbonControlGroupsScroll(BOOL bScrollLeft = TRUE);
  void Draw(CDC* pDC) override;
  void OnExecute() override;
  BOOL IsScrollLeft() const { return m_bScrollLeft; }

 protected:
  BOOL m_bScrollLeft;
};

class CTKRibbonScrollableBar {
 public:
  using CControlGroupsScroll = CTKRibbonControlGroupsScroll;

  CTKRibbonScrollableBar();
  virtual ~CTKRibbonScrollableBar() = default;

  /// Makes the two scroll buttons and adds them to `pBar`'s controls.
  void InitScrollableBar(CTKCommandBar* pBar);
  virtual void OnGroupsScroll(BOOL bScrollLeft) = 0;
  virtual CRect GetGroupsRect() const = 0;
  virtual CTKRibbonGroup* HitTestGroup(CPoint point) const = 0;

  CTKControl* GetControlScrollGroupsLeft() const { return m_pControlScrollGroupsLeft; }
  CTKControl* GetControlScrollGroupsRight() const { return m_pControlScrollGroupsRight; }
  BOOL IsScrollButton(const CTKControl* pControl) const {
    return pControl != nullptr &&
           (pControl == m_pControlScrollGroupsLeft || pControl == m_pControlScrollGroupsRight);
  }
  CTKRibbonGroup* GetHighlightedGroup() const { return m_pHighlightedGroup; }
  void SetHighlightedGroup(CTKRibbonGroup* pGroup) { m_pHighlightedGroup = pGroup; }
  int GetGroupsScrollPos() const { return m_nGroupsScrollPos; }
  void SetGroupsScrollPos(int nPos) { m_nGroupsScrollPos = nPos; }

 protected:
  CTKCommandBar* m_pParent;
  CTKControl* m_pControlScrollGroupsLeft;
  CTKControl* m_pControlScrollGroupsRight;
  CTKRibbonGroup* m_pHighlightedGroup;
  int m_nGroupsScrollPos;
};
