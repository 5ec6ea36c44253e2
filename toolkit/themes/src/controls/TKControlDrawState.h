// The state of a control as the paint manager reads it before drawing: the
// tuple every theme picks a face and a text colour from.
#pragma once

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKControl.h"
#include "common/TKDpiHelper.h"

struct TKControlDrawState {
  explicit TKControlDrawState(CTKControl* pControl)
      : nType(pControl->GetType()),
        nStyle(pControl->GetStyle()),
        nSelected(pControl->GetSelected()),
        nPressed(pControl->GetPressed()),
        nEnabled(pControl->GetEnabled()),
        nChecked(pControl->GetChecked()),
        bPopuped(pControl->IsPopupOpen()),
        nBarType(pControl->GetParent() != nullptr ? pControl->GetParent()->GetType()
                                                  : tkBarTypeNormal),
        nBarPosition(pControl->GetParent() != nullptr ? pControl->GetParent()->GetPosition()
                                                      : tkBarTop) {}

  /// Whether the texts draw enabled: a split button whose command part is
  /// disabled (5) shows its caption disabled.
  BOOL IsTextEnabled() const {
    return nEnabled != 0 && !(nType == tkControlSplitButtonPopup && nEnabled == 5);
  }

  int nType;
  int nStyle;
  int nSelected;
  int nPressed;
  int nEnabled;
  int nChecked;
  BOOL bPopuped;
  int nBarType;
  int nBarPosition;
};

inline int TKScaleX(int n) { return TKDpiHelper()->ScaleX(n); }
inline int TKScaleY(int n) { return TKDpiHelper()->ScaleY(n); }
