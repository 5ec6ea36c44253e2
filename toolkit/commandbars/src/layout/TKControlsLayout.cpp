// CTKControls: a layout pass of a bar's controls and its commit.
#include <algorithm>

#include "TKBarLayout.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"

namespace {

/// Records of every control, measured; the spacing of the bar.
void MakeRecords(TK_LAYOUT& layout, const CTKControls& controls, CRect& rcBorder) {
  CTKPaintManager* pPaintManager = layout.pBar->GetPaintManager();
  layout.szSeparator =
      pPaintManager != nullptr
          ? pPaintManager->DrawCommandBarSeparator(layout.pDC, layout.pBar, nullptr, FALSE)
          : CSize(0, 0);
  layout.szSpacing = layout.pBar->GetControlsSpacing();
  layout.items.resize(controls.GetCount());
  for (int i = 0; i < controls.GetCount(); ++i) {
    CTKControl* pControl = controls.GetAt(i);
    TK_LAYOUT_RECORD& record = layout.items[i];
    record = TK_LAYOUT_RECORD();
    record.pControl = pControl;
    record.bVisible = pControl->IsVisible(TKHIDE_WRAP);
    record.bBeginGroup = pControl->GetBeginGroup();
    record.nStyle = pControl->GetStyle();
    record.nMeasuredStyle = record.nStyle;
    if (record.bVisible) {
      const CSize sz = pControl->GetSize(layout.pDC);
      record.cx = sz.cx;
      record.cy = sz.cy;
    }
    // The expand button of a tool bar sits closer to the edges.
    if (pControl->GetID() == TKID_TOOLBAR_EXPAND && record.bVisible) {
      const int cx = TKDpiHelper()->ScaleX(3);
      const int cy = TKDpiHelper()->ScaleY(3);
      rcBorder = CRect(cx, cy, cx, cy);
    }
  }
}

bool AnyWrapOrHidden(const TK_LAYOUT& layout) {
  for (const TK_LAYOUT_RECORD& record : layout.items)
    if (record.bVisible && (record.bWrap || record.bHide)) return true;
  return false;
}

}  // namespace

