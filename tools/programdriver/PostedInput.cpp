#include "tools/programdriver/PostedInput.h"

#include <cstdlib>

namespace driver {

namespace {

LPARAM Coordinates(POINT point)
{
    return MAKELPARAM(point.x, point.y);
}

LPARAM KeyData(UINT virtualKey, bool release)
{
    LPARAM data = 1 | (LPARAM(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16);
    if (release)
        data |= LPARAM(0xC0000000u);
    return data;
}

}  // namespace

void PostedInput::KeepApartFromLastClick(POINT point)
{
    bool nearby = std::abs(point.x - m_lastClickPoint.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                  std::abs(point.y - m_lastClickPoint.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    DWORD since = GetTickCount() - m_lastClickTime;
    DWORD apart = GetDoubleClickTime() + 50;
    if (nearby && since < apart)
        Sleep(apart - since);
}

void PostedInput::Click(HWND window, POINT point)
{
    KeepApartFromLastClick(point);
    PostMessageW(window, WM_MOUSEMOVE, 0, Coordinates(point));
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Coordinates(point));
    PostMessageW(window, WM_LBUTTONUP, 0, Coordinates(point));
    m_lastClickTime = GetTickCount();
    m_lastClickPoint = point;
}

void PostedInput::Wheel(HWND window, POINT point, int notches)
{
    POINT screen = point;
    ClientToScreen(window, &screen);
    PostMessageW(window, WM_MOUSEMOVE, 0, Coordinates(point));
    PostMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, notches * WHEEL_DELTA), Coordinates(screen));
}

void PostedInput::Key(HWND window, UINT virtualKey)
{
    PostMessageW(window, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false));
    PostMessageW(window, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
}

void PostedInput::Type(HWND window, const std::wstring& text)
{
    for (wchar_t c : text)
        PostMessageW(window, WM_CHAR, c, 1);
}

}  // namespace driver
