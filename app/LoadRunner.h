#pragma once
// Runs the data load on a thread of its own, one load at a time. A request while a load runs
// raises the abort flag, waits on a short starter thread until the running load has ended, and
// then starts its own: exactly one further load, however many requests arrived.
#include <windows.h>

#include <string>

#include <boost/function.hpp>
#include <boost/noncopyable.hpp>

#include "core/CriticalSection.h"
#include "core/Event.h"

class LoadRunner : private boost::noncopyable {
public:
    typedef boost::function<void(bool loginRequested)> Body;
    // Called on the load thread with what the body threw; the body reports its expected failures.
    typedef boost::function<void(const std::string& what)> FailureHandler;

    LoadRunner(const Body& body, const FailureHandler& onFailure);
    // Aborts the running load and waits a bounded time for the threads to end.
    ~LoadRunner();

    // Returns at once; the load starts when the running one has ended.
    void StartLoad(bool loginRequested);
    // Throws OperationAbortedException when a newer request is waiting.
    void CheckAbort() const;
    bool IsAbortRequested() const;
    // True while a load runs or a request waits to start one.
    bool IsBusy() const;
    // Stops the running load at its next check and starts no other.
    void Stop();
    // True when no load runs and none is about to start. Calls queued to this thread run meanwhile.
    bool WaitForIdle(DWORD milliseconds);

private:
    struct Request;
    static unsigned __stdcall StarterThread(void* request);
    static unsigned __stdcall LoadThread(void* request);
    bool StartThread(unsigned(__stdcall* entry)(void*), Request* request);
    void ThreadStarting();
    void ThreadEnded();
    void WaitForRunningLoad();
    void Start(Request* request);
    void Run(Request* request);

    Body m_body;
    FailureHandler m_onFailure;
    Quorvane::Event m_busy;
    Quorvane::CriticalSection m_lock;
    volatile LONG m_abort;
    volatile LONG m_stopped;
    // Starter and load threads that have not ended yet; the event is set while there are none.
    volatile LONG m_threads;
    Quorvane::Event m_idle;
};
