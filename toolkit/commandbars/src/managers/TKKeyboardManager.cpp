// CTKKeyboardManager: the thread's keyboard and call-window hooks.
#include "commandbars/TKKeyboardManager.h"

#include "commandbars/TKMouseManager.h"
#include "common/TKHookManager.h"

namespace {

CThreadLocal<CTKKeyboardManager> g_keyboardManager;

const LPARAM kKeyUp = 0x80000000;
const LPARAM kKeyRepeat = 0x40000000;
const LPARAM kAltDown = 0x20000000;

HINSTANCE HookInstance() {
  HINSTANCE hInstance = AfxGetInstanceHandle();
  return hInstance != NULL ? hInstance : ::GetModuleHandle(NULL);
}

void SetThreadHook(HHOOK& hHook, int nHookId, HOOKPROC pfnHook, BOOL bOn) {
  if (bOn && hHook == NULL) {
    hHook = ::SetWindowsHookExA(nHookId, pfnHook, HookInstance(), ::GetCurrentThreadId());
  } else if (!bOn && hHook != NULL) {
    ::UnhookWindowsHookEx(hHook);
    hHook = NULL;
  }
}

}  // namespace

CTKKeyboardManager::CTKKeyboardManager()
    : m_hKeyboardHook(NULL), m_hCallWndHook(NULL), m_wLastPassed(0), m_lLastPassed(0) {}

CTKKeyboardManager::~CTKKeyboardManager() {
  SetKeyboardHook(FALSE);
  SetCallWndHook(FALSE);
}

CTKKeyboardManager* AFX_CDECL CTKKeyboardManager::GetThreadManager() {
  return g_keyboardManager.GetData();
}

void CTKKeyboardManager::HookKeyboard(CTKHookManagerHookAble* pHookAble) {
  SetKeyboardHook(TRUE);
  SetCallWndHook(TRUE);
  if (m_lstHookAble.Find(pHookAble) == NULL) m_lstHookAble.AddTail(pHookAble);
}

void CTKKeyboardManager::UnhookKeyboard(CTKHookManagerHookAble* pHookAble) {
  if (POSITION pos = m_lstHookAble.Find(pHookAble)) m_lstHookAble.RemoveAt(pos);
  if (m_lstHookAble.IsEmpty()) {
    SetKeyboardHook(FALSE);
    SetCallWndHook(FALSE);
  }
}

void CTKKeyboardManager::SetKeyboardHook(BOOL bOn) {
  SetThreadHook(m_hKeyboardHook, WH_KEYBOARD, &KeyboardProc, bOn);
}

void CTKKeyboardManager::SetCallWndHook(BOOL bOn) {
  SetThreadHook(m_hCallWndHook, WH_CALLWNDPROC, &CallWndProc, bOn);
}

BOOL CTKKeyboardManager::ProcessKey(UINT nMessage, WPARAM wParam, LPARAM lParam) {
  // The newest object (the innermost pop-up) answers first; one may remove
  // itself while it answers, so the position is taken before the call.
  POSITION pos = m_lstHookAble.GetTailPosition();
  while (pos != NULL) {
    CTKHookManagerHookAble* pHookAble = m_lstHookAble.GetPrev(pos);
    WPARAM w = wParam;
    LPARAM l = lParam;
    LRESULT lResult = 0;
    int nAnswer = pHookAble->OnHookMessage(NULL, nMessage, w, l, lResult);
    if (nAnswer != 0) return nAnswer == 1;
  }
  return TRUE;
}

BOOL CTKKeyboardManager::OnKeyboardHook(WPARAM wParam, LPARAM lParam) {
  if (m_lstHookAble.IsEmpty() || (lParam & kKeyUp)) return FALSE;
  CTKMouseManager* pMouseManager = CTKMouseManager::GetThreadManager();
  if (wParam == VK_MENU && (lParam & kAltDown) && pMouseManager->GetTrackLockCount() <= 0) {
    if (lParam & kKeyRepeat) return FALSE;
    pMouseManager->SendTrackLost();
    return TRUE;
  }
  if (ProcessKey(WM_KEYDOWN, wParam, lParam)) return TRUE;
  m_wLastPassed = wParam;
  m_lLastPassed = lParam;
  return FALSE;
}

BOOL CTKKeyboardManager::ProcessQueuedKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return FALSE;
  if (msg.wParam == m_wLastPassed && msg.lParam == m_lLastPassed) {
    m_wLastPassed = 0;
    m_lLastPassed = 0;
    return FALSE;
  }
  return OnKeyboardHook(msg.wParam, msg.lParam);
}

void CTKKeyboardManager::OnActivateApp(BOOL bActive) {
  if (!bActive) CTKMouseManager::GetThreadManager()->SendTrackLost();
}

LRESULT CALLBACK CTKKeyboardManager::KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam) {
  CTKKeyboardManager* pManager = g_keyboardManager.GetDataNA();
  if (nCode == HC_ACTION && pManager != nullptr && pManager->OnKeyboardHook(wParam, lParam))
    return 1;
  return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

LRESULT CALLBACK CTKKeyboardManager::CallWndProc(int nCode, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
  CTKKeyboardManager* pManager = g_keyboardManager.GetDataNA();
  if (nCode == HC_ACTION && pManager != nullptr && pMsg->message == WM_ACTIVATEAPP)
    pManager->OnActivateApp(static_cast<BOOL>(pMsg->wParam));
  return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}
