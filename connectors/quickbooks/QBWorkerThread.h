#pragma once
// The one thread that talks to QuickBooks. COM objects of a single-threaded apartment may only
// be used by the thread that made them, so every QuickBooks operation is handed to this thread
// and its caller waits for the result.
//
// The hand-off goes through a slim lock and condition variables, which wake the other thread
// without a round trip to the system's object manager (under Wine, to the wineserver). A caller
// waits that way for a quick answer only; a call that takes longer is waited for alertably, so
// that calls posted to the caller's thread run meanwhile.
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
    void Serve();
    void* CallOnWorker(const boost::function<void*()>& call);
    // False, with the caller marked as waiting alertably, when no answer came in time.
    bool WaitForQuickAnswer();
    void WaitAlertablyForAnswer();

    HANDLE m_thread;
    unsigned m_threadId;
    CriticalSection m_callLock;
    bool m_inCall;

    // Under m_stateLock.
    SRWLOCK m_stateLock;
    CONDITION_VARIABLE m_callPosted;
    CONDITION_VARIABLE m_callDone;
    const boost::function<void*()>* m_pendingCall;
    bool m_done;
    bool m_callerAlertable;
    bool m_stop;
    void* m_result;
    Event m_doneForAlertableCaller;
};

}  // namespace Connectors
}  // namespace Quorvane
