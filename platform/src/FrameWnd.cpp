// CFrameWnd: creation from resources, titles, accelerators, command routing
// and the frame's life.
#include <afxwin.h>

#include <afxpriv.h>

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_NCACTIVATE()
ON_WM_MENUSELECT()
ON_WM_ENTERIDLE()
ON_MESSAGE(WM_ACTIVATETOPLEVEL, OnActivateTopLevel)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUIMsg)
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
ON_WM_INITMENUPOPUP()
ON_UPDATE_COMMAND_UI_RANGE(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST,
                           OnUpdateControlBarMenu)
ON_COMMAND_EX_RANGE(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, OnBarCheck)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

namespace {

/// The class of frames that name none; registered once per process.
LPCTSTR FrameWndClass() {
  static const char* const kName = "AfxFrameOrView";
  static const BOOL bRegistered = [] {
    WNDCLASS wc = {};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kName;
    return AfxRegisterClass(&wc);
  }();
  return bRegistered ? kName : nullptr;
}

/// Sets the text only when it changes, so the caption does not flicker.
void SetWindowTextIfChanged(HWND hWnd, LPCTSTR lpszNew) {
  char szOld[256];
  int nNewLen = lstrlen(lpszNew);
  if (nNewLen < (int)sizeof(szOld) && ::GetWindowText(hWnd, szOld, sizeof(szOld)) == nNewLen &&
      lstrcmp(szOld, lpszNew) == 0)
    return;
  ::SetWindowText(hWnd, lpszNew);
}

}  // namespace

CFrameWnd::CFrameWnd()
    : m_bAutoMenuEnable(TRUE),
      m_bHelpMode(FALSE),
      m_nIDHelp(0),
      m_nWindow(-1),
      m_nIdleFlags(0),
      m_hAccelTable(nullptr),
      m_hMenuDefault(nullptr),
      m_rectBorder(0, 0, 0, 0),
      m_nIDTracking(0),
      m_nIDLastMessage(0),
      m_bInRecalcLayout(FALSE),
      m_pViewActive(nullptr) {}

CFrameWnd::~CFrameWnd() {}

// Creation --------------------------------------------------------------------------------

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext) {
  HMENU hMenu = nullptr;
  if (lpszMenuName != nullptr) {
    hMenu = ::LoadMenu(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
    if (hMenu == nullptr) {
      PostNcDestroy();
      return FALSE;
    }
  }
  if (lpszWindowName != nullptr) m_strTitle = lpszWindowName;
  // CW_USEDEFAULT in the corner asks Windows for the size as well.
  const bool bDefault = rect.left == CW_USEDEFAULT;
  int cx = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
  int cy = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
  if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, cx, cy,
                pParentWnd->GetSafeHwnd(), hMenu, pContext)) {
    if (hMenu != nullptr) ::DestroyMenu(hMenu);
    return FALSE;  // PostNcDestroy has run: the object may be gone
  }
  return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
  m_nIDHelp = nIDResource;
  CString strFull;
  if (strFull.LoadString(nIDResource)) {
    int nEnd = strFull.Find('\n');
    m_strTitle = nEnd < 0 ? strFull : strFull.Left(nEnd);
  }
  CString strClass;
  if (LPCTSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource)) strClass = lpszClass;
  CString strTitle = m_strTitle;
  if (!Create(strClass.IsEmpty() ? nullptr : (LPCTSTR)strClass, strTitle, dwDefaultStyle,
              rectDefault, pParentWnd, MAKEINTRESOURCE(nIDResource), 0L, pContext))
    return FALSE;
  m_hMenuDefault = ::GetMenu(m_hWnd);
  LoadAccelTable(MAKEINTRESOURCE(nIDResource));
  if (pContext == nullptr) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  return TRUE;
}

LPCTSTR CFrameWnd::GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource) {
  LPCTSTR lpszIcon = MAKEINTRESOURCE(nIDResource);
  HICON hIcon = ::LoadIcon(AfxFindResourceHandle(lpszIcon, RT_GROUP_ICON), lpszIcon);
  if (hIcon == nullptr) return nullptr;
  CREATESTRUCT cs = {};
  cs.style = dwDefaultStyle;
  PreCreateWindow(cs);
  WNDCLASS wc;
  if (cs.lpszClass == nullptr || !::GetClassInfo(AfxGetInstanceHandle(), cs.lpszClass, &wc))
    return nullptr;
  return AfxRegisterWndClass(wc.style, wc.hCursor, wc.hbrBackground, hIcon);
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName) {
  if (m_hAccelTable != nullptr) return FALSE;
  m_hAccelTable =
      ::LoadAccelerators(AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR), lpszResourceName);
  return m_hAccelTable != nullptr;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == nullptr) cs.lpszClass = FrameWndClass();
  if (cs.style & FWS_ADDTOTITLE) cs.style |= FWS_PREFIXTITLE;
  cs.dwExStyle |= WS_EX_CLIENTEDGE;
  return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs) {
  return OnCreateHelper(lpcs, static_cast<CCreateContext*>(lpcs->lpCreateParams));
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
  if (CWnd::OnCreate(lpcs) == -1) return -1;
  if (!OnCreateClient(lpcs, pContext)) return -1;
  RecalcLayout();
  return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext*) { return TRUE; }

