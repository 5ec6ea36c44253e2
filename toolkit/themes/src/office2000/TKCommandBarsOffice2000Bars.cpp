// CTKCommandBarsOffice2000Theme: bar faces, grippers, separators, borders and
// the small parts of pop-ups and edit fields.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControlEdit.h"
#include "common/TKDpiHelper.h"
#include "common/TKGlyphFont.h"
#include "themes/TKCommandBarsOffice2000Theme.h"
#include "TKGlyphCodes.h"

namespace {

BOOL IsSideBarPosition(int nPosition) {
  return nPosition == tkBarLeft || nPosition == tkBarRight;
}

int ScaleX(int n) { return TKDpiHelper()->ScaleX(n); }
int ScaleY(int n) { return TKDpiHelper()->ScaleY(n); }

}  // namespace

void CTKCommandBarsOffice2000Theme::FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) {
  CRect rc(0, 0, 0, 0);
  pBar->GetClientRect(&rc);
  FillRectIndexed(pDC, rc, -1, 15);
  const int nPosition = pBar->GetPosition();
  if (nPosition == tkBarFloating || nPosition == tkBarPopup) {
    Draw3dRectIndexed(pDC, rc, 15, 21);
    rc.DeflateRect(1, 1);
    DrawRaised(pDC, rc);
  } else if (!IsFlatCommandBar(pBar)) {
    DrawRaised(pDC, rc);
  }
}

CSize CTKCommandBarsOffice2000Theme::DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar,
                                                            BOOL bDraw) {
  if (pBar->IsDialogBar()) return DrawCommandBarGripper(pDC, pBar, bDraw);
  const int nPosition = pBar->GetPosition();
  if (nPosition == tkBarFloating) return CTKPaintManagerBase::DrawFloatingBarCaption(pDC, pBar, bDraw);
  CRect rcClient(0, 0, 0, 0);
  pBar->GetClientRect(&rcClient);
  if (nPosition == tkBarTop || nPosition == tkBarBottom) {
    if (pDC != nullptr && bDraw)
      DrawRaised(pDC, CRect(ScaleX(3), ScaleY(3), ScaleX(6), rcClient.bottom - ScaleY(3)));
    return CSize(ScaleX(6), 0);
  }
  if (IsSideBarPosition(nPosition)) {
    if (pDC != nullptr && bDraw)
      DrawRaised(pDC, CRect(ScaleX(3), ScaleY(3), rcClient.right - ScaleX(3), ScaleY(6)));
    return CSize(0, ScaleY(8));
  }
  return CSize(0, 0);
}

CSize CTKCommandBarsOffice2000Theme::DrawCommandBarGripper(CDC* pDC, CTKCommandBar* pBar,
                                                           BOOL bDraw) {
  const CSize sz(ScaleX(6), ScaleY(std::max<int>(22, GetTextHeight() + 4)));
  if (pDC != nullptr && bDraw) {
    CRect rcClient(0, 0, 0, 0);
    pBar->GetClientRect(&rcClient);
    DrawRaised(pDC, CRect(ScaleX(3), ScaleY(3), ScaleX(6), rcClient.bottom));
  }
  return sz;
}

CSize CTKCommandBarsOffice2000Theme::DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar,
                                                             CTKControl* pControl, BOOL bDraw) {
  const BOOL bPopup = pBar->GetPosition() == tkBarPopup;
  const CSize sz = bPopup ? CSize(ScaleX(8), ScaleY(8)) : CSize(ScaleX(6), ScaleY(6));
  if (!bDraw || pDC == nullptr || pControl == nullptr) return sz;

  // A groove two pixels thick in the gap before the control.
  const CRect rc = pControl->GetRect();
  const CRect rcRow = pControl->GetRowRect();
  const BOOL bWrap = pControl->GetWrap();
  CRect rcGroove;
  if (bPopup) {
    rcGroove = bWrap ? CRect(rc.left - ScaleX(5), rcRow.top + ScaleY(3), rc.left - ScaleX(3),
                             rcRow.bottom - ScaleY(3))
                     : CRect(rc.left + ScaleX(11), rc.top - ScaleY(5), rc.right - ScaleX(11),
                             rc.top - ScaleY(3));
  } else if (IsSideBarPosition(pBar->GetPosition())) {
    rcGroove = bWrap ? CRect(rcRow.right + ScaleX(2), rcRow.top + ScaleY(4),
                             rcRow.right + ScaleX(4), rcRow.bottom)
                     : CRect(rcRow.left, rc.top - ScaleY(4), rcRow.right, rc.top - ScaleY(2));
  } else {
    rcGroove = bWrap ? CRect(rcRow.left + ScaleX(4), rcRow.top - ScaleY(4), rcRow.right,
                             rcRow.top - ScaleY(2))
                     : CRect(rc.left - ScaleX(4), rcRow.top, rc.left - ScaleX(2), rcRow.bottom);
  }
  DrawSunken(pDC, rcGroove);
  return sz;
}

void CTKCommandBarsOffice2000Theme::AdjustExcludeRect(CRect& rc, CTKControl* pControl,
                                                      BOOL bVertical) {
  CTKCommandBar* pBar = pControl->GetParent();
  if (pBar == nullptr || pControl->GetType() == tkControlComboBox) return;
  if (pBar->GetType() == tkBarTypePopup)
    rc.DeflateRect(ScaleX(1), 0);
  else if (bVertical)
    rc.InflateRect(0, ScaleY(1));
  else
    rc.InflateRect(ScaleX(1), 0);
}

