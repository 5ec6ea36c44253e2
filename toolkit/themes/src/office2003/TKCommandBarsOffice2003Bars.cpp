// CTKCommandBarsOffice2003Theme: dock areas, bar backgrounds, gradient faces,
// dotted grippers and separators, the expand button and the tear-off band.
#include <algorithm>

#include "TKControlDrawState.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKDialogBar.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDCHelpers.h"
#include "common/TKDrawHelpers.h"
#include "common/TKGlyphFont.h"
#include "common/TKScopedHandle.h"
#include "themes/TKCommandBarsOffice2003Theme.h"

namespace {

// The right-hand dock bar's style bits (its alignment and its left border).
const DWORD kRightDockStyle = 0x4100;

BOOL IsSideBarPosition(int nPosition) {
  return nPosition == tkBarLeft || nPosition == tkBarRight;
}

/// The gradient's rectangle from `rc`'s left edge: at least half the screen.
CRect WidenToHalfScreen(CRect rc) {
  const int cxHalf = ::GetSystemMetrics(SM_CXFULLSCREEN) / 2;
  if (rc.Width() < cxHalf) rc.right = rc.left + cxHalf;
  return rc;
}

/// The dock bar a docked bar sits in; null when it floats or has no window.
CTKDockBar* GetDockBarWindow(CTKCommandBar* pBar) {
  if (pBar->GetSafeHwnd() == NULL) return nullptr;
  return DYNAMIC_DOWNCAST(CTKDockBar, CWnd::FromHandlePermanent(::GetParent(pBar->GetSafeHwnd())));
}

/// The bar's bottom (or right edge) of the last visible control's row.
int GetLastRowEnd(CTKCommandBar* pBar, BOOL bVertical, int nDefault) {
  int nEnd = -1;
  for (int i = 0; i < pBar->GetControlCount(); ++i) {
    CTKControl* pControl = pBar->GetControl(i);
    if (!pControl->IsVisible()) continue;
    const CRect rcRow = pControl->GetRowRect();
    const CRect rc = rcRow.IsRectEmpty() ? pControl->GetRect() : rcRow;
    nEnd = std::max<int>(nEnd, bVertical ? rc.right : rc.bottom);
  }
  return nEnd < 0 ? nDefault : nEnd;
}

}  // namespace

void CTKCommandBarsOffice2003Theme::FillDockGradient(CDC* pDC, CRect rc, CRect rcClip) {
  TKDrawHelpers()->GradientFillTwoPart(pDC, WidenToHalfScreen(rc), m_grcDockBar, TRUE, rcClip);
}

void CTKCommandBarsOffice2003Theme::FillDockBar(CDC* pDC, CTKDockBar* pDockBar) {
  CRect rc;
  pDockBar->GetClientRect(&rc);
  CTKCommandBars* pCommandBars = pDockBar->GetCommandBars();
  if (pDockBar->GetPosition() == tkBarTop && pCommandBars != nullptr &&
      pCommandBars->IsDwmEnabled()) {
    pDC->FillSolidRect(rc, RGB(0, 0, 0));
    return;
  }
  if ((pDockBar->GetBarStyle() & kRightDockStyle) != 0) {
    pDC->FillSolidRect(rc, m_grcDockBar.m_clrDark);
    return;
  }
  FillDockGradient(pDC, rc, rc);
}

void CTKCommandBarsOffice2003Theme::FillPopupBarBand(CDC* pDC, int x, int y, int cx, int cy,
                                                     BOOL bExpanded) {
  TKDrawHelpers()->GradientFillTwoPart(pDC, CRect(x, y, x + cx, y + cy),
                                       bExpanded ? m_grcExpandedPopupBand : m_grcPopupBand,
                                       TRUE, NULL);
}

