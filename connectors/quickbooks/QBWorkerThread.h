#pragma once
// The one thread that talks to QuickBooks. COM objects of a single-threaded apartment may only
// be used by the thread that made them, so every QuickBooks operation is handed to this thread
// and its caller waits for the result.
#include <windows.h>
#include <boost/function.hpp>
#include <boost/noncopyable.hpp>
#include "core/CriticalSection.h"
#include "core/Event.h"

namespace Quorvane {
namespace Connectors {

class QBWorkerThread : private boost::noncopyable {
public:
    QBWorkerThread();
    // Waits for a running call to finish, then for the thread to end.
    ~QBWorkerThread();

    // Runs the call on the worker thread, one caller at a time, and returns what it returned.
    // Null when the call threw, when the thread could not start, or when the calling thread is
    // already inside a call (a queued call run during the wait must not wait for itself).
    // A call from the worker thread itself runs directly.
    void* Call(const boost::function<void*()>& call);

private:
    static unsigned __stdcall ThreadProc(void* self);
    void Run();
    void ProcessPendingCall();
    void* CallOnWorker(const boost::function<void*()>& call);

    HANDLE m_thread;
    unsigned m_threadId;
    Event m_stop;
    CriticalSection m_stateLock;
    CriticalSection m_callLock;
    Event m_ready;
    Event m_request;
    Event m_done;
    boost::function<void*()> m_pendingCall;
    void* m_result;
    bool m_inCall;
};

}  // namespace Connectors
}  // namespace Quorvane
