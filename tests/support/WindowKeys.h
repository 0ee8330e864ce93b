#pragma once
// Keys as a window gets them from the keyboard: WM_KEYDOWN and WM_KEYUP posted to it, with the
// thread's keyboard state holding the modifier down meanwhile, and the messages dispatched
// before the call returns.
#include <windows.h>

// modifier: VK_SHIFT, VK_CONTROL, VK_MENU, or 0 for none.
void PressWindowKey(HWND window, UINT key, BYTE modifier = 0);
