#include "connectors/server/ServerVersion.h"

#include "json/TextHelpers.h"

namespace Quorvane {

namespace {

const int kLowestMajor = 3;
const int kLowestMinor = 2;

}  // namespace

bool IsSupportedServerVersion(const std::wstring& version)
{
    size_t point = version.find(L'.');
    if (point == std::wstring::npos)
        return false;
    int major = htmlayout::wtoi(version.c_str(), 0);
    if (major < kLowestMajor || version.size() < 3)
        return false;
    return major > kLowestMajor || htmlayout::wtoi(version.c_str() + point + 1, 0) >= kLowestMinor;
}

}  // namespace Quorvane
