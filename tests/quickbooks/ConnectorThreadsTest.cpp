// The connector used from several threads: two connectors at once, and one destroyed while a
// call of another thread is still running.
#include <gtest/gtest.h>
#include <process.h>

#include "tests/quickbooks/SimulatedQuickBooks.h"
#include "tools/qbsim/Control.h"

namespace QuickBooksTest {

namespace {

using Quorvane::Connectors::DesktopConnector;

class ConnectorThreads : public SimulatedQuickBooks {
protected:
    void SetUp() override
    {
        SimulatedQuickBooks::SetUp();
        Seed("{'CompanyName':'Sim Co','PayrollItemWages':[{'ListID':'P-HOURLY','Name':'Hourly'}]}");
    }
};

struct PayrollRead {
    DesktopConnector* connector;
    size_t count = 0;
};

unsigned __stdcall ReadPayroll(void* argument)
{
    PayrollRead* read = static_cast<PayrollRead*>(argument);
    try {
        read->count = read->connector->GetPayroll()->Count();
    } catch (...) {
    }
    return 0;
}

HANDLE StartReading(PayrollRead& read)
{
    return reinterpret_cast<HANDLE>(_beginthreadex(NULL, 0, &ReadPayroll, &read, 0, NULL));
}

// Until the worker has begun sending the request.
void AwaitRequestStarted()
{
    for (;;) {
        for (const std::wstring& line : QbSim::Control::Trace()) {
            if (line.compare(0, 24, L"CreateMsgSetRequest \"US\"") == 0)
                return;
        }
        Sleep(1);
    }
}

}  // namespace

TEST_F(ConnectorThreads, TwoConnectorsServeTwoThreadsAtOnce)
{
    DesktopConnector other(ProgramOptions());
    ASSERT_TRUE(other.Connect());
    QbSim::Control::SetLatency(100);
    PayrollRead first = { m_connector.get() };
    PayrollRead second = { &other };
    HANDLE threads[] = { StartReading(first), StartReading(second) };
    WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    CloseHandle(threads[0]);
    CloseHandle(threads[1]);
    EXPECT_EQ(1u, first.count);
    EXPECT_EQ(1u, second.count);
}

TEST_F(ConnectorThreads, DestroyingWaitsForTheCallInFlight)
{
    QbSim::Control::SetLatency(300);
    PayrollRead read = { m_connector.get() };
    HANDLE thread = StartReading(read);
    AwaitRequestStarted();
    m_connector.reset();
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_EQ(1u, read.count);
    std::vector<std::wstring> trace = Trace();
    ASSERT_LE(2u, trace.size());
    EXPECT_EQ(L"CloseConnection", trace.back());
}

}  // namespace QuickBooksTest
