// What the ribbon bar shares with its tab and group pop-ups: the groups
// scroll offset, the two buttons that scroll the groups (with their
// auto-repeat), the group under the mouse, and the key tips and arrow-key
// navigation of the groups' controls.
#pragma once

#include "commandbars/TKControlClasses.h"

class CTKCommandBar;
class CTKRibbonBar;
class CTKRibbonGroup;
class CTKRibbonGroups;
class CTKRibbonTab;

/// The left (or right) button that scrolls the groups; hidden until the
/// groups do not fit.
class CTKRibbonControlGroupsScroll : public CTKControlButton {
  DECLARE_DYNCREATE(CTKRibbonControlGroupsScroll)

 public:
  /// The timer of the auto-repeat, set on the bar window while the button is held.
  static constexpr UINT_PTR kTimerRepeat = 23345;

  explicit CTKRibbonControlGroupsScroll(BOOL bScrollLeft = TRUE);
  void Draw(CDC* pDC) override;
  void OnExecute() override;
  void OnLButtonDown(CPoint pt) override;
  /// Scrolls once, then again after 4/5 of the double-click time and every
  /// tenth of it until the button is released, the capture lost or the
  /// button hidden. Runs its own message loop; a WM_QUIT is posted again.
  void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
  BOOL IsScrollLeft() const { return m_bScrollLeft; }

 protected:
  void Scroll();
  BOOL m_bScrollLeft;
};

class CTKRibbonScrollableBar {
 public:
  using CControlGroupsScroll = CTKRibbonControlGroupsScroll;

  CTKRibbonScrollableBar();
  virtual ~CTKRibbonScrollableBar() = default;

  /// Makes the right and then the left scroll button and appends them to
  /// `pBar`'s controls; offset 0.
  void InitScrollableBar(CTKCommandBar* pBar);
  virtual void OnGroupsScroll(BOOL bScrollLeft) = 0;
  virtual CRect GetGroupsRect() const = 0;
  virtual CTKRibbonGroup* HitTestGroup(CPoint point) const = 0;

  /// The mix-in of a ribbon, a tab pop-up or a group pop-up; null for other bars.
  static CTKRibbonScrollableBar* AFX_CDECL GetScrollableBar(CTKCommandBar* pBar);
  CTKCommandBar* GetOwnerBar() const { return m_pParent; }

  // Scrolling ------------------------------------------------------------------

  CTKControl* GetControlScrollGroupsLeft() const { return m_pControlScrollGroupsLeft; }
  CTKControl* GetControlScrollGroupsRight() const { return m_pControlScrollGroupsRight; }
  BOOL IsScrollButton(const CTKControl* pControl) const {
    return pControl != nullptr &&
           (pControl == m_pControlScrollGroupsLeft || pControl == m_pControlScrollGroupsRight);
  }
  /// Places the shown buttons at the groups rectangle's edges; the others
  /// get hide flag 8. Nothing before both buttons exist.
  void ShowScrollButtons(BOOL bLeft, BOOL bRight);
  /// Scrolls `pGroups` so that a control's span lies inside the groups
  /// rectangle, as far as a shown scroll button allows; lays out again when
  /// the offset changed.
  void EnsureVisible(CTKRibbonGroups* pGroups, CRect rcControl);
  int GetGroupsScrollPos() const { return m_nGroupsScrollPos; }
  void SetGroupsScrollPos(int nPos) { m_nGroupsScrollPos = nPos; }

  // The group under the mouse -------------------------------------------------------

  CTKRibbonGroup* GetHighlightedGroup() const { return m_pHighlightedGroup; }
  /// Redraws the old and the new hot group.
  void SetHighlightedGroup(CTKRibbonGroup* pGroup);

  // Keys ------------------------------------------------------------------------------

  /// Tips for the controls, option buttons and pop-up buttons ("Z") of a
  /// tab's groups.
  void CreateGroupsKeyboardTips(CTKRibbonTab* pTab);
  /// The tips of one group: its controls, its option button unless hidden
  /// for good, its pop-up button ("Z"), each visible only with `bVisible`.
  void CreateGroupKeyboardTips(CTKRibbonGroup* pGroup, BOOL bVisible);
  /// One control's tip placed by its place in its group; an invisible one
  /// keeps its letters. Nothing for controls outside groups, without text or
  /// with flag 2.
  void CreateControlKeyboardTip(CTKControl* pControl, LPCTSTR lpszPrefix, BOOL bVisible);
  /// The arrow keys by the controls' places on screen, Enter and Space on
  /// the selected control; FALSE for codes it leaves.
  BOOL NavigateGroupControls(int nCode);
  /// The rectangle a control counts with in the arrow-key navigation.
  CRect GetNavigationRect(CTKControl* pControl, BOOL bCurrent, int nCode) const;

 protected:
  /// The ribbon whose metrics the groups use: the owner, or its root.
  CTKRibbonBar* GetRibbonOfBar() const;

  CTKCommandBar* m_pParent;
  CTKControl* m_pControlScrollGroupsLeft;
  CTKControl* m_pControlScrollGroupsRight;
  CTKRibbonGroup* m_pHighlightedGroup;
  int m_nGroupsScrollPos;
};
