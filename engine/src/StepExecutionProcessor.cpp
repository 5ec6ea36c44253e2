// CStepExecutionProcessor: the child process, its pipe and the waits of both
// threads. Every wait is on a handle; nothing sleeps for a fixed time.
#include "StepExecutionProcessor.h"

#include <stdio.h>
#include <wchar.h>

#include "StepText.h"
#include "engine/LogSink.h"
#include "engine/ProcessOutput.h"
#include "engine/RunHost.h"

namespace {

// Room for a fast writer to go on while the worker logs what it read, so that
// one read takes many of its writes at once.
const DWORD kPipeBufferBytes = 65536;
const DWORD kPipeTimeoutMs = 10000;

void CloseIfOpen(HANDLE* handle) {
  if (*handle && *handle != INVALID_HANDLE_VALUE) CloseHandle(*handle);
  *handle = nullptr;
}

}  // namespace

DWORD CStepExecutionProcessor::ChildCreationFlags() { return 0; }

CStepExecutionProcessor::CStepExecutionProcessor()
    : m_outputTarget(nullptr),
      m_showWindow(true),
      m_runHost(nullptr),
      m_busy(false),
      m_success(false),
      m_pipeCounter(0),
      m_outputBuffer(new char[kOutputChunkBytes + 2]),
      m_outputPipe(nullptr),
      m_readEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      m_doneEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      m_childProcess(nullptr),
      m_childJob(nullptr),
      m_childId(0) {
  InitializeCriticalSection(&m_childLock);
}

CStepExecutionProcessor::~CStepExecutionProcessor() {
  m_busy = false;
  Stop();
  delete[] m_outputBuffer;
  CloseIfOpen(&m_readEvent);
  CloseIfOpen(&m_doneEvent);
  DeleteCriticalSection(&m_childLock);
}

void CStepExecutionProcessor::SetCommand(CTesselString command) { m_command = command; }

void CStepExecutionProcessor::SetParameters(CTesselString parameters) { m_parameters = parameters; }

void CStepExecutionProcessor::SetChildEnvironmentVariable(CTesselString name, CTesselString value) {
  m_environmentName = name;
  m_environmentValue = value;
}

CTesselString CStepExecutionProcessor::MakePipeName() {
  CTesselString name;
  name.Format("\\\\.\\Pipe\\RemoteExeAnon.%08x.%08x", (unsigned)GetCurrentProcessId(),
              (unsigned)m_pipeCounter++);
  return name;
}

bool CStepExecutionProcessor::RunProcessAndWait() {
  if (m_command.IsEmpty() || !m_doneEvent || !m_readEvent) return false;
  m_success = false;
  ResetEvent(m_doneEvent);
  // The child starts first and runs while the worker thread is being made, so
  // that making the thread adds nothing to the step's time.
  if (!StartChildProcess()) return false;
  m_busy = true;
  if (!Start()) {
    m_busy = false;
    TerminateChildProcess();
    FinishChildProcess();
    m_success = false;
    return false;
  }
  WaitForWorker();
  Stop();
  return m_success;
}

void CStepExecutionProcessor::WaitForWorker() {
  // The done event is the one handle: the host's WAIT_OBJECT_0 means the run has
  // ended. It may also return early (it dispatched something): then ask again.
  for (;;) {
    DWORD result = m_runHost ? m_runHost->WaitForStepHandles(1, &m_doneEvent) : WAIT_FAILED;
    if (result == WAIT_OBJECT_0) return;
    if (result == WAIT_FAILED) {
      WaitForSingleObject(m_doneEvent, INFINITE);
      return;
    }
    if (WaitForSingleObject(m_doneEvent, 0) == WAIT_OBJECT_0) return;
  }
}

bool CStepExecutionProcessor::Shutdown() {
  if (!m_doneEvent) return false;
  m_busy = false;
  SetEvent(m_doneEvent);
  Stop();
  return true;
}

bool CStepExecutionProcessor::Run() {
  FinishChildProcess();
  // Success is stored before the end is signalled: the UI thread reads it then.
  m_busy = false;
  SetEvent(m_doneEvent);
  return false;
}

