#include "WindowUtilities.h"

namespace {

bool IsKeyDown(int key) {
  return (GetAsyncKeyState(key) & 0x8000) != 0;
}

}  // namespace

bool IsControlKeyDown() {
  return IsKeyDown(VK_CONTROL);
}

bool IsShiftKeyDown() {
  return IsKeyDown(VK_SHIFT);
}

void ScreenToClientRect(HWND window, RECT* rect) {
  if (window == nullptr || rect == nullptr)
    return;
  POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
  ScreenToClient(window, &corners[0]);
  ScreenToClient(window, &corners[1]);
  *rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}
