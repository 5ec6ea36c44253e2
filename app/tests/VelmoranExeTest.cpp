// Velmoran.exe as a child: "-execute" and "-load" on the program's own
// command line, the window it leaves open or closes, its log and exit code.
#include <gtest/gtest.h>

#include <string>

#include "SupportRun.h"
#include "app/AppResources.h"
#include "testsupport/TestProcess.h"

namespace {

CWinApp theApp("VelmVelmoranExeTest");

const DWORD kChildTimeoutMs = 60000;

/// One Velmoran.exe started with arguments; terminated at the end if it is still there.
class CVelmoranChild {
 public:
  explicit CVelmoranChild(const std::string& arguments) {
    STARTUPINFOA startup = {sizeof(startup)};
    std::string command = "\"" + PathBesideThisProgram("Velmoran.exe") + "\" " + arguments;
    m_started = ::CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                                 &m_process) != FALSE;
  }
  ~CVelmoranChild() {
    if (!m_started) return;
    if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
      ::TerminateProcess(m_process.hProcess, 99);
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
  }
  bool Started() const { return m_started; }

  /// The exit code once it has ended by itself within the time; STILL_ACTIVE otherwise.
  DWORD WaitForExit() {
    if (::WaitForSingleObject(m_process.hProcess, kChildTimeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_process.hProcess, &code);
    return code;
  }
  bool IsRunning() { return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }

  /// Its visible main window, once it has one.
  HWND FindFrame() {
    ::WaitForInputIdle(m_process.hProcess, kChildTimeoutMs);
    HWND frame = NULL;
    ::EnumThreadWindows(
        m_process.dwThreadId,
        [](HWND hWnd, LPARAM found) {
          char title[16] = "";
          ::GetWindowTextA(hWnd, title, sizeof(title));
          if (std::string(title).compare(0, 8, "Velmoran") == 0 && ::IsWindowVisible(hWnd))
            *reinterpret_cast<HWND*>(found) = hWnd;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&frame));
    return frame;
  }

  /// The log's text through its Copy command, once its last line is `last`
  /// (the run may still be going when it is first asked). Other programs may
  /// use the clipboard meanwhile: each answer is looked at afresh.
  std::string WaitForLastLogLine(HWND frame, const std::string& last) {
    HWND log = NULL;
    ::EnumChildWindows(
        frame,
        [](HWND hWnd, LPARAM found) {
          if (::GetDlgCtrlID(hWnd) == 399) *reinterpret_cast<HWND*>(found) = hWnd;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&log));
    std::string text;
    const DWORD start = ::GetTickCount();
    while (log != NULL && ::GetTickCount() - start < kChildTimeoutMs) {
      DWORD_PTR ignored = 0;
      if (!::SendMessageTimeoutA(log, WM_COMMAND, ID_COPY_LOG_TO_CLIPBOARD, 0, SMTO_ABORTIFHUNG,
                                 kChildTimeoutMs, &ignored))
        break;
      text = ClipboardText();
      const size_t end = text.rfind("\r\n");
      if ((end == std::string::npos ? text : text.substr(end + 2)) == last) return text;
    }
    return text;
  }

 private:
  static std::string ClipboardText() {
    std::string text;
    if (!::OpenClipboard(NULL)) return text;
    HANDLE data = ::GetClipboardData(CF_TEXT);
    const char* chars = data != NULL ? static_cast<const char*>(::GlobalLock(data)) : nullptr;
    if (chars != nullptr) {
      text = chars;
      ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
  }

  bool m_started = false;
  PROCESS_INFORMATION m_process = {};
};

class VelmoranExeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_folder.MakeFolder("with blanks"));
    m_standIn = StandInPath();
    ASSERT_TRUE(WriteBuildFile(Path("ok"), {{StepDosCommand, "echo", "", "echo compiled", false},
                                            {StepExecuteProgram, "link", m_standIn.c_str(), "--out linked", false}}));
    ASSERT_TRUE(WriteBuildFile(Path("failing"), {{StepExecuteProgram, "only", m_standIn.c_str(), "--exit 1", false},
                                                 {StepDosCommand, "never", "", "echo never", false}}));
    ASSERT_TRUE(WriteBuildFile(Path("paused"), {{StepExecuteProgram, "p", m_standIn.c_str(), "--exit 1", true}}));
    ASSERT_TRUE(WriteBuildFile(Path("empty"), {}));
    const std::string ok = Path("ok");
    ASSERT_TRUE(WriteBuildFile(Path("nested"), {{StepBuildScript, "inner", "", "", false, ok.c_str()}}));
  }
  std::string Path(const std::string& name) { return m_folder.PathOf("with blanks\\" + name + ".velm"); }

  CTempFolder m_folder;
  std::string m_standIn;
};

TEST_F(VelmoranExeTest, AnUnattendedRunThatSucceedsEndsTheProgramWithZero) {
  const struct {
    const char* key;
    const char* file;
  } cases[] = {
      {"-execute", "ok"}, {"-EXECUTE", "ok"}, {"-execute", "paused"}, {"-execute", "empty"},
      {"-execute", "nested"},  // the inner file runs in a child Velmoran of its own
  };
  for (const auto& c : cases) {
    CVelmoranChild child(std::string(c.key) + " \"" + Path(c.file) + "\"");
    ASSERT_TRUE(child.Started());
    EXPECT_EQ(0u, child.WaitForExit()) << c.key << " " << c.file;
  }
}

TEST_F(VelmoranExeTest, AFailedOrImpossibleRunLeavesTheWindowOpenAndEndsWithOne) {
  const std::string failing = Path("failing");
  const std::string missing = Path("missing");
  const struct {
    std::string arguments;
    std::string title;
    std::string lastLine;
  } cases[] = {
      {"-execute \"" + failing + "\"", "Velmoran (" + failing + ")", "only Failed"},
      // Everything after the key is the path: the words make it a file that is not there.
      {"-execute \"" + Path("ok") + "\" now", "Velmoran", Path("ok") + " now Failed"},
      {"-execute \"" + missing + "\"", "Velmoran", missing + " Failed"},
  };
  for (const auto& c : cases) {
    CVelmoranChild child(c.arguments);
    ASSERT_TRUE(child.Started());
    const HWND frame = child.FindFrame();
    ASSERT_NE(nullptr, frame) << c.arguments;
    const std::string log = child.WaitForLastLogLine(frame, c.lastLine);
    EXPECT_EQ(c.lastLine, log.substr(log.rfind('\n') + 1)) << c.arguments;
    EXPECT_EQ(std::string::npos, log.find("never")) << "a failure ends the run";
    char title[MAX_PATH] = "";
    ::GetWindowTextA(frame, title, sizeof(title));
    EXPECT_EQ(c.title, std::string(title));
    EXPECT_TRUE(child.IsRunning()) << c.arguments;
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(1u, child.WaitForExit()) << c.arguments;
  }
}

TEST_F(VelmoranExeTest, LoadOpensTheFileWithoutRunningIt) {
  const std::string ok = Path("ok");
  CVelmoranChild child("-Load \"" + ok + "\"");
  ASSERT_TRUE(child.Started());
  const HWND frame = child.FindFrame();
  ASSERT_NE(nullptr, frame);
  char title[MAX_PATH] = "";
  ::GetWindowTextA(frame, title, sizeof(title));
  EXPECT_EQ("Velmoran (" + ok + ")", std::string(title));
  ::PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(0u, child.WaitForExit());
}

}  // namespace
