// The shared GDI+ start-up of the frame shadows. The background thread is
// suppressed, so the notification hook that start-up returns is called instead.
#include "TKFrameShadowGdiPlus.h"

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

namespace {
volatile LONG g_nUsers = 0;
ULONG_PTR g_token = 0;
ULONG_PTR g_hookToken = 0;
Gdiplus::NotificationUnhookProc g_pfnUnhook = nullptr;
CRITICAL_SECTION* StartLock() {
  static CRITICAL_SECTION s_cs;
  static bool s_init = (::InitializeCriticalSection(&s_cs), true);
  (void)s_init;
  return &s_cs;
}
}  // namespace

bool TKFrameShadowGdiPlusStartup() {
  bool bStarted = true;
  ::EnterCriticalSection(StartLock());
  if (::InterlockedIncrement(&g_nUsers) == 1) {
    Gdiplus::GdiplusStartupInput input;
    input.SuppressBackgroundThread = TRUE;
    Gdiplus::GdiplusStartupOutput output = {};
    if (Gdiplus::GdiplusStartup(&g_token, &input, &output) == Gdiplus::Ok) {
      g_pfnUnhook = output.NotificationUnhook;
      if (output.NotificationHook != nullptr) output.NotificationHook(&g_hookToken);
    } else {
      g_token = 0;
      ::InterlockedDecrement(&g_nUsers);
      bStarted = false;
    }
  }
  ::LeaveCriticalSection(StartLock());
  return bStarted;
}

void TKFrameShadowGdiPlusShutdown() {
  ::EnterCriticalSection(StartLock());
  if (::InterlockedDecrement(&g_nUsers) == 0) {
    if (g_pfnUnhook != nullptr) g_pfnUnhook(g_hookToken);
    Gdiplus::GdiplusShutdown(g_token);
    g_token = 0;
    g_hookToken = 0;
    g_pfnUnhook = nullptr;
  }
  ::LeaveCriticalSection(StartLock());
}

bool TKFrameShadowGdiPlusRunning() { return g_token != 0; }
