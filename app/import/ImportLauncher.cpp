#include "app/import/ImportLauncher.h"

#include <windows.h>
#include <process.h>

#include "app/import/ImportRun.h"
#include "core/Event.h"

namespace Quorvane {

// Shared with the thread, so that it outlives a launcher destroyed while a run goes on.
struct ImportLauncher::State {
    State() : running(0), idle(TRUE) {}
    volatile LONG running;
    Event idle;
};

namespace {

struct ThreadStart {
    boost::shared_ptr<ImportLauncher::State> state;
    boost::shared_ptr<ImportRun> run;
};

void EndRun(ImportLauncher::State& state)
{
    state.idle.Set(true);
    InterlockedExchange(&state.running, 0);
}

unsigned __stdcall ImportThread(void* argument)
{
    ThreadStart* start = static_cast<ThreadStart*>(argument);
    try {
        start->run->RunImport();
    } catch (...) {
        // RunImport reports its own failures; nothing may leave the thread.
    }
    EndRun(*start->state);
    delete start;
    return 0;
}

}  // namespace

ImportLauncher::ImportLauncher() : m_state(new State) {}

bool ImportLauncher::Start(const boost::shared_ptr<ImportRun>& run)
{
    if (InterlockedCompareExchange(&m_state->running, 1, 0) != 0)
        return false;
    m_state->idle.Set(false);
    ThreadStart* start = new ThreadStart;
    start->state = m_state;
    start->run = run;
    const uintptr_t thread = _beginthreadex(NULL, 0, &ImportThread, start, 0, NULL);
    if (thread == 0) {
        delete start;
        EndRun(*m_state);
        return false;
    }
    CloseHandle(reinterpret_cast<HANDLE>(thread));
    return true;
}

bool ImportLauncher::IsRunning() const
{
    return InterlockedCompareExchange(&m_state->running, 0, 0) != 0;
}

bool ImportLauncher::WaitUntilIdle(unsigned long milliseconds) const
{
    return m_state->idle.Wait(milliseconds);
}

}  // namespace Quorvane
