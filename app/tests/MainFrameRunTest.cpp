// The main frame as the run's host: its panes, the run commands as they
// arrive in the window, cancel and close during a child, the status panes,
// the exit code, and the build-file commands with their question.
#include <gtest/gtest.h>

#include <process.h>

#include "SupportApp.h"
#include "SupportRun.h"
#include "app/AppResources.h"
#include "app/AppRunResources.h"
#include "app/VelmoranApp.h"
#include "foundation/FileUtilities.h"
#include "testsupport/MessageLoop.h"
#include "testsupport/TestText.h"

namespace {

CVelmoranApp theApp;

/// Posts `message` to a window once a named event is set: what a user does
/// while a child runs, without the test leaving the frame's run.
class CPostWhenSignalled {
 public:
  CPostWhenSignalled(HANDLE event, HWND target, UINT message, WPARAM wParam)
      : m_event(event), m_target(target), m_message(message), m_wParam(wParam) {
    m_thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &Run, this, 0, nullptr));
  }
  ~CPostWhenSignalled() {
    ::WaitForSingleObject(m_thread, 60000);
    ::CloseHandle(m_thread);
  }

 private:
  static unsigned __stdcall Run(void* self) {
    CPostWhenSignalled* p = static_cast<CPostWhenSignalled*>(self);
    if (::WaitForSingleObject(p->m_event, 60000) == WAIT_OBJECT_0)
      ::PostMessageA(p->m_target, p->m_message, p->m_wParam, 0);
    return 0;
  }

  HANDLE m_event;
  HWND m_target;
  UINT m_message;
  WPARAM m_wParam;
  HANDLE m_thread;
};

class MainFrameRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_standIn = StandInPath();
    theApp.SetExitCode(-1);
    const std::string id = std::to_string(::GetCurrentProcessId());
    m_started = ::CreateEventA(nullptr, TRUE, FALSE, ("velm_frame_started_" + id).c_str());
    m_never = ::CreateEventA(nullptr, TRUE, FALSE, ("velm_frame_never_" + id).c_str());
    m_longParams = "--signal velm_frame_started_" + id + " --await velm_frame_never_" + id;
  }
  void TearDown() override {
    ::CloseHandle(m_started);
    ::CloseHandle(m_never);
  }
  void Open(const std::vector<FixtureStep>& steps) {
    m_path = m_appSystem.m_folder.PathOf("frame run.velm");
    ASSERT_TRUE(WriteBuildFile(m_path, steps));
    ASSERT_TRUE(m_frame->OpenBuildFile(m_path.c_str()));
  }
  void OpenThree() {
    Open({{StepExecuteProgram, "a", m_standIn.c_str(), "--out one", false},
          {StepExecuteProgram, "b", m_standIn.c_str(), "--out two", false},
          {StepExecuteProgram, "c", m_standIn.c_str(), "--out three", false}});
  }
  CMainDisplay& Display() { return m_frame->GetMainDisplay(); }
  CBuildStepDisplay& List() { return Display().GetStepDisplay(); }
  std::vector<std::string> LogTexts() {
    std::vector<std::string> texts;
    CLogDisplayControl& log = Display().GetLogDisplay();
    for (int i = 0; i < log.GetEntryCount(); ++i) {
      CTesselString text;
      log.GetEntry(i, &text, nullptr, nullptr);
      texts.push_back(TextOf(text));
    }
    return texts;
  }
  std::vector<std::string> Ran() {
    std::vector<std::string> ran;
    for (const std::string& text : LogTexts())
      if (text.compare(0, 8, "Running ") == 0) ran.push_back(text.substr(8));
    return ran;
  }
  std::string Pane(int index) {
    return std::string(m_frame->GetStatusBarManager().GetPaneText(index));
  }
  std::string Title() {
    CString title;
    m_frame->GetWindowText(title);
    return std::string(title);
  }
  // Posts the command and runs the loop until a run has come and gone.
  void PostAndRun(UINT message, WPARAM wParam, HWND target) {
    const int before = Display().GetLogDisplay().GetEntryCount();
    ::PostMessageA(target, message, wParam, 0);
    EXPECT_TRUE(RunMessagesUntil([&] {
      return !Display().IsRunActive() && Display().GetLogDisplay().GetEntryCount() > before;
    }));
  }

  CScriptedAppSystem m_appSystem;
  CScriptedSystem m_system;
  CFrameFixture m_frame;
  std::string m_standIn;
  std::string m_path;
  HANDLE m_started = NULL;
  HANDLE m_never = NULL;
  std::string m_longParams;
};

