// The UI thread's message pumping while a run holds it.
#pragma once

#include <windows.h>

/// Dispatches every message already queued for this thread (through the
/// thread's PreTranslateMessage, as its own loop would). A WM_QUIT taken from
/// the queue ends the pumping and is posted again, so that the program's
/// message loop still ends once the run returns. True when one was dispatched.
bool DispatchRunMessages();

/// The wait of IRunHost::WaitForStepHandles: until a handle is signalled
/// (WAIT_OBJECT_0 + its index) or a message arrives, which is dispatched
/// (the result is then WAIT_OBJECT_0 + count, and the caller asks again).
/// WAIT_FAILED when the wait cannot be made. Nothing sleeps.
DWORD WaitForHandlesDispatching(DWORD count, const HANDLE* handles);
