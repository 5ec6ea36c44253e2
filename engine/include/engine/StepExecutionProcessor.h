// CStepExecutionProcessor: runs one command line as a child process and passes
// what it writes to its executor.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "foundation/CommThreadedExecutor.h"
#include "foundation/TesselString.h"

class CStepExecutor;

/// Runs one command line as a child process on a worker thread and hands every
/// chunk of the child's standard output and standard error to the output target
/// (CStepExecutor::AddProcessOutput, on the worker thread). The child's standard
/// input is the NUL device, so a tool that reads it sees its end at once. The
/// child and everything it starts run in a job object, so that terminating it
/// ends its whole process tree.
///
/// Lives for one call of the executor: the UI thread configures it, calls
/// RunProcessAndWait, and may call TerminateChildProcess while it waits (from a
/// message dispatched by RunProcessAndWait).
class CStepExecutionProcessor : public CCommThreadedExecutor {
 public:
  /// Polling periods: the worker looks at the child and its pipe every
  /// kChildPollMs, the waiting UI thread looks at the worker every kUiPollMs.
  static const DWORD kChildPollMs = 50;
  static const DWORD kUiPollMs = 100;
  /// How much one read of the output pipe takes at most.
  static const DWORD kOutputChunkBytes = 1024000;

  CStepExecutionProcessor();
  /// Stops the worker (waiting for it) before the members go.
  virtual ~CStepExecutionProcessor();

  /// The program part of the command line (quoted by the caller when needed).
  void SetCommand(CTesselString command);
  /// Appended to the command after one blank (the blank is there also when empty).
  void SetParameters(CTesselString parameters);
  /// Gives the child one environment variable on top of this process's
  /// environment (empty name: none). UI thread, before RunProcessAndWait.
  void SetChildEnvironmentVariable(CTesselString name, CTesselString value);

  /// Receives the output; without one, no output is read. Set before a run.
  CStepExecutor* m_outputTarget;
  /// Whether the child's first window is shown (default true).
  bool m_showWindow;

  /// Runs the command line to the child's end and returns true when it exited
  /// with code 0. UI thread: while it waits, it keeps dispatching the thread's
  /// window messages; a WM_QUIT taken from the queue meanwhile is posted again
  /// before it returns.
  bool RunProcessAndWait();

  /// Ends the running child and its process tree with exit code 1. UI thread
  /// (or any thread other than the worker). False when no child runs or it
  /// cannot be terminated; a child still being started when it is called is
  /// ended as soon as it exists.
  bool TerminateChildProcess();

  /// Clears busy and stops the worker, waiting for it. Owning thread.
  virtual bool Shutdown();

  /// "\\.\Pipe\RemoteExeAnon.<process id>.<counter>", both as eight lower-case
  /// hexadecimal digits; the counter goes up with every name. Worker thread
  /// during a run; any thread otherwise.
  CTesselString MakePipeName();

  /// The thread body: one run of the command line. Worker thread.
  virtual bool Run() override;

 private:
  bool RunProcess();
  bool CreateOutputPipe(HANDLE* readEnd, HANDLE* writeEnd);
  bool StartChild(HANDLE output, HANDLE error, HANDLE input, PROCESS_INFORMATION* info);
  HANDLE PutIntoJob(HANDLE process);
  void WaitForChild(HANDLE process);
  void DrainOutputPipe();
  void FinishOutput();
  void ForgetChild(HANDLE* process, HANDLE* job);
  std::string BuildEnvironmentBlock() const;
  void PumpMessages(bool* quitTaken, WPARAM* quitCode);

  CTesselString m_command;
  CTesselString m_parameters;
  CTesselString m_environmentName;
  CTesselString m_environmentValue;
  std::atomic<bool> m_busy;
  std::atomic<bool> m_success;
  int m_pipeCounter;
  char* m_outputBuffer;
  HANDLE m_outputPipe;  // the parent's (reading) end, worker thread only

  // The running child as TerminateChildProcess reaches it. Guarded by m_childLock
  // so that the worker cannot close the handles between the check and the use.
  CRITICAL_SECTION m_childLock;
  HANDLE m_childProcess;
  HANDLE m_childJob;
  DWORD m_childId;
  bool m_terminateRequested;  // a termination asked for during this run

  CStepExecutionProcessor(const CStepExecutionProcessor&) = delete;
  CStepExecutionProcessor& operator=(const CStepExecutionProcessor&) = delete;
};
