// The execution processor with real child processes (the stand-in tool and the
// command interpreter): output capture, exit codes, standard input, pipe names,
// the wait through the run host, and termination of a whole process tree.
#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/LogSink.h"
#include "engine/ProcessOutput.h"
#include "StepExecutionProcessor.h"
#include "engine/StepExecutor.h"
#include "SupportExec.h"

namespace {

class ProcessorTest : public ::testing::Test {
 protected:
  void SetUp() override { m_executor.SetLog(&m_log); }

  // Runs the stand-in with the given arguments through a fresh processor.
  bool RunStandIn(const std::string& arguments, IRunHost* host = nullptr) {
    CStepExecutionProcessor processor;
    processor.m_outputTarget = &m_executor;
    processor.SetRunHost(host ? host : &m_host);
    processor.SetCommand(("\"" + StandInPath() + "\"").c_str());
    processor.SetParameters(arguments.c_str());
    return processor.RunProcessAndWait();
  }

  std::vector<std::string> Output() { return m_log.Texts(LogOutput); }

  CFakeExecLog m_log;
  CFakeRunHost m_host;
  CStepExecutor m_executor;
};

TEST_F(ProcessorTest, ExitCodeDecidesSuccess) {
  struct Case {
    const char* arguments;
    bool succeeds;
  } cases[] = {{"--exit 0", true},
               {"--exit 1", false},
               {"--exit 3", false},
               // STILL_ACTIVE as a real exit code must not look like a running child.
               {"--exit 259", false}};
  for (const Case& c : cases) EXPECT_EQ(c.succeeds, RunStandIn(c.arguments)) << c.arguments;
}

TEST_F(ProcessorTest, MissingProgramOrEmptyCommandFails) {
  CStepExecutionProcessor processor;
  processor.m_outputTarget = &m_executor;
  EXPECT_FALSE(processor.RunProcessAndWait());
  processor.SetCommand("\"Z:\\no\\such\\program.exe\"");
  EXPECT_FALSE(processor.RunProcessAndWait());
  EXPECT_TRUE(Output().empty());
}

TEST_F(ProcessorTest, SilentChildLogsNothing) {
  EXPECT_TRUE(RunStandIn("--exit 0"));
  EXPECT_TRUE(m_log.Entries().empty());
}

TEST_F(ProcessorTest, CapturesStandardOutputAndErrorInOrder) {
  EXPECT_TRUE(RunStandIn("--out one --err two --out three"));
  std::vector<std::string> expected = {"    one", "    two", "    three"};
  EXPECT_EQ(expected, Output());
}

TEST_F(ProcessorTest, CommandLineIsCommandBlankParameters) {
  CStepExecutionProcessor processor;
  processor.m_outputTarget = &m_executor;
  processor.SetCommand(("\"" + StandInPath() + "\"").c_str());
  EXPECT_TRUE(processor.RunProcessAndWait());
  // Empty parameters still give the blank after the program.
  std::vector<std::string> expected = {"    CMDLINE[\"" + StandInPath() + "\" ]"};
  EXPECT_EQ(expected, Output());
}

// Shown or hidden, a child has a console, which the console programs it starts
// share; without one each of them would open a console window of its own.
TEST_F(ProcessorTest, ChildHasAConsoleForItsOwnPrograms) {
  EXPECT_EQ(0u, CStepExecutionProcessor::ChildCreationFlags());
  for (bool shown : {true, false}) {
    m_log.Clear();
    CStepExecutionProcessor processor;
    processor.m_outputTarget = &m_executor;
    processor.m_showWindow = shown;
    processor.SetRunHost(&m_host);
    processor.SetCommand(("\"" + StandInPath() + "\"").c_str());
    processor.SetParameters("--console");
    EXPECT_TRUE(processor.RunProcessAndWait()) << shown;
    EXPECT_EQ(std::vector<std::string>{"    CONSOLE[1]"}, Output()) << shown;
  }
}

TEST_F(ProcessorTest, ChildReadingStandardInputSeesItsEnd) {
  EXPECT_TRUE(RunStandIn("--stdin"));
  std::vector<std::string> expected = {"    STDIN[0]"};
  EXPECT_EQ(expected, Output());
}

// Output far larger than the pipe holds arrives complete and in order.
void ExpectNumberedLines(const std::vector<std::string>& lines, long count) {
  ASSERT_EQ((size_t)count, lines.size());
  for (long i = 0; i < count; ++i) {
    char prefix[32];
    snprintf(prefix, sizeof(prefix), "    %010ld x", i);
    ASSERT_EQ(0u, lines[i].compare(0, strlen(prefix), prefix)) << "line " << i;
    ASSERT_EQ(4u + 79u, lines[i].size()) << "line " << i;
  }
}

TEST_F(ProcessorTest, OutputBeyondPipeSizeArrivesComplete) {
  EXPECT_TRUE(RunStandIn("--lines 2000"));  // 160,000 bytes
  ExpectNumberedLines(Output(), 2000);
}

TEST_F(ProcessorTest, TenMegabytesArriveCompleteAndInOrder) {
  const long lines = 10 * 1024 * 1024 / 80;
  EXPECT_TRUE(RunStandIn("--lines " + std::to_string(lines)));
  ExpectNumberedLines(Output(), lines);
}

TEST_F(ProcessorTest, OutputWithoutTargetIsStillReadSoTheChildCanEnd) {
  CStepExecutionProcessor processor;
  processor.SetCommand(("\"" + StandInPath() + "\"").c_str());
  processor.SetParameters("--lines 20000");  // far more than the pipe holds
  EXPECT_TRUE(processor.RunProcessAndWait());
}

// Passes every chunk on to the executor, and sets an event once it has, so
// that the child writes its next piece only after this one was read.
class CChunkRecorder : public IProcessOutput {
 public:
  CChunkRecorder(CStepExecutor* executor, HANDLE read) : m_executor(executor), m_read(read) {}
  bool AddProcessOutput(int kind, CTesselString* text) override {
    m_chunks.push_back(CTesselString(*text).GetText());
    bool logged = m_executor->AddProcessOutput(kind, text);
    SetEvent(m_read);
    return logged;
  }
  bool FlushProcessOutput(int kind) override { return m_executor->FlushProcessOutput(kind); }
  std::vector<std::string> m_chunks;

