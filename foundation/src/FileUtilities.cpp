#include "foundation/FileUtilities.h"

#include <direct.h>
#include <io.h>
#include <shellapi.h>
#include <shlobj.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "foundation/TesselList.h"
#include "foundation/VersionInfo.h"

namespace {

const char kBlanks[] = " \t\r\n";

// Every helper works on a narrow copy, so a caller's wide string is never
// converted behind its back.
std::string Text(CTesselString s) { return s.GetText(); }

CTesselString ToString(const std::string& s) { return CTesselString(s.c_str()); }

bool EndsWithBackslash(const std::string& s) { return !s.empty() && s.back() == '\\'; }

std::string WithBackslash(std::string s) {
  if (!EndsWithBackslash(s)) s += '\\';
  return s;
}

std::string WithoutOneBackslash(std::string s) {
  if (EndsWithBackslash(s)) s.pop_back();
  return s;
}

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// The drive and directory part of a path (separator kept), as _splitpath
// gives it, without its fixed-size component buffers.
std::string DriveAndFolder(const std::string& path) {
  const size_t driveEnd = (path.size() >= 2 && path[1] == ':') ? 2 : 0;
  const size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos || slash < driveEnd) return path.substr(0, driveEnd);
  return path.substr(0, slash + 1);
}

std::string NameAndExtension(const std::string& path) {
  return path.substr(DriveAndFolder(path).size());
}

struct FolderEntry {
  std::string name;
  DWORD attributes;
  bool IsFolder() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
  bool IsLink() const { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
  bool IsDots() const { return name == "." || name == ".."; }
};

std::vector<FolderEntry> FindEntries(const std::string& pattern) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    entries.push_back(FolderEntry{data.cFileName, data.dwFileAttributes});
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return entries;
}

// Lists handed in by callers either already own strings or are new and empty;
// anything else would make AddCopy misread our strings.
bool PrepareStringList(CTesselList* list) {
  if (list == nullptr) return false;
  if (list->GetElementType() == StringElementType) return true;
  if (list->HasElementType() || list->GetCount() != 0) return false;
  list->SetElementTypeString();
  return true;
}

bool AddToList(CTesselList* list, const std::vector<std::string>& items) {
  bool added = false;
  for (const std::string& item : items) {
    CTesselString copy(item.c_str());
    if (list->AddCopy(&copy)) added = true;
  }
  return added;
}

std::string PopToken(std::string* list) {
  const size_t start = list->find_first_not_of(",; ");
  if (start == std::string::npos) {
    list->clear();
    return std::string();
  }
  *list = list->substr(start);
  // Any of the separators ends a pattern, so "a.txt;b.txt c.txt" gives three.
  const size_t separator = list->find_first_of(",; ");
  if (separator == std::string::npos) {
    std::string item = Trim(*list);
    list->clear();
    return item;
  }
  std::string item = Trim(list->substr(0, separator));
  *list = Trim(list->substr(separator + 1));
  return item;
}

// Matching files of one folder (folder ends with a backslash).
std::vector<FolderEntry> FindMatchingEntries(const std::string& folder, std::string patterns) {
  std::vector<FolderEntry> found;
  for (std::string item = PopToken(&patterns); !item.empty(); item = PopToken(&patterns)) {
    for (const FolderEntry& entry : FindEntries(folder + item)) {
      if (!entry.IsFolder()) found.push_back(entry);
    }
  }
  return found;
}

std::vector<std::string> Subfolders(const std::string& folder) {
  std::vector<std::string> paths;
  const std::string base = WithBackslash(folder);
  for (const FolderEntry& entry : FindEntries(base + "*.*")) {
    if (!entry.IsFolder() || entry.IsDots()) continue;
    const std::string path = base + entry.name;
    if (!IsSystemFile(ToString(path))) paths.push_back(path);
  }
  return paths;
}

