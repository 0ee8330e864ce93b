#pragma once
// A thread that runs one call and ends on its own; nobody waits for it. What the call throws
// stops at the thread's top (core/Boundary) and goes to the connector log.
#include <boost/function.hpp>

namespace Quorvane {

// False when no thread could be started; the call then never runs. `where` names the thread
// in the log.
bool StartDetachedThread(const wchar_t* where, const boost::function<void()>& call);

}  // namespace Quorvane
