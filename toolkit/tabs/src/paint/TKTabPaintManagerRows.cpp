// Multi-row layout: how many rows, which tabs go in which row (greedy or
// balanced), the selected tab's row moved next to the page, rows justified.
#include <algorithm>

#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerTheme.h"

namespace {

int SumLengths(CTKTabManager* pStrip, int nFirst, int nLast) {
  int nSum = 0;
  for (int i = nFirst; i <= nLast; ++i) nSum += pStrip->GetItem(i)->GetLength();
  return nSum;
}

int TargetWidth(BOOL bJustify, int nWidth, int nRemaining, int nRowsLeft) {
  if (!bJustify || nRowsLeft <= 0) return nWidth;
  return std::min(nWidth, nRemaining / nRowsLeft);
}

}  // namespace

void CTKTabPaintManager::LayoutMultiRow(CTKTabManager* pStrip, CDC* pDC, CRect rc) {
  // Zero offset directly: multi-row strips never scroll.
  while (pStrip->GetHeaderOffset() != 0) pStrip->SetHeaderOffset(0);
  CRect rcHeader = PlaceNavigateButtons(pStrip, rc);
  pStrip->SetHeaderRect(rcHeader);
  const int nCount = pStrip->GetItemCount();
  if (nCount == 0) return;

  const CRect rcMargin = m_pAppearance->GetHeaderMargin();
  const int h = m_pAppearance->GetRowHeight(pStrip);
  const int s = m_pAppearance->GetItemSpacing();
  const int w = pStrip->GetRectLength(rcHeader) - rcMargin.left - rcMargin.right;
  const int n = ArrangeRows(pStrip, pDC, w);
  TabRowTable& rows = pStrip->GetRowTable();

  auto rowStart = [&](int nRow) {
    switch (m_nPosition) {
      case tkTabPositionLeft: return rc.left + rcMargin.top + (n - 1 - nRow) * (h + s);
      case tkTabPositionBottom: return rc.bottom - rcMargin.top - n * h - (n - 1) * s + nRow * (h + s);
      case tkTabPositionRight: return rc.right - rcMargin.top - n * h - (n - 1) * s + nRow * (h + s);
      default: return rc.top + rcMargin.top + (n - 1 - nRow) * (h + s);
    }
  };

  const BOOL bHorizontal = pStrip->IsHorizontal();
  for (int r = 0; r < rows.GetRowCount(); ++r) {
    const int nFirst = rows.rows[r].nFirst;
    const int nLast = rows.rows[r].nLast;
    if (n >= 2 && m_bJustifyRows) {
      int nFree = w;
      int nSum = SumLengths(pStrip, nFirst, nLast);
      for (int i = nFirst; i <= nLast; ++i) {
        CTKTabManagerItem* pItem = pStrip->GetItem(i);
        const int nOld = pItem->GetLength();
        const int nNew = nOld + (nFree - nSum) / (nLast - i + 1);
        pItem->SetLength(nNew);
        nFree -= nNew;
        nSum -= nOld;
      }
    }
    const int nAcross = rowStart(r);
    int nPos = (bHorizontal ? rcHeader.left : rcHeader.top) + rcMargin.left;
    for (int i = nFirst; i <= nLast; ++i) {
      CTKTabManagerItem* pItem = pStrip->GetItem(i);
      const int nLength = pItem->IsVisible() ? pItem->GetLength() : 0;
      pItem->SetRect(!pItem->IsVisible() ? CRect()
                     : bHorizontal       ? CRect(nPos, nAcross, nPos + nLength, nAcross + h)
                                         : CRect(nAcross, nPos, nAcross + h, nPos + nLength));
      pItem->SetRow(r);
      nPos += nLength;
    }
  }
  pStrip->SetHeaderRect(PlaceNavigateButtons(pStrip, rc));
}

