#include "tests/support/EngineTestWindow.h"

#include "htmlengine/api/EngineDocument.h"

namespace {

const wchar_t kClassName[] = L"EngineTestWindow";

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    BOOL handled = FALSE;
    LRESULT result = HTMLayoutProcND(hwnd, message, wParam, lParam, &handled);
    return handled ? result : DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterTestClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    registered = RegisterClassW(&windowClass) != 0;
}

}  // namespace

HWND CreateEngineTestWindow(int width, int height, DWORD style)
{
    RegisterTestClass();
    return CreateWindowExW(0, kClassName, L"", style, 0, 0, width, height, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}
