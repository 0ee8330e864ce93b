#include "connectors/quickbooks/QBWorkerThread.h"

#include <objbase.h>
#include <process.h>
#include <boost/bind/bind.hpp>
#include <boost/ref.hpp>
#include "core/Boundary.h"
#include "core/SlimLock.h"

namespace Quorvane {
namespace Connectors {

namespace {

// How long a caller waits for an answer before it lets posted calls run: longer than most
// answers of a local QuickBooks, short enough that a posted call is not noticeably late.
const DWORD kQuickAnswerMilliseconds = 5;

void RunStoringResult(const boost::function<void*()>& call, void*& result)
{
    result = call();
}

// Whatever the call throws stays on this side: the caller gets null instead.
void* RunGuarded(const boost::function<void*()>& call)
{
    void* result = NULL;
    boost::function<void()> store = boost::bind(&RunStoringResult, boost::cref(call), boost::ref(result));
    return RunAtBoundary(L"the QuickBooks worker call", store) ? result : NULL;
}

}  // namespace

QBWorkerThread::QBWorkerThread()
    : m_thread(NULL),
      m_threadId(0),
      m_inCall(false),
      m_pendingCall(NULL),
      m_done(false),
      m_callerAlertable(false),
      m_stop(false),
      m_result(NULL)
{
    InitializeSRWLock(&m_stateLock);
    InitializeConditionVariable(&m_callPosted);
    InitializeConditionVariable(&m_callDone);
    m_thread = reinterpret_cast<HANDLE>(_beginthreadex(NULL, 0, &QBWorkerThread::ThreadProc, this, 0, &m_threadId));
}

QBWorkerThread::~QBWorkerThread()
{
    if (m_thread == NULL)
        return;
    {
        // A call in flight finishes first; the thread then sees the stop.
        CriticalSectionLock callLock(m_callLock);
        SlimLock state(m_stateLock);
        m_stop = true;
    }
    WakeConditionVariable(&m_callPosted);
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
}

unsigned __stdcall QBWorkerThread::ThreadProc(void* self)
{
    QBWorkerThread* worker = static_cast<QBWorkerThread*>(self);
    RunAtBoundary(L"the QuickBooks worker thread", boost::bind(&QBWorkerThread::Run, worker));
    return 0;
}

void QBWorkerThread::Run()
{
    HRESULT initialised = CoInitialize(NULL);
    Serve();
    if (SUCCEEDED(initialised))
        CoUninitialize();
}

void QBWorkerThread::Serve()
{
    for (;;) {
        const boost::function<void*()>* call;
        {
            SlimLock state(m_stateLock);
            while (m_pendingCall == NULL && !m_stop)
                SleepConditionVariableSRW(&m_callPosted, &m_stateLock, INFINITE, 0);
            if (m_stop)
                return;
            call = m_pendingCall;
            m_pendingCall = NULL;
        }
        void* result = RunGuarded(*call);
        bool alertable;
        {
            SlimLock state(m_stateLock);
            m_result = result;
            m_done = true;
            alertable = m_callerAlertable;
        }
        WakeConditionVariable(&m_callDone);
        if (alertable)
            m_doneForAlertableCaller.Set(true);
    }
}

void* QBWorkerThread::Call(const boost::function<void*()>& call)
{
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

void* QBWorkerThread::CallOnWorker(const boost::function<void*()>& call)
{
    {
        SlimLock state(m_stateLock);
        m_pendingCall = &call;
        m_done = false;
    }
    WakeConditionVariable(&m_callPosted);
    if (!WaitForQuickAnswer())
        WaitAlertablyForAnswer();
    SlimLock state(m_stateLock);
    void* result = m_result;
    m_result = NULL;
    m_done = false;
    return result;
}

bool QBWorkerThread::WaitForQuickAnswer()
{
    SlimLock state(m_stateLock);
    ULONGLONG deadline = GetTickCount64() + kQuickAnswerMilliseconds;
    for (ULONGLONG now = GetTickCount64(); !m_done && now < deadline; now = GetTickCount64())
        SleepConditionVariableSRW(&m_callDone, &m_stateLock, static_cast<DWORD>(deadline - now), 0);
    if (m_done)
        return true;
    m_doneForAlertableCaller.Set(false);
    m_callerAlertable = true;
    return false;
}

// Posted calls run during this wait; one of them calling in again is refused (m_inCall).
void QBWorkerThread::WaitAlertablyForAnswer()
{
    bool signalled = m_doneForAlertableCaller.Wait(INFINITE);
    SlimLock state(m_stateLock);
    while (!signalled && !m_done)  // no event to wait on: the quiet way then
        SleepConditionVariableSRW(&m_callDone, &m_stateLock, INFINITE, 0);
    m_callerAlertable = false;
}

}  // namespace Connectors
}  // namespace Quorvane