bool CStepExecutionProcessor::StartChildProcess() {
  HANDLE readEnd = nullptr, output = nullptr, error = nullptr, input = nullptr;
  if (!CreateOutputPipe(&readEnd, &output)) return false;
  SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
  // Standard error gets its own handle, so that a child closing one of the two
  // does not close the other.
  DuplicateHandle(GetCurrentProcess(), output, GetCurrentProcess(), &error, 0, TRUE,
                  DUPLICATE_SAME_ACCESS);
  // Nothing is ever written to the child: at end of file at once, a tool that reads
  // its input cannot hang the build.
  input = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                      OPEN_EXISTING, 0, nullptr);

  PROCESS_INFORMATION info = {};
  bool started = error && input != INVALID_HANDLE_VALUE && StartChild(output, error, input, &info);
  // Only the child holds the writing ends from here on.
  CloseIfOpen(&output);
  CloseIfOpen(&error);
  CloseIfOpen(&input);
  m_outputPipe = readEnd;
  if (!started) {
    CloseIfOpen(&m_outputPipe);
    return false;
  }

  HANDLE job = PutIntoJob(info.hProcess);
  EnterCriticalSection(&m_childLock);
  m_childProcess = info.hProcess;
  m_childJob = job;
  m_childId = info.dwProcessId;
  LeaveCriticalSection(&m_childLock);
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  return true;
}

void CStepExecutionProcessor::FinishChildProcess() {
  EnterCriticalSection(&m_childLock);
  HANDLE process = m_childProcess;
  HANDLE job = m_childJob;
  LeaveCriticalSection(&m_childLock);
  if (!process) return;
  ReadUntilChildEnds(process);
  DWORD exitCode = 1;
  GetExitCodeProcess(process, &exitCode);
  DrainOutputPipe();
  if (m_outputTarget) m_outputTarget->FlushProcessOutput(LogOutput);
  CloseIfOpen(&m_outputPipe);
  ForgetChild(&process, &job);
  m_success = exitCode == 0;
}

