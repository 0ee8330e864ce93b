// The simulator's objects have QBFC's members, and not the ones a program may wrongly expect:
// a wrong path fails here as it would against QuickBooks.
#include "tests/qbsim/SimulatorSession.h"
#include "tools/qbsim/Control.h"

namespace QbSimTest {

namespace {

class ObjectModel : public SimulatorSession {
protected:
    void SetUp() override
    {
        SimulatorSession::SetUp();
        m_set = m_session.CreateMsgSetRequest(L"US", 6, 0);
    }

    IMsgSetRequest m_set;
};

IResponse CompanyAnswer(const IQBSessionManager& session)
{
    IMsgSetRequest set = session.CreateMsgSetRequest(L"US", 6, 0);
    set.AppendCompanyQueryRq();
    return session.DoRequests(set).ResponseList().GetAt(0);
}

// The name an enumerated member gives, read through IDispatch by name.
std::wstring EnumNameOf(const Object& object, const wchar_t* member)
{
    struct Reader : Object {
        explicit Reader(const Object& object) : Object(object.GetDispatch(), 0) {}
        std::wstring Name(const wchar_t* member) const { return Child<IQBEnumType>(member).GetAsString(); }
    };
    return Reader(object).Name(member);
}

TEST_F(ObjectModel, FiltersAndChangesHaveQbfcsChoiceNodesOnly)
{
    ITimeTrackingTxnFilter filter = m_set.AppendTimeTrackingQueryRq().ORTimeTrackingTxnQuery().TimeTrackingTxnFilter();
    EXPECT_FALSE(filter.HasMember(L"TxnDateRangeFilter"));
    EXPECT_TRUE(filter.HasMember(L"ORDateRangeFilter"));
    EXPECT_FALSE(filter.ORDateRangeFilter().TxnDateRangeFilter().HasMember(L"FromTxnDate"));
    EXPECT_FALSE(filter.TimeTrackingEntityFilter().HasMember(L"ListIDList"));
    EXPECT_FALSE(m_set.AppendEmployeeModRq().HasMember(L"EmployeePayrollInfo"));
    EXPECT_FALSE(m_set.AppendItemServiceQueryRq().HasMember(L"ORListQuery"));
    for (const wchar_t* listQuery :
         { L"AppendItemQueryRq", L"AppendEmployeeQueryRq", L"AppendPayrollItemWageQueryRq" }) {
        struct Appender : Object {
            explicit Appender(const IMsgSetRequest& set) : Object(set.GetDispatch(), 0) {}
            IQBBase Append(const wchar_t* member) const { return Child<IQBBase>(member); }
        };
        EXPECT_TRUE(Appender(m_set).Append(listQuery).HasMember(L"ORListQuery"));
    }
}

TEST_F(ObjectModel, ADurationIsReadThroughFourReferencesOnly)
{
    IQBTimeIntervalType duration = m_set.AppendTimeTrackingAddRq().Duration();
    for (const wchar_t* member : { L"Hour", L"Minute", L"Second", L"IsNegative", L"GetAsString" })
        EXPECT_FALSE(duration.HasMember(member));
    duration.SetValue(2, 15, 30, true);
    short hours = 0, minutes = 0, seconds = 0;
    bool negative = false;
    duration.GetValue(hours, minutes, seconds, negative);
    EXPECT_EQ(2, hours);
    EXPECT_EQ(15, minutes);
    EXPECT_EQ(30, seconds);
    EXPECT_TRUE(negative);
}

// QBFC declares a detail as IQBBase; its kind is its Type.
TEST_F(ObjectModel, ADetailTellsItsKindByItsTypeAndTheResponseByItsOwn)
{
    Seed("{'CompanyName':'Sim Co'}");
    IResponse response = CompanyAnswer(m_session);
    EXPECT_EQ(L"IQBBase", response.Detail().GetTypeName());
    EXPECT_EQ(L"otCompanyRet", EnumNameOf(response.Detail(), L"Type"));
    EXPECT_EQ(L"rtCompanyQueryRs", EnumNameOf(response, L"Type"));
    EXPECT_EQ(L"Info", response.StatusSeverity());
    ICompanyRet company;
    EXPECT_EQ(S_OK, response.Detail().QueryInterface(company));
    IPreferencesRet preferences;
    EXPECT_EQ(E_NOINTERFACE, response.Detail().QueryInterface(preferences));
}

// As an object without Type may be: its type information is what is left to tell its kind.
TEST_F(ObjectModel, AnUntypedDetailIsToldByItsTypeInformation)
{
    QbSim::Control::InjectFault(QbSim::Control::ParseFault(L"{\"stage\":\"Response\",\"shape\":\"UntypedDetail\"}"));
    IQBBase detail = CompanyAnswer(m_session).Detail();
    EXPECT_FALSE(detail.HasMember(L"Type"));
    EXPECT_EQ(L"ICompanyRet", detail.GetTypeName());
    ICompanyRet company;
    EXPECT_EQ(S_OK, detail.QueryInterface(company));
}

TEST_F(ObjectModel, EnumeratedFieldsTakeNumbersAndNamesInEitherNumbering)
{
    struct Case {
        bool early;
        long sent;
        const wchar_t* name;
    } cases[] = { { false, 21, L"TimeTracking" }, { true, 17, L"TimeTracking" } };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.early);
        Seed(test.early ? "{'Simulator':{'EarlyEnumNumbering':true}}" : "{}");
        IMsgSetRequest set = m_session.CreateMsgSetRequest(L"US", 6, 0);
        IQBEnumType byNumber = set.AppendTxnDelRq().TxnDelType();
        byNumber.SetValue(test.sent);
        EXPECT_EQ(test.name, byNumber.GetAsString());
        IQBEnumType byName = set.AppendTxnDelRq().TxnDelType();
        byName.SetAsString(test.name);
        EXPECT_EQ(test.sent, byName.GetValue());
    }
    EXPECT_EQ(E_INVALIDARG,
              ComErrorOf([&] { m_set.AppendTxnDelRq().TxnDelType().SetAsString(L"Timetracking"); }).first);
}