int CTKTabPaintManager::ArrangeRows(CTKTabManager* pStrip, CDC* pDC, int nWidth) {
  MeasureItems(pStrip, pDC, FALSE);
  const int nCount = pStrip->GetItemCount();
  int nRows = 1;
  int nSum = 0;
  for (int i = 0; i < nCount; ++i) {
    const int nLength = pStrip->GetItem(i)->GetLength();
    if (nSum != 0 && nSum + nLength > nWidth) {
      ++nRows;
      nSum = nLength;
    } else {
      nSum += nLength;
    }
  }
  if (!m_bBalancedRows && nRows > 1) nRows = CountRowsNeeded(pStrip, nRows, nWidth);

  TabRowTable& rows = pStrip->GetRowTable();
  rows.SetRowCount(nRows);
  if (nRows > 1) {
    for (auto& row : rows.rows) row = TabRowTable::Row{0, -1};
    if (m_bBalancedRows) {
      if (!FillRowsBalanced(pStrip, 0, 0, nRows, nWidth, SumLengths(pStrip, 0, nCount - 1)))
        FillRowsGreedy(pStrip, nRows, nWidth);
    } else {
      FillRowsGreedy(pStrip, nRows, nWidth);
    }
  }
  CTKTabManagerItem* pSelected = pStrip->GetSelectedItem();
  if (!m_bKeepSelectedRow && pSelected != NULL && pSelected->GetRow() > 0 &&
      pSelected->GetRow() < nRows)
    std::swap(rows.rows[0], rows.rows[pSelected->GetRow()]);
  return nRows;
}

void CTKTabPaintManager::FillRowsGreedy(CTKTabManager* pStrip, int nRows, int nWidth) {
  const int nCount = pStrip->GetItemCount();
  int m = 1;
  int d = nCount - nRows + 1;
  while (m < nRows && m < d) {
    ++m;
    d -= nRows - 1;
  }
  if (m == nRows) --m;

  TabRowTable& rows = pStrip->GetRowTable();
  int nNext = 0;
  int nRemaining = SumLengths(pStrip, 0, nCount - 1);
  for (int r = nRows - 1; r > 0; --r) {
    const int t = TargetWidth(m_bJustifyRows, nWidth, nRemaining, r + 1);
    rows.rows[r] = TabRowTable::Row{nNext, nNext - 1};
    int nSum = 0;
    int nInRow = 0;
    while (nNext < nCount) {
      const int nLength = pStrip->GetItem(nNext)->GetLength();
      if (nSum + nLength > t && !(nInRow < m)) break;
      nSum += nLength;
      ++nInRow;
      ++nNext;
      if (nSum > t) break;
    }
    rows.rows[r].nLast = nNext - 1;
    nRemaining -= nSum;
  }
  rows.rows[0] = TabRowTable::Row{nNext, nCount - 1};
}

int CTKTabPaintManager::CountRowsNeeded(CTKTabManager* pStrip, int nRows, int nWidth) {
  const int nCount = pStrip->GetItemCount();
  int nNext = 0;
  int nUsed = 0;
  int nRemaining = SumLengths(pStrip, 0, nCount - 1);
  for (int r = 0; r < nRows && nNext < nCount; ++r) {
    const int t = r == nRows - 1 ? INT_MAX : TargetWidth(m_bJustifyRows, nWidth, nRemaining, nRows - r);
    int nSum = 0;
    while (nNext < nCount) {
      const int nLength = pStrip->GetItem(nNext)->GetLength();
      if (nSum != 0 && nSum + nLength > t) break;
      nSum += nLength;
      ++nNext;
    }
    nRemaining -= nSum;
    ++nUsed;
  }
  return nUsed;
}

BOOL CTKTabPaintManager::FillRowsBalanced(CTKTabManager* pStrip, int nRow, int nFirst, int nRows,
                                          int nWidth, int nRemaining) {
  const int nCount = pStrip->GetItemCount();
  TabRowTable& rows = pStrip->GetRowTable();
  const int t = std::min(nWidth, nRemaining / (nRows - nRow));
  rows.rows[nRow] = TabRowTable::Row{nFirst, nFirst - 1};
  int nSum = 0;
  for (int i = nFirst; i < nCount; ++i) {
    CTKTabManagerItem* pItem = pStrip->GetItem(i);
    const int nLength = pItem->GetLength();
    if (nSum + nLength > t && nSum != 0 && nLength != 0) {
      if (nRow == nRows - 1) return FALSE;
      if (FillRowsBalanced(pStrip, nRow + 1, i, nRows, nWidth, nRemaining - nSum)) return TRUE;
      if (nSum + nLength > nWidth) return FALSE;
    }
    nSum += nLength;
    pItem->SetRow(nRow);
    rows.rows[nRow].nLast = i;
  }
  for (int r = nRow + 1; r < nRows; ++r) rows.rows[r] = TabRowTable::Row{nCount, nCount - 1};
  return TRUE;
}