bool CStepExecutionProcessor::CreateOutputPipe(HANDLE* readEnd, HANDLE* writeEnd) {
  CTesselString name = MakePipeName();
  // The parent's end is overlapped, so that the worker can wait for data and
  // for the child's end at once; the child's end is synchronous, as its
  // run-time expects of any file.
  *readEnd = CreateNamedPipeA(name.GetText(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED, 0, 1,
                              kPipeBufferBytes, kPipeBufferBytes, kPipeTimeoutMs, nullptr);
  if (*readEnd == INVALID_HANDLE_VALUE) {
    *readEnd = nullptr;
    return false;
  }
  SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
  *writeEnd = CreateFileA(name.GetText(), GENERIC_WRITE, 0, &inheritable, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
  if (*writeEnd == INVALID_HANDLE_VALUE) {
    *writeEnd = nullptr;
    CloseIfOpen(readEnd);
    return false;
  }
  return true;
}

bool CStepExecutionProcessor::StartChild(HANDLE output, HANDLE error, HANDLE input,
                                         PROCESS_INFORMATION* info) {
  std::wstring commandLine = WideOf(m_command) + L" " + WideOf(m_parameters);
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = m_showWindow ? SW_SHOWNORMAL : SW_HIDE;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = error;
  std::wstring environment = BuildEnvironmentBlock();
  // Suspended until it is in its job, so that nothing it starts escapes the job.
  DWORD flags = ChildCreationFlags() | CREATE_SUSPENDED;
  if (!environment.empty()) flags |= CREATE_UNICODE_ENVIRONMENT;
  return CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, flags,
                        environment.empty() ? nullptr : &environment[0], nullptr, &startup,
                        info) != FALSE;
}

HANDLE CStepExecutionProcessor::PutIntoJob(HANDLE process) {
  // Where jobs cannot nest (a parent already in a job on older systems), the child
  // runs without one and cancel ends only the child itself.
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  if (job && !AssignProcessToJobObject(job, process)) CloseIfOpen(&job);
  return job;
}

// Starts a read of the output pipe and waits for it; false when the pipe is
// broken (every writer has closed it) or the read failed.
bool CStepExecutionProcessor::ReadPipe(DWORD wanted, DWORD* got) {
  OVERLAPPED overlapped = {};
  overlapped.hEvent = m_readEvent;
  *got = 0;
  if (ReadFile(m_outputPipe, m_outputBuffer, wanted, got, &overlapped)) return true;
  if (GetLastError() != ERROR_IO_PENDING) return false;
  return GetOverlappedResult(m_outputPipe, &overlapped, got, TRUE) != FALSE;
}

void CStepExecutionProcessor::ReadUntilChildEnds(HANDLE process) {
  // The process handle, not the exit code, tells whether the child still runs: a
  // child may really exit with code 259 (STILL_ACTIVE).
  for (;;) {
    OVERLAPPED overlapped = {};
    overlapped.hEvent = m_readEvent;
    DWORD got = 0;
    if (ReadFile(m_outputPipe, m_outputBuffer, kOutputChunkBytes, &got, &overlapped)) {
      Deliver(got);
      continue;
    }
    if (GetLastError() != ERROR_IO_PENDING) break;  // every writer has closed its end
    // Data first: when both are signalled, what the child wrote is taken before
    // its end is noticed.
    HANDLE handles[] = {m_readEvent, process};
    const bool ended = WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0;
    // A program the child started may hold the pipe open for longer: the step
    // ends with the child, and only what is already in the pipe is still read.
    if (ended) CancelIo(m_outputPipe);
    const bool read = GetOverlappedResult(m_outputPipe, &overlapped, &got, TRUE) != FALSE;
    if (read) Deliver(got);
    if (ended || !read) break;
  }
  // A child that closed its output early is still waited for.
  WaitForSingleObject(process, INFINITE);
}

void CStepExecutionProcessor::DrainOutputPipe() {
  // Only what was there when the child ended: a program it started and left
  // running could otherwise keep the step from ever ending.
  DWORD left = 0;
  if (!m_outputPipe || !PeekNamedPipe(m_outputPipe, nullptr, 0, nullptr, &left, nullptr)) return;
  while (left > 0) {
    DWORD got = 0;
    if (!ReadPipe(left < kOutputChunkBytes ? left : kOutputChunkBytes, &got) || got == 0) return;
    Deliver(got);
    left -= got < left ? got : left;
  }
}

void CStepExecutionProcessor::Deliver(DWORD bytes) {
  // Read even without a target: a child whose pipe is full would wait forever.
  if (!m_outputTarget || bytes == 0) return;
  m_outputBuffer[bytes] = '\0';
  CTesselString text(m_outputBuffer);
  if (!text.IsEmpty()) m_outputTarget->AddProcessOutput(LogOutput, &text);
}

void CStepExecutionProcessor::ForgetChild(HANDLE* process, HANDLE* job) {
  EnterCriticalSection(&m_childLock);
  m_childProcess = nullptr;
  m_childJob = nullptr;
  m_childId = 0;
  LeaveCriticalSection(&m_childLock);
  CloseIfOpen(process);
  CloseIfOpen(job);
}

bool CStepExecutionProcessor::TerminateChildProcess() {
  // Through the handles this processor holds, never by reopening the process id,
  // which may already belong to another process once the child has ended.
  EnterCriticalSection(&m_childLock);
  bool terminated = false;
  if (m_childProcess && m_childId) {
    if (m_childJob) terminated = TerminateJobObject(m_childJob, 1) != FALSE;
    if (!terminated) terminated = TerminateProcess(m_childProcess, 1) != FALSE;
  }
  LeaveCriticalSection(&m_childLock);
  return terminated;
}

std::wstring CStepExecutionProcessor::BuildEnvironmentBlock() const {
  if (m_environmentName.IsEmpty()) return std::wstring();
  // Wide throughout: a value in another script (a profile path in Cyrillic, say)
  // would reach the child as '?' through the ANSI code page.
  const std::wstring name = WideOf(m_environmentName);
  std::wstring block;
  wchar_t* strings = GetEnvironmentStringsW();
  for (const wchar_t* entry = strings; entry && *entry; entry += wcslen(entry) + 1) {
    // Entries such as "=C:=C:\dir" start with '=': their name is not the one set.
    bool sameName = _wcsnicmp(entry, name.c_str(), name.size()) == 0 && entry[name.size()] == L'=';
    if (!sameName) block.append(entry).push_back(L'\0');
  }
  if (strings) FreeEnvironmentStringsW(strings);
  block.append(name).append(L"=").append(WideOf(m_environmentValue)).push_back(L'\0');
  block.push_back(L'\0');
  return block;
}
