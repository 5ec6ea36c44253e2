// The grid's measure and arrange passes over its cells.
#include "TKMarkupGridLayout.h"

#include <algorithm>

namespace {

// Grids measured wider or taller than this count as unlimited in that
// direction: star definitions are then sized to their content.
const int kUnlimitedMeasure = 32000;

// Sizes are computed in doubles and stored in ints: truncated toward zero and
// kept inside the int range.
int TruncateSize(double dValue) {
  if (!(dValue > static_cast<double>(INT_MIN))) return dValue != dValue ? 0 : INT_MIN;
  if (dValue >= static_cast<double>(INT_MAX)) return INT_MAX;
  return static_cast<int>(dValue);
}

struct SPANKEY {
  int nCount;
  int nFirst;
  BOOL bColumn;
  int nRequired;
};

// A star definition of weight 0 (or a nonsensical negative one) takes no
// share, so no ratio ever divides by it.
double StarWeight(const TK_MARKUP_GRID_DEFINITION* pDef) {
  return pDef->dLength > 0.0 ? pDef->dLength : 0.0;
}

double SpanMaximum(const TK_MARKUP_GRID_DEFINITION* pDef) {
  return pDef->bHasUserMax ? std::max<double>(pDef->nMinSize, pDef->nUserMax) : pDef->nMinSize;
}

// Weight into the measure size and the room per unit of weight into the work
// size, as star resolution starts.
void PrepareStar(TK_MARKUP_GRID_DEFINITION* pDef) {
  const double dWeight = StarWeight(pDef);
  if (dWeight == 0.0) {
    pDef->dMeasureSize = 0.0;
    pDef->dWorkSize = 0.0;
  } else {
    pDef->dMeasureSize = dWeight;
    pDef->dWorkSize = SpanMaximum(pDef) / dWeight;
  }
}

// Each star definition in turn takes its weight's part of what is left; the
// result goes to the measure size or, for the final pass, the work size.
void ShareStars(TKMarkupGridDefinitions& stars, double dAvailable, double* pTaken,
                BOOL bIntoWorkSize) {
  std::stable_sort(stars.begin(), stars.end(),
                   [](const TK_MARKUP_GRID_DEFINITION* a, const TK_MARKUP_GRID_DEFINITION* b) {
                     return a->dWorkSize < b->dWorkSize;
                   });
  double dWeights = 0.0;
  for (auto it = stars.rbegin(); it != stars.rend(); ++it) {
    dWeights += (*it)->dMeasureSize;
    (*it)->dWorkSize = dWeights;
  }
  for (TK_MARKUP_GRID_DEFINITION* pDef : stars) {
    const double dWeight = pDef->dMeasureSize;
    int nSize = pDef->nMinSize;
    if (dWeight != 0.0 && pDef->dWorkSize > 0.0) {
      nSize = TruncateSize(dWeight / pDef->dWorkSize * std::max(0.0, dAvailable - *pTaken));
      nSize = std::min(nSize, pDef->nUserMax);
      nSize = std::max(nSize, pDef->nMinSize);
    }
    if (bIntoWorkSize)
      pDef->dWorkSize = nSize;
    else
      pDef->dMeasureSize = nSize;
    *pTaken += nSize;
  }
}

int SumOfMinSizes(const TKMarkupGridDefinitions& defs) {
  double dSum = 0.0;
  for (const TK_MARKUP_GRID_DEFINITION* pDef : defs) dSum += pDef->nMinSize;
  return TruncateSize(dSum);
}

int RangeMeasureSize(const TKMarkupGridDefinitions& defs, int nFirst, int nCount) {
  double dSum = 0.0;
  for (int i = nFirst; i < nFirst + nCount; ++i) {
    const TK_MARKUP_GRID_DEFINITION* pDef = defs[i];
    dSum += pDef->nSizeType == TKGridSize_Auto ? pDef->nMinSize : pDef->dMeasureSize;
  }
  return TruncateSize(dSum);
}

int RangeFinalSize(const TKMarkupGridDefinitions& defs, int nFirst, int nCount) {
  double dSum = 0.0;
  for (int i = nFirst; i < nFirst + nCount; ++i) dSum += TruncateSize(defs[i]->dWorkSize);
  return TruncateSize(dSum);
}

// A child's Column or Row taken into the definitions: negative values count
// as the first definition, too large ones as the last.
int ClampIndex(int nIndex, int nCount) { return std::max(0, std::min(nIndex, nCount - 1)); }

int OrOfSizeTypes(const TKMarkupGridDefinitions& defs, int nFirst, int nCount) {
  int nTypes = 0;
  for (int i = nFirst; i < nFirst + nCount; ++i) nTypes |= defs[i]->nSizeType;
  return nTypes;
}

}  // namespace