CSize CTKControls::CalcBarLayout(CDC* pDC, int nLength, DWORD& dwMode, CRect rcBorder,
                                 int nMinThickness) {
  if (m_pParent == nullptr) return CSize(0, 0);
  const BOOL bVertical = (dwMode & TKLM_VERTDOCK) != 0;
  const DWORD dwInputMode = dwMode;
  for (int i = GetCount() - 1; i >= 0; --i) GetAt(i)->OnCalcDynamicSize(dwMode);

  if (GetVisibleCount(FALSE) == 0) {
    CSize sz(rcBorder.left + rcBorder.right + TKDpiHelper()->ScaleX(23),
             rcBorder.top + rcBorder.bottom + TKDpiHelper()->ScaleY(22));
    if (bVertical)
      sz.cx = std::max<LONG>(sz.cx, nMinThickness);
    else
      sz.cy = std::max<LONG>(sz.cy, nMinThickness);
    return sz;
  }

  TK_LAYOUT layout;
  layout.pDC = pDC;
  layout.pBar = m_pParent;
  layout.dwWrapMode = dwMode & TKLM_POPUP;
  MakeRecords(layout, *this, rcBorder);
  const int nLengthUsed = (dwMode & TKLM_MRUWIDTH) ? m_pParent->GetMRULength() : nLength;
  const BOOL bColumns = (m_pParent->GetStyle() & TKCBRS_SIZECONTROLS) != 0;

  CSize sz;
  if (bColumns) {
    const int nBorders = bVertical ? rcBorder.top + rcBorder.bottom : rcBorder.left + rcBorder.right;
    sz = ColumnLayout(layout, nLengthUsed - nBorders, dwMode);
  } else {
    if (dwMode & TKLM_POPUP) {
      const int nFixed = m_pParent->GetFixedLength();
      sz = WrapAndPlace(layout, nFixed, FALSE);
      if (sz.cy > 3 * sz.cx && nFixed == 0)
        SquareLayout(layout);
      else
        WrapAndPlace(layout, sz.cx, FALSE);
    } else if (dwMode & TKLM_HORZDOCK) {
      WrapRows(layout, nLengthUsed - rcBorder.left - rcBorder.right, dwMode);
    } else if (dwMode & TKLM_VERTDOCK) {
      WrapRows(layout, nLengthUsed - rcBorder.top - rcBorder.bottom, dwMode);
    } else if (dwMode & TKLM_LENGTHY) {
      FitHeightLayout(layout, nLengthUsed);
    } else {
      FitWidthLayout(layout, nLengthUsed);
    }
    if (!(dwMode & (TKLM_HORZDOCK | TKLM_VERTDOCK)) && AnyWrapOrHidden(layout))
      dwMode |= TKLM_STRETCH;
    sz = PlaceRows(layout, bVertical);
  }

  const int nMinInside = nMinThickness - (bVertical ? rcBorder.left + rcBorder.right
                                                    : rcBorder.top + rcBorder.bottom);
  if (bVertical) {
    sz.cx = std::max<LONG>(sz.cx, nMinInside);
    if (dwInputMode & TKLM_STRETCH) sz.cy = nLengthUsed - rcBorder.top - rcBorder.bottom;
  } else {
    sz.cy = std::max<LONG>(sz.cy, nMinInside);
    if (dwInputMode & TKLM_STRETCH) sz.cx = nLengthUsed - rcBorder.left - rcBorder.right;
  }

  if (dwMode & TKLM_COMMIT) {
    CommitRows(layout, sz, rcBorder, bVertical, bColumns);
    if (!bColumns) {
      AlignFarEnd(layout, sz, rcBorder, bVertical);
      StretchRows(layout, sz, rcBorder, bVertical);
    }
    for (TK_LAYOUT_RECORD& record : layout.items) CommitLayoutItem(record);
  } else {
    sz += CSize(rcBorder.left + rcBorder.right, rcBorder.top + rcBorder.bottom);
  }
  return sz;
}

void CTKControls::CommitRows(TK_LAYOUT& layout, CSize& sz, CRect rcBorder, BOOL bVertical,
                             BOOL bColumns) {
  const CPoint ptOffset(rcBorder.left + (bVertical ? sz.cx : 0), rcBorder.top);
  std::vector<size_t> rowStarts;
  for (size_t i = 0; i < layout.items.size(); ++i) {
    TK_LAYOUT_RECORD& record = layout.items[i];
    if (!record.bVisible || record.bHide) continue;
    record.rcControl.OffsetRect(ptOffset);
    if (rowStarts.empty() || record.bWrap) rowStarts.push_back(i);
  }
  const int nBarThickness = bVertical ? sz.cx : sz.cy;
  const int nBarLength = bVertical ? sz.cy : sz.cx;
  for (size_t nRow = 0; nRow < rowStarts.size(); ++nRow) {
    const size_t nEnd = nRow + 1 < rowStarts.size() ? rowStarts[nRow + 1] : layout.items.size();
    int nLow = INT_MAX;
    int nHigh = INT_MIN;
    for (size_t i = rowStarts[nRow]; i < nEnd; ++i) {
      TK_LAYOUT_RECORD& record = layout.items[i];
      if (!record.bVisible || record.bHide) continue;
      nLow = std::min<int>(nLow, CrossLow(record.rcControl, bVertical));
      nHigh = std::max<int>(nHigh, CrossHigh(record.rcControl, bVertical));
    }
    int nThickness = nHigh - nLow;
    if (rowStarts.size() == 1) {
      nLow = bVertical ? rcBorder.left : rcBorder.top;
      nThickness = nBarThickness;
    }
    CRect rcRow;
    AxisLow(rcRow, bVertical) = bVertical ? rcBorder.top : rcBorder.left;
    AxisHigh(rcRow, bVertical) = AxisLow(rcRow, bVertical) + nBarLength;
    CrossLow(rcRow, bVertical) = nLow;
    CrossHigh(rcRow, bVertical) = nLow + nThickness;
    for (size_t i = rowStarts[nRow]; i < nEnd; ++i) {
      TK_LAYOUT_RECORD& record = layout.items[i];
      record.rcRow = rcRow;
      if (!record.bVisible || record.bHide || bColumns) continue;
      const int nSize = CrossHigh(record.rcControl, bVertical) - CrossLow(record.rcControl, bVertical);
      const int nCentred = nLow + (nThickness - nSize) / 2;
      if (bVertical)
        record.rcControl.OffsetRect(nCentred - record.rcControl.left, 0);
      else
        record.rcControl.OffsetRect(0, nCentred - record.rcControl.top);
    }
  }
  sz += CSize(rcBorder.left + rcBorder.right, rcBorder.top + rcBorder.bottom);
}

