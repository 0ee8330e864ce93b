#pragma once
// A picture of a window as the screen shows it, frame and all, with whatever lies above it.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace driver {

// Writes the PNG; DriverError when the window has no area or the file cannot be written.
void SaveWindowShot(HWND window, const std::wstring& path);
// A picture of every shown window of the process, as PATH_START-1.png, -2.png...; for the
// reader of a failure. The paths written come back with the windows' titles.
std::vector<std::pair<std::wstring, std::wstring>> SaveShownWindowShots(DWORD processId, const std::wstring& pathStart);

}  // namespace driver
