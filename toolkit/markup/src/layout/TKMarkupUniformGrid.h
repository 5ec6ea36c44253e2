// CTKMarkupUniformGrid: children in equal cells, row by row, with as many
// rows or columns as the children need when Rows or Columns is not given.
#pragma once

#include "TKMarkupPanel.h"

/// The cell counts are computed at each measure and kept for the following
/// arrange. Rows, Columns and FirstColumn are counts: a negative value counts
/// as unset (0), so no cell count is ever 0.
class CTKMarkupUniformGrid : public CTKMarkupPanel {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupUniformGrid();

  /// 0 when unset.
  int GetColumns();
  int GetRows();
  int GetFirstColumn();
  void SetColumns(int nColumns);
  void SetRows(int nRows);
  void SetFirstColumn(int nFirstColumn);

  /// The cell counts for the properties and `nVisible` children that are
  /// present and not collapsed: columns and rows at least 1; the first
  /// column 0 when it does not lie inside the columns.
  static void ComputeCells(int nColumns, int nRows, int nFirstColumn, int nVisible, int* pnColumns,
                           int* pnRows, int* pnFirstColumn);
  /// Reads the properties and counts the children into the computed values.
  void UpdateComputedValues();
  int GetComputedColumns() const { return m_nComputedColumns; }
  int GetComputedRows() const { return m_nComputedRows; }
  int GetComputedFirstColumn() const { return m_nComputedFirstColumn; }

  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

  static CTKMarkupDependencyProperty* FirstColumnProperty;
  static CTKMarkupDependencyProperty* ColumnsProperty;
  static CTKMarkupDependencyProperty* RowsProperty;
  static void RegisterMarkupProperties();

 protected:
  long DispGetColumns() { return GetColumns(); }
  void DispSetColumns(long nValue) { SetColumns(nValue); }
  long DispGetRows() { return GetRows(); }
  void DispSetRows(long nValue) { SetRows(nValue); }
  long DispGetFirstColumn() { return GetFirstColumn(); }
  void DispSetFirstColumn(long nValue) { SetFirstColumn(nValue); }
  DECLARE_DISPATCH_MAP()

 private:
  int m_nComputedColumns;
  int m_nComputedRows;
  int m_nComputedFirstColumn;

  int GetInt(CTKMarkupDependencyProperty* pProperty);
};
