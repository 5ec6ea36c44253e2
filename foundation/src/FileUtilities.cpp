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
#include "foundation/TextConversion.h"
#include "VersionInfo.h"

namespace {

const wchar_t kBlanks[] = L" \t\r\n";

// Every helper works on a wide copy through the wide functions, so that a path
// outside the ANSI code page names its own file; a caller's string is never
// converted behind its back.
std::wstring Text(const CTesselString& s) { return WideFromTessel(s); }

// Narrow where the ANSI code page holds every character (as all callers' paths
// were), wide otherwise.
CTesselString ToString(const std::wstring& s) {
  BOOL lossy = FALSE;
  const int size =
      s.empty() ? 0
                : WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, s.c_str(),
                                      static_cast<int>(s.size()), nullptr, 0, nullptr, &lossy);
  if (lossy || (size == 0 && !s.empty())) return TesselFromWide(s);
  return CTesselString(AnsiFromWide(s).c_str());
}

bool EndsWithBackslash(const std::wstring& s) { return !s.empty() && s.back() == L'\\'; }

std::wstring WithBackslash(std::wstring s) {
  if (!EndsWithBackslash(s)) s += L'\\';
  return s;
}

std::wstring WithoutOneBackslash(std::wstring s) {
  if (EndsWithBackslash(s)) s.pop_back();
  return s;
}

std::wstring Trim(const std::wstring& s) {
  const size_t first = s.find_first_not_of(kBlanks);
  if (first == std::wstring::npos) return std::wstring();
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// The drive and directory part of a path (separator kept), as _splitpath
// gives it, without its fixed-size component buffers.
std::wstring DriveAndFolder(const std::wstring& path) {
  const size_t driveEnd = (path.size() >= 2 && path[1] == L':') ? 2 : 0;
  const size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos || slash < driveEnd) return path.substr(0, driveEnd);
  return path.substr(0, slash + 1);
}

std::wstring NameAndExtension(const std::wstring& path) {
  return path.substr(DriveAndFolder(path).size());
}

struct FolderEntry {
  std::wstring name;
  DWORD attributes;
  bool IsFolder() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
  bool IsLink() const { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
  bool IsDots() const { return name == L"." || name == L".."; }
};

std::vector<FolderEntry> FindEntries(const std::wstring& pattern) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    entries.push_back(FolderEntry{data.cFileName, data.dwFileAttributes});
  } while (FindNextFileW(find, &data));
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

bool AddToList(CTesselList* list, const std::vector<std::wstring>& items) {
  bool added = false;
  for (const std::wstring& item : items) {
    CTesselString copy = ToString(item);
    if (list->AddCopy(&copy)) added = true;
  }
  return added;
}

std::wstring PopToken(std::wstring* list) {
  const size_t start = list->find_first_not_of(L",; ");
  if (start == std::wstring::npos) {
    list->clear();
    return std::wstring();
  }
  *list = list->substr(start);
  // Any of the separators ends a pattern, so "a.txt;b.txt c.txt" gives three.
  const size_t separator = list->find_first_of(L",; ");
  if (separator == std::wstring::npos) {
    std::wstring item = Trim(*list);
    list->clear();
    return item;
  }
  std::wstring item = Trim(list->substr(0, separator));
  *list = Trim(list->substr(separator + 1));
  return item;
}

// Matching files of one folder (folder ends with a backslash).
std::vector<FolderEntry> FindMatchingEntries(const std::wstring& folder, std::wstring patterns) {
  std::vector<FolderEntry> found;
  for (std::wstring item = PopToken(&patterns); !item.empty(); item = PopToken(&patterns)) {
    for (const FolderEntry& entry : FindEntries(folder + item)) {
      if (!entry.IsFolder()) found.push_back(entry);
    }
  }
  return found;
}

