#include "foundation/CommThreadedExecutor.h"

namespace {

HANDLE CreateEventOfKind(BOOL manualReset) {
  HANDLE event = CreateEventA(nullptr, manualReset, FALSE, nullptr);
  if (event) ResetEvent(event);
  return event;
}

}  // namespace

HANDLE CreateSignalEvent() { return CreateEventOfKind(FALSE); }

HANDLE CreateManualSignalEvent() { return CreateEventOfKind(TRUE); }

bool WaitForSignal(HANDLE handle, DWORD timeoutMs) {
  if (!handle) return false;
  return WaitForSingleObject(handle, timeoutMs) == WAIT_OBJECT_0;
}

CCommThreadedExecutor::CCommThreadedExecutor()
    : m_thread(nullptr),
      m_threadId(0),
      m_startedEvent(CreateSignalEvent()),
      m_finishedEvent(CreateSignalEvent()),
      m_keepRunning(true),
      m_lastResult(false),
      m_running(false) {}

CCommThreadedExecutor::~CCommThreadedExecutor() {
  // Calls the base Stop: a derived part no longer exists here.
  CCommThreadedExecutor::Stop();
  if (m_startedEvent) CloseHandle(m_startedEvent);
  if (m_finishedEvent) CloseHandle(m_finishedEvent);
  m_startedEvent = nullptr;
  m_finishedEvent = nullptr;
}

bool CCommThreadedExecutor::Start() {
  Stop();

  DWORD id = 0;
  HANDLE thread =
      CreateThread(nullptr, 0, &CCommThreadedExecutor::ThreadRoutine, this, CREATE_SUSPENDED, &id);
  if (!thread) return false;
  m_thread = thread;
  m_threadId = id;
  if (ResumeThread(thread) == static_cast<DWORD>(-1)) {
    // The suspended thread never ran; ending it keeps no handle or thread behind.
    TerminateThread(thread, 0);
    CloseHandle(thread);
    m_thread = nullptr;
    m_threadId = 0;
    return false;
  }
  return WaitUntilStarted();
}

bool CCommThreadedExecutor::Stop() {
  bool wasRunning = m_running.load();
  m_keepRunning.store(false);
  bool result = false;
  if (wasRunning) result = WaitUntilFinished();
  ReleaseThread();
  return result;
}

void CCommThreadedExecutor::ReleaseThread() {
  if (m_thread) {
    // The finished event fires just before the routine returns; waiting for the
    // handle as well makes sure no code of this object runs once Stop returned.
    if (GetCurrentThreadId() != m_threadId) WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
  }
  m_thread = nullptr;
  m_threadId = 0;
  m_keepRunning.store(true);
  m_running.store(false);
  m_lastResult.store(false);
  if (m_startedEvent) ResetEvent(m_startedEvent);
  if (m_finishedEvent) ResetEvent(m_finishedEvent);
}

bool CCommThreadedExecutor::Run() { return false; }

bool CCommThreadedExecutor::OnThreadExit() { return false; }

bool CCommThreadedExecutor::WaitUntilFinished() {
  bool finished = WaitForSignal(m_finishedEvent, INFINITE);
  m_keepRunning.store(false);
  m_running.store(false);
  return finished;
}

bool CCommThreadedExecutor::WaitUntilStarted() { return WaitForSignal(m_startedEvent, INFINITE); }

DWORD WINAPI CCommThreadedExecutor::ThreadRoutine(LPVOID parameter) {
  CCommThreadedExecutor* self = static_cast<CCommThreadedExecutor*>(parameter);
  if (!self) return 0;
  self->m_running.store(true);
  if (self->m_startedEvent) SetEvent(self->m_startedEvent);
  bool result = self->Run();
  self->m_lastResult.store(result);
  self->OnThreadExit();
  if (self->m_finishedEvent) SetEvent(self->m_finishedEvent);
  return result ? 1 : 0;
}
