// CTKCommandBar: the bar's mouse reaches the tooltips of its command bars.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "common/TKToolTipContext.h"

BOOL CTKCommandBar::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars != nullptr && m_hWnd != NULL)
    pCommandBars->GetToolTipContext()->RelayToolTipMessage(this, message, wParam, lParam);
  return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}
