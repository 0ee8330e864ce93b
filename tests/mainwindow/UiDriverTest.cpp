// The driver's posted calls: one the UI thread takes too late never runs, so nothing it
// captured is touched after the driver has given up on it.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "UiDriver.h"

TEST(UiDriver, ACallTheUiThreadTakesTooLateNeverRuns)
{
    UiDriver driver(50);
    const std::shared_ptr<bool> ran = std::make_shared<bool>(false);
    bool taken = true;
    // The UI thread waits without taking posted calls until the driver has given up.
    HANDLE givenUp = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread driving([&] {
        taken = driver.OnUiThread([ran] { *ran = true; });
        SetEvent(givenUp);
    });
    WaitForSingleObject(givenUp, INFINITE);
    driving.join();
    CloseHandle(givenUp);
    // It takes its posted calls now, and their wake-up messages.
    SleepEx(0, TRUE);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        ;
    EXPECT_FALSE(taken);
    EXPECT_FALSE(*ran);
}