 private:
  CStepExecutor* m_executor;
  HANDLE m_read;
};

TEST_F(ProcessorTest, LineSplitAcrossReadsIsJoined) {
  CNamedEvent read;
  CChunkRecorder recorder(&m_executor, read.Handle());
  CStepExecutionProcessor processor;
  processor.m_outputTarget = &recorder;
  processor.SetRunHost(&m_host);
  processor.SetCommand(("\"" + StandInPath() + "\"").c_str());
  const std::string await = " --await " + read.Name() + " ";
  processor.SetParameters(("--raw par" + await + "--raw \"tial\\r\"" + await +
                           "--raw \"\\nnext\\r\\nlast without end\"")
                              .c_str());
  EXPECT_TRUE(processor.RunProcessAndWait());
  std::vector<std::string> chunks = {"par", "tial\r", "\nnext\r\nlast without end"};
  EXPECT_EQ(chunks, recorder.m_chunks);
  std::vector<std::string> expected = {"    partial", "    next", "    last without end"};
  EXPECT_EQ(expected, Output());
}

TEST_F(ProcessorTest, PipeNamesCountUpPerProcessor) {
  char prefix[64];
  snprintf(prefix, sizeof(prefix), "\\\\.\\Pipe\\RemoteExeAnon.%08lx.", GetCurrentProcessId());
  CStepExecutionProcessor processor;
  EXPECT_EQ(std::string(prefix) + "00000000", processor.MakePipeName().GetText());
  EXPECT_EQ(std::string(prefix) + "00000001", processor.MakePipeName().GetText());
  processor.m_outputTarget = &m_executor;
  processor.SetCommand(("\"" + StandInPath() + "\"").c_str());
  processor.SetParameters("--exit 0");
  EXPECT_TRUE(processor.RunProcessAndWait());
  // The run used the next name.
  EXPECT_EQ(std::string(prefix) + "00000003", processor.MakePipeName().GetText());
}

TEST_F(ProcessorTest, ChildEnvironmentVariableIsAdded) {
  SetEnvironmentVariableA("VELM_EB_PROBE", "parent");
  CStepExecutionProcessor processor;
  processor.m_outputTarget = &m_executor;
  processor.SetCommand(("\"" + StandInPath() + "\"").c_str());
  processor.SetParameters("--env VELM_EB_PROBE --env VELM_EB_EXTRA");
  processor.SetChildEnvironmentVariable("velm_eb_probe", "child");
  EXPECT_TRUE(processor.RunProcessAndWait());
  SetEnvironmentVariableA("VELM_EB_PROBE", nullptr);
  std::vector<std::string> expected = {"    ENV[child]", "    ENV[]"};
  EXPECT_EQ(expected, Output());
}

// The number of open handles of this process. Where the system does not count
// them (Wine answers 0), the free handle slots below a fixed ceiling are counted
// instead, by filling them: every handle left open takes one of them.
long OpenHandleMeasure() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count > 0) return (long)count;
  const uintptr_t ceiling = 0x4000;
  std::vector<HANDLE> probes;
  for (;;) {
    HANDLE probe = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (!probe) break;
    probes.push_back(probe);
    if (reinterpret_cast<uintptr_t>(probe) >= ceiling) break;
  }
  for (HANDLE probe : probes) CloseHandle(probe);
  return -(long)probes.size();
}