CTKMarkupGridLayout::CTKMarkupGridLayout()
    : m_bStarCellsInColumns(FALSE),
      m_bStarCellsInRows(FALSE),
      m_bGroup3InAutoRows(FALSE),
      m_bHasCells(FALSE),
      m_pChildren(nullptr) {
  std::fill(m_groupHeads, m_groupHeads + 4, INT_MAX);
}

void CTKMarkupGridLayout::Reset() {
  m_cells.clear();
  m_bHasCells = FALSE;
  m_columns.clear();
  m_rows.clear();
}

// Measure -------------------------------------------------------------------------------

SIZE CTKMarkupGridLayout::Measure(const TKMarkupGridDefinitions& columns,
                                  const TKMarkupGridDefinitions& rows,
                                  ITKMarkupGridChildren* pChildren, int nWidth, int nHeight) {
  m_columns = columns;
  m_rows = rows;
  m_pChildren = pChildren;
  PrepareDefinitions(m_columns, nWidth > kUnlimitedMeasure);
  PrepareDefinitions(m_rows, nHeight > kUnlimitedMeasure);
  BuildCellCache();

  MeasureCellGroup(m_groupHeads[0], FALSE, FALSE);
  if (!m_bGroup3InAutoRows) {
    if (m_bStarCellsInRows) ResolveStarSizes(m_rows, nHeight);
    MeasureCellGroup(m_groupHeads[1], FALSE, FALSE);
    if (m_bStarCellsInColumns) ResolveStarSizes(m_columns, nWidth);
    MeasureCellGroup(m_groupHeads[2], FALSE, FALSE);
  } else if (m_groupHeads[1] == INT_MAX) {
    if (m_bStarCellsInColumns) ResolveStarSizes(m_columns, nWidth);
    MeasureCellGroup(m_groupHeads[2], FALSE, FALSE);
    if (m_bStarCellsInRows) ResolveStarSizes(m_rows, nHeight);
  } else {
    MeasureCellGroup(m_groupHeads[1], FALSE, TRUE);
    if (m_bStarCellsInColumns) ResolveStarSizes(m_columns, nWidth);
    MeasureCellGroup(m_groupHeads[2], FALSE, FALSE);
    if (m_bStarCellsInRows) ResolveStarSizes(m_rows, nHeight);
    MeasureCellGroup(m_groupHeads[1], TRUE, FALSE);
  }
  MeasureCellGroup(m_groupHeads[3], FALSE, FALSE);
  m_pChildren = nullptr;
  return {SumOfMinSizes(m_columns), SumOfMinSizes(m_rows)};
}

void CTKMarkupGridLayout::PrepareDefinitions(const TKMarkupGridDefinitions& defs,
                                             BOOL bStarAsAuto) {
  for (TK_MARKUP_GRID_DEFINITION* pDef : defs) {
    pDef->nMinSize = 0;
    pDef->nSizeType = 0;
    pDef->dMeasureSize = 0.0;
    int nMin = pDef->nUserMin;
    const int nMax = pDef->nUserMax;
    int nUser = INT_MAX;
    if (pDef->nUnit == TKGridUnit_Pixel) {
      pDef->nSizeType = TKGridSize_Pixel;
      nUser = TruncateSize(pDef->dLength);
      nMin = std::max(nMin, std::min(nUser, nMax));
    } else if (pDef->nUnit == TKGridUnit_Star && !bStarAsAuto) {
      pDef->nSizeType = TKGridSize_Star;
    } else {
      pDef->nSizeType = TKGridSize_Auto;
    }
    pDef->UpdateMinSize(nMin);
    pDef->dMeasureSize = std::max(nMin, std::min(nUser, nMax));
  }
}

