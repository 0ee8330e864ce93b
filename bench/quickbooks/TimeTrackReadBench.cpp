// How fast the connector reads a month of time entries for 200 employees (about 25,000
// entries) from the QuickBooks simulator, and what the program itself adds to each request
// beyond the simulator's own answering time.
#include <windows.h>
#include <objbase.h>

#include <algorithm>
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

// The best of several runs: the least disturbed by the rest of the machine.
double BestSeconds(int runs, const std::function<void()>& work)
{
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        double start = Bench::Seconds();
        work();
        best = std::min(best, Bench::Seconds() - start);
    }
    return best;
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

void AppendPreferencesQuery(const IMsgSetRequest& request)
{
    request.AppendPreferencesQueryRq();
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
    double load =
        BestSeconds(kRuns, [&]() { entries = CountEntries(*connector.GetEmployeesWithTimeTrack(kStart, kEnd)); });
    double simulatorLoad = BestSeconds(kRuns, [&]() { SendLoadRequests(direct, false); });
    double requestsLoad = BestSeconds(kRuns, [&]() { SendLoadRequests(direct, true); });
    double small = BestSeconds(1,
                               [&]() {
                                   for (int i = 0; i < kSmallRequests; ++i)
                                       connector.GetFirstDayOfWeek();
                               }) /
                   kSmallRequests;
    double simulatorSmall = BestSeconds(1,
                                        [&]() {
                                            for (int i = 0; i < kSmallRequests; ++i)
                                                direct.Send(&AppendPreferencesQuery);
                                        }) /
                            kSmallRequests;
    Connectors::QBWorkerThread worker;
    std::vector<double> handOffs;
    for (int i = 0; i < kSmallRequests; ++i)
        handOffs.push_back(BestSeconds(1, [&]() { worker.Call(&Nothing); }));
    double handOff = Bench::Median(handOffs);

    std::printf("time entries of %d employees for one month: %u entries (best of %d runs)\n", kEmployees,
                static_cast<unsigned>(entries), kRuns);
    std::printf("  through the connector:      %8.1f ms  %10.0f entries/s\n", load * 1000, entries / load);
    std::printf("  the simulator answering:    %8.1f ms\n", simulatorLoad * 1000);
    std::printf("  the program's own cost:     %8.1f ms  %8.2f us per entry\n", (load - simulatorLoad) * 1000,
                (load - simulatorLoad) * 1e6 / entries);
    std::printf("    reading the answers:      %8.1f ms\n", (requestsLoad - simulatorLoad) * 1000);
    std::printf("    worker thread, attaching: %8.1f ms\n", (load - requestsLoad) * 1000);
    std::printf("one small request (first day of the week), average of %d:\n", kSmallRequests);
    std::printf("  through the connector:      %8.1f us\n", small * 1e6);
    std::printf("  the simulator answering:    %8.1f us\n", simulatorSmall * 1e6);
    std::printf("  the program's own cost:     %8.1f us per request\n", (small - simulatorSmall) * 1e6);
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
