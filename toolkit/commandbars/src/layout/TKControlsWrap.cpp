// CTKControls: wrapping controls into rows, placing the rows, and the shape
// searches of floating and fitted bars.
#include <algorithm>

#include "TKBarLayout.h"
#include "commandbars/TKControls.h"

namespace {

bool StartsRow(const TK_LAYOUT_RECORD& record) {
  return (record.pControl->GetFlags() & TKFLAG_WRAPROW) != 0;
}

/// Marks the controls from `nFrom` up to the next one that starts a row as
/// having no room; the index of that one, or the end.
size_t HideUpToNextRow(TK_LAYOUT& layout, size_t nFrom) {
  size_t i = nFrom;
  for (; i < layout.items.size(); ++i) {
    TK_LAYOUT_RECORD& record = layout.items[i];
    if (i > nFrom && record.bVisible && StartsRow(record)) break;
    record.bWrap = FALSE;
    record.bHide = record.bVisible;
  }
  return i;
}

}  // namespace

/// Where both shape searches start: every control in a row of its own
/// (width a, height ha) and all of them in one row (width b).
void CTKControls::SearchBounds(TK_LAYOUT& layout, int& a, int& ha, int& b) {
  const CSize szTall = WrapAndPlace(layout, 0, FALSE);
  a = szTall.cx;
  ha = szTall.cy;
  b = WrapAndPlace(layout, 0x7FFF, FALSE).cx;
}

int CTKControls::WrapRows(TK_LAYOUT& layout, int nLength, DWORD& dwMode) {
  const BOOL bVertical = (dwMode & TKLM_VERTDOCK) != 0;
  const int nSeparator = bVertical ? layout.szSeparator.cy : layout.szSeparator.cx;
  int nRows = 0;
  int nPos = 0;
  size_t nRowStart = 0;
  for (size_t i = 0; i < layout.items.size(); ++i) {
    TK_LAYOUT_RECORD& record = layout.items[i];
    if (!record.bVisible) continue;
    record.bWrap = FALSE;
    record.bHide = FALSE;
    const int nSize = bVertical ? record.cy : record.cx;
    if (nRows == 0 || StartsRow(record)) {
      record.bWrap = nRows != 0;
      ++nRows;
      nPos = nSize;
      nRowStart = i;
      continue;
    }
    const int nGap = record.bBeginGroup ? nSeparator : layout.szSpacing.cx;
    const bool bBreak =
        nPos + nGap + nSize > nLength || ((dwMode & TKLM_POPUP) && record.bBeginGroup);
    if (!bBreak) {
      nPos += nGap + nSize;
      continue;
    }
    dwMode |= TKLM_STRETCH;
    if (dwMode & TKLM_HIDEWRAP) {
      i = HideUpToNextRow(layout, i) - 1;
      continue;
    }
    // Rows break between groups where they can, not inside one.
    size_t nWrap = i;
    for (size_t k = i; k > nRowStart; --k) {
      if (layout.items[k].bVisible && layout.items[k].bBeginGroup) {
        nWrap = k;
        break;
      }
    }
    TK_LAYOUT_RECORD& wrapping = layout.items[nWrap];
    wrapping.bWrap = TRUE;
    ++nRows;
    nRowStart = nWrap;
    nPos = bVertical ? wrapping.cy : wrapping.cx;
    i = nWrap;
  }
  return nRows;
}

