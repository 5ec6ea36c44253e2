// Small helpers around keys and window coordinates, for the user interface.
#pragma once

#include <windows.h>

/// Whether the Control / Shift key is down at this moment (asynchronous state).
bool IsControlKeyDown();
bool IsShiftKeyDown();

/// Converts both corners of `rect` from screen to client coordinates of
/// `window`; does nothing for a null window or rectangle.
void ScreenToClientRect(HWND window, RECT* rect);
