// Window creation: the CBT hook that binds a new window to its object before
// its first message, and the window classes of the layer.
#include "WndState.h"

#include <stdio.h>

namespace {

const char kDefaultWndClass[] = "AfxWnd";

// Input-method windows are created by the system on the thread's first
// window, inside the same CreateWindowEx; they are not the window announced.
bool IsSystemImeWindow(HWND hWnd) {
  char className[32];
  if (::GetClassNameA(hWnd, className, sizeof className) == 0) return false;
  return lstrcmpiA(className, "IME") == 0 || lstrcmpiA(className, "MSCTFIME UI") == 0;
}

BOOL RegisterDefaultWndClass() {
  WNDCLASS wc = {};
  wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = ::DefWindowProc;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kDefaultWndClass;
  return AfxRegisterClass(&wc);
}

}  // namespace

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam) {
  AFX_WND_THREAD_STATE* state = AfxGetWndThreadState();
  if (nCode == HCBT_CREATEWND && state->m_pWndInit != nullptr) {
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (!IsSystemImeWindow(hWnd)) {
      CWnd* pWndInit = state->m_pWndInit;
      state->m_pWndInit = nullptr;
      pWndInit->SubclassFromHook(hWnd);
    }
  }
  return ::CallNextHookEx(state->m_hHookOldCbtFilter, nCode, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd) {
  AFX_WND_THREAD_STATE* state = AfxGetWndThreadState();
  if (state->m_hHookOldCbtFilter == nullptr) {
    state->m_hHookOldCbtFilter =
        ::SetWindowsHookEx(WH_CBT, &AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    if (state->m_hHookOldCbtFilter == nullptr) AfxThrowMemoryException();
  }
  state->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate() {
  AFX_WND_THREAD_STATE* state = AfxGetWndThreadState();
  // The hook stays only as long as a creation needs it, so that other
  // hooks of the thread (installed later) see windows after it has bound them.
  if (state->m_hHookOldCbtFilter != nullptr) {
    ::UnhookWindowsHookEx(state->m_hHookOldCbtFilter);
    state->m_hHookOldCbtFilter = nullptr;
  }
  if (state->m_pWndInit != nullptr) {
    state->m_pWndInit = nullptr;
    return FALSE;
  }
  return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == nullptr) {
    if (!RegisterDefaultWndClass()) return FALSE;
    cs.lpszClass = kDefaultWndClass;
  }
  return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
  CREATESTRUCT cs = {};
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = dwStyle;
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = nIDorHMenu;
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = lpParam;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }

  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx,
                               cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  // Not bound at all (an unknown class, say): OnNcDestroy never ran, so the
  // object still gets its last call.
  if (!AfxUnhookWindowCreate()) PostNcDestroy();
  return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                  pContext);
}

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass) {
  WNDCLASS existing;
  if (::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing)) return TRUE;
  return ::RegisterClass(lpWndClass) != 0;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                   HICON hIcon) {
  AFX_WND_THREAD_STATE* state = AfxGetWndThreadState();
  HINSTANCE hInst = AfxGetInstanceHandle();
  // The name encodes every attribute, so equal requests share one class.
  snprintf(state->m_szTempClassName, sizeof state->m_szTempClassName, "Afx:%p:%x:%p:%p:%p",
           static_cast<void*>(hInst), nClassStyle, static_cast<void*>(hCursor),
           static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));

  WNDCLASS wc = {};
  wc.style = nClassStyle;
  wc.lpfnWndProc = ::DefWindowProc;
  wc.hInstance = hInst;
  wc.hIcon = hIcon;
  wc.hCursor = hCursor;
  wc.hbrBackground = hbrBackground;
  wc.lpszClassName = state->m_szTempClassName;
  if (!AfxRegisterClass(&wc)) AfxThrowResourceException();
  return state->m_szTempClassName;
}
