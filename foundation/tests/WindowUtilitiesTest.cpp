#include "WindowUtilities.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowUtilitiesTest, ScreenToClientRectMovesBothCorners) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 50, 200, 150,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(nullptr, window);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  RECT rect = {origin.x + 10, origin.y + 20, origin.x + 30, origin.y + 40};
  ScreenToClientRect(window, &rect);
  EXPECT_EQ(10, rect.left);
  EXPECT_EQ(20, rect.top);
  EXPECT_EQ(30, rect.right);
  EXPECT_EQ(40, rect.bottom);

  RECT untouched = {1, 2, 3, 4};
  ScreenToClientRect(nullptr, &untouched);
  EXPECT_EQ(1, untouched.left);
  EXPECT_EQ(4, untouched.bottom);
  ScreenToClientRect(window, nullptr);
  DestroyWindow(window);
}

TEST(WindowUtilitiesTest, KeyStateFollowsInput) {
  const struct {
    BYTE key;
    bool (*isDown)();
  } keys[] = {{VK_CONTROL, IsControlKeyDown}, {VK_SHIFT, IsShiftKeyDown}};
  for (const auto& k : keys) {
    SCOPED_TRACE(k.key);
    keybd_event(k.key, 0, 0, 0);
    EXPECT_TRUE(k.isDown());
    keybd_event(k.key, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_FALSE(k.isDown());
  }
}

}  // namespace
