// Shows that the pieces later code relies on work in the test environment:
// named pipes between threads, and a window with a message loop on the display.
#include <windows.h>
#include <stdio.h>
#include <string>
#include <gtest/gtest.h>

#include "testsupport/MessageLoop.h"

namespace {

DWORD WINAPI WriteGreeting(LPVOID param) {
  HANDLE pipe = CreateFileA(static_cast<const char*>(param), GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (pipe == INVALID_HANDLE_VALUE) return 1;
  const char text[] = "through the pipe\r\n";
  DWORD written = 0;
  BOOL ok = WriteFile(pipe, text, sizeof(text) - 1, &written, nullptr);
  CloseHandle(pipe);
  return ok && written == sizeof(text) - 1 ? 0 : 2;
}

TEST(Harness, NamedPipeCarriesData) {
  char name[MAX_PATH];
  snprintf(name, sizeof(name), "\\\\.\\Pipe\\RemoteExeAnon.%08lx.%08lx", GetCurrentProcessId(),
           1UL);
  HANDLE server = CreateNamedPipeA(name, PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096,
                                   4096, 0, nullptr);
  ASSERT_NE(server, INVALID_HANDLE_VALUE);

  HANDLE writer = CreateThread(nullptr, 0, WriteGreeting, name, 0, nullptr);
  ASSERT_NE(writer, nullptr);
  BOOL connected = ConnectNamedPipe(server, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED;
  ASSERT_TRUE(connected);

  std::string received;
  char buffer[64];
  DWORD read = 0;
  while (ReadFile(server, buffer, sizeof(buffer), &read, nullptr) && read > 0)
    received.append(buffer, read);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(writer, 10000));
  DWORD code = 99;
  GetExitCodeThread(writer, &code);
  CloseHandle(writer);
  CloseHandle(server);
  EXPECT_EQ(0u, code);
  EXPECT_EQ("through the pipe\r\n", received);
}

const UINT kPing = WM_APP + 7;

LRESULT CALLBACK PingWndProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == kPing) {
    *reinterpret_cast<WPARAM*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)) = wparam;
    PostQuitMessage(static_cast<int>(lparam));
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

TEST(Harness, HiddenWindowReceivesPostedMessage) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = PingWndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VelmHarnessWindow";
  ASSERT_NE(0, RegisterClassA(&wc));
  HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "harness", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                              nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  WPARAM seen = 0;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));

  ASSERT_TRUE(PostMessageA(hwnd, kPing, 42, 5));
  EXPECT_TRUE(RunMessagesUntil([&] { return seen != 0; }));
  MSG msg = {};
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(WM_QUIT, msg.message);
  EXPECT_EQ(5, static_cast<int>(msg.wParam));
  EXPECT_EQ(42u, seen);
  DestroyWindow(hwnd);
  UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

}  // namespace
