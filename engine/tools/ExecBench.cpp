// engine_bench: what running steps costs, next to doing the same work directly.
//   1. Trivial process steps through the executor, against the same program
//      started directly with the executor's own creation flags (the floor) and
//      against one line of a batch file run by cmd.exe.
// Rows are measured in turns and the output rows as the best of three, since
// other work on the machine makes single runs vary widely.
//   2. 100 MB of 80-character lines captured through the executor into a log,
//      against reading the same child's pipe directly.
//   3. A million 10-byte lines, written 4 KB at a time, logged through the
//      executor, against reading them directly.
//   4. Saving and loading a build file of 10,000 steps, against reading the
//      same file's bytes into memory.
// The executor waits through a run host that pumps messages as the application
// does. Every logged line is checked for its number, so nothing may be lost.
// Usage: engine_bench [megabytes of output, default 100] [steps, default 100]
//                     [short lines, default 1000000]
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "engine/BuildStepDataDefinition.h"
#include "engine/BuildStepFileManager.h"
#include "engine/LogSink.h"
#include "engine/RunHost.h"
#include "StepExecutionProcessor.h"
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

std::string QuotedStandIn() { return "\"" + Folder() + "engine_standin.exe\""; }

// Counts the output lines and checks that each carries the next number (the
// stand-in numbers its lines from 0), so that a lost or reordered line shows.
class CCheckingLog : public ILogSink {
 public:
  bool AddEntry(int kind, const CTesselString& text) override {
    if (kind != LogOutput) return true;
    const char* line = static_cast<const char*>(text.GetBuffer());
    long long number = 0;
    for (const char* p = line + 4; *p >= '0' && *p <= '9'; ++p) number = number * 10 + (*p - '0');
    if (number != m_lines % m_modulus) m_disorder++;
    m_lines++;
    return true;
  }
  long long m_modulus = 1LL << 62;
  std::atomic<long long> m_lines{0};
  std::atomic<long long> m_disorder{0};
};

// A build without variables or tools, whose wait keeps a message loop going
// the way the application's does.
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
  DWORD WaitForStepHandles(DWORD count, const HANDLE* handles) override {
    for (;;) {
      DWORD result = MsgWaitForMultipleObjects(count, handles, FALSE, INFINITE, QS_ALLINPUT);
      if (result != WAIT_OBJECT_0 + count) return result;
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
  }
};

CBenchHost g_host;

bool StartChild(std::string commandLine, HANDLE output, DWORD flags, PROCESS_INFORMATION* info) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  if (output) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  }
  return CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, output != nullptr, flags,
                        nullptr, nullptr, &startup, info) != FALSE;
}

