// Adding, changing and deleting time entries, and the use-time-data flag, through the
// connector against the simulator: what is sent, and what each outcome returns.
#include <gtest/gtest.h>

#include "connectors/quickbooks/QBStatusMessage.h"
#include "connectors/quickbooks/QuickBooksErrors.h"
#include "core/DateTime.h"
#include "tests/quickbooks/SimulatedQuickBooks.h"
#include "tools/qbsim/Control.h"

namespace QuickBooksTest {

namespace {

using Quorvane::DateTime;

const char kCompany[] =
    "{'CompanyName':'Sim Co','Preferences':{'CurrentAppAccessRights':{'IsPersonalDataAccessAllowed':true}},"
    " 'Employees':[{'ListID':'E-ANNA','EditSequence':'100','FirstName':'Anna','LastName':'Berg'}],"
    " 'Customers':[{'ListID':'C-ACME','Name':'Acme'}],"
    " 'Items':[{'ListID':'I-DESIGN','Name':'Design','Kind':0}],"
    " 'PayrollItemWages':[{'ListID':'P-HOURLY','Name':'Hourly'}],"
    " 'TimeEntries':[{'TxnID':'T-1','EditSequence':'7','TxnDate':'2026-11-02','EntityRef':{'ListID':'E-ANNA'},"
    "                 'Duration':'PT8H0M0S'}]}";

struct Entry {
    std::wstring customerJob, serviceItem, payrollItem, notes;
    int billable;
    int minutes;
};

class TimeEntryWrites : public SimulatedQuickBooks {
protected:
    void SetUp() override
    {
        SimulatedQuickBooks::SetUp();
        Seed(kCompany);
    }

    // The answer's EditSequence goes to m_newEditSequence.
    int SwitchTimeData(const std::wstring& listId, const std::wstring& editSequence, int value)
    {
        m_newEditSequence.clear();
        return m_connector->ChangeFlagUseTimeData(listId, editSequence, value, m_newEditSequence);
    }

    std::wstring m_newEditSequence;