bool IsLink(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// A link is listed but not entered: one that points back up the tree would
// repeat the walk below it at every level until the path limit.
void AddSubfoldersRecursive(const std::string& folder, std::vector<std::string>* paths) {
  for (const std::string& sub : Subfolders(folder)) {
    paths->push_back(sub);
    if (!IsLink(sub)) AddSubfoldersRecursive(sub, paths);
  }
}

// "X:", "\\server\share" and the same behind "\\?\" (trailing separators
// already dropped) name a whole drive or share.
bool IsRootPath(std::string path) {
  if (path.compare(0, 4, "\\\\?\\") == 0 || path.compare(0, 4, "\\\\.\\") == 0) {
    path.erase(0, 4);
    if (path.compare(0, 4, "UNC\\") == 0 || path.compare(0, 4, "unc\\") == 0)
      path = "\\\\" + path.substr(4);
  }
  if (path.empty() || path == "\\" || (path.size() == 2 && path[1] == ':')) return true;
  if (path.compare(0, 2, "\\\\") == 0) {
    const size_t server = path.find_first_of("\\/", 2);
    return server == std::string::npos ||
           path.find_first_of("\\/", server + 1) == std::string::npos;
  }
  return false;
}

// Deleting a root, or whatever a two- or three-character path resolves to
// (".", "..", "\", "C:"), would wipe far more than any step meant to.
bool IsSafeToDelete(const std::string& path) {
  if (path.size() < 4) return false;
  char full[MAX_PATH];
  const DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  if (n == 0 || n >= MAX_PATH) return false;
  std::string normal = full;
  while (!normal.empty() && (normal.back() == '\\' || normal.back() == '/')) normal.pop_back();
  return !IsRootPath(normal);
}

bool RemoveLink(const std::string& path) {
  return RemoveDirectoryA(path.c_str()) || DeleteFileA(path.c_str());
}

void RemoveFile(const std::string& path, const FolderEntry& entry) {
  // Attributes set through a link would land on its target.
  if (!entry.IsLink()) MakeFileWritable(ToString(path));
  remove(path.c_str());
}

void DeleteTree(const std::string& folder) {
  const std::string bare = WithoutOneBackslash(folder);
  const DWORD attributes = GetFileAttributesA(bare.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    RemoveLink(bare);  // the link goes, what it points to stays
    return;
  }
  const std::string base = WithBackslash(folder);
  for (const FolderEntry& entry : FindEntries(base + "*.*")) {
    if (entry.IsDots()) continue;
    const std::string path = base + entry.name;
    if (!entry.IsFolder())
      RemoveFile(path, entry);
    else if (entry.IsLink())
      RemoveLink(path);
    else
      DeleteTree(path + "\\");
  }
  _rmdir(bare.c_str());
}

}  // namespace

CTesselString CombinePath(CTesselString folder, CTesselString name) {
  return ToString(DriveAndFolder(WithBackslash(Text(folder))) + Text(name));
}

CTesselString GetFileNameFromPath(CTesselString path) {
  return ToString(NameAndExtension(WithoutOneBackslash(Text(path))));
}

CTesselString GetFolderFromPath(CTesselString path) {
  return ToString(DriveAndFolder(WithoutOneBackslash(Text(path))));
}

bool FileExists(CTesselString path) {
  const std::string text = Text(path);
  if (text.empty() || _access(text.c_str(), 0) != 0) return false;
  const std::vector<FolderEntry> entries = FindEntries(text);
  return !entries.empty() && !entries.front().IsFolder();
}

bool PathExists(CTesselString path) {
  const std::string text = Text(path);
  return !text.empty() && _access(text.c_str(), 0) == 0;
}

bool IsSystemFile(CTesselString path) {
  const DWORD attributes = GetFileAttributesA(Text(path).c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
}

bool MakeFileWritable(CTesselString path) {
  const std::string text = Text(path);
  return !text.empty() && SetFileAttributesA(text.c_str(), FILE_ATTRIBUTE_ARCHIVE) != FALSE;
}

bool CreateFolderPath(CTesselString path) {
  if (PathExists(path)) return false;
  std::string text = WithBackslash(Text(path));
  if (text.size() > MAX_PATH - 1) return false;
  // Levels that exist, and drive roots, simply fail to be made.
  bool created = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && _mkdir(text.substr(0, i).c_str()) == 0) created = true;
  }
  return created;
}