DWORD RunAndWait(const std::string& commandLine, DWORD flags) {
  PROCESS_INFORMATION info;
  if (!StartChild(commandLine, nullptr, flags, &info)) return (DWORD)-1;
  WaitForSingleObject(info.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return code;
}

// The child's output read straight from an anonymous pipe until it closes;
// returns the bytes read.
long long ReadDirectly(const std::string& commandLine) {
  SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
  HANDLE readEnd, writeEnd;
  CreatePipe(&readEnd, &writeEnd, &inheritable, 0);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  PROCESS_INFORMATION info;
  bool started =
      StartChild(commandLine, writeEnd, CStepExecutionProcessor::ChildCreationFlags(), &info);
  CloseHandle(writeEnd);
  static char buffer[65536];
  long long bytes = 0;
  DWORD read = 0;
  while (started && ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read)
    bytes += read;
  if (started) {
    WaitForSingleObject(info.hProcess, INFINITE);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  CloseHandle(readEnd);
  return bytes;
}

bool RunStep(CStepExecutor& executor, const std::string& parameters) {
  CBuildStepDataDefinition step;
  step.m_stepType = StepExecuteProgram;
  step.SetStepName("bench");
  step.SetExecutablePath(QuotedStandIn().c_str());
  step.SetParameters(parameters.c_str());
  return executor.ExecuteStep(&step);
}

void Report(const char* what, double seconds, int count) {
  printf("  %-46s %9.3f s  %9.2f ms each\n", what, seconds, 1000.0 * seconds / count);
}

void Goal(const char* what, double ratio, const char* comparison, double goal, bool met) {
  printf("  => %-44s x%.2f (goal %s %.1f: %s)\n", what, ratio, comparison, goal,
         met ? "met" : "NOT MET");
}

// A batch file of `steps` lines of `command`, run by cmd.exe; its seconds.
double RunBatchFile(const std::string& command, int steps) {
  std::string batch = Folder() + "engine_bench_steps.bat";
  FILE* f = fopen(batch.c_str(), "w");
  fprintf(f, "@echo off\r\n");
  for (int i = 0; i < steps; ++i) fprintf(f, "%s\r\n", command.c_str());
  fclose(f);
  // The lines of one batch file share the hidden console cmd.exe gets.
  double t = Now();
  RunAndWait("cmd.exe /c \"" + batch + "\"", CREATE_NO_WINDOW);
  double seconds = Now() - t;
  DeleteFileA(batch.c_str());
  return seconds;
}

void BenchSteps(int steps) {
  printf("Trivial process steps (%d):\n", steps);
  const std::string command = QuotedStandIn() + " --exit 0";
  const DWORD flags = CStepExecutionProcessor::ChildCreationFlags();
  for (int i = 0; i < 5; ++i) RunAndWait(command, flags);  // warm the caches
  CCheckingLog log;
  CStepExecutor executor;
  executor.SetLog(&log);
  executor.SetOwner(&g_host);
  // In turns of a few steps each, so that the machine's other work weighs on
  // every row alike. A batch file's lines cost what it takes beyond the same
  // file without lines (the start of cmd.exe).
  double direct = 0, batchFile = 0, viaExecutor = 0;
  int failed = 0;
  for (int done = 0; done < steps;) {
    int turn = steps - done < 25 ? steps - done : 25;
    double t = Now();
    for (int i = 0; i < turn; ++i) RunAndWait(command, flags);
    direct += Now() - t;
    batchFile += RunBatchFile(command, turn) - RunBatchFile(command, 0);
    t = Now();
    for (int i = 0; i < turn; ++i) failed += RunStep(executor, "--exit 0") ? 0 : 1;
    viaExecutor += Now() - t;
    done += turn;
  }
  Report("direct, the executor's creation flags", direct, steps);
  Report("batch-file lines through cmd.exe", batchFile, steps);
  Report("steps through the executor", viaExecutor, steps);
  printf("  executor over the floor: %.1f ms per step; failures %d\n",
         1000.0 * (viaExecutor - direct) / steps, failed);
  Goal("executor step / batch-file line", viaExecutor / batchFile, "<=", 1.0,
       viaExecutor <= batchFile && failed == 0);
}

// The same child read directly and through the executor, in turns, the best
// of three runs each; `lines` of `lineBytes` each. Returns executor time /
// direct time, or -1 when a line was lost.
double BenchOutput(const std::string& arguments, long long lines, int lineBytes,
                   long long modulus) {
  const std::string command = QuotedStandIn() + " " + arguments;
  double direct = 1e30, viaExecutor = 1e30;
  long long bytes = 0;
  bool complete = true;
  CCheckingLog log;
  for (int round = 0; round < 3; ++round) {
    double t = Now();
    bytes = ReadDirectly(command);
    direct = std::min(direct, Now() - t);

    log.m_lines = 0;
    log.m_disorder = 0;
    log.m_modulus = modulus;
    CStepExecutor executor;
    executor.SetLog(&log);
    executor.SetOwner(&g_host);
    t = Now();
    bool ok = RunStep(executor, arguments);
    viaExecutor = std::min(viaExecutor, Now() - t);
    complete = complete && ok && log.m_lines == lines && log.m_disorder == 0;
  }
  Report("direct read of the child's pipe (best of 3)", direct, 1);
  printf("    %lld bytes, %.1f MB/s\n", bytes, bytes / direct / 1048576.0);
  Report("through the executor into a log (best of 3)", viaExecutor, 1);
  printf("    %lld of %lld lines logged, %lld out of order (%s), %.1f MB/s\n",
         (long long)log.m_lines, lines, (long long)log.m_disorder,
         complete ? "complete" : "INCOMPLETE", (double)lines * lineBytes / viaExecutor / 1048576.0);
  return complete ? viaExecutor / direct : -1.0;
}

void BenchCapture(long long megabytes) {
  long long lines = megabytes * 1024 * 1024 / 80;
  printf("Capture of %lld MB (%lld lines of 80 characters):\n", megabytes, lines);
  double ratio = BenchOutput("--lines " + std::to_string(lines), lines, 80, 1LL << 62);
  double throughput = ratio > 0 ? 1.0 / ratio : 0.0;
  Goal("executor throughput / direct read", throughput, ">=", 0.8, throughput >= 0.8);
}

void BenchShortLines(long long lines) {
  printf("Short lines (%lld of 10 bytes, written 4 KB at a time):\n", lines);
  double ratio = BenchOutput("--short " + std::to_string(lines), lines, 10, 1000000000LL);
  Goal("executor time / direct read", ratio, "<=", 2.0, ratio > 0 && ratio <= 2.0);
}

// Reads a whole file into memory; its size in bytes.
long long ReadFileBytes(const std::string& path) {
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  LARGE_INTEGER size = {};
  GetFileSizeEx(file, &size);
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr);
  CloseHandle(file);
  return got;
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
  // The floor: the same file's bytes read into memory in one piece.
  t = Now();
  long long bytes = ReadFileBytes(path);
  double read = Now() - t;
  printf("  save %.3f s (%s), load %.3f s (%s, %d steps), reading its %lld bytes %.3f s\n", save,
         saved ? "ok" : "FAILED", load, loaded ? "ok" : "FAILED", manager.GetStepList().GetCount(),
         bytes, read);
  printf("  => load / read x%.1f, save / read x%.1f, load / save x%.2f\n", load / read, save / read,
         load / save);
  manager.Clear();
  DeleteFileA(path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  long long megabytes = argc > 1 ? atoll(argv[1]) : 100;
  int steps = argc > 2 ? atoi(argv[2]) : 100;
  long long shortLines = argc > 3 ? atoll(argv[3]) : 1000000;
  BenchSteps(steps);
  BenchCapture(megabytes);
  BenchShortLines(shortLines);
  BenchBuildFile(10000);
  return 0;
}
