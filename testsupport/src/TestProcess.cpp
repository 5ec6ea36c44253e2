// Child processes for tests: the captured streams come through overlapped
// named pipes, so one wait covers the child's end, its output and the time
// limit.
#include "testsupport/TestProcess.h"

#include <stdio.h>

#include <vector>

namespace {

/// One captured stream: our overlapped read end of a pipe whose write end the
/// child inherits.
class CCapturedStream {
 public:
  explicit CCapturedStream(std::string* into) : m_into(into) {
    m_overlapped.hEvent = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  }
  ~CCapturedStream() {
    if (m_pending) Cancel();
    if (m_read != INVALID_HANDLE_VALUE) ::CloseHandle(m_read);
    if (m_write != INVALID_HANDLE_VALUE) ::CloseHandle(m_write);
    if (m_overlapped.hEvent) ::CloseHandle(m_overlapped.hEvent);
  }

  /// Makes both ends; the write end can be inherited.
  bool Create() {
    static LONG serial = 0;
    char name[96];
    snprintf(name, sizeof name, "\\\\.\\pipe\\velm-test-child-%lu-%ld", ::GetCurrentProcessId(),
             ::InterlockedIncrement(&serial));
    m_read = ::CreateNamedPipeA(name, PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED,
                                PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr);
    if (m_read == INVALID_HANDLE_VALUE || !m_overlapped.hEvent) return false;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    m_write = ::CreateFileA(name, GENERIC_WRITE, 0, &inherit, OPEN_EXISTING, 0, nullptr);
    m_open = m_write != INVALID_HANDLE_VALUE;
    return m_open;
  }

  HANDLE WriteEnd() const { return m_write; }
  /// Drops our copy of the write end once the child has its own.
  void CloseWriteEnd() {
    ::CloseHandle(m_write);
    m_write = INVALID_HANDLE_VALUE;
  }

  bool IsOpen() const { return m_open; }
  HANDLE Event() const { return m_overlapped.hEvent; }

  /// Takes what is there and leaves one read pending, unless the pipe broke.
  void Read() {
    while (m_open && !m_pending) {
      ::ResetEvent(m_overlapped.hEvent);
      if (::ReadFile(m_read, m_buffer, sizeof m_buffer, nullptr, &m_overlapped) ||
          ::GetLastError() == ERROR_IO_PENDING)
        m_pending = true;
      else
        m_open = false;  // broken: every writer let go
      if (m_pending) Complete(FALSE);
    }
  }

  /// Collects the pending read; called when its event is signalled.
  void Complete(BOOL wait) {
    DWORD got = 0;
    if (::GetOverlappedResult(m_read, &m_overlapped, &got, wait)) {
      m_into->append(m_buffer, got);
      m_pending = false;
    } else if (::GetLastError() != ERROR_IO_INCOMPLETE) {
      m_pending = false;
      m_open = false;
    }
  }

  /// Gives up on the stream (the time is over).
  void Cancel() {
    if (m_pending) {
      ::CancelIo(m_read);
      Complete(TRUE);
    }
    m_pending = false;
    m_open = false;
  }

 private:
  std::string* m_into;
  HANDLE m_read = INVALID_HANDLE_VALUE;
  HANDLE m_write = INVALID_HANDLE_VALUE;
  OVERLAPPED m_overlapped = {};
  char m_buffer[4096];
  bool m_pending = false;
  bool m_open = false;
};

HANDLE OpenNul() {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  return ::CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inherit, OPEN_EXISTING, 0, nullptr);
}

ULONGLONG Remaining(ULONGLONG deadline) {
  ULONGLONG now = ::GetTickCount64();
  return now < deadline ? deadline - now : 0;
}

/// Waits for the child's end and its streams' last bytes, until the deadline.
/// True when the child ended in time.
bool Collect(HANDLE process, std::vector<CCapturedStream*>& streams, ULONGLONG deadline) {
  bool ended = false;
  for (;;) {
    std::vector<HANDLE> waits;
    if (!ended) waits.push_back(process);
    for (CCapturedStream* stream : streams) {
      stream->Read();
      if (stream->IsOpen()) waits.push_back(stream->Event());
    }
    if (waits.empty()) return true;
    DWORD result = ::WaitForMultipleObjects(static_cast<DWORD>(waits.size()), waits.data(), FALSE,
                                            static_cast<DWORD>(Remaining(deadline)));
    if (result == WAIT_TIMEOUT || result == WAIT_FAILED) break;
    HANDLE signalled = waits[result - WAIT_OBJECT_0];
    if (signalled == process) {
      ended = true;
      continue;
    }
    for (CCapturedStream* stream : streams)
      if (stream->Event() == signalled) stream->Complete(FALSE);
  }
  for (CCapturedStream* stream : streams) stream->Cancel();
  return ended;
}

}  // namespace

std::string ThisProgramFolder() {
  char path[MAX_PATH] = {};
  DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string PathBesideThisProgram(const std::string& name) { return ThisProgramFolder() + name; }

ChildProcessResult RunChildProcess(const std::string& commandLine,
                                   const ChildProcessOptions& options) {
  ChildProcessResult result;
  const ULONGLONG deadline = ::GetTickCount64() + options.timeoutMs;
  CCapturedStream output(&result.output), errors(&result.errors);
  std::vector<CCapturedStream*> streams;
  if (options.captureOutput) streams.push_back(&output);
  if (options.captureErrors) streams.push_back(&errors);
  for (CCapturedStream* stream : streams)
    if (!stream->Create()) return result;

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  HANDLE nul = INVALID_HANDLE_VALUE;
  if (!streams.empty()) {
    nul = OpenNul();
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul;
    startup.hStdOutput = options.captureOutput ? output.WriteEnd() : nul;
    startup.hStdError = options.captureErrors ? errors.WriteEnd() : nul;
  }
  PROCESS_INFORMATION process = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  result.started = ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, !streams.empty(),
                                    options.creationFlags, nullptr, nullptr, &startup, &process);
  if (nul != INVALID_HANDLE_VALUE) ::CloseHandle(nul);
  for (CCapturedStream* stream : streams) stream->CloseWriteEnd();
  if (!result.started) return result;

  if (!Collect(process.hProcess, streams, deadline)) {
    result.timedOut = true;
    ::TerminateProcess(process.hProcess, 0xFFFFFFFF);
    ::WaitForSingleObject(process.hProcess, 10000);
  } else {
    ::GetExitCodeProcess(process.hProcess, &result.exitCode);
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return result;
}
