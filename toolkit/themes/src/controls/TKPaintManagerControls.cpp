// CTKPaintManagerBase: the dispatch of a control to the operation for its kind
// and bar, and the shared pieces those operations use: the text colour and
// font, the text direction, the command part of a split button and the sizes.
#include "TKControlDrawState.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "common/TKImageManagerIcon.h"
#include "themes/TKPaintManagerBase.h"

namespace {

/// 1 vertical or 2 horizontal: the bar's setting, else by its dock side.
int ResolveTextOrientation(CTKCommandBar* pBar) {
  if (pBar == nullptr) return 2;
  if (pBar->GetTextOrientation() != 0) return pBar->GetTextOrientation();
  const int nPosition = pBar->GetPosition();
  return nPosition == tkBarLeft || nPosition == tkBarRight ? 1 : 2;
}

}  // namespace

CSize CTKPaintManagerBase::DrawControl(CDC* pDC, CTKControl* pControl, BOOL bDraw) {
  const int nType = pControl->GetType();
  if (nType == tkControlEdit) return DrawControlEdit(pDC, pControl, bDraw);
  if (nType == tkControlComboBox) return DrawControlComboBox(pDC, pControl, bDraw);
  CTKCommandBar* pBar = pControl->GetParent();
  if (pBar != nullptr && pBar->GetType() == tkBarTypePopup)
    return DrawControlPopupParent(pDC, pControl, bDraw);
  return DrawControlToolBarParent(pDC, pControl, bDraw);
}

void CTKPaintManagerBase::DrawControlEntry(CDC* pDC, CTKControl* pControl) {
  if (DrawRibbonControlFace(pDC, pControl)) return;
  if (DrawControlEntryCustom(pDC, pControl)) return;
  const TKControlDrawState state(pControl);
  DrawRectangle(pDC, pControl->GetRect(), state.nSelected, state.nPressed, state.nEnabled,
                state.nChecked, state.bPopuped, state.nBarType, state.nBarPosition);
}

COLORREF CTKPaintManagerBase::GetControlTextColor(CTKControl* pControl) {
  const TKControlDrawState state(pControl);
  int nEnabled = state.nEnabled;
  if (state.nType == tkControlSplitButtonPopup) {
    // The caption belongs to the drop-down part below the icon, else to the
    // command part.
    const int nCaptionPartDisabled = state.nStyle == tkButtonIconAndCaptionBelow ? 4 : 5;
    nEnabled = nEnabled != 0 && nEnabled != nCaptionPartDisabled;
  }
  if ((state.nType == tkControlCheckBox || state.nType == tkControlRadioButton) &&
      state.nBarType != tkBarTypePopup) {
    // Beside its mark the caption reads as plain text.
    return GetRectangleTextColor(FALSE, FALSE, nEnabled, FALSE, FALSE, state.nBarType,
                                 state.nBarPosition);
  }
  return GetRectangleTextColor(state.nSelected, state.nPressed, nEnabled, state.nChecked,
                               state.bPopuped, state.nBarType, state.nBarPosition);
}

CFont* CTKPaintManagerBase::GetControlFont(CTKControl* pControl) {
  const BOOL bBold = pControl->IsDefaultItem();
  if (GetControlTextOrientation(pControl) == 1) return bBold ? &m_fontVertBold : &m_fontVert;
  return bBold ? &m_fontBold : &m_fontRegular;
}

CFont* CTKPaintManagerBase::GetCommandBarFont(CTKCommandBar* pBar) {
  return ResolveTextOrientation(pBar) == 1 ? &m_fontVert : &m_fontRegular;
}

int CTKPaintManagerBase::GetControlTextOrientation(CTKControl* pControl) {
  return ResolveTextOrientation(pControl->GetParent());
}

void CTKPaintManagerBase::GetSplitButtonCommandRect(CRect& rc, CTKControl* pControl) {
  rc = pControl->GetRect();
  CTKCommandBar* pBar = pControl->GetParent();
  if (pBar != nullptr && pBar->GetType() == tkBarTypePopup) {
    rc.right -= m_nPopupSplitArrowWidth;
  } else if (pControl->GetStyle() == tkButtonIconAndCaptionBelow) {
    if (GetControlTextOrientation(pControl) == 1)
      rc.left += GetSplitDropDownHeight();
    else
      rc.bottom -= GetSplitDropDownHeight();
  } else {
    rc.right -= m_nSplitArrowWidth + 1;
  }
}

CSize CTKPaintManagerBase::ApplyControlSize(CTKControl* pControl, CSize sz,
                                            BOOL bVertical) const {
  const int nWidth = pControl->GetWidth();
  const int nHeight = pControl->GetHeight();
  LONG& cxWidth = bVertical ? sz.cy : sz.cx;
  LONG& cxHeight = bVertical ? sz.cx : sz.cy;
  if (nWidth > 0) cxWidth = nWidth;
  if (nHeight > 0) cxHeight = nHeight;
  return sz;
}

CSize CTKPaintManagerBase::GetControlIconSize(CTKControl* pControl) const {
  CTKCommandBar* pBar = pControl->GetParent();
  if (pControl->GetStyle() == tkButtonIconAndCaptionBelow && pBar != nullptr &&
      pBar->GetType() != tkBarTypePopup)
    return pBar->GetLargeIconSize();
  return pControl->GetIconSize();
}

CSize AFX_CDECL CTKPaintManagerBase::FitIconSize(CTKImageManagerIcon* pIcon, CSize szBox) {
  if (pIcon == nullptr || pIcon->GetWidth() == 0 || pIcon->GetHeight() == 0) return szBox;
  const int cxIcon = TKScaleX(pIcon->GetWidth());
  const int cyIcon = TKScaleY(pIcon->GetHeight());
  const int cy = szBox.cx * cyIcon / cxIcon;
  if (cy > szBox.cy + 1) return CSize(szBox.cy * cxIcon / cyIcon, szBox.cy);
  return CSize(szBox.cx, cy);
}

BOOL CTKPaintManagerBase::IsToolbarIconScaling(CTKControl* pControl) const {
  CTKCommandBars* pCommandBars = nullptr;
  if (CTKCommandBar* pPopup = pControl->GetCommandBar()) pCommandBars = pPopup->GetCommandBars();
  if (pCommandBars == nullptr && pControl->GetParent() != nullptr)
    pCommandBars = pControl->GetParent()->GetCommandBars();
  return pCommandBars != nullptr &&
         pCommandBars->GetCommandBarsOptions()->bAutoScaleDpiToolbarIcons;
}
