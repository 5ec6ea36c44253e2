// CTKPaintManagerBase: the controls of tool bars and menu bars. The face
// first (the theme's), then the icon and the caption beside it, below it or
// alone, or a check box's mark and caption.
#include <algorithm>
#include <utility>

#include "TKControlDrawState.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKScopedHandle.h"
#include "themes/TKPaintManagerBase.h"

namespace {

/// The "Add or Remove Buttons" command, whose pop-up has a wider margin.
const int kIdAddRemoveButtons = 9122;

}  // namespace

void CTKPaintManagerBase::DrawImage(CDC*, CPoint, CSize, CTKImageManagerIcon*, BOOL, BOOL, BOOL,
                                    int, BOOL, BOOL) {}

CSize CTKPaintManagerBase::DrawControlToolBarParent(CDC* pDC, CTKControl* pControl,
                                                    BOOL bDraw) {
  CTKSelectGuard font(pDC->GetSafeHdc(), GetControlFont(pControl)->GetSafeHandle());
  CRect rc = bDraw ? pControl->GetRect() : CRect(0, 0, 0, 0);
  const TKControlDrawState state(pControl);
  const int nType = state.nType;
  const CSize szIcon = GetControlIconSize(pControl);
  CSize szButton = pControl->GetButtonSize();
  const BOOL bVert = GetControlTextOrientation(pControl) == 1;
  const BOOL bCaption = pControl->IsCaptionVisible();
  const BOOL bEnabled = state.IsTextEnabled();

  CTKImageManagerIcon* pImage = nullptr;
  const int nStyle = state.nStyle;
  if (nStyle == tkButtonIcon || nStyle == tkButtonIconAndCaption ||
      nStyle == tkButtonIconAndCaptionBelow ||
      (nStyle == tkButtonAutomatic && nType != tkControlPopup))
    pImage = pControl->GetImage(szIcon.cx);
  CSize szImage = FitIconSize(pImage, szIcon);
  const BOOL bImage = pImage != nullptr;

  if (nType == tkControlCheckBox || nType == tkControlRadioButton)
    return ApplyControlSize(pControl, DrawControlMarkAndCaption(pDC, pControl, rc, bDraw, szButton),
                            bVert);

  if (bDraw) {
    if (nType != tkControlSplitButtonPopup) {
      if (!pControl->HasOwnFace()) DrawControlEntry(pDC, pControl);
    } else if (!DrawRibbonControlFace(pDC, pControl)) {
      DrawSplitButtonFrame(pDC, pControl, rc);
    }
    pDC->SetTextColor(GetControlTextColor(pControl));
  }
  if (IsToolbarIconScaling(pControl)) {
    szImage.cx = std::min<int>(TKScaleX(szImage.cx), szButton.cx - TKScaleX(4));
    szImage.cy = std::min<int>(TKScaleY(szImage.cy), szButton.cy - TKScaleY(4));
  }
  auto drawImage = [&](CPoint pt) {
    DrawImage(pDC, pt, szImage, pImage, state.nSelected, state.nPressed, bEnabled, state.nChecked,
              state.bPopuped, TRUE);
  };

  if (nStyle == tkButtonIconAndCaptionBelow) {
    const BOOL bDropDown = pControl->GetCommandBar() != nullptr;
    const int nDropDown = GetSplitDropDownHeight();
    CSize sz(std::max<int>(TKScaleX(42), 2 * GetClampedControlHeight() - TKScaleX(3)),
             m_nControlHeight > 0 ? 3 * m_nControlHeight : szIcon.cy + TKScaleY(7) + nDropDown);
    if (bVert) std::swap(sz.cx, sz.cy);
    if (bDraw) {
      if (bImage) {
        drawImage(bVert ? CPoint(rc.left + nDropDown + TKScaleX(4),
                                 rc.CenterPoint().y - szImage.cy / 2)
                        : CPoint(rc.CenterPoint().x - szImage.cx / 2, rc.top + TKScaleY(3)));
      }
      CRect rcText(rc);
      if (bVert)
        rcText.right = rc.left + nDropDown;
      else
        rcText.bottom -= TKScaleY(1);
      const CSize szText = DrawControlTextTwoLines(pDC, pControl, rcText, FALSE, bVert, bDropDown);
      if (!bVert) rcText.top = rcText.bottom - szText.cy;
      DrawControlTextTwoLines(pDC, pControl, rcText, TRUE, bVert, bDropDown);
    } else {
      const CSize szText = DrawControlTextTwoLines(pDC, pControl, rc, FALSE, bVert, bDropDown);
      if (!bVert)
        sz.cx = std::max<int>(sz.cx, szText.cx + TKScaleX(5));
      else
        sz.cy = std::max<int>(sz.cy, szText.cy + TKScaleY(6));
    }
    return ApplyControlSize(pControl, sz, bVert);
  }

  if (bImage && pControl->GetParent() != nullptr && pControl->GetParent()->IsTextBelowIcons()) {
    CTKSelectGuard captionFont(pDC->GetSafeHdc(), pControl->IsDefaultItem()
                                                      ? m_fontBold.GetSafeHandle()
                                                      : m_fontRegular.GetSafeHandle());
    const BOOL bDropDown = nType == tkControlPopup;
    if (bDraw) {
      if (nType == tkControlSplitButtonPopup) rc.right -= m_nSplitArrowWidth;
      drawImage(CPoint(rc.CenterPoint().x - szImage.cx / 2, rc.top + TKScaleY(4)));
      DrawControlCaption(pDC, pControl,
                         CRect(rc.left, rc.top + szButton.cy - TKScaleY(4), rc.right, rc.bottom),
                         TRUE, FALSE, TRUE, bDropDown);
      return ApplyControlSize(pControl, szButton, bVert);
    }
    const CSize szCaption = DrawControlCaption(pDC, pControl, rc, FALSE, FALSE, TRUE, bDropDown);
    CSize sz(std::max<int>(szButton.cx, szCaption.cx + TKScaleX(10)), szButton.cy + szCaption.cy);
    if (nType == tkControlSplitButtonPopup) sz.cx += TKScaleX(11);
    sz.cx = std::max(sz.cx, sz.cy);
    return ApplyControlSize(pControl, sz, bVert);
  }

  if (bDraw && bImage) {
    CPoint pt = bVert ? CPoint(rc.CenterPoint().x - szImage.cx / 2, rc.top + TKScaleY(3))
                      : CPoint(rc.left + TKScaleX(3), rc.CenterPoint().y - szImage.cy / 2);
    // A lone icon of a button sits in the middle of the button.
    if (!bCaption && (nType == tkControlButton || nType == tkControlButtonPopup)) {
      if (bVert)
        pt.y = rc.CenterPoint().y - szImage.cy / 2;
      else
        pt.x = rc.CenterPoint().x - szImage.cx / 2;
    }
    drawImage(pt);
  }

  CSize sz(0, 0);
  switch (nType) {
    case tkControlPopup:
      if (!bImage) {
        // Menu titles are measured with the glyph and drawn without it.
        const BOOL bDropDown = !(bDraw && state.nBarType == tkBarTypeMenuBar);
        sz = DrawControlCaption(pDC, pControl, rc, bDraw, bVert, TRUE, bDropDown);
        sz += pControl->GetID() == kIdAddRemoveButtons ? CSize(TKScaleX(14), TKScaleY(10))
                                                       : CSize(TKScaleX(6), TKScaleY(6));
      } else if (!bCaption) {
        if (bDraw)
          DrawControlDropDownGlyph(pDC, pControl,
                                   CPoint(rc.right - TKScaleX(7), rc.CenterPoint().y), FALSE);
        sz = CSize(szButton.cy + TKScaleX(7), szButton.cy);
      } else {
        sz = DrawControlText(pDC, pControl, rc, bDraw, state.nBarType != tkBarTypeMenuBar,
                             szButton, bImage);
      }
      break;
    case tkControlSplitButtonPopup:
      // The drop-down part is sized in device pixels like an icon-less button.
      if (!bImage) szButton = CSize(18, 18);
      if (!bCaption) {
        sz = CSize(m_nSplitArrowWidth + szButton.cx, szButton.cy);
      } else {
        CRect rcText(rc);
        rcText.right -= m_nSplitArrowWidth;
        sz = DrawControlText(pDC, pControl, rcText, bDraw, FALSE, szButton, bImage);
        sz.cx += m_nSplitArrowWidth;
      }
      break;
    case tkControlButton:
    case tkControlButtonPopup:
    case tkControlLabel:
    case tkControlGallery:
      if (!bCaption) {
        sz = szButton;
      } else {
        if (!bImage) szButton.cx = 18;
        sz = DrawControlText(pDC, pControl, rc, bDraw, FALSE, szButton, bImage);
      }
      break;
    default:
      break;
  }
  return ApplyControlSize(pControl, sz, bVert);
}

