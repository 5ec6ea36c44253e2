// CTKSliderThemeOffice2007System: the base theme's slider, drawn in the face,
// shadow and highlight colours.
#include "common/TKDpiHelper.h"
#include "common/TKScopedHandle.h"
#include "common/TKScrollBase.h"
#include "themes/TKPaintManagerBase.h"
#include "themes/TKSliderThemes.h"

CTKSliderThemeOffice2007System::CTKSliderThemeOffice2007System(CTKPaintManagerBase* pOwner)
    : CTKSliderPaintManager(pOwner), m_pOwner(pOwner) {}

void CTKSliderThemeOffice2007System::DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) {
  TK_SLIDER_LAYOUT layout;
  if (!CalcSliderLayout(pScroll, &layout)) return;
  const COLORREF clrFace = m_pOwner->GetIndexedColor(COLOR_BTNFACE);
  const COLORREF clrShadow = m_pOwner->GetIndexedColor(COLOR_BTNSHADOW);
  const COLORREF clrHighlight = m_pOwner->GetIndexedColor(COLOR_BTNHIGHLIGHT);
  CTKDpiHelper* pDpi = TKDpiHelper();

  const CRect& rcBar = layout.rcBar;
  const int yTrack = (rcBar.top + rcBar.bottom - pDpi->ScaleY(2)) / 2;
  const int yTrackEnd = yTrack + pDpi->ScaleY(2);
  const int xTrack = layout.rcMinus.right, cxTrack = layout.rcPlus.left - layout.rcMinus.right;
  pDC->FillSolidRect(xTrack, yTrack, cxTrack, pDpi->ScaleY(1), clrShadow);
  pDC->FillSolidRect(xTrack, yTrack + pDpi->ScaleY(1), cxTrack, pDpi->ScaleY(1), clrHighlight);

  CRect rcSpan(layout.rcMinus.right, 0, layout.rcPlus.left, 0);
  rcSpan.DeflateRect(pDpi->ScaleX(6), 0);
  std::vector<int> offsets;
  if (CalcSliderTickOffsets(pScroll, rcSpan.Width(), &offsets)) {
    const int yTick = (yTrack + yTrackEnd - pDpi->ScaleY(8)) / 2;
    for (int nOffset : offsets)
      DrawTick(pDC, rcSpan.left + nOffset - pDpi->ScaleX(1), yTick, clrShadow, clrHighlight);
  } else {
    DrawTick(pDC, (rcSpan.left + rcSpan.right - 2) / 2, (yTrack + yTrackEnd - 8) / 2, clrShadow,
             clrHighlight);
  }

  DrawButton(pDC, layout.rcMinus, pScroll->IsPartHot(TKSB_HT_UP),
             pScroll->IsPartPressed(TKSB_HT_UP), FALSE, clrFace, clrShadow, clrHighlight);
  DrawButton(pDC, layout.rcPlus, pScroll->IsPartHot(TKSB_HT_DOWN),
             pScroll->IsPartPressed(TKSB_HT_DOWN), TRUE, clrFace, clrShadow, clrHighlight);
  if (layout.bThumbVisible)
    DrawThumb(pDC, layout, pScroll->IsPartHot(TKSB_HT_THUMB), pScroll->IsPartPressed(TKSB_HT_THUMB),
              clrFace, clrShadow, clrHighlight);
}

void CTKSliderThemeOffice2007System::DrawTick(CDC* pDC, int x, int y, COLORREF clrShadow,
                                              COLORREF clrHighlight) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int cx = pDpi->ScaleX(1);
  pDC->FillSolidRect(x, y, cx, pDpi->ScaleY(4), clrShadow);
  pDC->FillSolidRect(x, y + pDpi->ScaleY(5), cx, pDpi->ScaleY(2), clrShadow);
  pDC->FillSolidRect(x + cx, y + pDpi->ScaleY(1), cx, pDpi->ScaleY(7), clrHighlight);
}

void CTKSliderThemeOffice2007System::DrawButton(CDC* pDC, const CRect& rc, BOOL bHot, BOOL bPressed,
                                                BOOL bPlus, COLORREF clrFace, COLORREF clrShadow,
                                                COLORREF clrHighlight) {
  const COLORREF clrFill = bHot ? clrHighlight : clrFace;
  m_pOwner->FillCircleAntialiased(pDC, rc.left, rc.top, rc.right, rc.bottom, clrShadow, clrFill);
  if (!bPressed)
    m_pOwner->FillCircleAntialiased(pDC, rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1,
                                    clrHighlight, clrFill);
  CTKDpiHelper* pDpi = TKDpiHelper();
  const CPoint ptCentre = rc.CenterPoint();
  pDC->FillSolidRect(ptCentre.x - pDpi->ScaleX(4), ptCentre.y - pDpi->ScaleY(1), pDpi->ScaleX(8),
                     pDpi->ScaleY(2), clrShadow);
  if (bPlus)
    pDC->FillSolidRect(ptCentre.x - pDpi->ScaleX(1), ptCentre.y - pDpi->ScaleY(4), pDpi->ScaleX(2),
                       pDpi->ScaleY(8), clrShadow);
}

void CTKSliderThemeOffice2007System::DrawThumb(CDC* pDC, const TK_SLIDER_LAYOUT& layout, BOOL bHot,
                                               BOOL bPressed, COLORREF clrFace, COLORREF clrShadow,
                                               COLORREF clrHighlight) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int w = pDpi->ScaleX(8), h = pDpi->ScaleY(13);
  const int x = (layout.xThumbStart + layout.xThumbEnd - w) / 2;
  const int y = (layout.rcBar.top + layout.rcBar.bottom - h) / 2;
  const int dx1 = pDpi->ScaleX(1), dy1 = pDpi->ScaleY(1);
  const int dx4 = pDpi->ScaleX(4), dy4 = pDpi->ScaleY(4);
  const POINT outline[] = {
      {x, y}, {x + w, y}, {x + w, y + h - dy4}, {x + dx4, y + h}, {x, y + h - dy4}};
  CTKScopedBrush brush(::CreateSolidBrush(bHot ? clrHighlight : clrFace));
  CTKScopedPen pen(::CreatePen(PS_SOLID, 1, clrShadow));
  {
    CTKSelectGuard selectBrush(pDC->m_hDC, brush.Get());
    CTKSelectGuard selectPen(pDC->m_hDC, pen.Get());
    ::Polygon(pDC->m_hDC, outline, 5);
  }
  if (bPressed) return;
  CTKScopedPen penInner(::CreatePen(PS_SOLID, 1, clrHighlight));
  CTKSelectGuard selectPen(pDC->m_hDC, penInner.Get());
  const POINT inner[] = {{x + dx1, y + dy1},     {x + w - dx1, y + dy1}, {x + w - dx1, y + h - dy4},
                         {x + dx4, y + h - dy1}, {x + dx1, y + h - dy4}, {x + dx1, y + dy1}};
  ::Polyline(pDC->m_hDC, inner, 6);
}