void CTKCommandBarsOffice2003Theme::FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) {
  CRect rc(0, 0, 0, 0);
  pBar->GetClientRect(&rc);
  const int nPosition = pBar->GetPosition();
  if (nPosition == tkBarPopup) {
    FillRectIndexed(pDC, rc, 43, 41);
    FillPopupOpenerEdge(pDC, DYNAMIC_DOWNCAST(CTKPopupBar, pBar), GetIndexedColor(41));
    return;
  }

  // The docked bar's gradient continues that of its dock bar.
  CRect rcDock = rc;
  CTKDockBar* pDockBar = GetDockBarWindow(pBar);
  if (pDockBar != nullptr) {
    pDockBar->GetClientRect(&rcDock);
    pDockBar->ClientToScreen(&rcDock);
    pBar->ScreenToClient(&rcDock);
  }
  const BOOL bRightDock = pDockBar != nullptr && (pDockBar->GetBarStyle() & kRightDockStyle) != 0;
  const COLORREF clrBorder = GetIndexedColor(61);
  auto roundFloatingCorners = [&]() {
    pDC->SetPixel(2, 2, clrBorder);
    pDC->SetPixel(rc.right - 3, 2, clrBorder);
    pDC->SetPixel(2, rc.bottom - 3, clrBorder);
    pDC->SetPixel(rc.right - 3, rc.bottom - 3, clrBorder);
  };

  if (IsFlatCommandBar(pBar)) {
    FillDockGradient(pDC, rcDock, rc);
    if (nPosition == tkBarFloating) {
      FillRectWithBorder(pDC, rc, clrBorder, -1);
      FillRectWithBorder(pDC, CRect(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1),
                         clrBorder, -1);
      roundFloatingCorners();
    }
    return;
  }

  if (nPosition == tkBarFloating) {
    if (!IsGradientToolBar(pBar)) {
      CTKCommandBarsOfficeXPTheme::FillCommandBarEntry(pDC, pBar);
      return;
    }
    FillRectWithBorder(pDC, rc, clrBorder, GetIndexedColor(30));
    FillRectWithBorder(pDC, CRect(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1),
                       clrBorder, -1);
    const int cyCaption = std::max<int>(TKScaleY(15), CalcFloatingBarCaptionSize(pBar).cy);
    int yTop = cyCaption + TKScaleY(2);
    const int xLeft = TKScaleX(2);
    const int xRight = rc.right - TKScaleX(2);
    // One band per row: a wrapping control below the band's top ends it.
    for (int i = 0; i < pBar->GetControlCount(); ++i) {
      CTKControl* pControl = pBar->GetControl(i);
      if (!pControl->IsVisible() || !pControl->GetWrap()) continue;
      const int yRow = pControl->GetRowRect().top;
      if (yRow <= yTop) continue;
      TKDrawHelpers()->GradientFillTwoPart(pDC, CRect(xLeft, yTop, xRight, yRow), m_grcToolBar,
                                           FALSE, NULL);
      yTop = yRow;
    }
    TKDrawHelpers()->GradientFillTwoPart(
        pDC, CRect(xLeft, yTop, xRight, rc.bottom - TKScaleY(2)), m_grcToolBar, FALSE, NULL);
    roundFloatingCorners();
    return;
  }

  if (nPosition != tkBarTop && nPosition != tkBarBottom && !IsSideBarPosition(nPosition)) {
    CTKCommandBarsOfficeXPTheme::FillCommandBarEntry(pDC, pBar);
    return;
  }

  const BOOL bVertical = IsSideBarPosition(nPosition);
  FillRectIndexed(pDC, rc, -1, 15);
  if (bRightDock)
    pDC->FillSolidRect(rc, m_grcDockBar.m_clrDark);
  else
    FillDockGradient(pDC, rcDock, rc);

  // The dock shows through a strip and the corners: the bar looks rounded.
  CTKDCSaveState clip(pDC);
  pDC->IntersectClipRect(rc);
  const int nStrip = TKScaleX(3);
  const CRect rcFace = bVertical ? CRect(1, nStrip, rc.right - 1, rc.bottom)
                                 : CRect(nStrip, 1, rc.right, rc.bottom - 1);
  CTKDrawHelpers::ExcludeCorners(pDC, rcFace.left, rcFace.top, rcFace.right, rcFace.bottom);
  pDC->ExcludeClipRect(bVertical ? CRect(0, 0, rc.right, nStrip) : CRect(0, 0, nStrip, rc.bottom));

  if (bVertical) {
    const int xEnd = GetLastRowEnd(pBar, TRUE, rc.right) + 1;
    TKDrawHelpers()->GradientFillTwoPart(pDC, CRect(1, rc.top, xEnd, rc.bottom), m_grcToolBar,
                                         TRUE, NULL);
    pDC->FillSolidRect(CRect(xEnd, rc.top, rc.right - 1, rc.bottom), m_grcToolBar.m_clrDark);
    DrawVerticalLine(pDC, rc.right - 1, TKScaleY(5), rc.bottom - TKScaleY(2), m_clrToolBarShadow);
  } else {
    const int yEnd = GetLastRowEnd(pBar, FALSE, rc.bottom) + 1;
    TKDrawHelpers()->GradientFillTwoPart(pDC, CRect(rc.left, 1, rc.right, yEnd), m_grcToolBar,
                                         FALSE, NULL);
    pDC->FillSolidRect(CRect(rc.left, yEnd, rc.right, rc.bottom - 1), m_grcToolBar.m_clrDark);
    DrawHorizontalLine(pDC, TKScaleX(5), rc.bottom - 1, rc.right - TKScaleX(2), m_clrToolBarShadow);
  }
}

