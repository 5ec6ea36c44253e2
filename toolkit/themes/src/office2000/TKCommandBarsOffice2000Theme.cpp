// CTKCommandBarsOffice2000Theme: colours, faces and images by control state.
#include "themes/TKCommandBarsOffice2000Theme.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKControl.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManagerIcon.h"

CTKCommandBarsOffice2000Theme::CTKCommandBarsOffice2000Theme() : m_nMenuTextColorIndex(18) {
  m_iconsInfo.bUseFadedIcons = FALSE;
  m_iconsInfo.bIconsWithShadow = FALSE;
}

void CTKCommandBarsOffice2000Theme::RefreshMetrics() {
  CTKPaintManagerBase::RefreshMetrics();
  m_clrFloatingCaptionBack.SetStandardValue(GetIndexedColor(2));
  m_clrFloatingCaptionText.SetStandardValue(GetIndexedColor(9));
}

COLORREF CTKCommandBarsOffice2000Theme::GetRectangleTextColor(BOOL bSelected, BOOL, BOOL bEnabled,
                                                              BOOL bChecked, BOOL, int nBarType,
                                                              int nBarPosition) {
  if (!bEnabled) return GetIndexedColor(17);
  if (nBarType == tkBarTypePopup)
    return GetIndexedColor(bSelected && !bChecked ? 14 : m_nMenuTextColorIndex);
  return GetIndexedColor(nBarPosition == tkBarPopup ? m_nMenuTextColorIndex : 18);
}

void CTKCommandBarsOffice2000Theme::DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected,
                                                  BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                                  BOOL bPopuped, int nBarType, int nBarPosition) {
  const BOOL bPopupBar = nBarType == tkBarTypePopup;
  if (m_bPopupCheckFrames && nBarPosition == tkBarPopup) {
    if (bPopupBar) {
      if (bChecked) {
        FillCheckedPattern(pDC, rc);
        DrawSunken(pDC, rc);
      } else if (bSelected || bPressed) {
        FillRectIndexed(pDC, rc, 13, 13);
      }
      return;
    }
  } else if (bPopupBar && !bChecked) {
    if (bSelected || bPressed) FillRectIndexed(pDC, rc, 13, 13);
    return;
  }

  if (!bEnabled) {
    if (bChecked) DrawSunken(pDC, rc);
    if (bSelected == 2 || bSelected == 3) DrawSunken(pDC, rc);
  } else if (bChecked) {
    if (!bSelected && !bPressed) FillCheckedPattern(pDC, rc);
    DrawSunken(pDC, rc);
  } else if (bPopuped || bPressed == 2 || bPressed == 3 || (bSelected && bPressed)) {
    DrawSunken(pDC, rc);
  } else if (bSelected || bPressed == 1) {
    DrawRaised(pDC, rc);
  }
}

void CTKCommandBarsOffice2000Theme::FillCheckedPattern(CDC* pDC, CRect rc) {
  static const WORD kDither[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  CBitmap bitmap;
  bitmap.CreateBitmap(8, 8, 1, 1, kDither);
  CBrush brush;
  brush.CreatePatternBrush(&bitmap);
  const COLORREF clrOldBack = pDC->SetBkColor(GetIndexedColor(15));
  const COLORREF clrOldText = pDC->SetTextColor(GetIndexedColor(20));
  CBrush* pOldBrush = pDC->SelectObject(&brush);
  pDC->PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), PATCOPY);
  pDC->SelectObject(pOldBrush);
  pDC->SetTextColor(clrOldText);
  pDC->SetBkColor(clrOldBack);
}

void CTKCommandBarsOffice2000Theme::DrawImage(CDC* pDC, CPoint pt, CSize sz,
                                              CTKImageManagerIcon* pImage, BOOL bSelected,
                                              BOOL bPressed, BOOL bEnabled, int nChecked,
                                              BOOL bPopuped, BOOL) {
  if (pImage == nullptr) return;
  const CPoint ptShift = TKDpiHelper()->ScalePoint(CPoint(1, 1));
  auto draw = [&](CTKImageManagerIconHandle& image, CPoint ptAt) {
    pImage->Draw(pDC, ptAt, image, sz.cx, sz.cy);
  };

  if (!bEnabled || (nChecked == 2 && !bPressed)) {
    if (!pImage->IsAlpha() && (bEnabled || !m_iconsInfo.bUseDisabledIcons)) {
      if (bEnabled) {
        // An indeterminate check: the checked picture greyed out.
        pImage->DrawMonochrome(pDC, pt, pImage->GetCheckedImage(), sz.cx, sz.cy,
                               GetIndexedColor(16));
        return;
      }
      // Embossed: the highlight copy first, one pixel lower right.
      pImage->DrawMonochrome(pDC, pt + ptShift, pImage->GetNormalImage(), sz.cx, sz.cy,
                             GetIndexedColor(20));
      pImage->DrawMonochrome(pDC, pt, pImage->GetNormalImage(), sz.cx, sz.cy,
                             GetIndexedColor(16));
      return;
    }
    draw(pImage->GetDisabledImage(), pt);
    return;
  }
  if (bPopuped) {
    draw(nChecked ? pImage->GetCheckedImage() : pImage->GetNormalImage(), pt);
  } else if (nChecked) {
    draw(pImage->GetCheckedImage(), pt);
  } else if (bSelected && bPressed) {
    draw(pImage->GetPressedImage(), pt + ptShift);
  } else if ((bSelected && !bPressed) || (bPressed == 1 && !bSelected)) {
    if (m_iconsInfo.bIconsWithShadow && !pImage->GetShadowImage().IsEmpty()) {
      draw(pImage->GetShadowImage(), pt + ptShift);
      draw(pImage->GetHotImage(), pt - ptShift);
    } else {
      draw(pImage->GetHotImage(), pt);
    }
  } else if (!bSelected && !bPressed) {
    draw(m_iconsInfo.bUseFadedIcons ? pImage->GetFadedImage() : pImage->GetNormalImage(), pt);
  } else if (bPressed == 2 || bPressed == 3) {
    draw(pImage->GetPressedImage(), pt + ptShift);
  }
}

void CTKCommandBarsOffice2000Theme::DrawSplitButtonFrame(CDC* pDC, CTKControl* pControl, CRect rc) {
  CTKCommandBar* pBar = pControl->GetParent();
  const int nBarType = pBar != nullptr ? pBar->GetType() : tkBarTypeNormal;
  const int nBarPosition = pBar != nullptr ? pBar->GetPosition() : tkBarTop;
  CRect rcCommand = rc;
  GetSplitButtonCommandRect(rcCommand, pControl);
  CRect rcArrow = rc;
  if (rcCommand.right < rc.right)
    rcArrow.left = rcCommand.right;
  else
    rcArrow.top = rcCommand.bottom;
  const BOOL bSelected = pControl->GetSelected();
  const BOOL bEnabled = pControl->GetEnabled();
  const BOOL bPopuped = pControl->IsPopupOpen();
  DrawRectangle(pDC, rcCommand, bSelected, pControl->GetPressed() && !bPopuped, bEnabled,
                pControl->GetChecked(), FALSE, nBarType, nBarPosition);
  DrawRectangle(pDC, rcArrow, bSelected || bPopuped, bPopuped, bEnabled, FALSE, bPopuped, nBarType,
                nBarPosition);
}
