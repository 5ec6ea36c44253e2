// A grid of cells from which the user picks a number of columns and rows by
// moving the mouse, as for inserting a table; dragging past its right or
// bottom edge with the button held grows the grid up to its largest size.
#pragma once

#include "commandbars/TKControl.h"

class CTKPropExchange;

class CTKControlSelector : public CTKControl {
  DECLARE_DYNCREATE(CTKControlSelector)

 public:
  CTKControlSelector();

  /// The grid shown when the pop-up opens ("ItemsCount", 5 x 4).
  CSize GetItemsCount() const { return m_szItemsCount; }
  void SetItemsCount(CSize sz) { m_szItemsCount = sz; }
  /// The largest grid ("ItemsMax", 12 x 12).
  CSize GetItemsMax() const { return m_szItemsMax; }
  void SetItemsMax(CSize sz) { m_szItemsMax = sz; }
  /// One cell ("ItemSize", 28 x 28 at 96 DPI).
  CSize GetItemSize() const { return m_szItem; }
  void SetItemSize(CSize sz) { m_szItem = sz; }
  /// The grid shown now.
  CSize GetGrid() const { return m_szGrid; }
  /// The columns and rows under the mouse.
  CSize GetSelectedCells() const { return m_szSelected; }
  /// The columns and rows of the last execution, for the site to read.
  CSize GetExecutedCells() const { return m_szExecuted; }
  /// Stores, redraws and tells the site (notification 4102) when the counts
  /// change or when forced.
  void SetSelectedCells(int nColumns, int nRows, BOOL bForce = FALSE);

  CSize GetSize(CDC* pDC) override;
  void Draw(CDC* pDC) override;
  /// Paints the content of one cell; nothing here.
  virtual void DrawItem(CDC* pDC, CRect rcItem, int nColumn, int nRow, BOOL bSelected);
  void OnMouseMove(CPoint pt) override;
  void OnLButtonUp(CPoint pt) override;
  /// Losing the selection with the left button held past the grid grows it.
  BOOL SetSelected(int nSelected) override;
  /// Back to the start grid with nothing selected, unless the grid is growing.
  void OnCalcDynamicSize(DWORD dwMode) override;
  void Copy(CTKControl* pSource, BOOL bRecursive = FALSE) override;
  /// "ItemsCount", "ItemsMax" and "ItemSize" of saved layouts.
  virtual void DoPropExchange(CTKPropExchange* pPX);

  /// The notification code of a selection change.
  enum { kSelectionChanged = 4102 };

 protected:
  BOOL m_bTracking;
  CSize m_szItemsCount;
  CSize m_szItemsMax;
  CSize m_szSelected;
  CSize m_szItem;
  CSize m_szExecuted;
  CSize m_szGrid;
};
