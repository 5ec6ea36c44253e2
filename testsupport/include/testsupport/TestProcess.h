// Programs beside the test program, and child processes run to their end with
// a time limit.
#pragma once

#include <windows.h>

#include <string>

/// The folder of the running test program, with a trailing backslash.
std::string ThisProgramFolder();
/// The path of `name` in the test program's folder (where the build puts the
/// tools and stand-in programs that tests start).
std::string PathBesideThisProgram(const std::string& name);

/// How RunChildProcess starts a child.
struct ChildProcessOptions {
  /// From the start; the child is terminated when it has not ended by then.
  DWORD timeoutMs = 60000;
  /// Collect standard output / standard error. A stream that is not captured
  /// goes to NUL once any is captured; with neither, the child gets no
  /// standard handles of ours at all.
  bool captureOutput = false;
  bool captureErrors = false;
  /// CreateProcess flags, for instance CREATE_NO_WINDOW for a console program.
  DWORD creationFlags = 0;
};

/// What became of a child.
struct ChildProcessResult {
  bool started = false;
  /// It did not end within the time and was terminated.
  bool timedOut = false;
  /// The child's exit code; 0xFFFFFFFF when it did not start or timed out.
  DWORD exitCode = 0xFFFFFFFF;
  std::string output;
  std::string errors;
};

/// Starts `commandLine` as given (quote the program when its path has
/// spaces) and waits, without polling, for its end and for the last bytes of
/// the captured streams (until everything that inherited them let go, or the
/// time is over: what came by then is kept). Used from any thread.
ChildProcessResult RunChildProcess(const std::string& commandLine,
                                   const ChildProcessOptions& options = ChildProcessOptions());
