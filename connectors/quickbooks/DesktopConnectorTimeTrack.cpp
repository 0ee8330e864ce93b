// Reading QuickBooks time-tracking entries and handing each employee its own.
#include "connectors/quickbooks/DesktopConnector.h"

#include "connectors/quickbooks/QuickBooksErrors.h"
#include "connectors/quickbooks/requests/GetEmployeeRequest.h"
#include "connectors/quickbooks/requests/GetTimeTrackRequest.h"

namespace Quorvane {
namespace Connectors {

DesktopConnector::EmployeesRead* DesktopConnector::GetEmployeesWithTimeTrackOnWorker(const DateTime& start,
                                                                                     const DateTime& end)
{
    try {
        return new EmployeesRead { false, ReadEmployeesWithTimeTrack(start, end) };
    } catch (const WrongTimeRange&) {
        return new EmployeesRead { true, boost::shared_ptr<EmployeeCollection>() };
    } catch (...) {
        return NULL;
    }
}

boost::shared_ptr<EmployeeCollection> DesktopConnector::ReadEmployeesWithTimeTrack(const DateTime& start,
                                                                                   const DateTime& end)
{
    GetEmployeeRequest request;
    QBRequest(request);
    boost::shared_ptr<EmployeeCollection> employees = request.GetResult();
    AttachTimeTrack(employees, start, end);
    return employees;
}

// Entries of entities that are not employees (vendors, other names) are left out.
void DesktopConnector::AttachTimeTrack(const boost::shared_ptr<EmployeeCollection>& employees, const DateTime& start,
                                       const DateTime& end)
{
    GetTimeTrackRequest request;
    request.SetStart(start);
    request.SetEnd(end);
    QBRequest(request);
    GetTimeTrackRequest::EntriesByEntity entries = request.GetResult();
    for (const boost::shared_ptr<Employee>& employee : *employees) {
        GetTimeTrackRequest::EntriesByEntity::const_iterator found = entries.find(employee->GetId());
        if (found != entries.end())
            employee->SetTimeTrackRecords(found->second);
    }
}

// Any failure is the caller's exception: an empty answer would read as "no entries".
boost::shared_ptr<TimeTrackRecordCollection>*
DesktopConnector::GetTimeTrackOnWorker(const std::wstring& entityId, const DateTime& start, const DateTime& end)
{
    GetTimeTrackRequest request;
    request.SetEntityId(entityId);
    request.SetStart(start);
    request.SetEnd(end);
    try {
        QBRequest(request);
    } catch (...) {
        return NULL;
    }
    GetTimeTrackRequest::EntriesByEntity entries = request.GetResult();
    return new boost::shared_ptr<TimeTrackRecordCollection>(
        entries.empty() ? boost::shared_ptr<TimeTrackRecordCollection>() : entries.begin()->second);
}

}  // namespace Connectors
}  // namespace Quorvane
