// CTKVisualStudio2008Theme: rounded pop-up highlights in the scheme's
// colours, the menu bar's framed hot item and two-line pop-up separators.
#include "TKControlDrawState.h"
#include "TKVisualStudioDrawing.h"
#include "common/TKColorManager.h"
#include "common/TKDrawHelpers.h"
#include "themes/TKStatusBarPaintManagerBase.h"
#include "themes/TKVisualStudioThemes.h"

namespace {

BOOL IsPopupItem(int nBarType, int nBarPosition) {
  return nBarType == tkBarTypePopup && nBarPosition == tkBarPopup;
}

}  // namespace

CTKVisualStudio2008Theme::CTKVisualStudio2008Theme() {
  m_nPopupTextGap = TKScaleX(10);
  m_pShadowManager->SetOptions(1);
}

void CTKVisualStudio2008Theme::RefreshMetrics() {
  CTKVisualStudio2005Theme::RefreshMetrics();
  m_grcPopupBand.SetStandardValue(
      CTKColorManager::MixColors(GetIndexedColor(15), GetIndexedColor(5), 40),
      GetIndexedColor(15), 0.5f);
  m_grcPopupHighlight.SetStandardSolid(GetIndexedColor(13));
  m_clrPopupHighlightBorder.SetStandardValue(GetIndexedColor(13));
  m_clrPopupHighlightText.SetStandardValue(GetIndexedColor(14));

  auto setIndexed = [this](int nIndex, COLORREF clr) { SetIndexedColors(1, &nIndex, &clr); };
  const int nScheme = TKColorManager()->GetCurrentSystemTheme();
  switch (nScheme) {
    case tkSchemeLunaBlue:
    case tkSchemeRoyale:
      m_clrPopupHighlightBorder.SetStandardValue(0xE2B598);
      m_grcPopupHighlight.SetStandardValue(0xFAF3EF, 0xEED2C1, 0.5f);
      m_grcPopupBand.SetStandardSolid(0xF1F1F1);
      m_grcExpandedPopupBand.SetStandardSolid(0xEAE3D7);
      setIndexed(56, 0xEEE7DD);
      break;
    case tkSchemeLunaOlive:
      m_clrPopupHighlightBorder.SetStandardValue(0x70A093);
      m_grcPopupHighlight.SetStandardValue(0xE3F2EF, 0x9ECFC2, 0.5f);
      m_grcPopupBand.SetStandardValue(0xEFF6F7, 0xD6E6E9, 0.5f);
      break;
    case tkSchemeLunaSilver:
      m_clrPopupHighlightBorder.SetStandardValue(0x6FC0FF);
      m_grcPopupHighlight.SetStandardValue(0xCCF6FF, 0x73C2FF, 0.5f);
      m_grcPopupBand.SetStandardValue(0xF2E9E8, 0xD3C1C1, 0.5f);
      m_grcPopupOpen.SetStandardValue(0xF1E9E8, 0xD1BFC0, 0.5f);
      setIndexed(39, 0x8F6D6E);
      break;
    case tkSchemeAero: {
      m_clrPopupHighlightBorder.SetStandardValue(0xF9D996);
      m_grcPopupHighlight.SetStandardValue(0xFBF8F1, 0xF6E4BA, 0.5f);
      m_grcPopupBand.SetStandardValue(0xFCF7F4, 0xE6D8D4, 0.5f);
      m_grcPopupOpen.SetStandardValue(0xFFFFFF, 0xDBB876, 0.5f);
      m_grcDockBar.SetStandardValue(0xFAECE9, 0xFCF7F4, 0.5f);
      m_grcToolBar.SetStandardValue(0xFDFAFA, 0xDBCBC4, 0.75f);
      m_grcExpandButton.SetStandardValue(0xDACAC3, 0xFAECE9, 0.75f);
      m_clrToolBarShadow.SetStandardValue(0xCEBEB5);
      m_clrFloatingCaptionBack.SetStandardValue(0x808080);
      auto* pStatusBar =
          dynamic_cast<CTKStatusBarPaintManagerBase*>(m_pStatusBarPaintManager.get());
      if (pStatusBar != nullptr) pStatusBar->m_clrBackground.SetCustomValue(0xB4A0A0);
      m_pShadowManager->SetShadowColor(0x000000);
      m_grcDisabledIcons.SetStandardValue(0xFCF7F4, 0x987C71, 0.5f);
      m_grcChecked.SetStandardValue(0xFDF8ED, 0xE0C081, 0.5f);
      m_grcPushed.SetStandardValue(0xFCF5E4, 0xCCB17C, 0.5f);
      m_grcHot.SetStandardValue(0xFDF8ED, 0xE0C081, 0.5f);
      m_bSchemeColors = TRUE;
      const int arrIndexes[] = {30, 31, 32, 50, 33, 36, 37, 38, 39, 40, 41, 53, 43, 47};
      const COLORREF arrColors[] = {0xFAECE9, 0xF7E4B6, 0xFF9929, 0xFF9929, 0xFAEDCE,
                                    0xFAEDCE, 0xB17F30, 0xB4A0A0, 0xB4A0A0, 0x808080,
                                    0xF0F0F0, 0xF0F0F0, 0xA0A0A0, 0x000000};
      SetIndexedColors(14, arrIndexes, arrColors);
      break;
    }
    default:
      return;
  }
  m_clrPopupHighlightText.SetStandardValue(0x000000);
}

