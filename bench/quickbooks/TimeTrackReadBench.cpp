// How fast the connector reads a month of time entries for 200 employees (about 25,000
// entries) from the QuickBooks simulator, and what the program itself adds to each request
// beyond the simulator's own work. The simulator times itself inside its COM methods in the same
// runs (answering, and every field the program reads), so its share is measured, not inferred
// from a separate run that leaves the answers unread.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/Clock.h"
#include "connectors/quickbooks/DesktopConnector.h"
#include "connectors/quickbooks/QBWorkerThread.h"
#include "connectors/quickbooks/requests/GetEmployeeRequest.h"
#include "connectors/quickbooks/requests/GetTimeTrackRequest.h"
#include "tests/quickbooks/SimulatedSessionManager.h"
#include "tools/qbsim/Control.h"
#include "tools/qbsim/OwnTime.h"

namespace {

using namespace Quorvane;
using namespace Quorvane::Qbfc;

const int kEmployees = 200;
const int kEntriesPerEmployee = 125;
const int kRuns = 5;
const int kSmallRequests = 200;
const DateTime kStart(1, 11, 2026);
const DateTime kEnd(30, 11, 2026);

std::wstring CompanyJson()
{
    std::wstring json = L"{\"CompanyName\":\"Bench Co\",\"Customers\":[{\"ListID\":\"C-ACME\",\"Name\":\"Acme\"}],"
                        L"\"Items\":[{\"ListID\":\"I-DESIGN\",\"Name\":\"Design\",\"Kind\":0}],"
                        L"\"PayrollItemWages\":[{\"ListID\":\"P-HOURLY\",\"Name\":\"Hourly\"}],\"Employees\":[";
    for (int employee = 0; employee < kEmployees; ++employee) {
        json += (employee ? L"," : L"") + std::wstring(L"{\"ListID\":\"E-") + std::to_wstring(employee) +
                L"\",\"FirstName\":\"First\",\"LastName\":\"Last" + std::to_wstring(employee) + L"\"}";
    }
    json += L"],\"TimeEntries\":[";
    wchar_t entry[400];
    for (int employee = 0; employee < kEmployees; ++employee) {
        for (int i = 0; i < kEntriesPerEmployee; ++i) {
            swprintf(entry, sizeof(entry) / sizeof(entry[0]),
                     L"%ls{\"TxnDate\":\"2026-11-%02d\",\"EntityRef\":{\"ListID\":\"E-%d\"},\"Duration\":\"PT1H30M0S\","
                     L"\"CustomerRef\":{\"ListID\":\"C-ACME\"},\"ItemServiceRef\":{\"ListID\":\"I-DESIGN\"},"
                     L"\"PayrollItemWageRef\":{\"ListID\":\"P-HOURLY\"},\"Notes\":\"Work\",\"BillableStatus\":1}",
                     employee || i ? L"," : L"", 1 + i % 30, employee);
            json += entry;
        }
    }
    return json + L"]}";
}

// One run's time, and the simulator's own part of it.
struct RunTimes {
    double total;
    double simulator;
    double Program() const { return total - simulator; }
};

// The run with the least program cost of several: the least disturbed by the rest of the machine.
RunTimes BestRun(int runs, const std::function<void()>& work)
{
    RunTimes best = { 1e9, 0 };
    for (int run = 0; run < runs; ++run) {
        QbSim::CountOwnTime(true);
        double start = Bench::Seconds();
        work();
        RunTimes times = { Bench::Seconds() - start, QbSim::OwnTimeSeconds() };
        QbSim::CountOwnTime(false);
        if (times.Program() < best.Program())
            best = times;
    }
    return best;
}

// What one timed call into the simulator adds: the two clock reads around it.
double ClockPairSeconds()
{
    const int pairs = 100000;
    double start = Bench::Seconds();
    for (int i = 0; i < pairs; ++i) {
        Bench::Seconds();
        Bench::Seconds();
    }
    return (Bench::Seconds() - start) / pairs;
}

// The simulator answering the same requests, sent straight through its session on this thread.
class DirectSession {
public:
    DirectSession()
    {
        QuickBooksTest::CreateSimulatedSessionManager(m_session);
        m_session.OpenConnection(L"Bench", L"Bench");
        m_session.BeginSession(L"", 2);
    }
    ~DirectSession()
    {
        m_session.EndSession();
        m_session.CloseConnection();
    }

