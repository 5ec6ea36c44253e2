// The window the themes open their visual styles for.
#pragma once

#include "common/TKOSVersionHelper.h"

/// The main window of the calling thread's application object; null without one.
inline HWND TKThreadMainWindow() {
  CWinThread* pThread = GetCurrentWinThread();
  if (pThread == nullptr || pThread->m_pMainWnd == nullptr) return NULL;
  return pThread->m_pMainWnd->GetSafeHwnd();
}
