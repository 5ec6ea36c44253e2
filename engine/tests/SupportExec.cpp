#include "SupportExec.h"

#include "engine/SiblingToolPath.h"
#include "testsupport/TestProcess.h"

bool CFakeExecLog::AddEntry(int kind, const CTesselString& text) {
  std::string copy = CTesselString(text).GetText();
  {
    std::lock_guard<std::mutex> guard(m_mutex);
    m_entries.push_back({kind, copy});
  }
  if (m_hook) m_hook(m_hookContext, kind, copy);
  return true;
}

std::vector<ExecLogEntry> CFakeExecLog::Entries() {
  std::lock_guard<std::mutex> guard(m_mutex);
  return m_entries;
}

std::vector<std::string> CFakeExecLog::Texts(int kind) {
  std::vector<std::string> texts;
  for (const ExecLogEntry& entry : Entries())
    if (entry.kind == kind) texts.push_back(entry.text);
  return texts;
}

void CFakeExecLog::Clear() {
  std::lock_guard<std::mutex> guard(m_mutex);
  m_entries.clear();
}

CFakeRunHost::~CFakeRunHost() {
  for (CVariableDefDataDefinition* variable : m_variables) delete variable;
}

void CFakeRunHost::AddVariable(const char* name, const char* value) {
  CVariableDefDataDefinition* variable = new CVariableDefDataDefinition;
  variable->SetName(name);
  variable->SetValue(value);
  m_variables.push_back(variable);
}

CVariableDefDataDefinition* CFakeRunHost::GetFirstVariable() {
  m_next = 0;
  return GetNextVariable();
}

CVariableDefDataDefinition* CFakeRunHost::GetNextVariable() {
  return m_next < m_variables.size() ? m_variables[m_next++] : nullptr;
}

CTesselString CFakeRunHost::GetVantrellToolPath() {
  return GetSiblingToolFilePath(kVantrellProductKey, kVantrellToolFileName);
}

CTesselString CFakeRunHost::GetLumethToolPath() {
  return GetSiblingToolFilePath(kLumethProductKey, kLumethToolFileName);
}

CTesselString CFakeRunHost::GetBrisantToolPath() {
  return GetSiblingToolFilePath(kBrisantProductKey, kBrisantToolFileName);
}

CTesselString CFakeRunHost::GetQuorrelToolPath() {
  return GetSiblingToolFilePath(kQuorrelProductKey, kQuorrelToolFileName);
}

void FillStep(CBuildStepDataDefinition* step, int type, const char* name, const char* executable,
              const char* parameters, const char* source, const char* target,
              const char* fileSpec) {
  step->m_stepType = type;
  step->SetStepName(name);
  step->SetExecutablePath(executable);
  step->SetParameters(parameters);
  step->SetSourcePath(source);
  step->SetTargetPath(target);
  step->SetFileSpec(fileSpec);
}

std::string StandInPath() { return PathBesideThisProgram("engine_standin.exe"); }

int RunCommandLine(const std::string& commandLine, DWORD timeoutMs) {
  ChildProcessOptions options;
  options.timeoutMs = timeoutMs;
  options.creationFlags = CREATE_NO_WINDOW;
  ChildProcessResult result = RunChildProcess(commandLine, options);
  return result.started && !result.timedOut ? static_cast<int>(result.exitCode) : -1;
}