    IMsgSetResponse Send(const std::function<void(const IMsgSetRequest&)>& build) const
    {
        IMsgSetRequest request = m_session.CreateMsgSetRequest(L"US", 6, 0);
        build(request);
        return m_session.DoRequests(request);
    }

private:
    IQBSessionManager m_session;
};

// The two requests of a load, sent on this thread; with `read`, their answers are read too.
void SendLoadRequests(const DirectSession& direct, bool read)
{
    Connectors::GetEmployeeRequest employees;
    Connectors::GetTimeTrackRequest entries;
    entries.SetStart(kStart);
    entries.SetEnd(kEnd);
    Connectors::IQuickBookRequest* requests[] = { &employees, &entries };
    for (Connectors::IQuickBookRequest* request : requests) {
        IMsgSetResponse response = direct.Send([&](const IMsgSetRequest& set) { request->BuildRequest(set); });
        if (read)
            request->ProcessResponse(response);
    }
}

void* Nothing()
{
    return NULL;
}

size_t CountEntries(const EmployeeCollection& employees)
{
    size_t entries = 0;
    for (const boost::shared_ptr<Employee>& employee : employees)
        entries += employee->GetTimeTrackRecords()->Count();
    return entries;
}

void Run()
{
    QbSim::Control::Reset();
    QbSim::Control::Seed(CompanyJson());
    Connectors::SetSessionManagerFactory(&QuickBooksTest::CreateSimulatedSessionManager);
    Connectors::DesktopConnector connector(Connectors::QBConnectionOptions("Bench", "Bench", 6, 0));
    if (!connector.Connect()) {
        std::printf("could not connect to the simulator\n");
        return;
    }
    DirectSession direct;
    size_t entries = 0;
    RunTimes load =
        BestRun(kRuns, [&]() { entries = CountEntries(*connector.GetEmployeesWithTimeTrack(kStart, kEnd)); });
    long long simulatorCalls = 0;
    {
        QbSim::CountOwnTime(true);
        connector.GetEmployeesWithTimeTrack(kStart, kEnd);
        simulatorCalls = QbSim::OwnTimeCalls();
        QbSim::CountOwnTime(false);
    }
    RunTimes unread = BestRun(kRuns, [&]() { SendLoadRequests(direct, false); });
    RunTimes read = BestRun(kRuns, [&]() { SendLoadRequests(direct, true); });
    RunTimes small = BestRun(1, [&]() {
        for (int i = 0; i < kSmallRequests; ++i)
            connector.GetFirstDayOfWeek();
    });
    Connectors::QBWorkerThread worker;
    std::vector<double> handOffs;
    for (int i = 0; i < kSmallRequests; ++i) {
        double start = Bench::Seconds();
        worker.Call(&Nothing);
        handOffs.push_back(Bench::Seconds() - start);
    }
    double handOff = Bench::Median(handOffs);
    double clockPair = ClockPairSeconds();

    std::printf("time entries of %d employees for one month: %u entries (best of %d runs)\n", kEmployees,
                static_cast<unsigned>(entries), kRuns);
    std::printf("  through the connector:      %8.1f ms  %10.0f entries/s\n", load.total * 1000, entries / load.total);
    std::printf("  the simulator's own work:   %8.1f ms  (timed inside it: %lld calls, %.2f ms of clock reads)\n",
                load.simulator * 1000, simulatorCalls, simulatorCalls * clockPair * 1000);
    std::printf("  the program's own cost:     %8.1f ms  %8.2f us per entry (at most: the clock reads are in it)\n",
                load.Program() * 1000, load.Program() * 1e6 / entries);
    std::printf("    reading the answers:      %8.1f ms  (on this thread; the simulator's own %.1f ms apart)\n",
                read.Program() * 1000, read.simulator * 1000);
    std::printf("    worker thread, attaching: %8.1f ms\n", (load.Program() - read.Program()) * 1000);
    std::printf("  the requests alone, answers unread: %.1f ms; taken for the simulator's whole share, as a run\n"
                "  of its own, it would leave the program %.2f us per entry\n",
                unread.total * 1000, (load.total - unread.total) * 1e6 / entries);
    std::printf("one small request (first day of the week), average of %d:\n", kSmallRequests);
    std::printf("  through the connector:      %8.1f us\n", small.total * 1e6 / kSmallRequests);
    std::printf("  the simulator's own work:   %8.1f us\n", small.simulator * 1e6 / kSmallRequests);
    std::printf("  the program's own cost:     %8.1f us per request\n", small.Program() * 1e6 / kSmallRequests);
    std::printf("  of which the handoff to the worker thread: %8.1f us (median of %d)\n", handOff * 1e6,
                kSmallRequests);
}

}  // namespace

int main()
{
    CoInitialize(NULL);
    Run();
    CoUninitialize();
    return 0;
}
