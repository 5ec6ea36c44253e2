// CTKControlGalleryTheme: the gallery look every theme starts from.
#include <algorithm>

#include "themes/TKControlGalleryThemes.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlGallery.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKGlyphFont.h"
#include "common/TKImageManagerIcon.h"
#include "themes/TKPaintManagerBase.h"

namespace {

const TCHAR kGlyphUp = 50;
const TCHAR kGlyphDown = 51;
const TCHAR kGlyphMore = 67;
const UINT kLabelFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
const UINT kCaptionBelowFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
const UINT kTitleFormat = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
const UINT kDescriptionFormat = DT_WORDBREAK | DT_NOPREFIX;
const UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
// Bar type and position the faces of items and scroll buttons are drawn for.
const int kToolBar = 1;
const int kPopupBar = 2;
const int kPopupPosition = 5;

/// The icon's size on the screen.
CSize ScaledExtent(CTKImageManagerIcon* pIcon) {
  const CSize sz = pIcon->GetExtent();
  return CSize(TKDpiHelper()->ScaleX(sz.cx), TKDpiHelper()->ScaleY(sz.cy));
}

void DrawIcon(CDC* pDC, CTKImageManagerIcon* pIcon, CPoint pt, CSize sz, BOOL bEnabled) {
  pIcon->Draw(pDC, pt, bEnabled ? pIcon->GetNormalImage() : pIcon->GetDisabledImage(), sz.cx,
              sz.cy);
}

/// The font, or the default GUI font while the owner has none.
CFont* FontOrDefault(CFont& font) {
  return font.GetSafeHandle() != NULL ? &font
                                      : CFont::FromHandle(static_cast<HFONT>(
                                            ::GetStockObject(DEFAULT_GUI_FONT)));
}

}  // namespace

void CTKControlGalleryTheme::RefreshMetrics() {
  CTKDpiHelper* pDpi = TKDpiHelper();
  m_cyPopupUp = pDpi->ScaleY(19);
  m_cyPopupDown = pDpi->ScaleY(19);
  m_cxPopup = pDpi->ScaleX(16);
  m_clrBorder = m_pOwner->GetIndexedColor(52);
}

// Labels and the fill ------------------------------------------------------------------------

void CTKControlGalleryTheme::DrawLabel(CDC* pDC, CTKControlGalleryItem* pLabel, CRect rc,
                                       COLORREF clrLine, int nLineHeight, int nInset) {
  pDC->FillSolidRect(rc, m_pOwner->GetIndexedColor(56));
  pDC->FillSolidRect(rc.left, rc.bottom - nLineHeight, rc.Width(), nLineHeight, clrLine);
  CTKFontDC font(pDC, FontOrDefault(m_pOwner->m_fontBold), m_pOwner->GetIndexedColor(44));
  pDC->SetBkMode(TRANSPARENT);
  CRect rcText(rc);
  rcText.DeflateRect(nInset, 0);
  pDC->DrawText(pLabel->GetCaption(), rcText, kLabelFormat);
}

void CTKControlGalleryTheme::DrawGalleryLabel(CDC* pDC, CTKControlGalleryItem* pLabel, CRect rc) {
  DrawLabel(pDC, pLabel, rc, m_pOwner->GetIndexedColor(52), TKDpiHelper()->ScaleY(1),
            TKDpiHelper()->ScaleX(10));
}

void CTKControlGalleryTheme::FillGalleryWith(CDC* pDC, CTKControlGallery* pGallery, CRect rc,
                                             COLORREF clrBack, COLORREF clrBorder,
                                             COLORREF clrSeparator, int nSeparatorFromBottom,
                                             int nSeparatorHeight) {
  if (!pGallery->IsTransparent() && clrBack != CLR_NONE) pDC->FillSolidRect(rc, clrBack);
  if (pGallery->GetShowBorders() && clrBorder != CLR_NONE) pDC->Draw3dRect(rc, clrBorder, clrBorder);
  if (pGallery->HasBottomSeparator())
    pDC->FillSolidRect(rc.left, rc.bottom - nSeparatorFromBottom, rc.Width(), nSeparatorHeight,
                       clrSeparator);
}