// Faces ---------------------------------------------------------------------------------

void CTKCommandBarsOffice2003Theme::DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected,
                                                  BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                                  BOOL bPopuped, int nBarType, int nBarPosition) {
  if (bPopuped && bEnabled) {
    TKDrawHelpers()->GradientFillTwoPart(pDC, rc, m_grcPopupOpen, FALSE, NULL);
    FillRectWithBorder(pDC, rc, GetIndexedColor(43), -1);
    return;
  }
  if (!m_bSchemeColors || nBarType == tkBarTypePopup || nBarPosition < tkBarTop ||
      nBarPosition > tkBarFloating) {
    CTKCommandBarsOfficeXPTheme::DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked,
                                               bPopuped, nBarType, nBarPosition);
    return;
  }
  const CTKPaintManagerColorGradient* pFace = nullptr;
  int nBorder = -1;
  if (!bEnabled) {
    if (bSelected == 2 || bSelected == 3) {
      pFace = bChecked ? &m_grcPushed : &m_grcHot;
      nBorder = 50;
    } else if (bChecked) {
      pFace = &m_grcChecked;
      nBorder = 58;
    }
  } else if (bChecked == 2 && !bSelected && !bPressed) {
    FillRectIndexed(pDC, rc, 50, 51);
    return;
  } else if (bChecked && !bSelected && !bPressed) {
    pFace = &m_grcChecked;
    nBorder = 37;
  } else if ((bChecked && bSelected && !bPressed) || bPressed == 2 || bPressed == 3 ||
             (bSelected && bPressed)) {
    pFace = &m_grcPushed;
    nBorder = 50;
  } else if ((bSelected != 0) != (bPressed != 0)) {
    pFace = &m_grcHot;
    nBorder = 32;
  }
  if (pFace == nullptr) return;
  TKDrawHelpers()->GradientFillTwoPart(pDC, rc, *pFace, IsSideBarPosition(nBarPosition), NULL);
  FillRectWithBorder(pDC, rc, GetIndexedColor(nBorder), -1);
}

// Grippers --------------------------------------------------------------------------

void CTKCommandBarsOffice2003Theme::DrawGripperDot(CDC* pDC, int x, int y, COLORREF clrDark) {
  const CSize szDot(TKScaleX(2), TKScaleY(2));
  if (!m_bPlainGrippers) pDC->FillSolidRect(CRect(CPoint(x + 1, y + 1), szDot), GetIndexedColor(5));
  pDC->FillSolidRect(CRect(CPoint(x, y), szDot), clrDark);
}

CSize CTKCommandBarsOffice2003Theme::DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar,
                                                            BOOL bDraw) {
  if (pBar->IsDialogBar()) return DrawCommandBarGripper(pDC, pBar, bDraw);
  const int nPosition = pBar->GetPosition();
  const BOOL bHorizontal = nPosition == tkBarTop || nPosition == tkBarBottom;
  if (!bHorizontal && !IsSideBarPosition(nPosition))
    return CTKCommandBarsOfficeXPTheme::DrawFloatingBarCaption(pDC, pBar, bDraw);
  CRect rcClient(0, 0, 0, 0);
  pBar->GetClientRect(&rcClient);
  const BOOL bPaint = pDC != nullptr && bDraw;
  const COLORREF clr = GetIndexedColor(38);
  if (bHorizontal) {
    if (bPaint) {
      for (int y = TKScaleY(5); y < rcClient.Height() - TKScaleY(7); y += TKScaleY(4))
        DrawGripperDot(pDC, TKScaleX(6), y, clr);
    }
    return CSize(TKScaleX(6), 0);
  }
  if (bPaint) {
    for (int x = TKScaleX(4); x < rcClient.Width() - TKScaleX(5); x += TKScaleX(4))
      DrawGripperDot(pDC, x, TKScaleY(6), clr);
  }
  return CSize(0, TKScaleY(9));
}

