#pragma once
// The shown top-level windows of a process, and the native controls in them.
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

std::wstring WindowClass(HWND window);
std::wstring WindowTitle(HWND window);

// Shown top-level windows of the process, topmost first.
std::vector<HWND> ShownWindowsOf(DWORD processId);
// The first shown window of the process with the class and, unless empty, the title; or null.
HWND FindShownWindow(DWORD processId, const std::wstring& className, const std::wstring& title);
// A child control of the window whose text is exactly the text; or null.
HWND FindChildByText(HWND window, const std::wstring& text);
// Every child control's text, one per line, for messages about a window.
std::wstring ChildTexts(HWND window);

}  // namespace driver
