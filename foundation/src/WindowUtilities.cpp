#include "foundation/WindowUtilities.h"

namespace {

KeyStateSource g_keyStateSource = GetAsyncKeyState;

bool IsKeyDown(int key) { return (g_keyStateSource(key) & 0x8000) != 0; }

}  // namespace

KeyStateSource SetKeyStateSource(KeyStateSource source) {
  KeyStateSource previous = g_keyStateSource;
  g_keyStateSource = source ? source : GetAsyncKeyState;
  return previous;
}

bool IsControlKeyDown() { return IsKeyDown(VK_CONTROL); }

bool IsShiftKeyDown() { return IsKeyDown(VK_SHIFT); }

void ScreenToClientRect(HWND window, RECT* rect) {
  if (window == nullptr || rect == nullptr) return;
  POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
  ScreenToClient(window, &corners[0]);
  ScreenToClient(window, &corners[1]);
  *rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}
