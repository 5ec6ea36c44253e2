// CApplicationMainFrame: the list of windows (dialogs on threads of their
// own) that the frame can ask to close. Any thread; the list's lock is held
// for each whole operation.
#include <stdint.h>

#include "uilib/ApplicationMainFrame.h"

int64_t CApplicationMainFrame::WindowKey(CWnd* pWnd) {
  return static_cast<int64_t>(reinterpret_cast<intptr_t>(pWnd));
}

bool CApplicationMainFrame::AddWindow(CWnd* pWnd) {
  if (pWnd == nullptr) return false;
  CReentrantLockGuard guard(m_windowListLock);
  if (m_windowList.FindKey(WindowKey(pWnd)) != nullptr) return false;
  // Window handles carry 32 significant bits on every Windows, so the
  // handle is kept as the list's owned 32-bit integer.
  int32_t nHandle = static_cast<int32_t>(reinterpret_cast<intptr_t>(pWnd->m_hWnd));
  return m_windowList.AddKey(WindowKey(pWnd), &nHandle);
}

bool CApplicationMainFrame::RemoveWindow(CWnd* pWnd) {
  if (pWnd == nullptr) return false;
  CReentrantLockGuard guard(m_windowListLock);
  if (m_windowList.FindKey(WindowKey(pWnd)) == nullptr) return false;
  return m_windowList.RemoveKey(WindowKey(pWnd));
}

bool CApplicationMainFrame::HasWindows() {
  CReentrantLockGuard guard(m_windowListLock);
  return m_windowList.GetCount() > 0;
}

bool CApplicationMainFrame::RequestCloseAllWindows() {
  CReentrantLockGuard guard(m_windowListLock);
  bool bPosted = false;
  for (int i = 0; i < m_windowList.GetCount(); ++i) {
    const int32_t* pHandle = static_cast<const int32_t*>(m_windowList.GetAt(i));
    if (pHandle == nullptr) continue;
    HWND hWnd = reinterpret_cast<HWND>(static_cast<intptr_t>(*pHandle));
    if (::PostMessage(hWnd, WM_APP_FRAME_CLOSE_REQUEST, 0, 0)) bPosted = true;
  }
  return bPosted;
}

bool CApplicationMainFrame::ClearWindowList() {
  if (m_windowList.GetCount() < 1) return false;
  return m_windowList.DeleteAll();
}
