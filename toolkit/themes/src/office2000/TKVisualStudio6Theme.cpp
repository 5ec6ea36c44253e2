// CTKVisualStudio6Theme: the double gripper of docked bars.
#include "themes/TKVisualStudio6Theme.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "common/TKDpiHelper.h"

CSize CTKVisualStudio6Theme::DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) {
  const int nPosition = pBar->GetPosition();
  if (pBar->IsDialogBar() || nPosition == tkBarFloating)
    return CTKCommandBarsOffice2000Theme::DrawFloatingBarCaption(pDC, pBar, bDraw);
  CTKDpiHelper* pDpi = TKDpiHelper();
  CRect rcClient(0, 0, 0, 0);
  pBar->GetClientRect(&rcClient);
  if (nPosition == tkBarTop || nPosition == tkBarBottom) {
    if (pDC != nullptr && bDraw) {
      const int nBottom = rcClient.bottom - pDpi->ScaleY(3);
      DrawRaised(pDC, CRect(pDpi->ScaleX(3), pDpi->ScaleY(3), pDpi->ScaleX(6), nBottom));
      DrawRaised(pDC, CRect(pDpi->ScaleX(7), pDpi->ScaleY(3), pDpi->ScaleX(10), nBottom));
    }
    return CSize(pDpi->ScaleX(10), 0);
  }
  if (nPosition == tkBarLeft || nPosition == tkBarRight) {
    if (pDC != nullptr && bDraw) {
      const int nRight = rcClient.right - pDpi->ScaleX(3);
      DrawRaised(pDC, CRect(pDpi->ScaleX(3), pDpi->ScaleY(3), nRight, pDpi->ScaleY(6)));
      DrawRaised(pDC, CRect(pDpi->ScaleX(3), pDpi->ScaleY(7), nRight, pDpi->ScaleY(10)));
    }
    return CSize(0, pDpi->ScaleY(10));
  }
  return CSize(0, 0);
}