CSize CTKControls::PlaceRows(TK_LAYOUT& layout, BOOL bVertical) {
  // Vertical bars grow their columns leftwards; the commit moves them back.
  CRect rcExtent(0, 0, 0, 0);
  int nAlong = 0;
  int nRowStart = 0;
  int nRowThickness = 0;
  bool bFirst = true;
  for (TK_LAYOUT_RECORD& record : layout.items) {
    if (!record.bVisible || record.bHide) continue;
    const int nSize = bVertical ? record.cy : record.cx;
    const int nThickness = bVertical ? record.cx : record.cy;
    if (!bFirst && record.bWrap) {
      const int nGap = record.bBeginGroup ? (bVertical ? layout.szSeparator.cx : layout.szSeparator.cy)
                                          : layout.szSpacing.cy;
      nRowStart += nRowThickness + nGap;
      nRowThickness = 0;
      nAlong = 0;
    } else if (!bFirst) {
      nAlong += record.bBeginGroup ? (bVertical ? layout.szSeparator.cy : layout.szSeparator.cx)
                                   : layout.szSpacing.cx;
    }
    CRect rc;
    AxisLow(rc, bVertical) = nAlong;
    AxisHigh(rc, bVertical) = nAlong + nSize;
    if (bVertical) {
      rc.right = -nRowStart;
      rc.left = rc.right - nThickness;
    } else {
      rc.top = nRowStart;
      rc.bottom = nRowStart + nThickness;
    }
    record.rcControl = rc;
    nAlong += nSize;
    nRowThickness = std::max(nRowThickness, nThickness);
    if (bFirst)
      rcExtent = rc;
    else
      rcExtent.UnionRect(rcExtent, rc);
    bFirst = false;
  }
  if (bVertical) return CSize(-rcExtent.left, rcExtent.bottom);
  return CSize(rcExtent.right, rcExtent.bottom);
}

CSize CTKControls::WrapAndPlace(TK_LAYOUT& layout, int nLength, BOOL bVertical, int* pnRows) {
  DWORD dwScratch = layout.dwWrapMode | (bVertical ? TKLM_VERTDOCK : 0);
  const int nRows = WrapRows(layout, nLength, dwScratch);
  if (pnRows != NULL) *pnRows = nRows;
  return PlaceRows(layout, bVertical);
}

CSize CTKControls::SquareLayout(TK_LAYOUT& layout) {
  int a, ha, b;
  SearchBounds(layout, a, ha, b);
  CSize sz = PlaceRows(layout, FALSE);
  while (a < b) {
    sz = WrapAndPlace(layout, (a + b) / 2, FALSE);
    if (sz.cy > sz.cx) {
      if (sz.cx == a && sz.cy == ha) break;
      a = sz.cx;
      ha = sz.cy;
    } else {
      // A control wider than the trial length keeps the bound where it was.
      if (sz.cy == sz.cx || sz.cx >= b) break;
      b = sz.cx;
    }
  }
  return sz;
}

CSize CTKControls::FitHeightLayout(TK_LAYOUT& layout, int nHeight) {
  int a, ha, b;
  SearchBounds(layout, a, ha, b);
  CSize sz = PlaceRows(layout, FALSE);
  while (a < b) {
    sz = WrapAndPlace(layout, (a + b) / 2, FALSE);
    if (sz.cy > nHeight) {
      if (sz.cx == a && sz.cy == ha) {
        sz = WrapAndPlace(layout, b, FALSE);
        break;
      }
      a = sz.cx;
      ha = sz.cy;
    } else {
      if (sz.cy == nHeight || sz.cx >= b) break;
      b = sz.cx;
    }
  }
  return sz;
}

CSize CTKControls::FitWidthLayout(TK_LAYOUT& layout, int nWidth) {
  int nRows = 0;
  WrapAndPlace(layout, nWidth, FALSE, &nRows);
  const int nTarget = nRows;
  WrapAndPlace(layout, 0, FALSE, &nRows);
  if (nRows != nTarget && nWidth > 0) {
    // The narrowest length that still gives as few rows.
    int nLow = 0;
    int nHigh = nWidth;
    while (nLow < nHigh) {
      const int nMiddle = (nLow + nHigh) / 2;
      WrapAndPlace(layout, nMiddle, FALSE, &nRows);
      if (nRows == nTarget) {
        nHigh = nMiddle;
      } else if (nLow == nMiddle) {
        WrapAndPlace(layout, nHigh, FALSE);
        break;
      } else {
        nLow = nMiddle;
      }
    }
  }
  const CSize sz = PlaceRows(layout, FALSE);
  return WrapAndPlace(layout, sz.cx, FALSE);
}
