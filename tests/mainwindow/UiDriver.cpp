#include "UiDriver.h"

#include <atomic>
#include <thread>

#include "core/PostToThread.h"

bool UiDriver::RunWhile(const std::function<void()>& loop, const std::function<void()>& drive, DWORD limitMilliseconds)
{
    std::atomic<bool> loopEnded(false);
    std::atomic<bool> watchdogFired(false);
    std::thread driver(drive);
    std::thread watchdog([&] {
        for (DWORD waited = 0; waited < limitMilliseconds && !loopEnded; waited += 20)
            Sleep(20);
        if (!loopEnded) {
            watchdogFired = true;
            PostThreadMessageW(m_uiThread, WM_QUIT, 0, 0);
        }
    });
    loop();
    loopEnded = true;
    watchdog.join();
    driver.join();
    return !watchdogFired;
}

void UiDriver::OnUiThread(const std::function<void()>& call)
{
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    Quorvane::PostToThread(m_uiThread, [call, done] {
        call();
        SetEvent(done);
    });
    WaitForSingleObject(done, 5000);
    CloseHandle(done);
}

bool UiDriver::WaitFor(const std::function<bool()>& condition, DWORD limitMilliseconds)
{
    for (DWORD waited = 0; waited < limitMilliseconds; waited += 50) {
        bool holds = false;
        OnUiThread([&] { holds = condition(); });
        if (holds)
            return true;
        Sleep(50);
    }
    return false;
}
