#include "tests/acceptance/Watchdog.h"

Watchdog::Watchdog(driver::ProgramProcess& program, DWORD milliseconds)
    : m_program(program),
      m_milliseconds(milliseconds),
      m_done(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      m_thread(CreateThread(nullptr, 0, &Watchdog::Watch, this, 0, nullptr))
{
}

Watchdog::~Watchdog()
{
    SetEvent(m_done);
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    CloseHandle(m_done);
}

DWORD WINAPI Watchdog::Watch(LPVOID param)
{
    auto* self = static_cast<Watchdog*>(param);
    if (WaitForSingleObject(self->m_done, self->m_milliseconds) == WAIT_TIMEOUT) {
        InterlockedExchange(&self->m_fired, 1);
        self->m_program.Terminate();
    }
    return 0;
}
