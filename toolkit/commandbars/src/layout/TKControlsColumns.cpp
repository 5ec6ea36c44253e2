// CTKControls: the column layout of bars whose controls change size to fit.
#include <algorithm>

#include "TKBarLayout.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"

namespace {

/// Measures the control again when the style the pass gave it changed its look.
void Remeasure(TK_LAYOUT& layout, TK_LAYOUT_RECORD& record) {
  record.pControl->SetLayoutStyle(record.nStyle);
  const int nEffective = record.pControl->GetStyle();
  if (nEffective == record.nMeasuredStyle) return;
  const CSize sz = record.pControl->GetSize(layout.pDC);
  record.cx = sz.cx;
  record.cy = sz.cy;
  record.nMeasuredStyle = nEffective;
}

/// The visible records from `nIndex` backwards, up to three, in bar order.
bool RunOfThree(TK_LAYOUT& layout, size_t nLast, size_t run[3]) {
  int nFound = 3;
  for (size_t i = nLast + 1; i-- > 0 && nFound > 0;)
    if (layout.items[i].bVisible) run[--nFound] = i;
  return nFound == 0;
}

}  // namespace

CSize CTKControls::PlaceColumns(TK_LAYOUT& layout) {
  CTKPaintManager* pPaintManager = layout.pBar->GetPaintManager();
  const int nColumnHeight = layout.pBar->GetLargeIconSize().cy + TKDpiHelper()->ScaleY(7) +
                            (pPaintManager != nullptr ? pPaintManager->GetSplitDropDownHeight() : 0);
  const int nGroupGap = TKDpiHelper()->ScaleX(6);
  int x = 0;
  int y = 0;
  int nColumnWidth = 0;
  bool bFirst = true;
  for (TK_LAYOUT_RECORD& record : layout.items) {
    if (!record.bVisible || record.bHide) continue;
    Remeasure(layout, record);
    const bool bNewColumn = bFirst || record.nStyle == tkButtonIconAndCaptionBelow ||
                            record.bBeginGroup || y + record.cy > nColumnHeight;
    if (bNewColumn && !bFirst) {
      x += nColumnWidth + (record.bBeginGroup ? nGroupGap : 0);
      y = 0;
      nColumnWidth = 0;
    }
    record.bWrap = bNewColumn && !bFirst;
    record.rcControl = CRect(x, y, x + record.cx, y + record.cy);
    y += record.cy;
    nColumnWidth = std::max(nColumnWidth, record.cx);
    bFirst = false;
  }
  return CSize(x + nColumnWidth, nColumnHeight);
}

BOOL CTKControls::ReduceRun(TK_LAYOUT& layout, int nFromStyle, int nToStyle, BOOL bEqualWidth) {
  for (size_t nLast = layout.items.size(); nLast-- > 0;) {
    size_t run[3];
    if (!layout.items[nLast].bVisible || !RunOfThree(layout, nLast, run)) continue;
    TK_LAYOUT_RECORD* records[3] = {&layout.items[run[0]], &layout.items[run[1]],
                                    &layout.items[run[2]]};
    bool bMatch = !records[1]->bBeginGroup && !records[2]->bBeginGroup;
    for (TK_LAYOUT_RECORD* pRecord : records)
      bMatch = bMatch && pRecord->nStyle == nFromStyle && !pRecord->bHide;
    if (bEqualWidth)
      bMatch = bMatch && records[0]->cx == records[1]->cx && records[1]->cx == records[2]->cx;
    if (!bMatch) continue;
    for (TK_LAYOUT_RECORD* pRecord : records) pRecord->nStyle = nToStyle;
    return TRUE;
  }
  return FALSE;
}

CSize CTKControls::ColumnLayout(TK_LAYOUT& layout, int nLength, DWORD& dwMode) {
  CTKImageManager* pImageManager = layout.pBar->GetImageManager();
  const int nLargeWidth = layout.pBar->GetLargeIconSize().cx;
  for (TK_LAYOUT_RECORD& record : layout.items) {
    if (!record.bVisible) continue;
    const bool bLarge =
        pImageManager != nullptr && pImageManager->HasIcon(record.pControl->GetIconId(), nLargeWidth);
    record.nStyle = bLarge ? tkButtonIconAndCaptionBelow : tkButtonIconAndCaption;
    record.bWrap = FALSE;
    record.bHide = FALSE;
  }
  CSize sz = PlaceColumns(layout);
  bool bReduced = false;
  while (sz.cx > nLength && ReduceRun(layout, tkButtonIconAndCaptionBelow, tkButtonIconAndCaption, FALSE)) {
    bReduced = true;
    sz = PlaceColumns(layout);
  }
  while (sz.cx > nLength && ReduceRun(layout, tkButtonIconAndCaption, tkButtonIcon, TRUE)) {
    bReduced = true;
    sz = PlaceColumns(layout);
  }
  if ((dwMode & TKLM_HIDEWRAP) && sz.cx > nLength) {
    for (TK_LAYOUT_RECORD& record : layout.items) {
      if (!record.bVisible || record.rcControl.right <= nLength) continue;
      record.nStyle = tkButtonIcon;
      record.pControl->SetLayoutStyle(tkButtonIcon);
      record.bHide = TRUE;
    }
    bReduced = true;
    sz = PlaceColumns(layout);
  }
  if (bReduced) dwMode |= TKLM_STRETCH;
  return sz;
}
