// The root colour set: system-colour defaults, item and text colours by
// state, and the flat fills.
#include "tabs/TKTabPaintManagerColorSet.h"

#include "common/TKColorManager.h"
#include "common/TKDrawHelpers.h"
#include "common/TKScopedHandle.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerTheme.h"

namespace {

COLORREF Sys(int nIndex) { return TKColorManager()->GetColor(nIndex); }

/// Marks a light colour that asks for the one-pixel dither instead of a gradient.
const COLORREF kDither = static_cast<COLORREF>(-2);

}  // namespace

int CTKTabPaintManagerColorSet::GetAppearanceId() const {
  return m_pPaintManager != NULL ? m_pPaintManager->GetAppearanceId() : 0;
}

int CTKTabPaintManagerColorSet::GetStripPosition() const {
  return m_pPaintManager != NULL ? m_pPaintManager->GetPosition() : 0;
}

void CTKTabPaintManagerColorSet::CopyTrapezoidToNormal() {
  m_clrTrapezoidNormalOuter = m_clrTrapezoidSelectedOuter;
  m_clrTrapezoidNormalTrailing = m_clrTrapezoidSelectedTrailing;
  m_clrTrapezoidNormalInnerLight = m_clrTrapezoidSelectedInnerLight;
  m_clrTrapezoidNormalInnerShadow = m_clrTrapezoidSelectedInnerShadow;
}

void CTKTabPaintManagerColorSet::RefreshMetrics() {
  RefreshToolkitColors(FALSE);
  const COLORREF clrNone = CLR_NONE;
  m_clrHeaderFace.SetStandardSolid(Sys(COLOR_BTNFACE));
  m_clrFrameBorder = Sys(COLOR_BTNSHADOW);
  m_clrControlFace = Sys(COLOR_BTNFACE);
  m_clrFrameHighlight = Sys(COLOR_3DHIGHLIGHT);
  m_clrButtonNormal = Sys(COLOR_BTNFACE);
  m_clrButtonPressed = Sys(COLOR_BTNFACE);
  m_clrButtonHighlighted = Sys(COLOR_BTNFACE);
  m_clrButtonHighlightedClose = clrNone;
  m_clrButtonSelected = Sys(GetAppearanceId() == 7 ? COLOR_WINDOW : COLOR_BTNFACE);
  m_clrButtonSelectedPressed = clrNone;
  m_clrButtonSelectedHighlighted = Sys(COLOR_BTNFACE);
  m_clrSeparatorHighlight = Sys(COLOR_3DHIGHLIGHT);
  m_clrButtonBorderHot = clrNone;
  m_clrText = Sys(COLOR_BTNTEXT);
  m_clrTextPressed = clrNone;
  m_clrTextHighlighted = 0x800000;
  m_clrTextHighlightedClose = clrNone;
  m_clrTextSelected = Sys(COLOR_BTNTEXT);
  m_clrTextSelectedPressed = clrNone;
  m_clrTextSelectedHighlighted = Sys(COLOR_BTNTEXT);
  m_clrTextDisabled = Sys(COLOR_GRAYTEXT);
  m_clrGlyph = clrNone;
  m_clrGlyphHighlighted = clrNone;
  m_clrGlyphPressed = clrNone;
  m_clrStripButtonBack = clrNone;
  m_clrStripButtonBackHighlighted = clrNone;
  m_clrStripButtonBackPressed = clrNone;
  m_clrPushedButtonFill.SetStandardSolid(Sys(COLOR_WINDOW));
  m_clrPushedButtonBorder.SetStandardSolid(Sys(COLOR_HIGHLIGHT));
  m_clrClassicHighlight = Sys(COLOR_3DHIGHLIGHT);
  m_clrClassicShadow = Sys(COLOR_BTNSHADOW);
  m_clrClassicDarkShadow = Sys(COLOR_3DDKSHADOW);
  m_clrSlantedBorder = Sys(COLOR_BTNSHADOW);
  m_clrSlantedSelectedBorder = Sys(COLOR_BTNSHADOW);
  m_clrSlantedInnerLight = Sys(COLOR_BTNFACE);
  m_clrSlantedInnerShadow = Sys(COLOR_BTNFACE);
  m_clrTrapezoidSelectedOuter = Sys(COLOR_BTNTEXT);
  m_clrTrapezoidSelectedTrailing = Sys(COLOR_BTNTEXT);
  m_clrTrapezoidSelectedInnerLight = clrNone;
  m_clrTrapezoidSelectedInnerShadow = clrNone;
  CopyTrapezoidToNormal();
  m_clrTrapezoidNormalInnerLight = Sys(COLOR_WINDOW);
  m_clrTrapezoidNormalInnerShadow = Sys(COLOR_BTNSHADOW);
  m_clrHotBorder = clrNone;
}