void CFrameWnd::ActivateFrame(int nCmdShow) {
  if (nCmdShow == -1) {
    if (!IsWindowVisible())
      nCmdShow = SW_SHOWNORMAL;
    else if (IsIconic())
      nCmdShow = SW_RESTORE;
  }
  if (nCmdShow != -1) {
    ShowWindow(nCmdShow);
    ::BringWindowToTop(m_hWnd);
  }
}

// Closing -------------------------------------------------------------------------------------

void CFrameWnd::OnClose() { DestroyWindow(); }

void CFrameWnd::OnDestroy() {
  // A menu switched in by someone else is theirs; the default one goes
  // with the window.
  if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault)
    ::SetMenu(m_hWnd, m_hMenuDefault);
  CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy() { delete this; }

// Titles ---------------------------------------------------------------------------------------

void CFrameWnd::OnUpdateFrameTitle(BOOL) {
  if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
  UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName) {
  CString strWindow;
  if (m_nWindow > 0) strWindow.Format(":%d", m_nWindow);
  CString text;
  if (lpszDocName == nullptr) {
    text = m_strTitle;
  } else if (GetStyle() & FWS_PREFIXTITLE) {
    text = CString(lpszDocName) + strWindow + " - " + m_strTitle;
  } else {
    text = m_strTitle + " - " + lpszDocName + strWindow;
  }
  SetWindowTextIfChanged(m_hWnd, text);
}

// Activation ---------------------------------------------------------------------------------

namespace {

/// The style bit of a window that follows its owner frame's activation.
const DWORD kSyncActiveStyle = 0x100;

struct FloatingWindowsNotice {
  HWND hWndFrame;
  DWORD dwFlags;
};

BOOL CALLBACK NotifyIfFloatingOf(HWND hWnd, LPARAM lParam) {
  const FloatingWindowsNotice* pNotice = reinterpret_cast<const FloatingWindowsNotice*>(lParam);
  if (hWnd == pNotice->hWndFrame || !(::GetWindowLong(hWnd, GWL_STYLE) & kSyncActiveStyle))
    return TRUE;
  for (HWND hOwner = ::GetWindow(hWnd, GW_OWNER); hOwner != NULL;
       hOwner = ::GetWindow(hOwner, GW_OWNER)) {
    if (hOwner == pNotice->hWndFrame) {
      ::SendMessage(hWnd, WM_FLOATSTATUS, pNotice->dwFlags, 0);
      break;
    }
  }
  return TRUE;
}

/// Sends WM_FLOATSTATUS with the FS_* flags to the windows of this thread
/// that the frame owns and that follow its activation.
void NotifyFloatingWindows(HWND hWndFrame, DWORD dwFlags) {
  FloatingWindowsNotice notice = {hWndFrame, dwFlags};
  ::EnumThreadWindows(::GetCurrentThreadId(), NotifyIfFloatingOf,
                      reinterpret_cast<LPARAM>(&notice));
}

}  // namespace

LRESULT CFrameWnd::OnActivateTopLevel(WPARAM wParam, LPARAM) {
  m_bHelpMode = FALSE;
  // The frame's floating windows show only while its family is the active one.
  NotifyFloatingWindows(m_hWnd, LOWORD(wParam) != WA_INACTIVE ? FS_ACTIVATE : FS_DEACTIVATE);
  return 0;
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive) {
  if (m_nFlags & WF_STAYACTIVE) bActive = TRUE;
  if (!IsWindowEnabled()) bActive = FALSE;
  // Not Default(): the caption must follow the state decided here.
  return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, bActive, 0));
}

CFrameWnd* CFrameWnd::GetActiveFrame() { return this; }

void CFrameWnd::OnSetPreviewMode(BOOL, CPrintPreviewState*) {}

// Keys and commands ------------------------------------------------------------------------

HACCEL CFrameWnd::GetDefaultAccelerator() { return m_hAccelTable; }

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
    HACCEL hAccel = GetDefaultAccelerator();
    return hAccel != nullptr && ::TranslateAccelerator(m_hWnd, hAccel, pMsg);
  }
  return FALSE;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  // Whatever a handler shows (a message box) belongs to this frame.
  CPushRoutingFrame push(this);
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// Views and documents ---------------------------------------------------------------------

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL) { m_pViewActive = pViewNew; }

CDocument* CFrameWnd::GetActiveDocument() {
  return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt) {
  if (hMenuAlt == nullptr) {
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != nullptr) hMenuAlt = pDoc->GetDefaultMenu();
  }
  if (hMenuAlt == nullptr) hMenuAlt = m_hMenuDefault;
  ::SetMenu(m_hWnd, hMenuAlt);
}