TEST_F(MainFrameRunTest, TheStepListStandsAboveTheLogInTheBuildStepsPage) {
  // Below the ribbon there is room for both panes.
  m_frame->SetWindowPos(NULL, 0, 0, 1000, 700, SWP_NOZORDER | SWP_NOACTIVATE);
  OpenThree();
  DispatchPendingMessages();  // the splitter's stored place comes by a posted message
  CRect list, log, bar;
  ASSERT_TRUE(::IsWindow(List().m_hWnd));
  ASSERT_TRUE(::IsWindow(Display().GetLogDisplay().m_hWnd));
  EXPECT_EQ(&Display(), List().GetParent());
  EXPECT_EQ(&Display(), Display().GetLogDisplay().GetParent());
  List().GetWindowRect(&list);
  Display().GetLogDisplay().GetWindowRect(&log);
  Display().GetSplitter().GetWindowRect(&bar);
  EXPECT_TRUE(List().IsWindowVisible());
  EXPECT_GT(list.Height(), 100);
  EXPECT_GT(log.Height(), 100);
  EXPECT_EQ(list.bottom, bar.top);
  EXPECT_EQ(bar.bottom, log.top);
  EXPECT_EQ(3, List().GetDisplayCount());
  EXPECT_EQ("Velmoran (" + m_path + ")", Title());
  EXPECT_EQ("3 Steps", Pane(1));
  // The run host's side of the same file, and this program for nested builds.
  EXPECT_EQ(m_path, TextOf(m_frame->GetBuildFilePath()));
  char self[MAX_PATH] = "";
  ::GetModuleFileNameA(NULL, self, sizeof(self));
  EXPECT_EQ(std::string(self), TextOf(m_frame->GetNestedBuildProgram()));
}

TEST_F(MainFrameRunTest, EachRunCommandRunsItsRowsThroughTheFrame) {
  OpenThree();
  const struct {
    const char* name;
    UINT message;
    WPARAM wParam;
    bool toList;
    std::vector<int> selected;
    std::vector<std::string> ran;
    const char* stepText;
  } cases[] = {
      {"F5 in the list", WM_KEYDOWN, VK_F5, true, {}, {"a", "b", "c"}, "Step 3 of 3 Steps"},
      {"Run All Steps", WM_COMMAND, ID_RUN_ALL_STEPS, false, {}, {"a", "b", "c"}, "Step 3 of 3 Steps"},
      {"Run From Cursor", WM_COMMAND, ID_RUN_FROM_CURSOR, false, {1}, {"b", "c"}, "Step 3 of 3 Steps"},
      {"Run Selected Steps", WM_COMMAND, ID_RUN_SELECTED_STEPS, false, {2, 0}, {"a", "c"}, "3 Steps"},
  };
  for (const auto& c : cases) {
    Display().GetLogDisplay().RemoveAllEntries();
    List().DeselectAll();
    for (int row : c.selected) List().SelectById(List().GetRow(row)->GetId());
    theApp.SetExitCode(-1);
    PostAndRun(c.message, c.wParam, c.toList ? List().m_hWnd : m_frame->m_hWnd);
    EXPECT_EQ(c.ran, Ran()) << c.name;
    EXPECT_EQ(c.ran.back() + " Completed Successfully", LogTexts().back()) << c.name;
    EXPECT_EQ(0, theApp.GetExitCode()) << c.name;
    EXPECT_EQ(c.stepText, Pane(1)) << c.name;
    DispatchPendingMessages();  // the run's last elapsed-time refresh
    EXPECT_EQ(0u, Pane(2).find("Elapsed Time: 00:00:")) << c.name << ": " << Pane(2);
  }
  EXPECT_FALSE(m_frame->IsModified()) << "a run changes nothing to save";
}

TEST_F(MainFrameRunTest, TheOpenFilesVariablesReachTheSteps) {
  m_path = m_appSystem.m_folder.PathOf("variables.velm");
  ASSERT_TRUE(WriteBuildFile(m_path, {{StepExecuteProgram, "greet", m_standIn.c_str(), "--out %GREETING%", false}},
                             {{"GREETING", "hello_from_the_file"}}));
  ASSERT_TRUE(m_frame->OpenBuildFile(m_path.c_str()));
  PostAndRun(WM_COMMAND, ID_RUN_ALL_STEPS, m_frame->m_hWnd);
  const std::vector<std::string> log = LogTexts();
  ASSERT_EQ(3u, log.size());
  EXPECT_EQ("    hello_from_the_file", log[1]);
}

