#include "connectors/server/TimeTrackConversion.h"

#include <map>
#include <string>
#include <boost/make_shared.hpp>
#include "connectors/server/ServerExceptions.h"
#include "core/CustomerJobService.h"

namespace Quorvane {
namespace Connectors {
namespace QVConnector {

namespace {

typedef boost::shared_ptr<TimeTrackRecord> RecordPointer;
typedef boost::shared_ptr<ICustomerJobService> NamingPointer;

// What the entries of one task have in common: the items it refers to and their naming
// service, which only answers questions and so is shared. A large time-track would otherwise
// look up and normalise the same names once per entry.
struct TaskContext {
    const QVTask* task;
    const QVBillingType* billingType;
    const QVProject* project;
    const QVCustomer* customer;
    NamingPointer naming;
};

class TaskContexts {
public:
    explicit TaskContexts(const QVUserTimeTrack& timeTrack) : m_timeTrack(timeTrack) {}

    // Throws NotFoundException when the task or anything it refers to is missing.
    const TaskContext& For(int taskId)
    {
        std::map<int, TaskContext>::iterator known = m_byTask.find(taskId);
        if (known != m_byTask.end())
            return known->second;
        TaskContext resolved = Resolve(FindRecordById(m_timeTrack.tasks, taskId));
        return m_byTask.insert(std::make_pair(taskId, resolved)).first->second;
    }

private:
    TaskContext Resolve(const QVTask& task) const
    {
        TaskContext context;
        context.task = &task;
        context.billingType = &FindRecordById(m_timeTrack.billingTypes, task.billingTypeId);
        context.project = &FindRecordById(m_timeTrack.projects, task.projectId);
        context.customer = &FindRecordById(m_timeTrack.customers, context.project->customerId);
        // The billing type names the service item.
        context.naming = boost::make_shared<QVCustomerJobService>(context.customer->name, context.project->name,
                                                                  task.name, context.billingType->name);
        return context;
    }

    const QVUserTimeTrack& m_timeTrack;
    std::map<int, TaskContext> m_byTask;
};

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

RecordPointer WorkingRecord(const QVTimeTrackEntry& entry, const TaskContext& context)
{
    RecordPointer record = boost::make_shared<TimeTrackRecord>();
    record->SetDate(entry.date);
    record->SetDuration(entry.spent);
    record->SetBillable(context.billingType->billable);
    record->SetNotes(entry.comment);
    record->SetCustomerDescription(context.customer->description);
    record->SetProjectName(context.project->name);
    record->SetProjectDescription(context.project->description);
    record->SetTaskName(context.task->name);
    record->SetTaskDescription(context.task->description);
    record->SetNamingService(context.naming);
    return record;
}

RecordPointer LeaveRecord(const QVLeaveRecord& leave, const QVLeaveType& leaveType, const NamingPointer& naming)
{
    RecordPointer record = boost::make_shared<TimeTrackRecord>();
    record->SetDate(leave.date);
    record->SetDuration(leave.time);
    record->SetLeave(1);
    record->SetPayrollItemName(leaveType.name);
    record->SetNamingService(naming);
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
    TaskContexts tasks(timeTrack);
    for (const QVTimeTrackEntry& entry : timeTrack.TTRecords) {
        if (entry.spent == 0)
            continue;
        CheckDuration(entry.spent);
        if (IsInRange(entry.date, start, end))
            employee.AddTimeTrackRecord(WorkingRecord(entry, tasks.For(entry.taskId)));
    }
    // Leave records name no customer:job and no service item.
    NamingPointer leaveNaming = boost::make_shared<QBCustomerJobService>(L"", L"");
    for (const QVLeaveRecord& leave : timeTrack.leaveRecords) {
        CheckDuration(leave.time);
        if (IsInRange(leave.date, start, end))
            employee.AddTimeTrackRecord(LeaveRecord(leave, FindRecordById(timeTrack.leaveTypes, leave.typeId), leaveNaming));
    }
}

}  // namespace QVConnector
}  // namespace Connectors
}  // namespace Quorvane
