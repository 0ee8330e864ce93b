// Times the preview dialog for an employee with a month of 4 entries a day, and the missing-data
// dialog with 500 missing items, from building the dialog to its first painted frame, and
// prints the figures. Runs under a display (xvfb-run).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/Clock.h"
#include "tests/app/TestCompany.h"
#include "tests/details/DialogHarness.h"
#include "ui/dialogs/details/DetailsDialog.h"
#include "ui/dialogs/details/MissingDataDialog.h"
#include "app/PreviewBuild.h"
#include "core/CustomerJob.h"
#include "core/ServiceItem.h"

namespace {

const int kRuns = 5;
const int kEntriesPerDay = 4;
const int kMissingCustomers = 250;  // each with a job: 500 items

void NoAbort() {}

std::wstring Number(const wchar_t* prefix, int n)
{
    return prefix + std::to_wstring(n);
}

// QuickBooks lists that hold nothing yet.
void EmptyLists(TestCompany& company)
{
    company.model->SetCustomerJobs(
        boost::shared_ptr<Quorvane::CustomerJobCollection>(new Quorvane::CustomerJobCollection()));
    company.model->SetServiceItems(
        boost::shared_ptr<Quorvane::ServiceItemCollection>(new Quorvane::ServiceItemCollection()));
}

// One user with four entries a day over March, each its own row; every other entry is already
// in QuickBooks with a different time.
boost::shared_ptr<MainModel> MonthOfEntries()
{
    TestCompany company;
    EmptyLists(company);
    company.AddPayrollItem(L"P1", L"Hourly");
    const TestCompany::EmployeePtr user = company.AddServerUser(L"1", L"Ann", L"Archer");
    const TestCompany::EmployeePtr employee = company.AddQuickBooksEmployee(L"E1", L"Ann", L"Archer");
    company.MapEmployee(L"1", L"E1");
    company.MapPayroll(L"1", L"P1");
    for (int day = 1; day <= 31; ++day) {
        for (int k = 0; k < kEntriesPerDay; ++k) {
            const std::wstring notes = Number(L"Work ", day * 10 + k);
            company.AddServerWork(user, day, 60 + k, L"Acme", L"Roof", notes, k % 2);
            if (k % 2)
                company.AddQuickBooksEntry(employee, day, 30 + k, L"Acme:Roof", L"Labor", notes, 1, L"Hourly");
        }
    }
    BuildPreview(company.model, &NoAbort);
    return company.model;
}

boost::shared_ptr<MainModel> ManyMissingItems()
{
    TestCompany company;
    EmptyLists(company);
    company.config->SetServiceItemGroup(false);
    company.AddPayrollItem(L"P1", L"Hourly");
    for (int n = 0; n < 10; ++n) {
        const std::wstring id = std::to_wstring(n + 1);
        const TestCompany::EmployeePtr user = company.AddServerUser(id, Number(L"First", n), Number(L"Last", n));
        company.AddQuickBooksEmployee(Number(L"E", n), Number(L"First", n), Number(L"Last", n));
        company.MapEmployee(id, Number(L"E", n));
        company.MapPayroll(id, L"P1");
        for (int c = n; c < kMissingCustomers; c += 10)
            company.AddServerWork(user, 1 + c % 28, 60, Number(L"Customer ", c), L"Project", L"Work", 0);
    }
    BuildPreview(company.model, &NoAbort);
    return company.model;
}

// Milliseconds from building the dialog to its first frame: its window made, the page loaded
// and filled, shown and painted. Negative when the page did not open.
template <typename Dialog>
double TimeToFirstFrame(const std::function<Dialog*()>& make, int page, size_t& rows)
{
    const double start = Bench::Seconds();
    std::unique_ptr<Dialog> dialog(make());
    if (!dialog->Open(page))
        return -1;
    ShowWindow(dialog->Window(), SW_SHOW);
    UpdateWindow(dialog->Window());
    const double elapsed = 1000.0 * (Bench::Seconds() - start);
    rows = PageProbe(dialog->Window()).FindAll("#workingLeaveTimeTBody>tr, #MissingItemItemId>tr").size();
    return elapsed;
}

template <typename Dialog>
bool Report(const char* what, const std::function<Dialog*()>& make, int page, size_t minimumRows)
{
    std::vector<double> times;
    size_t rows = 0;
    for (int run = 0; run < kRuns; ++run) {
        const double time = TimeToFirstFrame<Dialog>(make, page, rows);
        if (time < 0 || rows < minimumRows) {
            std::printf("FAILED: %s: the page did not open or showed %u rows\n", what, unsigned(rows));
            return false;
        }
        times.push_back(time);
    }
    std::sort(times.begin(), times.end());
    std::printf("  %-46s %4u rows  median %6.1f ms  (best %.1f, worst %.1f, the first run is cold)\n", what,
                unsigned(rows), times[kRuns / 2], times.front(), times.back());
    return true;
}

}  // namespace

int main()
{
    std::printf("dialogs to their first painted frame, %d runs each\n", kRuns);
    const boost::shared_ptr<MainModel> month = MonthOfEntries();
    const bool preview = Report<OpenedDialog<DetailsDialog>>(
        "preview, 31 days x 4 entries (one row each)",
        [&] {
            OpenedDialog<DetailsDialog>* dialog = new OpenedDialog<DetailsDialog>(nullptr, month);
            dialog->SetEmployeeId(L"1");
            dialog->SetOpenWorkingLeaveTimeTab(true);
            return dialog;
        },
        136, 124);
    const boost::shared_ptr<MainModel> missing = ManyMissingItems();
    const bool missingData = Report<OpenedDialog<MissingDataDialog>>(
        "missing data, 250 customers and their jobs",
        [&] { return new OpenedDialog<MissingDataDialog>(nullptr, missing); }, 139, 500);
    return preview && missingData ? 0 : 1;
}
