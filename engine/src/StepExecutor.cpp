// CStepExecutor: one step from start to outcome, the log, and the variables.
// The process-step runners are in StepExecutorProcess.cpp, the file and folder
// steps in StepExecutorFiles.cpp.
#include "engine/StepExecutor.h"

#include <string.h>

#include "RunMessages.h"
#include "StepText.h"
#include "engine/BuildStepDataDefinition.h"
#include "engine/LogSink.h"
#include "engine/RunHost.h"
#include "engine/RunStrings.h"
#include "StepExecutionProcessor.h"
#include "engine/VariableDefDataDefinition.h"

const char CStepExecutor::kNestingDepthVariable[] = "VELMORAN_BUILD_DEPTH";

namespace {

const char kRunningFormat[] = "Running %s";
const char kSucceededFormat[] = "%s Completed Successfully";
const char kFailedFormat[] = "%s Failed";
const char kOutputIndent[] = "    ";

bool IsFileStepType(int type) { return type >= StepCopyFiles && type <= StepCopyTree; }

bool IsTrimmedChar(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Every occurrence of `key` in `text`, any letter case, replaced by `value`; the
// search goes on after each inserted value. False when there was none.
bool ReplaceAllNoCase(std::wstring* text, const std::wstring& key, const std::wstring& value) {
  size_t at = FindNoCase(*text, key);
  if (at == std::wstring::npos) return false;
  std::wstring out;
  size_t from = 0;
  while (at != std::wstring::npos) {
    out.append(*text, from, at - from).append(value);
    from = at + key.size();
    at = FindNoCase(*text, key, from);
  }
  out.append(*text, from, std::wstring::npos);
  text->swap(out);
  return true;
}

// One variable in one text. Narrow texts keep the narrow rule (ASCII letter
// case); a wide side makes the replacement wide, so that nothing is folded.
void SubstituteVariable(CTesselString* text, const CTesselString& name,
                        const CTesselString& value) {
  if (!text->IsWide() && !name.IsWide() && !value.IsWide()) {
    CTesselString key("%"), narrowValue(value);
    key.Append(name);
    key.AppendText("%");
    text->ReplaceAllText(key.GetText(), narrowValue.GetText(), true);
    return;
  }
  std::wstring wide = WideOf(*text);
  if (ReplaceAllNoCase(&wide, L"%" + WideOf(name) + L"%", WideOf(value)))
    text->SetWideText(wide.c_str());
}

}  // namespace

CStepExecutor::CStepExecutor()
    : m_owner(nullptr),
      m_log(nullptr),
      m_stringModule(nullptr),
      m_running(true),
      m_currentStep(nullptr),
      m_currentProcessor(nullptr) {}

CStepExecutor::~CStepExecutor() {}

CTesselString CStepExecutor::RunText(int id, const char* fallback, const CTesselString& argument) {
  return FormatRunText(m_stringModule, id, fallback, argument);
}

CTesselString CStepExecutor::CountText(int id, const char* fallback, int count) {
  char number[16];
  wsprintfA(number, "%d", count);
  return RunText(id, fallback, CTesselString(number));
}

bool CStepExecutor::ExecuteStep(CBuildStepDataDefinition* step) {
  if (!step) return false;
  if (step->m_paused) return true;
  m_currentStep = step;
  AddLogMessage(LogStepStart, RunText(IDS_RUN_STEP_RUNNING, kRunningFormat, step->m_stepName));
  bool succeeded =
      IsFileStepType(step->m_stepType) ? ExecuteFileStep(step) : ExecuteProcessStep(step);
  step->UpdateElapsedTime();
  if (succeeded)
    AddLogMessage(LogSuccess, RunText(IDS_RUN_STEP_SUCCEEDED, kSucceededFormat, step->m_stepName));
  else
    AddLogMessage(LogFailure, RunText(IDS_RUN_STEP_FAILED, kFailedFormat, step->m_stepName));
  m_currentStep = nullptr;
  return succeeded;
}

bool CStepExecutor::CancelCurrentStep() {
  m_running = false;
  if (!m_currentStep) return false;
  // File and folder steps run on this very thread and are not interrupted; the
  // run stops after them because running is now false.
  if (IsFileStepType(m_currentStep->m_stepType)) return false;
  CReentrantLockGuard guard(m_lock);
  return m_currentProcessor ? m_currentProcessor->TerminateChildProcess() : false;
}

bool CStepExecutor::AddLogMessage(int kind, CTesselString text) {
  if (!m_log) return false;
  return m_log->AddEntry(kind, text);
}

void CStepExecutor::LogOutputLine(int kind, const char* begin, const char* end) {
  while (begin < end && IsTrimmedChar(*begin)) ++begin;
  while (end > begin && IsTrimmedChar(end[-1])) --end;
  // One buffer for every line: a million short lines must not cost a million
  // temporary strings besides the entries themselves.
  m_lineText.assign(kOutputIndent);
  m_lineText.append(begin, end);
  m_log->AddEntry(kind, CTesselString(m_lineText.c_str()));
}

bool CStepExecutor::AddProcessOutput(int kind, CTesselString* text) {
  if (!m_log || !text || text->IsEmpty()) return false;
  // A chunk ends wherever the pipe read ended, often inside a line (or between
  // the CR and the LF of a line end): the unfinished rest waits for the next chunk.
  const char* start = text->GetText();
  const char* const end = start + strlen(start);
  bool logged = false;
  const char* lf = static_cast<const char*>(memchr(start, '\n', end - start));
  if (lf && !m_pendingOutput.empty()) {
    m_pendingOutput.append(start, lf);
    LogOutputLine(kind, m_pendingOutput.data(), m_pendingOutput.data() + m_pendingOutput.size());
    m_pendingOutput.clear();
    logged = true;
    start = lf + 1;
    lf = static_cast<const char*>(memchr(start, '\n', end - start));
  }
  for (; lf; lf = static_cast<const char*>(memchr(start, '\n', end - start))) {
    LogOutputLine(kind, start, lf);
    logged = true;
    start = lf + 1;
  }
  m_pendingOutput.append(start, end);
  // A child that never ends a line (binary output, a progress display that only
  // returns the carriage) must not make the kept rest grow without bound.
  size_t from = 0;
  while (m_pendingOutput.size() - from >= kLongestOutputLine) {
    const char* piece = m_pendingOutput.data() + from;
    LogOutputLine(kind, piece, piece + kLongestOutputLine);
    logged = true;
    from += kLongestOutputLine;
  }
  if (from) m_pendingOutput.erase(0, from);
  return logged;
}

bool CStepExecutor::FlushProcessOutput(int kind) {
  if (m_pendingOutput.empty()) return false;
  std::string last;
  last.swap(m_pendingOutput);
  if (!m_log) return false;
  LogOutputLine(kind, last.data(), last.data() + last.size());
  return true;
}

void CStepExecutor::SubstituteVariables(CBuildStepDataDefinition& step) {
  if (!m_owner) return;
  for (CVariableDefDataDefinition* variable = m_owner->GetFirstVariable(); variable;
       variable = m_owner->GetNextVariable()) {
    for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
      SubstituteVariable(step.GetTextField(i), variable->m_name, variable->m_value);
  }
  m_owner->EndVariableIteration();
}
