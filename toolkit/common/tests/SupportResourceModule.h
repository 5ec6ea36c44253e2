// A resource-only DLL written by a test at run time and loaded as a data file,
// so that resource code reads images the test has just made.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

/// Collects resources, writes them into a DLL of their own and loads it.
/// The module is freed and its file deleted with the object.
class CTestResourceModule {
 public:
  CTestResourceModule();
  ~CTestResourceModule();
  CTestResourceModule(const CTestResourceModule&) = delete;
  CTestResourceModule& operator=(const CTestResourceModule&) = delete;

  /// Type and name are numbers (MAKEINTRESOURCE) or texts; texts compare without case.
  void Add(LPCSTR type, LPCSTR name, const std::string& data);
  /// An icon group `name` whose images become RT_ICON firstId, firstId + 1 ...
  void AddIconGroup(LPCSTR name, const std::vector<std::string>& images, WORD firstId);
  /// Writes and loads the module; null when that fails.
  HMODULE Load();
  HMODULE GetHandle() const { return m_hModule; }

  /// The bytes of a PE file whose only section holds the resources.
  std::string BuildImage() const;

 private:
  struct Key {
    bool isText;
    WORD id;
    std::wstring text;  // upper case
    bool operator<(const Key& other) const;
  };
  struct Resource {
    Key type;
    Key name;
    std::string data;
  };
  static Key MakeKey(LPCSTR value);
  std::string BuildSection(DWORD sectionRva) const;

  std::vector<Resource> m_resources;
  std::string m_path;
  HMODULE m_hModule;
};
