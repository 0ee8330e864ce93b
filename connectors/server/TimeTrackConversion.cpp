#include "connectors/server/TimeTrackConversion.h"

#include <string>
#include <utility>
#include <vector>
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

// Records come this many to an allocation: a chunk stays under a page, which a heap serves from
// its lists of small blocks.
const size_t kRecordsPerChunk = 32;

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
    : m_start(start), m_end(end), m_replies(0), m_leaveNaming(boost::make_shared<QBCustomerJobService>(L"", L""))
{
}

void TimeTrackConverter::AddTimeTrack(Employee& employee, QVUserTimeTrack timeTrack)
{
    ++m_replies;
    for (QVTimeTrackEntry& entry : timeTrack.TTRecords) {
        if (entry.spent == 0)
            continue;
        CheckDuration(entry.spent);
        if (!IsInRange(entry.date, m_start, m_end))
            continue;
        const SharedTask& task = TaskOfReply(timeTrack, entry.taskId);
        RecordPointer record = NewRecord();
        record->SetDate(entry.date);
        record->SetDuration(entry.spent);
        record->SetBillable(task.billingType.billable);
        record->SetNotes(std::move(entry.comment));
        record->SetServerItemTexts(task.texts);
        record->SetNamingService(task.naming);
        employee.AddTimeTrackRecord(std::move(record));
    }
    for (const QVLeaveRecord& leave : timeTrack.leaveRecords) {
        CheckDuration(leave.time);
        if (!IsInRange(leave.date, m_start, m_end))
            continue;
        RecordPointer record = NewRecord();
        record->SetDate(leave.date);
        record->SetDuration(leave.time);
        record->SetLeave(1);
        record->SetPayrollItemName(FindRecordById(timeTrack.leaveTypes, leave.typeId).name);
        record->SetNamingService(m_leaveNaming);
        employee.AddTimeTrackRecord(std::move(record));
    }
}

// A fetch makes tens of thousands of records, and an allocation each would add its own
// bookkeeping to the memory the fetch first touches; a record keeps its whole chunk alive.
RecordPointer TimeTrackConverter::NewRecord()
{
    if (!m_recordChunk || m_recordChunk->size() == m_recordChunk->capacity()) {
        m_recordChunk = boost::make_shared<std::vector<TimeTrackRecord>>();
        m_recordChunk->reserve(kRecordsPerChunk);
    }
    m_recordChunk->emplace_back();  // never beyond the capacity, so no record moves
    return RecordPointer(m_recordChunk, &m_recordChunk->back());
}

// The shared part of a task as this reply describes it, checked once a reply; throws
// NotFoundException when the reply lacks the task or anything it refers to.
const TimeTrackConverter::SharedTask& TimeTrackConverter::TaskOfReply(const QVUserTimeTrack& timeTrack, int taskId)
{
    SharedTask& shared = m_tasks[taskId];
    if (shared.reply == m_replies)
        return shared;
    const QVTask& task = FindRecordById(timeTrack.tasks, taskId);
    const QVBillingType& billingType = FindRecordById(timeTrack.billingTypes, task.billingTypeId);
    const QVProject& project = FindRecordById(timeTrack.projects, task.projectId);
    const QVCustomer& customer = FindRecordById(timeTrack.customers, project.customerId);

    shared.reply = m_replies;
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