CSize CTKCommandBarsOffice2003Theme::DrawCommandBarGripper(CDC* pDC, CTKCommandBar* pBar,
                                                           BOOL bDraw) {
  const CSize sz(TKScaleX(8), std::max<int>(TKScaleY(25), GetTextHeight() + TKScaleY(6)));
  if (pDC == nullptr || !bDraw) return sz;
  CRect rcClient(0, 0, 0, 0);
  pBar->GetClientRect(&rcClient);
  CRect rcBand = rcClient;
  rcBand.DeflateRect(TKScaleX(3), TKScaleY(3));
  rcBand.bottom = std::min<int>(rcBand.bottom, rcBand.top + sz.cy);
  // The bar keeps whether the focus is inside it, windows its child opened
  // included, and redraws when that changes.
  CTKDialogBar* pDialogBar = DYNAMIC_DOWNCAST(CTKDialogBar, pBar);
  const BOOL bActive = pDialogBar != nullptr && pDialogBar->IsActive();
  if (!bActive)
    TKDrawHelpers()->GradientFillTwoPart(pDC, rcBand, m_grcToolBar, FALSE, NULL);
  else if (m_bSchemeColors)
    TKDrawHelpers()->GradientFillTwoPart(pDC, rcBand, m_grcChecked, FALSE, NULL);
  else
    FillRectIndexed(pDC, rcBand, -1, 36);
  for (int y = rcBand.top + TKScaleY(4); y + TKScaleY(3) <= rcBand.bottom - TKScaleY(5);
       y += TKScaleY(4)) {
    pDC->FillSolidRect(CRect(TKScaleX(6), y + TKScaleY(1), TKScaleX(8), y + TKScaleY(3)),
                       GetIndexedColor(5));
    pDC->FillSolidRect(CRect(TKScaleX(5), y, TKScaleX(7), y + TKScaleY(2)), GetIndexedColor(38));
  }
  return sz;
}

// Separators ----------------------------------------------------------------------------

void CTKCommandBarsOffice2003Theme::DrawSeparatorPair(CDC* pDC, CPoint ptFrom, CPoint ptTo,
                                                      BOOL bWrapLine, BOOL bSideBar) {
  const BOOL bVerticalLine = ptFrom.x == ptTo.x;
  if (bVerticalLine)
    DrawVerticalLine(pDC, ptFrom.x, ptFrom.y, ptTo.y, GetIndexedColor(39));
  else
    DrawHorizontalLine(pDC, ptFrom.x, ptFrom.y, ptTo.x, GetIndexedColor(39));
  if (m_bPlainSeparators && !bWrapLine) return;
  const int nEndShift = bWrapLine ? 0 : 1;
  const COLORREF clrLight = GetIndexedColor(20);
  if (bVerticalLine) {
    DrawVerticalLine(pDC, ptFrom.x + 1, ptFrom.y + TKScaleY(1), ptTo.y + TKScaleY(nEndShift),
                     clrLight);
  } else {
    const int nDown = bSideBar ? TKScaleY(1) : 1;
    DrawHorizontalLine(pDC, ptFrom.x + TKScaleX(1), ptFrom.y + nDown,
                       ptTo.x + TKScaleX(nEndShift), clrLight);
  }
}

