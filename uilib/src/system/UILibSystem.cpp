// The real system behind the UI library's seam.
#include "uilib/UILibSystem.h"

namespace {

CUILibSystem g_realSystem;
CUILibSystem* g_pSystem = nullptr;

typedef HWND(WINAPI* PFNHTMLHELPA)(HWND, LPCSTR, UINT, DWORD_PTR);
typedef HRESULT(WINAPI* PFNDWMGETWINDOWATTRIBUTE)(HWND, DWORD, PVOID, DWORD);
// DWMWA_EXTENDED_FRAME_BOUNDS, which older headers lack.
const DWORD kDwmExtendedFrameBounds = 9;

}  // namespace

CUILibSystem* UILibSystem() { return g_pSystem != nullptr ? g_pSystem : &g_realSystem; }

void UILibSetSystem(CUILibSystem* pSystem) { g_pSystem = pSystem; }

BOOL CUILibSystem::GetCursorPos(LPPOINT lpPoint) { return ::GetCursorPos(lpPoint); }

BOOL CUILibSystem::SetCursorPos(int x, int y) { return ::SetCursorPos(x, y); }

SIZE CUILibSystem::GetDesktopClientSize() {
  RECT rc = {0, 0, 0, 0};
  ::GetClientRect(::GetDesktopWindow(), &rc);
  SIZE size = {rc.right - rc.left, rc.bottom - rc.top};
  return size;
}

BOOL CUILibSystem::ShellExecuteEx(SHELLEXECUTEINFOA* pInfo) { return ::ShellExecuteExA(pInfo); }

HWND CUILibSystem::HtmlHelp(LPCSTR lpszFile, UINT uCommand, DWORD_PTR dwData) {
  // The help component stays loaded: its window outlives the call.
  static HMODULE hHelp = ::LoadLibraryA("hhctrl.ocx");
  if (hHelp == NULL) return NULL;
  PFNHTMLHELPA pfn = reinterpret_cast<PFNHTMLHELPA>(
      reinterpret_cast<void*>(::GetProcAddress(hHelp, "HtmlHelpA")));
  return pfn != nullptr ? pfn(NULL, lpszFile, uCommand, dwData) : NULL;
}

LPMAPISENDMAIL CUILibSystem::LoadMapiSendMail(CTKScopedModule* pModule) {
  pModule->Reset(::LoadLibraryA("MAPI32.DLL"));
  if (!*pModule) return nullptr;
  return reinterpret_cast<LPMAPISENDMAIL>(
      reinterpret_cast<void*>(::GetProcAddress(pModule->Get(), "MAPISendMail")));
}

HINTERNET CUILibSystem::InternetOpen(LPCSTR lpszAgent, DWORD dwAccessType, DWORD dwFlags) {
  return ::InternetOpenA(lpszAgent, dwAccessType, NULL, NULL, dwFlags);
}

HINTERNET CUILibSystem::InternetConnect(HINTERNET hInternet, LPCSTR lpszServer,
                                        INTERNET_PORT nPort, DWORD dwService, DWORD dwFlags) {
  return ::InternetConnectA(hInternet, lpszServer, nPort, NULL, NULL, dwService, dwFlags, 0);
}

HINTERNET CUILibSystem::HttpOpenRequest(HINTERNET hConnect, LPCSTR lpszVerb, LPCSTR lpszObject,
                                        DWORD dwFlags) {
  return ::HttpOpenRequestA(hConnect, lpszVerb, lpszObject, NULL, NULL, NULL, dwFlags, 0);
}

BOOL CUILibSystem::InternetSetOption(HINTERNET hInternet, DWORD dwOption, DWORD dwValue) {
  return ::InternetSetOptionA(hInternet, dwOption, &dwValue, sizeof(dwValue));
}

BOOL CUILibSystem::HttpAddRequestHeaders(HINTERNET hRequest, LPCSTR lpszHeaders,
                                         DWORD dwModifiers) {
  return ::HttpAddRequestHeadersA(hRequest, lpszHeaders, static_cast<DWORD>(-1), dwModifiers);
}

BOOL CUILibSystem::HttpSendRequest(HINTERNET hRequest) {
  return ::HttpSendRequestA(hRequest, NULL, 0, NULL, 0);
}

BOOL CUILibSystem::HttpQueryNumber(HINTERNET hRequest, DWORD dwInfoLevel, DWORD* pdwValue) {
  DWORD dwSize = sizeof(*pdwValue);
  return ::HttpQueryInfoA(hRequest, dwInfoLevel | HTTP_QUERY_FLAG_NUMBER, pdwValue, &dwSize, NULL);
}

BOOL CUILibSystem::InternetReadFile(HINTERNET hFile, LPVOID lpBuffer, DWORD dwToRead,
                                    DWORD* pdwRead) {
  return ::InternetReadFile(hFile, lpBuffer, dwToRead, pdwRead);
}

BOOL CUILibSystem::InternetCloseHandle(HINTERNET hInternet) {
  return ::InternetCloseHandle(hInternet);
}

CUILibSystem::DwmFrameBoundsAnswer CUILibSystem::QueryDwmFrameBounds(HWND hWnd) {
  CTKScopedModule dwm(::LoadLibraryA("dwmapi.dll"));
  if (!dwm) return kDwmLibraryMissing;
  PFNDWMGETWINDOWATTRIBUTE pfn = reinterpret_cast<PFNDWMGETWINDOWATTRIBUTE>(
      reinterpret_cast<void*>(::GetProcAddress(dwm.Get(), "DwmGetWindowAttribute")));
  RECT bounds = {0, 0, 0, 0};
  if (pfn == nullptr || FAILED(pfn(hWnd, kDwmExtendedFrameBounds, &bounds, sizeof(bounds))))
    return kDwmQueryFailed;
  return kDwmAnswered;
}
