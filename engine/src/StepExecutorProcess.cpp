// CStepExecutor's process steps: the command line of each step type, built in
// wide text, and the run of one execution processor.
#include <windows.h>
#include <stdlib.h>

#include <vector>

#include "RunMessages.h"
#include "StepText.h"
#include "engine/BuildStepDataDefinition.h"
#include "engine/RunHost.h"
#include "engine/RunStrings.h"
#include "StepExecutionProcessor.h"
#include "engine/StepExecutor.h"

namespace {

const char kExecuteSwitch[] = "-execute";
const char kCommandInterpreter[] = "cmd.exe /c ";

// A program not already in double quotes is put in them, so that a path with
// blanks stays one program name.
std::wstring QuoteProgram(const std::wstring& program) {
  if (!program.empty() && program[0] == L'"') return program;
  return L"\"" + program + L"\"";
}

// A path with blanks given to a tool as one argument; other paths stay as typed.
std::wstring QuoteArgumentWithBlanks(const std::wstring& path) {
  if (path.find_first_of(L" \t") == std::wstring::npos) return path;
  return QuoteProgram(path);
}

// The full, long form of a path, for telling whether two texts name one file.
std::wstring CanonicalPath(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::vector<wchar_t> full(size + 1);
  if (GetFullPathNameW(path.c_str(), size + 1, full.data(), nullptr) == 0) return path;
  size = GetLongPathNameW(full.data(), nullptr, 0);
  if (size == 0) return full.data();  // the file need not exist
  std::vector<wchar_t> longForm(size + 1);
  if (GetLongPathNameW(full.data(), longForm.data(), size + 1) == 0) return full.data();
  return longForm.data();
}

int CurrentNestingDepth() {
  char value[32] = {};
  DWORD n = GetEnvironmentVariableA(CStepExecutor::kNestingDepthVariable, value, sizeof(value));
  if (n == 0 || n >= sizeof(value)) return 0;
  int depth = atoi(value);
  return depth > 0 ? depth : 0;
}

}  // namespace

bool CStepExecutor::ExecuteProcessStep(CBuildStepDataDefinition* step) {
  if (!m_owner || !step) return false;
  CBuildStepDataDefinition copy;
  copy.CopyFrom(*step);
  SubstituteVariables(copy);
  bool noParameters = copy.m_parameters.IsEmpty();
  bool noSource = copy.m_sourcePath.IsEmpty();
  switch (copy.m_stepType) {
    case StepExecuteProgram:
      return !copy.m_executablePath.IsEmpty() &&
             ExecuteProgram(copy.m_executablePath, copy.m_parameters, true);
    case StepDosCommand:
      return !noParameters && ExecuteDosCommand(copy.m_parameters);
    case StepAdvancedInstallerBuild:
    case StepAdvancedInstallerEdit:
      return !noSource && !noParameters &&
             ExecuteInstallerTool(copy.m_sourcePath, copy.m_parameters,
                                  copy.m_stepType == StepAdvancedInstallerEdit);
    case StepMSDevCompile:
      return !noSource && !noParameters && ExecuteCompile(copy.m_sourcePath, copy.m_parameters);
    case StepBuildScript:
      return !noSource && ExecuteNestedBuild(copy.m_sourcePath);
    case StepVantrell:
      return !noParameters && RunVantrellTool(copy.m_parameters);
    case StepLumeth:
      return !noParameters && RunLumethTool(copy.m_parameters);
    case StepBrisant:
      return !noParameters && RunBrisantTool(copy.m_parameters);
    case StepQuorrel:
      return !noParameters && RunQuorrelTool(copy.m_parameters);
    default:
      return false;
  }
}

bool CStepExecutor::RunProcessor(CStepExecutionProcessor& processor) {
  processor.m_outputTarget = this;
  processor.SetRunHost(m_owner);
  m_pendingOutput.clear();
  {
    CReentrantLockGuard guard(m_lock);
    m_currentProcessor = &processor;
  }
  bool succeeded = processor.RunProcessAndWait();
  {
    CReentrantLockGuard guard(m_lock);
    m_currentProcessor = nullptr;
  }
  return succeeded;
}

