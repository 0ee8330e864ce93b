#include "app/import/ImportLauncher.h"

#include <boost/bind/bind.hpp>

#include "app/import/ImportRun.h"
#include "core/Boundary.h"
#include "core/CriticalSection.h"
#include "core/DetachedThread.h"
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

// The run is over for the launcher only once its thread leaves it, whatever it threw.
void RunToTheEnd(const boost::shared_ptr<ImportLauncher::State>& state, const boost::shared_ptr<ImportRun>& run)
{
    RunAtBoundary(L"import thread", boost::bind(&ImportRun::RunImport, run.get()));
    EndRun(*state);
}

}  // namespace

ImportLauncher::ImportLauncher() : m_state(new State) {}

bool ImportLauncher::Start(const boost::shared_ptr<ImportRun>& run)
{
    if (!BeginRun(*m_state))
        return false;
    if (StartDetachedThread(L"import thread", boost::bind(&RunToTheEnd, m_state, run)))
        return true;
    EndRun(*m_state);
    return false;
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
