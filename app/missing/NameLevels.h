#pragma once
// The levels of a QuickBooks full name: "A:B:C" has the prefixes "A", "A:B" and "A:B:C".
#include <string>
#include <vector>

namespace Quorvane {

// Every prefix that ends before a ":", then the whole name.
std::vector<std::wstring> FullNamePrefixes(const std::wstring& fullName);
// The text after the last ":" (all of it when there is none).
std::wstring LastLevel(const std::wstring& fullName);
// The text before the last ":" (empty when there is none).
std::wstring ParentName(const std::wstring& fullName);

}  // namespace Quorvane
