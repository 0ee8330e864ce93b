#include <windows.h>
#include <stdexcept>
#include <vector>
#include <boost/bind/bind.hpp>
#include <boost/make_shared.hpp>
#include <boost/weak_ptr.hpp>
#include <gtest/gtest.h>
#include "ScratchFolders.h"
#include "core/ConnectorLog.h"
#include "core/CriticalSection.h"
#include "core/Event.h"
#include "core/File.h"
#include "core/PostToThread.h"

using namespace Quorvane;

namespace {

// A thread that runs the main window's message loop: after each message it waits alertably for
// input, sleeping alertably while that wait times out, so that posted calls run on it. The wait
// must count messages already queued as input: otherwise a message that arrived while a posted
// call ran is not seen until newer input comes, and the loop stalls.
class UiThread {
public:
    UiThread() : m_ready(FALSE), m_id(0)
    {
        m_thread = CreateThread(NULL, 0, &UiThread::Run, this, 0, &m_id);
        m_ready.Wait(INFINITE);
    }
    ~UiThread()
    {
        PostThreadMessageW(m_id, WM_QUIT, 0, 0);
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
    }
    DWORD Id() const { return m_id; }

private:
    static DWORD WINAPI Run(void* self)
    {
        MSG message;
        PeekMessageW(&message, NULL, 0, 0, PM_NOREMOVE);  // the thread's queue exists from here
        static_cast<UiThread*>(self)->m_ready.Set(true);
        while (GetMessageW(&message, NULL, 0, 0) > 0) {
            DispatchMessageW(&message);
            const DWORD flags = MWMO_ALERTABLE | MWMO_INPUTAVAILABLE;
            while (MsgWaitForMultipleObjectsEx(0, NULL, 50, QS_ALLINPUT, flags) == WAIT_TIMEOUT)
                SleepEx(1, TRUE);
        }
        return 0;
    }

    Event m_ready;
    DWORD m_id;
    HANDLE m_thread;
};

struct Call {
    DWORD thread;
    int worker;
    int sequence;
};

class Recorder {
public:
    void Record(int worker, int sequence)
    {
        CriticalSectionLock lock(m_lock);
        Call call = { GetCurrentThreadId(), worker, sequence };
        calls.push_back(call);
    }
    std::vector<Call> calls;

private:
    CriticalSection m_lock;
};

const int kWorkers = 3;
const int kCallsPerWorker = 20;

struct Worker {
    DWORD uiThread;
    int index;
    boost::weak_ptr<Recorder> recorder;
};

// Posts its calls and drops its own reference to the recorder at once.
DWORD WINAPI PostCalls(void* parameter)
{
    Worker* worker = static_cast<Worker*>(parameter);
    for (int sequence = 0; sequence < kCallsPerWorker; ++sequence) {
        boost::shared_ptr<Recorder> recorder = worker->recorder.lock();
        PostToThread(worker->uiThread, boost::bind(&Recorder::Record, recorder, worker->index, sequence));
    }
    return 0;
}

void Throw()
{
    throw std::runtime_error("posted call failed");
}
void ThrowInt()
{
    throw 1;
}
void Signal(Event* done)
{
    done->Set(true);
}

}  // namespace

TEST(PostToThread, CallsFromSeveralWorkersRunOnTheUiThreadInOrder)
{
    UiThread ui;
    boost::shared_ptr<Recorder> recorder = boost::make_shared<Recorder>();
    boost::weak_ptr<Recorder> watch = recorder;
    Worker workers[kWorkers];
    HANDLE threads[kWorkers];
    for (int i = 0; i < kWorkers; ++i) {
        workers[i].uiThread = ui.Id();
        workers[i].index = i;
        workers[i].recorder = recorder;
        threads[i] = CreateThread(NULL, 0, &PostCalls, &workers[i], 0, NULL);
    }
    WaitForMultipleObjects(kWorkers, threads, TRUE, INFINITE);
    for (int i = 0; i < kWorkers; ++i)
        CloseHandle(threads[i]);
    Event done(FALSE);
    ASSERT_TRUE(PostToThread(ui.Id(), boost::bind(&Signal, &done)));
    ASSERT_TRUE(done.Wait(10000));

    // The calls' own copies kept the recorder alive after the workers let go.
    std::vector<Call> calls = recorder->calls;
    recorder.reset();
    EXPECT_TRUE(watch.expired());
    ASSERT_EQ(static_cast<size_t>(kWorkers * kCallsPerWorker), calls.size());
    int next[kWorkers] = {};
    for (const Call& call : calls) {
        EXPECT_EQ(ui.Id(), call.thread);
        EXPECT_EQ(next[call.worker]++, call.sequence);
    }
}

TEST(PostToThread, AThrowingCallIsCaughtAndReported)
{
    UiThread ui;
    Event done(FALSE);
    ASSERT_TRUE(PostToThread(ui.Id(), &Throw));
    ASSERT_TRUE(PostToThread(ui.Id(), &ThrowInt));
    ASSERT_TRUE(PostToThread(ui.Id(), boost::bind(&Signal, &done)));
    EXPECT_TRUE(done.Wait(10000));
    boost::shared_ptr<Logging::Logger> log = Logging::GetConnectorLogger();
    ASSERT_TRUE(log);
    std::string text = TestSupport::ReadBytes(log->GetPath());
    EXPECT_NE(std::string::npos, text.find("posted call failed"));
    EXPECT_NE(std::string::npos, text.find("error code 1"));
}

TEST(PostToThread, RefusesWhatCannotRun)
{
    EXPECT_FALSE(PostToThread(GetCurrentThreadId(), boost::function<void()>()));
    EXPECT_FALSE(PostToThread(0xFFFFFFF0, &Throw));
}

TEST(EventWait, RunsQueuedCallsAndKeepsWaiting)
{
    Event event(FALSE);
    EXPECT_FALSE(event.IsNull());
    EXPECT_FALSE(event.Wait(10));
    // The call queued to the waiting thread runs inside Wait and signals the event.
    ASSERT_TRUE(PostToThread(GetCurrentThreadId(), boost::bind(&Event::Set, &event, true)));
    EXPECT_TRUE(event.Wait(5000));
    event.Set(false);
    EXPECT_FALSE(event.Wait(0));
    event.Close();
    EXPECT_TRUE(event.IsNull());
    EXPECT_FALSE(event.Wait(0));
}

TEST(FileHandle, ExactReadsAndRepeatedClose)
{
    std::wstring path = TestSupport::NewScratchFolder(L"file") + L"\\data.bin";
    File file;
    ASSERT_TRUE(file.Open(path, CREATE_ALWAYS, File::ReadWrite));
    ASSERT_TRUE(file.Write("abcdef", 6));
    ASSERT_TRUE(file.Close());
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.Write("x", 1));

    ASSERT_TRUE(file.Open(path, OPEN_EXISTING, File::ReadShared));
    char buffer[4];
    ASSERT_TRUE(file.Read(buffer, 4));
    EXPECT_FALSE(file.Read(buffer, 4));  // only 2 bytes are left
    EXPECT_FALSE(file.Write("x", 1));  // opened for reading only
}
