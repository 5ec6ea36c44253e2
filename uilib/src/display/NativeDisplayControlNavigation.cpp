// CNativeDisplayControl: the child windows of the Tab walk and the keys the
// display takes before the window under the focus.
#include "uilib/NativeDisplayControl.h"

#include "commandbars/TKCommandBarEditCtrl.h"
#include "commandbars/TKCommandBars.h"
#include "foundation/WindowUtilities.h"

namespace {
const int kHelpCommand = 9;

int64_t WindowKey(CWnd* window) {
  return static_cast<int64_t>(reinterpret_cast<LONG_PTR>(window->m_hWnd));
}

// Typing into a tool-bar edit box must reach the box, so only the keys that
// end or leave it pass through the display.
bool MayProcess(MSG* pMsg) {
  if (pMsg == NULL || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return true;
  if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_TAB || pMsg->wParam == VK_ESCAPE) return true;
  CWnd* focus = CWnd::GetFocus();
  return focus == NULL || !focus->IsKindOf(RUNTIME_CLASS(CTKCommandBarEditCtrl));
}
}  // namespace

bool CNativeDisplayControl::AddChildWindow(CWnd* window) {
  if (window == NULL) return false;
  return m_childWindows.AddKey(WindowKey(window), window);
}

bool CNativeDisplayControl::RemoveChildWindow(CWnd* window) {
  if (window == NULL || m_childWindows.GetCount() < 1) return false;
  if (m_childWindows.FindKey(WindowKey(window)) == NULL) return false;
  return m_childWindows.RemoveKey(WindowKey(window));
}

bool CNativeDisplayControl::RemoveAllChildWindows() {
  if (m_childWindows.GetCount() < 1) return false;
  m_childWindows.RemoveAll();
  return true;
}

// The walk examines candidates in its direction until an enabled one; when it
// runs off the end of the list it answers the last one it looked at, enabled
// or not (a backwards walk ends on the last entry, a forwards one on the first).
CWnd* CNativeDisplayControl::GetNextChildWindow(CWnd* current, bool backwards) {
  int count = m_childWindows.GetCount();
  if (count < 1) return NULL;
  if (current == NULL) current = CWnd::GetFocus();
  if (current == NULL) return NULL;
  int position = -1;
  for (int i = 0; i < count; ++i) {
    CWnd* window = static_cast<CWnd*>(m_childWindows.GetAt(i));
    if (window != NULL && window->m_hWnd == current->m_hWnd) {
      position = i;
      break;
    }
  }
  if (position < 0) return NULL;
  CWnd* candidate = NULL;
  for (int i = position; i >= 0 && i < count; i += backwards ? -1 : 1) {
    int next = backwards ? (i == 0 ? count - 1 : i - 1) : (i == count - 1 ? 0 : i + 1);
    candidate = static_cast<CWnd*>(m_childWindows.GetAt(next));
    if (candidate != NULL && candidate->IsWindowEnabled()) return candidate;
  }
  return candidate;
}

bool CNativeDisplayControl::HandleNavigationKey(MSG* pMsg) {
  if (pMsg == NULL || pMsg->message != WM_KEYDOWN) return false;
  if (pMsg->wParam == VK_TAB) {
    CWnd* focus = CWnd::GetFocus();
    CWnd* next = GetNextChildWindow(focus, IsShiftKeyDown());
    if (next != NULL && (focus == NULL || next->m_hWnd != focus->m_hWnd)) next->SetFocus();
    return true;
  }
  if (pMsg->wParam == VK_F1) {
    PostMessage(WM_COMMAND, kHelpCommand, 0);
    return true;
  }
  return false;
}

BOOL CNativeDisplayControl::PreTranslateMessage(MSG* pMsg) {
  bool mayProcess = MayProcess(pMsg);
  if (m_pCommandBars != NULL && pMsg != NULL && m_pCommandBars->PreTranslateFrameMessage(pMsg))
    return TRUE;
  if (!mayProcess) return FALSE;
  HandleNavigationKey(pMsg);
  return CWnd::PreTranslateMessage(pMsg) ? TRUE : FALSE;
}

BOOL CNativeDisplayControl::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam,
                                     LRESULT* pResult) {
  if (m_pCommandBars != NULL &&
      m_pCommandBars->HandleFrameMessage(message, wParam, lParam, pResult))
    return TRUE;
  return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}
