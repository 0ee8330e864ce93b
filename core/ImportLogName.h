#pragma once
// The names import logs are kept under: "<start> - <end> [n]<suffix>.txt" in the company's
// log folder, n counting the logs of the same range.
#include <string>
#include "core/DateTime.h"

namespace Quorvane {
namespace Logging {

// The company's log folder in the public documents, without a trailing backslash; empty when
// that folder is unknown.
std::wstring CompanyLogFolder(const std::wstring& companyName);

// The number between a name's first "[" and the next "]"; 1 when there is none or it is not
// a positive number.
int ReadLogNumber(const std::wstring& fileName);

// " [1]" when the folder holds no log of the range, else one above the highest number found.
std::wstring NextLogCounter(const std::wstring& folder, const DateTime& start, const DateTime& end);

// " (Interrupted)" for any outcome but finished, else " (Finished with warnings)" when a
// warning was written, else nothing.
std::wstring ImportLogSuffix(int outcome, bool hasWarnings);

// The full path of the next log of the range; `folder` ends in a backslash.
std::wstring NextImportLogPath(const std::wstring& folder, const DateTime& start, const DateTime& end, int outcome,
                               bool hasWarnings);

}  // namespace Logging
}  // namespace Quorvane
