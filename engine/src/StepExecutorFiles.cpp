// CStepExecutor's file and folder steps (types 6 to 13), carried out on the UI
// thread with the file functions of the foundation and the wide system calls.
// Paths are put together as wide text, so that a path outside the ANSI code
// page names its own file.
#include <windows.h>
#include <stdio.h>

#include <shlwapi.h>

#include <string>

#include "StepText.h"
#include "engine/BuildStepDataDefinition.h"
#include "engine/LogSink.h"
#include "engine/RunStrings.h"
#include "engine/StepExecutor.h"
#include "foundation/FileUtilities.h"
#include "foundation/TesselList.h"

namespace {

const char kCopiedFormat[] = "Copied %ld files";
const char kMovedFormat[] = "Moved %ld files";
const char kDeletedFormat[] = "Deleted %ld files";
const char kCopiedTreeFormat[] = "Copied %ld files in the tree";

std::wstring WithBackslash(std::wstring path) {
  if (path.empty() || path.back() != L'\\') path += L'\\';
  return path;
}

std::wstring WithBackslash(const CTesselString& path) { return WithBackslash(WideOf(path)); }

// A folder whose files a step deletes or moves away. An empty variable easily
// turns "%OUT%\" into "\", the root of the current drive: roots and empty paths
// are never touched.
bool IsSafeToEmpty(const std::wstring& path) {
  const size_t first = path.find_first_not_of(L" \t\r\n");
  if (first == std::wstring::npos) return false;
  const std::wstring trimmed = path.substr(first, path.find_last_not_of(L" \t\r\n") - first + 1);
  wchar_t full[MAX_PATH * 2] = {};
  DWORD n = GetFullPathNameW(trimmed.c_str(), MAX_PATH * 2, full, nullptr);
  if (n == 0 || n >= MAX_PATH * 2) return false;
  return !PathIsRootW(full);
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

bool CStepExecutor::ExecuteFileStep(CBuildStepDataDefinition* step) {
  if (!step) return false;
  CBuildStepDataDefinition copy;
  copy.CopyFrom(*step);
  SubstituteVariables(copy);
  CTesselString source(copy.m_sourcePath), target(copy.m_targetPath), spec(copy.m_fileSpec);
  switch (copy.m_stepType) {
    case StepCopyFiles:
    case StepMoveFiles:
      return CopyOrMoveFiles(&source, &target, &spec, copy.m_stepType == StepMoveFiles);
    case StepDeleteFiles:
      return DeleteFiles(&source, &spec);
    case StepRenameFile:
      return RenameFile(&source, &spec);
    case StepCreateFolder:
      return CreateFolder(&target);
    case StepDeleteFolder:
      return DeleteFolder(&source, &target);
    case StepRenameFolder:
      return RenameFolder(&source, &target);
    case StepCopyTree:
      return CopyTree(&source, &target, &spec);
    default:
      return false;
  }
}

bool CStepExecutor::CopyOneFile(CTesselString source, CTesselString targetFolder) {
  const std::wstring destination =
      WithBackslash(targetFolder) + WideOf(GetFileNameFromPath(source));
  // A read-only destination would refuse the copy; the step means to replace it.
  if (FileExists(WideString(destination))) MakeFileWritable(WideString(destination));
  return CopyFileW(WideOf(source).c_str(), destination.c_str(), FALSE) != FALSE;
}

bool CStepExecutor::CopyOrMoveFiles(CTesselString* source, CTesselString* target,
                                    CTesselString* fileSpec, bool move) {
  if (!source || !target || !fileSpec || source->IsEmpty() || target->IsEmpty() ||
      fileSpec->IsEmpty())
    return false;
  const CTesselString from = WideString(WithBackslash(*source));
  const CTesselString to = WideString(WithBackslash(*target));
  if (!PathExists(from)) return false;
  if (move && !IsSafeToEmpty(WideOf(from))) return false;
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
  if (move)
    AddLogMessage(LogOutput, CountText(IDS_RUN_MOVED_FILES, kMovedFormat, count));
  else
    AddLogMessage(LogOutput, CountText(IDS_RUN_COPIED_FILES, kCopiedFormat, count));
  return allDone;
}

bool CStepExecutor::DeleteFiles(CTesselString* folder, CTesselString* fileSpec) {
  if (!folder || !fileSpec || folder->IsEmpty() || fileSpec->IsEmpty()) return false;
  const CTesselString from = WideString(WithBackslash(*folder));
  if (!PathExists(from) || !IsSafeToEmpty(WideOf(from))) return false;
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
  AddLogMessage(LogOutput, CountText(IDS_RUN_DELETED_FILES, kDeletedFormat, count));
  return allDone;
}

bool CStepExecutor::RenameFile(CTesselString* path, CTesselString* newName) {
  if (!path || !newName || path->IsEmpty() || newName->IsEmpty()) return false;
  if (!FileExists(*path)) return false;
  const std::wstring newPath = WithBackslash(GetFolderFromPath(*path)) + WideOf(*newName);
  if (FileExists(WideString(newPath))) return false;
  return MoveFileW(WideOf(*path).c_str(), newPath.c_str()) != FALSE;
}

bool CStepExecutor::RenameFolder(CTesselString* path, CTesselString* newName) {
  if (!path || !newName || path->IsEmpty() || newName->IsEmpty()) return false;
  if (!PathExists(*path)) return false;
  std::wstring oldPath = WideOf(*path);
  while (!oldPath.empty() && oldPath.back() == L'\\') oldPath.pop_back();
  size_t slash = oldPath.rfind(L'\\');
  std::wstring parent = slash == std::wstring::npos ? std::wstring() : oldPath.substr(0, slash + 1);
  const std::wstring newPath = parent + WideOf(*newName);
  if (PathExists(WideString(newPath))) return false;
  return MoveFileW(oldPath.c_str(), newPath.c_str()) != FALSE;
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
    if (!IsSafeToEmpty(WideOf(*path))) {
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
  CTesselString from = WideString(WithBackslash(*source));
  CTesselString to = WideString(WithBackslash(*target));
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
  AddLogMessage(LogOutput, CountText(IDS_RUN_COPIED_TREE, kCopiedTreeFormat, counter));
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
  const std::wstring folderText = WideOf(*folder), rootText = WideOf(*sourceRoot);
  const std::wstring relative =
      folderText.size() > rootText.size() ? folderText.substr(rootText.size()) : std::wstring();
  const std::wstring destinationPath = WithBackslash(*targetRoot) + relative;
  CreateFolderPath(WideString(destinationPath));
  const CTesselString destination = WideString(WithBackslash(destinationPath));
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