TEST_F(MainFrameRunTest, CancelDuringAChildFailsTheRowAndSetsExitCodeOne) {
  Open({{StepExecuteProgram, "long", m_standIn.c_str(), m_longParams.c_str(), false},
        {StepExecuteProgram, "after", m_standIn.c_str(), "--out x", false}});
  {
    CPostWhenSignalled cancel(m_started, m_frame->m_hWnd, WM_COMMAND, ID_CANCEL_RUN);
    PostAndRun(WM_COMMAND, ID_RUN_ALL_STEPS, m_frame->m_hWnd);
  }
  EXPECT_EQ((std::vector<std::string>{"long"}), Ran());
  EXPECT_EQ("Execution cancelled by user", LogTexts().back());
  EXPECT_EQ(CBuildStepDisplay::kFailureColor, List().GetRow(0)->GetColumnTextColor(0));
  EXPECT_EQ(1, theApp.GetExitCode());
}

TEST_F(MainFrameRunTest, ClosingDuringARunCancelsItAndClosesOnceItEnded) {
  Open({{StepExecuteProgram, "long", m_standIn.c_str(), m_longParams.c_str(), false}});
  const HWND frame = m_frame->m_hWnd;
  CPostWhenSignalled close(m_started, frame, WM_CLOSE, 0);
  ::PostMessageA(frame, WM_COMMAND, ID_RUN_ALL_STEPS, 0);
  EXPECT_TRUE(RunMessagesUntil([&] { return !::IsWindow(frame); }, 60000));
  EXPECT_EQ(1, theApp.GetExitCode());
}

TEST_F(MainFrameRunTest, TheBuildFileCommandsNameTheFileInTheTitleAndAskBeforeLosingChanges) {
  const std::string path = m_appSystem.m_folder.PathOf("chosen.velm");
  ASSERT_TRUE(WriteBuildFile(path, {{StepDosCommand, "x", "", "echo x", false}}));
  m_system.m_bDialogResult = TRUE;
  m_system.m_dialogAnswer = path + std::string(1, '\0');
  m_frame->SendMessage(WM_COMMAND, ID_OPEN_BUILD_FILE);
  EXPECT_EQ("Velmoran (" + path + ")", Title());
  EXPECT_EQ(1, List().GetDisplayCount());
  EXPECT_EQ("1 Step", Pane(1));

  // Save As: the extension comes with the name unless it holds it.
  const std::string renamed = m_appSystem.m_folder.PathOf("renamed");
  m_system.m_dialogAnswer = renamed + std::string(1, '\0');
  m_frame->SendMessage(WM_COMMAND, ID_SAVE_AS);
  EXPECT_TRUE(FileExists(CTesselString((renamed + ".velm").c_str())));
  EXPECT_EQ("Velmoran (" + renamed + ".velm)", Title());

  // Changes: Esc to the question keeps the window; No closes it unsaved.
  List().SetModified(true);
  const HWND frame = m_frame->m_hWnd;
  m_appSystem.m_nAnswer = IDCANCEL;
  ::SendMessage(frame, WM_CLOSE, 0, 0);
  ASSERT_TRUE(::IsWindow(frame));
  ASSERT_EQ(1u, m_appSystem.m_shown.size());
  EXPECT_EQ("Your changes to '" + renamed + ".velm' have not been saved.\n\nDo you want to save your changes?",
            m_appSystem.m_shown[0].text);
  EXPECT_EQ(0x14u, m_appSystem.m_shown[0].flags);

  // Close leaves an unnamed list; the last file comes back on request.
  m_appSystem.m_nAnswer = IDNO;
  m_frame->SendMessage(WM_COMMAND, ID_CLOSE_BUILD_FILE);
  EXPECT_EQ(2u, m_appSystem.m_shown.size());
  EXPECT_EQ("Velmoran", Title());
  EXPECT_EQ(0, List().GetDisplayCount());
  m_frame->SendMessage(WM_APP_OPENLASTFILE);
  EXPECT_EQ("Velmoran (" + path + ")", Title()) << "the last file opened, not the one saved as";

  List().SetModified(true);
  ::SendMessage(frame, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(frame));
  EXPECT_EQ(3u, m_appSystem.m_shown.size());
}

}  // namespace
