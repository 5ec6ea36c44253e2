#include "engine/BuildStepDataDefinition.h"

#include "foundation/TimeUtilities.h"

CBuildStepDataDefinition::CBuildStepDataDefinition() { Reset(); }

CBuildStepDataDefinition::~CBuildStepDataDefinition() {}

void CBuildStepDataDefinition::Reset() {
  m_stepType = StepExecuteProgram;
  // A text that is already empty, narrow and one byte long stays as it is: a
  // new step (and every step a load makes) would otherwise allocate each twice.
  for (int i = 0; i < TextFieldCount; ++i) {
    CTesselString* text = GetTextField(i);
    if (text->IsWide() || text->GetCapacity() != 1 || !text->IsEmpty()) text->SetText("");
  }
  m_startTime = GetCurrentUtcTime();
  m_elapsedTime = 0;
  m_paused = false;
}

void CBuildStepDataDefinition::SetStepName(CTesselString text) { m_stepName = text; }
void CBuildStepDataDefinition::SetDescription(CTesselString text) { m_description = text; }
void CBuildStepDataDefinition::SetExecutablePath(CTesselString text) { m_executablePath = text; }
void CBuildStepDataDefinition::SetParameters(CTesselString text) { m_parameters = text; }
void CBuildStepDataDefinition::SetSourcePath(CTesselString text) { m_sourcePath = text; }
void CBuildStepDataDefinition::SetTargetPath(CTesselString text) { m_targetPath = text; }
void CBuildStepDataDefinition::SetFileSpec(CTesselString text) { m_fileSpec = text; }

CTesselString* CBuildStepDataDefinition::GetTextField(int index) {
  switch (index) {
    case 0:
      return &m_stepName;
    case 1:
      return &m_description;
    case 2:
      return &m_executablePath;
    case 3:
      return &m_parameters;
    case 4:
      return &m_sourcePath;
    case 5:
      return &m_targetPath;
    case 6:
      return &m_fileSpec;
    default:
      return nullptr;
  }
}

const CTesselString* CBuildStepDataDefinition::GetTextField(int index) const {
  return const_cast<CBuildStepDataDefinition*>(this)->GetTextField(index);
}

void CBuildStepDataDefinition::CopyFrom(const CBuildStepDataDefinition& other) {
  if (&other == this) return;
  m_stepType = other.m_stepType;
  for (int i = 0; i < TextFieldCount; ++i) *GetTextField(i) = *other.GetTextField(i);
  m_startTime = other.m_startTime;
  m_elapsedTime = other.m_elapsedTime;
}

void CBuildStepDataDefinition::SetStartTime(int64_t time) {
  m_startTime = time;
  m_elapsedTime = 0;
}

bool CBuildStepDataDefinition::UpdateElapsedTime() {
  m_elapsedTime = GetTimeSpan(m_startTime, GetCurrentUtcTime());
  return true;
}

CTesselString CBuildStepDataDefinition::GetElapsedTimeText(bool showZero) const {
  CTesselString text;
  int32_t days = 0, hours = 0, minutes = 0, seconds = 0, milliseconds = 0;
  if (m_elapsedTime <= 0 ||
      !SplitTimeSpan(m_elapsedTime, &days, &hours, &minutes, &seconds, &milliseconds)) {
    if (showZero) text.SetText("0:0:0:0");
    return text;
  }
  if (days > 0) {
    text.Format("%ld %s%s  %02ld:%02ld:%02ld:%03ld", (long)days, "day", days > 1 ? "s" : "",
                (long)hours, (long)minutes, (long)seconds, (long)milliseconds);
  } else {
    text.Format("%02ld:%02ld:%02ld:%03ld", (long)hours, (long)minutes, (long)seconds,
                (long)milliseconds);
  }
  return text;
}

int CBuildStepDataDefinition::ReplaceText(CTesselString& pattern, CTesselString& replacement,
                                          bool ignoreCase) {
  if (pattern.IsEmpty()) return 0;
  int total = 0;
  for (int i = 0; i < TextFieldCount; ++i) {
    int count = 0;
    GetTextField(i)->Replace(pattern, replacement, ignoreCase, &count);
    total += count;
  }
  return total;
}
