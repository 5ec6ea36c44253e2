// CTKPaintManagerBase: the rows of pop-up bars. The icon column, the caption
// and shortcut texts and the caption-with-description layout; themes draw a
// row's face, icon and marks before they call this for the texts.
#include <algorithm>

#include "TKControlDrawState.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKDrawHelpers.h"
#include "common/TKScopedHandle.h"
#include "themes/TKPaintManagerBase.h"

CSize CTKPaintManagerBase::GetPopupBarGripperSize(CTKCommandBar* pBar) {
  const CSize szIcon = pBar->GetIconSize();
  const int nText = GetTextHeight();
  return CSize(TKScaleX(4) + std::max<int>(nText, szIcon.cx),
               std::max<int>(nText, szIcon.cy + TKScaleY(6)));
}

int CTKPaintManagerBase::GetPopupBarGripperWidth(CTKCommandBar* pBar) {
  if (pBar == nullptr || pBar->GetType() != tkBarTypePopup) return 0;
  CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, pBar);
  const int nCells = pPopup != nullptr && pPopup->IsDoubleGripper() ? 2 : 1;
  return TKScaleX(1) + nCells * GetPopupBarGripperSize(pBar).cx;
}

int CTKPaintManagerBase::DrawMenuItemText(CDC* pDC, const CString& strText, CRect& rc,
                                          UINT nFormat, BOOL bDraw, BOOL bSelected,
                                          BOOL bEnabled) {
  if (!bDraw) return pDC->DrawText(strText, rc, DT_CALCRECT);
  nFormat |= DT_SINGLELINE | DT_VCENTER;
  if (!bSelected && !bEnabled && m_bEmbossedDisabledText) {
    const COLORREF clrText = pDC->SetTextColor(GetIndexedColor(20));
    CRect rcEmboss(rc);
    rcEmboss.OffsetRect(TKScaleX(1), TKScaleY(1));
    pDC->DrawText(strText, rcEmboss, nFormat);
    pDC->SetTextColor(clrText);
  }
  return pDC->DrawText(strText, rc, nFormat);
}

CSize CTKPaintManagerBase::DrawControlPopupParent(CDC* pDC, CTKControl* pControl, BOOL bDraw) {
  CTKCommandBar* pBar = pControl->GetParent();
  const TKControlDrawState state(pControl);
  const BOOL bEnabled = state.IsTextEnabled();
  const BOOL bIconStyle = state.nStyle != tkButtonCaption;

  CString strCaption = pControl->GetCaption();
  CString strShortcut;
  if (state.nType == tkControlButton) {
    strShortcut = pControl->GetCustomShortcutText();
    if (strShortcut.IsEmpty()) strShortcut = pControl->GetShortcutText();
  }

  const CSize szCell = GetPopupBarGripperSize(pBar);
  int cxGripper = GetPopupBarGripperWidth(pBar) - TKScaleX(1);
  int cyRow = szCell.cy;
  if (state.nType == tkControlLabel) {
    const BOOL bNoImage = !bIconStyle || pControl->GetImage(pBar->GetIconSize().cx) == nullptr;
    if (!m_bIndentPopupLabels && bNoImage) cxGripper = 0;
    if (!bIconStyle) cyRow = GetTextHeight();
  }

  const CRect rcControl = pControl->GetRect();
  CRect rcCaption(rcControl.left + cxGripper + m_nPopupTextGap, rcControl.top, rcControl.right,
                  rcControl.bottom);
  CRect rcShortcut(rcControl.left + cxGripper + TKScaleX(8), rcControl.top,
                   rcControl.right - TKScaleX(19), rcControl.bottom);
  if (bDraw) {
    if (!strShortcut.IsEmpty())
      rcCaption.right -= TKScaleX(19) + pDC->GetTextExtent(strShortcut).cx;
    else if (state.nType == tkControlSplitButtonPopup)
      rcCaption.right -= m_nPopupSplitArrowWidth;
    else if (state.nType == tkControlPopup || state.nType == tkControlButtonPopup)
      rcCaption.right -= szCell.cx;
  }

  const BOOL bCues = pBar->IsKeyboardCuesVisible();
  if (!bCues) strCaption = StripAmpersands(strCaption);
  const UINT nCaptionFormat = DT_END_ELLIPSIS | (bCues ? 0 : DT_NOPREFIX);

  const CString strDescription = pControl->GetDescription();
  const BOOL bDescription = state.nStyle == tkButtonCaptionAndDescription &&
                            !strDescription.IsEmpty();
  CTKSelectGuard boldFont(pDC->GetSafeHdc(),
                          bDescription ? static_cast<HGDIOBJ>(m_fontBold.GetSafeHandle()) : NULL);

  if (bDescription && bDraw) {
    rcCaption.bottom = rcShortcut.bottom =
        rcControl.top + pDC->GetTextExtent(" ", 1).cy + TKScaleY(10);
  }
  // Measuring starts from empty rectangles, which the texts then fill.
  if (!bDraw) rcCaption = rcShortcut = CRect(0, 0, 0, 0);
  const int cyCaption = DrawMenuItemText(pDC, strCaption, rcCaption, nCaptionFormat,
                                         bDraw, state.nSelected, bEnabled);
  if (!strShortcut.IsEmpty())
    DrawMenuItemText(pDC, strShortcut, rcShortcut, DT_RIGHT, bDraw, state.nSelected,
                     bEnabled);
  const int cxTexts = TKScaleX(32) + m_nPopupTextGap + rcCaption.Width() + rcShortcut.Width() +
                      cxGripper;

  if (!bDescription) {
    if (bDraw) return CSize(0, 0);
    return ApplyControlSize(pControl, CSize(cxTexts, cyRow), FALSE);
  }

  // The description goes below the bold caption in the bar's own font.
  boldFont.Restore();
  if (bDraw) {
    CRect rcDescription(rcCaption.left, rcCaption.bottom - TKScaleY(2),
                        rcControl.right - TKScaleX(10), rcControl.bottom);
    pDC->DrawText(strDescription, rcDescription, DT_WORDBREAK | DT_NOPREFIX);
    return CSize(0, 0);
  }
  const int cxDescription = pDC->GetTextExtent(strDescription).cx;
  CRect rcTwoLines(0, 0, (TKScaleX(20) + cxDescription) / 2, 0);
  pDC->DrawText("1\n2", 3, rcTwoLines, DT_CALCRECT | DT_WORDBREAK);
  const int cx = std::max(cxTexts, cxDescription / 2 + TKScaleX(32) + cxGripper + m_nPopupTextGap);
  const int cyTexts = TKScaleY(19) + cyCaption + rcTwoLines.Height();
  return ApplyControlSize(pControl, CSize(cx, std::max<int>(szCell.cy, cyTexts)), FALSE);
}
