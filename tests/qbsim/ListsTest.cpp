// List elements through the wrappers: queries with their filters, adds with QuickBooks's name
// rules, and the employee change.
#include "tests/qbsim/SimulatorSession.h"
#include "tools/qbsim/Control.h"

namespace QbSimTest {

namespace {

const char kCompany[] =
    "{'CompanyName':'Sim Co','Preferences':{'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':true}},"
    " 'Accounts':[{'ListID':'A-INC','Name':'Income','AccountType':8},{'ListID':'A-BANK','Name':'Bank','AccountType':2},"
    "             {'ListID':'A-NONE','Name':'Untyped'}],"
    " 'PayrollItemWages':[{'ListID':'P-HOURLY','Name':'Hourly','WageType':0},{'ListID':'P-SALARY','Name':'Salary','"
    "WageType':2},"
    "                     {'ListID':'P-BONUS','Name':'Bonus'}],"
    " 'Items':[{'ListID':'I-DESIGN','Name':'Design','Kind':0},{'ListID':'I-SKETCH','Name':'Sketch','Kind':0,'ParentRef'"
    ":{'ListID':'I-DESIGN'}},"
    "          {'ListID':'I-PART','Name':'Part','Kind':3},{'ListID':'I-ASSET','Name':'Van','Kind':5,'IsActive':false}],"
    " 'Customers':[{'ListID':'C-ACME','Name':'Acme'},{'ListID':'C-ROOF','Name':'Roof','ParentRef':{'ListID':'C-ACME'}},"
    "              {'ListID':'C-OLD','Name':'Oldco','IsActive':false}],"
    " 'Employees':[{'ListID':'E-ANNA','FirstName':'Anna','LastName':'Berg','EmployeePayrollInfo':"
    "                "
    "{'UseTimeDataToCreatePaychecks':1,'OREarnings':{'EarningsList':[{'PayrollItemWageRef':{'ListID':'P-HOURLY'}}]}}},"
    "              {'ListID':'E-BO','FirstName':'Bo','LastName':'Dahl','IsActive':false}]}";

class Lists : public SimulatorSession {
protected:
    void SetUp() override
    {
        SimulatorSession::SetUp();
        Seed(kCompany);
    }

    template <typename RetList>
    RetList ListOf(const IResponse& response)
    {
        RetList list;
        EXPECT_EQ(S_OK, response.Detail().QueryInterface(list)) << response.StatusCode();
        return list;
    }

    template <typename RetList>
    std::vector<std::wstring> Names(const IResponse& response)
    {
        std::vector<std::wstring> names;
        RetList list = ListOf<RetList>(response);
        for (long i = 0; !list.IsNull() && i < list.Count(); ++i)
            names.push_back(list.GetAt(i).Name().GetValue());
        return names;
    }

    IResponse AddCustomer(const std::wstring& name, const std::wstring& parent)
    {
        return Send([&](const IMsgSetRequest& set) {
            ICustomerAdd add = set.AppendCustomerAddRq();
            add.Name().SetValue(name);
            if (!parent.empty())
                add.ParentRef().ListID().SetValue(parent);
        });
    }

    IResponse AddService(const std::wstring& name, const std::wstring& account, const std::wstring& parent = L"")
    {
        return Send([&](const IMsgSetRequest& set) {
            IItemServiceAdd add = set.AppendItemServiceAddRq();
            add.Name().SetValue(name);
            add.ORSalesPurchase().SalesOrPurchase().AccountRef().ListID().SetValue(account);
            if (!parent.empty())
                add.ParentRef().ListID().SetValue(parent);
        });
    }

    IResponse AddEmployee(const std::wstring& first, const std::wstring& middle, const std::wstring& last,
                          const std::wstring& payroll)
    {
        return Send([&](const IMsgSetRequest& set) {
            IEmployeeAdd add = set.AppendEmployeeAddRq();
            add.FirstName().SetValue(first);
            add.LastName().SetValue(last);
            add.MiddleName().SetValue(middle);
            add.IsActive().SetValue(true);
            add.EmployeePayrollInfo().UseTimeDataToCreatePaychecks().SetValue(payroll.empty() ? 2 : 1);
            if (!payroll.empty())
                add.EmployeePayrollInfo().OREarnings().EarningsList().Append().PayrollItemWageRef().ListID().SetValue(
                    payroll);
        });
    }

