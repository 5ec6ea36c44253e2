// CTKRibbonTheme: bar backgrounds, pop-up parts, separators, the expand
// button, the resize gripper, marks, glyphs and keyboard tips from images.
#include "TKControlDrawState.h"
#include "commandbars/TKCommandBarKeyboardTip.h"
#include "common/TKDrawHelpers.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "common/TKScopedHandle.h"
#include "themes/TKRibbonTheme.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kNone = static_cast<COLORREF>(-1);

BOOL IsVerticalPosition(int nPosition) {
  return nPosition == tkBarLeft || nPosition == tkBarRight || nPosition == tkBarPopup;
}

/// A source rectangle's size at the current DPI.
CSize ScaledSize(const CRect& rcSrc) {
  return CSize(TKScaleX(rcSrc.Width()), TKScaleY(rcSrc.Height()));
}

}  // namespace

void CTKRibbonTheme::FillCommandBarEntry(CDC* pDC, CTKCommandBar* pBar) {
  CRect rc(0, 0, 0, 0);
  pBar->GetClientRect(&rc);
  if (pBar->IsDwmEnabled()) {
    pDC->FillSolidRect(rc, RGB(0, 0, 0));
    return;
  }
  const int nPosition = pBar->GetPosition();
  const BOOL bFlat = IsFlatCommandBar(pBar);
  if (!IsIniLoaded()) {
    if (nPosition == tkBarPopup || (!bFlat && nPosition != tkBarFloating)) return;
    CTKCommandBarsOffice2003Theme::FillCommandBarEntry(pDC, pBar);
    return;
  }
  if (nPosition == tkBarPopup) {
    DrawImageSlice(pDC, "POPUPBARFRAME", rc, 0, 0, 4);
    return;
  }
  LPCSTR lpszImage = nullptr;
  if (!bFlat && (nPosition == tkBarTop || nPosition == tkBarBottom))
    lpszImage = "TOOLBARFACEHORIZONTAL";
  else if (!bFlat && (nPosition == tkBarLeft || nPosition == tkBarRight))
    lpszImage = "TOOLBARFACEVERTICAL";
  CTKResourceImage* pImage = lpszImage != nullptr ? LoadImage(lpszImage) : nullptr;
  if (pImage == nullptr) {
    CTKCommandBarsOffice2003Theme::FillCommandBarEntry(pDC, pBar);
    return;
  }
  pImage->DrawImage(pDC, rc, CRect(0, 0, pImage->GetWidth(), pImage->GetHeight()),
                    CRect(5, 5, 5, 5));
}

void CTKRibbonTheme::FillPopupBarBand(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded) {
  TKDrawHelpers()->GradientFillTwoPart(pDC, CRect(x + 1, y, x + cx, y + cy),
                                       bExpanded ? m_grcExpandedPopupBand : m_grcPopupBand, TRUE,
                                       NULL);
  DrawVerticalLine(pDC, x + cx - 1, y, y + cy, m_clrPopupBandShadow);
  DrawVerticalLine(pDC, x + cx, y, y + cy, RGB(245, 245, 245));
}

void CTKRibbonTheme::FillPopupLabel(CDC* pDC, CRect rc) {
  FillRectIndexed(pDC, rc, -1, 56);
  DrawHorizontalLine(pDC, rc.left, rc.bottom - 1, rc.right, RGB(197, 197, 197));
}

void CTKRibbonTheme::SetCommandBarRegion(CTKCommandBar* pBar) {
  if (pBar != nullptr && pBar->GetPosition() == tkBarPopup) SetPopupRegion(pBar);
}

// Pop-up rows -------------------------------------------------------------------------------

void CTKRibbonTheme::DrawPopupSplitDivider(CDC* pDC, CTKControl* pControl) {
  if (!IsIniLoaded()) return;
  const TKControlDrawState state(pControl);
  const CRect rc = pControl->GetRect();
  const CRect rcArrow(rc.right - m_nPopupSplitArrowWidth, rc.top, rc.right, rc.bottom);
  if (state.nEnabled && rc.Height() > TKScaleY(33)) {
    int nSlice = 1;
    if (!state.nSelected)
      nSlice = 0;
    else if (state.nSelected == 4 || ((state.nSelected == 2 || state.nSelected == 3) &&
                                      !state.bPopuped))
      nSlice = 2;
    DrawImageSlice(pDC, "MENUSPLITITEM", CRect(rc.left, rc.top, rcArrow.left, rc.bottom), nSlice,
                   3, 2);
  }
  const int nSlice = state.nSelected && state.nEnabled ? (state.bPopuped ? 2 : 1) : 0;
  DrawImageSlice(pDC, "MENUSPLITDROPDOWN", rcArrow, nSlice, 3, 2);
}

