// The scroll bar drawn from the resource theme's images.
#include "common/TKDpiHelper.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "common/TKScrollBarThemes.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);

CTKResourceImage* Image(LPCSTR lpszName) { return TKResourceImages()->LoadImage(lpszName); }

/// The dark image when asked for and there, else the light one.
CTKResourceImage* ImageOrFallback(BOOL bDark, LPCSTR lpszDark, LPCSTR lpszLight) {
  CTKResourceImage* pImage = bDark ? Image(lpszDark) : NULL;
  return pImage != NULL ? pImage : Image(lpszLight);
}

/// A rectangle of cx by cy centred in rc.
CRect Centred(const RECT& rc, int cx, int cy) {
  int x = (rc.left + rc.right - cx) / 2;
  int y = (rc.top + rc.bottom - cy) / 2;
  return CRect(x, y, x + cx, y + cy);
}

}  // namespace

void CTKScrollBarThemeResource::DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) {
  const TK_SCROLLBAR_LAYOUT& l = pScroll->GetLayout();
  if (!TKResourceImages()->IsLoaded() || l.pxCrossEnd - l.pxCrossStart <= 0) return;
  BOOL bTracking = pScroll->GetTrackInfo() != NULL;
  m_bLight = pScroll->GetScrollBarStyle() != 6;
  m_nPressed = bTracking ? l.nHitPart : -1;
  m_nHot = bTracking ? -1 : l.nHitPart;
  m_bEnabled = (l.nMax - l.nPage - l.nMin + 1) > 0 && pScroll->IsScrollBarEnabled();
  CTKScrollBarPaintManager::DrawScrollBar(pDC, pScroll);
}

TK_SCROLLBAR_PARTS CTKScrollBarThemeResource::AdjustParts(const TK_SCROLLBAR_PARTS& p,
                                                          BOOL bVertical) const {
  TK_SCROLLBAR_PARTS q = p;
  int nInset = bVertical ? 1 : TKDpiHelper()->ScaleY(1);
  RECT* rects[] = {&q.rcBar,        &q.rcArrowFirst, &q.rcArrowSecond, &q.rcTrack,
                   &q.rcPageBefore, &q.rcThumb,      &q.rcPageAfter};
  for (RECT* prc : rects) {
    if (bVertical) {
      prc->left += nInset;
      prc->right -= nInset;
    } else {
      prc->top += nInset;
      prc->bottom -= nInset;
    }
  }
  return q;
}

int CTKScrollBarThemeResource::GetArrowState(int nArrowPart) const {
  if (!m_bEnabled) return 0;
  if (m_nPressed == nArrowPart) return 3;
  if (m_nHot == nArrowPart) return 2;
  if (m_nHot > 0 || m_nPressed > 0) return 1;
  return 0;
}

void CTKScrollBarThemeResource::DrawBackground(CDC* pDC, const TK_SCROLLBAR_PARTS& p,
                                               BOOL bVertical) {
  CTKResourceImage* pBar = bVertical ? Image(m_bLight ? "CONTROLGALLERYSCROLLVERTICALLIGHT"
                                                      : "CONTROLGALLERYSCROLLVERTICALDARK")
                                     : Image(m_bLight ? "CONTROLGALLERYSCROLLHORIZONTALLIGHT"
                                                      : "CONTROLGALLERYSCROLLHORIZONTALDARK");
  if (pBar == NULL) return;
  TK_SCROLLBAR_PARTS q = AdjustParts(p, bVertical);
  pBar->DrawImage(pDC, q.rcBar, pBar->GetSourceRect(0, 2),
                  bVertical ? CRect(1, 0, 1, 0) : CRect(0, 1, 0, 1));
}

void CTKScrollBarThemeResource::DrawArrows(CDC* pDC, const TK_SCROLLBAR_PARTS& p, BOOL bVertical) {
  CTKResourceImage* pArrows = bVertical
                                  ? Image(m_bLight ? "CONTROLGALLERYSCROLLARROWSVERTICALLIGHT"
                                                   : "CONTROLGALLERYSCROLLARROWSVERTICALDARK")
                                  : Image(m_bLight ? "CONTROLGALLERYSCROLLARROWSHORIZONTALLIGHT"
                                                   : "CONTROLGALLERYSCROLLARROWSHORIZONTALDARK");
  if (pArrows == NULL) return;
  TK_SCROLLBAR_PARTS q = AdjustParts(p, bVertical);
  pArrows->DrawImageTransparent(pDC, q.rcArrowFirst,
                                pArrows->GetSourceRect(GetArrowState(TKSB_HT_UP), 4),
                                CRect(3, 3, 3, 3), kMagenta);
  pArrows->DrawImageTransparent(pDC, q.rcArrowSecond,
                                pArrows->GetSourceRect(GetArrowState(TKSB_HT_DOWN), 4),
                                CRect(3, 3, 3, 3), kMagenta);
}

