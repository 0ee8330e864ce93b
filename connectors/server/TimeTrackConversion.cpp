#include "connectors/server/TimeTrackConversion.h"

#include <map>
#include <string>
#include <utility>
#include <boost/make_shared.hpp>
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

bool SameTexts(const QVTask& a, const QVTask& b)
{
    return a.name == b.name && a.description == b.description;
}
bool SameTexts(const QVProject& a, const QVProject& b)
{
    return a.name == b.name && a.description == b.description;
}
bool SameTexts(const QVCustomer& a, const QVCustomer& b)
{
    return a.name == b.name && a.description == b.description;
}
bool SameTexts(const QVBillingType& a, const QVBillingType& b)
{
    return a.name == b.name && a.billable == b.billable;
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

TimeTrackConverter::TimeTrackConverter(const DateTime& start, const DateTime& end)
    : m_start(start), m_end(end), m_leaveNaming(boost::make_shared<QBCustomerJobService>(L"", L""))
{
}

void TimeTrackConverter::AddTimeTrack(Employee& employee, QVUserTimeTrack timeTrack)
{
    std::map<int, const SharedTask*> tasksOfReply;
    for (QVTimeTrackEntry& entry : timeTrack.TTRecords) {
        if (entry.spent == 0)
            continue;
        CheckDuration(entry.spent);
        if (!IsInRange(entry.date, m_start, m_end))
            continue;
        const SharedTask*& task = tasksOfReply[entry.taskId];
        if (!task)
            task = &TaskOfReply(timeTrack, entry.taskId);
        RecordPointer record = boost::make_shared<TimeTrackRecord>();
        record->SetDate(entry.date);
        record->SetDuration(entry.spent);
        record->SetBillable(task->billingType.billable);
        record->SetNotes(std::move(entry.comment));
        record->SetServerItemTexts(task->texts);
        record->SetNamingService(task->naming);
        employee.AddTimeTrackRecord(record);
    }
    for (const QVLeaveRecord& leave : timeTrack.leaveRecords) {
        CheckDuration(leave.time);
        if (!IsInRange(leave.date, m_start, m_end))
            continue;
        RecordPointer record = boost::make_shared<TimeTrackRecord>();
        record->SetDate(leave.date);
        record->SetDuration(leave.time);
        record->SetLeave(1);
        record->SetPayrollItemName(FindRecordById(timeTrack.leaveTypes, leave.typeId).name);
        record->SetNamingService(m_leaveNaming);
        employee.AddTimeTrackRecord(record);
    }
}

// The shared part of a task as this reply describes it; throws NotFoundException when the reply
// lacks the task or anything it refers to.
const TimeTrackConverter::SharedTask& TimeTrackConverter::TaskOfReply(const QVUserTimeTrack& timeTrack, int taskId)
{
    const QVTask& task = FindRecordById(timeTrack.tasks, taskId);
    const QVBillingType& billingType = FindRecordById(timeTrack.billingTypes, task.billingTypeId);
    const QVProject& project = FindRecordById(timeTrack.projects, task.projectId);
    const QVCustomer& customer = FindRecordById(timeTrack.customers, project.customerId);

    SharedTask& shared = m_tasks[taskId];
    if (shared.naming && SameTexts(shared.task, task) && SameTexts(shared.project, project) &&
        SameTexts(shared.customer, customer) && SameTexts(shared.billingType, billingType))
        return shared;
    shared.task = task;
    shared.project = project;
    shared.customer = customer;
    shared.billingType = billingType;
    boost::shared_ptr<ServerItemTexts> texts = boost::make_shared<ServerItemTexts>();
    texts->projectName = project.name;
    texts->taskName = task.name;
    texts->customerDescription = customer.description;
    texts->projectDescription = project.description;
    texts->taskDescription = task.description;
    shared.texts = texts;
    // The billing type names the service item.
    shared.naming = boost::make_shared<QVCustomerJobService>(customer.name, project.name, task.name, billingType.name);
    return shared;
}

}  // namespace QVConnector
}  // namespace Connectors
}  // namespace Quorvane
