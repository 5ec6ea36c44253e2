// CMDIChildWnd: a frame in an MDI client, made through it, with the menu it shares while active.
#include <afxwin.h>

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_WM_CREATE()
ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(nullptr) {}

// Creation --------------------------------------------------------------------------------

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
  if (pParentWnd == nullptr) {
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != nullptr && pMain->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
      pParentWnd = static_cast<CMDIFrameWnd*>(pMain);
  }
  if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr) {
    PostNcDestroy();
    return FALSE;
  }
  if (lpszWindowName != nullptr) m_strTitle = lpszWindowName;

  CREATESTRUCT cs = {};
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = dwStyle;
  cs.x = rect.left;
  cs.y = rect.top;
  // CW_USEDEFAULT in the corner lets the client choose the size as well.
  cs.cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
  cs.cy = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
  cs.hwndParent = pParentWnd->m_hWnd;
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = pContext;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }

  // The client makes the window, hidden: showing it is activating it, which
  // comes once the object is complete.
  MDICREATESTRUCT mcs = {};
  mcs.szClass = cs.lpszClass;
  mcs.szTitle = cs.lpszName;
  mcs.hOwner = cs.hInstance;
  mcs.x = cs.x;
  mcs.y = cs.y;
  mcs.cx = cs.cx;
  mcs.cy = cs.cy;
  mcs.style = cs.style & ~(WS_MAXIMIZE | WS_VISIBLE);
  mcs.lParam = reinterpret_cast<LPARAM>(cs.lpCreateParams);
  AfxHookWindowCreate(this);
  HWND hWnd = reinterpret_cast<HWND>(
      ::SendMessage(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  if (!AfxUnhookWindowCreate()) PostNcDestroy();  // never bound: OnNcDestroy did not run
  if (hWnd == nullptr) return FALSE;

  if (cs.style & WS_VISIBLE) {
    ::BringWindowToTop(hWnd);
    ShowWindow((cs.style & WS_MINIMIZE)   ? SW_SHOWMINIMIZED
               : (cs.style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                                          : SW_SHOWNORMAL);
    pParentWnd->MDIActivate(this);
    ::SendMessage(pParentWnd->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
  }
  return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext) {
  m_nIDHelp = nIDResource;
  CMultiDocTemplate* pTemplate =
      pContext != nullptr ? dynamic_cast<CMultiDocTemplate*>(pContext->m_pNewDocTemplate) : nullptr;
  if (pTemplate != nullptr) {
    m_hMenuShared = pTemplate->m_hMenuShared;
    m_hAccelTable = pTemplate->m_hAccelTable;
  }
  CString strFull, strTitle;
  if (strFull.LoadString(nIDResource)) AfxExtractSubString(strTitle, strFull, 0);
  CString strClass;
  if (LPCTSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource)) strClass = lpszClass;
  CMDIFrameWnd* pFrame = pParentWnd != nullptr && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))
                             ? static_cast<CMDIFrameWnd*>(pParentWnd)
                             : nullptr;
  return Create(strClass.IsEmpty() ? nullptr : (LPCTSTR)strClass, strTitle, dwDefaultStyle,
                rectDefault, pFrame, pContext);
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs) {
  cs.style |= WS_CHILD;
  return CFrameWnd::PreCreateWindow(cs);
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs) {
  // The client passes our creation context inside its own structure.
  const MDICREATESTRUCT* pMcs = static_cast<const MDICREATESTRUCT*>(lpcs->lpCreateParams);
  return OnCreateHelper(lpcs, reinterpret_cast<CCreateContext*>(pMcs->lParam));
}

BOOL CMDIChildWnd::DestroyWindow() {
  if (m_hWnd == nullptr) return FALSE;
  // Through the client, which takes the child off its list and activates
  // the next one.
  if (GetMDIFrame() == nullptr) return CWnd::DestroyWindow();
  MDIDestroy();  // the object may be gone now
  return TRUE;
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefMDIChildProc(m_hWnd, message, wParam, lParam);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || m_hAccelTable == nullptr)
    return FALSE;
  CMDIFrameWnd* pFrame = GetMDIFrame();
  return pFrame != nullptr && ::TranslateAccelerator(pFrame->m_hWnd, m_hAccelTable, pMsg);
}

// The MDI frame ---------------------------------------------------------------------------

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
  // The child's parent is the MDI client, whose parent is the frame.
  HWND hClient = ::GetParent(m_hWnd);
  CWnd* pFrame = FromHandlePermanent(hClient != nullptr ? ::GetParent(hClient) : nullptr);
  return pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))
             ? static_cast<CMDIFrameWnd*>(pFrame)
             : nullptr;
}

void CMDIChildWnd::MDIActivate() {
  ::SendMessage(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIDestroy() {
  ::SendMessage(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIMaximize() {
  ::SendMessage(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore() {
  ::SendMessage(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

CWnd* CMDIChildWnd::GetMessageBar() {
  CMDIFrameWnd* pFrame = GetMDIFrame();
  return pFrame != nullptr ? pFrame->GetMessageBar() : nullptr;
}

// Menus -----------------------------------------------------------------------------------

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*) {
  OnUpdateFrameMenu(bActivate, pActivateWnd, nullptr);
  if (CMDIFrameWnd* pFrame = GetMDIFrame()) pFrame->DrawMenuBar();
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt) {
  CMDIFrameWnd* pFrame = GetMDIFrame();
  if (pFrame == nullptr) return;
  if (hMenuAlt == nullptr && bActivate) {
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != nullptr) hMenuAlt = pDoc->GetDefaultMenu();
  }
  if (hMenuAlt == nullptr) hMenuAlt = m_hMenuShared;
  if (hMenuAlt != nullptr && bActivate) {
    ::SendMessage(pFrame->m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenuAlt),
                  reinterpret_cast<LPARAM>(pFrame->GetWindowMenuPopup(hMenuAlt)));
  } else if (hMenuAlt != nullptr && !bActivate && pActivateWnd == nullptr) {
    // The last child goes: the frame's own menu comes back.
    ::SendMessage(pFrame->m_hWndMDIClient, WM_MDISETMENU,
                  reinterpret_cast<WPARAM>(pFrame->m_hMenuDefault),
                  reinterpret_cast<LPARAM>(pFrame->GetWindowMenuPopup(pFrame->m_hMenuDefault)));
  } else {
    ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
  }
}
