#include "connectors/server/TimeTrackConversion.h"

#include <unordered_map>
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

// A reply's records by id; where ids repeat, the first record holds. A reply refers to its
// tasks, projects and customers by id for every entry, too often to search the lists each time.
template <typename Record>
class RecordsById {
public:
    explicit RecordsById(const std::vector<Record>& records)
    {
        m_records.reserve(records.size());
        for (const Record& record : records)
            m_records.emplace(record.id, &record);
    }

    // Throws NotFoundException when no record has the id.
    const Record& Find(int id) const
    {
        typename std::unordered_map<int, const Record*>::const_iterator found = m_records.find(id);
        if (found == m_records.end())
            throw NotFoundException();
        return *found->second;
    }

private:
    std::unordered_map<int, const Record*> m_records;
};

// The records of one reply, made in one allocation: a fetch makes tens of thousands of records,
// and an allocation each would add its own bookkeeping to the memory a fetch first touches. A
// record handed out keeps the whole block alive.
class RecordBlock {
public:
    // Room for as many records as will be added; more would move those already handed out.
    explicit RecordBlock(size_t capacity) : m_records(boost::make_shared<std::vector<TimeTrackRecord>>())
    {
        m_records->reserve(capacity);
    }

    RecordPointer Add()
    {
        m_records->emplace_back();
        return RecordPointer(m_records, &m_records->back());
    }

private:
    boost::shared_ptr<std::vector<TimeTrackRecord>> m_records;
};

}  // namespace

// The lists of one reply that its entries refer to, by id.
struct TimeTrackConverter::ReplyLists {
    explicit ReplyLists(const QVUserTimeTrack& timeTrack)
        : tasks(timeTrack.tasks),
          projects(timeTrack.projects),
          customers(timeTrack.customers),
          billingTypes(timeTrack.billingTypes),
          leaveTypes(timeTrack.leaveTypes)
    {
    }
    RecordsById<QVTask> tasks;
    RecordsById<QVProject> projects;
    RecordsById<QVCustomer> customers;
    RecordsById<QVBillingType> billingTypes;
    RecordsById<QVLeaveType> leaveTypes;
};

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
    const ReplyLists lists(timeTrack);
    std::unordered_map<int, const SharedTask*> tasksOfReply;
    RecordBlock records(timeTrack.TTRecords.size() + timeTrack.leaveRecords.size());
    for (QVTimeTrackEntry& entry : timeTrack.TTRecords) {
        if (entry.spent == 0)
            continue;
        CheckDuration(entry.spent);
        if (!IsInRange(entry.date, m_start, m_end))
            continue;
        const SharedTask*& task = tasksOfReply[entry.taskId];
        if (!task)
            task = &TaskOfReply(lists, entry.taskId);
        RecordPointer record = records.Add();
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
        RecordPointer record = records.Add();
        record->SetDate(leave.date);
        record->SetDuration(leave.time);
        record->SetLeave(1);
        record->SetPayrollItemName(lists.leaveTypes.Find(leave.typeId).name);
        record->SetNamingService(m_leaveNaming);
        employee.AddTimeTrackRecord(record);
    }
}

// The shared part of a task as this reply describes it; throws NotFoundException when the reply
// lacks the task or anything it refers to.
const TimeTrackConverter::SharedTask& TimeTrackConverter::TaskOfReply(const ReplyLists& lists, int taskId)
{
    const QVTask& task = lists.tasks.Find(taskId);
    const QVBillingType& billingType = lists.billingTypes.Find(task.billingTypeId);
    const QVProject& project = lists.projects.Find(task.projectId);
    const QVCustomer& customer = lists.customers.Find(project.customerId);

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
