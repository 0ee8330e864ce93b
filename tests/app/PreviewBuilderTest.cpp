#include <gtest/gtest.h>

#include <boost/function.hpp>

#include "app/PreviewBuilder.h"
#include "TestCompany.h"

using namespace Quorvane;

namespace {

const int NotBillable = 0;
const int Billable = 1;
const int Billed = 2;
const int Day = 5;

// John Smith on both sides, working time on "Hourly"; Vacation and Sick mapped to their own
// payroll items, Holiday imported without one.
struct OneMappedUserCompany : TestCompany {
    OneMappedUserCompany()
    {
        user = AddServerUser(L"1", L"John", L"Smith");
        employee = AddQuickBooksEmployee(L"E1", L"John", L"Smith");
        AddPayrollItem(L"P1", L"Hourly");
        AddPayrollItem(L"P2", L"Vacation Pay");
        AddPayrollItem(L"P3", L"Sick Pay");
        AddLeaveType(L"10", L"Vacation");
        AddLeaveType(L"11", L"Sick");
        AddLeaveType(L"12", L"Holiday");
        MapEmployee(L"1", L"E1");
        MapPayroll(L"1", L"P1");
        MapLeaveType(L"10", L"P2");
        MapLeaveType(L"11", L"P3");
        MapLeaveType(L"12", L"", Mapping::ImportWithoutPayrollItem);
    }
    void Server(int minutes, const wchar_t* customer, const wchar_t* notes, int billing)
    {
        AddServerWork(user, Day, minutes, customer, L"Roof", notes, billing);
    }
    void QuickBooks(int minutes, const wchar_t* customerJob, const wchar_t* notes, int billing,
                    const wchar_t* payroll = L"Hourly", const wchar_t* serviceItem = L"Labor")
    {
        AddQuickBooksEntry(employee, Day, minutes, customerJob, serviceItem, notes, billing, payroll);
    }
    void QuickBooksLeave(int minutes, const wchar_t* leaveType, const wchar_t* payroll)
    {
        AddQuickBooksEntry(employee, Day, minutes, L"", L"", leaveType, NotBillable, payroll);
    }
    std::string Compare()
    {
        PreviewBuilder builder(model);
        return DescribeDiffs(*builder.CompareTimeTrack(user, employee, March(Day))->GetTimeTrackDiffs());
    }

