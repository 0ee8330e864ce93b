#include "tests/support/WindowKeys.h"

namespace {

void SetModifier(BYTE modifier, bool down)
{
    if (!modifier)
        return;
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[modifier] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

}  // namespace

void PressWindowKey(HWND window, UINT key, BYTE modifier)
{
    SetModifier(modifier, true);
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    SetModifier(modifier, false);
}