void CTKControlGalleryTheme::FillGallery(CDC* pDC, CTKControlGallery* pGallery, CRect rc) {
  FillGalleryWith(pDC, pGallery, rc, m_pOwner->GetIndexedColor(41), m_clrBorder,
                  m_pOwner->GetIndexedColor(39), TKDpiHelper()->ScaleY(2), TKDpiHelper()->ScaleY(1));
}

// The scroll column ---------------------------------------------------------------------------

CTKControlGalleryTheme::ButtonState CTKControlGalleryTheme::GetButtonState(
    CTKControlGallery* pGallery, int nHitCode) {
  ButtonState state = {pGallery->GetEnabled(), FALSE, FALSE};
  if (nHitCode != TKSB_HT_LIMIT && !pGallery->IsScrollButtonEnabled(nHitCode))
    state.bEnabled = FALSE;
  if (!state.bEnabled || pGallery->GetHotScrollPart() != nHitCode) return state;
  if (pGallery->IsScrollBarTracked())
    state.bPressed = TRUE;
  else
    state.bHot = TRUE;
  return state;
}

void CTKControlGalleryTheme::DrawGalleryScrollBar(CDC* pDC, CTKControlGallery* pGallery) {
  const CRect rcScroll = pGallery->GetScrollBarRect();
  pDC->FillSolidRect(rcScroll, m_pOwner->GetIndexedColor(30));
  const int nDownTop = rcScroll.top + m_cyPopupUp;
  const int nMoreTop = nDownTop + m_cyPopupDown;
  struct Button {
    int nHitCode;
    CRect rc;
    TCHAR chGlyph;
    int nInset;
  } buttons[] = {
      {TKSB_HT_UP, CRect(rcScroll.left, rcScroll.top, rcScroll.right, nDownTop), kGlyphUp, 2},
      {TKSB_HT_DOWN, CRect(rcScroll.left, nDownTop, rcScroll.right, nMoreTop), kGlyphDown, 2},
      {TKSB_HT_LIMIT, CRect(rcScroll.left, nMoreTop, rcScroll.right, rcScroll.bottom), kGlyphMore,
       3},
  };
  CTKDpiHelper* pDpi = TKDpiHelper();
  for (const Button& button : buttons) {
    const ButtonState state = GetButtonState(pGallery, button.nHitCode);
    m_pOwner->DrawRectangle(pDC, button.rc, state.bHot || state.bPressed, state.bPressed,
                            state.bEnabled, FALSE, FALSE, kToolBar, kPopupPosition);
    CRect rcGlyph(button.rc);
    rcGlyph.DeflateRect(pDpi->ScaleX(button.nInset), pDpi->ScaleY(button.nInset));
    TKGlyphFont()->DrawGlyph(pDC, button.chGlyph, rcGlyph,
                             GetGalleryItemTextColor(state.bEnabled, state.bHot, state.bPressed,
                                                     FALSE, kToolBar));
  }
}

// Items ---------------------------------------------------------------------------------------

void CTKControlGalleryTheme::DrawGalleryItemBack(CDC* pDC, CRect rc, BOOL bEnabled,
                                                 BOOL bSelected, BOOL bPressed, BOOL bChecked,
                                                 int nBarType) {
  m_pOwner->DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked, FALSE, nBarType,
                          kPopupPosition);
}

COLORREF CTKControlGalleryTheme::GetGalleryItemTextColor(BOOL bEnabled, BOOL bSelected,
                                                         BOOL bPressed, BOOL bChecked,
                                                         int nBarType) {
  return m_pOwner->GetRectangleTextColor(bSelected, bPressed, bEnabled, bChecked, FALSE, nBarType,
                                         kPopupPosition);
}

