// The backstage look of the loaded theme text: its "Backstage*" images,
// stretched with margins of 2, and its menu text colour.
#include "commandbars/TKControl.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "ribbon/TKRibbonBackstagePaintManager.h"
#include "ribbon/TKRibbonBackstageView.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

/// The menu text of the theme text; 0 leaves the colour the view set.
COLORREF MenuTextColor() {
  return TKResourceImages()->GetIniColor("Ribbon", "BackstageMenuTextColor", 0);
}

/// Row `nRow` of `nRows` of the image stretched over `rc` (nothing without the image).
void DrawRow(CDC* pDC, LPCSTR lpszImage, CRect rc, int nRow, int nRows) {
  CTKResourceImages* pImages = TKResourceImages();
  CTKResourceImage* pImage = pImages->IsLoaded() ? pImages->LoadImage(lpszImage) : nullptr;
  if (pImage == nullptr) return;
  pImage->DrawImage(pDC, rc, pImage->GetSourceRect(nRow, nRows), CRect(2, 2, 2, 2));
}

/// The icon at the left of `rcText`, vertically centred at `sz`; the text
/// then starts after it and the gap.
void DrawIcon(CDC* pDC, CTKImageManagerIcon* pIcon, CSize sz, BOOL bEnabled, int nGap,
              CRect& rcText) {
  if (pIcon == nullptr) return;
  const CPoint pt(rcText.left, rcText.top + (rcText.Height() - sz.cy) / 2);
  pIcon->Draw(pDC, pt, bEnabled ? pIcon->GetNormalImage() : pIcon->GetDisabledImage(), sz.cx,
              sz.cy);
  rcText.left += sz.cx + nGap;
}

}  // namespace

void CTKRibbonBackstageViewThemeResource::FillBackstage(CDC* pDC, CTKRibbonBackstageView* pView) {
  CRect rc;
  pView->GetClientRect(&rc);
  pDC->FillSolidRect(rc, kWhite);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(MenuTextColor());
  const int nTop = TKDpiHelper()->ScaleY(2);
  DrawRow(pDC, "BackstageTopBorder", CRect(0, 0, rc.right, nTop), 0, 1);
  DrawRow(pDC, "BackstageMenuBackground", CRect(0, nTop, pView->GetMenuWidth(), rc.bottom), 0, 1);
}

void CTKRibbonBackstageViewThemeResource::DrawControl(CDC* pDC, CTKRibbonBackstageView* pView,
                                                      CTKControl* pControl) {
  if (!pControl->IsVisible() || pView->IsMenuSeparator(pControl)) return;
  if (!pControl->GetEnabled()) {
    pDC->SetTextColor(TKColorManager()->GetColor(35));
  } else if (pView->IsActiveTab(pControl)) {
    pDC->SetTextColor(kWhite);
  } else if (MenuTextColor() != 0) {
    pDC->SetTextColor(MenuTextColor());
  }
  if (pView->IsCommand(pControl))
    DrawCommand(pDC, pView, pControl);
  else
    DrawTab(pDC, pView, pControl);
}

void CTKRibbonBackstageViewThemeResource::DrawCommand(CDC* pDC, CTKRibbonBackstageView* pView,
                                                      CTKControl* pControl) {
  const CRect rc = pControl->GetRect();
  const BOOL bEnabled = pControl->GetEnabled();
  if (pView->IsHotControl(pControl) || pView->IsFocusedControl(pControl))
    DrawRow(pDC, "BackstageMenuCommand", rc, bEnabled ? 0 : 2, 3);
  CTKDpiHelper* pDpi = TKDpiHelper();
  CRect rcText(rc.left + m_nTextIndent, rc.top + 2, rc.right - pDpi->ScaleX(2),
               rc.bottom - pDpi->ScaleY(2));
  // Large icons are drawn at 120 DPI's size, so they keep theirs up to there.
  if (CTKImageManagerIcon* pIcon = pView->GetControlIcon(pControl, 32)) {
    const CSize sz(pDpi->ScaleX(pIcon->GetWidth(), 120), pDpi->ScaleY(pIcon->GetHeight(), 120));
    DrawIcon(pDC, pIcon, sz, bEnabled, m_nIconGap, rcText);
  }
  DrawCaption(pDC, pView->GetCommandFont(), pControl->GetCaption(), rcText);
}

void CTKRibbonBackstageViewThemeResource::DrawTab(CDC* pDC, CTKRibbonBackstageView* pView,
                                                  CTKControl* pControl) {
  const CRect rc = pControl->GetRect();
  const BOOL bEnabled = pControl->GetEnabled();
  const BOOL bActive = pView->IsActiveTab(pControl);
  if (bActive || pView->IsHotControl(pControl) || pView->IsFocusedControl(pControl))
    DrawRow(pDC, "BackstageMenuPage", rc, !bEnabled ? 3 : bActive ? 1 : 0, 4);
  CTKDpiHelper* pDpi = TKDpiHelper();
  if (bActive) {
    CTKResourceImages* pImages = TKResourceImages();
    CTKResourceImage* pGlyph =
        pImages->IsLoaded() ? pImages->LoadImage("BackstageMenuPageGlyph") : nullptr;
    if (pGlyph != nullptr) {
      const CSize sz(pDpi->ScaleX(pGlyph->GetWidth()), pDpi->ScaleY(pGlyph->GetHeight()));
      const CRect rcGlyph(CPoint(rc.right - sz.cx, rc.top + (rc.Height() - sz.cy) / 2), sz);
      pGlyph->DrawImage(pDC, rcGlyph, pGlyph->GetSourceRect(0, 1));
    }
  }
  CRect rcText = GetCaptionRect(rc);
  if (CTKImageManagerIcon* pIcon = pView->GetControlIcon(pControl, 16)) {
    const CSize sz(pDpi->ScaleX(pIcon->GetWidth()), pDpi->ScaleY(pIcon->GetHeight()));
    DrawIcon(pDC, pIcon, sz, bEnabled, m_nIconGap, rcText);
  }
  DrawCaption(pDC, pView->GetTabFont(), pControl->GetCaption(), rcText);
}
