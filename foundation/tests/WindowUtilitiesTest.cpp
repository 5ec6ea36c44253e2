#include "foundation/WindowUtilities.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowUtilitiesTest, ScreenToClientRectMovesBothCorners) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 50, 200, 150, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
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

// The keys a scripted keyboard holds down; only the high bit means "down".
int g_heldKey = 0;
SHORT WINAPI ScriptedKeyState(int key) { return key == g_heldKey ? SHORT(0x8001) : SHORT(0x0001); }

TEST(WindowUtilitiesTest, KeyStateFollowsTheKeyboard) {
  KeyStateSource previous = SetKeyStateSource(ScriptedKeyState);
  const struct {
    int held;
    bool control, shift;
  } cases[] = {
      {0, false, false}, {VK_CONTROL, true, false}, {VK_SHIFT, false, true}, {'A', false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.held);
    g_heldKey = c.held;
    EXPECT_EQ(c.control, IsControlKeyDown());
    EXPECT_EQ(c.shift, IsShiftKeyDown());
  }
  EXPECT_EQ(ScriptedKeyState, SetKeyStateSource(previous));
}

}  // namespace
