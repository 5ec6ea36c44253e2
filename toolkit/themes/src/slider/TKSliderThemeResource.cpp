// CTKSliderResourceTheme: the slider of the image themes.
#include "common/TKDpiHelper.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "common/TKScrollBase.h"
#include "themes/TKSliderThemes.h"

namespace {

const COLORREF kMagenta = 0x00FF00FF;
const CRect kNoMargins(0, 0, 0, 0);

/// The image's size at the screen's DPI.
CSize ScaledSize(const CRect& rcSrc) {
  return CSize(TKDpiHelper()->ScaleX(rcSrc.Width()), TKDpiHelper()->ScaleY(rcSrc.Height()));
}

/// Slice `nState` of a three-state image, scaled and centred on `ptCentre`.
void DrawStateCentred(CDC* pDC, CTKResourceImage* pImage, int nState, CPoint ptCentre) {
  const CRect rcSrc = pImage->GetSourceRect(nState, 3);
  const CSize sz = ScaledSize(rcSrc);
  const CRect rcDest(CPoint(ptCentre.x - sz.cx / 2, ptCentre.y - sz.cy / 2), sz);
  pImage->DrawImageTransparent(pDC, rcDest, rcSrc, kNoMargins, kMagenta);
}

/// 2 pressed, 1 hot, 0 normal.
int ButtonState(CTKScrollBase* pScroll, int nPart) {
  if (pScroll->IsPartPressed(nPart)) return 2;
  return pScroll->IsPartHot(nPart) ? 1 : 0;
}

}  // namespace

void CTKSliderResourceTheme::RefreshMetrics() {
  CTKSliderPaintManager::RefreshMetrics();
  CTKResourceImage* pUp = TKResourceImages()->LoadImage("SLIDERUP");
  if (pUp == nullptr) return;
  const CSize sz = ScaledSize(pUp->GetSourceRect(0, 3));
  m_cxHScroll = sz.cx;
  m_cyHScroll = sz.cy;
  m_nThumbSize = TKDpiHelper()->ScaleX(11);
}

void CTKSliderResourceTheme::DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) {
  CTKResourceImages* pImages = TKResourceImages();
  TK_SLIDER_LAYOUT layout;
  if (!pImages->IsLoaded() || !CalcSliderLayout(pScroll, &layout)) return;
  CTKResourceImage* pTrack = pImages->LoadImage("SLIDERTRACK");
  if (pTrack == nullptr) return;
  const int yCentre = layout.rcBar.CenterPoint().y;
  const int cyTrack = TKDpiHelper()->ScaleY(pTrack->GetHeight());
  const CRect rcTrack(layout.rcMinus.right, yCentre - cyTrack / 2, layout.rcPlus.left,
                      yCentre - cyTrack / 2 + cyTrack);
  pTrack->StretchImage(pDC, rcTrack, CRect(CPoint(0, 0), pTrack->GetExtent()));

  CTKResourceImage* pTick = pImages->LoadImage("SLIDERTICK");
  if (pTick != nullptr) {
    const CRect rcSrc(CPoint(0, 0), pTick->GetExtent());
    const CSize sz = ScaledSize(rcSrc);
    CRect rcSpan(layout.rcMinus.right, 0, layout.rcPlus.left, 0);
    rcSpan.DeflateRect(TKDpiHelper()->ScaleX(6), 0);
    std::vector<int> offsets;
    if (!CalcSliderTickOffsets(pScroll, rcSpan.Width(), &offsets))
      offsets.assign(1, rcSpan.Width() / 2);
    for (int nOffset : offsets) {
      const CPoint pt(rcSpan.left + nOffset - sz.cx / 2, yCentre - sz.cy / 2);
      pTick->DrawImageTransparent(pDC, CRect(pt, sz), rcSrc, kNoMargins, kMagenta);
    }
  }

  if (CTKResourceImage* pUp = pImages->LoadImage("SLIDERUP"))
    DrawStateCentred(pDC, pUp, ButtonState(pScroll, TKSB_HT_UP), layout.rcMinus.CenterPoint());
  if (CTKResourceImage* pDown = pImages->LoadImage("SLIDERDOWN"))
    DrawStateCentred(pDC, pDown, ButtonState(pScroll, TKSB_HT_DOWN), layout.rcPlus.CenterPoint());

  CTKResourceImage* pThumb = pImages->LoadImage("SLIDERTHUMB");
  if (pThumb == nullptr || !layout.bThumbVisible) return;
  int nState = 0;
  if (pScroll->IsPartPressed(TKSB_HT_THUMB))
    nState = 2;
  else if (pScroll->IsPartPressed(TKSB_HT_PAGEUP) || pScroll->IsPartPressed(TKSB_HT_PAGEDOWN) ||
           pScroll->IsPartHot(TKSB_HT_PAGEUP) || pScroll->IsPartHot(TKSB_HT_PAGEDOWN) ||
           pScroll->IsPartHot(TKSB_HT_THUMB))
    nState = 1;
  DrawStateCentred(pDC, pThumb, nState,
                   CPoint((layout.xThumbStart + layout.xThumbEnd) / 2, yCentre));
}
