// Draws the preview and missing-data dialogs over a company named like the demo's, as a
// bookkeeper sees them, and writes each as a PNG: details_screenshots OUTPUT_FOLDER.
// Runs under a display (xvfb-run). Not a test: its pictures are for people to look at.
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "DialogHarness.h"
#include "app/PreviewBuild.h"
#include "core/CustomerJob.h"
#include "core/CustomerJobService.h"
#include "core/ServiceItem.h"
#include "tests/app/TestCompany.h"
#include "tests/quickbooks/SimulatedQuickBooks.h"
#include "tests/quickbooks/SimulatedSessionManager.h"
#include "tools/pageshot/PngFile.h"
#include "tools/qbsim/Control.h"
#include "ui/dialogs/details/DetailsDialog.h"
#include "ui/dialogs/details/MissingDataDialog.h"

using namespace Quorvane;

namespace {

void NoAbort() {}

// Two weeks of John Smith's time as the demo's server and company hold them, with an entry in
// every state, and items QuickBooks still lacks for John and Ryan.
struct ShotCompany : TestCompany {
    ShotCompany()
    {
        DateRange period;
        period.SetStart(DateTime(5, 3, 2012));
        period.SetEnd(DateTime(16, 3, 2012));
        config->SetPeriod(period);
        config->SetCanRemoveExistingQBTimeTrack(true);
        AddLists();
        AddPayrollItem(L"P1", L"Hourly Regular");
        AddPayrollItem(L"P2", L"Vacation Hourly");
        AddLeaveType(L"1", L"Vacation");
        MapLeaveType(L"1", L"P2");
        john = AddServerUser(L"7", L"John", L"Smith", L"Q");
        john->SetUserName(L"JSmith");
        ryan = AddServerUser(L"28", L"Ryan", L"Patel");
        AddServerUser(L"15", L"J\x00F6rg", L"M\x00FCller");
        johnEmployee = AddQuickBooksEmployee(L"E7", L"John", L"Smith", L"Q");
        AddQuickBooksEmployee(L"E15", L"J\x00F6rg", L"M\x00FCller");
        MapEmployee(L"7", L"E7");
        MapEmployee(L"15", L"E15");
        MapEmployee(L"28", L"", Mapping::CreateNew);
        for (const wchar_t* user : { L"7", L"15", L"28" })
            MapPayroll(user, L"P1");
        AddJohnsWeeks();
        Work(ryan, 7, 180, L"Brenner & S\x00F6hne GmbH", L"Payroll Audit", L"Fieldwork", L"Consulting", 0);
        Work(ryan, 8, 240, L"Acme Corporation", L"Website Relaunch", L"Support tickets", L"Travel", 1);
        Work(ryan, 9, 120, L"Acme Corporation", L"Website Relaunch", L"Architecture review",
             L"Senior Architecture Review Sessions", 1);
        Work(john, 7, 60, L"Brenner & S\x00F6hne GmbH", L"Payroll Audit", L"Kick-off", L"Consulting", 0);
        ::BuildPreview(model, &NoAbort);
    }

    void AddLists()
    {
        boost::shared_ptr<CustomerJobCollection> customerJobs(new CustomerJobCollection());
        boost::shared_ptr<CustomerJob> acme(
            new CustomerJob(L"C1", L"Acme Corporation", boost::shared_ptr<CustomerJob>()));
        customerJobs->Add(acme);
        customerJobs->Add(boost::shared_ptr<CustomerJob>(new CustomerJob(L"C2", L"Website Relaunch", acme)));
        customerJobs->Add(boost::shared_ptr<CustomerJob>(new CustomerJob(L"C3", L"Support Contract 2026", acme)));
        model->SetCustomerJobs(customerJobs);
        boost::shared_ptr<ServiceItemCollection> items(new ServiceItemCollection());
        for (const wchar_t* name : { L"Development", L"Consulting" }) {
            boost::shared_ptr<ServiceItem> item(new ServiceItem());
            item->SetId(name);
            item->SetName(name);
            items->Add(item);
        }
        model->SetServiceItems(items);
    }

    void Work(const EmployeePtr& user, int day, int minutes, const std::wstring& customer, const std::wstring& project,
              const std::wstring& notes, const std::wstring& serviceItem, int billable)
    {
        AddServerWork(user, day, minutes, customer, project, notes, billable)
            ->SetNamingService(boost::shared_ptr<ICustomerJobService>(
                new QVCustomerJobService(customer, project, L"Task", serviceItem)));
    }

    // A server entry and the QuickBooks entry it pairs with (billing 2: billed in QuickBooks).
    void Both(int day, int server, int quickBooks, const std::wstring& project, const std::wstring& notes, int billing)
    {
        Work(john, day, server, L"Acme Corporation", project, notes, L"Development", billing == 2 ? 1 : billing);
        AddQuickBooksEntry(johnEmployee, day, quickBooks, L"Acme Corporation:" + project, L"Development", notes,
                           billing, L"Hourly Regular");
    }

