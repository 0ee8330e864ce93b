#pragma once
// A step of the driver that could not be done: what was wanted and what the window showed.
#include <stdexcept>
#include <string>

#include "core/TextCodec.h"

namespace driver {

class DriverError : public std::runtime_error {
public:
    explicit DriverError(const std::wstring& what);
};

using Quorvane::Narrow;

}  // namespace driver
