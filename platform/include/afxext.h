// Control bars over the common controls: the tool bar and the rebar.
#pragma once

#include "afxframe.h"

#include <commctrl.h>

class CReBarCtrl;  // afxcmn.h

/// The resource type of a tool bar's layout: version 1, the image width and
/// height, the item count, then one command id per item (0: a separator).
#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

// Styles of a status-bar pane.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS  // 0x0100
#define SBPS_POPOUT SBT_POPOUT        // 0x0200
#define SBPS_OWNERDRAW SBT_OWNERDRAW  // 0x1000
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000  // the pane takes the bar's spare width

/// A tool bar common control laid out by its frame. Buttons come from a
/// tool-bar resource and the bitmap of the same name; their enabled and
/// checked states follow the frame's update handlers at idle time.
class CToolBar : public CControlBar {
  DECLARE_DYNAMIC(CToolBar)

 public:
  CToolBar();
  ~CToolBar() override;

  /// dwStyle carries both window styles and CBRS_ bar styles.
  virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                      UINT nID = AFX_IDW_TOOLBAR);
  /// dwCtrlStyle: TBSTYLE_ styles of the control.
  virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                        CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

  /// Replaces the buttons with those of the tool-bar resource and its
  /// bitmap; FALSE when either is missing or malformed.
  BOOL LoadToolBar(LPCTSTR lpszResourceName);
  BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
  /// One button per id (0: a separator); the images are used in order. A
  /// null lpIDArray makes nIDCount separators.
  BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
  /// The button size must exceed the image size by at least 7 x 6.
  void SetSizes(SIZE sizeButton, SIZE sizeImage);

  UINT GetItemID(int nIndex) const;
  /// The index of the button with that command, or -1.
  int CommandToIndex(UINT nIDFind) const;
  void GetItemRect(int nIndex, LPRECT lpRect) const;

  /// The buttons' extent (stretched along the bar) plus the border lines.
  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

 private:
  HBITMAP m_hbmImageWell;  // owned; the control only refers to it
};

/// A rebar common control laid out by its frame (id AFX_IDW_REBAR). Each
/// band holds one child window, usually a tool bar.
class CReBar : public CControlBar {
  DECLARE_DYNAMIC(CReBar)

 public:
  CReBar();

  /// dwCtrlStyle: RBS_ styles; dwStyle: window and CBRS_ bar styles.
  virtual BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                      DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                      CBRS_TOP,
                      UINT nID = AFX_IDW_REBAR);
  /// Appends a band holding pBar at its present window size (its minimum
  /// and ideal size); the band id is the bar's control id. The frame
  /// routes the bar's commands as before.
  BOOL AddBar(CWnd* pBar, LPCTSTR pszText = NULL, CBitmap* pbmp = NULL,
              DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);

  /// The bar's window as the rebar control it is (CReBarCtrl is in afxcmn.h).
  CReBarCtrl& GetReBarCtrl() const {
    return *reinterpret_cast<CReBarCtrl*>(const_cast<CReBar*>(this));
  }

  /// The height of the bands (stretched along the bar) plus the border lines.
  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  /// The bands' bars update themselves.
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

 protected:
  /// The bands changed height: the frame lays out again.
  afx_msg void OnHeightChange(NMHDR* pNMHDR, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()
};
