// A fresh, empty folder for one test, removed with everything in it afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "testsupport/TestFiles.h"

/// Creates a uniquely named folder under the system's temporary folder and
/// removes it (see RemoveTree) when destroyed.
class CTempFolder {
 public:
  CTempFolder();
  ~CTempFolder();

  /// The folder, without a trailing backslash.
  const std::string& GetPath() const { return m_path; }
  /// The path of `relative` inside the folder.
  std::string PathOf(const std::string& relative) const { return m_path + "\\" + relative; }
  /// The names of the entries directly in the folder, sorted.
  std::vector<std::string> ListNames() const;

  /// Creates the folder `relative` (its parent must exist); false on failure.
  bool MakeFolder(const std::string& relative) const;
  /// Creates the file `relative` with `content`, then gives it `attributes`.
  bool MakeFile(const std::string& relative, const std::string& content = "x",
                DWORD attributes = FILE_ATTRIBUTE_NORMAL) const;
  /// True when anything is at `relative`.
  bool Exists(const std::string& relative) const { return PathIsThere(PathOf(relative)); }

  /// ReadFileBytes and WriteFileBytes; the engine's tests call them by these names.
  static std::string ReadBytes(const std::string& path) { return ReadFileBytes(path); }
  static bool WriteBytes(const std::string& path, const std::string& bytes) {
    return WriteFileBytes(path, bytes);
  }

 private:
  CTempFolder(const CTempFolder&) = delete;
  CTempFolder& operator=(const CTempFolder&) = delete;

  std::string m_path;
};