    void AddJohnsWeeks()
    {
        for (int day = 5; day <= 9; ++day)
            Both(day, 240, 240, L"Website Relaunch", L"Design", 1);
        Both(6, 180, 120, L"Support Contract 2026", L"Support tickets", 0);
        Both(12, 300, 270, L"Website Relaunch", L"Design", 1);
        Both(13, 240, 240, L"Website Relaunch", L"Design", 1);
        Both(14, 120, 240, L"Support Contract 2026", L"Client workshops", 2);
        Work(john, 15, 150, L"Acme Corporation", L"Support Contract 2026", L"Support tickets", L"Development", 1);
        Work(john, 15, 210, L"O'Malley's Bakery", L"Kitchen Remodel - Phase 1", L"Floor plan", L"Development", 1);
        AddServerLeave(john, 16, 480, L"Vacation");
        AddQuickBooksEntry(johnEmployee, 13, 90, L"Acme Corporation:Support Contract 2026", L"Development",
                           L"Old estimate", 1, L"Hourly Regular");
    }

    EmployeePtr john, ryan, johnEmployee;
};

void CALLBACK SavePixels(const BYTE* pixels, UINT width, UINT height, UINT stride, LPVOID param)
{
    pageshot::WritePng(*static_cast<const std::wstring*>(param), pixels, width, height, stride);
}

// Lets posted events and timers run.
void Pump()
{
    MSG message;
    for (int i = 0; i < 10; ++i) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(10);
    }
}

// Shows the open dialog at the mockup's client size and writes what it shows.
void Shoot(HWND window, int width, int height, const std::wstring& path)
{
    RECT frame = { 0, 0, width, height };
    AdjustWindowRectEx(&frame, GetWindowLongW(window, GWL_STYLE), FALSE, GetWindowLongW(window, GWL_EXSTYLE));
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOZORDER);
    ShowWindow(window, SW_SHOW);
    Pump();
    if (HTMLayoutTestPaintWindow(window, SavePixels, const_cast<std::wstring*>(&path)) != ENGINE_OK)
        throw std::runtime_error("the dialog could not be painted");
    std::printf("wrote %ls\n", path.c_str());
}

template <typename Dialog>
void Open(Dialog& dialog, int page)
{
    if (!dialog.Open(page))
        throw std::runtime_error("the dialog's page did not open");
}

void ShootPreview(const ShotCompany& company, const std::wstring& folder)
{
    OpenedDialog<DetailsDialog> working(nullptr, company.model);
    working.SetEmployeeId(L"7");
    working.SetOpenWorkingLeaveTimeTab(true);
    Open(working, 136);
    Shoot(working.Window(), 1012, 600, folder + L"\\preview-working-time.png");
    PageProbe(working.Window()).Click("tr.weekheader img.pointer");
    Shoot(working.Window(), 1012, 600, folder + L"\\preview-week-collapsed.png");

    OpenedDialog<DetailsDialog> missing(nullptr, company.model);
    missing.SetEmployeeId(L"7");
    Open(missing, 136);
    Shoot(missing.Window(), 1012, 600, folder + L"\\preview-missing-items.png");
}

void ShootMissingData(const ShotCompany& company, const std::wstring& folder)
{
    OpenedDialog<MissingDataDialog> dialog(nullptr, company.model);
    Open(dialog, 139);
    PageProbe page(dialog.Window());
    page.Click("#MissingItemItemId>tr:nth-child(1) button");
    page.Click("#MissingItemItemId>tr[valueName=\"O'Malley's Bakery:Kitchen Remodel - Phase 1\"] button");
    Shoot(dialog.Window(), 800, 500, folder + L"\\missing-data.png");
    page.Click("#idCreateMissingDataButton");
    dialog.AwaitCreation();
    Shoot(dialog.Window(), 800, 500, folder + L"\\missing-data-creation-failed.png");
}

// QuickBooks is the simulator, which already holds a customer named as one the company lacks.
void ConnectSimulator(ShotCompany& company, boost::shared_ptr<Connectors::DesktopConnector>& connector)
{
    QbSim::Control::Reset();
    Connectors::SetSessionManagerFactory(&QuickBooksTest::CreateSimulatedSessionManager);
    QbSim::Control::Seed(
        L"{\"CompanyName\":\"Demo\",\"Preferences\":{\"TimeTrackingEnabled\":true,\"CurrentAppAccessRights\":{"
        L"\"IsPersonalDataAccessAllowed\":true}},\"Customers\":[{\"ListID\":\"C1\",\"Name\":\"Acme Corporation\"},"
        L"{\"ListID\":\"C9\",\"Name\":\"O'Malley's Bakery\"}],"
        L"\"Accounts\":[{\"ListID\":\"A1\",\"Name\":\"Income\",\"AccountType\":8}],"
        L"\"PayrollItemWages\":[{\"ListID\":\"P1\",\"Name\":\"Hourly Regular\"}]}");
    connector.reset(new Connectors::DesktopConnector(QuickBooksTest::ProgramOptions()));
    if (!connector->Connect())
        throw std::runtime_error("the QuickBooks simulator did not connect");
    company.model->SetQuickBooksConnector(connector);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: details_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    try {
        ShotCompany company;
        boost::shared_ptr<Connectors::DesktopConnector> connector;
        ConnectSimulator(company, connector);
        ShootPreview(company, argv[1]);
        ShootMissingData(company, argv[1]);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "details_screenshots: %s\n", error.what());
        return 1;
    }
}
