// IRunHost: what the step executor needs of the application that runs a build.
#pragma once

#include <windows.h>

#include "foundation/TesselString.h"

class CVariableDefDataDefinition;

/// The application side of a run, as the step executor sees it: the open build
/// file, its variables, the tool paths from the settings and the registry, and
/// the program that runs a nested build file, and the UI thread's wait while a
/// child process runs. The application's main frame implements it; tests give
/// fakes. All members are called on the UI thread, while a step runs.
///
/// This header is the one place of the engine that speaks of window messages:
/// the engine itself never touches them, the application's wait does.
class IRunHost {
 public:
  virtual ~IRunHost() {}

  /// The path of the build file open in the application; empty for a new build.
  virtual CTesselString GetBuildFilePath() = 0;

  /// Iteration over the open build's variables, in list order. Every call of
  /// GetFirstVariable is paired with one EndVariableIteration; null ends the list.
  virtual CVariableDefDataDefinition* GetFirstVariable() = 0;
  virtual CVariableDefDataDefinition* GetNextVariable() = 0;
  virtual void EndVariableIteration() = 0;

  /// The installer and solution-builder programs named in the settings; empty
  /// when not set.
  virtual CTesselString GetAdvancedInstallerPath() = 0;
  virtual CTesselString GetMSVisualStudioPath() = 0;

  /// The full paths of the sibling products' command-line tools (see
  /// GetSiblingToolFilePath); empty when the product or its tool is missing.
  virtual CTesselString GetVantrellToolPath() = 0;
  virtual CTesselString GetLumethToolPath() = 0;
  virtual CTesselString GetBrisantToolPath() = 0;
  virtual CTesselString GetQuorrelToolPath() = 0;

  /// The program that runs a nested build file with "-execute": the running
  /// executable in the application; a test points it elsewhere so that it does
  /// not start itself. Empty when it cannot be had.
  virtual CTesselString GetNestedBuildProgram() = 0;

  /// Waits until one of `handles` is signalled and returns WAIT_OBJECT_0 plus
  /// its index, or WAIT_FAILED when it cannot wait (the engine then waits
  /// plainly). Called while a process step runs; the engine calls it again
  /// until its step has ended, so it may also return early.
  /// The application keeps its window alive meanwhile: it waits with
  /// MsgWaitForMultipleObjects (QS_ALLINPUT) and dispatches the thread's
  /// messages, among them the cancel command (CStepExecutor::CancelCurrentStep);
  /// a WM_QUIT it takes from the queue is posted again before it returns, so
  /// that its own message loop still ends. Tests wait plainly.
  virtual DWORD WaitForStepHandles(DWORD count, const HANDLE* handles) = 0;
};
