// Shows that the pieces later code relies on work in the test environment:
// named pipes between threads, and a window with a message loop on the display;
// and that every program the build makes starts on a clean Windows.
#include <windows.h>
#include <stdio.h>
#include <stddef.h>
#include <string.h>
#include <string>
#include <vector>
#include <gtest/gtest.h>

#include "testsupport/MessageLoop.h"

namespace {

DWORD WINAPI WriteGreeting(LPVOID param) {
  HANDLE pipe = CreateFileA(static_cast<const char*>(param), GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (pipe == INVALID_HANDLE_VALUE) return 1;
  const char text[] = "through the pipe\r\n";
  DWORD written = 0;
  BOOL ok = WriteFile(pipe, text, sizeof(text) - 1, &written, nullptr);
  CloseHandle(pipe);
  return ok && written == sizeof(text) - 1 ? 0 : 2;
}

TEST(Harness, NamedPipeCarriesData) {
  char name[MAX_PATH];
  snprintf(name, sizeof(name), "\\\\.\\Pipe\\RemoteExeAnon.%08lx.%08lx", GetCurrentProcessId(),
           1UL);
  HANDLE server = CreateNamedPipeA(name, PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096,
                                   4096, 0, nullptr);
  ASSERT_NE(server, INVALID_HANDLE_VALUE);

  HANDLE writer = CreateThread(nullptr, 0, WriteGreeting, name, 0, nullptr);
  ASSERT_NE(writer, nullptr);
  BOOL connected = ConnectNamedPipe(server, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED;
  ASSERT_TRUE(connected);

  std::string received;
  char buffer[64];
  DWORD read = 0;
  while (ReadFile(server, buffer, sizeof(buffer), &read, nullptr) && read > 0)
    received.append(buffer, read);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(writer, 10000));
  DWORD code = 99;
  GetExitCodeThread(writer, &code);
  CloseHandle(writer);
  CloseHandle(server);
  EXPECT_EQ(0u, code);
  EXPECT_EQ("through the pipe\r\n", received);
}

const UINT kPing = WM_APP + 7;

LRESULT CALLBACK PingWndProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == kPing) {
    *reinterpret_cast<WPARAM*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)) = wparam;
    PostQuitMessage(static_cast<int>(lparam));
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

TEST(Harness, HiddenWindowReceivesPostedMessage) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = PingWndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VelmHarnessWindow";
  ASSERT_NE(0, RegisterClassA(&wc));
  HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "harness", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                              nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  WPARAM seen = 0;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));

  ASSERT_TRUE(PostMessageA(hwnd, kPing, 42, 5));
  EXPECT_TRUE(RunMessagesUntil([&] { return seen != 0; }));
  MSG msg = {};
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(WM_QUIT, msg.message);
  EXPECT_EQ(5, static_cast<int>(msg.wParam));
  EXPECT_EQ(42u, seen);
  DestroyWindow(hwnd);
  UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

// A file's bytes, mapped for reading (only the pages looked at are read).
class CMappedFile {
 public:
  explicit CMappedFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    LARGE_INTEGER size;
    HANDLE mapping = GetFileSizeEx(file, &size) && size.QuadPart > 0
                         ? CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr)
                         : nullptr;
    if (mapping) {
      m_data = static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
      if (m_data) m_size = static_cast<size_t>(size.QuadPart);
      CloseHandle(mapping);
    }
    CloseHandle(file);
  }
  ~CMappedFile() {
    if (m_data) UnmapViewOfFile(m_data);
  }
  const char* data() const { return m_data; }
  size_t size() const { return m_size; }

 private:
  const char* m_data = nullptr;
  size_t m_size = 0;
};

// The names of the DLLs a program's import tables (plain and delay-loaded) name;
// empty when the file is no 64-bit program.
std::vector<std::string> ImportedDlls(const std::string& path) {
  const CMappedFile image(path);
  std::vector<std::string> names;
  auto at = [&](size_t offset, size_t size) {
    return offset <= image.size() && size <= image.size() - offset ? image.data() + offset
                                                                   : nullptr;
  };
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0, sizeof(IMAGE_DOS_HEADER)));
  if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE) return names;
  const auto* nt =
      reinterpret_cast<const IMAGE_NT_HEADERS64*>(at(dos->e_lfanew, sizeof(IMAGE_NT_HEADERS64)));
  if (!nt || nt->Signature != IMAGE_NT_SIGNATURE ||
      nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC)
    return names;
  const auto* sections = reinterpret_cast<const IMAGE_SECTION_HEADER*>(
      at(dos->e_lfanew + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
             nt->FileHeader.SizeOfOptionalHeader,
         nt->FileHeader.NumberOfSections * sizeof(IMAGE_SECTION_HEADER)));
  if (!sections) return names;
  auto fileOffset = [&](DWORD rva) -> size_t {
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
      const IMAGE_SECTION_HEADER& s = sections[i];
      if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
        return rva - s.VirtualAddress + s.PointerToRawData;
    }
    return image.size();
  };
  auto addName = [&](DWORD rva) {
    const char* name = at(fileOffset(rva), 1);
    if (name) names.push_back(std::string(name, strnlen(name, image.data() + image.size() - name)));
  };
  const IMAGE_DATA_DIRECTORY& plain =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (size_t d = fileOffset(plain.VirtualAddress); plain.Size;
       d += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
    const auto* entry =
        reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(d, sizeof(IMAGE_IMPORT_DESCRIPTOR)));
    if (!entry || !entry->Name) break;
    addName(entry->Name);
  }
  const IMAGE_DATA_DIRECTORY& delayed =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT];
  for (size_t d = fileOffset(delayed.VirtualAddress); delayed.Size;
       d += sizeof(IMAGE_DELAYLOAD_DESCRIPTOR)) {
    const auto* entry = reinterpret_cast<const IMAGE_DELAYLOAD_DESCRIPTOR*>(
        at(d, sizeof(IMAGE_DELAYLOAD_DESCRIPTOR)));
    if (!entry || !entry->DllNameRVA) break;
    addName(entry->DllNameRVA);
  }
  return names;
}

void ListPrograms(const std::string& folder, std::vector<std::string>* programs) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    const std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      // Wine's own programs and CMake's probes are not ours.
      if (name != "." && name != ".." && name != "wineprefix" && name != "CMakeFiles")
        ListPrograms(path, programs);
    } else if (name.size() > 4 && _stricmp(name.c_str() + name.size() - 4, ".exe") == 0) {
      programs->push_back(path);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

// A DLL that a clean Windows lacks (zlib1.dll, a compiler's run-time) keeps the
// program from starting there, though Wine may find one of its own. The test
// programs sit one folder below the build folder.
TEST(Harness, EveryProgramImportsOnlySystemDlls) {
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string build = module;
  build.erase(build.rfind('\\'));
  build.erase(build.rfind('\\'));
  char system[MAX_PATH] = {};
  ASSERT_NE(0u, GetSystemDirectoryA(system, MAX_PATH));
  std::vector<std::string> programs;
  ListPrograms(build, &programs);
  ASSERT_FALSE(programs.empty());
  for (const std::string& program : programs) {
    const std::vector<std::string> dlls = ImportedDlls(program);
    EXPECT_FALSE(dlls.empty()) << program;
    for (const std::string& dll : dlls) {
      const std::string there = std::string(system) + "\\" + dll;
      EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(there.c_str()))
          << program << " needs " << dll;
      // Wine keeps a zlib1.dll of its own in the system folder; Windows has none.
      EXPECT_NE(0, _stricmp(dll.c_str(), "zlib1.dll")) << program << " needs " << dll;
    }
  }
}

}  // namespace
