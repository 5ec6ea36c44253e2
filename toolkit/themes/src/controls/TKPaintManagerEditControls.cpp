// CTKPaintManagerBase: edits and combo boxes of command bars. The label (icon
// and caption) before the field is measured and drawn here; the theme draws
// the field over the rest.
#include <algorithm>

#include "TKControlDrawState.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlEdit.h"
#include "common/TKDrawHelpers.h"
#include "common/TKScopedHandle.h"
#include "themes/TKPaintManagerBase.h"

namespace {

/// The control's size; the label's width in `pcxLabel`, and for combo boxes
/// (`pcxButton` set) the drop-down button's width.
CSize MeasureField(CTKPaintManagerBase* pPaintManager, CDC* pDC, CTKControl* pControl,
                   int* pcxLabel, int* pcxButton) {
  const BOOL bComboBox = pcxButton != nullptr;
  const CString strCaption = StripAmpersands(pControl->GetCaption());
  const int nControlHeight = pPaintManager->GetControlHeight();
  int cy = nControlHeight;
  {
    CTKSelectGuard font(pDC->GetSafeHdc(), pPaintManager->m_fontIconTitle.GetSafeHandle());
    if (cy < 1) {
      cy = pDC->GetTextExtent(" ", 1).cy + TKScaleY(7);
      if (bComboBox) cy = std::max<int>(cy, TKScaleY(20));
    }
  }
  // The button follows the field's own height, before a caption may raise it.
  if (bComboBox) *pcxButton = pPaintManager->GetComboDropDownButtonWidth(cy);

  CTKSelectGuard font(pDC->GetSafeHdc(), pPaintManager->m_fontRegular.GetSafeHandle());
  const BOOL bCaption = pControl->IsCaptionVisible();
  if (bCaption && nControlHeight == 0)
    cy = std::max<int>(cy, pDC->GetTextExtent(" ", 1).cy + TKScaleY(7));
  const int cxCaption = pDC->GetTextExtent(strCaption).cx + TKScaleX(5);

  CTKCommandBar* pBar = pControl->GetParent();
  if (pBar != nullptr && pBar->GetType() == tkBarTypePopup) {
    const int cxGripper = pPaintManager->GetPopupBarGripperWidth(pBar);
    *pcxLabel = cxGripper + pPaintManager->m_nPopupTextGap + cxCaption;
    return CSize(cxGripper + pControl->GetWidth(), cy);
  }
  const BOOL bImage = pControl->IsImageVisible();
  const int cxIcon = bImage ? TKScaleX(4) + pControl->GetIconSize().cx : 0;
  if (bImage && pControl->GetButtonSize().cy >= cy) cy = pControl->GetButtonSize().cy;
  *pcxLabel = bCaption ? cxIcon + cxCaption : cxIcon;
  return CSize(pControl->GetWidth(), cy);
}

}  // namespace

int CTKPaintManagerBase::GetComboDropDownButtonWidth(int cyField) const {
  return std::max<int>(::MulDiv(cyField, TKScaleX(9), TKScaleX(14)) + TKScaleX(1), TKScaleX(15));
}

CSize CTKPaintManagerBase::DrawControlEdit(CDC* pDC, CTKControl* pControl, BOOL bDraw) {
  if (bDraw) {
    DrawControlLabel(pDC, pControl);
    return CSize(0, 0);
  }
  int cxLabel = 0;
  const CSize sz = MeasureField(this, pDC, pControl, &cxLabel, nullptr);
  if (CTKControlEdit* pEdit = DYNAMIC_DOWNCAST(CTKControlEdit, pControl))
    pEdit->SetLabelWidth(cxLabel);
  return sz;
}

CSize CTKPaintManagerBase::DrawControlComboBox(CDC* pDC, CTKControl* pControl, BOOL bDraw) {
  if (bDraw) {
    DrawControlLabel(pDC, pControl);
    return CSize(0, 0);
  }
  int cxLabel = 0;
  int cxButton = 0;
  const CSize sz = MeasureField(this, pDC, pControl, &cxLabel, &cxButton);
  if (CTKControlComboBox* pCombo = DYNAMIC_DOWNCAST(CTKControlComboBox, pControl)) {
    pCombo->SetLabelWidth(cxLabel);
    pCombo->SetDropDownButtonWidth(cxButton);
  }
  return sz;
}

void CTKPaintManagerBase::DrawControlLabel(CDC* pDC, CTKControl* pControl) {
  CTKCommandBar* pBar = pControl->GetParent();
  if (pBar != nullptr && pBar->GetType() == tkBarTypePopup) {
    DrawControlPopupParent(pDC, pControl, TRUE);
    return;
  }
  const TKControlDrawState state(pControl);
  const CRect rc = pControl->GetRect();
  int xCaption = rc.left + TKScaleX(2);
  if (pControl->IsImageVisible()) {
    CTKImageManagerIcon* pImage = pControl->GetImage(pControl->GetIconSize().cx);
    const CSize szIcon = FitIconSize(pImage, pControl->GetIconSize());
    DrawImage(pDC, CPoint(rc.left + TKScaleX(3), rc.CenterPoint().y - szIcon.cy / 2), szIcon,
              pImage, FALSE, FALSE, state.nEnabled, 0, FALSE, TRUE);
    xCaption = rc.left + szIcon.cx + TKScaleX(6);
  }
  if (!pControl->IsCaptionVisible()) return;
  CTKSelectGuard font(pDC->GetSafeHdc(), m_fontRegular.GetSafeHandle());
  pDC->SetTextColor(GetRectangleTextColor(FALSE, FALSE, state.nEnabled, FALSE, FALSE,
                                          state.nBarType, state.nBarPosition));
  DrawControlCaption(pDC, pControl, CRect(xCaption, rc.top, rc.right, rc.bottom), TRUE, FALSE,
                     FALSE, FALSE);
}