CSize CTKCommandBarsOffice2003Theme::DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar,
                                                             CTKControl* pControl, BOOL bDraw) {
  const int nPosition = pBar->GetPosition();
  const BOOL bPopupType = pBar->GetType() == tkBarTypePopup;
  if (nPosition == tkBarPopup || (nPosition == tkBarFloating && bPopupType))
    return CTKCommandBarsOfficeXPTheme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
  const CSize sz = nPosition == tkBarFloating
                       ? CSize(TKScaleX(6), 0)
                       : CTKCommandBarsOfficeXPTheme::DrawCommandBarSeparator(pDC, pBar, pControl,
                                                                              FALSE);
  if (!bDraw || pDC == nullptr || pControl == nullptr) return sz;
  const CRect rc = pControl->GetRect();
  const CRect rcRow = pControl->GetRowRect();
  const int i = m_nSeparatorInset;
  const BOOL bWrap = pControl->GetWrap();
  if (IsSideBarPosition(nPosition)) {
    if (bWrap) {
      const int x = rcRow.right + TKScaleX(2);
      DrawSeparatorPair(pDC, CPoint(x, rcRow.top + i), CPoint(x, rcRow.bottom), TRUE, TRUE);
    } else {
      const int y = rc.top - TKScaleY(4);
      DrawSeparatorPair(pDC, CPoint(rcRow.left + i, y), CPoint(rcRow.right - i, y), FALSE, TRUE);
    }
  } else if (bWrap) {
    if (nPosition == tkBarFloating) return sz;
    const int y = rcRow.top - TKScaleY(4);
    DrawSeparatorPair(pDC, CPoint(rcRow.left + i, y), CPoint(rcRow.right, y), TRUE, FALSE);
  } else {
    const int x = rc.left - TKScaleX(4);
    DrawSeparatorPair(pDC, CPoint(x, rcRow.top + i), CPoint(x, rcRow.bottom - i), FALSE, FALSE);
  }
  return sz;
}

// The expand button, the pop-up's expand row, borders and the tear-off band -------------

CSize CTKCommandBarsOffice2003Theme::DrawSpecialControl(CDC* pDC, int nKind, CTKControl* pControl,
                                                        CTKCommandBar* pBar, BOOL bDraw,
                                                        LPVOID lpParam) {
  if (nKind == 1) {
    if (!bDraw) return CSize(0, TKScaleY(18));
    DrawControlEntry(pDC, pControl);
    const CPoint ptCenter = pControl->GetRect().CenterPoint();
    DrawPopupExpandImage(pDC, ptCenter - CSize(TKScaleX(8), TKScaleY(8)));
    const CRect rc = pControl->GetRect();
    TKGlyphFont()->DrawGlyph(pDC, 62,
                             CRect(ptCenter.x - rc.Height(), rc.top, ptCenter.x + rc.Height(),
                                   rc.bottom),
                             RGB(0, 0, 0));
    return CSize(0, 0);
  }
  if (nKind != 0 || pBar == nullptr)
    return CTKCommandBarsOfficeXPTheme::DrawSpecialControl(pDC, nKind, pControl, pBar, bDraw,
                                                           lpParam);
  const int nPosition = pBar->GetPosition();
  const BOOL bVertical = IsSideBarPosition(nPosition) || nPosition == tkBarPopup;
  if (!bDraw) {
    if (lpParam == nullptr) return CSize(0, 0);
    const CSize szBar = *static_cast<const CSize*>(lpParam);
    const int nButton = TKScaleX(11);
    if (bVertical)
      pControl->SetRect(CRect(0, szBar.cy - nButton + 1, szBar.cx, szBar.cy));
    else
      pControl->SetRect(CRect(szBar.cx - nButton + 1, 1, szBar.cx, szBar.cy));
    return CSize(0, 0);
  }
  const CRect rc = pControl->GetRect();
  const BOOL bOpen = pControl->IsPopupOpen();
  const BOOL bHot = pControl->GetSelected() != 0;
  {
    CTKDCSaveState clip(pDC);
    pDC->IntersectClipRect(rc);
    if (bVertical) {
      pDC->ExcludeClipRect(rc.left, rc.bottom - 1, rc.left + 1, rc.bottom);
      pDC->ExcludeClipRect(rc.right - 1, rc.bottom - 1, rc.right, rc.bottom);
      pDC->ExcludeClipRect(rc.left, rc.top, rc.right, rc.top + 1);
    } else {
      pDC->ExcludeClipRect(rc.right - 1, rc.top, rc.right, rc.top + 1);
      pDC->ExcludeClipRect(rc.right - 1, rc.bottom - 1, rc.right, rc.bottom);
      pDC->ExcludeClipRect(rc.left, rc.top, rc.left + 1, rc.bottom);
    }
    const BOOL bHorzGradient = bVertical;
    if (bOpen && m_bSchemeColors)
      TKDrawHelpers()->GradientFillTwoPart(pDC, rc, m_grcPushed, bHorzGradient, NULL);
    else if (bOpen)
      FillRectIndexed(pDC, rc, -1, 36);
    else if (!bHot)
      TKDrawHelpers()->GradientFillTwoPart(pDC, rc, m_grcExpandButton, bHorzGradient, NULL);
    else if (m_bSchemeColors)
      TKDrawHelpers()->GradientFillTwoPart(pDC, rc, m_grcHot, bHorzGradient, NULL);
    else
      FillRectIndexed(pDC, rc, -1, 31);
  }
  const BOOL bHidden = lpParam != nullptr && *static_cast<const BOOL*>(lpParam);
  DrawExpandButtonGlyphs(pDC, pControl, bVertical, bHidden, CPoint(0, 0));
  return CSize(0, 0);
}

