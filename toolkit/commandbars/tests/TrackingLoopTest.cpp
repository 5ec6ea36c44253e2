// The modal loop of a tracking bar: it runs the thread's messages until the
// bar stops tracking, drops the idle kicks, and leaves a quit for the
// program's own loop.
#include <gtest/gtest.h>

#include <afxpriv.h>

#include "SupportPaintManager.h"
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "testsupport/HostWindow.h"

namespace {

const UINT kEndTracking = WM_APP + 1;

/// Ends the bar's tracking when it gets kEndTracking.
class CEndingHost : public CTestHostWindow {
 public:
  CTKCommandBar* m_pBar = nullptr;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kEndTracking) m_pBar->SetTrackingMode(FALSE);
    return CTestHostWindow::WindowProc(message, wParam, lParam);
  }
};

class TrackingLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost());
    m_pBar = new CTKCommandBar;
    m_pBar->SetOwner(&m_host);
    m_host.m_pBar = m_pBar;
    ASSERT_TRUE(m_pBar->CreateEx(0, AfxRegisterWndClass(0), "bar", WS_CHILD, 0, 0, 100, 20,
                                 m_host.GetSafeHwnd(), NULL));
    m_pBar->SetTrackingMode(TRUE, FALSE, FALSE);
    m_host.ClearMessages();
  }
  void TearDown() override {
    m_pBar->DestroyWindow();
    m_pBar->InternalRelease();
  }

  CTestGlobalPaintManager m_paintManager;
  CEndingHost m_host;
  CTKCommandBar* m_pBar = nullptr;
};

TEST_F(TrackingLoopTest, RunsMessagesUntilTheBarStopsTracking) {
  HWND hHost = m_host.GetSafeHwnd();
  ::PostMessage(hHost, WM_APP, 1, 0);
  ::PostMessage(hHost, WM_KICKIDLE, 0, 0);
  ::PostMessage(hHost, kEndTracking, 0, 0);
  ::PostMessage(hHost, WM_APP, 2, 0);
  CTKCommandBars::PumpTrackingMessages(m_pBar);
  EXPECT_FALSE(m_pBar->IsTrackingMode());
  EXPECT_EQ(1, m_host.CountMessages(WM_APP));
  EXPECT_EQ(0, m_host.CountMessages(WM_KICKIDLE)) << "the idle kick is dropped";
  MSG msg;
  ASSERT_TRUE(::PeekMessage(&msg, hHost, WM_APP, WM_APP, PM_REMOVE)) << "the rest stays queued";
  EXPECT_EQ(2u, msg.wParam);
}

TEST_F(TrackingLoopTest, AQuitWhileTrackingIsLeftForTheProgramsLoop) {
  ::PostQuitMessage(7);
  CTKCommandBars::PumpTrackingMessages(m_pBar);
  MSG msg;
  ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7u, msg.wParam);
  m_pBar->SetTrackingMode(FALSE);
}

}  // namespace