void CTKRibbonTheme::DrawPopupSubMenuGlyph(CDC* pDC, CTKControl* pControl) {
  CTKResourceImage* pImage = LoadImage("MENUPOPUPGLYPH");
  if (pImage == nullptr) return;
  const CRect rc = pControl->GetRect();
  const CRect rcSrc = pImage->GetSourceRect(pControl->GetEnabled() ? 0 : 1, 2);
  const CSize sz = ScaledSize(rcSrc);
  const CPoint pt(rc.right - TKScaleX(14), rc.CenterPoint().y - sz.cy / 2);
  pImage->DrawImageTransparent(pDC, CRect(pt, sz), rcSrc, CRect(0, 0, 0, 0), kMagenta);
}

CSize CTKRibbonTheme::DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar, CTKControl* pControl,
                                              BOOL bDraw) {
  if (pBar->GetPosition() != tkBarPopup)
    return CTKCommandBarsOffice2003Theme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
  const CSize sz(TKScaleX(2), TKScaleY(2));
  if (!bDraw || pDC == nullptr || pControl == nullptr) return sz;
  DrawPopupSeparatorLine(pDC, pBar, pControl, m_clrPopupSeparator, TKScaleY(2));
  if (!pControl->GetWrap()) {
    const CRect rc = pControl->GetRect();
    const int xStart = rc.left + GetPopupBarGripperWidth(pBar) + m_nPopupTextGap - 1;
    DrawHorizontalLine(pDC, xStart, rc.top - TKScaleY(2) + 1, rc.right + 1, RGB(245, 245, 245));
  }
  return sz;
}

// The expand button and the resize gripper -------------------------------------------------

CSize CTKRibbonTheme::DrawSpecialControl(CDC* pDC, int nKind, CTKControl* pControl,
                                         CTKCommandBar* pBar, BOOL bDraw, LPVOID lpParam) {
  if (nKind != 0 || pBar == nullptr)
    return CTKCommandBarsOffice2003Theme::DrawSpecialControl(pDC, nKind, pControl, pBar, bDraw,
                                                             lpParam);
  const BOOL bVertical = IsVerticalPosition(pBar->GetPosition());
  if (!bDraw) {
    if (lpParam == nullptr) return CSize(0, 0);
    const CSize szBar = *static_cast<const CSize*>(lpParam);
    if (bVertical)
      pControl->SetRect(CRect(0, szBar.cy - TKScaleY(12), szBar.cx, szBar.cy));
    else
      pControl->SetRect(CRect(szBar.cx - TKScaleX(12), 0, szBar.cx, szBar.cy));
    return CSize(0, 0);
  }
  if (!IsIniLoaded()) return CSize(0, 0);
  const int nSlice = pControl->IsPopupOpen() ? 2 : pControl->GetSelected() ? 1 : 0;
  const CRect rc = pControl->GetRect();
  if (!DrawImageSlice(pDC, bVertical ? "TOOLBAREXPANDBUTTONVERTICAL"
                                     : "TOOLBAREXPANDBUTTONHORIZONTAL",
                      rc, nSlice, 3, 3))
    return CTKCommandBarsOffice2003Theme::DrawSpecialControl(pDC, nKind, pControl, pBar, bDraw,
                                                             lpParam);
  const BOOL bHidden = lpParam != nullptr && *static_cast<const BOOL*>(lpParam);
  DrawExpandButtonGlyphs(pDC, pControl, bVertical, bHidden,
                         bVertical ? CPoint(0, -TKScaleY(1)) : CPoint(-TKScaleX(1), 0));
  return CSize(0, 0);
}

void CTKRibbonTheme::DrawPopupResizeGripper(CDC* pDC, CRect rc, int nResizeMode) {
  if (!IsIniLoaded()) return;
  if (!DrawImageSlice(pDC, "POPUPBARRESIZEGRIPPERFACE", rc, 0, 0, 1)) {
    CTKCommandBarsOfficeXPTheme::DrawPopupResizeGripper(pDC, rc, nResizeMode);
    return;
  }
  CTKResourceImage* pImage =
      LoadImage(nResizeMode == 2 ? "POPUPBARRESIZEGRIPPERHEIGHT" : "POPUPBARRESIZEGRIPPERWIDTH");
  if (pImage == nullptr) return;
  const CRect rcSrc(0, 0, pImage->GetWidth(), pImage->GetHeight());
  const CSize sz = ScaledSize(rcSrc);
  const CPoint pt = nResizeMode == 2 ? CPoint(rc.CenterPoint().x - sz.cx / 2, rc.bottom - sz.cy)
                                     : CPoint(rc.right - sz.cx, rc.bottom - sz.cy);
  pImage->DrawImageTransparent(pDC, CRect(pt, sz), rcSrc, CRect(0, 0, 0, 0), kMagenta);
}

// Marks and glyphs ---------------------------------------------------------------------------

