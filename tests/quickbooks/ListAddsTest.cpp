// Creating employees, customers, jobs and service items through the connector.
#include <gtest/gtest.h>

#include "connectors/quickbooks/QuickBooksErrors.h"
#include "tests/quickbooks/SimulatedQuickBooks.h"

namespace QuickBooksTest {

namespace {

using Quorvane::CustomerJob;
using Quorvane::Employee;
using Quorvane::ServiceItem;

const char kCompany[] =
    "{'CompanyName':'Sim Co','Preferences':{'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':true}},"
    " 'Employees':[{'ListID':'E-ANNA','FirstName':'Anna','LastName':'Berg'}],"
    " 'Accounts':[{'ListID':'A-INC','Name':'Income','AccountType':8}],"
    " 'PayrollItemWages':[{'ListID':'P-HOURLY','Name':'Hourly'}]}";

class ListAdds : public SimulatedQuickBooks {
protected:
    void SetUp() override
    {
        SimulatedQuickBooks::SetUp();
        Seed(kCompany);
    }

    int CreateEmployee(const std::wstring& first, const std::wstring& middle, const std::wstring& payrollItem,
                       boost::shared_ptr<Employee>& created)
    {
        return m_connector->CreateEmployee(first, L"Smith", middle, payrollItem, created);
    }
};

}  // namespace

TEST_F(ListAdds, AnEmployeeIsPaidFromTimeDataOnlyWithAPayrollItem)
{
    boost::shared_ptr<Employee> created;
    ASSERT_EQ(0, CreateEmployee(L"John", L"", L"P-HOURLY", created));
    EXPECT_EQ(std::vector<std::wstring>(
                  { L"EmployeeAdd: FirstName=\"John\"; LastName=\"Smith\"; MiddleName=\"\"; "
                    L"IsActive=true; EmployeePayrollInfo.UseTimeDataToCreatePaychecks=1; "
                    L"EmployeePayrollInfo.OREarnings.EarningsList[0]={}; "
                    L"EmployeePayrollInfo.OREarnings.EarningsList[0].PayrollItemWageRef.ListID=\"P-HOURLY\"" }),
              RequestTrace());
    ASSERT_TRUE(created);
    EXPECT_FALSE(created->GetId().empty());
    EXPECT_EQ(L"John", created->GetFirstName());
    EXPECT_EQ(L"Smith", created->GetLastName());
    EXPECT_TRUE(created->GetUsesTimeData());

    ASSERT_EQ(0, CreateEmployee(L"Jane", L"Q", L"", created));
    EXPECT_EQ(std::vector<std::wstring>({ L"EmployeeAdd: FirstName=\"Jane\"; LastName=\"Smith\"; MiddleName=\"Q\"; "
                                          L"IsActive=true; EmployeePayrollInfo.UseTimeDataToCreatePaychecks=2" }),
              RequestTrace());
    EXPECT_FALSE(created->GetUsesTimeData());
}

// Switching the new employee's time-data flag later needs both.
TEST_F(ListAdds, ACreatedEmployeeKeepsItsEditSequenceAndTimeDataValue)
{
    boost::shared_ptr<Employee> created;
    ASSERT_EQ(0, CreateEmployee(L"John", L"", L"P-HOURLY", created));
    EXPECT_FALSE(created->GetEditSequence().empty());
    EXPECT_EQ(1, created->GetUsesTimeDataValue());
    std::wstring changed;
    EXPECT_EQ(0, m_connector->ChangeFlagUseTimeData(created->GetId(), created->GetEditSequence(), 2, changed));
}

TEST_F(ListAdds, ARefusedEmployeeIsTheStatusWithNothingCreated)
{
    boost::shared_ptr<Employee> created;
    EXPECT_EQ(3100, m_connector->CreateEmployee(L"Anna", L"Berg", L"", L"", created));
    EXPECT_FALSE(created);
    EXPECT_EQ(3070, CreateEmployee(L"John", L"Toolongmiddle", L"", created));
    EXPECT_FALSE(created);
    InjectFault("{'stage':'DoRequests','hresult':'0x8004041C'}");
    EXPECT_EQ(Quorvane::kCannotAccessQuickBooksCode, CreateEmployee(L"John", L"", L"", created));
    Reconnect(false);
    EXPECT_EQ(-1, CreateEmployee(L"John", L"", L"", created));
    EXPECT_FALSE(created);
}

TEST_F(ListAdds, JobsAreCreatedUnderTheirParentsListID)
{
    boost::shared_ptr<CustomerJob> customer, job, subJob;
    ASSERT_EQ(0, m_connector->CreateCustomerJob(L"Acme", boost::shared_ptr<CustomerJob>(), customer));
    ASSERT_EQ(0, m_connector->CreateCustomerJob(L"Roof", customer, job));
    ASSERT_EQ(0, m_connector->CreateCustomerJob(L"Gutters", job, subJob));
    std::vector<std::wstring> trace = RequestTrace();
    ASSERT_EQ(3u, trace.size());
    EXPECT_EQ(L"CustomerAdd: Name=\"Acme\"", trace[0]);
    EXPECT_EQ(L"CustomerAdd: Name=\"Roof\"; ParentRef.ListID=\"" + customer->GetId() + L"\"", trace[1]);
    EXPECT_EQ(L"Acme:Roof:Gutters", subJob->GetFullName());
    EXPECT_TRUE(m_connector->CheckCustomerJobExist(L"Acme:Roof:Gutters"));

    boost::shared_ptr<CustomerJob> duplicate;
    EXPECT_EQ(3100, m_connector->CreateCustomerJob(L"acme", boost::shared_ptr<CustomerJob>(), duplicate));
    EXPECT_FALSE(duplicate);
}

TEST_F(ListAdds, AServiceItemPostsToItsAccount)
{
    boost::shared_ptr<ServiceItem> design, sketch;
    ASSERT_EQ(0, m_connector->CreateService(L"Design", boost::shared_ptr<ServiceItem>(), L"A-INC", design));
    ASSERT_EQ(0, m_connector->CreateService(L"Sketch", design, L"A-INC", sketch));
    std::vector<std::wstring> trace = RequestTrace();
    ASSERT_EQ(2u, trace.size());
    EXPECT_EQ(L"ItemServiceAdd: Name=\"Design\"; ORSalesPurchase.SalesOrPurchase.AccountRef.ListID=\"A-INC\"",
              trace[0]);
    EXPECT_EQ(L"Design:Sketch", sketch->GetFullName());
    EXPECT_TRUE(m_connector->CheckServiceItemExist(L"Design:Sketch"));

    boost::shared_ptr<ServiceItem> refused;
    EXPECT_NE(0, m_connector->CreateService(L"Paint", boost::shared_ptr<ServiceItem>(), L"", refused));
    EXPECT_FALSE(refused);
    Reconnect(false);
    EXPECT_THROW(m_connector->CreateService(L"Paint", boost::shared_ptr<ServiceItem>(), L"A-INC", refused),
                 std::exception);
}

}  // namespace QuickBooksTest
