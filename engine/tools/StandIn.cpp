// engine_standin: a small console program that the engine's tests and benchmark
// start in place of real build tools. It carries out its options from left to
// right; without any option of its own it echoes its command line, so that it can
// stand in for a tool whose command line the engine builds (installer, solution
// builder, sibling tools, a nested build).
//
//   --out TEXT        writes TEXT and a line end to standard output
//   --err TEXT        writes TEXT and a line end to standard error
//   --raw TEXT        writes TEXT as it stands; \r, \n and \\ are escapes
//   --echo            writes CMDLINE[<the command line as received>]
//   --args            writes ARG[<argument>] for every argument after the program
//   --env NAME        writes ENV[<value of NAME>] (empty when not set)
//   --wecho, --wargs, --wenv NAME
//                     the same from the wide command line and environment, as
//                     UTF-8: WCMDLINE[...], WARG[...], WENV[...]
//   --sleep MS        waits MS milliseconds (output is flushed first)
//   --signal NAME     sets the named event NAME (output is flushed first)
//   --await NAME      waits until the named event NAME is set (output is flushed
//                     first); after a minute it gives up with exit code 9
//   --stdin           reads standard input to its end, then writes STDIN[<bytes>]
//   --console         writes CONSOLE[1] when it has a console (which the console
//                     programs it starts would share), CONSOLE[0] otherwise; it
//                     has none afterwards
//   --lines N         writes N numbered lines of 80 characters (79 and a line feed)
//   --short N         writes N numbered lines of 10 characters, 4096 bytes per write
//   --pidfile PATH    writes its own process id to PATH (complete once PATH exists)
//   --exit N          the exit code (default 0)
//   -execute FILE     as a nested build would be started: writes CMDLINE[...] and
//                     DEPTH[<the nesting depth it was given>]
#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>

namespace {

std::string Unescape(const char* text) {
  std::string out;
  for (const char* p = text; *p; ++p) {
    if (*p == '\\' && p[1]) {
      ++p;
      out += *p == 'r' ? '\r' : *p == 'n' ? '\n' : *p;
    } else {
      out += *p;
    }
  }
  return out;
}

void WriteLines(long long count) {
  char line[81];
  for (long long i = 0; i < count; ++i) {
    int n = snprintf(line, sizeof(line), "%010lld ", i);
    memset(line + n, 'x', 79 - n);
    line[79] = '\n';
    fwrite(line, 1, 80, stdout);
  }
}

std::string Utf8(const wchar_t* text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(size > 0 ? size : 1, '\0');
  if (size > 0) WideCharToMultiByte(CP_UTF8, 0, text, -1, &bytes[0], size, nullptr, nullptr);
  bytes.resize(bytes.size() - 1);
  return bytes;
}

void WriteWideArguments() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int k = 1; arguments && k < count; ++k) printf("WARG[%s]\n", Utf8(arguments[k]).c_str());
  LocalFree(arguments);
}

void WriteWideVariable(const char* name) {
  wchar_t wideName[256] = {}, value[32768] = {};
  MultiByteToWideChar(CP_ACP, 0, name, -1, wideName, 256);
  GetEnvironmentVariableW(wideName, value, 32768);
  printf("WENV[%s]\n", Utf8(value).c_str());
}

// Whole 4096-byte writes straight to the handle, as a tool with its own
// buffering does.
void WriteShortLines(long long count) {
  fflush(stdout);
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  char block[4096];
  size_t used = 0;
  DWORD written = 0;
  for (long long i = 0; i < count; ++i) {
    char line[16];
    snprintf(line, sizeof(line), "%09lld\n", i % 1000000000LL);
    for (int k = 0; k < 10; ++k) {
      block[used++] = line[k];
      if (used == sizeof(block)) {
        WriteFile(out, block, (DWORD)used, &written, nullptr);
        used = 0;
      }
    }
  }
  if (used) WriteFile(out, block, (DWORD)used, &written, nullptr);
}

