// CTKCommandBarsOffice2000Theme: the controls it draws whole: pop-up rows with
// their check, icon and arrow columns, rows of a command list, and the fields
// of edits and combo boxes after the base's labels.
#include <algorithm>

#include "TKControlDrawState.h"
#include "TKGlyphCodes.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlEdit.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDrawHelpers.h"
#include "common/TKGlyphFont.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKScopedHandle.h"
#include "themes/TKCommandBarsOffice2000Theme.h"

namespace {

/// The divider and the drop-down part of a split row: 20 pixels at the right.
int SplitColumnLeft(const CRect& rc) { return rc.right - TKScaleX(20); }

BOOL IsPopupType(int nType) {
  return nType == tkControlPopup || nType == tkControlButtonPopup ||
         nType == tkControlSplitButtonPopup;
}

/// The square at the row's right end, 4 pixels in: where the sub-menu arrow goes.
CRect ArrowBox(const CRect& rc) {
  CRect rcArrow(rc.right - rc.Height(), rc.top, rc.right, rc.bottom);
  rcArrow.DeflateRect(TKScaleX(4), TKScaleY(4));
  return rcArrow;
}

/// The inside of an enabled field, one pixel in from its frame.
void FillFieldBack(CTKPaintManager* pPaintManager, CDC* pDC, CTKControl* pControl, CRect rcField) {
  rcField.DeflateRect(1, 1);
  pDC->FillSolidRect(rcField, pPaintManager->GetControlEditBackColor(pControl));
}

CPoint CentredIn(const CRect& rc, CSize sz) {
  return CPoint(rc.left + (rc.Width() - sz.cx) / 2, rc.top + (rc.Height() - sz.cy) / 2);
}

}  // namespace

CSize CTKCommandBarsOffice2000Theme::GetPopupBarGripperSize(CTKCommandBar* pBar) {
  const CSize szIcon = pBar->GetIconSize();
  return CSize(std::max<int>(GetTextHeight(), szIcon.cx + TKScaleX(4)),
               std::max<int>(GetTextHeight(), szIcon.cy + TKScaleY(4)));
}

CSize CTKCommandBarsOffice2000Theme::DrawControlPopupParent(CDC* pDC, CTKControl* pControl,
                                                            BOOL bDraw) {
  CTKCommandBar* pBar = pControl->GetParent();
  CTKSelectGuard font(pDC->GetSafeHdc(), GetControlFont(pControl)->GetSafeHandle());
  if (!bDraw || pBar == nullptr)
    return CTKPaintManagerBase::DrawControlPopupParent(pDC, pControl, bDraw);

  const TKControlDrawState state(pControl);
  const BOOL bSelected = state.nSelected != 0;
  const BOOL bEnabled = state.nEnabled != 0;
  const CRect rc = pControl->GetRect();
  const CSize szIcon = pBar->GetIconSize();
  const int cxCell = std::max<int>(GetTextHeight(), szIcon.cx + TKScaleX(4));
  const CRect rcCheck(rc.left, rc.top, rc.left + cxCell, rc.bottom);
  int xRest = rc.left;  // where the row's own highlight starts

  if (pControl->IsHiddenUntilExpand()) {
    FillRectIndexed(pDC, rc, -1, 22);
    const int cxColumn = GetPopupBarGripperWidth(pBar);
    if (cxColumn > 0) FillPopupBarBand(pDC, pBar, rc.left, rc.top, cxColumn, rc.Height());
  }
  const COLORREF clrText = GetRectangleTextColor(state.nSelected, FALSE, state.IsTextEnabled(),
                                                 FALSE, FALSE, tkBarTypePopup, tkBarPopup);
  pDC->SetTextColor(clrText);
  if (m_bPopupCheckFrames && bSelected)
    DrawRectangle(pDC, rc, state.nSelected, FALSE, TRUE, FALSE, FALSE, tkBarTypePopup, tkBarPopup);
  if (state.nChecked) {
    DrawRectangle(pDC, rcCheck, state.nSelected, FALSE, bEnabled, state.nChecked, FALSE,
                  tkBarTypePopup, tkBarPopup);
    xRest = rcCheck.right + TKScaleX(1);
  }

  // With a double gripper the check keeps the first cell and the icon takes the second.
  CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, pBar);
  const BOOL bDoubleGripper = pPopup != nullptr && pPopup->IsDoubleGripper();
  CRect rcIcon(rcCheck);
  if (bDoubleGripper) rcIcon.OffsetRect(cxCell + TKScaleX(1), 0);
  CTKImageManagerIcon* pImage =
      state.nStyle != tkButtonCaption ? pControl->GetImage(szIcon.cx) : nullptr;
  if (pImage != nullptr) {
    const CSize sz = FitIconSize(pImage, szIcon);
    if (!m_bPopupCheckFrames)
      DrawRectangle(pDC, rcIcon, state.nSelected, FALSE, bEnabled,
                    bDoubleGripper ? FALSE : state.nChecked, FALSE, tkBarTypeNormal, tkBarPopup);
    DrawImage(pDC, CentredIn(rcIcon, sz), sz, pImage, state.nSelected, FALSE, bEnabled,
              state.nChecked, FALSE, FALSE);
    xRest = rcIcon.right + TKScaleX(1);
  }
  if (state.nChecked && (pImage == nullptr || bDoubleGripper)) {
    CRect rcMark(CentredIn(rcCheck, TKDpiHelper()->ScaleSize(CSize(20, 20))),
                 TKDpiHelper()->ScaleSize(CSize(20, 20)));
    rcMark.DeflateRect(TKScaleX(3), TKScaleY(3));
    const COLORREF clrMark = GetIndexedColor(bEnabled ? m_nMenuTextColorIndex : 17);
    if (state.nType == tkControlRadioButton)
      DrawRadioMark(pDC, rcMark, bEnabled, clrMark);
    else
      DrawCheckMark(pDC, rcMark, bEnabled, clrMark);
  }

  pDC->SetBkMode(TRANSPARENT);
  const BOOL bHighlight = bSelected && !m_bPopupCheckFrames;
  auto highlight = [&](int xRight) {
    DrawRectangle(pDC, CRect(xRest, rc.top, xRight, rc.bottom), state.nSelected, FALSE, TRUE,
                  FALSE, FALSE, tkBarTypePopup, tkBarPopup);
  };
  COLORREF clrArrow = clrText;
  if (state.nType == tkControlSplitButtonPopup) {
    if (state.bPopuped && bHighlight) clrArrow = GetIndexedColor(m_nMenuTextColorIndex);
    const int xSplit = SplitColumnLeft(rc);
    if (state.bPopuped && bSelected && bEnabled) {
      DrawSunken(pDC, CRect(xSplit, rc.top, rc.right, rc.bottom));
      if (!m_bPopupCheckFrames) highlight(xSplit);
    } else {
      if (bHighlight) highlight(rc.right);
      const COLORREF clrDivider =
          !bEnabled ? clrText : GetIndexedColor(bSelected ? 16 : m_nMenuTextColorIndex);
      DrawVerticalLine(pDC, xSplit, rc.top + 1, rc.bottom - 1, clrDivider);
    }
  } else if (bHighlight) {
    highlight(rc.right);
  }
  if (IsPopupType(state.nType))
    TKGlyphFont()->DrawGlyph(pDC, kTKGlyphArrowRight, ArrowBox(rc), clrArrow);

  return CTKPaintManagerBase::DrawControlPopupParent(pDC, pControl, TRUE);
}

