// CTKCommandBarsNativeXPTheme: bar backgrounds, grippers, captions and
// separators, the pop-up's icon band, edit fields, combo and spin buttons.
#include <algorithm>

#include "TKControlDrawState.h"
#include "commandbars/TKControlEdit.h"
#include "commandbars/TKDockBar.h"
#include "common/TKDCHelpers.h"
#include "common/TKWinThemeWrapper.h"
#include "themes/TKCommandBarsNativeXPTheme.h"

namespace {

BOOL IsSideBarPosition(int nPosition) {
  return nPosition == tkBarLeft || nPosition == tkBarRight;
}

}  // namespace

void CTKCommandBarsNativeXPTheme::FillRebarBackground(CDC* pDC, const CRect& rcBack,
                                                      const CRect& rcClip) {
  DrawStyle(styleRebar, pDC, 0, 0, rcBack, &rcClip);
}

void CTKCommandBarsNativeXPTheme::FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) {
  const int nPosition = pBar->GetPosition();
  if (!IsVisualStylesOn() || (nPosition == tkBarFloating && pBar->IsDialogBar())) {
    CTKCommandBarsOffice2000Theme::FillCommandBarEntry(pDC, pBar);
    return;
  }
  CRect rc(0, 0, 0, 0);
  pBar->GetClientRect(&rc);
  if (nPosition == tkBarPopup) {
    if (IsStyleOpen(styleMenu) && DrawStyle(styleMenu, pDC, 10, 0, rc)) {
      CRect rcInside = rc;
      rcInside.DeflateRect(TKScaleX(3), TKScaleY(3));
      DrawStyle(styleMenu, pDC, 9, 0, rcInside);
      return;
    }
    if (m_bFlatMenus) {
      FillRectIndexed(pDC, rc, COLOR_BTNSHADOW, COLOR_MENU);
      return;
    }
    FillRectIndexed(pDC, rc, -1, COLOR_MENU);
    Draw3dRectIndexed(pDC, rc, COLOR_BTNFACE, COLOR_3DDKSHADOW);
    rc.DeflateRect(1, 1);
    Draw3dRectIndexed(pDC, rc, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
    return;
  }
  if (nPosition == tkBarFloating) {
    if (pBar->GetType() == tkBarTypePopup) {
      FillRectIndexed(pDC, rc, -1, COLOR_MENU);
    } else {
      FillRectIndexed(pDC, rc, -1, COLOR_BTNFACE);
      DrawStyle(styleToolBar, pDC, 0, 0, rc);
    }
    const int cxBorder = TKScaleX(3);
    const int cyBorder = TKScaleY(3);
    DrawStyle(styleWindow, pDC, 10, 1, CRect(rc.left, rc.top, rc.left + cxBorder, rc.bottom));
    DrawStyle(styleWindow, pDC, 11, 1, CRect(rc.right - cxBorder, rc.top, rc.right, rc.bottom));
    DrawStyle(styleWindow, pDC, 12, 1, CRect(rc.left, rc.bottom - cyBorder, rc.right, rc.bottom));
    return;
  }
  if (nPosition == tkBarTop && pBar->GetSafeHwnd() != NULL &&
      ::GetParent(pBar->GetSafeHwnd()) != NULL) {
    // Laid over the whole parent, so that it runs on across the bars beside.
    const HWND hParent = ::GetParent(pBar->GetSafeHwnd());
    CRect rcParent;
    ::GetClientRect(hParent, &rcParent);
    ::MapWindowPoints(hParent, pBar->GetSafeHwnd(), reinterpret_cast<LPPOINT>(&rcParent), 2);
    FillRebarBackground(pDC, rcParent, rc);
  } else {
    FillRectIndexed(pDC, rc, -1, COLOR_BTNFACE);
  }
  DrawStyle(styleRebar, pDC, 3, 0, rc);
  if (!IsFlatCommandBar(pBar)) pDC->Draw3dRect(rc, m_clrBandEdgeLight, m_clrBandEdgeDark);
}

void CTKCommandBarsNativeXPTheme::FillDockBar(CDC* pDC, CTKDockBar* pDockBar) {
  if (!IsVisualStylesOn()) {
    CTKCommandBarsOffice2000Theme::FillDockBar(pDC, pDockBar);
    return;
  }
  CRect rc;
  pDockBar->GetClientRect(&rc);
  if (pDockBar->GetPosition() == tkBarTop)
    FillRebarBackground(pDC, rc, rc);
  else
    FillRectIndexed(pDC, rc, -1, COLOR_BTNFACE);
}

// Grippers and captions ------------------------------------------------------------------

CSize CTKCommandBarsNativeXPTheme::DrawCommandBarGripper(CDC* pDC, CTKCommandBar* pBar,
                                                         BOOL bDraw) {
  if (!IsVisualStylesOn())
    return CTKCommandBarsOffice2000Theme::DrawCommandBarGripper(pDC, pBar, bDraw);
  const CSize sz(TKScaleX(8), std::max<int>(TKScaleY(22), GetTextHeight() + TKScaleY(4)));
  if (pDC != nullptr && bDraw)
    DrawStyle(styleRebar, pDC, 1, 1, CRect(TKScaleX(2), TKScaleY(3), TKScaleX(8), sz.cy));
  return sz;
}

CSize CTKCommandBarsNativeXPTheme::DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar,
                                                          BOOL bDraw) {
  if (!IsVisualStylesOn())
    return CTKCommandBarsOffice2000Theme::DrawFloatingBarCaption(pDC, pBar, bDraw);
  if (pBar->IsDialogBar()) return DrawCommandBarGripper(pDC, pBar, bDraw);
  const int nPosition = pBar->GetPosition();
  CRect rcClient(0, 0, 0, 0);
  pBar->GetClientRect(&rcClient);
  const BOOL bPaint = pDC != nullptr && bDraw;
  if (nPosition == tkBarPopup) {
    if (!IsStyleOpen(styleMenu))
      return CTKCommandBarsOffice2000Theme::DrawFloatingBarCaption(pDC, pBar, bDraw);
    if (bPaint) {
      CRect rcBand = rcClient;
      rcBand.DeflateRect(TKScaleX(3), TKScaleY(3));
      rcBand.right = rcBand.left + GetPopupBarGripperWidth(pBar);
      DrawStyle(styleMenu, pDC, 13, 0, rcBand);
    }
    return CSize(0, 0);
  }
  if (nPosition == tkBarTop || nPosition == tkBarBottom) {
    if (bPaint)
      DrawStyle(styleRebar, pDC, 1, 1, CRect(TKScaleX(2), 0, TKScaleX(8), rcClient.bottom));
    return CSize(TKScaleX(8), 0);
  }
  if (IsSideBarPosition(nPosition)) {
    if (bPaint)
      DrawStyle(styleRebar, pDC, 2, 1, CRect(0, TKScaleY(2), rcClient.right, TKScaleY(8)));
    return CSize(0, TKScaleY(8));
  }
  return DrawFloatingCaptionBand(pDC, pBar, bDraw);
}

