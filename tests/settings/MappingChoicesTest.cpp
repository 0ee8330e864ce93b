// What the mapping rows offer, without a page: new-employee postfixes, the employees still free,
// the row order and the payroll items a user can be booked to.
#include <gtest/gtest.h>

#include <functional>

#include "Listing.h"
#include "../app/TestCompany.h"
#include "core/Mapping.h"
#include "ui/dialogs/settings/EmployeeMappingOrder.h"
#include "ui/dialogs/settings/EmployeeMappingTab.h"
#include "ui/dialogs/settings/LeaveTimeAndPayrollTab.h"

using namespace Quorvane;

namespace {

std::wstring Ids(const std::vector<boost::shared_ptr<Employee>>& employees)
{
    return Listing(employees, std::mem_fn(&Employee::GetId));
}

std::wstring Ids(const EmployeeCollection& employees)
{
    return Listing(employees, std::mem_fn(&Employee::GetId));
}

std::wstring Names(const PayRollCollection& items)
{
    return Listing(items, std::mem_fn(&PayRoll::GetName));
}

struct PostfixCase {
    const char* what;
    std::vector<std::wstring> quickBooksLastNames;  // "John <last>" in QuickBooks
    std::vector<std::wstring> namesakePostfixes;  // entries of other "John Smith" users
    std::wstring expected;
};

class NewEmployeePostfix : public ::testing::TestWithParam<PostfixCase> {};

TEST_P(NewEmployeePostfix, IsTheFirstNameNobodyCarries)
{
    const PostfixCase& c = GetParam();
    TestCompany company;
    TestCompany::EmployeePtr user = company.AddServerUser(L"1", L"John", L"Smith");
    Config::NamePostfixes postfixes;
    for (size_t i = 0; i < c.namesakePostfixes.size(); ++i) {
        const std::wstring id = std::to_wstring(10 + i);
        company.AddServerUser(id, L"John", L"Smith");
        postfixes[id] = c.namesakePostfixes[i];
    }
    company.config->SetNamePostfixes(postfixes);
    int listId = 0;
    for (const std::wstring& last : c.quickBooksLastNames)
        company.AddQuickBooksEmployee(L"Q" + std::to_wstring(++listId), L"John", last);
    EXPECT_EQ(c.expected, EmployeeMappingTab::GetNewEmployeePostfix(*company.model, *company.config, *user)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewEmployeePostfix,
    ::testing::Values(PostfixCase { "nobody of that name", { L"Brown" }, {}, L"" },
                      PostfixCase { "QuickBooks has the plain name", { L"Smith" }, {}, L"(2)" },
                      PostfixCase { "a namesake's new employee took (2)", { L"Smith" }, { L"(2)" }, L"(3)" },
                      PostfixCase { "a namesake's entry is the plain name", {}, { L"" }, L"(2)" },
                      PostfixCase { "names compare exactly", { L"smith" }, {}, L"" },
                      PostfixCase {
                          "an employee made earlier keeps its number", { L"Smith", L"Smith(2)" }, {}, L"(3)" },
                      PostfixCase { "another family's number is no clash", { L"Smith", L"Smithson(2)" }, {}, L"(2)" }));

TEST(NewEmployeePostfix, NeedsTheSameFirstAndMiddleNames)
{
    TestCompany company;
    TestCompany::EmployeePtr user = company.AddServerUser(L"1", L"John", L"Smith", L"Q");
    company.AddQuickBooksEmployee(L"Q1", L"John", L"Smith");
    company.AddQuickBooksEmployee(L"Q2", L"Jon", L"Smith", L"Q");
    EXPECT_EQ(L"", EmployeeMappingTab::GetNewEmployeePostfix(*company.model, *company.config, *user));
    company.AddQuickBooksEmployee(L"Q3", L"John", L"Smith", L"Q");
    EXPECT_EQ(L"(2)", EmployeeMappingTab::GetNewEmployeePostfix(*company.model, *company.config, *user));
}

TEST(UnmappedQuickBooksEmployees, LeaveOutEveryTargetedEmployee)
{
    TestCompany company;
    company.AddQuickBooksEmployee(L"Q1", L"Ann", L"A");
    company.AddQuickBooksEmployee(L"Q2", L"Bob", L"B");
    company.AddQuickBooksEmployee(L"Q3", L"Cy", L"C");
    company.MapEmployee(L"7", L"Q2");
    company.MapEmployee(L"8", L"", Mapping::DoNotImport);
    company.MapEmployee(L"9", L"Q404");  // an employee that has gone
    EXPECT_EQ(L"Q1 Q3 ", Ids(*EmployeeMappingTab::GetUnmappedQuickBooksEmployees(
                             *company.config->GetEmployeeMappings(), *company.model->GetQuickBooksEmployees())));
}

TEST(EmployeeMappingOrder, NewUsersFirstThenByNameIgnoringCaseAndUsersWithoutRulesLast)
{
    TestCompany company;
    company.AddServerUser(L"1", L"Zed", L"baker");
    company.AddServerUser(L"2", L"Amy", L"Baker");
    company.AddServerUser(L"3", L"Al", L"Adams");
    company.AddServerUser(L"4", L"Bo", L"Cole");
    company.AddServerUser(L"5", L"Al", L"Bakerson");
    company.MapEmployee(L"1", L"", Mapping::NotMapped);
    company.MapEmployee(L"2", L"", Mapping::NotMapped);
    company.MapEmployee(L"3", L"Q1");
    company.MapEmployee(L"5", L"", Mapping::NotMapped);
    company.config->GetEmployeeMappings()->GetBySource(L"3")->SetFlag(false);
    // "baker, " sorts before "bakerson": a comma is smaller than a letter.
    EXPECT_EQ(
        L"2 1 5 3 4 ",
        Ids(EmployeeMappingOrder(*company.config->GetEmployeeMappings()).Sort(*company.model->GetServerEmployees())));
    EXPECT_EQ(L"1 2 3 4 5 ", Ids(*company.model->GetServerEmployees())) << "the model's order stays";
}

TEST(EmployeePayrollItems, DependOnTheMappedEmployee)
{
    TestCompany company;
    company.AddPayrollItem(L"P-b", L"b");
    company.AddPayrollItem(L"P-B", L"B");
    company.AddPayrollItem(L"P-a", L"a");
    TestCompany::EmployeePtr unmapped = company.AddServerUser(L"1", L"Una", L"Mapped");
    TestCompany::EmployeePtr plain = company.AddServerUser(L"2", L"Pat", L"Plain");
    TestCompany::EmployeePtr own = company.AddServerUser(L"3", L"Ola", L"Own");
    TestCompany::EmployeePtr salaried = company.AddServerUser(L"4", L"Sal", L"Aried");
    company.AddQuickBooksEmployee(L"Q2", L"Pat", L"Plain");
    company.AddQuickBooksEmployee(L"Q3", L"Ola", L"Own")->SetNameList({ L"P-a", L"P-gone", L"P-b" });
    company.AddQuickBooksEmployee(L"Q4", L"Sal", L"Aried")->SetUsesTimeData(false);
    company.MapEmployee(L"2", L"Q2");
    company.MapEmployee(L"3", L"Q3");
    company.MapEmployee(L"4", L"Q4");
    const MainModel& model = *company.model;
    const Config& config = *company.config;
    EXPECT_EQ(L"B a b ", Names(*LeaveTimeAndPayrollTab::CollectEmployeePayrollItems(model, config, *unmapped)));
    EXPECT_EQ(L"B a b ", Names(*LeaveTimeAndPayrollTab::CollectEmployeePayrollItems(model, config, *plain)));
    EXPECT_EQ(L"a b ", Names(*LeaveTimeAndPayrollTab::CollectEmployeePayrollItems(model, config, *own)));
    EXPECT_EQ(L"", Names(*LeaveTimeAndPayrollTab::CollectEmployeePayrollItems(model, config, *salaried)));
    EXPECT_EQ(L"b B a ", Names(*model.GetPayrollItems())) << "the model's order stays";
}

}  // namespace
