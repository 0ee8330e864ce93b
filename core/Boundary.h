#pragma once
// The one catch-all for places no exception may leave: thread entries, asynchronous procedure
// calls, window procedures and engine callbacks. What it catches goes to the connector log.
#include <boost/function.hpp>

namespace Quorvane {

// Runs the call; false when it threw. `where` names the boundary in the log line.
bool RunAtBoundary(const wchar_t* where, const boost::function<void()>& call);

}  // namespace Quorvane
