#pragma once
// The one catch-all for places no exception may leave: thread entries, asynchronous procedure
// calls, window procedures and engine callbacks. What it catches goes to the connector log.
#include <string>

#include <boost/function.hpp>

namespace Quorvane {

// Runs the call; false when it threw. `where` names the boundary in the log line.
bool RunAtBoundary(const wchar_t* where, const boost::function<void()>& call);

// What the exception being handled says (a std::exception's text, a wide text, an error
// code); only inside a catch block.
std::wstring DescribeCurrentException();

// The same, also written to the connector log under `where`: for failures the window shows,
// so that a user's report has the log line behind it. Only inside a catch block.
std::wstring LogCurrentException(const wchar_t* where);

}  // namespace Quorvane
