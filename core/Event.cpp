#include "core/Event.h"

namespace Quorvane {

Event::Event(BOOL initialState, LPCWSTR name) : m_handle(CreateEventW(NULL, TRUE, initialState, name))
{
}

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
    DWORD result;
    do {
        result = WaitForSingleObjectEx(m_handle, milliseconds, TRUE);
    } while (result == WAIT_IO_COMPLETION);
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
