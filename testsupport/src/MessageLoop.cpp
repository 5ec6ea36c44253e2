#include "testsupport/MessageLoop.h"

#include <afxwin.h>

namespace {

void Dispatch(MSG& msg) {
  CWinThread* thread = AfxGetThread();
  BOOL taken = thread != nullptr ? thread->PreTranslateMessage(&msg)
                                 : CWnd::WalkPreTranslateTree(nullptr, &msg);
  if (!taken) {
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
}

/// Takes the next message other than WM_QUIT, if one is queued.
bool TakeMessage(MSG& msg) {
  if (!::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE) || msg.message == WM_QUIT) return false;
  return ::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE;
}

bool QuitIsQueued() {
  MSG msg;
  return ::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

}  // namespace

bool RunMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs,
                      const std::vector<HANDLE>& wakeHandles) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    // A window that never validates itself keeps WM_PAINT coming: the time
    // limit holds between messages too.
    ULONGLONG now = ::GetTickCount64();
    if (now >= deadline) return false;
    MSG msg;
    if (TakeMessage(msg)) {
      Dispatch(msg);
      continue;
    }
    // Peeking runs the messages other threads sent; they may have done it.
    if (QuitIsQueued()) return done();
    if (done()) return true;
    // MWMO_INPUTAVAILABLE: a message a handler saw (PeekMessage without
    // removing it) but left in the queue still ends the wait.
    DWORD result = ::MsgWaitForMultipleObjectsEx(
        static_cast<DWORD>(wakeHandles.size()), wakeHandles.empty() ? nullptr : wakeHandles.data(),
        static_cast<DWORD>(deadline - now), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (result == WAIT_FAILED) return done();
  }
}

int DispatchPendingMessages() {
  const ULONGLONG deadline = ::GetTickCount64() + kDefaultMessageWaitMs;
  int count = 0;
  MSG msg;
  while (::GetTickCount64() < deadline && TakeMessage(msg)) {
    Dispatch(msg);
    ++count;
  }
  return count;
}
