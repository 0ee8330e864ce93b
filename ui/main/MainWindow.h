#pragma once
// The program's one top-level window: a plain Win32 window whose client area the HTML engine
// owns, showing the page "DEFAULT", with the MainView in its user data.
#include <windows.h>

class MainView;

// The window's own message that starts loading the data; it posts it to itself when shown.
const UINT kStartLoadingMessage = WM_USER + 1;
// The smallest outer size the user can give the window; it also starts at this size.
const int kMinimumWindowWidth = 900;
const int kMinimumWindowHeight = 700;

ATOM RegisterMainWindowClass(HINSTANCE instance);
// Null when the window could not be created.
HWND CreateMainWindow(HINSTANCE instance, int showCommand, MainView* view);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