namespace {

/// Slice `nSlice` of `nCount` of the image at its own size centred in `rc`.
BOOL DrawCentredSlice(CDC* pDC, CTKResourceImage* pImage, CRect rc, int nSlice, int nCount) {
  if (pImage == nullptr) return FALSE;
  const CRect rcSrc = pImage->GetSourceRect(nSlice, nCount);
  const CSize sz = ScaledSize(rcSrc);
  const CPoint pt = rc.CenterPoint() - CSize(sz.cx / 2, sz.cy / 2);
  pImage->DrawImageTransparent(pDC, CRect(pt, sz), rcSrc, CRect(0, 0, 0, 0), kMagenta);
  return TRUE;
}

}  // namespace

void CTKRibbonTheme::DrawCheckMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr) {
  if (!IsIniLoaded()) return;
  if (!DrawCentredSlice(pDC, LoadImage("MENUCHECKEDITEMMARK"), rc, bEnabled ? 0 : 1, 4))
    CTKResourceTheme::DrawCheckMark(pDC, rc, bEnabled, clr);
}

void CTKRibbonTheme::DrawRadioMark(CDC* pDC, CRect rc, BOOL bEnabled, COLORREF clr) {
  if (!IsIniLoaded()) return;
  if (!DrawCentredSlice(pDC, LoadImage("MENUCHECKEDITEMMARK"), rc, bEnabled ? 2 : 3, 4))
    CTKResourceTheme::DrawRadioMark(pDC, rc, bEnabled, clr);
}

CSize CTKRibbonTheme::DrawControlCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected,
                                              BOOL bPressed, int nChecked, BOOL bEnabled) {
  const CSize sz(TKScaleX(13), TKScaleY(13));
  if (!bDraw || pDC == nullptr) return sz;
  if (!IsIniLoaded()) return CSize(0, 0);
  const int nBase = !bEnabled ? 3 : bSelected && bPressed ? 2 : bSelected ? 1 : 0;
  const int nSlice = nBase + (nChecked == 1 ? 4 : nChecked == 2 ? 8 : 0);
  DrawImageSlice(pDC, "TOOLBARBUTTONCHECKBOX", rc, nSlice, 12, 0);
  return sz;
}

CSize CTKRibbonTheme::DrawControlRadioButtonMark(CDC* pDC, CRect rc, BOOL bDraw, BOOL bSelected,
                                                 BOOL bPressed, int nChecked, BOOL bEnabled) {
  const CSize sz(TKScaleX(13), TKScaleY(13));
  if (!bDraw || pDC == nullptr) return sz;
  if (!IsIniLoaded()) return CSize(0, 0);
  const int nBase = !bEnabled ? 3 : bSelected && bPressed ? 2 : bSelected ? 1 : 0;
  DrawImageSlice(pDC, "TOOLBARBUTTONRADIOBUTTON", rc, nBase + (nChecked ? 4 : 0), 8, 0);
  return sz;
}

void CTKRibbonTheme::DrawDropDownGlyph(CDC* pDC, CTKControl* pControl, CPoint pt, BOOL bSelected,
                                       BOOL bPopuped, BOOL bEnabled, BOOL bVert) {
  if (bVert) {
    CTKResourceTheme::DrawDropDownGlyph(pDC, pControl, pt, bSelected, bPopuped, bEnabled, bVert);
    return;
  }
  if (!IsIniLoaded()) return;
  const CRect rc(pt.x - TKScaleX(2), pt.y - TKScaleY(2), pt.x + TKScaleX(3), pt.y + TKScaleY(2));
  const BOOL bOnGlass = pControl != nullptr && IsRectOnGlass(pControl->GetParent(), rc);
  DrawImageSlice(pDC, "TOOLBARBUTTONDROPDOWNGLYPH", rc, !bEnabled ? 3 : bSelected ? 1 : 0, 4, 0,
                 bOnGlass);
}

void CTKRibbonTheme::DrawKeyboardTip(CDC* pDC, CTKCommandBarKeyboardTip* pTip, BOOL bSetRegion) {
  if (bSetRegion) {
    SetPopupRegion(pTip);
    return;
  }
  if (!IsIniLoaded() || pDC == nullptr) return;
  CRect rc;
  pTip->GetClientRect(&rc);
  CTKSelectGuard font(pDC->GetSafeHdc(), m_fontStatus.GetSafeHandle());
  TKDrawHelpers()->GradientFill(pDC, rc, m_pImages->GetIniColor("Window", "TooltipLight", kNone),
                                m_pImages->GetIniColor("Window", "TooltipDark", kNone), FALSE);
  if (!DrawImageSlice(pDC, "TOOLTIPFRAME", rc, 0, 0, 3))
    FillRectWithBorder(pDC, rc, m_pImages->GetIniColor("Window", "TooltipBorder", kNone), kNone);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(GetIndexedColor(pTip->m_bEnabled ? 18 : 17));
  pDC->DrawText(pTip->m_strTip, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