CSize CTKCommandBarsNativeXPTheme::DrawFloatingCaptionBand(CDC* pDC, CTKCommandBar* pBar,
                                                           BOOL bDraw) {
  if (pDC == nullptr) return CSize(0, 0);
  CRect rcClient(0, 0, 0, 0);
  pBar->GetClientRect(&rcClient);
  CTKFontDC font(pDC, &m_fontSmallCaption);
  const int cyCaption = std::max<int>(pDC->GetTextExtent(" ", 1).cy, TKScaleY(15));
  const int cyBand = cyCaption + TKScaleY(3);
  if (bDraw) {
    DrawStyle(styleWindow, pDC, 2, 1, CRect(0, 0, rcClient.right, cyBand));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_clrFloatingCaptionText);
    CRect rcText(TKScaleX(5), TKScaleY(3), rcClient.right + TKScaleX(3) - 2 * cyBand, cyBand);
    pDC->DrawText(pBar->GetTitle(), rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  return CSize(rcClient.Width(), cyCaption);
}

// Separators --------------------------------------------------------------------------------

CSize CTKCommandBarsNativeXPTheme::DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar,
                                                           CTKControl* pControl, BOOL bDraw) {
  if (!bDraw || pDC == nullptr || pControl == nullptr || !IsVisualStylesOn())
    return CTKCommandBarsOffice2000Theme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
  const int nPosition = pBar->GetPosition();
  const CRect rc = pControl->GetRect();
  const CRect rcRow = pControl->GetRowRect();
  const BOOL bWrap = pControl->GetWrap();
  if (pBar->GetType() == tkBarTypePopup || nPosition == tkBarPopup) {
    if (nPosition != tkBarPopup || !IsStyleOpen(styleMenu) || bWrap)
      return CTKCommandBarsOffice2000Theme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
    DrawStyle(styleMenu, pDC, 15, 0,
              CRect(rc.left + GetPopupBarGripperWidth(pBar), rc.top - 8, rc.right, rc.top - 2));
  } else if (IsSideBarPosition(nPosition)) {
    if (bWrap)
      DrawStyle(styleToolBar, pDC, 5, 0,
                CRect(rcRow.right, rcRow.top + TKScaleY(4), rcRow.right + TKScaleX(5),
                      rcRow.bottom));
    else
      DrawStyle(styleToolBar, pDC, 6, 0,
                CRect(rcRow.left, rc.top - TKScaleY(6), rcRow.right, rc.top));
  } else if (bWrap) {
    DrawStyle(styleToolBar, pDC, 6, 0,
              CRect(rcRow.left + TKScaleX(4), rcRow.top - TKScaleY(5), rcRow.right, rcRow.top));
  } else {
    DrawStyle(styleToolBar, pDC, 5, 0,
              CRect(rc.left - TKScaleX(6), rcRow.top, rc.left, rcRow.bottom));
  }
  return CSize(0, 0);
}

