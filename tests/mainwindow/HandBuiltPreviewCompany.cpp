#include "HandBuiltPreviewCompany.h"

#include "core/CustomerJobService.h"

using namespace Quorvane;

namespace {

boost::shared_ptr<TimeTrackRecord> Record(int minutes)
{
    if (minutes < 0)
        return boost::shared_ptr<TimeTrackRecord>();
    boost::shared_ptr<TimeTrackRecord> record(new TimeTrackRecord(2012, 3, 5, minutes));
    record->SetNamingService(boost::shared_ptr<ICustomerJobService>(new QBCustomerJobService(L"Acme:Roof", L"Labor")));
    return record;
}

}  // namespace

HandBuiltPreviewCompany::HandBuiltPreviewCompany()
{
    model->SetCustomerJobs(boost::shared_ptr<CustomerJobCollection>(new CustomerJobCollection()));
    model->SetServiceItems(boost::shared_ptr<ServiceItemCollection>(new ServiceItemCollection()));
    model->SetAllItems(boost::shared_ptr<ItemTypeCollection>(new ItemTypeCollection()));
}

void HandBuiltPreviewCompany::User(const std::wstring& id, const std::wstring& first, const std::wstring& last,
                                   int state)
{
    EmployeePtr user = AddServerUser(id, first, last);
    if (state == Mapping::Mapped)
        AddQuickBooksEmployee(L"QB" + id, first, last);
    MapEmployee(id, L"QB" + id, state);
    boost::shared_ptr<EmployeeDiff> diff(new EmployeeDiff());
    diff->SetServerUser(user);
    diff->SetTimeTrackDiffs(boost::shared_ptr<TimeTrackDiffCollection>(new TimeTrackDiffCollection()));
    model->GetEmployeeDiffs()->Add(diff);
    m_diffs[id] = diff;
}

boost::shared_ptr<TimeTrackDiff> HandBuiltPreviewCompany::Entry(const std::wstring& id, int quickBooks, int imported)
{
    boost::shared_ptr<TimeTrackDiff> entry(new TimeTrackDiff(Record(quickBooks), Record(imported)));
    m_diffs[id]->GetTimeTrackDiffs()->Add(entry);
    return entry;
}

boost::shared_ptr<TimeTrackDiff> HandBuiltPreviewCompany::Leave(const std::wstring& id, int minutes,
                                                                const std::wstring& leaveType)
{
    boost::shared_ptr<TimeTrackDiff> entry = Entry(id, minutes, minutes + 60);
    for (const boost::shared_ptr<TimeTrackRecord>& side : { entry->GetQuickBooksSide(), entry->GetImportSide() }) {
        side->SetLeave(1);
        side->SetPayrollItemName(leaveType);
    }
    return entry;
}
