// CTKCommandBarsOfficeXPTheme: settings, faces, texts and icons by state.
#include "themes/TKCommandBarsOfficeXPTheme.h"

#include "TKControlDrawState.h"
#include "common/TKColorManager.h"
#include "common/TKDrawHelpers.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKWinThemeWrapper.h"
#include "themes/TKStatusBarPaintManagerBase.h"

CTKCommandBarsOfficeXPTheme::CTKCommandBarsOfficeXPTheme() : m_bDisabledIconsFromColors(TRUE) {
  SetStatusBarPaintManager(new CTKStatusBarThemeOfficeXP(this));
  m_bFlatMenuBar = TRUE;
  m_iconsInfo = TK_ICONS_INFO{TRUE, TRUE, TRUE};
  m_bEmbossedDisabledText = FALSE;
  // Pop-up shadows, and the shadow beside the control that opened the pop-up.
  m_pShadowManager->SetOptions(3);
  m_nPopupTextGap = TKScaleX(8);
}

void CTKCommandBarsOfficeXPTheme::DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected,
                                                BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                                BOOL bPopuped, int, int nBarPosition) {
  int nFill = -1;
  int nBorder = -1;
  if (!bEnabled) {
    if (bSelected == 2 || bSelected == 3) {
      nFill = nBarPosition == tkBarPopup ? 41 : bChecked ? 33 : 31;
      nBorder = 32;
    } else if (bChecked) {
      nFill = nBarPosition == tkBarPopup ? -1 : 36;
      nBorder = 58;
    }
  } else if (bPopuped) {
    nFill = 30;
    nBorder = 43;
  } else if (bChecked == 2 && !bSelected && !bPressed) {
    nFill = 51;
    nBorder = 37;
  } else if (bChecked && !bSelected && !bPressed) {
    nFill = 36;
    nBorder = 37;
  } else if (bChecked && bSelected) {
    nFill = 33;
    nBorder = 50;
  } else if (bPressed == 2 || bPressed == 3 || (bSelected && bPressed)) {
    nFill = 33;
    nBorder = 50;
  } else if ((bSelected != 0) != (bPressed != 0)) {
    nFill = 31;
    nBorder = 32;
  }
  if (nFill < 0 && nBorder < 0) return;
  const COLORREF clrFill = GetIndexedColor(nFill);
  const COLORREF clrBorder = GetIndexedColor(nBorder);
  FillRectWithBorder(pDC, rc, clrBorder == clrFill ? COLORREF(-1) : clrBorder, clrFill);
}

COLORREF CTKCommandBarsOfficeXPTheme::GetRectangleTextColor(BOOL bSelected, BOOL bPressed,
                                                            BOOL bEnabled, BOOL bChecked,
                                                            BOOL bPopuped, int nBarType,
                                                            int nBarPosition) {
  if (nBarType == tkBarTypePopup) return GetIndexedColor(!bEnabled ? 35 : bSelected ? 45 : 44);
  if (!bEnabled) return GetIndexedColor(60);
  if (bPopuped) return GetIndexedColor(46);
  if (bChecked && !bSelected && !bPressed) return GetIndexedColor(45);
  if (bPressed == 2 || bPressed == 3) return GetIndexedColor(47);
  if (bSelected && (bPressed || bChecked)) return GetIndexedColor(47);
  if (bSelected || bPressed) return GetIndexedColor(45);
  return GetIndexedColor(nBarPosition == tkBarPopup ? 44 : 46);
}

