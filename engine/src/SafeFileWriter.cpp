// WriteFileSafely: temporary file beside the target, moved into place, with
// everything made on the way removed again when a step fails.
#include "SafeFileWriter.h"

#include <windows.h>

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

// Replaces `target` with `temp`. Read-only, hidden or system attributes would
// make the replacement fail, so they are cleared first (and put back if it fails).
bool MoveIntoPlace(const std::wstring& temp, const std::wstring& target) {
  const DWORD guarded = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const bool cleared = attributes != INVALID_FILE_ATTRIBUTES &&
                       !(attributes & FILE_ATTRIBUTE_DIRECTORY) && (attributes & guarded);
  if (cleared) {
    DWORD plain = attributes & ~guarded;
    SetFileAttributesW(target.c_str(), plain ? plain : FILE_ATTRIBUTE_NORMAL);
  }
  if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  if (cleared) SetFileAttributesW(target.c_str(), attributes);
  return false;
}

}  // namespace

bool WriteFileSafely(const CTesselString& path, const void* bytes, size_t size) {
  const std::wstring target = ExtendedPath(WideOf(path));
  const size_t slash = target.rfind(L'\\');
  if (target.empty() || slash == std::wstring::npos || slash + 1 >= target.size()) return false;
  const std::wstring folder = target.substr(0, slash);
  CMadeFolders made;
  if (!made.Make(folder)) return false;
  std::wstring temp;
  HANDLE file = CreateTempBeside(folder, &temp);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written = WriteAll(file, bytes, size);
  CloseHandle(file);
  if (!written || !MoveIntoPlace(temp, target)) {
    DeleteFileW(temp.c_str());
    return false;
  }
  made.Keep();
  return true;
}
