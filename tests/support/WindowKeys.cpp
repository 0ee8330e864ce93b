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
    // With Alt held a key is a system key, and its message says Alt is held (context code).
    const bool alt = modifier == VK_MENU;
    PostMessageW(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? 0x20000001 : 1);
    PostMessageW(window, alt ? WM_SYSKEYUP : WM_KEYUP, key, alt ? 0xE0000001 : 0xC0000001);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    SetModifier(modifier, false);
}
