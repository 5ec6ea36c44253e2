// Where a slider's buttons, thumb and ticks lie, as every slider look reads them.
#include "common/TKScrollBase.h"
#include "themes/TKSliderThemes.h"

BOOL CalcSliderLayout(CTKScrollBase* pScroll, TK_SLIDER_LAYOUT* pLayout) {
  const TK_SCROLLBAR_LAYOUT& l = pScroll->GetLayout();
  if (l.bVertical || l.rc.bottom - l.rc.top < 1) return FALSE;
  pLayout->rcBar = l.rc;
  pLayout->rcMinus.SetRect(l.rc.left, l.rc.top, l.pxArrowEnd, l.rc.bottom);
  pLayout->rcPlus.SetRect(l.pxArrowStart, l.rc.top, l.rc.right, l.rc.bottom);
  const LONGLONG nScrollable = static_cast<LONGLONG>(l.nMax) - l.nPage - l.nMin;
  pLayout->bThumbVisible = pScroll->IsScrollBarEnabled() && nScrollable < 0x7FFFFFFF;
  if (l.pxThumbEnd <= l.pxArrowStart) {
    pLayout->xThumbStart = l.pxThumbStart;
    pLayout->xThumbEnd = l.pxThumbEnd;
  } else {
    pLayout->xThumbStart = pLayout->xThumbEnd = l.pxArrowEnd;
  }
  return TRUE;
}

BOOL CalcSliderTickOffsets(CTKScrollBase* pScroll, int nSpan, std::vector<int>* pOffsets) {
  pOffsets->clear();
  const TK_SCROLLBAR_LAYOUT& l = pScroll->GetLayout();
  const std::vector<double>& ticks = pScroll->GetTicks();
  if (ticks.empty() || l.nMin >= l.nMax) return FALSE;
  for (double dValue : ticks) {
    const double x = nSpan * (dValue - l.nMin) / (static_cast<double>(l.nMax) - l.nMin);
    if (x >= 0 && x <= nSpan) pOffsets->push_back(static_cast<int>(x));
  }
  return TRUE;
}
