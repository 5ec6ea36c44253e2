// The main frame: what it opens with, help by page, the command table's
// handlers and enable rules, the keys that reach it, and Exit.
#include <gtest/gtest.h>

#include <htmlhelp.h>

#include "SupportApp.h"
#include "SupportVelmoranChild.h"
#include "app/AppResources.h"
#include "testsupport/MessageLoop.h"
#include "testsupport/TestProcess.h"

namespace {

CWinApp theApp("VelmMainFrameTest");

class MainFrameTest : public ::testing::Test {
 protected:
  CScriptedAppSystem m_appSystem;
  CScriptedSystem m_system;
};

std::string TabText(CDisplayManager& manager, int id) {
  CTesselString text;
  return manager.GetTabText(&text, id)->GetText();
}

TEST_F(MainFrameTest, OpensWithTitleStatusBarAndBothPagesButNoWindowMenu) {
  CFrameFixture frame;
  CString title;
  frame->GetWindowText(title);
  EXPECT_EQ("Velmoran", std::string(title));
  EXPECT_EQ(NULL, ::GetMenu(frame->m_hWnd));
  EXPECT_TRUE(frame->GetStatusBarManager().IsWindowVisible());
  EXPECT_NE(nullptr, frame->GetCommandBars());
  EXPECT_NE(0, ::SendMessage(frame->m_hWnd, WM_GETICON, ICON_BIG, 0));

  CDisplayManager& manager = frame->GetDisplayManager();
  ASSERT_EQ(2, manager.GetTabCount());
  EXPECT_EQ("Build Steps", TabText(manager, 0));
  EXPECT_EQ("Variable Definition", TabText(manager, 1));
  EXPECT_EQ(0, manager.GetSelectedTabId());
  EXPECT_EQ(kDisplayPageControlId, frame->GetMainDisplay().GetDlgCtrlID());
  EXPECT_EQ(kDisplayPageControlId, frame->GetVariableDisplay().GetDlgCtrlID());
  EXPECT_EQ(manager.FindTab(0), frame->GetMainDisplay().m_pTab);
  EXPECT_EQ(manager.FindTab(1), frame->GetVariableDisplay().m_pTab);
  EXPECT_TRUE(frame->GetMainDisplay().IsWindowVisible());
  EXPECT_FALSE(frame->GetVariableDisplay().IsWindowVisible());
  // A paint of the page leaves it below the tab strip.
  frame->GetMainDisplay().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
  CRect page;
  frame->GetMainDisplay().GetWindowRect(&page);
  manager.ScreenToClient(&page);
  EXPECT_EQ(38, page.top);
}

TEST_F(MainFrameTest, TheDisplayManagerCoversWhatTheBarsLeaveAtEverySize) {
  CFrameFixture frame;
  for (CSize size : {CSize(900, 700), CSize(500, 400)}) {
    frame->MoveWindow(10, 10, size.cx, size.cy);
    CRect expected, actual;
    frame->GetDisplayRect(&expected);
    frame->GetDisplayManager().GetWindowRect(&actual);
    frame->ScreenToClient(&actual);
    EXPECT_EQ(expected, actual) << size.cx;
    CRect status;
    frame->GetStatusBarManager().GetWindowRect(&status);
    frame->ScreenToClient(&status);
    EXPECT_EQ(status.top, actual.bottom) << size.cx;
  }
}

TEST_F(MainFrameTest, TheDisplayManagerFollowsALayoutWithoutAResize) {
  CFrameFixture frame;
  // Hiding and showing the status bar lays the frame out again; the frame's
  // size stays the same, so only the layout itself can refit the pages.
  for (bool statusBar : {false, true}) {
    frame->ShowStatusBar(statusBar);
    CRect expected, actual;
    frame->GetDisplayRect(&expected);
    frame->GetDisplayManager().GetWindowRect(&actual);
    frame->ScreenToClient(&actual);
    EXPECT_EQ(expected, actual) << statusBar;
    CRect client;
    frame->GetClientRect(&client);
    if (!statusBar) EXPECT_EQ(client.bottom, actual.bottom);
  }
}

TEST_F(MainFrameTest, CannotBeSizedBelow400By300) {
  CFrameFixture frame;
  MINMAXINFO info = {};
  frame->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(400, info.ptMinTrackSize.x);
  EXPECT_EQ(300, info.ptMinTrackSize.y);
}

TEST_F(MainFrameTest, HelpOpensTheTopicOfTheSelectedPage) {
  CFrameFixture frame;
  struct Case {
    int tab;
    UINT command;
    DWORD topic;
  } cases[] = {
      {0, ID_HELP_TOPIC, 1015},
      {1, ID_HELP_TOPIC, 1018},
      {0, ID_PRODUCT_HELP, 1019},
      {1, ID_PRODUCT_HELP, 1019},
  };
  for (const Case& c : cases) {
    m_system.m_helpCalls.clear();
    frame->GetDisplayManager().SelectTab(c.tab);
    frame->SendMessage(WM_COMMAND, c.command);
    ASSERT_EQ(1u, m_system.m_helpCalls.size()) << c.command;
    EXPECT_EQ(static_cast<UINT>(HH_HELP_CONTEXT), m_system.m_helpCalls[0].first);
    EXPECT_EQ(c.topic, m_system.m_helpCalls[0].second) << c.tab << " " << c.command;
  }
  CTesselString path;
  frame->GetHelpFilePath(&path);
  EXPECT_NE(-1, path.Find("\\Velmoran.chm", 0, false));
}

TEST_F(MainFrameTest, F1IsTheHelpCommand) {
  CFrameFixture frame;
  frame->GetDisplayManager().SelectTab(1);
  MSG msg = {frame->m_hWnd, WM_KEYDOWN, VK_F1, 0, 0, {0, 0}};
  EXPECT_TRUE(frame->PreTranslateMessage(&msg));
  ASSERT_EQ(1u, m_system.m_helpCalls.size());
  EXPECT_EQ(1018u, m_system.m_helpCalls[0].second);
}

TEST_F(MainFrameTest, EveryCommandOfTheFrameHasItsHandler) {
  CFrameFixture frame;
  const UINT frameCommands[] = {4000, 4001, 4002, 4003, 4004, 4005, 4006, 4007, 4008,
                                4009, 4010, 4011, 4012, 4013, 4014, 4015, 4018, 4019,
                                4020, 4021, 4022, 4023, 4024, 4025, ID_APP_ABOUT};
  for (UINT id : frameCommands) {
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(frame->OnCmdMsg(id, CN_COMMAND, NULL, &info)) << id;
    EXPECT_EQ(frame.Get(), info.pTarget) << id;
  }
}

TEST_F(MainFrameTest, EnableRulesOfEveryCommand) {
  // Columns: running, rows, selected rows, path, modified, clipboard text,
  // log entries, selected variables.
  const CFrameCommandState idle = {false, 0, 0, false, false, false, false, 0};
  const CFrameCommandState one = {false, 5, 1, false, false, false, false, 0};
  const CFrameCommandState two = {false, 5, 2, false, false, false, false, 0};
  const CFrameCommandState runningOne = {true, 5, 1, false, false, false, false, 0};
  const CFrameCommandState rowsNone = {false, 5, 0, false, false, false, false, 0};
  const CFrameCommandState named = {false, 5, 0, true, false, false, false, 0};
  const CFrameCommandState namedChanged = {false, 5, 0, true, true, false, false, 0};
  const CFrameCommandState unnamedChanged = {false, 5, 0, false, true, false, false, 0};
  const CFrameCommandState runningNamedChanged = {true, 5, 0, true, true, false, false, 0};
  const CFrameCommandState clipboard = {true, 0, 0, false, false, true, false, 0};
  const CFrameCommandState log = {true, 0, 0, false, false, false, true, 0};
  const CFrameCommandState oneVariable = {false, 0, 0, false, false, false, false, 1};
  const CFrameCommandState twoVariables = {false, 0, 0, false, false, false, false, 2};
  const CFrameCommandState runningVariable = {true, 0, 0, false, false, false, false, 1};
  struct Case {
    UINT id;
    std::vector<CFrameCommandState> enabled;
    std::vector<CFrameCommandState> disabled;
  } cases[] = {
      {4000, {idle, one}, {runningOne}},
      {4001, {one}, {idle, two, runningOne}},
      {4002, {one, two, runningOne}, {idle, rowsNone}},
      {4003, {one, two}, {idle, runningOne}},
      {4004, {one}, {two, runningOne, rowsNone}},
      {4005, {one}, {two, runningOne, rowsNone}},
      {4006, {one}, {two, runningOne, rowsNone}},
      {4007, {clipboard}, {idle, one}},
      {4008, {one, two}, {idle, runningOne}},
      {4009, {one, two}, {idle, runningOne}},
      {4010, {one, two}, {idle, runningOne}},
      {4011, {runningOne, runningNamedChanged}, {one, log}},
      {4012, {named, namedChanged}, {idle, runningNamedChanged}},
      {4013, {one, two, runningOne}, {rowsNone}},
      {4014, {rowsNone, one}, {idle, runningOne}},
      {4015, {idle, runningOne}, {}},
      {4016, {log}, {idle}},
      {4017, {log}, {idle}},
      {4018, {idle, named, unnamedChanged}, {namedChanged, runningOne}},
      {4019, {rowsNone, one}, {idle, runningOne}},
      {4020, {one}, {two, runningOne, idle}},
      {4021, {named, unnamedChanged, namedChanged}, {idle, runningNamedChanged}},
      {4022, {namedChanged}, {named, unnamedChanged, runningNamedChanged}},
      {4023, {one, runningOne}, {rowsNone}},
      {4024, {idle, runningOne}, {}},
      {4025, {idle, runningOne}, {}},
      {4026, {idle, oneVariable}, {runningVariable}},
      {4027, {oneVariable, twoVariables}, {idle, runningVariable}},
      {4028, {oneVariable}, {twoVariables, idle, runningVariable}},
      {ID_APP_ABOUT, {idle, runningOne}, {}},
      {ID_APP_EXIT, {idle, runningOne}, {}},
  };
  for (const Case& c : cases) {
    for (size_t i = 0; i < c.enabled.size(); ++i)
      EXPECT_TRUE(CMainFrame::IsCommandEnabled(c.id, c.enabled[i])) << c.id << " enabled " << i;
    for (size_t i = 0; i < c.disabled.size(); ++i)
      EXPECT_FALSE(CMainFrame::IsCommandEnabled(c.id, c.disabled[i])) << c.id << " disabled " << i;
  }
}

TEST_F(MainFrameTest, TheFramesUpdateFollowsTheRunningFlag) {
  CFrameFixture frame;
  struct CProbe : CCmdUI {
    BOOL m_nSeen = -1;
    void Enable(BOOL bOn) override { m_nSeen = bOn; }
  };
  for (bool running : {false, true}) {
    frame->SetRunning(running);
    CProbe probe;
    probe.m_nID = ID_ADD_BUILD_STEP;
    probe.DoUpdate(frame.Get(), FALSE);
    EXPECT_EQ(running ? FALSE : TRUE, probe.m_nSeen);
  }
  EXPECT_FALSE(frame->CanRunSteps());  // no step list rows yet
}

TEST_F(MainFrameTest, ExitClosesTheMainWindowAndEndsTheLoopWithZero) {
  CFrameFixture frame;
  theApp.m_pMainWnd = frame.Get();
  HWND hFrame = frame->m_hWnd;
  frame->SendMessage(WM_COMMAND, ID_APP_EXIT);
  RunMessagesUntil([&] { return !::IsWindow(hFrame); });
  EXPECT_FALSE(::IsWindow(hFrame));
  MSG msg;
  ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(0u, msg.wParam);
  theApp.m_pMainWnd = NULL;
}

TEST_F(MainFrameTest, VelmoranExeOpensItsWindowAndExitEndsItWithZero) {
  CVelmoranChild child("");
  ASSERT_TRUE(child.Started());
  // The program is idle for the first time once its window is up.
  EXPECT_TRUE(child.WaitForIdle());
  HWND hFrame = child.FindFrame();
  EXPECT_NE(nullptr, hFrame);
  char title[64] = "";
  ::GetWindowTextA(hFrame, title, sizeof(title));
  EXPECT_EQ("Velmoran", std::string(title));
  if (hFrame != NULL) ::PostMessage(hFrame, WM_COMMAND, ID_APP_EXIT, 0);
  EXPECT_EQ(0u, child.WaitForExit());
}

}  // namespace