CSize CTKPaintManagerBase::DrawControlMarkAndCaption(CDC* pDC, CTKControl* pControl, CRect rc,
                                                     BOOL bDraw, CSize szButton) {
  const TKControlDrawState state(pControl);
  const BOOL bRadio = state.nType == tkControlRadioButton;
  const BOOL bVert = GetControlTextOrientation(pControl) == 1;
  auto mark = [&](CRect rcMark, BOOL bDrawMark) {
    return bRadio ? DrawControlRadioButtonMark(pDC, rcMark, bDrawMark, state.nSelected,
                                               state.nPressed, state.nChecked, state.nEnabled)
                  : DrawControlCheckBoxMark(pDC, rcMark, bDrawMark, state.nSelected,
                                            state.nPressed, state.nChecked, state.nEnabled);
  };
  const CSize szMark = mark(CRect(0, 0, 0, 0), FALSE);
  if (!bDraw) {
    CSize sz = DrawControlText(pDC, pControl, CRect(0, 0, 0, 0), FALSE, FALSE, szButton, FALSE);
    if (bVert)
      sz.cy += szMark.cy + TKScaleY(5);
    else
      sz.cx += szMark.cx + TKScaleX(5);
    return sz;
  }
  pDC->SetTextColor(GetControlTextColor(pControl));
  CPoint ptMark;
  if (bVert) {
    ptMark = CPoint((rc.left + rc.right) / 2 - szMark.cx / 2, rc.top + TKScaleY(3));
    rc.top += szMark.cy + TKScaleY(5);
  } else {
    ptMark = CPoint(rc.left + TKScaleX(3), (rc.top + rc.bottom - szMark.cy) / 2);
    rc.left += szMark.cx + TKScaleX(5);
  }
  mark(CRect(ptMark, szMark), TRUE);
  DrawControlText(pDC, pControl, rc, TRUE, FALSE, szButton, FALSE);
  if (state.nSelected == 2 || state.nSelected == 3) {
    // Keyboard focus: the dotted frame in the plain text and face colours.
    pDC->SetTextColor(GetIndexedColor(18));
    pDC->SetBkColor(GetIndexedColor(15));
    pDC->DrawFocusRect(rc);
  }
  return CSize(0, 0);
}