COLORREF CTKVisualStudio2008Theme::GetRectangleTextColor(BOOL bSelected, BOOL bPressed,
                                                         BOOL bEnabled, BOOL bChecked,
                                                         BOOL bPopuped, int nBarType,
                                                         int nBarPosition) {
  if (IsPopupItem(nBarType, nBarPosition) && bSelected && bEnabled && !bPressed)
    return m_clrPopupHighlightText;
  return CTKCommandBarsOfficeXPTheme::GetRectangleTextColor(bSelected, bPressed, bEnabled,
                                                            bChecked, bPopuped, nBarType,
                                                            nBarPosition);
}

void CTKVisualStudio2008Theme::DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed,
                                             BOOL bEnabled, BOOL bChecked, BOOL bPopuped,
                                             int nBarType, int nBarPosition) {
  if (IsPopupItem(nBarType, nBarPosition) && bSelected && !bChecked && !bPressed) {
    CRect rcFace = rc;
    rcFace.DeflateRect(TKScaleX(1), TKScaleY(1));
    TKDrawHelpers()->GradientFillTwoPart(pDC, rcFace, m_grcPopupHighlight, FALSE, NULL);
    TKDrawRoundedFrame(pDC, rc.left, rc.top, rc.right, rc.bottom, m_clrPopupHighlightBorder);
    return;
  }
  if (nBarType == tkBarTypePopup) {
    CTKCommandBarsOffice2003Theme::DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled,
                                                 bChecked, bPopuped, nBarType, nBarPosition);
    return;
  }
  if (nBarType == tkBarTypeMenuBar && bSelected && bEnabled && !bChecked && !bPressed) {
    const COLORREF clrLight = GetIndexedColor(5);
    pDC->FillSolidRect(CRect(rc.left + 1, rc.top, rc.right - 1, rc.top + 1), clrLight);
    pDC->FillSolidRect(CRect(rc.left + 1, rc.bottom - 1, rc.right - 1, rc.bottom), clrLight);
    pDC->FillSolidRect(CRect(rc.left, rc.top + 1, rc.left + 1, rc.bottom - 1), clrLight);
    pDC->FillSolidRect(CRect(rc.right - 1, rc.top + 1, rc.right, rc.bottom - 1), clrLight);
    CRect rcFrame = rc;
    rcFrame.DeflateRect(1, 1);
    const COLORREF clrBorder = GetIndexedColor(32);
    FillRectWithBorder(pDC, rcFrame, clrBorder, -1);
    const COLORREF clrCorner = BlendColors(clrBorder, clrLight, 0.5);
    pDC->SetPixel(rcFrame.left, rcFrame.top, clrCorner);
    pDC->SetPixel(rcFrame.right - 1, rcFrame.top, clrCorner);
    pDC->SetPixel(rcFrame.left, rcFrame.bottom - 1, clrCorner);
    pDC->SetPixel(rcFrame.right - 1, rcFrame.bottom - 1, clrCorner);
    rcFrame.DeflateRect(1, 1);
    if (bPopuped)
      TKDrawHelpers()->GradientFillTwoPart(pDC, rcFrame, m_grcPopupOpen, FALSE, NULL);
    else if (m_bSchemeColors)
      TKDrawHelpers()->GradientFillTwoPart(pDC, rcFrame, m_grcHot, FALSE, NULL);
    else
      FillRectIndexed(pDC, rcFrame, -1, 31);
    return;
  }
  if (bPopuped && bEnabled) {
    TKDrawHelpers()->GradientFillTwoPart(pDC, rc, m_grcPopupOpen, FALSE, NULL);
    FillRectWithBorder(pDC, rc, GetIndexedColor(32), -1);
    return;
  }
  CTKCommandBarsOffice2003Theme::DrawRectangle(pDC, rc, bSelected, bPressed, bEnabled, bChecked,
                                               bPopuped, nBarType, nBarPosition);
}

CSize CTKVisualStudio2008Theme::DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar,
                                                        CTKControl* pControl, BOOL bDraw) {
  if (!TKIsDrawingOnPopup(pDC, pBar, pControl, bDraw) || pBar->GetPosition() != tkBarPopup)
    return CTKCommandBarsOffice2003Theme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
  TKDrawPopupSeparatorAt(this, pDC, pBar, pControl, GetIndexedColor(39), 2);
  TKDrawPopupSeparatorAt(this, pDC, pBar, pControl, GetIndexedColor(20), 1);
  return CSize(0, 0);
}

void CTKVisualStudio2008Theme::AdjustExcludeRect(CRect& rc, CTKControl* pControl, BOOL) {
  CTKCommandBar* pBar = pControl->GetParent();
  if (pBar != nullptr && pBar->GetType() == tkBarTypePopup) rc.InflateRect(TKScaleX(1), 0);
}

CRect CTKVisualStudio2008Theme::GetCommandBarBorders(CTKCommandBar* pBar) {
  if (pBar != nullptr && IsPopupItem(pBar->GetType(), pBar->GetPosition()))
    return CRect(TKScaleX(4), TKScaleY(3), TKScaleX(4), TKScaleY(3));
  return CTKCommandBarsOffice2003Theme::GetCommandBarBorders(pBar);
}

void CTKVisualStudio2008Theme::FillPopupBarBand(CDC* pDC, int x, int y, int cx, int cy,
                                                BOOL bExpanded) {
  CTKCommandBarsOffice2003Theme::FillPopupBarBand(pDC, x, y, cx, cy, bExpanded);
  const int cxLine = TKScaleX(1);
  pDC->FillSolidRect(CRect(x + cx - cxLine, y, x + cx, y + cy), GetIndexedColor(39));
  pDC->FillSolidRect(CRect(x + cx, y, x + cx + cxLine, y + cy), GetIndexedColor(20));
}
