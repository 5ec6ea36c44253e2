// Message taking for the strip's capture loops: a quit request ends a loop
// and is posted again, so the program's own loop still sees it.
#pragma once

#include <windows.h>

/// The next message (waiting for one); FALSE on WM_QUIT, which is posted again.
BOOL TakeCaptureMessage(MSG& msg);
/// A queued message, or after waiting up to `dwWaitMs` for input, none
/// (FALSE with msg.message 0); FALSE with WM_QUIT reposted on a quit request.
BOOL TakeCaptureMessageOrWait(MSG& msg, DWORD dwWaitMs, BOOL& bQuit);
