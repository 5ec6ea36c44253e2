// CWnd: the object's binding to its window, and the plain wrappers.
#include "WndState.h"
#include "afxocc.h"

// The parent-side handlers of control messages first offer them to the control.
BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
ON_WM_CTLCOLOR()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_COMPAREITEM()
ON_WM_DELETEITEM()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() : m_hWnd(nullptr), m_hWndOwner(nullptr), m_nFlags(0), m_pfnSuper(nullptr) {}

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd), m_hWndOwner(nullptr), m_nFlags(0), m_pfnSuper(nullptr) {}

namespace {
bool IsInsertAfterStandIn(HWND hWnd) {
  return hWnd == HWND_BOTTOM || hWnd == HWND_TOPMOST || hWnd == HWND_NOTOPMOST;
}
}  // namespace

CWnd::~CWnd() {
  if (m_pCtrlSite != nullptr || (m_hWnd != nullptr && !IsInsertAfterStandIn(m_hWnd)))
    DestroyWindow();
}

// Handle maps ------------------------------------------------------------------------

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
  return AfxGetWndThreadState()->m_mapHWND.FromHandle(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  return AfxGetWndThreadState()->m_mapHWND.LookupPermanent(hWnd);
}

void PASCAL CWnd::DeleteTempMap() { AfxGetWndThreadState()->m_mapHWND.DeleteTemp(); }

BOOL CWnd::Attach(HWND hWndNew) {
  if (hWndNew == nullptr || FromHandlePermanent(hWndNew) != nullptr) return FALSE;
  AfxGetWndThreadState()->m_mapHWND.SetPermanent(m_hWnd = hWndNew, this);
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (hWnd != nullptr && FromHandlePermanent(hWnd) == this)
    AfxGetWndThreadState()->m_mapHWND.RemoveHandle(hWnd);
  m_hWnd = nullptr;
  return hWnd;
}

// Subclassing ----------------------------------------------------------------------------

void CWnd::PreSubclassWindow() {}

WNDPROC* CWnd::GetSuperWndProcAddr() { return &m_pfnSuper; }

void CWnd::SubclassFromHook(HWND hWnd) {
  Attach(hWnd);
  PreSubclassWindow();
  WNDPROC* ppfnSuper = GetSuperWndProcAddr();
  WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc())));
  if (pfnOld != AfxGetAfxWndProc()) *ppfnSuper = pfnOld;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  WNDPROC* ppfnSuper = GetSuperWndProcAddr();
  WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc())));
  if (pfnOld == AfxGetAfxWndProc()) {
    // Another object of the layer drives this window already; taking it over
    // would make its procedure call ours in a loop.
    Detach();
    return FALSE;
  }
  if (*ppfnSuper == nullptr) *ppfnSuper = pfnOld;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), nID);
  return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
  WNDPROC* ppfnSuper = GetSuperWndProcAddr();
  ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*ppfnSuper));
  *ppfnSuper = nullptr;
  return Detach();
}

// Destruction ----------------------------------------------------------------------------

BOOL CWnd::DestroyWindow() {
  if (m_pCtrlSite != nullptr) {
    // The control takes its window with it when it closes.
    COleControlSite* pSite = m_pCtrlSite;
    m_pCtrlSite = nullptr;
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) Detach();
    m_hWnd = nullptr;
    pSite->DestroyControl();
    pSite->InternalRelease();
    return TRUE;
  }
  if (m_hWnd == nullptr) return FALSE;
  HWND hWndOrig = m_hWnd;
  CWnd* pPermanent = FromHandlePermanent(hWndOrig);
  BOOL bResult = ::DestroyWindow(hWndOrig);
  // OnNcDestroy unbinds a window of ours, and may have deleted this object;
  // only an object it did not reach is unbound here.
  if (pPermanent == this) {
    if (FromHandlePermanent(hWndOrig) == this) Detach();
  } else if (pPermanent == nullptr) {
    m_hWnd = nullptr;
  }
  return bResult;
}

void CWnd::PostNcDestroy() {}

void CWnd::OnNcDestroy() {
  if (CWinThread* pThread = AfxGetThread()) {
    if (pThread->m_pMainWnd == this) {
      AfxPostQuitMessage(0);
      pThread->m_pMainWnd = nullptr;
    }
    if (pThread->m_pActiveWnd == this) pThread->m_pActiveWnd = nullptr;
  }
  // Put the previous procedure back unless someone subclassed after us, so
  // that the system's own clean-up of the control runs in its procedure.
  LONG_PTR procBefore = ::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC);
  Default();
  if (::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == procBefore) {
    WNDPROC pfnSuper = *GetSuperWndProcAddr();
    if (pfnSuper != nullptr)
      ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuper));
  }
  Detach();
  PostNcDestroy();
}

// Wrappers -----------------------------------------------------------------------------

