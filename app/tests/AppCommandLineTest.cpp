// The command line: its forms, its argument, and the unattended run.
#include <gtest/gtest.h>

#include "SupportRun.h"
#include "app/AppCommandLine.h"
#include "app/BuildFileCommands.h"
#include "testsupport/MessageLoop.h"
#include "testsupport/TestText.h"

namespace {

class AppCommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_run.Create());
    ASSERT_TRUE(m_run.m_folder.MakeFolder("with blanks"));
    m_path = m_run.m_folder.PathOf("with blanks\\build.velm");
    m_standIn = StandInPath();
  }
  void Write(int exitCode) {
    m_params = "--out done --exit " + std::to_string(exitCode);
    ASSERT_TRUE(WriteBuildFile(m_path, {{StepExecuteProgram, "only", m_standIn.c_str(), m_params.c_str(), false}}));
  }
  bool Process(const std::string& commandLine) {
    return ProcessAppCommandLine(commandLine.c_str(), &m_files, &m_run.m_display, &m_run.m_owner);
  }

  CRunFixture m_run;
  CBuildFileCommands m_files{&m_run.m_owner, &m_run.m_display};
  std::string m_path;
  std::string m_standIn;
  std::string m_params;
};

TEST_F(AppCommandLineTest, FormsAndArgumentsAreFoundAsTheyStand) {
  Write(0);
  const std::string exe = "\"C:\\Program Files\\Velmoran\\Velmoran.exe\"";
  const struct {
    std::string line;
    AppCommandLine::Form form;
    std::string argument;
    bool exists;
  } cases[] = {
      {exe + " -EXECUTE \"" + m_path + "\"", AppCommandLine::execute, m_path, true},
      {exe + " -Load \"" + m_path + "\" \r\n", AppCommandLine::load, m_path, true},
      {exe + " \"" + m_path + "\"", AppCommandLine::bare, m_path, true},
      {exe + " -load \"" + m_path + "\" later", AppCommandLine::load, m_path + " later", false},
      {exe, AppCommandLine::bare, "", false},
      {"C:\\a-load\\Velmoran.exe", AppCommandLine::load, "\\Velmoran.exe", false},
      {"-execute " + m_path, AppCommandLine::none, "", false},
      {"", AppCommandLine::none, "", false},
  };
  for (const auto& c : cases) {
    const AppCommandLine parsed = ParseAppCommandLine(c.line.c_str());
    EXPECT_EQ(c.form, parsed.form) << c.line;
    EXPECT_EQ(c.argument, TextOf(parsed.argument)) << c.line;
    EXPECT_EQ(c.exists, parsed.fileExists) << c.line;
  }
}

TEST_F(AppCommandLineTest, AnUnattendedRunThatSucceedsClosesTheFrame) {
  Write(0);
  EXPECT_TRUE(Process("velmoran.exe -execute \"" + m_path + "\""));
  EXPECT_EQ(0, m_run.m_owner.m_exitCode);
  EXPECT_TRUE(RunMessagesUntil([&] { return m_run.m_frame.CountMessages(WM_CLOSE) == 1; }));
}

TEST_F(AppCommandLineTest, AFailedRunLeavesTheFrameOpenWithExitCodeOne) {
  Write(1);
  EXPECT_TRUE(Process("velmoran.exe -execute \"" + m_path + "\""));
  EXPECT_EQ(1, m_run.m_owner.m_exitCode);
  EXPECT_EQ("only Failed", m_run.LogTexts().back());
  DispatchPendingMessages();
  EXPECT_EQ(0, m_run.m_frame.CountMessages(WM_CLOSE));
}

TEST_F(AppCommandLineTest, AnExecuteFileThatCannotBeOpenedIsAFailedRun) {
  const std::string missing = m_run.m_folder.PathOf("missing.velm");
  ASSERT_TRUE(m_run.m_folder.MakeFile("damaged.velm", "not a build file"));
  const std::string damaged = m_run.m_folder.PathOf("damaged.velm");
  for (const std::string& path : {missing, damaged}) {
    m_run.m_owner.m_exitCode = 0;
    EXPECT_FALSE(Process("velmoran.exe -execute " + path));
    EXPECT_EQ(1, m_run.m_owner.m_exitCode) << path;
    EXPECT_EQ(path + " Failed", m_run.LogTexts().back());
  }
  DispatchPendingMessages();
  EXPECT_EQ(0, m_run.m_frame.CountMessages(WM_CLOSE));
}

TEST_F(AppCommandLineTest, LoadOpensWithoutRunningAndABareStartOpensNothing) {
  Write(0);
  EXPECT_TRUE(Process("velmoran.exe -load " + m_path));
  EXPECT_EQ(1, m_run.m_display.GetStepDisplay().GetDisplayCount());
  EXPECT_TRUE(m_run.LogTexts().empty());
  EXPECT_FALSE(Process("\"C:\\x\\velmoran.exe\""));
  EXPECT_EQ(-1, m_run.m_owner.m_exitCode);
}

}  // namespace