// A build runs hundreds of steps: pipes, process, thread and job handles of every
// outcome must be closed again.
TEST_F(ProcessorTest, RunsLeaveNoHandlesBehind) {
  const char* outcomes[] = {"--out x --exit 0", "--exit 2", "--stdin"};
  for (const char* arguments : outcomes) RunStandIn(arguments);  // first-use handles
  CStepExecutionProcessor missing;
  missing.SetCommand("\"Z:\\no\\such\\program.exe\"");
  missing.RunProcessAndWait();
  long before = OpenHandleMeasure();
  for (int round = 0; round < 5; ++round) {
    for (const char* arguments : outcomes) RunStandIn(arguments);
    CStepExecutionProcessor failing;
    failing.SetCommand("\"Z:\\no\\such\\program.exe\"");
    EXPECT_FALSE(failing.RunProcessAndWait());
  }
  EXPECT_EQ(before, OpenHandleMeasure());
}

TEST_F(ProcessorTest, TerminateWithoutChildIsFalse) {
  CStepExecutionProcessor processor;
  EXPECT_FALSE(processor.TerminateChildProcess());
}

// The waiting UI thread hears from the run host only: a host that returns
// early is asked again, one that cannot wait is replaced by a plain wait, and
// the thread's message queue is left alone.
class CImpatientHost : public CFakeRunHost {
 public:
  explicit CImpatientHost(int failures, DWORD answer) : m_failures(failures), m_answer(answer) {}
  DWORD WaitForStepHandles(DWORD count, const HANDLE* handles) override {
    if (m_failures-- > 0) {
      ++m_waits;
      return m_answer;
    }
    return CFakeRunHost::WaitForStepHandles(count, handles);
  }

 private:
  int m_failures;
  DWORD m_answer;
};

TEST_F(ProcessorTest, WaitGoesThroughTheRunHost) {
  struct Case {
    int failures;
    DWORD answer;
    int leastWaits;
  } cases[] = {{0, WAIT_FAILED, 1}, {3, WAIT_TIMEOUT, 4}, {1, WAIT_FAILED, 1}};
  for (const Case& c : cases) {
    m_log.Clear();
    CImpatientHost host(c.failures, c.answer);
    EXPECT_TRUE(RunStandIn("--out done", &host)) << c.failures;
    EXPECT_GE(host.m_waits, c.leastWaits) << c.failures;
    EXPECT_EQ(std::vector<std::string>{"    done"}, Output()) << c.failures;
  }
  CStepExecutionProcessor plain;  // without a host: a plain wait
  plain.SetCommand(("\"" + StandInPath() + "\"").c_str());
  plain.SetParameters("--exit 0");
  EXPECT_TRUE(plain.RunProcessAndWait());
}

TEST_F(ProcessorTest, WaitingLeavesTheMessageQueueAlone) {
  PostQuitMessage(7);
  EXPECT_TRUE(RunStandIn("--out x"));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7u, msg.wParam);
}

// Cancel from the run host's wait (where the application dispatches its cancel
// command), once the grandchild that the command interpreter starts has
// written its process id.
TEST_F(ProcessorTest, TerminateEndsTheWholeProcessTree) {
  CTempFolder folder;
  CNamedEvent started, never;
  const std::string pidFile = folder.PathOf("pid.txt");
  CStepExecutionProcessor processor;
  processor.m_outputTarget = &m_executor;
  processor.m_showWindow = false;
  processor.SetRunHost(&m_host);
  bool terminated = false;
  DWORD cancelTick = 0;
  m_host.WhenSignalled(started.Handle(), [&] {
    cancelTick = GetTickCount();
    terminated = processor.TerminateChildProcess();
  });
  processor.SetCommand("cmd.exe /c ");
  processor.SetParameters((StandInPath() + " --pidfile " + pidFile + " --signal " + started.Name() +
                           " --await " + never.Name())
                              .c_str());
  EXPECT_FALSE(processor.RunProcessAndWait());
  DWORD returned = GetTickCount();
  ASSERT_TRUE(terminated);
  EXPECT_LT(returned - cancelTick, 5000u);

  // The grandchild (the stand-in under cmd.exe) is gone too.
  DWORD pid = strtoul(CTempFolder::ReadBytes(pidFile).c_str(), nullptr, 10);
  ASSERT_NE(0u, pid);
  HANDLE grandchild = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
  if (grandchild) {
    bool ended = WaitForSingleObject(grandchild, 5000) == WAIT_OBJECT_0;
    EXPECT_TRUE(ended);
    if (!ended) TerminateProcess(grandchild, 9);  // leave no stray process behind
    CloseHandle(grandchild);
  }
}

}  // namespace
