// CTKScrollBarPaintManager: metrics, the part rectangles and the drawing order.
#include <algorithm>

#include "common/TKScrollBarPaintManager.h"

#include "common/TKGlyphFont.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"

namespace {

void CalcParts(CTKScrollBase* pScroll, TK_SCROLLBAR_PARTS* pParts, BOOL bVertical) {
  const TK_SCROLLBAR_LAYOUT& l = pScroll->GetLayout();
  pParts->bEnabled = (l.nMax - l.nPage - l.nMin + 1) > 0 && pScroll->IsScrollBarEnabled();
  int pxThumbStart = l.pxThumbStart;
  int pxThumbEnd = l.pxThumbEnd;
  if (!pParts->bEnabled || pxThumbEnd > l.pxArrowStart) pxThumbStart = pxThumbEnd = l.pxArrowEnd;
  pParts->rcBar = l.rc;
  auto span = [&](int nFrom, int nTo) {
    RECT rc;
    if (bVertical)
      ::SetRect(&rc, l.rc.left, nFrom, l.rc.right, nTo);
    else
      ::SetRect(&rc, nFrom, l.rc.top, nTo, l.rc.bottom);
    return rc;
  };
  int nStart = bVertical ? l.rc.top : l.rc.left;
  int nEnd = bVertical ? l.rc.bottom : l.rc.right;
  pParts->rcArrowFirst = span(nStart, l.pxArrowEnd);
  pParts->rcArrowSecond = span(l.pxArrowStart, nEnd);
  pParts->rcTrack = span(l.pxArrowEnd, l.pxArrowStart);
  pParts->rcPageBefore = span(l.pxArrowEnd, pxThumbStart);
  pParts->rcThumb = span(pxThumbStart, pxThumbEnd);
  pParts->rcPageAfter = span(pxThumbEnd, l.pxArrowStart);
}

}  // namespace

void CalcVertScrollBarParts(CTKScrollBase* pScroll, TK_SCROLLBAR_PARTS* pParts) {
  CalcParts(pScroll, pParts, TRUE);
}

void CalcHorzScrollBarParts(CTKScrollBase* pScroll, TK_SCROLLBAR_PARTS* pParts) {
  CalcParts(pScroll, pParts, FALSE);
}

CTKScrollBarPaintManager::CTKScrollBarPaintManager()
    : m_cxHScroll(0),
      m_cyHScroll(0),
      m_cyVScroll(0),
      m_cxVScroll(0),
      m_nThumbSize(0),
      m_clrFace(0),
      m_clrButtonFace(0),
      m_clrShadow(0),
      m_clrButtonShadow(0),
      m_clrThumbFace(0) {}

void CTKScrollBarPaintManager::RefreshMetrics() {
  RefreshToolkitColors(FALSE);
  m_cxHScroll = ::GetSystemMetrics(SM_CXHSCROLL);
  m_cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
  m_cyVScroll = ::GetSystemMetrics(SM_CYVSCROLL);
  m_cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
  m_clrFace = TKColorManager()->GetColor(COLOR_BTNFACE);
  m_clrButtonFace = TKColorManager()->GetColor(COLOR_BTNFACE);
  m_clrShadow = TKColorManager()->GetColor(COLOR_BTNSHADOW);
  m_clrButtonShadow = TKColorManager()->GetColor(COLOR_BTNSHADOW);
  m_clrThumbFace = TKColorManager()->GetColor(COLOR_BTNFACE);
}

void CTKScrollBarPaintManager::DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) {
  if (pScroll->IsSizeBox()) {
    DrawSizeGrip(pDC, pScroll);
    return;
  }
  TK_SCROLLBAR_PARTS parts;
  if (pScroll->GetLayout().bVertical) {
    CalcVertScrollBarParts(pScroll, &parts);
    DrawBackgroundV(pDC, pScroll, parts);
    DrawArrowButtonsV(pDC, pScroll, parts);
    DrawArrowGlyphsV(pDC, pScroll, parts);
    DrawTrackV(pDC, pScroll, parts);
    DrawThumbV(pDC, pScroll, parts);
  } else {
    CalcHorzScrollBarParts(pScroll, &parts);
    DrawBackgroundH(pDC, pScroll, parts);
    DrawArrowButtonsH(pDC, pScroll, parts);
    DrawArrowGlyphsH(pDC, pScroll, parts);
    DrawTrackH(pDC, pScroll, parts);
    DrawThumbH(pDC, pScroll, parts);
  }
}

void CTKScrollBarPaintManager::DrawArrowGlyph(CDC* pDC, const RECT& rc, int nCode, BOOL bEnabled,
                                              COLORREF clr) {
  int nSide = std::min(rc.right - rc.left, rc.bottom - rc.top);
  if (nSide < TKDpiHelper()->ScaleX(6)) return;
  if (clr == (COLORREF)-1) clr = bEnabled ? RGB(0, 0, 0) : ::GetSysColor(COLOR_BTNSHADOW);
  UINT nGlyph = (nCode >= 0 && nCode <= 3) ? (UINT)('0' + nCode) : 255u;
  TKGlyphFont()->DrawGlyph(pDC, nGlyph, rc, clr);
}
