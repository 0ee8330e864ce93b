#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include <boost/bind/bind.hpp>

#include "app/LoadRunner.h"
#include "connectors/quickbooks/QuickBooksErrors.h"
#include "core/CriticalSection.h"

using namespace Quorvane;

namespace {

// A load that runs until it is aborted (or, once released, to its end) and records how it ended.
class RecordingLoad {
public:
    RecordingLoad() : m_runner(0), m_released(0) {}
    void Attach(LoadRunner* runner) { m_runner = runner; }
    void Release() { InterlockedExchange(&m_released, 1); }

    void Body(bool loginRequested)
    {
        Record(loginRequested ? "start login" : "start");
        try {
            while (!InterlockedCompareExchange(&m_released, 0, 0)) {
                m_runner->CheckAbort();
                Sleep(2);
            }
        } catch (const OperationAbortedException&) {
            Record("aborted");
            throw;
        }
        Record("done");
    }
    void Fail(bool) { throw std::runtime_error("reader failed"); }
    void OnFailure(const std::string& what) { Record("failure: " + what); }

    std::vector<std::string> Events()
    {
        CriticalSectionLock lock(m_lock);
        return m_events;
    }

private:
    void Record(const std::string& event)
    {
        CriticalSectionLock lock(m_lock);
        m_events.push_back(event);
    }

    LoadRunner* m_runner;
    volatile LONG m_released;
    CriticalSection m_lock;
    std::vector<std::string> m_events;
};

bool WaitForEvents(RecordingLoad& load, size_t count)
{
    for (int i = 0; i < 500 && load.Events().size() < count; ++i)
        Sleep(10);
    return load.Events().size() >= count;
}

TEST(LoadRunner, RequestsWhileLoadingAbortItAndStartExactlyOneMore)
{
    RecordingLoad load;
    LoadRunner runner(boost::bind(&RecordingLoad::Body, &load, boost::placeholders::_1),
                      boost::bind(&RecordingLoad::OnFailure, &load, boost::placeholders::_1));
    load.Attach(&runner);
    runner.StartLoad(false);
    ASSERT_TRUE(WaitForEvents(load, 1));

    runner.StartLoad(false);
    runner.StartLoad(true);
    ASSERT_TRUE(WaitForEvents(load, 3));
    load.Release();
    ASSERT_TRUE(runner.WaitForIdle(5000));

    // Each request starts a load, and each load but the last is aborted by the next request.
    const std::vector<std::string> events = load.Events();
    ASSERT_EQ(6u, events.size());
    EXPECT_EQ(3,
              std::count(events.begin(), events.end(), "aborted") + std::count(events.begin(), events.end(), "done"));
    EXPECT_EQ(1, std::count(events.begin(), events.end(), "done"));
    EXPECT_EQ("done", events.back());
}

TEST(LoadRunner, AnUnexpectedFailureIsReportedAndTheRunnerStaysUsable)
{
    RecordingLoad load;
    LoadRunner failing(boost::bind(&RecordingLoad::Fail, &load, boost::placeholders::_1),
                       boost::bind(&RecordingLoad::OnFailure, &load, boost::placeholders::_1));
    failing.StartLoad(false);
    ASSERT_TRUE(failing.WaitForIdle(5000));
    failing.StartLoad(false);
    ASSERT_TRUE(failing.WaitForIdle(5000));

    const char* expected[] = { "failure: reader failed", "failure: reader failed" };
    EXPECT_EQ(std::vector<std::string>(expected, expected + 2), load.Events());
}

TEST(LoadRunner, AStoppedRunnerEndsItsLoadSilentlyAndStartsNoOther)
{
    RecordingLoad load;
    LoadRunner runner(boost::bind(&RecordingLoad::Body, &load, boost::placeholders::_1),
                      boost::bind(&RecordingLoad::OnFailure, &load, boost::placeholders::_1));
    load.Attach(&runner);
    runner.StartLoad(false);
    ASSERT_TRUE(WaitForEvents(load, 1));
    runner.StartLoad(false);
    runner.Stop();
    ASSERT_TRUE(runner.WaitForIdle(5000));

    const char* expected[] = { "start", "aborted" };
    EXPECT_EQ(std::vector<std::string>(expected, expected + 2), load.Events());
}

}  // namespace
