// An interval timer with its own thread.
#pragma once

#include <windows.h>

#include <atomic>

#include "foundation/CommThreadedExecutor.h"
#include "foundation/ReentrantLock.h"

/// Calls the virtual OnTimer() on its own thread every interval while enabled.
///
/// The thread exists from construction to Shutdown() or destruction; it idles
/// until Enable(). Enable() makes the first tick come at once; after that a tick
/// follows the previous one by the interval plus the tick's own duration. A wake
/// that arrives while a tick runs is dropped.
///
/// OnTimer() runs on the timer thread without any lock held; it must not touch
/// windows directly (post a message instead) and must not call Shutdown() or
/// WaitForCallbackToFinish(). A derived class must call Shutdown() in its own
/// destructor, so that no tick runs while its members are destroyed.
class CCommSystemTimer : public CCommThreadedExecutor {
 public:
  /// Interval 2000 ms, disabled; starts the timer thread.
  CCommSystemTimer();
  /// Disables the timer, ends its thread and closes the events.
  ~CCommSystemTimer() override;

  /// The timer thread's loop; see the class comment. True when a tick ran.
  bool Run() override;

  /// The tick, on the timer thread. The base does nothing.
  virtual void OnTimer();

  /// Enables ticking and wakes the thread for an immediate tick.
  /// False when the timer's events could not be created.
  virtual bool Enable();

  /// Disables ticking; a tick already running is not waited for.
  /// False when the timer's events could not be created.
  virtual bool Disable();

  /// Disables the timer and ends its thread, waiting for a running tick; returns
  /// promptly whatever the interval. After it, Enable() only sets the flag.
  virtual bool Shutdown();

  /// When a tick is running, waits for it to end and gives the wait's result;
  /// false when no tick runs. Not from OnTimer().
  bool WaitForCallbackToFinish();

  bool IsEnabled() const { return m_enabled.load(); }
  int GetInterval() const { return m_interval.load(); }

 protected:
  /// Milliseconds between ticks; takes effect from the next wait.
  void SetInterval(int milliseconds) { m_interval.store(milliseconds); }

 private:
  std::atomic<int> m_interval;
  HANDLE m_wakeEvent;
  HANDLE m_idleEvent;
  std::atomic<bool> m_enabled;
  bool m_inCallback;  // guarded by m_lock, together with m_idleEvent
  CReentrantLock m_lock;
};
