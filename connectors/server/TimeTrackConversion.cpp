#include "connectors/server/TimeTrackConversion.h"

#include <string>
#include "connectors/server/ServerExceptions.h"
#include "core/CustomerJobService.h"

namespace Quorvane {
namespace Connectors {
namespace QVConnector {

namespace {

typedef boost::shared_ptr<TimeTrackRecord> RecordPointer;

// A correct server sends nothing outside the range; a record that came anyway would be added
// to QuickBooks again at every import, because QuickBooks is read for the range only.
bool IsInRange(const DateTime& date, const DateTime& start, const DateTime& end)
{
    return !(date < start) && !(end < date);
}

void CheckDuration(int minutes)
{
    if (minutes < 0)
        throw WrongFormatException();
}

RecordPointer WorkingRecord(const QVTimeTrackEntry& entry, const QVUserTimeTrack& timeTrack)
{
    const QVTask& task = FindRecordById(timeTrack.tasks, entry.taskId);
    const QVBillingType& billingType = FindRecordById(timeTrack.billingTypes, task.billingTypeId);
    const QVProject& project = FindRecordById(timeTrack.projects, task.projectId);
    const QVCustomer& customer = FindRecordById(timeTrack.customers, project.customerId);

    RecordPointer record(new TimeTrackRecord);
    record->SetDate(entry.date);
    record->SetDuration(entry.spent);
    record->SetBillable(billingType.billable);
    record->SetNotes(entry.comment);
    record->SetCustomerDescription(customer.description);
    record->SetProjectName(project.name);
    record->SetProjectDescription(project.description);
    record->SetTaskName(task.name);
    record->SetTaskDescription(task.description);
    // The billing type names the service item.
    record->SetNamingService(boost::shared_ptr<ICustomerJobService>(
        new QVCustomerJobService(customer.name, project.name, task.name, billingType.name)));
    return record;
}

RecordPointer LeaveRecord(const QVLeaveRecord& leave, const QVUserTimeTrack& timeTrack)
{
    const QVLeaveType& leaveType = FindRecordById(timeTrack.leaveTypes, leave.typeId);
    RecordPointer record(new TimeTrackRecord);
    record->SetDate(leave.date);
    record->SetDuration(leave.time);
    record->SetLeave(1);
    record->SetPayrollItemName(leaveType.name);
    record->SetNamingService(boost::shared_ptr<ICustomerJobService>(new QBCustomerJobService(L"", L"")));
    return record;
}

}  // namespace

boost::shared_ptr<Employee> MakeEmployee(const QVUserInfo& user)
{
    boost::shared_ptr<Employee> employee(new Employee);
    employee->SetId(std::to_wstring(user.id));
    employee->SetFirstName(user.firstName);
    employee->SetMiddleName(user.middleInitial);
    employee->SetLastName(user.lastName);
    employee->SetUserName(user.username);
    return employee;
}

void AddTimeTrack(Employee& employee, const QVUserTimeTrack& timeTrack, const DateTime& start, const DateTime& end)
{
    for (const QVTimeTrackEntry& entry : timeTrack.TTRecords) {
        if (entry.spent == 0)
            continue;
        CheckDuration(entry.spent);
        if (IsInRange(entry.date, start, end))
            employee.AddTimeTrackRecord(WorkingRecord(entry, timeTrack));
    }
    for (const QVLeaveRecord& leave : timeTrack.leaveRecords) {
        CheckDuration(leave.time);
        if (IsInRange(leave.date, start, end))
            employee.AddTimeTrackRecord(LeaveRecord(leave, timeTrack));
    }
}

}  // namespace QVConnector
}  // namespace Connectors
}  // namespace Quorvane
