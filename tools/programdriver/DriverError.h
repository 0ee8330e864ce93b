#pragma once
// A step of the driver that could not be done: what was wanted and what the window showed.
#include <stdexcept>
#include <string>

namespace driver {

class DriverError : public std::runtime_error {
public:
    explicit DriverError(const std::wstring& what);
};

std::string Narrow(const std::wstring& text);

}  // namespace driver
