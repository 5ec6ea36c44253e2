// CTKCommandBarsOfficeXPTheme: bar backgrounds, the pop-up's icon band and
// opener edge, grippers, separators, tear-off and resize grippers.
#include <algorithm>

#include "TKControlDrawState.h"
#include "commandbars/TKPopupBar.h"
#include "themes/TKCommandBarsOfficeXPTheme.h"

namespace {

BOOL IsSideBarPosition(int nPosition) {
  return nPosition == tkBarLeft || nPosition == tkBarRight;
}

}  // namespace

void CTKCommandBarsOfficeXPTheme::FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) {
  CRect rc(0, 0, 0, 0);
  pBar->GetClientRect(&rc);
  const int nPosition = pBar->GetPosition();
  if (nPosition == tkBarFloating) {
    const COLORREF clrBorder = GetIndexedColor(61);
    const int nFill = pBar->GetType() == tkBarTypePopup ? 41 : IsFlatCommandBar(pBar) ? 15 : 30;
    FillRectWithBorder(pDC, rc, clrBorder, -1);
    CRect rcInner = rc;
    rcInner.DeflateRect(1, 1);
    FillRectWithBorder(pDC, rcInner, clrBorder, GetIndexedColor(nFill));
    // Rounds the inner corners.
    pDC->SetPixel(2, 2, clrBorder);
    pDC->SetPixel(rc.right - 3, 2, clrBorder);
    pDC->SetPixel(2, rc.bottom - 3, clrBorder);
    pDC->SetPixel(rc.right - 3, rc.bottom - 3, clrBorder);
    return;
  }
  if (nPosition == tkBarPopup) {
    FillRectIndexed(pDC, rc, 43, 41);
    FillPopupOpenerEdge(pDC, DYNAMIC_DOWNCAST(CTKPopupBar, pBar), GetIndexedColor(30));
    return;
  }
  if (IsFlatCommandBar(pBar)) {
    FillRectIndexed(pDC, rc, -1, 15);
    return;
  }
  FillRectIndexed(pDC, rc, 15, 30);
  const COLORREF clrCorner = GetIndexedColor(15);
  pDC->SetPixel(1, 1, clrCorner);
  pDC->SetPixel(rc.right - 2, 1, clrCorner);
  pDC->SetPixel(1, rc.bottom - 2, clrCorner);
  pDC->SetPixel(rc.right - 2, rc.bottom - 2, clrCorner);
}

void CTKCommandBarsOfficeXPTheme::FillPopupOpenerEdge(CDC* pDC, CTKPopupBar* pPopup,
                                                      COLORREF clr) {
  if (pPopup == nullptr) return;
  CTKControl* pOpener = pPopup->GetControlPopup();
  if (pOpener == nullptr) return;
  CTKCommandBar* pParent = pOpener->GetParent();
  if (pParent == nullptr || pParent->GetType() == tkBarTypePopup) return;
  if (pPopup->GetSafeHwnd() == NULL || pParent->GetSafeHwnd() == NULL) return;

  CRect rcPopup;
  pPopup->GetWindowRect(&rcPopup);
  CRect rcOpener = pOpener->GetRect();
  pParent->ClientToScreen(&rcOpener);
  CRect rcEdge;
  if (!rcEdge.IntersectRect(rcPopup, rcOpener)) return;
  pPopup->ScreenToClient(&rcEdge);
  if (rcEdge.Width() > 1) rcEdge.DeflateRect(1, 0);
  if (rcEdge.Height() > 1) rcEdge.DeflateRect(0, 1);
  pDC->FillSolidRect(rcEdge, clr);
}

void CTKCommandBarsOfficeXPTheme::FillPopupBarBand(CDC* pDC, int x, int y, int cx, int cy,
                                                   BOOL bExpanded) {
  pDC->FillSolidRect(x, y, cx, cy, GetIndexedColor(bExpanded ? 42 : 30));
}

void CTKCommandBarsOfficeXPTheme::FillPopupLabel(CDC* pDC, CRect rc) {
  FillRectIndexed(pDC, rc, -1, 56);
}

