#include "UiDriver.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
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

bool UiDriver::OnUiThread(const std::function<void()>& call)
{
    // Shared with the posted call, which may run after the driver has given up: the call is
    // dropped then, since what it captured may be gone. One that has started is waited for.
    struct Posted {
        std::function<void()> call;
        std::mutex lock;
        std::condition_variable ended;
        bool ran = false;
        bool abandoned = false;
    };
    const std::shared_ptr<Posted> posted = std::make_shared<Posted>();
    posted->call = call;
    const bool queued = Quorvane::PostToThread(m_uiThread, [posted] {
        std::lock_guard<std::mutex> hold(posted->lock);
        if (posted->abandoned)
            return;
        posted->call();
        posted->ran = true;
        posted->ended.notify_all();
    });
    std::unique_lock<std::mutex> hold(posted->lock);
    if (queued && posted->ended.wait_for(hold, std::chrono::milliseconds(m_callLimitMilliseconds),
                                         [&posted] { return posted->ran; }))
        return true;
    posted->abandoned = true;
    return false;
}

bool UiDriver::WaitFor(const std::function<bool()>& condition, DWORD limitMilliseconds)
{
    // A UI thread too busy to take one look (a slow machine, a long refresh) is not yet an
    // answer: the next look may be taken.
    const ULONGLONG deadline = GetTickCount64() + limitMilliseconds;
    do {
        bool holds = false;
        if (OnUiThread([&] { holds = condition(); }) && holds)
            return true;
        Sleep(50);
    } while (GetTickCount64() < deadline);
    return false;
}
