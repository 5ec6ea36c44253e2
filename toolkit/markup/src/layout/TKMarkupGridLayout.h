// CTKMarkupGridLayout: the sizing of a grid's rows and columns: pixel, auto
// (sized to content) and star (weighted share of the rest) definitions,
// cells grouped by the kinds of definitions they span, and the sharing out of
// the size wanted by cells that span several definitions. The grid element
// feeds it its definitions and children; it works in whole device units.
#pragma once

#include "afxwin.h"

#include <climits>
#include <vector>

/// The unit of a grid length.
enum TKMarkupGridUnitType { TKGridUnit_Auto = 0, TKGridUnit_Pixel = 1, TKGridUnit_Star = 2 };

/// The size type bits of a definition in one measure (cells OR them).
enum TKMarkupGridSizeType {
  TKGridSize_Pixel = 1,
  TKGridSize_Auto = 2,
  TKGridSize_Star = 4,
};

/// One row or column as the layout sees it. The first five fields are what
/// the user asked for (the owner copies them from the definition's properties
/// before each pass); the rest is layout state.
struct TK_MARKUP_GRID_DEFINITION {
  double dLength = 1.0;
  int nUnit = TKGridUnit_Star;
  int nUserMin = 0;
  int nUserMax = INT_MAX;
  BOOL bHasUserMax = FALSE;

  /// What the content needs; only grows during one measure.
  int nMinSize = 0;
  /// One TKMarkupGridSizeType bit, set by PrepareDefinitions.
  int nSizeType = 0;
  /// The size offered to content in this pass.
  double dMeasureSize = 0.0;
  /// Scratch of the algorithms; after SetFinalSizes the final size.
  double dWorkSize = 0.0;
  /// Where the definition starts after SetFinalSizes.
  int nFinalOffset = 0;

  void UpdateMinSize(int nValue) {
    if (nValue > nMinSize) nMinSize = nValue;
  }
  /// The measure size when the definition is not auto-sized and offers more
  /// than its content needs, else the minimum size.
  double GetPreferredSize() const {
    return nSizeType != TKGridSize_Auto && dMeasureSize > nMinSize ? dMeasureSize : nMinSize;
  }
};

typedef std::vector<TK_MARKUP_GRID_DEFINITION*> TKMarkupGridDefinitions;

/// What the layout needs of the grid's children.
class ITKMarkupGridChildren {
 public:
  virtual ~ITKMarkupGridChildren() = default;
  virtual int GetChildCount() = 0;
  /// The child's Column, Row, ColumnSpan and RowSpan as read (spans of 1 when
  /// unset or not positive); FALSE for an empty slot.
  virtual BOOL GetChildCell(int nSlot, int* pnColumn, int* pnRow, int* pnColumnSpan,
                            int* pnRowSpan) = 0;
  /// Measures the child with the available size; its desired size.
  virtual SIZE MeasureChild(int nSlot, int nWidth, int nHeight) = 0;
};

/// The cell cache and the passes of one grid. Measure and Arrange take the
/// effective definitions (at least one column and one row); Arrange uses the
/// cells of the last Measure. Every sort keeps equal keys in definition
/// order, so a layout gives the same result on every run.
class CTKMarkupGridLayout {
 public:
  CTKMarkupGridLayout();

  /// The desired size: the sums of the columns' and rows' minimum sizes.
  SIZE Measure(const TKMarkupGridDefinitions& columns, const TKMarkupGridDefinitions& rows,
               ITKMarkupGridChildren* pChildren, int nWidth, int nHeight);
  /// Final sizes and offsets of the definitions for the final size.
  void Arrange(const TKMarkupGridDefinitions& columns, const TKMarkupGridDefinitions& rows,
               int nWidth, int nHeight);
  /// The slot's rectangle after Arrange; FALSE for an empty slot or one the
  /// last Measure did not see.
  BOOL GetCellRect(int nSlot, RECT* pRect) const;
  /// Whether a Measure has built the cell cache.
  BOOL HasCells() const { return m_bHasCells; }
  /// Forgets the cells (the next Arrange without Measure places nothing).
  void Reset();

  /// The cell group (1 to 4) of a slot in the last Measure; 0 for none.
  int GetCellGroup(int nSlot) const;

  // The passes, for each list of definitions.

  /// Resets the layout state and sets size types, minimum and measure sizes
  /// from the user's values; star definitions are auto-sized with the switch.
  static void PrepareDefinitions(const TKMarkupGridDefinitions& defs, BOOL bStarAsAuto);
  /// Raises the minimum sizes of `nCount` definitions from `nFirst` so that
  /// together they give at least `nRequired`.
  static void DistributeSpanSize(const TKMarkupGridDefinitions& defs, int nFirst, int nCount,
                                 int nRequired);
  /// Shares what the pixel and auto definitions leave of `dAvailable` among
  /// the star definitions, into their measure sizes.
  static void ResolveStarSizes(const TKMarkupGridDefinitions& defs, double dAvailable);
  /// Final sizes (into the work sizes) and offsets for the final extent.
  static void SetFinalSizes(const TKMarkupGridDefinitions& defs, int nFinal);

 private:
  struct CELL {
    BOOL bPresent = FALSE;
    int nColumn = 0;
    int nRow = 0;
    int nColumnSpan = 1;
    int nRowSpan = 1;
    int nColumnTypes = 0;
    int nRowTypes = 0;
    int nGroup = 0;
    int nNext = INT_MAX;
  };

  std::vector<CELL> m_cells;
  int m_groupHeads[4];
  BOOL m_bStarCellsInColumns;
  BOOL m_bStarCellsInRows;
  BOOL m_bGroup3InAutoRows;
  BOOL m_bHasCells;
  TKMarkupGridDefinitions m_columns;
  TKMarkupGridDefinitions m_rows;
  ITKMarkupGridChildren* m_pChildren;

  void BuildCellCache();
  void MeasureCellGroup(int nHead, BOOL bIgnoreColumns, BOOL bRowsUnlimited);
  SIZE MeasureCell(int nSlot, BOOL bRowsUnlimited);
};