void CTKControls::AlignFarEnd(TK_LAYOUT& layout, CSize sz, CRect rcBorder, BOOL bVertical) {
  int nFar = bVertical ? sz.cy - rcBorder.bottom : sz.cx - rcBorder.right;
  const int nNear = bVertical ? rcBorder.top : rcBorder.left;
  for (size_t i = layout.items.size(); i-- > 0;) {
    TK_LAYOUT_RECORD& record = layout.items[i];
    if (!record.bVisible || record.bHide) continue;
    if (!(record.pControl->GetFlags() & TKFLAG_RIGHTALIGN)) break;
    const int nSize = AxisHigh(record.rcControl, bVertical) - AxisLow(record.rcControl, bVertical);
    if (nFar - nSize < nNear) break;
    const int nShift = nFar - nSize - AxisLow(record.rcControl, bVertical);
    record.rcControl.OffsetRect(bVertical ? 0 : nShift, bVertical ? nShift : 0);
    nFar -= nSize + layout.szSpacing.cx;
    if (record.bWrap) break;
  }
}

void CTKControls::StretchRows(TK_LAYOUT& layout, CSize sz, CRect rcBorder, BOOL bVertical) {
  const int nFar = bVertical ? sz.cy - rcBorder.bottom : sz.cx - rcBorder.right;
  size_t nRowStart = 0;
  while (nRowStart < layout.items.size()) {
    size_t nEnd = nRowStart + 1;
    while (nEnd < layout.items.size() &&
           !(layout.items[nEnd].bVisible && !layout.items[nEnd].bHide && layout.items[nEnd].bWrap))
      ++nEnd;
    int nLast = INT_MIN;
    int nStretched = 0;
    for (size_t i = nRowStart; i < nEnd; ++i) {
      TK_LAYOUT_RECORD& record = layout.items[i];
      if (!record.bVisible || record.bHide) continue;
      nLast = std::max<int>(nLast, AxisHigh(record.rcControl, bVertical));
      if (record.pControl->GetFlags() & TKFLAG_STRETCHED) ++nStretched;
    }
    int nFree = nFar - nLast;
    if (nStretched > 0 && nFree > 0) {
      int nMoved = 0;
      for (size_t i = nRowStart; i < nEnd; ++i) {
        TK_LAYOUT_RECORD& record = layout.items[i];
        if (!record.bVisible || record.bHide) continue;
        record.rcControl.OffsetRect(bVertical ? 0 : nMoved, bVertical ? nMoved : 0);
        if (!(record.pControl->GetFlags() & TKFLAG_STRETCHED)) continue;
        const int nShare = nFree / nStretched--;
        nFree -= nShare;
        AxisHigh(record.rcControl, bVertical) += nShare;
        nMoved += nShare;
      }
    }
    nRowStart = nEnd;
  }
}

void CTKControls::CommitLayoutItem(TK_LAYOUT_RECORD& record) {
  CTKControl* pControl = record.pControl;
  const DWORD dwHide = record.bHide ? (pControl->GetHideFlags() | TKHIDE_WRAP)
                                    : (pControl->GetHideFlags() & ~TKHIDE_WRAP);
  pControl->SetHideFlags(dwHide);
  pControl->SetRowRect(record.rcRow);
  if (record.bVisible && !record.bHide) pControl->SetRect(record.rcControl);
  pControl->SetWrap(record.bWrap);
}
