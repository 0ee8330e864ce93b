#include "app/import/ImportLauncher.h"

#include <windows.h>
#include <process.h>

#include <boost/bind/bind.hpp>

#include "app/import/ImportRun.h"
#include "core/Boundary.h"
#include "core/CriticalSection.h"
#include "core/Event.h"

namespace Quorvane {

// Shared with the thread, so that it outlives a launcher destroyed while a run goes on.
// The lock keeps the flag and the idle event in step.
struct ImportLauncher::State {
    State() : running(false), idle(TRUE) {}
    CriticalSection lock;
    bool running;
    Event idle;
};

namespace {

struct ThreadStart {
    boost::shared_ptr<ImportLauncher::State> state;
    boost::shared_ptr<ImportRun> run;
};

void EndRun(ImportLauncher::State& state)
{
    CriticalSectionLock lock(state.lock);
    state.running = false;
    state.idle.Set(true);
}

bool BeginRun(ImportLauncher::State& state)
{
    CriticalSectionLock lock(state.lock);
    if (state.running)
        return false;
    state.running = true;
    state.idle.Set(false);
    return true;
}

unsigned __stdcall ImportThread(void* argument)
{
    ThreadStart* start = static_cast<ThreadStart*>(argument);
    RunAtBoundary(L"import thread", boost::bind(&ImportRun::RunImport, start->run.get()));
    EndRun(*start->state);
    delete start;
    return 0;
}

}  // namespace

ImportLauncher::ImportLauncher() : m_state(new State) {}

bool ImportLauncher::Start(const boost::shared_ptr<ImportRun>& run)
{
    if (!BeginRun(*m_state))
        return false;
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
    CriticalSectionLock lock(m_state->lock);
    return m_state->running;
}

bool ImportLauncher::WaitUntilIdle(unsigned long milliseconds) const
{
    return m_state->idle.Wait(milliseconds);
}

}  // namespace Quorvane