void CTKCommandBarsOfficeXPTheme::DrawImage(CDC* pDC, CPoint pt, CSize sz,
                                            CTKImageManagerIcon* pImage, BOOL bSelected,
                                            BOOL bPressed, BOOL bEnabled, int nChecked,
                                            BOOL bPopuped, BOOL) {
  if (pImage == nullptr) return;
  auto draw = [&](CTKImageManagerIconHandle& image, CPoint ptAt) {
    pImage->Draw(pDC, ptAt, image, sz.cx, sz.cy);
  };

  const BOOL bGreyed = !bEnabled || (nChecked == 2 && !bPressed);
  if (bGreyed) {
    // A disabled icon consults "UseDisabledIcons"; an indeterminate one is
    // always greyed when it has no alpha.
    const BOOL bMonochrome = !pImage->IsAlpha() && (bEnabled || !m_iconsInfo.bUseDisabledIcons);
    if (bMonochrome) {
      pImage->DrawMonochrome(pDC, pt, pImage->GetNormalImage(), sz.cx, sz.cy,
                             GetIndexedColor(40));
      return;
    }
    if (m_bDisabledIconsFromColors && !pImage->HasDisabledImage())
      pImage->CreateDisabledImage(m_grcDisabledIcons.m_clrLight, m_grcDisabledIcons.m_clrDark);
    draw(pImage->GetDisabledImage(), pt);
    return;
  }
  const CPoint ptShift = TKDpiHelper()->ScalePoint(CPoint(1, 1));
  if (bPopuped) {
    draw(nChecked ? pImage->GetCheckedImage() : pImage->GetNormalImage(), pt);
  } else if (nChecked) {
    draw(pImage->GetCheckedImage(), pt);
  } else if (bSelected && bPressed) {
    draw(pImage->GetPressedImage(), pt);
  } else if (bSelected || bPressed == 1) {
    if (m_iconsInfo.bIconsWithShadow && !pImage->GetShadowImage().IsEmpty()) {
      draw(pImage->GetShadowImage(), pt + ptShift);
      draw(pImage->GetHotImage(), pt - ptShift);
    } else {
      draw(pImage->GetHotImage(), pt);
    }
  } else if (!bPressed) {
    draw(m_iconsInfo.bUseFadedIcons ? pImage->GetFadedImage() : pImage->GetNormalImage(), pt);
  } else if (bPressed == 2 || bPressed == 3) {
    draw(pImage->GetPressedImage(), pt);
  }
}

void CTKCommandBarsOfficeXPTheme::DrawSplitButtonFrame(CDC* pDC, CTKControl* pControl, CRect rc) {
  const TKControlDrawState state(pControl);
  const BOOL bEnabled = state.nEnabled != 0;
  const BOOL bOpen = state.bPopuped;
  const BOOL bHot = (state.nSelected || state.nPressed) && !bOpen && bEnabled;
  if (state.nStyle != tkButtonIconAndCaptionBelow) {
    CRect rcCommand = rc;
    if (!bOpen) rcCommand.right -= m_nSplitArrowWidth;
    DrawRectangle(pDC, rcCommand, state.nSelected, state.nPressed, state.nEnabled,
                  state.nChecked, bOpen, tkBarTypeNormal, state.nBarPosition);
    const CRect rcArrow(rc.right - m_nSplitArrowWidth, rc.top, rc.right, rc.bottom);
    if (bHot) {
      DrawRectangle(pDC, CRect(rcArrow.left - 1, rc.top, rc.right, rc.bottom), TRUE, FALSE, TRUE,
                    FALSE, FALSE, tkBarTypeNormal, state.nBarPosition);
    }
    DrawDropDownGlyph(pDC, pControl, rcArrow.CenterPoint(), state.nSelected, bOpen,
                      state.nEnabled == 4 ? 0 : state.nEnabled, FALSE);
    return;
  }

  const BOOL bVertical = GetControlTextOrientation(pControl) == 1;
  const int cyDropDown = GetSplitDropDownHeight();
  CRect rcCommand = rc;
  if (bVertical)
    rcCommand.left += cyDropDown;
  else
    rcCommand.bottom -= cyDropDown;
  if (state.nSelected && state.nPressed && bEnabled && !bOpen) {
    DrawRectangle(pDC, rc, TRUE, FALSE, TRUE, FALSE, FALSE, tkBarTypeNormal, state.nBarPosition);
    DrawRectangle(pDC, rcCommand, state.nSelected, state.nPressed, state.nEnabled,
                  state.nChecked, bOpen, tkBarTypeNormal, state.nBarPosition);
  } else {
    DrawRectangle(pDC, rc, state.nSelected, state.nPressed ? 1 : 0, state.nEnabled,
                  state.nChecked, bOpen, tkBarTypeNormal, state.nBarPosition);
  }
  if (!bHot) return;
  const COLORREF clrLine = GetIndexedColor(32);
  if (bVertical)
    DrawVerticalLine(pDC, rcCommand.left, rc.top, rc.bottom, clrLine);
  else
    DrawHorizontalLine(pDC, rc.left, rcCommand.bottom, rc.right, clrLine);
}

