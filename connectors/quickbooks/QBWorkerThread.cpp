#include "connectors/quickbooks/QBWorkerThread.h"

#include <objbase.h>
#include <process.h>
#include <boost/bind/bind.hpp>
#include <boost/ref.hpp>
#include "core/Boundary.h"

namespace Quorvane {
namespace Connectors {

namespace {

// How often an idle worker looks at its stop event.
const DWORD kStopPollMilliseconds = 100;

void RunStoringResult(const boost::function<void*()>& call, void*& result) { result = call(); }

// Whatever the call throws stays on this side: the caller gets null instead.
void* RunGuarded(const boost::function<void*()>& call) {
    void* result = NULL;
    boost::function<void()> store = boost::bind(&RunStoringResult, boost::cref(call), boost::ref(result));
    return RunAtBoundary(L"the QuickBooks worker call", store) ? result : NULL;
}

}  // namespace

QBWorkerThread::QBWorkerThread() : m_thread(NULL), m_threadId(0), m_result(NULL), m_inCall(false) {
    m_thread = reinterpret_cast<HANDLE>(_beginthreadex(NULL, 0, &QBWorkerThread::ThreadProc, this, 0, &m_threadId));
}

QBWorkerThread::~QBWorkerThread() {
    if (m_thread == NULL)
        return;
    {
        // A call in flight finishes first; the thread then only polls and sees the stop.
        CriticalSectionLock callLock(m_callLock);
        m_stop.Set(true);
    }
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
}

unsigned __stdcall QBWorkerThread::ThreadProc(void* self) {
    QBWorkerThread* worker = static_cast<QBWorkerThread*>(self);
    RunAtBoundary(L"the QuickBooks worker thread", boost::bind(&QBWorkerThread::Run, worker));
    return 0;
}

void QBWorkerThread::Run() {
    HRESULT initialised = CoInitialize(NULL);
    m_ready.Set(true);
    while (!m_stop.Wait(0)) {
        if (m_request.Wait(kStopPollMilliseconds))
            ProcessPendingCall();
    }
    if (SUCCEEDED(initialised))
        CoUninitialize();
}

void QBWorkerThread::ProcessPendingCall() {
    CriticalSectionLock lock(m_stateLock);
    m_request.Set(false);
    m_result = RunGuarded(m_pendingCall);
    m_pendingCall.clear();
    m_done.Set(true);
}

void* QBWorkerThread::Call(const boost::function<void*()>& call) {
    if (m_thread == NULL)
        return NULL;
    if (GetCurrentThreadId() == m_threadId)
        return RunGuarded(call);
    CriticalSectionLock callLock(m_callLock);
    if (m_inCall)
        return NULL;
    m_inCall = true;
    void* result = CallOnWorker(call);
    m_inCall = false;
    return result;
}

void* QBWorkerThread::CallOnWorker(const boost::function<void*()>& call) {
    if (!m_ready.Wait(INFINITE))
        return NULL;
    {
        CriticalSectionLock lock(m_stateLock);
        m_pendingCall = call;
        m_ready.Set(false);
        m_done.Set(false);
        m_request.Set(true);
    }
    if (!m_done.Wait(INFINITE))
        return NULL;
    CriticalSectionLock lock(m_stateLock);
    void* result = m_result;
    m_result = NULL;
    m_done.Set(false);
    m_request.Set(false);
    m_ready.Set(true);
    return result;
}

}  // namespace Connectors
}  // namespace Quorvane
