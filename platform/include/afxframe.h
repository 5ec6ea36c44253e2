// Frame windows and the control bars they lay out: CFrameWnd, CMDIFrameWnd,
// CMiniFrameWnd and CControlBar.
#pragma once

#include "afxwnd.h"
#include "afxmenu.h"
#include "afxres.h"

class CControlBar;
class CFrameWnd;
class CMDIFrameWnd;
class CMDIChildWnd;
class CView;
class CDocument;
class CDocTemplate;

// Frame styles: class-specific style bits, which overlapped windows leave
// free, so they stay in the window's style.
#define FWS_ADDTOTITLE 0x00008000L   // the title shows the document name
#define FWS_PREFIXTITLE 0x00004000L  // ... in front of the application name
#define FWS_SNAPTOBARS 0x00002000L

// Control-bar styles (CControlBar::m_dwStyle).
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Layout modes of CalcDynamicLayout.
#define LM_STRETCH 0x01   // take the whole length
#define LM_HORZ 0x02      // lay out horizontally
#define LM_MRUWIDTH 0x04  // the most recently used width
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20  // nLength is a height, not a width
#define LM_COMMIT 0x40   // remember the result

/// What a frame is created with: the view class, document and template a
/// document frame shows (all null in a program without documents).
struct CCreateContext {
  CRuntimeClass* m_pNewViewClass = nullptr;
  CDocument* m_pCurrentDoc = nullptr;
  CDocTemplate* m_pNewDocTemplate = nullptr;
  CView* m_pLastView = nullptr;
  CFrameWnd* m_pCurrentFrame = nullptr;
};

/// Stands for the print-preview state handed to OnSetPreviewMode.
struct CPrintPreviewState {
  UINT nIDMainPane = AFX_IDW_PANE_FIRST;
  HMENU hMenu = nullptr;
  DWORD dwStates = 0;
  HWND hWndFocus = nullptr;
  HACCEL hAccelTable = nullptr;
};

/// A bar along one side of a frame (tool bar, status bar, ...). It takes its
/// band when the frame lays out (WM_SIZEPARENT), updates its items from the
/// frame's command handlers at idle time, and can be shown or hidden with
/// the delay the frame's layout needs.
class CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)

 public:
  CControlBar();
  ~CControlBar() override;

  /// Items (buttons, panes) of the bar.
  int GetCount() const { return m_nCount; }
  DWORD GetBarStyle() const { return m_dwStyle; }
  /// Keeps the CBRS_ bits of dwStyle; calls OnBarStyleChange.
  void SetBarStyle(DWORD dwStyle);
  /// Records where the bar may dock; the frame itself does no docking.
  void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
  BOOL IsFloating() const { return (m_dwStyle & CBRS_FLOATING) != 0; }
  CFrameWnd* GetDockingFrame() const;
  /// Visible, counting a pending delayed show or hide.
  virtual BOOL IsVisible() const;
  /// Shows or hides at the frame's next layout.
  virtual void DelayShow(BOOL bShow);

  /// The size of a docked bar: a stretched bar takes the whole length.
  virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
  /// nLength -1 with a docking mode: the fixed layout of that orientation.
  virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
  /// The client rectangle less the bar's borders and, for a docked bar of
  /// style CBRS_GRIPPER, the gripper's 7 pixels at its leading end.
  virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
  virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
  /// Updates the bar's items from pTarget's update handlers.
  virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
  /// Applies a pending delayed show or hide to the returned style; moves
  /// the window only when lpLayout carries a deferred-position handle.
  virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);

  /// Paints the non-client area with the button face.
  void EraseNonClient();

  enum StateFlags { delayHide = 1, delayShow = 2, tempHide = 4, statusSet = 8 };

  BOOL m_bAutoDelete;  // PostNcDestroy deletes the object
  int m_cxLeftBorder, m_cxRightBorder;
  int m_cyTopBorder, m_cyBottomBorder;
  int m_cxDefaultGap;
  UINT m_nMRUWidth;
  int m_nCount;
  DWORD m_dwStyle;      // CBRS_ bits
  DWORD m_dwDockStyle;  // CBRS_ALIGN_ bits it may dock to
  UINT m_nStateFlags;
  CFrameWnd* m_pDockSite;

 protected:
  /// The bar's size for content of sizeContent: with the borders of
  /// CalcInsideRect, and the whole length when stretched.
  CSize SizeAroundContent(CSize sizeContent, BOOL bStretch, BOOL bHorz) const;

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  void PostNcDestroy() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  /// Commands, notifications and owner-draw messages that neither the bar's
  /// map nor a control's reflection took go to the owner: those of its
  /// controls, its tool tip and the pop-up menus it tracks. A tool tip's
  /// text request the owner leaves empty comes back to the bar's own default.
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnDestroy();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnNcPaint();
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);

  DECLARE_MESSAGE_MAP()
};

