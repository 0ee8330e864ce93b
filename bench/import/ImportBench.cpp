// Imports a generated month of 200 users (about 25,000 entries) into a simulated company
// through the program's QuickBooks connector, and prints entries per second and the program's
// own time per entry beside the time spent in the connector and the simulator.
//   bench_import [EXISTING [USERS]]
// With EXISTING above 0 the company lives in a company file that already holds that many
// entries of the year before, as a real-sized company does; USERS (default 200) sets the size
// of the import.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <sstream>
#include <string>
#include <vector>

#include "app/PreviewBuild.h"
#include "app/import/ImportConnector.h"
#include "app/import/ImportRun.h"
#include "app/import/ImportSnapshot.h"
#include "bench/Clock.h"
#include "connectors/quickbooks/DesktopConnector.h"
#include "core/EmployeeDiff.h"
#include "tests/app/TestCompany.h"
#include "tests/quickbooks/SimulatedSessionManager.h"
#include "tools/qbsim/Control.h"
#include "SilentView.h"
#include "TimedConnector.h"

using namespace Quorvane;

namespace {

const int kEmployees = 200;
int g_users = kEmployees;
const int kEntriesPerDay = 4;
const int kCustomers = 10;

typedef boost::shared_ptr<Connectors::DesktopConnector> DesktopConnectorPtr;

using Bench::Seconds;

std::wstring EmployeeId(int user)
{
    return L"E-" + std::to_wstring(user);
}

std::wstring CustomerName(int customer)
{
    return L"Customer " + std::to_wstring(customer);
}

// Entries of the year before the import, spread over the employees and the days.
void WriteExistingEntries(std::wostringstream& json, int existing)
{
    json << L",\"TimeEntries\":[";
    for (int entry = 0; entry < existing; ++entry) {
        wchar_t text[300];
        std::swprintf(text, sizeof(text) / sizeof(text[0]),
                      L"%ls{\"TxnDate\":\"2011-%02d-%02d\",\"EntityRef\":{\"ListID\":\"%ls\"},"
                      L"\"ItemServiceRef\":{\"ListID\":\"I-LABOR\"},\"Duration\":\"PT1H0M0S\",\"Notes\":\"earlier\"}",
                      entry ? L"," : L"", 1 + entry % 12, 1 + entry / 12 % 28, EmployeeId(entry % kEmployees).c_str());
        json << text;
    }
    json << L"]";
}

// Employees, customers with one project each, the service item and the wage item.
std::wstring CompanyJson(int existingEntries)
{
    std::wostringstream json;
    json << L"{\"CompanyName\":\"Bench Co\",\"Employees\":[";
    for (int user = 0; user < kEmployees; ++user)
        json << (user ? L"," : L"") << L"{\"ListID\":\"" << EmployeeId(user) << L"\",\"FirstName\":\"User\","
             << L"\"LastName\":\"" << user << L"\"}";
    json << L"],\"Customers\":[";
    for (int customer = 0; customer < kCustomers; ++customer)
        json << (customer ? L"," : L"") << L"{\"ListID\":\"C-" << customer << L"\",\"Name\":\""
             << CustomerName(customer) << L"\"},{\"ListID\":\"J-" << customer
             << L"\",\"Name\":\"Project\",\"ParentRef\":{\"ListID\":\"C-" << customer << L"\"}}";
    json << L"],\"Items\":[{\"ListID\":\"I-LABOR\",\"Name\":\"Labor\",\"Kind\":0}],"
         << L"\"PayrollItemWages\":[{\"ListID\":\"P-WAGE\",\"Name\":\"Wages\"}]";
    WriteExistingEntries(json, existingEntries);
    json << L"}";
    return json.str();
}

// The server side: every user works four distinct entries on every day of March 2012.
void AddServerMonth(TestCompany& company)
{
    for (int user = 0; user < g_users; ++user) {
        const TestCompany::EmployeePtr server =
            company.AddServerUser(std::to_wstring(user + 1), L"User", std::to_wstring(user));
        company.MapEmployee(server->GetId(), EmployeeId(user));
        company.MapPayroll(server->GetId(), L"P-WAGE");
        company.config->GetSelectedEmployees()->insert(server->GetId());
        for (int day = 1; day <= 31; ++day)
            for (int entry = 0; entry < kEntriesPerDay; ++entry)
                company.AddServerWork(server, day, 30 + 15 * entry, CustomerName((user + entry) % kCustomers),
                                      L"Project", L"note " + std::to_wstring(entry), entry % 2);
    }
}

// The QuickBooks side, read as a load reads it.
void LoadQuickBooks(TestCompany& company, DesktopConnectorPtr connector)
{
    const DateRange period = company.config->GetPeriod();
    company.model->SetQuickBooksEmployees(connector->GetEmployeesWithTimeTrack(period.GetStart(), period.GetEnd()));
    company.model->SetCustomerJobs(connector->GetCustomerJob());
    company.model->SetServiceItems(connector->GetServiceItem());
    company.model->SetAllItems(connector->GetAllItem());
    company.model->SetPayrollItems(connector->GetPayroll());
}

void NoAbort() {}

bool RunNow(const boost::function<void()>& call)
{
    call();
    return true;
}

bool Never()
{
    return false;
}

std::vector<std::wstring> NoForms()
{
    return std::vector<std::wstring>();
}

int CountEntries(const EmployeeCollection& employees)
{
    int entries = 0;
    for (EmployeeCollection::const_iterator it = employees.begin(); it != employees.end(); ++it)
        entries += static_cast<int>((*it)->GetTimeTrackRecords()->Count());
    return entries;
}

int CountAdds(const EmployeeDiffCollection& preview)
{
    int adds = 0;
    for (EmployeeDiffCollection::const_iterator it = preview.begin(); it != preview.end(); ++it)
        adds += static_cast<int>((*it)->GetTimeTrackDiffs()->Count());
    return adds;
}

std::wstring CompanyFilePath()
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"bench-import-company.json";
}

}  // namespace

