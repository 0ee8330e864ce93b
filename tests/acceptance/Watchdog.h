#pragma once
// Ends the program under test when a case outlives its time; the step waiting for the
// program then fails, and the case with it.
#include <windows.h>

#include "tools/programdriver/ProgramProcess.h"

class Watchdog {
public:
    Watchdog(driver::ProgramProcess& program, DWORD milliseconds);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    bool Fired() const { return m_fired != 0; }

private:
    static DWORD WINAPI Watch(LPVOID self);

    driver::ProgramProcess& m_program;
    DWORD m_milliseconds;
    HANDLE m_done;
    HANDLE m_thread;
    volatile LONG m_fired = 0;
};
