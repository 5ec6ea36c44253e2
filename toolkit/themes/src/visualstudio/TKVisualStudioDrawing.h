// What the Visual Studio themes share beyond the rounded frame.
#pragma once

#include "themes/TKPaintManagerBase.h"

/// One separator line of a pop-up, `nOffset` DPI-pixels above the control
/// (left of it when the control starts a new column).
void TKDrawPopupSeparatorAt(CTKPaintManagerBase* pTheme, CDC* pDC, CTKCommandBar* pBar,
                            CTKControl* pControl, COLORREF clr, int nOffset);

/// Whether the drawing call is for a pop-up bar (type 2) with something to draw on.
BOOL TKIsDrawingOnPopup(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl, BOOL bDraw);
