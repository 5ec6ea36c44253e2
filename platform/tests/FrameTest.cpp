// A frame application built on the layer (apps/FrameTestApp.cpp) runs its
// own message loop in a process of its own; its exit code is the one its
// ExitInstance returns once ID_APP_EXIT has closed the main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string BesideThisProgram(const char* name) {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path, n);
  return s.substr(0, s.find_last_of("\\/") + 1) + name;
}

TEST(FrameApplication, LoadsLaysOutRoutesUpdatesAndExitsWithExitInstanceCode) {
  const std::string exe = BesideThisProgram("platform_FrameTestApp.exe");
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string log = std::string(temp) + "velm_frame_test.log";
  DeleteFileA(log.c_str());
  std::string cmd = "\"" + exe + "\" " + log;

  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  ASSERT_TRUE(
      CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
      << exe;
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, 120000));
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);

  std::ifstream in(log);
  std::stringstream failures;
  failures << in.rdbuf();
  EXPECT_EQ(42u, code) << failures.str();
  EXPECT_EQ("", failures.str());
}

}  // namespace
