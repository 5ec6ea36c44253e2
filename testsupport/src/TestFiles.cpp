#include "testsupport/TestFiles.h"

#include <windows.h>

namespace {

DWORD AttributesOf(const std::string& path) { return ::GetFileAttributesA(path.c_str()); }

}  // namespace

bool FileIsThere(const std::string& path) {
  DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderIsThere(const std::string& path) {
  DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathIsThere(const std::string& path) { return AttributesOf(path) != INVALID_FILE_ATTRIBUTES; }

std::string ReadFileBytes(const std::string& path) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  while (::ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  ::CloseHandle(file);
  return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
  return ::CloseHandle(file) && ok;
}

bool RemoveTree(const std::string& path) {
  std::string target = path;
  while (target.size() > 1 && (target.back() == '\\' || target.back() == '/')) target.pop_back();
  const DWORD attributes = AttributesOf(target);
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  ::SetFileAttributesA(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return ::DeleteFileA(target.c_str()) != FALSE;
  // A link to a folder is removed itself; what it points at stays.
  if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((target + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") RemoveTree(target + "\\" + name);
      } while (::FindNextFileA(search, &found));
      ::FindClose(search);
    }
  }
  if (!::RemoveDirectoryA(target.c_str())) ::DeleteFileA(target.c_str());
  return AttributesOf(target) == INVALID_FILE_ATTRIBUTES;
}