CTesselString ParseHostDllName(CTesselString commandLine) {
  const std::string text = Text(commandLine);
  std::string lower = text;
  for (char& c : lower) c = (char)tolower((unsigned char)c);
  const size_t dll = lower.find(".dll");
  if (dll == std::string::npos) return CTesselString();
  size_t start = dll;
  while (start > 0 && text[start] != '\\' && text[start] != ' ') --start;
  std::string item = text.substr(start, dll + 4 - start);
  for (char& c : item) {
    if (c == '\\') c = ' ';
  }
  return ToString(Trim(item));
}

CTesselString GetHostDllName() { return ParseHostDllName(CTesselString(GetCommandLineA())); }

CTesselString GetModuleFolder() {
  const std::string dll = Text(GetHostDllName());
  HMODULE module = dll.empty() ? nullptr : GetModuleHandleA(dll.c_str());
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return CTesselString();
  return ToString(DriveAndFolder(path));
}

CTesselString GetUserAppDataFolder() {
  char path[MAX_PATH + 1] = {};
  if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK)
    return CTesselString();
  return ToString(WithBackslash(path) + "Velmoran\\");
}

CTesselString PopListToken(CTesselString* list) {
  if (list == nullptr) return CTesselString();
  std::string rest = Text(*list);
  const std::string item = PopToken(&rest);
  list->SetText(rest.c_str());
  return ToString(item);
}

bool FindFilesMatching(CTesselString folder, CTesselString patterns, CTesselList* list,
                       bool namesOnly) {
  if (!PrepareStringList(list)) return false;
  const std::string base = WithBackslash(Text(folder));
  std::vector<std::string> items;
  for (const FolderEntry& entry : FindMatchingEntries(base, Text(patterns)))
    items.push_back(namesOnly ? entry.name : base + entry.name);
  return AddToList(list, items);
}

bool ListSubfolders(CTesselString folder, CTesselList* list) {
  return PrepareStringList(list) && AddToList(list, Subfolders(Text(folder)));
}

bool ListSubfoldersRecursive(CTesselString folder, CTesselList* list) {
  if (!PrepareStringList(list)) return false;
  std::vector<std::string> paths;
  AddSubfoldersRecursive(Text(folder), &paths);
  return AddToList(list, paths);
}

bool DeleteToRecycleBin(CTesselString path) {
  const std::string text = Text(path);
  if (!IsSafeToDelete(text)) return false;
  std::vector<char> from(text.begin(), text.end());
  from.push_back('\0');
  from.push_back('\0');  // the source is a list that ends with an empty item
  SHFILEOPSTRUCTA operation = {};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.data();
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION;
  return SHFileOperationA(&operation) == 0;
}

bool DeleteMatchingFiles(CTesselString folder, CTesselString patterns) {
  const std::string folderText = Text(folder);
  const std::string patternText = Text(patterns);
  if (folderText.empty() || patternText.empty() || !IsSafeToDelete(folderText)) return false;
  const std::string base = WithBackslash(folderText);
  const std::vector<FolderEntry> files = FindMatchingEntries(base, patternText);
  for (const FolderEntry& entry : files) RemoveFile(base + entry.name, entry);
  return !files.empty();
}

bool DeleteAllFilesInFolder(CTesselString folder) {
  return DeleteMatchingFiles(folder, CTesselString("*.*"));
}

bool DeleteFolderTree(CTesselString folder) {
  const std::string text = Text(folder);
  if (!IsSafeToDelete(text)) return false;
  DeleteTree(text);
  return !PathExists(folder);
}

CTesselString GetProductVersionText() {
  CVersionInfo info(nullptr);
  return info.GetProductVersion();
}
