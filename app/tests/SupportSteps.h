// A real main frame whose step list exists, for the tests of the step
// commands and dialogs: a test owner for its panes, a build file of the
// test's steps, and the rows read back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "SupportApp.h"
#include "SupportOwner.h"
#include "SupportRun.h"

class CStepFrame {
 public:
  CStepFrame();

  CMainFrame* operator->() const { return m_frame->Get(); }
  CMainFrame* Get() const { return m_frame->Get(); }
  CBuildStepDisplay& List() { return Get()->GetMainDisplay().GetStepDisplay(); }
  /// Loads a build file of these steps; false when it cannot be written or read.
  bool Load(const std::vector<FixtureStep>& steps);
  CBuildStepDataDefinition* Step(int row) { return List().GetRow(row)->m_pStep; }
  /// Selects exactly the rows at these display indexes.
  void Select(const std::vector<int>& rows);
  std::vector<std::string> Names();
  std::vector<int> Selected();
  /// The command as the ribbon, a key or a menu sends it.
  void Command(UINT id) { Get()->SendMessage(WM_COMMAND, id); }

  CTestDisplayOwner m_owner;
  CTempFolder m_files;

 private:
  std::unique_ptr<CFrameFixture> m_frame;
};
