#pragma once
// The toolkit's trampolines (engine callbacks, dialog and notification procedures) run their
// bodies through this: a failure is logged to the connector log and the caller's fallback
// answer is returned, so nothing unwinds through the engine or the window manager.
#include "core/Boundary.h"

namespace htmlayout {
namespace detail {

template <typename Result, typename Body>
Result guarded(const wchar_t* where, Result on_failure, Body body)
{
    Result answer = on_failure;
    Quorvane::RunAtBoundary(where, [&] { answer = body(); });
    return answer;
}

template <typename Body>
void guarded(const wchar_t* where, Body body)
{
    Quorvane::RunAtBoundary(where, body);
}

}  // namespace detail
}  // namespace htmlayout
