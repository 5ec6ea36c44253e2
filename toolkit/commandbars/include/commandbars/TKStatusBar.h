// The toolkit's status bar: a control bar at the bottom of a frame with a row
// of panes laid out around stretching panes, drawn by the theme's status-bar
// paint manager, with a size gripper, button panes, markup texts, and panes
// the user may hide through a pop-up, remembered in the application profile.
#pragma once

#include <afxwin.h>

#include <afxext.h>
#include <afxtempl.h>

#include "commandbars/TKPaintManager.h"
#include "commandbars/TKStatusBarPane.h"

class CTKCommandBars;
class CTKImageManager;
class CTKMarkupContext;
class CTKPopupBar;
class CTKPropExchange;
class CTKToolTipContext;

/// The window class the bar registers on first use.
#define TK_STATUSBAR_CLASSNAME _T("TKStatusBar")
/// The id and text of the customise pop-up's heading.
#define TK_ID_CUSTOMIZE_STATUSBAR 9186

class CTKStatusBar : public CControlBar {
  DECLARE_DYNCREATE(CTKStatusBar)

 public:
  CTKStatusBar();
  ~CTKStatusBar() override;

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
              UINT nID = AFX_IDW_STATUS_BAR);
  /// `dwCtrlStyle` adds window styles of its own (SBARS_SIZEGRIP and the like).
  BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);

  // Panes -----------------------------------------------------------------------

  /// Replaces the panes by one per id, texts from the string table; an id 0
  /// first becomes a borderless stretching pane. FALSE when a text is missing.
  BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
  void RemoveAll();
  int GetPaneCount() const { return static_cast<int>(m_arrPanes.GetSize()); }
  /// Null out of range.
  CTKStatusBarPane* GetPane(int nIndex) const;
  CTKStatusBarPane* FindPane(UINT nID) const;
  /// -1 when no pane has the id.
  int CommandToIndex(UINT nID) const;
  UINT GetPaneStyle(int nIndex) const;
  void SetPaneStyle(int nIndex, UINT nStyle);
  /// A style change that leaves SBPS_STRETCH alone only redraws the pane.
  void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
  CString GetPaneText(int nIndex) const;
  BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText);

  // Managers and settings -----------------------------------------------------------

  CTKCommandBars* GetCommandBars() const { return m_pCommandBars; }
  void SetCommandBars(CTKCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
  CTKPaintManager* GetPaintManager() const;
  CTKImageManager* GetImageManager() const;
  /// The current theme's, or null.
  CTKStatusBarPaintManager* GetStatusBarPaintManager() const;
  /// Its own font, else the theme's status-bar font.
  CFont* GetFont();
  void SetFont(CFont* pFont);
  /// Pane texts become markup while on.
  void EnableMarkup(BOOL bEnable = TRUE);
  CTKMarkupContext* GetMarkupContext() const { return m_pMarkupContext; }
  /// The user may hide panes (right-click pop-up), and their state is saved.
  void EnableCustomization(BOOL bEnable = TRUE) { m_bCustomization = bEnable; }
  BOOL IsCustomizationEnabled() const { return m_bCustomization; }
  BOOL IsDrawDisabledText() const { return m_bDrawDisabledText; }
  void SetDrawDisabledText(BOOL bDraw) { m_bDrawDisabledText = bDraw; }
  BOOL IsAllCaps() const { return m_bAllCaps; }
  void SetAllCaps(BOOL bAllCaps);
  BOOL IsDrawGripper() const { return m_bDrawGripper; }
  void SetDrawGripper(BOOL bDraw) { m_bDrawGripper = bDraw; }
  /// The button pane under the mouse, or null.
  CTKStatusBarPane* GetHotPane() const { return m_pHotPane; }
  int GetPaneGap() const { return m_nPaneGap; }

  // Saved state ------------------------------------------------------------------------

  void SavePaneState(LPCTSTR lpszProfileName);
  void LoadPaneState(LPCTSTR lpszProfileName);
  virtual void DoPropExchange(CTKPropExchange* pPX);

  // Overridables ------------------------------------------------------------------------

  virtual void DrawPaneEntry(CDC* pDC, int nIndex, CRect rcItem);
  /// Lays the panes out in the inside rectangle and places their windows.
  virtual void UpdateAllPanes();
  virtual void DrawSizeGripper(CDC* pDC, CRect rcClient);
  /// WM_COMMAND with the pane's id to the parent.
  virtual void OnPaneClick(CTKStatusBarPane* pPane);
  /// The pop-up of the panes the user may hide, led by its heading; owned
  /// by the caller. Null when there are command bars and no pop-up class.
  virtual CTKPopupBar* CreateCustomizePopup();

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void CalcInsideRect(CRect& rect, BOOL bHorz) const override;
  void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

  /// Whether the parent frame is maximised (no gripper then).
  BOOL IsParentMaximized() const;
  /// Draws the whole bar into the DC as WM_PAINT does.
  void DrawBar(CDC* pDC);

 protected:
  friend class CTKStatusBarPane;

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  /// Shows the customise pop-up at a screen point; the command bars track it.
  virtual void TrackCustomizePopup(CTKPopupBar* pPopup, CPoint ptScreen);

  /// The visible pane at a client point, or null.
  CTKStatusBarPane* HitTestPane(CPoint point) const;
  void SetHotPane(CTKStatusBarPane* pPane, CPoint point);
  void PositionPaneWindows();
  /// Hides and shows panes from "101=1;102=0" (newlines count as ";").
  void ApplyPaneState(CString strState);
  /// "%i=%i" per customisable pane, joined by ";".
  CString FormatPaneState() const;
  void HideBar();

  afx_msg void OnPaint();
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpWndPos);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  CTKGlobalPaintManagerRef m_globalPaintManager;
  CArray<CTKStatusBarPane*, CTKStatusBarPane*> m_arrPanes;
  int m_nMinHeight;
  CFont m_font;
  BOOL m_bDrawGripper;
  BOOL m_bAllCaps;
  CTKStatusBarPane* m_pHotPane;
  CTKMarkupContext* m_pMarkupContext;
  int m_nPaneGap;
  BOOL m_bCustomization;
  CTKCommandBars* m_pCommandBars;
  CTKToolTipContext* m_pToolTipContext;
  BOOL m_bDrawDisabledText;
};