void CTKScrollBarThemeResource::DrawGlyphs(CDC* pDC, const TK_SCROLLBAR_PARTS& p, BOOL bVertical) {
  CTKResourceImage* pGlyphs = ImageOrFallback(!m_bLight, "CONTROLGALLERYSCROLLARROWGLYPHSDARK",
                                              "CONTROLGALLERYSCROLLARROWGLYPHS");
  if (pGlyphs == NULL) return;
  TK_SCROLLBAR_PARTS q = AdjustParts(p, bVertical);
  // Cells of 9 by 9 in one column; cell n (counted from 1) at row n - 1:
  // normal, active, -, disabled for up, down, left and right in turn.
  int nFirstCell = bVertical ? 1 : 9;
  struct {
    const RECT* prc;
    int nPart;
    int nCell;
  } arrows[] = {{&q.rcArrowFirst, TKSB_HT_UP, nFirstCell},
                {&q.rcArrowSecond, TKSB_HT_DOWN, nFirstCell + 4}};
  CSize szCell(TKDpiHelper()->ScaleX(9), TKDpiHelper()->ScaleY(9));
  for (const auto& a : arrows) {
    int nCell = !m_bEnabled ? a.nCell + 3 : GetArrowState(a.nPart) != 0 ? a.nCell + 1 : a.nCell;
    CRect rcSrc(0, (nCell - 1) * 9, 9, nCell * 9);
    pGlyphs->DrawImageTransparent(pDC, Centred(*a.prc, szCell.cx, szCell.cy), rcSrc,
                                  CRect(0, 0, 0, 0), kMagenta);
  }
}

void CTKScrollBarThemeResource::DrawTrack(CDC* pDC, const TK_SCROLLBAR_PARTS& p, BOOL bVertical) {
  if (!m_bEnabled || (m_nPressed != TKSB_HT_PAGEUP && m_nPressed != TKSB_HT_PAGEDOWN)) return;
  CTKResourceImage* pBar = bVertical ? Image(m_bLight ? "CONTROLGALLERYSCROLLVERTICALLIGHT"
                                                      : "CONTROLGALLERYSCROLLVERTICALDARK")
                                     : Image(m_bLight ? "CONTROLGALLERYSCROLLHORIZONTALLIGHT"
                                                      : "CONTROLGALLERYSCROLLHORIZONTALDARK");
  if (pBar == NULL) return;
  TK_SCROLLBAR_PARTS q = AdjustParts(p, bVertical);
  const RECT& rcPage = m_nPressed == TKSB_HT_PAGEUP ? q.rcPageBefore : q.rcPageAfter;
  pBar->DrawImage(pDC, rcPage, pBar->GetSourceRect(1, 2),
                  bVertical ? CRect(1, 0, 1, 0) : CRect(0, 1, 0, 1));
}

void CTKScrollBarThemeResource::DrawThumb(CDC* pDC, const TK_SCROLLBAR_PARTS& p, BOOL bVertical) {
  TK_SCROLLBAR_PARTS q = AdjustParts(p, bVertical);
  if (!m_bEnabled || ::IsRectEmpty(&q.rcThumb)) return;
  int nState = m_nPressed == TKSB_HT_THUMB ? 2 : m_nHot == TKSB_HT_THUMB ? 1 : 0;
  CTKResourceImage* pThumb =
      bVertical ? ImageOrFallback(!m_bLight, "CONTROLGALLERYSCROLLTHUMBVERTICALDARK",
                                  "CONTROLGALLERYSCROLLTHUMBVERTICAL")
                : ImageOrFallback(!m_bLight, "CONTROLGALLERYSCROLLTHUMBHORIZONTALDARK",
                                  "CONTROLGALLERYSCROLLTHUMBHORIZONTAL");
  if (pThumb == NULL) return;
  pThumb->DrawImage(pDC, q.rcThumb, pThumb->GetSourceRect(nState, 3), CRect(5, 5, 5, 5));
  int nLength = bVertical ? q.rcThumb.bottom - q.rcThumb.top : q.rcThumb.right - q.rcThumb.left;
  if (nLength <= (bVertical ? TKDpiHelper()->ScaleY(10) : TKDpiHelper()->ScaleX(10))) return;
  CTKResourceImage* pGripper = Image(bVertical ? "CONTROLGALLERYSCROLLTHUMBGRIPPERVERTICAL"
                                               : "CONTROLGALLERYSCROLLTHUMBGRIPPERHORIZONTAL");
  if (pGripper == NULL) return;
  pGripper->DrawImage(pDC, Centred(q.rcThumb, TKDpiHelper()->ScaleX(8), TKDpiHelper()->ScaleY(8)),
                      pGripper->GetSourceRect(nState, 3), CRect(0, 0, 0, 0));
}

