#include "tools/programdriver/SystemKeyboard.h"

#include <iterator>
#include <vector>

#include "tools/programdriver/DriverError.h"
#include "tools/programdriver/Waiting.h"

namespace driver {

namespace {

// Keys of the grey block: the system tells them from the number pad's by this flag.
bool IsExtended(UINT key)
{
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
    case VK_APPS: return true;
    default: return false;
    }
}

INPUT KeyInput(UINT key, bool release)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = WORD(key);
    input.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (release ? KEYEVENTF_KEYUP : 0) | (IsExtended(key) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

void BringForward(HWND window)
{
    if (GetForegroundWindow() == window)
        return;
    SetForegroundWindow(window);
    WaitUntil(
        L"the window to come to the foreground for the keyboard", [&] { return GetForegroundWindow() == window; },
        5000);
}

}  // namespace

void PressKey(HWND window, UINT virtualKey, unsigned modifiers)
{
    static const struct {
        Modifier modifier;
        UINT key;
    } kModifierKeys[] = { { kControl, VK_CONTROL }, { kShift, VK_SHIFT }, { kAlt, VK_MENU } };
    BringForward(window);
    std::vector<INPUT> inputs;
    for (const auto& each : kModifierKeys)
        if (modifiers & each.modifier)
            inputs.push_back(KeyInput(each.key, false));
    inputs.push_back(KeyInput(virtualKey, false));
    inputs.push_back(KeyInput(virtualKey, true));
    for (auto each = std::rbegin(kModifierKeys); each != std::rend(kModifierKeys); ++each)
        if (modifiers & each->modifier)
            inputs.push_back(KeyInput(each->key, true));
    if (SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        throw DriverError(L"the system took not every key given to it");
}

}  // namespace driver
