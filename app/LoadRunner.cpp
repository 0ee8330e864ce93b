#include "app/LoadRunner.h"

#include <objbase.h>
#include <process.h>

#include <exception>
#include <memory>

#include <boost/bind/bind.hpp>

#include "connectors/quickbooks/QuickBooksErrors.h"
#include "core/Boundary.h"

using namespace Quorvane;

struct LoadRunner::Request {
    LoadRunner* runner;
    bool loginRequested;
};

namespace {

const DWORD kExitWaitMilliseconds = 10000;
const DWORD kPollMilliseconds = 50;

// The busy event is reset on every way out of the load thread.
class BusyScope {
public:
    explicit BusyScope(Event& busy) : m_busy(busy) {}
    ~BusyScope() { m_busy.Set(false); }

private:
    Event& m_busy;
};

}  // namespace

LoadRunner::LoadRunner(const Body& body, const FailureHandler& onFailure)
    : m_body(body), m_onFailure(onFailure), m_busy(FALSE), m_abort(0), m_stopped(0), m_threads(0), m_idle(TRUE)
{
    m_busy.Set(false);
}

LoadRunner::~LoadRunner()
{
    Stop();
    WaitForIdle(kExitWaitMilliseconds);
}

void LoadRunner::StartLoad(bool loginRequested)
{
    Request* request = new Request;
    request->runner = this;
    request->loginRequested = loginRequested;
    // With no thread of ours alive no load runs, and there is nothing for a starter to wait for.
    if (!IsBusy())
        Start(request);
    else if (!StartThread(&LoadRunner::StarterThread, request))
        delete request;
}

bool LoadRunner::StartThread(unsigned(__stdcall* entry)(void*), Request* request)
{
    ThreadStarting();
    HANDLE thread = reinterpret_cast<HANDLE>(_beginthreadex(NULL, 0, entry, request, 0, NULL));
    if (!thread) {
        ThreadEnded();
        return false;
    }
    CloseHandle(thread);
    return true;
}

// Only a thread's start from nothing resets the event, before that thread exists; the end of the
// last one sets it as its last touch of this object, after which the runner may be destroyed.
void LoadRunner::ThreadStarting()
{
    if (InterlockedIncrement(&m_threads) == 1)
        m_idle.Set(false);
}

void LoadRunner::ThreadEnded()
{
    if (InterlockedDecrement(&m_threads) == 0)
        m_idle.Set(true);
}

void LoadRunner::CheckAbort() const
{
    if (IsAbortRequested())
        throw OperationAbortedException();
}

bool LoadRunner::IsAbortRequested() const
{
    return InterlockedCompareExchange(const_cast<volatile LONG*>(&m_abort), 0, 0) != 0;
}

bool LoadRunner::IsBusy() const
{
    return InterlockedCompareExchange(const_cast<volatile LONG*>(&m_threads), 0, 0) != 0;
}

void LoadRunner::Stop()
{
    InterlockedExchange(&m_stopped, 1);
    InterlockedExchange(&m_abort, 1);
}

bool LoadRunner::WaitForIdle(DWORD milliseconds)
{
    // A thread that ends as another starts may set the event late: the count decides.
    const DWORD start = GetTickCount();
    while (IsBusy()) {
        const DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds || !m_idle.Wait(milliseconds - spent))
            return false;
    }
    return true;
}

unsigned __stdcall LoadRunner::StarterThread(void* request)
{
    Request* starting = static_cast<Request*>(request);
    LoadRunner* runner = starting->runner;
    RunAtBoundary(L"load starter thread", boost::bind(&LoadRunner::Start, runner, starting));
    runner->ThreadEnded();
    return 0;
}

void LoadRunner::WaitForRunningLoad()
{
    if (!m_busy.Wait(0))
        return;
    InterlockedExchange(&m_abort, 1);
    while (m_busy.Wait(0))
        Sleep(kPollMilliseconds);
}

void LoadRunner::Start(Request* request)
{
    std::unique_ptr<Request> owned(request);
    {
        CriticalSectionLock lock(m_lock);
        WaitForRunningLoad();
        if (InterlockedCompareExchange(&m_stopped, 0, 0))
            return;
        // Cleared here, not by the load: a request that arrives while this load starts aborts it.
        InterlockedExchange(&m_abort, 0);
        m_busy.Set(true);
    }
    if (StartThread(&LoadRunner::LoadThread, request))
        owned.release();
    else
        m_busy.Set(false);
}

unsigned __stdcall LoadRunner::LoadThread(void* request)
{
    std::unique_ptr<Request> owned(static_cast<Request*>(request));
    LoadRunner* runner = owned->runner;
    CoInitialize(NULL);
    RunAtBoundary(L"load thread", boost::bind(&LoadRunner::Run, runner, owned.get()));
    CoUninitialize();
    runner->ThreadEnded();
    return 0;
}

void LoadRunner::Run(Request* request)
{
    BusyScope busy(m_busy);
    try {
        m_body(request->loginRequested);
    } catch (const OperationAbortedException&) {
        // A newer request wanted the thread; it reports for itself.
    } catch (const std::exception& failure) {
        m_onFailure(failure.what());
    } catch (...) {
        m_onFailure("unknown failure");
    }
}