bool CStepExecutor::ExecuteProgram(CTesselString program, CTesselString parameters,
                                   bool showWindow) {
  if (program.IsEmpty()) return false;
  CStepExecutionProcessor processor;
  processor.SetCommand(WideString(QuoteProgram(WideOf(program))));
  processor.SetParameters(parameters);
  processor.m_showWindow = showWindow;
  return RunProcessor(processor);
}

bool CStepExecutor::ExecuteDosCommand(CTesselString command) {
  CStepExecutionProcessor processor;
  processor.SetCommand(kCommandInterpreter);
  processor.SetParameters(command);
  processor.m_showWindow = false;
  return RunProcessor(processor);
}

bool CStepExecutor::ExecuteInstallerTool(CTesselString project, CTesselString parameters,
                                         bool edit) {
  if (!m_owner) return false;
  std::wstring arguments = edit ? L" /edit " : L" /build ";
  arguments += QuoteArgumentWithBlanks(WideOf(project));
  if (!parameters.IsEmpty()) arguments += L" " + WideOf(parameters);
  if (!edit) arguments += L" -force";
  return ExecuteProgram(m_owner->GetAdvancedInstallerPath(), WideString(arguments), false);
}

bool CStepExecutor::ExecuteCompile(CTesselString solution, CTesselString parameters) {
  if (!m_owner) return false;
  std::wstring arguments = QuoteArgumentWithBlanks(WideOf(solution)) + L" /rebuild";
  if (!parameters.IsEmpty()) arguments += L" " + WideOf(parameters);
  return ExecuteProgram(m_owner->GetMSVisualStudioPath(), WideString(arguments), false);
}

bool CStepExecutor::IsOpenBuildFile(CTesselString path) {
  CTesselString open = m_owner->GetBuildFilePath();
  if (open.IsEmpty()) return false;
  return EqualNoCase(CanonicalPath(WideOf(open)), CanonicalPath(WideOf(path)));
}

bool CStepExecutor::ExecuteNestedBuild(CTesselString buildFile) {
  if (!m_owner || buildFile.IsEmpty()) return false;
  // A build file may not run itself, and build files that run each other stop
  // at a fixed depth instead of starting instances without end.
  if (IsOpenBuildFile(buildFile)) return false;
  int depth = CurrentNestingDepth();
  if (depth >= kMaxNestingDepth) return false;
  CTesselString program = m_owner->GetNestedBuildProgram();
  if (program.IsEmpty()) return false;
  std::wstring arguments =
      WideOf(LoadRunText(m_stringModule, IDS_RUN_EXECUTE_SWITCH, kExecuteSwitch));
  arguments += L" \"" + WideOf(buildFile) + L"\"";
  CTesselString childDepth;
  childDepth.Format("%d", depth + 1);
  CStepExecutionProcessor processor;
  processor.SetCommand(WideString(QuoteProgram(WideOf(program))));
  processor.SetParameters(WideString(arguments));
  processor.SetChildEnvironmentVariable(kNestingDepthVariable, childDepth);
  return RunProcessor(processor);
}

bool CStepExecutor::RunSiblingTool(CTesselString toolPath, CTesselString parameters,
                                   bool showWindow) {
  if (toolPath.IsEmpty()) return false;
  return ExecuteProgram(toolPath, parameters, showWindow);
}

bool CStepExecutor::RunVantrellTool(CTesselString parameters) {
  if (!m_owner || parameters.IsEmpty()) return false;
  return RunSiblingTool(m_owner->GetVantrellToolPath(), parameters, false);
}

bool CStepExecutor::RunLumethTool(CTesselString parameters) {
  if (!m_owner || parameters.IsEmpty()) return false;
  return RunSiblingTool(m_owner->GetLumethToolPath(), parameters, false);
}

bool CStepExecutor::RunBrisantTool(CTesselString parameters) {
  if (!m_owner || parameters.IsEmpty()) return false;
  parameters.TrimLeft();
  std::wstring text = WideOf(parameters);
  if (FindNoCase(text, L"-cmd") == std::wstring::npos) parameters = WideString(L"-cmd " + text);
  return RunSiblingTool(m_owner->GetBrisantToolPath(), parameters, false);
}

bool CStepExecutor::RunQuorrelTool(CTesselString parameters) {
  if (!m_owner) return false;
  parameters.TrimLeft();
  parameters.TrimRight();
  return RunSiblingTool(m_owner->GetQuorrelToolPath(), parameters, true);
}
