// CMDIFrameWnd: a frame around an MDI client, with the menu switching of
// WM_MDISETMENU and commands offered to the active child first.
#include <afxwin.h>

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_WM_DESTROY()
ON_WM_SIZE()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(nullptr), m_hMenuWindow(nullptr) {}

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext) {
  if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) return FALSE;
  // The client was created before the default menu was known.
  m_hMenuDefault = ::GetMenu(m_hWnd);
  return TRUE;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*) {
  // The window list goes into the next-to-last popup of the frame's menu.
  CMenu* pWindowMenu = nullptr;
  HMENU hMenu = ::GetMenu(m_hWnd);
  if (m_hMenuDefault == nullptr && hMenu != nullptr) {
    int nItem = ::GetMenuItemCount(hMenu) - 2;
    HMENU hSub = nItem >= 0 ? ::GetSubMenu(hMenu, nItem) : nullptr;
    if (hSub != nullptr) pWindowMenu = CMenu::FromHandle(hSub);
  }
  return CreateClient(lpcs, pWindowMenu);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpcs, CMenu* pWindowMenu) {
  CLIENTCREATESTRUCT ccs;
  ccs.hWindowMenu = pWindowMenu != nullptr ? pWindowMenu->GetSafeHmenu() : nullptr;
  ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
  m_hMenuWindow = static_cast<HMENU>(ccs.hWindowMenu);

  // The client takes over the frame's scroll bars and sunken edge, which
  // belong around the children, not around the bars.
  DWORD dwStyle = WS_VISIBLE | WS_CHILD | WS_BORDER | WS_CLIPCHILDREN | MDIS_ALLCHILDSTYLES |
                  (lpcs->style & (WS_HSCROLL | WS_VSCROLL));
  DWORD dwExStyle = 0;
  if (lpcs->dwExStyle & WS_EX_CLIENTEDGE) {
    dwStyle &= ~WS_BORDER;
    dwExStyle = WS_EX_CLIENTEDGE;
    ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ModifyStyle(WS_HSCROLL | WS_VSCROLL, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  m_hWndMDIClient =
      ::CreateWindowEx(dwExStyle, "MDICLIENT", nullptr, dwStyle, 0, 0, 0, 0, m_hWnd,
                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                       AfxGetInstanceHandle(), &ccs);
  if (m_hWndMDIClient == nullptr) return FALSE;
  ::BringWindowToTop(m_hWndMDIClient);
  return TRUE;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefFrameProc(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg) {
  // The system keys of the active child (Ctrl+F4, Ctrl+F6) come first.
  if (m_hWndMDIClient != nullptr && ActiveChildHwnd() != nullptr && pMsg->message >= WM_KEYFIRST &&
      pMsg->message <= WM_KEYLAST && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
    return TRUE;
  return CFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CFrameWnd::OnCommand(wParam, lParam)) return TRUE;
  // The window-list items activate children; the client does that.
  if (lParam == 0 && LOWORD(wParam) >= AFX_IDM_FIRST_MDICHILD && m_hWndMDIClient != nullptr) {
    DefWindowProc(WM_COMMAND, wParam, lParam);
    return TRUE;
  }
  return FALSE;
}

HWND CMDIFrameWnd::ActiveChildHwnd(BOOL* pbMaximized) const {
  BOOL bMaximized = FALSE;
  HWND hWnd = m_hWndMDIClient == nullptr
                  ? nullptr
                  : reinterpret_cast<HWND>(::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0,
                                                         reinterpret_cast<LPARAM>(&bMaximized)));
  if (pbMaximized != nullptr) *pbMaximized = hWnd != nullptr && bMaximized;
  return hWnd;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const {
  CWnd* pActive = CWnd::FromHandlePermanent(ActiveChildHwnd(pbMaximized));
  return pActive != nullptr && pActive->IsKindOf(RUNTIME_CLASS(CMDIChildWnd))
             ? static_cast<CMDIChildWnd*>(pActive)
             : nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate) {
  ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE,
                reinterpret_cast<WPARAM>(pWndActivate->GetSafeHwnd()), 0);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
  CMDIChildWnd* pActive = MDIGetActive();
  if (pActive != nullptr) return pActive;
  return this;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  // The active document window has the first word, as its frame's own
  // commands do; only then the MDI frame and the application.
  if (CMDIChildWnd* pActive = MDIGetActive()) {
    CPushRoutingFrame push(this);
    if (pActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  }
  return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// Menus ----------------------------------------------------------------------------------------

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu) {
  HMENU hPrevious = reinterpret_cast<HMENU>(::SendMessage(
      m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(pFrameMenu->GetSafeHmenu()),
      reinterpret_cast<LPARAM>(pWindowMenu->GetSafeHmenu())));
  if (pWindowMenu != nullptr) m_hMenuWindow = pWindowMenu->GetSafeHmenu();
  ::DrawMenuBar(m_hWnd);
  return CMenu::FromHandle(hPrevious);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt) {
  if (CMDIChildWnd* pActive = MDIGetActive()) {
    pActive->OnUpdateFrameMenu(TRUE, pActive, hMenuAlt);
    return;
  }
  if (hMenuAlt == nullptr) hMenuAlt = m_hMenuDefault;
  if (m_hWndMDIClient == nullptr || hMenuAlt == nullptr) return;
  ::SendMessage(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenuAlt), 0);
  ::DrawMenuBar(m_hWnd);
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar) {
  if (hMenuBar == nullptr) return nullptr;
  // From the right, where the Window pop-up usually is.
  for (int iItem = ::GetMenuItemCount(hMenuBar) - 1; iItem >= 0; --iItem) {
    HMENU hPopup = ::GetSubMenu(hMenuBar, iItem);
    if (hPopup == nullptr) continue;
    for (int i = 0, n = ::GetMenuItemCount(hPopup); i < n; ++i) {
      UINT nID = ::GetMenuItemID(hPopup, i);
      if (nID >= AFX_IDM_WINDOW_FIRST && nID <= AFX_IDM_WINDOW_LAST) return hPopup;
    }
  }
  return nullptr;
}

void CMDIFrameWnd::OnSize(UINT nType, int cx, int cy) {
  // DefFrameProc would size the client over the bars; the layout places it.
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CMDIFrameWnd::OnDestroy() {
  CFrameWnd::OnDestroy();
  m_hWndMDIClient = nullptr;  // destroyed with the frame
}

// CMiniFrameWnd ------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

CMiniFrameWnd::CMiniFrameWnd() {}

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                           const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName,
                             DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  m_strTitle = lpWindowName != nullptr ? lpWindowName : "";
  // A child mini frame keeps its id; a floating one is owned by pParentWnd.
  HMENU hMenuOrId =
      (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
  return CWnd::CreateEx(dwExStyle | WS_EX_TOOLWINDOW, lpClassName, lpWindowName, dwStyle, rect.left,
                        rect.top, rect.right - rect.left, rect.bottom - rect.top,
                        pParentWnd->GetSafeHwnd(), hMenuOrId);
}