DISPID IdOf(const Object& object, const wchar_t* member)
{
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    EXPECT_EQ(S_OK, object.GetDispatch()->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id));
    return id;
}

HRESULT InvokeGet(const Object& object, DISPID id)
{
    DISPPARAMS none = { 0, 0, 0, 0 };
    VARIANT result;
    VariantInit(&result);
    HRESULT hr = object.GetDispatch()->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                                              &none, &result, 0, 0);
    VariantClear(&result);
    return hr;
}

// As in QBFC: the same name has an id of its own on each interface, the same on every object of
// one interface, and an id from another interface reaches nothing.
TEST_F(ObjectModel, EachInterfaceNumbersItsMembersOnItsOwn)
{
    ITimeTrackingAdd add = m_set.AppendTimeTrackingAddRq();
    ITimeTrackingMod change = m_set.AppendTimeTrackingModRq();
    EXPECT_NE(IdOf(add, L"TxnDate"), IdOf(change, L"TxnDate"));
    EXPECT_EQ(IdOf(add, L"TxnDate"), IdOf(m_set.AppendTimeTrackingAddRq(), L"TxnDate"));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, InvokeGet(change, IdOf(add, L"TxnDate")));
    EXPECT_EQ(S_OK, InvokeGet(change, IdOf(change, L"TxnDate")));

    IQBEnumType billable = add.BillableStatus();
    IQBEnumType deletion = m_set.AppendTxnDelRq().TxnDelType();
    EXPECT_NE(IdOf(billable, L"GetValue"), IdOf(deletion, L"GetValue"));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, InvokeGet(deletion, IdOf(billable, L"GetAsString")));
}

// The wrappers keep the ids they learn per interface: members of the same name on interfaces
// of their own, and enumerated fields that share one wrapper, each reach their own member.
TEST_F(ObjectModel, WrappersUseEachIdOnTheInterfaceItWasLearntOn)
{
    const double date = 41000;
    ITimeTrackingAdd add = m_set.AppendTimeTrackingAddRq();
    ITimeTrackingMod change = m_set.AppendTimeTrackingModRq();
    add.TxnDate().SetValue(date);
    change.TxnDate().SetValue(date);
    add.BillableStatus().SetValue(1);
    change.BillableStatus().SetValue(1);
    m_set.AppendTxnDelRq().TxnDelType().SetValue(21);
    m_set.AppendTimeTrackingQueryRq().iterator().SetValue(0);
    EXPECT_EQ(date, change.TxnDate().GetValue());
    EXPECT_EQ(1, change.BillableStatus().GetValue());
    EXPECT_EQ(1, add.BillableStatus().GetValue());
}

}  // namespace

}  // namespace QbSimTest
