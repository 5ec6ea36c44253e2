// Flat tabs: plain rectangles with a one-pixel outline on a filled header,
// the property-page variant with smoothed corners, and the modern looks
// that only fill.
#include "tabs/TKTabThemeFlat.h"

#include "TKTabSavedClip.h"

#include "common/TKDpiHelper.h"
#include "common/TKDrawHelpers.h"
#include "common/TKScopedHandle.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"

namespace {

int PositionOf(const CTKTabManagerItem* pItem) { return pItem->GetManager()->GetPosition(); }

}  // namespace

CTKTabThemeFlat::CTKTabThemeFlat() { m_rcHeaderMargin.SetRect(2, 2, 4, 0); }

CRect CTKTabThemeFlat::FillTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) {
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  const CRect rcHeader = GetHeaderRect(rcControl, pStrip);
  pColors->FillHeader(pDC, rcHeader, pStrip);
  FrameClient(pStrip, pDC, GetClientRect(rcControl, pStrip), pColors->m_clrFrameBorder);
  return rcHeader;
}

void CTKTabThemeFlat::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  const int nPosition = PositionOf(pItem);
  CRect rc = pItem->GetRect();
  InflateRectByPosition(rc, 0, 0, 1, 0, nPosition);
  GetColorSet()->FillItem(pDC, rc, pItem);
  if (pItem->IsSelected()) InflateRectByPosition(rc, 0, 0, 0, 1, nPosition);
  const COLORREF clrFrame = GetColorSet()->m_clrFrameBorder;
  DrawFrame3d(pDC, rc, clrFrame, clrFrame);
  m_pPaintManager->DrawItemText(pDC, pItem, pItem->GetRect(), TRUE);
}

CAppearanceSetPropertyPageFlat::CAppearanceSetPropertyPageFlat() {}

COLORREF CAppearanceSetPropertyPageFlat::GetBorderColor(const CTKTabManagerItem* pItem) const {
  const CTKTabPaintManagerColorSet* pColors = GetColorSet();
  if (pItem->IsHighlighted() && !pItem->IsSelected() &&
      static_cast<COLORREF>(pColors->m_clrHotBorder) != CLR_NONE)
    return pColors->m_clrHotBorder;
  return pColors->m_clrFrameBorder;
}

void CAppearanceSetPropertyPageFlat::DrawRoundOutline(CDC* pDC, CRect rc, COLORREF clrBorder) {
  CTKScopedPen pen(::CreatePen(PS_SOLID, 1, clrBorder));
  CTKSelectGuard selectPen(pDC->GetSafeHdc(), pen.Get());
  CTKSelectGuard selectBrush(pDC->GetSafeHdc(), ::GetStockObject(NULL_BRUSH));
  pDC->RoundRect(rc, CPoint(6, 6));
}

void CAppearanceSetPropertyPageFlat::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  const int nPosition = PositionOf(pItem);
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  CRect rcR = pItem->GetRect();
  InflateRectByPosition(rcR, 0, 0, 1, 0, nPosition);
  CRect rcQ = rcR;
  InflateRectByPosition(rcQ, 0, 0, 0, 1, nPosition);
  CRect rcF = rcR;
  DeflateRectByPosition(rcF, 1, 1, 1, 0, nPosition);

  CTKTabSavedClip clip(pDC->GetSafeHdc());
  CTKDrawHelpers::ExcludeCorners(pDC, rcQ.left, rcQ.top, rcQ.right, rcQ.bottom);
  const BOOL bSelected = pItem->IsSelected();
  const COLORREF clrBorder = GetBorderColor(pItem);
  const BOOL bDraw = m_bFillEveryTab || bSelected || pItem->IsHighlighted();
  if (bDraw && !m_bSelectedOnly) {
    pColors->FillItem(pDC, rcF, pItem);
    if (!m_bSquareTabs) {
      if (!bSelected && m_pPaintManager->m_nClientFrame != 2)
        DrawRectSide(pDC, rcR, (nPosition + 2) % 4, clrBorder, clrBorder);
      InflateRectByPosition(rcR, 0, 0, 0, 2, nPosition);
      DrawRoundOutline(pDC, rcR, clrBorder);
    } else {
      if (bSelected) InflateRectByPosition(rcR, 0, 0, 0, 1, nPosition);
      DrawFrame3d(pDC, rcR, clrBorder, clrBorder);
    }
  } else if (bDraw) {
    if (bSelected) {
      pColors->FillItem(pDC, rcF, pItem);
      InflateRectByPosition(rcR, 0, 0, 0, 2, nPosition);
      DrawRoundOutline(pDC, rcR, clrBorder);
    } else if (pItem->GetIndex() != pItem->GetManager()->GetItemCount() - 1) {
      if (pItem->GetManager()->IsHorizontal())
        FillVerticalLine(pDC, rcR.right - 1, rcR.top + 3, rcR.Height() - 6, clrBorder);
      else
        FillHorizontalLine(pDC, rcR.left + 3, rcR.bottom - 1, rcR.Width() - 6, clrBorder);
    }
  }
  clip.Restore();
  if (m_bSquareTabs && bDraw)
    SmoothCorners(pDC, rcQ, pColors->m_clrHeaderFace.m_clrDark, clrBorder, nPosition);
  m_pPaintManager->DrawItemText(pDC, pItem, pItem->GetRect(), TRUE);
}