void CTKCommandBarsNativeXPTheme::AdjustExcludeRect(CRect& rc, CTKControl* pControl,
                                                    BOOL bVertical) {
  if (!IsVisualStylesOn()) {
    CTKCommandBarsOffice2000Theme::AdjustExcludeRect(rc, pControl, bVertical);
    return;
  }
  CTKCommandBar* pBar = pControl->GetParent();
  if (pControl->GetType() == tkControlComboBox || pBar == nullptr ||
      pBar->GetType() != tkBarTypePopup)
    return;
  rc.DeflateRect(TKScaleX(3), 0);
  rc.InflateRect(0, TKScaleY(3));
}

// The pop-up's icon band ------------------------------------------------------------------

void CTKCommandBarsNativeXPTheme::FillPopupBarBand(CDC* pDC, CTKCommandBar*, int x, int y, int cx,
                                                   int cy) {
  if (IsStyleOpen(styleMenu)) DrawStyle(styleMenu, pDC, 13, 0, CRect(x, y, x + cx, y + cy));
}

int CTKCommandBarsNativeXPTheme::GetPopupBarGripperWidth(CTKCommandBar* pBar) {
  const int cx = CTKCommandBarsOffice2000Theme::GetPopupBarGripperWidth(pBar);
  return IsStyleActive(styleMenu) ? cx + TKScaleX(3) : cx;
}

// Edit fields, combo and spin buttons ---------------------------------------------------------

void CTKCommandBarsNativeXPTheme::DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled,
                                                int nSelected) {
  CTKWinThemeWrapper* pCombo = m_styles[styleComboBox].get();
  if (!pCombo->IsAppThemed()) {
    CTKCommandBarsOffice2000Theme::DrawEditFrame(pDC, rc, bEnabled, nSelected);
    return;
  }
  COLORREF clrFrame = GetIndexedColor(COLOR_BTNSHADOW);
  pCombo->GetThemeColor(1, bEnabled ? 1 : 4, 3801, &clrFrame);
  FillRectWithBorder(pDC, rc, clrFrame, -1);
}

void CTKCommandBarsNativeXPTheme::DrawComboButton(CDC* pDC, CRect rc, BOOL bEnabled,
                                                  BOOL bSelected, BOOL bDropped) {
  if (!IsStyleActive(styleComboBox)) {
    CTKCommandBarsOffice2000Theme::DrawComboButton(pDC, rc, bEnabled, bSelected, bDropped);
    return;
  }
  rc.left -= TKScaleX(2);
  rc.DeflateRect(0, TKScaleY(1), TKScaleX(1), TKScaleY(1));
  const int nState = !bEnabled ? 4 : bDropped ? 3 : bSelected ? 2 : 1;
  DrawStyle(styleComboBox, pDC, 1, nState, rc);
}

void CTKCommandBarsNativeXPTheme::DrawSpinButtons(CDC* pDC, CTKControl* pControl) {
  CTKControlEdit* pEdit = dynamic_cast<CTKControlEdit*>(pControl);
  if (!IsVisualStylesOn() || pEdit == nullptr) {
    CTKCommandBarsOffice2000Theme::DrawSpinButtons(pDC, pControl);
    return;
  }
  const CRect rcSpin = pEdit->GetSpinButtonsRect();
  if (rcSpin.IsRectEmpty()) return;
  const int nMiddle = rcSpin.CenterPoint().y;
  const int nSelected = pControl->GetSelected();
  const int nPressed = pControl->GetPressed();
  auto state = [&](int nHalf) {
    if (!pControl->GetEnabled()) return 4;
    if (nSelected && nPressed == nHalf) return 3;
    return nSelected == nHalf ? 2 : 1;
  };
  DrawStyle(styleSpin, pDC, 1, state(4), CRect(rcSpin.left, rcSpin.top, rcSpin.right, nMiddle));
  DrawStyle(styleSpin, pDC, 2, state(5),
            CRect(rcSpin.left, nMiddle, rcSpin.right, rcSpin.bottom));
}
