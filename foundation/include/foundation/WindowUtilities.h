// Small helpers around keys and window coordinates, for the user interface.
#pragma once

#include <windows.h>

/// Whether the Control / Shift key is down at this moment (asynchronous state).
bool IsControlKeyDown();
bool IsShiftKeyDown();

/// Where the key state comes from: GetAsyncKeyState unless a test scripts it.
/// Returns the previous source; null restores the system's.
typedef SHORT(WINAPI* KeyStateSource)(int key);
KeyStateSource SetKeyStateSource(KeyStateSource source);

/// Converts both corners of `rect` from screen to client coordinates of
/// `window`; does nothing for a null window or rectangle.
void ScreenToClientRect(HWND window, RECT* rect);