void CTKCommandBarsOfficeXPTheme::AdjustExcludeRect(CRect& rc, CTKControl* pControl,
                                                    BOOL bVertical) {
  CTKCommandBar* pBar = pControl->GetParent();
  if (pBar == nullptr) return;
  if (pBar->GetType() == tkBarTypePopup) {
    rc.InflateRect(TKScaleX(1), 0);
    return;
  }
  if (pControl->GetType() == tkControlComboBox) return;
  if (pBar->GetPosition() == tkBarPopup && (pBar->GetFlags() & 0x200000) != 0)
    rc.DeflateRect(0, TKScaleY(1));
  else if (bVertical)
    rc.DeflateRect(TKScaleX(1), 0);
  else
    rc.DeflateRect(0, TKScaleY(1));
}

// Grippers -----------------------------------------------------------------------------

CSize CTKCommandBarsOfficeXPTheme::DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar,
                                                          BOOL bDraw) {
  if (pBar->IsDialogBar()) return DrawCommandBarGripper(pDC, pBar, bDraw);
  const int nPosition = pBar->GetPosition();
  CRect rcClient(0, 0, 0, 0);
  pBar->GetClientRect(&rcClient);
  const BOOL bPaint = pDC != nullptr && bDraw;
  const COLORREF clr = GetIndexedColor(38);
  if (nPosition == tkBarPopup && pBar->GetType() == tkBarTypePopup) {
    if (bPaint) {
      CRect rcBorder = rcClient;
      rcBorder.DeflateRect(GetCommandBarBorders(pBar));
      FillPopupBarBand(pDC, rcBorder.left - 1, rcBorder.top, GetPopupBarGripperWidth(pBar),
                       rcBorder.Height(), FALSE);
    }
    return CSize(0, 0);
  }
  if (nPosition == tkBarTop || nPosition == tkBarBottom) {
    if (bPaint) {
      for (int y = TKScaleY(5); y < rcClient.Height() - TKScaleY(5); y += TKScaleY(2))
        DrawHorizontalLine(pDC, TKScaleX(3), y, TKScaleX(6), clr);
    }
    return CSize(TKScaleX(6), 0);
  }
  if (IsSideBarPosition(nPosition)) {
    if (bPaint) {
      for (int x = TKScaleX(5); x < rcClient.Width() - TKScaleX(5); x += TKScaleX(2))
        DrawVerticalLine(pDC, x, TKScaleY(3), TKScaleY(6), clr);
    }
    return CSize(0, TKScaleY(8));
  }
  return CTKPaintManagerBase::DrawFloatingBarCaption(pDC, pBar, bDraw);
}

CSize CTKCommandBarsOfficeXPTheme::DrawCommandBarGripper(CDC* pDC, CTKCommandBar* pBar,
                                                         BOOL bDraw) {
  const CSize sz(TKScaleX(6), std::max<int>(TKScaleY(22), GetTextHeight() + TKScaleY(4)));
  if (pDC == nullptr || !bDraw) return sz;
  CRect rcClient(0, 0, 0, 0);
  pBar->GetClientRect(&rcClient);
  const COLORREF clr = GetIndexedColor(38);
  for (int y = TKScaleY(6); y < rcClient.Height() - TKScaleY(2); y += TKScaleY(2))
    DrawHorizontalLine(pDC, TKScaleX(3), y, TKScaleX(6), clr);
  return sz;
}

// Separators -------------------------------------------------------------------------

void CTKCommandBarsOfficeXPTheme::DrawPopupSeparatorLine(CDC* pDC, CTKCommandBar* pBar,
                                                         CTKControl* pControl, COLORREF clr,
                                                         int nGap) {
  const CRect rc = pControl->GetRect();
  const CRect rcRow = pControl->GetRowRect();
  if (pControl->GetWrap()) {
    DrawVerticalLine(pDC, rc.left - TKScaleX(2), rcRow.top - TKScaleY(1),
                     rcRow.bottom + TKScaleY(1), clr);
    return;
  }
  const int xStart = rc.left + GetPopupBarGripperWidth(pBar) + m_nPopupTextGap - 1;
  DrawHorizontalLine(pDC, xStart, rc.top - nGap, rc.right + 1, clr);
}

