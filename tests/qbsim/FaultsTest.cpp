// Failures arranged by tests reach the wrappers as QuickBooks's would: HRESULTs with their
// descriptions at every step, and responses shaped unlike the normal answer.
#include "core/DateTime.h"
#include "tests/qbsim/SimulatorSession.h"
#include "tools/qbsim/Control.h"

namespace QbSimTest {

namespace {

using Quorvane::DateTime;

const HRESULT kCannotConnect = static_cast<HRESULT>(0x8004040D);
const HRESULT kCannotAccessFile = static_cast<HRESULT>(0x8004041C);
const HRESULT kWrongTimeRange = static_cast<HRESULT>(0x80040305);

class Faults : public SimulatorSession {
protected:
    void SetUp() override
    {
        SimulatorSession::SetUp();
        Seed("{'CompanyName':'Sim Co','Employees':[{'ListID':'E-ANNA','FirstName':'Anna'}],"
             " 'TimeEntries':[{'TxnID':'T-1','TxnDate':'2026-11-02','EntityRef':{'ListID':'E-ANNA'},'Duration':'"
             "PT1H0M0S'}]}");
    }

    void Inject(const std::string& json) { QbSim::Control::InjectFault(QbSim::Control::ParseFault(Widen(json))); }

    IResponse CompanyQuery()
    {
        return Send([](const IMsgSetRequest& set) { set.AppendCompanyQueryRq(); });
    }

