#include <gtest/gtest.h>

#include <boost/function.hpp>

#include "app/MappingChecks.h"
#include "TestCompany.h"

using namespace Quorvane;

namespace {

TEST(IsCustomerJobMappingValid, NeedsMappingTypeAndAccount)
{
    TestCompany company;
    EXPECT_TRUE(IsCustomerJobMappingValid(*company.config));
    company.config->SetMappingType(0);
    EXPECT_FALSE(IsCustomerJobMappingValid(*company.config));
    company.config->SetMappingType(1);
    company.config->SetServiceItemAccount(L"");
    EXPECT_FALSE(IsCustomerJobMappingValid(*company.config));
}

struct CheckCase {
    const char* name;
    boost::function<void(TestCompany&)> setUp;
    int expected;
};

// Ann (1) and Bob (2) on the server; E1 and E2 in QuickBooks; payroll items P1 and P2.
struct TwoUsers : TestCompany {
    TwoUsers()
    {
        AddServerUser(L"1", L"Ann", L"Lee");
        AddServerUser(L"2", L"Bob", L"Ray");
        AddQuickBooksEmployee(L"E1", L"Ann", L"Lee");
        AddQuickBooksEmployee(L"E2", L"Bob", L"Ray");
        AddPayrollItem(L"P1", L"Hourly");
        AddPayrollItem(L"P2", L"Salary");
    }
};

void RunChecks(const CheckCase* cases, size_t count, int (*check)(const MainModel&, const Config&))
{
    for (size_t i = 0; i < count; ++i) {
        TwoUsers company;
        cases[i].setUp(company);
        EXPECT_EQ(cases[i].expected, check(*company.model, *company.config)) << cases[i].name;
    }
}

TEST(HasEmployeeMappingProblems, CountsUnsetRulesAndSharedEmployees)
{
    const CheckCase cases[] = {
        { "both mapped",
          [](TestCompany& c) {
              c.MapEmployee(L"1", L"E1");
              c.MapEmployee(L"2", L"E2");
          },
          0 },
        { "one unset",
          [](TestCompany& c) {
              c.MapEmployee(L"1", L"E1");
              c.MapEmployee(L"2", L"", Mapping::NotMapped);
          },
          1 },
        { "one without a rule", [](TestCompany& c) { c.MapEmployee(L"1", L"E1"); }, 1 },
        { "skipped and to be created",
          [](TestCompany& c) {
              c.MapEmployee(L"1", L"", Mapping::DoNotImport);
              c.MapEmployee(L"2", L"", Mapping::CreateNew);
          },
          0 },
        { "two users on one employee",
          [](TestCompany& c) {
              c.MapEmployee(L"1", L"E1");
              c.MapEmployee(L"2", L"E1");
          },
          2 },
    };
    RunChecks(cases, sizeof cases / sizeof cases[0], &HasEmployeeMappingProblems);
}

TEST(HasLeaveTypeMappingProblems, CountsUnsetAndPayrolllessRules)
{
    const CheckCase cases[] = {
        { "mapped", [](TestCompany& c) { c.MapLeaveType(L"10", L"P1"); }, 0 },
        { "unset and without payroll item",
          [](TestCompany& c) {
              c.MapLeaveType(L"10", L"", Mapping::NotMapped);
              c.MapLeaveType(L"11", L"", Mapping::ImportWithoutPayrollItem);
          },
          2 },
        { "without payroll item while QuickBooks has none",
          [](TestCompany& c) {
              c.model->SetPayrollItems(boost::shared_ptr<PayRollCollection>(new PayRollCollection()));
              c.MapLeaveType(L"11", L"", Mapping::ImportWithoutPayrollItem);
          },
          0 },
        { "leave not imported",
          [](TestCompany& c) {
              c.config->SetImportLeaveType(false);
              c.MapLeaveType(L"10", L"", Mapping::NotMapped);
          },
          0 },
    };
    RunChecks(cases, sizeof cases / sizeof cases[0], &HasLeaveTypeMappingProblems);
}

TEST(HasWorkingTimePayrollMappingProblems, CountsOnlyEmployeesWhoseTimeDataMakesPaychecks)
{
    const CheckCase cases[] = {
        { "mapped to existing items",
          [](TestCompany& c) {
              c.MapEmployee(L"1", L"E1");
              c.MapPayroll(L"1", L"P1");
              c.MapEmployee(L"2", L"E2");
              c.MapPayroll(L"2", L"P2");
          },
          0 },
        { "unset payroll rules",
          [](TestCompany& c) {
              c.MapEmployee(L"1", L"E1");
              c.MapPayroll(L"1", L"", Mapping::NotMapped);
              c.MapEmployee(L"2", L"", Mapping::CreateNew);
              c.MapPayroll(L"2", L"", Mapping::NotMapped);
          },
          2 },
        { "user not imported",
          [](TestCompany& c) {
              c.MapEmployee(L"1", L"", Mapping::DoNotImport);
              c.MapEmployee(L"2", L"E2");
              c.MapPayroll(L"2", L"P1");
          },
          0 },
        { "employee without time data",
          [](TestCompany& c) {
              c.model->GetQuickBooksEmployees()->FindById(L"E1")->SetUsesTimeData(false);
              c.MapEmployee(L"1", L"E1");
              c.MapPayroll(L"1", L"P9");
              c.MapEmployee(L"2", L"E2");
              c.MapPayroll(L"2", L"P1");
          },
          0 },
        { "payroll item gone",
          [](TestCompany& c) {
              c.MapEmployee(L"1", L"E1");
              c.MapPayroll(L"1", L"P9");
              c.MapEmployee(L"2", L"E2");
              c.MapPayroll(L"2", L"P1");
          },
          1 },
        { "payroll item not among the employee's own",
          [](TestCompany& c) {
              c.model->GetQuickBooksEmployees()->FindById(L"E1")->AddToNameList(L"P2");
              c.model->GetQuickBooksEmployees()->FindById(L"E2")->AddToNameList(L"P2");
              c.MapEmployee(L"1", L"E1");
              c.MapPayroll(L"1", L"P1");
              c.MapEmployee(L"2", L"E2");
              c.MapPayroll(L"2", L"P2");
          },
          1 },
        { "no payroll item required",
          [](TestCompany& c) {
              c.MapEmployee(L"1", L"E1");
              c.MapPayroll(L"1", L"", Mapping::NoPayrollItemRequired);
              c.MapEmployee(L"2", L"E2");
              c.MapPayroll(L"2", L"P1");
          },
          0 },
    };
    RunChecks(cases, sizeof cases / sizeof cases[0], &HasWorkingTimePayrollMappingProblems);
}

TEST(AreMappingsValid, AllFourChecksMustPass)
{
    TwoUsers company;
    company.MapEmployee(L"1", L"E1");
    company.MapPayroll(L"1", L"P1");
    company.MapEmployee(L"2", L"E2");
    company.MapPayroll(L"2", L"P2");
    EXPECT_TRUE(AreMappingsValid(*company.model));
    company.MapLeaveType(L"10", L"", Mapping::NotMapped);
    EXPECT_FALSE(AreMappingsValid(*company.model));
    company.model->SetConfig(boost::shared_ptr<Config>());
    EXPECT_FALSE(AreMappingsValid(*company.model));
}

}  // namespace
