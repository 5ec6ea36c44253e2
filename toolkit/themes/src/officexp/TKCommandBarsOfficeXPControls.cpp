// CTKCommandBarsOfficeXPTheme: pop-up rows (face, icon cell, check marks,
// split and sub-menu parts) and the fields of edits and combo boxes.
#include <algorithm>

#include "TKControlDrawState.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlEdit.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKColorManager.h"
#include "common/TKDrawHelpers.h"
#include "common/TKGlyphFont.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKScopedHandle.h"
#include "themes/TKCommandBarsOfficeXPTheme.h"

namespace {

const TCHAR kGlyphArrowRight = 49;
const TCHAR kGlyphArrowRightMirrored = 48;
const TCHAR kGlyphSpinUp = 54;
const TCHAR kGlyphSpinDown = 55;

}  // namespace

CSize CTKCommandBarsOfficeXPTheme::DrawControlPopupParent(CDC* pDC, CTKControl* pControl,
                                                          BOOL bDraw) {
  if (!bDraw) return CTKPaintManagerBase::DrawControlPopupParent(pDC, pControl, bDraw);
  CTKCommandBar* pBar = pControl->GetParent();
  CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, pBar);
  const TKControlDrawState state(pControl);
  const int nEnabled = state.IsTextEnabled() ? state.nEnabled : 0;
  CTKSelectGuard font(pDC->GetSafeHdc(), GetControlFont(pControl)->GetSafeHandle());

  const CRect rc = pControl->GetRect();
  const CSize szIcon = pBar->GetIconSize();
  const int cxCell = std::max<int>(GetTextHeight() + TKScaleX(4), szIcon.cx + TKScaleX(4));
  const int cxBand = GetPopupBarGripperWidth(pBar);
  const BOOL bGripper = cxBand > 0;

  if (pControl->IsHiddenUntilExpand() && rc.left < cxBand)
    FillPopupBarBand(pDC, rc.left - 1, rc.top, cxBand - rc.left + 1, rc.Height(), TRUE);

  if (state.nType == tkControlLabel) {
    CRect rcLabel = rc;
    if (bGripper && m_bIndentPopupLabels && cxBand > rc.left) rcLabel.left = cxBand;
    FillPopupLabel(pDC, rcLabel);
  } else {
    DrawRectangle(pDC, rc, state.nSelected, FALSE, nEnabled, FALSE, FALSE, tkBarTypePopup,
                  tkBarPopup);
  }
  if (state.nType == tkControlSplitButtonPopup) DrawPopupSplitDivider(pDC, pControl);

  CRect rcCell(rc.left, rc.top, rc.left + cxCell, rc.bottom);
  if (!bGripper) rcCell.OffsetRect(m_nPopupTextGap / 2, 0);
  const BOOL bDoubleGripper = pPopup != nullptr && pPopup->IsDoubleGripper();
  if (bDoubleGripper) rcCell.OffsetRect(cxCell, 0);
  const CPoint ptCenter = rcCell.CenterPoint();
  const CRect rcIcon(ptCenter.x - (szIcon.cx + TKScaleX(4)) / 2,
                     ptCenter.y - (szIcon.cy + TKScaleY(4)) / 2,
                     ptCenter.x + (szIcon.cx + TKScaleX(4) + 1) / 2,
                     ptCenter.y + (szIcon.cy + TKScaleY(4) + 1) / 2);

  CTKImageManagerIcon* pImage =
      state.nStyle != tkButtonCaption ? pControl->GetImage(szIcon.cx) : nullptr;
  if (state.nChecked) {
    DrawPopupCheckedIconFrame(pDC, rcIcon, state.nSelected, FALSE, nEnabled, state.nChecked,
                              FALSE, tkBarTypePopup, tkBarPopup, 0);
  }
  if (pImage != nullptr) {
    const CSize szDraw = FitIconSize(pImage, szIcon);
    DrawImage(pDC, CPoint(ptCenter.x - szDraw.cx / 2, ptCenter.y - szDraw.cy / 2), szDraw,
              pImage, state.nSelected, FALSE, nEnabled, state.nChecked, FALSE, FALSE);
  }
  if (state.nChecked && (bDoubleGripper || pImage == nullptr)) {
    CRect rcMark = rcIcon;
    if (bDoubleGripper) rcMark.OffsetRect(-cxCell, 0);
    rcMark.DeflateRect(TKScaleX(3), TKScaleY(3));
    DrawPopupCheckMark(pDC, rcMark, state.nType == tkControlRadioButton, nEnabled,
                       state.nSelected);
  }

  pDC->SetTextColor(GetControlTextColor(pControl));
  pDC->SetBkMode(TRANSPARENT);
  if (state.nType == tkControlPopup || state.nType == tkControlButtonPopup ||
      state.nType == tkControlSplitButtonPopup)
    DrawPopupSubMenuGlyph(pDC, pControl);
  font.Restore();
  return CTKPaintManagerBase::DrawControlPopupParent(pDC, pControl, bDraw);
}

