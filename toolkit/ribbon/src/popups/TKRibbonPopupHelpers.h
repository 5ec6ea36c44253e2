// What the ribbon bar and its tab and group pop-ups do alike: the tip of a
// group's control below the groups, the hot group, and a control reached
// through its collapsed group's pop-up.
#pragma once

#include <afxwin.h>
#include <commctrl.h>

class CTKCommandBar;
class CTKCommandBarKeyboardTip;
class CTKControl;
class CTKRibbonGroup;
class CTKRibbonGroups;
class CTKRibbonScrollableBar;

/// The bar flag of the ribbon's tab and group pop-ups.
constexpr DWORD kRibbonPopupBarFlag = 0x200000;

/// The extended tip of a group's control opens below the whole groups area.
void TKPlaceGroupControlTip(const CTKCommandBar* pBar, CPoint point, TOOLINFO* pTI,
                            CRect rcGroups);
/// Makes `pCandidate` the hot group of `pBar` unless the mouse is held by
/// tracking, another window or a selected control, or groups are not
/// highlighted; follows the mouse leaving the bar.
void TKTrackHotGroup(CTKCommandBar* pBar, CTKRibbonScrollableBar* pScrollable,
                     CTKRibbonGroup* pCandidate);
/// A control hidden by its collapsed group: the group's pop-up button is
/// scrolled into view and opened, and the control's copy in it activated
/// with its tips shown. FALSE when the control has no such group.
BOOL TKOpenControlThroughGroupPopup(CTKCommandBar* pBar, CTKControl* pControl);
/// A chosen tip of a control: a control its collapsed group hides is reached
/// through the group's pop-up, a shown one is activated.
void TKActivateKeyboardTipControl(CTKCommandBar* pBar, CTKCommandBarKeyboardTip* pTip);
