// The Office 2000 theme with double gripper lines on docked bars.
#pragma once

#include "themes/TKCommandBarsOffice2000Theme.h"

class CTKVisualStudio6Theme : public CTKCommandBarsOffice2000Theme {
 public:
  /// Two raised lines on docked bars; dialog and floating bars as Office 2000.
  CSize DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) override;
};
