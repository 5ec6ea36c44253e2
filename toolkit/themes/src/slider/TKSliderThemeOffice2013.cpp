// CTKSliderThemeOffice2013: the flat slider of the Office 2013 and Visual
// Studio 2015 themes.
#include "common/TKDpiHelper.h"
#include "common/TKResourceImages.h"
#include "common/TKScrollBase.h"
#include "themes/TKSliderThemes.h"

namespace {

/// The bar's kind that draws in the slider colour rather than the scroll-bar one.
const int kSliderKind = 7;

BOOL IsPartActive(CTKScrollBase* pScroll, int nPart) {
  return pScroll->IsPartHot(nPart) || pScroll->IsPartPressed(nPart);
}

}  // namespace

void CTKSliderThemeOffice2013::RefreshMetrics() {
  CTKSliderPaintManager::RefreshMetrics();
  static const char kSection[] = "CommandBars.Slider";
  m_clrSlider.SetStandardValue(GetThemeIniColor(kSection, "Slider", 0x00ABABAB));
  m_clrScrollBar.SetStandardValue(GetThemeIniColor(kSection, "ScrollBar", 0x00FFFFFF));
  m_clrHighlight.SetStandardValue(GetThemeIniColor(kSection, "Highlight", 0x00B56D3E));
}

void CTKSliderThemeOffice2013::DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) {
  TK_SLIDER_LAYOUT layout;
  if (!CalcSliderLayout(pScroll, &layout)) return;
  CTKDpiHelper* pDpi = TKDpiHelper();
  const COLORREF clrNormal = pScroll->GetScrollBarStyle() == kSliderKind
                                 ? static_cast<COLORREF>(m_clrSlider)
                                 : static_cast<COLORREF>(m_clrScrollBar);
  const COLORREF clrHighlight = m_clrHighlight;
  const int nLine = pDpi->ScaleY(2);

  const CRect& rcMinus = layout.rcMinus;
  const int yMinus = rcMinus.CenterPoint().y - nLine / 2;
  pDC->FillSolidRect(rcMinus.left + pDpi->ScaleX(5), yMinus, rcMinus.Width() - pDpi->ScaleX(10),
                     nLine, IsPartActive(pScroll, TKSB_HT_UP) ? clrHighlight : clrNormal);

  const CRect& rcPlus = layout.rcPlus;
  const COLORREF clrPlus = IsPartActive(pScroll, TKSB_HT_DOWN) ? clrHighlight : clrNormal;
  const int nLineX = pDpi->ScaleX(2);
  pDC->FillSolidRect(rcPlus.left + pDpi->ScaleX(4), rcPlus.CenterPoint().y - nLine / 2,
                     rcPlus.Width() - pDpi->ScaleX(8), nLine, clrPlus);
  pDC->FillSolidRect(rcPlus.CenterPoint().x - nLineX / 2, rcPlus.top + pDpi->ScaleY(4), nLineX,
                     rcPlus.Height() - pDpi->ScaleY(8), clrPlus);

  pDC->FillSolidRect(rcMinus.right, layout.rcBar.CenterPoint().y, rcPlus.left - rcMinus.right,
                     pDpi->ScaleY(1), clrNormal);

  if (!layout.bThumbVisible) return;
  const BOOL bThumbActive = IsPartActive(pScroll, TKSB_HT_PAGEUP) ||
                            IsPartActive(pScroll, TKSB_HT_PAGEDOWN) ||
                            IsPartActive(pScroll, TKSB_HT_THUMB);
  const CRect rcThumb(layout.xThumbStart + pDpi->ScaleX(4), layout.rcBar.top + pDpi->ScaleY(2),
                      layout.xThumbEnd - pDpi->ScaleX(4), layout.rcBar.bottom - pDpi->ScaleY(4));
  pDC->FillSolidRect(rcThumb, bThumbActive ? clrHighlight : clrNormal);
}
