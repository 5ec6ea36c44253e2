// The run drivers: what runs, in which order, what the log and the rows show,
// cancel, the exit code, the elapsed and status texts, and closing mid-run.
#include <gtest/gtest.h>

#include "SupportRun.h"
#include "app/AppRunResources.h"
#include "foundation/TimeUtilities.h"
#include "testsupport/MessageLoop.h"
#include "testsupport/TestText.h"

namespace {

std::string Out(const char* text, int exitCode) {
  return std::string("--out ") + text + " --exit " + std::to_string(exitCode);
}

class MainDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_standIn = StandInPath();
    ASSERT_TRUE(m_run.Create());
  }
  // Five program steps a..e; the step `failing` (-1: none) exits with 1.
  void LoadFive(int failing = -1) {
    m_params.clear();
    for (int i = 0; i < 5; ++i) m_params.push_back(Out(m_names[i], i == failing ? 1 : 0));
    std::vector<FixtureStep> steps;
    for (int i = 0; i < 5; ++i)
      steps.push_back({StepExecuteProgram, m_names[i], m_standIn.c_str(), m_params[i].c_str(), false});
    ASSERT_TRUE(m_run.Load(steps));
  }
  std::vector<std::string> Ran() {
    std::vector<std::string> ran;
    for (const std::string& text : m_run.LogTexts())
      if (text.compare(0, 8, "Running ") == 0) ran.push_back(text.substr(8));
    return ran;
  }
  CBuildStepDisplay& List() { return m_run.m_display.GetStepDisplay(); }

  const char* m_names[5] = {"a", "b", "c", "d", "e"};
  std::vector<std::string> m_params;
  std::string m_standIn;
  CRunFixture m_run;
};

TEST_F(MainDisplayTest, RunAllLogsEachStepAndItsOutputAndColoursTheNames) {
  LoadFive();
  m_run.m_display.GetLogDisplay().AddEntry(LogOutput, "old");
  ASSERT_TRUE(m_run.m_display.RunCommand(CMainDisplay::runAll));
  const std::vector<std::string> log = m_run.LogTexts();
  ASSERT_EQ(15u, log.size());
  EXPECT_EQ("Running a", log[0]) << "the old log was cleared";
  EXPECT_EQ("    a", log[1]);
  EXPECT_EQ("a Completed Successfully", log[2]);
  COLORREF color = 0;
  m_run.m_display.GetLogDisplay().GetEntry(2, nullptr, nullptr, &color);
  EXPECT_EQ(RGB(0, 128, 0), color);
  for (int row = 0; row < 5; ++row) EXPECT_EQ(CBuildStepDisplay::kSuccessColor, m_run.NameColor(row));
  EXPECT_EQ(0, m_run.m_owner.m_exitCode);
  EXPECT_FALSE(m_run.m_display.IsRunActive());
  EXPECT_FALSE(m_run.m_display.GetTimer().IsEnabled());
}

TEST_F(MainDisplayTest, AFailureEndsTheRunAndLeavesLaterRowsUntouched) {
  LoadFive(2);
  ASSERT_TRUE(m_run.m_display.RunCommand(CMainDisplay::runAll));
  EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), Ran());
  EXPECT_EQ("c Failed", m_run.LogTexts().back());
  EXPECT_EQ(CBuildStepDisplay::kFailureColor, m_run.NameColor(2));
  EXPECT_EQ(RGB(0, 0, 0), m_run.NameColor(3));
  EXPECT_TRUE(List().GetRow(3)->GetColumnText(1).IsEmpty());
  EXPECT_EQ(1, m_run.m_owner.m_exitCode);
}

TEST_F(MainDisplayTest, FromTheCursorRunsToTheEndAndResetsOnlyTheCursorRow) {
  LoadFive(1);
  m_run.m_display.RunCommand(CMainDisplay::runAll);  // b fails, a succeeds
  m_run.Select({2});
  m_run.m_display.GetLogDisplay().AddEntry(LogOutput, "kept");
  ASSERT_TRUE(m_run.m_display.RunCommand(CMainDisplay::runFromCursor));
  EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "d", "e"}), Ran()) << "appended to the log";
  EXPECT_EQ(CBuildStepDisplay::kSuccessColor, m_run.NameColor(0));
  EXPECT_EQ(CBuildStepDisplay::kFailureColor, m_run.NameColor(1));
  EXPECT_EQ(0, m_run.m_owner.m_exitCode);
  EXPECT_EQ(1, List().GetSelectedCount());
  EXPECT_TRUE(List().GetRow(4)->m_bSelected) << "the last row run stays selected";
}

