#include "foundation/CommSystemTimer.h"

CCommSystemTimer::CCommSystemTimer()
    : m_interval(2000),
      m_wakeEvent(CreateSignalEvent()),
      m_idleEvent(CreateSignalEvent()),
      m_enabled(false),
      m_inCallback(false) {
  Start();
}

CCommSystemTimer::~CCommSystemTimer() {
  Disable();
  if (m_wakeEvent) {
    SetKeepRunning(false);
    SetEvent(m_wakeEvent);
    CCommThreadedExecutor::Stop();
  }
  if (m_wakeEvent) CloseHandle(m_wakeEvent);
  if (m_idleEvent) CloseHandle(m_idleEvent);
  m_wakeEvent = nullptr;
  m_idleEvent = nullptr;
}

bool CCommSystemTimer::Run() {
  if (!m_wakeEvent || !m_idleEvent) return false;
  bool ticked = false;
  while (KeepRunning()) {
    int interval = m_interval.load();
    WaitForSignal(m_wakeEvent, interval < 0 ? 0 : static_cast<DWORD>(interval));
    if (!KeepRunning()) break;
    if (!m_enabled.load()) continue;

    m_lock.Lock();
    ResetEvent(m_idleEvent);
    m_inCallback = true;
    m_lock.Unlock();

    OnTimer();

    m_lock.Lock();
    m_inCallback = false;
    SetEvent(m_idleEvent);
    m_lock.Unlock();
    ticked = true;
    // Drop wakes that came in during the tick so ticks keep their spacing.
    // Shutdown clears KeepRunning before it wakes, so the loop test still sees it.
    ResetEvent(m_wakeEvent);
  }
  return ticked;
}

void CCommSystemTimer::OnTimer() {}

bool CCommSystemTimer::Enable() {
  if (!m_wakeEvent) return false;
  m_enabled.store(true);
  SetEvent(m_wakeEvent);
  return true;
}

bool CCommSystemTimer::Disable() {
  if (!m_wakeEvent) return false;
  m_enabled.store(false);
  return true;
}

bool CCommSystemTimer::Shutdown() {
  Disable();
  if (!m_wakeEvent) return false;
  SetKeepRunning(false);
  SetEvent(m_wakeEvent);
  Stop();
  return true;
}

bool CCommSystemTimer::WaitForCallbackToFinish() {
  if (!m_idleEvent) return false;
  m_lock.Lock();
  bool inCallback = m_inCallback;
  m_lock.Unlock();
  if (!inCallback) return false;
  return WaitForSignal(m_idleEvent, INFINITE);
}
