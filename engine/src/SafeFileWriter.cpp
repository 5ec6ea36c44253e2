// WriteFileSafely: temporary file beside the target, put in its place, with
// everything made on the way removed again when a step fails.
#include "SafeFileWriter.h"

#include <windows.h>
#include <aclapi.h>

#include <string>
#include <vector>

#include "StepText.h"

namespace {

const wchar_t kExtendedPrefix[] = L"\\\\?\\";
const wchar_t kExtendedUncPrefix[] = L"\\\\?\\UNC\\";

// The full path in the "\\?\" form, which the wide functions take beyond
// MAX_PATH; empty when the path cannot be made full.
std::wstring ExtendedPath(const std::wstring& path) {
  if (path.compare(0, 4, kExtendedPrefix) == 0) return path;
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return std::wstring();
  std::vector<wchar_t> full(size + 1);
  DWORD length = GetFullPathNameW(path.c_str(), size + 1, full.data(), nullptr);
  if (length == 0 || length > size) return std::wstring();
  std::wstring result(full.data(), length);
  if (result.compare(0, 2, L"\\\\") == 0) return kExtendedUncPrefix + result.substr(2);
  return kExtendedPrefix + result;
}

// Where the folders of an extended path begin: after "\\?\C:\" or after
// "\\?\UNC\server\share\".
size_t FirstFolderAt(const std::wstring& path) {
  if (path.compare(0, 8, kExtendedUncPrefix) != 0) {
    size_t root = path.find(L'\\', 4);
    return root == std::wstring::npos ? path.size() : root + 1;
  }
  size_t share = path.find(L'\\', 8);
  if (share == std::wstring::npos) return path.size();
  size_t end = path.find(L'\\', share + 1);
  return end == std::wstring::npos ? path.size() : end + 1;
}

bool IsFolder(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folders one save made, so that a failed save can take them away again.
class CMadeFolders {
 public:
  ~CMadeFolders() {
    if (!m_kept) RemoveAll();
  }

  // Makes every missing level of `folder`, top down.
  bool Make(const std::wstring& folder) {
    for (size_t at = FirstFolderAt(folder); at < folder.size();) {
      size_t end = folder.find(L'\\', at);
      if (end == std::wstring::npos) end = folder.size();
      std::wstring level = folder.substr(0, end);
      if (!IsFolder(level)) {
        if (!CreateDirectoryW(level.c_str(), nullptr)) return false;
        m_made.push_back(level);
      }
      at = end + 1;
    }
    return true;
  }

  // The save succeeded: what was made stays.
  void Keep() { m_kept = true; }

 private:
  void RemoveAll() {
    for (auto level = m_made.rbegin(); level != m_made.rend(); ++level)
      RemoveDirectoryW(level->c_str());
  }

  std::vector<std::wstring> m_made;
  bool m_kept = false;
};

// A new, empty file beside the target; INVALID_HANDLE_VALUE when none can be made.
HANDLE CreateTempBeside(const std::wstring& folder, std::wstring* temp) {
  static LONG serial = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    wchar_t name[40];
    _snwprintf(name, 40, L"\\~vlm%lx%lx.tmp", GetCurrentProcessId(),
               static_cast<unsigned long>(InterlockedIncrement(&serial)));
    *temp = folder + name;
    HANDLE file = CreateFileW(temp->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, const void* bytes, size_t size) {
  const char* at = static_cast<const char*>(bytes);
  while (size > 0) {
    DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(file, at, chunk, &written, nullptr) || written == 0) return false;
    at += written;
    size -= written;
  }
  // On the disk before it replaces the old file, or a crash could lose both.
  return FlushFileBuffers(file) != FALSE;
}

// The file a path leads to, through any symbolic links, as an extended path;
// the path itself when it names no file (or cannot be followed). Saving to the
// file behind a link keeps the link.
std::wstring FileBehind(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return path;
  std::vector<wchar_t> final(MAX_PATH);
  DWORD length = GetFinalPathNameByHandleW(file, final.data(), (DWORD) final.size(), 0);
  if (length >= final.size()) {
    final.resize(length + 1);
    length = GetFinalPathNameByHandleW(file, final.data(), (DWORD) final.size(), 0);
  }
  CloseHandle(file);
  if (length == 0 || length >= final.size()) return path;
  return ExtendedPath(std::wstring(final.data(), length));
}

// Gives `temp` the access list of `target`. ReplaceFileW carries it over
// itself; where the replacement is a plain rename it would be lost.
void CopyAccessList(const std::wstring& target, const std::wstring& temp) {
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(target.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS)
    return;
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  GetSecurityDescriptorControl(descriptor, &control, &revision);
  // An access list that inherits from the folder goes on inheriting from it.
  const SECURITY_INFORMATION what =
      DACL_SECURITY_INFORMATION |
      ((control & SE_DACL_PROTECTED) ? PROTECTED_DACL_SECURITY_INFORMATION
                                     : UNPROTECTED_DACL_SECURITY_INFORMATION);
  SetNamedSecurityInfoW(const_cast<wchar_t*>(temp.c_str()), SE_FILE_OBJECT, what, nullptr, nullptr,
                        dacl, nullptr);
  LocalFree(descriptor);
}

const DWORD kGuardedAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Clears the read-only, hidden and system attributes of an existing file, which
// would refuse its replacement; returns the attributes to put back on failure
// (INVALID_FILE_ATTRIBUTES when nothing was changed).
DWORD ClearGuardedAttributes(const std::wstring& target) {
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) ||
      !(attributes & kGuardedAttributes))
    return INVALID_FILE_ATTRIBUTES;
  const DWORD plain = attributes & ~kGuardedAttributes;
  SetFileAttributesW(target.c_str(), plain ? plain : FILE_ATTRIBUTE_NORMAL);
  return attributes;
}

