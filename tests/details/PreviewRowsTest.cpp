#include <gtest/gtest.h>

#include "MarchFortnightCompany.h"
#include "app/missing/MissingItemsController.h"
#include "core/EmployeeDiff.h"
#include "core/TextCodec.h"
#include "ui/dialogs/details/PreviewRows.h"

using namespace Quorvane;

namespace {

std::string Describe(const std::vector<CustomerJobPayroll>& rows)
{
    std::string text;
    for (const CustomerJobPayroll& row : rows)
        text += Narrow(row.customerJob + L"|" + row.serviceItem + L"|" + row.payrollItem + L"|" + row.notes + L"|") +
                std::to_string(row.billableState) + "\n";
    return text;
}

std::string Describe(const PreviewCell& cell)
{
    if (cell.empty)
        return "empty";
    std::string text = std::to_string(cell.quickBooksMinutes) + ">" + std::to_string(cell.serverMinutes);
    if (cell.billed)
        text += " billed";
    if (cell.billedConflict)
        text += " conflict";
    if (cell.absentOnServer)
        text += " absent";
    return text;
}

struct AnnsWeeks : ::testing::Test {
    void SetUp() override { company.BuildPreview(); }

    std::vector<KeyedEntry> Week(int firstDay, const TestCompany::EmployeePtr& user)
    {
        const boost::shared_ptr<EmployeeDiff> diff = company.model->GetEmployeeDiffs()->FindByEmployeeId(user->GetId());
        const boost::shared_ptr<Employee> naming = FindNamingEmployee(*company.model, *company.config, user);
        PreviewRowKeys keys(*company.model, *company.config, *user, *naming);
        return keys.KeyEntries(
            *diff->GetTimeTrackDiffs()->SelectByDateRange(MarchDay(firstDay), MarchDay(firstDay + 6)));
    }