void CTKMarkupGridLayout::BuildCellCache() {
  const int nCount = m_pChildren->GetChildCount();
  m_cells.assign(std::max(0, nCount), CELL());
  std::fill(m_groupHeads, m_groupHeads + 4, INT_MAX);
  m_bStarCellsInColumns = m_bStarCellsInRows = m_bGroup3InAutoRows = FALSE;
  m_bHasCells = TRUE;
  const int nColumns = static_cast<int>(m_columns.size());
  const int nRows = static_cast<int>(m_rows.size());
  for (int nSlot = nCount - 1; nSlot >= 0; --nSlot) {
    CELL& cell = m_cells[nSlot];
    int nColumn = 0, nRow = 0, nColumnSpan = 1, nRowSpan = 1;
    if (!m_pChildren->GetChildCell(nSlot, &nColumn, &nRow, &nColumnSpan, &nRowSpan)) continue;
    cell.bPresent = TRUE;
    cell.nColumn = ClampIndex(nColumn, nColumns);
    cell.nRow = ClampIndex(nRow, nRows);
    cell.nColumnSpan = std::max(1, std::min(nColumnSpan, nColumns - cell.nColumn));
    cell.nRowSpan = std::max(1, std::min(nRowSpan, nRows - cell.nRow));
    cell.nColumnTypes = OrOfSizeTypes(m_columns, cell.nColumn, cell.nColumnSpan);
    cell.nRowTypes = OrOfSizeTypes(m_rows, cell.nRow, cell.nRowSpan);

    const BOOL bStarU = (cell.nColumnTypes & TKGridSize_Star) != 0;
    const BOOL bAutoU = (cell.nColumnTypes & TKGridSize_Auto) != 0;
    const BOOL bStarV = (cell.nRowTypes & TKGridSize_Star) != 0;
    const BOOL bAutoV = (cell.nRowTypes & TKGridSize_Auto) != 0;
    if (bStarV && (bStarU || !bAutoU)) {
      cell.nGroup = 4;
    } else if (bStarV) {
      cell.nGroup = 2;
    } else if (bStarU) {
      cell.nGroup = 3;
      if (bAutoV) m_bGroup3InAutoRows = TRUE;
    } else {
      cell.nGroup = 1;
    }
    cell.nNext = m_groupHeads[cell.nGroup - 1];
    m_groupHeads[cell.nGroup - 1] = nSlot;
    if (bStarU) m_bStarCellsInColumns = TRUE;
    if (bStarV) m_bStarCellsInRows = TRUE;
  }
}

SIZE CTKMarkupGridLayout::MeasureCell(int nSlot, BOOL bRowsUnlimited) {
  const CELL& cell = m_cells[nSlot];
  const auto bContentSized = [](int nTypes) {
    return (nTypes & TKGridSize_Auto) != 0 && (nTypes & TKGridSize_Star) == 0;
  };
  const int nWidth = bContentSized(cell.nColumnTypes)
                         ? INT_MAX
                         : RangeMeasureSize(m_columns, cell.nColumn, cell.nColumnSpan);
  const int nHeight = bRowsUnlimited || bContentSized(cell.nRowTypes)
                          ? INT_MAX
                          : RangeMeasureSize(m_rows, cell.nRow, cell.nRowSpan);
  return m_pChildren->MeasureChild(nSlot, nWidth, nHeight);
}

void CTKMarkupGridLayout::MeasureCellGroup(int nHead, BOOL bIgnoreColumns, BOOL bRowsUnlimited) {
  std::vector<SPANKEY> spans;
  for (int nSlot = nHead; nSlot != INT_MAX; nSlot = m_cells[nSlot].nNext) {
    const CELL& cell = m_cells[nSlot];
    const SIZE size = MeasureCell(nSlot, bRowsUnlimited);
    if (!bIgnoreColumns) {
      if (cell.nColumnSpan == 1)
        m_columns[cell.nColumn]->UpdateMinSize(size.cx);
      else
        spans.push_back({cell.nColumnSpan, cell.nColumn, TRUE, static_cast<int>(size.cx)});
    }
    if (!bRowsUnlimited) {
      if (cell.nRowSpan == 1)
        m_rows[cell.nRow]->UpdateMinSize(size.cy);
      else
        spans.push_back({cell.nRowSpan, cell.nRow, FALSE, static_cast<int>(size.cy)});
    }
  }
  for (const SPANKEY& key : spans)
    DistributeSpanSize(key.bColumn ? m_columns : m_rows, key.nFirst, key.nCount, key.nRequired);
}

