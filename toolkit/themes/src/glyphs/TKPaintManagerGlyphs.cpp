// CTKPaintManagerBase: the glyph-font pictures of bars (marks, arrows,
// chevrons), the check-box and radio marks, the special controls of bars, the
// MDI buttons, keyboard tips, the floating bar's caption and the plain fills.
#include "themes/TKPaintManagerBase.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKDockBar.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKGlyphFont.h"
#include "common/TKWinThemeWrapper.h"
#include "TKGlyphCodes.h"

namespace {

// The themed button parts of the marks.
const int kPartRadioButton = 2;
const int kPartCheckBox = 3;

void DrawGlyph(CDC* pDC, TCHAR chGlyph, const CRect& rc, COLORREF clr) {
  TKGlyphFont()->DrawGlyph(pDC, chGlyph, rc, clr);
}

BOOL IsVerticalOrPopupPosition(int nPosition) {
  return nPosition == tkBarLeft || nPosition == tkBarRight || nPosition == tkBarPopup;
}

}  // namespace

void CTKPaintManagerBase::DrawCheckMark(CDC* pDC, CRect rc, BOOL, COLORREF clr) {
  const TCHAR chGlyph = IsDCRightToLeft(pDC) ? kTKGlyphCheckMirrored : kTKGlyphCheck;
  DrawGlyph(pDC, chGlyph, rc, clr);
  if (!m_bBoldCheckMark) return;
  rc.OffsetRect(0, TKDpiHelper()->ScaleY(1));
  DrawGlyph(pDC, chGlyph, rc, clr);
}

void CTKPaintManagerBase::DrawRadioMark(CDC* pDC, CRect rc, BOOL, COLORREF clr) {
  DrawGlyph(pDC, kTKGlyphRadio, rc, clr);
}

void CTKPaintManagerBase::DrawComboExpandMark(CDC* pDC, CRect rc, COLORREF clr) {
  rc.DeflateRect(TKDpiHelper()->ScaleX(1), TKDpiHelper()->ScaleY(1));
  DrawGlyph(pDC, kTKGlyphArrowDown, rc, clr);
}

void CTKPaintManagerBase::DrawDropDownGlyph(CDC* pDC, CTKControl*, CPoint pt, BOOL bSelected,
                                            BOOL bPopuped, BOOL bEnabled, BOOL bVert) {
  const COLORREF clr = GetRectangleTextColor(bSelected, FALSE, bEnabled, FALSE, bPopuped,
                                             tkBarTypeNormal, tkBarTop);
  const int nHalf = TKDpiHelper()->ScaleY(10) / 2;
  DrawGlyph(pDC, bVert ? kTKGlyphDropDownVertical : kTKGlyphArrowDown,
            CRect(pt.x - nHalf, pt.y - nHalf, pt.x + nHalf, pt.y + nHalf), clr);
}

void CTKPaintManagerBase::DrawExpandGlyph(CDC* pDC, CTKControl* pControl, COLORREF clr,
                                          BOOL bHorz) {
  CRect rc = pControl->GetRect();
  if (bHorz)
    rc.top = rc.bottom - rc.Height() / 2;
  else
    rc.left = rc.right - rc.Width() / 2;
  rc.InflateRect(TKDpiHelper()->ScaleX(1), TKDpiHelper()->ScaleY(1));
  DrawGlyph(pDC, bHorz ? kTKGlyphArrowDown : kTKGlyphArrowRight, rc, clr);
}

void CTKPaintManagerBase::DrawHiddenControlsGlyph(CDC* pDC, CTKControl* pControl, COLORREF clr,
                                                  BOOL bHorz) {
  CRect rc = pControl->GetRect();
  if (bHorz)
    rc.bottom -= rc.Height() / 2;
  else
    rc.right -= rc.Width() / 2;
  DrawGlyph(pDC, bHorz ? kTKGlyphChevronHorizontal : kTKGlyphChevronVertical, rc, clr);
}

