#include "app/missing/NameLevels.h"

namespace Quorvane {

std::vector<std::wstring> FullNamePrefixes(const std::wstring& fullName)
{
    std::vector<std::wstring> prefixes;
    for (size_t colon = fullName.find(L':'); colon != std::wstring::npos; colon = fullName.find(L':', colon + 1))
        prefixes.push_back(fullName.substr(0, colon));
    prefixes.push_back(fullName);
    return prefixes;
}

std::wstring LastLevel(const std::wstring& fullName)
{
    const size_t colon = fullName.rfind(L':');
    return colon == std::wstring::npos ? fullName : fullName.substr(colon + 1);
}

std::wstring ParentName(const std::wstring& fullName)
{
    const size_t colon = fullName.rfind(L':');
    return colon == std::wstring::npos ? std::wstring() : fullName.substr(0, colon);
}

}  // namespace Quorvane