    IResponse EntryQuery()
    {
        return Send([](const IMsgSetRequest& set) {
            set.AppendTimeTrackingQueryRq().ORTimeTrackingTxnQuery().TxnIDList().Add(L"T-1");
        });
    }
};

TEST_F(Faults, AnHresultAtAnySessionStepArrivesWithItsDescription)
{
    struct Case {
        const char* stage;
        HRESULT hresult;
        const char* description;  // null: no error information
        std::function<void(IQBSessionManager&)> step;
    } cases[] = {
        { "OpenConnection", kCannotConnect, "Could not start QuickBooks.",
          [](IQBSessionManager& s) { s.OpenConnection(L"id", L"name"); } },
        { "BeginSession", kCannotAccessFile, "The company file is in use.",
          [](IQBSessionManager& s) {
              s.OpenConnection(L"id", L"name");
              s.BeginSession(L"", 2);
          } },
        { "CreateMsgSetRequest", kCannotConnect, 0, [](IQBSessionManager& s) { s.CreateMsgSetRequest(L"CA", 6, 0); } },
        { "DoRequests", kWrongTimeRange, "Dates out of range.",
          [](IQBSessionManager& s) {
              s.OpenConnection(L"id", L"name");
              s.BeginSession(L"", 2);
              IMsgSetRequest set = s.CreateMsgSetRequest(L"US", 6, 0);
              set.AppendCompanyQueryRq();
              s.DoRequests(set);
          } },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.stage);
        std::string fault = std::string("{'stage':'") + test.stage + "','hresult':" + std::to_string(test.hresult);
        fault +=
            test.description ? std::string(",'description':'") + test.description + "'}" : ",'noDescription':true}";
        Inject(fault);
        IQBSessionManager other;
        ASSERT_EQ(S_OK, CreateQBSessionManager(other));
        std::pair<HRESULT, std::wstring> error = ComErrorOf([&] { test.step(other); });
        EXPECT_EQ(test.hresult, error.first);
        EXPECT_EQ(Widen(test.description ? test.description : ""), error.second);
    }
}

TEST_F(Faults, AFailureReportedThroughExcepinfoKeepsItsCodeAndDescription)
{
    Inject("{'stage':'GetField','member':'CompanyName','hresult':'0x8004041C','description':'No "
           "file.','viaException':true}");
    ICompanyRet company;
    ASSERT_EQ(S_OK, CompanyQuery().Detail().QueryInterface(company));
    std::pair<HRESULT, std::wstring> error = ComErrorOf([&] { company.CompanyName(); });
    EXPECT_EQ(kCannotAccessFile, error.first);
    EXPECT_EQ(L"No file.", error.second);
}

TEST_F(Faults, AFieldSetFailsOnTheChosenOccurrenceOnly)
{
    Inject("{'stage':'SetField','request':'TimeTrackingAdd','member':'Notes','skip':1,'hresult':'0x80004005'}");
    IMsgSetRequest set = m_session.CreateMsgSetRequest(L"US", 6, 0);
    set.AppendTimeTrackingAddRq().Notes().SetValue(L"first");
    EXPECT_EQ(E_FAIL, ComErrorOf([&] { set.AppendTimeTrackingAddRq().Notes().SetValue(L"second"); }).first);
    set.AppendTimeTrackingAddRq().Notes().SetValue(L"third");
}

TEST_F(Faults, ADateOutsideTheCompanysWindowIsAWrongTimeRange)
{
    Seed("{'Simulator':{'DateWindow':{'From':'2000-01-01','To':'2030-12-31'}}}");
    std::pair<HRESULT, std::wstring> error = ComErrorOf([&] {
        Send([](const IMsgSetRequest& set) {
            set.AppendTimeTrackingAddRq().TxnDate().SetValue(DateTime(1, 1, 2031).ToVariantDate());
        });
    });
    EXPECT_EQ(kWrongTimeRange, error.first);
    EXPECT_FALSE(error.second.empty());
}

TEST_F(Faults, ResponsesCanBeReshaped)
{
    Inject("{'stage':'Response','request':'CompanyQuery','status':3120,'message':'Gone: X-1'}");
    IResponse refused = CompanyQuery();
    EXPECT_EQ(3120, refused.StatusCode());
    EXPECT_EQ(L"Gone: X-1", refused.StatusMessage());
    EXPECT_TRUE(refused.Detail().IsNull());

    Inject("{'stage':'Response','status':500,'nullMessage':true}");
    EXPECT_EQ(L"", CompanyQuery().StatusMessage());

    Inject("{'stage':'Response','shape':'NullDetail'}");
    IResponse empty = CompanyQuery();
    EXPECT_EQ(0, empty.StatusCode());
    EXPECT_TRUE(empty.Detail().IsNull());

    Inject("{'stage':'Response','shape':'OtherDetail','request':'TimeTrackingQuery'}");
    ITimeTrackingRetList list;
    EXPECT_EQ(E_NOINTERFACE, EntryQuery().Detail().QueryInterface(list));

    Inject("{'stage':'Response','shape':'OmitElement','element':'EditSequence'}");
    ASSERT_EQ(S_OK, EntryQuery().Detail().QueryInterface(list));
    EXPECT_TRUE(list.GetAt(0).EditSequence().IsNull());
    EXPECT_EQ(E_POINTER, ComErrorOf([&] { list.GetAt(0).EditSequence().GetValue(); }).first);
    EXPECT_FALSE(EntryQuery().Detail().IsNull());  // each fault fires once
}

// QuickBooks refuses before it changes anything; a warning keeps the answer and the change.
TEST_F(Faults, ARefusedWriteLeavesTheCompanyAsItWas)
{
    auto deleteEntry = [this]() {
        return Send([](const IMsgSetRequest& set) {
            ITxnDel del = set.AppendTxnDelRq();
            del.TxnID().SetValue(L"T-1");
            del.TxnDelType().SetAsString(L"TimeTracking");
        });
    };
    Inject("{'stage':'Response','request':'TxnDel','status':3175,'message':'In use'}");
    EXPECT_EQ(3175, deleteEntry().StatusCode());
    EXPECT_NE(std::wstring::npos, QbSim::Control::Snapshot().find(L"T-1"));

    Inject("{'stage':'Response','request':'TxnDel','shape':'Warning','status':530,'message':'Unsupported'}");
    EXPECT_EQ(530, deleteEntry().StatusCode());
    EXPECT_EQ(std::wstring::npos, QbSim::Control::Snapshot().find(L"T-1"));
}

// A bookkeeper bills an entry while the program works: the edit is made at the moment chosen,
// here just before the second query is answered, and the query is answered as usual.
TEST_F(Faults, AnEditIsMadeWhenItsFaultFiresAndTheCallGoesOn)
{
    Inject("{'stage':'DoRequests','request':'TimeTrackingQuery','skip':1,"
           " 'edit':{'list':'TimeEntries','id':'T-1','patch':{'BillableStatus':2}}}");
    Inject("{'stage':'DoRequests','request':'CompanyQuery','edit':{'list':'TimeEntries','id':'T-9','patch':{}}}");
    auto entry = [this]() {
        ITimeTrackingRetList list;
        EXPECT_EQ(S_OK, EntryQuery().Detail().QueryInterface(list));
        return list.GetAt(0);
    };
    const std::wstring before = entry().EditSequence().GetValue();
    QbSim::Control::ClearTrace();
    ITimeTrackingRet billed = entry();
    EXPECT_EQ(2, billed.BillableStatus().GetValue());
    EXPECT_NE(before, billed.EditSequence().GetValue());
    std::vector<std::wstring> trace = QbSim::Control::Trace();
    ASSERT_EQ(3u, trace.size());
    EXPECT_EQ(0u, trace[1].find(L"US 6.0 TimeTrackingQuery:"));
    EXPECT_EQ(L"Edit TimeEntries T-1: {\"BillableStatus\":2}", trace[2]);
    EXPECT_EQ(billed.EditSequence().GetValue(), entry().EditSequence().GetValue());  // it fires once

    EXPECT_EQ(0, CompanyQuery().StatusCode());
    EXPECT_EQ(L"Edit TimeEntries T-9: {} (not found)", QbSim::Control::Trace().back());
}

TEST_F(Faults, CallsOutOfOrderAndUnknownMembersFail)
{
    IQBSessionManager other;
    ASSERT_EQ(S_OK, CreateQBSessionManager(other));
    IMsgSetRequest set = other.CreateMsgSetRequest(L"CA", 6, 0);
    set.AppendCompanyQueryRq();
    std::pair<HRESULT, std::wstring> error = ComErrorOf([&] { other.DoRequests(set); });
    EXPECT_EQ(E_UNEXPECTED, error.first);
    EXPECT_EQ(L"BeginSession must be called before DoRequests.", error.second);

    IMsgSetRequest probe = m_session.CreateMsgSetRequest(L"CA", 6, 0);
    probe.AppendCompanyQueryRq();
    EXPECT_EQ(0, m_session.DoRequests(probe).ResponseList().GetAt(0).StatusCode());
    std::vector<std::wstring> trace = RequestTrace();
    EXPECT_EQ(L"CA 6.0 CompanyQuery:", trace.back());
}

TEST_F(Faults, TheSessionCallsAreTraced)
{
    m_session.EndSession();
    m_session.CloseConnection();
    std::vector<std::wstring> trace = QbSim::Control::Trace();
    ASSERT_EQ(4u, trace.size());
    EXPECT_EQ(L"OpenConnection \"Quorvane Pellworth\" \"Quorvane Pellworth\"", trace[0]);
    EXPECT_EQ(L"BeginSession \"\" 2", trace[1]);
    EXPECT_EQ(L"EndSession", trace[2]);
    EXPECT_EQ(L"CloseConnection", trace[3]);
}

}  // namespace

}  // namespace QbSimTest