CSize CTKCommandBarsOffice2000Theme::DrawListBoxControl(CDC* pDC, CTKControl* pControl, CRect rc,
                                                        BOOL bSelected, BOOL bDraw,
                                                        CTKCommandBars* pCommandBars) {
  if (pControl == nullptr) {
    if (bDraw) FillRectIndexed(pDC, rc, -1, 15);
    return CSize(0, 0);
  }
  CSize szIcon = GetAutoIconSize(FALSE);
  if (pCommandBars != nullptr) {
    const CSize szOption = pCommandBars->GetCommandBarsOptions()->szPopupIcons;
    if (szOption.cx > 0 && szOption.cy > 0) szIcon = szOption;
  }
  const CSize szRow(std::max<int>(GetTextHeight(), szIcon.cx + TKScaleX(4)),
                    std::max<int>(GetTextHeight(), szIcon.cy + TKScaleY(4)));
  if (!bDraw) return szRow;

  FillRectIndexed(pDC, rc, -1, 15);
  const CRect rcCell(rc.left, rc.top, rc.left + szRow.cx, rc.bottom);
  const int nType = pControl->GetType();
  const int nStyle = pControl->GetStyle();
  const BOOL bEnabled = pControl->GetEnabled() != 0;
  const BOOL bImageStyle = nStyle == tkButtonIcon || nStyle == tkButtonIconAndCaption ||
                           nStyle == tkButtonIconAndCaptionBelow ||
                           (nStyle == tkButtonAutomatic && nType != tkControlPopup);
  if (CTKImageManagerIcon* pImage = bImageStyle ? pControl->GetImage(szIcon.cx) : nullptr) {
    DrawRectangle(pDC, rcCell, bSelected, FALSE, bEnabled, FALSE, FALSE, tkBarTypeNormal,
                  tkBarPopup);
    const CSize sz = FitIconSize(pImage, szIcon);
    DrawImage(pDC, CentredIn(rcCell, sz), sz, pImage, bSelected, FALSE, bEnabled, 0, FALSE, TRUE);
  }
  if (bSelected) FillRectIndexed(pDC, CRect(rcCell.right, rc.top, rc.right, rc.bottom), -1, 13);

  CTKSelectGuard font(pDC->GetSafeHdc(), m_fontRegular.GetSafeHandle());
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  const COLORREF clrText = GetIndexedColor(bSelected ? 14 : 18);
  const COLORREF clrOldText = pDC->SetTextColor(clrText);
  const CString strCaption = StripAmpersands(pControl->GetCaption());
  CRect rcText(rcCell.right + TKScaleX(4), rc.top, rc.right, rc.bottom);
  pDC->DrawText(strCaption, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);

  if (IsPopupType(nType)) {
    TKGlyphFont()->DrawGlyph(pDC, kTKGlyphArrowRight, ArrowBox(rc), clrText);
    if (nType == tkControlSplitButtonPopup)
      DrawVerticalLine(pDC, SplitColumnLeft(rc), rc.top + 1, rc.bottom - 1, clrText);
  } else if (nType == tkControlEdit || nType == tkControlComboBox) {
    // A sample field after the caption shows the kind of control.
    const int xField = rcText.left + pDC->GetTextExtent(strCaption).cx + TKScaleX(8);
    CRect rcField(xField, rc.top + TKScaleY(2), rc.right - TKScaleX(4), rc.bottom - TKScaleY(2));
    if (rcField.Width() > 0) {
      FillRectIndexed(pDC, rcField, bSelected ? 13 : 15, 5);
      if (nType == tkControlComboBox) {
        const CRect rcButton(rcField.right - GetComboDropDownButtonWidth(rcField.Height()),
                             rcField.top, rcField.right, rcField.bottom);
        DrawComboExpandMark(pDC, rcButton, GetIndexedColor(18));
      }
    }
  }
  pDC->SetTextColor(clrOldText);
  pDC->SetBkMode(nOldMode);
  return szRow;
}