void CTKCommandBarsOfficeXPTheme::DrawPopupCheckedIconFrame(CDC* pDC, CRect rc, BOOL bSelected,
                                                            BOOL bPressed, BOOL bEnabled,
                                                            BOOL bChecked, BOOL bPopuped,
                                                            int nBarType, int nBarPosition, int) {
  DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked, bPopuped, nBarType,
                nBarPosition);
}

void CTKCommandBarsOfficeXPTheme::DrawPopupCheckMark(CDC* pDC, CRect rc, BOOL bRadio,
                                                     BOOL bEnabled, BOOL) {
  COLORREF clr = GetIndexedColor(40);
  if (bEnabled) {
    // Black unless the checked fill is too dark for it to show.
    const COLORREF clrBlack = RGB(0, 0, 0);
    clr = CTKColorManager::IsColorDistanceAbove(clrBlack, GetIndexedColor(36), TRUE, 50.0)
              ? clrBlack
              : RGB(255, 255, 255);
  }
  if (bRadio)
    DrawRadioMark(pDC, rc, bEnabled, clr);
  else
    DrawCheckMark(pDC, rc, bEnabled, clr);
}

void CTKCommandBarsOfficeXPTheme::DrawPopupSplitDivider(CDC* pDC, CTKControl* pControl) {
  const TKControlDrawState state(pControl);
  const CRect rc = pControl->GetRect();
  const CRect rcArrow(rc.right - m_nPopupSplitArrowWidth, rc.top, rc.right, rc.bottom);
  const BOOL bSelectedEnabled = state.nSelected && state.nEnabled;
  if (state.bPopuped && bSelectedEnabled) {
    FillRectIndexed(pDC, rcArrow, 32, 33);
    return;
  }
  const COLORREF clr = bSelectedEnabled ? GetIndexedColor(32)
                       : state.nEnabled ? GetIndexedColor(16)
                                        : GetControlTextColor(pControl);
  DrawVerticalLine(pDC, rcArrow.left, rc.top + 1, rc.bottom - 1, clr);
}

void CTKCommandBarsOfficeXPTheme::DrawPopupSubMenuGlyph(CDC* pDC, CTKControl* pControl) {
  const TKControlDrawState state(pControl);
  const CRect rc = pControl->GetRect();
  const int cx = state.nType == tkControlSplitButtonPopup ? m_nPopupSplitArrowWidth
                                                          : rc.Height();
  CRect rcGlyph(rc.right - cx, rc.top, rc.right, rc.bottom);
  rcGlyph.DeflateRect(TKScaleX(4), TKScaleY(4));
  const BOOL bOpenSplit = state.nType == tkControlSplitButtonPopup && state.nEnabled &&
                          state.nSelected && state.bPopuped;
  const COLORREF clr = bOpenSplit ? GetIndexedColor(47) : GetControlTextColor(pControl);
  TKGlyphFont()->DrawGlyph(pDC, IsDCRightToLeft(pDC) ? kGlyphArrowRightMirrored : kGlyphArrowRight,
                           rcGlyph, clr);
}

