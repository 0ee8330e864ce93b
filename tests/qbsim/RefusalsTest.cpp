// What QBFC and QuickBooks refuse, refused by default: message sets QBFC will not send, and
// requests QuickBooks turns down.
#include <cwchar>

#include "core/DateTime.h"
#include "tests/qbsim/SimulatorSession.h"

namespace QbSimTest {

namespace {

using Quorvane::DateTime;

const char kCompany[] =
    "{'CompanyName':'Sim Co','Employees':[{'ListID':'E-ANNA','EditSequence':'5','FirstName':'Anna'}],"
    " 'TimeEntries':[{'TxnID':'T-1','EditSequence':'7','TxnDate':'2026-11-02','EntityRef':{'ListID':'E-ANNA'},"
    "                 'Duration':'PT8H0M0S'}]";

class Refusals : public SimulatorSession {
protected:
    void SetUp() override
    {
        SimulatorSession::SetUp();
        Seed(std::string(kCompany) + "}");
    }

    void SeedWith(const std::string& members) { Seed(std::string(kCompany) + "," + members + "}"); }

    // A change of T-1 with every element it needs but `leftOut`.
    static void AppendChange(const IMsgSetRequest& set, const std::wstring& leftOut = L"",
                             const std::wstring& notes = L"")
    {
        ITimeTrackingMod mod = set.AppendTimeTrackingModRq();
        if (leftOut != L"TxnID")
            mod.TxnID().SetValue(L"T-1");
        if (leftOut != L"EditSequence")
            mod.EditSequence().SetValue(L"7");
        if (leftOut != L"EntityRef")
            mod.EntityRef().ListID().SetValue(L"E-ANNA");
        if (leftOut != L"Duration")
            mod.Duration().SetValue(1, 0, 0, false);
        if (!notes.empty())
            mod.Notes().SetValue(notes);
    }

    static void AppendAdd(const IMsgSetRequest& set, const std::wstring& notes)
    {
        ITimeTrackingAdd add = set.AppendTimeTrackingAddRq();
        add.TxnDate().SetValue(DateTime(3, 11, 2026).ToVariantDate());
        add.EntityRef().ListID().SetValue(L"E-ANNA");
        add.Duration().SetValue(1, 0, 0, false);
        add.Notes().SetValue(notes);
    }
};

TEST_F(Refusals, QbfcDoesNotSendARequestWithoutARequiredElement)
{
    struct Case {
        const wchar_t* missing;
        std::function<void(const IMsgSetRequest&)> build;
    } cases[] = {
        { L"EditSequence", [](const IMsgSetRequest& set) { AppendChange(set, L"EditSequence"); } },
        { L"EntityRef", [](const IMsgSetRequest& set) { AppendChange(set, L"EntityRef"); } },
        { L"Duration", [](const IMsgSetRequest& set) { AppendChange(set, L"Duration"); } },
        { L"Duration",
          [](const IMsgSetRequest& set) {
              ITimeTrackingAdd add = set.AppendTimeTrackingAddRq();
              add.TxnDate().SetValue(DateTime(3, 11, 2026).ToVariantDate());
              add.EntityRef().ListID().SetValue(L"E-ANNA");
          } },
        { L"EditSequence",
          [](const IMsgSetRequest& set) {
              IEmployeeMod mod = set.AppendEmployeeModRq();
              mod.ListID().SetValue(L"E-ANNA");
              mod.EmployeePayrollInfoMod().UseTimeDataToCreatePaychecks().SetValue(1);
          } },
        { L"TxnDelType", [](const IMsgSetRequest& set) { set.AppendTxnDelRq().TxnID().SetValue(L"T-1"); } },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.missing, test.missing + wcslen(test.missing)));
        std::pair<HRESULT, std::wstring> error = ComErrorOf([&] { Send(test.build); });
        EXPECT_TRUE(FAILED(error.first));
        EXPECT_NE(std::wstring::npos, error.second.find(test.missing))
            << std::string(error.second.begin(), error.second.end());
    }
    EXPECT_STATUS(0, Send([](const IMsgSetRequest& set) { AppendChange(set); }));
}

TEST_F(Refusals, QbfcRefusesAnUnknownCountryAndAVersionQuickBooksDoesNotSupport)
{
    const std::wstring unsupported = L"The version of QBXML that was requested is not supported or is unknown.";
    for (const wchar_t* country : { L"US", L"CA", L"" })
        EXPECT_NO_THROW(m_session.CreateMsgSetRequest(country, 6, 0));
    EXPECT_EQ(unsupported, ComErrorOf([&] { m_session.CreateMsgSetRequest(L"UK", 6, 0); }).second);

    SeedWith("'Simulator':{'SupportedQbXmlVersion':'5.0'}");
    IMsgSetRequest set = m_session.CreateMsgSetRequest(L"US", 6, 0);
    set.AppendCompanyQueryRq();
    EXPECT_EQ(unsupported, ComErrorOf([&] { m_session.DoRequests(set); }).second);
    IMsgSetRequest older = m_session.CreateMsgSetRequest(L"US", 5, 0);
    older.AppendCompanyQueryRq();
    EXPECT_STATUS(0, m_session.DoRequests(older).ResponseList().GetAt(0));
}

TEST_F(Refusals, WithTimeTrackingOffEveryTimeTrackingRequestGets3250)
{
    SeedWith("'Preferences':{'TimeTrackingEnabled':false}");
    EXPECT_STATUS(3250, Send([](const IMsgSetRequest& set) {
                      set.AppendTimeTrackingQueryRq().ORTimeTrackingTxnQuery().TxnIDList().Add(L"T-1");
                  }));
    EXPECT_STATUS(3250, Send([](const IMsgSetRequest& set) { AppendChange(set); }));
    EXPECT_STATUS(3250, Send([](const IMsgSetRequest& set) {
                      ITxnDel del = set.AppendTxnDelRq();
                      del.TxnID().SetValue(L"T-1");
                      del.TxnDelType().SetAsString(L"TimeTracking");
                  }));
    EXPECT_STATUS(0, Send([](const IMsgSetRequest& set) { set.AppendCompanyQueryRq(); }));
}

TEST_F(Refusals, NotesOverQuickBooksLimitAreTooLong)
{
    EXPECT_STATUS(0, Send([](const IMsgSetRequest& set) { AppendAdd(set, std::wstring(4095, L'n')); }));
    EXPECT_STATUS(3070, Send([](const IMsgSetRequest& set) { AppendAdd(set, std::wstring(4096, L'n')); }));
    EXPECT_STATUS(3070, Send([](const IMsgSetRequest& set) { AppendChange(set, L"", std::wstring(4096, L'n')); }));
}

}  // namespace

}  // namespace QbSimTest