/// A top-level window with a menu, accelerators, an icon and a title from
/// one resource id, control bars laid out around a client window, and the
/// command routing frame -> application. Frames live on the heap: the
/// object deletes itself when its window is destroyed.
class CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)

 public:
  /// The position and size Windows chooses.
  static const CRect rectDefault;

  CFrameWnd();
  ~CFrameWnd() override;

  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
              const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL,
              DWORD dwExStyle = 0, CCreateContext* pContext = NULL);
  /// Creates the frame with the menu, accelerator table and icon of
  /// nIDResource and the title of its string (up to the first '\n').
  virtual BOOL LoadFrame(UINT nIDResource,
                         DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
  BOOL LoadAccelTable(LPCTSTR lpszResourceName);

  /// Positions the control bars and gives the rest to the client window.
  virtual void RecalcLayout(BOOL bNotify = TRUE);
  /// Asks for RecalcLayout at the next idle time.
  void DelayRecalcLayout(BOOL bNotify = TRUE) {
    m_nIdleFlags |= (idleLayout | (bNotify ? idleNotify : 0));
  }
  /// Asks for OnUpdateFrameTitle at the next idle time.
  void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
  virtual void ActivateFrame(int nCmdShow = -1);
  /// The frame whose commands are active: this one (an MDI frame: its
  /// active child).
  virtual CFrameWnd* GetActiveFrame();
  /// The frame's active view, or null (always null without views).
  CView* GetActiveView() const { return m_pViewActive; }
  /// Makes pViewNew the active view; it must be a view inside this frame.
  /// A view that is destroyed stops being the active view by itself. The
  /// views have no activation of their own to be told of (bNotify).
  void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
  /// The active view's document, or null.
  virtual CDocument* GetActiveDocument();
  /// Puts a menu on the frame: hMenuAlt, else the active document's
  /// default menu, else the frame's default menu.
  virtual void OnUpdateFrameMenu(HMENU hMenuAlt);

  // The message bar ------------------------------------------------------------

  /// The window that shows prompts: the status bar (the first descendant
  /// bound to an object with id AFX_IDW_STATUS_BAR), or null.
  virtual CWnd* GetMessageBar();
  /// The prompt of command nID: its string resource up to the first '\n';
  /// empty when there is no such string.
  virtual void GetMessageString(UINT nID, CString& rMessage) const;
  /// Shows the text (WM_SETMESSAGESTRING); a null text clears the bar.
  void SetMessageText(LPCTSTR lpszText);
  /// Shows the prompt of command nID.
  void SetMessageText(UINT nID);
  virtual HACCEL GetDefaultAccelerator();
  BOOL IsFrameWnd() const override { return TRUE; }

  CString GetTitle() const { return m_strTitle; }
  /// The name the frame shows; the window text follows at the next title update.
  void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
  /// Writes the title to the window text; only FWS_ADDTOTITLE frames are
  /// retitled. Runs at idle time only when DelayUpdateFrameTitle asked
  /// for it, so a text the application set stays.
  virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
  void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);

  virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);

  CControlBar* GetControlBar(UINT nID);
  void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
  void AddControlBar(CControlBar* pBar);
  void RemoveControlBar(CControlBar* pBar);

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  /// Accelerators of GetDefaultAccelerator for key messages.
  BOOL PreTranslateMessage(MSG* pMsg) override;
  /// This frame's map, then the application's.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };

  BOOL m_bAutoMenuEnable;  // disable menu items that have no handler
  BOOL m_bHelpMode;        // Shift+F1 help mode
  UINT m_nIDHelp;
  int m_nWindow;  // the ":n" of the title; 0 for none
  int m_nIdleFlags;
  HACCEL m_hAccelTable;
  HMENU m_hMenuDefault;  // the menu the frame was loaded with
  CRect m_rectBorder;    // space RecalcLayout keeps free around the client
  CPtrList m_listControlBars;
  CString m_strTitle;
  UINT m_nIDTracking;     // the command whose prompt is shown or about to be
  UINT m_nIDLastMessage;  // the prompt shown last (0: an explicit text)

 protected:
  BOOL m_bInRecalcLayout;
  CView* m_pViewActive;

  /// OnCreate's work, with the context a derived frame found itself.
  int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);

  /// Creates the client window; the default has none.
  virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
  void PostNcDestroy() override;
  /// The window class of LoadFrame: the default one with the frame's icon.
  LPCTSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);

  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnClose();
  afx_msg void OnDestroy();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  /// Activation passed between this window's family and another top-level
  /// window (sent by CWnd on WM_ACTIVATE); leaves help mode.
  afx_msg LRESULT OnActivateTopLevel(WPARAM wParam, LPARAM lParam);
  afx_msg void OnIdleUpdateCmdUI();
  afx_msg LRESULT OnIdleUpdateCmdUIMsg(WPARAM, LPARAM);
  /// Sets the pop-up's items from their update handlers before it shows; a
  /// sub-menu's item is left as it is (its first command's handler still runs).
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
  afx_msg BOOL OnBarCheck(UINT nID);
  /// wParam: a command whose prompt to show, or lParam: the text. Returns
  /// the command shown before.
  afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
  /// WM_SETMESSAGESTRING unless a menu is open (WF_NOPOPMSG).
  afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
  /// The prompt of the item under the cursor shows when the menu goes idle;
  /// the idle message once the menu closes.
  afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
  afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
  /// A frame with WF_STAYACTIVE keeps its active caption while enabled; a
  /// disabled frame looks inactive.
  afx_msg BOOL OnNcActivate(BOOL bActive);

  DECLARE_MESSAGE_MAP()
};

