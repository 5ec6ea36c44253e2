// Running this thread's message loop until something has happened, without
// sleeping: between messages the thread waits in MsgWaitForMultipleObjects.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

/// The time limit tests use when they name none.
const DWORD kDefaultMessageWaitMs = 10000;

/// Dispatches this thread's messages until `done()` holds; true then, false
/// when `timeoutMs` passes first. `done` is asked before the first wait and
/// after every message, so it must become true through something that wakes
/// this thread: a message for it (posted, sent, timer, input) or one of
/// `wakeHandles` being signalled (an event another thread sets, a process).
/// Each message goes through PreTranslateMessage of the windows it passes,
/// as in the program's own loop (the thread's CWinThread, when it has one).
/// A WM_QUIT ends the loop early and stays in the queue for the caller to see.
bool RunMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs = kDefaultMessageWaitMs,
                      const std::vector<HANDLE>& wakeHandles = std::vector<HANDLE>());

/// Dispatches the messages already queued (and those they post in turn),
/// without waiting, for at most kDefaultMessageWaitMs; the number dispatched.
/// WM_QUIT stays in the queue.
int DispatchPendingMessages();
