// The run's fixtures: build files written by the engine's file manager, a
// run host that waits as the application does, and a created main display.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "SupportOwner.h"
#include "app/MainDisplay.h"
#include "engine/RunHost.h"
#include "testsupport/TempFolder.h"

/// One step of a fixture build file.
struct FixtureStep {
  int type;
  const char* name;
  const char* executable;
  const char* parameters;
  bool paused;
  /// The source path (a nested build file, for instance).
  const char* source = nullptr;
};

/// Writes the steps and the variables (name, value) as a build file at
/// `path`; false when it cannot be saved.
bool WriteBuildFile(const std::string& path, const std::vector<FixtureStep>& steps,
                    const std::vector<std::pair<const char*, const char*>>& variables = {});

/// The engine's stand-in program (see engine/tools/StandIn.cpp).
std::string StandInPath();

/// A run host without variables or tools whose wait is the application's
/// own; `m_onWait` runs on every wait (the cancel tests use it).
class CTestRunHost : public IRunHost {
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
  DWORD WaitForStepHandles(DWORD count, const HANDLE* handles) override;

  std::function<void()> m_onWait;
};

/// The main display, its state open to the tests.
class CTestMainDisplay : public CMainDisplay {
 public:
  using CMainDisplay::m_bRunActive;
  using CMainDisplay::m_bTimingActive;
  using CMainDisplay::m_runEndTime;
  using CMainDisplay::m_runStartTime;
};

/// A hidden host with a created main display, its owner and run host.
class CRunFixture {
 public:
  bool Create();
  /// Loads a fixture file of `steps` from the temporary folder.
  bool Load(const std::vector<FixtureStep>& steps);
  /// Selects exactly the rows at these display indexes.
  void Select(const std::vector<int>& rows);
  /// Texts of the log, in order.
  std::vector<std::string> LogTexts();
  /// The colour of a row's step-name cell.
  COLORREF NameColor(int row);

  CTempFolder m_folder;
  CTestHostWindow m_host;
  CTestHostWindow m_frame;
  CTestDisplayOwner m_owner;
  CTestRunHost m_runHost;
  CTestMainDisplay m_display;
};
