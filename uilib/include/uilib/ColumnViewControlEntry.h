// One row of a column view: cell texts and colours, the fitted lines of each
// cell, selection and visibility flags, image number and sort key. Rows are
// made by the application and owned by the view once added.
#pragma once

#include <windows.h>

#include "foundation/TesselList.h"
#include "foundation/TesselString.h"
#include "uilib/ColumnTextSortContext.h"

class CColumnViewControl;
class CColumnViewControlEntry;

/// The lines one cell shows at its column's width.
class CColumnViewControlColumnText {
 public:
  explicit CColumnViewControlColumnText(CColumnViewControlEntry* owner);
  virtual ~CColumnViewControlColumnText();

  /// A copy of line `index`, empty when there is none.
  CTesselString GetLine(int index);
  int GetLineCount() const { return m_lines.GetCount(); }
  CTesselString* GetLineAt(int index) { return static_cast<CTesselString*>(m_lines.GetAt(index)); }

  CColumnViewControlEntry* m_pOwner;
  /// Owned string copies.
  CTesselList m_lines;
  /// The column width the lines were fitted to (0: never fitted).
  int m_nFittedWidth;
  /// The cell text changed since the lines were fitted.
  bool m_bDirty;
};

class CColumnViewControlEntry {
 public:
  CColumnViewControlEntry();
  /// Deletes the fitted texts and the cells.
  virtual ~CColumnViewControlEntry();
  /// Fills the sort key from the cell of the owner's sort column.
  virtual bool PrepareSortKeys();
  /// Resets the sort key; true.
  virtual bool ClearSortKeys();

  /// Sets cell `column`, appending empty cells up to it; marks its lines for fitting.
  bool SetColumnText(int column, CTesselString text);
  /// The first character of `text` as the cell text; false for null.
  bool SetColumnCharacter(int column, const char* text);
  /// Sets the cell's text colour, appending black cells up to it.
  bool SetColumnTextColor(int column, COLORREF color);
  /// A copy of the cell text, empty past the last cell.
  CTesselString GetColumnText(int column);
  /// The cell's text colour, black when it has none.
  COLORREF GetColumnTextColor(int column);
  int GetColumnCount() const { return m_cells.GetCount(); }

  /// One lines object per cell, made when there are none yet.
  bool EnsureFittedTexts();
  /// Fits every cell whose text or column width changed; true when a line was added.
  bool FitToColumns();
  /// Adds a non-empty line to the cell's fitted lines.
  bool AddFittedLine(int column, CTesselString text);
  CColumnViewControlColumnText* GetFittedText(int column) {
    return static_cast<CColumnViewControlColumnText*>(m_fittedTexts.GetAt(column));
  }
  /// The owner's line height (18 without an owner).
  int GetLineHeight();
  /// Line height times the line count (in wrap mode the most lines of any cell).
  int ComputeRowHeight();

  int GetId() const { return m_nId; }
  int GetDisplayIndex() const { return m_nDisplayIndex; }
  CColumnViewControl* GetOwner() const { return m_pOwner; }
  const RECT& GetRowRect() const { return m_rect; }
  int GetRowHeight() const { return m_nRowHeight; }
  int GetLineCount() const { return m_nLineCount; }
  CColumnTextSortContext* GetSortKey() { return &m_sortKey; }

  // Set directly by the application: selection, whether the row is shown
  // (from the next rebuild of the display list) and the image (0: none,
  // n: image n - 1 of the view's row images).
  bool m_bSelected;
  bool m_bShown;
  int m_nImage;

 protected:
  friend class CColumnViewControl;

  /// Breaks `text` into lines no wider than `width` in the DC.
  void WrapText(HDC dc, CTesselString& text, int width, int column);
  void DeleteFittedTexts();

  CColumnViewControl* m_pOwner;
  int m_nId;
  int m_nDisplayIndex;
  /// Owned string copies, one per column.
  CTesselList m_cells;
  /// Owned 32-bit COLORREF values.
  CTesselList m_colors;
  RECT m_rect;
  int m_nLineCount;
  int m_nRowHeight;
  CColumnTextSortContext m_sortKey;
  /// CColumnViewControlColumnText objects, owned, one per column.
  CTesselList m_fittedTexts;

 private:
  CColumnViewControlEntry(const CColumnViewControlEntry&) = delete;
  CColumnViewControlEntry& operator=(const CColumnViewControlEntry&) = delete;
};
