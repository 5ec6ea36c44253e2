// The application object: a program on the layer's WinMain runs its message
// loop with idle updates and ends with ExitInstance's result.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>

#include "testsupport/TestProcess.h"

namespace {

TEST(WinApp, TheMessageLoopRunsIdleUpdatesAndExitsWithExitInstancesResult) {
  // 0x10 ran, 0x01 main window updated, 0x02 its child updated, 0x04
  // temporary objects deleted at idle time.
  EXPECT_EQ(0x17u,
            RunChildProcess("\"" + PathBesideThisProgram("platform_idleapp.exe") + "\"").exitCode);
}

class CTestApp : public CWinApp {
 public:
  CTestApp() : CWinApp("Velm Test") {}
};

int g_boxes = 0;
int AFXAPI CountingBox(LPCSTR, UINT, UINT) { return ++g_boxes, IDCANCEL; }

TEST(WinApp, TheApplicationObjectRegistersItselfForItsThread) {
  EXPECT_EQ(nullptr, AfxGetApp());
  {
    CTestApp app;
    EXPECT_EQ(&app, AfxGetApp());
    EXPECT_EQ(&app, AfxGetThread());
    EXPECT_STREQ("Velm Test", AfxGetAppName());
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, NULL, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    app.m_pMainWnd = &main;
    EXPECT_EQ(&main, AfxGetMainWnd());
    // A test's own message box stays in place over the application's.
    AFX_MESSAGEBOX_PROC previous = AfxSetMessageBoxProc(&CountingBox);
    EXPECT_EQ(IDCANCEL, AfxMessageBox("question", MB_OKCANCEL));
    EXPECT_EQ(1, g_boxes);
    AfxSetMessageBoxProc(previous);
    // Destroying the main window forgets it (and ends the loop).
    main.DestroyWindow();
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  }
  EXPECT_EQ(nullptr, AfxGetApp());
  EXPECT_EQ(nullptr, AfxGetThread());
}

TEST(WinApp, OnlyTheApplicationRunsItsLoopWithoutAnInitInstanceOfItsOwn) {
  CTestApp app;
  EXPECT_TRUE(app.CWinApp::InitInstance());
  EXPECT_FALSE(app.CWinThread::InitInstance());
}

}  // namespace
