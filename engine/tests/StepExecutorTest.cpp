// The step executor with process steps: log entries, variables, the command line
// of each step type (seen through the echoing stand-in tool), nested builds,
// output lines and cancel.
#include <stdlib.h>

#include <string>
#include <thread>
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

// Cancel arrives while the run host waits, as the application's cancel command
// does; the child says when it runs, so nothing is polled.
TEST_F(StepExecutorTest, CancelTerminatesRunningChildPromptly) {
  CNamedEvent started, never;
  bool cancelled = false;
  DWORD cancelTick = 0;
  m_host.WhenSignalled(started.Handle(), [&] {
    cancelTick = GetTickCount();
    cancelled = m_executor.CancelCurrentStep();
  });
  m_executor.SetRunning(true);
  std::string parameters = "--out started --signal " + started.Name() + " --await " + never.Name();
  EXPECT_FALSE(Run(StepExecuteProgram, "Long", m_standIn.c_str(), parameters.c_str()));
  DWORD returned = GetTickCount();
  EXPECT_TRUE(cancelled);
  EXPECT_FALSE(m_executor.IsRunning());
  EXPECT_LT(returned - cancelTick, 5000u);
  std::vector<ExecLogEntry> entries = m_log.Entries();
  ASSERT_EQ(3u, entries.size());
  EXPECT_EQ("    started", entries[1].text);
  EXPECT_EQ(LogFailure, entries[2].kind);
  EXPECT_EQ("Long Failed", entries[2].text);
  // Between steps there is nothing to terminate.
  EXPECT_FALSE(m_executor.CancelCurrentStep());
}

// The wait as the application makes it: window messages flow while a step
// runs, and a WM_QUIT taken from the queue is posted again before it returns.
class CPumpingRunHost : public CFakeRunHost {
 public:
  DWORD WaitForStepHandles(DWORD count, const HANDLE* handles) override {
    ++m_waits;
    bool quit = false;
    WPARAM quitCode = 0;
    DWORD result;
    while ((result = MsgWaitForMultipleObjects(count, handles, FALSE, INFINITE, QS_ALLINPUT)) ==
           WAIT_OBJECT_0 + count) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
          quit = true;
          quitCode = msg.wParam;
          continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
    if (quit) PostQuitMessage(static_cast<int>(quitCode));
    return result;
  }
};

const UINT kCancelMessage = WM_APP + 1;

LRESULT CALLBACK CancelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kCancelMessage) return DefWindowProcA(window, message, wParam, lParam);
  auto* executor = reinterpret_cast<CStepExecutor*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return executor->CancelCurrentStep() ? 1 : 0;
}

TEST_F(StepExecutorTest, CancelCommandDispatchedByTheApplicationsWait) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = CancelWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "VelmEngineTestCancel";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(nullptr, window);
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_executor));
  CPumpingRunHost host;
  m_executor.SetOwner(&host);
  // The cancel command comes as a window message once the child runs.
  CNamedEvent started, never;
  std::thread poster([&] {
    if (WaitForSingleObject(started.Handle(), 60000) == WAIT_OBJECT_0)
      PostMessageA(window, kCancelMessage, 0, 0);
  });
  PostQuitMessage(5);
  std::string parameters = "--signal " + started.Name() + " --await " + never.Name();
  EXPECT_FALSE(Run(StepExecuteProgram, "Long", m_standIn.c_str(), parameters.c_str()));
  poster.join();
  EXPECT_FALSE(m_executor.IsRunning());
  EXPECT_GE(host.m_waits, 1);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(5u, msg.wParam);
  DestroyWindow(window);
}

// Wide texts (the build file keeps them) run exactly like narrow ones: every
// character reaches the child, paths with blanks are quoted, and variables are
// replaced.
class WideStepTest : public StepExecutorTest {
 protected:
  void SetUp() override {
    StepExecutorTest::SetUp();
    m_toolFolder = WideFromUtf8(m_folder.GetPath()) + L"\\Werkzeug und Инструменты";
    ASSERT_TRUE(CreateDirectoryW(m_toolFolder.c_str(), nullptr));
    m_tool = m_toolFolder + L"\\tool.exe";
    ASSERT_TRUE(CopyFileW(WideFromUtf8(m_standIn).c_str(), m_tool.c_str(), FALSE));
    m_host.m_installerPath = m_standIn;
    m_host.m_visualStudioPath = m_standIn;
    m_host.m_siblingToolPath = m_standIn;
  }

  bool RunWide(int type, const wchar_t* name, const wchar_t* executable, const wchar_t* parameters,
               const wchar_t* source = L"") {
    CBuildStepDataDefinition step;
    step.m_stepType = type;
    step.m_stepName.SetWideText(name);
    step.m_executablePath.SetWideText(executable);
    step.m_parameters.SetWideText(parameters);
    step.m_sourcePath.SetWideText(source);
    return m_executor.ExecuteStep(&step);
  }

  CTempFolder m_folder;
  std::wstring m_toolFolder;
  std::wstring m_tool;
};

