// Framework elements: margins, explicit sizes, min/max limits, alignment and
// the layout clip around MeasureOverride and ArrangeOverride.
#include "markup/TKMarkupFrameworkElement.h"

#include <limits.h>

#include <algorithm>

#include "TKMarkupThickness.h"

namespace {

const int kUnboundedAbove = 0x3FFFFFFF;

// An available size less a margin total; unbounded stays unbounded.
int SubtractMargin(int nAvailable, int nMargin) {
  if (nAvailable > kUnboundedAbove || -static_cast<long long>(nMargin) > kUnboundedAbove)
    return INT_MAX;
  return static_cast<int>(std::max(0LL, static_cast<long long>(nAvailable) - nMargin));
}

// A sum that saturates instead of wrapping.
int AddClamped(int a, int b) {
  const long long n = static_cast<long long>(a) + b;
  return static_cast<int>(std::min<long long>(std::max<long long>(n, INT_MIN), INT_MAX));
}

}  // namespace

void CTKMarkupFrameworkElement::ComputeMinMax() {
  const int nWidth = GetWidth();
  const int nHeight = GetHeight();
  const int nMinWidth = GetMinWidth();
  const int nMinHeight = GetMinHeight();
  m_nMaxHeight = std::max(std::min(nHeight, GetMaxHeight()), nMinHeight);
  m_nMinHeight = std::max(std::min(m_nMaxHeight, nHeight == INT_MAX ? 0 : nHeight), nMinHeight);
  m_nMaxWidth = std::max(std::min(nWidth, GetMaxWidth()), nMinWidth);
  m_nMinWidth = std::max(std::min(m_nMaxWidth, nWidth == INT_MAX ? 0 : nWidth), nMinWidth);
}

CSize CTKMarkupFrameworkElement::MeasureInternal(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                                 int nAvailableHeight) {
  CTKMarkupThickness* pMargin = GetMargin();
  const int nMarginWidth = AddClamped(pMargin->GetLeft(), pMargin->GetRight());
  const int nMarginHeight = AddClamped(pMargin->GetTop(), pMargin->GetBottom());
  const int nInnerWidth = SubtractMargin(nAvailableWidth, nMarginWidth);
  const int nInnerHeight = SubtractMargin(nAvailableHeight, nMarginHeight);
  ComputeMinMax();

  const int nConstrainedWidth = std::max(m_nMinWidth, std::min(nInnerWidth, m_nMaxWidth));
  const int nConstrainedHeight = std::max(m_nMinHeight, std::min(nInnerHeight, m_nMaxHeight));
  const CSize szContent = MeasureOverride(pDC, nConstrainedWidth, nConstrainedHeight);

  const CSize szUnclipped(std::max<int>(szContent.cx, m_nMinWidth),
                          std::max<int>(szContent.cy, m_nMinHeight));
  int w = szUnclipped.cx;
  int h = szUnclipped.cy;
  BOOL bClipped = FALSE;
  if (w > m_nMaxWidth) {
    w = m_nMaxWidth;
    bClipped = TRUE;
  }
  if (h > m_nMaxHeight) {
    h = m_nMaxHeight;
    bClipped = TRUE;
  }
  int nWidth = AddClamped(w, nMarginWidth);
  int nHeight = AddClamped(h, nMarginHeight);
  if (nWidth > nAvailableWidth) {
    nWidth = nAvailableWidth;
    bClipped = TRUE;
  }
  if (nHeight > nAvailableHeight) {
    nHeight = nAvailableHeight;
    bClipped = TRUE;
  }
  m_bNeedsClip = FALSE;
  m_bUnclippedValid = FALSE;
  if (bClipped || nWidth < 0 || nHeight < 0) {
    m_bNeedsClip = TRUE;
    m_bUnclippedValid = TRUE;
    m_szUnclipped = szUnclipped;
  }
  return CSize(std::max(nWidth, 0), std::max(nHeight, 0));
}

