// CTKToolBar: the right button opens the menu of the tool bars.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKToolBar.h"

void CTKToolBar::OnRButtonDown(UINT nFlags, CPoint point) {
  CTKControl* pControl = m_pControls->HitTest(point);
  if (pControl != nullptr && pControl->OnRButtonDown(point)) return;
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return;
  if (IsCustomizeMode()) {
    CTKCommandBar::OnRButtonDown(nFlags, point);
    return;
  }
  SetTrackingMode(FALSE);
  SetSelected(-1);
  Redraw();
  CPoint ptScreen = point;
  ClientToScreen(&ptScreen);
  pCommandBars->ShowToolbarContextMenu(this, ptScreen);
}
