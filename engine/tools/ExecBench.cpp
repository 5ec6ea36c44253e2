// engine_bench: what running steps costs, next to doing the same work directly.
//   1. 100 trivial process steps through the executor, 100 direct CreateProcess
//      and waits, and one batch file of 100 calls through cmd.exe.
//   2. 100 MB of 80-character lines captured through the executor into a counting
//      log, and the same read straight from an anonymous pipe.
//   3. Saving and loading a build file of 10,000 steps.
//   4. The same trivial steps and capture run by a loop that waits on the process,
//      pipe and worker handles instead of sleeping (an experiment kept here, not
//      what the executor does), to show what the fixed sleeps cost.
// Usage: engine_bench [megabytes of output, default 100] [steps, default 100]
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include <atomic>
#include <string>

#include "engine/BuildStepDataDefinition.h"
#include "engine/BuildStepFileManager.h"
#include "engine/LogSink.h"
#include "engine/RunHost.h"
#include "engine/StepExecutor.h"
#include "foundation/TesselList.h"

namespace {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return (double)counter.QuadPart / (double)frequency.QuadPart;
}

std::string Folder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.erase(folder.rfind('\\') + 1);
}

std::string StandIn() { return Folder() + "engine_standin.exe"; }

class CCountingLog : public ILogSink {
 public:
  bool AddEntry(int, const CTesselString& text) override {
    m_entries++;
    m_bytes += text.GetLength();
    return true;
  }
  std::atomic<long long> m_entries{0};
  std::atomic<long long> m_bytes{0};
};

// A build without variables or tools.
class CBenchHost : public IRunHost {
 public:
  CTesselString GetBuildFilePath() override { return CTesselString(); }
  CVariableDefDataDefinition* GetFirstVariable() override { return nullptr; }
  CVariableDefDataDefinition* GetNextVariable() override { return nullptr; }
  void EndVariableIteration() override {}
  CTesselString GetAdvancedInstallerPath() override { return CTesselString(); }
  CTesselString GetMSVisualStudioPath() override { return CTesselString(); }
  CTesselString GetVantrellToolPath() override { return CTesselString(); }
  CTesselString GetLumethToolPath() override { return CTesselString(); }
  CTesselString GetBrisantToolPath() override { return CTesselString(); }
  CTesselString GetQuorrelToolPath() override { return CTesselString(); }
  CTesselString GetNestedBuildProgram() override { return CTesselString(); }
};

CBenchHost g_host;

bool StartChild(std::string commandLine, HANDLE output, PROCESS_INFORMATION* info) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  if (output) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  }
  return CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, output != nullptr,
                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, info) != FALSE;
}

