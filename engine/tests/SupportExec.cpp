#include "SupportExec.h"

#include <stdio.h>

#include "SiblingToolPath.h"

bool CFakeExecLog::AddEntry(int kind, const CTesselString& text) {
  std::string copy = CTesselString(text).GetText();
  {
    std::lock_guard<std::mutex> guard(m_mutex);
    m_entries.push_back({kind, copy});
  }
  if (m_hook) m_hook(m_hookContext, kind, copy);
  return true;
}

std::vector<ExecLogEntry> CFakeExecLog::Entries() {
  std::lock_guard<std::mutex> guard(m_mutex);
  return m_entries;
}

std::vector<std::string> CFakeExecLog::Texts(int kind) {
  std::vector<std::string> texts;
  for (const ExecLogEntry& entry : Entries())
    if (entry.kind == kind) texts.push_back(entry.text);
  return texts;
}

void CFakeExecLog::Clear() {
  std::lock_guard<std::mutex> guard(m_mutex);
  m_entries.clear();
}

CFakeRunHost::~CFakeRunHost() {
  for (CVariableDefDataDefinition* variable : m_variables) delete variable;
}

void CFakeRunHost::AddVariable(const char* name, const char* value) {
  CVariableDefDataDefinition* variable = new CVariableDefDataDefinition;
  variable->SetName(name);
  variable->SetValue(value);
  m_variables.push_back(variable);
}

CVariableDefDataDefinition* CFakeRunHost::GetFirstVariable() {
  m_next = 0;
  return GetNextVariable();
}

CVariableDefDataDefinition* CFakeRunHost::GetNextVariable() {
  return m_next < m_variables.size() ? m_variables[m_next++] : nullptr;
}

CTesselString CFakeRunHost::GetVantrellToolPath() {
  return GetSiblingToolFilePath(kVantrellProductKey, kVantrellToolFileName);
}

CTesselString CFakeRunHost::GetLumethToolPath() {
  return GetSiblingToolFilePath(kLumethProductKey, kLumethToolFileName);
}

CTesselString CFakeRunHost::GetBrisantToolPath() {
  return GetSiblingToolFilePath(kBrisantProductKey, kBrisantToolFileName);
}

CTesselString CFakeRunHost::GetQuorrelToolPath() {
  return GetSiblingToolFilePath(kQuorrelProductKey, kQuorrelToolFileName);
}

void FillStep(CBuildStepDataDefinition* step, int type, const char* name, const char* executable,
              const char* parameters, const char* source, const char* target,
              const char* fileSpec) {
  step->m_stepType = type;
  step->SetStepName(name);
  step->SetExecutablePath(executable);
  step->SetParameters(parameters);
  step->SetSourcePath(source);
  step->SetTargetPath(target);
  step->SetFileSpec(fileSpec);
}

std::string StandInPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.erase(folder.rfind('\\') + 1);
  return folder + "engine_standin.exe";
}

namespace {

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

CExecTempFolder::CExecTempFolder(const char* tag) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  static LONG counter = 0;
  char name[MAX_PATH];
  snprintf(name, sizeof(name), "%svelm-%s-%lu-%ld", temp, tag, GetCurrentProcessId(),
           InterlockedIncrement(&counter));
  m_path = name;
  RemoveTree(m_path);
  CreateDirectoryA(m_path.c_str(), nullptr);
}

CExecTempFolder::~CExecTempFolder() { RemoveTree(m_path); }

std::string CExecTempFolder::At(const std::string& relative) const {
  return m_path + "\\" + relative;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(text.data(), 1, text.size(), f) == text.size();
  return fclose(f) == 0 && ok;
}

std::string ReadTextFile(const std::string& path) {
  std::string text;
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return text;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof(buffer), f)) > 0) text.append(buffer, n);
  fclose(f);
  return text;
}

bool FileIsThere(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderIsThere(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int RunCommandLine(const std::string& commandLine, DWORD timeoutMs) {
  std::string line = commandLine;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &info))
    return -1;
  DWORD code = (DWORD)-1;
  if (WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0)
    GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return (int)code;
}
