// A fresh folder under the user's temporary folder for one test, removed with
// everything in it (read-only files included) when the test ends.
#pragma once

#include <windows.h>

#include <string>

class CScratchFolder {
 public:
  CScratchFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static LONG counter = 0;
    char name[64];
    wsprintfA(name, "velm-fc-%lu-%lu-%ld", GetCurrentProcessId(), GetTickCount(),
              InterlockedIncrement(&counter));
    m_root = std::string(temp) + name;
    CreateDirectoryA(m_root.c_str(), nullptr);
  }
  ~CScratchFolder() { RemoveAll(m_root); }

  /// The folder itself (no trailing backslash), or a path inside it.
  std::string Path(const std::string& relative = std::string()) const {
    return relative.empty() ? m_root : m_root + "\\" + relative;
  }

  bool MakeFolder(const std::string& relative) const {
    return CreateDirectoryA(Path(relative).c_str(), nullptr) != FALSE;
  }

  bool MakeFile(const std::string& relative, const std::string& content = "x",
                DWORD attributes = FILE_ATTRIBUTE_NORMAL) const {
    HANDLE file = CreateFileA(Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(file, content.data(), (DWORD)content.size(), &written, nullptr);
    CloseHandle(file);
    return SetFileAttributesA(Path(relative).c_str(), attributes) != FALSE;
  }

  bool Exists(const std::string& relative) const {
    return GetFileAttributesA(Path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

 private:
  // Links are removed, never followed, so cleaning up cannot reach outside.
  static void RemoveAll(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      DeleteFileA(path.c_str());
      return;
    }
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      WIN32_FIND_DATAA data;
      HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
      if (find != INVALID_HANDLE_VALUE) {
        do {
          const std::string name = data.cFileName;
          if (name != "." && name != "..") RemoveAll(path + "\\" + name);
        } while (FindNextFileA(find, &data));
        FindClose(find);
      }
    }
    if (!RemoveDirectoryA(path.c_str())) DeleteFileA(path.c_str());
  }

  std::string m_root;
};
