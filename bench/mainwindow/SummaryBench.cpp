// RefreshSummary over a preview of many employees, each with an entry a day for a month.
#include "SummaryFigures.h"

#include <cstdio>

#include <boost/shared_ptr.hpp>

#include "TestCompany.h"
#include "bench/Clock.h"
#include "core/CustomerJobService.h"
#include "ui/main/MainView.h"
#include "ui/main/SummaryTable.h"

using namespace Quorvane;

namespace {

boost::shared_ptr<TimeTrackRecord> Record(int day, int minutes)
{
    boost::shared_ptr<TimeTrackRecord> record(new TimeTrackRecord(2012, 3, day, minutes));
    record->SetNamingService(boost::shared_ptr<ICustomerJobService>(new QBCustomerJobService(L"Acme:Roof", L"Labor")));
    return record;
}

// Every fourth employee is new in QuickBooks, and its entries need customers, jobs and items.
void AddEmployee(TestCompany& company, int index)
{
    std::wstring id = std::to_wstring(index);
    bool isNew = index % 4 == 0;
    boost::shared_ptr<Employee> user = company.AddServerUser(id, L"First" + id, L"Last" + id);
    if (isNew) {
        company.MapEmployee(id, L"", 4);
    } else {
        company.AddQuickBooksEmployee(L"QB" + id, L"First" + id, L"Last" + id);
        company.MapEmployee(id, L"QB" + id);
    }
    boost::shared_ptr<EmployeeDiff> diff(new EmployeeDiff());
    diff->SetServerUser(user);
    diff->SetTimeTrackDiffs(boost::shared_ptr<TimeTrackDiffCollection>(new TimeTrackDiffCollection()));
    for (int day = 1; day <= 31; ++day)
        diff->GetTimeTrackDiffs()->Add(boost::shared_ptr<TimeTrackDiff>(
            new TimeTrackDiff(isNew ? nullptr : Record(day, 60 * (day % 3)), Record(day, 90))));
    company.model->GetEmployeeDiffs()->Add(diff);
}

}  // namespace

SummaryTimes MeasureSummary(int employees)
{
    TestCompany company;
    company.model->SetCustomerJobs(boost::shared_ptr<CustomerJobCollection>(new CustomerJobCollection()));
    company.model->SetServiceItems(boost::shared_ptr<ServiceItemCollection>(new ServiceItemCollection()));
    company.model->SetAllItems(boost::shared_ptr<ItemTypeCollection>(new ItemTypeCollection()));
    for (int i = 0; i < employees; ++i)
        AddEmployee(company, i);
    boost::shared_ptr<MainView> view(new MainView());
    view->SetModel(company.model);
    view->InitInstance(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    // The bookkeeper's window is on screen before a refresh: its first frame, with the window
    // surface Wine makes for it, is not the refresh's to pay.
    UpdateWindow(view->GetHwnd());
    SummaryTimes times;
    double start = Bench::Seconds();
    SummaryTableBuilder(company.model).BuildRows(SummarizePreview(company.model));
    times.markup = Bench::Seconds() - start;
    start = Bench::Seconds();
    view->RefreshSummary();
    times.refresh = Bench::Seconds() - start;
    start = Bench::Seconds();
    RedrawWindow(view->GetHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    times.paint = Bench::Seconds() - start;
    view->DetachFromWindow();
    DestroyWindow(view->GetHwnd());
    view->SetModel(boost::shared_ptr<MainModel>());
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        ;
    return times;
}
