#include <gtest/gtest.h>

#include "connectors/server/QuorvaneConnector.h"
#include "connectors/server/ServerExceptions.h"
#include "tests/server/DemoServer.h"

using namespace Quorvane;
using Quorvane::Connectors::QVConnector::ConnectionOptions;
using Quorvane::Connectors::QVConnector::QuorvaneConnector;

namespace {

const DateTime kOctoberStart(1, 10, 2026);
const DateTime kOctoberEnd(31, 10, 2026);

// The demo company's October 2026, fetched after a real login.
class LiveFetch : public testing::Test {
protected:
    LiveFetch() : server("plain") {}

    void SetUp() override
    {
        server.Reset();
        ConnectionOptions options;
        options.url = server.Address();
        options.userName = L"JSmith";
        options.password = L"secret";
        connector.SetConnectionOptions(options);
        ASSERT_NO_THROW(connector.Connect());
    }
    void TearDown() override { server.Reset(); }

    boost::shared_ptr<EmployeeCollection> FetchOctober()
    {
        return connector.GetUsersTimeTrack(kOctoberStart, kOctoberEnd);
    }

    DemoServer server;
    QuorvaneConnector connector;
};

std::vector<std::wstring> Ids(const EmployeeCollection& employees)
{
    std::vector<std::wstring> ids;
    for (const boost::shared_ptr<Employee>& employee : employees)
        ids.push_back(employee->GetId());
    return ids;
}

}  // namespace

TEST_F(LiveFetch, UsersWithTimeEachFetchedOnce)
{
    boost::shared_ptr<EmployeeCollection> employees = FetchOctober();
    // 12 is 7's duplicate and a main entry too; 28 has only entries without time spent.
    EXPECT_EQ(std::vector<std::wstring>({ L"7", L"12", L"15", L"21", L"23", L"26" }), Ids(*employees));

    std::vector<std::wstring> fetched;
    for (const RecordedRequest& request : server.Requests(L"QBService_v1.getUserTimeTrack"))
        fetched.push_back(request.body);
    ASSERT_EQ(7u, fetched.size());
    EXPECT_EQ(L"{ method:\"QBService_v1.getUserTimeTrack\", params:[\"7\", \"2026-10-1\", \"2026-10-31\" ] }",
              fetched[0]);
    EXPECT_NE(std::wstring::npos, fetched[6].find(L"[\"28\","));

    std::vector<RecordedRequest> toImport = server.Requests(L"QBService_v1.getUsersToImport");
    ASSERT_EQ(1u, toImport.size());
    EXPECT_EQ(L"{ method:\"QBService_v1.getUsersToImport\",params:[\"2026-10-1\", \"2026-10-31\"] }", toImport[0].body);
    std::vector<RecordedRequest> infos = server.Requests(L"QBService_v1.getUsersInfoWithDuplicates");
    ASSERT_EQ(1u, infos.size());
    EXPECT_EQ(L"{ method:\"QBService_v1.getUsersInfoWithDuplicates\", params:[ [7, 12, 15, 21, 23, 26, 28, ] ] }",
              infos[0].body);
}

TEST_F(LiveFetch, RecordsCarryFoldedNamesWorkingTimeFirst)
{
    boost::shared_ptr<EmployeeCollection> employees = FetchOctober();
    const Employee& smith = *employees->FindById(L"7");
    EXPECT_EQ(L"John", smith.GetFirstName());
    EXPECT_EQ(L"Q", smith.GetMiddleName());
    EXPECT_EQ(L"JSmith", smith.GetUserName());
    EXPECT_EQ(44u, smith.GetTimeTrackRecords()->Count());
    const TimeTrackRecord& workshop = **smith.GetTimeTrackRecords()->begin();
    EXPECT_TRUE(DateTime(1, 10, 2026) == workshop.GetDate());
    EXPECT_EQ(240, workshop.GetDuration());
    EXPECT_EQ(L"Workshop with \"Acme\" team", workshop.GetNotes());
    EXPECT_EQ(L"Acme Corporation:Website Relaunch:Client workshops", workshop.GetCustomerJobName(1));
    EXPECT_EQ(L"Consulting:Senior", workshop.GetServiceItemName());
    EXPECT_EQ(1, workshop.GetBillable());

    EXPECT_EQ(L"O'Connor", employees->FindById(L"21")->GetLastName());

    boost::shared_ptr<TimeTrackRecordCollection> mueller = employees->FindById(L"15")->GetTimeTrackRecords();
    ASSERT_EQ(39u, mueller->Count());
    std::vector<boost::shared_ptr<TimeTrackRecord>> records(mueller->begin(), mueller->end());
    EXPECT_FALSE(records[33]->IsLeave());
    EXPECT_TRUE(records[34]->IsLeave());
    EXPECT_EQ(L"Vacation", records[34]->GetPayrollItemName());
    EXPECT_EQ(480, records[34]->GetDuration());

    boost::shared_ptr<TimeTrackRecordCollection> nunez = employees->FindById(L"26")->GetTimeTrackRecords();
    ASSERT_EQ(1u, nunez->Count());
    EXPECT_EQ(0, (*nunez->begin())->GetDuration()) << "leave of no time is kept";
}

