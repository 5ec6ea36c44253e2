// CWnd: a window object bound to one window handle, with a message map.
#pragma once

#include "afx.h"
#include "afxcmdtarget.h"
#include "afxgdi.h"
#include "afxmsg_.h"
#include "afxpriv.h"

#include <commctrl.h>

// The system's macro of that name would hide the member.
#ifdef GetNextWindow
#undef GetNextWindow
#endif

class CFrameWnd;
struct CCreateContext;

// CWnd::m_nFlags: state the layer keeps about a window.
#define WF_TOOLTIPS 0x0001          // shows tool tips for its children
#define WF_TEMPHIDE 0x0002          // hidden for a while (a bar during preview)
#define WF_STAYDISABLED 0x0004      // stays disabled after a modal loop
#define WF_MODALLOOP 0x0008         // runs a modal loop
#define WF_CONTINUEMODAL 0x0010     // the modal loop goes on
#define WF_STAYACTIVE 0x0020        // a frame that keeps its active caption (OnNcActivate)
#define WF_NOPOPMSG 0x0040          // a frame that ignores WM_POPMESSAGESTRING (a menu is open)
#define WF_MODALDISABLE 0x0080      // disabled by a modal loop
#define WF_KEEPMINIACTIVE 0x0200    // stays active for one more activation
#define WF_TRACKINGTOOLTIPS 0x0400  // shows tracking tool tips

/// The window procedure of every window the layer creates or subclasses.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
WNDPROC AFXAPI AfxGetAfxWndProc();

/// A window object. The object is the window's permanent owner once Create,
/// Attach or SubclassWindow bound it: the handle map of the creating thread
/// then finds it by handle and AfxWndProc hands it the window's messages.
/// Objects from FromHandle for windows nobody bound are temporary, deleted at
/// idle time. A CWnd whose m_hWnd is set directly is outside the map: its
/// message map is reached only by calling OnWndMsg/WindowProc on it.
/// Used on the thread that owns the window.
class COleControlSite;
class CFile;

class CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)

 public:
  CWnd();
  /// Destroys a window still bound to the object.
  ~CWnd() override;

  HWND m_hWnd;
  HWND m_hWndOwner;  // see SetOwner
  UINT m_nFlags;     // WF_* bits
  /// The site of an OLE control made by CreateControl (owned), else null.
  COleControlSite* m_pCtrlSite = nullptr;

  // Both may be called on a null object (the library's users are built with
  // -fno-delete-null-pointer-checks, so the test stays).
  operator HWND() const { return this == nullptr ? nullptr : m_hWnd; }
  HWND GetSafeHwnd() const { return this == nullptr ? nullptr : m_hWnd; }
  bool operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
  bool operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

  // Handle maps -----------------------------------------------------------------

  /// The permanent object of hWnd on this thread, else a temporary one
  /// (valid until the next idle time); null for a null handle.
  static CWnd* PASCAL FromHandle(HWND hWnd);
  /// The permanent object of hWnd on this thread, or null.
  static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
  /// Deletes this thread's temporary window objects.
  static void PASCAL DeleteTempMap();
  /// Binds the object to hWnd as its permanent object (no subclassing).
  BOOL Attach(HWND hWndNew);
  /// Unbinds the object; returns the handle, which stays a window.
  HWND Detach();

  // Creation ----------------------------------------------------------------------

  /// A child window (WS_CHILD is added) with control id nID.
  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                      const RECT& rect, CWnd* pParentWnd, UINT nID,
                      CCreateContext* pContext = NULL);
  /// Creates the window through PreCreateWindow; system classes ("EDIT",
  /// "STATIC", ...) are subclassed to AfxWndProc before their first message.
  /// On failure the object is left unbound and PostNcDestroy has run.
  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                        HMENU nIDorHMenu, LPVOID lpParam = NULL);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        LPVOID lpParam = NULL);
  /// Last change to the creation parameters; a null class becomes the
  /// layer's default class (CS_DBLCLKS, arrow cursor). FALSE cancels.
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  /// A control made by CreateControl is deactivated, closed and released.
  virtual BOOL DestroyWindow();

  /// Creates the OLE control of `clsid` in place in pParentWnd (its window,
  /// with id nID, at `rect` in the parent's client coordinates, becomes this
  /// object's window). Needs AfxEnableControlContainer first and COM on the
  /// thread; only windowed controls, and no persisted state or licence key
  /// (those arguments must be null). FALSE when the control cannot be made
  /// or activated; the object is then left without a window.
  virtual BOOL CreateControl(REFCLSID clsid, LPCTSTR lpszWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID, CFile* pPersist = NULL,
                             BOOL bStorage = FALSE, BSTR bstrLicKey = NULL);
  /// The control's IUnknown (no reference added), or null for a window that
  /// is not a control.
  LPUNKNOWN GetControlUnknown();

  /// Binds the object to an existing window and routes its messages through
  /// the map; the previous procedure becomes the super procedure.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  /// Puts the previous procedure back and unbinds; returns the handle.
  HWND UnsubclassWindow();
  /// Called once the object is bound, before the window procedure changes.
  virtual void PreSubclassWindow();

  // Message handling ----------------------------------------------------------------

  virtual BOOL PreTranslateMessage(MSG* pMsg);
  /// Walks from pMsg's window up through its parents to hWndStop, offering
  /// the message to each permanent object's PreTranslateMessage.
  static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
  /// Updates the child controls through update handlers: a control's own
  /// ON_UPDATE_COMMAND_UI_REFLECT entry first, then this window's map, then
  /// pTarget's routing. With bDisableIfNoHndler a push button whose command
  /// nobody handles is disabled; other controls (check boxes, radio buttons,
  /// group boxes, edits) keep their state.
  void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
  /// The index of the tool under `point` (client coordinates) for tool tips,
  /// or -1; a child window under the point is the tool.
  virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;

  /// The message the thread's window procedure is handling, with the time
  /// and cursor position of the last message taken from the queue.
  static const MSG* PASCAL GetCurrentMessage();

  /// Gives the message being handled (the thread's last-sent message) to the
  /// permanent object of hWndChild as a notification of its own.
  static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = NULL);
  BOOL SendChildNotifyLastMsg(LRESULT* pResult = NULL);

  void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE);

  enum RepositionFlags {
    reposDefault = 0,
    reposQuery = 1,
    reposExtra = 2,
    reposNoPosLeftOver = 0x8000
  };
  /// Lays out the child bars with ids nIDFirst..nIDLast (each takes its band
  /// on WM_SIZEPARENT) and gives the rest of the client area to the child
  /// nIDLeftOver. reposQuery only fills lpRectParam with what is left (or,
  /// without bStretch, the bars' total size); reposExtra keeps the borders
  /// in lpRectParam free around the left-over child.
  void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags = reposDefault,
                      LPRECT lpRectParam = NULL, LPCRECT lpRectClient = NULL, BOOL bStretch = TRUE);
  enum AdjustType { adjustBorder = 0, adjustOutside = 1 };
  virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);

  /// Colours a control the dialog way: background of hbrGray, text clrText
  /// ((COLORREF)-1: the window-text colour). FALSE for edits, message boxes,
  /// scroll bars and lists other than a drop-down combo box's, which keep
  /// their own colours.
  static BOOL PASCAL GrayCtlColor(HDC hDC, HWND hWnd, UINT nCtlColor, HBRUSH hbrGray,
                                  COLORREF clrText);
  /// The window that should own a modal box for pParent (null: the frame
  /// routing the current command, else the main window): the top-level
  /// window above it, or its last active popup when no parent is given. With pWndTop the top-level
  /// window is disabled when it is another window and returned there, for the caller to enable.
  static CWnd* PASCAL GetSafeOwner(CWnd* pParent = NULL, HWND* pWndTop = NULL);
  static HWND PASCAL GetSafeOwner_(HWND hParent, HWND* pWndTop);
  /// Centres the window on its owner (or parent, or pAlternateOwner), or on
  /// the work area when it has none or the owner is hidden or minimised.
  void CenterWindow(CWnd* pAlternateOwner = NULL);

  // Plain wrappers ---------------------------------------------------------------------

  DWORD GetStyle() const { return (DWORD)::GetWindowLongPtr(m_hWnd, GWL_STYLE); }
  DWORD GetExStyle() const { return (DWORD)::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE); }
  /// Changes style bits; with nFlags, also SetWindowPos(nFlags | frame changed).
  /// TRUE when the style changed.
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
  static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
  }

  void SetWindowText(LPCTSTR lpszString) { ::SetWindowText(m_hWnd, lpszString); }
  // The window text as wide characters, whatever the text's code page.
  BOOL SetWindowTextW(LPCWSTR lpszString) { return ::SetWindowTextW(m_hWnd, lpszString); }
  int GetWindowTextW(LPWSTR lpszStringBuf, int nMaxCount) const {
    return ::GetWindowTextW(m_hWnd, lpszStringBuf, nMaxCount);
  }
  void GetWindowTextW(CStringW& rString) const;
  int GetWindowTextLengthW() const { return ::GetWindowTextLengthW(m_hWnd); }
  int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
    return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
  }
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }
  CFont* GetFont() const;
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);

  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  int SetDlgCtrlID(int nID) { return (int)::SetWindowLongPtr(m_hWnd, GWLP_ID, nID); }
  CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
  /// The first window with control id nID below this one: a child first,
  /// then the children's descendants. With bOnlyPerm only windows bound to
  /// an object count; null when there is none.
  CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
  static CWnd* PASCAL GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm);
  /// The next (or previous) control with WS_TABSTOP after pWndCtl in this
  /// dialog-like window.
  CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const {
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
  }
  CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const {
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
  }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  CWnd* SetParent(CWnd* pWndNewParent) {
    return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
  }
  /// The window SetOwner named, else the parent (a pop-up's parent is its owner).
  CWnd* GetOwner() const;
  /// Names the window that gets the notifications a control bar passes on;
  /// only the object remembers it, so a child window keeps its parent.
  void SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = pOwnerWnd->GetSafeHwnd(); }
  CWnd* GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
  CWnd* GetTopWindow() const { return FromHandle(::GetTopWindow(m_hWnd)); }
  CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const {
    return FromHandle(::GetWindow(m_hWnd, nFlag));
  }
  /// The window itself or the first ancestor that is not a child window.
  CWnd* GetParentOwner() const;
  /// The end of the chain of parents and, for top-level windows, owners.
  CWnd* GetTopLevelParent() const;
  CWnd* GetTopLevelOwner() const;
  /// The nearest frame above (through parents and owners), or null. Only
  /// permanent objects count: a temporary wrapper is never a frame.
  CFrameWnd* GetParentFrame() const;
  /// The outermost frame containing the window, or the window itself when
  /// it is a frame with none around it; null when there is no frame.
  CFrameWnd* GetTopLevelFrame() const;
  virtual BOOL IsFrameWnd() const;
  BOOL IsChild(const CWnd* pWnd) const { return ::IsChild(m_hWnd, pWnd->GetSafeHwnd()); }
  static CWnd* PASCAL GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
  static CWnd* PASCAL GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
  static CWnd* PASCAL GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
  static CWnd* PASCAL WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }
  CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
  /// The pop-up this window owns that was active last (the window itself when none).
  CWnd* GetLastActivePopup() const { return FromHandle(::GetLastActivePopup(m_hWnd)); }
  BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }

  BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
  /// A control's window moves through its site, so the control lays itself out anew.
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE) {
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
  }
  /// pWndInsertAfter may be a real window or &wndTop, &wndBottom, ...
  /// As MoveWindow, through a control's site.
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
  void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
  void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
  void ClientToScreen(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
  void ScreenToClient(LPRECT lpRect) const;
  void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const {
    ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
  }
  void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const {
    ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), reinterpret_cast<LPPOINT>(lpRect), 2);
  }

  void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, NULL, bErase); }
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) {
    ::InvalidateRect(m_hWnd, lpRect, bErase);
  }
  void ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, CRgn* prgnUpdate = NULL,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  void SetRedraw(BOOL bRedraw = TRUE) { ::SendMessage(m_hWnd, WM_SETREDRAW, bRedraw, 0); }
  /// Stops drawing in the window until UnlockWindowUpdate (one window at a time).
  BOOL LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
  void UnlockWindowUpdate() { ::LockWindowUpdate(NULL); }
  /// The window takes the region (owned by the system from then on); null
  /// removes it.
  int SetWindowRgn(HRGN hRgn, BOOL bRedraw) { return ::SetWindowRgn(m_hWnd, hRgn, bRedraw); }
  int GetWindowRgn(HRGN hRgn) const { return ::GetWindowRgn(m_hWnd, hRgn); }
  /// The window's menu bar, or its system menu (bRevert: reset it to the
  /// default and return null); temporary objects.
  CMenu* GetMenu() const;
  BOOL SetMenu(CMenu* pMenu);
  void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
  CMenu* GetSystemMenu(BOOL bRevert) const;
  /// nBar SB_HORZ, SB_VERT or SB_BOTH.
  void ShowScrollBar(UINT nBar, BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, nBar, bShow); }
  /// The big (ICON_BIG, bBigIcon TRUE) or small icon; returns the previous one.
  HICON SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(::SendMessage(
        m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
  }
  HICON GetIcon(BOOL bBigIcon) const {
    return reinterpret_cast<HICON>(
        ::SendMessage(m_hWnd, WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0));
  }
  /// A temporary CDC of the window's client DC; give it back with ReleaseDC.
  CDC* GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
  CDC* GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
  /// A DC clipped to prgnClip as flags (DCX_*) say; give it back with ReleaseDC.
  CDC* GetDCEx(CRgn* prgnClip, DWORD flags) {
    return CDC::FromHandle(
        ::GetDCEx(m_hWnd, static_cast<HRGN>(CGdiObject::SafeHandle(prgnClip)), flags));
  }
  int ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()); }

  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  static CWnd* PASCAL GetFocus() { return FromHandle(::GetFocus()); }
  CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
  static CWnd* PASCAL GetCapture() { return FromHandle(::GetCapture()); }

  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                    void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD) = NULL) {
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
  }
  BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

  /// Stand-ins for HWND_TOP, HWND_BOTTOM, HWND_TOPMOST and HWND_NOTOPMOST
  /// as the pWndInsertAfter of SetWindowPos.
  static const CWnd wndTop;
  static const CWnd wndBottom;
  static const CWnd wndTopMost;
  static const CWnd wndNoTopMost;

 protected:
  /// The previous window procedure of a subclassed window (null: the
  /// system's DefWindowProc).
  WNDPROC m_pfnSuper;

  /// Where the previous procedure is kept; a class that keeps its own
  /// returns the address of its member.
  virtual WNDPROC* GetSuperWndProcAddr();
  /// OnWndMsg, else DefWindowProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  /// Dispatches through the message map; FALSE when nothing handled it.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  /// The previous window procedure, or the system's default.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  /// Passes the message being handled (the thread's last-sent message) on
  /// to DefWindowProc; for handlers that want the default as well.
  LRESULT Default();

  /// WM_COMMAND: reflects a control's notification to it first, then routes
  /// it through OnCmdMsg. A menu or accelerator command whose update handler
  /// disables it is dropped.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  /// WM_NOTIFY: reflection first, then OnCmdMsg.
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  /// A notification the parent passed to this control; the default reflects it.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  /// Looks the notification up under its reflected form in this map.
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  /// Last call for the object of a destroyed window; a class whose objects
  /// live on the heap deletes itself here.
  virtual void PostNcDestroy();

  static void PASCAL SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              BOOL bDeep, BOOL bOnlyPerm);

  // Handlers; each default passes the message on (Default) unless noted.
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  /// Passes the message on, puts the previous procedure back, unbinds and
  /// calls PostNcDestroy; the main window's destruction ends the thread's loop.
  afx_msg void OnNcDestroy();
  afx_msg void OnClose();
  afx_msg void OnPaint();
  afx_msg void OnNcPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnMove(int x, int y);
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
  afx_msg void OnStyleChanging(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
  afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg void OnCancelMode();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg void OnParentNotify(UINT message, LPARAM lParam);
  afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
  afx_msg void OnSysColorChange();
  afx_msg UINT OnGetDlgCode();
  afx_msg HCURSOR OnQueryDragIcon();
  afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
  afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
  afx_msg void OnInitMenu(CMenu* pMenu);
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
  afx_msg void OnEnterMenuLoop(BOOL bIsTrackPopupMenu);
  afx_msg void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
  afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnMouseHover(UINT nFlags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
  afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnNcRButtonUp(UINT nHitTest, CPoint point);
  afx_msg void OnNcMButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnNcMouseLeave();
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg BOOL OnNcActivate(BOOL bActive);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  // These first offer the message to the control concerned (reflection).
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);

  DECLARE_MESSAGE_MAP()

 private:
  friend LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam,
                                       LPARAM lParam);
  friend LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam);

  /// One message-map signature call; the result of the message.
  LRESULT DispatchWndMsg(const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam, LPARAM lParam);
  /// The entry of this map chain for a window message (WM_CTLCOLOR* included).
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message) const;
  /// Binds to hWnd and installs AfxWndProc, keeping the previous procedure.
  void SubclassFromHook(HWND hWnd);
  /// Gives the object a handle without entering it in the map (the fixed
  /// insert-after stand-ins).
  explicit CWnd(HWND hWnd);
};

/// The message the calling thread's window procedure is handling (its
/// last-sent message), with the time and cursor position of the last
/// message taken from the queue; the thread's own record, valid until the
/// next message.
MSG* AFXAPI AfxGetCurrentMessage();

/// Hands a window message to pWnd->WindowProc with the thread's last-sent
/// message set to it (and restored afterwards, so nested sends keep theirs).
/// A CException a handler lets escape is reported and deleted here.
LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam = 0,
                              LPARAM lParam = 0);

/// Makes the next window that this thread creates belong to pWnd.
void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
/// FALSE when the window announced by AfxHookWindowCreate was not created.
BOOL AFXAPI AfxUnhookWindowCreate();

/// Registers the class unless it exists already; FALSE when that fails.
BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass);
/// A window class with the default window procedure and these attributes,
/// registered on first use. The name stays valid until the next call on
/// the same thread.
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0, HBRUSH hbrBackground = 0,
                                   HICON hIcon = 0);
/// The parent of a child window, else the owner.
HWND AFXAPI AfxGetParentOwner(HWND hWnd);

/// Temporary objects (FromHandle) of the calling thread are deleted when the
/// last lock goes, or at idle time when no lock is held.
void AFXAPI AfxLockTempMaps();
BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);
