#pragma once
// A hidden engine window for tests, handled by the engine's window procedure alone; the test
// adds the program's side (notifications, event handlers) itself.
#include <windows.h>

// Null when the window cannot be made (the display is not usable).
HWND CreateEngineTestWindow(int width, int height, DWORD style = WS_OVERLAPPEDWINDOW);
