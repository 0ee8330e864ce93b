// Reading QuickBooks's lists through the connector: what each reader keeps, drops and links.
#include <gtest/gtest.h>

#include "tests/quickbooks/SimulatedQuickBooks.h"

namespace QuickBooksTest {

namespace {

const char kCompany[] =
    "{'CompanyName':'Sim Co','Preferences':{'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':true}},"
    " 'Employees':[{'ListID':'E-ANNA','EditSequence':'11','FirstName':'Anna','MiddleName':'M','LastName':'Berg',"
    "               'EmployeePayrollInfo':{'UseTimeDataToCreatePaychecks':1,"
    "                 'OREarnings':{'EarningsList':[{'PayrollItemWageRef':{'ListID':'P-HOURLY'}},"
    "                                               {'PayrollItemWageRef':{'ListID':'P-BONUS'}}]}}},"
    "              {'ListID':'E-BO','FirstName':'Bo','LastName':'Dahl','IsActive':false}],"
    " 'Customers':[{'ListID':'C-ACME','Name':'Acme'},{'ListID':'C-ROOF','Name':'Roof','ParentRef':{'ListID':'C-ACME'}},"
    "              {'ListID':'C-OLD','Name':'Oldco','IsActive':false}],"
    " 'Items':[{'ListID':'I-DESIGN','Name':'Design','Kind':0},{'ListID':'I-SKETCH','Name':'Sketch','Kind':0,"
    "           'ParentRef':{'ListID':'I-DESIGN'}},{'ListID':'I-PART','Name':'Part','Kind':3},"
    "          {'ListID':'I-VAN','Name':'Van','Kind':5,'IsActive':false}],"
    " 'Accounts':[{'ListID':'A-INC','Name':'Income','AccountType':8},{'ListID':'A-BANK','Name':'Bank','AccountType':2},"
    "             {'ListID':'A-LIAB','Name':'Taxes','AccountType':13},{'ListID':'A-NONE','Name':'Untyped'}],"
    " 'PayrollItemWages':[{'ListID':'P-HOURLY','Name':'Hourly','WageType':0},{'ListID':'P-SALARY','Name':'Salary','"
    "WageType':2},"
    "                     {'ListID':'P-SICK','Name':'Sick','WageType':3},{'ListID':'P-BONUS','Name':'Bonus'}]}";

class ListReaders : public SimulatedQuickBooks {
protected:
    void SetUp() override
    {
        SimulatedQuickBooks::SetUp();
        Seed(kCompany);
    }
};

template <typename CollectionType>
std::vector<std::wstring> Ids(const CollectionType& collection)
{
    std::vector<std::wstring> ids;
    for (const auto& record : collection)
        ids.push_back(record->GetId());
    return ids;
}

}  // namespace

TEST_F(ListReaders, EmployeesComeWithTheirPayrollDataActiveOrNot)
{
    boost::shared_ptr<Quorvane::EmployeeCollection> employees =
        m_connector->GetEmployeesWithTimeTrack(Quorvane::DateTime(1, 11, 2026), Quorvane::DateTime(30, 11, 2026));
    ASSERT_EQ(2u, employees->Count());
    boost::shared_ptr<Quorvane::Employee> anna = employees->FindById(L"E-ANNA");
    EXPECT_EQ(L"Anna", anna->GetFirstName());
    EXPECT_EQ(L"M", anna->GetMiddleName());
    EXPECT_EQ(L"Berg", anna->GetLastName());
    EXPECT_EQ(L"11", anna->GetEditSequence());
    EXPECT_TRUE(anna->GetUsesTimeData());
    EXPECT_EQ(1, anna->GetUsesTimeDataValue());
    EXPECT_EQ(std::vector<std::wstring>({ L"P-HOURLY", L"P-BONUS" }), anna->GetNameList());
    boost::shared_ptr<Quorvane::Employee> bo = employees->FindById(L"E-BO");
    EXPECT_FALSE(bo->GetUsesTimeData());
    EXPECT_EQ(int(Quorvane::Employee::UnknownTimeDataValue), bo->GetUsesTimeDataValue());
    EXPECT_TRUE(bo->GetNameList().empty());
}

TEST_F(ListReaders, CustomersAndJobsAreFiledUnderTheirFullNames)
{
    boost::shared_ptr<Quorvane::CustomerJobCollection> customers = m_connector->GetCustomerJob();
    EXPECT_EQ(3u, customers->Count());
    EXPECT_EQ(L"C-ROOF", customers->FindByFullName(L"Acme:Roof")->GetId());
    EXPECT_EQ(L"C-OLD", customers->FindByFullName(L"Oldco")->GetId());
}

TEST_F(ListReaders, AJobListedBeforeItsParentStaysWithoutOne)
{
    Seed("{'Simulator':{'ListOrder':'Reverse'},"
         " 'Customers':[{'ListID':'C-ACME','Name':'Acme'},{'ListID':'C-ROOF','Name':'Roof','ParentRef':{'ListID':'C-"
         "ACME'}}]}");
    boost::shared_ptr<Quorvane::CustomerJobCollection> customers = m_connector->GetCustomerJob();
    EXPECT_EQ(L"C-ROOF", customers->FindByFullName(L"Roof")->GetId());
    EXPECT_FALSE(customers->FindById(L"C-ROOF")->GetParent());
}

TEST_F(ListReaders, ItemsOfEveryKindAndServiceItemsWithTheirParents)
{
    boost::shared_ptr<Quorvane::ServiceItemCollection> services = m_connector->GetServiceItem();
    EXPECT_EQ(std::vector<std::wstring>({ L"I-DESIGN", L"I-SKETCH" }), Ids(*services));
    EXPECT_EQ(L"Design:Sketch", services->GetById(L"I-SKETCH")->GetFullName());

    boost::shared_ptr<Quorvane::ItemTypeCollection> items = m_connector->GetAllItem();
    EXPECT_EQ(4u, items->Count());
    EXPECT_EQ(3, items->FindById(L"I-PART")->GetKind());
    EXPECT_EQ(5, items->FindById(L"I-VAN")->GetKind());
    EXPECT_EQ(L"I-DESIGN", items->FindById(L"I-SKETCH")->GetParent()->GetId());
}

TEST_F(ListReaders, OnlyAccountsAServiceItemCanPostToAndOnlyWageItemsForTime)
{
    EXPECT_EQ(std::vector<std::wstring>({ L"A-INC" }), Ids(*m_connector->GetAccount()));
    boost::shared_ptr<Quorvane::PayRollCollection> payroll = m_connector->GetPayroll();
    ASSERT_EQ(2u, payroll->Count());
    EXPECT_EQ(L"Hourly", payroll->FindByListId(L"P-HOURLY")->GetName());
    EXPECT_EQ(L"Bonus", payroll->FindByListId(L"P-BONUS")->GetName());
}

// Early QBFC versions number wage and account types differently: 2 and 3 were the hourly
// regular and sick wages, and the accounts from "other asset" on shift by one.
TEST_F(ListReaders, TypesAreReadByNameWhateverTheNumbering)
{
    for (const char* early : { "false", "true" }) {
        SCOPED_TRACE(early);
        Seed(std::string("{'Simulator':{'EarlyEnumNumbering':") + early +
             "},"
             " 'PayrollItemWages':[{'ListID':'P-0','Name':'Hourly','WageType':0},{'ListID':'P-2','Name':'Bonus','"
             "WageType':2},"
             "   {'ListID':'P-3','Name':'Commission','WageType':3},{'ListID':'P-5','Name':'Regular','WageType':5},"
             "   {'ListID':'P-6','Name':'Sick','WageType':6}],"
             " 'Accounts':[{'ListID':'A-2','Name':'Bank','AccountType':2},{'ListID':'A-8','Name':'Income','AccountType'"
             ":8},"
             "   "
             "{'ListID':'A-10','Name':'Orders','AccountType':10},{'ListID':'A-11','Name':'Deposits','AccountType':11},"
             "   {'ListID':'A-15','Name':'Interest','AccountType':15}]}");
        boost::shared_ptr<Quorvane::PayRollCollection> payroll = m_connector->GetPayroll();
        std::vector<std::wstring> wageIds;
        for (const auto& item : *payroll)
            wageIds.push_back(item->GetListId());
        EXPECT_EQ(std::vector<std::wstring>({ L"P-0", L"P-5", L"P-6" }), wageIds);
        boost::shared_ptr<Quorvane::AccountCollection> accounts = m_connector->GetAccount();
        EXPECT_EQ(std::vector<std::wstring>({ L"A-11", L"A-8", L"A-15" }), Ids(*accounts));
        std::vector<int> types;
        for (const auto& account : *accounts)
            types.push_back(account->GetType());
        EXPECT_EQ(std::vector<int>({ 11, 8, 15 }), types);
    }
}

TEST_F(ListReaders, AnEmptyOrRefusedListIsEmptyButNoSessionIsAFailure)
{
    Seed("{'CompanyName':'Empty Co'}");
    EXPECT_EQ(0u, m_connector->GetCustomerJob()->Count());
    InjectFault("{'stage':'Response','request':'PayrollItemWageQuery','shape':'Status','status':3260,'message':'No'}");
    EXPECT_EQ(0u, m_connector->GetPayroll()->Count());
    InjectFault("{'stage':'DoRequests','request':'AccountQuery','hresult':'0x8004041C'}");
    EXPECT_THROW(m_connector->GetAccount(), std::exception);
    Reconnect(false);
    EXPECT_THROW(m_connector->GetPayroll(), std::exception);
}

}  // namespace QuickBooksTest
