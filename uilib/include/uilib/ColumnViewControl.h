// CColumnViewControl: the owner-drawn, thread-safe multi-column list. Rows
// (CColumnViewControlEntry, owned once added) are kept under a running id;
// the display list holds the shown rows in display order, and sorting,
// selection, painting and scrolling work on it.
//
// Threads: every structural change and walk of the rows runs under the
// view's recursive lock, so another thread may add, change or remove rows
// while the UI thread paints. GetEntryAt, the display-list iteration, the
// entries' cell setters, fitting, the column operations and the text search
// take no lock: a caller on another thread brackets them with Lock/Unlock.
// The window itself is touched on the UI thread only.
#pragma once

#include <functional>

#include "foundation/ReentrantLock.h"
#include "foundation/TesselList.h"
#include "foundation/TesselOptimizedMap.h"
#include "uilib/ColumnViewControlEntry.h"
#include "uilib/ColumnViewControlHeader.h"
#include "uilib/ColumnViewControlSortManager.h"
#include "uilib/NativeDisplayControl.h"

/// Control ids inside the view and the view's own.
const int kColumnViewControlId = 8888;
const int kColumnViewHScrollId = 8890;
const int kColumnViewVScrollId = 8891;
/// Pixels of one text line of a row.
const int kColumnViewLineHeight = 18;
/// The grid colour of the column lines, RGB(208, 211, 217).
const COLORREF kColumnViewGridColor = 0xD9D3D0;
/// Background of a disabled view, RGB(238, 238, 244).
const COLORREF kColumnViewDisabledColor = 0xF4EEEE;

/// The remote row-selection messages (wParam ignored; lParam a display index
/// or ignored for the text requests, which use the text of the last WM_COPYDATA).
enum ColumnViewRemoteMessage {
  WM_COLUMNVIEW_SELECTROW = WM_USER + 131,
  WM_COLUMNVIEW_ADDROW = WM_USER + 132,
  WM_COLUMNVIEW_ADDROWBYTEXT = WM_USER + 133,
  WM_COLUMNVIEW_SELECTROWBYTEXT = WM_USER + 134,
  WM_COLUMNVIEW_DOUBLECLICKROW = WM_USER + 135,
  WM_COLUMNVIEW_DOUBLECLICKROWBYTEXT = WM_USER + 136,
  WM_COLUMNVIEW_RIGHTCLICKROW = WM_USER + 137,
  WM_COLUMNVIEW_RIGHTCLICKROWBYTEXT = WM_USER + 138,
};

/// Two coloured lines drawn above a row.
class CColumnViewIndividualSeparatorLine {
 public:
  CColumnViewIndividualSeparatorLine(int entryId, COLORREF first, COLORREF second)
      : m_nEntryId(entryId), m_firstColor(first), m_secondColor(second) {}
  virtual ~CColumnViewIndividualSeparatorLine() {}
  int m_nEntryId;
  COLORREF m_firstColor;
  COLORREF m_secondColor;
};

class CColumnViewControl : public CNativeDisplayControl {
 public:
  CColumnViewControl();
  /// Deletes the rows, columns and separator lines.
  ~CColumnViewControl() override;

