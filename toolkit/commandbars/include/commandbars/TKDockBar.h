// One side of a frame that holds docked tool bars in rows: it claims its band
// of the frame's client area in the frame layout and places its bars, keeping
// each where it was dropped while there is room.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

class CTKCommandBars;
class CTKToolBar;
struct AFX_SIZEPARENTPARAMS;

class CTKDockBar : public CWnd {
  DECLARE_DYNCREATE(CTKDockBar)

 public:
  CTKDockBar();

  /// Keeps the CBRS bits of `dwStyle` (its alignment names the side) and
  /// makes the child window of `pParent`.
  BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nId);
  CTKCommandBars* GetCommandBars() const { return m_pCommandBars; }
  void SetCommandBars(CTKCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
  DWORD GetBarStyle() const { return m_dwStyle; }
  /// 0 top, 1 bottom, 2 left, 3 right.
  int GetPosition() const;
  BOOL IsHorizontal() const;

  // Rows -------------------------------------------------------------------------

  /// Docks the bar at `lpScreenRect` (screen coordinates), or in a new last
  /// row without one; the frame is laid out at its next idle time.
  void DockCommandBar(CTKToolBar* pBar, LPCRECT lpScreenRect = NULL);
  /// Takes the bar out (its row goes when it was alone there); FALSE when
  /// the bar is not docked here.
  BOOL RemoveCommandBar(CTKToolBar* pBar, int nSkipIndex = -1);
  /// Index of the bar's entry, not counting `nSkipIndex`; -1 when absent.
  int FindBar(CTKToolBar* pBar, int nSkipIndex = -1) const;
  /// Inserts the bar into the row that `ptCenter` (client coordinates)
  /// falls in, or into a new row; the bar's index.
  int Insert(CTKToolBar* pBar, CRect rcBar, CPoint ptCenter);
  /// Appends the visible bars of the row of entry `nIndex`, ordered along it.
  void GetRowBars(int nIndex, CArray<CTKToolBar*, CTKToolBar*>& arrBars) const;
  /// The entries row by row: null separates rows, the first entry is null.
  int GetEntryCount() const { return static_cast<int>(m_arrBars.GetSize()); }
  CTKToolBar* GetEntry(int nIndex) const { return m_arrBars[nIndex]; }
  /// Number of rows that hold a bar.
  int GetRowCount() const;

  // Saved rows (src/persist/TKCommandBarsDockBars.cpp) ---------------------------

  /// Puts an entry (a bar, or null for a row end) at `nIndex` of the rows.
  void InsertEntry(int nIndex, CTKToolBar* pBar);
  /// Joins row ends that follow each other and drops a trailing empty row.
  void RemoveEmptyRows();

  // Layout -----------------------------------------------------------------------

  /// The layout mode of a bar in a row of this orientation.
  static DWORD AFX_CDECL GetLayoutMode(BOOL bHorizontal, CTKToolBar* pBar);
  /// The size the rows need for `nLength`; with a deferred-position handle in
  /// `pLayout` the bars are moved there.
  CSize CalcDynamicLayout(int nLength, DWORD dwMode, AFX_SIZEPARENTPARAMS* pLayout);
  /// Lays out one row at (x, y), sending bars that do not fit to further
  /// rows; the thickness of all of them.
  static int AFX_CDECL CalcRowLayout(CArray<CTKToolBar*, CTKToolBar*>& arrBars, int x, int y,
                                     int nLength, BOOL bHorizontal, AFX_SIZEPARENTPARAMS* pLayout);
  /// Places the row's bars along `nLength`: keeps their places while there is
  /// room, pushes overlaps aside and shrinks bars; the row's thickness, or
  /// -1 with `*pnMoveIndex` the list index of the bar that must move to the
  /// next row. Without a deferred-position handle it only measures.
  static int AFX_CDECL AdjustRow(CArray<CTKToolBar*, CTKToolBar*>& arrBars, int x, int y,
                                 int nLength, BOOL bHorizontal, AFX_SIZEPARENTPARAMS* pLayout,
                                 int* pnMoveIndex);

 protected:
  /// Puts every stretched bar into a row of its own.
  void SeparateStretchedBars();
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg void OnPaint();
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  DECLARE_MESSAGE_MAP()

  DWORD m_dwStyle;
  CTKCommandBars* m_pCommandBars;
  CArray<CTKToolBar*, CTKToolBar*> m_arrBars;
};
