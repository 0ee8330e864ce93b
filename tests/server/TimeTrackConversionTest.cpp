#include <gtest/gtest.h>

#include "connectors/server/ServerExceptions.h"
#include "connectors/server/TimeTrackConversion.h"

using namespace Quorvane;
using namespace Quorvane::Connectors::QVConnector;

namespace {

const DateTime kStart(1, 10, 2026);
const DateTime kEnd(31, 10, 2026);

QVTimeTrackEntry Entry(int taskId, int day, int spent)
{
    QVTimeTrackEntry entry;
    entry.taskId = taskId;
    entry.date = DateTime(day, 10, 2026);
    entry.spent = spent;
    entry.comment = L"note " + std::to_wstring(day);
    return entry;
}

QVLeaveRecord Leave(int typeId, int day, int time)
{
    QVLeaveRecord leave;
    leave.typeId = typeId;
    leave.date = DateTime(day, 10, 2026);
    leave.time = time;
    return leave;
}

// One customer, project, task and billing type, and two leave types of the same id.
QVUserTimeTrack Company()
{
    QVUserTimeTrack timeTrack;
    QVCustomer customer;
    customer.id = 1;
    customer.name = L" Acme : East ";
    customer.description = L"Main account";
    timeTrack.customers.push_back(customer);
    QVProject project;
    project.id = 10;
    project.customerId = 1;
    project.name = L"Roof";
    project.description = L"New roof";
    timeTrack.projects.push_back(project);
    QVTask task;
    task.id = 100;
    task.projectId = 10;
    task.billingTypeId = 2;
    task.name = L"Gutters";
    task.description = L"All sides";
    timeTrack.tasks.push_back(task);
    QVBillingType billingType;
    billingType.id = 2;
    billingType.name = L"Consulting:Senior";
    billingType.billable = 1;
    timeTrack.billingTypes.push_back(billingType);
    QVLeaveType vacation;
    vacation.id = 3;
    vacation.name = L"Vacation";
    timeTrack.leaveTypes.push_back(vacation);
    QVLeaveType shadow;
    shadow.id = 3;
    shadow.name = L"Shadowed";
    timeTrack.leaveTypes.push_back(shadow);
    return timeTrack;
}

std::vector<boost::shared_ptr<TimeTrackRecord>> Converted(const QVUserTimeTrack& timeTrack)
{
    Employee employee;
    TimeTrackConverter(kStart, kEnd).AddTimeTrack(employee, timeTrack);
    boost::shared_ptr<TimeTrackRecordCollection> records = employee.GetTimeTrackRecords();
    return std::vector<boost::shared_ptr<TimeTrackRecord>>(records->begin(), records->end());
}

}  // namespace

TEST(TimeTrackConversion, WorkingTimeFirstThenLeaveInReplyOrder)
{
    QVUserTimeTrack timeTrack = Company();
    timeTrack.leaveRecords.push_back(Leave(3, 2, 0));
    timeTrack.TTRecords.push_back(Entry(100, 5, 90));
    timeTrack.TTRecords.push_back(Entry(100, 6, 0));
    timeTrack.TTRecords.push_back(Entry(100, 3, 30));

    std::vector<boost::shared_ptr<TimeTrackRecord>> records = Converted(timeTrack);
    ASSERT_EQ(3u, records.size()) << "an entry without time spent makes no record";
    EXPECT_EQ(90, records[0]->GetDuration());
    EXPECT_EQ(30, records[1]->GetDuration());
    const TimeTrackRecord& leave = *records[2];
    EXPECT_TRUE(leave.IsLeave());
    EXPECT_EQ(0, leave.GetDuration()) << "leave of no time is kept";
    EXPECT_EQ(L"Vacation", leave.GetPayrollItemName()) << "the first leave type of an id wins";
    EXPECT_EQ(L"", leave.GetCustomerJobName(1));
}

TEST(TimeTrackConversion, WorkingRecordCarriesItsNamesAndDescriptions)
{
    QVUserTimeTrack timeTrack = Company();
    timeTrack.TTRecords.push_back(Entry(100, 5, 90));
    std::vector<boost::shared_ptr<TimeTrackRecord>> records = Converted(timeTrack);
    ASSERT_EQ(1u, records.size());
    const TimeTrackRecord& record = *records[0];

    EXPECT_TRUE(DateTime(5, 10, 2026) == record.GetDate());
    EXPECT_EQ(1, record.GetBillable());
    EXPECT_FALSE(record.IsLeave());
    EXPECT_EQ(L"note 5", record.GetNotes());
    EXPECT_EQ(L"Main account", record.GetCustomerDescription());
    EXPECT_EQ(L"New roof", record.GetProjectDescription());
    EXPECT_EQ(L"All sides", record.GetTaskDescription());
    EXPECT_EQ(L"Roof", record.GetProjectName());
    EXPECT_EQ(L"Gutters", record.GetTaskName());
    EXPECT_EQ(L"Acme:East:Roof:Gutters", record.GetCustomerJobName(1));
    EXPECT_EQ(L"Acme:East", record.GetCustomerJobName(4));
    EXPECT_EQ(L"Consulting:Senior", record.GetServiceItemName());
}