std::vector<std::wstring> Subfolders(const std::wstring& folder) {
  std::vector<std::wstring> paths;
  const std::wstring base = WithBackslash(folder);
  for (const FolderEntry& entry : FindEntries(base + L"*.*")) {
    if (!entry.IsFolder() || entry.IsDots()) continue;
    const std::wstring path = base + entry.name;
    if (!IsSystemFile(ToString(path))) paths.push_back(path);
  }
  return paths;
}

bool IsLink(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// A link is listed but not entered: one that points back up the tree would
// repeat the walk below it at every level until the path limit.
void AddSubfoldersRecursive(const std::wstring& folder, std::vector<std::wstring>* paths) {
  for (const std::wstring& sub : Subfolders(folder)) {
    paths->push_back(sub);
    if (!IsLink(sub)) AddSubfoldersRecursive(sub, paths);
  }
}

// "X:", "\\server\share" and the same behind "\\?\" (trailing separators
// already dropped) name a whole drive or share.
bool IsRootPath(std::wstring path) {
  if (path.compare(0, 4, L"\\\\?\\") == 0 || path.compare(0, 4, L"\\\\.\\") == 0) {
    path.erase(0, 4);
    if (path.compare(0, 4, L"UNC\\") == 0 || path.compare(0, 4, L"unc\\") == 0)
      path = L"\\\\" + path.substr(4);
  }
  if (path.empty() || path == L"\\" || (path.size() == 2 && path[1] == L':')) return true;
  if (path.compare(0, 2, L"\\\\") == 0) {
    const size_t server = path.find_first_of(L"\\/", 2);
    return server == std::wstring::npos ||
           path.find_first_of(L"\\/", server + 1) == std::wstring::npos;
  }
  return false;
}

// Deleting a root, or whatever a two- or three-character path resolves to
// (".", "..", "\", "C:"), would wipe far more than any step meant to.
bool IsSafeToDelete(const std::wstring& path) {
  if (path.size() < 4) return false;
  wchar_t full[MAX_PATH];
  const DWORD n = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
  if (n == 0 || n >= MAX_PATH) return false;
  std::wstring normal = full;
  while (!normal.empty() && (normal.back() == L'\\' || normal.back() == L'/')) normal.pop_back();
  return !IsRootPath(normal);
}

bool RemoveLink(const std::wstring& path) {
  return RemoveDirectoryW(path.c_str()) || DeleteFileW(path.c_str());
}

void RemoveFile(const std::wstring& path, const FolderEntry& entry) {
  // Attributes set through a link would land on its target.
  if (!entry.IsLink()) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_ARCHIVE);
  DeleteFileW(path.c_str());
}

