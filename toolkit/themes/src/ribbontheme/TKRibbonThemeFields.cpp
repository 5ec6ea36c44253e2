// CTKRibbonTheme: the fields of combo boxes and edits, their buttons and
// spin buttons from the theme images.
#include "TKControlDrawState.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlEdit.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImage.h"
#include "common/TKScopedHandle.h"
#include "themes/TKRibbonTheme.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);

BOOL IsKeyboardSelection(int nSelected) { return nSelected == 2 || nSelected == 3; }

}  // namespace

CSize CTKRibbonTheme::DrawControlComboBox(CDC* pDC, CTKControl* pControl, BOOL bDraw) {
  CTKSelectGuard font(pDC->GetSafeHdc(), m_fontIconTitle.GetSafeHandle());
  const CSize sz = CTKResourceTheme::DrawControlComboBox(pDC, pControl, bDraw);
  if (!bDraw || !IsIniLoaded()) return sz;
  CTKResourceImage* pImage = LoadImage("TOOLBARBUTTONSCOMBODROPDOWN");
  if (pImage == nullptr) return sz;
  CTKControlComboBox* pCombo = DYNAMIC_DOWNCAST(CTKControlComboBox, pControl);
  const TKControlDrawState state(pControl);
  CRect rcField = pControl->GetRect();
  if (pCombo != nullptr) rcField.left += pCombo->GetLabelWidth();
  const int cxButton = pCombo != nullptr && pCombo->GetDropDownButtonWidth() > 0
                           ? pCombo->GetDropDownButtonWidth()
                           : GetComboDropDownButtonWidth(rcField.Height());
  const CRect rcButton(rcField.right - cxButton, rcField.top, rcField.right, rcField.bottom);
  const COLORREF clrBack = GetControlEditBackColor(pControl);
  COLORREF clrBorder = GetIndexedColor(53);
  int nSlice = 0;
  if (!state.nEnabled) {
    FillRectIndexed(pDC, rcField, -1, 15);
    clrBorder = IsKeyboardSelection(state.nSelected) ? GetIndexedColor(53) : m_clrEditDisabledBorder;
    nSlice = 4;
  } else if (state.bPopuped) {
    pDC->FillSolidRect(rcField, clrBack);
    nSlice = 3;
  } else if (state.nSelected) {
    pDC->FillSolidRect(rcField, clrBack);
    const BOOL bEditField = pCombo != nullptr && pCombo->GetDropDown() == FALSE;
    nSlice = bEditField && !pCombo->IsFocused() && state.nSelected == 1 ? 1 : 2;
  } else if (state.nBarType != tkBarTypePopup) {
    pDC->FillSolidRect(rcField, clrBack);
  }
  FillRectWithBorder(pDC, rcField, clrBorder, -1);
  pImage->DrawImageTransparent(pDC, rcButton, pImage->GetSourceRect(nSlice, 5), CRect(2, 2, 2, 2),
                               kMagenta);
  DrawDropDownGlyph(pDC, pControl, rcButton.CenterPoint(), state.nSelected, state.bPopuped,
                    state.nEnabled, FALSE);
  if (IsRectOnGlass(pControl->GetParent(), rcField)) MakeRectOpaque(pDC, rcField);
  return sz;
}

CSize CTKRibbonTheme::DrawControlEdit(CDC* pDC, CTKControl* pControl, BOOL bDraw) {
  const TKControlDrawState state(pControl);
  if (bDraw) {
    const BOOL bPopup = state.nBarType == tkBarTypePopup;
    const int nText = bPopup ? (!state.nEnabled ? 35 : state.nSelected ? 45 : 44)
                             : (state.nEnabled ? 46 : 60);
    pDC->SetTextColor(GetIndexedColor(nText));
  }
  const CSize sz = CTKPaintManagerBase::DrawControlEdit(pDC, pControl, bDraw);
  if (!bDraw) return sz;
  CTKControlEdit* pEdit = DYNAMIC_DOWNCAST(CTKControlEdit, pControl);
  CRect rcField = pControl->GetRect();
  if (pEdit != nullptr) rcField.left += pEdit->GetLabelWidth();
  const COLORREF clrBack = GetControlEditBackColor(pControl);
  if (state.nEnabled) {
    if (state.nSelected || state.nBarType != tkBarTypePopup) pDC->FillSolidRect(rcField, clrBack);
    FillRectWithBorder(pDC, rcField, GetIndexedColor(53), -1);
  } else {
    CRect rcDisabled = rcField;
    rcDisabled.left += 1;
    FillRectWithBorder(pDC, rcDisabled,
                       IsKeyboardSelection(state.nSelected) ? GetIndexedColor(53)
                                                            : m_clrEditDisabledBorder,
                       clrBack);
  }
  if (pEdit != nullptr && IsIniLoaded()) {
    const CRect rcSpin = pEdit->GetSpinButtonsRect();
    CTKResourceImage* pSpin = LoadImage("TOOLBARBUTTONSPINARROWSVERTICAL");
    if (!rcSpin.IsRectEmpty() && pSpin != nullptr) {
      CRect rcArea(rcField.right - TKScaleX(18), rcField.top + 1, rcField.right - 1,
                   rcField.bottom - 1);
      const int nMiddle = rcArea.CenterPoint().y;
      const CRect rcHalves[2] = {CRect(rcArea.left, rcArea.top, rcArea.right, nMiddle),
                                 CRect(rcArea.left, nMiddle, rcArea.right, rcArea.bottom)};
      auto slice = [&](int nHalf, BOOL bGlyph) {
        const int nPressedPart = 4 + nHalf;
        if (!state.nEnabled) return bGlyph ? 3 : 4;
        if (state.nSelected && state.nPressed == nPressedPart) return bGlyph ? 2 : 3;
        if (state.nSelected == nPressedPart) return 2;
        return state.nSelected ? 1 : 0;
      };
      for (int nHalf = 0; nHalf < 2; ++nHalf)
        pSpin->DrawImageTransparent(pDC, rcHalves[nHalf],
                                    pSpin->GetSourceRect(slice(nHalf, FALSE) + nHalf * 5, 10),
                                    CRect(0, 0, 0, 0), kMagenta);
      CTKDpiHelper* pDpi = TKDpiHelper();
      const BOOL bLarge = pDpi->UnscaleX(rcHalves[0].Width()) > 12 &&
                          pDpi->UnscaleY(rcHalves[0].Height()) > 12;
      CTKResourceImage* pGlyphs =
          LoadImage(bLarge ? "CONTROLGALLERYSCROLLARROWGLYPHS" : "TOOLBARBUTTONSPINARROWGLYPHS");
      if (pGlyphs != nullptr) {
        for (int nHalf = 0; nHalf < 2; ++nHalf) {
          const CRect rcSrc = pGlyphs->GetSourceRect(slice(nHalf, TRUE) + nHalf * 4, 16);
          const CSize szGlyph(TKScaleX(rcSrc.Width()), TKScaleY(rcSrc.Height()));
          const CPoint pt = rcHalves[nHalf].CenterPoint() - CSize(szGlyph.cx / 2, szGlyph.cy / 2);
          pGlyphs->DrawImageTransparent(pDC, CRect(pt, szGlyph), rcSrc, CRect(0, 0, 0, 0),
                                        kMagenta);
        }
      }
    }
  }
  DrawEditButtons(pDC, pControl, rcField, FALSE);
  if (IsRectOnGlass(pControl->GetParent(), rcField)) MakeRectOpaque(pDC, rcField);
  return sz;
}
