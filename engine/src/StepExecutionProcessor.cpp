#include "engine/StepExecutionProcessor.h"

#include <stdio.h>
#include <string.h>

#include "engine/LogSink.h"
#include "engine/StepExecutor.h"

namespace {

const DWORD kPipeBufferBytes = 4096;
const DWORD kPipeTimeoutMs = 10000;

void CloseIfOpen(HANDLE* handle) {
  if (*handle && *handle != INVALID_HANDLE_VALUE) CloseHandle(*handle);
  *handle = nullptr;
}

}  // namespace

CStepExecutionProcessor::CStepExecutionProcessor()
    : m_outputTarget(nullptr),
      m_showWindow(true),
      m_busy(false),
      m_success(false),
      m_pipeCounter(0),
      m_outputBuffer(new char[kOutputChunkBytes + 2]),
      m_outputPipe(nullptr),
      m_childProcess(nullptr),
      m_childJob(nullptr),
      m_childId(0),
      m_terminateRequested(false) {
  InitializeCriticalSection(&m_childLock);
}

CStepExecutionProcessor::~CStepExecutionProcessor() {
  m_busy = false;
  Stop();
  delete[] m_outputBuffer;
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
  if (m_command.IsEmpty()) return false;
  EnterCriticalSection(&m_childLock);
  m_terminateRequested = false;
  LeaveCriticalSection(&m_childLock);
  m_busy = true;
  if (!Start()) {
    m_busy = false;
    return false;
  }
  bool quitTaken = false;
  WPARAM quitCode = 0;
  while (m_busy) {
    Sleep(kUiPollMs);
    PumpMessages(&quitTaken, &quitCode);
  }
  Stop();
  // The application's message loop must still see the quit request that this
  // loop took from the queue, or the program could not exit.
  if (quitTaken) PostQuitMessage(static_cast<int>(quitCode));
  return m_success;
}

void CStepExecutionProcessor::PumpMessages(bool* quitTaken, WPARAM* quitCode) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      *quitTaken = true;
      *quitCode = msg.wParam;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool CStepExecutionProcessor::Shutdown() {
  m_busy = false;
  Stop();
  return true;
}

bool CStepExecutionProcessor::Run() {
  RunProcess();
  // Success is stored before busy is cleared: the UI thread reads it once busy is false.
  m_busy = false;
  return false;
}

bool CStepExecutionProcessor::RunProcess() {
  m_success = false;
  if (m_command.IsEmpty()) return false;

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
  // A cancel that came while the child was being made still ends it.
  if (m_terminateRequested) TerminateProcess(info.hProcess, 1);
  LeaveCriticalSection(&m_childLock);
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);

  WaitForChild(info.hProcess);
  DWORD exitCode = 1;
  GetExitCodeProcess(info.hProcess, &exitCode);
  FinishOutput();
  CloseIfOpen(&m_outputPipe);
  ForgetChild(&info.hProcess, &job);
  m_success = exitCode == 0;
  return m_success;
}

bool CStepExecutionProcessor::CreateOutputPipe(HANDLE* readEnd, HANDLE* writeEnd) {
  CTesselString name = MakePipeName();
  // Both ends synchronous: the parent only reads what a peek has shown to be
  // there, and the child's run-time writes to its end as to any file.
  *readEnd = CreateNamedPipeA(name.GetText(), PIPE_ACCESS_INBOUND, 0, 1, kPipeBufferBytes,
                              kPipeBufferBytes, kPipeTimeoutMs, nullptr);
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
  CTesselString commandLine(m_command);
  commandLine.AppendText(" ");
  commandLine.Append(m_parameters);
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = m_showWindow ? SW_SHOWNORMAL : SW_HIDE;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = error;
  std::string environment = BuildEnvironmentBlock();
  // Suspended until it is in its job, so that nothing it starts escapes the job.
  return CreateProcessA(nullptr, commandLine.GetTextAt(0), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
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

void CStepExecutionProcessor::WaitForChild(HANDLE process) {
  // The process handle, not the exit code, tells whether the child still runs: a
  // child may really exit with code 259 (STILL_ACTIVE).
  while (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
    Sleep(kChildPollMs);
    DrainOutputPipe();
  }
}

void CStepExecutionProcessor::DrainOutputPipe() {
  // Read even without a target: a child whose pipe is full would wait forever.
  if (!m_outputBuffer || !m_outputPipe) return;
  for (;;) {
    DWORD available = 0;
    if (!PeekNamedPipe(m_outputPipe, nullptr, 0, nullptr, &available, nullptr) || available == 0)
      return;
    DWORD wanted = available < kOutputChunkBytes ? available : kOutputChunkBytes;
    DWORD read = 0;
    if (!ReadFile(m_outputPipe, m_outputBuffer, wanted, &read, nullptr) || read == 0) return;
    m_outputBuffer[read] = '\0';
    if (!m_outputTarget) continue;
    CTesselString text(m_outputBuffer);
    if (!text.IsEmpty()) m_outputTarget->AddProcessOutput(LogOutput, &text);
  }
}

void CStepExecutionProcessor::FinishOutput() {
  DrainOutputPipe();
  if (m_outputTarget) m_outputTarget->FlushProcessOutput(LogOutput);
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
  m_terminateRequested = true;
  bool terminated = false;
  if (m_childProcess && m_childId) {
    if (m_childJob) terminated = TerminateJobObject(m_childJob, 1) != FALSE;
    if (!terminated) terminated = TerminateProcess(m_childProcess, 1) != FALSE;
  }
  LeaveCriticalSection(&m_childLock);
  return terminated;
}

std::string CStepExecutionProcessor::BuildEnvironmentBlock() const {
  if (m_environmentName.IsEmpty()) return std::string();
  CTesselString nameCopy(m_environmentName), valueCopy(m_environmentValue);
  std::string name = nameCopy.GetText();
  std::string block;
  char* strings = GetEnvironmentStringsA();
  for (const char* entry = strings; entry && *entry; entry += strlen(entry) + 1) {
    // Entries such as "=C:=C:\dir" start with '=': their name is not the one set.
    bool sameName = _strnicmp(entry, name.c_str(), name.size()) == 0 && entry[name.size()] == '=';
    if (!sameName) block.append(entry).push_back('\0');
  }
  if (strings) FreeEnvironmentStringsA(strings);
  block.append(name).append("=").append(valueCopy.GetText()).push_back('\0');
  block.push_back('\0');
  return block;
}