CSize CTKCommandBarsOfficeXPTheme::DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar,
                                                           CTKControl* pControl, BOOL bDraw) {
  const int nPosition = pBar->GetPosition();
  const BOOL bPopup = nPosition == tkBarPopup;
  const CSize sz = bPopup ? CSize(TKScaleX(3), TKScaleY(3)) : CSize(TKScaleX(6), TKScaleY(6));
  if (!bDraw || pDC == nullptr || pControl == nullptr) return sz;
  const COLORREF clr = GetIndexedColor(39);
  if (bPopup) {
    DrawPopupSeparatorLine(pDC, pBar, pControl, clr, TKScaleY(2));
    return sz;
  }
  const CRect rc = pControl->GetRect();
  const CRect rcRow = pControl->GetRowRect();
  const BOOL bWrap = pControl->GetWrap();
  if (IsSideBarPosition(nPosition)) {
    if (bWrap)
      DrawVerticalLine(pDC, rcRow.right + TKScaleX(2), rcRow.top + TKScaleY(4), rcRow.bottom, clr);
    else
      DrawHorizontalLine(pDC, rcRow.left, rc.top - TKScaleY(4), rcRow.right, clr);
  } else if (bWrap) {
    DrawHorizontalLine(pDC, rcRow.left, rcRow.top - TKScaleY(4), rcRow.right, clr);
  } else {
    DrawVerticalLine(pDC, rc.left - TKScaleX(4), rcRow.top, rcRow.bottom, clr);
  }
  return sz;
}

// Tear-off and resize grippers -------------------------------------------------------

CSize CTKCommandBarsOfficeXPTheme::DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected,
                                                      BOOL bDraw) {
  const CSize sz(0, TKScaleY(9));
  if (!bDraw || pDC == nullptr) return sz;
  CRect rcBand(TKScaleX(1), TKScaleY(1), rc.right + TKScaleX(1), rc.Height());
  FillRectIndexed(pDC, rcBand, -1, 41);
  rcBand.DeflateRect(1, 1);
  if (bSelected)
    FillRectIndexed(pDC, rcBand, 32, 31);
  else
    FillRectIndexed(pDC, rcBand, -1, 30);

  const int nCenter = rcBand.CenterPoint().x;
  int nHalf = TKScaleX(16);
  if (nHalf > rcBand.Width() / 2 - TKScaleX(10)) nHalf = rcBand.Width() / 2 - TKScaleX(10);
  if (nHalf <= 0) return sz;
  const int arrSelected[] = {4, 6};
  const int arrNormal[] = {3, 5, 7};
  const COLORREF clr = GetIndexedColor(bSelected ? 45 : 38);
  const int* pRows = bSelected ? arrSelected : arrNormal;
  const int nRows = bSelected ? 2 : 3;
  for (int i = 0; i < nRows; ++i)
    DrawHorizontalLine(pDC, nCenter - nHalf, TKScaleY(pRows[i]), nCenter + nHalf, clr);
  return sz;
}

void CTKCommandBarsOfficeXPTheme::DrawPopupResizeGripper(CDC* pDC, CRect rc, int nResizeMode) {
  FillRectIndexed(pDC, rc, -1, 30);
  const CSize szDot(TKScaleX(2), TKScaleY(2));
  auto dot = [&](int x, int y) {
    FillRectIndexed(pDC, CRect(CPoint(x, y), szDot), -1, 5);
    FillRectIndexed(pDC, CRect(CPoint(x - 1, y - 1), szDot), -1, 38);
  };
  if (nResizeMode == 2) {
    const int nCenter = rc.CenterPoint().x;
    for (int x = nCenter - TKScaleX(8); x < nCenter + TKScaleX(8); x += TKScaleX(4))
      dot(x, rc.top + TKScaleY(3));
    return;
  }
  const int x = rc.right - TKScaleX(4);
  const int y = rc.bottom - TKScaleY(4);
  dot(x, y);
  dot(rc.right - TKScaleX(8), y);
  dot(x, rc.bottom - TKScaleY(8));
}