TEST_F(WideStepTest, EveryProcessStepTypeKeepsWideTexts) {
  const std::wstring standIn = WideFromUtf8(m_standIn);
  const std::wstring project = L"C:\\Проекты\\my app.aip";
  struct Case {
    int type;
    std::wstring executable, parameters, source;
    std::vector<std::string> arguments;
  } cases[] = {
      {StepExecuteProgram, m_tool, L"--wargs Привет \"a b\"", L"", {"--wargs", u8"Привет", "a b"}},
      {StepDosCommand, L"", standIn + L" --wargs Привет", L"", {"--wargs", u8"Привет"}},
      {StepAdvancedInstallerBuild,
       L"",
       L"--wargs",
       project,
       {"/build", u8"C:\\Проекты\\my app.aip", "--wargs", "-force"}},
      {StepAdvancedInstallerEdit,
       L"",
       L"--wargs",
       project,
       {"/edit", u8"C:\\Проекты\\my app.aip", "--wargs"}},
      {StepMSDevCompile,
       L"",
       L"--wargs",
       project,
       {u8"C:\\Проекты\\my app.aip", "/rebuild", "--wargs"}},
      {StepVantrell, L"", L"--wargs Ünïcödé", L"", {"--wargs", u8"Ünïcödé"}},
      {StepLumeth, L"", L"--wargs Ünïcödé", L"", {"--wargs", u8"Ünïcödé"}},
      {StepBrisant, L"", L"  --wargs Ünïcödé", L"", {"-cmd", "--wargs", u8"Ünïcödé"}},
      {StepQuorrel, L"", L" --wargs Ünïcödé ", L"", {"--wargs", u8"Ünïcödé"}},
  };
  for (const Case& c : cases) {
    m_log.Clear();
    EXPECT_TRUE(
        RunWide(c.type, L"Wide", c.executable.c_str(), c.parameters.c_str(), c.source.c_str()))
        << c.type;
    std::vector<std::string> expected;
    for (const std::string& argument : c.arguments)
      expected.push_back("    WARG[" + argument + "]");
    EXPECT_EQ(expected, Output()) << c.type;
  }
}

TEST_F(WideStepTest, WideCommandLineReachesTheChildIntact) {
  EXPECT_TRUE(RunWide(StepExecuteProgram, L"Echo", m_tool.c_str(), L"--wecho «Grüße» Привет"));
  std::vector<std::string> expected = {"    WCMDLINE[\"" + Utf8FromWide(m_tool) +
                                       u8"\" --wecho «Grüße» Привет]"};
  EXPECT_EQ(expected, Output());
}

TEST_F(WideStepTest, WideStepNameIsLoggedWide) {
  EXPECT_TRUE(RunWide(StepExecuteProgram, L"Сборка", m_tool.c_str(), L"--exit 0"));
  EXPECT_FALSE(RunWide(StepExecuteProgram, L"Сборка", m_tool.c_str(), L"--exit 1"));
  std::vector<std::string> expected = {u8"Running Сборка", u8"Сборка Completed Successfully",
                                       u8"Running Сборка", u8"Сборка Failed"};
  std::vector<std::string> texts;
  for (const ExecLogEntry& entry : m_log.Entries()) texts.push_back(entry.text);
  EXPECT_EQ(expected, texts);
}

std::string TextOf(CTesselString text) {
  return text.IsWide() ? Utf8FromWide(text.GetWideText()) : std::string(text.GetText());
}

TEST_F(WideStepTest, VariablesAreReplacedInWideTexts) {
  m_host.AddVariable("Word", "narrow");
  m_host.AddWideVariable(L"ГОРОД", L"Москва");
  m_host.AddWideVariable(L"City", L"Київ");
  struct Case {
    const wchar_t* wide;  // null: the narrow text below
    const char* narrow;
    const char* expected;
    bool wideAfter;
  } cases[] = {
      {L"%word% in %город%", nullptr, u8"narrow in Москва", true},
      {L"Grüße %WORD%", nullptr, u8"Grüße narrow", true},
      {nullptr, "%Word% to %city%", u8"narrow to Київ", true},
      {nullptr, "only %WORD%", "only narrow", false},
  };
  for (const Case& c : cases) {
    CBuildStepDataDefinition copy;
    if (c.wide)
      copy.m_parameters.SetWideText(c.wide);
    else
      copy.m_parameters.SetText(c.narrow);
    m_executor.SubstituteVariables(copy);
    EXPECT_EQ(c.expected, TextOf(copy.m_parameters));
    EXPECT_EQ(c.wideAfter, copy.m_parameters.IsWide()) << c.expected;
  }
  m_log.Clear();
  EXPECT_TRUE(RunWide(StepExecuteProgram, L"Vars", m_tool.c_str(), L"--wargs %Word% %город%"));
  std::vector<std::string> expected = {"    WARG[--wargs]", "    WARG[narrow]",
                                       u8"    WARG[Москва]"};
  EXPECT_EQ(expected, Output());
}

// The nested build gets this process's environment in wide form, so that a
// value in another script (a profile path in Cyrillic) arrives intact.
TEST_F(StepExecutorTest, NestedBuildKeepsNonAnsiEnvironmentValues) {
  const wchar_t profile[] = L"C:\\users\\Пользователь\\AppData";
  SetEnvironmentVariableW(L"VELM_EB_PROFILE", profile);
  m_host.m_nestedProgram = m_quotedStandIn + " --wenv VELM_EB_PROFILE";
  SetEnvironmentVariableA(CStepExecutor::kNestingDepthVariable, nullptr);
  EXPECT_TRUE(Run(StepBuildScript, "Nested", "", "", "D:\\Other.velm"));
  SetEnvironmentVariableW(L"VELM_EB_PROFILE", nullptr);
  std::vector<std::string> output = Output();
  ASSERT_EQ(3u, output.size());
  EXPECT_EQ("    WENV[" + Utf8FromWide(profile) + "]", output[0]);
  EXPECT_EQ("    DEPTH[1]", output[2]);
}

}  // namespace
