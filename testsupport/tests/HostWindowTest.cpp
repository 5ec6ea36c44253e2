// The host window: a hidden window of its own class that parents controls and
// records what they tell it.
#include "testsupport/HostWindow.h"

#include <gtest/gtest.h>

#include "testsupport/MessageLoop.h"

namespace {

TEST(HostWindowTest, IsAHiddenPopupOfItsOwnClass) {
  CTestHostWindow host;
  ASSERT_TRUE(host.CreateHost(120, 80));
  char className[64] = {};
  ::GetClassNameA(host.GetSafeHwnd(), className, sizeof className);
  EXPECT_STREQ(CTestHostWindow::kClassName, className);
  EXPECT_FALSE(host.IsWindowVisible());
  EXPECT_EQ(nullptr, ::GetParent(host.GetSafeHwnd()));
  CRect client;
  host.GetClientRect(&client);
  EXPECT_EQ(CRect(0, 0, 120, 80), client);
  EXPECT_EQ(&host, CWnd::FromHandlePermanent(host.GetSafeHwnd()));
  EXPECT_EQ(1, host.CountMessages(WM_CREATE));
}

TEST(HostWindowTest, RecordsWhatItsControlsTellIt) {
  CTestHostWindow host;
  ASSERT_TRUE(host.CreateHost());
  CButton button;
  ASSERT_TRUE(button.Create("go", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 50, 20), &host, 42));
  host.ClearMessages();

  button.SendMessage(BM_CLICK);
  EXPECT_TRUE(RunMessagesUntil([&] { return host.CountMessages(WM_COMMAND) > 0; }));
  ASSERT_NE(nullptr, host.FindLastMessage(WM_COMMAND));
  const HostMessage command = *host.FindLastMessage(WM_COMMAND);
  EXPECT_EQ(MAKEWPARAM(42, BN_CLICKED), command.wParam);
  EXPECT_EQ(reinterpret_cast<LPARAM>(button.GetSafeHwnd()), command.lParam);
  EXPECT_EQ(0u, command.notify.code);

  NMHDR header = {button.GetSafeHwnd(), 42, NM_RCLICK};
  host.SendMessage(WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&header));
  const HostMessage* notify = host.FindLastMessage(WM_NOTIFY);
  ASSERT_NE(nullptr, notify);
  EXPECT_EQ(static_cast<UINT>(NM_RCLICK), notify->notify.code);
  EXPECT_EQ(42u, notify->notify.idFrom);

  host.ClearMessages();
  EXPECT_TRUE(host.GetMessages().empty());
  EXPECT_EQ(nullptr, host.FindLastMessage(WM_COMMAND));
}

}  // namespace
