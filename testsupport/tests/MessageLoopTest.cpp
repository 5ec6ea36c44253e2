// Running the message loop until a condition holds: what wakes it (posted and
// sent messages, timers, handles), what ends it early (the time limit, a
// quit) and that it waits rather than asks the condition over and over.
#include "testsupport/MessageLoop.h"

#include <gtest/gtest.h>

#include <thread>

#include "testsupport/HostWindow.h"

namespace {

const UINT kChain = WM_APP + 1;
const UINT kChained = WM_APP + 2;
const UINT kSwallowed = WM_APP + 3;

/// Posts kChained whenever it handles kChain, and takes kSwallowed in
/// PreTranslateMessage.
class CChainingHost : public CTestHostWindow {
 public:
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message != kSwallowed) return FALSE;
    ++m_swallowed;
    return TRUE;
  }
  int m_swallowed = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kChain) PostMessage(kChained);
    return CTestHostWindow::WindowProc(message, wParam, lParam);
  }
};

class MessageLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost());
    DispatchPendingMessages();
    m_host.ClearMessages();
  }
  CChainingHost m_host;
};

TEST_F(MessageLoopTest, PostedMessagesAndWhatTheyPostAreDispatched) {
  m_host.PostMessage(kChain);
  EXPECT_TRUE(RunMessagesUntil([&] { return m_host.CountMessages(kChained) == 1; }));
  EXPECT_EQ(1, m_host.CountMessages(kChain));

  m_host.PostMessage(kChain);
  m_host.PostMessage(WM_APP);
  EXPECT_EQ(3, DispatchPendingMessages());
  EXPECT_EQ(2, m_host.CountMessages(kChained));
  EXPECT_EQ(0, DispatchPendingMessages());
}

TEST_F(MessageLoopTest, TheConditionIsAskedOnlyWhenSomethingHappened) {
  int asked = 0;
  EXPECT_FALSE(RunMessagesUntil([&] { return ++asked, false; }, 200));
  EXPECT_LT(asked, 10);  // a polling loop asks thousands of times in 200 ms
}

TEST_F(MessageLoopTest, TimersWakeTheLoop) {
  m_host.SetTimer(1, 10, nullptr);
  EXPECT_TRUE(RunMessagesUntil([&] { return m_host.CountMessages(WM_TIMER) >= 2; }));
  m_host.KillTimer(1);
}

TEST_F(MessageLoopTest, MessagesSentFromAnotherThreadAreDelivered) {
  HWND hWnd = m_host.GetSafeHwnd();
  LRESULT answer = -1;
  std::thread sender([&] { answer = ::SendMessage(hWnd, WM_APP, 0, 0); });
  const ULONGLONG start = ::GetTickCount64();
  EXPECT_TRUE(RunMessagesUntil([&] { return m_host.CountMessages(WM_APP) == 1; }, 60000));
  EXPECT_LT(::GetTickCount64() - start, 30000u) << "the loop slept through the message";
  sender.join();
  EXPECT_EQ(0, answer);
}

TEST_F(MessageLoopTest, AHandleSetByAnotherThreadWakesTheLoop) {
  HANDLE done = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread worker([&] { ::SetEvent(done); });
  EXPECT_TRUE(RunMessagesUntil([&] { return ::WaitForSingleObject(done, 0) == WAIT_OBJECT_0; },
                               kDefaultMessageWaitMs, {done}));
  worker.join();
  ::CloseHandle(done);
}

TEST_F(MessageLoopTest, MessagesPassPreTranslateMessageFirst) {
  m_host.PostMessage(kSwallowed);
  EXPECT_TRUE(RunMessagesUntil([&] { return m_host.m_swallowed == 1; }));
  EXPECT_EQ(0, m_host.CountMessages(kSwallowed));
}

TEST_F(MessageLoopTest, AQuitEndsTheLoopEarlyAndStaysQueued) {
  m_host.PostMessage(WM_APP);
  ::PostQuitMessage(7);
  const ULONGLONG start = ::GetTickCount64();
  EXPECT_FALSE(RunMessagesUntil([] { return false; }, 60000));
  EXPECT_LT(::GetTickCount64() - start, 30000u);
  EXPECT_EQ(1, m_host.CountMessages(WM_APP));  // what came before the quit still ran
  EXPECT_EQ(0, DispatchPendingMessages());
  MSG msg;
  ASSERT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7u, msg.wParam);
}

}  // namespace
