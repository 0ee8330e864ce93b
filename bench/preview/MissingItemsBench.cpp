// Times what the main window's summary asks of the missing items after a load: for every
// employee of the preview, collect the items its adds need and validate them, with one
// controller, as the summary does. A QuickBooks company of a realistic size holds most names;
// every fourth user also works for a customer and under a billing type QuickBooks lacks.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/PreviewBuild.h"
#include "app/missing/MissingItemsController.h"
#include "bench/Clock.h"
#include "core/CustomerJobService.h"
#include "tests/app/TestCompany.h"

using namespace Quorvane;

namespace {

const int Users = 200;
const int EntriesPerDay = 4;
const int Days = 31;
const int OtherCustomers = 500;
const int OtherServiceItems = 100;
const int Runs = 5;

void NoAbort() {}

void AddServiceItem(ServiceItemCollection& items, const std::wstring& name)
{
    boost::shared_ptr<ServiceItem> item(new ServiceItem());
    item->SetId(L"S" + name);
    item->SetName(name);
    items.Add(item);
}

// Customer0 to Customer2 with their job "Project", the billing type "Labor", and others.
void FillQuickBooksLists(TestCompany& company)
{
    boost::shared_ptr<CustomerJobCollection> customerJobs(new CustomerJobCollection());
    for (int n = 0; n < OtherCustomers; ++n) {
        const std::wstring name = L"Customer" + std::to_wstring(n);
        const boost::shared_ptr<CustomerJob> customer(
            new CustomerJob(L"C" + name, name, boost::shared_ptr<CustomerJob>()));
        customerJobs->Add(customer);
        customerJobs->Add(boost::shared_ptr<CustomerJob>(new CustomerJob(L"J" + name, L"Project", customer)));
    }
    boost::shared_ptr<ServiceItemCollection> serviceItems(new ServiceItemCollection());
    for (int n = 0; n < OtherServiceItems; ++n)
        AddServiceItem(*serviceItems, L"Service" + std::to_wstring(n));
    AddServiceItem(*serviceItems, L"Labor");
    company.model->SetCustomerJobs(customerJobs);
    company.model->SetServiceItems(serviceItems);
    company.model->SetAllItems(boost::shared_ptr<ItemTypeCollection>(new ItemTypeCollection()));
}

void AddUser(TestCompany& company, int n)
{
    const std::wstring id = std::to_wstring(n);
    TestCompany::EmployeePtr user = company.AddServerUser(id, L"First" + id, L"Last");
    company.AddQuickBooksEmployee(L"E" + id, L"First" + id, L"Last");
    company.MapEmployee(id, L"E" + id);
    company.MapPayroll(id, L"P1");
    for (int day = 1; day <= Days; ++day)
        for (int k = 0; k < EntriesPerDay; ++k)
            company.AddServerWork(user, day, 60 + k, L"Customer" + std::to_wstring(k % 3), L"Project", L"Work", 0);
    if (n % 4 == 0)
        company.AddServerWork(user, 1, 30, L"New" + id, L"Project", L"Work", 0)
            ->SetNamingService(boost::shared_ptr<ICustomerJobService>(
                new QVCustomerJobService(L"New" + id, L"Project", L"Task", L"Night" + id)));
}

// The milliseconds of one pass over every employee, and the items it found.
double TimeOnePass(const boost::shared_ptr<MainModel>& model, size_t& found)
{
    const boost::shared_ptr<EmployeeDiffCollection> diffs = model->GetEmployeeDiffs();
    const double start = Bench::Seconds();
    MissingItemsController missing(model);
    found = 0;
    for (EmployeeDiffCollection::const_iterator diff = diffs->begin(); diff != diffs->end(); ++diff) {
        const boost::shared_ptr<MissingItemCollection> items = missing.CollectMissingItems(**diff);
        found += missing.ValidateMissingItems(*items)->size();
    }
    return 1000.0 * (Bench::Seconds() - start);
}

}  // namespace

int main()
{
    TestCompany company;
    company.AddPayrollItem(L"P1", L"Hourly");
    FillQuickBooksLists(company);
    for (int n = 1; n <= Users; ++n)
        AddUser(company, n);
    BuildPreview(company.model, &NoAbort);
    const size_t previewed = company.model->GetEmployeeDiffs()->Count();
    std::vector<double> times;
    size_t found = 0;
    for (int run = 0; run < Runs; ++run)
        times.push_back(TimeOnePass(company.model, found));
    // 50 users need a customer, its job and a service item each.
    const size_t expected = 3 * (Users / 4);
    if (previewed != static_cast<size_t>(Users) || found != expected) {
        std::printf("missing items bench: set-up failed (%u employees previewed, %u items found, %u expected)\n",
                    static_cast<unsigned>(previewed), static_cast<unsigned>(found), static_cast<unsigned>(expected));
        return 1;
    }
    std::sort(times.begin(), times.end());
    const double median = times[Runs / 2];
    std::printf("missing items of %d employees x %d entries (QuickBooks: %d customers with a job each, %d service "
                "items), collected and validated as the summary does, median of %d passes\n",
                Users, Days * EntriesPerDay, OtherCustomers, OtherServiceItems + 1, Runs);
    std::printf("  all employees: %8.1f ms (%.3f ms per employee, %u items)\n", median, median / Users,
                static_cast<unsigned>(found));
    return 0;
}
