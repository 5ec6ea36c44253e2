// CTKControlComboBoxAutoCompleteWnd: the shell's completion on a field and its
// suggestion drop-down inside tracking command bars.
#include "commandbars/TKControlComboBoxAutoCompleteWnd.h"

#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKKeyboardManager.h"
#include "commandbars/TKMouseManager.h"

namespace {

// One hook in the process: the installed one and the object that owns it.
HHOOK g_hHook = NULL;
CTKControlComboBoxAutoCompleteWnd* g_pHookOwner = nullptr;

const char kDropDownClass[] = "Auto-Suggest Dropdown";

typedef HRESULT(WINAPI* PFNSHAUTOCOMPLETE)(HWND, DWORD);

}  // namespace

CTKControlComboBoxAutoCompleteWnd::CTKControlComboBoxAutoCompleteWnd()
    : m_hWndDropDown(NULL), m_hWndEdit(NULL) {}

CTKControlComboBoxAutoCompleteWnd::~CTKControlComboBoxAutoCompleteWnd() { SetHook(FALSE); }

HRESULT CTKControlComboBoxAutoCompleteWnd::SetupAutoComplete(HWND hWndEdit, DWORD dwFlags) {
  m_hWndEdit = hWndEdit;
  HMODULE hShell = ::LoadLibraryA("shlwapi.dll");
  if (hShell == NULL) return E_FAIL;
  PFNSHAUTOCOMPLETE pfn =
      reinterpret_cast<PFNSHAUTOCOMPLETE>(::GetProcAddress(hShell, "SHAutoComplete"));
  const HRESULT hr = pfn != nullptr ? pfn(hWndEdit, dwFlags) : E_FAIL;
  ::FreeLibrary(hShell);
  return hr;
}

BOOL CTKControlComboBoxAutoCompleteWnd::IsHookOwner() const {
  return g_hHook != NULL && g_pHookOwner == this;
}

void CTKControlComboBoxAutoCompleteWnd::SetHook(BOOL bOn) {
  CTKKeyboardManager* pKeyboardManager = CTKKeyboardManager::GetThreadManager();
  if (bOn) {
    // A second field's request while another's hook runs does nothing.
    if (g_hHook != NULL) return;
    HINSTANCE hInstance = AfxGetInstanceHandle();
    if (hInstance == NULL) hInstance = ::GetModuleHandleA(NULL);
    g_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, &CallWndProc, hInstance, ::GetCurrentThreadId());
    if (g_hHook == NULL) return;
    pKeyboardManager->HookKeyboard(this);
    g_pHookOwner = this;
    return;
  }
  if (IsHookOwner()) {
    ::UnhookWindowsHookEx(g_hHook);
    pKeyboardManager->UnhookKeyboard(this);
    g_hHook = NULL;
    g_pHookOwner = nullptr;
  }
  SetDropDownWindow(NULL);
}

void CTKControlComboBoxAutoCompleteWnd::SetDropDownWindow(HWND hWnd) {
  if (hWnd == m_hWndDropDown) return;
  CTKMouseManager* pMouseManager = CTKMouseManager::GetThreadManager();
  // Clicks in the shell's list must not close the bars that track.
  if (m_hWndDropDown != NULL) pMouseManager->RemoveTrustedWindow(m_hWndDropDown);
  m_hWndDropDown = hWnd;
  if (hWnd != NULL) pMouseManager->AddTrustedWindow(hWnd);
}

void CTKControlComboBoxAutoCompleteWnd::OnWindowPosChanging(HWND hWnd, const WINDOWPOS* pPos) {
  if (m_hWndDropDown != NULL) {
    if (hWnd == m_hWndDropDown && (pPos->flags & SWP_HIDEWINDOW)) SetDropDownWindow(NULL);
    return;
  }
  if ((pPos->flags & SWP_SHOWWINDOW) == 0) return;
  char szClass[256] = {};
  ::GetClassNameA(hWnd, szClass, 255);
  if (strcmp(szClass, kDropDownClass) != 0) return;
  SetDropDownWindow(hWnd);
  if (m_hWndEdit != NULL) ::PostMessageA(m_hWndEdit, TK_WM_SHELLDROPDOWN, 0, 0);
}

LRESULT CALLBACK CTKControlComboBoxAutoCompleteWnd::CallWndProc(int nCode, WPARAM wParam,
                                                                LPARAM lParam) {
  const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (nCode == HC_ACTION && g_pHookOwner != nullptr && pMsg->message == WM_WINDOWPOSCHANGING)
    g_pHookOwner->OnWindowPosChanging(pMsg->hwnd, reinterpret_cast<const WINDOWPOS*>(pMsg->lParam));
  return ::CallNextHookEx(g_hHook, nCode, wParam, lParam);
}

BOOL CTKControlComboBoxAutoCompleteWnd::PreTranslateKey(UINT nChar, LPARAM lParam) {
  if (m_hWndDropDown == NULL) return FALSE;
  const BOOL bAlt = (TKCommandBarsSystem()->GetKeyState(VK_MENU) & 0x8000) != 0;
  const BOOL bListKey = nChar == VK_UP || nChar == VK_DOWN || nChar == VK_PRIOR || nChar == VK_NEXT;
  if (!bListKey || bAlt) return FALSE;
  // The suggestions are the drop-down's second child, after its scroll bar.
  HWND hFirst = ::GetWindow(m_hWndDropDown, GW_CHILD);
  HWND hList = hFirst != NULL ? ::GetWindow(hFirst, GW_HWNDNEXT) : NULL;
  if (hList == NULL) return FALSE;
  MSG msg = {hList, WM_KEYDOWN, nChar, lParam, 0, {0, 0}};
  return ::IsDialogMessageA(hList, &msg);
}

void CTKControlComboBoxAutoCompleteWnd::HideDropDown() {
  if (m_hWndDropDown != NULL) ::ShowWindow(m_hWndDropDown, SW_HIDE);
}

int CTKControlComboBoxAutoCompleteWnd::OnHookMessage(HWND, UINT nMessage, WPARAM&, LPARAM&,
                                                     LRESULT&) {
  // Wheel turns belong to the shell's list while it shows.
  return nMessage == WM_MOUSEWHEEL && m_hWndDropDown != NULL ? 2 : 0;
}
