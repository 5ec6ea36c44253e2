// A frame application built on the layer (apps/FrameTestApp.cpp) runs its
// own message loop in a process of its own; its exit code is the one its
// ExitInstance returns once ID_APP_EXIT has closed the main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "testsupport/TempFolder.h"
#include "testsupport/TestProcess.h"

namespace {

TEST(FrameApplication, LoadsLaysOutRoutesUpdatesAndExitsWithExitInstanceCode) {
  const std::string exe = PathBesideThisProgram("platform_FrameTestApp.exe");
  CTempFolder folder;
  const std::string log = folder.PathOf("frame_test.log");
  ChildProcessOptions options;
  options.timeoutMs = 120000;
  ChildProcessResult result = RunChildProcess("\"" + exe + "\" " + log, options);
  ASSERT_TRUE(result.started) << exe;
  ASSERT_FALSE(result.timedOut);

  const std::string failures = ReadFileBytes(log);
  EXPECT_EQ(42u, result.exitCode) << failures;
  EXPECT_EQ("", failures);
}

}  // namespace