// Edit fields and combo boxes -----------------------------------------------------------

namespace {

/// The field: the control's rectangle after its label.
CRect GetFieldRect(CTKControl* pControl, int cxLabel) {
  CRect rc = pControl->GetRect();
  rc.left += cxLabel;
  return rc;
}

}  // namespace

CSize CTKCommandBarsOfficeXPTheme::DrawControlEdit(CDC* pDC, CTKControl* pControl, BOOL bDraw) {
  const CSize sz = CTKPaintManagerBase::DrawControlEdit(pDC, pControl, bDraw);
  if (!bDraw) return sz;
  CTKControlEdit* pEdit = DYNAMIC_DOWNCAST(CTKControlEdit, pControl);
  const TKControlDrawState state(pControl);
  const CRect rcField = GetFieldRect(pControl, pEdit != nullptr ? pEdit->GetLabelWidth() : 0);
  const COLORREF clrBack = GetControlEditBackColor(pControl);
  if (state.nEnabled) {
    CRect rcInside = rcField;
    rcInside.DeflateRect(1, 1);
    if (pEdit != nullptr && !pEdit->GetSpinButtonsRect().IsRectEmpty())
      rcInside.right -= TKScaleX(18);
    pDC->FillSolidRect(rcInside, clrBack);
    FillRectWithBorder(pDC, rcField, GetIndexedColor(state.nSelected ? 32 : 53), -1);
  } else {
    CRect rcDisabled = rcField;
    rcDisabled.left += 1;
    FillRectWithBorder(pDC, rcDisabled,
                       GetIndexedColor(state.nSelected == 2 || state.nSelected == 3 ? 32 : 40),
                       clrBack);
  }
  DrawEditButtons(pDC, pControl, rcField);
  return CSize(0, 0);
}

void CTKCommandBarsOfficeXPTheme::DrawEditButtons(CDC* pDC, CTKControl* pControl,
                                                  const CRect&, BOOL bSpin) {
  CTKControlEdit* pEdit = DYNAMIC_DOWNCAST(CTKControlEdit, pControl);
  if (pEdit == nullptr) return;
  const TKControlDrawState state(pControl);
  const CRect rcSpin = pEdit->GetSpinButtonsRect();
  if (bSpin && !rcSpin.IsRectEmpty()) {
    const int nMiddle = rcSpin.CenterPoint().y;
    const CRect rcUp(rcSpin.left, rcSpin.top, rcSpin.right, nMiddle);
    const CRect rcDown(rcSpin.left, nMiddle, rcSpin.right, rcSpin.bottom);
    if (state.nEnabled && state.nSelected) {
      FillRectIndexed(pDC, rcSpin, -1, 31);
      if (state.nPressed == 4) FillRectIndexed(pDC, rcUp, -1, 33);
      if (state.nPressed == 5) FillRectIndexed(pDC, rcDown, -1, 33);
      DrawVerticalLine(pDC, rcSpin.left, rcSpin.top, rcSpin.bottom, GetIndexedColor(32));
      DrawHorizontalLine(pDC, rcSpin.left, nMiddle, rcSpin.right, GetIndexedColor(32));
    } else {
      FillRectWithBorder(pDC, rcSpin, GetControlEditBackColor(pControl), -1);
    }
    const COLORREF clrGlyph = state.nEnabled ? m_clrEditTextColor : m_clrEditTextDisabledColor;
    TKGlyphFont()->DrawGlyph(pDC, kGlyphSpinUp, rcUp + CPoint(0, 1), clrGlyph);
    TKGlyphFont()->DrawGlyph(pDC, kGlyphSpinDown, rcDown - CPoint(0, 1), clrGlyph);
  }
  const CRect rcBuddy = pEdit->GetBuddyButtonRect();
  if (rcBuddy.IsRectEmpty()) return;
  DrawRectangle(pDC, rcBuddy, state.nSelected == 6, state.nPressed == 6, state.nEnabled, FALSE,
                FALSE, tkBarTypeNormal, state.nBarPosition);
  CTKCommandBar* pBar = pControl->GetParent();
  CTKImageManager* pImages = pBar != nullptr ? pBar->GetImageManager() : nullptr;
  CTKImageManagerIcon* pIcon =
      pImages != nullptr ? pImages->GetImage(pEdit->GetBuddyButtonId(), 16) : nullptr;
  if (pIcon == nullptr) return;
  const CSize sz(TKScaleX(16), TKScaleY(16));
  const CPoint pt = rcBuddy.CenterPoint() - CSize(sz.cx / 2, sz.cy / 2);
  CTKImageManagerIconHandle& image = !state.nEnabled      ? pIcon->GetDisabledImage()
                                     : state.nSelected == 6 ? pIcon->GetHotImage()
                                                            : pIcon->GetNormalImage();
  pIcon->Draw(pDC, pt, image, sz.cx, sz.cy);
}

