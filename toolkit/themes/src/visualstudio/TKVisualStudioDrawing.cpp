// The drawing the Visual Studio themes share: blended pixels, rounded frames
// and the lines of pop-up separators.
#include "TKVisualStudioDrawing.h"

#include "TKControlDrawState.h"
#include "common/TKDrawHelpers.h"
#include "themes/TKVisualStudioThemes.h"

void TKSetPixelBlended(CDC* pDC, int x, int y, COLORREF clr, int nAlpha) {
  if (nAlpha >= 255) {
    pDC->SetPixel(x, y, clr);
    return;
  }
  pDC->SetPixel(x, y, BlendColors(clr, pDC->GetPixel(x, y), nAlpha / 255.0));
}

void TKDrawRoundedFrame(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom, COLORREF clr) {
  const int cx3 = TKScaleX(3);
  const int cy3 = TKScaleY(3);
  pDC->FillSolidRect(CRect(nLeft + cx3, nTop, nRight - cx3, nTop + 1), clr);
  pDC->FillSolidRect(CRect(nLeft + cx3, nBottom - 1, nRight - cx3, nBottom), clr);
  pDC->FillSolidRect(CRect(nLeft, nTop + cy3, nLeft + 1, nBottom - cy3), clr);
  pDC->FillSolidRect(CRect(nRight - 1, nTop + cy3, nRight, nBottom - cy3), clr);
  // Each corner from its corner pixel inwards: (dx, dy) points inside.
  const struct {
    int x, y, dx, dy;
  } corners[] = {{nLeft, nTop, 1, 1},
                 {nRight - 1, nTop, -1, 1},
                 {nLeft, nBottom - 1, 1, -1},
                 {nRight - 1, nBottom - 1, -1, -1}};
  const int cx1 = TKScaleX(1), cy1 = TKScaleY(1), cx2 = TKScaleX(2), cy2 = TKScaleY(2);
  for (const auto& c : corners) {
    TKSetPixelBlended(pDC, c.x + c.dx * cx1, c.y + c.dy * cy1, clr, 255);
    TKSetPixelBlended(pDC, c.x + c.dx * cx1, c.y, clr, 60);
    TKSetPixelBlended(pDC, c.x, c.y + c.dy * cy1, clr, 60);
    TKSetPixelBlended(pDC, c.x + c.dx * cx2, c.y, clr, 120);
    TKSetPixelBlended(pDC, c.x, c.y + c.dy * cy2, clr, 120);
  }
}

void TKDrawPopupSeparatorAt(CTKPaintManagerBase* pTheme, CDC* pDC, CTKCommandBar* pBar,
                            CTKControl* pControl, COLORREF clr, int nOffset) {
  const CRect rc = pControl->GetRect();
  if (pControl->GetWrap()) {
    const CRect rcRow = pControl->GetRowRect();
    const int x = rc.left - TKScaleX(nOffset);
    pDC->FillSolidRect(CRect(x, rcRow.top - TKScaleY(1), x + TKScaleX(1), rcRow.bottom + TKScaleY(1)),
                       clr);
    return;
  }
  const int y = rc.top - TKScaleY(nOffset);
  const int xStart =
      rc.left + pTheme->m_nPopupTextGap + pTheme->GetPopupBarGripperWidth(pBar) - TKScaleX(1);
  pDC->FillSolidRect(CRect(xStart, y, rc.right + TKScaleX(1), y + TKScaleY(1)), clr);
}

BOOL TKIsDrawingOnPopup(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl, BOOL bDraw) {
  return bDraw && pDC != nullptr && pControl != nullptr && pBar != nullptr &&
         pBar->GetType() == tkBarTypePopup;
}
