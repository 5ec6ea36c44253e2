// The uniform grid's cell counts and layout.
#include "TKMarkupUniformGrid.h"

#include "TKMarkupPanelLayout.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_MARKUP_TYPE(CTKMarkupUniformGrid, TKMarkupRow_UniformGrid)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupUniformGrid)

CTKMarkupDependencyProperty* CTKMarkupUniformGrid::FirstColumnProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupUniformGrid::ColumnsProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupUniformGrid::RowsProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupUniformGrid, CTKMarkupPanel)
DISP_PROPERTY_EX_ID(CTKMarkupUniformGrid, "Columns", 600, DispGetColumns, DispSetColumns, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupUniformGrid, "Rows", 601, DispGetRows, DispSetRows, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupUniformGrid, "FirstColumn", 602, DispGetFirstColumn,
                    DispSetFirstColumn, VT_I4)
END_DISPATCH_MAP()

CTKMarkupUniformGrid::CTKMarkupUniformGrid()
    : m_nComputedColumns(1), m_nComputedRows(1), m_nComputedFirstColumn(0) {}

void CTKMarkupUniformGrid::RegisterMarkupProperties() {
  const auto count = [](LPCWSTR lpszName) {
    return CTKMarkupDependencyProperty::Register(
        lpszName, CTKMarkupInt::StaticType(), StaticType(),
        new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_AFFECTS_MEASURE));
  };
  FirstColumnProperty = count(L"FirstColumn");
  ColumnsProperty = count(L"Columns");
  RowsProperty = count(L"Rows");
}

int CTKMarkupUniformGrid::GetInt(CTKMarkupDependencyProperty* pProperty) {
  CTKMarkupInt* pValue = MarkupCast<CTKMarkupInt>(GetValue(pProperty));
  return pValue != nullptr ? pValue->GetValue() : 0;
}

int CTKMarkupUniformGrid::GetColumns() { return GetInt(ColumnsProperty); }
int CTKMarkupUniformGrid::GetRows() { return GetInt(RowsProperty); }
int CTKMarkupUniformGrid::GetFirstColumn() { return GetInt(FirstColumnProperty); }
void CTKMarkupUniformGrid::SetColumns(int nValue) {
  SetValue(ColumnsProperty, new CTKMarkupInt(nValue));
}
void CTKMarkupUniformGrid::SetRows(int nValue) { SetValue(RowsProperty, new CTKMarkupInt(nValue)); }
void CTKMarkupUniformGrid::SetFirstColumn(int nValue) {
  SetValue(FirstColumnProperty, new CTKMarkupInt(nValue));
}

void CTKMarkupUniformGrid::ComputeCells(int nColumns, int nRows, int nFirstColumn, int nVisible,
                                        int* pnColumns, int* pnRows, int* pnFirstColumn) {
  nColumns = std::max(0, nColumns);
  nRows = std::max(0, nRows);
  nFirstColumn = std::max(0, nFirstColumn);
  if (nFirstColumn >= nColumns) nFirstColumn = 0;
  const long long n = std::max(1, nVisible);
  long long nCellColumns = nColumns, nCellRows = nRows;
  if (nRows == 0 && nColumns > 0) {
    nCellRows = (n + nColumns + nFirstColumn - 1) / nColumns;
  } else if (nRows == 0) {
    nCellRows = static_cast<long long>(std::sqrt(static_cast<double>(n)));
    if (nCellRows * nCellRows < n) ++nCellRows;
    nCellColumns = nCellRows;
  } else if (nColumns == 0) {
    nCellColumns = (nRows + n - 1) / nRows;
  }
  *pnColumns = static_cast<int>(std::min<long long>(std::max(1LL, nCellColumns), INT_MAX));
  *pnRows = static_cast<int>(std::min<long long>(std::max(1LL, nCellRows), INT_MAX));
  *pnFirstColumn = nFirstColumn;
}

void CTKMarkupUniformGrid::UpdateComputedValues() {
  int nVisible = 0;
  for (int i = 0; i < GetChildren()->GetCount(); ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild != nullptr && pChild->GetVisibility() != TKMarkupVisibility_Collapsed) ++nVisible;
  }
  ComputeCells(GetColumns(), GetRows(), GetFirstColumn(), nVisible, &m_nComputedColumns,
               &m_nComputedRows, &m_nComputedFirstColumn);
}

CSize CTKMarkupUniformGrid::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                            int nAvailableHeight) {
  UpdateComputedValues();
  const int nCellWidth = nAvailableWidth / m_nComputedColumns;
  const int nCellHeight = nAvailableHeight / m_nComputedRows;
  CSize largest(0, 0);
  for (int i = 0; i < GetChildren()->GetCount(); ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild == nullptr) continue;
    pChild->Measure(pDC, nCellWidth, nCellHeight);
    largest.cx = std::max(largest.cx, pChild->GetDesiredSize().cx);
    largest.cy = std::max(largest.cy, pChild->GetDesiredSize().cy);
  }
  return CSize(MultiplyMarkupExtent(largest.cx, m_nComputedColumns),
               MultiplyMarkupExtent(largest.cy, m_nComputedRows));
}

CSize CTKMarkupUniformGrid::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  const int w = nFinalWidth / m_nComputedColumns;
  const int h = nFinalHeight / m_nComputedRows;
  const int nLeft = MultiplyMarkupExtent(w, m_nComputedFirstColumn);
  CRect cell(nLeft, 0, AddMarkupExtents(nLeft, w), h);
  for (int i = 0; i < GetChildren()->GetCount(); ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild == nullptr) continue;
    pChild->Arrange(cell);
    if (pChild->GetVisibility() == TKMarkupVisibility_Collapsed) continue;
    cell.left = cell.right;
    cell.right = AddMarkupExtents(cell.right, w);
    if (cell.right > nFinalWidth) {
      cell = CRect(0, cell.bottom, w, AddMarkupExtents(cell.bottom, h));
    }
  }
  return CSize(nFinalWidth, nFinalHeight);
}