TEST(TimeTrackConversion, EachUserKeepsTheTaskAsItsOwnReplyDescribesIt)
{
    QVUserTimeTrack first = Company();
    first.TTRecords.push_back(Entry(100, 5, 90));
    QVUserTimeTrack second = Company();
    second.tasks[0].name = L"Siding";
    second.billingTypes[0].billable = 0;
    second.TTRecords.push_back(Entry(100, 6, 30));
    QVUserTimeTrack third = Company();
    third.TTRecords.push_back(Entry(100, 7, 15));

    // One converter for the fetch, as the connector uses it.
    TimeTrackConverter converter(kStart, kEnd);
    Employee anna, ben, cleo;
    converter.AddTimeTrack(anna, first);
    converter.AddTimeTrack(ben, second);
    converter.AddTimeTrack(cleo, third);
    const TimeTrackRecord& annas = **anna.GetTimeTrackRecords()->begin();
    const TimeTrackRecord& bens = **ben.GetTimeTrackRecords()->begin();
    const TimeTrackRecord& cleos = **cleo.GetTimeTrackRecords()->begin();

    EXPECT_EQ(L"Gutters", annas.GetTaskName());
    EXPECT_EQ(L"Acme:East:Roof:Gutters", annas.GetCustomerJobName(1));
    EXPECT_EQ(1, annas.GetBillable());
    EXPECT_EQ(L"Siding", bens.GetTaskName());
    EXPECT_EQ(L"Acme:East:Roof:Siding", bens.GetCustomerJobName(1));
    EXPECT_EQ(0, bens.GetBillable());
    EXPECT_EQ(L"Acme:East:Roof:Gutters", cleos.GetCustomerJobName(1));
    EXPECT_EQ(1, cleos.GetBillable());
}

TEST(TimeTrackConversion, RecordsOfAWholeFetchOutliveTheConverterAndTheirEmployees)
{
    std::vector<boost::shared_ptr<TimeTrackRecord>> kept;
    {
        TimeTrackConverter converter(kStart, kEnd);
        for (int reply = 0; reply < 3; ++reply) {
            QVUserTimeTrack timeTrack = Company();
            for (int entry = 0; entry < 45; ++entry)
                timeTrack.TTRecords.push_back(Entry(100, 1 + entry % 31, reply * 100 + entry + 1));
            timeTrack.leaveRecords.push_back(Leave(3, 9, 480));
            Employee employee;
            converter.AddTimeTrack(employee, timeTrack);
            boost::shared_ptr<TimeTrackRecordCollection> records = employee.GetTimeTrackRecords();
            kept.insert(kept.end(), records->begin(), records->end());
        }
    }

    ASSERT_EQ(3u * 46, kept.size());
    for (int reply = 0; reply < 3; ++reply) {
        for (int entry = 0; entry < 45; ++entry) {
            const TimeTrackRecord& record = *kept[reply * 46 + entry];
            EXPECT_EQ(reply * 100 + entry + 1, record.GetDuration());
            EXPECT_EQ(L"note " + std::to_wstring(1 + entry % 31), record.GetNotes());
            EXPECT_EQ(L"Acme:East:Roof:Gutters", record.GetCustomerJobName(1));
        }
        EXPECT_EQ(L"Vacation", kept[reply * 46 + 45]->GetPayrollItemName());
    }
}

TEST(TimeTrackConversion, RecordsOutsideTheRangeAreDropped)
{
    QVUserTimeTrack timeTrack = Company();
    timeTrack.TTRecords.push_back(Entry(100, 1, 10));
    timeTrack.TTRecords.push_back(Entry(100, 31, 20));
    QVTimeTrackEntry november = Entry(100, 1, 30);
    november.date = DateTime(1, 11, 2026);
    timeTrack.TTRecords.push_back(november);
    QVLeaveRecord september = Leave(3, 30, 480);
    september.date = DateTime(30, 9, 2026);
    timeTrack.leaveRecords.push_back(september);

    std::vector<boost::shared_ptr<TimeTrackRecord>> records = Converted(timeTrack);
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ(10, records[0]->GetDuration());
    EXPECT_EQ(20, records[1]->GetDuration());
}

TEST(TimeTrackConversion, BrokenReferencesAndNegativeTimeFail)
{
    QVUserTimeTrack missingTask = Company();
    missingTask.TTRecords.push_back(Entry(999, 5, 60));
    EXPECT_THROW(Converted(missingTask), NotFoundException);

    QVUserTimeTrack missingCustomer = Company();
    missingCustomer.projects[0].customerId = 2;
    missingCustomer.TTRecords.push_back(Entry(100, 5, 60));
    EXPECT_THROW(Converted(missingCustomer), NotFoundException);

    QVUserTimeTrack missingLeaveType = Company();
    missingLeaveType.leaveRecords.push_back(Leave(8, 5, 60));
    EXPECT_THROW(Converted(missingLeaveType), NotFoundException);

    QVUserTimeTrack negativeWork = Company();
    negativeWork.TTRecords.push_back(Entry(100, 5, -60));
    EXPECT_THROW(Converted(negativeWork), WrongFormatException);

    QVUserTimeTrack negativeLeave = Company();
    negativeLeave.leaveRecords.push_back(Leave(3, 5, -480));
    EXPECT_THROW(Converted(negativeLeave), WrongFormatException);
}
