#include "MarchFortnightCompany.h"

#include "app/PreviewBuild.h"
#include "core/CustomerJob.h"
#include "core/ServiceItem.h"

using namespace Quorvane;

namespace {

void NoAbort() {}

boost::shared_ptr<CustomerJob> AddCustomerJob(CustomerJobCollection& customerJobs, const std::wstring& id,
                                              const std::wstring& name, const boost::shared_ptr<CustomerJob>& parent)
{
    boost::shared_ptr<CustomerJob> customerJob(new CustomerJob(id, name, parent));
    customerJobs.Add(customerJob);
    return customerJob;
}

boost::shared_ptr<CustomerJobCollection> QuickBooksCustomerJobs()
{
    boost::shared_ptr<CustomerJobCollection> customerJobs(new CustomerJobCollection());
    const boost::shared_ptr<CustomerJob> acme =
        AddCustomerJob(*customerJobs, L"C1", L"Acme", boost::shared_ptr<CustomerJob>());
    AddCustomerJob(*customerJobs, L"C2", L"Roof", acme);
    AddCustomerJob(*customerJobs, L"C3", L"Shed", acme);
    return customerJobs;
}

boost::shared_ptr<ServiceItemCollection> QuickBooksServiceItems()
{
    boost::shared_ptr<ServiceItemCollection> items(new ServiceItemCollection());
    boost::shared_ptr<ServiceItem> labor(new ServiceItem());
    labor->SetId(L"S1");
    labor->SetName(L"Labor");
    items->Add(labor);
    return items;
}

}  // namespace

DateTime MarchDay(int day)
{
    return DateTime(day, 3, 2012);
}

MarchFortnightCompany::MarchFortnightCompany()
{
    DateRange period;
    period.SetStart(MarchDay(7));
    period.SetEnd(MarchDay(13));
    config->SetPeriod(period);
    model->SetCustomerJobs(QuickBooksCustomerJobs());
    model->SetServiceItems(QuickBooksServiceItems());
    AddPayrollItem(L"P1", L"Hourly Regular");
    AddPayrollItem(L"P2", L"Vacation Hourly");
    AddLeaveType(L"7", L"Vacation");
    MapLeaveType(L"7", L"P2");

    ann = AddServerUser(L"1", L"Ann", L"Archer");
    bob = AddServerUser(L"2", L"Bob", L"Baker");
    cy = AddServerUser(L"3", L"Cy", L"Cole");
    dee = AddServerUser(L"4", L"Dee", L"Dunn");
    annEmployee = AddQuickBooksEmployee(L"E1", L"Ann", L"Archer");
    deeEmployee = AddQuickBooksEmployee(L"E4", L"Dee", L"Dunn");
    MapEmployee(L"1", L"E1");
    MapEmployee(L"2", L"", Mapping::CreateNew);
    MapEmployee(L"3", L"", Mapping::DoNotImport);
    MapEmployee(L"4", L"E4");
    for (const wchar_t* user : { L"1", L"2", L"3", L"4" })
        MapPayroll(user, L"P1");

    AddServerWork(ann, 7, 120, L"Acme", L"Roof", L"Gutters", 1);
    AddServerWork(ann, 8, 120, L"Acme", L"Roof", L"Fix", 0);
    AddQuickBooksEntry(annEmployee, 8, 90, L"Acme:Roof", L"Labor", L"Fix", 0, L"Hourly Regular");
    AddServerWork(ann, 9, 60, L"Acme", L"Roof", L"Paint", 0);
    AddQuickBooksEntry(annEmployee, 9, 60, L"Acme:Roof", L"Labor", L"Paint", 0, L"Hourly Regular");
    AddServerWork(ann, 10, 30, L"Northwind", L"Deck", L"Stairs", 0);
    AddServerWork(ann, 12, 180, L"Acme", L"Roof", L"Frame", 1);
    AddQuickBooksEntry(annEmployee, 12, 240, L"Acme:Roof", L"Labor", L"Frame", 2, L"Hourly Regular");
    AddServerLeave(ann, 12, 480, L"Vacation");
    AddQuickBooksEntry(annEmployee, 13, 45, L"Acme:Shed", L"Labor", L"Sweep", 0, L"Hourly Regular");

    AddServerWork(bob, 8, 60, L"Northwind", L"Deck", L"Posts", 0);
    AddServerWork(cy, 8, 60, L"Acme", L"Roof", L"Ignored", 0);
    AddServerWork(dee, 9, 60, L"Acme", L"Roof", L"Paint", 0);
    AddQuickBooksEntry(deeEmployee, 9, 60, L"Acme:Roof", L"Labor", L"Paint", 0, L"Hourly Regular");
}

void MarchFortnightCompany::BuildPreview()
{
    ::BuildPreview(model, &NoAbort);
}
