#include "tools/programdriver/TopWindows.h"

namespace driver {

namespace {

struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectShown(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<ProcessWindows*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param)
{
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND window)
{
    std::vector<HWND> children;
    EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

}  // namespace

std::wstring WindowClass(HWND window)
{
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring WindowTitle(HWND window)
{
    wchar_t title[512] = L"";
    GetWindowTextW(window, title, 512);
    return title;
}

std::vector<HWND> ShownWindowsOf(DWORD processId)
{
    ProcessWindows search = { processId, {} };
    EnumWindows(&CollectShown, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindShownWindow(DWORD processId, const std::wstring& className, const std::wstring& title)
{
    for (HWND window : ShownWindowsOf(processId))
        if (WindowClass(window) == className && (title.empty() || WindowTitle(window) == title))
            return window;
    return nullptr;
}

HWND FindChildByText(HWND window, const std::wstring& text)
{
    for (HWND child : ChildrenOf(window))
        if (WindowTitle(child) == text)
            return child;
    return nullptr;
}

std::wstring ChildTexts(HWND window)
{
    std::wstring texts;
    for (HWND child : ChildrenOf(window))
        texts += WindowTitle(child) + L"\n";
    return texts;
}

}  // namespace driver