int main(int argc, char** argv)
{
    const int existing = argc > 1 ? std::atoi(argv[1]) : 0;
    if (argc > 2)
        g_users = std::max(1, std::min(kEmployees, std::atoi(argv[2])));
    CoInitializeEx(0, COINIT_MULTITHREADED);
    QbSim::Control::Reset();
    if (existing > 0) {
        DeleteFileW((CompanyFilePath() + L".journal").c_str());
        QbSim::Control::UseCompanyFile(CompanyFilePath());
    }
    double seeding = Seconds();
    QbSim::Control::Seed(CompanyJson(existing));
    seeding = Seconds() - seeding;
    Connectors::SetSessionManagerFactory(&QuickBooksTest::CreateSimulatedSessionManager);
    const DesktopConnectorPtr desktop(
        new Connectors::DesktopConnector(Connectors::QBConnectionOptions("Quorvane Pellworth", "PW", 6, 0)));
    if (!desktop->Connect()) {
        std::printf("could not open a session with the simulator\n");
        return 1;
    }

    TestCompany company;
    company.model->SetCompanyInformation(L"Bench Co");
    company.config->SetServiceItemGroup(true);
    company.config->SetCanRemoveExistingQBTimeTrack(true);
    AddServerMonth(company);
    LoadQuickBooks(company, desktop);
    BuildPreview(company.model, &NoAbort);
    const int entries = CountAdds(*company.model->GetEmployeeDiffs());

    const boost::shared_ptr<TimedConnector> timed(new TimedConnector(MakeImportConnector(desktop)));
    const boost::shared_ptr<IMainView> view(new SilentView);
    ImportRun run(TakeImportSnapshot(company.model, timed), false, view, &RunNow, &Never, &NoForms);
    const double start = Seconds();
    run.RunImport();
    const double total = Seconds() - start;

    const double connector = timed->Seconds();
    const double own = total - connector;
    std::printf("entries imported:            %d (%d requests)\n", entries, timed->Calls());
    std::printf("import run:                  %.2f s, %.0f entries/s\n", total, entries / total);
    std::printf("connector and simulator:     %.3f ms per entry\n", 1000 * connector / entries);
    std::printf("program's own time:          %.3f ms per entry (%.1f %% of the run)\n", 1000 * own / entries,
                100 * own / total);
    const DateRange period = company.config->GetPeriod();
    std::printf("entries in QuickBooks after: %d\n",
                CountEntries(*desktop->GetEmployeesWithTimeTrack(period.GetStart(), period.GetEnd())));
    std::printf("log: %ls\n", run.GetLogFilePath().c_str());
    if (existing > 0)
        std::printf("company file:                %d entries before; seeding wrote it whole in %.2f s\n", existing,
                    seeding);
    return 0;
}