TEST_F(MainDisplayTest, SelectedRowsRunInTheViewsOrderAndEndSelected) {
  LoadFive();
  m_run.Select({3, 1});
  ASSERT_TRUE(m_run.m_display.RunCommand(CMainDisplay::runSelected));
  EXPECT_EQ((std::vector<std::string>{"b", "d"}), Ran());
  EXPECT_EQ(2, List().GetSelectedCount());
  EXPECT_TRUE(List().GetRow(1)->m_bSelected);
  EXPECT_TRUE(List().GetRow(3)->m_bSelected);
}

TEST_F(MainDisplayTest, CancelTerminatesTheChildAndFailsTheRow) {
  const std::string started = "velm_app_started_" + std::to_string(GetCurrentProcessId());
  const std::string never = "velm_app_never_" + std::to_string(GetCurrentProcessId());
  HANDLE startedEvent = CreateEventA(nullptr, TRUE, FALSE, started.c_str());
  HANDLE neverEvent = CreateEventA(nullptr, TRUE, FALSE, never.c_str());
  const std::string params = "--signal " + started + " --await " + never;
  ASSERT_TRUE(m_run.Load({{StepExecuteProgram, "long", m_standIn.c_str(), params.c_str(), false},
                          {StepExecuteProgram, "after", m_standIn.c_str(), "--out x", false}}));
  bool cancelled = false;
  m_run.m_runHost.m_onWait = [&] {
    if (!cancelled && WaitForSingleObject(startedEvent, 0) == WAIT_OBJECT_0) {
      cancelled = true;
      // As the frame's Cancel Run command does, dispatched during the wait.
      m_run.m_display.CancelRunCommand();
    }
  };
  // The wait returns on every message; the child's start alone wakes nothing,
  // so a timer keeps the wait turning until the child has signalled.
  const UINT_PTR timer = ::SetTimer(NULL, 0, 20, NULL);
  ASSERT_TRUE(m_run.m_display.RunCommand(CMainDisplay::runAll));
  ::KillTimer(NULL, timer);
  EXPECT_TRUE(cancelled);
  EXPECT_EQ((std::vector<std::string>{"long"}), Ran());
  EXPECT_EQ("Execution cancelled by user", m_run.LogTexts().back());
  EXPECT_EQ(CBuildStepDisplay::kFailureColor, m_run.NameColor(0));
  EXPECT_EQ(1, m_run.m_owner.m_exitCode);
  CloseHandle(startedEvent);
  CloseHandle(neverEvent);
}

TEST_F(MainDisplayTest, CancelWithoutARunOnlyClearsTheFlag) {
  LoadFive();
  m_run.m_display.CancelRunCommand();
  EXPECT_FALSE(m_run.m_display.GetExecutor().IsRunning());
  EXPECT_FALSE(m_run.m_display.IsRunActive());
  EXPECT_TRUE(m_run.LogTexts().empty());
  ASSERT_TRUE(m_run.m_display.RunCommand(CMainDisplay::runAll));
  EXPECT_EQ(5u, Ran().size()) << "a run sets the flag again";
}

TEST_F(MainDisplayTest, EmptyAndPausedFilesRunToExitCodeZero) {
  const std::vector<std::vector<FixtureStep>> files = {
      {}, {{StepExecuteProgram, "p", m_standIn.c_str(), "--exit 1", true}}};
  for (const auto& steps : files) {
    m_run.m_owner.m_exitCode = -1;
    ASSERT_TRUE(m_run.Load(steps));
    ASSERT_TRUE(m_run.m_display.RunCommand(CMainDisplay::runAll));
    EXPECT_EQ(0, m_run.m_owner.m_exitCode);
    EXPECT_TRUE(m_run.LogTexts().empty());
  }
  EXPECT_EQ(CBuildStepDisplay::kPausedColor, m_run.NameColor(0)) << "a paused row keeps its colour";
}

