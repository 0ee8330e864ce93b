#pragma once
#include <string>

namespace Quorvane {

// The program needs a server of version 3.2 or later: "3.2", "3.10", "3.2.1", "4.0" pass;
// "3.1", "2.9", "3", "3." and "4." do not.
bool IsSupportedServerVersion(const std::wstring& version);

}  // namespace Quorvane
