#include "engine/StepExecutor.h"

#include <stdlib.h>
#include <string.h>

#include <shlwapi.h>
#include <stdio.h>

#include "engine/BuildStepDataDefinition.h"
#include "foundation/FileUtilities.h"
#include "engine/LogSink.h"
#include "engine/RunHost.h"
#include "engine/StepExecutionProcessor.h"
#include "foundation/TesselList.h"
#include "engine/VariableDefDataDefinition.h"

const char CStepExecutor::kNestingDepthVariable[] = "VELMORAN_BUILD_DEPTH";

namespace {

const char kRunningFormat[] = "Running %s";
const char kSucceededFormat[] = "%s Completed Successfully";
const char kFailedFormat[] = "%s Failed";
const char kExecuteSwitch[] = "-execute";
const char kCommandInterpreter[] = "cmd.exe /c ";
const char kOutputIndent[] = "    ";
const char kCopiedFormat[] = "Copied %ld files";
const char kMovedFormat[] = "Moved %ld files";
const char kDeletedFormat[] = "Deleted %ld files";
const char kCopiedTreeFormat[] = "Copied %ld files in the tree";

bool IsFileStepType(int type) { return type >= StepCopyFiles && type <= StepCopyTree; }

CTesselString Formatted(const char* format, CTesselString argument) {
  CTesselString text;
  text.Format(format, argument.GetText());
  return text;
}

// A program not already in double quotes is put in them, so that a path with
// blanks stays one program name.
CTesselString QuoteProgram(CTesselString program) {
  if (program.GetFirstChar() == '"') return program;
  CTesselString quoted("\"");
  quoted.Append(program);
  quoted.AppendText("\"");
  return quoted;
}

// A path with blanks given to a tool as one argument; other paths stay as typed.
CTesselString QuoteArgumentWithBlanks(CTesselString path) {
  if (path.GetFirstChar() == '"') return path;
  if (path.FindChar(' ', 0) < 0 && path.FindChar('\t', 0) < 0) return path;
  return QuoteProgram(path);
}

bool IsTrimmedChar(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string TrimLine(const std::string& line) {
  size_t first = 0, last = line.size();
  while (first < last && IsTrimmedChar(line[first])) ++first;
  while (last > first && IsTrimmedChar(line[last - 1])) --last;
  return line.substr(first, last - first);
}

// The full, long form of a path, for telling whether two texts name one file.
std::string CanonicalPath(CTesselString path) {
  char full[MAX_PATH * 2] = {};
  DWORD n = GetFullPathNameA(path.GetText(), sizeof(full), full, nullptr);
  if (n == 0 || n >= sizeof(full)) return path.GetText();
  char longForm[MAX_PATH * 2] = {};
  n = GetLongPathNameA(full, longForm, sizeof(longForm));
  return n > 0 && n < sizeof(longForm) ? longForm : full;
}

int CurrentNestingDepth() {
  char value[32] = {};
  DWORD n = GetEnvironmentVariableA(CStepExecutor::kNestingDepthVariable, value, sizeof(value));
  if (n == 0 || n >= sizeof(value)) return 0;
  int depth = atoi(value);
  return depth > 0 ? depth : 0;
}

CTesselString CountText(const char* format, int count) {
  CTesselString text;
  text.Format(format, (long)count);
  return text;
}

CTesselString WithBackslash(CTesselString path) {
  path.AddTrailingBackslash();
  return path;
}

// A folder whose files a step deletes or moves away. An empty variable easily
// turns "%OUT%\" into "\", the root of the current drive: roots and empty paths
// are never touched.
bool IsSafeToEmpty(CTesselString path) {
  path.TrimLeft();
  path.TrimRight();
  if (path.IsEmpty()) return false;
  char full[MAX_PATH * 2] = {};
  DWORD n = GetFullPathNameA(path.GetText(), sizeof(full), full, nullptr);
  if (n == 0 || n >= sizeof(full)) return false;
  return !PathIsRootA(full);
}

// The files of one folder that match a pattern list, as full paths.
class CMatchingFiles {
 public:
  CMatchingFiles(CTesselString folder, CTesselString patterns) {
    m_list.SetElementTypeString();
    m_found = FindFilesMatching(folder, patterns, &m_list, false);
  }
  ~CMatchingFiles() { m_list.DeleteAll(); }
  bool Found() const { return m_found; }
  CTesselList& List() { return m_list; }

 private:
  CTesselList m_list;
  bool m_found;
};

}  // namespace

CStepExecutor::CStepExecutor()
    : m_owner(nullptr),
      m_log(nullptr),
      m_running(true),
      m_currentStep(nullptr),
      m_currentProcessor(nullptr) {}

CStepExecutor::~CStepExecutor() {}

bool CStepExecutor::ExecuteStep(CBuildStepDataDefinition* step) {
  if (!step) return false;
  if (step->m_paused) return true;
  m_currentStep = step;
  AddLogMessage(LogStepStart, Formatted(kRunningFormat, step->m_stepName));
  bool succeeded =
      IsFileStepType(step->m_stepType) ? ExecuteFileStep(step) : ExecuteProcessStep(step);
  step->UpdateElapsedTime();
  AddLogMessage(succeeded ? LogSuccess : LogFailure,
                Formatted(succeeded ? kSucceededFormat : kFailedFormat, step->m_stepName));
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

void CStepExecutor::LogOutputLine(int kind, const std::string& line) {
  std::string indented(kOutputIndent);
  indented += TrimLine(line);
  m_log->AddEntry(kind, CTesselString(indented.c_str()));
}

bool CStepExecutor::AddProcessOutput(int kind, CTesselString* text) {
  if (!m_log || !text || text->IsEmpty()) return false;
  // A chunk ends wherever the pipe read ended, often inside a line (or between
  // the CR and the LF of a line end): the unfinished rest waits for the next chunk.
  m_pendingOutput.append(text->GetText());
  bool logged = false;
  size_t start = 0;
  for (size_t lf = m_pendingOutput.find('\n'); lf != std::string::npos;
       lf = m_pendingOutput.find('\n', start)) {
    LogOutputLine(kind, m_pendingOutput.substr(start, lf - start));
    logged = true;
    start = lf + 1;
  }
  // A child that never ends a line (binary output, a progress display that only
  // returns the carriage) must not make the kept rest grow without bound.
  while (m_pendingOutput.size() - start >= kLongestOutputLine) {
    LogOutputLine(kind, m_pendingOutput.substr(start, kLongestOutputLine));
    logged = true;
    start += kLongestOutputLine;
  }
  m_pendingOutput.erase(0, start);
  return logged;
}

bool CStepExecutor::FlushProcessOutput(int kind) {
  if (m_pendingOutput.empty()) return false;
  std::string last;
  last.swap(m_pendingOutput);
  if (!m_log) return false;
  LogOutputLine(kind, last);
  return true;
}

void CStepExecutor::SubstituteVariables(CBuildStepDataDefinition& step) {
  if (!m_owner) return;
  for (CVariableDefDataDefinition* variable = m_owner->GetFirstVariable(); variable;
       variable = m_owner->GetNextVariable()) {
    CTesselString key = Formatted("%%%s%%", variable->m_name);
    CTesselString value(variable->m_value);
    for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
      step.GetTextField(i)->ReplaceAllText(key.GetText(), value.GetText(), true);
  }
  m_owner->EndVariableIteration();
}

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
  processor.SetCommand(QuoteProgram(program));
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
  CTesselString arguments(edit ? " /edit " : " /build ");
  arguments.Append(QuoteArgumentWithBlanks(project));
  if (!parameters.IsEmpty()) {
    arguments.AppendText(" ");
    arguments.Append(parameters);
  }
  if (!edit) arguments.AppendText(" -force");
  return ExecuteProgram(m_owner->GetAdvancedInstallerPath(), arguments, false);
}

bool CStepExecutor::ExecuteCompile(CTesselString solution, CTesselString parameters) {
  if (!m_owner) return false;
  CTesselString arguments = QuoteArgumentWithBlanks(solution);
  arguments.AppendText(" /rebuild");
  if (!parameters.IsEmpty()) {
    arguments.AppendText(" ");
    arguments.Append(parameters);
  }
  return ExecuteProgram(m_owner->GetMSVisualStudioPath(), arguments, false);
}

bool CStepExecutor::IsOpenBuildFile(CTesselString path) {
  CTesselString open = m_owner->GetBuildFilePath();
  if (open.IsEmpty()) return false;
  return _stricmp(CanonicalPath(open).c_str(), CanonicalPath(path).c_str()) == 0;
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
  CTesselString arguments(kExecuteSwitch);
  arguments.AppendText(" \"");
  arguments.Append(buildFile);
  arguments.AppendText("\"");
  CTesselString childDepth;
  childDepth.Format("%d", depth + 1);
  CStepExecutionProcessor processor;
  processor.SetCommand(QuoteProgram(program));
  processor.SetParameters(arguments);
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
  if (parameters.FindNoCase("-cmd", 0) < 0) {
    CTesselString withSwitch("-cmd ");
    withSwitch.Append(parameters);
    parameters = withSwitch;
  }
  return RunSiblingTool(m_owner->GetBrisantToolPath(), parameters, false);
}

bool CStepExecutor::RunQuorrelTool(CTesselString parameters) {
  if (!m_owner) return false;
  parameters.TrimLeft();
  parameters.TrimRight();
  return RunSiblingTool(m_owner->GetQuorrelToolPath(), parameters, true);
}

bool CStepExecutor::ExecuteFileStep(CBuildStepDataDefinition* step) {
  if (!step) return false;
  CBuildStepDataDefinition copy;
  copy.CopyFrom(*step);
  SubstituteVariables(copy);
  CTesselString* source = &copy.m_sourcePath;
  CTesselString* target = &copy.m_targetPath;
  CTesselString* spec = &copy.m_fileSpec;
  switch (copy.m_stepType) {
    case StepCopyFiles:
    case StepMoveFiles:
      return CopyOrMoveFiles(source, target, spec, copy.m_stepType == StepMoveFiles);
    case StepDeleteFiles:
      return DeleteFiles(source, spec);
    case StepRenameFile:
      return RenameFile(source, spec);
    case StepCreateFolder:
      return CreateFolder(target);
    case StepDeleteFolder:
      return DeleteFolder(source, target);
    case StepRenameFolder:
      return RenameFolder(source, target);
    case StepCopyTree:
      return CopyTree(source, target, spec);
    default:
      return false;
  }
}

bool CStepExecutor::CopyOneFile(CTesselString source, CTesselString targetFolder) {
  CTesselString destination = WithBackslash(targetFolder);
  destination.Append(GetFileNameFromPath(source));
  // A read-only destination would refuse the copy; the step means to replace it.
  if (FileExists(destination)) MakeFileWritable(destination);
  return CopyFileA(source.GetText(), destination.GetText(), FALSE) != FALSE;
}

bool CStepExecutor::CopyOrMoveFiles(CTesselString* source, CTesselString* target,
                                    CTesselString* fileSpec, bool move) {
  if (!source || !target || !fileSpec || source->IsEmpty() || target->IsEmpty() ||
      fileSpec->IsEmpty())
    return false;
  CTesselString from = WithBackslash(*source), to = WithBackslash(*target);
  if (!PathExists(from)) return false;
  if (move && !IsSafeToEmpty(from)) return false;
  CMatchingFiles files(from, *fileSpec);
  if (!files.Found()) return false;
  CreateFolderPath(to);
  int count = 0;
  bool allDone = true;
  CTesselList& list = files.List();
  for (void* item = list.IterateFirst(); item; item = list.IterateNext()) {
    CTesselString path(static_cast<CTesselString*>(item));
    if (!CopyOneFile(path, to)) {
      allDone = false;
      continue;
    }
    ++count;
    // A source that could not be removed is still there: the move did not happen.
    if (move && !DeleteToRecycleBin(path)) allDone = false;
  }
  list.IterateEnd();
  AddLogMessage(LogOutput, CountText(move ? kMovedFormat : kCopiedFormat, count));
  return allDone;
}

bool CStepExecutor::DeleteFiles(CTesselString* folder, CTesselString* fileSpec) {
  if (!folder || !fileSpec || folder->IsEmpty() || fileSpec->IsEmpty()) return false;
  CTesselString from = WithBackslash(*folder);
  if (!PathExists(from) || !IsSafeToEmpty(from)) return false;
  CMatchingFiles files(from, *fileSpec);
  if (!files.Found()) return false;
  int count = 0;
  bool allDone = true;
  CTesselList& list = files.List();
  for (void* item = list.IterateFirst(); item; item = list.IterateNext()) {
    if (DeleteToRecycleBin(CTesselString(static_cast<CTesselString*>(item))))
      ++count;
    else
      allDone = false;
  }
  list.IterateEnd();
  AddLogMessage(LogOutput, CountText(kDeletedFormat, count));
  return allDone;
}

bool CStepExecutor::RenameFile(CTesselString* path, CTesselString* newName) {
  if (!path || !newName || path->IsEmpty() || newName->IsEmpty()) return false;
  if (!FileExists(*path)) return false;
  CTesselString newPath = WithBackslash(GetFolderFromPath(*path));
  newPath.Append(*newName);
  if (FileExists(newPath)) return false;
  CTesselString oldPath(*path);
  return rename(oldPath.GetText(), newPath.GetText()) == 0;
}

bool CStepExecutor::RenameFolder(CTesselString* path, CTesselString* newName) {
  if (!path || !newName || path->IsEmpty() || newName->IsEmpty()) return false;
  if (!PathExists(*path)) return false;
  std::string oldPath = CTesselString(*path).GetText();
  while (!oldPath.empty() && oldPath.back() == '\\') oldPath.pop_back();
  size_t slash = oldPath.rfind('\\');
  std::string parent = slash == std::string::npos ? std::string() : oldPath.substr(0, slash + 1);
  CTesselString newPath(parent.c_str());
  newPath.Append(*newName);
  if (PathExists(newPath)) return false;
  return rename(oldPath.c_str(), newPath.GetText()) == 0;
}

bool CStepExecutor::CreateFolder(CTesselString* path) {
  if (!path || path->IsEmpty()) return false;
  if (PathExists(*path)) return true;
  CreateFolderPath(*path);
  return PathExists(*path);
}

bool CStepExecutor::DeleteFolder(CTesselString* source, CTesselString* target) {
  if (!source || !target) return false;
  CTesselString* paths[] = {source, target};
  bool any = false, allGone = true;
  for (CTesselString* path : paths) {
    if (path->IsEmpty()) continue;
    any = true;
    if (!IsSafeToEmpty(*path)) {
      allGone = false;
      continue;
    }
    if (PathExists(*path)) DeleteFolderTree(*path);
    // Every folder the step names must be gone, not only the last one.
    if (PathExists(*path)) allGone = false;
  }
  return any && allGone;
}

bool CStepExecutor::CopyTree(CTesselString* source, CTesselString* target,
                             CTesselString* fileSpec) {
  if (!source || !target || !fileSpec || source->IsEmpty() || target->IsEmpty() ||
      fileSpec->IsEmpty())
    return false;
  CTesselString from = WithBackslash(*source), to = WithBackslash(*target);
  if (!PathExists(from)) return false;
  int counter = 0;
  bool allDone = CopyFolderFiles(&from, &from, &to, fileSpec, &counter);
  CTesselList folders;
  folders.SetElementTypeString();
  ListSubfoldersRecursive(from, &folders);
  for (void* item = folders.IterateFirst(); item; item = folders.IterateNext()) {
    CTesselString folder(static_cast<CTesselString*>(item));
    // A folder whose copy failed fails the tree, whatever the others did.
    if (!CopyFolderFiles(&folder, &from, &to, fileSpec, &counter)) allDone = false;
  }
  folders.IterateEnd();
  folders.DeleteAll();
  AddLogMessage(LogOutput, CountText(kCopiedTreeFormat, counter));
  return allDone && counter > 0;
}

bool CStepExecutor::CopyFolderFiles(CTesselString* folder, CTesselString* sourceRoot,
                                    CTesselString* targetRoot, CTesselString* fileSpec,
                                    int* counter) {
  if (!folder || !sourceRoot || !targetRoot || !fileSpec || !counter || folder->IsEmpty() ||
      sourceRoot->IsEmpty() || targetRoot->IsEmpty() || fileSpec->IsEmpty())
    return false;
  // Folders without matching files are not reproduced below the target; that is
  // no failure.
  CMatchingFiles files(*folder, *fileSpec);
  if (!files.Found()) return true;
  std::string folderText = CTesselString(*folder).GetText();
  std::string rootText = CTesselString(*sourceRoot).GetText();
  std::string relative =
      folderText.size() > rootText.size() ? folderText.substr(rootText.size()) : std::string();
  CTesselString destination = WithBackslash(*targetRoot);
  destination.AppendText(relative.c_str());
  CreateFolderPath(destination);
  destination.AddTrailingBackslash();
  bool allDone = true;
  CTesselList& list = files.List();
  for (void* item = list.IterateFirst(); item; item = list.IterateNext()) {
    if (CopyOneFile(CTesselString(static_cast<CTesselString*>(item)), destination))
      ++*counter;
    else
      allDone = false;
  }
  list.IterateEnd();
  return allDone;
}
