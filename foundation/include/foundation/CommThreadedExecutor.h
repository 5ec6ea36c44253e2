// The base of every object that owns one worker thread, and the event helpers
// that the thread and timer classes share.
#pragma once

#include <windows.h>

#include <atomic>

/// An unnamed auto-reset event, not signalled; null on failure. The caller
/// closes it with CloseHandle.
HANDLE CreateSignalEvent();

/// An unnamed manual-reset event, not signalled; null on failure.
HANDLE CreateManualSignalEvent();

/// Waits for `handle` up to `timeoutMs` (INFINITE allowed). True only when the
/// handle was signalled; a null handle gives false at once, as do time-outs,
/// abandoned waits and errors.
bool WaitForSignal(HANDLE handle, DWORD timeoutMs);

/// Owns at most one operating-system thread that runs the virtual Run().
///
/// Start() returns once the thread body has begun; Stop() asks the body to end
/// (KeepRunning() turns false) and waits for it without time-out, so a Run()
/// that loops must test KeepRunning(). The object can be started again after it
/// stopped. Start, Stop and the destructor belong to the owning thread; Run and
/// OnThreadExit run on the worker thread.
///
/// A derived class whose Run() uses its own members must call Stop() in its own
/// destructor: the base destructor runs after the derived members are gone.
class CCommThreadedExecutor {
 public:
  /// Creates the started and finished events; no thread yet.
  CCommThreadedExecutor();
  /// Stops the thread (waiting for it) and closes the events.
  virtual ~CCommThreadedExecutor();

  /// Ends any earlier thread, then starts a new one. True once the new thread's
  /// body has begun; false (and no thread) when it cannot be created or resumed.
  virtual bool Start();

  /// When the thread runs: clears KeepRunning() and waits until it finished;
  /// the result is that wait's. False when nothing ran (a stop before a start).
  /// Either way the object is left startable.
  virtual bool Stop();

  /// The thread body. The base returns false at once.
  virtual bool Run();

  /// Called on the worker thread after Run(). The base returns false.
  virtual bool OnThreadExit();

  /// Waits without time-out for the thread to finish, then marks it not
  /// running. Owning thread only.
  virtual bool WaitUntilFinished();

  /// Waits without time-out for the thread body to begin.
  virtual bool WaitUntilStarted();

  /// True while the thread is wanted; loops in Run() test it. Any thread.
  bool KeepRunning() const { return m_keepRunning.load(); }
  /// True from the moment the body began until the thread is stopped.
  bool IsRunning() const { return m_running.load(); }
  /// What the last Run() returned (false until a run ended).
  bool GetLastResult() const { return m_lastResult.load(); }
  /// Id of the current thread, 0 when there is none.
  DWORD GetThreadId() const { return m_threadId; }

 protected:
  /// Lets a derived class end its loop without waiting (Stop() still waits).
  void SetKeepRunning(bool value) { m_keepRunning.store(value); }

 private:
  static DWORD WINAPI ThreadRoutine(LPVOID parameter);
  void ReleaseThread();

  HANDLE m_thread;
  DWORD m_threadId;
  HANDLE m_startedEvent;
  HANDLE m_finishedEvent;
  // Written by one thread and read by the other, hence atomic.
  std::atomic<bool> m_keepRunning;
  std::atomic<bool> m_lastResult;
  std::atomic<bool> m_running;

  CCommThreadedExecutor(const CCommThreadedExecutor&) = delete;
  CCommThreadedExecutor& operator=(const CCommThreadedExecutor&) = delete;
};
