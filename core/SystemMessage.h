#pragma once
// The system's own words for a Win32 error, for messages that must say why something failed.
#include <windows.h>
#include <string>

namespace Quorvane {

// Without the trailing line break; "Windows error N" when the system has no text for it.
std::wstring SystemMessage(DWORD error);

}  // namespace Quorvane
