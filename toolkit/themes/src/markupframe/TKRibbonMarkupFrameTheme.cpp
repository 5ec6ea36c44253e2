// CTKRibbonMarkupFrameTheme: borders and caption of the markup-drawn frames.
#include "themes/TKRibbonMarkupFrameTheme.h"

#include "commandbars/TKCommandBarsFrameHook.h"
#include "common/TKDCHelpers.h"
#include "common/TKResourceImages.h"
#include "themes/TKMarkupThemePart.h"
#include "themes/TKPaintManagerBase.h"

namespace {
// Theme ids whose frames come from elsewhere or only with their theme text.
enum { kResourceTheme = 5, kRibbonTheme = 6, kOffice2013 = 12, kVisualStudio2012First = 13,
       kVisualStudio2012Last = 15, kVisualStudio2015 = 16 };
}  // namespace

CTKRibbonMarkupFrameTheme::CTKRibbonMarkupFrameTheme(CTKPaintManagerBase* pOwner)
    : CTKFramePaintManagerBase(pOwner) {}

BOOL CTKRibbonMarkupFrameTheme::IsFrameDrawn() const {
  if (m_pOwner == nullptr) return TRUE;
  CString strCompatibility;
  if (TKResourceImages()->IsLoaded())
    strCompatibility = TKResourceImages()->GetIniString("Theme", "Compatibility", "");
  const int nId = m_pOwner->m_nThemeId;
  if (nId == kResourceTheme || nId == kRibbonTheme) return FALSE;
  if (nId == kOffice2013) return strCompatibility.CompareNoCase("Office2013") == 0;
  if (nId >= kVisualStudio2012First && nId <= kVisualStudio2012Last)
    return strCompatibility.CompareNoCase("VisualStudio2012") == 0;
  if (nId == kVisualStudio2015) return strCompatibility.CompareNoCase("VisualStudio2015") == 0;
  return TRUE;
}

void CTKRibbonMarkupFrameTheme::DrawFrame(CDC* pDC, CTKCommandBarsFrameHook* pHook) {
  if (!IsFrameDrawn()) return;
  if (!pHook->IsFrameCaptionVisible()) {
    DrawFrameBorders(pDC, pHook);
    return;
  }
  CRect rcCaption = CalcCaptionRect(pHook);
  {
    // The caption band is drawn buffered below; the borders stay off it. The
    // clip works in logical coordinates, so a DC with a moved origin clips right.
    const int nSaved = pDC->SaveDC();
    pDC->ExcludeClipRect(rcCaption);
    DrawFrameBorders(pDC, pHook);
    pDC->RestoreDC(nSaved);
  }
  if (rcCaption.IsRectEmpty()) return;
  CTKBufferDC dc(pDC->GetSafeHdc(), rcCaption);
  if (!pHook->IsDwmEnabled())
    FillCaptionBackground(&dc, rcCaption, pHook->GetSite(), pHook->IsActive());
  CRect rc = rcCaption;
  DrawFrameIcon(&dc, pHook, rc);
  DrawCaptionButtons(&dc, pHook, rc);
  rc.left += pHook->CalcFrameBorder().left;
  DrawCaptionText(&dc, rc, pHook->GetSite(), pHook->IsActive());
}

void CTKRibbonMarkupFrameTheme::DrawFrameBorders(CDC* pDC, CTKCommandBarsFrameHook* pHook) {
  const BOOL bActive = pHook->IsActive();
  CRect rcWindow, rcClient;
  GetFrameRects(pHook->GetSite(), &rcWindow, &rcClient);
  const int cy = ::GetSystemMetrics(SM_CYCAPTION);
  const struct {
    int nKind;
    CRect rc;
  } strips[] = {
      {framePartTop, CRect(rcWindow.left, rcWindow.top, rcWindow.right, rcClient.top)},
      {framePartLeftCaption, CRect(rcWindow.left, rcClient.top, rcClient.left, rcClient.top + cy)},
      {framePartLeft, CRect(rcWindow.left, rcClient.top + cy, rcClient.left, rcClient.bottom)},
      {framePartRightCaption,
       CRect(rcClient.right, rcClient.top, rcWindow.right, rcClient.top + cy)},
      {framePartRight, CRect(rcClient.right, rcClient.top + cy, rcWindow.right, rcClient.bottom)},
      {framePartBottom, CRect(rcWindow.left, rcClient.bottom, rcWindow.right, rcWindow.bottom)},
  };
  for (const auto& strip : strips) {
    if (CTKMarkupThemePart* pPart = GetFramePart(strip.nKind, bActive))
      pPart->Render(pDC, strip.rc);
  }
}
