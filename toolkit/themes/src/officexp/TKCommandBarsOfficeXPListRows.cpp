// CTKCommandBarsOfficeXPTheme: a control drawn as one row of a command list,
// as the customisation lists show them: the pop-up's light rows with their
// icon band, a hot row as a hot menu item.
#include <algorithm>

#include "TKControlDrawState.h"
#include "TKGlyphCodes.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControl.h"
#include "common/TKDrawHelpers.h"
#include "common/TKGlyphFont.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKScopedHandle.h"
#include "themes/TKCommandBarsOfficeXPTheme.h"

namespace {

BOOL IsPopupType(int nType) {
  return nType == tkControlPopup || nType == tkControlButtonPopup ||
         nType == tkControlSplitButtonPopup;
}

BOOL ShowsIcon(CTKControl* pControl) {
  const int nStyle = pControl->GetStyle();
  return nStyle == tkButtonIcon || nStyle == tkButtonIconAndCaption ||
         (nStyle == tkButtonAutomatic && pControl->GetType() != tkControlPopup);
}

}  // namespace

CSize CTKCommandBarsOfficeXPTheme::DrawListBoxControl(CDC* pDC, CTKControl* pControl, CRect rc,
                                                      BOOL bSelected, BOOL bDraw,
                                                      CTKCommandBars* pCommandBars) {
  CSize szIcon = GetAutoIconSize(FALSE);
  if (pCommandBars != nullptr) {
    const CSize szOption = pCommandBars->GetCommandBarsOptions()->szPopupIcons;
    if (szOption.cx > 0 && szOption.cy > 0) szIcon = szOption;
  }
  const int nCell = std::max<int>(GetTextHeight(), szIcon.cx) + TKScaleX(4);
  const int nHeight = std::max<int>(GetTextHeight(), szIcon.cy + TKScaleY(6));
  if (!bDraw) return pControl != nullptr ? CSize(nCell, nHeight) : CSize(0, 0);

  FillRectIndexed(pDC, rc, -1, 41);
  FillPopupBarBand(pDC, rc.left, rc.top, nCell + 1, rc.Height(), FALSE);
  if (pControl == nullptr) return CSize(0, 0);

  const BOOL bEnabled = pControl->GetEnabled() != 0;
  if (bSelected)
    DrawRectangle(pDC, rc, TRUE, FALSE, bEnabled, FALSE, FALSE, tkBarTypePopup, tkBarPopup);
  const CRect rcCell(rc.left, rc.top, rc.left + nCell, rc.bottom);
  if (CTKImageManagerIcon* pImage = ShowsIcon(pControl) ? pControl->GetImage(szIcon.cx) : nullptr) {
    const CSize sz = FitIconSize(pImage, szIcon);
    const CPoint pt(rcCell.left + (rcCell.Width() - sz.cx) / 2,
                    rcCell.top + (rcCell.Height() - sz.cy) / 2);
    DrawImage(pDC, pt, sz, pImage, bSelected, FALSE, bEnabled, 0, FALSE, FALSE);
  }

  const int nType = pControl->GetType();
  const COLORREF clrText =
      GetRectangleTextColor(bSelected, FALSE, bEnabled, FALSE, FALSE, tkBarTypePopup, tkBarPopup);
  CRect rcText(rcCell.right + TKScaleX(8), rc.top, rc.right, rc.bottom);
  if (IsPopupType(nType)) {
    // The sub-menu arrow in a square at the right end; a split row's
    // drop-down part starts at its divider.
    rcText.right = rc.right - rc.Height();
    CRect rcArrow(rc.right - rc.Height(), rc.top, rc.right, rc.bottom);
    rcArrow.DeflateRect(TKScaleX(4), TKScaleY(4));
    TKGlyphFont()->DrawGlyph(pDC, kTKGlyphArrowRight, rcArrow, clrText);
    if (nType == tkControlSplitButtonPopup) {
      const int x = rc.right - TKScaleX(20);
      DrawVerticalLine(pDC, x, rc.top + 1, rc.bottom - 1, GetIndexedColor(bSelected ? 32 : 16));
      rcText.right = x;
    }
  }
  CTKSelectGuard font(pDC->GetSafeHdc(), m_fontRegular.GetSafeHandle());
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  const COLORREF clrOldText = pDC->SetTextColor(clrText);
  const CString strCaption = StripAmpersands(pControl->GetCaption());
  pDC->DrawText(strCaption, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  pDC->SetTextColor(clrOldText);
  pDC->SetBkMode(nOldMode);

  if (nType == tkControlEdit || nType == tkControlComboBox) {
    // A sample field after the caption shows the kind of control.
    const int nCaptionEnd =
        std::min<int>(rcText.right, rcText.left + pDC->GetTextExtent(strCaption).cx);
    CRect rcField(nCaptionEnd + TKScaleX(5), rc.top, rc.right, rc.bottom);
    if (rcField.Width() > 0) {
      FillRectIndexed(pDC, rcField, bSelected ? 32 : 15, 5);
      if (nType == tkControlComboBox) {
        const int nButton = pDC->GetTextExtent(_T(" "), 1).cy + 2;
        CRect rcButton(rcField.right - nButton, rcField.top, rcField.right, rcField.bottom);
        if (bSelected) {
          DrawRectangle(pDC, rcButton, TRUE, FALSE, bEnabled, FALSE, FALSE, tkBarTypePopup,
                        tkBarPopup);
        } else {
          CRect rcFace = rcButton;
          rcFace.DeflateRect(2, 2);
          FillRectIndexed(pDC, rcFace, -1, 15);
        }
        rcButton.DeflateRect(1, 1);
        DrawComboExpandMark(pDC, rcButton, GetIndexedColor(bSelected ? 45 : 46));
      }
    }
  }
  return CSize(nCell, nHeight);
}
