// A fresh, empty folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>
#include <vector>

/// Creates a uniquely named folder under the system's temporary folder.
class CTempFolder {
 public:
  CTempFolder();
  ~CTempFolder();

  /// The folder, without a trailing backslash.
  const std::string& GetPath() const { return m_path; }
  /// The path of `name` inside the folder.
  std::string PathOf(const std::string& name) const { return m_path + "\\" + name; }
  /// The names of the entries directly in the folder, sorted.
  std::vector<std::string> ListNames() const;

  /// Whole-file helpers; ReadBytes gives an empty string when the file is missing.
  static std::string ReadBytes(const std::string& path);
  static bool WriteBytes(const std::string& path, const std::string& bytes);

 private:
  CTempFolder(const CTempFolder&) = delete;
  CTempFolder& operator=(const CTempFolder&) = delete;

  std::string m_path;
};