  // Header and layout handlers.
  virtual void ForwardToHeader(int menuResourceId, int subMenuIndex);
  virtual void OnSize(UINT type, int cx, int cy);
  // Keyboard, mouse and focus handlers.
  virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
  virtual void OnChar(UINT character, UINT repeat, UINT flags);
  virtual void OnLButtonDown(UINT flags, CPoint point);
  virtual void OnLButtonDblClk(UINT flags, CPoint point);
  virtual void OnRButtonDown(UINT flags, CPoint point);
  virtual void OnMouseMove(UINT flags, CPoint point);
  virtual void OnSetFocus(CWnd* oldWindow);
  virtual void OnKillFocus(CWnd* newWindow);
  virtual LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  // Scrolling handlers.
  virtual void OnHScroll(UINT code, UINT position, CScrollBar* bar);
  virtual void OnVScroll(UINT code, UINT position, CScrollBar* bar);
  virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
  // Remote row selection.
  virtual LRESULT OnSelectRowByIndex(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnAddRowByIndex(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnAddRowByText(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnSelectRowByText(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnDoubleClickRowByText(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnDoubleClickRowByIndex(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnRightClickRowByIndex(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnRightClickRowByText(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCopyData(CWnd* sender, COPYDATASTRUCT* data);

  // Hooks for derived lists (the base does nothing unless said).
  virtual void OnDeleteKey() {}
  virtual void OnEntrySelected() {}
  virtual void OnEntryDoubleClicked() {}
  virtual void OnEntryRightClicked() {}
  virtual void OnSelectionChanged() {}
  virtual void OnEntryHovered() {}
  /// The base calls OnEntryDoubleClicked.
  virtual void OnEnterKey() { OnEntryDoubleClicked(); }
  virtual void OnCaretMoved() {}

  virtual LRESULT CallDefault(WPARAM, LPARAM, LPARAM) { return Default(); }
  virtual CApplicationMainFrame* GetOwnerFrame() { return m_pOwnerFrame; }
  /// The display rectangle below the header, without the shown scroll bars
  /// (and 7 pixels more at the bottom with the margin when the horizontal one shows).
  virtual RECT* GetRowsRect(RECT* rect, bool withMargin);
  virtual bool SortEntries();
  /// The shown rows in id order, then sorted.
  virtual bool RebuildDisplayList();
  virtual bool RebuildDisplayListUnsorted();
  virtual bool ClearDisplayList();
  /// Base false: derived lists load their row images here.
  virtual bool LoadImages() { return false; }
  /// Base false: derived lists add their columns here.
  virtual bool AddColumns() { return false; }

  // Selection (each under the lock).
  virtual bool DeselectAll();
  virtual bool SelectAll();
  virtual bool SelectById(int id);
  virtual bool ToggleSelection(CColumnViewControlEntry* entry);
  virtual bool ToggleSelectionAt(int index);
  virtual bool SelectAt(int index);
  /// Scrolls a row outside the view into its middle.
  virtual bool EnsureVisible(int index);
  virtual CColumnViewControlEntry* GetFirstSelectedEntry();
  virtual bool GetSelectedEntries(CTesselList* out);
  virtual void Lock() { m_lock.Lock(); }
  virtual void Unlock() { m_lock.Unlock(); }

  // Sorting.
  virtual bool ShowSortArrow(int column);
  /// Flips the direction and sorts by the column (the header's title click).
  virtual bool SortByColumn(int column);
  virtual bool RecalcLayout(int ignored = 0);
  virtual bool SortByColumnDirection(int column, bool ascending);

  // Columns.
  virtual bool UpdateColumnRects();
  virtual bool FitLastColumn();
  virtual bool AutoSizeLastColumn();
  virtual bool AutoSizeColumn(int index);
  virtual bool AutoSizeAllColumns();
  virtual bool EnsureMinimumColumnWidths();
  virtual int MeasureColumnContentWidth(int index);
  virtual int MeasureColumnTitleWidth(int index);
  virtual int GetTotalColumnWidth();
  virtual int GetColumnWidth(int index);
  virtual int SetColumnWidth(int index, int width);
  virtual int GetLastColumnIndex();

  /// Base true; a derived list answers false to ignore mouse, keys and scrolling.
  virtual bool IsInputEnabled() { return true; }
  /// Hook: the mouse left the view.
  virtual void OnHoverEnd() {}

  // Scroll bars.
  virtual bool CreateScrollBars();
  virtual bool UpdateScrollRanges(bool force);
  virtual bool UpdateScrollPositions();
  virtual bool UpdateScrollBars();
  /// out[0]: the last column's right edge; out[1]: displayed rows + 1 (0 without rows).
  virtual bool GetContentExtent(int out[2]);

  /// Shortens `text` with "..." to `width` in the drawing DC.
  virtual bool FitTextToWidth(CTesselString& text, int width);
  virtual bool FindTextForward(CTesselString text, int* row, int* column, bool matchCase);
  virtual bool FindTextBackward(CTesselString text, int* row, int* column, bool matchCase);

  // Separator lines above rows.
  virtual bool AddSeparatorLine(int entryId, COLORREF first, COLORREF second);
  virtual bool RemoveAllSeparatorLines();
  virtual int GetSeparatorLineCount();
  virtual CColumnViewIndividualSeparatorLine* GetFirstSeparatorLine();
  virtual CColumnViewIndividualSeparatorLine* GetNextSeparatorLine();
  virtual bool EndSeparatorLineIteration();
  virtual CColumnViewIndividualSeparatorLine* GetSeparatorLine(int entryId);

  virtual bool RepositionScrollBars();

  // Painting steps.
  virtual bool DrawLine(int x1, int y1, int x2, int y2, COLORREF color);
  virtual bool IsCaretRowFullyVisible();
  virtual bool LayoutVisibleRows();
  virtual bool DrawSelectionColumnLines();
  virtual bool DrawColumnLines();
  virtual bool DrawRowRect(RECT cell);
  virtual bool DrawSeparatorLine(CColumnViewControlEntry* entry, int* y);
  virtual bool PaintRow(CColumnViewControlEntry* entry, int* y, int contentWidth, RECT rows,
                        int displayIndex);
  virtual bool PaintRows();
  virtual bool FillBackground();
  virtual bool DrawBorder();
  /// The selected band (blue with the focus, grey without) from the row's
  /// top - 2 to its bottom - 2.
  virtual bool DrawSelectedRowBand(CColumnViewControlEntry* entry, int contentWidth);
  /// The caret band, only on an unselected row of a focused view.
  virtual bool DrawCaretRowBand(CColumnViewControlEntry* entry, int contentWidth);

  // The colour tables of the row bands (GradientColorRecord lists).
  /// Clears the tables, then fills them with the standard row gradients.
  virtual bool BuildBandColors();
  /// True when any table had records.
  virtual bool ClearBandColors();
  CTesselList* GetCaretBandColors() { return &m_caretBand; }
  CTesselList* GetSelectedBandColors() { return &m_selectedBand; }
  CTesselList* GetInactiveSelectedBandColors() { return &m_inactiveSelectedBand; }

  // CNativeDisplayControl
  void OnPaint() override;
  void OnNcPaint() override;
  bool CreateControl(CWnd* parent) override;
  bool HasBorder() override { return m_bBorder; }
  void SetBorder(bool border) override { m_bBorder = border; }

  // Rows.
  /// Takes ownership; gives the entry the next id and appends it to the
  /// display list (rebuild afterwards for its display index).
  bool AddEntry(CColumnViewControlEntry* entry);
  bool RemoveEntry(int id, bool rebuild);
  bool RemoveAllEntries();
  /// No lock; null outside 0..count - 1.
  CColumnViewControlEntry* GetEntryAt(int index);
  CColumnViewControlEntry* GetEntryById(int id);
  CColumnViewControlEntry* GetFirstEntry();
  CColumnViewControlEntry* GetNextEntry();
  bool EndEntryIteration();
  int GetEntryCount() const { return m_entries.GetCount(); }
  int GetDisplayCount() const { return m_displayList.GetCount(); }

  // Columns.
  bool AddColumn(CTesselString title, int kind);
  bool RemoveAllColumns();
  int GetColumnKind(int index);
  int GetColumnCount() const { return m_columns.GetCount(); }
  CColumnViewControlColumnEntry* GetColumn(int index) {
    return static_cast<CColumnViewControlColumnEntry*>(m_columns.GetAt(index));
  }

  // Layout.
  int GetVisibleRowCount();
  int GetTotalLineCount();
  bool ComputeFirstVisible();
  bool ComputeLastVisible();
  int CountRowsFittingFromTop();
  int CountRowsFittingFromBottom();
  int CountSeparatorLines();
  int GetRowCountWithSeparators();
  /// Fits the cells of every displayed row to the column widths.
  bool FitEntriesToColumns();

  // Selection, mouse and text search.
  bool ExtendSelection(CColumnViewControlEntry* entry);
  CColumnViewControlEntry* HitTest(POINT point);
  bool SelectByFirstLetter(UINT character);
  bool StartHoverTracking();
  /// The first displayed row whose first cell equals the text ignoring case.
  CColumnViewControlEntry* FindEntryByText(CTesselString text);
  bool SelectAndRightClick(CColumnViewControlEntry* entry);
  bool SetRemoteText(const char* text, size_t maxBytes);
  CTesselString GetRemoteText() { return m_remoteText; }

  CColumnViewControlHeader* GetHeader() { return &m_header; }
  CScrollBar* GetHorizontalScrollBar() { return &m_horzScrollBar; }
  CScrollBar* GetVerticalScrollBar() { return &m_vertScrollBar; }
  CImageList* GetRowImages() { return &m_rowImages; }

  // State read by derived lists and tests.
  bool m_bMultiSelect;
  bool m_bWrap;
  bool m_bTopAndBottomBorder;
  bool m_bHover;
  int m_nDescending;
  int m_nSortColumn;
  int m_nFirstVisible;
  int m_nLastVisible;
  int m_nCaret;
  int m_nHorizontalOffset;
  int m_nLineHeight;
  int m_nSelectedCount;
  int m_nVerticalScale;
  int m_nFindRow;
  int m_nFindColumn;
  bool m_bFindActive;
  bool m_bLayoutGuard;
  bool m_bAutoSizing;
  COLORREF m_gridColor;

 protected:
  /// The x of each column line (right edges, the last column's left edge).
  bool GetColumnLineX(int column, int* x);
  bool IsScrollBarShown(CScrollBar& bar);
  /// Scrolls to the row, makes it the only selected row and the caret.
  void TakeRow(int index);
  /// Takes the found cell: selects its row only and marks the find match.
  void TakeFoundCell(int row, int column);
  int CountRowsFitting(int start, int step);
  /// Sizes each column by `sizeColumn` with one layout at the end.
  bool SizeAllColumns(const std::function<bool(int)>& sizeColumn, bool updateScrollBars);
  /// Focus and hover for a click; the row under the point, null for none
  /// or while input is disabled.
  CColumnViewControlEntry* BeginClick(CPoint point);
  /// Focus for a remote request.
  void TakeFocus();
  /// UpdateScrollPositions and RedrawDisplay.
  void FinishChange();
  /// The height of row `index` plus a line for its separator line.
  int GetRowExtent(int index);
  /// The rows rectangle's height with the margin.
  int GetRowsHeight();
  bool HasFocus() const { return ::GetFocus() == m_hWnd; }
  /// Draws a row band of the table in the memory DC (see DrawSelectedRowBand).
  bool DrawRowBand(CColumnViewControlEntry* entry, int contentWidth, CTesselList* colors);

  DECLARE_MESSAGE_MAP()

  /// Entries by id, owned, in id order.
  CTesselOptimizedMap m_entries;
  /// Shown entries in display order; owns nothing.
  CTesselList m_displayList;
  /// CColumnViewControlColumnEntry objects, owned.
  CTesselList m_columns;
  CColumnViewControlHeader m_header;
  bool m_bBorder;
  int m_nNextId;
  bool m_bHoverTracking;
  CImageList m_rowImages;
  CReentrantLock m_lock;
  CScrollBar m_horzScrollBar;
  CScrollBar m_vertScrollBar;
  CTesselString m_remoteText;
  CColumnViewControlSortManager m_sortManager;
  /// CColumnViewIndividualSeparatorLine objects by entry id, owned.
  CTesselOptimizedMap m_separatorLines;
  /// The band tables, top to bottom: edge colour, gradient, edge colour.
  CTesselList m_selectedBand;
  CTesselList m_caretBand;
  CTesselList m_inactiveSelectedBand;
};