void CTKMarkupGridLayout::DistributeSpanSize(const TKMarkupGridDefinitions& defs, int nFirst,
                                             int nCount, int nRequired) {
  if (nRequired == 0 || nCount <= 0) return;
  TKMarkupGridDefinitions range(defs.begin() + nFirst, defs.begin() + nFirst + nCount);
  const int n = nCount;
  double dMinSum = 0.0, dPreferredSum = 0.0, dMaxSum = 0.0, dLargest = 0.0;
  int nAuto = 0;
  for (TK_MARKUP_GRID_DEFINITION* pDef : range) {
    pDef->dWorkSize = SpanMaximum(pDef);
    dMinSum += pDef->nMinSize;
    dPreferredSum += pDef->GetPreferredSize();
    dMaxSum += pDef->dWorkSize;
    dLargest = std::max(dLargest, pDef->dWorkSize);
    if (pDef->nUnit == TKGridUnit_Auto) ++nAuto;
  }
  const double dRequired = nRequired;
  if (dRequired <= dMinSum) return;

  const auto bAuto = [](const TK_MARKUP_GRID_DEFINITION* pDef) {
    return pDef->nUnit == TKGridUnit_Auto;
  };
  if (dRequired <= dPreferredSum) {
    // Auto definitions keep what they have; the others grow toward their
    // preferred sizes, the smallest first.
    std::stable_sort(range.begin(), range.end(),
                     [&](const TK_MARKUP_GRID_DEFINITION* a, const TK_MARKUP_GRID_DEFINITION* b) {
                       if (bAuto(a) != bAuto(b)) return bAuto(a);
                       if (bAuto(a)) return a->nMinSize < b->nMinSize;
                       return a->GetPreferredSize() < b->GetPreferredSize();
                     });
    double dRest = dRequired;
    for (int i = 0; i < nAuto; ++i) dRest -= range[i]->nMinSize;
    for (int i = nAuto; i < n; ++i) {
      TK_MARKUP_GRID_DEFINITION* pDef = range[i];
      const double dShare = std::min(dRest / (n - i), pDef->GetPreferredSize());
      if (dShare > pDef->nMinSize) pDef->UpdateMinSize(TruncateSize(dShare));
      dRest -= dShare;
    }
    return;
  }
  if (dRequired <= dMaxSum) {
    std::stable_sort(range.begin(), range.end(),
                     [&](const TK_MARKUP_GRID_DEFINITION* a, const TK_MARKUP_GRID_DEFINITION* b) {
                       if (bAuto(a) != bAuto(b)) return bAuto(b);
                       return a->dWorkSize < b->dWorkSize;
                     });
    double dRest = dRequired - dPreferredSum;
    const int nOthers = n - nAuto;
    for (int i = 0; i < nOthers; ++i) {
      TK_MARKUP_GRID_DEFINITION* pDef = range[i];
      const double dPreferred = pDef->GetPreferredSize();
      pDef->UpdateMinSize(
          TruncateSize(std::min(dPreferred + dRest / (nOthers - i), pDef->dWorkSize)));
      dRest -= pDef->nMinSize - dPreferred;
    }
    for (int i = nOthers; i < n; ++i) {
      TK_MARKUP_GRID_DEFINITION* pDef = range[i];
      const int nPrevious = pDef->nMinSize;
      pDef->UpdateMinSize(TruncateSize(std::min(nPrevious + dRest / (n - i), pDef->dWorkSize)));
      dRest -= pDef->nMinSize - nPrevious;
    }
    return;
  }
  const double dEqual = dRequired / n;
  if (dEqual < dLargest) {
    const double dTotal = n * dLargest - dMaxSum;
    const double dRest = dRequired - dMaxSum;
    for (TK_MARKUP_GRID_DEFINITION* pDef : range) {
      pDef->UpdateMinSize(
          TruncateSize(pDef->dWorkSize + (dLargest - pDef->dWorkSize) * dRest / dTotal));
    }
  } else {
    for (TK_MARKUP_GRID_DEFINITION* pDef : range) pDef->UpdateMinSize(TruncateSize(dEqual));
  }
}