void CAppearanceSetPropertyPageFlat::BlendPixel(CDC* pDC, int x, int y, COLORREF clr, int nAlpha) {
  const COLORREF clrOld = pDC->GetPixel(x, y);
  if (clrOld == CLR_INVALID) return;
  pDC->SetPixel(x, y, BlendColors(clr, clrOld, nAlpha / 255.0));
}

void CAppearanceSetPropertyPageFlat::SmoothCorners(CDC* pDC, CRect rc, COLORREF clrBackground,
                                                   COLORREF clrBorder, int nPosition) {
  // The pattern of a top strip's two outer corners as (dx, dy) from the
  // corner pixel, mirrored to the right corner; other positions turn it.
  struct Dot {
    int dx;
    int dy;
    BOOL bBorder;
    int nAlpha;
  };
  static const Dot kDots[] = {{0, 1, FALSE, 120}, {1, 0, FALSE, 120}, {1, 1, TRUE, 180},
                              {2, 1, TRUE, 60},   {1, 2, TRUE, 60}};
  const int l = rc.left, t = rc.top, r = rc.right - 1, b = rc.bottom - 1;
  for (const Dot& dot : kDots) {
    const COLORREF clr = dot.bBorder ? clrBorder : clrBackground;
    int x1, y1, x2, y2;  // the two corners' pixels
    switch (nPosition) {
      case tkTabPositionTop:
        x1 = l + dot.dx; y1 = t + dot.dy; x2 = r - dot.dx; y2 = t + dot.dy;
        break;
      case tkTabPositionLeft:
        x1 = l + dot.dy; y1 = t + dot.dx; x2 = l + dot.dy; y2 = b - dot.dx;
        break;
      case tkTabPositionBottom:
        x1 = l + dot.dx; y1 = b - dot.dy; x2 = r - dot.dx; y2 = b - dot.dy;
        break;
      case tkTabPositionRight:
        x1 = r - dot.dy; y1 = t + dot.dx; x2 = r - dot.dy; y2 = b - dot.dx;
        break;
      default:
        return;
    }
    BlendPixel(pDC, x1, y1, clr, dot.nAlpha);
    BlendPixel(pDC, x2, y2, clr, dot.nAlpha);
  }
}

void CTKTabThemeVisualStudio2010::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  const int nPosition = PositionOf(pItem);
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  CRect rcR = pItem->GetRect();
  InflateRectByPosition(rcR, 0, 0, 0, 1, nPosition);
  // The corners leave the clip again before the caption, so that the next
  // tab drawn is not missing them.
  CTKTabSavedClip clip(pDC->GetSafeHdc());
  CTKDrawHelpers::ExcludeCorners(pDC, rcR.left, rcR.top, rcR.right, rcR.bottom, TRUE);
  if (m_bFillEveryTab || pItem->IsSelected() || pItem->IsHighlighted()) {
    const COLORREF clrBorder = GetBorderColor(pItem);
    pColors->FillItem(pDC, pItem->GetRect(), pItem);
    if (pItem->IsSelected() && static_cast<COLORREF>(pColors->m_clrHotBorder) != CLR_NONE)
      InflateRectByPosition(rcR, 1, 1, 1, 0, nPosition);
    else
      DrawFrame3d(pDC, rcR, clrBorder, clrBorder);
    if (m_bSquareTabs)
      SmoothCorners(pDC, rcR, pColors->m_clrHeaderFace.m_clrDark, clrBorder, nPosition);
  }
  clip.Restore();
  m_pPaintManager->DrawItemText(pDC, pItem, pItem->GetRect(), TRUE);
}

void CTKTabThemeVisualStudio2012::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  GetColorSet()->FillItem(pDC, pItem->GetRect(), pItem);
  m_pPaintManager->DrawItemText(pDC, pItem, pItem->GetRect(), TRUE);
}
