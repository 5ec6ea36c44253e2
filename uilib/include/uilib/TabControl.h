// CTabControl: an owner-drawn tab strip over a page area. Each tab carries a
// caption, an id and a page window; the control shows the selected tab's page
// and hides the others, and draws strip and page frame itself. UI thread only.
#pragma once

#include <afxwin.h>

#include "foundation/TesselList.h"
#include "foundation/TesselOptimizedMap.h"
#include "foundation/TesselString.h"
#include "uilib/NativeDisplayControl.h"

class CTabControl;

/// Control id of a tab control made by CreateControl.
const int kTabControlId = 275;

/// One tab. Its page window is not owned.
class CTabControlTab {
 public:
  CTabControlTab();
  virtual ~CTabControlTab();

  void SetText(CTesselString text) { m_caption = text; }
  /// Stores the flag and shows (SW_SHOWNORMAL) or hides the page window.
  void SetSelected(bool selected);
  /// Sets the rectangle at (*x, top) from the caption's extent in the owner's
  /// display font, 20 wider and 8 higher, and moves *x to its right edge.
  bool Measure(int* x, int top);
  /// The selected frame (when selected), then the caption; false without
  /// owner, caption or drawing DC.
  bool Draw();
  bool DrawSelectedFrame(int left, int top, int right, int bottom);
  bool FillSelectedBackground(int left, int top, int right, int bottom);
  /// A line from (x, y) by (dx, dy) in the drawing DC's current pen.
  bool DrawLine(int x, int y, int dx, int dy);
  bool SetPixel(int x, int y, COLORREF color);

  CTabControl* m_pOwner;
  CTesselString m_caption;
  CWnd* m_pWindow;
  int m_nId;
  bool m_bSelected;
  CRect m_rect;

 private:
  HDC GetDrawDC() const;
  bool DrawPenLine(COLORREF color, int x, int y, int dx, int dy);
};

class CTabControl : public CNativeDisplayControl {
 public:
  CTabControl();
  /// Removes (deletes) every tab; the page windows stay.
  ~CTabControl() override;

  // Message handlers (the message map forwards to them).
  virtual void OnSize(UINT nType, int cx, int cy);
  virtual void OnLButtonDown(UINT nFlags, CPoint point);
  virtual void OnSetFocus(CWnd* pOldWnd);

  // Tabs ----------------------------------------------------------------------
  virtual int GetTabCount();
  /// A new tab for the window; false for no window, an id in use, or a failed add.
  virtual bool AddPage(CWnd* window, CTesselString caption, int id);
  /// Takes ownership of the tab on success. The first tab is selected and laid out.
  virtual bool AddTab(CTabControlTab* tab, int id);
  /// Deletes the tab and selects the first remaining one.
  virtual bool RemoveTab(int id);
  virtual bool RemoveAllTabs();
  virtual CWnd* GetTabWindow(int id);
  virtual CTabControlTab* FindTab(int id);
  /// Insertion-order walk; every IterateFirst needs its EndIteration.
  virtual CTabControlTab* IterateFirst();
  virtual CTabControlTab* IterateNext();
  virtual bool EndIteration();
  /// The id of the last tab showing the window; 0 when none does.
  virtual int FindTabIdOfWindow(CWnd* window);

  // Selection -----------------------------------------------------------------
  /// Shows the tab's page and hides the previous one; no repaint.
  virtual bool SelectTab(int id);
  /// 0 without selection.
  virtual int GetSelectedTabId();
  virtual CTabControlTab* GetSelectedTab();
  /// Called after SelectTab changed the selection; empty here.
  virtual void OnTabSelected(CTabControlTab* tab);
  virtual COLORREF GetBandColor();
  virtual COLORREF GetPageColor();
  /// The first tab whose rectangle holds the point, or null.
  virtual CTabControlTab* HitTestTab(POINT* point);
  /// Hides every page; the selection pointer stays.
  virtual bool DeselectAllTabs();
  virtual CTesselString* GetTabText(CTesselString* text, int id);
  /// Natural order of the captions; ids become the sorted positions.
  virtual bool SortTabs();

  // Layout --------------------------------------------------------------------
  virtual bool RecalcLayout();
  /// Lifts the bottom by 12 for a bordered control without square frame.
  virtual RECT* AdjustPageRect(RECT* rect);
  virtual bool MeasureTabs();
  virtual bool Layout();
  virtual bool PositionPages();
  virtual void SetSelectedTab(CTabControlTab* tab);

  // Painting ------------------------------------------------------------------
  virtual bool DrawLine(int x1, int y1, int x2, int y2, COLORREF color);
  virtual bool DrawTopBand();
  virtual bool DrawPageGradient();
  virtual bool PaintTabs();
  virtual bool DrawTabs();

  virtual bool QuickSortTabs(CTesselList* list, int lo, int hi);
  virtual CTesselString* GetListTabText(CTesselString* text, CTesselList* list, int index);

  void OnPaint() override;
  bool CreateControl(CWnd* parent) override;

  const CRect& GetStripRect() const { return m_stripRect; }
  const CRect& GetPageRect() const { return m_pageRect; }
  bool IsBusy() const { return m_bBusy; }

  CTesselOptimizedMap m_tabs;
  CTabControlTab* m_pSelectedTab;
  CRect m_stripRect;
  CRect m_pageRect;
  CRect m_pageMargins;  // left, top, right, bottom insets
  bool m_bBusy;
  bool m_bMarginLayout;
  bool m_bCompactLayout;
  bool m_bSquareFrame;

 protected:
  /// The frame rectangle of the page area (edges FL, FT, FR, FB of the drawing).
  CRect GetFrameRect();
  /// The rectangle both gradient bands cover.
  CRect GetBandRect();
  /// `rows` lines from y, one per step of the gradient from `from` to `to`.
  bool DrawGradientLines(const CRect& band, int y, int rows, COLORREF from, COLORREF to);

  DECLARE_MESSAGE_MAP()
};
