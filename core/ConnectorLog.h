#pragma once
// The process-wide log of the QuickBooks connector, which also records failures nobody else
// can report: unreadable settings, lost import logs, exceptions caught at thread tops.
#include <string>
#include <boost/shared_ptr.hpp>
#include "core/Logger.h"

namespace Quorvane {
namespace Logging {

// "QBConLog.txt" in the user's application-data folder + "\Quorvane\logs\", made once and
// thread-safely on first use; empty when the folder cannot be found or made.
boost::shared_ptr<Logger> GetConnectorLogger();

// Appends when there is a connector log.
void AppendToConnectorLog(const std::wstring& line);

}  // namespace Logging
}  // namespace Quorvane
