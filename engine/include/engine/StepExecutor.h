// CStepExecutor: runs one build step by its type.
#pragma once

#include <windows.h>

#include <string>

#include "engine/ProcessOutput.h"
#include "foundation/ReentrantLock.h"
#include "foundation/TesselString.h"

class CBuildStepDataDefinition;
class CStepExecutionProcessor;
class ILogSink;
class IRunHost;

/// Runs build steps one at a time for the application's run drivers: logs the
/// start, substitutes the build's variables into a copy of the step, then either
/// carries out a file or folder operation itself or runs a command line as a
/// child process (CStepExecutionProcessor), and logs the outcome. Texts may be
/// narrow or wide; a wide text keeps every character on its way to the child.
///
/// The executor's sources are split by concern: StepExecutor.cpp (steps, log,
/// variables), StepExecutorProcess.cpp (the process-step runners) and
/// StepExecutorFiles.cpp (the file and folder steps).
///
/// Threads: ExecuteStep and CancelCurrentStep run on the UI thread (cancel from a
/// message dispatched while the run host waits for a process step);
/// AddProcessOutput and FlushProcessOutput run on a processor's worker thread
/// and touch only the log.
class CStepExecutor : public IProcessOutput {
 public:
  /// Environment variable that tells a nested build how deep it is nested.
  static const char kNestingDepthVariable[];
  /// Nested builds deeper than this are refused, so that build files that run
  /// each other cannot recurse without end.
  static const int kMaxNestingDepth = 8;
  /// Output without a line end is logged in lines of at most this many bytes.
  static const size_t kLongestOutputLine = 1024000;

  CStepExecutor();
  virtual ~CStepExecutor();

  /// The application side (variables, tool paths, open build file, the wait
  /// while a child runs). UI thread, before a run; without it process steps and
  /// substitution do nothing.
  void SetOwner(IRunHost* owner) { m_owner = owner; }
  /// Where log entries go; null logs nothing. UI thread, before a run.
  void SetLog(ILogSink* log) { m_log = log; }
  /// The module whose string table holds the run's texts (ids in RunStrings.h);
  /// null, the default, is the running program. A text missing there, or one
  /// whose conversions differ from the built-in text's, is logged as built in.
  /// UI thread, before a run.
  void SetStringModule(HMODULE module) { m_stringModule = module; }
  /// The run drivers set it when a run starts and stop between steps when it is
  /// false; cancel clears it. UI thread.
  void SetRunning(bool running) { m_running = running; }
  bool IsRunning() const { return m_running; }

  /// Runs one step of the build list and updates its elapsed time. True when
  /// it succeeded or is paused (a paused step logs nothing). UI thread.
  bool ExecuteStep(CBuildStepDataDefinition* step);

  /// Clears the running flag and terminates the running child process tree.
  /// True when a child was terminated; false between steps and during a file
  /// or folder step, which is not interrupted. UI thread.
  bool CancelCurrentStep();

  /// Adds one entry to the log; false without a log. Any thread.
  bool AddLogMessage(int kind, CTesselString text);

  /// Splits a chunk of child output into lines and logs each, four blanks in
  /// front. An unfinished last line is kept and completed by the next chunk
  /// (one that reaches kLongestOutputLine bytes is logged as it is).
  /// True when a line was logged. Worker thread.
  bool AddProcessOutput(int kind, CTesselString* text) override;
  /// Logs the kept unfinished line, if any, once the child has ended. Worker thread.
  bool FlushProcessOutput(int kind) override;

  /// Replaces "%NAME%" (any letter case) by the value of each variable of the
  /// build, in list order, in all seven texts of the step; a text that is wide,
  /// or receives a wide name or value, is replaced in wide form. UI thread.
  void SubstituteVariables(CBuildStepDataDefinition& step);

  /// Process step types 0 to 5 and 14 to 17, on a substituted copy. UI thread.
  bool ExecuteProcessStep(CBuildStepDataDefinition* step);
  /// File and folder step types 6 to 13, on a substituted copy. UI thread.
  /// The file functions are narrow: a wide text whose characters the ANSI code
  /// page lacks fails the step before anything is touched.
  bool ExecuteFileStep(CBuildStepDataDefinition* step);

  /// Runners of process steps; each is true when the child exited with code 0.
  bool ExecuteProgram(CTesselString program, CTesselString parameters, bool showWindow);
  bool ExecuteDosCommand(CTesselString command);
  bool ExecuteCompile(CTesselString solution, CTesselString parameters);
  bool ExecuteInstallerTool(CTesselString project, CTesselString parameters, bool edit);
  bool ExecuteNestedBuild(CTesselString buildFile);
  bool RunVantrellTool(CTesselString parameters);
  bool RunLumethTool(CTesselString parameters);
  bool RunBrisantTool(CTesselString parameters);
  bool RunQuorrelTool(CTesselString parameters);

  /// File and folder operations (folders with or without a trailing backslash).
  bool CopyOrMoveFiles(CTesselString* source, CTesselString* target, CTesselString* fileSpec,
                       bool move);
  bool DeleteFiles(CTesselString* folder, CTesselString* fileSpec);
  bool RenameFile(CTesselString* path, CTesselString* newName);
  bool RenameFolder(CTesselString* path, CTesselString* newName);
  bool CreateFolder(CTesselString* path);
  bool DeleteFolder(CTesselString* source, CTesselString* target);
  bool CopyTree(CTesselString* source, CTesselString* target, CTesselString* fileSpec);
  /// One folder of a tree copy; adds each copied file to *counter.
  bool CopyFolderFiles(CTesselString* folder, CTesselString* sourceRoot, CTesselString* targetRoot,
                       CTesselString* fileSpec, int* counter);

 private:
  CTesselString RunText(int id, const char* fallback, const CTesselString& argument);
  CTesselString CountText(int id, const char* fallback, int count);
  bool RunProcessor(CStepExecutionProcessor& processor);
  bool RunSiblingTool(CTesselString toolPath, CTesselString parameters, bool showWindow);
  bool IsOpenBuildFile(CTesselString path);
  bool CopyOneFile(CTesselString source, CTesselString targetFolder);
  void LogOutputLine(int kind, const char* begin, const char* end);

  IRunHost* m_owner;
  ILogSink* m_log;
  HMODULE m_stringModule;
  bool m_running;
  CBuildStepDataDefinition* m_currentStep;
  CStepExecutionProcessor* m_currentProcessor;  // guarded by m_lock
  CReentrantLock m_lock;
  // The unfinished last line of the running child's output, and the line being
  // logged; worker thread only.
  std::string m_pendingOutput;
  std::string m_lineText;

  CStepExecutor(const CStepExecutor&) = delete;
  CStepExecutor& operator=(const CStepExecutor&) = delete;
};
