// CStepExecutionProcessor: runs one command line as a child process and passes
// what it writes to its output target.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "foundation/CommThreadedExecutor.h"
#include "foundation/TesselString.h"

class IProcessOutput;
class IRunHost;

/// Runs one command line as a child process on a worker thread and hands every
/// chunk of the child's standard output and standard error to the output target
/// (IProcessOutput, on the worker thread). The child's standard input is the NUL
/// device, so a tool that reads it sees its end at once. The child and
/// everything it starts run in a job object, so that terminating it ends its
/// whole process tree. The command line and the environment go to the child in
/// wide form: narrow texts are read in the ANSI code page, wide ones as they are.
///
/// Nothing polls. The UI thread starts the child, then the worker thread, which
/// sleeps until the pipe has data or the child has ended; meanwhile the UI
/// thread waits on the worker's end through the run host.
///
/// Lives for one call of the executor: the UI thread configures it, calls
/// RunProcessAndWait, and may call TerminateChildProcess while it waits (from a
/// message the run host dispatches).
class CStepExecutionProcessor : public CCommThreadedExecutor {
 public:
  /// How much one read of the output pipe takes at most.
  static const DWORD kOutputChunkBytes = 1024000;

  /// The creation flags a child is started with: none. A console child gets one
  /// console (this process's, or a new one whose window the show flag shows or
  /// hides), and every console program it starts shares it; a child without a
  /// console would make each of them open a window of its own.
  static DWORD ChildCreationFlags();

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
  /// Where the UI thread waits while the child runs; without one it waits
  /// plainly. Set before a run.
  void SetRunHost(IRunHost* host) { m_runHost = host; }

  /// Receives the output; without one, the output is read and dropped. Set
  /// before a run.
  IProcessOutput* m_outputTarget;
  /// Whether the child's first window is shown (default true).
  bool m_showWindow;

  /// Runs the command line to the child's end and returns true when it exited
  /// with code 0. UI thread: it waits in the run host's WaitForStepHandles.
  bool RunProcessAndWait();

  /// Ends the running child and its process tree with exit code 1. UI thread
  /// (or any thread other than the worker). False when no child runs or it
  /// cannot be terminated.
  bool TerminateChildProcess();

  /// Clears busy, signals the end of the run and stops the worker, waiting for
  /// it; false without the end event. Owning thread.
  virtual bool Shutdown();

  /// "\\.\Pipe\RemoteExeAnon.<process id>.<counter>", both as eight lower-case
  /// hexadecimal digits; the counter goes up with every name. Worker thread
  /// during a run; any thread otherwise.
  CTesselString MakePipeName();

  /// The thread body: reads the output of the child that RunProcessAndWait
  /// started until it has ended, and records its outcome. Worker thread.
  virtual bool Run() override;

 private:
  bool StartChildProcess();
  void FinishChildProcess();
  bool CreateOutputPipe(HANDLE* readEnd, HANDLE* writeEnd);
  bool StartChild(HANDLE output, HANDLE error, HANDLE input, PROCESS_INFORMATION* info);
  HANDLE PutIntoJob(HANDLE process);
  void WaitForWorker();
  void ReadUntilChildEnds(HANDLE process);
  bool ReadPipe(DWORD wanted, DWORD* got);
  void DrainOutputPipe();
  void Deliver(DWORD bytes);
  void ForgetChild(HANDLE* process, HANDLE* job);
  std::wstring BuildEnvironmentBlock() const;

  CTesselString m_command;
  CTesselString m_parameters;
  CTesselString m_environmentName;
  CTesselString m_environmentValue;
  IRunHost* m_runHost;
  std::atomic<bool> m_busy;
  std::atomic<bool> m_success;
  int m_pipeCounter;
  char* m_outputBuffer;
  HANDLE m_outputPipe;  // the parent's (reading) end, worker thread only
  HANDLE m_readEvent;   // completion of a read of the output pipe, worker thread only
  HANDLE m_doneEvent;   // manual reset: set by the worker when a run has ended

  // The running child as TerminateChildProcess reaches it. Guarded by m_childLock
  // so that the worker cannot close the handles between the check and the use.
  CRITICAL_SECTION m_childLock;
  HANDLE m_childProcess;
  HANDLE m_childJob;
  DWORD m_childId;

  CStepExecutionProcessor(const CStepExecutionProcessor&) = delete;
  CStepExecutionProcessor& operator=(const CStepExecutionProcessor&) = delete;
};
