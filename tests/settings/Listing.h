#pragma once
// A collection written as one line for comparisons: each item's text followed by a blank.
#include <string>

template <typename Collection, typename Text>
std::wstring Listing(const Collection& items, Text text)
{
    std::wstring line;
    for (const auto& item : items)
        line += text(*item) + L" ";
    return line;
}
