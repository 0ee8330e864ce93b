#include <gtest/gtest.h>

#include <sstream>

#include <boost/function.hpp>

#include "app/NameMapping.h"
#include "TestCompany.h"
#include "core/TextCodec.h"

using namespace Quorvane;

namespace {

// "source>target state" per rule, in list order.
std::string DescribeRules(const MappingCollection& rules)
{
    std::ostringstream text;
    for (const boost::shared_ptr<Mapping>& rule : rules)
        text << Narrow(rule->GetSource()) << ">" << Narrow(rule->GetTarget()) << " " << rule->GetState() << "\n";
    return text.str();
}

struct MappingCase {
    const char* name;
    boost::function<void(TestCompany&)> setUp;
    const char* employeeRules;
    const char* payrollRules;
};

TEST(UpdateMappings, EmployeeAndPayrollRules)
{
    const MappingCase cases[] = {
        { "new users get unset rules, then are mapped by equal names",
          [](TestCompany& c) {
              c.AddServerUser(L"1", L"Ann", L"Lee");
              c.AddServerUser(L"2", L"Bob", L"Ray");
              c.AddQuickBooksEmployee(L"E1", L"Bob", L"Ray");
          },
          "1> 1\n2>E1 2\n", "1> 1\n2> 1\n" },
        { "namesakes take the QuickBooks namesakes in order",
          [](TestCompany& c) {
              c.AddServerUser(L"1", L"Ann", L"Lee");
              c.AddServerUser(L"2", L"Ann", L"Lee");
              c.AddQuickBooksEmployee(L"E1", L"Ann", L"Lee");
              c.AddQuickBooksEmployee(L"E2", L"Ann", L"Lee");
          },
          "1>E1 2\n2>E2 2\n", "1> 1\n2> 1\n" },
        { "names match exactly, an empty middle name only an empty one",
          [](TestCompany& c) {
              c.AddServerUser(L"1", L"Ann", L"Lee");
              c.AddServerUser(L"2", L"ann", L"Lee");
              c.AddQuickBooksEmployee(L"E1", L"Ann", L"Lee", L"B");
              c.AddQuickBooksEmployee(L"E2", L"Ann", L"Lee");
          },
          "1>E2 2\n2> 1\n", "1> 1\n2> 1\n" },
        { "an employee deleted in QuickBooks resets both rules and is matched again",
          [](TestCompany& c) {
              c.AddServerUser(L"1", L"Ann", L"Lee");
              c.AddQuickBooksEmployee(L"E1", L"Ann", L"Lee");
              c.MapEmployee(L"1", L"E9");
              c.MapPayroll(L"1", L"P1");
          },
          "1>E1 2\n", "1> 1\n" },
        { "an employee a later rule holds is not offered to an earlier one",
          [](TestCompany& c) {
              c.AddServerUser(L"1", L"Ann", L"Lee");
              c.AddServerUser(L"2", L"Ann", L"Lee");
              c.AddQuickBooksEmployee(L"E1", L"Ann", L"Lee");
              c.MapEmployee(L"1", L"", Mapping::NotMapped);
              c.MapEmployee(L"2", L"E1");
          },
          "1> 1\n2>E1 2\n", "1> 1\n2> 1\n" },
        { "do-not-import and create-new rules stay",
          [](TestCompany& c) {
              c.AddServerUser(L"1", L"Ann", L"Lee");
              c.AddServerUser(L"2", L"Bob", L"Ray");
              c.AddQuickBooksEmployee(L"E1", L"Ann", L"Lee");
              c.AddQuickBooksEmployee(L"E2", L"Bob", L"Ray");
              c.MapEmployee(L"1", L"", Mapping::DoNotImport);
              c.MapEmployee(L"2", L"", Mapping::CreateNew);
          },
          "1> 3\n2> 4\n", "1> 1\n2> 1\n" },
        { "rules of users gone from the server stay",
          [](TestCompany& c) {
              c.AddQuickBooksEmployee(L"E1", L"Ann", L"Lee");
              c.MapEmployee(L"7", L"", Mapping::NotMapped);
              c.MapEmployee(L"8", L"E9");
          },
          "7> 1\n8> 1\n", "" },
        { "no payroll item required is asked again once time data creates paychecks",
          [](TestCompany& c) {
              c.AddServerUser(L"1", L"Ann", L"Lee");
              c.AddServerUser(L"2", L"Bob", L"Ray");
              c.AddQuickBooksEmployee(L"E1", L"Ann", L"Lee");
              c.AddQuickBooksEmployee(L"E2", L"Bob", L"Ray")->SetUsesTimeData(false);
              c.AddPayrollItem(L"P1", L"Hourly");
              c.MapPayroll(L"1", L"", Mapping::NoPayrollItemRequired);
              c.MapPayroll(L"2", L"", Mapping::NoPayrollItemRequired);
          },
          "1>E1 2\n2>E2 2\n", "1> 1\n2> 5\n" },
        { "rules held twice for one user become one, the decided one where the first stood",
          [](TestCompany& c) {
              c.AddServerUser(L"1", L"Ann", L"Lee");
              c.AddServerUser(L"2", L"Bob", L"Ray");
              c.AddQuickBooksEmployee(L"E1", L"Ann", L"Lee");
              c.AddQuickBooksEmployee(L"E2", L"Bob", L"Ray");
              c.MapEmployee(L"1", L"", Mapping::NotMapped);
              c.MapEmployee(L"2", L"", Mapping::DoNotImport);
              c.MapEmployee(L"1", L"E1");
              c.MapEmployee(L"2", L"E2");
              c.MapPayroll(L"1", L"", Mapping::NotMapped);
              c.MapPayroll(L"1", L"", Mapping::NotMapped);
          },
          "1>E1 2\n2> 3\n", "1> 1\n2> 1\n" },
        { "no payroll item required stays while QuickBooks has none",
          [](TestCompany& c) {
              c.AddServerUser(L"1", L"Ann", L"Lee");
              c.AddQuickBooksEmployee(L"E1", L"Ann", L"Lee");
              c.MapPayroll(L"1", L"", Mapping::NoPayrollItemRequired);
          },
          "1>E1 2\n", "1> 5\n" },
    };
    for (const MappingCase& c : cases) {
        TestCompany company;
        c.setUp(company);
        UpdateMappings(company.model);
        EXPECT_EQ(c.employeeRules, DescribeRules(*company.config->GetEmployeeMappings())) << c.name;
        EXPECT_EQ(c.payrollRules, DescribeRules(*company.config->GetPayrollTypeMappings())) << c.name;
    }
}

TEST(UpdateMappings, LeaveTypeRules)
{
    TestCompany company;
    company.AddPayrollItem(L"P1", L"Vacation Pay");
    company.AddLeaveType(L"10", L"Vacation");
    company.AddLeaveType(L"11", L"Sick");
    company.AddLeaveType(L"12", L"Holiday");
    company.AddLeaveType(L"13", L"Unpaid");
    company.MapLeaveType(L"10", L"P1");
    company.MapLeaveType(L"11", L"P9");
    company.MapLeaveType(L"12", L"", Mapping::ImportWithoutPayrollItem);
    company.MapLeaveType(L"99", L"P1");

    UpdateMappings(company.model);

    EXPECT_EQ("10>P1 2\n11> 1\n12> 6\n99>P1 2\n13> 1\n", DescribeRules(*company.config->GetLeaveTypeMappings()));
}

TEST(UpdateMappings, ServiceItemAccountMustExist)
{
    TestCompany company;
    UpdateMappings(company.model);
    EXPECT_EQ(L"A1", company.config->GetServiceItemAccount());
    company.config->SetServiceItemAccount(L"A9");
    UpdateMappings(company.model);
    EXPECT_EQ(L"", company.config->GetServiceItemAccount());
}

}  // namespace
