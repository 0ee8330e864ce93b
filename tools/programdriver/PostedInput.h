#pragma once
// Mouse and keyboard input given to a window of another process as the system gives it: the
// messages are posted to its queue, so they pass through the program's own message loop
// (TranslateMessage, modal loops) at client coordinates. Posted input is handled after the
// queries already waiting; callers wait for its effect.
#include <windows.h>

#include <string>

namespace driver {

class PostedInput {
public:
    // A move there, a left press and its release. Two clicks at one spot are kept apart by
    // more than the double-click time, so each stays a click.
    void Click(HWND window, POINT point);
    // The wheel turned by notches over the point (client coordinates): negative turns scroll
    // down, as towards the user.
    void Wheel(HWND window, POINT point, int notches);
    // Key down and up (Enter, Tab, Escape, arrows...), translated by the program's loop.
    void Key(HWND window, UINT virtualKey);
    // The characters of the text, as TranslateMessage makes them from key presses.
    void Type(HWND window, const std::wstring& text);

private:
    void KeepApartFromLastClick(POINT point);

    DWORD m_lastClickTime = 0;
    POINT m_lastClickPoint = { -1000, -1000 };
};

}  // namespace driver