    IResponse ChangeUseTimeData(const std::wstring& listId, const std::wstring& editSequence)
    {
        return Send([&](const IMsgSetRequest& set) {
            IEmployeeMod mod = set.AppendEmployeeModRq();
            mod.ListID().SetValue(listId);
            mod.EditSequence().SetValue(editSequence);
            mod.EmployeePayrollInfoMod().UseTimeDataToCreatePaychecks().SetValue(1);
        });
    }

    IResponse QueryEmployees(long activeStatus)
    {
        return Send([&](const IMsgSetRequest& set) {
            IEmployeeQuery query = set.AppendEmployeeQueryRq();
            for (const wchar_t* element :
                 { L"ListID", L"FirstName", L"LastName", L"MiddleName", L"EditSequence", L"EmployeePayrollInfo" })
                query.IncludeRetElementList().Add(element);
            query.ORListQuery().ListFilter().ActiveStatus().SetValue(activeStatus);
        });
    }

    IResponse CustomerByName(const std::wstring& fullName)
    {
        return Send([&](const IMsgSetRequest& set) {
            ICustomerListFilter filter = set.AppendCustomerQueryRq().ORCustomerListQuery().CustomerListFilter();
            filter.ActiveStatus().SetValue(2);
            filter.ORNameFilter().NameRangeFilter().FromName().SetValue(fullName);
            filter.ORNameFilter().NameRangeFilter().ToName().SetValue(fullName);
        });
    }