DWORD RunAndWait(const std::string& commandLine) {
  PROCESS_INFORMATION info;
  if (!StartChild(commandLine, nullptr, &info)) return (DWORD)-1;
  WaitForSingleObject(info.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return code;
}

// The experiment: the worker waits on the pipe and the child's process handle,
// and the UI thread waits on the worker's thread handle while still servicing
// messages.
struct WaitingRun {
  std::string commandLine;
  ILogSink* log;
  bool success;
};

void Deliver(ILogSink* log, std::string* pending, const char* data, DWORD size) {
  pending->append(data, size);
  size_t start = 0;
  for (size_t lf = pending->find('\n'); lf != std::string::npos; lf = pending->find('\n', start)) {
    std::string line = "    " + pending->substr(start, lf - start);
    log->AddEntry(3, CTesselString(line.c_str()));
    start = lf + 1;
  }
  pending->erase(0, start);
}

// The pipe as the executor makes it (named, 4096 bytes), but read with overlapped
// reads so that the worker sleeps until data or the child's end arrives.
DWORD WINAPI WaitingWorker(LPVOID parameter) {
  WaitingRun* run = static_cast<WaitingRun*>(parameter);
  run->success = false;
  char name[64];
  static LONG counter = 0;
  snprintf(name, sizeof(name), "\\\\.\\Pipe\\EngineBench.%08lx.%08lx", GetCurrentProcessId(),
           InterlockedIncrement(&counter));
  HANDLE readEnd = CreateNamedPipeA(name, PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED, 0, 1, 4096,
                                    4096, 10000, nullptr);
  SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
  HANDLE writeEnd = CreateFileA(name, GENERIC_WRITE, 0, &inheritable, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  PROCESS_INFORMATION info;
  bool started = StartChild(run->commandLine, writeEnd, &info);
  CloseHandle(writeEnd);
  if (started) {
    std::string buffer(1024000, '\0'), pending;
    OVERLAPPED overlapped = {};
    overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool reading = true;
    while (reading) {
      DWORD read = 0;
      ResetEvent(overlapped.hEvent);
      if (!ReadFile(readEnd, &buffer[0], 1024000, &read, &overlapped)) {
        if (GetLastError() != ERROR_IO_PENDING) break;
        HANDLE handles[] = {overlapped.hEvent, info.hProcess};
        DWORD which = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
        if (which != WAIT_OBJECT_0) {
          // The child ended: take what the pending read got, then what is left.
          CancelIo(readEnd);
          reading = false;
        }
        if (!GetOverlappedResult(readEnd, &overlapped, &read, TRUE)) read = 0;
      }
      if (read)
        Deliver(run->log, &pending, buffer.data(), read);
      else if (reading && WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0)
        reading = false;
    }
    DWORD available = 0, read = 0;
    while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available) {
      ResetEvent(overlapped.hEvent);
      if (!ReadFile(readEnd, &buffer[0], available, &read, &overlapped) &&
          !GetOverlappedResult(readEnd, &overlapped, &read, TRUE))
        break;
      Deliver(run->log, &pending, buffer.data(), read);
    }
    CloseHandle(overlapped.hEvent);
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    run->success = code == 0;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  CloseHandle(readEnd);
  return 0;
}

bool RunWaiting(const std::string& commandLine, ILogSink* log) {
  WaitingRun run = {commandLine, log, false};
  HANDLE thread = CreateThread(nullptr, 0, WaitingWorker, &run, 0, nullptr);
  while (MsgWaitForMultipleObjects(1, &thread, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  CloseHandle(thread);
  return run.success;
}

bool RunStep(CStepExecutor& executor, const std::string& parameters) {
  CBuildStepDataDefinition step;
  step.m_stepType = StepExecuteProgram;
  step.SetStepName("bench");
  step.SetExecutablePath(StandIn().c_str());
  step.SetParameters(parameters.c_str());
  return executor.ExecuteStep(&step);
}

void Report(const char* what, double seconds, int count, double baseline) {
  printf("  %-44s %9.3f s  %8.2f ms each  x%.2f\n", what, seconds, 1000.0 * seconds / count,
         baseline > 0 ? seconds / baseline : 1.0);
}

void BenchSteps(int steps) {
  printf("Trivial process steps (%d):\n", steps);
  std::string quoted = "\"" + StandIn() + "\"";
  for (int i = 0; i < 5; ++i) RunAndWait(quoted + " --exit 0");  // warm the caches
  double t = Now();
  for (int i = 0; i < steps; ++i) RunAndWait(quoted + " --exit 0");
  double direct = Now() - t;
  Report("direct CreateProcess + wait", direct, steps, 0);

  std::string batch = Folder() + "engine_bench_steps.bat";
  FILE* f = fopen(batch.c_str(), "w");
  fprintf(f, "@echo off\r\n");
  for (int i = 0; i < steps; ++i) fprintf(f, "%s --exit 0\r\n", quoted.c_str());
  fclose(f);
  t = Now();
  RunAndWait("cmd.exe /c \"" + batch + "\"");
  Report("batch file through cmd.exe", Now() - t, steps, direct);
  DeleteFileA(batch.c_str());

  CCountingLog log;
  CStepExecutor executor;
  executor.SetLog(&log);
  executor.SetOwner(&g_host);
  t = Now();
  int failed = 0;
  for (int i = 0; i < steps; ++i) failed += RunStep(executor, "--exit 0") ? 0 : 1;
  double viaExecutor = Now() - t;
  Report("executor (50 ms child poll, 100 ms UI sleep)", viaExecutor, steps, direct);

  t = Now();
  for (int i = 0; i < steps; ++i) failed += RunWaiting(quoted + " --exit 0", &log) ? 0 : 1;
  double waiting = Now() - t;
  Report("experiment: waiting on handles", waiting, steps, direct);
  printf("  polling overhead per step: %.1f ms (executor) vs %.1f ms (waiting); failures %d\n",
         1000.0 * (viaExecutor - direct) / steps, 1000.0 * (waiting - direct) / steps, failed);
}

void BenchCapture(long long megabytes) {
  long long lines = megabytes * 1024 * 1024 / 80;
  printf("Capture of %lld MB (%lld lines of 80 characters):\n", megabytes, lines);
  std::string arguments = "--lines " + std::to_string(lines);
  std::string quoted = "\"" + StandIn() + "\"";

  // Straight from an anonymous pipe, reading until the child closes it.
  SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
  HANDLE readEnd, writeEnd;
  CreatePipe(&readEnd, &writeEnd, &inheritable, 0);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  PROCESS_INFORMATION info;
  double t = Now();
  StartChild(quoted + " " + arguments, writeEnd, &info);
  CloseHandle(writeEnd);
  static char buffer[65536];
  long long bytes = 0;
  DWORD read = 0;
  while (ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read) bytes += read;
  WaitForSingleObject(info.hProcess, INFINITE);
  double direct = Now() - t;
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  CloseHandle(readEnd);
  Report("direct anonymous pipe", direct, 1, 0);
  printf("    %lld bytes, %.1f MB/s\n", bytes, bytes / direct / 1048576.0);

  CCountingLog log;
  CStepExecutor executor;
  executor.SetLog(&log);
  executor.SetOwner(&g_host);
  t = Now();
  bool ok = RunStep(executor, arguments);
  double viaExecutor = Now() - t;
  Report("executor into a counting log", viaExecutor, 1, direct);
  printf("    %lld lines (%s), %.1f MB/s\n", (long long)log.m_entries - 2, ok ? "ok" : "FAILED",
         (double)lines * 80 / viaExecutor / 1048576.0);

  CCountingLog waitingLog;
  t = Now();
  ok = RunWaiting(quoted + " " + arguments, &waitingLog);
  Report("experiment: waiting on handles", Now() - t, 1, direct);
  printf("    %lld lines (%s)\n", (long long)waitingLog.m_entries, ok ? "ok" : "FAILED");
}

void BenchBuildFile(int steps) {
  printf("Build file of %d steps:\n", steps);
  std::string path = Folder() + "engine_bench.velm";
  CBuildStepFileManager manager;
  for (int i = 0; i < steps; ++i) {
    CBuildStepDataDefinition* step = new CBuildStepDataDefinition;
    step->m_stepType = i % 18;
    step->SetStepName(("Step number " + std::to_string(i)).c_str());
    step->SetParameters("--some parameters for the tool %OUT%\\file.txt");
    step->SetSourcePath("D:\\Builds\\Sources\\Project");
    step->SetTargetPath("D:\\Builds\\Output");
    step->SetFileSpec("*.exe *.dll");
    manager.GetStepList().AddTail(step);
  }
  double t = Now();
  bool saved = manager.SaveBuildFile(path.c_str());
  double save = Now() - t;
  manager.Clear();
  t = Now();
  bool loaded = manager.LoadBuildFile(path.c_str());
  double load = Now() - t;
  printf("  save %.3f s (%s), load %.3f s (%s, %d steps)\n", save, saved ? "ok" : "FAILED", load,
         loaded ? "ok" : "FAILED", manager.GetStepList().GetCount());
  manager.Clear();
  DeleteFileA(path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  long long megabytes = argc > 1 ? atoll(argv[1]) : 100;
  int steps = argc > 2 ? atoi(argv[2]) : 100;
  BenchSteps(steps);
  BenchCapture(megabytes);
  BenchBuildFile(10000);
  return 0;
}
