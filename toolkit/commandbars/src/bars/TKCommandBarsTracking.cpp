// CTKCommandBars: the modal message loop of a tracking bar.
#include "commandbars/TKCommandBars.h"

#include <afxpriv.h>

#include "commandbars/TKCommandBar.h"
#include "common/TKRefPtr.h"

void AFX_CDECL CTKCommandBars::PumpTrackingMessages(CTKCommandBar* pBar) {
  // A command run from the menu may release the bar's last owner.
  CTKRefPtr<CTKCommandBar, CTKInternalRefTraits> keepAlive(pBar);
  MSG msg;
  while (pBar->IsTrackingMode()) {
    if (!::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE)) {
      ::WaitMessage();
      continue;
    }
    if (!::GetMessage(&msg, NULL, 0, 0)) {
      // The quit belongs to the program's loop: a menu open at the time must
      // not swallow it.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!pBar->IsTrackingMode()) {
      ::PostMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
      break;
    }
    if (msg.message == WM_KICKIDLE) continue;
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->PreTranslateMessage(&msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
}