void CWnd::GetWindowText(CString& rString) const {
  int nLen = ::GetWindowTextLength(m_hWnd);
  if (nLen <= 0) {
    rString.Empty();
    return;
  }
  std::string buffer(nLen + 1, '\0');
  int nGot = ::GetWindowText(m_hWnd, &buffer[0], nLen + 1);
  rString = CString(buffer.c_str(), nGot);
}

void CWnd::GetWindowTextW(CStringW& rString) const {
  int nLen = ::GetWindowTextLengthW(m_hWnd);
  if (nLen <= 0) {
    rString.Empty();
    return;
  }
  std::wstring buffer(nLen + 1, L'\0');
  int nGot = ::GetWindowTextW(m_hWnd, &buffer[0], nLen + 1);
  rString = CStringW(buffer.c_str(), nGot);
}

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }

BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu->GetSafeHmenu()); }

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
  return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

CWnd* PASCAL CWnd::GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm) {
  // The children themselves first, then each child's own descendants.
  for (HWND hChild = ::GetTopWindow(hWnd); hChild != nullptr;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    if (::GetDlgCtrlID(hChild) != nID) continue;
    CWnd* pWnd = bOnlyPerm ? FromHandlePermanent(hChild) : FromHandle(hChild);
    if (pWnd != nullptr) return pWnd;
  }
  for (HWND hChild = ::GetTopWindow(hWnd); hChild != nullptr;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    if (CWnd* pWnd = GetDescendantWindow(hChild, nID, bOnlyPerm)) return pWnd;
  }
  return nullptr;
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const {
  return GetDescendantWindow(m_hWnd, nID, bOnlyPerm);
}

CFont* CWnd::GetFont() const {
  return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0)));
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
  ::SendMessage(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), bRedraw);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags) {
  HRGN hRgn = prgnUpdate != nullptr ? static_cast<HRGN>(prgnUpdate->GetSafeHandle()) : nullptr;
  return ::RedrawWindow(m_hWnd, lpRectUpdate, hRgn, flags);
}

CWnd* CWnd::GetOwner() const {
  return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : FromHandle(::GetParent(m_hWnd));
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
  ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
  ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

CWnd* CWnd::GetParentOwner() const {
  if (GetSafeHwnd() == nullptr) return nullptr;
  HWND hWnd = m_hWnd;
  for (HWND hParent; (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD) &&
                     (hParent = ::GetParent(hWnd)) != nullptr;)
    hWnd = hParent;
  return FromHandle(hWnd);
}

HWND AfxGetTopLevelParent(HWND hWnd) {
  for (HWND hUp; (hUp = AfxGetParentOwner(hWnd)) != nullptr;) hWnd = hUp;
  return hWnd;
}

CWnd* CWnd::GetTopLevelParent() const {
  return GetSafeHwnd() == nullptr ? nullptr : FromHandle(AfxGetTopLevelParent(m_hWnd));
}

CWnd* CWnd::GetTopLevelOwner() const {
  if (GetSafeHwnd() == nullptr) return nullptr;
  HWND hWnd = m_hWnd;
  for (HWND hOwner; (hOwner = ::GetWindow(hWnd, GW_OWNER)) != nullptr;) hWnd = hOwner;
  return FromHandle(hWnd);
}

BOOL CWnd::IsFrameWnd() const { return FALSE; }

namespace {
// Only objects the layer bound can be frames; a temporary object made for
// the walk would never be one.
CFrameWnd* PermanentFrame(HWND hWnd) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(pWnd)
                                                                     : nullptr;
}
}  // namespace

CFrameWnd* CWnd::GetParentFrame() const {
  if (GetSafeHwnd() == nullptr) return nullptr;
  for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd))
    if (CFrameWnd* pFrame = PermanentFrame(hWnd)) return pFrame;
  return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const {
  if (GetSafeHwnd() == nullptr) return nullptr;
  CFrameWnd* pFrame = PermanentFrame(m_hWnd);
  if (pFrame == nullptr) pFrame = GetParentFrame();
  while (pFrame != nullptr) {
    CFrameWnd* pOuter = pFrame->GetParentFrame();
    if (pOuter == nullptr) break;
    pFrame = pOuter;
  }
  return pFrame;
}

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtr(hWnd, GWL_STYLE));
  DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
  if (dwStyle == dwNewStyle) return FALSE;
  ::SetWindowLongPtr(hWnd, GWL_STYLE, dwNewStyle);
  if (nFlags != 0)
    ::SetWindowPos(
        hWnd, nullptr, 0, 0, 0, 0,
        SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | nFlags);
  return TRUE;
}

BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtr(hWnd, GWL_EXSTYLE));
  DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
  if (dwStyle == dwNewStyle) return FALSE;
  ::SetWindowLongPtr(hWnd, GWL_EXSTYLE, dwNewStyle);
  if (nFlags != 0)
    ::SetWindowPos(
        hWnd, nullptr, 0, 0, 0, 0,
        SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | nFlags);
  return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags);
}

HWND AFXAPI AfxGetParentOwner(HWND hWnd) {
  if ((::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD) != 0) return ::GetParent(hWnd);
  return ::GetWindow(hWnd, GW_OWNER);
}