void CTKControlGalleryTheme::DrawGalleryItem(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected,
                                             BOOL bPressed, BOOL bChecked,
                                             CTKControlGalleryItem* pItem,
                                             CTKControlGallery* pGallery) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  CTKImageManagerIcon* pIcon = pItem->GetImage(0);
  const CString strCaption = pItem->GetCaption();
  const int nStyle = pGallery->GetStyle();
  const BOOL bTextStyle = nStyle == 3 || nStyle == 4 || nStyle == 5;
  pDC->SetBkMode(TRANSPARENT);

  if (pIcon != nullptr && (strCaption.IsEmpty() || !bTextStyle)) {
    DrawGalleryItemBack(pDC, rc, bEnabled, bSelected, bPressed, bChecked, kToolBar);
    const CSize sz = ScaledExtent(pIcon);
    DrawIcon(pDC, pIcon, CPoint(rc.CenterPoint().x - sz.cx / 2, rc.CenterPoint().y - sz.cy / 2), sz,
             bEnabled);
    return;
  }
  if (pIcon != nullptr && nStyle == 4) {
    DrawGalleryItemBack(pDC, rc, bEnabled, bSelected, bPressed, bChecked, kToolBar);
    const CSize sz = ScaledExtent(pIcon);
    DrawIcon(pDC, pIcon, CPoint(rc.CenterPoint().x - sz.cx / 2, rc.top + pDpi->ScaleY(2)), sz,
             bEnabled);
    CTKFontDC font(pDC, FontOrDefault(m_pOwner->m_fontRegular),
                   GetGalleryItemTextColor(bEnabled, bSelected, bPressed, bChecked, kToolBar));
    CRect rcText(rc.left, rc.top + sz.cy + pDpi->ScaleY(4), rc.right, rc.bottom);
    pDC->DrawText(strCaption, rcText, kCaptionBelowFormat);
    return;
  }
  const COLORREF clrText = GetGalleryItemTextColor(bEnabled, bSelected, FALSE, FALSE, kPopupBar);
  if (pIcon != nullptr) {
    DrawIconBesideText(pDC, rc, bEnabled, bSelected, bChecked, pItem, pGallery, clrText);
    return;
  }
  DrawGalleryItemBack(pDC, rc, bEnabled, bSelected, FALSE, bChecked, kPopupBar);
  CTKFontDC font(pDC, FontOrDefault(m_pOwner->m_fontRegular), clrText);
  CRect rcText(rc);
  rcText.left += pDpi->ScaleX(3);
  pDC->DrawText(strCaption, rcText, kCaptionFormat);
}

void CTKControlGalleryTheme::DrawIconBesideText(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected,
                                                BOOL bChecked, CTKControlGalleryItem* pItem,
                                                CTKControlGallery* pGallery, COLORREF clrText) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  CTKImageManagerIcon* pIcon = pItem->GetImage(0);
  DrawGalleryItemBack(pDC, rc, bEnabled, bSelected, FALSE, FALSE, kPopupBar);
  const CSize szIcon = ScaledExtent(pIcon);
  const int nPadding = pDpi->ScaleY(2);
  const int nBox = std::max(static_cast<int>(szIcon.cx), rc.Height() - 2 * nPadding);
  const int nBoxTop = rc.top + (rc.Height() - nBox) / 2;
  const CRect rcBox(rc.left + pDpi->ScaleX(2), nBoxTop, rc.left + pDpi->ScaleX(2) + nBox,
                    nBoxTop + nBox);
  if (bChecked) {
    CRect rcCheck(rcBox);
    rcCheck.DeflateRect(0, nPadding);
    DrawGalleryItemBack(pDC, rcCheck, bEnabled, bSelected, FALSE, TRUE, kPopupBar);
  }
  DrawIcon(pDC, pIcon,
           CPoint(rcBox.CenterPoint().x - szIcon.cx / 2, rcBox.CenterPoint().y - szIcon.cy / 2),
           szIcon, bEnabled);

  CRect rcText(rcBox.right + szIcon.cx / 3, rc.top, rc.right, rc.bottom);
  if (pGallery->GetStyle() != 5) {
    CTKFontDC font(pDC, FontOrDefault(m_pOwner->m_fontRegular), clrText);
    pDC->DrawText(pItem->GetCaption(), rcText, kCaptionFormat);
    return;
  }
  rcText.top += nPadding;
  CTKFontDC font(pDC, FontOrDefault(m_pOwner->m_fontBold), clrText);
  pDC->DrawText(pItem->GetCaption(), rcText, kTitleFormat);
  // The description starts one title line lower, also when it is empty.
  rcText.top += pDC->GetTextExtent(_T("XXX"), 3).cy;
  font.SetFont(FontOrDefault(m_pOwner->m_fontRegular));
  pDC->DrawText(pItem->GetDescription(), rcText, kDescriptionFormat);
}