void CTKCommandBarsOffice2003Theme::DrawExpandButtonGlyphs(CDC* pDC, CTKControl* pControl,
                                                           BOOL bVertical, BOOL bHidden,
                                                           CPoint ptOffset) {
  CRect rcGlyphs = pControl->GetRect() + ptOffset;
  rcGlyphs.DeflateRect(TKScaleX(2), TKScaleY(2));
  const BOOL bOpen = pControl->IsPopupOpen();
  const COLORREF clr = GetIndexedColor(bOpen ? 46 : pControl->GetSelected() ? 45 : 46);
  auto drawPair = [&](TCHAR chGlyph, CRect rcGlyph) {
    TKGlyphFont()->DrawGlyph(pDC, chGlyph, rcGlyph + CPoint(1, 1), GetIndexedColor(20));
    TKGlyphFont()->DrawGlyph(pDC, chGlyph, rcGlyph, clr);
  };
  if (bVertical) {
    const int cx = rcGlyphs.Height();
    drawPair(65, CRect(rcGlyphs.right - cx, rcGlyphs.top, rcGlyphs.right, rcGlyphs.bottom));
    if (bHidden)
      drawPair(59, CRect(rcGlyphs.left, rcGlyphs.top, rcGlyphs.left + cx, rcGlyphs.bottom));
  } else {
    const int cy = rcGlyphs.Width();
    drawPair(67, CRect(rcGlyphs.left, rcGlyphs.bottom - cy, rcGlyphs.right, rcGlyphs.bottom));
    if (bHidden)
      drawPair(57, CRect(rcGlyphs.left, rcGlyphs.top, rcGlyphs.right, rcGlyphs.top + cy));
  }
}

CRect CTKCommandBarsOffice2003Theme::GetCommandBarBorders(CTKCommandBar* pBar) {
  if (pBar != nullptr && (pBar->GetPosition() == tkBarTop || pBar->GetPosition() == tkBarBottom))
    return CRect(TKScaleX(4), TKScaleY(2), TKScaleX(2), TKScaleY(2));
  return CTKCommandBarsOfficeXPTheme::GetCommandBarBorders(pBar);
}

CSize CTKCommandBarsOffice2003Theme::DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected,
                                                        BOOL bDraw) {
  const CSize sz(0, TKScaleY(9));
  if (!bDraw || pDC == nullptr) return sz;
  CRect rcBand(TKScaleX(1), TKScaleY(1), rc.right + TKScaleX(1), rc.Height());
  FillRectIndexed(pDC, rcBand, -1, 41);
  rcBand.DeflateRect(1, 1);
  if (bSelected)
    FillRectIndexed(pDC, rcBand, 32, 31);
  else
    pDC->FillSolidRect(rcBand, m_clrTearOffGripper);
  const int nCenter = rcBand.CenterPoint().x;
  int nHalf = TKScaleX(32);
  if (nHalf > rcBand.Width() / 2 - TKScaleX(10)) nHalf = rcBand.Width() / 2 - TKScaleX(10);
  if (nHalf <= 0) return sz;
  for (int x = nCenter - nHalf; x < nCenter + nHalf; x += TKScaleX(4)) {
    pDC->FillSolidRect(CRect(CPoint(x + 1, TKScaleY(5)), CSize(TKScaleX(2), TKScaleY(2))),
                       GetIndexedColor(20));
    pDC->FillSolidRect(CRect(CPoint(x, TKScaleY(4)), CSize(TKScaleX(2), TKScaleY(2))),
                       GetIndexedColor(38));
  }
  return sz;
}
