// Fakes and helpers for the tests of running steps: a recording log, a run host
// with settable paths and variables, the stand-in tool, file checks.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "engine/BuildStepDataDefinition.h"
#include "engine/LogSink.h"
#include "engine/RunHost.h"
#include "foundation/TesselString.h"
#include "foundation/TextConversion.h"
#include "engine/VariableDefDataDefinition.h"
#include "testsupport/TempFolder.h"

/// One log entry as the fake log keeps it.
struct ExecLogEntry {
  int kind;
  std::string text;
};

/// Records every entry; safe from any thread, like the application's log. Wide
/// entries are kept as UTF-8, so that tests see every character.
/// An optional hook runs (outside the lock) after each entry is recorded.
class CFakeExecLog : public ILogSink {
 public:
  bool AddEntry(int kind, const CTesselString& text) override;
  std::vector<ExecLogEntry> Entries();
  /// The texts of the entries of one kind, in order.
  std::vector<std::string> Texts(int kind);
  void Clear();
  void (*m_hook)(void* context, int kind, const std::string& text) = nullptr;
  void* m_hookContext = nullptr;

 private:
  std::mutex m_mutex;
  std::vector<ExecLogEntry> m_entries;
};

/// A run host whose answers the test sets. The sibling tool paths are looked
/// up in the registry the way the application does it, unless the test sets
/// one path for all four. Its wait is a plain wait on the step's handles and on
/// the events a test gives with WhenSignalled.
class CFakeRunHost : public IRunHost {
 public:
  ~CFakeRunHost() override;
  void AddVariable(const char* name, const char* value);
  void AddWideVariable(const wchar_t* name, const wchar_t* value);
  /// While a step runs: once `event` is signalled, `action` runs on the waiting
  /// thread (as the application's cancel command does), and the wait goes on.
  void WhenSignalled(HANDLE event, std::function<void()> action);

  CTesselString GetBuildFilePath() override { return m_buildFilePath.c_str(); }
  CVariableDefDataDefinition* GetFirstVariable() override;
  CVariableDefDataDefinition* GetNextVariable() override;
  void EndVariableIteration() override { ++m_iterationsEnded; }
  CTesselString GetAdvancedInstallerPath() override { return m_installerPath.c_str(); }
  CTesselString GetMSVisualStudioPath() override { return m_visualStudioPath.c_str(); }
  CTesselString GetVantrellToolPath() override;
  CTesselString GetLumethToolPath() override;
  CTesselString GetBrisantToolPath() override;
  CTesselString GetQuorrelToolPath() override;
  CTesselString GetNestedBuildProgram() override { return m_nestedProgram.c_str(); }
  DWORD WaitForStepHandles(DWORD count, const HANDLE* handles) override;

  std::string m_buildFilePath;
  std::string m_installerPath;
  std::string m_visualStudioPath;
  std::string m_nestedProgram;
  std::string m_siblingToolPath;  // when set, the path of all four sibling tools
  int m_iterationsEnded = 0;
  int m_waits = 0;  // calls of WaitForStepHandles

 private:
  CTesselString SiblingTool(const char* productKey, const char* toolFileName);

  std::vector<CVariableDefDataDefinition*> m_variables;
  size_t m_next = 0;
  std::vector<std::pair<HANDLE, std::function<void()>>> m_triggers;
};

/// A named auto-reset event with a name unique to this process, for the
/// stand-in tool's --signal and --await.
class CNamedEvent {
 public:
  CNamedEvent();
  ~CNamedEvent();
  HANDLE Handle() const { return m_handle; }
  const std::string& Name() const { return m_name; }

 private:
  CNamedEvent(const CNamedEvent&) = delete;
  CNamedEvent& operator=(const CNamedEvent&) = delete;
  std::string m_name;
  HANDLE m_handle;
};

/// UTF-8 from UTF-16 and back, for comparing what wide steps produce.

/// A step with the given type and texts (name first).
void FillStep(CBuildStepDataDefinition* step, int type, const char* name,
              const char* executable = "", const char* parameters = "", const char* source = "",
              const char* target = "", const char* fileSpec = "");

/// The stand-in tool built beside the test programs.
std::string StandInPath();

/// Runs a command line to its end (no console window); its exit code, or -1
/// when it cannot be started or does not end within the time.
int RunCommandLine(const std::string& commandLine, DWORD timeoutMs = 60000);
