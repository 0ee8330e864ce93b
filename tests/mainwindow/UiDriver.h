#pragma once
// Drives a UI thread from a thread of its own, as the controller's workers do: calls posted to
// the UI thread, and waiting for what the page shows.
#include <windows.h>

#include <functional>

class UiDriver {
public:
    // The calling thread is the UI thread; a call posted to it must start within the limit,
    // generous because an emulated 32-bit run on a busy machine is slow.
    explicit UiDriver(DWORD callLimitMilliseconds = 30000)
        : m_uiThread(GetCurrentThreadId()), m_callLimitMilliseconds(callLimitMilliseconds)
    {
    }

    // Runs `loop` (a message loop) on the UI thread while `drive` runs on a thread of its own,
    // and returns when the loop ends. A watchdog ends a loop that outlives the limit: false.
    bool RunWhile(const std::function<void()>& loop, const std::function<void()>& drive, DWORD limitMilliseconds);
    // From the driver: runs the call on the UI thread and waits for it. A call the UI thread has
    // not started within the limit never runs: false.
    bool OnUiThread(const std::function<void()>& call);
    // From the driver: waits until the condition holds on the UI thread; false after the limit.
    // Each look is a call of its own; one the UI thread does not take in time is a "not yet".
    bool WaitFor(const std::function<bool()>& condition, DWORD limitMilliseconds);

    DWORD UiThread() const { return m_uiThread; }

private:
    DWORD m_uiThread;
    DWORD m_callLimitMilliseconds;
};
