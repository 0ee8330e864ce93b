#include "tools/programdriver/DriverError.h"

#include "core/TextCodec.h"

namespace driver {

std::string Narrow(const std::wstring& text)
{
    Quorvane::WideToUtf8 bytes(text);
    return std::string(bytes.c_str(), bytes.size());
}

DriverError::DriverError(const std::wstring& what) : std::runtime_error(Narrow(what)) {}

}  // namespace driver