CSize CTKCommandBarsOfficeXPTheme::DrawControlComboBox(CDC* pDC, CTKControl* pControl,
                                                       BOOL bDraw) {
  const CSize sz = CTKPaintManagerBase::DrawControlComboBox(pDC, pControl, bDraw);
  if (!bDraw) return sz;
  CTKControlComboBox* pCombo = DYNAMIC_DOWNCAST(CTKControlComboBox, pControl);
  const TKControlDrawState state(pControl);
  const CRect rcField = GetFieldRect(pControl, pCombo != nullptr ? pCombo->GetLabelWidth() : 0);
  const int cxButton = pCombo != nullptr && pCombo->GetDropDownButtonWidth() > 0
                           ? pCombo->GetDropDownButtonWidth()
                           : GetComboDropDownButtonWidth(rcField.Height());
  const CRect rcButton(rcField.right - cxButton, rcField.top, rcField.right, rcField.bottom);
  const COLORREF clrBack = GetControlEditBackColor(pControl);
  const BOOL bDropped = state.bPopuped;

  if (!state.nEnabled) {
    CRect rcDisabled = rcField;
    rcDisabled.left += 1;
    FillRectWithBorder(pDC, rcDisabled,
                       GetIndexedColor(state.nSelected == 2 || state.nSelected == 3 ? 32 : 40),
                       clrBack);
  } else {
    CRect rcInside = rcField;
    rcInside.DeflateRect(1, 1);
    pDC->FillSolidRect(rcInside, clrBack);
    if (state.nSelected) {
      FillRectWithBorder(pDC, rcField, GetIndexedColor(32), -1);
      DrawRectangle(pDC, rcButton, TRUE, bDropped, TRUE, FALSE, FALSE, tkBarTypeNormal,
                    state.nBarPosition);
    } else {
      FillRectWithBorder(pDC, rcField, GetIndexedColor(53), -1);
      if (state.nBarType == tkBarTypePopup) {
        FillRectWithBorder(pDC, rcButton, GetIndexedColor(5), GetIndexedColor(53));
      } else {
        CRect rcFrame = rcButton;
        rcFrame.DeflateRect(1, 1);
        FillRectWithBorder(pDC, rcFrame, clrBack, -1);
      }
    }
  }
  const int nMark = !state.nEnabled ? 40 : bDropped ? 47 : state.nSelected ? 45 : 46;
  CRect rcMark = rcButton;
  rcMark.DeflateRect(1, 1);
  DrawComboExpandMark(pDC, rcMark, GetIndexedColor(nMark));
  return CSize(0, 0);
}
