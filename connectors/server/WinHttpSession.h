#pragma once
#include <windows.h>
#include <winhttp.h>

namespace Quorvane {

// A synchronous WinHTTP session with the program's user agent and the system's proxy; NULL
// when WinHTTP refuses.
HINTERNET OpenWinHttpSession();

}  // namespace Quorvane
