#pragma once
// Whole files the program or the simulator writes as UTF-8 (company file, trace, logs), read
// back as text for the checks.
#include <cstddef>
#include <string>

namespace scenario {

// False when the file is missing, unreadable or larger than maxSize.
bool ReadUtf8File(const std::wstring& path, size_t maxSize, std::wstring& text);

}  // namespace scenario
