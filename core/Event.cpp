#include "core/Event.h"

namespace Quorvane {

Event::Event(BOOL initialState, LPCWSTR name) : m_handle(CreateEventW(NULL, TRUE, initialState, name)) {}

void Event::Set(bool signaled)
{
    if (IsNull())
        return;
    if (signaled)
        SetEvent(m_handle);
    else
        ResetEvent(m_handle);
}

bool Event::Wait(DWORD milliseconds)
{
    if (IsNull())
        return false;
    // Calls delivered while waiting run here; they use up the time instead of starting it anew,
    // or a steady stream of them would keep the caller waiting for ever.
    const DWORD start = GetTickCount();
    DWORD left = milliseconds;
    DWORD result;
    while ((result = WaitForSingleObjectEx(m_handle, left, TRUE)) == WAIT_IO_COMPLETION) {
        if (milliseconds == INFINITE)
            continue;
        const DWORD spent = GetTickCount() - start;
        left = spent < milliseconds ? milliseconds - spent : 0;
    }
    return result == WAIT_OBJECT_0;
}

void Event::Close()
{
    if (IsNull())
        return;
    CloseHandle(m_handle);
    m_handle = NULL;
}

}  // namespace Quorvane