// Check boxes and radios -------------------------------------------------------------

namespace {

struct MarkColors {
  int nFill;
  int nBorder;
  int nMark;
};

MarkColors GetMarkColors(BOOL bRadio, BOOL bSelected, BOOL bPressed, int nChecked,
                         BOOL bEnabled) {
  MarkColors colors{5, 52, nChecked == 1 && bEnabled ? 18 : 35};
  if (!bEnabled) {
    colors.nFill = bRadio ? 51 : -1;
    colors.nBorder = 35;
  } else if (bSelected || bPressed) {
    colors.nFill = bSelected && bPressed ? 33 : 31;
    colors.nBorder = 32;
  }
  return colors;
}

}  // namespace

CSize CTKCommandBarsOfficeXPTheme::DrawControlCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw,
                                                           BOOL bSelected, BOOL bPressed,
                                                           int nChecked, BOOL bEnabled) {
  if (m_bThemedCheckMarks && m_pButtonTheme->IsAppThemed())
    return CTKPaintManagerBase::DrawControlCheckBoxMark(pDC, rc, bDraw, bSelected, bPressed,
                                                        nChecked, bEnabled);
  const CSize sz(TKScaleX(13), TKScaleY(13));
  if (!bDraw || pDC == nullptr) return sz;
  const MarkColors colors = GetMarkColors(FALSE, bSelected, bPressed, nChecked, bEnabled);
  FillRectWithBorder(pDC, rc, GetIndexedColor(colors.nBorder), GetIndexedColor(colors.nFill));
  if (!nChecked) return sz;
  const CPoint ptCenter = rc.CenterPoint();
  const int nMirror = IsDCRightToLeft(pDC) ? -1 : 1;
  const COLORREF clrMark = GetIndexedColor(colors.nMark);
  for (int i = 0; i < 3; ++i) {
    const int cy = ptCenter.y + i;
    DrawLine(pDC, ptCenter.x - nMirror * TKScaleX(3), cy - TKScaleY(1), ptCenter.x - nMirror * TKScaleX(1),
             cy + TKScaleY(1), clrMark);
    DrawLine(pDC, ptCenter.x - nMirror * TKScaleX(1), cy + TKScaleY(1), ptCenter.x + nMirror * TKScaleX(4),
             cy - TKScaleY(4), clrMark);
  }
  return sz;
}

CSize CTKCommandBarsOfficeXPTheme::DrawControlRadioButtonMark(CDC* pDC, CRect rc, BOOL bDraw,
                                                              BOOL bSelected, BOOL bPressed,
                                                              int nChecked, BOOL bEnabled) {
  if (m_bThemedCheckMarks && m_pButtonTheme->IsAppThemed())
    return CTKPaintManagerBase::DrawControlRadioButtonMark(pDC, rc, bDraw, bSelected, bPressed,
                                                           nChecked, bEnabled);
  const CSize sz(TKScaleX(13), TKScaleY(13));
  if (!bDraw || pDC == nullptr) return sz;
  const MarkColors colors = GetMarkColors(TRUE, bSelected, bPressed, nChecked, bEnabled);
  FillCircleAntialiased(pDC, rc.left, rc.top, rc.left + sz.cx, rc.top + sz.cy,
                        GetIndexedColor(colors.nBorder), GetIndexedColor(colors.nFill));
  if (!nChecked) return sz;
  const COLORREF clrMark = GetIndexedColor(colors.nMark);
  FillCircleAntialiased(pDC, rc.left + TKScaleX(4), rc.top + TKScaleY(4), rc.left + TKScaleX(9),
                        rc.top + TKScaleY(9), clrMark, clrMark);
  return sz;
}