void CTKScrollBarThemeResource::DrawSizeGrip(CDC* pDC, CTKScrollBase* pScroll) {
  if (!TKResourceImages()->IsLoaded()) return;
  BOOL bLight = pScroll->GetScrollBarStyle() != 6;
  CRect rc(pScroll->GetLayout().rc);
  CTKResourceImage* pBox =
      Image(bLight ? "CONTROLGALLERYSCROLLSIZEBOXLIGHT" : "CONTROLGALLERYSCROLLSIZEBOXDARK");
  if (pBox != NULL) pBox->StretchImage(pDC, rc, CRect(CPoint(0, 0), pBox->GetExtent()));
  CTKResourceImage* pGripper = Image("STATUSBARGRIPPER");
  if (pGripper == NULL) return;
  CSize sz = pGripper->GetExtent();
  pGripper->DrawImageTransparent(pDC,
                                 CRect(rc.right - sz.cx, rc.bottom - sz.cy, rc.right, rc.bottom),
                                 CRect(CPoint(0, 0), sz), CRect(0, 0, 0, 0), kMagenta);
}

void CTKScrollBarThemeResource::DrawBackgroundH(CDC* pDC, CTKScrollBase*,
                                                const TK_SCROLLBAR_PARTS& p) {
  DrawBackground(pDC, p, FALSE);
}
void CTKScrollBarThemeResource::DrawBackgroundV(CDC* pDC, CTKScrollBase*,
                                                const TK_SCROLLBAR_PARTS& p) {
  DrawBackground(pDC, p, TRUE);
}
void CTKScrollBarThemeResource::DrawArrowButtonsH(CDC* pDC, CTKScrollBase*,
                                                  const TK_SCROLLBAR_PARTS& p) {
  DrawArrows(pDC, p, FALSE);
}
void CTKScrollBarThemeResource::DrawArrowButtonsV(CDC* pDC, CTKScrollBase*,
                                                  const TK_SCROLLBAR_PARTS& p) {
  DrawArrows(pDC, p, TRUE);
}
void CTKScrollBarThemeResource::DrawArrowGlyphsH(CDC* pDC, CTKScrollBase*,
                                                 const TK_SCROLLBAR_PARTS& p) {
  DrawGlyphs(pDC, p, FALSE);
}
void CTKScrollBarThemeResource::DrawArrowGlyphsV(CDC* pDC, CTKScrollBase*,
                                                 const TK_SCROLLBAR_PARTS& p) {
  DrawGlyphs(pDC, p, TRUE);
}
void CTKScrollBarThemeResource::DrawTrackH(CDC* pDC, CTKScrollBase*, const TK_SCROLLBAR_PARTS& p) {
  DrawTrack(pDC, p, FALSE);
}
void CTKScrollBarThemeResource::DrawTrackV(CDC* pDC, CTKScrollBase*, const TK_SCROLLBAR_PARTS& p) {
  DrawTrack(pDC, p, TRUE);
}
void CTKScrollBarThemeResource::DrawThumbH(CDC* pDC, CTKScrollBase*, const TK_SCROLLBAR_PARTS& p) {
  DrawThumb(pDC, p, FALSE);
}
void CTKScrollBarThemeResource::DrawThumbV(CDC* pDC, CTKScrollBase*, const TK_SCROLLBAR_PARTS& p) {
  DrawThumb(pDC, p, TRUE);
}
