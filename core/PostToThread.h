#pragma once
// Hands a bound call to another thread, which runs it the next time it waits alertably (the UI
// thread does so in its message loop).
#include <windows.h>
#include <boost/function.hpp>

namespace Quorvane {

// The thread message that wakes the target's message loop; it needs no handling of its own
// and, having no window, must not be taken for mouse input.
const UINT kPostedCallWakeMessage = 0x200;

// Copies the call, so its bound objects live until it has run. False when the call is empty
// or could not be queued; the call then never runs.
bool PostToThread(DWORD threadId, const boost::function<void()>& call);

// Runs and frees one posted call; nothing it throws leaves the asynchronous procedure call.
void CALLBACK ApcRunPostedCall(ULONG_PTR postedCall);

}  // namespace Quorvane
