// Every QBFC member path the program takes, walked through the connector against the simulator:
// the paths of each request as the simulator receives them, and the paths of each answer as the
// program reads them into its records. The names written here are QBFC's own, so renaming a path
// on either side, or on both, fails.
#include <gtest/gtest.h>

#include <functional>

#include "core/DateTime.h"
#include "tests/quickbooks/SimulatedQuickBooks.h"

namespace QuickBooksTest {

namespace {

using Quorvane::CustomerJob;
using Quorvane::DateTime;
using Quorvane::Employee;
using Quorvane::ServiceItem;

const char kCompany[] =
    "{'CompanyName':'Paths Co',"
    " 'Preferences':{'TimeTrackingEnabled':true,'TimeTrackingPreferences':{'FirstDayOfWeek':6},"
    "                'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':true}},"
    " 'Accounts':[{'ListID':'A-INC','Name':'Income','AccountType':8},{'ListID':'A-BANK','Name':'Bank','AccountType':2}]"
    ","
    " 'PayrollItemWages':[{'ListID':'P-HOURLY','Name':'Hourly','WageType':0},{'ListID':'P-BONUS','Name':'Bonus','"
    "WageType':2}],"
    " 'Items':[{'ListID':'I-0','Name':'Design','Kind':0},{'ListID':'I-0S','Name':'Sketch','Kind':0,'ParentRef':{'"
    "ListID':'I-0'}},"
    "          {'ListID':'I-1','Name':'Nails','Kind':1,'ParentRef':{'ListID':'I-0'}},"
    "          {'ListID':'I-2','Name':'Fee','Kind':2},{'ListID':'I-3','Name':'Boards','Kind':3},"
    "          {'ListID':'I-4','Name':'Kit','Kind':4},{'ListID':'I-5','Name':'Van','Kind':5},"
    "          {'ListID':'I-6','Name':'Subtotal','Kind':6},{'ListID':'I-7','Name':'Rebate','Kind':7},"
    "          {'ListID':'I-8','Name':'Cash','Kind':8},{'ListID':'I-9','Name':'Tax','Kind':9},"
    "          {'ListID':'I-10','Name':'Taxes','Kind':10},{'ListID':'I-11','Name':'Bundle','Kind':11}],"
    " 'Customers':[{'ListID':'C-ACME','Name':'Acme'},{'ListID':'C-ROOF','Name':'Roof','ParentRef':{'ListID':'C-ACME'}}]"
    ","
    " 'Employees':[{'ListID':'E-ANNA','EditSequence':'11','FirstName':'Anna','MiddleName':'M','LastName':'Berg',"
    "               'EmployeePayrollInfo':{'UseTimeDataToCreatePaychecks':1,"
    "                 'OREarnings':{'EarningsList':[{'PayrollItemWageRef':{'ListID':'P-HOURLY'}}]}}}],"
    " 'TimeEntries':[{'TxnID':'T-1','EditSequence':'7','TxnDate':'2026-11-02','EntityRef':{'ListID':'E-ANNA'},"
    "                 'Duration':'PT1H30M59S','CustomerRef':{'ListID':'C-ROOF'},'ItemServiceRef':{'ListID':'I-0'},"
    "                 'PayrollItemWageRef':{'ListID':'P-HOURLY'},'Notes':'Gutters','BillableStatus':2}]}";

class QbfcPaths : public SimulatedQuickBooks {
protected:
    void SetUp() override
    {
        SimulatedQuickBooks::SetUp();
        Seed(kCompany);
    }
};

// "TimeTrackingAdd: TxnDate EntityRef.ListID": a traced request's paths, each once, in order.
std::wstring PathsOf(const std::wstring& traceLine)
{
    size_t colon = traceLine.find(L':');
    std::wstring paths = traceLine.substr(0, colon + 1);
    std::vector<std::wstring> seen;
    for (size_t start = colon + 2; start < traceLine.size();) {
        size_t equals = traceLine.find(L'=', start);
        std::wstring path = traceLine.substr(start, equals - start);
        if (std::find(seen.begin(), seen.end(), path) == seen.end()) {
            seen.push_back(path);
            paths += L" " + path;
        }
        size_t next = traceLine.find(L"; ", equals);
        start = next == std::wstring::npos ? traceLine.size() : next + 2;
    }
    return paths;
}

std::vector<std::wstring> PathsOf(const std::vector<std::wstring>& trace)
{
    std::vector<std::wstring> paths;
    for (const std::wstring& line : trace)
        paths.push_back(PathsOf(line));
    return paths;
}

const wchar_t kDates[] =
    L"ORTimeTrackingTxnQuery.TimeTrackingTxnFilter.ORDateRangeFilter.TxnDateRangeFilter.ORTxnDateRangeFilter."
    L"TxnDateFilter.";

}  // namespace

TEST_F(QbfcPaths, EveryRequestIsSentAlongQbfcsOwnPaths)
{
    const std::wstring timeQuery = std::wstring(L"TimeTrackingQuery: metaData iterator ") + kDates + L"FromTxnDate " +
                                   kDates + L"ToTxnDate ORTimeTrackingTxnQuery.TimeTrackingTxnFilter.MaxReturned";
    const std::wstring nameRange = L".ActiveStatus {0}.ORNameFilter.NameRangeFilter.FromName "
                                   L"{0}.ORNameFilter.NameRangeFilter.ToName";
    auto withFilter = [&](const std::wstring& kind, const std::wstring& filter) {
        std::wstring paths = kind + L": " + filter + nameRange;
        for (size_t at; (at = paths.find(L"{0}")) != std::wstring::npos;)
            paths.replace(at, 3, filter);
        return paths;
    };
    boost::shared_ptr<CustomerJob> acme(new CustomerJob(L"C-ACME", L"Acme", boost::shared_ptr<CustomerJob>()));
    boost::shared_ptr<ServiceItem> design(new ServiceItem());
    design->SetId(L"I-0");
    boost::shared_ptr<CustomerJob> createdJob;
    boost::shared_ptr<ServiceItem> createdItem;
    boost::shared_ptr<Employee> createdEmployee;
    boost::shared_ptr<Quorvane::TimeTrackRecordCollection> entries;
    std::wstring changedSequence;
    struct Case {
        const char* name;
        std::function<void()> run;
        std::vector<std::wstring> paths;
    } cases[] = {
        { "employees with their time",
          [&] { m_connector->GetEmployeesWithTimeTrack(DateTime(1, 11, 2026), DateTime(30, 11, 2026)); },
          { L"EmployeeQuery: IncludeRetElementList[] ORListQuery.ListFilter.ActiveStatus",
            timeQuery + L" IncludeRetElementList[]" } },
        { "one employee's time",
          [&] { m_connector->GetTimeTrack(L"E-ANNA", DateTime(1, 11, 2026), DateTime(30, 11, 2026), entries); },
          { timeQuery + L" ORTimeTrackingTxnQuery.TimeTrackingTxnFilter.TimeTrackingEntityFilter."
                        L"ORTimeTrackingEntityFilter.ListIDList[] IncludeRetElementList[]" } },
        { "time added",
          [&] {
              m_connector->AddTimeTrack(L"E-ANNA", L"Acme", L"Design", L"P-HOURLY", L"Notes", 1, DateTime(3, 11, 2026),
                                        60);
          },
          { L"TimeTrackingAdd: TxnDate EntityRef.ListID Duration PayrollItemWageRef.ListID CustomerRef.FullName "
            L"ItemServiceRef.FullName BillableStatus Notes" } },
        { "time changed",
          [&] { m_connector->ChangeTimeTrack(L"T-1", L"E-ANNA", L"7", 60); },
          { L"TimeTrackingMod: TxnID EntityRef.ListID EditSequence Duration" } },
        { "time deleted", [&] { m_connector->DeleteTimeTrack(L"T-1"); }, { L"TxnDel: TxnID TxnDelType" } },
        { "use of time data changed",
          [&] { m_connector->ChangeFlagUseTimeData(L"E-ANNA", L"11", 2, changedSequence); },
          { L"EmployeeMod: ListID EditSequence EmployeePayrollInfoMod.UseTimeDataToCreatePaychecks" } },
        { "employee added",
          [&] { m_connector->CreateEmployee(L"Cleo", L"Eng", L"", L"P-HOURLY", createdEmployee); },
          { L"EmployeeAdd: FirstName LastName MiddleName IsActive EmployeePayrollInfo.UseTimeDataToCreatePaychecks "
            L"EmployeePayrollInfo.OREarnings.EarningsList[0] "
            L"EmployeePayrollInfo.OREarnings.EarningsList[0].PayrollItemWageRef.ListID" } },
        { "customers",
          [&] { m_connector->GetCustomerJob(); },
          { L"CustomerQuery: ORCustomerListQuery.CustomerListFilter.ActiveStatus" } },
        { "customer checked",
          [&] { m_connector->CheckCustomerJobExist(L"Acme"); },
          { withFilter(L"CustomerQuery", L"ORCustomerListQuery.CustomerListFilter") } },
        { "job added",
          [&] { m_connector->CreateCustomerJob(L"Attic", acme, createdJob); },
          { L"CustomerAdd: Name ParentRef.ListID" } },
        { "service items",
          [&] { m_connector->GetServiceItem(); },
          { L"ItemServiceQuery: ORListQueryWithOwnerIDAndClass.ListWithClassFilter.ActiveStatus" } },
        { "service item checked",
          [&] { m_connector->CheckServiceItemExist(L"Design"); },
          { withFilter(L"ItemServiceQuery", L"ORListQueryWithOwnerIDAndClass.ListWithClassFilter") } },
        { "service item added",
          [&] { m_connector->CreateService(L"Paint", design, L"A-INC", createdItem); },
          { L"ItemServiceAdd: Name ORSalesPurchase.SalesOrPurchase.AccountRef.ListID ParentRef.ListID" } },
        { "items", [&] { m_connector->GetAllItem(); }, { L"ItemQuery: ORListQuery.ListFilter.ActiveStatus" } },
        { "accounts", [&] { m_connector->GetAccount(); }, { L"AccountQuery:" } },
        { "payroll items",
          [&] { m_connector->GetPayroll(); },
          { L"PayrollItemWageQuery: ORListQuery.ListFilter.ActiveStatus" } },
        { "company", [&] { m_connector->GetCompanyInformation(); }, { L"CompanyQuery:" } },
        { "preferences", [&] { m_connector->GetFirstDayOfWeek(); }, { L"PreferencesQuery:" } },
        { "time tracking probed",
          [&] { m_connector->IsTimeTrackEnabled(); },
          { L"TimeTrackingAdd: EntityRef.ListID Duration TxnDate" } },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        RequestTrace();
        test.run();
        EXPECT_EQ(test.paths, PathsOf(RequestTrace()));
    }
}

// What the program read, path by path, of a company that has every element it reads.
TEST_F(QbfcPaths, EveryAnswerIsReadAlongQbfcsOwnPaths)
{
    boost::shared_ptr<Quorvane::EmployeeCollection> employees =
        m_connector->GetEmployeesWithTimeTrack(DateTime(1, 11, 2026), DateTime(30, 11, 2026));
    const Employee& anna = *employees->FindById(L"E-ANNA");
    const Quorvane::TimeTrackRecord& entry = **anna.GetTimeTrackRecords()->begin();
    boost::shared_ptr<Quorvane::CustomerJobCollection> customers = m_connector->GetCustomerJob();
    boost::shared_ptr<Quorvane::ServiceItemCollection> services = m_connector->GetServiceItem();
    boost::shared_ptr<Quorvane::ItemTypeCollection> items = m_connector->GetAllItem();
    boost::shared_ptr<Quorvane::AccountCollection> accounts = m_connector->GetAccount();
    boost::shared_ptr<Quorvane::PayRollCollection> payroll = m_connector->GetPayroll();
    boost::shared_ptr<Employee> created;
    ASSERT_EQ(0, m_connector->CreateEmployee(L"Cleo", L"Eng", L"", L"P-HOURLY", created));
    boost::shared_ptr<ServiceItem> createdItem;
    ASSERT_EQ(0, m_connector->CreateService(L"Paint", boost::shared_ptr<ServiceItem>(), L"A-INC", createdItem));
    std::wstring changedSequence;
    ASSERT_EQ(0, m_connector->ChangeFlagUseTimeData(L"E-ANNA", L"11", 2, changedSequence));
    struct Case {
        const char* path;
        std::wstring read;
        std::wstring expected;
    } cases[] = {
        { "ITimeTrackingRet.TxnID", entry.GetTxnId(), L"T-1" },
        { "ITimeTrackingRet.EditSequence", entry.GetEditSequence(), L"7" },
        { "ITimeTrackingRet.TxnDate", entry.GetDate().ToString(), L"2026-11-02" },
        { "ITimeTrackingRet.Duration.GetValue", std::to_wstring(entry.GetMinutes()), L"90" },
        { "ITimeTrackingRet.Notes", entry.GetNotes(), L"Gutters" },
        { "ITimeTrackingRet.BillableStatus", std::to_wstring(entry.IsBilled()), L"1" },
        { "ITimeTrackingRet.PayrollItemWageRef.FullName", entry.GetPayrollItemName(), L"Hourly" },
        { "ITimeTrackingRet.CustomerRef.FullName", entry.GetCustomerJobName(1), L"Acme:Roof" },
        { "ITimeTrackingRet.ItemServiceRef.FullName", entry.GetServiceItemName(), L"Design" },
        { "IEmployeeRet.ListID, EntityRef.ListID", anna.GetId(), L"E-ANNA" },
        { "IEmployeeRet.FirstName MiddleName LastName",
          anna.GetFirstName() + L" " + anna.GetMiddleName() + L" " + anna.GetLastName(), L"Anna M Berg" },
        { "IEmployeeRet.EditSequence", anna.GetEditSequence(), L"11" },
        { "IEmployeeRet.EmployeePayrollInfo.UseTimeDataToCreatePaychecks", std::to_wstring(anna.GetUsesTimeDataValue()),
          L"1" },
        { "IEmployeeRet.EmployeePayrollInfo.OREarnings.EarningsList.GetAt(0).PayrollItemWageRef.ListID",
          anna.GetNameList().at(0), L"P-HOURLY" },
        { "changed IEmployeeRet.EditSequence", std::to_wstring(!changedSequence.empty() && changedSequence != L"11"),
          L"1" },
        { "created IEmployeeRet.EmployeePayrollInfo.UseTimeDataToCreatePaychecks",
          std::to_wstring(created->GetUsesTimeData()), L"1" },
        { "ICustomerRet.ListID Name ParentRef.ListID", customers->FindById(L"C-ROOF")->GetFullName(), L"Acme:Roof" },
        { "IItemServiceRet.ListID Name ParentRef.ListID", services->GetById(L"I-0S")->GetFullName(), L"Design:Sketch" },
        { "created IItemServiceRet.ListID Name", createdItem->GetName() + std::to_wstring(createdItem->GetId().empty()),
          L"Paint0" },
        { "IORItemRet.ortype and each kind's ListID", std::to_wstring(items->Count()), L"13" },
        { "IORItemRet.ItemNonInventoryRet.ParentRef.ListID", items->FindById(L"I-1")->GetParent()->GetId(), L"I-0" },
        { "IORItemRet.ItemGroupRet.Name", items->FindById(L"I-11")->GetName(), L"Bundle" },
        { "IAccountRet.ListID FullName AccountType.GetAsString",
          accounts->Count() == 1 ? (*accounts->begin())->GetName() + std::to_wstring((*accounts->begin())->GetType())
                                 : L"",
          L"Income8" },
        { "IPayrollItemWageRet.Name ListID WageType.GetAsString",
          payroll->Count() == 1 ? (*payroll->begin())->GetName() + (*payroll->begin())->GetListId() : L"",
          L"HourlyP-HOURLY" },
        { "ICompanyRet.CompanyName", m_connector->GetCompanyInformation().companyName, L"Paths Co" },
        { "IPreferencesRet.TimeTrackingPreferences.FirstDayOfWeek", std::to_wstring(m_connector->GetFirstDayOfWeek()),
          L"6" },
        { "IPreferencesRet.CurrentAppAccessRights.IsPersonalDataAccessAllowed",
          std::to_wstring(m_connector->CheckAccessToPayroll()), L"1" },
    };
    for (const Case& test : cases)
        EXPECT_EQ(test.expected, test.read) << test.path;
}

}  // namespace QuickBooksTest
