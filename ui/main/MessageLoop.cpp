#include "ui/main/MessageLoop.h"

#include <windows.h>

namespace {

// Every queue-status bit from keys to all posted messages.
const DWORD kWakeMask = 0x1FF;
const DWORD kWaitMilliseconds = 50;

// Returns when input arrives (also input already queued, which the alertable flag alone would
// sleep through) or when a posted call has run.
void WaitForInputOrPostedCall()
{
    while (MsgWaitForMultipleObjectsEx(0, nullptr, kWaitMilliseconds, kWakeMask,
                                       MWMO_ALERTABLE | MWMO_INPUTAVAILABLE) == WAIT_TIMEOUT)
        SleepEx(1, TRUE);
}

}  // namespace

void RunMessageLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        WaitForInputOrPostedCall();
    }
}

void RunPostedCalls()
{
    SleepEx(0, TRUE);
}
