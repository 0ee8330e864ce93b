#include "connectors/quickbooks/QBWorkerThread.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <process.h>

#include <stdexcept>
#include <boost/bind/bind.hpp>
#include "core/PostToThread.h"

using Quorvane::Connectors::QBWorkerThread;

namespace {

void* CurrentThreadId()
{
    return reinterpret_cast<void*>(static_cast<ULONG_PTR>(GetCurrentThreadId()));
}

void* Throw()
{
    throw std::runtime_error("failed inside the call");
}

struct Overlap {
    LONG running = 0;
    LONG mostAtOnce = 0;
    LONG finished = 0;
};

void* CountWhileRunning(Overlap* overlap)
{
    LONG running = InterlockedIncrement(&overlap->running);
    if (running > overlap->mostAtOnce)
        overlap->mostAtOnce = running;
    Sleep(20);
    InterlockedDecrement(&overlap->running);
    InterlockedIncrement(&overlap->finished);
    return NULL;
}

struct SharedWorker {
    QBWorkerThread* worker;
    Overlap* overlap;
};

unsigned __stdcall CallWorker(void* argument)
{
    SharedWorker* shared = static_cast<SharedWorker*>(argument);
    shared->worker->Call(boost::bind(&CountWhileRunning, shared->overlap));
    return 0;
}

void* CallAgain(QBWorkerThread* worker)
{
    return worker->Call(&CurrentThreadId);
}

void* PostInnerCall(QBWorkerThread* worker, DWORD callerThread, void** innerResult, bool* innerRan)
{
    Quorvane::PostToThread(callerThread, [=]() {
        *innerResult = worker->Call(&CurrentThreadId);
        *innerRan = true;
    });
    // Give the caller's alertable wait time to run the posted call.
    Sleep(200);
    return CurrentThreadId();
}

}  // namespace

TEST(QBWorkerThread, RunsEachCallOnItsOwnThreadAndReturnsItsResult)
{
    QBWorkerThread worker;
    void* first = worker.Call(&CurrentThreadId);
    void* second = worker.Call(&CurrentThreadId);
    EXPECT_NE(CurrentThreadId(), first);
    EXPECT_EQ(first, second);
}

TEST(QBWorkerThread, GivesNullForACallThatThrowsAndKeepsWorking)
{
    QBWorkerThread worker;
    EXPECT_EQ(NULL, worker.Call(&Throw));
    EXPECT_NE(static_cast<void*>(NULL), worker.Call(&CurrentThreadId));
}

TEST(QBWorkerThread, RunsCallsFromSeveralThreadsOneAtATime)
{
    QBWorkerThread worker;
    Overlap overlap;
    SharedWorker shared = { &worker, &overlap };
    HANDLE threads[4];
    for (HANDLE& thread : threads)
        thread = reinterpret_cast<HANDLE>(_beginthreadex(NULL, 0, &CallWorker, &shared, 0, NULL));
    WaitForMultipleObjects(4, threads, TRUE, INFINITE);
    for (HANDLE thread : threads)
        CloseHandle(thread);
    EXPECT_EQ(4, overlap.finished);
    EXPECT_EQ(1, overlap.mostAtOnce);
}

TEST(QBWorkerThread, RunsACallFromTheWorkerItselfDirectly)
{
    QBWorkerThread worker;
    void* workerThread = worker.Call(&CurrentThreadId);
    EXPECT_EQ(workerThread, worker.Call(boost::bind(&CallAgain, &worker)));
}

// A call queued to a caller that waits for the worker must not wait for that same worker.
TEST(QBWorkerThread, RefusesACallQueuedToAThreadThatIsWaitingForIt)
{
    QBWorkerThread worker;
    void* innerResult = CurrentThreadId();
    bool innerRan = false;
    void* outer = worker.Call(boost::bind(&PostInnerCall, &worker, GetCurrentThreadId(), &innerResult, &innerRan));
    EXPECT_NE(static_cast<void*>(NULL), outer);
    ASSERT_TRUE(innerRan);
    EXPECT_EQ(NULL, innerResult);
}

TEST(QBWorkerThread, StopsWhenDestroyedBeforeOrAfterAnyCall)
{
    {
        QBWorkerThread unused;
    }
    QBWorkerThread used;
    EXPECT_NE(static_cast<void*>(NULL), used.Call(&CurrentThreadId));
}
