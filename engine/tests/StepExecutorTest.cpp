// The step executor with process steps: log entries, variables, the command line
// of each step type (seen through the echoing stand-in tool), nested builds,
// output lines and cancel.
#include <stdlib.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/StepExecutor.h"
#include "SupportExec.h"

namespace {

class StepExecutorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_executor.SetLog(&m_log);
    m_executor.SetOwner(&m_host);
    m_standIn = StandInPath();
    m_quotedStandIn = "\"" + m_standIn + "\"";
  }

  bool Run(int type, const char* name, const char* executable = "", const char* parameters = "",
           const char* source = "", const char* target = "", const char* spec = "") {
    CBuildStepDataDefinition step;
    FillStep(&step, type, name, executable, parameters, source, target, spec);
    return m_executor.ExecuteStep(&step);
  }

  std::vector<std::string> Output() { return m_log.Texts(LogOutput); }

  CFakeExecLog m_log;
  CFakeRunHost m_host;
  CStepExecutor m_executor;
  std::string m_standIn;
  std::string m_quotedStandIn;
};

TEST_F(StepExecutorTest, SuccessfulStepLogsStartOutputAndSuccess) {
  EXPECT_TRUE(Run(StepExecuteProgram, "Greet", m_standIn.c_str(), "--out hello --err world"));
  std::vector<ExecLogEntry> entries = m_log.Entries();
  ASSERT_EQ(4u, entries.size());
  EXPECT_EQ(LogStepStart, entries[0].kind);
  EXPECT_EQ("Running Greet", entries[0].text);
  EXPECT_EQ(LogOutput, entries[1].kind);
  EXPECT_EQ("    hello", entries[1].text);
  EXPECT_EQ(LogOutput, entries[2].kind);
  EXPECT_EQ("    world", entries[2].text);
  EXPECT_EQ(LogSuccess, entries[3].kind);
  EXPECT_EQ("Greet Completed Successfully", entries[3].text);
}

TEST_F(StepExecutorTest, FailuresLogFailed) {
  struct Case {
    int type;
    const char* executable;
    const char* parameters;
  } cases[] = {
      {StepExecuteProgram, m_standIn.c_str(), "--out partial --exit 2"},  // non-zero exit
      {StepExecuteProgram, "Z:\\no\\such\\tool.exe", "x"},                // missing program
      {StepExecuteProgram, "", "x"},                                      // required text empty
      {StepDosCommand, "", ""},
      {StepAdvancedInstallerBuild, "", "x"},  // no installer set, no source
      {99, m_standIn.c_str(), "x"},           // unknown type
  };
  for (const Case& c : cases) {
    m_log.Clear();
    EXPECT_FALSE(Run(c.type, "Bad", c.executable, c.parameters)) << c.type;
    std::vector<ExecLogEntry> entries = m_log.Entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ("Running Bad", entries.front().text);
    EXPECT_EQ(LogFailure, entries.back().kind);
    EXPECT_EQ("Bad Failed", entries.back().text);
  }
}

TEST_F(StepExecutorTest, PausedStepSucceedsSilentlyAndKeepsItsTimes) {
  CBuildStepDataDefinition step;
  FillStep(&step, StepExecuteProgram, "Paused", "Z:\\no\\such\\tool.exe");
  step.m_paused = true;
  step.m_elapsedTime = 1234;
  EXPECT_TRUE(m_executor.ExecuteStep(&step));
  EXPECT_TRUE(m_log.Entries().empty());
  EXPECT_EQ(1234, step.m_elapsedTime);
  EXPECT_FALSE(m_executor.ExecuteStep(nullptr));
}

TEST_F(StepExecutorTest, VariablesAreSubstitutedInACopyInListOrder) {
  m_host.AddVariable("A", "%B%");
  m_host.AddVariable("b", "x");
  m_host.AddVariable("Out", "D:\\Out");
  CBuildStepDataDefinition step;
  FillStep(&step, StepCopyFiles, "n %a%", "e %OUT%", "p %out%\\%b%", "s %Undefined%", "t %%",
           "f %A%%B%");
  step.SetDescription("d %A%");
  CBuildStepDataDefinition copy;
  copy.CopyFrom(step);
  m_executor.SubstituteVariables(copy);
  EXPECT_STREQ("n x", copy.m_stepName.GetText());
  EXPECT_STREQ("d x", copy.m_description.GetText());
  EXPECT_STREQ("e D:\\Out", copy.m_executablePath.GetText());
  EXPECT_STREQ("p D:\\Out\\x", copy.m_parameters.GetText());
  EXPECT_STREQ("s %Undefined%", copy.m_sourcePath.GetText());
  EXPECT_STREQ("t %%", copy.m_targetPath.GetText());
  EXPECT_STREQ("f xx", copy.m_fileSpec.GetText());
  EXPECT_EQ(1, m_host.m_iterationsEnded);
}