void CTKMarkupFrameworkElement::ArrangeInternal(int nLeft, int nTop, int nRight, int nBottom) {
  CTKMarkupThickness* pMargin = GetMargin();
  const int nMarginWidth = AddClamped(pMargin->GetLeft(), pMargin->GetRight());
  const int nMarginHeight = AddClamped(pMargin->GetTop(), pMargin->GetBottom());
  const int nFinalWidth = nRight - nLeft;
  const int nFinalHeight = nBottom - nTop;
  int nArrangeWidth = std::max(0, nFinalWidth - nMarginWidth);
  int nArrangeHeight = std::max(0, nFinalHeight - nMarginHeight);

  const CSize szUnclipped =
      m_bUnclippedValid ? m_szUnclipped
                        : CSize(m_szDesired.cx - nMarginWidth, m_szDesired.cy - nMarginHeight);
  if (nArrangeWidth < szUnclipped.cx) {
    m_bNeedsClip = TRUE;
    nArrangeWidth = szUnclipped.cx;
  }
  if (nArrangeHeight < szUnclipped.cy) {
    m_bNeedsClip = TRUE;
    nArrangeHeight = szUnclipped.cy;
  }
  if (GetHorizontalAlignment() != TKMarkupAlignment_Stretch) nArrangeWidth = szUnclipped.cx;
  if (GetVerticalAlignment() != TKMarkupAlignment_Stretch) nArrangeHeight = szUnclipped.cy;
  const int nLimitWidth = std::max<int>(szUnclipped.cx, m_nMaxWidth);
  if (nLimitWidth < nArrangeWidth) {
    m_bNeedsClip = TRUE;
    nArrangeWidth = nLimitWidth;
  }
  const int nLimitHeight = std::max<int>(szUnclipped.cy, m_nMaxHeight);
  if (nLimitHeight < nArrangeHeight) {
    m_bNeedsClip = TRUE;
    nArrangeHeight = nLimitHeight;
  }

  const CSize szRender = ArrangeOverride(nArrangeWidth, nArrangeHeight);
  SetRenderSize(szRender.cx, szRender.cy);
  const int nClippedWidth = std::min<int>(szRender.cx, m_nMaxWidth);
  const int nClippedHeight = std::min<int>(szRender.cy, m_nMaxHeight);
  if (nClippedWidth < szRender.cx || nClippedHeight < szRender.cy) m_bNeedsClip = TRUE;
  const int nClientWidth = std::max(0, nFinalWidth - nMarginWidth);
  const int nClientHeight = std::max(0, nFinalHeight - nMarginHeight);
  if (nClientWidth < nClippedWidth || nClientHeight < nClippedHeight) m_bNeedsClip = TRUE;

  const CPoint ptOffset =
      ComputeAlignmentOffset(nClientWidth, nClientHeight, nClippedWidth, nClippedHeight);
  SetVisualOffset(nLeft + pMargin->GetLeft() + ptOffset.x, nTop + pMargin->GetTop() + ptOffset.y);
}

CPoint CTKMarkupFrameworkElement::ComputeAlignmentOffset(int nClientWidth, int nClientHeight,
                                                         int nInkWidth, int nInkHeight) {
  TKMarkupAlignment nHorizontal = GetHorizontalAlignment();
  if (nHorizontal == TKMarkupAlignment_Stretch && nClientWidth < nInkWidth)
    nHorizontal = TKMarkupAlignment_Near;
  TKMarkupAlignment nVertical = GetVerticalAlignment();
  if (nVertical == TKMarkupAlignment_Stretch && nClientHeight < nInkHeight)
    nVertical = TKMarkupAlignment_Near;
  const int dx = nClientWidth - nInkWidth;
  const int dy = nClientHeight - nInkHeight;
  CPoint pt(0, 0);
  if (nHorizontal == TKMarkupAlignment_Center || nHorizontal == TKMarkupAlignment_Stretch)
    pt.x = dx / 2;
  else if (nHorizontal == TKMarkupAlignment_Far)
    pt.x = dx;
  if (nVertical == TKMarkupAlignment_Center || nVertical == TKMarkupAlignment_Stretch)
    pt.y = dy / 2;
  else if (nVertical == TKMarkupAlignment_Far)
    pt.y = dy;
  return pt;
}

BOOL CTKMarkupFrameworkElement::GetLayoutClip(RECT* prcClip) {
  if (CTKMarkupUIElement::GetLayoutClip(prcClip)) return TRUE;
  const BOOL bClipToBounds = GetClipToBounds();
  if (!bClipToBounds && !m_bNeedsClip) return FALSE;

  const CSize szRender = GetRenderSize();
  const int nMaxClipWidth = m_nMaxWidth == INT_MAX ? szRender.cx : m_nMaxWidth;
  const int nMaxClipHeight = m_nMaxHeight == INT_MAX ? szRender.cy : m_nMaxHeight;
  const BOOL bClippingRequired =
      bClipToBounds || nMaxClipWidth < szRender.cx || nMaxClipHeight < szRender.cy;
  const int nRenderWidth = std::min<int>(szRender.cx, m_nMaxWidth);
  const int nRenderHeight = std::min<int>(szRender.cy, m_nMaxHeight);

  CTKMarkupThickness* pMargin = GetMargin();
  const int nClientWidth =
      std::max(0, m_rcFinal.Width() - AddClamped(pMargin->GetLeft(), pMargin->GetRight()));
  const int nClientHeight =
      std::max(0, m_rcFinal.Height() - AddClamped(pMargin->GetTop(), pMargin->GetBottom()));
  const BOOL bClientClip =
      bClipToBounds || nClientWidth < nRenderWidth || nClientHeight < nRenderHeight;

  if (bClippingRequired && !bClientClip) {
    ::SetRect(prcClip, 0, 0, nMaxClipWidth, nMaxClipHeight);
    return TRUE;
  }
  if (!bClippingRequired && !bClientClip) return FALSE;
  const CPoint ptOffset =
      ComputeAlignmentOffset(nClientWidth, nClientHeight, nRenderWidth, nRenderHeight);
  CRect rcClip(-ptOffset.x, -ptOffset.y, nClientWidth - ptOffset.x, nClientHeight - ptOffset.y);
  if (bClippingRequired) {
    const CRect rcMax(0, 0, nMaxClipWidth, nMaxClipHeight);
    if (!rcClip.IntersectRect(rcClip, rcMax)) rcClip.SetRectEmpty();
  }
  *prcClip = rcClip;
  return TRUE;
}