    int Add(const Entry& entry, const std::wstring& entity = L"E-ANNA")
    {
        return m_connector->AddTimeTrack(entity, entry.customerJob, entry.serviceItem, entry.payrollItem, entry.notes,
                                         entry.billable, DateTime(5, 11, 2026), entry.minutes);
    }
};

}  // namespace

TEST_F(TimeEntryWrites, AnAddSendsOnlyTheFieldsItHasInOrder)
{
    struct Case {
        const char* name;
        Entry entry;
        const wchar_t* sent;
    } cases[] = {
        { "nothing optional",
          { L"", L"", L"", L"", 1, 59 },
          L"TimeTrackingAdd: TxnDate=\"2026-11-05\"; EntityRef.ListID=\"E-ANNA\"; Duration=\"PT0H59M0S\"; "
          L"BillableStatus=1" },
        { "billable to a customer and item",
          { L"Acme", L"Design", L"P-HOURLY", L"Gutters", 1, 135 },
          L"TimeTrackingAdd: TxnDate=\"2026-11-05\"; EntityRef.ListID=\"E-ANNA\"; Duration=\"PT2H15M0S\"; "
          L"PayrollItemWageRef.ListID=\"P-HOURLY\"; CustomerRef.FullName=\"Acme\"; ItemServiceRef.FullName=\"Design\"; "
          L"BillableStatus=0; Notes=\"Gutters\"" },
        { "not billable",
          { L"Acme", L"Design", L"", L"", 0, 60 },
          L"TimeTrackingAdd: TxnDate=\"2026-11-05\"; EntityRef.ListID=\"E-ANNA\"; Duration=\"PT1H0M0S\"; "
          L"CustomerRef.FullName=\"Acme\"; ItemServiceRef.FullName=\"Design\"; BillableStatus=1" },
        { "billable without a service item",
          { L"Acme", L"", L"", L"", 1, 0 },
          L"TimeTrackingAdd: TxnDate=\"2026-11-05\"; EntityRef.ListID=\"E-ANNA\"; Duration=\"PT0H0M0S\"; "
          L"CustomerRef.FullName=\"Acme\"; BillableStatus=1" },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(0, Add(test.entry));
        EXPECT_EQ(std::vector<std::wstring>({ test.sent }), RequestTrace());
    }
}

TEST_F(TimeEntryWrites, ARefusedAddReturnsTheStatusOr31201WhenThePayrollItemIsNamed)
{
    EXPECT_EQ(31201, Add({ L"", L"", L"P-GONE", L"", 0, 60 }));
    EXPECT_EQ(3140, Add({ L"Nobody Inc", L"Design", L"P-HOURLY", L"", 0, 60 }));
    EXPECT_EQ(3140, Add({ L"", L"", L"", L"", 0, 60 }, L"E-GONE"));
}

TEST_F(TimeEntryWrites, AnAddAnsweredWithoutAnEntryReturnsMinusOne)
{
    InjectFault("{'stage':'Response','request':'TimeTrackingAdd','shape':'OtherDetail'}");
    EXPECT_EQ(-1, Add({ L"", L"", L"", L"", 0, 60 }));
}

TEST_F(TimeEntryWrites, AChangeSendsOnlyTheDurationAndIsRefusedWhenTheEntryChanged)
{
    EXPECT_EQ(0, m_connector->ChangeTimeTrack(L"T-1", L"E-ANNA", L"7", 90));
    EXPECT_EQ(std::vector<std::wstring>({ L"TimeTrackingMod: TxnID=\"T-1\"; EntityRef.ListID=\"E-ANNA\"; "
                                          L"EditSequence=\"7\"; Duration=\"PT1H30M0S\"" }),
              RequestTrace());
    EXPECT_EQ(3200, m_connector->ChangeTimeTrack(L"T-1", L"E-ANNA", L"7", 60));
    EXPECT_EQ(3120, m_connector->ChangeTimeTrack(L"T-GONE", L"E-ANNA", L"7", 60));
}

// The type goes by name: early QBFC versions number it 17, later ones 21.
TEST_F(TimeEntryWrites, ADeleteNamesItsTypeInEitherNumbering)
{
    EXPECT_EQ(0, m_connector->DeleteTimeTrack(L"T-1"));
    EXPECT_EQ(std::vector<std::wstring>({ L"TxnDel: TxnID=\"T-1\"; TxnDelType=\"TimeTracking\"" }), RequestTrace());
    EXPECT_EQ(3120, m_connector->DeleteTimeTrack(L"T-1"));
    Seed(std::string(kCompany).substr(0, sizeof(kCompany) - 2) + ",'Simulator':{'EarlyEnumNumbering':true}}");
    EXPECT_EQ(0, m_connector->DeleteTimeTrack(L"T-1"));
}

// Without the record QuickBooks returns, nothing says the change was made; "no match" would
// say something else.
TEST_F(TimeEntryWrites, AChangeOrDeleteAnsweredWithoutItsRecordIsNotConfirmed)
{
    const char* kinds[] = { "TxnDel", "TimeTrackingMod", "EmployeeMod" };
    for (const char* kind : kinds)
        InjectFault(std::string("{'stage':'Response','request':'") + kind + "','shape':'NullDetail'}");
    EXPECT_EQ(Quorvane::Connectors::kNotConfirmedStatus, m_connector->DeleteTimeTrack(L"T-1"));
    EXPECT_EQ(Quorvane::Connectors::kNotConfirmedStatus, m_connector->ChangeTimeTrack(L"T-1", L"E-ANNA", L"7", 60));
    EXPECT_EQ(Quorvane::Connectors::kNotConfirmedStatus, SwitchTimeData(L"E-ANNA", L"100", 1));
    EXPECT_EQ(L"QuickBooks did not confirm the change",
              Quorvane::Connectors::QBStatusMessage(Quorvane::Connectors::kNotConfirmedStatus));
}

// QuickBooks did what was asked: a warning is logged, the write is no refusal.
TEST_F(TimeEntryWrites, AWarningWithTheRecordIsASuccess)
{
    const char* kinds[] = { "TimeTrackingAdd", "TimeTrackingMod", "TxnDel", "EmployeeMod" };
    for (const char* kind : kinds)
        InjectFault(std::string("{'stage':'Response','request':'") + kind +
                    "','shape':'Warning','status':530,'message':'Unsupported field: BillableStatus'}");
    EXPECT_EQ(0, Add({ L"", L"", L"", L"", 0, 60 }));
    EXPECT_EQ(0, m_connector->ChangeTimeTrack(L"T-1", L"E-ANNA", L"7", 60));
    EXPECT_EQ(0, m_connector->DeleteTimeTrack(L"T-1"));
    EXPECT_EQ(0, SwitchTimeData(L"E-ANNA", L"100", 1));
    EXPECT_NE(std::string::npos, ConnectorLogTail().find("QuickBooks warning 530: Unsupported field: BillableStatus"));

    InjectFault("{'stage':'Response','request':'TimeTrackingAdd','shape':'Status','status':530,'severity':'Warn'}");
    EXPECT_EQ(530, Add({ L"", L"", L"", L"", 0, 60 }));
    InjectFault("{'stage':'Response','request':'TimeTrackingAdd','shape':'Warning','status':3180,'severity':'Error'}");
    EXPECT_EQ(3180, Add({ L"", L"", L"", L"", 0, 60 }));
}

// The import reports these codes; a write that throws instead would be skipped unreported.
TEST_F(TimeEntryWrites, EveryWriteReturnsTheComErrorItMet)
{
    const int codes[] = { Quorvane::kCannotAccessQuickBooksCode, Quorvane::kWrongTimeRangeCode,
                          static_cast<int>(0x8004040D) };
    for (int code : codes) {
        SCOPED_TRACE(code);
        std::string fault = "{'stage':'DoRequests','hresult':'" + std::to_string(static_cast<unsigned>(code)) + "'}";
        InjectFault(fault);
        EXPECT_EQ(code, Add({ L"", L"", L"", L"", 0, 60 }));
        InjectFault(fault);
        EXPECT_EQ(code, m_connector->ChangeTimeTrack(L"T-1", L"E-ANNA", L"7", 60));
        InjectFault(fault);
        EXPECT_EQ(code, m_connector->DeleteTimeTrack(L"T-1"));
        InjectFault(fault);
        EXPECT_EQ(code, SwitchTimeData(L"E-ANNA", L"100", 1));
    }
}

// Each change gives the employee a new EditSequence, which the next change must carry.
TEST_F(TimeEntryWrites, AUseTimeDataChangeNeedsTheCurrentEditSequenceAndPayrollAccess)
{
    EXPECT_EQ(0, SwitchTimeData(L"E-ANNA", L"100", 2));
    const std::wstring changed = m_newEditSequence;
    EXPECT_EQ(QbSim::Json::Parse(QbSim::Control::Snapshot()).Get(L"Employees").At(0).Get(L"EditSequence").AsString(),
              changed);
    EXPECT_NE(L"100", changed);
    EXPECT_EQ(3200, SwitchTimeData(L"E-ANNA", L"100", 1));
    EXPECT_EQ(L"", m_newEditSequence);
    EXPECT_EQ(0, SwitchTimeData(L"E-ANNA", changed, 1));
    EXPECT_EQ(3120, SwitchTimeData(L"E-GONE", L"1", 1));
    Seed("{'Employees':[{'ListID':'E-ANNA','EditSequence':'100','FirstName':'Anna'}]}");
    EXPECT_EQ(3261, SwitchTimeData(L"E-ANNA", L"100", 1));
}

TEST_F(TimeEntryWrites, TheUseTimeDataFlagSendsOnlyKnownValues)
{
    const int values[] = { 1, 2, 0, 3, -1 };
    const wchar_t* sent[] = { L"1", L"2", L"0", L"0", L"0" };
    for (int i = 0; i < 5; ++i) {
        SwitchTimeData(L"E-ANNA", L"100", values[i]);
        EXPECT_EQ(std::vector<std::wstring>({ std::wstring(L"EmployeeMod: ListID=\"E-ANNA\"; EditSequence=\"100\"; "
                                                           L"EmployeePayrollInfoMod.UseTimeDataToCreatePaychecks=") +
                                              sent[i] }),
                  RequestTrace());
    }
}

TEST_F(TimeEntryWrites, WithoutASessionWritesFailOrReturnMinusOne)
{
    Reconnect(false);
    EXPECT_EQ(-1, SwitchTimeData(L"E-ANNA", L"100", 1));
    EXPECT_EQ(-1, m_connector->ChangeTimeTrack(L"T-1", L"E-ANNA", L"7", 60));
    EXPECT_THROW(Add({ L"", L"", L"", L"", 0, 60 }), std::exception);
    EXPECT_THROW(m_connector->DeleteTimeTrack(L"T-1"), std::exception);
    EXPECT_TRUE(RequestTrace().empty());
}

}  // namespace QuickBooksTest
