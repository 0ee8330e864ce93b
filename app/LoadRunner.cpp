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
    : m_body(body), m_onFailure(onFailure), m_busy(FALSE), m_abort(0), m_stopped(0), m_threads(0)
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
    if (!StartThread(&LoadRunner::StarterThread, request))
        delete request;
}

bool LoadRunner::StartThread(unsigned(__stdcall* entry)(void*), Request* request)
{
    InterlockedIncrement(&m_threads);
    HANDLE thread = reinterpret_cast<HANDLE>(_beginthreadex(NULL, 0, entry, request, 0, NULL));
    if (!thread) {
        InterlockedDecrement(&m_threads);
        return false;
    }
    CloseHandle(thread);
    return true;
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
    const DWORD start = GetTickCount();
    while (InterlockedCompareExchange(&m_threads, 0, 0) != 0) {
        if (GetTickCount() - start >= milliseconds)
            return false;
        SleepEx(5, TRUE);
    }
    return true;
}

unsigned __stdcall LoadRunner::StarterThread(void* request)
{
    Request* starting = static_cast<Request*>(request);
    LoadRunner* runner = starting->runner;
    RunAtBoundary(L"load starter thread", boost::bind(&LoadRunner::Start, runner, starting));
    InterlockedDecrement(&runner->m_threads);
    return 0;
}

void LoadRunner::WaitForRunningLoad()
{
    if (!m_busy.Wait(1))
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
    InterlockedDecrement(&runner->m_threads);
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
