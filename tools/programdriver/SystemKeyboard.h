#pragma once
// Keys pressed as a keyboard presses them: through the system's input queue (SendInput) to the
// foreground window, so that the program reads Shift, Alt and Control held with a key as it
// reads them from a person (GetKeyState), and Alt with a key arrives as a system key (Alt+F4).
#include <windows.h>

namespace driver {

enum Modifier : unsigned { kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4 };

// Makes the window the foreground window when it is not, then presses the modifiers, the key,
// and lets them go in reverse order. DriverError when the window does not come forward.
void PressKey(HWND window, UINT virtualKey, unsigned modifiers = kNoModifier);

}  // namespace driver
