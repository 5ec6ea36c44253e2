// Child processes run to their end: exit codes, captured streams (also more
// than a pipe holds), the time limit, and programs that cannot start.
#include "testsupport/TestProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Child(const std::string& arguments) {
  return "\"" + PathBesideThisProgram("testsupport_child.exe") + "\" " + arguments;
}

TEST(ChildProcessTest, TheProgramFolderIsThisProgramsOwn) {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string folder = ThisProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ('\\', folder.back());
  EXPECT_EQ(0u, std::string(path).find(folder));
  EXPECT_EQ(std::string::npos, std::string(path).find('\\', folder.size()));
  EXPECT_EQ(folder + "x.exe", PathBesideThisProgram("x.exe"));
}

TEST(ChildProcessTest, GivesTheExitCodeAndTheStreamsAskedFor) {
  struct {
    bool output, errors;
    const char* expectedOutput;
    const char* expectedErrors;
  } cases[] = {
      {true, true, "to out", "to err"},
      {true, false, "to out", ""},
      {false, true, "", "to err"},
      {false, false, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.output << c.errors);
    ChildProcessOptions options;
    options.captureOutput = c.output;
    options.captureErrors = c.errors;
    ChildProcessResult result =
        RunChildProcess(Child("--out \"to out\" --err \"to err\" --exit 3"), options);
    EXPECT_TRUE(result.started);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(3u, result.exitCode);
    EXPECT_EQ(c.expectedOutput, result.output);
    EXPECT_EQ(c.expectedErrors, result.errors);
  }
}

TEST(ChildProcessTest, CollectsMoreThanThePipeHolds) {
  ChildProcessOptions options;
  options.captureOutput = true;
  options.creationFlags = CREATE_NO_WINDOW;
  ChildProcessResult result = RunChildProcess(Child("--bytes 100000"), options);
  EXPECT_EQ(0u, result.exitCode);
  ASSERT_EQ(100000u, result.output.size());
  EXPECT_EQ("abc", result.output.substr(0, 3));
  EXPECT_EQ('a' + 99999 % 26, result.output.back());
}

TEST(ChildProcessTest, AChildThatOutlivesTheTimeIsEnded) {
  ChildProcessOptions options;
  // Long enough for a loaded machine to start the child and let it write.
  options.timeoutMs = 5000;
  options.captureOutput = true;
  ChildProcessResult result = RunChildProcess(Child("--out early --hang"), options);
  EXPECT_TRUE(result.started);
  EXPECT_TRUE(result.timedOut);
  EXPECT_EQ(0xFFFFFFFFu, result.exitCode);
  EXPECT_EQ("early", result.output);
}

TEST(ChildProcessTest, AMissingProgramDoesNotStart) {
  ChildProcessOptions options;
  options.captureOutput = true;
  ChildProcessResult result =
      RunChildProcess("\"" + PathBesideThisProgram("no-such-program.exe") + "\"", options);
  EXPECT_FALSE(result.started);
  EXPECT_FALSE(result.timedOut);
  EXPECT_EQ(0xFFFFFFFFu, result.exitCode);
}

}  // namespace