TEST_F(StepExecutorTest, EarlierVariableDoesNotSeeLaterReplacementsBackwards) {
  m_host.AddVariable("B", "x");
  m_host.AddVariable("A", "%B%");
  CBuildStepDataDefinition copy;
  FillStep(&copy, StepDosCommand, "%A%");
  m_executor.SubstituteVariables(copy);
  EXPECT_STREQ("%B%", copy.m_stepName.GetText());
}

TEST_F(StepExecutorTest, RunSubstitutesButStoredStepAndLogNameStayUnchanged) {
  m_host.AddVariable("WORD", "substituted");
  CBuildStepDataDefinition step;
  FillStep(&step, StepExecuteProgram, "Echo %WORD%", m_standIn.c_str(), "--out %word%");
  EXPECT_TRUE(m_executor.ExecuteStep(&step));
  EXPECT_STREQ("--out %word%", step.m_parameters.GetText());
  std::vector<std::string> expected = {"    substituted"};
  EXPECT_EQ(expected, Output());
  EXPECT_EQ("Running Echo %WORD%", m_log.Entries().front().text);
  EXPECT_GT(step.m_elapsedTime, 0);
}

// The command line each process step type builds, as the tool receives it.
TEST_F(StepExecutorTest, CommandLinesPerStepType) {
  CTempFolder folder;
  std::string installer = folder.PathOf("Advanced Installer.exe");
  std::string devenv = folder.PathOf("devenv.exe");
  ASSERT_TRUE(CopyFileA(m_standIn.c_str(), installer.c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(m_standIn.c_str(), devenv.c_str(), FALSE));
  m_host.m_installerPath = installer;
  m_host.m_visualStudioPath = devenv;
  m_host.m_nestedProgram = m_standIn;
  struct Case {
    int type;
    std::string executable, parameters, source;
    std::string commandLine;
  } cases[] = {
      {StepExecuteProgram, m_standIn, "--echo", "", m_quotedStandIn + " --echo"},
      {StepExecuteProgram, m_quotedStandIn, "--echo", "", m_quotedStandIn + " --echo"},
      {StepDosCommand, "", m_standIn + " --echo", "", m_standIn + " --echo"},
      {StepAdvancedInstallerBuild, "", "--echo", "D:\\p.aip",
       "\"" + installer + "\"  /build D:\\p.aip --echo -force"},
      {StepAdvancedInstallerEdit, "", "--echo", "D:\\p.aip",
       "\"" + installer + "\"  /edit D:\\p.aip --echo"},
      {StepMSDevCompile, "", "--echo", "D:\\s.sln", "\"" + devenv + "\" D:\\s.sln /rebuild --echo"},
      {StepBuildScript, "", "", "D:\\Builds\\Other.velm",
       m_quotedStandIn + " -execute \"D:\\Builds\\Other.velm\""},
  };
  for (const Case& c : cases) {
    m_log.Clear();
    EXPECT_TRUE(Run(c.type, "Cmd", c.executable.c_str(), c.parameters.c_str(), c.source.c_str()))
        << c.type;
    std::vector<std::string> output = Output();
    ASSERT_FALSE(output.empty()) << c.type;
    EXPECT_EQ("    CMDLINE[" + c.commandLine + "]", output[0]) << c.type;
  }
}

TEST_F(StepExecutorTest, DosCommandRunsThroughTheInterpreter) {
  EXPECT_TRUE(Run(StepDosCommand, "Dos", "", "echo one& echo two"));
  std::vector<std::string> expected = {"    one", "    two"};
  EXPECT_EQ(expected, Output());
  EXPECT_FALSE(Run(StepDosCommand, "Dos", "", "exit 4"));
}

TEST_F(StepExecutorTest, PathsWithBlanksReachTheToolAsOneArgument) {
  m_host.m_installerPath = m_standIn;
  m_host.m_visualStudioPath = m_standIn;
  struct Case {
    int type;
    std::vector<std::string> arguments;
  } cases[] = {
      {StepAdvancedInstallerBuild, {"/build", "C:\\My Projects\\a b.aip", "--args", "-force"}},
      {StepAdvancedInstallerEdit, {"/edit", "C:\\My Projects\\a b.aip", "--args"}},
      {StepMSDevCompile, {"C:\\My Projects\\a b.aip", "/rebuild", "--args"}},
  };
  for (const Case& c : cases) {
    m_log.Clear();
    EXPECT_TRUE(Run(c.type, "Blanks", "", "--args", "C:\\My Projects\\a b.aip"));
    std::vector<std::string> expected;
    for (const std::string& argument : c.arguments) expected.push_back("    ARG[" + argument + "]");
    EXPECT_EQ(expected, Output()) << c.type;
  }
}

TEST_F(StepExecutorTest, ToolStepsFailWithoutTheirProgram) {
  // Settings not set, sibling products not registered under these names.
  for (int type : {StepAdvancedInstallerBuild, StepAdvancedInstallerEdit, StepMSDevCompile})
    EXPECT_FALSE(Run(type, "NoTool", "", "--echo", "D:\\p")) << type;
  m_host.m_nestedProgram = "";
  EXPECT_FALSE(Run(StepBuildScript, "NoProgram", "", "", "D:\\other.velm"));
  EXPECT_TRUE(Output().empty());
}

TEST_F(StepExecutorTest, NestedBuildOfTheOpenFileIsRefused) {
  CTempFolder folder;
  std::string open = folder.PathOf("Main.velm");
  ASSERT_TRUE(CTempFolder::WriteBytes(open, "x"));
  m_host.m_buildFilePath = open;
  m_host.m_nestedProgram = m_standIn;
  std::string upper = open;
  for (char& c : upper) c = (char)toupper((unsigned char)c);
  // The same file named in other letter case, with "." and ".." in between, or
  // relative to the current folder: all refused, and nothing started.
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  SetCurrentDirectoryA(folder.GetPath().c_str());
  std::string names[] = {open, upper, folder.PathOf(".\\sub\\..\\Main.velm"), "Main.velm"};
  for (const std::string& name : names)
    EXPECT_FALSE(Run(StepBuildScript, "Self", "", "", name.c_str())) << name;
  SetCurrentDirectoryA(current);
  EXPECT_TRUE(Output().empty());
  EXPECT_TRUE(Run(StepBuildScript, "Other", "", "", folder.PathOf("Other.velm").c_str()));
}

TEST_F(StepExecutorTest, NestedBuildPassesItsDepthAndStopsAtTheLimit) {
  m_host.m_nestedProgram = m_standIn;
  // The stand-in in place of the nested instance shows the depth it was given.
  CBuildStepDataDefinition step;
  FillStep(&step, StepBuildScript, "Nested", "", "", "D:\\Other.velm");
  SetEnvironmentVariableA(CStepExecutor::kNestingDepthVariable, nullptr);
  EXPECT_TRUE(m_executor.ExecuteStep(&step));
  SetEnvironmentVariableA(CStepExecutor::kNestingDepthVariable, "3");
  EXPECT_TRUE(m_executor.ExecuteStep(&step));
  char limit[16];
  snprintf(limit, sizeof(limit), "%d", CStepExecutor::kMaxNestingDepth);
  SetEnvironmentVariableA(CStepExecutor::kNestingDepthVariable, limit);
  EXPECT_FALSE(m_executor.ExecuteStep(&step));
  SetEnvironmentVariableA(CStepExecutor::kNestingDepthVariable, nullptr);
  std::vector<std::string> expected = {
      "    CMDLINE[" + m_quotedStandIn + " -execute \"D:\\Other.velm\"]", "    DEPTH[1]",
      "    CMDLINE[" + m_quotedStandIn + " -execute \"D:\\Other.velm\"]", "    DEPTH[4]"};
  EXPECT_EQ(expected, Output());
}

TEST_F(StepExecutorTest, OutputLinesAreSplitTrimmedAndIndented) {
  struct Case {
    std::vector<std::string> chunks;
    std::vector<std::string> lines;
  } cases[] = {
      {{"a\r\nb\r\nc"}, {"    a", "    b", "    c"}},  // c flushed at the end
      {{"par", "tial\r", "\nnext\n"}, {"    partial", "    next"}},
      {{"x\r", "\r\n"}, {"    x"}},  // a lone CR inside a line is trimmed away
      {{"\t spaced \t\n\n"}, {"    spaced", "    "}},
      {{"no end"}, {"    no end"}},
  };
  for (const Case& c : cases) {
    m_log.Clear();
    for (const std::string& chunk : c.chunks) {
      CTesselString text(chunk.c_str());
      m_executor.AddProcessOutput(LogOutput, &text);
    }
    m_executor.FlushProcessOutput(LogOutput);
    EXPECT_EQ(c.lines, Output()) << c.chunks[0];
  }
  CTesselString empty;
  EXPECT_FALSE(m_executor.AddProcessOutput(LogOutput, &empty));
  CTesselString unfinished("abc");
  EXPECT_FALSE(m_executor.AddProcessOutput(LogOutput, &unfinished));
  EXPECT_TRUE(m_executor.FlushProcessOutput(LogOutput));
  EXPECT_FALSE(m_executor.FlushProcessOutput(LogOutput));
}

// Output that never ends a line is not kept without bound: it is logged in
// pieces of the longest line.
TEST_F(StepExecutorTest, OutputWithoutLineEndsIsLoggedInBoundedPieces) {
  const size_t longest = CStepExecutor::kLongestOutputLine;
  const std::string piece(longest / 3 + 1, 'x');
  for (int i = 0; i < 7; ++i) {
    CTesselString text(piece.c_str());
    m_executor.AddProcessOutput(LogOutput, &text);
  }
  std::vector<std::string> lines = Output();
  ASSERT_EQ(2u, lines.size());
  for (const std::string& line : lines) EXPECT_EQ(4 + longest, line.size());
  EXPECT_TRUE(m_executor.FlushProcessOutput(LogOutput));
  lines = Output();
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ(4 + 7 * piece.size() - 2 * longest, lines[2].size());
}

TEST_F(StepExecutorTest, LastLineWithoutLineEndIsLogged) {
  EXPECT_TRUE(Run(StepExecuteProgram, "Raw", m_standIn.c_str(), "--raw \"one\\r\\ntwo\""));
  std::vector<std::string> expected = {"    one", "    two"};
  EXPECT_EQ(expected, Output());
}

TEST_F(StepExecutorTest, ToolReadingStandardInputDoesNotHang) {
  EXPECT_TRUE(Run(StepExecuteProgram, "Reads", m_standIn.c_str(), "--stdin"));
  std::vector<std::string> expected = {"    STDIN[0]"};
  EXPECT_EQ(expected, Output());
}

// Cancel arrives as a message dispatched while the process step waits, as the
// application's cancel command does.
CStepExecutor* g_cancelExecutor = nullptr;
CFakeExecLog* g_cancelLog = nullptr;
bool g_cancelResult = false;
DWORD g_cancelTick = 0;

void CALLBACK CancelFromTimer(HWND, UINT, UINT_PTR id, DWORD) {
  if (g_cancelLog->Texts(LogOutput).empty()) return;  // the child is not running yet
  KillTimer(nullptr, id);
  g_cancelTick = GetTickCount();
  g_cancelResult = g_cancelExecutor->CancelCurrentStep();
}

TEST_F(StepExecutorTest, CancelTerminatesRunningChildPromptly) {
  g_cancelExecutor = &m_executor;
  g_cancelLog = &m_log;
  g_cancelResult = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, CancelFromTimer);
  ASSERT_NE(0u, timer);
  m_executor.SetRunning(true);
  EXPECT_FALSE(Run(StepExecuteProgram, "Long", m_standIn.c_str(), "--out started --sleep 60000"));
  DWORD returned = GetTickCount();
  KillTimer(nullptr, timer);
  EXPECT_TRUE(g_cancelResult);
  EXPECT_FALSE(m_executor.IsRunning());
  EXPECT_LT(returned - g_cancelTick, 5000u);
  EXPECT_EQ("Long Failed", m_log.Entries().back().text);
  // Between steps there is nothing to terminate.
  EXPECT_FALSE(m_executor.CancelCurrentStep());
}

}  // namespace
