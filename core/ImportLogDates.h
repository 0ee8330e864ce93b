#pragma once
// The header line in which an import log names the range it imported, "Imported dates:   Mar 1,
// 2012 - Mar 31, 2012", written by the log and read back when an unfinished log is finished.
#include <string>
#include "core/DateTime.h"

namespace Quorvane {
namespace Logging {

// "Mar 1, 2012"
std::wstring FormatLogDate(const DateTime& date);

std::wstring FormatRangeLine(const DateTime& start, const DateTime& end);

// False, and both dates untouched, for any line that FormatRangeLine did not write.
bool ParseRangeLine(const std::wstring& line, DateTime& start, DateTime& end);

}  // namespace Logging
}  // namespace Quorvane
