// The toolkit's header control: an owner-painted header of a list view with a
// sort arrow, hot tracking, guarded column widths, columns fitted to the
// width, and a right-click menu for sorting and aligning columns.
#pragma once

#include <afxcmn.h>
#include <afxtempl.h>

class CTKHeaderCtrlTheme;
class CTKImageManager;

/// The toolkit's message that gives a window a theme by number (wParam).
#define WM_TK_SETTHEME 0x274B

/// A CHeaderCtrl that paints through a header theme (SetTheme). Used on the
/// UI thread of its window.
class CTKHeaderCtrl : public CHeaderCtrl {
  DECLARE_DYNAMIC(CTKHeaderCtrl)

 public:
  /// The base theme, no minimum width, nothing sorted, the menu enabled.
  CTKHeaderCtrl();
  ~CTKHeaderCtrl() override;

  /// The left button is down and the cursor is on this item.
  virtual BOOL IsItemPressed(int nItem);
  /// Lays the header out again and has the parent lay out its children.
  virtual BOOL RecalcLayout();
  /// The toolkit's shared font, or its bold variant; redraws.
  virtual void SetFontBold(BOOL bBold = TRUE);
  /// A menu resource and sub-menu index to show on a right click instead of
  /// the sort and alignment menu.
  virtual void SetPopupMenu(UINT nMenuId, int nSubMenu = 0);
  virtual void InitializeFont(BOOL bBold);
  /// Sets or clears the theme's sort-arrow draw style.
  virtual void ShowSortArrow(BOOL bShow);
  /// The format (LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT) of the right-clicked
  /// column of the parent list.
  virtual void SetColumnAlignment(int nFormat);
  virtual BOOL DetectRTLReading();
  /// An equal share of the width for each column that is not frozen, when
  /// that share is above the minimum column width.
  virtual void SetColumnWidths(int nWidth);
  /// The columns fitted to a width (0 or less: the client width).
  virtual void FitColumns(int nWidth);
  virtual int GetFrozenColumnsWidth();
  virtual void RefreshMetrics();

  /// Theme by number: 1-4 Office XP, 5 Office 2003, 6 and 8-10 Explorer,
  /// 7 resource, any other the base theme. TRUE when a theme was made.
  BOOL SetTheme(int nTheme);
  BOOL HasTheme() const { return m_pTheme != NULL; }
  CTKHeaderCtrlTheme* GetTheme() const { return m_pTheme; }
  /// A width change below it is refused; fitted widths apply only above it.
  void SetMinColumnWidth(int nWidth) { m_nMinColumnWidth = nWidth; }
  int GetMinColumnWidth() const { return m_nMinColumnWidth; }
  /// Marks the sorted column and its direction and redraws; the previous
  /// sorted column.
  int SetSortImage(int nColumn, BOOL bAscending);
  /// The sorted column (-1: none), its direction through the pointer.
  int GetSortedCol(BOOL* pbAscending = NULL) const;
  using CHeaderCtrl::HitTest;
  /// The item at a client point, or -1; the HHT_ flags through the pointer.
  int HitTest(CPoint pt, UINT* pFlags = NULL) const;
  BOOL IsColumnFrozen(int nColumn) const;
  void SetAutoFitColumns(BOOL bAutoFit) { m_bAutoFitColumns = (BYTE)(bAutoFit != FALSE); }
  BOOL IsAutoFitColumns() const { return m_bAutoFitColumns; }
  void EnablePopupMenus(BOOL bEnable) { m_bPopupMenu = bEnable; }
  /// An image manager for items with images (HDF_IMAGE); the header keeps a
  /// reference. Null: the header's image list.
  void SetImageManager(CTKImageManager* pImageManager);
  CTKImageManager* GetImageManager() const { return m_pImageManager; }
  /// The header's default handling of HDM_LAYOUT (what the base theme does).
  BOOL DefaultLayout(HDLAYOUT* pLayout);

 protected:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  afx_msg void OnPaint();
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
  afx_msg void OnWindowPosChanging(WINDOWPOS* pWndPos);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnDestroy();
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg BOOL OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnSortAscending();
  afx_msg void OnSortDescending();
  afx_msg void OnAlignLeft();
  afx_msg void OnAlignCenter();
  afx_msg void OnAlignRight();
  afx_msg LRESULT OnSetTheme(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  /// The parent list control (a list view window), or null.
  CWnd* GetParentList() const;
  /// Sorts the right-clicked item as if it had been clicked.
  void SortRightClicked(BOOL bAscending);

  int m_nMinColumnWidth;
  int m_nPopupSubMenu;
  int m_nHotItem;
  int m_nSortedCol;
  BYTE m_bRTLReading;
  BYTE m_bAutoFitColumns;
  BOOL m_bPopupMenu;
  BOOL m_bAscending;
  BOOL m_bLBtnDown;
  BOOL m_bHotItemDrawn;
  UINT m_nPopupMenuId;
  CPoint m_ptRightClick;
  /// Columns whose width the user cannot change; nothing in this program
  /// adds any.
  CArray<int, int> m_arrFrozenCols;
  CTKHeaderCtrlTheme* m_pTheme;
  CTKImageManager* m_pImageManager;
};