TEST_F(MainDisplayTest, ClosingDuringARunWaitsForItsEnd) {
  const std::string started = "velm_app_close_" + std::to_string(GetCurrentProcessId());
  HANDLE startedEvent = CreateEventA(nullptr, TRUE, FALSE, started.c_str());
  HANDLE neverEvent = CreateEventA(nullptr, TRUE, FALSE, (started + "_never").c_str());
  const std::string params = "--signal " + started + " --await " + started + "_never";
  ASSERT_TRUE(m_run.Load({{StepExecuteProgram, "long", m_standIn.c_str(), params.c_str(), false}}));
  bool asked = false;
  bool allowed = true;
  m_run.m_runHost.m_onWait = [&] {
    if (!asked && WaitForSingleObject(startedEvent, 0) == WAIT_OBJECT_0) {
      asked = true;
      allowed = m_run.m_display.CanCloseFrame();
      EXPECT_EQ(0, m_run.m_frame.CountMessages(WM_CLOSE));
    }
  };
  const UINT_PTR timer = ::SetTimer(NULL, 0, 20, NULL);
  ASSERT_TRUE(m_run.m_display.RunCommand(CMainDisplay::runAll));
  ::KillTimer(NULL, timer);
  EXPECT_TRUE(asked);
  EXPECT_FALSE(allowed);
  EXPECT_TRUE(RunMessagesUntil([&] { return m_run.m_frame.CountMessages(WM_CLOSE) == 1; }));
  EXPECT_TRUE(m_run.m_display.CanCloseFrame());
  CloseHandle(startedEvent);
  CloseHandle(neverEvent);
}

TEST_F(MainDisplayTest, ThePumpPutsBackAQuitItTook) {
  ::PostQuitMessage(7);
  m_run.m_display.PumpMessages();
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7u, msg.wParam);
}

int64_t g_now = 0;
int64_t ScriptedNow() { return g_now; }

TEST_F(MainDisplayTest, ElapsedTimeShowsDaysBeforeTheClock) {
  const struct {
    int64_t span;
    const char* text;
  } cases[] = {
      {59 * kTimeUnitsPerSecond, "Elapsed Time: 00:00:59"},
      {kTimeUnitsPerDay + 2 * kTimeUnitsPerHour + 3 * kTimeUnitsPerMinute + 4 * kTimeUnitsPerSecond,
       "1 day  Elapsed Time: 02:03:04"},
      {2 * kTimeUnitsPerDay + 5 * kTimeUnitsPerSecond, "2 days  Elapsed Time: 00:00:05"},
      {0, ""},
  };
  UtcClockSource previous = SetUtcClockSource(ScriptedNow);
  for (const auto& c : cases) {
    // A finished run and a running one read the same span.
    for (bool running : {false, true}) {
      m_run.m_display.m_runStartTime = 1000 * kTimeUnitsPerDay;
      m_run.m_display.m_runEndTime = m_run.m_display.m_runStartTime + c.span;
      g_now = m_run.m_display.m_runEndTime;
      m_run.m_display.m_bTimingActive = running;
      CTesselString text;
      EXPECT_EQ(c.span > 0, m_run.m_display.GetElapsedTimeText(&text));
      EXPECT_EQ(c.text, TextOf(text));
    }
  }
  m_run.m_display.m_bTimingActive = false;
  SetUtcClockSource(previous);
}

TEST_F(MainDisplayTest, StatusTextsCountTheStepsOfANamedFile) {
  EXPECT_EQ("", TextOf(m_run.m_display.GetStepStatusText())) << "no file";
  ASSERT_TRUE(m_run.Load({}));
  EXPECT_EQ("0 Steps", TextOf(m_run.m_display.GetStepStatusText()));
  ASSERT_TRUE(m_run.Load({{StepExecuteProgram, "only", "x", "", false}}));
  m_run.Select({0});
  EXPECT_EQ("1 Step", TextOf(m_run.m_display.GetStepStatusText()));
  LoadFive();
  EXPECT_EQ("5 Steps", TextOf(m_run.m_display.GetStepStatusText()));
  m_run.Select({2});
  EXPECT_EQ("Step 3 of 5 Steps", TextOf(m_run.m_display.GetStepStatusText()));
}

}  // namespace
