#pragma once
// Waiting for what a window shows, with the driver's own messages answered meanwhile (the
// program may ask the driver's windows something while the driver waits).
#include <windows.h>

#include <functional>
#include <string>

namespace driver {

// How long a step waits for the program unless it says otherwise.
const DWORD kStepTimeoutMs = 30000;
// A load or an import of the demo company on a busy machine.
const DWORD kLoadTimeoutMs = 60000;

// True once the condition holds; false when the time ran out first.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs);
// The same, or DriverError naming what was awaited.
void WaitUntil(const std::wstring& what, const std::function<bool()>& condition, DWORD timeoutMs = kStepTimeoutMs);
// Lets the time pass while answering the driver's own messages.
void Pause(DWORD milliseconds);

}  // namespace driver