    EmployeePtr user;
    EmployeePtr employee;
};

struct DayCase {
    const char* name;
    boost::function<void(OneMappedUserCompany&)> setUp;
    const char* expected;
};

TEST(CompareTimeTrack, PairsOneDayOfServerGroupsWithQuickBooksEntries)
{
    const DayCase cases[] = {
        { "like records form one group",
          [](OneMappedUserCompany& c) {
              c.Server(60, L"Acme", L"Call", NotBillable);
              c.Server(90, L"Acme", L"Call", NotBillable);
              c.Server(30, L"Acme", L"Call", NotBillable);
          },
          "- > 180\n" },
        { "first matching entry takes the whole total",
          [](OneMappedUserCompany& c) {
              c.Server(480, L"Acme", L"Call", NotBillable);
              c.QuickBooks(240, L"Acme:Roof", L"Call", NotBillable);
              c.QuickBooks(240, L"Acme:Roof", L"Call", NotBillable);
          },
          "240 > 480\n240 > -\n" },
        { "billed entry above the server total is a conflict",
          [](OneMappedUserCompany& c) {
              c.Server(120, L"Acme", L"Call", Billable);
              c.QuickBooks(180, L"Acme:Roof", L"Call", Billed);
              c.QuickBooks(60, L"Acme:Roof", L"Call", Billable);
          },
          "180 > 180 conflict\n60 > -\n" },
        { "billed entry below the server total leaves a remainder to add",
          [](OneMappedUserCompany& c) {
              c.Server(300, L"Acme", L"Call", Billable);
              c.QuickBooks(120, L"Acme:Roof", L"Call", Billed);
          },
          "120 > 120\n- > 180\n" },
        { "entry with other notes is absent on the server",
          [](OneMappedUserCompany& c) {
              c.Server(120, L"Acme", L"Call", Billable);
              c.QuickBooks(90, L"Acme:Roof", L"Visit", Billable);
          },
          "- > 120\n90 > 90 absent\n" },
        { "absent billed entry keeps its billed mark",
          [](OneMappedUserCompany& c) { c.QuickBooks(90, L"Acme:Roof", L"Visit", Billed); },
          "90 > 90 conflict absent\n" },
        { "customer:job and service item match ignoring case",
          [](OneMappedUserCompany& c) {
              c.Server(240, L"Acme", L"Call", NotBillable);
              c.QuickBooks(240, L"ACME:ROOF", L"Call", NotBillable, L"Hourly", L"LABOR");
          },
          "240 > 240\n" },
        { "notes match exactly",
          [](OneMappedUserCompany& c) {
              c.Server(240, L"Acme", L"Call", NotBillable);
              c.QuickBooks(240, L"Acme:Roof", L"call", NotBillable);
          },
          "- > 240\n240 > 240 absent\n" },
        { "groups differing in case: the first takes the entry",
          [](OneMappedUserCompany& c) {
              c.Server(120, L"Acme", L"Call", NotBillable);
              c.Server(60, L"ACME", L"Call", NotBillable);
              c.QuickBooks(180, L"Acme:Roof", L"Call", NotBillable);
          },
          "180 > 120\n- > 60\n" },
        { "entry on another payroll item does not match",
          [](OneMappedUserCompany& c) {
              c.Server(240, L"Acme", L"Call", NotBillable);
              c.QuickBooks(240, L"Acme:Roof", L"Call", NotBillable, L"Salary");
          },
          "- > 240\n240 > 240 absent\n" },
        { "billable group ignores a not-billable entry",
          [](OneMappedUserCompany& c) {
              c.Server(120, L"Acme", L"Call", Billable);
              c.QuickBooks(120, L"Acme:Roof", L"Call", NotBillable);
          },
          "- > 120\n120 > 120 absent\n" },
        { "leave of two types stays two entries",
          [](OneMappedUserCompany& c) {
              c.AddServerLeave(c.user, Day, 240, L"Vacation");
              c.AddServerLeave(c.user, Day, 240, L"Sick");
          },
          "- > 240 leave\n- > 240 leave\n" },
        { "leave matches the entry named after its type on its payroll item",
          [](OneMappedUserCompany& c) {
              c.AddServerLeave(c.user, Day, 480, L"Vacation");
              c.QuickBooksLeave(240, L"Vacation", L"Sick Pay");
              c.QuickBooksLeave(480, L"Vacation", L"Vacation Pay");
          },
          "480 > 480 leave\n240 > 240 absent\n" },
        { "leave imported without payroll item matches the entry without one",
          [](OneMappedUserCompany& c) {
              c.AddServerLeave(c.user, Day, 480, L"Holiday");
              c.QuickBooksLeave(480, L"Holiday", L"");
          },
          "480 > 480 leave\n" },
        { "absent entry recognised as leave by its notes and payroll item",
          [](OneMappedUserCompany& c) {
              c.QuickBooksLeave(240, L"Sick", L"Sick Pay");
              c.QuickBooksLeave(60, L"Sick", L"Hourly");
          },
          "240 > 240 absent leave\n60 > 60 absent\n" },
        { "entries of other days are not compared",
          [](OneMappedUserCompany& c) {
              c.AddServerWork(c.user, Day + 1, 60, L"Acme", L"Roof", L"Call", NotBillable);
              c.AddQuickBooksEntry(c.employee, Day - 1, 60, L"Acme:Roof", L"Labor", L"Call", NotBillable, L"Hourly");
          },
          "" },
    };
    for (const DayCase& c : cases) {
        OneMappedUserCompany company;
        c.setUp(company);
        EXPECT_EQ(c.expected, company.Compare()) << c.name;
    }
}

// Beside the company's types: Unpaid is not to be imported, Training has no rule, Jury duty is
// no longer listed but still named by a leave record, and a type no longer listed (id 15) was
// mapped to "Sabbatical Pay".
struct LeaveRulesCompany : OneMappedUserCompany {
    LeaveRulesCompany()
    {
        AddLeaveType(L"13", L"Unpaid");
        AddLeaveType(L"14", L"Training");
        MapLeaveType(L"13", L"", Mapping::DoNotImport);
        AddPayrollItem(L"P4", L"Sabbatical Pay");
        MapLeaveType(L"15", L"P4");
        AddServerLeave(user, Day + 1, 480, L"Jury duty");
    }
};

struct LeaveRulesCase {
    const char* name;
    boost::function<void(LeaveRulesCompany&)> setUp;
    const char* expected;
};

// Leave of a type the import does not take stays in QuickBooks as leave whether or not the
// server has leave of the type that day: it is never time absent on the server.
TEST(CompareTimeTrack, LeaveOfATypeNotImportedIsKeptOnEveryDay)
{
    const LeaveRulesCase cases[] = {
        { "type not to be imported", [](LeaveRulesCompany& c) { c.QuickBooksLeave(480, L"Unpaid", L"Hourly"); },
          "480 > 480 leave\n" },
        { "type not to be imported, with its leave on the server that day",
          [](LeaveRulesCompany& c) {
              c.AddServerLeave(c.user, Day, 240, L"Unpaid");
              c.QuickBooksLeave(480, L"Unpaid", L"Hourly");
          },
          "480 > 480 leave\n" },
        { "type without a rule", [](LeaveRulesCompany& c) { c.QuickBooksLeave(480, L"Training", L""); },
          "480 > 480 leave\n" },
        { "leave import switched off",
          [](LeaveRulesCompany& c) {
              c.config->SetImportLeaveType(false);
              c.QuickBooksLeave(240, L"Vacation", L"Vacation Pay");
          },
          "240 > 240 leave\n" },
        { "type no longer listed, named by a leave record of another day",
          [](LeaveRulesCompany& c) { c.QuickBooksLeave(480, L"Jury duty", L"Hourly"); }, "480 > 480 leave\n" },
        { "type no longer listed, on the payroll item its rule names",
          [](LeaveRulesCompany& c) { c.QuickBooksLeave(480, L"Sabbatical", L"Sabbatical Pay"); }, "480 > 480 leave\n" },
        { "an unknown name on a working-time payroll item is working time",
          [](LeaveRulesCompany& c) { c.QuickBooksLeave(60, L"Errands", L"Hourly"); }, "60 > 60 absent\n" },
        { "a type's name with a customer:job is working time",
          [](LeaveRulesCompany& c) { c.QuickBooks(60, L"Acme:Roof", L"Unpaid", NotBillable); }, "60 > 60 absent\n" },
        { "billable time is never leave",
          [](LeaveRulesCompany& c) {
              c.AddQuickBooksEntry(c.employee, Day, 60, L"", L"", L"Unpaid", Billable, L"Hourly");
          },
          "60 > 60 absent\n" },
    };
    for (const LeaveRulesCase& c : cases) {
        LeaveRulesCompany company;
        c.setUp(company);
        EXPECT_EQ(c.expected, company.Compare()) << c.name;
    }
}

TEST(CompareTimeTrack, LeavesTheServerRecordsAsLoaded)
{
    OneMappedUserCompany company;
    TestCompany::RecordPtr first = company.AddServerWork(company.user, Day, 60, L"Acme", L"Roof", L"Call", NotBillable);
    company.AddServerWork(company.user, Day, 90, L"Acme", L"Roof", L"Call", NotBillable);

    EXPECT_EQ("- > 150\n", company.Compare());
    EXPECT_EQ("- > 150\n", company.Compare());
    EXPECT_EQ(60, first->GetDuration());
}

TEST(CompareTimeTrack, WithoutQuickBooksEmployeeEveryGroupIsAnAdd)
{
    OneMappedUserCompany company;
    company.Server(60, L"Acme", L"Call", NotBillable);
    company.AddServerLeave(company.user, Day, 480, L"Vacation");
    PreviewBuilder builder(company.model);
    boost::shared_ptr<EmployeeDiff> diff =
        builder.CompareTimeTrack(company.user, TestCompany::EmployeePtr(), March(Day));
    EXPECT_EQ(company.user, diff->GetServerUser());
    EXPECT_EQ("- > 60\n- > 480 leave\n", DescribeDiffs(*diff->GetTimeTrackDiffs()));
}

TEST(CompareTimeTrack, ServiceItemsNamedAfterTheEmployeeMatchItsName)
{
    OneMappedUserCompany company;
    company.config->SetServiceItemGroup(false);
    company.config->SetNameConvention(2);
    company.Server(240, L"Acme", L"Call", NotBillable);
    company.QuickBooks(240, L"Acme:Roof", L"Call", NotBillable, L"Hourly", L"John Smith");
    EXPECT_EQ("240 > 240\n", company.Compare());
}

}  // namespace