void CTKMarkupGridLayout::ResolveStarSizes(const TKMarkupGridDefinitions& defs, double dAvailable) {
  double dTaken = 0.0;
  TKMarkupGridDefinitions stars;
  for (TK_MARKUP_GRID_DEFINITION* pDef : defs) {
    if (pDef->nSizeType == TKGridSize_Pixel) {
      dTaken += pDef->dMeasureSize;
    } else if (pDef->nSizeType == TKGridSize_Auto) {
      dTaken += pDef->nMinSize;
    } else if (pDef->nSizeType == TKGridSize_Star) {
      PrepareStar(pDef);
      stars.push_back(pDef);
    }
  }
  ShareStars(stars, dAvailable, &dTaken, FALSE);
}

// Arrange -------------------------------------------------------------------------------

void CTKMarkupGridLayout::SetFinalSizes(const TKMarkupGridDefinitions& defs, int nFinal) {
  double dTaken = 0.0;
  TKMarkupGridDefinitions stars, others;
  for (TK_MARKUP_GRID_DEFINITION* pDef : defs) {
    if (pDef->nUnit == TKGridUnit_Star) {
      PrepareStar(pDef);
      stars.push_back(pDef);
      continue;
    }
    const double dUser = pDef->nUnit == TKGridUnit_Auto ? pDef->nMinSize : pDef->dLength;
    pDef->dWorkSize = std::max<double>(pDef->nMinSize, std::min<double>(dUser, pDef->nUserMax));
    dTaken += pDef->dWorkSize;
    others.insert(others.begin(), pDef);
  }
  ShareStars(stars, nFinal, &dTaken, TRUE);

  if (nFinal < dTaken) {
    // Too little room: star definitions give up what they have above their
    // content first, the one with the least to give first.
    std::stable_sort(stars.begin(), stars.end(),
                     [](const TK_MARKUP_GRID_DEFINITION* a, const TK_MARKUP_GRID_DEFINITION* b) {
                       return a->dWorkSize - a->nMinSize < b->dWorkSize - b->nMinSize;
                     });
    TKMarkupGridDefinitions order(stars);
    order.insert(order.end(), others.begin(), others.end());
    double dRest = nFinal - dTaken;
    const int nCount = static_cast<int>(order.size());
    for (int i = 0; i < nCount; ++i) {
      TK_MARKUP_GRID_DEFINITION* pDef = order[i];
      double dValue = pDef->dWorkSize + dRest / (nCount - i);
      dValue = std::max<double>(dValue, pDef->nMinSize);
      dValue = std::min(dValue, pDef->dWorkSize);
      dRest -= dValue - pDef->dWorkSize;
      pDef->dWorkSize = dValue;
    }
  }

  int nOffset = 0;
  for (TK_MARKUP_GRID_DEFINITION* pDef : defs) {
    pDef->nFinalOffset = nOffset;
    nOffset = TruncateSize(static_cast<double>(nOffset) + TruncateSize(pDef->dWorkSize));
  }
}

void CTKMarkupGridLayout::Arrange(const TKMarkupGridDefinitions& columns,
                                  const TKMarkupGridDefinitions& rows, int nWidth, int nHeight) {
  m_columns = columns;
  m_rows = rows;
  SetFinalSizes(m_columns, nWidth);
  SetFinalSizes(m_rows, nHeight);
}

BOOL CTKMarkupGridLayout::GetCellRect(int nSlot, RECT* pRect) const {
  if (nSlot < 0 || nSlot >= static_cast<int>(m_cells.size()) || !m_cells[nSlot].bPresent)
    return FALSE;
  const CELL& cell = m_cells[nSlot];
  if (cell.nColumn + cell.nColumnSpan > static_cast<int>(m_columns.size()) ||
      cell.nRow + cell.nRowSpan > static_cast<int>(m_rows.size()))
    return FALSE;
  pRect->left = m_columns[cell.nColumn]->nFinalOffset;
  pRect->top = m_rows[cell.nRow]->nFinalOffset;
  pRect->right = pRect->left + RangeFinalSize(m_columns, cell.nColumn, cell.nColumnSpan);
  pRect->bottom = pRect->top + RangeFinalSize(m_rows, cell.nRow, cell.nRowSpan);
  return TRUE;
}

int CTKMarkupGridLayout::GetCellGroup(int nSlot) const {
  if (nSlot < 0 || nSlot >= static_cast<int>(m_cells.size())) return 0;
  return m_cells[nSlot].nGroup;
}