    IResponse AllCustomers()
    {
        return Send([](const IMsgSetRequest& set) {
            set.AppendCustomerQueryRq().ORCustomerListQuery().CustomerListFilter().ActiveStatus().SetValue(2);
        });
    }
};

TEST_F(Lists, EmployeesComeWithTheirPayrollInformationAndOnlyTheIncludedElements)
{
    IEmployeeRetList all = ListOf<IEmployeeRetList>(QueryEmployees(2));
    ASSERT_EQ(2, all.Count());
    IEmployeeRet anna = all.GetAt(0);
    EXPECT_EQ(L"E-ANNA", anna.ListID().GetValue());
    EXPECT_FALSE(anna.EditSequence().GetValue().empty());
    EXPECT_TRUE(anna.IsActive().IsNull());  // not in the included elements
    IEmployeePayrollInfo payroll = anna.EmployeePayrollInfo();
    EXPECT_EQ(1, payroll.UseTimeDataToCreatePaychecks().GetValue());
    IEarningsList earnings = payroll.OREarnings().EarningsList();
    ASSERT_EQ(1, earnings.Count());
    EXPECT_EQ(L"P-HOURLY", earnings.GetAt(0).PayrollItemWageRef().ListID().GetValue());
    EXPECT_TRUE(all.GetAt(1).EmployeePayrollInfo().IsNull());

    EXPECT_EQ(1, ListOf<IEmployeeRetList>(QueryEmployees(0)).Count());
}

TEST_F(Lists, WithoutPersonalDataAccessPayrollInformationIsNeitherReadNorWritten)
{
    for (const char* preferences : { "{'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':false}}", "{}" }) {
        SCOPED_TRACE(preferences);
        Seed(std::string("{'Preferences':") + preferences +
             ",'PayrollItemWages':[{'ListID':'P-HOURLY','Name':'Hourly'}],"
             " 'Employees':[{'ListID':'E-X','EditSequence':'5','FirstName':'X','EmployeePayrollInfo':{'"
             "UseTimeDataToCreatePaychecks':2}}]}");
        EXPECT_TRUE(ListOf<IEmployeeRetList>(QueryEmployees(2)).GetAt(0).EmployeePayrollInfo().IsNull());
        EXPECT_STATUS(3261, AddEmployee(L"Cleo", L"", L"Eng", L"P-HOURLY"));
        EXPECT_STATUS(3261, ChangeUseTimeData(L"E-X", L"5"));
        EXPECT_STATUS(0,
                      Send([](const IMsgSetRequest& set) { set.AppendEmployeeAddRq().FirstName().SetValue(L"Dora"); }));
    }
}

TEST_F(Lists, EmployeeAddsFollowTheNameRules)
{
    IResponse added = AddEmployee(L"Cleo", L"J", L"Eng", L"P-HOURLY");
    EXPECT_STATUS(0, added);
    IEmployeeRet cleo;
    ASSERT_EQ(S_OK, added.Detail().QueryInterface(cleo));
    EXPECT_EQ(L"Cleo", cleo.FirstName().GetValue());
    EXPECT_EQ(1, cleo.EmployeePayrollInfo().UseTimeDataToCreatePaychecks().GetValue());
    EXPECT_EQ(L"US 6.0 EmployeeAdd: FirstName=\"Cleo\"; LastName=\"Eng\"; MiddleName=\"J\"; IsActive=true; "
              L"EmployeePayrollInfo.UseTimeDataToCreatePaychecks=1; EmployeePayrollInfo.OREarnings.EarningsList[0]={}; "
              L"EmployeePayrollInfo.OREarnings.EarningsList[0].PayrollItemWageRef.ListID=\"P-HOURLY\"",
              RequestTrace().back());

    EXPECT_STATUS(3100, AddEmployee(L"cleo", L"j", L"ENG", L""));
    EXPECT_STATUS(3070, AddEmployee(L"Dora", L"Middle", L"Fox", L""));  // middle name: at most 5
    EXPECT_STATUS(3070, AddEmployee(std::wstring(26, L'a'), L"", L"Fox", L""));
    EXPECT_STATUS(3140, AddEmployee(L"Dora", L"", L"Fox", L"P-GONE"));
    IEmployeeRet polish;
    ASSERT_EQ(S_OK, AddEmployee(L"\x0141ukasz", L"", L"Nowak", L"").Detail().QueryInterface(polish));
    EXPECT_EQ(L"?ukasz", polish.FirstName().GetValue());  // stored in code page 1252
    IResponse withoutPayroll = AddEmployee(L"Dora", L"", L"Fox", L"");
    IEmployeeRet dora;
    ASSERT_EQ(S_OK, withoutPayroll.Detail().QueryInterface(dora));
    EXPECT_EQ(2, dora.EmployeePayrollInfo().UseTimeDataToCreatePaychecks().GetValue());
}

TEST_F(Lists, EmployeeChangesNeedTheCurrentEditSequence)
{
    std::wstring sequence = ListOf<IEmployeeRetList>(QueryEmployees(2)).GetAt(1).EditSequence().GetValue();
    EXPECT_STATUS(3120, ChangeUseTimeData(L"E-GONE", sequence));
    EXPECT_STATUS(3200, ChangeUseTimeData(L"E-BO", L"1"));
    EXPECT_STATUS(0, ChangeUseTimeData(L"E-BO", sequence));
    IEmployeeRet bo = ListOf<IEmployeeRetList>(QueryEmployees(2)).GetAt(1);
    EXPECT_EQ(1, bo.EmployeePayrollInfo().UseTimeDataToCreatePaychecks().GetValue());
    EXPECT_NE(sequence, bo.EditSequence().GetValue());
}

TEST_F(Lists, CustomersAndJobsAreOrderedByFullNameParentsFirst)
{
    EXPECT_EQ((std::vector<std::wstring> { L"Acme", L"Roof", L"Oldco" }), Names<ICustomerRetList>(AllCustomers()));
    ICustomerRet roof = ListOf<ICustomerRetList>(AllCustomers()).GetAt(1);
    EXPECT_EQ(L"Acme:Roof", roof.FullName().GetValue());
    EXPECT_EQ(L"C-ACME", roof.ParentRef().ListID().GetValue());
    EXPECT_TRUE(ListOf<ICustomerRetList>(AllCustomers()).GetAt(0).ParentRef().IsNull());

    Seed(std::string(kCompany).substr(0, sizeof(kCompany) - 2) + ",'Simulator':{'ListOrder':'Reverse'}}");
    EXPECT_EQ((std::vector<std::wstring> { L"Oldco", L"Roof", L"Acme" }), Names<ICustomerRetList>(AllCustomers()));
}

TEST_F(Lists, ANameRangeOfOneFullNameFindsExactlyThatCustomerIgnoringCase)
{
    EXPECT_EQ(1, ListOf<ICustomerRetList>(CustomerByName(L"acme:roof")).Count());
    EXPECT_EQ(1, ListOf<ICustomerRetList>(CustomerByName(L"Oldco")).Count());
    EXPECT_STATUS(1, CustomerByName(L"Acme:Attic"));
}

TEST_F(Lists, CustomerAddsFollowTheNameRules)
{
    IResponse job = AddCustomer(L"Attic", L"C-ROOF");
    EXPECT_STATUS(0, job);
    ICustomerRet attic;
    ASSERT_EQ(S_OK, job.Detail().QueryInterface(attic));
    EXPECT_EQ(L"Acme:Roof:Attic", attic.FullName().GetValue());
    EXPECT_EQ(2, attic.Sublevel().GetValue());

    EXPECT_STATUS(3100, AddCustomer(L"ATTIC", L"C-ROOF"));
    EXPECT_STATUS(0, AddCustomer(L"Attic", L""));  // the same name elsewhere in the tree
    EXPECT_STATUS(3070, AddCustomer(std::wstring(42, L'x'), L""));
    EXPECT_STATUS(3140, AddCustomer(L"Cellar", L"C-GONE"));
    std::wstring parent = attic.ListID().GetValue();
    for (const wchar_t* name : { L"L3", L"L4" }) {
        ICustomerRet level;
        ASSERT_EQ(S_OK, AddCustomer(name, parent).Detail().QueryInterface(level));
        parent = level.ListID().GetValue();
    }
    EXPECT_STATUS(3180, AddCustomer(L"L5", parent));
}

TEST_F(Lists, ServiceItemAddsNeedAnAccountAndANameUniqueAcrossAllItemKinds)
{
    IResponse added = AddService(L"Print", L"A-INC", L"I-DESIGN");
    EXPECT_STATUS(0, added);
    IItemServiceRet print;
    ASSERT_EQ(S_OK, added.Detail().QueryInterface(print));
    EXPECT_EQ(L"Design:Print", print.FullName().GetValue());
    EXPECT_EQ(L"A-INC", print.ORSalesPurchase().SalesOrPurchase().AccountRef().ListID().GetValue());

    EXPECT_STATUS(3100, AddService(L"part", L"A-INC"));
    EXPECT_STATUS(3140, AddService(L"Paint", L""));
    EXPECT_STATUS(3140, AddService(L"Paint", L"A-GONE"));
    EXPECT_STATUS(3140, AddService(L"Paint", L"A-INC", L"I-PART"));
    EXPECT_STATUS(3070, AddService(std::wstring(32, L'p'), L"A-INC"));
}

TEST_F(Lists, TheServiceItemQueryHasTheListFilterOfTheSimulatedQbfc)
{
    auto withClass = [](const IMsgSetRequest& set) {
        set.AppendItemServiceQueryRq().ORListQueryWithOwnerIDAndClass().ListWithClassFilter().ActiveStatus().SetValue(
            2);
    };
    auto plain = [](const IMsgSetRequest& set) {
        set.AppendItemServiceQueryRq().ORListQuery().ListFilter().ActiveStatus().SetValue(2);
    };
    // The wrappers keep a member's id once found, and the simulator's ids are unique per name:
    // the member is unknown, or the kept id is not found.
    auto isMissing = [](HRESULT failure) { return failure == DISP_E_UNKNOWNNAME || failure == DISP_E_MEMBERNOTFOUND; };
    EXPECT_EQ((std::vector<std::wstring> { L"Design", L"Sketch" }), Names<IItemServiceRetList>(Send(withClass)));
    EXPECT_TRUE(isMissing(ComErrorOf([&] { Send(plain); }).first));

    Seed(std::string(kCompany).substr(0, sizeof(kCompany) - 2) + ",'Simulator':{'QbfcVersion':10}}");
    EXPECT_EQ((std::vector<std::wstring> { L"Design", L"Sketch" }), Names<IItemServiceRetList>(Send(plain)));
    EXPECT_TRUE(isMissing(ComErrorOf([&] { Send(withClass); }).first));
}

TEST_F(Lists, TheItemQueryTellsEachItemsKind)
{
    IORItemRetList items = ListOf<IORItemRetList>(Send([](const IMsgSetRequest& set) {
        set.AppendItemQueryRq().ORListQuery().ListFilter().ActiveStatus().SetValue(2);
    }));
    ASSERT_EQ(4, items.Count());
    EXPECT_EQ(0, items.GetAt(0).ortype());
    EXPECT_EQ(L"Design", items.GetAt(0).ItemServiceRet().Name().GetValue());
    EXPECT_EQ(0, items.GetAt(1).ortype());
    EXPECT_EQ(L"I-DESIGN", items.GetAt(1).ItemServiceRet().ParentRef().ListID().GetValue());
    EXPECT_EQ(3, items.GetAt(2).ortype());
    EXPECT_EQ(L"Part", items.GetAt(2).ItemInventoryRet().Name().GetValue());
    EXPECT_TRUE(items.GetAt(2).ItemServiceRet().IsNull());
    EXPECT_EQ(5, items.GetAt(3).ortype());
    EXPECT_EQ(L"Van", items.GetAt(3).ItemFixedAssetRet().Name().GetValue());
}

TEST_F(Lists, TypesAreAnsweredByNameAndInTheNumberingOfTheSimulatedQbfc)
{
    auto accounts = [&] {
        return ListOf<IAccountRetList>(Send([](const IMsgSetRequest& set) { set.AppendAccountQueryRq(); }));
    };
    auto wages = [&] {
        return ListOf<IPayrollItemWageRetList>(Send([](const IMsgSetRequest& set) {
            set.AppendPayrollItemWageQueryRq().ORListQuery().ListFilter().ActiveStatus().SetValue(2);
        }));
    };
    IAccountRetList accountList = accounts();
    ASSERT_EQ(3, accountList.Count());
    EXPECT_EQ(2, accountList.GetAt(0).AccountType().GetValue());
    EXPECT_EQ(L"Bank", accountList.GetAt(0).AccountType().GetAsString());
    EXPECT_EQ(8, accountList.GetAt(1).AccountType().GetValue());
    EXPECT_TRUE(accountList.GetAt(2).AccountType().IsNull());
    IPayrollItemWageRetList wageList = wages();
    ASSERT_EQ(3, wageList.Count());
    EXPECT_TRUE(wageList.GetAt(0).WageType().IsNull());
    EXPECT_EQ(0, wageList.GetAt(1).WageType().GetValue());
    EXPECT_EQ(2, wageList.GetAt(2).WageType().GetValue());
    EXPECT_EQ(L"Bonus", wageList.GetAt(2).WageType().GetAsString());

    Seed("{'Simulator':{'EarlyEnumNumbering':true},"
         " 'Accounts':[{'ListID':'A-INC','Name':'Income','AccountType':8},{'ListID':'A-MISC','Name':'Misc','"
         "AccountType':15}],"
         " 'PayrollItemWages':[{'ListID':'P-BONUS','Name':'Bonus','WageType':2},{'ListID':'P-REG','Name':'Regular','"
         "WageType':5}]}");
    accountList = accounts();
    EXPECT_EQ(8, accountList.GetAt(0).AccountType().GetValue());
    EXPECT_EQ(14, accountList.GetAt(1).AccountType().GetValue());
    EXPECT_EQ(L"OtherIncome", accountList.GetAt(1).AccountType().GetAsString());
    wageList = wages();
    EXPECT_EQ(L"Bonus", wageList.GetAt(0).WageType().GetAsString());
    EXPECT_NE(2, wageList.GetAt(0).WageType().GetValue());
    EXPECT_EQ(2, wageList.GetAt(1).WageType().GetValue());
    EXPECT_EQ(L"HourlyRegular", wageList.GetAt(1).WageType().GetAsString());
}

TEST_F(Lists, PreferencesAndTheCompanyNameAreAnsweredAsKept)
{
    auto preferences = [&]() {
        IPreferencesRet ret;
        EXPECT_EQ(S_OK,
                  Send([](const IMsgSetRequest& set) { set.AppendPreferencesQueryRq(); }).Detail().QueryInterface(ret));
        return ret;
    };
    Seed("{}");
    EXPECT_TRUE(preferences().TimeTrackingPreferences().IsNull());
    EXPECT_TRUE(preferences().CurrentAppAccessRights().IsNull());

    Seed("{'CompanyName':' Spaced Co ','Preferences':{'TimeTrackingPreferences':{'FirstDayOfWeek':6},"
         "'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':null}}}");
    EXPECT_EQ(6, preferences().TimeTrackingPreferences().FirstDayOfWeek().GetValue());
    EXPECT_FALSE(preferences().CurrentAppAccessRights().IsPersonalDataAccessAllowed().IsSet());

    ICompanyRet company;
    ASSERT_EQ(S_OK,
              Send([](const IMsgSetRequest& set) { set.AppendCompanyQueryRq(); }).Detail().QueryInterface(company));
    EXPECT_EQ(L" Spaced Co ", company.CompanyName().GetValue());
}

}  // namespace

}  // namespace QbSimTest
