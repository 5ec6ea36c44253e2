#include "TKTabCaptureLoop.h"

#include "TKTabClock.h"

namespace {

CTKTabClock g_systemClock;
CTKTabClock* g_pClock = &g_systemClock;

BOOL EndOnQuit(const MSG& msg) {
  ::PostQuitMessage(static_cast<int>(msg.wParam));
  return FALSE;
}

}  // namespace

DWORD CTKTabClock::GetTickCount() { return ::GetTickCount(); }

void CTKTabClock::WaitForInput(DWORD dwMilliseconds) {
  ::MsgWaitForMultipleObjects(0, NULL, FALSE, dwMilliseconds, QS_ALLINPUT);
}

CTKTabClock* CTKTabClock::Get() { return g_pClock; }

void CTKTabClock::Install(CTKTabClock* pClock) {
  g_pClock = pClock != NULL ? pClock : &g_systemClock;
}

BOOL TakeCaptureMessage(MSG& msg) {
  const BOOL bResult = ::GetMessage(&msg, NULL, 0, 0);
  if (bResult > 0) return TRUE;
  if (bResult == 0) return EndOnQuit(msg);
  msg.message = 0;  // a failed read ends the loop like a lost capture
  return FALSE;
}

BOOL TakeCaptureMessageOrWait(MSG& msg, DWORD dwWaitMs, BOOL& bQuit) {
  bQuit = FALSE;
  if (!::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
    CTKTabClock::Get()->WaitForInput(dwWaitMs);
    msg.message = 0;
    return FALSE;
  }
  if (msg.message != WM_QUIT) return TRUE;
  bQuit = TRUE;
  return EndOnQuit(msg);
}
