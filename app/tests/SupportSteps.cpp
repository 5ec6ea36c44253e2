// The step tests' frame.
#include "SupportSteps.h"

#include "testsupport/TestText.h"

CStepFrame::CStepFrame() : m_frame(new CFrameFixture(&m_owner)) { m_owner.m_frame = Get(); }

bool CStepFrame::Load(const std::vector<FixtureStep>& steps) {
  const std::string path = m_files.PathOf("steps.velm");
  return WriteBuildFile(path, steps) && Get()->GetMainDisplay().LoadBuildFile(path.c_str());
}

void CStepFrame::Select(const std::vector<int>& rows) {
  List().DeselectAll();
  for (int row : rows) List().SelectById(List().GetRow(row)->GetId());
}

std::vector<std::string> CStepFrame::Names() {
  std::vector<std::string> names;
  for (int i = 0; i < List().GetDisplayCount(); ++i)
    names.push_back(TextOf(List().GetRow(i)->GetColumnText(0)));
  return names;
}

std::vector<int> CStepFrame::Selected() {
  std::vector<int> rows;
  for (int i = 0; i < List().GetDisplayCount(); ++i)
    if (List().GetRow(i)->m_bSelected) rows.push_back(i);
  return rows;
}