void DeleteTree(const std::wstring& folder) {
  const std::wstring bare = WithoutOneBackslash(folder);
  const DWORD attributes = GetFileAttributesW(bare.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    RemoveLink(bare);  // the link goes, what it points to stays
    return;
  }
  const std::wstring base = WithBackslash(folder);
  for (const FolderEntry& entry : FindEntries(base + L"*.*")) {
    if (entry.IsDots()) continue;
    const std::wstring path = base + entry.name;
    if (!entry.IsFolder())
      RemoveFile(path, entry);
    else if (entry.IsLink())
      RemoveLink(path);
    else
      DeleteTree(path + L"\\");
  }
  RemoveDirectoryW(bare.c_str());
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
  const std::wstring text = Text(path);
  if (text.empty() || GetFileAttributesW(text.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  const std::vector<FolderEntry> entries = FindEntries(text);
  return !entries.empty() && !entries.front().IsFolder();
}

bool PathExists(CTesselString path) {
  const std::wstring text = Text(path);
  return !text.empty() && GetFileAttributesW(text.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsSystemFile(CTesselString path) {
  const DWORD attributes = GetFileAttributesW(Text(path).c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
}

bool MakeFileWritable(CTesselString path) {
  const std::wstring text = Text(path);
  return !text.empty() && SetFileAttributesW(text.c_str(), FILE_ATTRIBUTE_ARCHIVE) != FALSE;
}

bool CreateFolderPath(CTesselString path) {
  if (PathExists(path)) return false;
  std::wstring text = WithBackslash(Text(path));
  if (text.size() > MAX_PATH - 1) return false;
  // Levels that exist, and drive roots, simply fail to be made.
  bool created = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\\' && CreateDirectoryW(text.substr(0, i).c_str(), nullptr)) created = true;
  }
  return created;
}

CTesselString ParseHostDllName(CTesselString commandLine) {
  const std::wstring text = Text(commandLine);
  std::wstring lower = text;
  for (wchar_t& c : lower) c = towlower(c);
  const size_t dll = lower.find(L".dll");
  if (dll == std::wstring::npos) return CTesselString();
  size_t start = dll;
  while (start > 0 && text[start] != L'\\' && text[start] != L' ') --start;
  std::wstring item = text.substr(start, dll + 4 - start);
  for (wchar_t& c : item) {
    if (c == L'\\') c = L' ';
  }
  return ToString(Trim(item));
}

CTesselString GetHostDllName() { return ParseHostDllName(TesselFromWide(GetCommandLineW())); }

CTesselString GetModuleFolder() {
  const std::wstring dll = Text(GetHostDllName());
  HMODULE module = dll.empty() ? nullptr : GetModuleHandleW(dll.c_str());
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameW(module, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return CTesselString();
  return ToString(DriveAndFolder(path));
}

CTesselString GetUserAppDataFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK)
    return CTesselString();
  return ToString(WithBackslash(path) + L"Velmoran\\");
}

CTesselString PopListToken(CTesselString* list) {
  if (list == nullptr) return CTesselString();
  std::wstring rest = Text(*list);
  const std::wstring item = PopToken(&rest);
  *list = ToString(rest);
  return ToString(item);
}

bool FindFilesMatching(CTesselString folder, CTesselString patterns, CTesselList* list,
                       bool namesOnly) {
  if (!PrepareStringList(list)) return false;
  const std::wstring base = WithBackslash(Text(folder));
  std::vector<std::wstring> items;
  for (const FolderEntry& entry : FindMatchingEntries(base, Text(patterns)))
    items.push_back(namesOnly ? entry.name : base + entry.name);
  return AddToList(list, items);
}

bool ListSubfolders(CTesselString folder, CTesselList* list) {
  return PrepareStringList(list) && AddToList(list, Subfolders(Text(folder)));
}

bool ListSubfoldersRecursive(CTesselString folder, CTesselList* list) {
  if (!PrepareStringList(list)) return false;
  std::vector<std::wstring> paths;
  AddSubfoldersRecursive(Text(folder), &paths);
  return AddToList(list, paths);
}

bool DeleteToRecycleBin(CTesselString path) {
  const std::wstring text = Text(path);
  if (!IsSafeToDelete(text)) return false;
  std::vector<wchar_t> from(text.begin(), text.end());
  from.push_back(L'\0');
  from.push_back(L'\0');  // the source is a list that ends with an empty item
  SHFILEOPSTRUCTW operation = {};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.data();
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION;
  return SHFileOperationW(&operation) == 0;
}

bool DeleteMatchingFiles(CTesselString folder, CTesselString patterns) {
  const std::wstring folderText = Text(folder);
  const std::wstring patternText = Text(patterns);
  if (folderText.empty() || patternText.empty() || !IsSafeToDelete(folderText)) return false;
  const std::wstring base = WithBackslash(folderText);
  const std::vector<FolderEntry> files = FindMatchingEntries(base, patternText);
  for (const FolderEntry& entry : files) RemoveFile(base + entry.name, entry);
  return !files.empty();
}

bool DeleteAllFilesInFolder(CTesselString folder) {
  return DeleteMatchingFiles(folder, CTesselString("*.*"));
}

bool DeleteFolderTree(CTesselString folder) {
  const std::wstring text = Text(folder);
  if (!IsSafeToDelete(text)) return false;
  DeleteTree(text);
  return !PathExists(folder);
}

CTesselString GetProductVersionText() {
  CVersionInfo info(nullptr);
  return info.GetProductVersion();
}
