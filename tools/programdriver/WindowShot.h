#pragma once
// A picture of a window as the screen shows it, frame and all, with whatever lies above it.
#include <windows.h>

#include <string>

namespace driver {

// Writes the PNG; DriverError when the window has no area or the file cannot be written.
void SaveWindowShot(HWND window, const std::wstring& path);

}  // namespace driver
