#include "testsupport/TempFolder.h"

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>

CTempFolder::CTempFolder() {
  char base[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, base);
  static LONG serial = 0;
  // A name left over from an earlier run (same process id) is skipped, not reused.
  for (int attempt = 0; attempt < 1000; ++attempt) {
    char name[MAX_PATH];
    snprintf(name, sizeof name, "%svelm-test-%lu-%ld", base, ::GetCurrentProcessId(),
             ::InterlockedIncrement(&serial));
    if (::CreateDirectoryA(name, nullptr)) {
      m_path = name;
      return;
    }
  }
  // Tests must not fall back to paths outside a folder of their own.
  fprintf(stderr, "CTempFolder: cannot create a folder under %s\n", base);
  abort();
}

CTempFolder::~CTempFolder() {
  if (!m_path.empty()) RemoveTree(m_path);
}

std::vector<std::string> CTempFolder::ListNames() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((m_path + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

bool CTempFolder::MakeFolder(const std::string& relative) const {
  return ::CreateDirectoryA(PathOf(relative).c_str(), nullptr) != FALSE;
}

bool CTempFolder::MakeFile(const std::string& relative, const std::string& content,
                           DWORD attributes) const {
  return WriteFileBytes(PathOf(relative), content) &&
         ::SetFileAttributesA(PathOf(relative).c_str(), attributes) != FALSE;
}
