// The UI thread's message pumping while a run holds it.
#include <afxwin.h>

#include "app/RunMessagePump.h"

bool DispatchRunMessages() {
  bool any = false;
  MSG msg;
  while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    any = true;
    CWinThread* thread = AfxGetThread();
    const BOOL taken = thread != nullptr ? thread->PreTranslateMessage(&msg)
                                         : CWnd::WalkPreTranslateTree(nullptr, &msg);
    if (!taken) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  return any;
}

DWORD WaitForHandlesDispatching(DWORD count, const HANDLE* handles) {
  // Once the program is quitting, messages would only wake us for the WM_QUIT
  // that waits for the run to end: wait for the handles alone.
  MSG quit;
  if (::PeekMessageA(&quit, NULL, WM_QUIT, WM_QUIT, PM_NOREMOVE))
    return ::WaitForMultipleObjects(count, handles, FALSE, INFINITE);
  // MWMO_INPUTAVAILABLE: a message seen but left in the queue still wakes us.
  const DWORD result =
      ::MsgWaitForMultipleObjectsEx(count, handles, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  if (result == WAIT_OBJECT_0 + count) DispatchRunMessages();
  return result;
}
