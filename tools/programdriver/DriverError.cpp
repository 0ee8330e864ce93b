#include "tools/programdriver/DriverError.h"

namespace driver {

DriverError::DriverError(const std::wstring& what) : std::runtime_error(Narrow(what)) {}

}  // namespace driver