TEST_F(LiveFetch, LeaveTypesAndTerminology)
{
    boost::shared_ptr<PayRollCollection> leaveTypes = connector.GetLeaveTypes();
    std::vector<std::wstring> names;
    std::vector<std::wstring> ids;
    for (const boost::shared_ptr<PayRoll>& leaveType : *leaveTypes) {
        names.push_back(leaveType->GetName());
        ids.push_back(leaveType->GetListId());
    }
    EXPECT_EQ(std::vector<std::wstring>({ L"1", L"2", L"3", L"4" }), ids);
    EXPECT_EQ(L"Parental Leave - unpaid", names.at(3));

    GeneralSettings terms;
    connector.GetGeneralSettings(terms);
    EXPECT_EQ(L"Client", terms.firstLevelSingularForm);
    EXPECT_EQ(L"Clients", terms.firstLevelPluralForm);
    EXPECT_EQ(L"Project", terms.secondLevelSingularForm);
    EXPECT_EQ(L"Projects", terms.secondLevelPluralForm);
    EXPECT_EQ(L"Task", terms.thirdLevelSingularForm);
    EXPECT_EQ(L"Tasks", terms.thirdLevelPluralForm);
}

// Any damaged reply to any data request fails the whole operation: a fetch that returned
// fewer users or entries would make the import delete QuickBooks entries.
TEST_F(LiveFetch, NothingPartial)
{
    const wchar_t* const damages[] = {
        L"{\"mode\": \"raw\", \"body\": \"\"}",
        L"{\"mode\": \"cut\"}",
        L"{\"mode\": \"close\"}",
        L"{\"mode\": \"malformed\"}",
        L"{\"mode\": \"html\", \"status\": 500}",
        L"{\"mode\": \"error\", \"code\": 0}",
    };
    const wchar_t* const employeeMethods[] = {
        L"QBService_v1.getUsersToImport",
        L"QBService_v1.getUsersInfoWithDuplicates",
        L"QBService_v1.getUserTimeTrack",
    };
    for (const wchar_t* damage : damages) {
        SCOPED_TRACE(testing::Message() << "damage: " << std::wstring(damage));
        for (const wchar_t* method : employeeMethods) {
            server.SetKnobs(L"{\"methods\": {\"" + std::wstring(method) + L"\": " + damage + L"}}");
            boost::shared_ptr<EmployeeCollection> employees;
            EXPECT_THROW(employees = FetchOctober(), UnknownQuorvaneException) << std::wstring(method);
            EXPECT_FALSE(employees);
            server.SetKnobs(L"{\"methods\": {\"" + std::wstring(method) + L"\": null}}");
        }
        server.SetKnobs(L"{\"methods\": {\"QBService_v1.getAllLeaveTypes\": " + std::wstring(damage) + L"}}");
        EXPECT_THROW(connector.GetLeaveTypes(), UnknownQuorvaneException);
        server.SetKnobs(L"{\"methods\": {\"SyncService_v1.getGeneralSettings\": " + std::wstring(damage) + L"}}");
        GeneralSettings terms;
        EXPECT_THROW(connector.GetGeneralSettings(terms), UnknownQuorvaneException);
        server.Reset();
    }
}

TEST_F(LiveFetch, MissingAccessRightHasItsOwnException)
{
    for (const wchar_t* method : { L"QBService_v1.getUsersToImport", L"QBService_v1.getUserTimeTrack" }) {
        server.SetKnobs(L"{\"methods\": {\"" + std::wstring(method) + L"\": {\"mode\": \"no-rights\"}}}");
        EXPECT_THROW(FetchOctober(), NoGenerateCostAndBillingReportsRightException) << std::wstring(method);
        server.Reset();
    }
}