void RestoreAttributes(const std::wstring& target, DWORD attributes) {
  if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(target.c_str(), attributes);
}

// A file that another program holds open without sharing cannot be replaced;
// asking first keeps a failed replacement from leaving a file of its own
// behind (as some implementations of ReplaceFileW do).
bool CanBeReplaced(const std::wstring& target) {
  HANDLE file =
      CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// Puts `temp` in the place of `target`. An existing file is replaced with
// ReplaceFileW, which keeps what belongs to the file rather than to its
// contents (its access list, its creation time); a new one is moved there.
bool MoveIntoPlace(const std::wstring& temp, const std::wstring& target) {
  const bool exists = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
  if (exists) CopyAccessList(target, temp);
  const DWORD cleared = exists ? ClearGuardedAttributes(target) : INVALID_FILE_ATTRIBUTES;
  if (exists && !CanBeReplaced(target)) {
    RestoreAttributes(target, cleared);
    return false;
  }
  if (exists && ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                             nullptr, nullptr))
    return true;
  // Gone since it was looked at, or never there: the temporary file moves in.
  if ((!exists || GetLastError() == ERROR_FILE_NOT_FOUND) &&
      MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
    return true;
  RestoreAttributes(target, cleared);
  return false;
}

// Where no file may be made beside the target (a folder in which the user may
// write that file but create none), the file itself is written: the old
// contents are lost if the write fails, as with any direct write.
bool WriteDirectly(const std::wstring& target, const void* bytes, size_t size) {
  const DWORD cleared = ClearGuardedAttributes(target);
  HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    RestoreAttributes(target, cleared);
    return false;
  }
  const bool written = SetEndOfFile(file) && WriteAll(file, bytes, size);
  CloseHandle(file);
  return written;
}

}  // namespace

bool WriteFileSafely(const CTesselString& path, const void* bytes, size_t size) {
  return WriteFileSafely(path, bytes, size, CreateTempBeside);
}

bool WriteFileSafely(const CTesselString& path, const void* bytes, size_t size,
                     TempFileMaker makeTemp) {
  const std::wstring target = FileBehind(ExtendedPath(WideOf(path)));
  const size_t slash = target.rfind(L'\\');
  if (target.empty() || slash == std::wstring::npos || slash + 1 >= target.size()) return false;
  const std::wstring folder = target.substr(0, slash);
  CMadeFolders made;
  if (!made.Make(folder)) return false;
  std::wstring temp;
  HANDLE file = makeTemp(folder, &temp);
  if (file == INVALID_HANDLE_VALUE) {
    if (!WriteDirectly(target, bytes, size)) return false;
    made.Keep();
    return true;
  }
  const bool written = WriteAll(file, bytes, size);
  CloseHandle(file);
  if (!written || !MoveIntoPlace(temp, target)) {
    DeleteFileW(temp.c_str());
    return false;
  }
  made.Keep();
  return true;
}