COLORREF CTKTabPaintManagerColorSet::GetItemColor(const CTKTabManagerItem* pItem) const {
  if (m_pPaintManager != NULL && m_pPaintManager->m_bShowItemColors) return pItem->GetColor();
  if (pItem->IsSelected()) {
    const CTKTabManager* pStrip = pItem->GetManager();
    return pStrip != NULL && !pStrip->IsActive() ? COLORREF(m_clrButtonSelectedHighlighted)
                                                 : COLORREF(m_clrButtonSelected);
  }
  if (pItem->IsPressed()) return m_clrButtonPressed;
  if (pItem->IsHighlighted()) return m_clrButtonHighlighted;
  return m_clrButtonNormal;
}

void CTKTabPaintManagerColorSet::SetTextColor(CDC* pDC, const CTKTabManagerItem* pItem) {
  const CTKTabManager* pStrip = pItem->GetManager();
  COLORREF clr = m_clrText;
  if (!pItem->IsEnabled())
    clr = m_clrTextDisabled;
  else if (pStrip != NULL && !pStrip->IsActive())
    clr = m_clrTextSelectedHighlighted;
  else if (pItem->IsSelected())
    clr = m_clrTextSelected;
  else if (pItem->IsHighlighted())
    clr = m_clrTextHighlighted;
  pDC->SetTextColor(clr);
}

void CTKTabPaintManagerColorSet::FillGradientByPosition(CDC* pDC, CRect rc, COLORREF clrLight,
                                                        COLORREF clrDark, int nPosition) const {
  if (clrLight == kDither) {
    static const WORD kPattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CTKScopedBitmap bitmap(::CreateBitmap(8, 8, 1, 1, kPattern));
    CTKScopedBrush brush(::CreatePatternBrush(bitmap.Get()));
    const COLORREF clrOldBk = pDC->SetBkColor(Sys(COLOR_BTNFACE));
    const COLORREF clrOldText = pDC->SetTextColor(Sys(COLOR_3DHIGHLIGHT));
    {
      CTKSelectGuard select(pDC->GetSafeHdc(), brush.Get());
      pDC->PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), PATCOPY);
    }
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
    return;
  }
  BOOL bInvert = m_pPaintManager != NULL && m_pPaintManager->m_bInvertGradient;
  // The light end lies at the strip's outer edge: first for top and left,
  // last for bottom and right.
  if (nPosition == tkTabPositionBottom || nPosition == tkTabPositionRight) bInvert = !bInvert;
  const BOOL bHorizontal = nPosition == tkTabPositionLeft || nPosition == tkTabPositionRight;
  TKDrawHelpers()->GradientFill(pDC, rc, bInvert ? clrDark : clrLight,
                                bInvert ? clrLight : clrDark, bHorizontal);
}

void CTKTabPaintManagerColorSet::FillHeader(CDC* pDC, CRect rc, CTKTabManager* pStrip) {
  const COLORREF clrLight = m_clrHeaderFace.m_clrLight;
  const COLORREF clrDark = m_clrHeaderFace.m_clrDark;
  if (clrLight == clrDark && clrLight == Sys(COLOR_BTNFACE) && pStrip != NULL &&
      pStrip->DrawParentBackground(pDC, rc))
    return;
  FillGradientByPosition(pDC, rc, clrLight, clrDark, pStrip != NULL ? pStrip->GetPosition() : 0);
}

COLORREF CTKTabPaintManagerColorSet::FillClient(CDC* pDC, CRect rc, CTKTabManager* pStrip) {
  const CTKTabManagerItem* pSelected = pStrip->GetSelectedItem();
  const COLORREF clr = pSelected != NULL ? GetItemColor(pSelected) : COLORREF(m_clrButtonSelected);
  pDC->FillSolidRect(rc, clr);
  return clr;
}

COLORREF CTKTabPaintManagerColorSet::FillItem(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem) {
  const COLORREF clr = GetItemColor(pItem);
  pDC->FillSolidRect(rc, clr);
  return clr;
}

void CTKTabPaintManagerColorSet::FillStateButton(CDC* pDC, CRect rc, const CTKTabManagerItem* pItem) {
  const int nPosition = GetStripPosition();
  if (pItem->IsSelected()) {
    if (m_pPaintManager != NULL && m_pPaintManager->m_bShowItemColors)
      pDC->FillSolidRect(rc, GetItemColor(pItem));
    else
      FillGradientByPosition(pDC, rc, m_clrPushedButtonFill.m_clrLight,
                             m_clrPushedButtonFill.m_clrDark, nPosition);
    pDC->Draw3dRect(rc, m_clrPushedButtonBorder.m_clrLight, m_clrPushedButtonBorder.m_clrDark);
    return;
  }
  if (nPosition == tkTabPositionLeft || nPosition == tkTabPositionRight) {
    FillHorizontalLine(pDC, rc.left + 2, rc.bottom, rc.Width() - 4, m_clrFrameBorder);
    FillHorizontalLine(pDC, rc.left + 2, rc.bottom + 1, rc.Width() - 4, m_clrSeparatorHighlight);
  } else {
    FillVerticalLine(pDC, rc.right, rc.top + 2, rc.Height() - 4, m_clrFrameBorder);
    FillVerticalLine(pDC, rc.right + 1, rc.top + 2, rc.Height() - 4, m_clrSeparatorHighlight);
  }
}
