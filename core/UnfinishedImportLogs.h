#pragma once
// Import logs that a run left unfinished, because the program was stopped or the machine went
// down during the import: the temporary files in the company's log folder. Each is finished as
// an interrupted run's log under the name its range gives, every line it holds kept, so that the
// changes written before the stop are reported where the bookkeeper looks. A log that a live run
// still writes is held open by that run and left alone; so is one whose run finished it but could
// not rename it (that run reported its path).
#include <string>

namespace Quorvane {
namespace Logging {

void FinishUnfinishedImportLogs(const std::wstring& companyName);

}  // namespace Logging
}  // namespace Quorvane