CSize CTKPaintManagerBase::DrawSpecialControl(CDC* pDC, int nKind, CTKControl* pControl,
                                              CTKCommandBar* pBar, BOOL bDraw, LPVOID lpParam) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  switch (nKind) {
    case 0: {
      const BOOL bVertical = pBar != nullptr && IsVerticalOrPopupPosition(pBar->GetPosition());
      if (!bDraw) {
        if (lpParam == nullptr) return CSize(0, 0);
        const CSize szBar = *static_cast<const CSize*>(lpParam);
        if (bVertical)
          pControl->SetRect(CRect(pDpi->ScaleX(2), szBar.cy - pDpi->ScaleY(13),
                                  szBar.cx - pDpi->ScaleX(2), szBar.cy - pDpi->ScaleY(2)));
        else
          pControl->SetRect(CRect(szBar.cx - pDpi->ScaleX(13), pDpi->ScaleY(2),
                                  szBar.cx - pDpi->ScaleX(2), szBar.cy - pDpi->ScaleY(2)));
        return CSize(0, 0);
      }
      DrawControlEntry(pDC, pControl);
      const COLORREF clr = GetControlTextColor(pControl);
      DrawExpandGlyph(pDC, pControl, clr, !bVertical);
      if (lpParam != nullptr && *static_cast<const BOOL*>(lpParam))
        DrawHiddenControlsGlyph(pDC, pControl, clr, !bVertical);
      return CSize(0, 0);
    }
    case 1: {
      if (bDraw) {
        DrawControlEntry(pDC, pControl);
        const CRect rc = pControl->GetRect();
        const int nCenter = rc.CenterPoint().x;
        DrawGlyph(pDC, kTKGlyphChevronHorizontal,
                  CRect(nCenter - rc.Height(), rc.top, nCenter + rc.Height(), rc.bottom), 0);
      }
      return CSize(0, pDpi->ScaleY(12));
    }
    case 2:
    case 3: {
      if (!bDraw) return CSize(0, 0);
      DrawControlEntry(pDC, pControl);
      const BOOL bActive = nKind == 2
                               ? pControl->GetSelected() || pControl->GetPressed()
                               : pControl->GetSelected() || pControl->IsPopupOpen();
      const COLORREF clr = bActive ? GetControlTextColor(pControl)
                                   : static_cast<COLORREF>(m_clrFloatingCaptionText);
      DrawGlyph(pDC, nKind == 2 ? kTKGlyphClose : kTKGlyphArrowDown, pControl->GetRect(), clr);
      return CSize(0, 0);
    }
    default:
      return CSize(0, 0);
  }
}

namespace {

// The visual-style state of a check or radio mark: normal, hot, pressed,
// disabled, then the same four checked and four mixed.
int ThemedMarkState(BOOL bSelected, BOOL bPressed, int nChecked, BOOL bEnabled) {
  const int nBase = !bEnabled ? 3 : bSelected && bPressed ? 2 : bSelected ? 1 : 0;
  return nBase + 1 + (nChecked == 1 ? 4 : nChecked == 2 ? 8 : 0);
}

// A check-box or radio mark through the open button style, else classic.
CSize DrawButtonMark(CDC* pDC, CRect rc, BOOL bDraw, CTKWinThemeWrapper* pButtonTheme, int nPart,
                     UINT nClassicKind, BOOL bSelected, BOOL bPressed, int nChecked,
                     BOOL bEnabled) {
  if (bDraw) {
    if (pButtonTheme != nullptr && pButtonTheme->IsThemeOpen()) {
      pButtonTheme->DrawThemeBackground(pDC->GetSafeHdc(), nPart,
                                        ThemedMarkState(bSelected, bPressed, nChecked, bEnabled),
                                        rc, nullptr);
    } else {
      UINT nState = nClassicKind;
      if (nChecked != 0) nState |= DFCS_CHECKED;
      if (bPressed) nState |= DFCS_PUSHED;
      if (!bEnabled || nChecked == 2) nState |= DFCS_INACTIVE;
      pDC->DrawFrameControl(rc, DFC_BUTTON, nState);
    }
  }
  return TKDpiHelper()->ScaleSize(CSize(13, 13));
}

}  // namespace

CSize CTKPaintManagerBase::DrawControlCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw,
                                                   BOOL bSelected, BOOL bPressed, int nChecked,
                                                   BOOL bEnabled) {
  return DrawButtonMark(pDC, rc, bDraw, m_bThemedCheckMarks ? m_pButtonTheme.get() : nullptr,
                        kPartCheckBox, DFCS_BUTTONCHECK, bSelected, bPressed, nChecked, bEnabled);
}