// Edit fields and combo boxes ----------------------------------------------------------

CSize CTKCommandBarsOffice2000Theme::DrawControlEdit(CDC* pDC, CTKControl* pControl, BOOL bDraw) {
  const CSize sz = CTKPaintManagerBase::DrawControlEdit(pDC, pControl, bDraw);
  CTKControlEdit* pEdit = DYNAMIC_DOWNCAST(CTKControlEdit, pControl);
  if (!bDraw || pEdit == nullptr) return sz;

  const CRect rc = pControl->GetRect();
  const CRect rcField(rc.left + pEdit->GetLabelWidth(), rc.top, rc.right, rc.bottom);
  const BOOL bEnabled = pControl->GetEnabled() != 0;
  const int nSelected = pControl->GetSelected();
  if (bEnabled) FillFieldBack(this, pDC, pControl, rcField);
  // The text itself is the edit window's, over the field.
  DrawEditFrame(pDC, rcField, bEnabled, nSelected);
  if (pEdit->IsSpinButtonsVisible()) DrawSpinButtons(pDC, pControl);

  const int nBuddy = pEdit->GetBuddyButtonId();
  if (nBuddy > 0) {
    // Selection and pressed state 6 belong to the buddy button.
    const BOOL bBuddyHot = nSelected == 6;
    const BOOL bBuddyActive = bBuddyHot || pControl->GetPressed() == 6;
    const CRect rcBuddy = pEdit->GetBuddyButtonRect();
    DrawRectangle(pDC, rcBuddy, bBuddyActive, bBuddyActive, TRUE, FALSE, FALSE, tkBarTypeNormal,
                  tkBarTop);
    CTKCommandBar* pBar = pControl->GetParent();
    CTKImageManager* pImages = pBar != nullptr ? pBar->GetImageManager() : nullptr;
    if (CTKImageManagerIcon* pIcon = pImages != nullptr ? pImages->GetImage(nBuddy, 16) : nullptr) {
      const CSize szIcon = FitIconSize(pIcon, TKDpiHelper()->ScaleSize(CSize(16, 16)));
      DrawImage(pDC, CentredIn(rcBuddy, szIcon), szIcon, pIcon, bBuddyHot, FALSE, bEnabled, 0,
                FALSE, TRUE);
    }
  }
  return sz;
}

CSize CTKCommandBarsOffice2000Theme::DrawControlComboBox(CDC* pDC, CTKControl* pControl,
                                                         BOOL bDraw) {
  CTKControlComboBox* pCombo = DYNAMIC_DOWNCAST(CTKControlComboBox, pControl);
  if (!bDraw || pCombo == nullptr)
    return CTKPaintManagerBase::DrawControlComboBox(pDC, pControl, bDraw);

  CTKSelectGuard font(pDC->GetSafeHdc(), m_fontIconTitle.GetSafeHandle());
  CTKPaintManagerBase::DrawControlComboBox(pDC, pControl, TRUE);
  const CRect rc = pControl->GetRect();
  const CRect rcField(rc.left + pCombo->GetLabelWidth(), rc.top, rc.right, rc.bottom);
  const CRect rcButton(rcField.right - pCombo->GetDropDownButtonWidth(), rcField.top,
                       rcField.right, rcField.bottom);
  const BOOL bEnabled = pControl->GetEnabled() != 0;
  const int nSelected = pControl->GetSelected();
  if (bEnabled) FillFieldBack(this, pDC, pControl, rcField);
  pCombo->DrawEditText(pDC, CRect(rcField.left + TKScaleX(3), rcField.top + TKScaleY(1),
                                  rcButton.left, rcField.bottom - TKScaleY(1)));
  DrawComboButton(pDC, rcButton, bEnabled, nSelected != 0, pCombo->IsListOpen());
  DrawEditFrame(pDC, rcField, bEnabled, nSelected);
  return CSize(0, 0);
}
