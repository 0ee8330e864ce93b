#include <gtest/gtest.h>

#include "app/Resolvers.h"
#include "core/EmployeeDiff.h"
#include "core/Exceptions.h"
#include "TestCompany.h"

using namespace Quorvane;

namespace {

TEST(MakeServiceItemName, GroupingOrNameConvention)
{
    struct Case {
        bool grouping;
        int convention;
        const wchar_t* middle;
        const wchar_t* expected;
    } cases[] = {
        { true, 1, L"Q", L"Labor" },          { false, 1, L"Q", L"Smith, John Q." }, { false, 1, L"", L"Smith, John" },
        { false, 2, L"Q", L"John Q. Smith" }, { false, 2, L"", L"John Smith" },
    };
    for (const Case& c : cases) {
        TestCompany company;
        company.config->SetServiceItemGroup(c.grouping);
        company.config->SetNameConvention(c.convention);
        TestCompany::EmployeePtr user = company.AddServerUser(L"1", L"John", L"Smith", c.middle);
        TestCompany::RecordPtr record = company.AddServerWork(user, 1, 60, L"Acme", L"Roof", L"", 0);
        EXPECT_EQ(c.expected, MakeServiceItemName(*company.config, *record, *user)) << c.expected;
    }
}

TEST(MakeServiceItemName, UnknownConventionThrowsItsText)
{
    TestCompany company;
    company.config->SetServiceItemGroup(false);
    company.config->SetNameConvention(0);
    TestCompany::EmployeePtr user = company.AddServerUser(L"1", L"John", L"Smith");
    TestCompany::RecordPtr record = company.AddServerWork(user, 1, 60, L"Acme", L"Roof", L"", 0);
    try {
        MakeServiceItemName(*company.config, *record, *user);
        FAIL();
    } catch (const std::wstring& text) {
        EXPECT_EQ(L"Invalid 'name convetion' settings", text);
    }
}

// Ann is mapped to E1 with payroll item P1; Bob's rules name nothing; Cy's employee is gone.
struct MappedCompany : TestCompany {
    MappedCompany()
    {
        AddServerUser(L"1", L"Ann", L"Lee");
        AddQuickBooksEmployee(L"E1", L"Ann", L"Lee");
        AddPayrollItem(L"P1", L"Hourly");
        AddPayrollItem(L"P2", L"Vacation Pay");
        AddLeaveType(L"10", L"Vacation");
        AddLeaveType(L"11", L"Holiday");
        MapEmployee(L"1", L"E1");
        MapPayroll(L"1", L"P1");
        MapEmployee(L"2", L"", Mapping::NotMapped);
        MapPayroll(L"2", L"", Mapping::NoPayrollItemRequired);
        MapEmployee(L"3", L"E3");
        MapPayroll(L"3", L"P9");
        MapLeaveType(L"10", L"P2");
        MapLeaveType(L"11", L"", Mapping::ImportWithoutPayrollItem);
    }
};

TEST(Resolvers, FindTheMappedEmployeeAndPayrollItems)
{
    MappedCompany company;
    const MainModel& model = *company.model;
    EXPECT_EQ(L"E1", FindQuickBooksEmployee(model, L"1")->GetId());
    EXPECT_THROW(FindQuickBooksEmployee(model, L"2"), NotFoundException);
    EXPECT_THROW(FindQuickBooksEmployee(model, L"3"), NotFoundException);
    EXPECT_THROW(FindQuickBooksEmployee(model, L"4"), NotFoundException);

    EXPECT_EQ(L"Hourly", FindPayrollItemForUser(model, L"1")->GetName());
    EXPECT_FALSE(FindPayrollItemForUser(model, L"2"));
    EXPECT_THROW(FindPayrollItemForUser(model, L"3"), NotFoundException);

    EXPECT_EQ(L"Vacation Pay", FindPayrollItemForLeaveType(model, L"Vacation")->GetName());
    EXPECT_THROW(FindPayrollItemForLeaveType(model, L"Holiday"), NotFoundException);
    EXPECT_THROW(FindPayrollItemForLeaveType(model, L"Sick"), NotFoundException);
}

TEST(CollectTimeTrackDiffs, TakesWorkingTimeAndTheLeaveTheImportCanWrite)
{
    struct Case {
        const char* name;
        const wchar_t* leaveType;  // null: working time
        bool importLeave;
        bool payrollItems;
        bool taken;
    } cases[] = {
        { "working time", 0, false, true, true },
        { "leave not imported", L"Vacation", false, true, false },
        { "mapped leave with payroll items", L"Vacation", true, true, true },
        { "mapped leave without payroll items", L"Vacation", true, false, false },
        { "leave without payroll item, QuickBooks has some", L"Holiday", true, true, false },
        { "leave without payroll item, QuickBooks has none", L"Holiday", true, false, true },
        { "leave of a type the server no longer lists", L"Sick", true, true, false },
    };
    for (const Case& c : cases) {
        MappedCompany company;
        company.config->SetImportLeaveType(c.importLeave);
        if (!c.payrollItems)
            company.model->SetPayrollItems(boost::shared_ptr<PayRollCollection>(new PayRollCollection()));
        TestCompany::EmployeePtr user = company.model->GetServerEmployees()->FindById(L"1");
        TestCompany::RecordPtr record = c.leaveType ? company.AddServerLeave(user, 1, 60, c.leaveType)
                                                    : company.AddServerWork(user, 1, 60, L"Acme", L"Roof", L"", 0);
        TimeTrackDiffCollection diffs;
        diffs.Add(boost::shared_ptr<TimeTrackDiff>(new TimeTrackDiff(TestCompany::RecordPtr(), record)));
        EXPECT_EQ(c.taken ? 1u : 0u, CollectTimeTrackDiffs(*company.model, diffs)->Count()) << c.name;
    }
}

TEST(CollectServerUsersForMapping, OtherUsersWithExactlyTheSameNames)
{
    TestCompany company;
    TestCompany::EmployeePtr ann = company.AddServerUser(L"1", L"Ann", L"Lee");
    company.AddServerUser(L"2", L"Ann", L"Lee");
    company.AddServerUser(L"3", L"Ann", L"Lee", L"B");
    company.AddServerUser(L"4", L"ann", L"Lee");
    company.AddServerUser(L"5", L"Ann", L"Lee");
    boost::shared_ptr<EmployeeCollection> namesakes = CollectServerUsersForMapping(*company.model, *ann);
    ASSERT_EQ(2u, namesakes->Count());
    EXPECT_TRUE(namesakes->ContainsId(L"2"));
    EXPECT_TRUE(namesakes->ContainsId(L"5"));
}

}  // namespace
