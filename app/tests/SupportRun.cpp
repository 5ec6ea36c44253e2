// The run's fixtures.
#include "SupportRun.h"

#include "app/RunMessagePump.h"
#include "engine/BuildStepFileManager.h"
#include "testsupport/TestProcess.h"
#include "testsupport/TestText.h"

bool WriteBuildFile(const std::string& path, const std::vector<FixtureStep>& steps,
                    const std::vector<std::pair<const char*, const char*>>& variables) {
  CBuildStepFileManager manager;
  for (const FixtureStep& s : steps) {
    CBuildStepDataDefinition* step = new CBuildStepDataDefinition;
    step->m_stepType = s.type;
    step->SetStepName(s.name);
    step->SetExecutablePath(s.executable);
    step->SetParameters(s.parameters);
    if (s.source != nullptr) step->SetSourcePath(s.source);
    step->m_paused = s.paused;
    manager.GetStepList().AddTail(step);
  }
  for (const auto& v : variables) {
    CVariableDefDataDefinition* variable = new CVariableDefDataDefinition;
    variable->SetName(v.first);
    variable->SetValue(v.second);
    manager.GetVariableList().AddTail(variable);
  }
  const bool saved = manager.SaveBuildFile(path.c_str());
  manager.Clear();
  return saved;
}

std::string StandInPath() { return PathBesideThisProgram("..\\engine\\engine_standin.exe"); }

DWORD CTestRunHost::WaitForStepHandles(DWORD count, const HANDLE* handles) {
  if (m_onWait) m_onWait();
  return WaitForHandlesDispatching(count, handles);
}

bool CRunFixture::Create() {
  if (!m_host.CreateHost(600, 500) || !m_frame.CreateHost(10, 10)) return false;
  m_owner.m_frame = &m_frame;
  m_display.SetOwner(&m_owner);
  m_display.SetRunHost(&m_runHost);
  if (!m_display.CreateDisplay(&m_host, 300)) return false;
  m_display.MoveWindow(0, 0, 600, 500);
  return true;
}

bool CRunFixture::Load(const std::vector<FixtureStep>& steps) {
  const std::string path = m_folder.PathOf("fixture.velm");
  return WriteBuildFile(path, steps) && m_display.LoadBuildFile(path.c_str());
}

void CRunFixture::Select(const std::vector<int>& rows) {
  CBuildStepDisplay& list = m_display.GetStepDisplay();
  list.DeselectAll();
  for (int row : rows) list.SelectById(list.GetRow(row)->GetId());
}

std::vector<std::string> CRunFixture::LogTexts() {
  std::vector<std::string> texts;
  CLogDisplayControl& log = m_display.GetLogDisplay();
  for (int i = 0; i < log.GetEntryCount(); ++i) {
    CTesselString text;
    log.GetEntry(i, &text, nullptr, nullptr);
    texts.push_back(TextOf(text));
  }
  return texts;
}

COLORREF CRunFixture::NameColor(int row) {
  return m_display.GetStepDisplay().GetRow(row)->GetColumnTextColor(0);
}