/// A frame whose client is an MDI client window. The menu shown is the
/// default menu or one switched in with MDISetMenu (WM_MDISETMENU).
class CMDIFrameWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIFrameWnd)

 public:
  CMDIFrameWnd();

  HWND m_hWndMDIClient;
  HMENU m_hMenuWindow;  // the popup the client lists child windows in

  /// Creates the MDI client (id AFX_IDW_PANE_FIRST); it takes the frame's
  /// scroll bars and client edge and lists children in pWindowMenu.
  virtual BOOL CreateClient(LPCREATESTRUCT lpcs, CMenu* pWindowMenu);
  /// Shows pFrameMenu (and the window list in pWindowMenu); returns the
  /// menu shown before.
  CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);
  /// The active child's menu (CMDIChildWnd::OnUpdateFrameMenu); without an
  /// active child hMenuAlt, or the default menu, goes back on the frame.
  void OnUpdateFrameMenu(HMENU hMenuAlt) override;
  /// The pop-up of hMenuBar that holds the ID_WINDOW_* commands, or null.
  HMENU GetWindowMenuPopup(HMENU hMenuBar);
  /// The active MDI child when it is a CMDIChildWnd of this thread, else
  /// null; *pbMaximized says whether it is maximised.
  CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = NULL) const;
  void MDIActivate(CWnd* pWndActivate);
  CFrameWnd* GetActiveFrame() override;
  /// The active child's routing first, then this frame's.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;

 protected:
  /// Unhandled messages go to DefFrameProc with the client.
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  afx_msg void OnDestroy();
  afx_msg void OnSize(UINT nType, int cx, int cy);

  DECLARE_MESSAGE_MAP()

 private:
  /// The MDI client's active child window (of any kind), or null.
  HWND ActiveChildHwnd(BOOL* pbMaximized = NULL) const;
};

/// A document window inside an MDI frame's client. While it is active its
/// shared menu (m_hMenuShared) is the frame's, and the frame offers every
/// command to it first.
class CMDIChildWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIChildWnd)

 public:
  CMDIChildWnd();

  /// Creates the child in pParentWnd's MDI client (null: the main window)
  /// through WM_MDICREATE, hidden; with WS_VISIBLE it is then shown and
  /// activated.
  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                      DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                      const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = NULL,
                      CCreateContext* pContext = NULL);
  /// Title and icon of nIDResource (m_nIDHelp becomes it); the shared menu
  /// and accelerators come from pContext's CMultiDocTemplate when it has one.
  BOOL LoadFrame(UINT nIDResource,
                 DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW |
                                        FWS_ADDTOTITLE,
                 CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
  /// Destroys the child through its MDI client.
  BOOL DestroyWindow() override;

  CMDIFrameWnd* GetMDIFrame() const;
  void MDIActivate();
  void MDIDestroy();
  void MDIMaximize();
  void MDIRestore();

  using CFrameWnd::OnUpdateFrameMenu;
  /// Activating: the MDI frame shows hMenuAlt, else the active document's
  /// menu, else m_hMenuShared (with its Window pop-up as the window list).
  /// The last child going (pActivateWnd null): the frame's default menu.
  /// Otherwise the window list is refreshed.
  virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);
  /// The MDI frame's message bar.
  CWnd* GetMessageBar() override;

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  /// The child's accelerators are translated for the MDI frame, which
  /// routes their commands to the active child first.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  HMENU m_hMenuShared;  // the frame's menu while the child is active (not owned)

 protected:
  /// Unhandled messages go to DefMDIChildProc.
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);

  DECLARE_MESSAGE_MAP()
};

/// A small floating frame with a tool-window caption (floating bars).
class CMiniFrameWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMiniFrameWnd)

 public:
  CMiniFrameWnd();
  BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
              CWnd* pParentWnd = NULL, UINT nID = 0);
  BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                const RECT& rect, CWnd* pParentWnd = NULL, UINT nID = 0);
};