    MarchFortnightCompany company;
};

TEST_F(AnnsWeeks, RowsShowQuickBooksOrWhatTheImportWillWrite)
{
    EXPECT_EQ("Acme:Roof|Labor|Hourly Regular|Fix|0\n"
              "Acme:Roof|Labor|Hourly Regular|Paint|0\n"
              "Acme:Roof|Labor|Hourly Regular|Gutters|1\n"
              "Northwind:Deck|Labor|Hourly Regular|Stairs|0\n",
              Describe(CollectRows(Week(5, company.ann))));
    EXPECT_EQ("||Vacation Hourly|Vacation|0\n"
              "Acme:Roof|Labor|Hourly Regular|Frame|2\n"
              "Acme:Shed|Labor|Hourly Regular|Sweep|0\n",
              Describe(CollectRows(Week(12, company.ann))));
}

TEST_F(AnnsWeeks, CellsSumEachDayOfTheirRow)
{
    const std::vector<KeyedEntry> week1 = Week(5, company.ann);
    const std::vector<CustomerJobPayroll> rows1 = CollectRows(week1);
    EXPECT_EQ("90>120", Describe(AggregateCell(rows1[0], week1, MarchDay(8))));
    EXPECT_EQ("empty", Describe(AggregateCell(rows1[0], week1, MarchDay(9))));
    EXPECT_EQ("0>120", Describe(AggregateCell(rows1[2], week1, MarchDay(7))));

    const std::vector<KeyedEntry> week2 = Week(12, company.ann);
    const std::vector<CustomerJobPayroll> rows2 = CollectRows(week2);
    EXPECT_EQ("0>480", Describe(AggregateCell(rows2[0], week2, MarchDay(12))));
    EXPECT_EQ("240>240 billed conflict", Describe(AggregateCell(rows2[1], week2, MarchDay(12))));
    EXPECT_EQ("45>45 absent", Describe(AggregateCell(rows2[2], week2, MarchDay(13))));
}

TEST_F(AnnsWeeks, LeaveIsLeftOutWhenLeaveIsNotImported)
{
    company.config->SetImportLeaveType(false);
    EXPECT_EQ("Acme:Roof|Labor|Hourly Regular|Frame|2\n"
              "Acme:Shed|Labor|Hourly Regular|Sweep|0\n",
              Describe(CollectRows(Week(12, company.ann))));
}

TEST_F(AnnsWeeks, UnknownLeaveTypeShowsUnderItsOwnName)
{
    company.AddServerLeave(company.ann, 13, 60, L"Jury duty")->SetNotes(L"court");
    company.BuildPreview();
    EXPECT_EQ("||Vacation Hourly|Vacation|0\n"
              "||Jury duty|court|0\n"
              "Acme:Roof|Labor|Hourly Regular|Frame|2\n"
              "Acme:Shed|Labor|Hourly Regular|Sweep|0\n",
              Describe(CollectRows(Week(12, company.ann))));
}

// A leave entry already in QuickBooks keys its row and its cells alike, even when a server leave
// type shares the payroll item's name.
TEST_F(AnnsWeeks, QuickBooksLeaveLandsInItsOwnRow)
{
    company.AddLeaveType(L"8", L"Vacation Hourly");
    company.MapLeaveType(L"8", L"P1");
    const TestCompany::RecordPtr entry =
        company.AddQuickBooksEntry(company.annEmployee, 13, 480, L"", L"", L"Vacation", 0, L"Vacation Hourly");
    entry->SetLeave(1);
    company.BuildPreview();
    const std::vector<KeyedEntry> week = Week(12, company.ann);
    const std::vector<CustomerJobPayroll> rows = CollectRows(week);
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ(L"Vacation Hourly", rows[0].payrollItem);
    EXPECT_EQ("0>480", Describe(AggregateCell(rows[0], week, MarchDay(12))));
    EXPECT_EQ("480>480 absent", Describe(AggregateCell(rows[0], week, MarchDay(13))));
}

TEST(PreviewRows, CaseOfNamesJoinsRowsButCaseOfNotesDoesNot)
{
    CustomerJobPayroll a;
    a.customerJob = L"Acme:Roof";
    a.serviceItem = L"Labor";
    a.notes = L"fix";
    CustomerJobPayroll b = a;
    b.customerJob = L"ACME:roof";
    b.serviceItem = L"LABOR";
    EXPECT_TRUE(SameCustomerJobPayroll(a, b));
    b.notes = L"Fix";
    EXPECT_FALSE(SameCustomerJobPayroll(a, b));
}

TEST(PreviewRows, UpperCaseSortsFirstThenByBilling)
{
    std::vector<KeyedEntry> entries(4);
    const wchar_t* const names[] = { L"acme", L"Zeta", L"Zeta", L"Zeta" };
    const int billing[] = { 0, 2, 0, 1 };
    for (int i = 0; i < 4; ++i) {
        entries[i].key.customerJob = names[i];
        entries[i].key.billableState = billing[i];
    }
    EXPECT_EQ("Zeta||||0\nZeta||||1\nZeta||||2\nacme||||0\n", Describe(CollectRows(entries)));
}

TEST_F(AnnsWeeks, ANewEmployeesServiceItemIsNamedAsItWillBeCreated)
{
    company.config->SetServiceItemGroup(false);
    company.config->SetNamePostfixes({ { L"2", L" (2)" } });
    EXPECT_EQ("Northwind:Deck|Baker (2), Bob|Hourly Regular|Posts|0\n", Describe(CollectRows(Week(5, company.bob))));
}

TEST_F(AnnsWeeks, AnEmployeeWithoutPayrollRuleStillGetsRows)
{
    company.config->GetPayrollTypeMappings()->GetBySource(L"2")->SetTarget(L"P9", Mapping::Mapped);
    EXPECT_EQ("Northwind:Deck|Labor||Posts|0\n", Describe(CollectRows(Week(5, company.bob))));
}

}  // namespace