CRect CTKCommandBarsOffice2000Theme::GetCommandBarBorders(CTKCommandBar* pBar) {
  if (pBar == nullptr || pBar->GetType() != tkBarTypePopup)
    return CTKPaintManagerBase::GetCommandBarBorders(pBar);
  return CRect(ScaleX(3), ScaleY(3), ScaleX(3), ScaleY(3));
}

CSize CTKCommandBarsOffice2000Theme::DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected,
                                                        BOOL bDraw) {
  if (bDraw && pDC != nullptr) {
    rc.bottom -= ScaleY(1);
    FillRectIndexed(pDC, rc, -1, bSelected ? 2 : 3);
  }
  return CSize(0, ScaleY(8));
}

void CTKCommandBarsOffice2000Theme::DrawPopupResizeGripper(CDC* pDC, CRect rc, int nResizeMode) {
  // A two-tone dot: window colour below right, the toolkit's dark dot above left.
  auto dot = [&](int x, int y) {
    FillRectIndexed(pDC, CRect(CPoint(x + 1, y + 1), CSize(ScaleX(2), ScaleY(2))), -1, 5);
    FillRectIndexed(pDC, CRect(CPoint(x, y), CSize(ScaleX(2), ScaleY(2))), -1, 38);
  };
  if (nResizeMode == 2) {
    const int nCenter = rc.CenterPoint().x;
    for (int x = nCenter - 8; x <= nCenter + 8; x += 4) dot(x, rc.top + 3);
    return;
  }
  const int x = rc.right - ScaleX(4);
  const int y = rc.bottom - ScaleY(4);
  dot(x, y);
  dot(x - ScaleX(4), y);
  dot(x, y - ScaleY(4));
}

CSize CTKCommandBarsOffice2000Theme::DrawSpecialControl(CDC* pDC, int nKind, CTKControl* pControl,
                                                        CTKCommandBar* pBar, BOOL bDraw,
                                                        LPVOID lpParam) {
  if (bDraw && (nKind == 2 || nKind == 3)) {
    const BOOL bHot = pControl->GetSelected() || pControl->GetPressed() ||
                      (nKind == 3 && pControl->IsPopupOpen());
    if (bHot) FillRectIndexed(pDC, pControl->GetRect(), -1, 15);
  }
  return CTKPaintManagerBase::DrawSpecialControl(pDC, nKind, pControl, pBar, bDraw, lpParam);
}

// Edit fields and combo boxes ----------------------------------------------------------

void CTKCommandBarsOffice2000Theme::DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled,
                                                  int nSelected) {
  if (bEnabled) {
    if (nSelected) DrawSunken(pDC, rc);
    rc.DeflateRect(1, 1);
    Draw3dRectIndexed(pDC, rc, 15, 15);
    return;
  }
  rc.DeflateRect(1, 1);
  const int nFrame = nSelected == 2 || nSelected == 3 ? 16 : 20;
  Draw3dRectIndexed(pDC, rc, nFrame, nFrame);
}

void CTKCommandBarsOffice2000Theme::DrawComboButton(CDC* pDC, CRect rc, BOOL bEnabled,
                                                    BOOL bSelected, BOOL bDropped) {
  rc.DeflateRect(ScaleX(1), ScaleY(2), ScaleX(2), ScaleY(2));
  CRect rcGlyph = rc;
  if (bEnabled) {
    FillRectIndexed(pDC, rc, -1, 15);
    if (bDropped) {
      DrawSunken(pDC, rc);
      rcGlyph.OffsetRect(ScaleX(1), ScaleY(1));
    } else if (bSelected) {
      DrawRaised(pDC, rc);
    } else {
      Draw3dRectIndexed(pDC, rc, 20, 20);
    }
  }
  DrawComboExpandMark(pDC, rcGlyph, GetIndexedColor(18));
}

void CTKCommandBarsOffice2000Theme::DrawSpinButtons(CDC* pDC, CTKControl* pControl) {
  CTKControlEdit* pEdit = dynamic_cast<CTKControlEdit*>(pControl);
  if (pEdit == nullptr) return;
  const CRect rcSpin = pEdit->GetSpinButtonsRect();
  if (rcSpin.IsRectEmpty()) return;
  const int nMiddle = rcSpin.CenterPoint().y;
  const CRect rcUp(rcSpin.left + ScaleX(1), rcSpin.top + ScaleY(1), rcSpin.right - ScaleX(1),
                   nMiddle);
  const CRect rcDown(rcSpin.left + ScaleX(1), nMiddle, rcSpin.right - ScaleX(1),
                     rcSpin.bottom - ScaleY(1));
  const BOOL bEnabled = pControl->GetEnabled();
  if (bEnabled && pControl->GetSelected()) {
    FillRectIndexed(pDC, rcSpin, -1, 15);
    const int nPressed = pControl->GetPressed();
    Draw3dRectIndexed(pDC, rcUp, nPressed == 4 ? 16 : 5, nPressed == 4 ? 5 : 16);
    Draw3dRectIndexed(pDC, rcDown, nPressed == 5 ? 16 : 5, nPressed == 5 ? 5 : 16);
  } else if (bEnabled) {
    CRect rcFrame = rcSpin;
    rcFrame.DeflateRect(1, 1);
    FillRectIndexed(pDC, rcFrame, 5, 15);
  }
  const COLORREF clrGlyph = GetIndexedColor(bEnabled ? 18 : 17);
  CRect rcUpGlyph = rcUp;
  rcUpGlyph.bottom += 1;
  TKGlyphFont()->DrawGlyph(pDC, kTKGlyphSpinUp, rcUpGlyph, clrGlyph);
  TKGlyphFont()->DrawGlyph(pDC, kTKGlyphSpinDown, rcDown, clrGlyph);
}
