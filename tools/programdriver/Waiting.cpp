#include "tools/programdriver/Waiting.h"

#include "tools/programdriver/DriverError.h"

namespace driver {

namespace {

const DWORD kPollMs = 40;

void AnswerMessages(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    DWORD waited = 0;
    do {
        MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds - waited, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        waited = GetTickCount() - start;
    } while (waited < milliseconds);
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        AnswerMessages(kPollMs);
    }
    return true;
}

void WaitUntil(const std::wstring& what, const std::function<bool()>& condition, DWORD timeoutMs)
{
    if (!WaitFor(condition, timeoutMs))
        throw DriverError(L"waited " + std::to_wstring(timeoutMs / 1000) + L" s in vain for " + what);
}

void Pause(DWORD milliseconds)
{
    AnswerMessages(milliseconds);
}

}  // namespace driver