bool AwaitEvent(const char* name) {
  fflush(stdout);
  HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, name);
  if (!event) return false;
  bool set = WaitForSingleObject(event, 60000) == WAIT_OBJECT_0;
  CloseHandle(event);
  return set;
}

void SignalEvent(const char* name) {
  fflush(stdout);
  HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, name);
  if (!event) return;
  SetEvent(event);
  CloseHandle(event);
}

void ReadStdin() {
  char buffer[4096];
  size_t total = 0, n;
  while ((n = fread(buffer, 1, sizeof(buffer), stdin)) > 0) total += n;
  printf("STDIN[%u]\n", (unsigned)total);
}

void WritePidFile(const char* path) {
  // Written under another name and renamed, so that a reader that sees the file
  // also sees the whole number.
  std::string temp = std::string(path) + ".tmp";
  FILE* f = fopen(temp.c_str(), "w");
  if (!f) return;
  fprintf(f, "%lu", GetCurrentProcessId());
  fclose(f);
  MoveFileExA(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

int main(int argc, char** argv) {
  // Binary mode: the tests count bytes and look for line ends exactly as written.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  int exitCode = 0;
  bool acted = false;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    const char* v = i + 1 < argc ? argv[i + 1] : "";
    bool known = true;
    if (!strcmp(a, "--out")) {
      printf("%s\n", v);
      ++i;
    } else if (!strcmp(a, "--err")) {
      fflush(stdout);
      fprintf(stderr, "%s\n", v);
      fflush(stderr);
      ++i;
    } else if (!strcmp(a, "--raw")) {
      std::string s = Unescape(v);
      fwrite(s.data(), 1, s.size(), stdout);
      ++i;
    } else if (!strcmp(a, "--echo"))
      printf("CMDLINE[%s]\n", GetCommandLineA());
    else if (!strcmp(a, "--args")) {
      for (int k = 1; k < argc; ++k) printf("ARG[%s]\n", argv[k]);
    } else if (!strcmp(a, "--wecho"))
      printf("WCMDLINE[%s]\n", Utf8(GetCommandLineW()).c_str());
    else if (!strcmp(a, "--wargs"))
      WriteWideArguments();
    else if (!strcmp(a, "--wenv")) {
      WriteWideVariable(v);
      ++i;
    } else if (!strcmp(a, "--signal")) {
      SignalEvent(v);
      ++i;
    } else if (!strcmp(a, "--await")) {
      if (!AwaitEvent(v)) return 9;
      ++i;
    } else if (!strcmp(a, "--short")) {
      WriteShortLines(_atoi64(v));
      ++i;
    } else if (!strcmp(a, "--env")) {
      const char* e = getenv(v);
      printf("ENV[%s]\n", e ? e : "");
      ++i;
    } else if (!strcmp(a, "--sleep")) {
      fflush(stdout);
      Sleep(atoi(v));
      ++i;
    } else if (!strcmp(a, "--console"))
      // Only a process that is attached to a console can leave it; the output
      // goes to the pipes all the same.
      printf("CONSOLE[%d]\n", FreeConsole() ? 1 : 0);
    else if (!strcmp(a, "--stdin"))
      ReadStdin();
    else if (!strcmp(a, "--lines")) {
      WriteLines(_atoi64(v));
      ++i;
    } else if (!strcmp(a, "--pidfile")) {
      WritePidFile(v);
      ++i;
    } else if (!strcmp(a, "--exit")) {
      exitCode = atoi(v);
      ++i;
    } else if (!strcmp(a, "-execute")) {
      const char* depth = getenv("VELMORAN_BUILD_DEPTH");
      printf("CMDLINE[%s]\nDEPTH[%s]\n", GetCommandLineA(), depth ? depth : "");
      ++i;
    } else
      known = false;
    acted = acted || known;
  }
  if (!acted) printf("CMDLINE[%s]\n", GetCommandLineA());
  fflush(stdout);
  return exitCode;
}
