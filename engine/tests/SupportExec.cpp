#include "SupportExec.h"

#include "engine/SiblingToolPath.h"
#include "testsupport/TestProcess.h"

bool CFakeExecLog::AddEntry(int kind, const CTesselString& text) {
  CTesselString other(text);
  std::string copy = text.IsWide() ? Utf8FromWide(other.GetWideText()) : other.GetText();
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

void CFakeRunHost::AddWideVariable(const wchar_t* name, const wchar_t* value) {
  CVariableDefDataDefinition* variable = new CVariableDefDataDefinition;
  variable->m_name.SetWideText(name);
  variable->m_value.SetWideText(value);
  m_variables.push_back(variable);
}

void CFakeRunHost::WhenSignalled(HANDLE event, std::function<void()> action) {
  m_triggers.emplace_back(event, action);
}

DWORD CFakeRunHost::WaitForStepHandles(DWORD count, const HANDLE* handles) {
  ++m_waits;
  for (;;) {
    std::vector<HANDLE> all(handles, handles + count);
    for (const auto& trigger : m_triggers) all.push_back(trigger.first);
    DWORD result = WaitForMultipleObjects((DWORD)all.size(), all.data(), FALSE, INFINITE);
    if (result < WAIT_OBJECT_0 + count || result >= WAIT_OBJECT_0 + all.size()) return result;
    auto trigger = m_triggers.begin() + (result - WAIT_OBJECT_0 - count);
    std::function<void()> action = trigger->second;
    m_triggers.erase(trigger);
    action();
  }
}

CVariableDefDataDefinition* CFakeRunHost::GetFirstVariable() {
  m_next = 0;
  return GetNextVariable();
}

CVariableDefDataDefinition* CFakeRunHost::GetNextVariable() {
  return m_next < m_variables.size() ? m_variables[m_next++] : nullptr;
}

CTesselString CFakeRunHost::SiblingTool(const char* productKey, const char* toolFileName) {
  if (!m_siblingToolPath.empty()) return m_siblingToolPath.c_str();
  return GetSiblingToolFilePath(productKey, toolFileName);
}

CTesselString CFakeRunHost::GetVantrellToolPath() {
  return SiblingTool(kVantrellProductKey, kVantrellToolFileName);
}

CTesselString CFakeRunHost::GetLumethToolPath() {
  return SiblingTool(kLumethProductKey, kLumethToolFileName);
}

CTesselString CFakeRunHost::GetBrisantToolPath() {
  return SiblingTool(kBrisantProductKey, kBrisantToolFileName);
}

CTesselString CFakeRunHost::GetQuorrelToolPath() {
  return SiblingTool(kQuorrelProductKey, kQuorrelToolFileName);
}

CNamedEvent::CNamedEvent() {
  static LONG serial = 0;
  char name[64];
  wsprintfA(name, "VelmEngineTest.%lu.%ld", GetCurrentProcessId(), InterlockedIncrement(&serial));
  m_name = name;
  m_handle = CreateEventA(nullptr, FALSE, FALSE, name);
}

CNamedEvent::~CNamedEvent() {
  if (m_handle) CloseHandle(m_handle);
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