CSize CTKPaintManagerBase::DrawControlRadioButtonMark(CDC* pDC, CRect rc, BOOL bDraw,
                                                      BOOL bSelected, BOOL bPressed, int nChecked,
                                                      BOOL bEnabled) {
  return DrawButtonMark(pDC, rc, bDraw, m_bThemedCheckMarks ? m_pButtonTheme.get() : nullptr,
                        kPartRadioButton, DFCS_BUTTONRADIO, bSelected, bPressed, nChecked,
                        bEnabled);
}

void CTKPaintManagerBase::DrawControlMDIButton(CDC* pDC, CTKControl* pControl) {
  // Tenths of a point that come out at the pixel size of 8 points at 96 DPI.
  const int nDpiX = pDC->GetDeviceCaps(LOGPIXELSX);
  CFont font;
  font.CreatePointFont(::MulDiv(80, 96, nDpiX > 0 ? nDpiX : 96), _T("Marlett"));
  CTKFontDC fontDC(pDC, &font);
  const COLORREF clrOld = pDC->SetTextColor(GetControlTextColor(pControl));
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  CRect rc = pControl->GetRect();
  pDC->DrawText(pControl->GetParameter(), rc,
                DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  pDC->SetBkMode(nOldMode);
  pDC->SetTextColor(clrOld);
}

void CTKPaintManagerBase::DrawKeyboardTip(CDC* pDC, CTKCommandBarKeyboardTip* pTip, BOOL bSkip) {
  if (bSkip) return;
  CRect rc(0, 0, 0, 0);
  pTip->GetClientRect(&rc);
  CTKFontDC fontDC(pDC, &m_fontStatus);
  pDC->FillSolidRect(rc, GetIndexedColor(24));
  pDC->Draw3dRect(rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  const COLORREF clrOld = pDC->SetTextColor(GetIndexedColor(pTip->m_bEnabled ? 23 : 17));
  pDC->DrawText(pTip->m_strTip, rc, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  pDC->SetTextColor(clrOld);
  pDC->SetBkMode(nOldMode);
}

CSize CTKPaintManagerBase::DrawFloatingBarCaption(CDC* pDC, CTKCommandBar* pBar, BOOL bDraw) {
  if (pBar->GetPosition() != tkBarFloating || pDC == nullptr) return CSize(0, 0);
  CTKDpiHelper* pDpi = TKDpiHelper();
  CTKFontDC fontDC(pDC, &m_fontSmallCaption);
  const int nCaption = std::max<int>(pDC->GetTextExtent(_T(" "), 1).cy, pDpi->ScaleY(15));
  CRect rcClient(0, 0, 0, 0);
  pBar->GetClientRect(&rcClient);
  const CRect rcBand(pDpi->ScaleX(3), pDpi->ScaleY(3), rcClient.right - pDpi->ScaleX(3),
                     nCaption + pDpi->ScaleY(3));
  if (bDraw) {
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->FillSolidRect(rcBand, m_clrFloatingCaptionBack);
    const COLORREF clrOld = pDC->SetTextColor(m_clrFloatingCaptionText);
    // Room is left for the two caption buttons at the right.
    CRect rcText(pDpi->ScaleX(5), pDpi->ScaleY(3), rcBand.right - 2 * rcBand.Height(),
                 rcBand.bottom);
    pDC->DrawText(pBar->GetTitle(), rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
  }
  return rcBand.Size();
}

CSize CTKPaintManagerBase::CalcFloatingBarCaptionSize(CTKCommandBar* pBar) {
  CClientDC dc(pBar);
  CTKFontDC fontDC(&dc, GetCommandBarFont(pBar));
  return DrawFloatingBarCaption(&dc, pBar, FALSE);
}

void CTKPaintManagerBase::FillDockBar(CDC* pDC, CTKDockBar* pDockBar) {
  CRect rc(0, 0, 0, 0);
  pDockBar->GetClientRect(&rc);
  pDC->FillSolidRect(rc, GetIndexedColor(15));
}

CSize CTKPaintManagerBase::DrawCommandBarGripper(CDC*, CTKCommandBar*, BOOL) {
  return CSize(0, 0);
}
